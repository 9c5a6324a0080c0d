# Run by CPack in each package's staging folder before it is packed. For the
# .deb alone, it turns the documentation as installed into what Debian's
# policy and its package checker want:
# - every manual page gzipped with `gzip -9n` (no name or time stamp inside);
# - share/doc/vortelin/changelog.gz: CHANGELOG.md in the Debian changelog's
#   format, which is what the checker reads there;
# - share/doc/vortelin/copyright in Debian's machine-readable format, holding
#   the licence text of LICENSE, which it replaces.
# The tarball keeps the files as installed, so `man -l share/man/man1/vortelin.1`
# works where it is unpacked.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(doc "${root}/share/doc/${CPACK_PACKAGE_NAME}")

function(gzip_in_place file)
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip -9n ${file} failed")
  endif()
endfunction()

file(GLOB pages "${root}/share/man/man*/*")
foreach(page IN LISTS pages)
  if(NOT page MATCHES "\\.gz$")
    gzip_in_place("${page}")
  endif()
endforeach()

# "Mon, 07 Dec 2026 17:54:00 +0000" for "2026-12-07" and "17:54".
function(rfc2822_date iso time out)
  string(REGEX MATCH "^([0-9]+)-0?([0-9]+)-0?([0-9]+)$" ignored "${iso}")
  set(year ${CMAKE_MATCH_1})
  set(month ${CMAKE_MATCH_2})
  set(day ${CMAKE_MATCH_3})
  # The day of the week by Sakamoto's method; 0 is Sunday.
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${month} - 1")
  list(GET offsets ${index} offset)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  set(days Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET days ${weekday} day_name)
  list(GET months ${index} month_name)
  if(day LESS 10)
    set(day "0${day}")
  endif()
  set(${out} "${day_name}, ${day} ${month_name} ${year} ${time}:00 +0000" PARENT_SCOPE)
endfunction()

# CHANGELOG.md holds "## VERSION (YYYY-MM-DD HH:MM UTC)" headings, newest
# first, each followed by items "- text" whose further lines are indented by
# two blanks.
file(STRINGS "${doc}/CHANGELOG.md" markdown ENCODING UTF-8)
set(changelog "")
set(date "")
function(close_entry)
  if(date)
    set(changelog "${changelog}\n -- ${CPACK_PACKAGE_CONTACT}  ${date}\n\n" PARENT_SCOPE)
  endif()
endfunction()
foreach(line IN LISTS markdown)
  if(line MATCHES "^## ([^ ]+) \\(([0-9-]+) ([0-9]+:[0-9]+) UTC\\)$")
    set(version "${CMAKE_MATCH_1}")
    set(iso "${CMAKE_MATCH_2}")
    set(time "${CMAKE_MATCH_3}")
    close_entry()
    rfc2822_date("${iso}" "${time}" date)
    string(APPEND changelog "${CPACK_PACKAGE_NAME} (${version}) unstable; urgency=medium\n\n")
  elseif(date AND line MATCHES "^- (.*)$")
    string(APPEND changelog "  * ${CMAKE_MATCH_1}\n")
  elseif(date AND line MATCHES "^  (.*)$")
    string(APPEND changelog "    ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
close_entry()
string(STRIP "${changelog}" changelog)
file(WRITE "${doc}/changelog" "${changelog}\n")
file(REMOVE "${doc}/CHANGELOG.md")
gzip_in_place("${doc}/changelog")

# LICENSE: a title, the copyright line, then the licence text, which the
# copyright file indents by one blank, with " ." for an empty line.
file(READ "${doc}/LICENSE" license)
if(NOT license MATCHES "Copyright \\(c\\) ([^\n]+)\n+(.*)$")
  message(FATAL_ERROR "LICENSE: no copyright line")
endif()
set(holder "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")
file(WRITE "${doc}/copyright"
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ${CPACK_PACKAGE_NAME}
Upstream-Contact: ${CPACK_PACKAGE_CONTACT}

Files: *
Copyright: ${holder}
License: Expat
 ${terms}
")
file(REMOVE "${doc}/LICENSE")

# Install rules and release packages: the program, with README.md, LICENSE,
# CHANGELOG.md and the example folder as its documentation, and its manual page.
#   Linux:   bin/vortelin, bin/vortelin-overview, bin/vortelin-scans, share/man/man1/*.1,
#            share/doc/vortelin/{README.md,LICENSE,CHANGELOG.md,examples/};
#            a .deb and a .tar.gz
#   Windows: one folder holding vortelin.exe, vortelin-overview.exe,
#            vortelin-scans.exe, README.md, LICENSE, CHANGELOG.md
#            and examples/; a .zip
# A Windows zip is unpacked and used where it lies, so everything sits side by side.
if(WIN32)
  set(CMAKE_INSTALL_BINDIR "." CACHE PATH "Where the program is installed")
  set(CMAKE_INSTALL_DOCDIR "." CACHE PATH "Where README.md and examples/ are installed")
endif()
include(GNUInstallDirs)

install(TARGETS vortelin)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
  ${PROJECT_SOURCE_DIR}/CHANGELOG.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Every manual page of docs/man, uncompressed: `man -l share/man/man1/vortelin.1`
# reads it where a tarball was unpacked. The .deb gzips them (see below).
if(NOT WIN32)
  file(GLOB manual_pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/*.1)
  install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
# The tables a run in examples/ leaves behind are not part of the examples.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples DESTINATION ${CMAKE_INSTALL_DOCDIR}
  PATTERN "scn_smps.dat" EXCLUDE
  PATTERN "scn_ccnc.dat" EXCLUDE
  PATTERN "scn_overview.svg" EXCLUDE)
# The campaign picture's program and the scans table's, beside vortelin.
install(TARGETS vortelin-overview vortelin-scans)

set(CPACK_PACKAGE_NAME vortelin)
set(CPACK_PACKAGE_VENDOR "VORTELIN project")
set(CPACK_PACKAGE_CONTACT "VORTELIN developers <vortelin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "summary tables of a folder of SMPS exports and CCN data files")
set(CPACK_PACKAGE_DESCRIPTION [[
VORTELIN reads a folder of aerosol-instrument files and writes two summary
tables into it. Started in the folder, it asks for the name of a list file
that names the data files, tells particle-sizer (SMPS) text exports from
data files of a cloud condensation nuclei (CCN) counter, and writes
scn_smps.dat, with the first and last scan and the scan settings of each
export, and scn_ccnc.dat, with each run of constant supersaturation set
point in each CCN file. vortelin-overview draws a campaign as one SVG
picture; vortelin-scans writes one row per particle-sizer sample with the
CCN set point in force and whether the counter stayed steady through it.]])
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_GENERATOR DEB TGZ)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  # The shared-library dependencies are read off the binary (dpkg-shlibdeps,
  # from dpkg-dev, with file; tools/install-deps.sh package installs both).
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # What Debian's policy wants of the documentation, made in the .deb's staging
  # folder only, so the tarball keeps the files as they are installed:
  # gzipped manual pages, changelog.gz and a machine-readable copyright file.
  set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/debian_docs.cmake)
endif()
include(CPack)

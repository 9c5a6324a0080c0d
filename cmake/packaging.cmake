# Install rules and release packages: the program, with README.md and the
# example folder as its documentation.
#   Linux:   bin/vortelin, share/doc/vortelin/{README.md,examples/}; a .deb and a .tar.gz
#   Windows: one folder holding vortelin.exe, README.md and examples/; a .zip
# A Windows zip is unpacked and used where it lies, so everything sits side by side.
if(WIN32)
  set(CMAKE_INSTALL_BINDIR "." CACHE PATH "Where the program is installed")
  set(CMAKE_INSTALL_DOCDIR "." CACHE PATH "Where README.md and examples/ are installed")
endif()
include(GNUInstallDirs)

install(TARGETS vortelin)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The tables a run in examples/ leaves behind are not part of the examples.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples DESTINATION ${CMAKE_INSTALL_DOCDIR}
  PATTERN "scn_smps.dat" EXCLUDE
  PATTERN "scn_ccnc.dat" EXCLUDE
  PATTERN "scn_overview.svg" EXCLUDE)
# The campaign picture's program, beside vortelin.
install(TARGETS vortelin-overview)

set(CPACK_PACKAGE_NAME vortelin)
set(CPACK_PACKAGE_VENDOR "VORTELIN project")
set(CPACK_PACKAGE_CONTACT "VORTELIN developers <vortelin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Summary tables of a folder of aerosol-instrument files (SMPS exports, CCN data files)")
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
endif()
include(CPack)

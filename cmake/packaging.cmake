# SPDX-License-Identifier: GPL-3.0-or-later
# Installation (GNUInstallDirs) and the Debian package. The executables go to bin/, the lesson
# database and the pictures to share/kovrel/, where both programs look under their own prefix;
# the manual pages, the copyright file and the changelog go where Debian's policy puts them.
set(KOVREL_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/kovrel)
set(KOVREL_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/doc/kovrel)
set(KOVREL_APP_ID org.kovrel.Kovrel)
set(KOVREL_MAINTAINER "The Kovrel developers <team@kovrel.org>")
set(KOVREL_HOMEPAGE "https://kovrel.org/")
set(KOVREL_DEBIAN_REVISION 1)
# Files made at configure and build time for the package: changelog, metainfo, manual pages.
set(KOVREL_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package)

include(${CMAKE_CURRENT_LIST_DIR}/release_notes.cmake)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/NEWS.md)
kovrel_read_release_notes(${PROJECT_SOURCE_DIR}/NEWS.md)
file(CONFIGURE OUTPUT ${KOVREL_PACKAGE_DIR}/changelog.Debian CONTENT "${KOVREL_DEBIAN_CHANGELOG}")
configure_file(${PROJECT_SOURCE_DIR}/data/desktop/${KOVREL_APP_ID}.metainfo.xml.in
  ${KOVREL_PACKAGE_DIR}/${KOVREL_APP_ID}.metainfo.xml @ONLY)

# Debian wants its documents compressed with gzip -9n (no name or time stamp inside).
find_program(KOVREL_GZIP gzip REQUIRED)
set(KOVREL_PACKAGE_FILES ${KOVREL_PACKAGE_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${KOVREL_PACKAGE_DIR}/changelog.Debian.gz
  COMMAND ${KOVREL_GZIP} -9 -n -k -f ${KOVREL_PACKAGE_DIR}/changelog.Debian
  DEPENDS ${KOVREL_PACKAGE_DIR}/changelog.Debian ${PROJECT_SOURCE_DIR}/NEWS.md VERBATIM)

# The manual pages are written by help2man from each program's own --help and --version (which
# answer with no display), with the sections in packaging/PROGRAM.h2m added.
find_program(KOVREL_HELP2MAN help2man)
set(KOVREL_MANUAL_PAGES "")
function(kovrel_manual_page program summary)
  set(page ${KOVREL_PACKAGE_DIR}/${program}.1)
  add_custom_command(OUTPUT ${page} ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
      ${KOVREL_HELP2MAN} --no-info --section=1 --name=${summary}
      --include=${PROJECT_SOURCE_DIR}/packaging/${program}.h2m --output=${page}
      $<TARGET_FILE:${program}>
    COMMAND ${KOVREL_GZIP} -9 -n -k -f ${page}
    DEPENDS ${program} ${PROJECT_SOURCE_DIR}/packaging/${program}.h2m
    COMMENT "Writing the manual page ${program}(1)" VERBATIM)
  list(APPEND KOVREL_MANUAL_PAGES ${page})
  set(KOVREL_MANUAL_PAGES ${KOVREL_MANUAL_PAGES} PARENT_SCOPE)
  list(APPEND KOVREL_PACKAGE_FILES ${page}.gz)
  set(KOVREL_PACKAGE_FILES ${KOVREL_PACKAGE_FILES} PARENT_SCOPE)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
if(KOVREL_HELP2MAN)
  kovrel_manual_page(kovrel-term "the Kovrel Router Simulator's console in a terminal")
  if(KOVREL_DESKTOP)
    kovrel_manual_page(kovrel "the Kovrel Router Simulator, a router console for students")
  endif()
else()
  message(STATUS "help2man not found: the manual pages are not made (apt-get install help2man)")
endif()
add_custom_target(package_files ALL DEPENDS ${KOVREL_PACKAGE_FILES})

install(TARGETS kovrel-term RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KOVREL_APP_DIR}/DataStore.db DESTINATION ${KOVREL_DATA_INSTALL_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${KOVREL_PACKAGE_DIR}/changelog.Debian.gz
  DESTINATION ${KOVREL_DOC_INSTALL_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kovrel)

if(KOVREL_DESKTOP)
  install(TARGETS kovrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/pictures/ DESTINATION ${KOVREL_DATA_INSTALL_DIR}/pictures
    FILES_MATCHING PATTERN "*.svg")
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/${KOVREL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/pictures/kovrel-icon.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${KOVREL_APP_ID}.svg)
  install(FILES ${KOVREL_PACKAGE_DIR}/${KOVREL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kovrel)
set(CPACK_PACKAGE_VENDOR "The Kovrel developers")
set(CPACK_PACKAGE_CONTACT "${KOVREL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "router console simulator for network-certification students")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Simulates the console of a small router, alone or as one of two linked
routers, with guided labs, graded tests, troubleshooting scenarios and flash
cards. kovrel is the desktop program, kovrel-term the same console in a
terminal.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kovrel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KOVREL_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KOVREL_HOMEPAGE}")
# Depends is computed from the libraries the programs link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The library scan finds every Qt library the program links, the SVG one (whose image plugin draws
# the icon) and the X11 platform plugin's libqt6gui6 among them; Wayland's plugin is optional.
if(KOVREL_DESKTOP)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
endif()
include(CPack)

if(KOVREL_TESTS)
  # Each program's command line with no display, and the manual pages against --help.
  set(programs $<TARGET_FILE:kovrel-term>)
  if(KOVREL_DESKTOP)
    string(APPEND programs "$<SEMICOLON>$<TARGET_FILE:kovrel>")
  endif()
  set(manual_dir "")
  if(KOVREL_HELP2MAN)
    set(manual_dir ${KOVREL_PACKAGE_DIR})
  endif()
  add_test(NAME command_line COMMAND ${CMAKE_COMMAND} -DPROGRAMS=${programs}
    -DVERSION=${PROJECT_VERSION} -DMANUAL_DIR=${manual_dir}
    -P ${PROJECT_SOURCE_DIR}/cmake/check_command_line.cmake)
  set_tests_properties(command_line PROPERTIES TIMEOUT 60)

  # The software centres' metadata and the menu entry, as distributions check them.
  find_program(KOVREL_APPSTREAMCLI appstreamcli)
  if(KOVREL_APPSTREAMCLI AND KOVREL_DESKTOP)
    add_test(NAME appstream_metadata COMMAND ${KOVREL_APPSTREAMCLI} validate --no-net
      ${KOVREL_PACKAGE_DIR}/${KOVREL_APP_ID}.metainfo.xml)
    set_tests_properties(appstream_metadata PROPERTIES TIMEOUT 60)
  endif()
  find_program(KOVREL_DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(KOVREL_DESKTOP_FILE_VALIDATE AND KOVREL_DESKTOP)
    add_test(NAME desktop_entry COMMAND ${KOVREL_DESKTOP_FILE_VALIDATE}
      ${PROJECT_SOURCE_DIR}/data/desktop/${KOVREL_APP_ID}.desktop)
    set_tests_properties(desktop_entry PROPERTIES TIMEOUT 60)
  endif()
endif()

# Installation (GNUInstallDirs) and the Debian package. The executables go to bin/, the lesson
# database and the pictures to share/kovrel/, where both programs look under their own prefix.
set(KOVREL_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/kovrel)
set(KOVREL_APP_ID org.kovrel.Kovrel)

install(TARGETS kovrel-term RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KOVREL_APP_DIR}/DataStore.db DESTINATION ${KOVREL_DATA_INSTALL_DIR})

if(KOVREL_DESKTOP)
  install(TARGETS kovrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/pictures/ DESTINATION ${KOVREL_DATA_INSTALL_DIR}/pictures
    FILES_MATCHING PATTERN "*.svg")
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/${KOVREL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/pictures/kovrel-icon.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${KOVREL_APP_ID}.svg)
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/${KOVREL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kovrel)
set(CPACK_PACKAGE_VENDOR "Kovrel")
set(CPACK_PACKAGE_CONTACT "Kovrel developers <kovrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Router console simulator for network-certification students")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Simulates the console of a small router, alone or as one of two linked routers,
with guided labs, graded tests, troubleshooting scenarios and flash cards.
kovrel is the desktop program, kovrel-term the same console in a terminal.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kovrel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The library scan finds every Qt library the program links, the SVG one (whose image plugin draws
# the icon) and the X11 platform plugin's libqt6gui6 among them; Wayland's plugin is optional.
if(KOVREL_DESKTOP)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
endif()
include(CPack)

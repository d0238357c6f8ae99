# What `cmake --install` puts on the desk laptop, and the Debian package
# that carries it.
#
#   bin/qx30                                   the program
#   bin/qx30-seance                            the launcher: opens qx30 in ~/qx30
#   share/applications/fr.tarvennes.qx30.desktop  the desktop menu entry
#   share/metainfo/fr.tarvennes.qx30.metainfo.xml what software centres show
#   share/icons/hicolor/scalable/apps/qx30.svg    the icon
#   share/man/man1, share/man/fr/man1             the manual pages
#   share/qx30/                                   what a new session folder is seeded with
#   share/doc/qx30/                               the README, the operator's guide,
#                                                 copyright and changelog
#
# Every place comes from GNUInstallDirs, so any prefix works; the launcher
# finds share/qx30 from its own place.

include(GNUInstallDirs)

if(NOT TARGET qx30)
  return()
endif()

install(TARGETS qx30 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The launcher carries the path from the program's folder to the data folder,
# both as the install will lay them out.
file(RELATIVE_PATH QX30_DATA_FROM_BIN
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/qx30)
configure_file(${PROJECT_SOURCE_DIR}/packaging/qx30-seance.in
  ${PROJECT_BINARY_DIR}/packaging/qx30-seance @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/qx30-seance
  DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/fr.tarvennes.qx30.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/qx30.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The choice lists, the help text and the default colours, copied into a new
# session folder by the launcher.
install(FILES
  ${PROJECT_SOURCE_DIR}/examples/frequences.txt
  ${PROJECT_SOURCE_DIR}/examples/pilotes.txt
  ${PROJECT_SOURCE_DIR}/examples/commentaires.txt
  ${PROJECT_SOURCE_DIR}/examples/aide.txt
  ${PROJECT_SOURCE_DIR}/examples/parametres.ini
  DESTINATION ${CMAKE_INSTALL_DATADIR}/qx30)

# The README and the operator's guide keep their places beside the screenshot,
# so that their links work in the installed copy as in the checkout.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/guide-operateur.md DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
foreach(image screenshot.png screenshot-tableau.png)
  if(EXISTS ${PROJECT_SOURCE_DIR}/docs/${image})
    install(FILES ${PROJECT_SOURCE_DIR}/docs/${image} DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
  endif()
endforeach()

set(QX30_VENDOR "Club des Tarvennes")
set(QX30_MAINTAINER "${QX30_VENDOR} <regie@tarvennes.invalid>"
  CACHE STRING "Maintainer field of the Debian package")
set(QX30_HOMEPAGE "https://tarvennes.invalid/qx30/"
  CACHE STRING "Where the club publishes qx30 and its screenshot (ends with /)")
include(${CMAKE_CURRENT_LIST_DIR}/documentation.cmake)

# Debian package: `cpack -G DEB` in a build configured for Release with the
# prefix /usr (scripts/package does both).
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "qx30")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${QX30_VENDOR}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${QX30_HOMEPAGE}")
set(CPACK_PACKAGE_CONTACT "${QX30_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "control desk of a radio-controlled model-flying session")
# The summary above is the first line; CPack indents these lines and turns the
# empty one into the paragraph mark.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"qx30 is the program of the control desk (the régie) of a club's
model-flying session. The operator registers each model with its
frequency, pilot and comment, authorises it to fly, parks it in a waiting
queue and ends its flight. From the frequencies in flight it keeps the
list of forbidden frequencies (margins, receiver images, intermodulation
products) and refuses a start that would disturb a model in the air. A
minute clock counts flight and waiting times, and the session is saved
automatically.

The menu entry opens the program in the folder ~/qx30, seeded with example
lists of frequencies, pilots and comments that the operator edits.")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The Qt libraries come from dpkg-shlibdeps; the X11 platform plugin ships in
# libqt6gui6, which that already names. The lists and the help text open in
# the desktop's default editor for plain text, which xdg-utils tells, or in
# the first common graphical editor found.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "xdg-utils, mousepad | gedit | kate | pluma | xed | geany | featherpad | leafpad | gnome-text-editor")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)

set(CPACK_SOURCE_GENERATOR "TGZ")
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/seance/")

include(CPack)

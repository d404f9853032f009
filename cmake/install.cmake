# What "cmake --install" puts below the prefix, and the Debian package made from it by CPack
# (scripts/package):
#   bin/quobbles, bin/quobbles-sim
#   share/quobbles/Campain (the campaign index and maps), share/quobbles/Levels (the sample levels)
#   share/applications, share/metainfo, share/icons/hicolor: the desktop entry, metadata and icon
#   share/doc/quobbles: the licence (as Debian's copyright file) and the README

install(TARGETS quobbles-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/share/quobbles/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quobbles)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quobbles RENAME copyright)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quobbles)

if(QUOBBLES_GUI)
  install(TARGETS quobbles RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${QUOBBLES_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_BINARY_DIR}/desktop/${QUOBBLES_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${QUOBBLES_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size IN LISTS QUOBBLES_ICON_SIZES)
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${QUOBBLES_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quobbles)
set(CPACK_PACKAGE_VENDOR "The Quobbles team")
set(CPACK_PACKAGE_CONTACT "The Quobbles team <quobbles@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based tile puzzle game with a level editor")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Steer the green figure across a 50 x 50 map, seen through a 9 x 9 view, to the exit. Every key is one turn; "
  "after your step, sliding blocks, hangers, specials, stars, teleports, gravity squares, buttons and doors "
  "answer. A campaign of numbered maps under a named player, any level file, and a level editor. "
  "quobbles-sim plays and solves levels without a window, for level makers.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The Qt 6 libraries (and the C++ runtime) come from the executables' own links; the Qt libraries
# only recommend the platform plugins, without which no window opens.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)

# Desktop integration: the application icon as PNGs made from its SVG at build time (also built
# into the game for its window icon), and the AppStream metadata with this version's release.

find_program(QUOBBLES_RSVG_CONVERT rsvg-convert REQUIRED)

set(QUOBBLES_ICON_SVG ${CMAKE_SOURCE_DIR}/data/desktop/${QUOBBLES_APP_ID}.svg)
set(QUOBBLES_ICON_SIZES 16 24 32 48 64 128 256 512)
set(QUOBBLES_ICON_PNGS "")
foreach(size IN LISTS QUOBBLES_ICON_SIZES)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${QUOBBLES_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${QUOBBLES_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${QUOBBLES_ICON_SVG}
    DEPENDS ${QUOBBLES_ICON_SVG}
    COMMENT "Drawing the application icon at ${size} x ${size}")
  list(APPEND QUOBBLES_ICON_PNGS ${png})
endforeach()

# The window icon: the sizes a window manager asks for, from the same picture.
qt_add_resources(quobbles quobbles_icon
  PREFIX /icon
  BASE ${CMAKE_BINARY_DIR}/icons
  FILES ${CMAKE_BINARY_DIR}/icons/16x16/${QUOBBLES_APP_ID}.png
        ${CMAKE_BINARY_DIR}/icons/32x32/${QUOBBLES_APP_ID}.png
        ${CMAKE_BINARY_DIR}/icons/48x48/${QUOBBLES_APP_ID}.png
        ${CMAKE_BINARY_DIR}/icons/64x64/${QUOBBLES_APP_ID}.png
        ${CMAKE_BINARY_DIR}/icons/128x128/${QUOBBLES_APP_ID}.png)
add_custom_target(quobbles_icons ALL DEPENDS ${QUOBBLES_ICON_PNGS})
target_compile_definitions(quobbles PRIVATE QUOBBLES_APP_ID="${QUOBBLES_APP_ID}")

configure_file(${CMAKE_SOURCE_DIR}/data/desktop/${QUOBBLES_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/desktop/${QUOBBLES_APP_ID}.metainfo.xml @ONLY)

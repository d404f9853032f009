# The source is a stack of layers, each one library that may use only the layers declared before
# it. A layer's headers are reached as "<layer>/<file>.h" through a folder of the build tree that
# holds a link to the layer's own source folder and nothing else; linking a layer brings its
# folder, so a file that includes a header of a layer its library does not use does not compile.
# Every layer and what it uses is also written to layers.txt in the build tree, which the include
# check (scripts/check-layers) reads.

set(QUOBBLES_LAYERS "" CACHE INTERNAL "")
file(WRITE ${CMAKE_BINARY_DIR}/layers.txt "")

# quobbles_layer(NAME FOLDER folder [USES layer...] [LIBRARIES target...])
# Makes the library quobbles_NAME from the .cpp files of FOLDER (relative to the source tree),
# whose headers are included as "NAME/...".
function(quobbles_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 L "" "FOLDER" "USES;LIBRARIES;EXCLUDE")
  foreach(used IN LISTS L_USES)
    if(NOT used IN_LIST QUOBBLES_LAYERS)
      message(FATAL_ERROR "Layer ${name} uses ${used}, which is not a layer below it.")
    endif()
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${L_FOLDER}/*.cpp ${CMAKE_SOURCE_DIR}/${L_FOLDER}/*.h)
  foreach(excluded IN LISTS L_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/${L_FOLDER}/${excluded})
  endforeach()
  set(include ${CMAKE_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${include})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${L_FOLDER} ${include}/${name} SYMBOLIC)
  add_library(quobbles_${name} STATIC ${sources})
  target_include_directories(quobbles_${name} PUBLIC ${include})
  set(libraries ${L_USES})
  list(TRANSFORM libraries PREPEND quobbles_)
  target_link_libraries(quobbles_${name} PUBLIC ${libraries} ${L_LIBRARIES})
  set(QUOBBLES_LAYERS ${QUOBBLES_LAYERS} ${name} CACHE INTERNAL "")
  string(REPLACE ";" " " uses "${L_USES}")
  file(APPEND ${CMAKE_BINARY_DIR}/layers.txt "${name} ${L_FOLDER}: ${uses}\n")
endfunction()

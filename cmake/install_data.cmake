# Copies the shipped data folders (SRC) beside the executable (DST).
# Campain is replaced file by file; Levels and Players only receive files that are missing.
# With SHIPPED set, DST is the folder that is installed as share/quobbles: the campaign and the
# sample levels only, the levels always made afresh, no Players.
cmake_policy(SET CMP0057 NEW)  # if(... IN_LIST ...) in this script
set(folders Campain Levels Players)
if(SHIPPED)
  set(folders Campain Levels)
  file(REMOVE_RECURSE "${DST}/Levels")
endif()
foreach(folder ${folders})
  file(MAKE_DIRECTORY "${DST}/${folder}")
  file(GLOB files RELATIVE "${SRC}/${folder}" "${SRC}/${folder}/*")
  foreach(f ${files})
    if(f STREQUAL ".gitkeep")
      continue()
    endif()
    if(folder STREQUAL "Campain" OR NOT EXISTS "${DST}/${folder}/${f}")
      file(COPY_FILE "${SRC}/${folder}/${f}" "${DST}/${folder}/${f}" ONLY_IF_DIFFERENT)
    endif()
  endforeach()
endforeach()

# Levels written as text are made into ".lev" files by quobbles-mklevel (MKLEVEL): the campaign
# (SRC/campaign-maps: MapN.txt and Campain.dat) is always made afresh and campaign maps without a
# source are removed; sample levels (SRC/sample-levels) are only made where the file is missing, so a
# level the player has passed keeps its mark.
if(DEFINED MKLEVEL)
  function(make_level source target)
    execute_process(COMMAND "${MKLEVEL}" "${source}" "${target}" RESULT_VARIABLE failed ERROR_VARIABLE why)
    if(failed)
      message(FATAL_ERROR "${why}")
    endif()
  endfunction()

  file(GLOB maps RELATIVE "${SRC}/campaign-maps" "${SRC}/campaign-maps/Map*.txt")
  set(made "")
  foreach(f ${maps})
    string(REGEX REPLACE "\\.txt$" ".lev" lev "${f}")
    make_level("${SRC}/campaign-maps/${f}" "${DST}/Campain/${lev}")
    list(APPEND made "${lev}")
  endforeach()
  if(EXISTS "${SRC}/campaign-maps/Campain.dat")
    file(COPY_FILE "${SRC}/campaign-maps/Campain.dat" "${DST}/Campain/Campain.dat" ONLY_IF_DIFFERENT)
  endif()
  file(GLOB shipped RELATIVE "${DST}/Campain" "${DST}/Campain/Map*.lev")
  foreach(f ${shipped})
    if(NOT f IN_LIST made AND NOT EXISTS "${SRC}/Campain/${f}")
      file(REMOVE "${DST}/Campain/${f}")
    endif()
  endforeach()

  file(GLOB levels RELATIVE "${SRC}/sample-levels" "${SRC}/sample-levels/*.txt")
  foreach(f ${levels})
    string(REGEX REPLACE "\\.txt$" ".lev" lev "${f}")
    if(NOT EXISTS "${DST}/Levels/${lev}")
      make_level("${SRC}/sample-levels/${f}" "${DST}/Levels/${lev}")
    endif()
  endforeach()
endif()

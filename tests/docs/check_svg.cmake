cmake_minimum_required(VERSION 3.25)

# Renders one documentation scene as an SVG figure with veltro-replay and compares it with the
# figure committed under docs/images, byte for byte. OPTION is the replay option that writes it,
# --svg unless given (--compare for the comparisons of every method).
#
# cmake -DREPLAY=... -DSCENE=docs/scenes/NAME.replay -DFIGURE=docs/images/NAME.svg
#       -DOUTPUT=<scratch SVG> [-DOPTION=--compare] -P check_svg.cmake

foreach(var REPLAY SCENE FIGURE OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not given")
  endif()
endforeach()

if(NOT EXISTS ${SCENE})
  message(FATAL_ERROR "${FIGURE} comes from no scene (${SCENE})")
endif()

if(NOT DEFINED OPTION)
  set(OPTION --svg)
endif()

file(REMOVE ${OUTPUT})
execute_process(COMMAND ${REPLAY} ${OPTION} ${OUTPUT} ${SCENE}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "veltro-replay failed (${status}) on ${SCENE}:\n${out}${err}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${FIGURE}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR
    "${FIGURE} is not what ${SCENE} gives now. Look at ${OUTPUT}; if it is right, run "
    "docs/scenes/regenerate.sh and commit the new figure.")
endif()

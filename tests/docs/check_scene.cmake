cmake_minimum_required(VERSION 3.25)

# Renders one documentation scene with veltro-replay and compares the frame with the picture
# committed under docs/images, pixel by pixel.
#
# cmake -DREPLAY=... -DCOMPARE=... -DSCENE=docs/scenes/NAME.replay -DPICTURE=docs/images/NAME.png
#       -DOUTPUT=<scratch PNG> -P check_scene.cmake

foreach(var REPLAY COMPARE SCENE PICTURE OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not given")
  endif()
endforeach()

if(NOT EXISTS ${PICTURE})
  message(FATAL_ERROR "${PICTURE} is missing: run docs/scenes/regenerate.sh and commit it")
endif()

file(REMOVE ${OUTPUT})
execute_process(COMMAND ${REPLAY} --png ${OUTPUT} ${SCENE}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "veltro-replay failed (${status}) on ${SCENE}:\n${out}${err}")
endif()

execute_process(COMMAND ${COMPARE} ${OUTPUT} ${PICTURE}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR
    "${PICTURE} is not what ${SCENE} renders now:\n${out}${err}"
    "The program's drawing changed or the scene was edited. Look at ${OUTPUT}; if it is "
    "right, run docs/scenes/regenerate.sh, check the text that describes the picture, and "
    "commit the new picture.")
endif()

cmake_minimum_required(VERSION 3.25)

# Draws the icon again with packaging/make-icon.py and compares it with the committed files:
# the SVG as text, the PNG pixel by pixel (zlib versions may pack the same pixels differently).

file(REMOVE_RECURSE ${OUTPUT_DIR})
file(MAKE_DIRECTORY ${OUTPUT_DIR})
execute_process(COMMAND ${PYTHON} ${PACKAGING_DIR}/make-icon.py ${OUTPUT_DIR}
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make-icon.py failed (${status}):\n${err}")
endif()

set(hint "Run packaging/make-icon.py and commit packaging/veltro.svg and packaging/veltro.png.")
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT_DIR}/veltro.svg
                        ${PACKAGING_DIR}/veltro.svg RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "packaging/veltro.svg is not what make-icon.py draws. ${hint}")
endif()
execute_process(COMMAND ${COMPARE} ${OUTPUT_DIR}/veltro.png ${PACKAGING_DIR}/veltro.png
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "packaging/veltro.png is not what make-icon.py draws:\n${out}${err}${hint}")
endif()

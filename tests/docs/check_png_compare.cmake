cmake_minimum_required(VERSION 3.25)

# Checks the exit statuses of veltro_png_compare: 0 same pixels, 1 different, 2 unreadable.
function(expect status)
  execute_process(COMMAND ${COMPARE} ${ARGN} RESULT_VARIABLE got OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT got EQUAL status)
    message(FATAL_ERROR "veltro_png_compare ${ARGN}: status ${got}, expected ${status}\n${out}${err}")
  endif()
endfunction()

expect(0 ${SAME} ${SAME})
expect(1 ${OTHER} ${SAME})
expect(1 ${SAME} ${OTHER})
expect(2 ${NOT_PNG} ${SAME})
expect(2 ${SAME} ${NOT_PNG})
expect(2 ${SAME} ${SAME}.does-not-exist)

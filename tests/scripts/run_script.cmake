# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one driver script and compares what it prints with the answers the
# script expects, written in it as lines starting with "#> ".
file(STRINGS ${SCRIPT} lines ENCODING UTF-8)
set(expected "")
foreach(line IN LISTS lines)
  if(line MATCHES "^#> ?(.*)$")
    string(APPEND expected "${CMAKE_MATCH_1}\n")
  endif()
endforeach()

execute_process(COMMAND ${DRIVER} ${SCRIPT}
  OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the driver exited with ${status}: ${errors}")
endif()
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "expected:\n${expected}\ngot:\n${actual}")
endif()

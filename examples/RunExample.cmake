# cmake -DPROGRAM=... -DEXPECT=... -P RunExample.cmake
# Runs an example headless and fails unless it exits 0 and prints EXPECT.
execute_process(COMMAND ${PROGRAM} --quit-after-setup
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 50)
message("${output}${errors}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} exited with ${result}")
endif()
string(FIND "${output}${errors}" "${EXPECT}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${PROGRAM} did not print \"${EXPECT}\"")
endif()

# cmake -DCOMMAND="PROGRAM;ARGUMENTS..." -P RunQuietly.cmake
# Runs a checker and fails when it fails or says anything at all, so that its
# warnings and hints count as failures too.
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out STREQUAL "" OR NOT err STREQUAL "")
  message(FATAL_ERROR "${COMMAND} (exit status ${status}):\n${out}${err}")
endif()

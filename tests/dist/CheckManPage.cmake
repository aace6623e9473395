# cmake -DMAN_PAGE=FILE -DKELCONV=PROGRAM -P CheckManPage.cmake
# The manual page shows without warnings on an 80-column terminal and names
# every option and command that kelconv --help lists.
set(ENV{MANWIDTH} 80)
execute_process(COMMAND man --warnings -l ${MAN_PAGE} RESULT_VARIABLE status
                OUTPUT_VARIABLE page ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "man -l ${MAN_PAGE} (exit status ${status}):\n${warnings}")
endif()

execute_process(COMMAND ${KELCONV} --help OUTPUT_VARIABLE usage COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "(--|to-)[a-z-]+" options "${usage}")
list(REMOVE_DUPLICATES options)
if(NOT options)
  message(FATAL_ERROR "no option found in the usage:\n${usage}")
endif()
foreach(option ${options})
  string(FIND "${page}" "${option}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the manual page does not name ${option}")
  endif()
endforeach()

# Runs the probe-check build of the program, whose service address is a closed port:
# it must show the probe's message once, never show its window and exit with 0.
# The arguments would break Qt if the program passed them on.
execute_process(COMMAND "${PROGRAM}" -platform none -style none
                RESULT_VARIABLE result
                OUTPUT_VARIABLE output
                ERROR_VARIABLE errors
                TIMEOUT 120)
set(expected "message box \"QuorviV2\", no icon, one OK button, application modal: Fehler: Um die Anwendung zu benutzen, müssen Sie online sein!\\nDie Anwendung wird jetzt beendet\n")
if(NOT result STREQUAL "0")
  message(FATAL_ERROR "exit code ${result}, expected 0\n${output}${errors}")
endif()
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "the program showed:\n${output}\nexpected:\n${expected}")
endif()

# Compiles the German UTF-8 locale into LOCALE_DIR, so that tests can show that numbers are
# read and written with "." whatever the user's locale. Where the locale sources are not
# installed nothing is made and the tests that need it say they were skipped.
if(EXISTS "${LOCALE_DIR}/de_DE.UTF-8/LC_NUMERIC")
    return()
endif()
find_program(LOCALEDEF localedef)
if(NOT LOCALEDEF)
    message(STATUS "localedef not found: no German locale for the tests")
    return()
endif()
file(MAKE_DIRECTORY "${LOCALE_DIR}")
execute_process(
    COMMAND "${LOCALEDEF}" -i de_DE -f UTF-8 "${LOCALE_DIR}/de_DE.UTF-8"
    RESULT_VARIABLE result
    OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0)
    message(STATUS "localedef failed (${result}): no German locale for the tests")
endif()

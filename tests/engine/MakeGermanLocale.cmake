# Compiles the German and French UTF-8 locales into LOCALE_DIR, so that tests can show that
# numbers are read and written with "." and that the command line's output stays the same
# whatever the user's locale. Where the locale sources are not installed nothing is made and
# the tests that need them say they were skipped.
find_program(LOCALEDEF localedef)
if(NOT LOCALEDEF)
    message(STATUS "localedef not found: no German or French locale for the tests")
    return()
endif()
foreach(locale de_DE fr_FR)
    if(EXISTS "${LOCALE_DIR}/${locale}.UTF-8/LC_NUMERIC")
        continue()
    endif()
    file(MAKE_DIRECTORY "${LOCALE_DIR}")
    execute_process(
        COMMAND "${LOCALEDEF}" -i ${locale} -f UTF-8 "${LOCALE_DIR}/${locale}.UTF-8"
        RESULT_VARIABLE result
        OUTPUT_QUIET ERROR_QUIET)
    if(NOT result EQUAL 0)
        message(STATUS "localedef failed (${result}): no ${locale} locale for the tests")
    endif()
endforeach()

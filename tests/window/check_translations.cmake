# Runs lupdate over a copy of the translations, as `update_translations` does, and fails when it
# warns or leaves a text new, untranslated or no longer in the code.
list(FILTER SOURCES INCLUDE REGEX "\\.(cpp|h)$")  # not the build's generated rule files
file(REMOVE_RECURSE ${WORK_DIR})
file(COPY ${TS_DIR}/ DESTINATION ${WORK_DIR})
file(GLOB copies ${WORK_DIR}/*.ts)
execute_process(COMMAND ${LUPDATE} -locations none ${SOURCES} -ts ${copies}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE failed OUTPUT_QUIET
                ERROR_VARIABLE warnings)
foreach(copy IN LISTS copies)
    file(STRINGS ${copy} stale REGEX "type=\"(unfinished|vanished|obsolete)\"")
    if(failed OR warnings OR stale)
        message(FATAL_ERROR "${copy}: ${failed} ${warnings} ${stale}\n"
                            "Bring it in step: cmake --build build --target update_translations")
    endif()
endforeach()

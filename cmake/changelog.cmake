# The version and the release date have one source, the changelog's latest entry: its heading
# "simple-tallomat (1.00) unstable; urgency=medium" and its trailer line, which ends in a date
# "Mon, 07 Dec 2026 12:00:00 +0000". The package takes its version and its files' times from there
# too. Sets VERSION_VAR to the version, written as shown ("1.00"), and DATE_VAR to the date as
# 2026-12-07; stops the configure on a changelog that it cannot read.
function(read_changelog changelog version_var date_var)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
    file(STRINGS ${changelog} heading LIMIT_COUNT 1)
    if(NOT heading MATCHES "^[a-z0-9.+-]+ \\(([0-9.]+)\\) ")
        message(FATAL_ERROR "${changelog}: no version in its latest entry's heading: ${heading}")
    endif()
    set(version ${CMAKE_MATCH_1})

    file(STRINGS ${changelog} trailer REGEX "^ -- " LIMIT_COUNT 1)
    if(NOT trailer MATCHES ", ([0-9][0-9]) ([A-Za-z]+) ([0-9][0-9][0-9][0-9]) ")
        message(FATAL_ERROR "${changelog}: no date in its latest entry: ${trailer}")
    endif()
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months ${CMAKE_MATCH_2} month_index)
    if(month_index EQUAL -1)
        string(JOIN " " known ${months})
        message(FATAL_ERROR "${changelog}: '${CMAKE_MATCH_2}' in its latest entry's date is not "
                            "a month: write one of ${known}")
    endif()
    math(EXPR month "${month_index} + 1")
    if(month LESS 10)
        set(month 0${month})
    endif()
    set(${version_var} ${version} PARENT_SCOPE)
    set(${date_var} ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()

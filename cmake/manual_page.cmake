# The manual page, made from doc/mailfolder.1.in with the project's version, its date, and as its
# examples the sample store's report and audit exactly as the acceptance suite expects them: one
# source for each.

# A file's text as the body of a literal display: roff takes a line that starts with '.' or "'"
# as a request, a backslash as an escape, and trailing spaces as a mistake.
function(mailfolder_literal_display file variable)
    file(READ ${file} text)
    string(REGEX REPLACE "\n$" "" text "${text}")
    string(REPLACE "\\" "\\e" text "${text}")
    string(PREPEND text "\n")
    string(REPLACE "\n." "\n\\&." text "${text}")
    string(REPLACE "\n'" "\n\\&'" text "${text}")
    string(REGEX REPLACE "( +)\n" "\\1\\\\&\n" text "${text}")
    string(SUBSTRING "${text}" 1 -1 text)
    set(${variable} "${text}" PARENT_SCOPE)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
endfunction()
mailfolder_literal_display(${PROJECT_SOURCE_DIR}/tests/acceptance/cases/sample-store/expected-stdout SAMPLE_REPORT)
mailfolder_literal_display(${PROJECT_SOURCE_DIR}/tests/acceptance/cases/sample-store-check/expected-stdout SAMPLE_AUDIT)

# The date, as reproducible builds want it: SOURCE_DATE_EPOCH when set, else the last commit's
# date, else today (a source tree without its history). string(TIMESTAMP) reads the variable.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE commit_time
            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE git_status)
        if(git_status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
            set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
        endif()
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/.git/HEAD)
endif()
string(TIMESTAMP manual_month "%B" UTC)
string(TIMESTAMP manual_day "%d" UTC)
string(TIMESTAMP manual_year "%Y" UTC)
math(EXPR manual_day "${manual_day}") # no leading zero
set(MANUAL_DATE "${manual_month} ${manual_day}, ${manual_year}")

configure_file(${PROJECT_SOURCE_DIR}/doc/mailfolder.1.in ${PROJECT_BINARY_DIR}/mailfolder.1 @ONLY)
set(MAILFOLDER_MANUAL_PAGE ${PROJECT_BINARY_DIR}/mailfolder.1)

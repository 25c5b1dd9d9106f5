# The manual page, made from doc/mailfolder.1.in with the project's version and, as its example,
# the sample store's report exactly as the acceptance suite expects it: one source for each.
file(READ ${PROJECT_SOURCE_DIR}/tests/acceptance/cases/sample-store/expected-stdout sample_report)
string(REGEX REPLACE "\n$" "" sample_report "${sample_report}")
string(REPLACE "\\" "\\e" sample_report "${sample_report}")
# roff takes a line that starts with '.' or "'" as a request, and trailing spaces as a mistake.
string(PREPEND sample_report "\n")
string(REPLACE "\n." "\n\\&." sample_report "${sample_report}")
string(REPLACE "\n'" "\n\\&'" sample_report "${sample_report}")
string(REGEX REPLACE "( +)\n" "\\1\\\\&\n" sample_report "${sample_report}")
string(SUBSTRING "${sample_report}" 1 -1 SAMPLE_REPORT)
configure_file(${PROJECT_SOURCE_DIR}/doc/mailfolder.1.in ${PROJECT_BINARY_DIR}/mailfolder.1 @ONLY)
set(MAILFOLDER_MANUAL_PAGE ${PROJECT_BINARY_DIR}/mailfolder.1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/tests/acceptance/cases/sample-store/expected-stdout)

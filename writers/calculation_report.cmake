# The calculation report (计算书): the report's text in blocks, written as
# one self-contained HTML file with a to-scale sketch per case, or as
# Markdown. Kept apart from the table, CSV, JSON and XLSX writers so that it
# builds and tests on its own.
add_library(varnolt_report_html STATIC
    ${CMAKE_CURRENT_LIST_DIR}/error_words.cpp
    ${CMAKE_CURRENT_LIST_DIR}/side_failure_words.cpp
    ${CMAKE_CURRENT_LIST_DIR}/formula_numbers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/html_escape.cpp
    ${CMAKE_CURRENT_LIST_DIR}/html_report.cpp
    ${CMAKE_CURRENT_LIST_DIR}/markdown_report.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_adopted.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_basin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_basis.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_blocks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_case.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_check.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_document.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_floods.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_formulas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_numbers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_summary.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_translator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_types.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_words.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sketch_scene.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sketch_svg.cpp
)
target_link_libraries(varnolt_report_html PUBLIC varnolt_design varnolt_core Qt6::Core)
target_compile_definitions(varnolt_report_html PRIVATE QT_NO_CAST_FROM_ASCII)

# The catalogue of every word the companion prints, English sources with
# their Simplified Chinese translations, built into the library as a
# resource (:/i18n/varnolt_zh_CN.qm) so that the program and every test that
# links the writers find it without installed files. The
# update_translations target refreshes the .ts from the sources; without
# locations, so that an edit elsewhere in a file leaves the catalogue alone.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)
file(GLOB varnolt_translated_sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/*.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../report/*.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../design/labels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../design/case_reader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../design/case_fields.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../design/row_scanner.cpp)
qt_add_translations(varnolt_report_html
    TS_FILES ${CMAKE_CURRENT_LIST_DIR}/../i18n/varnolt_zh_CN.ts
    SOURCES ${varnolt_translated_sources}
    LUPDATE_OPTIONS -locations none -no-obsolete)

# Target `docs`: the API reference of the installed headers (TCUTILS_PUBLIC_HEADERS from
# cmake/TcInstall.cmake, without the generated export headers) with Doxygen, as HTML in
# build/docs/html and, when Qt's qhelpgenerator is there, as build/docs/tcutils.qch. The README
# is the main page. Any undocumented public name fails the target. Not part of `all`.
if(NOT TCUTILS_TOP_LEVEL)
    return()
endif()
find_package(Doxygen QUIET)
if(NOT DOXYGEN_FOUND)
    message(STATUS "tcutils: Doxygen not found, no docs target (Debian: doxygen)")
    return()
endif()

get_target_property(tc_qmake_location ${TC_QT}::qmake IMPORTED_LOCATION)
get_filename_component(tc_qt_bin_dir "${tc_qmake_location}" DIRECTORY)
find_program(TC_QHELPGENERATOR NAMES qhelpgenerator-qt${QT_MAJOR_VERSION} qhelpgenerator
    HINTS ${tc_qt_bin_dir} ${tc_qt_bin_dir}/../libexec)
if(TC_QHELPGENERATOR)
    set(TC_DOCS_QHP YES)
else()
    set(TC_DOCS_QHP NO)
    set(TC_QHELPGENERATOR "")
endif()

set(TC_DOCS_DIR ${PROJECT_BINARY_DIR}/docs)
set(tc_docs_headers ${TCUTILS_PUBLIC_HEADERS})
list(FILTER tc_docs_headers EXCLUDE REGEX "_export\\.h$")
set(tc_docs_sources ${tc_docs_headers} ${PROJECT_SOURCE_DIR}/docs/namespaces.dox
    ${PROJECT_SOURCE_DIR}/README.md)
string(REPLACE ";" " \\\n    " TC_DOCS_INPUT "${tc_docs_sources}")
configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${TC_DOCS_DIR}/Doxyfile @ONLY)

add_custom_command(OUTPUT ${TC_DOCS_DIR}/html/index.html
    COMMAND ${CMAKE_COMMAND} -E remove_directory ${TC_DOCS_DIR}/html
    COMMAND Doxygen::doxygen ${TC_DOCS_DIR}/Doxyfile
    DEPENDS ${tc_docs_sources} ${TC_DOCS_DIR}/Doxyfile
    WORKING_DIRECTORY ${TC_DOCS_DIR}
    COMMENT "API reference with Doxygen in ${TC_DOCS_DIR}"
    VERBATIM)
add_custom_target(docs DEPENDS ${TC_DOCS_DIR}/html/index.html)

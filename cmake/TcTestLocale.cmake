# The zh_CN.GBK locale with which tests and fuzzers select GBK as the local code page
# (tests/common/codepageguard.h): compiled once by localedef (Debian: locales) into the build
# tree, never into the system's locale directories, and found there through LOCPATH.
# tc_use_test_locale(<target>) builds it before <target> and tells <target> where it is.
include_guard(GLOBAL)
set(TC_TEST_LOCALE_DIR ${PROJECT_BINARY_DIR}/locale)
find_program(TC_LOCALEDEF localedef)
if(NOT TC_LOCALEDEF)
    message(FATAL_ERROR "localedef not found: install the C library's locale tools (Debian: locales)")
endif()
add_custom_command(OUTPUT ${TC_TEST_LOCALE_DIR}/zh_CN.GBK/LC_CTYPE
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TC_TEST_LOCALE_DIR}
    COMMAND ${TC_LOCALEDEF} -i zh_CN -f GBK ${TC_TEST_LOCALE_DIR}/zh_CN.GBK
    COMMENT "Compiling the zh_CN.GBK locale"
    VERBATIM)
add_custom_target(tc_test_locale DEPENDS ${TC_TEST_LOCALE_DIR}/zh_CN.GBK/LC_CTYPE)

function(tc_use_test_locale target)
    add_dependencies(${target} tc_test_locale)
    target_compile_definitions(${target} PRIVATE TC_TEST_LOCALE_DIR="${PROJECT_BINARY_DIR}/locale")
endfunction()

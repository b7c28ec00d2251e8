# Generates <tc/tcutils_version.h> under ${PROJECT_BINARY_DIR}/include from the project's version.
# TCUTILS_VERSION packs the three parts into 0xMMmmpp, so each must stay below 256.
foreach(part MAJOR MINOR PATCH)
    if("${PROJECT_VERSION_${part}}" STREQUAL "" OR PROJECT_VERSION_${part} GREATER 255)
        message(FATAL_ERROR "tcutils: version part ${part} must be 0 to 255 (${PROJECT_VERSION})")
    endif()
endforeach()
math(EXPR tc_version_number
    "(${PROJECT_VERSION_MAJOR} << 16) | (${PROJECT_VERSION_MINOR} << 8) | ${PROJECT_VERSION_PATCH}"
    OUTPUT_FORMAT HEXADECIMAL)
string(REPLACE "0x" "" tc_version_digits ${tc_version_number})
string(LENGTH ${tc_version_digits} tc_version_length)
while(tc_version_length LESS 6)
    string(PREPEND tc_version_digits 0)
    math(EXPR tc_version_length "${tc_version_length} + 1")
endwhile()
set(TCUTILS_VERSION_HEX 0x${tc_version_digits})
configure_file(${CMAKE_CURRENT_LIST_DIR}/tcutils_version.h.in
    ${PROJECT_BINARY_DIR}/include/tc/tcutils_version.h @ONLY)

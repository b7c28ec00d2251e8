# tc_set_warnings(<target>): the project's warning set, as errors when TCUTILS_WERROR is on.
function(tc_set_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${TCUTILS_WERROR}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
            -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
            -Wnull-dereference -Wimplicit-fallthrough
            # Qt 6 sizes (qsizetype) narrowed into int, which MSVC's /W4 reports as well.
            $<$<CXX_COMPILER_ID:Clang>:-Wshorten-64-to-32>
            $<$<BOOL:${TCUTILS_WERROR}>:-Werror>)
    endif()
endfunction()

# tc_no_undefined(<target>): a shared library with an unresolved symbol fails to link, as it would
# on Windows. Off in sanitizer builds, whose runtime comes with the executable.
function(tc_no_undefined target)
    if(NOT APPLE AND NOT WIN32 AND NOT TCUTILS_SANITIZE)
        target_link_options(${target} PRIVATE -Wl,--no-undefined)
    endif()
endfunction()

# tc_set_warnings(<target>): the project's warning set, as errors when TCUTILS_WERROR is on.
function(tc_set_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${TCUTILS_WERROR}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
            -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
            -Wnull-dereference -Wimplicit-fallthrough
            $<$<BOOL:${TCUTILS_WERROR}>:-Werror>)
    endif()
endfunction()

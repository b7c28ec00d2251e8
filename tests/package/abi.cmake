# The exported ABI of the shared libraries against the committed baseline (tests/package/abi/).
#   MODE=check   abidiff of each library against its baseline; fails on any change, compatible
#                (an added function) or not (a removed function, a field inserted in a record);
#   MODE=update  writes the baselines, to be committed with the change they accept.
# Arguments: BUILD_DIR (a RelWithDebInfo build), WORK_DIR, BASELINE_DIR, ABIDW, ABIDIFF,
# LIBRARIES (name=path|name=path...), SUPPRESSIONS (abi-suppressions.ini: the standard library's
# instantiations, which are not the libraries' ABI). Only the installed headers count as public: the types declared in
# *_p.h or in the .cpp files, and the libraries' own non-exported names, are left out.
cmake_minimum_required(VERSION 3.16)
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    --component devel
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "installing the headers of ${BUILD_DIR} failed")
endif()

string(REPLACE "|" ";" LIBRARIES "${LIBRARIES}")
set(failures 0)
foreach(entry IN LISTS LIBRARIES)
    string(REGEX REPLACE "=.*" "" name "${entry}")
    string(REGEX REPLACE "^[^=]*=" "" library "${entry}")
    set(current ${WORK_DIR}/${name}.abi)
    set(baseline ${BASELINE_DIR}/${name}.abi)
    # Without paths or source locations, so the baseline does not change with the checkout's
    # place or with lines moving in a header.
    execute_process(COMMAND ${ABIDW} --headers-dir ${prefix}/include --drop-private-types
        --suppressions ${SUPPRESSIONS}
        --no-show-locs --no-corpus-path --no-comp-dir-path --type-id-style hash
        --out-file ${current} ${library}
        RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "abidw failed on ${library} (${rc}): ${err}")
    endif()
    if(MODE STREQUAL "update")
        file(COPY ${current} DESTINATION ${BASELINE_DIR})
        message(STATUS "baseline written: ${baseline}")
        continue()
    endif()
    if(NOT EXISTS ${baseline})
        message(FATAL_ERROR "no baseline ${baseline}: write it with the target abi-baseline")
    endif()
    execute_process(COMMAND ${ABIDIFF} --no-show-locs --suppressions ${SUPPRESSIONS}
        ${baseline} ${current}
        RESULT_VARIABLE rc OUTPUT_VARIABLE report ERROR_VARIABLE err)
    # abidiff's status is a bit set: 1 error, 2 usage error, 4 ABI change, 8 incompatible change.
    if(rc EQUAL 0)
        message(STATUS "${name}: ABI as in the baseline")
    elseif(rc EQUAL 4 OR rc EQUAL 12)
        # 4 is any change, additions as well as a record that grew a field; 12 is a change abidiff
        # itself knows to be incompatible (a removed or changed symbol). The README says which is
        # which and what each asks for.
        if(rc EQUAL 12)
            set(kind "INCOMPATIBLE ABI change: needs a new major version (README, ABI)")
        else()
            set(kind "ABI change: compatible only if it adds without changing (README, ABI)")
        endif()
        message(SEND_ERROR "${name}: ${kind}. Accept it by regenerating the baseline in the same "
            "commit: cmake --build <build> --target abi-baseline\n${report}")
        math(EXPR failures "${failures} + 1")
    else()
        message(FATAL_ERROR "abidiff failed on ${name} (${rc}): ${err}${report}")
    endif()
endforeach()
if(failures GREATER 0)
    message(FATAL_ERROR "${failures} of the libraries changed their ABI")
endif()

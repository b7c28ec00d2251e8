# Builds and runs the consumer (consumer/main.cpp) in one of three modes:
#   MODE=install       installs BUILD_DIR into a scratch prefix, checks the tree, then builds the
#                      consumer with find_package (consumer/) and with pkg-config;
#   MODE=prefix        the same against a tree already installed in PREFIX (the Debian packages
#                      unpacked, say), without installing;
#   MODE=subdirectory  builds the consumer in a project that adds the tcutils sources with
#                      add_subdirectory (subdirectory/, SOURCE_DIR).
# Every program built must print the first market and its name and exit 0. PACKAGE names the
# package (tcutils, or tcutils-qt6 for a Qt 6 build, whose QT_MAJOR_VERSION is 6).
cmake_minimum_required(VERSION 3.16)
if(NOT PACKAGE)
    set(PACKAGE tcutils)
endif()
if(NOT QT_MAJOR_VERSION)
    set(QT_MAJOR_VERSION 5)
endif()
file(REMOVE_RECURSE ${WORK_DIR})
set(consumer_dir ${CMAKE_CURRENT_LIST_DIR}/consumer)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
    endif()
    set(last_output "${out}" PARENT_SCOPE)
endfunction()

# run_consumer(<program> [<library dir>]): runs it, with the library dir as LD_LIBRARY_PATH.
function(run_consumer program)
    if(ARGN)
        run(${CMAKE_COMMAND} -E env "LD_LIBRARY_PATH=${ARGN}" ${program})
    else()
        run(${program})
    endif()
    if(NOT last_output MATCHES "SH 上海证券交易所\\(SSE\\)")
        message(FATAL_ERROR "unexpected output of ${program}: ${last_output}")
    endif()
    message(STATUS "${program} ran: ${last_output}")
endfunction()

if(MODE STREQUAL "subdirectory")
    run(${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR}/subdirectory -B ${WORK_DIR}/build
        -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX} -DTCUTILS_SOURCE_DIR=${SOURCE_DIR}
        -DQT_MAJOR_VERSION=${QT_MAJOR_VERSION})
    run(${CMAKE_COMMAND} --build ${WORK_DIR}/build --target consumer)
    run_consumer(${WORK_DIR}/build/consumer)
    return()
endif()

if(MODE STREQUAL "install")
    set(PREFIX ${WORK_DIR}/prefix)
    run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})
elseif(NOT MODE STREQUAL "prefix")
    message(FATAL_ERROR "MODE must be install, prefix or subdirectory")
endif()

# The installed tree: public headers only, no empty folders, the licences.
file(GLOB_RECURSE internal_headers ${PREFIX}/include/*_p.h)
if(internal_headers)
    message(FATAL_ERROR "internal headers installed: ${internal_headers}")
endif()
file(GLOB_RECURSE include_dirs LIST_DIRECTORIES true ${PREFIX}/include/*)
foreach(dir IN LISTS include_dirs)
    file(GLOB entries ${dir}/*)
    if(IS_DIRECTORY ${dir} AND NOT entries)
        message(FATAL_ERROR "empty folder installed: ${dir}")
    endif()
endforeach()
file(GLOB_RECURSE licences ${PREFIX}/share/doc/*/LICENSE ${PREFIX}/share/doc/*/LICENSE-Unicode.txt)
list(LENGTH licences licence_count)
if(NOT licence_count EQUAL 2)
    message(FATAL_ERROR "expected LICENSE and LICENSE-Unicode.txt, found: ${licences}")
endif()
file(GLOB_RECURSE pc_files ${PREFIX}/*/${PACKAGE}.pc)
get_filename_component(pc_dir "${pc_files}" DIRECTORY)
get_filename_component(lib_dir "${pc_dir}" DIRECTORY)

# find_package, asking for the installed major version only.
file(GLOB_RECURSE version_files ${PREFIX}/*/${PACKAGE}ConfigVersion.cmake)
file(STRINGS "${version_files}" version_line REGEX "^set\\(PACKAGE_VERSION \"")
string(REGEX REPLACE "^set\\(PACKAGE_VERSION \"([0-9]+)\\..*" "\\1" major "${version_line}")
if(NOT major MATCHES "^[0-9]+$")
    message(FATAL_ERROR "no version in ${version_files}")
endif()
run(${CMAKE_COMMAND} -S ${consumer_dir} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_PREFIX_PATH=${PREFIX} -DTCUTILS_MAJOR=${major}
    -DTCUTILS_PACKAGE=${PACKAGE})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run_consumer(${WORK_DIR}/build/consumer)

# pkg-config: the package's flags and the Qt flags it requires are all a compiler needs.
find_program(PKG_CONFIG NAMES pkg-config pkgconf REQUIRED)
run(${CMAKE_COMMAND} -E env "PKG_CONFIG_PATH=${pc_dir}" ${PKG_CONFIG} --cflags --libs ${PACKAGE})
string(STRIP "${last_output}" pc_flags)
message(STATUS "pkg-config --cflags --libs ${PACKAGE}: ${pc_flags}")
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
run(${CXX} -std=c++17 ${consumer_dir}/main.cpp ${pc_flags} -o ${WORK_DIR}/consumer-pc)
run_consumer(${WORK_DIR}/consumer-pc ${lib_dir})

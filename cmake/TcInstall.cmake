# Install rules, in two components that the Debian packages follow (cmake/TcPackaging.cmake):
#   runtime  the shared libraries and the licences;
#   devel    headers, the link-time symlinks, the CMake package and the pkg-config files.
include(CMakePackageConfigHelpers)

set(TCUTILS_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/${TCUTILS_PACKAGE})
set(TCUTILS_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

set(tc_install_targets tcutils)
if(NOT TCUTILS_HOST_TARGET)
    list(APPEND tc_install_targets tcutils_host)
endif()
# No INCLUDES DESTINATION: each target already names the include directory of its install
# interface, and naming it twice exports it twice.
install(TARGETS ${tc_install_targets}
    EXPORT tcutilsTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT devel
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT devel
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)

# Public headers only (internal ones are named *_p.h), file by file: installing directories would
# also create the folders that hold no public header (tc/standin/data). The stand-in's own
# headers go only with the stand-in.
file(GLOB_RECURSE tc_public_headers CONFIGURE_DEPENDS
    LIST_DIRECTORIES false RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tc/*.h)
list(FILTER tc_public_headers EXCLUDE REGEX "_p\\.h$")
if(TCUTILS_HOST_TARGET)
    list(FILTER tc_public_headers EXCLUDE REGEX "^tc/standin/")
endif()
set(tc_generated_headers tc/tcutils_export.h tc/tcutils_version.h)
if(NOT TCUTILS_HOST_TARGET)
    list(APPEND tc_generated_headers tc/host/tchost_export.h)
endif()
# Absolute paths of every installed header, for the API reference (cmake/TcDocs.cmake).
set(TCUTILS_PUBLIC_HEADERS)
foreach(header IN LISTS tc_public_headers tc_generated_headers)
    if(header IN_LIST tc_generated_headers)
        set(file ${PROJECT_BINARY_DIR}/include/${header})
    else()
        set(file ${PROJECT_SOURCE_DIR}/${header})
    endif()
    get_filename_component(dir ${header} DIRECTORY)
    install(FILES ${file} DESTINATION ${TCUTILS_INCLUDEDIR}/${dir} COMPONENT devel)
    list(APPEND TCUTILS_PUBLIC_HEADERS ${file})
endforeach()

install(EXPORT tcutilsTargets
    NAMESPACE tcutils::
    DESTINATION ${TCUTILS_CMAKE_DIR}
    COMPONENT devel)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/tcutilsConfig.cmake.in
    ${PROJECT_BINARY_DIR}/${TCUTILS_PACKAGE}Config.cmake
    INSTALL_DESTINATION ${TCUTILS_CMAKE_DIR})
# A client asking for 0.x accepts any later 0.y: the ABI check (tests/package/abi/) keeps
# incompatible changes to major versions.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/${TCUTILS_PACKAGE}ConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/${TCUTILS_PACKAGE}Config.cmake
    ${PROJECT_BINARY_DIR}/${TCUTILS_PACKAGE}ConfigVersion.cmake
    DESTINATION ${TCUTILS_CMAKE_DIR}
    COMPONENT devel)

# pkg-config files for builds without CMake. The prefix is found from the file's own place, so
# an installed tree can move, as the CMake package can.
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
    set(TCUTILS_PC_PREFIX ${CMAKE_INSTALL_PREFIX})
else()
    file(RELATIVE_PATH tc_pc_up /tc-prefix/${TCUTILS_PKGCONFIG_DIR} /tc-prefix)
    string(REGEX REPLACE "/$" "" tc_pc_up "${tc_pc_up}")
    set(TCUTILS_PC_PREFIX "\${pcfiledir}/${tc_pc_up}")
endif()
if(TCUTILS_HOST_TARGET)
    # The real host libraries ship no pkg-config file of ours; clients add them by hand.
    set(TCUTILS_PC_HOST_REQUIRES "")
else()
    set(TCUTILS_PC_HOST_REQUIRES " tcutils-host${TCUTILS_NAME_SUFFIX} = ${PROJECT_VERSION}")
    configure_file(${PROJECT_SOURCE_DIR}/cmake/tcutils-host.pc.in
        ${PROJECT_BINARY_DIR}/pkgconfig/tcutils-host${TCUTILS_NAME_SUFFIX}.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/pkgconfig/tcutils-host${TCUTILS_NAME_SUFFIX}.pc
        DESTINATION ${TCUTILS_PKGCONFIG_DIR} COMPONENT devel)
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/tcutils.pc.in
    ${PROJECT_BINARY_DIR}/pkgconfig/${TCUTILS_PACKAGE}.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/pkgconfig/${TCUTILS_PACKAGE}.pc
    DESTINATION ${TCUTILS_PKGCONFIG_DIR} COMPONENT devel)

# The project's licence; the stand-in installs the Unicode licence of its pinyin table beside it.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${TCUTILS_DOCDIR} COMPONENT runtime)

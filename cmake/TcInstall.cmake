include(CMakePackageConfigHelpers)

set(TCUTILS_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/${TCUTILS_PACKAGE})

set(tc_install_targets tcutils)
if(NOT TCUTILS_HOST_TARGET)
    list(APPEND tc_install_targets tcutils_host)
endif()
install(TARGETS ${tc_install_targets}
    EXPORT tcutilsTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# Public headers only: internal ones are named *_p.h.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/tc/ ${PROJECT_BINARY_DIR}/include/tc/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tc
    FILES_MATCHING PATTERN "*.h" PATTERN "*_p.h" EXCLUDE PATTERN "data" EXCLUDE)

install(EXPORT tcutilsTargets
    NAMESPACE tcutils::
    DESTINATION ${TCUTILS_CMAKE_DIR})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/tcutilsConfig.cmake.in
    ${PROJECT_BINARY_DIR}/${TCUTILS_PACKAGE}Config.cmake
    INSTALL_DESTINATION ${TCUTILS_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/${TCUTILS_PACKAGE}ConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/${TCUTILS_PACKAGE}Config.cmake
    ${PROJECT_BINARY_DIR}/${TCUTILS_PACKAGE}ConfigVersion.cmake
    DESTINATION ${TCUTILS_CMAKE_DIR})

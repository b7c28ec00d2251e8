# Debian packages, one per install component (cmake/TcInstall.cmake), made by `cpack -G DEB` in a
# build configured with CMAKE_INSTALL_PREFIX=/usr (./build.sh deb does both):
#   libtcutils<SOVERSION>  the shared libraries, stripped, with the licences; its Depends come
#                          from dpkg-shlibdeps (Qt, libstdc++, OpenSSL for the stand-in);
#   libtcutils-dev         headers, link symlinks, CMake and pkg-config files; depends on the
#                          runtime package of the same version and on what the CMake package's
#                          find_dependency calls need (Qt 5 Core and Gui, Boost headers).
# tests/package/checkdeb.sh checks both. A Qt 6 build makes libtcutils-qt6-<SOVERSION> and
# libtcutils-qt6-dev, which install beside the Qt 5 ones (the checks cover the Qt 5 packages).
if(NOT TCUTILS_TOP_LEVEL)
    return()
endif()

set(CPACK_PACKAGE_NAME ${TCUTILS_PACKAGE})
set(CPACK_PACKAGE_VENDOR "The tcutils developers")
# The Maintainer field; a distributor sets its own with -DCPACK_PACKAGE_CONTACT=...
if(NOT CPACK_PACKAGE_CONTACT)
    set(CPACK_PACKAGE_CONTACT "The tcutils developers <tcutils@localhost>")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(tc_package_about "instrument records and keys, the market catalogue and rules, chart periods, text forms, CSV and date parsing, pinyin search, files and encryption for the desktop trading and quotation client for the Chinese securities and futures markets")
# The summary is each package's first line (CPack puts it there), these follow it.
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "tcutils: ${tc_package_about}.
This package holds the shared libraries: libtcutils and the stand-in of the client's host libraries.")
set(CPACK_DEBIAN_DEVEL_DESCRIPTION "tcutils: ${tc_package_about}.
This package holds the development files: headers, the CMake package (find_package(${TCUTILS_PACKAGE})) and the pkg-config files (${TCUTILS_PACKAGE}, tcutils-host${TCUTILS_NAME_SUFFIX}).")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL runtime devel)
set(CPACK_COMPONENT_DEVEL_DEPENDS runtime)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
if(TCUTILS_NAME_SUFFIX)
    # A library name ending in a digit takes a dash before the SOVERSION (Debian policy 8.1).
    set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME lib${TCUTILS_PACKAGE}-${TCUTILS_SOVERSION})
else()
    set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libtcutils${TCUTILS_SOVERSION})
endif()
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_DEVEL_PACKAGE_NAME lib${TCUTILS_PACKAGE}-dev)
set(CPACK_DEBIAN_DEVEL_PACKAGE_SECTION libdevel)
if(QT_MAJOR_VERSION STREQUAL "6")
    set(CPACK_DEBIAN_DEVEL_PACKAGE_DEPENDS "qt6-base-dev (>= ${TCUTILS_QT_MINIMUM}), libboost-dev (>= 1.71)")
else()
    set(CPACK_DEBIAN_DEVEL_PACKAGE_DEPENDS "qtbase5-dev (>= ${TCUTILS_QT_MINIMUM}), libboost-dev (>= 1.71)")
endif()

include(CPack)

# tc_add_translations(<target> <ts files...>): compiles each Qt Linguist source to a .qm with
# the lrelease of the Qt in use (Debian: qttools5-dev-tools for Qt 5; qt6-tools-dev and
# qt6-l10n-tools for Qt 6, whose lrelease is not /usr/bin/lrelease) and embeds them in <target> as
# the Qt resource "tcutils_translations", under ":/tcutils/translations/". Call it in the target's
# own directory.
if(QT_MAJOR_VERSION STREQUAL "6")
    find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
    set(TC_LRELEASE Qt6::lrelease)
else()
    get_target_property(tc_rcc_location Qt5::rcc IMPORTED_LOCATION)
    get_filename_component(tc_qt_bin_dir "${tc_rcc_location}" DIRECTORY)
    find_program(TC_LRELEASE NAMES lrelease-qt5 lrelease HINTS ${tc_qt_bin_dir})
    if(NOT TC_LRELEASE)
        message(FATAL_ERROR "lrelease not found: install Qt's Linguist tools (qttools5-dev-tools)")
    endif()
endif()

function(tc_add_translations target)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
    set(qm_files)
    set(entries)
    foreach(ts IN LISTS ARGN)
        get_filename_component(ts ${ts} ABSOLUTE)
        get_filename_component(base ${ts} NAME_WE)
        add_custom_command(OUTPUT ${dir}/${base}.qm
            COMMAND ${TC_LRELEASE} -silent ${ts} -qm ${dir}/${base}.qm
            DEPENDS ${ts}
            COMMENT "Compiling translation ${base}"
            VERBATIM)
        list(APPEND qm_files ${dir}/${base}.qm)
        string(APPEND entries "    <file>${base}.qm</file>\n")
    endforeach()
    file(GENERATE OUTPUT ${dir}/tcutils_translations.qrc CONTENT
        "<RCC>\n<qresource prefix=\"/tcutils/translations\">\n${entries}</qresource>\n</RCC>\n")
    add_custom_command(OUTPUT ${dir}/qrc_tcutils_translations.cpp
        COMMAND ${TC_QT}::rcc --name tcutils_translations
            --output ${dir}/qrc_tcutils_translations.cpp ${dir}/tcutils_translations.qrc
        DEPENDS ${dir}/tcutils_translations.qrc ${qm_files}
        COMMENT "Embedding translations"
        VERBATIM)
    target_sources(${target} PRIVATE ${dir}/qrc_tcutils_translations.cpp)
endfunction()

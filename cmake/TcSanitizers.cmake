# Instruments every target of the build with the sanitizers named in TCUTILS_SANITIZE.
if(TCUTILS_SANITIZE)
    if(MSVC)
        message(FATAL_ERROR "TCUTILS_SANITIZE needs gcc or clang")
    endif()
    add_compile_options(-fsanitize=${TCUTILS_SANITIZE} -fno-omit-frame-pointer
        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=${TCUTILS_SANITIZE})
endif()

# Instruments every target of the build with the sanitizers named in TCUTILS_SANITIZE.
if(TCUTILS_SANITIZE)
    if(MSVC)
        message(FATAL_ERROR "TCUTILS_SANITIZE needs gcc or clang")
    endif()
    add_compile_options(-fsanitize=${TCUTILS_SANITIZE} -fno-omit-frame-pointer
        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=${TCUTILS_SANITIZE})
endif()

# A fuzz build instruments the library for coverage as well, so that libFuzzer is guided by the
# branches of the code under test, not only by those of the fuzz targets.
if(TCUTILS_BUILD_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

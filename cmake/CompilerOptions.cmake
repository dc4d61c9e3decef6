if(TELLVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

function(tellvane_compile_options target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    # GCC 12 at -O2 and above reports impossible overlaps inside std::string's own
    # concatenation (GCC bug 105329); the warning says nothing about our code.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(TELLVANE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

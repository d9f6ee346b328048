# Warnings are errors for the project's own targets.
function(tk_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Werror)
    # g++ 12 misreads std::string concatenation as overlapping copies at -O3 (a known false
    # -Wrestrict); it stays a warning there instead of stopping the build.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-error=restrict)
    endif()
endfunction()

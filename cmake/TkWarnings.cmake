# Warnings for the project's own targets. They become errors only where the project's own checks
# ask for it (`make test` and CI configure with -DTK_WERROR=ON): a plain or packager's build with
# another compiler or other flags must not stop on a new warning.
option(TK_WERROR "Treat warnings as errors in the project's own targets" OFF)

function(tk_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow)
    if(TK_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    # g++ 12 misreads std::string concatenation as overlapping copies, and std::vector::insert as
    # out-of-bounds, at -O3 (known false -Wrestrict and -Warray-bounds); they stay warnings there.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-error=restrict -Wno-error=array-bounds)
    endif()
endfunction()

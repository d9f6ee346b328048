# Warnings are errors for the project's own targets.
function(tk_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# Every target of the project compiles with warnings as errors.
function(quillmark_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Werror
    -Wshadow -Wnon-virtual-dtor -Wcast-align -Wunused -Woverloaded-virtual
    -Wimplicit-fallthrough)
endfunction()

# Warnings are errors on every target of the project.
function(tavrel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                         -Wold-style-cast -Wcast-align -Woverloaded-virtual -Werror
                         # g++ 12 reports false overlaps inside std::string at -O2 (GCC bug 105329).
                         -Wno-restrict)
endfunction()

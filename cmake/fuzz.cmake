# Settings of the fuzz build (PAVONET_FUZZ): libFuzzer comes with clang only.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "PAVONET_FUZZ needs clang; use the fuzz preset")
endif()

# The core is instrumented for coverage and checked by ASan and UBSan; any
# finding aborts, so libFuzzer reports it and keeps the input.
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

# Clang 14 encodes narrow literals in UTF-8 only. The targets never compare
# the program's texts with fixed bytes, so the core keeps UTF-8 here.
function(pavonet_shift_jis target)
endfunction()

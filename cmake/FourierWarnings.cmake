# Warnings for every target of ours, shared by the main build and the fuzz build; a
# function so third-party code is left alone.
option(FOURIER_WERROR "Treat warnings in our own code as errors" OFF)

function(fourier_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(FOURIER_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Warnings for every target of ours, shared by the main build and the fuzz build; a
# function so third-party code is left alone.
option(FOURIER_WERROR "Treat warnings in our own code as errors" OFF)

function(fourier_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(FOURIER_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Qt's widget headers take most of the time of compiling a window's file: the targets on
# Qt precompile them once per target.
function(fourier_qt_headers target)
  target_precompile_headers(${target} PRIVATE <QWidget> <QString> <QObject> <functional> <string> <vector>)
endfunction()

# The lab's panes that stand on their own: sound and the user's own function (keeping
# pictures and data is picture_keeping, which the main window uses too). Included by the
# lab's CMakeLists; the lab links lab_panes.
find_package(Qt6 REQUIRED COMPONENTS Multimedia Concurrent)
add_library(lab_panes STATIC)
target_sources(lab_panes PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SoundWorker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundOutput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundPane.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormulaPane.cpp
)
target_include_directories(lab_panes PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(lab_panes PUBLIC analysis synthesis soundfile picture_keeping Qt6::Widgets
                      PRIVATE Qt6::Multimedia Qt6::Concurrent)
fourier_warnings(lab_panes)

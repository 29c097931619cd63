# The lab's panes that stand on their own: sound, the user's own function, and keeping
# pictures and data. Included by the lab's CMakeLists; the lab links lab_panes.
find_package(Qt6 REQUIRED COMPONENTS Multimedia Concurrent)
add_library(lab_panes STATIC)
target_sources(lab_panes PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SoundWorker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundOutput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundPane.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormulaPane.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureExport.cpp
)
target_include_directories(lab_panes PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(lab_panes PUBLIC analysis synthesis soundfile Qt6::Widgets
                      PRIVATE Qt6::Multimedia Qt6::Concurrent)
fourier_warnings(lab_panes)

# Portable computations of the window layer (animation steps, window chrome,
# drop-shadow pixels, timer identifiers); built for every target so that
# their tests also run on the host. On Windows the library also turns the
# planned shapes into GDI regions.
add_library(yd_window_logic STATIC
  ${CMAKE_CURRENT_LIST_DIR}/animation_steps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/animation_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_chrome.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shadow_bitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shadow_state.cpp
)
target_link_libraries(yd_window_logic PUBLIC zephyra_options)
if(WIN32)
  target_sources(yd_window_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/window_region_win32.cpp)
  target_link_libraries(yd_window_logic PUBLIC gdi32 user32)
endif()

# Attribute value syntaxes of the skin (numbers, colours, booleans, keyword
# lists, attribute lists), used by the skin builder and the controls.
add_library(yd_skin_values STATIC ${CMAKE_CURRENT_LIST_DIR}/attribute_values.cpp)
target_link_libraries(yd_skin_values PUBLIC zephyra_options)

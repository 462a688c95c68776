# Native windows of the framework. yd_ui_window: the window wrapper and the
# drop-shadow window. yd_ui_window_base: the skinned window base, which
# embeds the paint manager.
add_library(yd_ui_window STATIC
  ${CMAKE_CURRENT_LIST_DIR}/window_wnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_shadow.cpp)
target_link_libraries(yd_ui_window PUBLIC zephyra_options yd_ui_render yd_window_logic
  user32 gdi32)

add_library(yd_ui_window_base STATIC ${CMAKE_CURRENT_LIST_DIR}/window_impl_base.cpp)
target_link_libraries(yd_ui_window_base PUBLIC yd_ui_window yd_ui_render)

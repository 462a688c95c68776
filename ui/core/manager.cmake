# The paint manager (messages, painting, focus, timers, notifications) and
# the animation manager. They live in yd_ui_render, next to the drawing
# primitives they paint with; the control base (ui/controls) is added to the
# same library because the manager and the controls call each other.
target_sources(yd_ui_render PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/animation_manager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paint_manager_loop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paint_manager_messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paint_manager_paint.cpp)
target_link_libraries(yd_ui_render PUBLIC yd_window_logic yd_skin_values yd_control_logic comctl32)

# Containers, the linear and grid layouts, the scroll bar and the control
# factory registry (element name -> control class) the skin builder uses.
# Included by ui/core/builder.cmake (Windows builds only).
add_library(yd_ui_controls STATIC
  ${CMAKE_CURRENT_LIST_DIR}/container.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scrollbar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_factory.cpp)
target_link_libraries(yd_ui_controls PUBLIC yd_ui_render yd_layout_logic zephyra_options)

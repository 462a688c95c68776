# Slider, tab control and tab item, list and list element (Windows code):
# yd_ui_other_controls_m1, registered by RegisterOtherControlsM1().
if(WIN32)
  add_library(yd_ui_other_controls_m1 STATIC
    ${CMAKE_CURRENT_LIST_DIR}/slide_geometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/slide.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tab_ctrl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tab_item.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list_element.cpp
    ${CMAKE_CURRENT_LIST_DIR}/other_controls_m1.cpp)
  target_link_libraries(yd_ui_other_controls_m1 PUBLIC yd_ui_basic_controls yd_ui_controls yd_ui_render
                        zephyra_options gdi32 user32)
endif()

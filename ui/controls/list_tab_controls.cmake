# Slider, tab control and tab item, list and list element with their
# drag-and-drop objects (Windows code):
# yd_ui_list_tab_controls, registered by RegisterListAndTabControls().
if(WIN32)
  add_library(yd_ui_list_tab_controls STATIC
    ${CMAKE_CURRENT_LIST_DIR}/slide_geometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/slide.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tab_ctrl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tab_item.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tab_swap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list_element.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list_tree.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list_drag.cpp
    ${CMAKE_CURRENT_LIST_DIR}/data_object.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drop_source.cpp
    ${CMAKE_CURRENT_LIST_DIR}/enum_format_etc.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list_tab_controls.cpp)
  target_link_libraries(yd_ui_list_tab_controls PUBLIC yd_ui_basic_controls yd_ui_controls yd_ui_render
                        zephyra_options gdi32 user32 ole32 uuid)
endif()

# The edit family (Edit with its native edit window, SpinEdit, HotKeyEdit,
# ExtendEdit), the picture controls (Picture, PicExtendCtrl with its parts)
# and the native window hosts (DrawWnd, PlaceHolder). Their portable
# decisions are in yd_edit_picture_logic, tested on the host too.
add_library(yd_edit_picture_logic STATIC ${CMAKE_CURRENT_LIST_DIR}/edit_picture_logic.cpp)
target_link_libraries(yd_edit_picture_logic PUBLIC zephyra_options)

if(WIN32)
  add_library(yd_ui_edit_picture_controls STATIC
    ${CMAKE_CURRENT_LIST_DIR}/edit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edit_wnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/spin_edit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hot_key_edit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/extend_edit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pic_extend_ctrl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pic_extend_parts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/draw_wnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_placeholder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wnd_control.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edit_picture_controls.cpp)
  target_link_libraries(yd_ui_edit_picture_controls PUBLIC yd_edit_picture_logic yd_ui_basic_controls yd_rich_edit yd_ui_window_base yd_ui_builder
                        yd_ui_controls yd_ui_render zephyra_options msimg32 gdi32 user32)
endif()

# Drop-down (combo, its entries, spacer, buddy and drop box window), banner,
# advert, and menu (menu, menu element, popup menu window): Windows code in
# yd_ui_popup_controls. Their portable decisions (keyboard stepping through
# a popup list, accelerator letters, the drop box rectangle and arrangement)
# are in yd_popup_logic, tested on the host too.
add_library(yd_popup_logic STATIC
  ${CMAKE_CURRENT_LIST_DIR}/menu_navigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/combo_box_layout.cpp)
target_link_libraries(yd_popup_logic PUBLIC zephyra_options)

if(WIN32)
  add_library(yd_ui_popup_controls STATIC
    ${CMAKE_CURRENT_LIST_DIR}/combo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/combo_parts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/combo_wnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/banner.cpp
    ${CMAKE_CURRENT_LIST_DIR}/advert.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu_wnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/popup_controls.cpp)
  target_link_libraries(yd_ui_popup_controls PUBLIC yd_popup_logic yd_ui_basic_controls yd_ui_controls
                        yd_ui_window_base yd_ui_render zephyra_options gdi32 user32)
endif()

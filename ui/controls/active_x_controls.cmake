# The ActiveX host ("ActiveX") with its site, frame, enumerator and host
# window, and the web browser control ("WebBrowser"). Windows only: they
# host COM objects in place.
if(WIN32)
  add_library(yd_ui_activex_controls STATIC
    ${CMAKE_CURRENT_LIST_DIR}/active_x.cpp
    ${CMAKE_CURRENT_LIST_DIR}/active_x_ctrl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/active_x_frame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/active_x_logic.cpp
    ${CMAKE_CURRENT_LIST_DIR}/active_x_wnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/web_browser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/active_x_controls.cpp)
  target_link_libraries(yd_ui_activex_controls PUBLIC yd_ui_window yd_ui_controls yd_ui_render yd_rich_edit_logic zephyra_options
                        ole32 oleaut32 uuid user32 gdi32)
endif()

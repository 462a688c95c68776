# Label, button, option, progress and circle progress. The decisions are
# portable (yd_basic_control_logic, tested on the host too); the classes are
# Windows code in yd_ui_basic_controls.
add_library(yd_basic_control_logic STATIC ${CMAKE_CURRENT_LIST_DIR}/basic_control_logic.cpp)
target_link_libraries(yd_basic_control_logic PUBLIC zephyra_options)

if(WIN32)
  add_library(yd_ui_basic_controls STATIC
    ${CMAKE_CURRENT_LIST_DIR}/label.cpp
    ${CMAKE_CURRENT_LIST_DIR}/button.cpp
    ${CMAKE_CURRENT_LIST_DIR}/option.cpp
    ${CMAKE_CURRENT_LIST_DIR}/progress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/circle_progress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/basic_controls.cpp)
  target_link_libraries(yd_ui_basic_controls PUBLIC yd_basic_control_logic yd_control_logic yd_ui_controls yd_ui_render
                        zephyra_options msimg32 gdi32 user32)
endif()

# The rich edit and its text host (Windows only: they sit on the system's
# windowless text services), plus their portable decisions.
add_library(yd_rich_edit_logic STATIC ${CMAKE_CURRENT_LIST_DIR}/rich_edit_logic.cpp)
target_link_libraries(yd_rich_edit_logic PUBLIC yd_skin_values zephyra_options)

if(WIN32)
  add_library(yd_rich_edit STATIC
    ${CMAKE_CURRENT_LIST_DIR}/text_services.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_host.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rich_edit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rich_edit_paint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rich_edit_filter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rich_edit_register.cpp)
  target_link_libraries(yd_rich_edit PUBLIC yd_rich_edit_logic yd_ui_controls yd_ui_render ole32 uuid)
endif()

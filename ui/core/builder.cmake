# The XML skin builder (YdXmlParse) and its ISkinBuilder for the window base,
# and the controls it creates first: containers, layouts and the scroll bar
# (ui/controls/containers.cmake, included from here so that the controls'
# own CMakeLists.txt stays untouched while its other files are being added).
if(NOT WIN32)
  return()
endif()
include(${CMAKE_CURRENT_LIST_DIR}/../controls/containers.cmake)
if(NOT TARGET yd_skin_model)
  return()
endif()
add_library(yd_ui_builder STATIC
  ${CMAKE_CURRENT_LIST_DIR}/xml_parse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_builder.cpp)
target_link_libraries(yd_ui_builder PUBLIC yd_ui_controls yd_skin_model yd_ui_window_base zephyra_options)

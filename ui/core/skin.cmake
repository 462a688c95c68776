# The skin read into plain data (TinyXML parsing, decoding with the code page
# the XML declaration names, window selection, fonts, defaults, window
# attributes, the element table, the search by id); portable, so that its
# tests also run on the host.
if(TARGET tinyxml)
  add_library(yd_skin_model STATIC
    ${CMAKE_CURRENT_LIST_DIR}/skin_encoding.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skin_document.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skin_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/element_table.cpp
  )
  if(WIN32)
    target_sources(yd_skin_model PRIVATE ${CMAKE_CURRENT_LIST_DIR}/code_page_win32.cpp
                                         ${CMAKE_CURRENT_LIST_DIR}/skin_resource_win32.cpp)
  else()
    target_sources(yd_skin_model PRIVATE ${CMAKE_CURRENT_LIST_DIR}/code_page_posix.cpp)
  endif()
  target_link_libraries(yd_skin_model PUBLIC yd_skin_values yd_common tinyxml zephyra_options)
endif()

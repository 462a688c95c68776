# Images, the resource cache, fonts, the render engine and text drawing.
add_library(yd_ui_render STATIC
  ${CMAKE_CURRENT_LIST_DIR}/alpha_surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bitmap_parts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/decoded_image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gost_cipher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_decoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_descriptor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_effects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/markup_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paint_manager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resource_cache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/round_clip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stb_image_impl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_render.cpp)
target_link_libraries(yd_ui_render PUBLIC zephyra_options stb_image gdi32 msimg32 user32)

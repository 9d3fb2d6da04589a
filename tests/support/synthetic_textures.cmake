# A texture store of plain two-coloured pictures for the preview's render tests.
if(TARGET kurvex_rom)
  add_library(kurvex_test_textures STATIC ${CMAKE_CURRENT_LIST_DIR}/synthetic_textures.cpp)
  target_include_directories(kurvex_test_textures PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(kurvex_test_textures PUBLIC kurvex_rom)
endif()

# MIO0, the texture store, its dump file, the ROM texture reader and the PNG export.
add_executable(texture_tests
  ${CMAKE_CURRENT_LIST_DIR}/mio0_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/png_writer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texture_convert_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texture_dump_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texture_loader_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texture_store_test.cpp
)
target_link_libraries(texture_tests PRIVATE kurvex_rom kurvex_test_texture_rom kurvex_test_mio0
                      GTest::gtest_main)
gtest_discover_tests(texture_tests DISCOVERY_TIMEOUT 30)

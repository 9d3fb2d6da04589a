# Image access, tables, course records, header checksum and the patch job.
add_executable(rom_tests
  ${CMAKE_CURRENT_LIST_DIR}/rom_image_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rom_tables_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/course_record_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/header_checksum_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rom_patch_test.cpp
)
target_link_libraries(rom_tests PRIVATE kurvex_rom kurvex_test_rom GTest::gtest_main)
gtest_discover_tests(rom_tests DISCOVERY_TIMEOUT 30)

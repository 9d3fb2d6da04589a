add_executable(preview_state_tests
  ${CMAKE_CURRENT_LIST_DIR}/camera_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_file_test.cpp
)
target_link_libraries(preview_state_tests PRIVATE kurvex_preview GTest::gtest_main)
gtest_discover_tests(preview_state_tests DISCOVERY_TIMEOUT 30)

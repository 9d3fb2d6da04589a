add_executable(course_properties_tests
  ${CMAKE_CURRENT_LIST_DIR}/course_stats_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_text_field_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/property_lists_test.cpp
)
target_link_libraries(course_properties_tests PRIVATE kurvex_editing GTest::gtest_main)
gtest_discover_tests(course_properties_tests DISCOVERY_TIMEOUT 30)

add_executable(editing_tests
  ${CMAKE_CURRENT_LIST_DIR}/course_document_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/course_document_properties_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/course_transforms_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/friendly_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/point_edits_test.cpp
)
target_include_directories(editing_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(editing_tests PRIVATE kurvex_editing GTest::gtest_main)
gtest_discover_tests(editing_tests DISCOVERY_TIMEOUT 30)

# kurvex-cli stats, friendly and transform, run as a program.
add_executable(editing_cli_tests ${CMAKE_CURRENT_LIST_DIR}/editing_cli_test.cpp)
target_link_libraries(editing_cli_tests PRIVATE kurvex_editing kurvex_test_process
                      GTest::gtest_main)
target_compile_definitions(editing_cli_tests PRIVATE KURVEX_CLI="$<TARGET_FILE:kurvex-cli>")
add_dependencies(editing_cli_tests kurvex-cli)
gtest_discover_tests(editing_cli_tests DISCOVERY_TIMEOUT 30)

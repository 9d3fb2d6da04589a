# kurvex-cli render, run as a program on a headless GL context.
if(TARGET kurvex_test_textures)
  add_executable(render_cli_tests ${CMAKE_CURRENT_LIST_DIR}/render_cli_test.cpp)
  target_link_libraries(render_cli_tests PRIVATE kurvex_preview kurvex_test_textures
                        kurvex_test_process GTest::gtest_main)
  target_compile_definitions(render_cli_tests PRIVATE KURVEX_CLI="$<TARGET_FILE:kurvex-cli>")
  add_dependencies(render_cli_tests kurvex-cli)
  gtest_discover_tests(render_cli_tests DISCOVERY_TIMEOUT 30)
endif()

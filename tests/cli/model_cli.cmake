# kurvex-cli export-obj, run as a program; the files read back as an importer would.
if(TARGET kurvex_test_textures)
  add_executable(model_cli_tests ${CMAKE_CURRENT_LIST_DIR}/model_cli_test.cpp)
  target_link_libraries(model_cli_tests PRIVATE kurvex_preview kurvex_test_textures
                        kurvex_test_obj kurvex_test_process GTest::gtest_main)
  target_compile_definitions(model_cli_tests PRIVATE KURVEX_CLI="$<TARGET_FILE:kurvex-cli>")
  add_dependencies(model_cli_tests kurvex-cli)
  gtest_discover_tests(model_cli_tests DISCOVERY_TIMEOUT 30)
endif()

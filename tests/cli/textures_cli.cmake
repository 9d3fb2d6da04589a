# kurvex-cli textures, run as a program on synthetic images and dumps.
add_executable(textures_cli_tests ${CMAKE_CURRENT_LIST_DIR}/textures_cli_test.cpp)
target_link_libraries(textures_cli_tests PRIVATE kurvex_rom kurvex_test_texture_rom
                      kurvex_test_process GTest::gtest_main)
target_compile_definitions(textures_cli_tests PRIVATE KURVEX_CLI="$<TARGET_FILE:kurvex-cli>")
add_dependencies(textures_cli_tests kurvex-cli)
gtest_discover_tests(textures_cli_tests DISCOVERY_TIMEOUT 30)

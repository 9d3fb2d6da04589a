# kurvex-cli's ROM commands and ROMPATH@SLOT arguments, run as a program.
add_executable(rom_cli_tests ${CMAKE_CURRENT_LIST_DIR}/rom_cli_test.cpp)
target_link_libraries(rom_cli_tests PRIVATE kurvex_rom kurvex_test_rom kurvex_test_process
                      GTest::gtest_main)
target_compile_definitions(rom_cli_tests PRIVATE KURVEX_CLI="$<TARGET_FILE:kurvex-cli>")
add_dependencies(rom_cli_tests kurvex-cli)
gtest_discover_tests(rom_cli_tests DISCOVERY_TIMEOUT 30)

# Identifying an image, decoding every slot, and the full 24-slot patch with checksum.
add_executable(rom_bench ${CMAKE_CURRENT_LIST_DIR}/rom_bench.cpp)
target_link_libraries(rom_bench PRIVATE kurvex_rom kurvex_test_rom benchmark::benchmark_main)

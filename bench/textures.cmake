# MIO0 throughput and loading the whole texture store from an image.
add_executable(texture_bench ${CMAKE_CURRENT_LIST_DIR}/texture_bench.cpp)
target_link_libraries(texture_bench PRIVATE kurvex_rom kurvex_test_texture_rom kurvex_test_mio0
                      benchmark::benchmark_main)

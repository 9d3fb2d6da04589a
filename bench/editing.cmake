add_executable(editing_bench ${CMAKE_CURRENT_LIST_DIR}/editing_bench.cpp)
target_link_libraries(editing_bench PRIVATE kurvex_editing benchmark::benchmark)

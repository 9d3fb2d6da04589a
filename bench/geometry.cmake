# Course preparation and list building, the work every edit of the course does.
if(TARGET kurvex_geometry AND TARGET kurvex_test_draw)
  add_executable(geometry_bench ${CMAKE_CURRENT_LIST_DIR}/geometry_bench.cpp)
  target_link_libraries(geometry_bench PRIVATE kurvex_geometry kurvex_test_draw
                        benchmark::benchmark)
endif()

# Compiling every list of a full course and drawing 1280x720 frames of it on real GL.
if(TARGET kurvex_preview AND TARGET kurvex_test_draw AND TARGET kurvex_test_textures)
  add_executable(render_bench ${CMAKE_CURRENT_LIST_DIR}/render_bench.cpp)
  target_link_libraries(render_bench PRIVATE kurvex_preview kurvex_test_draw kurvex_test_textures
                        benchmark::benchmark_main)
endif()

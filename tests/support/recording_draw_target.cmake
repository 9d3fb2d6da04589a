# A recording DrawTarget and the test courses for the geometry tests and benchmarks.
if(TARGET kurvex_geometry)
  add_library(kurvex_test_draw STATIC ${CMAKE_CURRENT_LIST_DIR}/recording_draw_target.cpp
              ${CMAKE_CURRENT_LIST_DIR}/geometry_courses.cpp)
  target_include_directories(kurvex_test_draw PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(kurvex_test_draw PUBLIC kurvex_geometry)
endif()

add_library(kurvex_test_process STATIC ${CMAKE_CURRENT_LIST_DIR}/process_runner.cpp)
target_include_directories(kurvex_test_process PUBLIC ${CMAKE_CURRENT_LIST_DIR})

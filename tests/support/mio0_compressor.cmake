add_library(kurvex_test_mio0 STATIC ${CMAKE_CURRENT_LIST_DIR}/mio0_compressor.cpp)
target_include_directories(kurvex_test_mio0 PUBLIC ${CMAKE_CURRENT_LIST_DIR})

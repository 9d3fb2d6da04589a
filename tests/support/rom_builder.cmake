add_library(kurvex_test_rom STATIC ${CMAKE_CURRENT_LIST_DIR}/rom_builder.cpp)
target_include_directories(kurvex_test_rom PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(kurvex_test_rom PUBLIC kurvex_course)

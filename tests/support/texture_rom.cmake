add_library(kurvex_test_texture_rom STATIC ${CMAKE_CURRENT_LIST_DIR} / texture_rom.cpp)
    target_include_directories(kurvex_test_texture_rom PUBLIC ${CMAKE_CURRENT_LIST_DIR})
        target_link_libraries(kurvex_test_texture_rom PUBLIC kurvex_test_mio0 kurvex_rom)

set(kurvex_mio0_fuzz_sources ${PROJECT_SOURCE_DIR}/src/rom/mio0.cpp)
set(kurvex_tex_dump_fuzz_sources
    ${PROJECT_SOURCE_DIR}/src/rom/texture_dump.cpp ${PROJECT_SOURCE_DIR}/src/rom/texture_store.cpp)
kurvex_add_fuzzer(fuzz_mio0 ${CMAKE_CURRENT_LIST_DIR}/fuzz_mio0.cpp ${kurvex_mio0_fuzz_sources})
kurvex_add_fuzzer(fuzz_tex_dump ${CMAKE_CURRENT_LIST_DIR}/fuzz_tex_dump.cpp
                  ${kurvex_tex_dump_fuzz_sources} ${KURVEX_COURSE_SOURCES})

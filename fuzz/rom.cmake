# The ROM table reader and packer, and DecodeCourse on random course records.
set(kurvex_rom_table_fuzz_sources ${PROJECT_SOURCE_DIR}/src/rom/table_codec.cpp)
set(kurvex_rom_course_fuzz_sources
    ${PROJECT_SOURCE_DIR}/src/rom/course_record.cpp ${PROJECT_SOURCE_DIR}/src/rom/rom_image.cpp
    ${PROJECT_SOURCE_DIR}/src/rom/rom_layout.cpp ${PROJECT_SOURCE_DIR}/src/rom/rom_tables.cpp
    ${PROJECT_SOURCE_DIR}/src/rom/table_codec.cpp)
kurvex_add_fuzzer(fuzz_rom_tables ${CMAKE_CURRENT_LIST_DIR}/fuzz_rom_tables.cpp
                  ${kurvex_rom_table_fuzz_sources} ${KURVEX_COURSE_SOURCES})
kurvex_add_fuzzer(fuzz_rom_course ${CMAKE_CURRENT_LIST_DIR}/fuzz_rom_course.cpp
                  ${kurvex_rom_course_fuzz_sources} ${KURVEX_COURSE_SOURCES})

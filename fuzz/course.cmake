kurvex_add_fuzzer(fuzz_kurv_reader ${CMAKE_CURRENT_LIST_DIR}/fuzz_kurv_reader.cpp
                  ${KURVEX_COURSE_SOURCES})
kurvex_add_fuzzer(fuzz_sheet_reader ${CMAKE_CURRENT_LIST_DIR}/fuzz_sheet_reader.cpp
                  ${KURVEX_COURSE_SOURCES})

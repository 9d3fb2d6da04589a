# Course preparation and every builder on courses straight from random bytes: coordinates of
# any float value, unchecked widths, banking, track codes and features.
kurvex_add_fuzzer(fuzz_course_geometry ${CMAKE_CURRENT_LIST_DIR}/fuzz_course_geometry.cpp
                  ${KURVEX_GEOMETRY_SOURCES} ${KURVEX_COURSE_SOURCES})

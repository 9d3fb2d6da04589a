# One way to add a test program, so every test is built, registered and run the same way.
#
# kurvex_add_test(NAME SOURCES file... [LIBRARIES lib...] [RUNS_CLI])
#   A GoogleTest program; each of its tests becomes a ctest entry. RUNS_CLI passes the path of
#   kurvex-cli as KURVEX_CLI and builds the program first.
function(kurvex_add_test name)
  cmake_parse_arguments(ARG "RUNS_CLI" "" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT ARG_SOURCES)
    message(FATAL_ERROR "kurvex_add_test(${name}) lists no SOURCES")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  if(ARG_RUNS_CLI)
    target_compile_definitions(${name} PRIVATE KURVEX_CLI="$<TARGET_FILE:kurvex-cli>")
    add_dependencies(${name} kurvex-cli)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
endfunction()

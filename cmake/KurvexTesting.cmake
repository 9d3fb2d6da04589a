# One way to add a test program, so every test is built, registered and run the same way.
#
# kurvex_add_test(NAME SOURCES file... [LIBRARIES lib...] [RUNS_CLI])
#   A GoogleTest program; each of its tests becomes a ctest entry. RUNS_CLI passes the path of
#   kurvex-cli as KURVEX_CLI (and whether it draws as KURVEX_CLI_RENDERS) and builds the program
#   first.
function(kurvex_add_test name)
  cmake_parse_arguments(ARG "RUNS_CLI" "" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT ARG_SOURCES)
    message(FATAL_ERROR "kurvex_add_test(${name}) lists no SOURCES")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  if(ARG_RUNS_CLI)
    # KURVEX_CLI_RENDERS: whether this build's kurvex-cli draws (render needs GL).
    target_compile_definitions(${name} PRIVATE KURVEX_CLI="$<TARGET_FILE:kurvex-cli>"
                               KURVEX_CLI_RENDERS=$<BOOL:${KURVEX_BUILD_GL}>)
    add_dependencies(${name} kurvex-cli)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
endfunction()

# kurvex_add_qt_test(NAME SOURCES file... [LIBRARIES lib...] [DISPLAY offscreen|xvfb])
#   A QtTest program of the windows, one ctest entry. offscreen (the default) needs no display
#   and no GL; xvfb runs it on a virtual X server with Mesa's GL, for the preview.
function(kurvex_add_qt_test name)
  cmake_parse_arguments(ARG "" "DISPLAY" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT ARG_SOURCES)
    message(FATAL_ERROR "kurvex_add_qt_test(${name}) lists no SOURCES")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} Qt6::Test)
  if(ARG_DISPLAY STREQUAL "xvfb")
    find_program(XVFB_RUN xvfb-run REQUIRED)
    add_test(NAME ${name} COMMAND ${XVFB_RUN} -a -s "-screen 0 1600x1000x24"
                                  $<TARGET_FILE:${name}>)
    # One virtual X server at a time: xvfb-run's choice of a free display is not race-free.
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK xvfb)
  else()
    add_test(NAME ${name} COMMAND $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
  set_tests_properties(${name} PROPERTIES LABELS windows TIMEOUT 300)
  if(KURVEX_SANITIZE)
    # Qt's platform plugins, D-Bus and Mesa keep memory to the end on purpose; leaks are looked
    # for everywhere else.
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
  endif()
endfunction()

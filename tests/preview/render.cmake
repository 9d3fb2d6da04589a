# The drawing layer, the frame, texture upload and the facing of the track on real GL: a
# headless context (EGL, Mesa surfaceless, llvmpipe without a GPU). No context is a failure.
add_executable(preview_render_tests
  ${CMAKE_CURRENT_LIST_DIR}/gl_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/comet_gl_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texture_upload_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_pixels_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/facing_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_clock_test.cpp
)
find_package(OpenGL REQUIRED COMPONENTS OpenGL)
target_link_libraries(preview_render_tests PRIVATE kurvex_preview kurvex_test_draw
                      kurvex_test_textures OpenGL::OpenGL GTest::gtest_main)
gtest_discover_tests(preview_render_tests DISCOVERY_TIMEOUT 30)

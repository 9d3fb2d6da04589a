# The course model export: a mesh of the frame's drawing written as OBJ, MTL and PNG files. No GL.
add_executable(model_export_tests ${CMAKE_CURRENT_LIST_DIR}/model_export_test.cpp)
target_link_libraries(model_export_tests PRIVATE kurvex_preview kurvex_test_draw
                      kurvex_test_textures kurvex_test_obj GTest::gtest_main)
gtest_discover_tests(model_export_tests DISCOVERY_TIMEOUT 30)

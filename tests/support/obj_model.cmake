#An OBJ model reader that checks what importers rely on, for the model export tests.
add_library(kurvex_test_obj STATIC ${CMAKE_CURRENT_LIST_DIR} / obj_model.cpp)
    target_include_directories(kurvex_test_obj PUBLIC ${CMAKE_CURRENT_LIST_DIR})

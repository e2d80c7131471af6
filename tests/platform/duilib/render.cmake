# The painting tests read pixels back from cairo surfaces and check the image-description
# helpers through their own header.
pkg_check_modules(RENDER_TEST_CAIRO REQUIRED IMPORTED_TARGET cairo)
target_include_directories(duilib_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../../../platform/duilib/src/Core)
target_link_libraries(duilib_tests PRIVATE PkgConfig::RENDER_TEST_CAIRO)

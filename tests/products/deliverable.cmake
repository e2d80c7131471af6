# quellix_add_deliverable_tests(<test program> <product folder> <resource script name> <start page>
#                               <other product folder> <other resource script name>)
# A test program built as the product is: its values, its resources and skin archive, and the
# launcher's libraries, driven over the headless desktop and the scripted engine.
pkg_check_modules(DELIVERABLE_TEST_DEPS REQUIRED IMPORTED_TARGET cairo pugixml)

function(quellix_add_deliverable_tests name product script start_page other other_script)
  add_executable(${name}
    deliverable_resources_test.cpp
    deliverable_launcher_test.cpp
    ${product}_deliverable.cpp
    ${PROJECT_SOURCE_DIR}/tests/windows/launcher_fixture.cpp
    ${PROJECT_SOURCE_DIR}/products/${product}/product_values.cpp)
  target_compile_definitions(${name} PRIVATE
    QUELLIX_START_PAGE="${start_page}"
    QUELLIX_EXPECTED_START_PAGE="${start_page}"
    QUELLIX_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    QUELLIX_PRODUCT_EXECUTABLE="$<TARGET_FILE:${script}>"
    QUELLIX_OTHER_ARCHIVE="${PROJECT_BINARY_DIR}/products/${other}/${other_script}.zip")
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests/windows)
  target_link_libraries(${name} PRIVATE
    "$<LINK_GROUP:RESCAN,quellix_app,quellix_windows,quellix_browser,quellix_renderer>"
    win32_testing duilib_testing cef_testing
    PkgConfig::DELIVERABLE_TEST_DEPS GTest::gtest_main)
  set(product_build ${PROJECT_BINARY_DIR}/products/${product})
  quellix_add_resources(${name} ${PROJECT_SOURCE_DIR}/products/${product}/${script}.rc
    INCLUDE_DIRS ${product_build}
    DEPENDS ${product_build}/${script}.zip)
  add_dependencies(${name} ${product}_skin_archive ${script} ${other}_skin_archive)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_PREFIX "${product}.")
endfunction()

quellix_add_deliverable_tests(vantellis_tests vantellis Vantellis
  "${QUELLIX_VANTELLIS_START_PAGE}" tessmarkcorvane TessmarkCorvane)
quellix_add_deliverable_tests(tessmarkcorvane_tests tessmarkcorvane TessmarkCorvane
  "${QUELLIX_TESSMARKCORVANE_START_PAGE}" vantellis Vantellis)

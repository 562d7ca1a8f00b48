# The start pages: recent projects, example lists, global selection, new project.
olv_add_test(test_pages_logic
  SOURCES pages/test_page_logic.cpp
  LIBS olv_testsupport_state olv_pages)
# Linked with the object library that registers the pages, as the program is.
olv_add_test(test_pages_gui
  SOURCES pages/test_start_pages.cpp pages/test_selection_pages.cpp pages/test_texts_and_sizes.cpp
  LIBS olv_pages olv_ui_start_pages olv_testsupport_pages GUI)

# The example projects in install/Example are the ones tools/make_examples.py writes.
olv_add_tool_check(pages_examples_up_to_date make_examples.py)

# The main window on a display of 1366 x 768 (scripts/xvfb-exec reads the screen from the environment).
add_executable(test_pages_small_screen pages/test_small_screen.cpp)
target_link_libraries(test_pages_small_screen PRIVATE olv_pages olv_ui_start_pages olv_testsupport olv_testsupport_pages
                      olv_testsupport_gui GTest::gtest GTest::gmock)
olv_use_own_display(test_pages_small_screen)
gtest_discover_tests(test_pages_small_screen
  DISCOVERY_MODE PRE_TEST
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  PROPERTIES LABELS gui TIMEOUT 120 ENVIRONMENT OLV_XVFB_SCREEN=1366x768x24)

# The application shell: main dialog, navigation bar, menu bar.
olv_add_test(test_shell_logic
  SOURCES shell/test_shell_logic.cpp
  LIBS olv_ui)
olv_add_test(test_shell_dialog
  SOURCES shell/test_main_dialog.cpp
  LIBS olv_ui GUI)

# The manuals in install/DOC are the ones tools/make_manuals.py writes, and
# pdftotext reads their titles back.
find_package(Python3 COMPONENTS Interpreter)
find_program(OLV_PDFTOTEXT pdftotext)
if(Python3_Interpreter_FOUND AND OLV_PDFTOTEXT)
  add_test(NAME shell_manuals_up_to_date
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/make_manuals.py --check)
  set_tests_properties(shell_manuals_up_to_date PROPERTIES LABELS unit)
endif()

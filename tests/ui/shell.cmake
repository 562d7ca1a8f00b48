# The application shell: main dialog, navigation bar, menu bar.
olv_add_test(test_shell_logic
  SOURCES shell/test_shell_logic.cpp
  LIBS olv_testsupport_state olv_shell)
olv_add_test(test_shell_dialog
  SOURCES shell/test_main_dialog.cpp
  LIBS olv_shell olv_testsupport_pages GUI)

# Projects opened and created one after another in the main window with the
# program's pages: each as a fresh program shows, keeps and saves it.
olv_add_test(test_project_switch
  SOURCES shell/test_project_switch.cpp
  LIBS olv_protocol_pages_register olv_keys_pages_register olv_ui_start_pages olv_testsupport_pages GUI BRAND)

# The manuals in install/DOC are the ones tools/make_manuals.py writes, and
# pdftotext reads their titles back.
find_program(OLV_PDFTOTEXT pdftotext)
if(OLV_PDFTOTEXT)
  olv_add_tool_check(shell_manuals_up_to_date make_manuals.py)
  # The receiver board's schematic in install/SCH is the one tools/make_schematic.py draws.
  olv_add_tool_check(shell_schematic_up_to_date make_schematic.py)
endif()

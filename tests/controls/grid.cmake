# Grid control tests: geometry, text layout and the input rules without a
# display; the cells, the window, its input and editing, the IR code grid and
# printing under Xvfb.
olv_add_test(test_grid_logic
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_geometry.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_text.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_input_logic.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_prefix_sums.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/SummingGridGeometry.cpp
  LIBS olv_controls)
olv_add_test(test_grid_ctrl
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/grid/GridTestSupport.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_cells.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_model.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_window.cpp
  LIBS olv_testsupport_state olv_controls olv_ui GUI)
olv_add_test(test_grid_input
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/grid/GridTestSupport.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/GridInputSupport.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_input.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_ir_grid.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_print.cpp
  LIBS olv_controls olv_ui GUI)

# The IR code grid as a user sees it in English and Chinese: headers in view, row button captions.
olv_add_test(test_ir_grid_looks
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/grid/GridTestSupport.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_ir_grid_looks.cpp
  LIBS olv_testsupport_state olv_controls olv_ui GUI)

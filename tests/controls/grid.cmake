# Grid control tests: geometry and text layout without a display, the cells
# and the window under Xvfb.
olv_add_test(test_grid_logic
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_geometry.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_text.cpp
  LIBS olv_controls)
olv_add_test(test_grid_ctrl
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/grid/GridTestSupport.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_cells.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_model.cpp
          ${CMAKE_CURRENT_LIST_DIR}/grid/test_grid_window.cpp
  LIBS olv_controls olv_ui GUI)

# Grid control: headless geometry and text layout, the cell classes, and the
# grid window that draws them.
target_sources(olv_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GridGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridTextLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCellBase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlCells.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlRows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlScroll.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlSelect.cpp
)
# Fonts (CFontEx), COLORREF colours and the double buffer come from the UI foundation.
if(TARGET olv_ui)
  target_link_libraries(olv_controls PUBLIC olv_ui)
endif()

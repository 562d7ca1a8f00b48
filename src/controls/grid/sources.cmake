# Grid control: headless geometry, text layout, clipboard text, sorting,
# navigation and print layout; the cell classes; the grid window with its
# input, editing, clipboard, drag and drop and printing; the in-place editors,
# title tip and drop target; the IR code grid.
target_sources(olv_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GridGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridPrefixSums.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridTextLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DCStateGuard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCellBase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlCells.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlRows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlScroll.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlSelect.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridClipboardText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridSort.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridNavigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridPrintLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InPlaceEditRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlMouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlKeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlClipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlSort.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridCtrlPrint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InPlaceEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TitleTip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridDropTarget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IRGridCtrl.cpp
)
# Fonts (CFontEx), COLORREF colours and the double buffer come from the UI foundation.
if(TARGET olv_ui)
  target_link_libraries(olv_controls PUBLIC olv_ui)
endif()

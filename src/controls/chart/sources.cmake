# Chart control: headless scale, points, marked-time, smoothing, zoom-history and
# legend-layout logic, and the window classes that draw and handle input.
target_sources(olv_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BezierSmoothing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartScale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LegendLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MarkedTimes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PixelColumns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PointBlocks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZoomHistory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartAxis.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartScrollBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartSeries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartLineSeries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartLegend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartTitle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartCtrlDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartCtrlMouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartPrint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BLDCChartCtrl.cpp
)

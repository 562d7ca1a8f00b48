# Chart control tests: headless logic without a display, window behaviour under Xvfb.
olv_add_test(test_chart_logic
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/chart/test_chart_scale.cpp
          ${CMAKE_CURRENT_LIST_DIR}/chart/test_chart_data.cpp
  LIBS olv_controls)
olv_add_test(test_chart_ctrl
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/chart/ChartTestSupport.cpp
          ${CMAKE_CURRENT_LIST_DIR}/chart/test_chart_ctrl.cpp
          ${CMAKE_CURRENT_LIST_DIR}/chart/test_chart_parts.cpp
          ${CMAKE_CURRENT_LIST_DIR}/chart/test_bldc_chart.cpp
          ${CMAKE_CURRENT_LIST_DIR}/chart/test_chart_wave_picture.cpp
  LIBS olv_controls GUI)

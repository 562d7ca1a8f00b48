# The build refuses an include that goes against the layers (cmake/Layers.cmake).
add_test(NAME ui_layers_enforced
  COMMAND ${CMAKE_COMMAND} -DOLV_ROOT=${CMAKE_SOURCE_DIR} -DWORK=${CMAKE_CURRENT_BINARY_DIR}/layer_fixture
          -DGENERATOR=${CMAKE_GENERATOR} -DCXX=${CMAKE_CXX_COMPILER} -P ${CMAKE_CURRENT_SOURCE_DIR}/layers/CheckLayers.cmake)
set_tests_properties(ui_layers_enforced PROPERTIES LABELS unit TIMEOUT 300)

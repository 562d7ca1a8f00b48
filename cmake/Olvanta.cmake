# Places a program or shared library in the dist folder and installs it at the root of the prefix.
function(olv_place_in_dist target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${OLV_DIST_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${OLV_DIST_DIR})
  foreach(cfg Debug Release RelWithDebInfo MinSizeRel)
    string(TOUPPER ${cfg} CFG)
    set_target_properties(${target} PROPERTIES
      RUNTIME_OUTPUT_DIRECTORY_${CFG} ${OLV_DIST_DIR}
      LIBRARY_OUTPUT_DIRECTORY_${CFG} ${OLV_DIST_DIR})
  endforeach()
  install(TARGETS ${target} RUNTIME DESTINATION . LIBRARY DESTINATION .)
endfunction()
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

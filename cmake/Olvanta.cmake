# The program folder under the install prefix: the prefix itself on Windows, lib/olvanta
# elsewhere (cmake/Install.cmake lays out the rest).
if(WIN32)
  set(OLV_INSTALL_PROGRAM_DIR .)
else()
  set(OLV_INSTALL_PROGRAM_DIR lib/olvanta)
endif()

# Places a program or shared library in the dist folder and installs it in the program folder.
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
  install(TARGETS ${target} RUNTIME DESTINATION ${OLV_INSTALL_PROGRAM_DIR} LIBRARY DESTINATION ${OLV_INSTALL_PROGRAM_DIR})
endfunction()
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

# Compiles the files listed in resources.txt into olv_ui as byte arrays.
set(OLV_UI_RESOURCE_MANIFEST ${CMAKE_CURRENT_LIST_DIR}/resources.txt)
set(OLV_UI_RESOURCE_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/ResourceData.cpp)
file(STRINGS ${OLV_UI_RESOURCE_MANIFEST} olv_ui_resource_lines REGEX "^[ \t]*[0-9]")
set(olv_ui_resource_files "")
foreach(line IN LISTS olv_ui_resource_lines)
  string(REGEX REPLACE "^[ \t]*[0-9]+[ \t]+[a-z]+[ \t]+([^ \t]+).*$" "\\1" file "${line}")
  list(APPEND olv_ui_resource_files ${CMAKE_CURRENT_LIST_DIR}/${file})
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${OLV_UI_RESOURCE_MANIFEST})
add_custom_command(
  OUTPUT ${OLV_UI_RESOURCE_SOURCE}
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${OLV_UI_RESOURCE_MANIFEST} -DOUTPUT=${OLV_UI_RESOURCE_SOURCE}
          -P ${CMAKE_CURRENT_LIST_DIR}/EmbedResources.cmake
  DEPENDS ${OLV_UI_RESOURCE_MANIFEST} ${CMAKE_CURRENT_LIST_DIR}/EmbedResources.cmake ${olv_ui_resource_files}
  COMMENT "Compiling the program's resources"
  VERBATIM)
target_sources(olv_ui PRIVATE ${OLV_UI_RESOURCE_SOURCE})

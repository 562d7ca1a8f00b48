# Layers the build enforces.
#   olv_layer(<target> [FOLDERS <dir>...] [INTERNAL <header>...] [HEADERS <target>])
# makes a library a layer that owns the headers and sources directly in its
# folders (by default the folder of the calling CMakeLists). A file of a layer
# may include headers of its own layer and of the layers it links, directly or
# through other targets, except their INTERNAL headers; including any other
# layer's header fails the build of the layer, naming the file and the line.
# A library that others bind at run time instead of linking names the
# header-only target they link instead (HEADERS): linking that target allows
# the library's headers but its INTERNAL ones.
#
# wxWidgets headers follow what the layer links: none without wx::base or
# wx::gui, the wxBase headers (cmake/WxBaseHeaders.cmake) with wx::base alone,
# any with wx::gui.
#
# Include roots searched to find which header an include names, after the
# including file's own folder.
set(OLV_LAYER_INCLUDE_ROOTS ${CMAKE_SOURCE_DIR}/src CACHE INTERNAL "")
# Where each layer's check is configured (<layer>.cmake).
set(OLV_LAYER_CHECK_DIR ${CMAKE_BINARY_DIR}/layer_checks CACHE INTERNAL "")
include(${CMAKE_CURRENT_LIST_DIR}/WxBaseHeaders.cmake)

function(olv_layer target)
  cmake_parse_arguments(L "" "HEADERS" "FOLDERS;INTERNAL" ${ARGN})
  if(NOT L_FOLDERS)
    set(L_FOLDERS ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  set(folders "")
  foreach(folder IN LISTS L_FOLDERS)
    get_filename_component(folder "${folder}" REALPATH BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND folders ${folder})
  endforeach()
  set(internal "")
  foreach(header IN LISTS L_INTERNAL)
    get_filename_component(header "${header}" REALPATH BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND internal ${header})
  endforeach()
  set_property(TARGET ${target} PROPERTY OLV_LAYER_FOLDERS "${folders}")
  set_property(TARGET ${target} PROPERTY OLV_LAYER_INTERNAL "${internal}")
  set_property(TARGET ${target} PROPERTY OLV_LAYER_HEADERS "${L_HEADERS}")
  set_property(GLOBAL APPEND PROPERTY OLV_LAYERS ${target})
endfunction()

# The targets that target links, directly or through others, itself included
# (out), and the imported targets among them (imported_out), which are never
# layers and are not followed.
function(_olv_linked_targets target out imported_out)
  set(seen ${target})
  set(imported "")
  set(pending ${target})
  while(pending)
    list(POP_FRONT pending current)
    get_target_property(type ${current} TYPE)
    set(links "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND links ${direct})
      endif()
    endif()
    get_target_property(iface ${current} INTERFACE_LINK_LIBRARIES)
    if(iface)
      list(APPEND links ${iface})
    endif()
    foreach(link IN LISTS links)
      # Plain target names only: generator expressions and imported targets
      # are never layers.
      if(link MATCHES "::" AND NOT link MATCHES "^\\$<")
        list(APPEND imported ${link})
      endif()
      if(link MATCHES "^\\$<|::" OR NOT TARGET ${link})
        continue()
      endif()
      if(NOT link IN_LIST seen)
        list(APPEND seen ${link})
        list(APPEND pending ${link})
      endif()
    endforeach()
  endwhile()
  list(REMOVE_DUPLICATES imported)
  set(${out} ${seen} PARENT_SCOPE)
  set(${imported_out} ${imported} PARENT_SCOPE)
endfunction()

# The wxWidgets headers a layer may include: gui (any), base (wxBase only) or none.
function(_olv_wx_headers_allowed imported out)
  if("wx::gui" IN_LIST imported)
    set(${out} gui PARENT_SCOPE)
  elseif("wx::base" IN_LIST imported)
    set(${out} base PARENT_SCOPE)
  else()
    set(${out} none PARENT_SCOPE)
  endif()
endfunction()

# Runs once every folder is configured: adds the include check of each layer
# as a step its build depends on.
function(_olv_add_layer_checks)
  get_property(layers GLOBAL PROPERTY OLV_LAYERS)
  foreach(layer IN LISTS layers)
    _olv_linked_targets(${layer} allowed imported)
    _olv_wx_headers_allowed("${imported}" wx)
    set(forbidden_folders "")
    set(forbidden_layers "")
    set(internal_headers "")
    set(internal_layers "")
    foreach(other IN LISTS layers)
      if(other STREQUAL layer)
        continue()
      endif()
      get_target_property(headers_target ${other} OLV_LAYER_HEADERS)
      if(other IN_LIST allowed OR (headers_target AND headers_target IN_LIST allowed))
        get_target_property(headers ${other} OLV_LAYER_INTERNAL)
        foreach(header IN LISTS headers)
          list(APPEND internal_headers ${header})
          list(APPEND internal_layers ${other})
        endforeach()
        continue()
      endif()
      get_target_property(folders ${other} OLV_LAYER_FOLDERS)
      foreach(folder IN LISTS folders)
        list(APPEND forbidden_folders ${folder})
        list(APPEND forbidden_layers ${other})
      endforeach()
    endforeach()
    if(NOT forbidden_folders AND NOT internal_headers AND wx STREQUAL "gui")
      continue()
    endif()
    get_target_property(own_folders ${layer} OLV_LAYER_FOLDERS)
    set(files "")
    foreach(folder IN LISTS own_folders)
      file(GLOB found CONFIGURE_DEPENDS ${folder}/*.h ${folder}/*.hpp ${folder}/*.cpp)
      list(APPEND files ${found})
    endforeach()
    list(SORT files)
    set(dir ${OLV_LAYER_CHECK_DIR})
    file(CONFIGURE OUTPUT ${dir}/${layer}.cmake CONTENT [[
set(LAYER "@layer@")
set(FILES "@files@")
set(INCLUDE_ROOTS "@OLV_LAYER_INCLUDE_ROOTS@")
set(FORBIDDEN_FOLDERS "@forbidden_folders@")
set(FORBIDDEN_LAYERS "@forbidden_layers@")
set(INTERNAL_HEADERS "@internal_headers@")
set(INTERNAL_LAYERS "@internal_layers@")
set(WX "@wx@")
set(WX_BASE_HEADERS "@OLV_WX_BASE_HEADERS@")
]] @ONLY)
    add_custom_command(
      OUTPUT ${dir}/${layer}.stamp
      COMMAND ${CMAKE_COMMAND} -DCONFIG=${dir}/${layer}.cmake -DSTAMP=${dir}/${layer}.stamp
              -P ${OLV_LAYER_CHECK_SCRIPT}
      DEPENDS ${files} ${dir}/${layer}.cmake ${OLV_LAYER_CHECK_SCRIPT}
      COMMENT "Checking the includes of layer ${layer}"
      VERBATIM)
    add_custom_target(${layer}_layer_check DEPENDS ${dir}/${layer}.stamp)
    add_dependencies(${layer} ${layer}_layer_check)
  endforeach()
endfunction()

set(OLV_LAYER_CHECK_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CheckLayerIncludes.cmake CACHE INTERNAL "")
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _olv_add_layer_checks)

# Registration from a static initialiser.
#   olv_auto_register(<name> <source> <library>)
# builds <source>, whose static initialiser registers what <library> offers
# (pages, the receiver link), as the object library <name>, which only the
# program links: a test registers what it needs itself. The program's folder
# is configured after the subsystems', so the link is made at the end of the
# configuration.
function(olv_auto_register name source library)
  add_library(${name} OBJECT ${source})
  target_link_libraries(${name} PUBLIC ${library})
  # A deferred call reads its arguments when it runs: the name goes in as a literal.
  cmake_language(EVAL CODE
    "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL _olv_link_into_program [[${name}]])")
endfunction()

function(_olv_link_into_program name)
  if(TARGET olvanta)
    target_link_libraries(olvanta PRIVATE ${name})
  endif()
endfunction()

# Two interface targets: wx::base (no display needed) and wx::gui.
function(olv_wx_target name)
  find_package(wxWidgets 3.2 REQUIRED COMPONENTS ${ARGN})
  add_library(${name} INTERFACE IMPORTED GLOBAL)
  set(defs ${wxWidgets_DEFINITIONS})
  if(wxWidgets_DEFINITIONS_DEBUG)
    list(APPEND defs $<$<CONFIG:Debug>:${wxWidgets_DEFINITIONS_DEBUG}>)
  endif()
  # Flags such as -pthread; FindwxWidgets has already taken out the include folders and definitions.
  set(flags ${wxWidgets_CXX_FLAGS})
  set_target_properties(${name} PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${wxWidgets_INCLUDE_DIRS}"
    INTERFACE_COMPILE_DEFINITIONS "${defs}"
    INTERFACE_COMPILE_OPTIONS "${flags}"
    INTERFACE_LINK_LIBRARIES "${wxWidgets_LIBRARIES}")
endfunction()

olv_wx_target(wx_base_target base net)
olv_wx_target(wx_gui_target core base net adv html xml richtext)
add_library(wx::base ALIAS wx_base_target)
add_library(wx::gui ALIAS wx_gui_target)

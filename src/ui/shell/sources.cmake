# The application shell: main dialog, navigation bar, menu bar, About box.
target_sources(olv_ui PRIVATE
  shell/AboutDlg.cpp
  shell/DeviceWatcher.cpp
  shell/FlowTable.cpp
  shell/MenuBar.cpp
  shell/NavBar.cpp
  shell/OlvantaDlg.cpp
  shell/OlvantaDlgCommands.cpp
  shell/OlvantaDlgProject.cpp
  shell/ShellDocuments.cpp
  shell/ShellHooks.cpp
  shell/ShellMessages.cpp
  shell/StagedSave.cpp
)

# The receiver board's arrival is polled through hidapi when it is available.
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
  if(WIN32)
    pkg_check_modules(SHELL_HIDAPI QUIET IMPORTED_TARGET hidapi)
  else()
    pkg_check_modules(SHELL_HIDAPI QUIET IMPORTED_TARGET hidapi-hidraw)
  endif()
endif()
if(SHELL_HIDAPI_FOUND)
  target_link_libraries(olv_ui PRIVATE PkgConfig::SHELL_HIDAPI)
  set_source_files_properties(shell/DeviceWatcher.cpp PROPERTIES COMPILE_DEFINITIONS OLV_HAVE_HIDAPI)
endif()

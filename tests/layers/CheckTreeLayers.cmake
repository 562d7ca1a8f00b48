# cmake -DOLV_ROOT=<source root> -DCHECKS=<layer check folder> -DSCRIPT=<CheckLayerIncludes.cmake>
#       -DWORK=<folder> -P CheckTreeLayers.cmake
# The layers of this tree as the build configured them: every source folder
# but the program's belongs to a layer, every layer's files pass its check,
# and a probe file given to a layer's check with one wrong-way include fails
# it, naming the include.
cmake_minimum_required(VERSION 3.20)

# layer | include line of the probe | expected: ok, or the include named in the failure
set(cases
  "olv_platform|#include \"platform/Profile.h\"|ok"
  "olv_platform|#include <wx/filename.h>|ok"
  "olv_platform|#include \"core/AppContext.h\"|core/AppContext.h"
  "olv_platform|#include \"receiver/IrCapture.h\"|receiver/IrCapture.h"
  "olv_platform|#include <wx/window.h>|wx/window.h"
  "olv_platform_gui|#include <wx/window.h>|ok"
  "olv_platform_gui|#include \"core/AppContext.h\"|core/AppContext.h"
  "olv_analyser|#include <wx/string.h>|wx/string.h"
  "olv_analyser|#include \"platform/Profile.h\"|platform/Profile.h"
  "cryptora|#include \"core/AppContext.h\"|core/AppContext.h"
  "cryptora|#include <wx/string.h>|wx/string.h"
  "olv_core|#include \"receiver/IrCapture.h\"|ok"
  "olv_core|#include \"cryptora/cryptora.h\"|ok"
  "olv_core|#include \"cryptora/Aes256.h\"|cryptora/Aes256.h"
  "olv_core|#include \"ui/shell/ShellHooks.h\"|ui/shell/ShellHooks.h"
  "olv_core|#include \"protocol/BaseDataFormat.h\"|protocol/BaseDataFormat.h"
  "olv_core|#include \"core/gui/DisplayHelpers.h\"|core/gui/DisplayHelpers.h"
  "olv_core|#include <wx/gdicmn.h>|wx/gdicmn.h"
  "olv_core|#include <wx/window.h>|wx/window.h"
  "olv_core_gui|#include <wx/window.h>|ok"
  "olv_core_gui|#include \"ui/BaseDlg.h\"|ui/BaseDlg.h"
  "olv_protocol|#include <wx/dc.h>|wx/dc.h"
  "olv_protocol|#include \"ui/BaseDlg.h\"|ui/BaseDlg.h"
  "olv_keys|#include <wx/gdicmn.h>|wx/gdicmn.h"
  "olv_keys|#include \"protocol/BaseDataFormat.h\"|protocol/BaseDataFormat.h"
  "olv_diagram|#include <wx/dc.h>|wx/dc.h"
  "olv_diagram|#include \"ui/FontEx.h\"|ui/FontEx.h"
  "olv_lcd|#include \"diagram/McuLayout.h\"|diagram/McuLayout.h"
  "olv_lcd|#include <wx/window.h>|wx/window.h"
  "olv_diagram_pages|#include \"ui/shell/PageMessages.h\"|ok"
  "olv_diagram_pages|#include \"lcd/pages/ElementDlg.h\"|lcd/pages/ElementDlg.h"
  "olv_lcd_pages|#include \"diagram/pages/McuWnd.h\"|ok"
  "olv_lcd_pages|#include \"keys/pages/KeyConfigDlg.h\"|keys/pages/KeyConfigDlg.h"
  "olv_aircon|#include \"protocol/ModulationModel.h\"|ok"
  "olv_aircon|#include <wx/window.h>|wx/window.h"
  "olv_aircon|#include \"ui/LUEdit.h\"|ui/LUEdit.h"
  "olv_aircon|#include \"keys/KeyGuide.h\"|keys/KeyGuide.h"
  "olv_aircon_pages|#include \"ui/shell/ShellHooks.h\"|ok"
  "olv_aircon_pages|#include \"ui/shell/OlvantaDlg.h\"|ui/shell/OlvantaDlg.h"
  "olv_aircon_pages|#include \"keys/pages/KeyConfigDlg.h\"|keys/pages/KeyConfigDlg.h"
  "olv_receiver_board|#include <wx/window.h>|wx/window.h"
  "olv_receiver_decode|#include <wx/window.h>|wx/window.h"
  "olv_controls|#include \"ui/FontEx.h\"|ok"
  "olv_controls|#include \"ui/shell/ShellHooks.h\"|ui/shell/ShellHooks.h"
  "olv_ui|#include \"ui/shell/ShellHooks.h\"|ui/shell/ShellHooks.h"
  "olv_pages|#include \"ui/shell/ShellHooks.h\"|ok"
  "olv_pages|#include \"ui/shell/OlvantaDlg.h\"|ui/shell/OlvantaDlg.h"
)

set(failures "")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# Every layer's own files pass; every source folder but the program's is a layer's.
file(GLOB configs ${CHECKS}/*.cmake)
set(covered "")
foreach(config IN LISTS configs)
  execute_process(COMMAND ${CMAKE_COMMAND} -DCONFIG=${config} -DSTAMP=${WORK}/tree.stamp -P ${SCRIPT}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    string(APPEND failures "${config} fails on the tree:\n${output}\n")
  endif()
  include(${config})
  foreach(file IN LISTS FILES)
    get_filename_component(folder ${file} DIRECTORY)
    list(APPEND covered ${folder})
  endforeach()
endforeach()
file(GLOB_RECURSE sources ${OLV_ROOT}/src/*.h ${OLV_ROOT}/src/*.cpp)
foreach(source IN LISTS sources)
  get_filename_component(folder ${source} DIRECTORY)
  if(NOT folder IN_LIST covered AND NOT folder STREQUAL "${OLV_ROOT}/src/app")
    string(APPEND failures "${source} belongs to no layer\n")
    list(APPEND covered ${folder})
  endif()
endforeach()

foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 layer)
  list(GET fields 1 line)
  list(GET fields 2 expected)
  if(NOT EXISTS ${CHECKS}/${layer}.cmake)
    string(APPEND failures "${layer} has no layer check\n")
    continue()
  endif()
  if(line MATCHES "[<\"]([^>\"]+)[>\"]" AND NOT CMAKE_MATCH_1 MATCHES "^wx/" AND NOT EXISTS ${OLV_ROOT}/src/${CMAKE_MATCH_1})
    string(APPEND failures "The probe of ${layer} names ${CMAKE_MATCH_1}, which is not in the tree\n")
    continue()
  endif()
  set(probe ${WORK}/${layer}/Probe.cpp)
  file(WRITE ${probe} "${line}\n")
  file(WRITE ${WORK}/${layer}/config.cmake "include(${CHECKS}/${layer}.cmake)\nset(FILES ${probe})\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DCONFIG=${WORK}/${layer}/config.cmake -DSTAMP=${WORK}/${layer}/stamp
                          -P ${SCRIPT}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(REGEX REPLACE "[ \t\r\n]+" " " output "${output}")
  if(expected STREQUAL "ok")
    if(NOT result EQUAL 0)
      string(APPEND failures "${layer} with '${line}' should pass:\n${output}\n")
    endif()
  elseif(result EQUAL 0)
    string(APPEND failures "${layer} with '${line}' should fail\n")
  elseif(NOT output MATCHES "Probe.cpp:1: ${layer} may not include ${expected}")
    string(APPEND failures "${layer} with '${line}' failed without naming the include:\n${output}\n")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()

# cmake -DOLV_ROOT=<source root> -DWORK=<folder> -DGENERATOR=<generator>
#       -DCXX=<compiler> -P CheckLayers.cmake
# Builds the fixture project with one include added at a time and checks that
# the build fails exactly for the includes that go the wrong way, wx headers
# included.
cmake_minimum_required(VERSION 3.20)

# file | added include line | expected: ok, or the include named in the failure
set(cases
  "||ok"
  "kit/Kit.h|#include \"kit/shell/Shell.h\"|kit/shell/Shell.h"
  "kit/Kit.cpp|#include \"pages/Page.h\"|pages/Page.h"
  "kit/shell/Shell.cpp|#include <kit/pages/Page.h>|kit/pages/Page.h"
  "kit/shell/Shell.h|  #  include \"../pages/Page.h\"|../pages/Page.h"
  "kit/pages/Page.h|#include \"kit/other/Other.h\"|kit/other/Other.h"
  "kit/pages/Page.cpp|#include \"kit/shell/Shell.h\"|ok"
  "kit/pages/Page.cpp|#include \"kit/Kit.h\"|ok"
  "kit/pages/Page.cpp|#include \"kit/shell/ShellMain.h\"|kit/shell/ShellMain.h"
  "kit/shell/Shell.cpp|#include \"kit/shell/ShellMain.h\"|ok"
  "kit/other/Other.cpp|#include \"../shell/Shell.h\"|ok"
  "kit/Kit.cpp|#include <vector>|ok"
  "kit/Kit.cpp|// #include \"kit/shell/Shell.h\" in a comment|ok"
  "kit/Kit.cpp|#include <wx/window.h>|ok"
  "kit/Kit.cpp|#include \"plain/Plain.h\"|ok"
  "kit/Kit.cpp|#include \"plain/PlainInternal.h\"|plain/PlainInternal.h"
  "base/Base.h|#include <wx/string.h>|ok"
  "base/Base.cpp|#include <wx/window.h>|wx/window.h"
  "base/Base.h|#include \"wx/gdicmn.h\"|wx/gdicmn.h"
  "base/Base.cpp|#include \"plain/Plain.h\"|plain/Plain.h"
  "base/Base.cpp|#include \"kit/Kit.h\"|kit/Kit.h"
  "plain/Plain.cpp|#include <wx/string.h>|wx/string.h"
)

set(src ${WORK}/project)
set(bin ${WORK}/build)
file(REMOVE_RECURSE ${WORK})
file(COPY ${CMAKE_CURRENT_LIST_DIR}/fixture/ DESTINATION ${src})
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${src} -B ${bin} -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX} -DOLV_ROOT=${OLV_ROOT}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The fixture does not configure:\n${output}")
endif()

set(failures "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 file)
  list(GET fields 1 line)
  list(GET fields 2 expected)
  if(file)
    file(READ ${src}/src/${file} original)
    file(WRITE ${src}/src/${file} "${line}\n${original}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${bin} RESULT_VARIABLE result OUTPUT_VARIABLE output
                  ERROR_VARIABLE output)
  if(file)
    file(WRITE ${src}/src/${file} "${original}")
  endif()
  string(REGEX REPLACE "[ \t\r\n]+" " " output "${output}")
  if(expected STREQUAL "ok")
    if(NOT result EQUAL 0)
      string(APPEND failures "${file} with '${line}' should build:\n${output}\n")
    endif()
  elseif(result EQUAL 0)
    string(APPEND failures "${file} with '${line}' should fail the build\n")
  elseif(NOT output MATCHES "src/${file}:1: [a-z]+ may not include ${expected}")
    string(APPEND failures "${file} with '${line}' failed without naming the include:\n${output}\n")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()

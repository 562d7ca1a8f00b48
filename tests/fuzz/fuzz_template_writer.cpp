// The template writer: a template of any bytes with macros taken from the
// input is written out or refused; lines never grow without bound.
#include "FuzzSupport.h"

#include "core/DocManage.h"
#include "core/ExprEngine.h"
#include "platform/TextFile.h"
#include "ProgramState.h"

#include <wx/arrstr.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::SilenceMessageBoxes();
  return g_ExprEngine.Load(OLV_DIST_DIR) ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Lines up to the first NUL: "NAME=value" macros; after it, the template.
  std::string macros, templ;
  fuzzsupport::SplitInput(data, size, '\0', macros, templ);
  testsupport::ProgramState state;  // each input starts from the same macro table
  state.Macros().clear();
  const wxString macroText = platform::DecodeText(macros);
  for (const wxString& line : wxSplit(macroText, '\n', '\0')) {
    if (line.Contains("=")) state.Macros()[line.BeforeFirst('=')] = line.AfterFirst('=');
  }
  const wxString in =
      fuzzsupport::WriteScratch("in.tpl", reinterpret_cast<const std::uint8_t*>(templ.data()), templ.size());
  CDocManage doc;
  doc.Keypad = size % 2;
  doc.WriteTemplateFile(in, fuzzsupport::ScratchFile("out.asm"));
  return 0;
}

// Opening a project file of any bytes: the document takes what it can read
// or refuses the file with a message.
#include "FuzzSupport.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/ProjectFile.h"
#include "ProgramState.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::SilenceMessageBoxes();
  // The install the inputs open against, for the fuzzer's whole run.
  static testsupport::ProgramState state;
  state.App().BuildInstallPaths(OLV_DIST_DIR);
  state.App().currentLangSection = "1252";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const wxString path = fuzzsupport::WriteScratch("Remote.lmirprj", data, size);
  CDocManage doc;
  if (!doc.OpenProject(path)) return 0;
  const CProjectFile file(path);
  file.ReadAirFormatType();
  doc.LoadChip();
  return 0;
}

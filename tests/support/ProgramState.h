#pragma once

#include "core/DocManage.h"

#include <wx/string.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class CAppContext;
class CChipInfo;
class CFuncRecords;
struct stIrCapture;

namespace testsupport {

// The program-wide state a test may change, taken when the object is made and
// put back when it goes: the application's paths and language sections, the
// project document, the macro table, the brand, the framework kind, the
// receiver's capture, the function records and the current chip. A fixture
// holds one as a member (or a test as a local) and changes that state only
// through it, so that nothing a test leaves behind reaches the next test.
//
//   testsupport::ProgramState state;
//   state.Doc().RemoteType = kRemoteAir;
//   state.App().BuildInstallPaths(install);
//
// Reads may go to the globals directly.
class ProgramState {
 public:
  ProgramState();
  ~ProgramState();
  ProgramState(const ProgramState&) = delete;
  ProgramState& operator=(const ProgramState&) = delete;

  // The globals themselves, for the test to change.
  CAppContext& App();
  CDocManage& Doc();
  CStringMap& Macros();
  int& BrandFlag();
  int& FrameworkKind();
  stIrCapture& IrCapture();
  CFuncRecords& FuncRecords();
  CChipInfo*& CurChip();

 private:
  struct Saved;
  std::unique_ptr<Saved> m_saved;
};

}  // namespace testsupport

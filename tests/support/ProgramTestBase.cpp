#include "ProgramTestBase.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

namespace testsupport {

TempDir* ProgramTestBase::home = nullptr;

void ProgramTestBase::SetUpTestSuite() {
  home = new TempDir();
  PointUserFoldersAt(*home);
}

void ProgramTestBase::TearDownTestSuite() {
  delete home;
  home = nullptr;
}

void ProgramTestBase::ResetToInstalledProgram() {
  platform::ClearProfileCache();
  CAppContext& app = state.App();
  app.BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
  InitDisplayScale(app.uiConfigFolder, 96);
  app.currentLangSection = app.defaultLangSection = "1252";
  state.FrameworkKind() = 0;
  app.protocolFolder = app.GetProtocolFolder(0);
  app.icFolder = app.GetIcFolder(0);
  state.Doc().Reset(true, false);
  state.Doc().ProjectName.clear();
  state.Macros().clear();
}

}  // namespace testsupport

#include "PageTestBase.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

namespace testsupport {

TempDir* PageTestBase::home = nullptr;

void PageTestBase::SetUpTestSuite() {
  home = new TempDir();
  PointUserFoldersAt(*home);
}

void PageTestBase::TearDownTestSuite() {
  delete home;
  home = nullptr;
}

void PageTestBase::ResetToInstalledProgram() {
  platform::ClearProfileCache();
  g_App.BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
  InitDisplayScale(g_App.uiConfigFolder, 96);
  g_App.currentLangSection = g_App.defaultLangSection = "1252";
  g_FrameworkKind = 0;
  g_App.protocolFolder = g_App.GetProtocolFolder(0);
  g_App.icFolder = g_App.GetIcFolder(0);
  g_DocManage.Reset(true, false);
  g_DocManage.ProjectName.clear();
}

}  // namespace testsupport

#include "core/AppContext.h"
#include "core/FileHelpers.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

namespace {

TEST(AppContext, DisplayScale) {
  EXPECT_DOUBLE_EQ(ComputeDisplayScale(96), 1.0);
  EXPECT_DOUBLE_EQ(ComputeDisplayScale(72), 1.0);
  EXPECT_NEAR(ComputeDisplayScale(97), 1.01041666, 1e-9);
  EXPECT_NEAR(ComputeDisplayScale(120), 1.24999984, 1e-9);
  EXPECT_NEAR(ComputeDisplayScale(144), 1.49999968, 1e-9);
  EXPECT_DOUBLE_EQ(ScreenScaleForDpi(120), 1.25);
  EXPECT_DOUBLE_EQ(ScreenScaleForDpi(100), 0.0);
}

TEST(AppContext, PathsAreFoundWithoutRegardToCase) {
  testsupport::TempDir dir;
  CreateFolderPath(dir.File("images"));
  CreateFolderPath(dir.File("RemoteControlSetting/LCD_Simple/ic"));
  CAppContext app;
  app.BuildInstallPaths(dir.Path());
  EXPECT_EQ(app.imageFolder, dir.File("images"));
  EXPECT_EQ(app.uiConfigFolder, dir.File("UIConfig"));  // missing: as named
  EXPECT_EQ(app.langFile, dir.File("Lang.ini"));
  EXPECT_EQ(app.GetIcFolder(kFrameworkLcdSimple), dir.File("RemoteControlSetting/LCD_Simple/ic"));
  EXPECT_EQ(app.GetProtocolFolder(kFrameworkGeneral), dir.File("RemoteControlSetting/General/Protocols"));
  EXPECT_EQ(app.GetProtocolFolder(3), "");
  EXPECT_EQ(app.GetIcFolder(-1), "");
}

TEST(AppContext, PartnerBrandAlwaysStartsInSimplifiedChinese) {
  testsupport::ProgramState state;
  CAppContext app;
  state.BrandFlag() = 0;
  app.ChooseLanguage("950", 1252);
  EXPECT_EQ(app.currentLangSection, "936");
  EXPECT_EQ(app.defaultLangSection, "936");

  state.BrandFlag() = 1;
  app.ChooseLanguage("950", 1252);
  EXPECT_EQ(app.currentLangSection, "950");
  app.ChooseLanguage("", 1252);
  EXPECT_EQ(app.currentLangSection, "1252");
  EXPECT_EQ(app.defaultLangSection, "1252");
  state.BrandFlag() = 0;
}

}  // namespace

// The buttons pages make at run time take their ids from one counter: a
// window that holds data-item blocks beside function buttons (the air
// data-format and LCD pages) never has two children with the same id.
#include "core/AppContext.h"
#include "keys/pages/FuncDlg.h"
#include "keys/pages/KeyButton.h"
#include "platform/Paths.h"
#include "protocol/BaseDataFormat.h"
#include "HostFrame.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/button.h>

#include <set>
#include <string>

namespace {

using olv::protocol::CBaseDataFormat;

const wxString kDefinitions =
    platform::JoinPath(OLV_SOURCE_DIR, "install/RemoteControlSetting/General/Protocols/Custom/setting.ini");

class ControlIdsTest : public testsupport::HostFrameTest {
 protected:
  testsupport::ProgramState state;

  ControlIdsTest() : HostFrameTest(wxSize(600, 400)) {}
  void SetUp() override {
    HostFrameTest::SetUp();
    state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
    state.App().currentLangSection = "1252";
  }
  // Two functions for the panel to make buttons of.
  wxString FunctionList() {
    const std::string colours =
        "TextColor=0xFF0000,0x00FF00\r\nBkColor=0xF5E229,0xCCCCCC,0xE8E8FF\r\nEnable=1\r\n";
    testsupport::WriteBytes(dir.File("KeyConfig.ini"), "[Fun0]\r\nTitle=IDS_SWITCH\r\n" + colours +
                                                           "[Fun1]\r\nTitle=IDS_MODE\r\n" + colours);
    return dir.File("KeyConfig.ini");
  }
  testsupport::TempDir dir;
};

TEST_F(ControlIdsTest, DataItemBlocksAndFunctionButtonsInOneWindowHaveDistinctIds) {
  auto* panel = new CFuncDlg(page);
  CBaseDataFormat model;
  ASSERT_TRUE(model.BuildDataBlocks(model.geometry, kDefinitions));
  ASSERT_EQ(panel->LoadFunctions(CFuncDlg::kTop, CFuncDlg::kLeft, CFuncDlg::kButtonWidth,
                                 CFuncDlg::kButtonHeight, FunctionList()),
            2);
  // Each block's hidden button goes into the same window as the functions.
  std::set<int> blockIds;
  for (const auto& entry : model.DataBlocks()) {
    if (!entry) continue;
    blockIds.insert(entry->item->id);
    (new wxButton(panel, entry->item->id, entry->item->caption))->Hide();
  }
  ASSERT_FALSE(blockIds.empty());

  std::set<int> ids;
  for (wxWindow* child : panel->GetChildren()) {
    EXPECT_TRUE(ids.insert(child->GetId()).second) << "two children have id " << child->GetId();
    const bool isBlock = blockIds.count(child->GetId()) != 0;
    EXPECT_EQ(isBlock, dynamic_cast<CKeyButton*>(child) == nullptr) << "id " << child->GetId();
    EXPECT_EQ(panel->FindWindow(child->GetId()), child);
  }
  EXPECT_EQ(ids.size(), blockIds.size() + 2);
}

}  // namespace

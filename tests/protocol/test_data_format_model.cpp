// The data-format page's model: load and save of [Custom], the commit of
// the page's values, input changes, constant codes, send types, the palette
// and frame lists, and the frame checks.
#include "protocol/DataFormatModel.h"

#include "core/AppContext.h"
#include "core/FuncRecords.h"
#include "core/LangText.h"
#include "core/ProjectFile.h"
#include "platform/Paths.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

namespace {

using namespace olv::protocol;
using namespace olv::protocol::dataformat_id;

// The install's definitions: the Custom protocol's setting.ini.
const wxString kDefinitions =
    platform::JoinPath(OLV_SOURCE_DIR, "install/RemoteControlSetting/General/Protocols/Custom/setting.ini");

class DataFormatModelTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    state.App().BuildInstallPaths(platform::JoinPath(OLV_SOURCE_DIR, "install"));
    state.App().currentLangSection = "1252";
    doc.ProjectFilePath = dir.File("Remote.lmirprj");
    doc.RepeatCodeOn = 0;
    doc.LeadCodeOn = 0;
    ASSERT_TRUE(CProjectFile(doc.ProjectFilePath).CreateEmpty());
  }
  // A page shown for a new project (nothing read from the project file).
  std::unique_ptr<CDataFormatModel> NewPage() {
    doc.NewProject = 1;
    doc.FormatType = -1;
    auto page = std::make_unique<CDataFormatModel>(doc);
    EXPECT_TRUE(page->LoadFromProjectWith(kDefinitions));
    return page;
  }
  static void Type(CDataFormatModel& page, int id, const wxString& text) {
    page.FindInput(id)->text = text;
    page.OnEditChanged(true, id);
  }
  static std::vector<wxString> FrameTexts(CDataFormatModel& page) {
    std::vector<wxString> texts;
    for (int i = 0; i < page.SendFormat().PlaceCount(); ++i) {
      if (const FrameItem* item = page.SendFormat().GetBlockWnd(i)) texts.push_back(item->GetCaption());
    }
    return texts;
  }
  wxString Custom(const wxString& key) const {
    return CProjectFile(doc.ProjectFilePath).ReadText("Custom", key);
  }

  testsupport::TempDir dir;
  testsupport::CMessageRecorder boxes;
  CDocManage doc;
};

TEST_F(DataFormatModelTest, EveryValueRoundTripsThroughTheProjectFile) {
  doc.RepeatCodeOn = 1;
  auto page = NewPage();
  page->OnSendTypeChanged(1);  // toggle bit, CONST_CODE1, COMMAND
  page->OnConstCodeClicked(3, true);
  page->ApplyBlockToSendFormats("CONST_CODE3", false, false);
  Type(*page, kAddressBits, "12");
  Type(*page, kAddress, "ABC");
  Type(*page, kCommandBits2, "10");
  Type(*page, kCommandBits, "10");
  Type(*page, kConstBits[0], "16");
  Type(*page, kConstValue[0], "BEEF");
  Type(*page, kConstBits[1], "4");
  Type(*page, kConstValue[1], "9");
  Type(*page, kConstBits[2], "5");
  Type(*page, kConstValue[2], "1F");
  page->OnPolarityChanged(3, 1);
  page->OnSendOrderClicked(true);
  page->OnStartValueClicked(false);
  page->OnToggleStartClicked(false);
  ASSERT_TRUE(page->StorePageData());
  const int formatType = doc.FormatType;
  ASSERT_TRUE(page->SaveToProject());

  const struct {
    const char* key;
    const char* value;
  } saved[] = {{"MSB_FIRST", "0"},
               {"START_BIT", "0"},
               {"START_BIT_VALUE", "0"},
               {"TOGGLE_BIT", "1"},
               {"TOGGLE_START", "0"},
               {"ADDRESS_BITS", "12"},
               {"COMMAND_BITS_EDIT", "10"},
               {"ADDRESS", "ABC"},
               {"CONST1_BITS", "16"},
               {"CONST2_BITS", "4"},
               {"CONST3_BITS", "5"},
               {"COMMAND_BITS", "10"},
               {"CONST1_VALUE", "BEEF"},
               {"CONST3_VALUE", "1F"},
               {"CONST1_ON", "1"},
               {"CONST2_ON", "1"},
               {"CONST3_ON", "1"},
               {"CONST4_ON", "0"},
               {"COMMAND_ON", "1"},
               {"CONST1_POLARITY", "0"},
               {"CONST3_POLARITY", "1"},
               {"SendData", "IDS_TOGGLE_BIT,CONST_CODE1,COMMAND,CONST_CODE3,IDS_CONNECT_CODE"}};
  for (const auto& s : saved) EXPECT_EQ(Custom(s.key), s.value) << s.key;
  EXPECT_EQ(Custom("FormatType"), wxString::Format("%d", formatType));

  // Another run opens the project.
  CDocManage other;
  other.ProjectFilePath = doc.ProjectFilePath;
  other.RepeatCodeOn = 1;
  CDataFormatModel reopened(other);
  ASSERT_TRUE(reopened.LoadFromProjectWith(kDefinitions));
  EXPECT_EQ(other.LsbFirst, 1);
  EXPECT_EQ(other.StartBitOn, 0);
  EXPECT_EQ(other.StartBitValue, 0);
  EXPECT_EQ(other.ToggleBitOn, 1);
  EXPECT_EQ(other.ToggleStart, 0);
  EXPECT_EQ(other.AddressBits, 12) << "a bit count is a number, never hexadecimal digits";
  EXPECT_EQ(other.CommandBits, 10);
  EXPECT_EQ(other.Address, 0xABC);
  EXPECT_EQ(other.ConstBits[0], 16);
  EXPECT_EQ(other.ConstBits[2], 5);
  EXPECT_EQ(other.ConstValue[0], 0xBEEF);
  EXPECT_EQ(other.ConstValue[2], 0x1F);
  EXPECT_EQ((std::vector<int>(other.ConstCodeOn, other.ConstCodeOn + 4)), (std::vector<int>{1, 1, 1, 0}));
  EXPECT_EQ((std::vector<int>(other.ConstPolarity, other.ConstPolarity + 4)), (std::vector<int>{0, 0, 1, 0}));
  EXPECT_EQ(other.CommandOn, 1);
  EXPECT_EQ(other.FormatType, formatType);

  // The page shows what was saved.
  const struct {
    int id;
    const char* text;
  } shown[] = {{kAddressBits, "12"}, {kAddress, "ABC"},     {kCommandBits2, "10"},
               {kCommandBits, "10"}, {kConstBits[0], "16"}, {kConstValue[0], "BEEF"},
               {kConstBits[1], "4"}, {kConstBits[2], "5"},  {kConstValue[2], "1F"}};
  for (const auto& s : shown) EXPECT_EQ(reopened.FindInput(s.id)->text, s.text) << s.id;
  EXPECT_TRUE(reopened.FindCheck(kLsbFirst)->checked);
  EXPECT_FALSE(reopened.FindCheck(kMsbFirst)->checked);
  EXPECT_TRUE(reopened.FindCheck(kToggleEnable)->checked);
  EXPECT_TRUE(reopened.FindCheck(kToggleStart0)->checked);
  EXPECT_TRUE(reopened.FindCheck(kStartValue0)->checked);
  EXPECT_TRUE(reopened.FindCheck(kConstEnable[2])->checked);
  EXPECT_FALSE(reopened.FindCheck(kConstEnable[3])->checked);
  EXPECT_EQ(reopened.FindChoice(kConstPolarity[2])->selection, 1);
  EXPECT_EQ(reopened.FindChoice(kSendType)->selection, formatType);
  EXPECT_EQ(FrameTexts(reopened), FrameTexts(*page));
  EXPECT_EQ(reopened.FirstFrameDataFields()[2].complement, true) << "CONST_CODE3 is sent inverted";

  // Saved again unchanged, the file holds the same values.
  const std::string before = testsupport::ReadBytes(doc.ProjectFilePath);
  ASSERT_TRUE(reopened.SaveToProject());
  EXPECT_EQ(testsupport::ReadBytes(doc.ProjectFilePath), before);
}

TEST_F(DataFormatModelTest, LoadReadsFlagsAsNumbersAndFallsBackToTheLastSendType) {
  CProjectFile file(doc.ProjectFilePath);
  ASSERT_TRUE(file.WriteText("Custom", "MSB_FIRST", "1"));
  ASSERT_TRUE(file.WriteText("Custom", "CONST3_ON", "2"));
  ASSERT_TRUE(file.WriteText("Custom", "CONST4_ON", "0x0"));
  ASSERT_TRUE(file.WriteText("Custom", "COMMAND_BITS", "12"));
  doc.ConstCodeOn[3] = 1;
  doc.SetParam(25, "0x8");
  CDataFormatModel page(doc);
  ASSERT_TRUE(page.LoadFromProjectWith(kDefinitions));
  EXPECT_EQ(doc.LsbFirst, 0);
  EXPECT_EQ(doc.ConstCodeOn[2], 1) << "any non-zero number is on";
  EXPECT_EQ(doc.ConstCodeOn[3], 0);
  EXPECT_EQ(doc.CommandBits, 12);
  EXPECT_EQ(doc.GetParam(25), "0x8") << "a missing key leaves the document's value";
  const int last = static_cast<int>(page.FindChoice(kSendType)->entries.size()) - 1;
  EXPECT_EQ(last, 4);
  EXPECT_EQ(page.FindChoice(kSendType)->selection, last);
  EXPECT_EQ(doc.FormatType, last);

  ASSERT_TRUE(file.WriteText("Custom", "FormatType", "9"));
  ASSERT_TRUE(page.LoadFromProjectWith(kDefinitions));
  EXPECT_EQ(doc.FormatType, last) << "an index beyond the list takes the last entry too";

  // A new project reads nothing from the file.
  ASSERT_TRUE(file.WriteText("Custom", "MSB_FIRST", "0"));
  doc.NewProject = 1;
  ASSERT_TRUE(page.LoadFromProjectWith(kDefinitions));
  EXPECT_EQ(doc.LsbFirst, 0);
}

TEST_F(DataFormatModelTest, DefinitionWithoutNameStopsLoadSaveAndValidation) {
  std::string definitions = testsupport::ReadBytes(kDefinitions);
  const std::size_t at = definitions.find("Name=ADDRESS_BITS");
  ASSERT_NE(at, std::string::npos);
  definitions.replace(at, 4, "Nome");
  testsupport::WriteBytes(dir.File("setting.ini"), definitions);
  CDataFormatModel page(doc);
  EXPECT_FALSE(page.LoadFromProjectWith(dir.File("setting.ini")));
  EXPECT_FALSE(page.SaveToProject());
  const CProjectFile file(doc.ProjectFilePath);
  EXPECT_TRUE(file.Has("Custom", "TOGGLE_START")) << "keys before the bad definition stay written";
  EXPECT_FALSE(file.Has("Custom", "CONST1_BITS"));
  EXPECT_FALSE(file.Has("Custom", "SendData"));
  EXPECT_FALSE(page.ValidateParams(0));
}

TEST_F(DataFormatModelTest, CommitStoresBitCountsAsNumbers) {
  auto page = NewPage();
  page->FindInput(kAddressBits)->text = "16";
  page->FindInput(kCommandBits)->text = "16";
  page->FindInput(kConstBits[0])->text = "16";
  page->FindInput(kConstValue[0])->text = "ABCD";
  page->FindInput(kAddress)->text = "A5";
  ASSERT_TRUE(page->StorePageData());
  EXPECT_EQ(doc.GetParam(15), "0x10");
  EXPECT_EQ(doc.GetParam(16), "0x10");
  EXPECT_EQ(doc.GetParam(24), "0x10");
  EXPECT_EQ(doc.AddressBits, 16);
  EXPECT_EQ(doc.CommandBits, 16);
  EXPECT_EQ(doc.ConstBits[0], 16);
  EXPECT_EQ(doc.ConstValue[0], 0xABCD);
  EXPECT_EQ(doc.Address, 0xA5);
  EXPECT_EQ(doc.GetParam(25), "") << "an empty bit count stays empty";

  page->FindInput(kAddress)->text.clear();
  EXPECT_TRUE(page->StorePageData()) << "an empty address still commits";
  EXPECT_EQ(doc.Address, 0);

  // Shown again, the committed counts read as the numbers typed.
  page->ShowStoredValues();
  EXPECT_EQ(page->FindInput(kAddressBits)->text, "16");
  EXPECT_EQ(page->FindInput(kCommandBits)->text, "16");
}

TEST_F(DataFormatModelTest, BitCountsLimitTheirValueInputs) {
  auto page = NewPage();
  Type(*page, kConstBits[0], "8");
  EXPECT_EQ(doc.GetParam(24), "8") << "stored as typed";
  ASSERT_TRUE(page->OnEditFocus(kConstValue[0]));
  stInputState& value = *page->FindInput(kConstValue[0]);
  EXPECT_TRUE(value.tipEnabled);
  EXPECT_EQ(value.tipText, "0~FFH");
  value.text = "100";
  page->OnEditChanged(value.CheckRange(), kConstValue[0]);
  EXPECT_EQ(value.unitText, "*");
  EXPECT_EQ(doc.GetParam(28), "0x100");
  EXPECT_EQ(doc.ConstValue[0], 0x100) << "the value is hexadecimal";

  Type(*page, kConstBits[1], "4");
  Type(*page, kConstValue[1], "F");
  Type(*page, kConstBits[1], "");
  const stInputState& second = *page->FindInput(kConstValue[1]);
  EXPECT_TRUE(second.text.empty());
  EXPECT_FALSE(second.enabled);
  EXPECT_EQ(doc.GetParam(29), "");

  Type(*page, kAddressBits, "4");
  EXPECT_TRUE(page->FindInput(kAddress)->enabled);
  Type(*page, kAddress, "1F");
  EXPECT_EQ(page->FindInput(kAddress)->CheckRange(), false);
  Type(*page, kAddressBits, "0");
  EXPECT_FALSE(page->FindInput(kAddress)->enabled);
  EXPECT_TRUE(page->FindInput(kAddress)->text.empty());
  EXPECT_EQ(page->FindInput(kAddressBits)->unitText, "") << "valid as reported";
  page->OnEditChanged(false, kAddressBits);
  EXPECT_EQ(page->FindInput(kAddressBits)->unitText, "*");
}

TEST_F(DataFormatModelTest, ConstantCodesEnableInAChainThatLeavesCodeOneAlone) {
  auto page = NewPage();
  page->OnConstCodeClicked(2, false);
  doc.ConstCodeOn[0] = 0;
  page->OnConstCodeClicked(4, true);
  EXPECT_EQ((std::vector<int>(doc.ConstCodeOn, doc.ConstCodeOn + 4)), (std::vector<int>{0, 1, 1, 1}));
  EXPECT_TRUE(page->FindCheck(kConstEnable[1])->checked);
  EXPECT_TRUE(page->FindInput(kConstBits[2])->enabled);
  page->OnConstCodeClicked(2, false);
  EXPECT_EQ((std::vector<int>(doc.ConstCodeOn, doc.ConstCodeOn + 4)), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_FALSE(page->FindInput(kConstBits[3])->enabled);
  EXPECT_FALSE(page->FindChoice(kConstPolarity[3])->enabled);
}

TEST_F(DataFormatModelTest, SendTypeAppliesCodesPolaritiesBlocksAndSendOrder) {
  std::string definitions = testsupport::ReadBytes(kDefinitions);
  const std::size_t first = definitions.find("[Group]");
  definitions.erase(first, definitions.find("[IDS_SEND_TYPE_TWO_CODES]") - first);
  definitions +=
      "[Group]\r\nGroup0=NEGATED,CONST_CODE1,CONST_CODE2/,COMMAND\r\n"
      "Group1=PLAIN,IDS_START_BIT,CONST_CODE3,COMMAND\r\nGroup2=LAST,CONST_CODE1,COMMAND\r\n"
      "[NEGATED]\r\nLSB=0\r\n";
  testsupport::WriteBytes(dir.File("setting.ini"), definitions);

  doc.NewProject = 1;
  doc.FormatType = -1;
  doc.LsbFirst = 1;
  doc.ConstCodeOn[1] = 0;
  CDataFormatModel page(doc);
  ASSERT_TRUE(page.LoadFromProjectWith(dir.File("setting.ini")));
  EXPECT_EQ(page.FindChoice(kSendType)->entries, (std::vector<wxString>{"NEGATED", "PLAIN", "LAST"}));
  page.OnSendTypeChanged(0);
  EXPECT_EQ(doc.ConstCodeOn[1], 1) << "code 2 enabled by the send type";
  EXPECT_EQ((std::vector<int>(doc.ConstPolarity, doc.ConstPolarity + 4)), (std::vector<int>{0, 1, 0, 0}));
  EXPECT_EQ(page.FindChoice(kConstPolarity[1])->selection, 1);
  EXPECT_EQ(FrameTexts(page), (std::vector<wxString>{"CONST_CODE1", "CONST_CODE2", "COMMAND"}));
  const std::vector<stDataField> fields = page.FirstFrameDataFields();
  EXPECT_FALSE(fields[0].complement);
  EXPECT_TRUE(fields[1].complement);
  EXPECT_EQ(doc.LsbFirst, 0);
  EXPECT_TRUE(page.FindCheck(kMsbFirst)->checked);
  EXPECT_EQ(doc.FormatType, 0);
  EXPECT_EQ(doc.GetParam(17), "CONST_CODE1,CONST_CODE2,COMMAND,");

  page.OnSendTypeChanged(1);
  EXPECT_EQ(boxes.boxes.size(), 1u) << "the second send type needs the connect code";
  EXPECT_EQ(doc.FormatType, 2) << "shown as the last send type";
  doc.RepeatCodeOn = 1;
  page.EnableToggleBit(true);
  doc.FormatType = 0;
  page.OnSendTypeChanged(1);
  EXPECT_EQ(FrameTexts(page),
            (std::vector<wxString>{"IDS_START_BIT", "CONST_CODE3", "COMMAND", "IDS_CONNECT_CODE"}));
  EXPECT_EQ(doc.StartBitOn, 1);
  EXPECT_EQ(doc.LsbFirst, 0) << "no LSB key: the send order stays";
  EXPECT_EQ(doc.ConstCodeOn[2], 1);

  EXPECT_EQ(doc.FormatType, 1);
  // A frame changed by hand afterwards shows the last send type.
  page.OnPolarityChanged(3, 1);
  EXPECT_EQ(doc.FormatType, 2);
}

TEST_F(DataFormatModelTest, PaletteTakesPlacesTwoToARowAndRebuildsKeepTheirBlocks) {
  auto page = NewPage();
  const BlockList& blocks = page->DataBlocks();
  ASSERT_EQ(blocks.size(), 9u);
  const stFrameGeometry& g = page->geometry;
  // Items 0..2 are options: hidden, no place. Items 3..7 are two to a row.
  EXPECT_FALSE(blocks[0]->block.IsVisible());
  EXPECT_EQ(blocks[3]->block.Rect().left, g.paletteLeft);
  EXPECT_EQ(blocks[4]->block.Rect().left, g.paletteLeft + g.blockWidth + g.gap);
  EXPECT_EQ(blocks[5]->block.Rect().top, g.paletteTop + g.blockHeight + g.gap);
  EXPECT_EQ(blocks[5]->block.Rect().left, g.paletteLeft);
  EXPECT_EQ(blocks[7]->block.Rect().top, g.paletteTop + 2 * (g.blockHeight + g.gap));
  EXPECT_EQ(blocks[3]->item->GetCaption(), "CONST_CODE1");
  EXPECT_EQ(page->FindBlockByWnd(blocks[3]->item.get()).index, 3);
  EXPECT_TRUE(page->FindBlockByWnd(blocks[3]->item.get()).inDataList);

  // Rebuilt for a new layout: the same blocks; one standing in the frame
  // moves with the others but stays out of the palette.
  const CFrameBlock* before = &blocks[7]->block;
  const int id = blocks[7]->item->id;
  page->ApplyBlockToSendFormats("COMMAND", false, false);
  page->geometry.paletteTop = 100;
  page->BuildDataBlocks(page->geometry, kDefinitions);
  EXPECT_EQ(&blocks[7]->block, before);
  EXPECT_EQ(blocks[7]->item->id, id);
  EXPECT_EQ(blocks[3]->block.Rect().top, 100);
  EXPECT_EQ(blocks[7]->block.Rect().top, 100 + 2 * (g.blockHeight + g.gap));
  EXPECT_FALSE(blocks[7]->block.IsVisible());
  EXPECT_TRUE(blocks[6]->block.IsVisible());

  // An empty palette number keeps its entry empty, and walks pass over it.
  std::string definitions = testsupport::ReadBytes(kDefinitions);
  definitions.replace(definitions.find("4=CONST_CODE2"), 2, "4x=");
  testsupport::WriteBytes(dir.File("setting.ini"), definitions);
  CDataFormatModel gapped(doc);
  ASSERT_TRUE(gapped.LoadFromProjectWith(dir.File("setting.ini")));
  ASSERT_EQ(gapped.DataBlocks().size(), 9u);
  EXPECT_EQ(gapped.DataBlocks()[4], nullptr);
  EXPECT_EQ(gapped.DataBlocks()[5]->block.Rect().left, g.paletteLeft + g.blockWidth + g.gap);
  gapped.OnConstCodeClicked(3, true);
  gapped.ApplyBlockToSendFormats("CONST_CODE2", false, false);
  EXPECT_TRUE(gapped.CheckConstCodesPlaced() == false);

  // Frame blocks from the template: each new one marks the one before as followed.
  page->BuildFrameBlocks(true, "");
  page->BuildFrameBlocks(false, "Mine");
  const BlockList& frame = page->FirstFrameBlocks();
  ASSERT_EQ(frame.size(), 2u);
  EXPECT_EQ(frame[0]->block.GetText(), "DATA0");
  EXPECT_EQ(frame[0]->block.GetMacroName(), "DATA0");
  EXPECT_TRUE(frame[0]->block.HasSuccessor());
  EXPECT_EQ(frame[0]->block.FillColour(), RgbColour(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(frame[1]->block.GetText(), "Mine");
  EXPECT_EQ(frame[1]->block.GetMacroName(), "DATA1");
  EXPECT_FALSE(frame[1]->block.HasSuccessor());
  EXPECT_GT(frame[1]->item->id, frame[0]->item->id);
  page->maxFrameBlocks = 2;
  page->BuildFrameBlocks(true, "");
  EXPECT_EQ(frame.size(), 2u);

  // Deleted blocks leave the frame first: no place keeps an item that is gone.
  page->ApplyBlockToSendFormats("COMMAND", false, false);
  page->ApplyBlockToSendFormats("Mine", true, false);
  EXPECT_EQ(FrameTexts(*page), (std::vector<wxString>{"COMMAND", "Mine"}));
  page->ClearBlocks();
  EXPECT_EQ(FrameTexts(*page), (std::vector<wxString>{"COMMAND"}));
  page->ClearDataBlocks();
  EXPECT_TRUE(FrameTexts(*page).empty());
  EXPECT_TRUE(page->FirstFrameDataFields().empty());
}

TEST_F(DataFormatModelTest, FrameChecksNameWhatIsMissing) {
  auto page = NewPage();
  page->ApplyBlockToSendFormats("CONST_CODE2", false, false);
  EXPECT_FALSE(page->CheckFrameHasCommandAndConst());
  EXPECT_EQ(page->errorLine, "The frame must hold the command and a constant code.");
  page->ApplyBlockToSendFormats("COMMAND", false, false);
  EXPECT_TRUE(page->CheckFrameHasCommandAndConst());
  EXPECT_TRUE(page->errorLine.empty());

  EXPECT_FALSE(page->CheckConstCodesPlaced());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "These constant codes are enabled but not placed in the frame: 1");
  EXPECT_EQ(ListUnplacedConstCodes(0b0010, 4), "1,3,4");
  EXPECT_EQ(ListUnplacedConstCodes(0b1111, 4), "");

  // A translation whose conversions do not fit is shown as it stands.
  const wxString lang = dir.File("Lang.ini");
  testsupport::WriteBytes(lang, "[1252]\r\nIDS_CONSTCODE_UNCONSIG=Codes %d and %s\r\n");
  state.App().langFile = lang;
  EXPECT_FALSE(page->CheckConstCodesPlaced());
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].text, "Codes %d and %s");

  // The connect code as the last block is refused only while its option is on.
  doc.ConstCodeOn[1] = 0;
  EXPECT_TRUE(page->CheckConnectCodeNotLast());
  doc.RepeatCodeOn = 1;
  page->EnableToggleBit(true);
  EXPECT_EQ(FrameTexts(*page).back(), "IDS_CONNECT_CODE");
  EXPECT_FALSE(page->CheckConnectCodeNotLast());
  EXPECT_EQ(boxes.boxes.size(), 3u);
}

TEST_F(DataFormatModelTest, ValidationRefusesTheFirstEmptyOrOutOfRangeInput) {
  auto page = NewPage();
  page->OnSendTypeChanged(0);
  EXPECT_FALSE(page->ValidateParams(0));
  EXPECT_EQ(page->focusRequest, kAddressBits) << "address bit count is empty";
  Type(*page, kAddressBits, "0");
  Type(*page, kCommandBits2, "8");
  Type(*page, kConstBits[0], "8");
  Type(*page, kConstValue[0], "1");
  Type(*page, kConstBits[1], "8");
  Type(*page, kConstValue[1], "2");
  Type(*page, kCommandBits, "17");
  EXPECT_FALSE(page->ValidateParams(0));
  EXPECT_EQ(page->focusRequest, kCommandBits) << "17 is beyond the definition's 16";
  Type(*page, kCommandBits, "8");
  EXPECT_TRUE(page->ValidateParams(0)) << "the disabled address input is not checked";
  Type(*page, kConstValue[1], "100");
  EXPECT_FALSE(page->ValidateParams(0));
  EXPECT_EQ(page->focusRequest, kConstValue[1]);
}

// The refused input is marked ("*" and the red frame) and keeps its marks
// when the bit count that limits it changes; its own report of a value lets
// them go, and so does a bit count that disables it.
TEST_F(DataFormatModelTest, RefusedInputStaysMarkedUntilItReportsItsValue) {
  auto page = NewPage();
  page->OnSendTypeChanged(0);
  Type(*page, kCommandBits2, "8");
  Type(*page, kAddressBits, "8");
  const stInputState& address = *page->FindInput(kAddress);
  ASSERT_TRUE(address.enabled);
  EXPECT_FALSE(page->ValidateParams(0));
  ASSERT_EQ(page->focusRequest, kAddress);
  EXPECT_EQ(address.unitText, "*");
  EXPECT_TRUE(address.refused);
  Type(*page, kAddressBits, "4");
  EXPECT_EQ(address.unitText, "*");
  EXPECT_TRUE(address.refused);
  Type(*page, kAddress, "A");
  EXPECT_EQ(address.unitText, "");
  EXPECT_FALSE(address.refused);

  Type(*page, kAddress, "");
  EXPECT_FALSE(page->ValidateParams(0));
  ASSERT_TRUE(address.refused);
  Type(*page, kAddressBits, "0");
  EXPECT_FALSE(address.enabled);
  EXPECT_EQ(address.unitText, "");
  EXPECT_FALSE(address.refused);
  EXPECT_TRUE(boxes.boxes.empty());
}

// A definition without a name cannot check its value: the page is refused
// with a message instead of silently.
TEST_F(DataFormatModelTest, DefinitionWithoutANameRefusesWithAMessage) {
  std::string text = testsupport::ReadBytes(kDefinitions);
  const std::size_t name = text.find("Name=MSB_FIRST");
  ASSERT_NE(name, std::string::npos);
  text.replace(name, 14, "Name=");
  const wxString definitions = dir.File("setting.ini");
  testsupport::WriteBytes(definitions, text);
  doc.NewProject = 1;
  CDataFormatModel page(doc);
  ASSERT_TRUE(page.LoadFromProjectWith(definitions));
  EXPECT_FALSE(page.ValidateParams(0));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, GetLangText("IDS_GET_PORTOCOL_INFO_ERROR"));
}

TEST_F(DataFormatModelTest, FunctionRecordCheckEndsForAModeMaskOfZero) {
  auto page = NewPage();
  page->BuildFrameBlocks(true, "");
  page->BuildFrameBlocks(true, "");
  const int palette = static_cast<int>(page->DataBlocks().size());
  stFuncRecord modes;
  modes.Name = "IDS_MODE";
  modes.Data.resize(2);
  state.FuncRecords().StoreFuncRecord(100, modes);
  stFuncRecord first;
  first.ModeSelect = 0;
  state.FuncRecords().StoreFuncRecord(palette, first);
  const stListBlock& block = *page->FirstFrameBlocks()[0];
  ASSERT_TRUE(page->SendFormat().InsertAt(kKindData, 3, block.item.get(), 0, false, true, true, false));

  EXPECT_FALSE(page->CheckFunctionRecords());
  ASSERT_FALSE(boxes.boxes.empty());
  EXPECT_EQ(boxes.boxes.back().text, "A function in the frame has no mode selected.");

  stFuncRecord* record = nullptr;
  ASSERT_TRUE(FindFuncRecord(palette, &record));
  record->ModeSelect = 0xFF;
  EXPECT_TRUE(page->CheckFunctionRecords());
  EXPECT_EQ(record->ModeSelect, 0x03) << "halved until mask - 1 needs no more than two bits";
  state.FuncRecords().Clear();
}

// After a time-data drop the time blocks leave the frame for the palette;
// the fields after them close the gap.
TEST_F(DataFormatModelTest, TimeBlocksLeaveTheFrameAfterATimeDataDrop) {
  std::string definitions = testsupport::ReadBytes(kDefinitions);
  definitions.replace(definitions.find("6=CONST_CODE4"), 13, "6=IDS_TIME_OPEN");
  testsupport::WriteBytes(dir.File("setting.ini"), definitions);
  doc.NewProject = 1;
  doc.FormatType = -1;
  CDataFormatModel page(doc);
  ASSERT_TRUE(page.LoadFromProjectWith(dir.File("setting.ini")));
  for (const char* name : {"CONST_CODE1", "IDS_TIME_OPEN", "COMMAND"})
    page.ApplyBlockToSendFormats(name, false, false);
  ASSERT_EQ(FrameTexts(page), (std::vector<wxString>{"CONST_CODE1", "IDS_TIME_OPEN", "COMMAND"}));
  EXPECT_EQ(page.RemoveTimeBlocks(), 1);
  EXPECT_EQ(FrameTexts(page), (std::vector<wxString>{"CONST_CODE1", "COMMAND"}));
  EXPECT_TRUE(page.DataBlocks()[6]->block.IsVisible());
  EXPECT_EQ(page.RemoveTimeBlocks(), 0);
}

// Each mode's divisor, and the modes whose divisor would be zero or negative
// (one block with a tail and kind 2 off) giving the block rectangle's width.
TEST(BlockWidthTest, SharesTheRowAndNeverDividesByANonPositiveCount) {
  const stBlockWidthArea area{1000, 20, 100};  // 960 free, 860 beside the block rectangle
  struct Case {
    bool head, tail, kind2;
    int n, width;
  };
  const Case cases[] = {
      {true, false, true, 9, 86},    {false, true, true, 11, 86},   {false, false, true, 12, 80},
      {true, false, false, 10, 86},  {false, true, false, 12, 86},  {false, false, false, 11, 86},
      {false, true, false, 1, 100},  {false, true, false, 2, 100},  {false, true, true, 1, 100},
      {false, false, false, 1, 100}, {false, false, false, 0, 100}, {true, false, false, 1, 100},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CalcBlockWidth(c.head, c.tail, c.kind2, c.n, area), c.width)
        << "head " << c.head << " tail " << c.tail << " kind2 " << c.kind2 << " n " << c.n;
  }
}

// Braces keep commas inside one text; a text without them is cut at its first
// comma; an unclosed brace is a broken definition, said in a plain box.
TEST(BlockTextTest, BracesKeepCommasAndAnUnclosedBraceIsReported) {
  testsupport::CMessageRecorder boxes;
  struct Case {
    const char* text;
    const char* result;
    const char* rest;
  };
  const Case cases[] = {
      {"{a,b},,c,d", "a,b", "c,d"},
      {"name,rest", "name", "rest"},
      {"alone", "alone", ""},
      {"{}", "", ""},
  };
  for (const Case& c : cases) {
    wxString text = c.text;
    EXPECT_EQ(CBaseDataFormat::ParseBlockText(text), c.result) << c.text;
    EXPECT_EQ(text, c.rest) << c.text;
  }
  EXPECT_TRUE(boxes.boxes.empty());
  wxString broken = "{a,b";
  EXPECT_EQ(CBaseDataFormat::ParseBlockText(broken), "");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "The format error in setting.ini");
}

}  // namespace

// A constant code dragged into the frame without its box ticked is saved with
// its flag 0; the reopened page keeps it in the frame and passes validation.
TEST_F(DataFormatModelTest, ConstantCodeInTheSavedFrameStaysWhenItsFlagWasSavedOff) {
  doc.RepeatCodeOn = 1;
  doc.LeadCodeOn = 1;
  auto page = NewPage();
  for (const char* name : {"CONST_CODE1", "CONST_CODE2", "CONST_CODE3", "COMMAND"})
    page->ApplyBlockToSendFormats(name, false, false);
  for (int id : {kAddressBits, kCommandBits2, kCommandBits, kConstBits[0], kConstBits[1], kConstBits[2]})
    Type(*page, id, "8");
  for (int id : {kAddress, kConstValue[0], kConstValue[1], kConstValue[2]}) Type(*page, id, "1");
  ASSERT_TRUE(page->StorePageData());
  ASSERT_TRUE(page->SaveToProject());
  ASSERT_EQ(Custom("CONST3_ON"), "0");
  ASSERT_EQ(Custom("SendData"),
            "IDS_GUIDE_CODE,CONST_CODE1,CONST_CODE2,CONST_CODE3,COMMAND,IDS_CONNECT_CODE");

  CDocManage other;
  other.ProjectFilePath = doc.ProjectFilePath;
  other.RepeatCodeOn = 1;
  other.LeadCodeOn = 1;
  CDataFormatModel reopened(other);
  ASSERT_TRUE(reopened.LoadFromProjectWith(kDefinitions));
  EXPECT_EQ(FrameTexts(reopened), FrameTexts(*page));
  EXPECT_EQ((std::vector<int>(other.ConstCodeOn, other.ConstCodeOn + 4)), (std::vector<int>{1, 1, 1, 0}));
  EXPECT_TRUE(reopened.FindCheck(kConstEnable[2])->checked);
  EXPECT_EQ(reopened.FindInput(kConstValue[2])->text, "1");
  EXPECT_TRUE(reopened.ValidateParams(0));
  ASSERT_TRUE(reopened.SaveToProject());
  EXPECT_EQ(Custom("CONST3_ON"), "1");
  EXPECT_EQ(Custom("SendData"),
            "IDS_GUIDE_CODE,CONST_CODE1,CONST_CODE2,CONST_CODE3,COMMAND,IDS_CONNECT_CODE");
}

// The key set-up on the key page: matrix, step and touch keypads on chips of
// each pin-rule family, pins dragged from the picker and out of the cells,
// the mode and ROW VSS questions, the LED choices, saved and read back, and
// the circuit diagram exported and read with pdftotext.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/ProjectFile.h"
#include "core/ProjectKinds.h"
#include "keys/KeySetupPdf.h"
#include "keys/pages/KeyButton.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeyDlg.h"
#include "keys/pages/KeyDlgEx.h"
#include "keys/pages/KeySetDlg.h"
#include "keys/pages/KeysPages.h"
#include "keys/pages/PinPicker.h"
#include "platform/Profile.h"
#include "platform/SystemViewer.h"
#include "ui/LUMaskEdit.h"
#include "HostFrame.h"
#include "MessageRecorder.h"
#include "PageTestBase.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/filename.h>
#include <wx/textctrl.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

using testsupport::PumpEvents;

std::string PdfText(const wxString& pdf) {
  const std::string txt = pdf.ToStdString() + ".txt";
  const std::string cmd = "pdftotext -layout '" + pdf.ToStdString() + "' '" + txt + "'";
  if (std::system(cmd.c_str()) != 0) return std::string();
  std::ifstream in(txt);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A file name under the build's artifacts folder, without extension.
wxString ArtifactStem(const wxString& name) {
  const wxString folder = wxString(OLV_BINARY_DIR) + wxFILE_SEP_PATH + "artifacts";
  wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  return folder + wxFILE_SEP_PATH + name;
}

class KeySetupDialogTest : public testsupport::PageTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    RegisterKeysPages();
    platform::SetSystemViewerLauncher([this](const wxString& path) {
      opened.push_back(path);
      return true;
    });
  }
  void TearDown() override {
    host.reset();
    PumpEvents();
    platform::SetSystemViewerLauncher(nullptr);
  }

  // The key page of a project kept in `project`, read from it.
  CKeyConfigDlg* Open(const wxString& mcu, const wxString& package, int remoteType, int keypad) {
    host.reset();
    state.FrameworkKind() = remoteType;
    state.Doc().RemoteType = remoteType;
    state.Doc().McuName = mcu;
    state.Doc().PackageName = package;
    state.Doc().Keypad = keypad;
    state.Doc().CommandBits = 8;
    state.Doc().ProjectFilePath = project;
    state.Doc().ProjectFolder = work.Path();
    state.Doc().SetNewProject(false);
    host = std::make_unique<testsupport::HostFrame>(wxSize(1200, 760), wxPoint(20, 20),
                                                    testsupport::HostContent::Empty);
    page = new CKeyConfigDlg(host->Frame());
    host->Frame()->SendSizeEvent();
    PumpEvents();
    EXPECT_TRUE(page->LoadFromProject());
    page->OnPageShown();
    page->LayoutControls();
    PumpEvents();
    return page;
  }
  // Saves the page and reads back its [KeyConfig] section.
  std::vector<wxString> Save() {
    EXPECT_TRUE(page->SaveToProject());
    return platform::ReadProfileSection(project, "KeyConfig");
  }
  static bool Has(const std::vector<wxString>& lines, const wxString& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  CKeySetDlg* Setup() const { return dynamic_cast<CKeySetDlg*>(page->GetKeySetPanel()); }
  CKeyDlgEx* Panel() const { return Setup()->KeyPanel(); }
  template <class T>
  T* Control(int id) const {
    return dynamic_cast<T*>(Setup()->FindWindow(id));
  }
  bool IsFree(const wxString& pin) const { return page->GetPinPicker()->Model().IsFree(pin); }
  wxString Param(int index) const { return g_DocManage.GetParam(index); }

  // Drags a pin from the picker and releases it over a cell.
  void DragPin(const wxString& pin, int line) {
    CIOButton* button = page->GetPinPicker()->FindPinButton(pin);
    ASSERT_TRUE(button) << pin;
    const wxRect cell = Setup()->LineRect(line);
    const wxPoint target =
        Setup()->ClientToScreen(cell.GetPosition() + wxSize(cell.width / 2, cell.height / 2));
    testsupport::MouseDown(button, wxPoint(4, 4));
    testsupport::MouseMove(button, button->ScreenToClient(target), true);
    testsupport::MouseUp(button, button->ScreenToClient(target));
    PumpEvents();
  }
  // Drags a cell's pin out of the cells.
  void DragOut(int line) {
    CKeySetDlg* setup = Setup();
    testsupport::MouseDown(setup, setup->LineRect(line).GetPosition() + wxSize(4, 4));
    testsupport::MouseMove(setup, wxPoint(3, 40), true);
    testsupport::MouseUp(setup, wxPoint(3, 40));
    PumpEvents();
  }
  static void Pick(wxChoice* choice, int index) {
    choice->SetSelection(index);
    wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
    event.SetEventObject(choice);
    event.SetInt(index);
    choice->ProcessWindowEvent(event);
    PumpEvents();
  }
  static void Toggle(wxCheckBox* box) {
    box->SetValue(!box->GetValue());
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(box->GetValue() ? 1 : 0);
    box->ProcessWindowEvent(event);
    PumpEvents();
  }
  // Clicks a key's code box, types the digits and moves on.
  void TypeCode(int cell, const wxString& digits) {
    CKeyDlgEx* panel = Panel();
    const wxRect shown = panel->CellBoxRect(cell);
    ASSERT_TRUE(wxRect(panel->GetClientSize()).Contains(shown)) << "cell " << cell << " is not in sight";
    long expected = 0;
    ASSERT_TRUE(digits.ToLong(&expected, 16));
    testsupport::Click(panel, shown.GetPosition() + wxPoint(shown.width / 2, shown.height / 2));
    PumpEvents();
    ASSERT_EQ(panel->EditedCell(), cell) << "cell " << cell;
    wxTextCtrl* text = panel->GetCodeEditor()->GetTextCtrl();
    text->SelectAll();
    testsupport::TypeKey(text, WXK_BACK);
    testsupport::TypeText(text, digits);
    ASSERT_EQ(panel->EditedCell(), cell) << "cell " << cell << " lost its editor while typing";
    testsupport::MoveFocus(text, panel);
    EXPECT_EQ(panel->Slots().Get(cell), expected) << "cell " << cell;
    ASSERT_EQ(panel->EditedCell(), -1);
  }
  void Preview(const wxString& chosen) {
    Setup()->SetPathChooser([chosen] { return chosen; });
    wxButton* button = Control<wxButton>(CKeySetDlg::kPreviewId);
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
    PumpEvents();
  }
  wxString BoxText(std::size_t i) const {
    return i < recorder.boxes.size() ? recorder.boxes[i].text : wxString();
  }

  testsupport::TempDir work;
  wxString project = work.File("Keys.lmirprj");
  testsupport::CMessageRecorder recorder;
  std::unique_ptr<testsupport::HostFrame> host;
  CKeyConfigDlg* page = nullptr;
  std::vector<wxString> opened;
};

TEST_F(KeySetupDialogTest, DevelopmentBoardMatrixAsksBeforeEveryChangeAndReloadsWithoutGaps) {
  Open("QK37A0640", "20SSOP", kRemoteGeneral, kKeypadMatrix);
  auto* mode = Control<wxChoice>(CKeySetDlg::kModeComboId);
  auto* vss = Control<wxCheckBox>(CKeySetDlg::kVssBoxId);
  auto* led = Control<wxCheckBox>(CKeySetDlg::kLedBoxId);
  ASSERT_TRUE(mode->IsShown()) << "20SSOP offers the development board";
  ASSERT_TRUE(vss->IsShown());
  EXPECT_FALSE(Control<wxChoice>(CKeySetDlg::kFrequencyComboId)->IsShown());
  EXPECT_EQ(led->GetLabel(), GetLangText("LED"));

  // The development board's wiring, after the question.
  recorder.answers = {platform::kIdCancel};
  Pick(mode, 1);
  EXPECT_EQ(mode->GetSelection(), 0);
  EXPECT_EQ(g_DocManage.KeyMode, 0);
  EXPECT_EQ(BoxText(0), GetLangText("IDS_CHANGE_MODE"));
  recorder.answers = {platform::kIdOk};
  Pick(mode, 1);
  ASSERT_EQ(g_DocManage.KeyMode, 1);
  EXPECT_EQ(Param(18), "PA0,PA1,PA2,PA3,PA4,PA5,PA6,PA7, ,PB4,PB5,PB6");
  EXPECT_EQ(g_DocManage.VssRow, 1);
  EXPECT_TRUE(vss->GetValue());
  EXPECT_TRUE(led->GetValue());
  EXPECT_EQ(Setup()->LedPin(), "PC0");
  EXPECT_FALSE(IsFree("PB6"));
  EXPECT_TRUE(IsFree("PB7")) << "only the rows in use take pins";
  EXPECT_EQ(Panel()->Shape().activeRows, 4) << "three pinned rows and the VSS row";
  const wxArrayString choices = Control<wxChoice>(CKeySetDlg::kLedComboId)->GetStrings();
  EXPECT_EQ(choices.Index("PA1"), wxNOT_FOUND) << "key pins are no LED choices";
  EXPECT_NE(choices.Index("PC1"), wxNOT_FOUND);

  // The drawing of this set-up on a page the test makes: the VSS row first.
  {
    HPDF_Doc doc = HPDF_New(nullptr, nullptr);
    HPDF_Font font = LoadUtf8Font(doc, FindUtf8FontFile());
    HPDF_Page pdfPage = HPDF_AddPage(doc);
    HPDF_Page_SetSize(pdfPage, HPDF_PAGE_SIZE_A4, HPDF_PAGE_LANDSCAPE);
    stPdfPlacement at;
    at.originX = 40;
    at.originY = 555;
    ASSERT_TRUE(DrawKeySetupPdf(doc, pdfPage, font, Setup()->DiagramContent().snapshot, at));
    const wxString pdf = work.File("board.pdf");
    ASSERT_EQ(HPDF_SaveToFile(doc, pdf.fn_str()), static_cast<HPDF_STATUS>(HPDF_OK));
    HPDF_Free(doc);
    const std::string text = PdfText(pdf);
    for (const char* want : {"COL0", "COL7", "VSS", "ROW0", "ROW2", "S0", "S31"})
      EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
    EXPECT_EQ(text.find("ROW3"), std::string::npos) << text;
  }

  // Any change leaves the board's wiring only after its question.
  recorder.boxes.clear();
  recorder.answers = {platform::kIdCancel};
  Toggle(vss);
  EXPECT_TRUE(vss->GetValue());
  EXPECT_EQ(g_DocManage.VssRow, 1);
  EXPECT_EQ(g_DocManage.KeyMode, 1);
  EXPECT_EQ(Panel()->Shape().activeRows, 4);
  EXPECT_EQ(Param(18), "PA0,PA1,PA2,PA3,PA4,PA5,PA6,PA7, ,PB4,PB5,PB6");
  EXPECT_EQ(BoxText(0), GetLangText("IDS_CHANGE_DEFAULT"));

  // A code on the VSS row: unticking asks first; Cancel keeps it.
  TypeCode(2, "45");
  ASSERT_EQ(Panel()->Slots().Get(2), 0x45);
  recorder.boxes.clear();
  recorder.answers = {platform::kIdCancel};
  Toggle(vss);
  EXPECT_TRUE(vss->GetValue());
  EXPECT_EQ(BoxText(0), GetLangText("IDS_CHANGE_VSS"));
  EXPECT_EQ(Panel()->Slots().Get(2), 0x45);
  // Both answered OK: user mode, no VSS row.
  recorder.boxes.clear();
  recorder.answers = {platform::kIdOk, platform::kIdOk};
  Toggle(vss);
  EXPECT_FALSE(vss->GetValue());
  EXPECT_EQ(g_DocManage.VssRow, 0);
  EXPECT_EQ(g_DocManage.KeyMode, 0);
  EXPECT_EQ(mode->GetSelection(), 0);
  ASSERT_EQ(recorder.boxes.size(), 2u);
  EXPECT_EQ(Panel()->Shape().activeRows, 3);
  EXPECT_EQ(Panel()->Slots().Get(2), kNoKeyCode) << "leaving the board's mode clears the codes";

  // Codes beyond the eighth key, then the middle column dragged out.
  TypeCode(0, "45");
  TypeCode(9, "1a");
  TypeCode(20, "33");
  DragOut(3);
  EXPECT_TRUE(IsFree("PA3"));
  EXPECT_EQ(Param(18), "PA0,PA1,PA2,PA4,PA5,PA6,PA7, ,PB4,PB5,PB6");
  const std::vector<wxString> saved = Save();
  for (const char* line :
       {"IOColCount=7", "IORowCount=3", "IOConfigItem=PA0,PA1,PA2,PA4,PA5,PA6,PA7, ,PB4,PB5,PB6",
        "LEDSetting=PC0", "ItemKey0=0x45,-1,-1,-1,-1,-1,-1,-1"})
    EXPECT_TRUE(Has(saved, line)) << line;

  // Read back: the same pins, counts, LED and codes, and no complaint.
  state.Doc().SetParam(18, wxString());
  state.Doc().SetParam(19, wxString());
  state.Doc().IoColCount = state.Doc().IoRowCount = 0;
  recorder.boxes.clear();
  Open("QK37A0640", "20SSOP", kRemoteGeneral, kKeypadMatrix);
  EXPECT_TRUE(recorder.boxes.empty()) << BoxText(0);
  EXPECT_EQ(Setup()->PinListText(), "PA0,PA1,PA2,PA4,PA5,PA6,PA7, ,PB4,PB5,PB6");
  EXPECT_EQ(Setup()->LedPin(), "PC0");
  EXPECT_EQ(Panel()->Shape().active, 7);
  EXPECT_EQ(Panel()->Slots().Get(0), 0x45);
  EXPECT_EQ(Panel()->Slots().Get(8 + 1), 0x1a);
  EXPECT_EQ(Panel()->Slots().Get(16 + 4), 0x33);
  EXPECT_FALSE(IsFree("PB5"));
  EXPECT_EQ(Save(), saved);
  testsupport::SaveWindowScreenshot(Setup(), "key_setup_dialog.png");
  state.App().currentLangSection = "936";
  page->ApplyLanguage();
  PumpEvents();
  for (int id : {CKeySetDlg::kModeLabelId, CKeySetDlg::kPreviewId, CKeySetDlg::kLedBoxId})
    EXPECT_FALSE(Setup()->FindWindow(id)->GetLabel().StartsWith("IDS_")) << id;
  EXPECT_EQ(Control<wxChoice>(CKeySetDlg::kModeComboId)->GetString(1), GetLangText("IDS_DEVELOPBOARD_MODE"));
  testsupport::SaveWindowScreenshot(Setup(), "key_setup_dialog_zh.png");
  state.App().currentLangSection = "1252";
}

TEST_F(KeySetupDialogTest, StepKeypadWithLedExportsItsDiagram) {
  Open("QK21C0510", "16NSOP", kRemoteGeneral, kKeypadStep);
  EXPECT_FALSE(Control<wxChoice>(CKeySetDlg::kModeComboId)->IsShown()) << "no 20SSOP, no board mode";
  EXPECT_FALSE(Control<wxCheckBox>(CKeySetDlg::kVssBoxId)->IsShown());
  for (int i = 0; i < 4; ++i) DragPin(wxString::Format("PA%d", i), i);
  DragPin("PA5", 0);
  EXPECT_EQ(Param(18), "PA0,PA1,PA2,PA3,PA5") << "a pin dropped on a taken line takes the first free one";
  EXPECT_EQ(Panel()->Shape().active, 5);

  // The LED: its choices keep the first key pin of a step keypad.
  auto* led = Control<wxCheckBox>(CKeySetDlg::kLedBoxId);
  auto* pins = Control<wxChoice>(CKeySetDlg::kLedComboId);
  Toggle(led);
  EXPECT_TRUE(pins->IsEnabled());
  EXPECT_NE(pins->FindString("PA0"), wxNOT_FOUND);
  EXPECT_EQ(pins->FindString("PA1"), wxNOT_FOUND);
  recorder.boxes.clear();
  Preview(work.File("step"));
  EXPECT_EQ(BoxText(0), GetLangText("IDS_NO_SEL_LED"));
  EXPECT_TRUE(opened.empty());
  Pick(pins, pins->FindString("PB5"));
  EXPECT_EQ(Param(19), "PB5");

  TypeCode(0, "45");
  TypeCode(31, "1a");  // the tenth key: row 2 of rows with 16, 15, 14 ... cells

  // An existing file is replaced only after the question that names it.
  const wxString old = work.File("old.PDF");
  { std::ofstream(old.ToStdString()) << "old"; }
  recorder.boxes.clear();
  recorder.answers = {platform::kIdCancel};
  Preview(old);
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_NE(BoxText(0).Find(old), wxNOT_FOUND);
  EXPECT_TRUE(opened.empty());
  // A file that cannot be written is reported and not opened.
  recorder.boxes.clear();
  Preview(work.File("missing/step"));
  EXPECT_NE(BoxText(0).Find("missing"), wxNOT_FOUND);
  EXPECT_TRUE(opened.empty());

  recorder.boxes.clear();
  Preview(work.File("step"));
  EXPECT_TRUE(recorder.boxes.empty()) << BoxText(0);
  ASSERT_EQ(opened, std::vector<wxString>{work.File("step.pdf")});
  const std::string text = PdfText(opened[0]);
  for (const char* want : {"KEY0", "KEY4", "45H", "1aH", "S0", "S14"})
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
  EXPECT_EQ(text.find("KEY5"), std::string::npos) << text;
  EXPECT_EQ(text.find("S15"), std::string::npos) << text;
  EXPECT_EQ(std::system(("pdftoppm -png -r 90 -singlefile '" + opened[0].ToStdString() + "' '" +
                         ArtifactStem("key_setup_pdf").ToStdString() + "'")
                            .c_str()),
            0);

  const std::vector<wxString> saved = Save();
  for (const char* line : {"IOCount=5", "IOConfigItem=PA0,PA1,PA2,PA3,PA5", "LEDSetting=PB5"})
    EXPECT_TRUE(Has(saved, line)) << line;
  Open("QK21C0510", "16NSOP", kRemoteGeneral, kKeypadStep);
  EXPECT_EQ(Panel()->Slots().Get(31), 0x1a);
  EXPECT_EQ(Setup()->LedPin(), "PB5");
}

TEST_F(KeySetupDialogTest, TouchKeypadDrawsItsTouchKeys) {
  Open("QK37B0640", "20SSOP", kRemoteGeneral, kKeypadStep);
  EXPECT_TRUE(Control<wxChoice>(CKeySetDlg::kFrequencyComboId)->IsShown());
  EXPECT_FALSE(Control<wxChoice>(CKeySetDlg::kModeComboId)->IsShown());
  EXPECT_EQ(Setup()->LineRect(0), wxRect()) << "no line cells";
  Pick(Control<wxChoice>(CKeySetDlg::kFrequencyComboId), 2);
  EXPECT_EQ(g_DocManage.TouchFrequency, 2);
  for (int id : {1385, 1387}) {
    auto* box = dynamic_cast<wxCheckBox*>(page->GetTouchKeyDialog()->FindWindow(id));
    ASSERT_TRUE(box);
    Toggle(box);
  }
  Setup()->SetPathChooser([this] { return work.File("touch"); });
  ASSERT_TRUE(Setup()->ExportDiagramPdf());
  const std::string text = PdfText(work.File("touch.pdf"));
  for (const char* want : {"KEY1", "KEY3", "K1", "K3"})
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
  EXPECT_EQ(text.find("KEY2"), std::string::npos) << text;
}

TEST_F(KeySetupDialogTest, LcdBacklightAvoidsTheChipsReservedPins) {
  state.Doc().CrystalOption = 1;
  state.Doc().LcdOption = 0;
  Open("QK37A0660", "44 LQFP", kRemoteLcdSimple, kKeypadStep);
  EXPECT_EQ(Control<wxCheckBox>(CKeySetDlg::kLedBoxId)->GetLabel(), GetLangText("IDS_BACK_LIGHT"));
  EXPECT_TRUE(Control<wxCheckBox>(CKeySetDlg::kVssBoxId)->IsShown()) << "an LCD step keypad has its VSS line";
  EXPECT_FALSE(Control<wxChoice>(CKeySetDlg::kModeComboId)->IsShown());
  const wxArrayString choices = Control<wxChoice>(CKeySetDlg::kLedComboId)->GetStrings();
  ASSERT_FALSE(choices.empty());
  for (const char* pin : {"PB0", "PB1", "PB4", "PB5", "PB6"})
    EXPECT_EQ(choices.Index(pin), wxNOT_FOUND) << pin;
  Toggle(Control<wxCheckBox>(CKeySetDlg::kLedBoxId));
  recorder.boxes.clear();
  DragPin("PA0", 0);
  Preview(work.File("lcd"));
  EXPECT_EQ(BoxText(0), GetLangText("IDS_NO_SEL_BACKLIGHT"));
  state.Doc().CrystalOption = 0;
  state.Doc().LcdOption = 1;
}

TEST_F(KeySetupDialogTest, LcdKeysBeyondTheEighthTakeTheirFunctionsBack) {
  // Ten keys in use: none has a stored action list; the tenth refers to
  // function 0 ("IDS_SWITCH") by its index.
  wxString indexes;
  for (int key = 0; key < 10; ++key) indexes += key == 9 ? "1,0," : "1,-1,";
  const std::pair<const char*, wxString> keys[] = {
      {"IOCount", "5"},           {"IOConfigItem", "PA0,PA1,PA2,PA3,PA4"},
      {"ItemKey0", ",,,,,,,"},    {"ItemKey1", ","},
      {"IndexItemKey1", indexes},
  };
  for (const auto& [key, value] : keys) platform::WriteProfileString(project, "KeyConfig", key, value);
  state.Doc().VssRow = 1;
  Open("QK37A0660", "44 LQFP", kRemoteLcdSimple, kKeypadStep);
  EXPECT_TRUE(recorder.boxes.empty()) << BoxText(0);
  const std::vector<int> cells = Panel()->Shape().ActiveCells();
  ASSERT_GE(cells.size(), 10u);
  CKeyButton* tenth = Panel()->GetKeyButton(cells[9], false);
  ASSERT_TRUE(tenth);
  EXPECT_NE(tenth->GetActionSummary().Find("IDS_SWITCH"), wxNOT_FOUND) << tenth->GetActionSummary();
  EXPECT_EQ(Panel()->GetKeyButton(cells[8], false)->GetActionSummary().Find("IDS_SWITCH"), wxNOT_FOUND);
}

}  // namespace

// The LCD page's element panels on a stand-in page that answers and records
// the panels' messages as the LCD page will: the tabs, segment pins picked on
// the chip picture with real clicks, scrolling by bar and wheel, a package
// change with taken pins, the LED grid's swaps, a language switch, a chip or
// package the picture cannot show, and the screenshots.
#include "core/AppContext.h"
#include "core/ChipModel.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "diagram/pages/McuWnd.h"
#include "lcd/pages/ElementDlg.h"
#include "lcd/pages/LEDElementDlg.h"
#include "lcd/pages/MCUElementDlg.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "ui/ImageTipBtn.h"
#include "ui/shell/PageMessages.h"
#include "HostFrame.h"
#include "LayoutChecks.h"
#include "ProgramTestBase.h"
#include "RealInput.h"
#include "TempDir.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/notebook.h>
#include <wx/stattext.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

using Names = std::vector<wxString>;

// What the LCD page will be to the panels: it answers their questions and
// records every message; a pin it is asked for it gives to the segment.
class CStandInLcdPage : public wxPanel {
 public:
  explicit CStandInLcdPage(wxWindow* parent) : wxPanel(parent) {
    SetBackgroundColour(*wxWHITE);
    Bind(WM_LCD_PIN_PICK, [this](CShellMessageEvent& event) {
      picks.push_back(static_cast<int>(event.WParam()));
      if (takePicked) host->GetMcuPanel()->TakePin(static_cast<int>(event.WParam()));
      event.SetResult(1);
    });
    Bind(WM_LCD_CONFIG_FUNC, [this](CShellMessageEvent& event) {
      questions.push_back(*reinterpret_cast<const Names*>(event.WParam()));
      event.SetResult(acceptSwitch ? 1 : 0);
    });
    Bind(WM_LCD_ELEMENT_LIST, [this](CShellMessageEvent& event) {
      unplacedLists.push_back(*reinterpret_cast<const Names*>(event.WParam()));
    });
    Bind(WM_LCD_PIN_TABLE, [this](CShellMessageEvent& event) {
      pinTables.emplace_back(static_cast<int>(event.WParam()),
                             *reinterpret_cast<const wxString*>(event.LParam()));
    });
    Bind(WM_LED_ELEMENT, [this](CShellMessageEvent&) { ++ledChanges; });
  }

  CElementDlg* host = nullptr;
  bool takePicked = true;
  bool acceptSwitch = true;
  std::vector<int> picks;
  std::vector<Names> questions;
  std::vector<Names> unplacedLists;
  std::vector<std::pair<int, wxString>> pinTables;
  int ledChanges = 0;
};

wxString LcdSimpleChip(const wxString& mcu) {
  return platform::JoinPath(
      platform::JoinPath(
          platform::JoinPath(platform::JoinPath(OLV_SOURCE_DIR, "install"), "RemoteControlSetting"),
          "LCD_Simple/IC"),
      mcu + ".afg");
}

constexpr ColorRef kGreen = 0x91C180;

class ElementPanelsTest : public testsupport::ProgramTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    frame = std::make_unique<testsupport::HostFrame>(wxSize(900, 800), wxPoint(40, 40),
                                                     testsupport::HostContent::Empty);
    page = new CStandInLcdPage(frame->Frame());
    host = new CElementDlg(page);
    host->SetPosition(wxPoint(20, 20));
    page->host = host;
    frame->Frame()->SendSizeEvent();
    testsupport::PumpEvents();
  }
  void TearDown() override { frame.reset(); }

  void Open(const wxString& mcu, const wxString& package) {
    chip = std::make_unique<CChipInfo>();
    ASSERT_TRUE(chip->Load(mcu, LcdSimpleChip(mcu)));
    state.CurChip() = chip.get();
    state.Doc().McuName = mcu;
    state.Doc().PackageName = package;
    ASSERT_TRUE(host->LoadFromProject());
    ASSERT_NE(Picture(), nullptr);
    ASSERT_TRUE(testsupport::WaitUntilMapped(Picture()));
    testsupport::WaitForScreen(frame->Frame());  // the tabs laid out
  }
  CMCUElementDlg* Mcu() const { return host->GetMcuPanel(); }
  CMCUWnd* Picture() const { return Mcu()->GetPicture(); }
  // The pin that package's pin of that name is, by index.
  int PinOf(const wxString& package, const wxString& name) const {
    const CPackage* found = chip->FindPackage(package);
    for (int pin = 0; found && pin < found->GetPinCount(); ++pin) {
      wxString onIc, outKey;
      found->GetPinNames(pin, onIc, outKey);
      if (onIc == name) return pin;
    }
    ADD_FAILURE() << "no pin " << name << " on " << package;
    return -1;
  }
  // A point inside the pin's box at its far end from the body (the number cell is at the near end).
  wxPoint InBox(int pin) const {
    const wxRect box = Picture()->GetPinRect(pin);
    switch (Picture()->GetLayout().SideOf(pin)) {
      case mculayout::kSideLeft: return wxPoint(box.x + 3, box.y + box.height / 2);
      case mculayout::kSideRight: return wxPoint(box.GetRight() - 3, box.y + box.height / 2);
      case mculayout::kSideTop: return wxPoint(box.x + box.width / 2, box.y + 3);
      default: return wxPoint(box.x + box.width / 2, box.GetBottom() - 3);
    }
  }
  bool ClickPin(int pin) {
    const wxRect box = Picture()->GetPinRect(pin);
    return testsupport::RealClick(Picture(), box.GetPosition() + wxPoint(box.width / 2, box.height / 2));
  }
  // A real click on the tab of that page.
  bool ClickTab(int tab) {
    wxNotebook* tabs = host->GetTabs();
    for (int y = 2; y < 40; y += 3) {
      for (int x = 2; x < tabs->GetClientSize().x; x += 4) {
        if (tabs->HitTest(wxPoint(x, y)) == tab) return testsupport::RealClick(tabs, wxPoint(x + 4, y + 2));
      }
    }
    ADD_FAILURE() << "no tab " << tab << " on the screen";
    return false;
  }

  std::unique_ptr<testsupport::HostFrame> frame;
  CStandInLcdPage* page = nullptr;
  CElementDlg* host = nullptr;
  std::unique_ptr<CChipInfo> chip;
};

TEST_F(ElementPanelsTest, TabsSwitchAndALanguageSwitchRenamesThemKeepingTheSelection) {
  host->SetSize(wxSize(600, 540));  // room for the whole picture in the screenshot
  Open("QK37A0660", "32 QFN");
  wxNotebook* tabs = host->GetTabs();
  EXPECT_EQ(tabs->GetPageText(0), "MCU");
  EXPECT_EQ(tabs->GetPageText(1), "LCD display");
  EXPECT_EQ(host->GetSelectedTab(), 0);
  EXPECT_TRUE(Mcu()->IsShown());
  EXPECT_EQ(host->GetPanelRect().GetSize(), Mcu()->GetSize());

  ASSERT_TRUE(ClickTab(1));
  ASSERT_TRUE(testsupport::PumpUntil([&] { return host->GetSelectedTab() == 1; }));
  EXPECT_TRUE(host->GetLedPanel()->IsShown());
  EXPECT_FALSE(Mcu()->IsShown());

  state.App().currentLangSection = "936";
  host->ApplyLanguage();
  EXPECT_EQ(tabs->GetPageText(0), GetLangText("IDS_MCU_TITLE"));
  EXPECT_EQ(tabs->GetPageText(1), GetLangText("IDS_LED_TITLE"));
  EXPECT_NE(tabs->GetPageText(0), "MCU");
  EXPECT_EQ(host->GetSelectedTab(), 1);
  EXPECT_EQ(tabs->GetSelection(), 1);

  ASSERT_TRUE(ClickTab(0));
  ASSERT_TRUE(testsupport::PumpUntil([&] { return host->GetSelectedTab() == 0; }));
  Mcu()->TakePin(PinOf("32 QFN", "PC5"));
  EXPECT_EQ(testsupport::ClippedTexts(host), "");
  EXPECT_FALSE(testsupport::SaveWindowScreenshot(frame->Frame(), "element_panels_zh.png").empty());
}

TEST_F(ElementPanelsTest, AWhitePinIsTakenByThePageAndThenSendsNothing) {
  host->SetSize(wxSize(600, 540));
  Open("QK37A0660", "32 QFN");
  EXPECT_FALSE(Picture()->GetVerticalBar()->IsShown());
  EXPECT_FALSE(Picture()->GetHorizontalBar()->IsShown());
  const int segment = PinOf("32 QFN", "PC4");
  EXPECT_EQ(Picture()->GetPinInfo(segment).text[1], "PC4/SEG0");
  EXPECT_EQ(Picture()->GetPinInfo(segment).highlightColor, 0xFFFFFFu);
  EXPECT_TRUE(Picture()->IsPinAvailable(segment));
  EXPECT_EQ(Picture()->GetChipName(), "QK37A0660");
  EXPECT_EQ(Picture()->GetTitleSuffix(), "32 QFN");

  ASSERT_TRUE(ClickPin(segment));
  EXPECT_EQ(page->picks, std::vector<int>{segment});
  EXPECT_EQ(Picture()->GetPinInfo(segment).highlightColor, kGreen);
  EXPECT_FALSE(Picture()->IsPinAvailable(segment));
  EXPECT_TRUE(testsupport::PumpUntil(
      [&] { return testsupport::ScreenPixel(Picture(), InBox(segment)) == wxColour(128, 193, 145); }));
  ASSERT_TRUE(ClickPin(segment));
  EXPECT_EQ(page->picks.size(), 1u) << "a taken pin asks nothing";

  // Grey pins: a COM line, a plain port pin, the supply.
  for (const char* name : {"PC0", "PA1", "VDD"}) {
    const int pin = PinOf("32 QFN", name);
    EXPECT_EQ(Picture()->GetPinInfo(pin).highlightColor, CMCUElementDlg::kOtherColor) << name;
    ASSERT_TRUE(ClickPin(pin));
  }
  EXPECT_EQ(page->picks.size(), 1u);

  ASSERT_TRUE(ClickPin(PinOf("32 QFN", "PD3")));
  Mcu()->GiveBackPin(segment);
  EXPECT_TRUE(Picture()->IsPinAvailable(segment));
  Mcu()->TakePin(segment);
  Mcu()->TakePin(-1);  // refused: no pin is changed
  Mcu()->TakePin(99);
  EXPECT_TRUE(Picture()->IsPinAvailable(PinOf("32 QFN", "PD4")));
  EXPECT_EQ(testsupport::ClippedTexts(host), "");
  EXPECT_FALSE(testsupport::SaveWindowScreenshot(frame->Frame(), "chip_picture_32qfn.png").empty());
}

TEST_F(ElementPanelsTest, APictureLargerThanThePanelScrollsByBarAndWheel) {
  host->SetSize(wxSize(720, 700));
  Open("QK52A150", "52 LQFP");
  CMCUWnd* picture = Picture();
  Mcu()->TakePin(PinOf("52 LQFP", "PD0"));
  Mcu()->TakePin(PinOf("52 LQFP", "PF7"));
  EXPECT_FALSE(picture->GetVerticalBar()->IsShown());
  EXPECT_EQ(testsupport::ClippedTexts(host), "");
  EXPECT_FALSE(testsupport::SaveWindowScreenshot(frame->Frame(), "chip_picture_52lqfp.png").empty());

  // Smaller than the picture: both bars, the view centred (the body's middle
  // in the view's middle, up to half the difference of opposite labels).
  host->SetSize(wxSize(520, 360));
  testsupport::WaitForScreen(frame->Frame());
  ASSERT_TRUE(picture->GetVerticalBar()->IsShown());
  ASSERT_TRUE(picture->GetHorizontalBar()->IsShown());
  const wxSize view = picture->GetViewSize();
  const wxRect body = picture->GetBodyRect();
  const auto& layout = picture->GetLayout();
  const int across =
      std::abs(layout.GetOuterExtent(mculayout::kSideLeft) - layout.GetOuterExtent(mculayout::kSideRight));
  const int along =
      std::abs(layout.GetOuterExtent(mculayout::kSideTop) - layout.GetOuterExtent(mculayout::kSideBottom));
  EXPECT_NEAR(body.x + body.width / 2, view.x / 2, across / 2 + 2);
  EXPECT_NEAR(body.y + body.height / 2, view.y / 2, along / 2 + 2);

  // The bars: a click near the end of the vertical bar scrolls down, near its start up.
  wxScrollBar* bar = picture->GetVerticalBar();
  const int centred = layout.GetVertical().pos;
  ASSERT_TRUE(testsupport::RealClick(bar, wxPoint(bar->GetClientSize().x / 2, bar->GetClientSize().y - 6)));
  ASSERT_TRUE(testsupport::PumpUntil([&] { return layout.GetVertical().pos > centred; }));
  const int lower = layout.GetVertical().pos;
  EXPECT_EQ(bar->GetThumbPosition(), lower);
  const wxPoint pinBefore = picture->GetPinRect(0).GetPosition();
  ASSERT_TRUE(testsupport::RealClick(bar, wxPoint(bar->GetClientSize().x / 2, 6)));
  ASSERT_TRUE(testsupport::PumpUntil([&] { return layout.GetVertical().pos < lower; }));
  EXPECT_GT(picture->GetPinRect(0).y, pinBefore.y) << "the content moved down with the view going up";

  // The wheel: below the view's diagonal it scrolls across, above it up and down.
  const int horizontal = layout.GetHorizontal().pos;
  const int vertical = layout.GetVertical().pos;
  ASSERT_TRUE(testsupport::RealWheel(picture, wxPoint(20, view.y - 20), -1));  // towards the user
  ASSERT_TRUE(testsupport::PumpUntil([&] { return layout.GetHorizontal().pos != horizontal; }));
  EXPECT_EQ(layout.GetHorizontal().pos,
            std::min(horizontal + layout.GetHorizontal().page / 2, layout.GetHorizontal().Limit()));
  EXPECT_EQ(layout.GetVertical().pos, vertical);
  ASSERT_TRUE(testsupport::RealWheel(picture, wxPoint(view.x - 20, 20), 1));  // away from the user
  ASSERT_TRUE(testsupport::PumpUntil([&] { return layout.GetVertical().pos != vertical; }));
  EXPECT_EQ(layout.GetVertical().pos, std::max(vertical - layout.GetVertical().page / 2, 0));
}

TEST_F(ElementPanelsTest, APackageChangeWithTakenPinsAsksThePageAndPutsThemBack) {
  Open("QK52A150", "52 LQFP");
  ASSERT_TRUE(ClickPin(PinOf("52 LQFP", "PD0")));
  Mcu()->TakePin(PinOf("52 LQFP", "PF7"));  // 52 LQFP only
  ASSERT_EQ(page->picks.size(), 1u);

  page->acceptSwitch = false;
  EXPECT_FALSE(host->CanSwitchPackage("48 LQFP"));
  ASSERT_EQ(page->questions, (std::vector<Names>{{"PF7"}}));
  EXPECT_EQ(Mcu()->GetPackageName(), "52 LQFP");

  page->acceptSwitch = true;
  ASSERT_TRUE(host->CanSwitchPackage("48 LQFP"));
  ASSERT_TRUE(host->SwitchPackage("52 LQFP", "48 LQFP"));
  const int pd0 = PinOf("48 LQFP", "PD0");
  EXPECT_EQ(page->pinTables, (std::vector<std::pair<int, wxString>>{{pd0, "PD0"}}));
  EXPECT_EQ(page->unplacedLists, (std::vector<Names>{{"PF7"}}));
  ASSERT_EQ(Picture()->GetPinCount(), 48);
  EXPECT_EQ(Picture()->GetPinInfo(pd0).highlightColor, kGreen);
  EXPECT_FALSE(Picture()->IsPinAvailable(pd0));
  EXPECT_TRUE(Picture()->IsPinAvailable(PinOf("48 LQFP", "PD1")));

  // The project still names the old package: a resize lays out the one shown.
  host->SetSize(wxSize(600, 380));
  testsupport::PumpEvents();
  EXPECT_EQ(Picture()->GetPinInfo(pd0).text[1], "PD0/SEG1");

  // Back: nothing is missing, the page is still asked, nothing is left without a pin.
  ASSERT_TRUE(host->CanSwitchPackage("52 LQFP"));
  EXPECT_EQ(page->questions.back(), Names{});
  ASSERT_TRUE(host->SwitchPackage("48 LQFP", "52 LQFP"));
  EXPECT_EQ(page->unplacedLists.size(), 1u);
  EXPECT_EQ(Mcu()->GetTakenSegments(), Names{"PD0"});
  EXPECT_TRUE(Picture()->IsPinAvailable(PinOf("52 LQFP", "PF7")));

  // A project load shows every segment pin free.
  ASSERT_TRUE(host->LoadFromProject());
  EXPECT_TRUE(Picture()->IsPinAvailable(PinOf("52 LQFP", "PD0")));
  EXPECT_TRUE(Mcu()->GetTakenSegments().empty());
}

TEST_F(ElementPanelsTest, TheLedGridSwapsLettersAndTellsThePageOncePerChange) {
  Open("QK37A0660", "32 QFN");
  ASSERT_TRUE(ClickTab(1));
  ASSERT_TRUE(testsupport::PumpUntil([&] { return host->GetSelectedTab() == 1; }));
  CLEDElementDlg* led = host->GetLedPanel();
  ASSERT_TRUE(testsupport::WaitUntilMapped(led));
  EXPECT_TRUE(led->HasPicture());
  EXPECT_EQ(led->GetSegmentOrder(), "ABCDFGES");
  auto click = [&](int id) { return testsupport::RealClick(led->GetButton(id)); };

  ASSERT_TRUE(click(5038));  // A
  EXPECT_EQ(led->GetButton(5038)->GetColor(), CLEDElementDlg::kChosenColor);
  ASSERT_TRUE(click(5031));  // COM1: ignored, A stays chosen
  ASSERT_TRUE(click(5034));  // F
  EXPECT_EQ(page->ledChanges, 1);
  EXPECT_EQ(led->GetSegmentOrder(), "FBCDAGES");
  EXPECT_EQ(led->GetButton(5038)->GetLabel(), "F");
  EXPECT_EQ(led->GetButton(5038)->GetColor(), CLEDElementDlg::kPlainColor);
  EXPECT_EQ(led->BuildDigitGlyphs()[1], 6);

  ASSERT_TRUE(click(5035));
  ASSERT_TRUE(click(5035));  // the same button twice
  EXPECT_EQ(page->ledChanges, 1);
  ASSERT_TRUE(click(5037));  // the blank
  ASSERT_TRUE(click(5036));  // E
  EXPECT_EQ(page->ledChanges, 2);
  EXPECT_EQ(led->GetSegmentOrder(), "FBCDAGSE");

  led->SetSegmentOrder("ABCDEFGS");  // as the page sets it before use
  EXPECT_EQ(led->GetButton(5034)->GetLabel(), "E");
  EXPECT_EQ(led->GetButton(5037)->GetLabel(), " ");
  EXPECT_EQ(led->GetButton(5030)->GetLabel(), "COM0");
  EXPECT_EQ(page->ledChanges, 2);

  const wxRect client(led->GetClientSize());
  const wxRect tip = led->GetTipButton()->GetRect();
  EXPECT_EQ(tip.GetRight() + 1, client.GetRight() + 1 - 5);
  EXPECT_EQ(tip.y, 5);
  EXPECT_GE(led->GetPictureRect().y, 0);
  EXPECT_LE(led->GetPictureRect().GetBottom(), led->GetButton(5030)->GetRect().y);
  EXPECT_FALSE(testsupport::SaveWindowScreenshot(frame->Frame(), "element_led_panel.png").empty());

  // Larger: the grid scales with the panel and keeps the bottom half.
  host->SetSize(wxSize(host->GetSize().x * 3 / 2, host->GetSize().y * 3 / 2));
  testsupport::PumpEvents();
  const wxSize larger = led->GetClientSize();
  const wxRect last = led->GetButton(5041)->GetRect();
  EXPECT_NEAR(last.GetRight(), larger.x - 4, 4);
  EXPECT_NEAR(last.GetBottom(), larger.y - 4, 6);
  EXPECT_NEAR(led->GetButton(5030)->GetRect().y, larger.y / 2 + 4, 3);
}

TEST_F(ElementPanelsTest, WithoutAChipOrAPackageTheSidesFitThePanelShowsANotice) {
  state.CurChip() = nullptr;
  state.Doc().McuName = "QK37A0660";
  state.Doc().PackageName = "32 QFN";
  ASSERT_TRUE(host->LoadFromProject());
  EXPECT_EQ(Mcu()->GetPicture(), nullptr);
  ASSERT_TRUE(Mcu()->GetNotice()->IsShown());
  EXPECT_TRUE(Mcu()->GetNotice()->GetLabel().Contains("QK37A0660"));
  EXPECT_TRUE(Mcu()->GetNotice()->GetLabel().Contains("\"32 QFN\""));
  Mcu()->TakePin(3);
  Mcu()->GiveBackPin(3);
  EXPECT_TRUE(host->CanSwitchPackage("44 LQFP"));

  chip = std::make_unique<CChipInfo>();
  ASSERT_TRUE(chip->Load("QK37A0660", LcdSimpleChip("QK37A0660")));
  state.CurChip() = chip.get();
  state.Doc().PackageName = "99 XYZ";
  ASSERT_TRUE(host->LoadFromProject());
  EXPECT_EQ(Mcu()->GetPicture(), nullptr);
  EXPECT_TRUE(Mcu()->GetNotice()->GetLabel().Contains("99 XYZ"));

  // A four-sided package whose sides differ: no pin goes on a fifth side.
  testsupport::TempDir dir;
  wxString pins;
  for (int pin = 1; pin <= 16; ++pin) {
    pins += wxString::Format("<Pin Index=\"%d\" NameOnIC=\"PA%d\" NameOutKey=\"PA%d/SEG%d\"/>", pin, pin, pin,
                             pin);
  }
  const wxString xml =
      "<?xml version=\"1.0\"?><IR_MCU version=\"1.0\"><Packages Default=\"16 ODD\"><Package Name=\"16 ODD\" "
      "TopSidePins=\"3\" LeftSidePins=\"5\"><Pins>" +
      pins + "</Pins></Package></Packages></IR_MCU>";
  ASSERT_TRUE(platform::WriteFileBytes(dir.File("ODD.afg"), xml.ToStdString()));
  chip = std::make_unique<CChipInfo>();
  ASSERT_TRUE(chip->Load("ODD", dir.File("ODD.afg")));
  state.CurChip() = chip.get();
  state.Doc().McuName = "ODD";
  state.Doc().PackageName = "16 ODD";
  ASSERT_TRUE(host->LoadFromProject());
  EXPECT_EQ(Mcu()->GetPicture(), nullptr);
  EXPECT_TRUE(Mcu()->GetNotice()->GetLabel().Contains("16 ODD"));

  state.App().currentLangSection = "936";
  host->ApplyLanguage();
  EXPECT_EQ(Mcu()->GetNotice()->GetLabel(), platform::FormatChecked(GetLangText("IDS_CHIP_PICTURE_NONE"),
                                                                    {wxString("ODD"), wxString("16 ODD")}));
}

}  // namespace

// The send preview on its own, driven as the key panels drive it, and embedded
// in the key configuration page once the protocol pages are registered.
#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeysPages.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "protocol/gui/FrameDiagramPainter.h"
#include "protocol/pages/ProtocolPages.h"
#include "protocol/pages/SendPreviewDlg.h"
#include "ui/ImageTipBtn.h"
#include "ui/shell/PageMessages.h"
#include "HostFrame.h"
#include "TempDir.h"
#include "UiEvents.h"
#include "ProgramTestBase.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace olv::protocol {
namespace {

const wxColour kBackground(228, 236, 249);
const wxColour kBitsText(108, 174, 201);

bool IsNear(const wxColour& a, const wxColour& b, int tolerance = 40) {
  return std::abs(a.Red() - b.Red()) < tolerance && std::abs(a.Green() - b.Green()) < tolerance &&
         std::abs(a.Blue() - b.Blue()) < tolerance;
}

class SendPreviewTest : public testsupport::ProgramTestBase {
 protected:
  void SetUp() override { ResetToInstalledProgram(); }
  void TearDown() override {
    host.reset();
    testsupport::PumpEvents();
    RegisterSendPreviewPanel(nullptr);
  }

  // A standard protocol's frame in the document.
  void StandardFrame(const wxString& order, const wxString& mode, int addressBits, std::uint16_t address) {
    state.Doc().CodeMode = 1;
    state.Doc().AddressBits = static_cast<std::uint8_t>(addressBits);
    state.Doc().CommandBits = 8;
    state.Doc().Address = address;
    state.Doc().SetParam(22, order);
    state.Doc().SetParam(23, mode);
  }

  CSendPreviewDlg* MakePreview(const wxSize& size = wxSize(760, 240)) {
    host = std::make_unique<testsupport::HostFrame>(size, wxPoint(30, 30), testsupport::HostContent::Empty);
    auto* preview = new CSendPreviewDlg(host->Frame());
    host->Frame()->SendSizeEvent();
    testsupport::PumpEvents();
    return preview;
  }

  static long Select(wxWindow* preview, wxIntPtr keyCode) {
    const long result = SendShellMessage(preview, WM_SEND_PREVIEW, keyCode);
    testsupport::PumpEvents();
    return result;
  }

  // Pixels of the window on the screen whose colour passes the test, in an area of its client.
  static std::vector<wxPoint> PixelsWhere(wxWindow* window, const wxRect& area,
                                          const std::function<bool(const wxColour&)>& test) {
    const wxImage image = testsupport::WaitForScreen(window);
    const wxPoint offset = window->ClientToScreen(wxPoint(0, 0)) - window->GetScreenPosition();
    std::vector<wxPoint> found;
    for (int y = area.y; y <= area.GetBottom(); ++y)
      for (int x = area.x; x <= area.GetRight(); ++x) {
        const wxPoint at = wxPoint(x, y) + offset;
        if (!wxRect(image.GetSize()).Contains(at)) continue;
        if (test(wxColour(image.GetRed(at.x, at.y), image.GetGreen(at.x, at.y), image.GetBlue(at.x, at.y))))
          found.emplace_back(x, y);
      }
    return found;
  }

  std::unique_ptr<testsupport::HostFrame> host;
};

TEST_F(SendPreviewTest, PromptUntilAKeyIsSelectedThenItsFrame) {
  StandardFrame("ADD,~ADD,CMD,~CMD", "MSB", 8, 0x00);
  CSendPreviewDlg* preview = MakePreview();
  const wxSize client = preview->GetClientSize();
  EXPECT_FALSE(preview->IsFrameShown());
  ASSERT_TRUE(preview->Prompt()->IsShown());
  EXPECT_EQ(preview->Prompt()->GetId(), CSendPreviewDlg::kPromptId);
  EXPECT_EQ(preview->Prompt()->GetLabel(), GetLangText("IDS_SEND_PREVIEW"));
  EXPECT_EQ(preview->Prompt()->GetRect(), wxRect(0, 0, client.x - 20, client.y));
  EXPECT_EQ(preview->TipButton()->GetRect(), wxRect(client.x - 20, 0, 20, 20));
  EXPECT_EQ(testsupport::ScreenPixel(preview, wxPoint(4, client.y - 4)), kBackground);
  // The tip picture's round corner shows the panel, not a white square.
  EXPECT_EQ(testsupport::ScreenPixel(preview, wxPoint(client.x - 19, 1)), kBackground);
  testsupport::SaveWindowScreenshot(host->Frame(), "send_preview_prompt.png");

  EXPECT_EQ(Select(preview, 0x12), 1);
  EXPECT_TRUE(preview->IsFrameShown());
  EXPECT_FALSE(preview->Prompt()->IsShown());
  const std::vector<stPreviewBox> boxes = preview->Boxes();
  ASSERT_EQ(boxes.size(), 4u);
  EXPECT_EQ(boxes[0].x, client.x / 2 - 128);
  EXPECT_EQ(boxes[2].caption, "Command:0x12");
  EXPECT_EQ(boxes[3].bits, "11101101");
  const int y = boxes[0].y;
  EXPECT_EQ(y, client.y * 2 / 3);
  for (int i = 0; i < 4; ++i) {
    // Below the caption, inside the hexagon: the field's colour.
    EXPECT_EQ(testsupport::ScreenPixel(preview, wxPoint(boxes[i].x - 64, y + 11)),
              ColourOfBlock(kPreviewFillColours[i]))
        << i;
    // The outline along the hexagon's top.
    EXPECT_TRUE(
        IsNear(testsupport::ScreenPixel(preview, wxPoint(boxes[i].x - 64, y - 15)), wxColour(80, 126, 50)))
        << i;
    // Bits above it, in their own colour.
    EXPECT_FALSE(PixelsWhere(preview, wxRect(boxes[i].x - 128, 2, 128, 50),
                             [](const wxColour& c) { return c == kBitsText; })
                     .empty())
        << i;
  }
  testsupport::SaveWindowScreenshot(host->Frame(), "send_preview.png");

  // The values are those of the moment the key was selected.
  state.Doc().SetParam(23, "LSB");
  testsupport::PumpEvents();
  EXPECT_EQ(preview->Boxes()[2].bits, "00010010");
  // No key: the frame of code 0, now LSB first.
  EXPECT_EQ(Select(preview, -1), 1);
  EXPECT_EQ(preview->Values().keyCode, 0);
  EXPECT_EQ(preview->Boxes()[3].caption, "Command#:0xff");
  EXPECT_EQ(preview->Boxes()[2].bits, "00000000");

  EXPECT_EQ(SendShellMessage(preview, WM_SEND_PREVIEW_CLEAR), 1);
  testsupport::PumpEvents();
  EXPECT_FALSE(preview->IsFrameShown());
  EXPECT_TRUE(preview->Prompt()->IsShown());
  EXPECT_TRUE(PixelsWhere(preview, wxRect(0, y + 10, client.x - 20, 5), [](const wxColour& c) {
                return c == ColourOfBlock(kPreviewFillColours[0]);
              }).empty());
}

TEST_F(SendPreviewTest, WideCodesAreDrawnWholeInsideTheirBoxes) {
  StandardFrame("ADD,~ADD", "MSB", 16, 0xF00F);
  CSendPreviewDlg* preview = MakePreview();
  Select(preview, 0x5A);
  const std::vector<stPreviewBox> boxes = preview->Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].caption, "Address:0xf00f");
  EXPECT_EQ(boxes[1].caption, "Address#:0xff0");
  EXPECT_EQ(boxes[1].bits, "0000111111110000");
  // Sixteen bits go on two lines of a byte each, inside their own box's width:
  // nothing is cut and nothing runs into the neighbour.
  const std::vector<wxPoint> bits = PixelsWhere(preview, wxRect(0, 0, preview->GetClientSize().x, 60),
                                                [](const wxColour& c) { return IsNear(c, kBitsText); });
  ASSERT_FALSE(bits.empty());
  for (const stPreviewBox& box : boxes) {
    int left = box.x, right = box.x - kPreviewPitch, top = 60, bottom = 0;
    for (const wxPoint& p : bits) {
      if (p.x <= box.x - kPreviewPitch || p.x >= box.x) continue;
      left = std::min(left, p.x);
      right = std::max(right, p.x);
      top = std::min(top, p.y);
      bottom = std::max(bottom, p.y);
    }
    EXPECT_GT(left, box.x - kPreviewPitch) << box.caption;
    EXPECT_LT(right, box.x - 1) << box.caption;
    EXPECT_GT(right - left, 60) << box.caption;
    EXPECT_GT(bottom - top, 20) << box.caption;  // two lines
  }
  for (const wxPoint& p : bits) EXPECT_GT(std::abs(p.x - boxes[0].x), 1) << p.x;
  testsupport::SaveWindowScreenshot(host->Frame(), "send_preview_wide.png");
}

TEST_F(SendPreviewTest, SevenFieldsInANarrowPreviewWrapAndCycleTheColours) {
  StandardFrame("ADD,~ADD,CMD,~CMD,ADDL,ADDH,CMD", "MSB", 8, 0x12);
  CSendPreviewDlg* preview = MakePreview(wxSize(300, 400));
  Select(preview, 0x34);
  const std::vector<stPreviewBox> boxes = preview->Boxes();
  ASSERT_EQ(boxes.size(), 7u);
  const wxSize client = preview->GetClientSize();
  for (int i = 0; i < 7; ++i) {
    const stPreviewBox& box = boxes[i];
    EXPECT_GE(box.x - kPreviewPitch, 0) << i;
    EXPECT_LE(box.x, client.x) << i;
    EXPECT_EQ(testsupport::ScreenPixel(preview, wxPoint(box.x - 64, box.y + 11)),
              ColourOfBlock(kPreviewFillColours[i % 5]))
        << i;
  }
  EXPECT_LT(boxes.back().y + 15, client.y);
  testsupport::SaveWindowScreenshot(host->Frame(), "send_preview_narrow.png");
}

TEST_F(SendPreviewTest, TipFollowsTheBitOrderOnHover) {
  StandardFrame("ADD,CMD", "LSB", 8, 0);
  CSendPreviewDlg* preview = MakePreview();
  CImageTipBtn* tip = preview->TipButton();
  // A resize sets the tip from the protocol's bit order.
  testsupport::MouseEnter(tip, wxPoint(5, 5));
  testsupport::MouseMove(tip, wxPoint(6, 6));
  ASSERT_TRUE(tip->GetTip());
  EXPECT_TRUE(tip->GetTip()->IsTipShown());
  EXPECT_EQ(GetLangText(tip->GetTip()->GetText()), GetLangText("IDS_USER_TIPS47"));
  testsupport::MouseLeave(tip);

  // The user-defined framework: the data-format page's byte decides.
  state.Doc().CodeMode = kUserDefinedCodeMode;
  state.Doc().LsbFirst = 0;
  preview->RefreshTip();
  testsupport::MouseEnter(tip, wxPoint(5, 5));
  testsupport::MouseMove(tip, wxPoint(6, 6));
  EXPECT_EQ(GetLangText(tip->GetTip()->GetText()), GetLangText("IDS_USER_TIPS46"));
  testsupport::MouseLeave(tip);
}

TEST_F(SendPreviewTest, UserDefinedFrameFromTheDataFormatMacros) {
  state.Doc().CodeMode = kUserDefinedCodeMode;
  state.Doc().CommandBits = 8;
  state.Doc().ConstBits[0] = 8;
  state.Doc().ConstValue[0] = 0x80;
  state.Doc().SetParam(22, "ADD,ADD,ADD");
  state.Macros() = {{"DATA1", "1"}, {"DATA1_TYPE", "1"}, {"DATA1_Complement", "0"},
                    {"DATA2", "1"}, {"DATA2_TYPE", "0"}, {"DATA2_Complement", "0"}};
  CSendPreviewDlg* preview = MakePreview();
  Select(preview, 0x01);
  const std::vector<stPreviewBox> boxes = preview->Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].caption, "CONST_CODE1:0x80");
  EXPECT_EQ(boxes[1].caption, "Command:0x01");
  // A single field is centred, not drawn off the left edge.
  state.Macros()["DATA1"] = "0";
  Select(preview, 0x01);
  ASSERT_EQ(preview->Boxes().size(), 1u);
  EXPECT_EQ(preview->Boxes()[0].x, preview->GetClientSize().x / 2 + 64);
  EXPECT_EQ(
      testsupport::ScreenPixel(preview, wxPoint(preview->Boxes()[0].x - 64, preview->Boxes()[0].y + 11)),
      ColourOfBlock(kPreviewFillColours[0]));
}

TEST_F(SendPreviewTest, ChinesePrompt) {
  CSendPreviewDlg* preview = MakePreview();
  state.App().currentLangSection = "936";
  preview->ApplyLanguage();
  testsupport::PumpEvents();
  const wxString text = GetLangText("IDS_SEND_PREVIEW");
  EXPECT_NE(text, "IDS_SEND_PREVIEW");
  EXPECT_EQ(preview->Prompt()->GetLabel(), text);
  // Grey prompt text in the middle of the preview.
  const wxSize client = preview->GetClientSize();
  EXPECT_FALSE(PixelsWhere(preview, wxRect(0, client.y / 2 - 15, client.x - 20, 30), [](const wxColour& c) {
                 return c.Red() < 180 && c.Red() == c.Green() && c.Green() == c.Blue();
               }).empty());
  testsupport::SaveWindowScreenshot(host->Frame(), "send_preview_zh.png");
}

// The key configuration page embeds the preview once the protocol pages are registered.
TEST_F(SendPreviewTest, KeyPageEmbedsThePreview) {
  RegisterProtocolPages();
  RegisterKeysPages();
  StandardFrame("ADD,~ADD,CMD,~CMD", "MSB", 8, 0x00);
  state.FrameworkKind() = 0;
  state.App().protocolFolder = g_App.GetProtocolFolder(0);
  state.App().icFolder = g_App.GetIcFolder(0);
  state.Doc().RemoteType = kRemoteGeneral;
  state.Doc().McuName = "QK37A0640";
  state.Doc().PackageName = "20SSOP";
  state.Doc().SetNewProject(true);
  host = std::make_unique<testsupport::HostFrame>(wxSize(1200, 760), wxPoint(20, 20),
                                                  testsupport::HostContent::Empty);
  auto* page = new CKeyConfigDlg(host->Frame());
  host->Frame()->SendSizeEvent();
  testsupport::PumpEvents();
  ASSERT_TRUE(page->LoadFromProject());
  page->OnPageShown();
  testsupport::PumpEvents();

  auto* preview = dynamic_cast<CSendPreviewDlg*>(page->GetSendPreviewArea());
  ASSERT_TRUE(preview);
  EXPECT_TRUE(preview->IsShownOnScreen());
  wxRect area;
  ASSERT_TRUE(page->GetLayout().GetElementRect("Send_Preview_Area", area));
  EXPECT_EQ(preview->GetRect(), area);
  EXPECT_TRUE(preview->Prompt()->IsShown());

  EXPECT_EQ(Select(preview, 0x45), 1);
  EXPECT_EQ(preview->Boxes()[2].caption, "Command:0x45");
  // The page's area is narrow: the four fields take two rows, all on screen.
  const std::vector<stPreviewBox> boxes = preview->Boxes();
  ASSERT_EQ(boxes.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_GE(boxes[i].x - kPreviewPitch, 0) << i;
    EXPECT_LE(boxes[i].x, area.width) << i;
    EXPECT_EQ(testsupport::ScreenPixel(preview, wxPoint(boxes[i].x - 64, boxes[i].y + 11)),
              ColourOfBlock(kPreviewFillColours[i]))
        << i;
  }

  // The page passes a language change on to it.
  state.App().currentLangSection = "950";
  page->ApplyLanguage();
  EXPECT_EQ(preview->Prompt()->GetLabel(), GetLangText("IDS_SEND_PREVIEW"));
  state.App().currentLangSection = "1252";
  page->ApplyLanguage();
  testsupport::SaveWindowScreenshot(host->Frame(), "key_page_send_preview.png");
  state.Doc().SetNewProject(false);
}

}  // namespace
}  // namespace olv::protocol

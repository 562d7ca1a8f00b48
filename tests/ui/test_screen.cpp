// Checks that read the real screen or use the real keyboard and pointer. They
// run alone (RUN_SERIAL) so that no other test's window covers theirs.
#include "ui/BaseDlg.h"
#include "ui/ImageHelpers.h"
#include "ui/LUEdit.h"
#include "ui/PNGShow.h"
#include "ui/PngButton.h"
#include "ui/ResourceIds.h"
#include "ui/Resources.h"

#include "TempDir.h"
#include "HostFrame.h"
#include "RealInput.h"
#include "UiEvents.h"

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>

namespace {

const wxString kImages = wxString(OLV_SOURCE_DIR) + wxFILE_SEP_PATH + "install" + wxFILE_SEP_PATH + "Images";

wxPoint CentreOf(const wxRect& rect) { return wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2); }

// Real key presses through the display server reach the mask the same way.
TEST(MaskEditKeyboard, RealKeyPressesFollowTheMask) {
  CLUEdit input;  // outlives the frame, as on a page
  testsupport::HostFrame host(wxSize(400, 200));
  ASSERT_TRUE(input.Create(20, 30, 28, 120, 1048, host.Page()));
  ASSERT_TRUE(input.SetMask("DDCDD", "__.__"));
  testsupport::PumpEvents();
  wxTextCtrl* text = input.GetEdit()->GetTextCtrl();
  // In the middle of the text: the entry's frame, whose padding the toolkit's
  // style sets, takes no click into the entry.
  ASSERT_TRUE(testsupport::RealClick(text));
  ASSERT_TRUE(testsupport::RealType(text, "1a23.4"));
  ASSERT_TRUE(testsupport::RealKey(text, WXK_RETURN));
  testsupport::PumpUntil([&] { return input.GetWindowText() == "12.4"; });
  EXPECT_EQ(input.GetWindowText(), "12.4");
}

// Tab moves from a masked edit to the next control and back into it.
TEST(MaskEditKeyboard, TabMovesThroughTheEdits) {
  CLUEdit first;  // both outlive the frame, as on a page
  CLUEdit second;
  testsupport::HostFrame host(wxSize(400, 220));
  wxPanel* page = host.Page();
  ASSERT_TRUE(first.Create(20, 30, 28, 120, 1048, page));
  ASSERT_TRUE(second.Create(20, 80, 28, 120, 1049, page));
  auto* plain = new wxTextCtrl(page, wxID_ANY, "", wxPoint(20, 130), wxSize(120, 28));
  testsupport::PumpEvents();
  wxTextCtrl* firstText = first.GetEdit()->GetTextCtrl();
  wxTextCtrl* secondText = second.GetEdit()->GetTextCtrl();
  ASSERT_TRUE(testsupport::RealClick(firstText));
  ASSERT_TRUE(testsupport::RealType(firstText, "1"));
  ASSERT_TRUE(testsupport::RealKey(firstText, WXK_TAB));
  ASSERT_TRUE(testsupport::RealType(secondText, "2"));
  ASSERT_TRUE(testsupport::RealKey(secondText, WXK_TAB));
  ASSERT_TRUE(testsupport::RealType(plain, "3"));
  ASSERT_TRUE(testsupport::RealKey(plain, WXK_TAB, wxMOD_SHIFT));
  testsupport::PumpUntil(
      [&] { return plain->GetValue() == "3" && wxWindow::FindFocus() == second.GetEdit()->GetTextCtrl(); });
  EXPECT_EQ(first.GetWindowText(), "1");
  EXPECT_EQ(second.GetWindowText(), "2");
  EXPECT_EQ(plain->GetValue(), "3");
  EXPECT_EQ(wxWindow::FindFocus(), second.GetEdit()->GetTextCtrl());
}

TEST(ScreenCheck, HoveredCloseButtonIsRedOnTheScreen) {
  auto* dlg = new CBaseDlg(102, "Hover", kImages, nullptr);
  dlg->SetSize(100, 80, 500, 300);
  dlg->Show();
  testsupport::PumpEvents();
  const wxRect close = dlg->GetCaptionLayout().buttons[kCaptionClose];
  const wxPoint corner = close.GetTopLeft() + wxPoint(3, 3);
  EXPECT_EQ(testsupport::ScreenPixel(dlg, corner), wxColour(129, 173, 231));
  testsupport::MouseMove(dlg, CentreOf(close));
  EXPECT_EQ(testsupport::ScreenPixel(dlg, corner), wxColour(232, 17, 35));
  dlg->Destroy();
  testsupport::PumpEvents();
}

// A sample dialog with the widgets, for a look at the whole.
class SampleDlg : public CBaseDlg {
 public:
  SampleDlg() : CBaseDlg(100, "Olvanta - Modulation parameters", kImages, nullptr, kDefaultStyle) {}
  wxIcon GetCaptionIcon() const override { return LoadIconResource(IDI_OLVANTA_MAKER); }
};

void SetUpInput(CLUEdit& input, const wxString& label, const wxString& unit) {
  input.SetLabelText(label);
  input.SetUnitText(unit);
  input.SetMinLabelWidth(90, true);
}

TEST(BaseDlg, ScreenshotOfASampleDialog) {
  auto* dlg = new SampleDlg();
  dlg->SetSize(120, 90, 560, 380);
  wxPanel* client = dlg->GetClientWindow();

  new wxStaticText(client, wxID_ANY, "Carrier and bit timing", wxPoint(20, 16));
  CLUEdit frequency;
  frequency.Create(20, 50, 28, 90, 1048, client);
  SetUpInput(frequency, "Carrier", "KHz");
  frequency.SetMask("DDCDD", "__.__");
  frequency.SetRange(20, 60);
  frequency.EnableValueCheck(true);
  frequency.SetText("38.00");
  CLUEdit address;
  address.Create(20, 110, 28, 90, 1067, client);
  SetUpInput(address, "Address", "H");
  address.SetMask("HHHH", "____");
  address.SetRange(0, 255);
  address.EnableValueCheck(true);
  address.SetText("1FF");  // out of range: red frame
  CLUEdit disabled;
  disabled.Create(20, 152, 28, 90, 1069, client);
  SetUpInput(disabled, "Boot mark", "us");
  disabled.SetText("9000");
  disabled.EnableWindow(false);

  new wxCheckBox(client, wxID_ANY, "Repeat code", wxPoint(20, 200));
  new wxButton(client, wxID_OK, "OK", wxPoint(20, 300));

  // A half-transparent button picture with a caption, and a picture control showing a key.
  testsupport::TempDir dir;
  wxImage face(110, 34);
  face.SetRGB(wxRect(0, 0, 110, 34), 160, 170, 185);
  face.SetRGB(wxRect(1, 1, 108, 32), 246, 248, 252);
  face.InitAlpha();
  for (int y = 1; y < 33; ++y) {
    for (int x = 1; x < 109; ++x) face.SetAlpha(x, y, 110);
  }
  face.SaveFile(dir.File("face.png"), wxBITMAP_TYPE_PNG);
  auto* button = new CPngButton(client, 1038, wxPoint(330, 46));
  button->SetTwoImages(dir.File("face.png"), wxString());
  button->SetTint(0xE7AD81, 120, 200);
  button->SetCaption("New project");
  wxImage key;
  LoadImageFromResource(key, IDB_KEY_SWITCH, "png");
  key.SaveFile(dir.File("key.png"), wxBITMAP_TYPE_PNG);
  auto* picture = new CPNGShow(client, 1400, wxPoint(330, 110), wxSize(160, 100));
  picture->AddImage(dir.File("key.png"));

  dlg->Show();
  testsupport::PumpEvents();
  testsupport::MouseMove(dlg, CentreOf(dlg->GetCaptionLayout().buttons[kCaptionMin]));
  testsupport::MouseMove(button, wxPoint(10, 10));
  frequency.EnableTip(true);
  frequency.SetTipText("20~60");
  frequency.SetTipPlacement(1);
  frequency.ShowEditTip();

  const wxString path = testsupport::SaveWindowScreenshot(dlg, "skinned_dialog.png");
  EXPECT_FALSE(path.empty());
  EXPECT_TRUE(wxFileName::FileExists(path));
  // The caption and the out-of-range frame are on the screen.
  EXPECT_EQ(testsupport::ScreenPixel(dlg, wxPoint(200, 3)), wxColour(129, 173, 231));
  const wxRect bad = address.GetEdit()->GetRect();
  EXPECT_EQ(testsupport::ScreenPixel(client, wxPoint(bad.GetRight(), bad.y + bad.height / 2)),
            wxColour(255, 0, 0));
  frequency.HideEditTip();
  dlg->Destroy();
  testsupport::PumpEvents();
}

}  // namespace

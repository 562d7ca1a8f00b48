// The masked and labelled edits, driven by key presses and focus changes.
#include "ui/LUEdit.h"
#include "ui/UiMessages.h"

#include "HostFrame.h"
#include "UiEvents.h"

#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/panel.h>

#include <vector>

namespace {

struct stMessage {
  wxEventType type;
  int wParam;
  void* lParam;
};

class MaskEditTest : public testsupport::HostFrameTest {
 protected:
  MaskEditTest() : HostFrameTest(wxSize(500, 300)) {}
  void SetUp() override {
    HostFrameTest::SetUp();
    other = new wxTextCtrl(page, wxID_ANY, "", wxPoint(300, 200), wxSize(80, 28));
    auto record = [this](const wxEventTypeTag<wxCommandEvent>& tag) {
      const wxEventType type = tag;
      page->Bind(tag, [this, type](wxCommandEvent& event) {
        messages.push_back({type, event.GetInt(), event.GetClientData()});
      });
    };
    record(WM_EDIT_FOCUS);
    record(WM_EDIT_CHANGED);
    record(WM_MASKEDIT_KEY);
    ASSERT_TRUE(input.Create(20, 30, 28, 120, 1048, page));
    edit = input.GetEdit();
    text = edit->GetTextCtrl();
    testsupport::PumpEvents();
    messages.clear();
  }

  std::vector<int> KeyValues() const {
    std::vector<int> values;
    for (const auto& m : messages) {
      if (m.type == WM_MASKEDIT_KEY) values.push_back(m.wParam);
    }
    return values;
  }

  void Retype(const wxString& chars) {
    text->ChangeValue("");
    testsupport::TypeText(text, chars);
  }

  wxTextCtrl* other = nullptr;
  CLUEdit input;
  CLUMaskEdit* edit = nullptr;
  wxTextCtrl* text = nullptr;
  std::vector<stMessage> messages;
};

TEST_F(MaskEditTest, KeysAreAcceptedAndRefusedByTheMask) {
  ASSERT_TRUE(input.SetMask("DDCDD", "__.__"));
  Retype("12.34");
  EXPECT_EQ(input.GetWindowText(), "12.34");
  Retype("123");
  EXPECT_EQ(input.GetWindowText(), "12");  // a third digit before the point is refused
  Retype("x1");
  EXPECT_EQ(input.GetWindowText(), "1");  // a letter at a digit place is refused
  Retype("12a");
  EXPECT_EQ(input.GetWindowText(), "12a");  // the point's place takes letters

  // Each accepted key tells the page the text it leaves, read as hexadecimal.
  messages.clear();
  Retype("12");
  EXPECT_EQ(KeyValues(), (std::vector<int>{0x1, 0x12}));
  testsupport::TypeKey(text, '9', '9');  // refused: no message
  testsupport::TypeKey(text, WXK_BACK);
  EXPECT_EQ(input.GetWindowText(), "1");
  EXPECT_EQ(KeyValues(), (std::vector<int>{0x1, 0x12, 0x1}));
}

TEST_F(MaskEditTest, DeleteAndBackspaceThatBreakTheMaskAreRefused) {
  ASSERT_TRUE(input.SetMask("DD:DD", "__:__"));
  ASSERT_TRUE(input.SetText("12:30"));
  text->SetInsertionPoint(2);
  EXPECT_FALSE(testsupport::TypeKey(text, WXK_DELETE));  // "1230" does not fit
  text->SetInsertionPoint(3);
  EXPECT_FALSE(testsupport::TypeKey(text, WXK_BACK));
  text->SetInsertionPoint(5);
  EXPECT_TRUE(testsupport::TypeKey(text, WXK_BACK));
  EXPECT_EQ(input.GetWindowText(), "12:3");
}

TEST_F(MaskEditTest, EnterNeverReachesTheEdit) {
  input.SetText("5");
  text->SetInsertionPointEnd();
  EXPECT_FALSE(testsupport::TypeKey(text, WXK_RETURN, WXK_RETURN));
  EXPECT_EQ(input.GetWindowText(), "5");
}

TEST_F(MaskEditTest, HexadecimalRangeShowsARedFrame) {
  ASSERT_TRUE(input.SetMask("HHHH", "____"));
  ASSERT_TRUE(input.SetRange(0, 255));
  ASSERT_TRUE(input.EnableValueCheck(true));
  EXPECT_TRUE(edit->IsHexadecimal());
  ASSERT_TRUE(input.SetText("FF"));
  EXPECT_TRUE(input.CheckRange());
  EXPECT_EQ(edit->GetFrameColour(), *wxBLACK);
  ASSERT_TRUE(input.SetText("100"));
  EXPECT_FALSE(input.CheckRange());
  EXPECT_EQ(edit->GetFrameColour(), wxColour(255, 0, 0));
  EXPECT_FALSE(input.SetText("FFG"));  // refused text changes nothing
  EXPECT_EQ(input.GetWindowText(), "100");
  // An empty edit is always in range.
  ASSERT_TRUE(input.SetText(""));
  EXPECT_TRUE(input.CheckRange());
}

TEST_F(MaskEditTest, SignedDecimalAndRangeRefusals) {
  ASSERT_TRUE(input.SetMask("SDDD", "____"));
  ASSERT_TRUE(input.EnableValueCheck(true));
  ASSERT_TRUE(input.SetRange(-50, 50));
  EXPECT_TRUE(input.SetText("-12"));
  EXPECT_TRUE(input.CheckRange());
  EXPECT_TRUE(input.SetText("120"));
  EXPECT_FALSE(input.CheckRange());
  EXPECT_FALSE(input.SetRange(5, 5));
  EXPECT_FALSE(input.SetRange(9, 1));
  double low = 0;
  double high = 0;
  input.GetRange(&low, &high);
  EXPECT_DOUBLE_EQ(low, -50);
  EXPECT_DOUBLE_EQ(high, 50);
  // Masks that cannot hold a number refuse value checking.
  ASSERT_TRUE(input.SetMask("DD:DD", "__:__"));
  EXPECT_FALSE(input.EnableValueCheck(true));
  EXPECT_FALSE(input.SetMask("DX", "__"));
}

TEST_F(MaskEditTest, FocusTellsThePageAndShowsTheTip) {
  input.EnableTip(true);
  input.SetTipText("0~255");
  input.SetTipPlacement(1);
  ASSERT_TRUE(input.SetMask("DDD", "___"));
  ASSERT_TRUE(input.SetRange(0, 255));
  ASSERT_TRUE(input.EnableValueCheck(true));
  input.SetText("300");

  testsupport::MoveFocus(other, text);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].type, WM_EDIT_FOCUS);
  EXPECT_EQ(messages[0].lParam, &input);
  ASSERT_NE(input.GetEditTip(), nullptr);
  EXPECT_TRUE(input.GetEditTip()->IsTipShown());
  const wxRect editRect = edit->GetRect();
  EXPECT_EQ(input.GetEditTip()->GetScreenPosition(),
            page->ClientToScreen(wxPoint(editRect.x, editRect.GetBottom() + 1)));

  testsupport::MoveFocus(text, other);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].type, WM_EDIT_CHANGED);
  EXPECT_EQ(messages[1].wParam, 0);  // 300 is out of range
  EXPECT_EQ(messages[1].lParam, &input);
  EXPECT_FALSE(input.GetEditTip()->IsTipShown());
}

TEST_F(MaskEditTest, RefusedInputShowsTheRedFrameUntilTheNextCheck) {
  ASSERT_TRUE(input.SetMask("DDD", "___"));
  ASSERT_TRUE(input.SetRange(10, 200));
  ASSERT_TRUE(input.EnableValueCheck(true));
  const wxColour normal = edit->GetFrameColour();
  edit->MarkRefused();  // an empty required input: in range, yet refused
  EXPECT_TRUE(edit->ShowsError());
  EXPECT_NE(edit->GetFrameColour(), normal);
  input.SetText("38");
  EXPECT_FALSE(edit->ShowsError());
  EXPECT_EQ(edit->GetFrameColour(), normal);
}

TEST_F(MaskEditTest, UnitOfAHiddenInputStaysHidden) {
  input.ShowWindow(false);
  input.SetUnitText("*", true);
  ASSERT_NE(input.GetUnit(), nullptr);
  EXPECT_FALSE(input.GetUnit()->IsShown());
  input.ShowWindow(true);
  EXPECT_TRUE(input.GetUnit()->IsShown());
}

TEST_F(MaskEditTest, TipAboveTheEditIsRaisedByItsHeight) {
  input.EnableTip(true);
  input.SetTipText("Carrier");
  input.SetTipPlacement(0);
  testsupport::MoveFocus(other, text);
  CToolTip2* tip = input.GetEditTip();
  ASSERT_NE(tip, nullptr);
  const wxRect editRect = edit->GetRect();
  EXPECT_EQ(tip->GetScreenPosition(),
            page->ClientToScreen(wxPoint(editRect.x, editRect.y - tip->GetSize().y)));
}

TEST_F(MaskEditTest, LayoutPlacesLabelEditAndUnit) {
  input.SetLabelText("Carrier");
  input.SetUnitText("KHz");
  input.SetPos(10, 50, true);
  const wxRect label = input.GetLabel()->GetRect();
  const wxRect editRect = edit->GetRect();
  const wxRect unit = input.GetUnit()->GetRect();
  EXPECT_EQ(label.x, 10);
  EXPECT_EQ(editRect.x, label.GetRight() + 1 + 2);
  EXPECT_EQ(editRect.y, 50);
  EXPECT_EQ(unit.x, editRect.GetRight() + 1 + 2);
  EXPECT_NEAR(label.y + label.height / 2, editRect.y + editRect.height / 2, 1);
  EXPECT_NEAR(unit.y + unit.height / 2, editRect.y + editRect.height / 2, 1);
  // A minimum width widens a short label.
  input.SetMinLabelWidth(150, true);
  EXPECT_EQ(edit->GetPosition().x, 10 + 150 + 2);
  EXPECT_EQ(input.GetDlgCtrlID(), 1048);
}

TEST(LUEditSubclass, TakesOverThePagesEdit) {
  CLUEdit input;  // outlives the frame, as on a page
  testsupport::HostFrame host(wxSize(400, 200));
  wxPanel* page = host.Page();
  auto* plain = new wxTextCtrl(page, 1065, "0x12", wxPoint(30, 40), wxSize(90, 26));
  input.Init(page, 30, 40);
  ASSERT_TRUE(input.SubclassDlgItem(1065));
  testsupport::PumpEvents();
  CLUMaskEdit* edit = input.GetEdit();
  ASSERT_NE(edit, nullptr);
  EXPECT_NE(static_cast<wxWindow*>(edit), static_cast<wxWindow*>(plain));
  EXPECT_EQ(wxDynamicCast(page->FindWindow(1065), CLUMaskEdit), edit);
  EXPECT_EQ(edit->GetRect(), wxRect(30, 40, 90, 26));
  EXPECT_EQ(input.GetWindowText(), "0x12");
  EXPECT_EQ(edit->GetOwner(), &input);
  EXPECT_FALSE(input.SubclassDlgItem(4242));
}

}  // namespace

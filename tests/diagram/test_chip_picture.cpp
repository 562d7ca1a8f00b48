// The chip picture in a window tree of the test's own (the picture's parent,
// two levels above it and a page as its fourth ancestor, each recording what
// it is sent) and its drag label, which the test shows.
#include "diagram/pages/DragWnd.h"
#include "diagram/pages/McuWnd.h"
#include "ui/PngButton.h"
#include "ui/shell/PageMessages.h"
#include "HostFrame.h"
#include "ProgramTestBase.h"
#include "RealInput.h"
#include "UiEvents.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/uiaction.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

using Message = std::pair<wxIntPtr, wxIntPtr>;
using Messages = std::vector<Message>;

// Records a message type and answers it; answer < 0 leaves it unhandled.
void Record(wxWindow* window, const wxEventTypeTag<CShellMessageEvent>& type, Messages& into,
            const long& answer) {
  window->Bind(type, [&into, &answer](CShellMessageEvent& event) {
    into.emplace_back(event.WParam(), event.LParam());
    if (answer < 0) {
      event.Skip();
      return;
    }
    event.SetResult(answer);
  });
}

class ChipPictureTest : public testsupport::ProgramTestBase {
 protected:
  void SetUp() override {
    ResetToInstalledProgram();
    host = std::make_unique<testsupport::HostFrame>(wxSize(720, 560), wxPoint(40, 40),
                                                    testsupport::HostContent::Empty);
    page = new wxPanel(host->Frame());
    auto* third = new wxPanel(page, wxID_ANY, wxPoint(0, 0), wxSize(700, 540));
    auto* second = new wxPanel(third, wxID_ANY, wxPoint(0, 0), wxSize(700, 540));
    parent = new wxPanel(second, wxID_ANY, wxPoint(0, 0), wxSize(700, 540));
    parent->SetBackgroundColour(*wxWHITE);
    new wxButton(parent, CMCUWnd::kPictureButtonId, "Button1");
    Record(page, WM_LCD_PIN_PICK, picks, pickAnswer);
    Record(parent, WM_MCU_PIN_QUERY, queries, queryAnswer);
    Record(parent, WM_MCU_PIN_CLICKED, clicks, clickAnswer);
    picture = new CMCUWnd();
    ASSERT_TRUE(picture->Create(parent, 0, 0, 680, 520, 4, 32, 1, wxRect(0, 0, 17, 17), 0));
    host->Frame()->SendSizeEvent();
    testsupport::PumpEvents();
  }
  void TearDown() override { host.reset(); }

  void ShowPicture() {
    for (int pin = 0; pin < 32; ++pin) {
      picture->SetPinText(pin, 0, wxString::Format("P%d", pin), false);
      picture->SetPinText(pin, 1, wxString::Format("P%d/SEG%d", pin, pin), false);
      picture->SetPinValue(100 + pin, pin);
    }
    picture->UpdateScrollBars(true);
    picture->CenterView();
    picture->Show();
    ASSERT_TRUE(testsupport::WaitUntilMapped(picture));
  }
  bool ClickPin(int pin) {
    return testsupport::RealClick(picture, picture->GetPinRect(pin).GetPosition() + wxPoint(10, 8));
  }
  void Forget() {
    picks.clear();
    queries.clear();
    clicks.clear();
  }

  std::unique_ptr<testsupport::HostFrame> host;
  wxPanel* page = nullptr;
  wxPanel* parent = nullptr;
  CMCUWnd* picture = nullptr;
  Messages picks, queries, clicks;
  long pickAnswer = 1;
  long queryAnswer = -1;  // as the MCU panel: unanswered
  long clickAnswer = 1;
};

TEST_F(ChipPictureTest, IsMadeHiddenWithAHiddenDragLabelAndTakesOverControl1322) {
  EXPECT_FALSE(picture->IsShown());
  CPngButton* button = picture->GetPictureButton();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->GetId(), CMCUWnd::kPictureButtonId);
  EXPECT_EQ(button->GetParent(), parent);
  EXPECT_EQ(button->GetLabel(), "??");
  EXPECT_EQ(button->GetRect(), wxRect(100, 100, 30, 30));
  EXPECT_TRUE(button->IsTintActive());  // "MenuCLR": 40 and 80, both below 255
  EXPECT_FALSE(button->IsShown());
  int buttons = 0;
  for (wxWindow* child : parent->GetChildren())
    buttons += child->GetId() == CMCUWnd::kPictureButtonId ? 1 : 0;
  EXPECT_EQ(buttons, 1);

  ASSERT_NE(picture->GetDragLabel(), nullptr);
  EXPECT_FALSE(picture->GetDragLabel()->IsShown());
  EXPECT_EQ(picture->GetDragLabel()->GetOwnerWindow(), picture);
  EXPECT_EQ(picture->GetDragLabel()->GetSize(), wxSize(0, 0));
}

TEST_F(ChipPictureTest, PerPinSettersTakeMinusOneForAllAndRefuseOtherIndexes) {
  picture->SetPinText(-1, 0, "X", false);
  for (int pin = 0; pin < 32; ++pin) EXPECT_EQ(picture->GetPinInfo(pin).text[0], "X");
  picture->SetPinText(32, 0, "Y", false);  // at the count: ignored
  picture->SetPinText(-2, 0, "Y", false);  // below -1: refused, never thrown
  picture->SetPinText(5, 3, "Y", false);   // no label 3
  picture->SetPinFillColor(0x123456, 400, false);
  for (int pin = 0; pin < 32; ++pin) {
    EXPECT_EQ(picture->GetPinInfo(pin).text[0], "X");
    EXPECT_EQ(picture->GetPinInfo(pin).highlightColor, 0xFFFFFFu);
  }
  picture->SetPinFillColor(0x91C180, 7, false);
  EXPECT_EQ(picture->GetPinInfo(7).highlightColor, 0x91C180u);
  EXPECT_EQ(picture->GetPinInfo(6).highlightColor, 0xFFFFFFu);
  picture->SetPinBorderColor(0xF0F0F0, -1, false);
  EXPECT_EQ(picture->GetPinInfo(31).borderColor, 0xF0F0F0u);

  // Availability: one pin at a time.
  EXPECT_FALSE(picture->SetPinAvailable(-1, true, false));
  EXPECT_FALSE(picture->SetPinAvailable(32, true, false));
  for (int pin = 0; pin < 32; ++pin) EXPECT_FALSE(picture->IsPinAvailable(pin));
  EXPECT_TRUE(picture->SetPinAvailable(3, true, false));
  EXPECT_TRUE(picture->IsPinAvailable(3));
  EXPECT_FALSE(picture->IsPinAvailable(4));
  EXPECT_FALSE(picture->IsPinAvailable(99));

  // A longer outer label widens its side's extent; pin -1 measures every pin.
  picture->SetPinText(-1, 1, "PC4/SEG12", false);
  const int extent = picture->GetLayout().GetOuterExtent(mculayout::kSideLeft);
  EXPECT_GT(extent, 0);
  EXPECT_EQ(picture->GetLayout().GetOuterExtent(mculayout::kSideTop), extent);
  picture->SetPinText(0, 1, "P", false);
  EXPECT_EQ(picture->GetLayout().GetOuterExtent(mculayout::kSideLeft), extent);
}

TEST_F(ChipPictureTest, AClickOnAnAvailablePinAsksThePageFirst) {
  ShowPicture();
  picture->SetNotifyWindow(parent);
  picture->SetPinAvailable(2, true, true);

  // The page refuses: the click ends there.
  pickAnswer = 0;
  ASSERT_TRUE(ClickPin(2));
  EXPECT_EQ(picks, (Messages{{2, 1}}));
  EXPECT_TRUE(queries.empty());

  // The page takes it; the parent leaves the query unanswered, as the MCU panel does.
  Forget();
  pickAnswer = 1;
  ASSERT_TRUE(ClickPin(2));
  EXPECT_EQ(picks, (Messages{{2, 1}}));
  EXPECT_EQ(queries, (Messages{{0, 102}}));
  EXPECT_TRUE(clicks.empty());

  // A parent that answers the query passes the click to the notify window.
  Forget();
  queryAnswer = 1;
  ASSERT_TRUE(ClickPin(2));
  EXPECT_EQ(clicks, (Messages{{2, 0}}));

  // A pin that is not available skips the page.
  Forget();
  ASSERT_TRUE(ClickPin(20));
  EXPECT_TRUE(picks.empty());
  EXPECT_EQ(queries, (Messages{{0, 120}}));
  EXPECT_EQ(clicks, (Messages{{20, 0}}));
}

TEST_F(ChipPictureTest, ClicksBesideTheBoxesOrWithoutANotifyWindowSendNothing) {
  ShowPicture();
  picture->SetPinAvailable(2, true, true);
  ASSERT_TRUE(ClickPin(2));  // no notify window yet
  EXPECT_TRUE(picks.empty() && queries.empty() && clicks.empty());

  picture->SetNotifyWindow(parent);
  const wxRect first = picture->GetPinRect(2);
  const wxRect second = picture->GetPinRect(3);
  ASSERT_LT(first.GetBottom(), second.y);
  ASSERT_TRUE(testsupport::RealClick(picture, wxPoint(first.x + 10, (first.GetBottom() + second.y) / 2 + 1)));
  ASSERT_TRUE(testsupport::RealClick(picture, wxPoint(first.x, first.y + 8)));  // the left edge
  ASSERT_TRUE(testsupport::RealClick(picture, picture->GetBodyRect().GetPosition() + wxPoint(50, 50)));
  EXPECT_TRUE(picks.empty() && queries.empty() && clicks.empty());
}

// The drag label, shown by the test (nothing in the program shows it).
class DragLabelTest : public ChipPictureTest {
 protected:
  void SetUp() override {
    ChipPictureTest::SetUp();
    label = picture->GetDragLabel();
    label->SetLabelSize(90, 26);
    label->SetText("IDS_MCU_TITLE", false);
    label->Move(host->Frame()->ClientToScreen(wxPoint(300, 200)));
    label->Show();
    ASSERT_TRUE(testsupport::WaitUntilMapped(label));
    picture->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) { ++buttonUps; });
  }
  wxPoint Centre() const { return label->GetScreenPosition() + wxPoint(45, 13); }
  void Move(const wxPoint& point, bool left, bool right, bool shift) {
    wxMouseEvent event(wxEVT_MOTION);
    event.SetEventObject(label);
    event.SetPosition(point);
    event.m_leftDown = left;
    event.m_rightDown = right;
    event.m_shiftDown = shift;
    label->HandleWindowEvent(event);
  }

  CDragWnd* label = nullptr;
  int buttonUps = 0;
};

TEST_F(DragLabelTest, FollowsTheMouseOnlyWithTheLeftButtonAlone) {
  const wxPoint start = label->GetScreenPosition();
  const wxPoint target = label->ClientToScreen(wxPoint(70, 20));
  Move(wxPoint(70, 20), true, true, false);    // left and right
  Move(wxPoint(70, 20), true, false, true);    // left with Shift
  Move(wxPoint(70, 20), false, false, false);  // no button
  EXPECT_EQ(label->GetScreenPosition(), start);
  Move(wxPoint(70, 20), true, false, false);
  EXPECT_EQ(Centre(), target);
  EXPECT_EQ(label->GetSize(), wxSize(90, 26));
  EXPECT_TRUE(label->IsTracking());
}

TEST_F(DragLabelTest, LeavingWithTheButtonUpEndsTheDragAndTellsTheOwner) {
  testsupport::MouseLeave(label);
  testsupport::PumpUntil([&] { return buttonUps > 0; });
  EXPECT_EQ(buttonUps, 1);
  EXPECT_FALSE(label->IsTracking());

  label->ClearOwner();
  testsupport::MouseLeave(label);
  testsupport::MouseUp(label, wxPoint(5, 5));
  testsupport::PumpEvents();
  EXPECT_EQ(buttonUps, 1);  // no owner, nothing posted
}

TEST_F(DragLabelTest, LeavingWithTheButtonDownKeepsItUnderThePointer) {
  // The real button held down over an empty part of the frame.
  const wxPoint pointer = host->Frame()->ClientToScreen(wxPoint(710, 550));  // beside the picture
  wxUIActionSimulator simulator;
  simulator.MouseMove(pointer);
  testsupport::PumpUntil([&] { return wxGetMousePosition() == pointer; });
  simulator.MouseDown();
  ASSERT_TRUE(testsupport::PumpUntil([] { return wxGetMouseState().LeftIsDown(); }));
  testsupport::MouseLeave(label);
  simulator.MouseUp();
  testsupport::PumpEvents();
  EXPECT_EQ(Centre(), pointer);
}

}  // namespace

// The animated picture control and the user-guide overlay built on it.
#include "ui/AnimPicture.h"
#include "ui/GuideOverlay.h"
#include "ui/PngButton.h"

#include "core/AppContext.h"

#include "GifBuilder.h"
#include "TempDir.h"
#include "HostFrame.h"
#include "UiEvents.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/utils.h>

#include <functional>
#include <set>

namespace {

using gifbuilder::Bytes;
using gifbuilder::SolidFrame;

using testsupport::PumpUntil;

wxColour PixelOf(const wxImage& image, int x, int y) {
  return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

// Red 6 x 4, then green and blue frames over parts of it, each shown 100 ms.
Bytes Animation() {
  return gifbuilder::BuildGif(
      6, 4, {SolidFrame(0, 0, 6, 4, 0, 1), SolidFrame(2, 1, 2, 3, 1, 1), SolidFrame(4, 0, 2, 2, 2, 1)});
}

void WriteFile(const wxString& path, const Bytes& bytes) {
  wxFFile file(path, "wb");
  file.Write(bytes.data(), bytes.size());
}

class PictureTest : public testsupport::HostFrameTest {
 protected:
  testsupport::ProgramState state;

  PictureTest() : HostFrameTest(wxSize(300, 200)) {}
  void SetUp() override {
    HostFrameTest::SetUp();
    picture = new CPictureEx(page, wxID_ANY, wxPoint(10, 10), wxSize(50, 50));
    testsupport::PumpEvents();
  }
  bool Load(const Bytes& bytes) { return picture->LoadFromMemory(bytes.data(), bytes.size()); }

  CPictureEx* picture = nullptr;
};

TEST_F(PictureTest, OneFrameGifIsAStillPicture) {
  ASSERT_TRUE(Load(gifbuilder::BuildGif(4, 4, {SolidFrame(2, 2, 2, 2, 2)})));
  EXPECT_TRUE(picture->IsGIF());
  EXPECT_EQ(picture->GetFrameCount(), 1);
  EXPECT_EQ(picture->GetPictureSize(), wxSize(4, 4));
  EXPECT_EQ(picture->GetSize(), wxSize(4, 4));         // the control takes the picture's size
  EXPECT_EQ(picture->GetPosition(), wxPoint(10, 10));  // and keeps its place
  EXPECT_TRUE(picture->Draw());
  EXPECT_FALSE(picture->IsPlaying());
  const wxImage shown = picture->GetShownImage();
  EXPECT_EQ(PixelOf(shown, 3, 3), wxColour(0, 0, 255));  // the frame at its offset
  EXPECT_EQ(PixelOf(shown, 0, 0), wxSystemSettings::GetColour(wxSYS_COLOUR_MENU));
  EXPECT_EQ(picture->GetBackgroundColor(),
            ColorRefFromColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
}

TEST_F(PictureTest, AnimationPlaysFramesInOrderUntilStopped) {
  ASSERT_TRUE(Load(Animation()));
  EXPECT_EQ(picture->GetFrameCount(), 3);
  EXPECT_FALSE(picture->Draw());
  EXPECT_TRUE(picture->IsPlaying());

  // A loaded machine may hand over several frames between two looks, so the
  // looks go on until each frame was seen; a frame seen right after its
  // predecessor must be the next one in the loop.
  std::set<int> seen;
  bool checkedFrame1 = false;
  int lastFrame = -1;
  unsigned lastCount = 0;
  ASSERT_TRUE(PumpUntil([&] {
    const int frame = picture->GetShownFrame();
    const unsigned count = picture->GetFramesShown();
    if (lastFrame >= 0 && count == lastCount + 1) {
      EXPECT_EQ(frame, (lastFrame + 1) % 3);
    }
    lastFrame = frame;
    lastCount = count;
    if (frame >= 0) seen.insert(frame);  // -1 until the first frame arrives
    if (frame == 1 && !checkedFrame1) {
      const wxImage shown = picture->GetShownImage();
      EXPECT_EQ(PixelOf(shown, 3, 2), wxColour(0, 255, 0));
      EXPECT_EQ(PixelOf(shown, 0, 0), wxColour(255, 0, 0));  // frame 0 stays under it
      checkedFrame1 = true;
    }
    return checkedFrame1 && seen.size() == 3 && count >= 5;  // around the loop and back
  }));
  EXPECT_EQ(seen, (std::set<int>{0, 1, 2}));

  picture->Stop();
  EXPECT_FALSE(picture->IsPlaying());
  const unsigned stoppedAt = picture->GetFramesShown();
  wxMilliSleep(250);
  testsupport::PumpEvents();
  EXPECT_EQ(picture->GetFramesShown(), stoppedAt);  // nothing arrives after Stop
}

TEST_F(PictureTest, StartsAndStopsCleanlyAgainAndAgain) {
  ASSERT_TRUE(Load(Animation()));
  for (int round = 0; round < 50; ++round) {
    picture->Draw();
    ASSERT_TRUE(picture->IsPlaying()) << round;
    if (round % 5 == 0) testsupport::PumpEvents();
    picture->Stop();
    ASSERT_FALSE(picture->IsPlaying()) << round;
  }
  // A second Draw while playing starts no second thread.
  picture->Draw();
  picture->Draw();
  EXPECT_TRUE(picture->IsPlaying());

  // Loading another picture while one plays stops it first.
  ASSERT_TRUE(Load(gifbuilder::BuildGif(2, 2, {SolidFrame(0, 0, 2, 2, 1)})));
  EXPECT_FALSE(picture->IsPlaying());
  EXPECT_EQ(picture->GetFrameCount(), 1);

  // Controls destroyed while their animation plays.
  for (int round = 0; round < 10; ++round) {
    auto* other = new CPictureEx(frame, wxID_ANY);
    const Bytes gif = Animation();
    ASSERT_TRUE(other->LoadFromMemory(gif.data(), gif.size()));
    other->Draw();
    if (round % 2) PumpUntil([&] { return other->GetFramesShown() > 0; });
    other->Destroy();
  }
  testsupport::PumpEvents();
}

TEST_F(PictureTest, UnreadableDataLeavesTheControlEmpty) {
  const wxSize before = picture->GetSize();
  Bytes unknownLabel = Animation();
  const Bytes unknown{0x21, 0x77, 0x01, 0x00, 0x00};
  unknownLabel.insert(unknownLabel.begin() + 25, unknown.begin(), unknown.end());
  Bytes notAPicture{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'};
  Bytes shortGif{'G', 'I', 'F', '8', '9'};
  for (const Bytes* data : {&unknownLabel, &notAPicture, &shortGif}) {
    EXPECT_FALSE(Load(*data));
    EXPECT_FALSE(picture->IsLoaded());
    EXPECT_EQ(picture->GetFrameCount(), 0);
    EXPECT_FALSE(picture->Draw());
    EXPECT_EQ(picture->GetSize(), before);
  }
  EXPECT_FALSE(picture->Load("/nonexistent/picture.gif"));

  ASSERT_TRUE(Load(Animation()));
  picture->SetPaintRect(wxRect(0, 0, 12, 8));
  picture->UnLoad();
  EXPECT_EQ(picture->GetPaintRect(), wxRect());
  EXPECT_EQ(picture->GetBackgroundColor(), 0xFFFFFFu);
  EXPECT_FALSE(picture->IsGIF());
}

// ---------------------------------------------------------------------------

class GuideTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    saved = {g_App.imageFolder, g_App.langFile, g_App.currentLangSection};
    state.App().imageFolder = dir.Path();
    state.App().langFile = wxString(OLV_SOURCE_DIR) + "/install/Lang.ini";
    state.App().currentLangSection = "1252";
    WriteFile(dir.File("anim.gif"), Animation());
    WriteFile(dir.File("still.gif"), gifbuilder::BuildGif(8, 6, {SolidFrame(0, 0, 8, 6, 1)}));
    WriteFile(dir.File("last.gif"), gifbuilder::BuildGif(5, 5, {SolidFrame(0, 0, 5, 5, 2)}));
    for (const char* name : {"Preview.png", "next.png"}) {
      wxCopyFile(wxString(OLV_SOURCE_DIR) + "/install/Images/" + name, dir.File(name));
    }
  }
  void TearDown() override { testsupport::PumpEvents(); }

  static void PressButton(wxWindow* button) {
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->HandleWindowEvent(click);
  }

  // Runs the guide modally; act runs inside the modal loop.
  static int RunModal(CMaskWndDlg& guide, const std::function<void()>& act) {
    guide.CallAfter([&guide, act] {
      act();
      guide.CallAfter([&guide] {
        if (guide.IsModal()) guide.EndModal(-1);  // the guide stayed open
      });
    });
    return guide.ShowModal();
  }

  testsupport::TempDir dir;
  std::vector<wxString> saved;
};

TEST_F(GuideTest, ButtonsFollowTheStep) {
  CMaskWndDlg guide(nullptr);
  for (const char* name : {"anim.gif", "still.gif", "last.gif"}) guide.GetSteps().Add(name);
  guide.Show();
  testsupport::PumpEvents();
  CPictureEx* picture = guide.GetPicture();
  EXPECT_TRUE(picture->IsPlaying());
  EXPECT_FALSE(guide.GetPreviousButton()->IsShown());
  EXPECT_TRUE(guide.GetNextButton()->IsShown());
  EXPECT_EQ(guide.GetPreviousButton()->GetLabel(), "Previous");
  EXPECT_EQ(guide.GetNoPromptButton()->GetLabel(), "Do not show again");

  testsupport::Click(guide.GetNextButton(), wxPoint(5, 5));
  EXPECT_EQ(guide.GetStepIndex(), 1);
  EXPECT_FALSE(picture->IsPlaying());  // the animation stopped for the still picture
  EXPECT_EQ(picture->GetPictureSize(), wxSize(8, 6));
  EXPECT_TRUE(guide.GetPreviousButton()->IsShown());
  EXPECT_TRUE(guide.GetNextButton()->IsShown());
  picture->SetSize(guide.GetPictureArea());
  picture->SetPaintRect(wxRect(guide.GetPictureArea()));
  EXPECT_FALSE(testsupport::SaveWindowScreenshot(&guide, "guide_overlay.png").empty());

  testsupport::Click(guide.GetNextButton(), wxPoint(5, 5));
  EXPECT_EQ(guide.GetStepIndex(), 2);
  EXPECT_TRUE(guide.GetPreviousButton()->IsShown());
  EXPECT_FALSE(guide.GetNextButton()->IsShown());

  testsupport::Click(guide.GetPreviousButton(), wxPoint(5, 5));
  testsupport::Click(guide.GetPreviousButton(), wxPoint(5, 5));
  EXPECT_EQ(guide.GetStepIndex(), 0);
  EXPECT_TRUE(picture->IsPlaying());
  guide.Hide();
}

TEST_F(GuideTest, OneStepAndMissingPictures) {
  CMaskWndDlg one(nullptr);
  one.GetSteps().Add("still.gif");
  one.Show();
  testsupport::PumpEvents();
  EXPECT_FALSE(one.GetPreviousButton()->IsShown());
  EXPECT_FALSE(one.GetNextButton()->IsShown());
  one.Hide();

  CMaskWndDlg missing(nullptr);
  missing.GetSteps().Add("missing.gif");
  missing.GetSteps().Add("still.gif");
  missing.Show();
  testsupport::PumpEvents();
  EXPECT_FALSE(missing.GetPicture()->IsLoaded());
  EXPECT_EQ(missing.GetPicture()->GetSize(), missing.GetPictureArea());  // the area stays as it was
  EXPECT_TRUE(missing.GetNextButton()->IsShown());
  missing.Hide();
}

TEST_F(GuideTest, ModalResults) {
  {
    CMaskWndDlg guide(nullptr);
    guide.GetSteps().Add("anim.gif");
    EXPECT_EQ(RunModal(guide, [&] { PressButton(guide.GetNoPromptButton()); }), wxID_OK);
  }
  {
    CMaskWndDlg guide(nullptr);
    guide.GetSteps().Add("anim.gif");
    EXPECT_EQ(RunModal(guide, [&] { PressButton(guide.GetCloseButton()); }), wxID_CANCEL);
  }
  {
    // Without the "do not show again" button only Close and Escape lead out, with Cancel.
    CMaskWndDlg guide(nullptr);
    guide.GetSteps().Add("still.gif");
    guide.SetShowNoPrompt(false);
    EXPECT_EQ(RunModal(guide,
                       [&] {
                         EXPECT_FALSE(guide.GetNoPromptButton()->IsShown());
                         PressButton(guide.GetNoPromptButton());  // Enter on the hidden default
                         EXPECT_TRUE(guide.IsModal());
                         wxKeyEvent escape(wxEVT_CHAR_HOOK);
                         escape.m_keyCode = WXK_ESCAPE;
                         escape.SetEventObject(&guide);
                         guide.HandleWindowEvent(escape);
                       }),
              wxID_CANCEL);
  }
}

}  // namespace

// Two pages in a host window: the next/back requests of the page protocol.
#include "core/AppContext.h"
#include "core/UserIni.h"
#include "platform/Paths.h"
#include "ui/ImageHelpers.h"
#include "ui/ParamBaseDlg.h"
#include "ui/ResourceIds.h"
#include "ui/SubBaseDlg.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "HostFrame.h"
#include "RealInput.h"
#include "UiEvents.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <memory>
#include <type_traits>

namespace {

class CTestPage : public CSubBaseDlg {
 public:
  CTestPage(int id, wxWindow* parent) : CSubBaseDlg(id, parent) {}
  bool CheckAndApply() override {
    ++checks;
    return acceptCheck;
  }
  bool StorePageData() override {
    ++stores;
    return acceptStore;
  }
  void LayoutControls() override { ++layouts; }
  void OnPageShown() override { ++shown; }

  bool acceptCheck = true;
  bool acceptStore = true;
  int checks = 0, stores = 0, layouts = 0, shown = 0;
};

// The pages sit in the host frame, which records the requests they send.
class PageProtocolTest : public testsupport::HostFrameTest {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    HostFrameTest::SetUp();
    frame->Bind(WM_PAGE_NEXT, [this](CPageRequestEvent& e) { requests.push_back(e.GetRequest()); });
    frame->Bind(WM_PAGE_BACK, [this](CPageRequestEvent& e) { requests.push_back(e.GetRequest()); });
    first = new CTestPage(130, frame);
    second = new CTestPage(129, frame);
    testsupport::PumpEvents();
  }

  std::vector<stPageRequest> requests;
  CTestPage* first = nullptr;
  CTestPage* second = nullptr;
};

TEST_F(PageProtocolTest, NextIsRefusedWhileThePageRefuses) {
  stNavNode* node = reinterpret_cast<stNavNode*>(0x1234);
  first->SetPageIndex(node);
  first->acceptCheck = false;
  EXPECT_FALSE(first->RequestNextPage(3, 4));
  EXPECT_EQ(first->stores, 0);  // a refused check stores nothing
  first->acceptCheck = true;
  first->acceptStore = false;
  EXPECT_FALSE(first->RequestNextPage(3, 4));
  testsupport::PumpEvents();
  EXPECT_TRUE(requests.empty());

  first->acceptStore = true;
  EXPECT_TRUE(first->RequestNextPage(3, 4));
  testsupport::PumpEvents();
  ASSERT_EQ(requests.size(), 1u);
  const stPageRequest& request = requests[0];
  EXPECT_EQ(request.next, 1);
  EXPECT_EQ(request.back, 0);
  EXPECT_EQ(request.wParam, 3);
  EXPECT_EQ(request.lParam, 4);
  EXPECT_EQ(request.node, node);
}

TEST_F(PageProtocolTest, BackStoresWithoutChecking) {
  EXPECT_TRUE(second->RequestPreviousPage(7, 0));
  testsupport::PumpEvents();
  EXPECT_EQ(second->checks, 0);
  EXPECT_EQ(second->stores, 1);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].back, 1);
  EXPECT_EQ(requests[0].next, 0);
  EXPECT_EQ(requests[0].wParam, 7);
  second->acceptStore = false;
  EXPECT_FALSE(second->RequestPreviousPage(7, 0));
}

// A resize takes the focus off the page's edit; a size event that changes
// nothing, as GTK sends after a relayout or a late configure, leaves it there.
TEST_F(PageProtocolTest, OnlyAResizeTakesTheFocusFromAnEdit) {
  // A frame that became active later would give the focus back to the edit.
  ASSERT_TRUE(testsupport::Activate(frame));
  first->SetSize(300, 200);
  auto* edit = new wxTextCtrl(first, wxID_ANY, "", wxPoint(10, 10), wxSize(100, 24));
  edit->SetFocus();
  ASSERT_TRUE(testsupport::PumpUntil([&] { return wxWindow::FindFocus() == edit; }));
  first->SendSizeEvent();
  testsupport::PumpEvents();
  EXPECT_EQ(wxWindow::FindFocus(), edit);
  first->SetSize(320, 200);
  testsupport::PumpEvents();
  EXPECT_EQ(wxWindow::FindFocus(), first);
}

TEST_F(PageProtocolTest, ResizesAndShowsReachThePageOnce) {
  const int before = first->layouts;
  first->SetSize(300, 200);
  testsupport::PumpEvents();
  first->SetSize(300, 200);
  testsupport::PumpEvents();
  EXPECT_EQ(first->layouts, before + 1);
  first->SetSize(0, 0);
  testsupport::PumpEvents();
  EXPECT_EQ(first->layouts, before + 1);

  first->Hide();
  first->refreshPending = 1;
  first->Show();
  first->Hide();
  first->Show();
  testsupport::PumpEvents();
  EXPECT_EQ(first->shown, 1);
  EXPECT_EQ(first->refreshPending, 0);
}

TEST_F(PageProtocolTest, MissingClientElementIsReported) {
  testsupport::TempDir dir;
  state.App().uiConfigFolder = dir.Path();
  state.App().langFile = platform::JoinPath(platform::JoinPath(OLV_SOURCE_DIR, "install"), "Lang.ini");
  state.App().currentLangSection = "1252";
  testsupport::CMessageRecorder boxes;
  first->InitLayout(LayoutFile("Nothing.ini"), LayoutPrefix("A"));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "The layout element SW_CLIENT is missing from " +
                                     platform::JoinPath(dir.Path(), "Nothing.ini") + ".");
  state.App().uiConfigFolder.clear();
  state.App().langFile.clear();
}

// The toolkit's own drawing of the watermark: the picture stretched over a
// white area, then the result laid over white at opacity 12 of 255.
wxImage DrawnWatermark(const wxImage& picture, const wxSize& size) {
  wxBitmap canvas(size, 24);
  {
    wxMemoryDC memory(canvas);
    memory.SetBackground(*wxWHITE_BRUSH);
    memory.Clear();
    memory.DrawBitmap(wxBitmap(picture.Scale(size.x, size.y, wxIMAGE_QUALITY_HIGH)), 0, 0, true);
  }
  wxImage faint = canvas.ConvertToImage();
  faint.InitAlpha();
  std::fill(faint.GetAlpha(), faint.GetAlpha() + size.x * size.y, 12);
  wxBitmap watermark(size, 24);
  wxMemoryDC memory(watermark);
  memory.SetBackground(*wxWHITE_BRUSH);
  memory.Clear();
  memory.DrawBitmap(wxBitmap(faint), 0, 0, true);
  memory.SelectObject(wxNullBitmap);
  return watermark.ConvertToImage();
}

// The watermark the page paints, made at once or beforehand beside the UI
// thread, has the toolkit's drawing's every pixel, at the picture's size and stretched.
TEST_F(PageProtocolTest, WatermarkMatchesTheToolkitsDrawingPixelForPixel) {
  wxImage picture;
  ASSERT_TRUE(LoadImageFromResource(picture, IDB_PAGE_BACKGROUND, "png"));
  for (const bool prepared : {false, true}) {
    for (const wxSize& size : {picture.GetSize(), wxSize(700, 413), wxSize(151, 90)}) {
      ASSERT_TRUE(first->LoadBackgroundImage());
      if (prepared) first->PrepareBackground(size);
      wxBitmap painted(size, 24);
      {
        wxMemoryDC memory(painted);
        first->DrawBackgroundPart(memory, wxRect(size), 0, wxRect(size));
      }
      const wxImage expected = DrawnWatermark(picture, size);
      const wxImage actual = painted.ConvertToImage();
      const std::size_t bytes = static_cast<std::size_t>(size.x) * size.y * 3;
      EXPECT_TRUE(std::equal(actual.GetData(), actual.GetData() + bytes, expected.GetData()))
          << size.x << "x" << size.y << (prepared ? " prepared" : "");
    }
  }
}

// The layout file and the prefix are types of their own: swapped, the call does not build.
static_assert(
    std::is_invocable_v<decltype(&CSubBaseDlg::InitLayout), CSubBaseDlg*, LayoutFile, LayoutPrefix>);
static_assert(
    !std::is_invocable_v<decltype(&CSubBaseDlg::InitLayout), CSubBaseDlg*, LayoutPrefix, LayoutFile>);
static_assert(!std::is_invocable_v<decltype(&CSubBaseDlg::InitLayout), CSubBaseDlg*, wxString, wxString>);

TEST(ParamBase, UsedNamesAreComparedWithoutCaseAndKept) {
  CParamBaseDlg dialog(0, nullptr);
  dialog.SetUsedNames("A,B", "");
  EXPECT_EQ(dialog.GetUsedNames(), "A,B");
  dialog.SetUsedNames("A", "B");
  EXPECT_EQ(dialog.GetUsedNames(), "A,B");
  EXPECT_TRUE(dialog.IsInNameList("b"));
  EXPECT_TRUE(dialog.IsInNameList("b"));  // asking again gives the same answer
  EXPECT_TRUE(dialog.IsInNameList("A"));
  EXPECT_FALSE(dialog.IsInNameList("C"));
}

TEST(UserIni, CreatedWithItsFolderAndByteOrderMark) {
  testsupport::TempDir dir;
  wxString path;
  {
    testsupport::ScopedEnv data("XDG_DATA_HOME", dir.Path());
    path = GetUserIniPath();
  }
  EXPECT_EQ(path, dir.File("OLVANTA/ir_remote.ini"));
  EXPECT_EQ(testsupport::ReadBytes(path), "\xFF\xFE");
}

}  // namespace

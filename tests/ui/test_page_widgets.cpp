// Function buttons, the wave drawing, the scrollable window and the
// difference-highlighting rich edit, driven as a user drives them.
#include "ui/IRRichEdit.h"
#include "ui/FuncBtn.h"
#include "ui/ScrollWnd.h"
#include "ui/ToolTip2.h"
#include "ui/WaveDraw.h"

#include "core/AppContext.h"

#include "HostFrame.h"
#include "UiEvents.h"
#include "ProgramState.h"

#include <gtest/gtest.h>
#include <type_traits>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/stattext.h>

namespace {

wxColour PixelOf(const wxImage& image, const wxPoint& at) {
  return wxColour(image.GetRed(at.x, at.y), image.GetGreen(at.x, at.y), image.GetBlue(at.x, at.y));
}

// What a window draws through its drawing function, as an image.
template <class Draw>
wxImage Render(const wxSize& size, Draw draw) {
  wxBitmap bitmap(size.x, size.y, 24);
  {
    wxMemoryDC dc(bitmap);
    draw(dc);
  }
  return bitmap.ConvertToImage();
}

class PageWidgetTest : public testsupport::HostFrameTest {
 protected:
  testsupport::ProgramState state;

  PageWidgetTest() : HostFrameTest(wxSize(640, 520), wxPoint(30, 30)) {}
  void SetUp() override {
    savedImageFolder = g_App.imageFolder;
    state.App().imageFolder = wxString(OLV_SOURCE_DIR) + "/install/Images";
    HostFrameTest::SetUp();
  }
  void TearDown() override {
    HostFrameTest::TearDown();
    SetFuncBtnServices(nullptr);
  }
  wxString savedImageFolder;
};

// ---------------------------------------------------------------------------
// Function buttons

TEST_F(PageWidgetTest, ColoursAreGivenAsRgbAndStoredAsColorRef) {
  auto* button = new CFuncBtn(page, wxID_ANY);
  button->SetBkColors(0x123456, 0xABCDEF);
  EXPECT_EQ(button->GetBkColor(CScalableButton::kStateNormal), 0x563412u);
  EXPECT_EQ(button->GetBkColor(CScalableButton::kStateHover), 0x563412u);
  EXPECT_EQ(button->GetBkColor(CScalableButton::kStatePressed), 0x563412u);
  EXPECT_EQ(button->GetBkColor(CScalableButton::kStateConditionOff), 0xEFCDABu);
  EXPECT_EQ(button->GetBkColor(CScalableButton::kStateInactive), 0xFFFFFFu);  // keeps its own
  button->SetTextColors4(0x010203, 0x040506, 0x070809, 0x0A0B0C);
  EXPECT_EQ(button->GetTextColor(CScalableButton::kStateNormal), 0x030201u);
  EXPECT_EQ(button->GetTextColor(CScalableButton::kStatePressed), 0x0C0B0Au);
}

TEST_F(PageWidgetTest, FitToTextSizesAndCutsTheCaption) {
  auto* button = new CFuncBtn(page, wxID_ANY, wxPoint(5, 5));
  button->SetTitle("Temp");
  wxClientDC dc(button);
  dc.SetFont(button->GetFont());
  const wxSize text = dc.GetTextExtent("Temp");
  EXPECT_EQ(button->FitToText(20, 30), wxSize(text.x + 8, text.y + 10));
  EXPECT_EQ(button->GetRect(), wxRect(20, 30, text.x + 8, text.y + 10));
  button->FitToText(-1, 99);  // one of them -1: the button stays where it is
  EXPECT_EQ(button->GetPosition(), wxPoint(20, 30));

  button->SetTitle("A caption far too long to fit into the width of one function button");
  EXPECT_EQ(button->FitToText().x, CScalableButton::kDefaultWidthLimit);
  const wxString shown = button->GetShownText(dc);
  EXPECT_TRUE(shown.EndsWith("...") || shown.EndsWith(wxString(wxUniChar(0x2026)))) << shown;
  EXPECT_LT(dc.GetTextExtent(shown).x, CScalableButton::kDefaultWidthLimit);
}

TEST_F(PageWidgetTest, StatesPickTheColours) {
  auto* button = new CFuncBtn(page, wxID_ANY, wxPoint(10, 10));
  button->SetTitle("Mode");
  button->SetBkColors4(0x00FF00, 0x808080, 0x0000FF, 0xFF0000);
  button->FitToText();
  const wxSize size = button->GetSize();
  const wxPoint inside(4, size.y / 2);  // inside the outline, left of the text
  auto look = [&] { return PixelOf(Render(size, [&](wxDC& dc) { button->DrawButton(dc); }), inside); };
  EXPECT_EQ(look(), wxColour(0, 255, 0));
  testsupport::MouseEnter(button, wxPoint(3, 3));
  EXPECT_TRUE(button->IsHover());
  EXPECT_EQ(look(), wxColour(0, 0, 255));
  testsupport::MouseDown(button, wxPoint(3, 3));
  EXPECT_EQ(look(), wxColour(255, 0, 0));
  testsupport::MouseUp(button, wxPoint(3, 3));
  EXPECT_FALSE(button->IsPressed());
  testsupport::MouseLeave(button);
  button->SetNormalState(false);
  EXPECT_EQ(look(), wxColour(255, 255, 255));  // inactive
  button->SetEnableExpr("0");
  ASSERT_FALSE(button->EvaluateEnable(0, true));
  EXPECT_EQ(look(), wxColour(128, 128, 128));  // condition off comes first
}

TEST_F(PageWidgetTest, HoverShowsTheParameterNamesAsTip) {
  auto* button = new CFuncBtn(page, wxID_ANY, wxPoint(40, 50));
  button->SetTitle("Clock");
  button->FitToText();
  button->AddParam(ParamDefineName("LCD_CLOCK_COM"), ParamValueFormat("%s"), ParamIndexText("p1"));
  button->AddParam(ParamDefineName("LCD_CLOCK_SEG"), ParamValueFormat("%s"), ParamIndexText("p2"));
  EXPECT_EQ(button->GetTipText(), "LCD_CLOCK_COM,LCD_CLOCK_SEG");

  testsupport::MouseEnter(button, wxPoint(2, 2));
  testsupport::MouseMove(button, wxPoint(4, 4));
  CToolTip2* tip = button->GetToolTipWindow();
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(tip->IsTipShown());
  EXPECT_EQ(tip->GetText(), "LCD_CLOCK_COM,LCD_CLOCK_SEG");
  EXPECT_EQ(tip->GetAnchor(), button->GetRect().GetBottomRight() + wxPoint(1, 1));
  testsupport::MouseLeave(button);
  EXPECT_FALSE(button->IsHover());
  EXPECT_FALSE(tip->IsTipShown());

  button->ClearParamNames();
  EXPECT_TRUE(button->GetTipText().empty());
}

struct FakeProject : CFuncBtnServices {
  bool IsTimeShowEnabled() override { return timeShown; }
  bool IsAirFuncInSendData(int number, int listSelector) override {
    lastSelector = listSelector;
    return number == 1;
  }
  bool IsAirFuncReserveTwo(int number) override { return number == 2; }
  int GetAirFuncReserve(int number) override { return number == 2 ? 2 : -1; }
  wxString GetLCDButtonCom(CFuncBtn*) override { return "3"; }
  wxString GetLCDButtonSeg1(CFuncBtn*) override { return "12"; }
  wxString GetLCDButtonSeg2(CFuncBtn*) override { return "13"; }
  wxString GetLCDButtonDigitMap(CFuncBtn*, bool userDefined) override {
    return userDefined ? "0x7F" : "0x3F";
  }
  bool timeShown = false;
  int lastSelector = -1;
};

TEST_F(PageWidgetTest, EnableConditionDrivesTheWindow) {
  FakeProject project;
  SetFuncBtnServices(&project);
  auto* button = new CFuncBtn(page, wxID_ANY);

  button->SetEnableExpr("GetButtonEnable(P1&T2)");
  EXPECT_TRUE(button->EvaluateEnable(7, false));
  EXPECT_TRUE(button->IsEnabled());
  EXPECT_FALSE(button->IsConditionOff());
  EXPECT_EQ(project.lastSelector, 7);
  EXPECT_EQ(button->GetReferencedNumbers(), (std::vector<int>{1, 2}));

  button->SetEnableExpr("GetTimeEnable");
  EXPECT_FALSE(button->EvaluateEnable(0, true));  // the keep flag does not hold for GetTimeEnable
  EXPECT_FALSE(button->IsEnabled());
  EXPECT_TRUE(button->IsConditionOff());
  EXPECT_TRUE(button->GetReferencedNumbers().empty());

  // "0"/"1" with the keep flag set change the flag, not the window.
  button->SetEnableExpr("1");
  EXPECT_TRUE(button->EvaluateEnable(0, true));
  EXPECT_FALSE(button->IsEnabled());
  EXPECT_FALSE(button->IsConditionOff());
  EXPECT_TRUE(button->EvaluateEnable(0, false));
  EXPECT_TRUE(button->IsEnabled());

  // A condition that cannot be read changes nothing.
  // A condition that cannot be read changes nothing and answers the state
  // the button keeps.
  button->SetEnableExpr("GetButtonEnable(1;2)");
  EXPECT_TRUE(button->EvaluateEnable(0, false));
  EXPECT_TRUE(button->IsEnabled());
  EXPECT_FALSE(button->IsConditionOff());
  button->SetEnableExpr("0");
  EXPECT_FALSE(button->EvaluateEnable(0, false));
  button->SetEnableExpr("GetButtonEnable(");
  EXPECT_FALSE(button->EvaluateEnable(0, false));
  EXPECT_TRUE(button->IsConditionOff());
}

TEST_F(PageWidgetTest, ParameterDefines) {
  FakeProject project;
  SetFuncBtnServices(&project);
  auto* button = new CFuncBtn(page, wxID_ANY);
  for (const char* value : {"COM_1", "seg_1", "SEG_2", "DigitMap", "Other"}) button->AddParamValue(value);
  struct {
    const char* name;
    const char* format;
    const char* indexes;
  } records[] = {{"HOUR_COM", "%s", "p1"},
                 {"HOUR_SEG", "(%s<<8)|%s", "p2p3"},
                 {"HOUR_MAP", "%s", "p4"},
                 {"HOUR_OTHER", "[%s]", "p5"},
                 {"HOUR_BAD", "%s-%s", "p9p0"}};  // positions outside the list
  for (const auto& r : records)
    button->AddParam(ParamDefineName(r.name), ParamValueFormat(r.format), ParamIndexText(r.indexes));
  wxArrayString defines;
  EXPECT_EQ(button->GetParamDefines(defines, false), 1);
  ASSERT_EQ(defines.size(), 5u);
  EXPECT_EQ(defines[0], "#define\tHOUR_COM 3");
  EXPECT_EQ(defines[1], "#define\tHOUR_SEG (12<<8)|13");
  EXPECT_EQ(defines[2], "#define\tHOUR_MAP 0x3F");
  EXPECT_EQ(defines[3], "#define\tHOUR_OTHER []");
  EXPECT_EQ(defines[4], "#define\tHOUR_BAD -");

  // The user-defined flag reaches the digit map.
  defines.clear();
  button->GetParamDefines(defines, true);
  EXPECT_EQ(defines[2], "#define\tHOUR_MAP 0x7F");

  button->DeleteParams();
  defines.clear();
  button->GetParamDefines(defines, false);
  EXPECT_TRUE(defines.empty());
}

// AddParam takes (define name, value format, indexes), each its own type:
// a call with the texts in another order, or as plain strings, does not build.
template <class... Args>
constexpr bool kAddParamTakes = std::is_invocable_v<decltype(&CFuncBtn::AddParam), CFuncBtn*, Args...>;
static_assert(kAddParamTakes<ParamDefineName, ParamValueFormat, ParamIndexText, ParamCondition>);
static_assert(!kAddParamTakes<ParamValueFormat, ParamDefineName, ParamIndexText, ParamCondition>);
static_assert(!kAddParamTakes<wxString, wxString, wxString, ParamCondition>);

TEST_F(PageWidgetTest, ANewButtonIsUnplacedWithoutValueOrDigit) {
  CFuncBtn button(page, wxID_ANY);
  EXPECT_EQ(button.LcdPosition, 0xFFFF);
  EXPECT_EQ(button.Value, -1);
  EXPECT_EQ(button.DataIndx, -1);
  EXPECT_EQ(button.ModeIndx, -1);
  EXPECT_EQ(button.FirstValueIndex, -1);
  EXPECT_EQ(button.FuncIndex, -1);  // a base button, not a user-defined one
  EXPECT_EQ(button.FCancelled, 0);

  // Key buttons give their records a condition.
  button.AddParam(ParamDefineName("KEY_ON"), ParamValueFormat("%s"), ParamIndexText("p1"),
                  ParamCondition("GetOpenFlag(3)"));
  ASSERT_EQ(button.GetParams().size(), 1u);
  EXPECT_EQ(button.GetParams()[0]->condition, "GetOpenFlag(3)");
  EXPECT_EQ(button.GetParams()[0]->defineName, "KEY_ON");
}

class FakeGrid : public wxWindow, public CFuncBtnDropTarget {
 public:
  explicit FakeGrid(wxWindow* parent) : wxWindow(parent, wxID_ANY, wxPoint(300, 10), wxSize(100, 100)) {}
  void BeginDragButton(CFuncBtn* button) override {
    dragged = button;
    hadCapture = HasCapture();
  }
  CFuncBtn* dragged = nullptr;
  bool hadCapture = false;
};

TEST_F(PageWidgetTest, PressingStartsADragOntoTheGridOrClicks) {
  auto* button = new CFuncBtn(page, 77, wxPoint(10, 10), wxSize(60, 24));
  int clicks = 0;
  page->Bind(wxEVT_BUTTON, [&](wxCommandEvent& event) { clicks += event.GetId() == 77; });
  testsupport::Click(button, wxPoint(5, 5));
  EXPECT_EQ(clicks, 1);

  auto* grid = new FakeGrid(page);
  button->SetLcdGrid(grid);
  testsupport::MouseDown(button, wxPoint(5, 5));
  EXPECT_EQ(grid->dragged, button);
  EXPECT_TRUE(grid->hadCapture);
  EXPECT_FALSE(button->HasCapture());
  if (grid->HasCapture()) grid->ReleaseMouse();
}

// ---------------------------------------------------------------------------
// Wave drawing

TEST_F(PageWidgetTest, WaveLabelsAndCaption) {
  auto* wave = new CDrawWave(page, wxID_ANY, wxPoint(0, 0), wxSize(210, 100));
  wave->SetCaption("9 ms", true);
  wave->SetSpanText(0, 1, "mark");
  wave->SetSpanText(1, 1, "space");
  wave->SetSpanText(0, 2, "bit");  // same first segment: replaced
  EXPECT_EQ(wave->GetSpanCount(), 2);
  EXPECT_EQ(wave->GetSpanText(0), "bit");
  EXPECT_EQ(wave->GetSpanText(1), "space");
  EXPECT_EQ(wave->GetSpanText(-1), "9 ms");
  EXPECT_EQ(wave->GetSpanText(2), "");
  EXPECT_EQ(wave->GetSpanText(-5), "");

  wave->AddSegment(1, 1, false);
  wave->AddSegment(1, 0, true);
  wave->Clear(false);
  EXPECT_EQ(wave->GetSegmentCount(), 0);
  EXPECT_EQ(wave->GetSpanCount(), 2);
  wave->Clear(true);
  EXPECT_EQ(wave->GetSpanCount(), 0);
  EXPECT_EQ(wave->GetSpanText(-1), "");
}

TEST_F(PageWidgetTest, WavePaintsBlocksLinesAndPatterns) {
  auto* wave = new CDrawWave(page, wxID_ANY, wxPoint(0, 0), wxSize(210, 100));
  wave->AddSegment(1, 1, false);
  wave->AddSegment(1, 0, true);
  const stWaveGeometry geometry = wave->GetGeometry();
  const wxPoint inBlock(50, (geometry.highY + geometry.lowY) / 2);
  const wxPoint onLowLine(150, geometry.lowY);
  const wxPoint aboveLowLine(150, geometry.lowY - 5);
  auto draw = [&] { return Render(wave->GetSize(), [&](wxDC& dc) { wave->DrawWave(dc); }); };

  wxImage image = draw();
  EXPECT_EQ(PixelOf(image, inBlock), *wxBLACK);  // solid fill colour 0
  EXPECT_EQ(PixelOf(image, onLowLine), *wxBLACK);
  EXPECT_EQ(PixelOf(image, aboveLowLine), *wxWHITE);

  wave->SetFillStyle(CDrawWave::kFillBlue);
  image = draw();
  bool blue = false;
  for (int dx = 0; dx < 8; ++dx) blue |= PixelOf(image, inBlock + wxPoint(dx, 0)) == wxColour(0, 102, 204);
  EXPECT_TRUE(blue);  // the pattern from blue.bmp

  wave->SetFillMode(false);  // outline: no block, the high line is drawn
  image = draw();
  EXPECT_EQ(PixelOf(image, inBlock), *wxWHITE);
  EXPECT_EQ(PixelOf(image, wxPoint(50, geometry.highY)), *wxBLACK);
}

// ---------------------------------------------------------------------------
// Scrollable window

class BigView : public CSBWnd {
 public:
  BigView(wxWindow* parent, const wxSize& size) : CSBWnd(parent, wxID_ANY, wxPoint(0, 0), size) {
    RecalcLayout();
  }
  void GetContentRect(wxRect& rect) const override { rect = wxRect(content); }
  void DrawContent(wxDC& dc) override {
    // A black square at content (100, 100).
    dc.SetBrush(*wxBLACK_BRUSH);
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawRectangle(100, 100, 10, 10);
  }
  void OnScrollY(int delta) override { scrolledY += delta; }
  void OnScrollX(int delta) override { scrolledX += delta; }
  wxSize content{500, 400};
  int scrolledX = 0;
  int scrolledY = 0;
};

void SendScroll(wxScrollBar* bar, wxEventType type, int position = 0) {
  wxScrollEvent event(type, bar->GetId(), position, bar->IsVertical() ? wxVERTICAL : wxHORIZONTAL);
  event.SetEventObject(bar);
  bar->HandleWindowEvent(event);
}

TEST_F(PageWidgetTest, ScrollWindowHeaderAndBars) {
  auto* view = new BigView(page, wxSize(300, 246));
  EXPECT_EQ(view->GetHeaderRect(), wxRect(0, 0, 300, 44));
  EXPECT_EQ(view->GetSeparatorRect(), wxRect(0, 44, 300, 2));
  EXPECT_EQ(view->GetViewRect(), wxRect(0, 46, 300, 200));
  ASSERT_TRUE(view->IsVerticalBarNeeded());
  ASSERT_TRUE(view->IsHorizontalBarNeeded());
  wxScrollBar* vertical = view->GetVerticalBar();
  wxScrollBar* horizontal = view->GetHorizontalBar();
  ASSERT_TRUE(vertical && horizontal);
  EXPECT_EQ(vertical->GetId(), CSBWnd::kVerticalBarId);
  EXPECT_EQ(horizontal->GetId(), CSBWnd::kHorizontalBarId);
  EXPECT_EQ(vertical->GetRange(), 400);
  EXPECT_EQ(vertical->GetThumbSize(), 200);
  // Each bar stops short of the other.
  EXPECT_LE(vertical->GetRect().GetBottom(), horizontal->GetRect().GetTop());

  SendScroll(vertical, wxEVT_SCROLL_LINEDOWN);
  SendScroll(vertical, wxEVT_SCROLL_PAGEDOWN);
  EXPECT_EQ(view->GetScrollY(), 2);
  EXPECT_EQ(view->scrolledY, 2);
  SendScroll(vertical, wxEVT_SCROLL_THUMBTRACK, 150);
  EXPECT_EQ(view->GetScrollY(), 150);
  SendScroll(vertical, wxEVT_SCROLL_BOTTOM);  // thumb and offset both at the end
  EXPECT_EQ(view->GetScrollY(), 200);
  EXPECT_EQ(vertical->GetThumbPosition(), 200);
  SendScroll(vertical, wxEVT_SCROLL_LINEDOWN);  // nothing past the end
  EXPECT_EQ(view->scrolledY, 200);
  SendScroll(horizontal, wxEVT_SCROLL_THUMBTRACK, 40);
  EXPECT_EQ(view->GetScrollX(), 40);
  EXPECT_EQ(view->WindowToContent(wxPoint(0, 46)), wxPoint(40, 200));

  // The content moves with the offsets; the header keeps its colours.
  const wxImage image = Render(view->GetSize(), [&](wxDC& dc) { view->DrawWindow(dc); });
  EXPECT_EQ(PixelOf(image, wxPoint(5, 5)), wxColour(255, 0, 0));
  EXPECT_EQ(PixelOf(image, wxPoint(5, 45)), wxColour(255, 255, 0));
  EXPECT_EQ(PixelOf(image, wxPoint(100 - 40 + 5, 46 + 100 + 5)), *wxWHITE);  // scrolled up out of the view
  SendScroll(vertical, wxEVT_SCROLL_TOP);
  EXPECT_EQ(view->GetScrollY(), 0);
  const wxImage top = Render(view->GetSize(), [&](wxDC& dc) { view->DrawWindow(dc); });
  EXPECT_EQ(PixelOf(top, wxPoint(100 - 40 + 5, 46 + 100 + 5)), *wxBLACK);

  // Content that fits: no bars, offsets back to 0.
  SendScroll(vertical, wxEVT_SCROLL_BOTTOM);
  view->content = wxSize(100, 100);
  view->RecalcLayout();
  EXPECT_FALSE(vertical->IsShown());
  EXPECT_FALSE(horizontal->IsShown());
  EXPECT_EQ(view->GetScrollY(), 0);
  EXPECT_EQ(view->GetScrollX(), 0);
}

TEST_F(PageWidgetTest, ScrollOffsetsFollowAResize) {
  auto* view = new BigView(page, wxSize(300, 246));
  SendScroll(view->GetVerticalBar(), wxEVT_SCROLL_BOTTOM);
  EXPECT_EQ(view->GetScrollY(), 200);
  view->SetSize(300, 346);  // the view is 300 high now: the limit is 100
  view->RecalcLayout();
  EXPECT_EQ(view->GetScrollY(), 100);
  EXPECT_EQ(view->GetVerticalBar()->GetThumbPosition(), 100);
}

// ---------------------------------------------------------------------------
// Difference rich edit

TEST_F(PageWidgetTest, RichEditMarksDifferencesInRed) {
  auto* edit = new CIRRichEdit(page, wxID_ANY, wxPoint(0, 0), wxSize(300, 40));
  edit->SetText("A1B2C3D4");
  EXPECT_FALSE(edit->IsEnabled());
  EXPECT_EQ(edit->GetValue(), "A1B2C3D4");
  EXPECT_EQ(edit->GetCharColour(0), CIRRichEdit::kTextColour);

  auto colours = [&] {
    wxString marks;
    for (long i = 0; i < edit->GetLastPosition(); ++i)
      marks += edit->GetCharColour(i) == CIRRichEdit::kMarkColour ? 'r' : '.';
    return marks;
  };
  edit->MarkDifferences("A1B2C3D4");
  EXPECT_EQ(colours(), "........");
  edit->MarkDifferences("A1XXC3D499");  // shorter than the reference: compared over its own length
  EXPECT_EQ(colours(), "..rr....");
  edit->MarkDifferences("A1B2");  // longer: the tail is red
  EXPECT_EQ(colours(), "....rrrr");
  edit->ResetColours();
  EXPECT_EQ(colours(), "........");

  wxRichTextAttr style;
  ASSERT_TRUE(edit->GetStyle(0, style));
  EXPECT_EQ(style.GetFontWeight(), wxFONTWEIGHT_BOLD);
  EXPECT_EQ(style.GetFontFaceName(), "Courier");
}

// ---------------------------------------------------------------------------

TEST_F(PageWidgetTest, SampleWindowScreenshot) {
  frame->SetClientSize(560, 360);
  const wxColour panelBlue(232, 240, 250);
  page->SetBackgroundColour(panelBlue);
  new wxStaticText(page, wxID_ANY, "Function buttons", wxPoint(16, 12));
  int x = 16;
  const struct {
    const char* title;
    std::uint32_t back;
    bool off;
  } buttons[] = {{"Hour", 0xFFFFFF, false},
                 {"Minute", 0xFFF2CC, false},
                 {"Battery level", 0xD9EAD3, false},
                 {"Timer off", 0xFFFFFF, true},
                 {"A caption far too long for one button", 0xFFFFFF, false}};
  for (const auto& b : buttons) {
    auto* button = new CFuncBtn(page, wxID_ANY);
    button->SetTitle(b.title);
    button->SetBkColors(b.back, 0xBFBFBF);
    button->SetEnableExpr(b.off ? "0" : "1");
    button->EvaluateEnable(0, true);
    x += button->FitToText(x, 36).x + 8;
  }

  new wxStaticText(page, wxID_ANY, "Wave drawing", wxPoint(16, 82));
  auto* bits = new CDrawWave(page, wxID_ANY, wxPoint(16, 102), wxSize(260, 110));
  bits->SetFillStyle(CDrawWave::kFillBlue);
  for (int level : {1, 0, 1, 0, 0, 0}) bits->AddSegment(1, level, false);
  bits->SetSpanText(0, 2, "0");
  bits->SetSpanText(2, 4, "1");
  auto* lead = new CDrawWave(page, wxID_ANY, wxPoint(284, 102), wxSize(260, 110));
  lead->SetFillMode(false);
  lead->AddSegment(16, 1, false);
  lead->AddSegment(8, 0, false);
  lead->SetCaption("Lead code 13.5 ms", true);

  new wxStaticText(page, wxID_ANY, "Difference rich edit", wxPoint(16, 226));
  auto* expected = new CIRRichEdit(page, wxID_ANY, wxPoint(16, 246), wxSize(528, 36));
  expected->SetText("00FF 20DF 10EF");
  auto* captured = new CIRRichEdit(page, wxID_ANY, wxPoint(16, 290), wxSize(528, 36));
  captured->SetText("00FF 28DF 10EF 7A");
  captured->MarkDifferences("00FF 20DF 10EF");

  const wxString path = testsupport::SaveWindowScreenshot(frame, "page_widgets.png");
  EXPECT_FALSE(path.empty());
  // The marked character shows red on the screen.
  EXPECT_EQ(captured->GetCharColour(6), CIRRichEdit::kMarkColour);
}

}  // namespace

#include "ui/pages/HistoryList.h"

#include "core/AppContext.h"
#include "core/FileHelpers.h"
#include "core/MessageBoxes.h"
#include "core/UserIni.h"
#include "ui/Colors.h"
#include "ui/ToolTip2.h"
#include "ui/pages/RecentProjects.h"
#include "ui/shell/ShellHooks.h"
#include "ui/shell/ShellDocuments.h"

#include <wx/control.h>
#include <wx/dcbuffer.h>

#include <algorithm>

namespace {

constexpr ColorRef kHotTextColor = 0xE2914C;
constexpr ColorRef kRuleColor = 0xC3C3C3;
constexpr int kTextLeft = 25;
constexpr int kRuleLeft = 20;
constexpr int kRightMargin = 30;
constexpr int kTipOffsetY = 20;
constexpr int kListPointSize = 10;

CTDS_History_Dlg::FolderOpener& FolderOpenerSlot() {
  static CTDS_History_Dlg::FolderOpener opener;
  return opener;
}

}  // namespace

void CTDS_History_Dlg::SetFolderOpener(FolderOpener opener) { FolderOpenerSlot() = std::move(opener); }

CTDS_History_Dlg::CTDS_History_Dlg(wxWindow* parent, int templateId, Kind kind, const wxString& category)
    : wxWindow(parent, templateId, wxDefaultPosition, wxSize(200, 7 * kRowHeight), wxVSCROLL | wxBORDER_NONE),
      m_kind(kind),
      m_category(category),
      m_timer(this, kHoverTimerId) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetBackgroundColour(*wxWHITE);
  FillList();
  m_listFont.SetFromFont(GetFont());
  m_listFont.SetPointSize(kListPointSize);
  m_normalFont = m_listFont;
  m_hotFont = m_listFont;
  stLogFont hot = m_hotFont.GetLogFont();
  hot.underline = true;
  m_hotFont.SetLogFont(hot);
  m_tip = new CToolTip2();
  m_tip->Create(8, 2, 4, this);
  ResetScroll();
  Bind(wxEVT_PAINT, &CTDS_History_Dlg::OnPaint, this);
  Bind(wxEVT_ERASE_BACKGROUND, [](wxEraseEvent&) {});
  Bind(wxEVT_SCROLLWIN_TOP, &CTDS_History_Dlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_BOTTOM, &CTDS_History_Dlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_LINEUP, &CTDS_History_Dlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_LINEDOWN, &CTDS_History_Dlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_PAGEUP, &CTDS_History_Dlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_PAGEDOWN, &CTDS_History_Dlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_THUMBTRACK, &CTDS_History_Dlg::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_THUMBRELEASE, &CTDS_History_Dlg::OnScroll, this);
  Bind(wxEVT_MOUSEWHEEL, &CTDS_History_Dlg::OnWheel, this);
  Bind(wxEVT_MOTION, &CTDS_History_Dlg::OnMotion, this);
  Bind(wxEVT_LEAVE_WINDOW, &CTDS_History_Dlg::OnLeave, this);
  Bind(wxEVT_TIMER, &CTDS_History_Dlg::OnTimer, this, kHoverTimerId);
  Bind(wxEVT_LEFT_DOWN, &CTDS_History_Dlg::OnLeftDown, this);
  Bind(wxEVT_SIZE, &CTDS_History_Dlg::OnSize, this);
}

CTDS_History_Dlg::~CTDS_History_Dlg() {
  m_timer.Stop();
  if (m_tip) m_tip->Destroy();
}

// --- Lines and storage.

void CTDS_History_Dlg::FillList() {
  if (m_kind == kRecentList) {
    m_settingsPath = GetUserIniPath();
    if (!m_settingsPath.empty() && FileExists(m_settingsPath)) LoadHistory();
    return;
  }
  m_lines = LoadExampleLines(g_App.installFolder, m_category);
}

void CTDS_History_Dlg::LoadHistory() { m_lines = LoadHistoryLines(m_settingsPath); }

bool CTDS_History_Dlg::SaveHistory() {
  if (m_settingsPath.empty()) return false;
  return SaveHistoryLines(m_settingsPath, m_lines);
}

void CTDS_History_Dlg::AddEntry(const wxString& name, const wxString& path, bool repaint) {
  AddEntryLine(m_lines, name, path);
  if (repaint) Refresh();
  ResetScroll();
}

void CTDS_History_Dlg::RemoveEntry(const wxString& path, bool repaint) {
  RemoveEntryLines(m_lines, path);
  if (m_selected >= static_cast<int>(m_lines.size())) m_selected = -1;
  if (repaint) Refresh();
  ResetScroll();
}

void CTDS_History_Dlg::OpenSelected() {
  if (m_selected < 0 || m_selected >= static_cast<int>(m_lines.size())) return;
  const wxString path = PathOfLine(m_lines[static_cast<std::size_t>(m_selected)]);
  if (FileExists(path)) {
    if (m_kind == kExampleList) {
      if (FolderOpenerSlot()) {
        FolderOpenerSlot()(path);
      } else {
        OpenFolder(path);
      }
    } else if (IShellWindow* main = GetShellWindow()) {
      main->OpenProjectFile(path);
    }
    return;
  }
  LangMessageBox("", kNoticeOk, "IDS_ERR_PRJNOTEXIST", path);
  RemoveEntry(path, true);
  if (m_kind == kRecentList) SaveHistory();
}

// --- Scrolling.

int CTDS_History_Dlg::LastFirstVisible() const {
  return std::max(0, static_cast<int>(m_lines.size()) - m_visibleCount);
}

void CTDS_History_Dlg::ResetScroll() {
  m_firstVisible = 0;
  SetScrollbar(wxVERTICAL, 0, m_visibleCount, static_cast<int>(m_lines.size()));
}

void CTDS_History_Dlg::ScrollTo(int first) {
  first = std::clamp(first, 0, LastFirstVisible());
  if (first == m_firstVisible) return;
  m_firstVisible = first;
  SetScrollPos(wxVERTICAL, first);
  Refresh();
}

void CTDS_History_Dlg::OnScroll(wxScrollWinEvent& event) {
  const wxEventType type = event.GetEventType();
  int first = m_firstVisible;
  if (type == wxEVT_SCROLLWIN_LINEUP) {
    first -= 1;
  } else if (type == wxEVT_SCROLLWIN_LINEDOWN) {
    first += 1;
  } else if (type == wxEVT_SCROLLWIN_PAGEUP) {
    first -= m_visibleCount;
  } else if (type == wxEVT_SCROLLWIN_PAGEDOWN) {
    first += m_visibleCount;
  } else if (type == wxEVT_SCROLLWIN_TOP) {
    first = 0;
  } else if (type == wxEVT_SCROLLWIN_BOTTOM) {
    first = LastFirstVisible();
  } else {
    first = event.GetPosition();
  }
  ScrollTo(first);
}

void CTDS_History_Dlg::OnWheel(wxMouseEvent& event) {
  if (event.GetWheelRotation() < 0 && m_firstVisible < LastFirstVisible()) {
    ScrollTo(m_firstVisible + 1);
  } else if (event.GetWheelRotation() > 0 && m_firstVisible > 0) {
    ScrollTo(m_firstVisible - 1);
  }
  m_tip->Show(false);
}

void CTDS_History_Dlg::OnSize(wxSizeEvent& event) {
  event.Skip();
  m_visibleCount = std::max(0, (GetClientSize().y - 5) / kRowHeight);
  ResetScroll();
  Refresh();
}

// --- Mouse.

int CTDS_History_Dlg::HitTest(const wxPoint& point) const {
  const int width = GetClientSize().x;
  if (point.x <= kRuleLeft || point.x >= width - kRightMargin) return -1;
  if (point.y <= 0 || point.y >= m_visibleCount * kRowHeight) return -1;
  const int row = point.y / kRowHeight;
  const int line = m_firstVisible + row;
  if (row >= static_cast<int>(m_lines.size()) || line >= static_cast<int>(m_lines.size())) return -1;
  return line;
}

wxRect CTDS_History_Dlg::RowRect(int row) const {
  return wxRect(kTextLeft, row * kRowHeight, GetClientSize().x - kRightMargin - kTextLeft, kRowHeight);
}

void CTDS_History_Dlg::OnMotion(wxMouseEvent& event) {
  m_timer.Stop();
  const int line = HitTest(event.GetPosition());
  if (line >= 0) {
    m_hotRow = line - m_firstVisible;
    SetCursor(wxCursor(wxCURSOR_HAND));
    m_timer.Start(kHoverDelayMs);
  } else {
    m_hotRow = -1;
    SetCursor(wxNullCursor);
  }
  Refresh();
  if (m_tipPending) {
    m_tipPending = 0;
  } else {
    m_tip->Show(false);
  }
}

void CTDS_History_Dlg::OnLeave(wxMouseEvent& event) {
  event.Skip();
  m_timer.Stop();
  m_tip->Show(false);
  m_tipPending = 0;
  if (m_hotRow >= 0) {
    m_hotRow = -1;
    Refresh();
  }
}

void CTDS_History_Dlg::OnTimer(wxTimerEvent&) {
  if (!IsShownOnScreen()) {
    m_tip->Show(false);
    m_timer.Stop();
    return;
  }
  const wxPoint cursor = ScreenToClient(wxGetMousePosition());
  const int line = HitTest(cursor);
  if (line >= 0) {
    const wxString& text = m_lines[static_cast<std::size_t>(line)];
    // A tip already up for this line stays as it is; the timer keeps ticking.
    if (m_tip->IsTipShown() && m_tip->GetText() == wxString(text).Trim(true)) return;
    m_selected = line;
    m_tip->Show(false);
    m_tip->SetText(text);
    m_tip->Show(cursor + wxPoint(0, kTipOffsetY));
    m_tipPending = 1;
    return;
  }
  m_tip->Show(false);
  m_hotRow = -1;
  Refresh();
  m_timer.Stop();
}

void CTDS_History_Dlg::OnLeftDown(wxMouseEvent& event) {
  const int line = HitTest(event.GetPosition());
  if (line < 0 || m_openQueued) return;
  m_timer.Stop();
  m_tip->Show(false);
  m_selected = line;
  // The click may open a project that rebuilds the pages; finish this event first.
  m_openQueued = true;
  CallAfter([this] {
    m_openQueued = false;
    OpenSelected();
  });
}

// --- Painting.

void CTDS_History_Dlg::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxSize client = GetClientSize();
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(wxRect(client));
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  const int count = static_cast<int>(m_lines.size());
  for (int row = 0; row < m_visibleCount && m_firstVisible + row < count; ++row) {
    const bool hot = row == m_hotRow;
    dc.SetFont(hot ? m_hotFont.GetFont() : m_normalFont.GetFont());
    dc.SetTextForeground(hot ? ColourFromColorRef(kHotTextColor) : *wxBLACK);
    const wxRect rect = RowRect(row);
    const wxString text = wxControl::Ellipsize(m_lines[static_cast<std::size_t>(m_firstVisible + row)], dc,
                                               wxELLIPSIZE_END, rect.width);
    const wxSize extent = dc.GetTextExtent(text);
    dc.DrawText(text, rect.x, rect.y + (rect.height - extent.y) / 2);
    dc.SetPen(wxPen(ColourFromColorRef(kRuleColor)));
    dc.DrawLine(kRuleLeft, (row + 1) * kRowHeight, kRuleLeft + client.x - kRightMargin,
                (row + 1) * kRowHeight);
    dc.SetPen(*wxTRANSPARENT_PEN);
  }
}

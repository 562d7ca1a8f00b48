#include "controls/grid/GridCell.h"

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridPaint.h"
#include "controls/grid/InPlaceEdit.h"

#include <wx/dcscreen.h>
#include <wx/settings.h>

wxIMPLEMENT_DYNAMIC_CLASS(CGridCell, CGridCellBase);
wxIMPLEMENT_DYNAMIC_CLASS(CGridDefaultCell, CGridCell);

CGridCell::CGridCell() { CGridCell::Reset(); }

CGridCell::~CGridCell() = default;

void CGridCell::Reset() {
  CGridCellBase::Reset();
  m_text.clear();
  m_image = -1;
  m_format = kGridDefaultFormat;
  m_margin = -1;
  m_data = 0;
  m_textColor = kGridDefaultColor;
  m_backColor = kGridDefaultColor;
  m_font.reset();
  m_fontObject.reset();
  m_editing = false;
  m_grid = nullptr;
  m_editWnd = nullptr;
}

void CGridCell::SetFont(const stLogFont* font) {
  m_fontObject.reset();
  if (!font) {
    m_font.reset();
    return;
  }
  if (!m_font) m_font = std::make_unique<stLogFont>();
  *m_font = *font;
}

unsigned CGridCell::GetFormat() const {
  if (m_format != kGridDefaultFormat) return m_format;
  const CGridDefaultCell* defaultCell = GetDefaultCell();
  return defaultCell ? defaultCell->GetFormat() : kGridDefaultFormat;
}

int CGridCell::GetMargin() const {
  if (m_margin != -1) return m_margin;
  const CGridDefaultCell* defaultCell = GetDefaultCell();
  return defaultCell ? defaultCell->GetMargin() : -1;
}

const stLogFont* CGridCell::GetFont() const {
  if (m_font) return m_font.get();
  const CGridDefaultCell* defaultCell = GetDefaultCell();
  return defaultCell ? defaultCell->GetFont() : nullptr;
}

const wxFont* CGridCell::GetFontObject() const {
  if (m_font) {
    if (!m_fontObject) m_fontObject = std::make_unique<CFontEx>(*m_font);
    return &m_fontObject->GetFont();
  }
  const CGridDefaultCell* defaultCell = GetDefaultCell();
  return defaultCell ? defaultCell->GetFontObject() : nullptr;
}

bool CGridCell::ForwardToOpenEditor(int ch) {
  if (!m_editing || !m_editWnd) return false;
  wxKeyEvent event(wxEVT_CHAR);
  event.m_keyCode = ch;
  event.m_uniChar = static_cast<wxChar>(ch);
  event.SetEventObject(m_editWnd);
  m_editWnd->GetEventHandler()->ProcessEvent(event);
  return true;
}

long CGridCell::EditorAlignment() const {
  const unsigned format = GetFormat();
  if (format != kGridDefaultFormat && (format & gridformat::kRight)) return wxTE_RIGHT;
  if (format != kGridDefaultFormat && (format & gridformat::kCenter)) return wxTE_CENTRE;
  return wxTE_LEFT;
}

bool CGridCell::Edit(int row, int col, const GridRect& rect, const wxPoint& point, int id, int ch) {
  wxUnusedVar(point);
  if (ForwardToOpenEditor(ch)) return true;
  if (!m_grid) return false;
  m_editing = true;
  m_editWnd = new CInPlaceEdit(m_grid, rect, EditorAlignment(), id, row, col, GetText(), ch);
  return true;
}

void CGridCell::EndEdit() {
  if (!m_editWnd) return;
  if (auto* editor = dynamic_cast<CInPlaceEdit*>(m_editWnd)) {
    editor->EndEdit();
    return;
  }
  // The editor ends its edit when it loses the focus.
  wxFocusEvent event(wxEVT_KILL_FOCUS, m_editWnd->GetId());
  event.SetEventObject(m_editWnd);
  m_editWnd->GetEventHandler()->ProcessEvent(event);
}

void CGridCell::OnEndEdit() {
  m_editing = false;
  m_editWnd = nullptr;
}

CGridDefaultCell::CGridDefaultCell() {
  m_format = gridformat::kDefault;
  m_textColor = kGridDefaultColor;
  m_backColor = kGridDefaultColor;
  CFontEx system;
  system.SetFromFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  SetFont(&system.GetLogFont());
}

void CGridDefaultCell::SetFont(const stLogFont* font) {
  if (!font) return;
  m_fontObject.SetLogFont(*font);
  CGridCell::SetFont(font);
  MeasureFromFont();
}

void CGridDefaultCell::MeasureFromFont() {
  wxScreenDC dc;
  if (!dc.IsOk() || !m_fontObject.IsOk()) {
    m_margin = 3;
    m_width = 40;
    m_height = 16;
    return;
  }
  dc.SetFont(m_fontObject.GetFont());
  m_margin = dc.GetTextExtent(" ").x;
  const wxSize sample = dc.GetTextExtent(" XXXXXXXXXXXX ");
  m_width = sample.x;
  m_height = sample.y * 3 / 2;
}

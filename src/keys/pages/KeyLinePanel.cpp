#include "keys/pages/KeyLinePanel.h"

#include "core/LangText.h"
#include "keys/KeyConfigSection.h"

#include <wx/dcbuffer.h>

namespace {
constexpr int kMargin = 10;
constexpr int kSlotHeight = 24;
constexpr int kLabelHeight = 16;
constexpr int kRowLabelWidth = 86;
const wxColour kFreeSlot(0xF4, 0xF6, 0xF8);
const wxColour kUsedSlot(0xDC, 0xEB, 0xFA);
const wxColour kSlotBorder(0x9A, 0xA8, 0xB8);
const wxColour kKeyDot(0x3C, 0x78, 0xC8);

SendPreviewFactory& PreviewFactory() {
  static SendPreviewFactory factory;
  return factory;
}
KeyPanelFactory& KeyFactory() {
  static KeyPanelFactory factory;
  return factory;
}
}  // namespace

void RegisterSendPreviewPanel(SendPreviewFactory factory) { PreviewFactory() = std::move(factory); }
SendPreviewFactory GetSendPreviewPanelFactory() { return PreviewFactory(); }
void RegisterKeyPanel(KeyPanelFactory factory) { KeyFactory() = std::move(factory); }
KeyPanelFactory GetKeyPanelFactory() { return KeyFactory(); }

CKeyLinePanel::CKeyLinePanel(wxWindow* parent)
    : wxPanel(parent, kTemplateId, wxDefaultPosition, wxSize(400, 300),
              wxBORDER_THEME | wxFULL_REPAINT_ON_RESIZE) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CKeyLinePanel::OnPaint, this);
  Bind(wxEVT_LEFT_DCLICK, &CKeyLinePanel::OnDoubleClick, this);
}

void CKeyLinePanel::SetupKeypad(int keypad, int lineLimit) {
  m_lines.Setup(keypad, lineLimit);
  Refresh();
}

bool CKeyLinePanel::TakeDroppedPin(const wxPoint& screenPoint, const wxString& pin) {
  const int line = LineAt(ScreenToClient(screenPoint));
  if (line < 0 || !m_lines.DropPin(line, pin)) return false;
  Refresh();
  return true;
}

bool CKeyLinePanel::WriteKeys(const CProjectFile& file) {
  return WriteKeyLineKeys(file, m_lines.Keypad(), m_lines.CountsInUse(),
                          FormatKeyPinList(m_lines.PinList(), m_lines.Keypad()), m_ledSetting);
}

wxRect CKeyLinePanel::LineRect(int line) const {
  if (line < 0 || line >= m_lines.LineCount()) return wxRect();
  const wxSize client = GetClientSize();
  const int limit = std::max(1, m_lines.LineLimit());
  const int top = kMargin + kLabelHeight;
  if (m_lines.Keypad() != kKeypadMatrix) {
    // Two columns of IO lines.
    const int perColumn = (limit + 1) / 2;
    const int width = (client.x - 3 * kMargin) / 2;
    const int pitch = std::max(kSlotHeight + 2, (client.y - top - kMargin) / std::max(1, perColumn));
    const int column = line / perColumn;
    const int row = line % perColumn;
    return wxRect(kMargin + column * (width + kMargin) + kRowLabelWidth / 2, top + row * pitch,
                  width - kRowLabelWidth / 2, kSlotHeight);
  }
  // Columns across the top, rows down the left; keys where they cross.
  const int left = kMargin + kRowLabelWidth;
  const int columnPitch = (client.x - left - kMargin) / limit;
  const int rowTop = top + kLabelHeight + kSlotHeight + kMargin;
  const int rowPitch = std::max(kSlotHeight + 2, (client.y - rowTop - kMargin) / limit);
  if (!m_lines.IsRowLine(line))
    return wxRect(left + line * columnPitch + 2, top + kLabelHeight, columnPitch - 4, kSlotHeight);
  const int row = line - m_lines.FirstRowLine();
  return wxRect(kMargin, rowTop + row * rowPitch, kRowLabelWidth - 6, kSlotHeight);
}

int CKeyLinePanel::LineAt(const wxPoint& point) const {
  for (int line = 0; line < m_lines.LineCount(); ++line)
    if (LineRect(line).Contains(point)) return line;
  return -1;
}

wxString CKeyLinePanel::LineLabel(int line) const {
  if (m_lines.Keypad() != kKeypadMatrix) return wxString::Format(GetLangText("IDS_IO_LINE"), line + 1);
  if (m_lines.IsRowLine(line))
    return wxString::Format(GetLangText("IDS_ROW_LINE"), line - m_lines.FirstRowLine() + 1);
  return wxString::Format(GetLangText("IDS_COLUMN_LINE"), line + 1);
}

void CKeyLinePanel::DrawSlot(wxDC& dc, int line, const wxString& label) {
  const wxRect rect = LineRect(line);
  const wxString pin = m_lines.PinAt(line);
  dc.SetPen(wxPen(kSlotBorder));
  dc.SetBrush(wxBrush(pin.empty() ? kFreeSlot : kUsedSlot));
  dc.DrawRoundedRectangle(rect, 3);
  const wxColour pinColour = pin.empty() ? wxColour(0x90, 0x90, 0x90) : *wxBLACK;
  const wxString pinText = pin.empty() ? wxString("-") : pin;
  const wxColour labelColour(0x40, 0x40, 0x40);
  if (m_lines.IsRowLine(line)) {
    // Row lines carry their label inside, the pin on the right.
    const wxRect inner = rect.Deflate(5, 0);
    dc.SetTextForeground(labelColour);
    dc.DrawLabel(label, inner, wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    dc.SetTextForeground(pinColour);
    dc.DrawLabel(pinText, inner, wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
    return;
  }
  dc.SetTextForeground(pinColour);
  dc.DrawLabel(pinText, rect, wxALIGN_CENTER);
  dc.SetTextForeground(labelColour);
  if (m_lines.Keypad() == kKeypadMatrix)
    dc.DrawLabel(label, wxRect(rect.x, rect.y - kLabelHeight, rect.width, kLabelHeight), wxALIGN_CENTER);
  else
    dc.DrawLabel(label, wxRect(rect.x - kRowLabelWidth / 2, rect.y, kRowLabelWidth / 2 - 4, rect.height),
                 wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
}

void CKeyLinePanel::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetFont(GetFont());
  dc.SetTextForeground(wxColour(0x50, 0x50, 0x50));
  dc.DrawText(GetLangText("IDS_KEY_LINE_HINT"), kMargin, 4);
  if (m_lines.Keypad() == kKeypadMatrix) {
    // The lines cross where the keys are; a dot for every key a used column
    // and a used row make.
    const int limit = m_lines.LineLimit();
    const int first = m_lines.FirstRowLine();
    const int right = GetClientSize().x - kMargin;
    const int bottom = LineRect(m_lines.LineCount() - 1).GetBottom();
    dc.SetPen(wxPen(wxColour(0xD8, 0xDE, 0xE6)));
    for (int c = 0; c < limit; ++c) {
      const wxRect column = LineRect(c);
      dc.DrawLine(column.x + column.width / 2, column.GetBottom() + 2, column.x + column.width / 2, bottom);
    }
    for (int r = 0; r < limit; ++r) {
      const wxRect row = LineRect(first + r);
      dc.DrawLine(row.GetRight() + 2, row.y + row.height / 2, right, row.y + row.height / 2);
    }
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(kKeyDot));
    for (int c = 0; c < limit; ++c) {
      for (int r = 0; r < limit; ++r) {
        if (m_lines.PinAt(c).empty() || m_lines.PinAt(first + r).empty()) continue;
        const wxRect column = LineRect(c);
        const wxRect row = LineRect(first + r);
        dc.DrawCircle(column.x + column.width / 2, row.y + row.height / 2, 5);
      }
    }
  }
  for (int line = 0; line < m_lines.LineCount(); ++line) DrawSlot(dc, line, LineLabel(line));
}

void CKeyLinePanel::OnDoubleClick(wxMouseEvent& event) {
  const int line = LineAt(event.GetPosition());
  const wxString pin = m_lines.PinAt(line);
  if (pin.empty() || !m_lines.ClearLine(line)) return;
  Refresh();
  if (m_pinFreed) m_pinFreed(pin);
}

void CKeyLinePanel::OnPinChanged(const wxString& pin, long value) {
  if (value == 0 && m_lines.RemovePin(pin)) Refresh();
}

#include "keys/pages/KeyDlgEx.h"

#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/ProjectFile.h"
#include "keys/pages/KeyButton.h"
#include "keys/pages/KeyConfigDlg.h"
#include "ui/LUEdit.h"
#include "ui/LUMaskEdit.h"
#include "ui/UiMessages.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellMessages.h"

#include <wx/checkbox.h>
#include <wx/dcbuffer.h>
#include <wx/settings.h>
#include <wx/stattext.h>

#include <algorithm>

namespace {
constexpr int kTouchValueDefault = 32;
constexpr int kSlotsPerSummary = 6;
}  // namespace

CKeyDlgEx::CKeyDlgEx(wxWindow* parent)
    : wxPanel(parent, kTemplateId, wxDefaultPosition, wxSize(400, 300),
              wxHSCROLL | wxVSCROLL | wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS) {
  SetBackgroundColour(*wxWHITE);
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CKeyDlgEx::OnPaint, this);
  Bind(wxEVT_SIZE, &CKeyDlgEx::OnSize, this);
  Bind(wxEVT_MOUSEWHEEL, &CKeyDlgEx::OnWheel, this);
  Bind(wxEVT_LEFT_UP, &CKeyDlgEx::OnLeftUp, this);
  Bind(wxEVT_LEFT_DOWN, &CKeyDlgEx::OnLeftDown, this);
  Bind(wxEVT_SCROLLWIN_TOP, &CKeyDlgEx::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_BOTTOM, &CKeyDlgEx::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_LINEUP, &CKeyDlgEx::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_LINEDOWN, &CKeyDlgEx::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_PAGEUP, &CKeyDlgEx::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_PAGEDOWN, &CKeyDlgEx::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_THUMBTRACK, &CKeyDlgEx::OnScroll, this);
  Bind(wxEVT_SCROLLWIN_THUMBRELEASE, &CKeyDlgEx::OnScroll, this);
  Bind(WM_EDIT_CHANGED, &CKeyDlgEx::OnEditChanged, this);
  Bind(WM_MASKEDIT_KEY, &CKeyDlgEx::OnMaskKey, this);
  Bind(wxEVT_CHECKBOX, &CKeyDlgEx::OnHighSensitivity, this, kHighSensitivityId);
  UpdateScrollBars();
}

CKeyDlgEx::~CKeyDlgEx() = default;

bool CKeyDlgEx::IsLcd() const { return !IsGeneralRemote(g_DocManage.RemoteType); }

wxWindow* CKeyDlgEx::Page() const {
  for (wxWindow* window = GetParent(); window; window = window->GetParent())
    if (dynamic_cast<CKeyConfigDlg*>(window)) return window;
  return GetParent();
}

stKeyDrawContext CKeyDlgEx::DrawContext() const {
  stKeyDrawContext ctx;
  ctx.cellWidth = m_cellRect.width;
  ctx.frameworkKind = g_DocManage.RemoteType;
  ctx.matrix = m_shape.matrix;
  ctx.vssLine = m_shape.vssLine;
  ctx.commandBits = g_DocManage.CommandBits;
  ctx.keyMode = g_DocManage.KeyMode;
  ctx.font = GetFont();
  return ctx;
}

// --- Building and destroying.

void CKeyDlgEx::BuildKeypad(int lines, bool matrix) {
  DestroyKeys();
  m_shape = stKeypadShape();
  m_shape.matrix = matrix;
  m_shape.lines = std::max(0, lines);
  m_shape.vssLine = g_DocManage.VssRow == 1;
  const int a = m_cellRect.width;
  if (IsLcd()) {
    const stKeyCellGeometry geometry{a};
    for (int cell = 0; cell < std::min(m_shape.CellCount(), kKeySlotCount); ++cell) {
      int row = 0, column = 0;
      m_shape.CellAt(cell, row, column);
      auto* key = new CKeyButton(this, kFirstKeyId + cell, wxString(),
                                 wxRect(geometry.Left(column), stKeyCellGeometry::Top(row), a, 18),
                                 CKeyButton::kRoleKey);
      key->multiSlot = 1;
      const bool hidden = matrix ? (row == m_shape.lines && !m_shape.vssLine)
                                 : (!m_shape.vssLine && cell >= 21 - m_shape.lines);
      if (hidden) key->Hide();
      m_keys.push_back(key);
    }
  } else {
    m_editor = new CLUMaskEdit(this, kEditorId, wxPoint(16, 28), wxSize(a, 18));
    m_editor->SetMask("HH", "__");
    m_editor->SetRange(0, MaxKeyCode(g_DocManage.CommandBits));
    m_editor->EnableValueCheck(true);
    m_editor->Hide();
  }
  SetActiveSize(0, matrix && m_shape.vssLine ? 1 : 0);
}

void CKeyDlgEx::SetActiveSize(int active, int activeRows) {
  m_shape.active = std::max(0, active);
  m_shape.activeRows = std::max(0, activeRows);
  if (!IsLcd() && !g_DocManage.Loading) m_slots.TrimOutside(m_shape);
  for (std::size_t cell = 0; cell < m_keys.size(); ++cell) {
    CKeyButton* key = m_keys[cell];
    if (key->drawState == 3) continue;
    const bool active = m_shape.IsActiveCell(static_cast<int>(cell));
    key->drawState = active ? 0 : 2;
    key->Enable(active);
  }
  if (m_editedCell >= 0 && !m_shape.IsActiveCell(m_editedCell)) CloseEditor(false);
  UpdateScrollBars();
  PlaceKeyButtons();
  Refresh();
}

void CKeyDlgEx::CreateTouchKeys(int count) {
  DestroyKeys();
  m_touch = true;
  const int a = m_cellRect.width, b = m_cellRect.height;
  for (int i = 0; i < count; ++i) {
    const int y = (i % 4) * (3 * b - 5) + 55;
    const int x = (i / 4) * (25 * a / 4) + 55;
    auto* number = new wxStaticText(this, kFirstTouchNumberId + i, wxString::Format("K%d", i + 1),
                                    wxPoint(x, y), wxSize(a, b), wxALIGN_RIGHT | wxST_NO_AUTORESIZE);
    auto* key = new CKeyButton(this, kFirstTouchKeyId + i, wxString(), wxRect(x + a + 10, y, a, b),
                               CKeyButton::kRoleKey);
    key->multiSlot = 1;
    key->drawState = 2;
    auto* trigger =
        new wxStaticText(this, kFirstTriggerId + i, GetLangText("IDS_TRIGGER"), wxPoint(x + 2 * a + 30, y),
                         wxSize(5 * a / 2, b), wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    auto* value = new CLUEdit();
    value->Create(x + 2 * a + 30 + 5 * a / 2, y + 3, b, a, kFirstTouchValueId + i, this);
    value->SetMask("DDD", "___");
    value->SetRange(0, 127);
    value->EnableValueCheck(true);
    value->SetTipText("0~127");
    value->EnableWindow(false);
    m_touchNumbers.push_back(number);
    m_touchKeys.push_back(key);
    m_triggers.push_back(trigger);
    m_touchValues.push_back(value);
  }
  m_highSensitivity = new wxCheckBox(this, kHighSensitivityId, GetLangText("IDS_HIGHSENSITIVITY"),
                                     wxPoint(a + 55, 4 * (3 * b - 5) + 55), wxSize(3 * a, b));
  m_touchValueDefaults.assign(static_cast<std::size_t>(count), kTouchValueDefault);
  UpdateScrollBars();
  Refresh();
}

void CKeyDlgEx::DestroyKeys() {
  m_editedCell = -1;
  for (CKeyButton* key : m_keys) key->Destroy();
  m_keys.clear();
  for (CKeyButton* key : m_touchKeys) key->Destroy();
  m_touchKeys.clear();
  for (wxStaticText* label : m_touchNumbers) label->Destroy();
  for (wxStaticText* label : m_triggers) label->Destroy();
  m_touchNumbers.clear();
  m_triggers.clear();
  for (CLUEdit* edit : m_touchValues) delete edit;
  m_touchValues.clear();
  m_touchValueDefaults.clear();
  if (m_highSensitivity) m_highSensitivity->Destroy();
  m_highSensitivity = nullptr;
  if (m_editor) m_editor->Destroy();
  m_editor = nullptr;
  m_touch = false;
  // Codes outlive a rebuild only while a project is being loaded.
  if (!g_DocManage.Loading) m_slots.Clear();
  m_scrollX = m_scrollY = 0;
}

// --- Codes.

void CKeyDlgEx::SetKeySlot(int slot, std::int32_t code) {
  if (m_slots.Set(slot, code)) Refresh();
}

int CKeyDlgEx::ClearKeySlots() {
  m_slots.Clear();
  Refresh();
  return -1;
}

void CKeyDlgEx::ShiftForVssLine(bool on) {
  m_shape.vssLine = on;
  if (!IsLcd() && m_shape.matrix) m_slots.ShiftForVssRow(on, m_shape.lines);
  Refresh();
}

// --- Keys.

CKeyButton* CKeyDlgEx::GetKeyButton(int index, bool touch) const {
  const std::vector<CKeyButton*>& keys = touch ? m_touchKeys : m_keys;
  return index >= 0 && index < static_cast<int>(keys.size()) ? keys[static_cast<std::size_t>(index)]
                                                             : nullptr;
}

int CKeyDlgEx::KeyIndexOf(const wxWindow* key) const {
  const std::vector<CKeyButton*>& keys = m_touch ? m_touchKeys : m_keys;
  const auto it = std::find(keys.begin(), keys.end(), key);
  return it == keys.end() ? -1 : static_cast<int>(it - keys.begin());
}

int CKeyDlgEx::GetKeyPosition(const wxWindow* key) const {
  const int index = KeyIndexOf(key);
  if (index < 0 || m_touch) return index;
  int row = 0, column = 0;
  return m_shape.CellAt(index, row, column) ? KeyPosition(column, row) : -1;
}

CKeyButton* CKeyDlgEx::ResolveKey(int reference) {
  if (reference < 0) return nullptr;
  if (m_touch) return GetKeyButton(reference, true);
  return GetKeyButton(m_shape.CellIndex(PositionRow(reference), PositionColumn(reference)), false);
}

int CKeyDlgEx::KeyReference(const CKeyButton* key) { return GetKeyPosition(key); }

std::vector<IKeyPanel::stKeyInUse> CKeyDlgEx::KeysInUse() {
  std::vector<stKeyInUse> keys;
  if (m_touch) {
    for (std::size_t i = 0; i < m_touchKeys.size(); ++i)
      if (m_touchKeys[i]->IsEnabled()) keys.push_back({static_cast<int>(i), static_cast<int>(i)});
    return keys;
  }
  int number = 0;
  for (const int cell : m_shape.ActiveCells()) {
    int row = 0, column = 0;
    m_shape.CellAt(cell, row, column);
    keys.push_back({KeyPosition(column, row), number++});
  }
  return keys;
}

void CKeyDlgEx::ReserveFirstKey(bool reserve) {
  if (m_keys.empty()) return;
  CKeyButton* key = m_keys.front();
  const bool active = m_shape.IsActiveCell(0);
  key->drawState = reserve ? 3 : (active ? 0 : 2);
  key->Enable(!reserve && active);
  key->Redraw();
}

void CKeyDlgEx::SetTouchKeyEnabled(int index, bool on) {
  CKeyButton* key = GetKeyButton(index, true);
  if (!key) return;
  if (!on) {
    // The function on the key goes back to the function panel.
    SendShellMessage(Page(), WM_KEY_RECORD, 1, reinterpret_cast<wxIntPtr>(key));
    key->ClearNames();
    key->ClearFunctionIndexes();
    key->ClearUserFunctionIds();
  }
  key->drawState = on ? 0 : 2;
  key->Enable(on);
  key->Redraw();
  m_touchValues[static_cast<std::size_t>(index)]->EnableWindow(on);
}

bool CKeyDlgEx::CheckTouchKeys() {
  for (std::size_t i = 0; i < m_touchKeys.size(); ++i) {
    if (m_touchKeys[i]->drawState != 0) continue;
    const int number = static_cast<int>(i) + 1;
    if (m_touchKeys[i]->IsBlank()) {
      LangMessageBox("", kNoticeOk, "IDS_TOUCHPANEL_LACK_CONFIG", number);
      return false;
    }
    if (m_touchValues[i]->GetWindowText().empty()) {
      LangMessageBox("", kNoticeOk, "IDS_TOUCHPANEL_LACK_VALUE", number);
      return false;
    }
    if (!m_touchValues[i]->CheckRange()) return false;
  }
  return true;
}

CLUEdit* CKeyDlgEx::GetTouchValueEdit(int index) const {
  return index >= 0 && index < static_cast<int>(m_touchValues.size())
             ? m_touchValues[static_cast<std::size_t>(index)]
             : nullptr;
}

void CKeyDlgEx::RefreshKeys() {
  for (CKeyButton* key : m_keys) key->Refresh();
  for (CKeyButton* key : m_touchKeys) key->Refresh();
  for (wxStaticText* trigger : m_triggers) trigger->SetLabel(GetLangText("IDS_TRIGGER"));
  if (m_highSensitivity) m_highSensitivity->SetLabel(GetLangText("IDS_HIGHSENSITIVITY"));
  Refresh();
}

void CKeyDlgEx::SetButtonMode(int) { RefreshKeys(); }
void CKeyDlgEx::SetButtonState(int) { RefreshKeys(); }

// --- Functions dropped on keys.

bool CKeyDlgEx::DropFunction(const wxPoint& screenPoint, CKeyButton* function) {
  if (!function) return false;
  const std::vector<CKeyButton*>& keys = m_touch ? m_touchKeys : m_keys;
  const auto it = std::find_if(keys.begin(), keys.end(), [&](CKeyButton* key) {
    return key->IsShown() && key->GetScreenRect().Contains(screenPoint);
  });
  if (it == keys.end()) return false;
  CKeyButton* key = *it;
  const int index = static_cast<int>(it - keys.begin());
  const bool inUse = m_touch ? key->drawState == 0 : m_shape.IsActiveCell(index);
  if (!inUse || key->drawState == 3) return false;
  const wxString name = function->GetCaptionKey();
  if (!KeyActionNameProblem(name).empty()) {
    LangMessageBox("", kNoticeOk, KeyActionNameProblem(name), name);
    return false;
  }
  if (key->CheckSlotsFree(function->BtnMode, function->BtnState & (keymask::kOn | keymask::kOff)))
    return false;
  Select(GetKeyPosition(key), name, g_DocManage.ButtonMode == 2);
  return true;
}

void CKeyDlgEx::Select(int reference, const wxString& name, bool twoKeys) {
  const wxIntPtr packed = reference | (twoKeys ? (reference << 16) | (1 << 24) : 0);
  CShellMessageEvent select(WM_KEYSET_SELECT, packed, 0);
  select.SetString(name);
  Page()->GetEventHandler()->ProcessEvent(select);
}

// --- Persistence.

bool CKeyDlgEx::WriteKeys(const CProjectFile& file) {
  if (m_touch) {
    std::vector<stTouchButtonItem> items(kTouchKeyCount);
    for (std::size_t i = 0; i < m_touchKeys.size() && i < items.size(); ++i) {
      items[i].inUse = m_touchKeys[i]->drawState == 0;
      items[i].value = m_touchValues[i]->GetWindowText();
      items[i].actions = m_touchKeys[i]->GetActionSummary();
    }
    return WriteTouchButtons(file, items, g_DocManage.HighSensitivity != 0);
  }
  if (!IsLcd()) return WriteKeyCodeItems(file, m_shape, m_slots);
  std::vector<stKeyActionItem> items;
  for (const int cell : m_shape.ActiveCells()) {
    const CKeyButton* key = m_keys[static_cast<std::size_t>(cell)];
    items.push_back({key->GetActionSummary(), key->GetFunctionIndex(), key->GetUserFunctionNumber()});
  }
  return WriteKeyActionItems(file, items);
}

void CKeyDlgEx::LoadKeys(const CProjectFile& file) {
  auto selectAll = [this](int reference, const wxString& summary) {
    const std::vector<wxString> names = SplitKeyFields(summary, ';');
    for (std::size_t slot = 0; slot < names.size() && slot < kSlotsPerSummary; ++slot)
      if (!names[slot].empty()) Select(reference, names[slot], slot / 2 == 2);
  };
  if (m_touch) {
    const std::vector<stTouchButtonItem> items = ReadTouchButtons(file);
    for (std::size_t i = 0; i < m_touchKeys.size() && i < items.size(); ++i) {
      if (m_touchKeys[i]->drawState != 0) continue;
      m_touchValues[i]->SetText(items[i].value);
      selectAll(static_cast<int>(i), items[i].actions);
    }
    if (m_highSensitivity) m_highSensitivity->SetValue(g_DocManage.HighSensitivity != 0);
    return;
  }
  if (!IsLcd()) {
    // The project's own codes, each on the key it was stored for; a key the
    // loaded key lines do not give loses its code, and the user is told.
    m_slots.Clear();
    const stKeyCodeLoad load = ReadKeyCodeItems(file, StoredKeypadShape(file, m_shape), m_shape, m_slots);
    Refresh();
    if (!load.dropped.empty())
      LangMessageBox("", kNoticeOk, "IDS_KEY_CODES_DROPPED", DroppedKeyCodesText(load.dropped));
    return;
  }
  const std::vector<int> cells = m_shape.ActiveCells();
  const std::vector<wxString> lists = ReadKeyActionItems(file, static_cast<int>(cells.size()));
  for (std::size_t i = 0; i < cells.size(); ++i) {
    int row = 0, column = 0;
    m_shape.CellAt(cells[i], row, column);
    selectAll(KeyPosition(column, row), lists[i]);
  }
}

void CKeyDlgEx::OnHighSensitivity(wxCommandEvent&) {
  g_DocManage.HighSensitivity = m_highSensitivity->GetValue() ? 1 : 0;
  ReportChange();
}

void CKeyDlgEx::ReportChange() {
  if (auto* page = dynamic_cast<CKeyConfigDlg*>(Page()))
    page->MarkModified();
  else
    g_DocManage.SetModified(true, "CKeyConfigDlg");
}

// --- The code editor.

wxRect CKeyDlgEx::CellBoxRect(int cell) const {
  int row = 0, column = 0;
  if (!m_shape.CellAt(cell, row, column)) return wxRect();
  const stKeyCellGeometry geometry{m_cellRect.width};
  return wxRect(geometry.Left(column) - m_scrollX, stKeyCellGeometry::Top(row) - m_scrollY, m_cellRect.width,
                stKeyCellGeometry::kBoxHeight);
}

void CKeyDlgEx::OnLeftDown(wxMouseEvent& event) {
  if (m_touch) SetFocusIgnoringChildren();
  event.Skip();
}

void CKeyDlgEx::OnLeftUp(wxMouseEvent& event) {
  event.Skip();
  if (m_touch || IsLcd() || !m_editor) return;
  int row = 0, column = 0;
  const wxPoint at = event.GetPosition();
  if (!HitTestKeyCell(m_shape, stKeyCellGeometry{m_cellRect.width}, at.x, at.y, m_scrollX, m_scrollY, row,
                      column)) {
    if (m_editedCell >= 0) CloseEditor(true);
    return;
  }
  const int cell = m_shape.CellIndex(row, column);
  if (cell == m_editedCell) return;
  if (m_editedCell >= 0) CloseEditor(true);
  OpenEditor(cell);
}

void CKeyDlgEx::OpenEditor(int cell) {
  m_editedCell = cell;
  m_editor->SetRange(0, MaxKeyCode(g_DocManage.CommandBits));
  const wxString text = CKeySlotTable::EditorText(m_slots.Get(cell));
  if (!m_editor->SetText(text)) m_editor->SetWindowText(text);
  m_editor->SetSize(CellBoxRect(cell));
  m_editor->Show();
  m_editor->SetFocus();
  MarkKeyLines(cell);
  SendShellMessage(Page(), WM_SEND_PREVIEW, m_slots.Get(cell), 0);
}

void CKeyDlgEx::CommitEditor() {
  if (m_editedCell < 0) return;
  m_slots.Set(m_editedCell, CKeySlotTable::ParseEditorText(m_editor->GetWindowText()));
}

void CKeyDlgEx::CloseEditor(bool report) {
  if (m_editedCell < 0) return;
  if (report) CommitEditor();
  m_previousCell = m_editedCell;
  m_editedCell = -1;
  m_editor->SetWindowText(wxString());
  m_editor->Hide();
  SetFocusIgnoringChildren();
  SendShellMessage(GetParent(), WM_KEYSET_CLEAR_MARKS);
  SendShellMessage(Page(), WM_SEND_PREVIEW_CLEAR);
  Refresh();
  if (report) ReportChange();
}

void CKeyDlgEx::OnEditChanged(wxCommandEvent& event) {
  if (event.GetEventObject() != m_editor || m_editedCell < 0) return;
  CloseEditor(true);
}

void CKeyDlgEx::OnMaskKey(wxCommandEvent& event) {
  SendShellMessage(Page(), WM_SEND_PREVIEW, event.GetInt(), 0);
}

void CKeyDlgEx::MarkKeyLines(int cell) {
  int row = 0, column = 0;
  if (!m_shape.CellAt(cell, row, column)) return;
  const stKeyLineMaps maps = m_shape.matrix ? MatrixLineMaps(m_shape.lines, m_shape.vssLine)
                                            : StepLineMaps(m_shape.lines, !IsLcd(), m_shape.vssLine);
  SendShellMessage(GetParent(), WM_KEYSET_CLEAR_MARKS);
  for (const auto& [map, index] : {std::make_pair(&maps.columns, column), std::make_pair(&maps.rows, row)}) {
    if (index < 0 || index >= static_cast<int>(map->size())) continue;
    const int line = (*map)[static_cast<std::size_t>(index)];
    if (line != kVssLine) SendShellMessage(GetParent(), WM_KEYSET_MARK, 0, line);
  }
}

// --- Scrolling.

wxSize CKeyDlgEx::GetPanelExtent() const {
  const int a = m_cellRect.width, s = a + a / 2;
  if (m_touch) return wxSize(2 * (25 * a / 4) + 55, 5 * (3 * m_cellRect.height - 5) + 60);
  if (m_shape.lines <= 0) return wxSize(0, 0);
  if (!m_shape.matrix) return wxSize(s * m_shape.lines + a + 35, 50 * m_shape.lines);
  return wxSize(wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this) + s * m_shape.lines + 15,
                50 * m_shape.TableRows());
}

void CKeyDlgEx::UpdateScrollBars() {
  const wxSize extent = GetPanelExtent();
  const wxSize client = GetClientSize();
  m_scrollX = std::max(0, std::min(m_scrollX, extent.x - client.x));
  m_scrollY = std::max(0, std::min(m_scrollY, extent.y - client.y));
  SetScrollbar(wxHORIZONTAL, m_scrollX, client.x, extent.x > client.x ? extent.x : 0);
  SetScrollbar(wxVERTICAL, m_scrollY, client.y, extent.y > client.y ? extent.y : 0);
}

void CKeyDlgEx::OnSize(wxSizeEvent& event) {
  UpdateScrollBars();
  PlaceKeyButtons();
  event.Skip();
}

void CKeyDlgEx::OnScroll(wxScrollWinEvent& event) {
  const int orientation = event.GetOrientation();
  const int current = orientation == wxHORIZONTAL ? m_scrollX : m_scrollY;
  const int page = orientation == wxHORIZONTAL ? GetClientSize().x : GetClientSize().y;
  const wxEventType type = event.GetEventType();
  int position = current;
  if (type == wxEVT_SCROLLWIN_LINEUP)
    position -= kScrollLine;
  else if (type == wxEVT_SCROLLWIN_LINEDOWN)
    position += kScrollLine;
  else if (type == wxEVT_SCROLLWIN_PAGEUP)
    position -= page;
  else if (type == wxEVT_SCROLLWIN_PAGEDOWN)
    position += page;
  else if (type == wxEVT_SCROLLWIN_TOP)
    position = 0;
  else if (type == wxEVT_SCROLLWIN_BOTTOM)
    position = 1 << 20;
  else
    position = event.GetPosition();
  ScrollAxis(orientation, position);
}

void CKeyDlgEx::OnWheel(wxMouseEvent& event) {
  const wxSize extent = GetPanelExtent(), client = GetClientSize();
  const bool tall = extent.y > client.y, wide = extent.x > client.x;
  if (!tall && !wide) return;
  const int orientation = tall ? wxVERTICAL : wxHORIZONTAL;
  const int current = orientation == wxHORIZONTAL ? m_scrollX : m_scrollY;
  ScrollAxis(orientation, current + (event.GetWheelRotation() >= 0 ? -kScrollLine : kScrollLine));
}

void CKeyDlgEx::ScrollTo(int x, int y) {
  ScrollAxis(wxHORIZONTAL, x);
  ScrollAxis(wxVERTICAL, y);
}

void CKeyDlgEx::ScrollAxis(int orientation, int position) {
  const wxSize extent = GetPanelExtent(), client = GetClientSize();
  const bool horizontal = orientation == wxHORIZONTAL;
  const int maximum = std::max(0, horizontal ? extent.x - client.x : extent.y - client.y);
  position = std::clamp(position, 0, maximum);
  int& offset = horizontal ? m_scrollX : m_scrollY;
  const int old = offset;
  if (position == old) return;
  offset = position;
  SetScrollPos(orientation, position);
  PlaceKeyButtons();
  if (m_editedCell >= 0) m_editor->SetSize(CellBoxRect(m_editedCell));
  Refresh();
  SendShellMessage(GetParent(), horizontal ? WM_KEYSET_HSCROLL : WM_KEYSET_VSCROLL, old - position, 0);
}

void CKeyDlgEx::PlaceKeyButtons() {
  const stKeyCellGeometry geometry{m_cellRect.width};
  for (std::size_t cell = 0; cell < m_keys.size(); ++cell) {
    int row = 0, column = 0;
    m_shape.CellAt(static_cast<int>(cell), row, column);
    m_keys[cell]->SetSize(geometry.Left(column) - m_scrollX, stKeyCellGeometry::Top(row) - m_scrollY,
                          m_cellRect.width, stKeyCellGeometry::kBoxHeight);
  }
}

// --- Painting.

void CKeyDlgEx::Paint(wxDC& dc) {
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  if (m_touch) {
    for (std::size_t i = 0; i < m_touchKeys.size(); ++i)
      DrawTouchLeader(dc, m_touchKeys[i]->GetRect(), m_triggers[i]->GetRect());
    return;
  }
  if (m_shape.lines <= 0) return;
  dc.SetDeviceOrigin(-m_scrollX, -m_scrollY);
  const stKeyDrawContext ctx = DrawContext();
  wxRect extent;
  const int rows = m_shape.matrix ? m_shape.TableRows() : m_shape.lines;
  DrawKeys(dc, ctx, m_shape.lines, m_shape.active, rows, m_shape.activeRows, false, m_slots.All(), extent, 0,
           0);
  DrawKeyGrid(dc, ctx, 15, 0, m_shape.lines - 1, rows);
  DrawKeyWiring(dc, ctx, 15, 0, m_shape.lines - 1, m_shape.active, m_shape.activeRows, false, extent);
  dc.SetDeviceOrigin(0, 0);
}

void CKeyDlgEx::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  Paint(dc);
}

void CKeyDlgEx::SetupKeys(int keypad, int lineLimit, const stKeyLineCounts& inUse, bool touch) {
  if (touch) {
    if (!m_touch) CreateTouchKeys(kTouchKeyCount);
    for (int i = 0; i < kTouchKeyCount; ++i) SetTouchKeyEnabled(i, g_DocManage.TouchKey[i] != 0);
    return;
  }
  const bool matrix = keypad == kKeypadMatrix;
  const bool vss = g_DocManage.VssRow == 1;
  if (m_touch || m_shape.matrix != matrix || m_shape.lines != lineLimit || m_shape.vssLine != vss ||
      (IsLcd() ? m_keys.empty() : !m_editor))
    BuildKeypad(lineLimit, matrix);
  if (matrix)
    SetActiveSize(inUse.columns, inUse.rows + (vss ? 1 : 0));
  else
    SetActiveSize(inUse.io);
}

void CKeyDlgEx::ClearKeys() {
  DestroyKeys();
  m_slots.Clear();
  m_shape = stKeypadShape();
  UpdateScrollBars();
  Refresh();
}

void CKeyDlgEx::OnTouchChoice(long key, long state) { SetTouchKeyEnabled(static_cast<int>(key), state != 0); }

bool CKeyDlgEx::WriteKeyCommandTable(const wxString& path, const KeyNameMap& names) {
  stKeyTableInput input;
  input.shape = m_shape;
  input.slots = &m_slots.All();
  input.commandBits = g_DocManage.CommandBits;
  input.mcu = g_DocManage.GetMcuName();
  return ::WriteKeyCommandTable(path, input, names);
}

void RegisterKeyDlgEx() {
  RegisterKeyPanel([](wxWindow* parent) -> IKeyPanel* { return new CKeyDlgEx(parent); });
}

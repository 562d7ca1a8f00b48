#include "keys/pages/KeySetDlg.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/ProjectFile.h"
#include "keys/KeyChipDefaults.h"
#include "keys/KeyConfigSection.h"
#include "keys/KeyItems.h"
#include "keys/KeySetupModel.h"
#include "keys/pages/FuncDlg.h"
#include "keys/pages/KeyConfigDlg.h"
#include "keys/pages/KeyDlgEx.h"
#include "keys/pages/KeyPanelDrawing.h"
#include "keys/pages/PinPicker.h"
#include "platform/Paths.h"
#include "platform/SystemViewer.h"
#include "ui/ImageTipBtn.h"
#include "ui/UiMessages.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellMessages.h"

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/stattext.h>

#include <algorithm>

namespace {

constexpr char kClassName[] = "CKeyConfigDlg";
// The dialog's background, COLORREF 0xF9ECE4.
const wxColour kBackground(0xE4, 0xEC, 0xF9);
const wxColour kMarked(0xFF, 0xFF, 0x00);
const wxColour kGreyWire(0xC0, 0xC0, 0xC0);
const wxColour kBlueWire(0x00, 0x00, 0xFF);
constexpr int kRowPitch = 50;
// A row cell's top below the baseline, level with its key row's wire.
constexpr int kRowTop = 13;

CKeyConfigDlg* PageOf(wxWindow* window) {
  for (wxWindow* w = window->GetParent(); w; w = w->GetParent())
    if (auto* page = dynamic_cast<CKeyConfigDlg*>(w)) return page;
  return nullptr;
}

int Pitch() { return CKeySetDlg::kCellWidth + CKeySetDlg::kCellWidth / 2; }

void DrawGround(wxDC& dc, int x, int y) {
  for (const auto& [half, dy] : {std::make_pair(10, 0), std::make_pair(7, 5), std::make_pair(3, 10)})
    dc.DrawLine(x - half, y + dy, x + half + 1, y + dy);
}

}  // namespace

CKeySetDlg::CKeySetDlg(wxWindow* parent)
    : wxPanel(parent, kTemplateId, wxDefaultPosition, wxSize(600, 300), wxFULL_REPAINT_ON_RESIZE) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetBackgroundColour(kBackground);
  CreateControls();
  Bind(wxEVT_PAINT, &CKeySetDlg::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CKeySetDlg::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CKeySetDlg::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CKeySetDlg::OnCaptureLost, this);
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    event.Skip();
    LayoutStrip();
  });
  Bind(
      wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnLedBox(); }, kLedBoxId);
  Bind(
      wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnVssChanged(); }, kVssBoxId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnLedPin(); }, kLedComboId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnModeChanged(); }, kModeComboId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnFrequency(); }, kFrequencyComboId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnDiagramPreview(); }, kPreviewId);
  Bind(WM_KEYSET_CLEAR_MARKS, [this](CShellMessageEvent& event) { OnMark(event, false); });
  Bind(WM_KEYSET_MARK, [this](CShellMessageEvent& event) { OnMark(event, true); });
  Bind(WM_KEYSET_HSCROLL, [this](CShellMessageEvent& event) { OnScroll(event, true); });
  Bind(WM_KEYSET_VSCROLL, [this](CShellMessageEvent& event) { OnScroll(event, false); });
  ApplyLanguage();
}

void CKeySetDlg::CreateControls() {
  m_ledBox = new wxCheckBox(this, kLedBoxId, "LED");
  m_ledCombo = new wxChoice(this, kLedComboId, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxCB_SORT);
  m_ledCombo->Disable();
  m_vssBox = new wxCheckBox(this, kVssBoxId, "ROW VSS");
  m_modeLabel = new wxStaticText(this, kModeLabelId, wxString());
  m_modeCombo = new wxChoice(this, kModeComboId);
  m_frequencyLabel =
      new wxStaticText(this, kFrequencyLabelId, wxString(), wxDefaultPosition, wxDefaultSize, wxALIGN_RIGHT);
  m_frequencyCombo = new wxChoice(this, kFrequencyComboId);
  for (const char* item : {"1", "2", "3"}) m_frequencyCombo->Append(item);
  // A button given its first text once on the screen measures without its
  // text padding until the toolkit restyles it; the strip sizes it by that measure.
  m_previewButton = new wxButton(this, kPreviewId, GetLangText("IDS_DIAGRAM_PREVIEW"));
  m_tip = new CImageTipBtn(this, kTipId, platform::JoinPath(g_App.imageFolder, "user_tips.png"),
                           "IDS_USER_TIPS5");
  // The check boxes take no colour of their own: one would fill their tick's box too and hide the
  // tick. They show the strip's background as the labels do.
  for (wxWindow* label : {static_cast<wxWindow*>(m_modeLabel), static_cast<wxWindow*>(m_frequencyLabel)})
    label->SetBackgroundColour(kBackground);
}

bool CKeySetDlg::IsLcd() const { return IsLcdRemote(g_DocManage.RemoteType); }
bool CKeySetDlg::IsTouch() const { return IsTouchChip(g_DocManage.GetMcuName()); }
bool CKeySetDlg::VssRow() const { return g_DocManage.VssRow == 1; }

// --- Texts and layout.

void CKeySetDlg::ApplyLanguage() {
  m_ledBox->SetLabel(GetLangText(IsLcd() ? "IDS_BACK_LIGHT" : "LED"));
  m_vssBox->SetLabel(IsLcd() ? "VSS" : "ROW VSS");
  m_modeLabel->SetLabel(GetLangText("IDS_SELECT_MODE"));
  const int mode = m_modeCombo->GetSelection();
  m_modeCombo->Clear();
  m_modeCombo->Append(GetLangText("IDS_USER_MODE"));
  m_modeCombo->Append(GetLangText("IDS_DEVELOPBOARD_MODE"));
  m_modeCombo->SetSelection(mode < 0 ? 0 : mode);
  m_frequencyLabel->SetLabel(GetLangText("IDS_SET_FREQUENCY"));
  m_previewButton->SetLabel(GetLangText("IDS_DIAGRAM_PREVIEW"));
  LayoutStrip();
  Refresh();
}

void CKeySetDlg::LayoutStrip() {
  const wxSize client = GetClientSize();
  // The controls run along the top, each as wide as its text needs.
  int x = 10;
  const int y = 6;
  auto place = [&](wxWindow* window, int width) {
    if (!window->IsShown()) return;
    const int height = window->GetBestSize().y;
    window->SetSize(wxRect(x, y + (26 - height) / 2, width, height));
    x += width + 10;
  };
  place(m_ledBox, m_ledBox->GetBestSize().x);
  place(m_ledCombo, 80);
  place(m_vssBox, m_vssBox->GetBestSize().x);
  place(m_modeLabel, m_modeLabel->GetBestSize().x);
  place(m_modeCombo, std::max(120, m_modeCombo->GetBestSize().x));
  place(m_frequencyLabel, m_frequencyLabel->GetBestSize().x);
  place(m_frequencyCombo, 50);
  const int buttonWidth = std::max(110, m_previewButton->GetBestSize().x + 10);
  m_previewButton->SetSize(wxRect(client.x - 30 - buttonWidth, y, buttonWidth, 26));
  m_tip->SetSize(wxRect(client.x - 20 - 4, y + 3, 20, 20));
  m_tip->Show();
  if (m_panel) {
    const int left = m_lines.Keypad() == kKeypadMatrix ? kMatrixLeft : 0;
    m_panel->SetSize(
        wxRect(left, kBaseline, std::max(0, client.x - left), std::max(0, client.y - kBaseline)));
  }
  Refresh();
}

void CKeySetDlg::UpdateModeControls() {
  const bool offered = !IsLcd() && !IsTouch() &&
                       DevBoardModeOffered(true, g_DocManage.GetPackageName(), g_DocManage.GetMcuName());
  m_modeLabel->Show(offered);
  m_modeCombo->Show(offered);
  m_modeCombo->SetSelection(g_DocManage.KeyMode == 1 ? 1 : 0);
  const bool matrix = m_lines.Keypad() == kKeypadMatrix;
  m_vssBox->Show(!IsTouch() && (IsLcd() ? !matrix : matrix));
  m_vssBox->SetValue(VssRow());
  m_frequencyLabel->Show(IsTouch());
  m_frequencyCombo->Show(IsTouch());
  m_frequencyCombo->SetSelection(std::clamp(g_DocManage.TouchFrequency, 0, 2));
  LayoutStrip();
}

bool CKeySetDlg::HostKeyPanel(IKeyPanel* panel) {
  m_panel = dynamic_cast<CKeyDlgEx*>(panel);
  if (!m_panel) return false;
  m_panel->Reparent(this);
  m_panel->SetKeyCellRect(wxRect(0, 0, kCellWidth, kCellHeight));
  m_panel->Show();
  LayoutStrip();
  return true;
}

void CKeySetDlg::SetupKeypad(int keypad, int lineLimit) {
  m_lines.Setup(keypad, lineLimit);
  m_marks.assign(m_lines.LineCount(), false);
  m_shiftX = m_shiftY = 0;
  m_touchKeysInUse = 0;
  for (int i = 0; i < kTouchKeyCount; ++i) m_touchKeysInUse += g_DocManage.TouchKey[i] != 0;
  UpdateModeControls();
  ApplyLanguage();
}

void CKeySetDlg::ClearView() {
  m_lines.Setup(m_lines.Keypad(), m_lines.LineLimit());
  m_marks.assign(m_lines.LineCount(), false);
  m_shiftX = m_shiftY = 0;
  m_dragLine = -1;
  m_ledByProgram = true;
  m_ledBox->SetValue(false);
  m_ledCombo->Clear();
  m_ledCombo->Disable();
  m_ledByProgram = false;
  m_modePromptArmed = true;
  m_modeConfirmed = false;
  m_repaintOnMode = true;
  m_vssPromptArmed = true;
  m_vssByDefaults = false;
  m_touchKeysInUse = 0;
  Refresh();
}

// --- Cells.

wxRect CKeySetDlg::LineRect(int line) const {
  if (IsTouch() || line < 0 || line >= m_lines.LineCount()) return wxRect();
  const int w = kCellWidth, h = kCellHeight;
  if (m_lines.Keypad() != kKeypadMatrix) return wxRect(15 + line * Pitch() + m_shiftX, kBaseline - h, w, h);
  if (!m_lines.IsRowLine(line))
    return wxRect(kMatrixLeft + 15 + line * Pitch() + m_shiftX, kBaseline - h, w, h);
  const int row = line - m_lines.FirstRowLine() + (VssRow() ? 1 : 0);
  return wxRect(kMatrixLeft - w - 15, kBaseline + kRowTop + row * kRowPitch + m_shiftY, w, h);
}

wxRect CKeySetDlg::LabelRect(int line) const {
  const wxRect cell = LineRect(line);
  if (cell.IsEmpty()) return cell;
  if (m_lines.IsRowLine(line)) return wxRect(cell.x - kCellWidth - 5, cell.y, kCellWidth, cell.height);
  return wxRect(cell.x - 10, kBaseline - 55, cell.width + 20, 32);
}

int CKeySetDlg::LineAt(const wxPoint& client) const {
  for (int line = 0; line < m_lines.LineCount(); ++line) {
    const wxRect rect = LineRect(line);
    // A cell scrolled under the strip's edges is not there.
    if (m_lines.Keypad() == kKeypadMatrix && !m_lines.IsRowLine(line) && rect.x < kMatrixLeft) continue;
    if (m_lines.IsRowLine(line) && rect.y < kBaseline) continue;
    if (rect.Contains(client)) return line;
  }
  return -1;
}

bool CKeySetDlg::InColumnZone(const wxPoint& p) const {
  if (m_lines.Keypad() != kKeypadMatrix) return true;
  if (p.y < kBaseline) return p.x >= kMatrixLeft - 15;
  if (p.x < kMatrixLeft) return false;
  return p.y - kBaseline < p.x - kMatrixLeft;
}

bool CKeySetDlg::IsMarked(int line) const {
  return line >= 0 && line < static_cast<int>(m_marks.size()) && m_marks[line];
}

void CKeySetDlg::RefreshLines() {
  if (static_cast<int>(m_marks.size()) != m_lines.LineCount()) m_marks.assign(m_lines.LineCount(), false);
  Refresh();
}

void CKeySetDlg::ClearKeyMarks() {
  std::fill(m_marks.begin(), m_marks.end(), false);
  Refresh();
}

void CKeySetDlg::OnMark(CShellMessageEvent& event, bool mark) {
  if (!mark) {
    ClearKeyMarks();
  } else {
    const int line = static_cast<int>(event.LParam());
    if (line >= 0 && line < static_cast<int>(m_marks.size())) m_marks[line] = true;
    Refresh();
  }
  event.SetResult(1);
}

void CKeySetDlg::OnScroll(CShellMessageEvent& event, bool horizontal) {
  if (horizontal)
    m_shiftX += static_cast<int>(event.WParam());
  else if (m_lines.Keypad() == kKeypadMatrix)
    m_shiftY += static_cast<int>(event.WParam());
  Refresh();
  Update();
  event.SetResult(1);
}

// --- Painting.

void CKeySetDlg::DrawBackgroundUnder(wxDC& dc, const wxRect& rect) {
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(kBackground));
  dc.DrawRectangle(0, 0, rect.width, rect.height);
}

void CKeySetDlg::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(kBackground));
  dc.Clear();
  if (IsTouch()) return;
  dc.SetFont(GetFont());
  const bool matrix = m_lines.Keypad() == kKeypadMatrix;
  if (matrix) DrawRowWiring(dc);
  dc.SetClippingRegion(wxRect(0, kBaseline - 60, GetClientSize().x, GetClientSize().y));
  for (int line = 0; line < m_lines.LineCount(); ++line) {
    const wxRect cell = LineRect(line);
    if (matrix && !m_lines.IsRowLine(line) && cell.x < kMatrixLeft) continue;
    if (m_lines.IsRowLine(line) && cell.y < kBaseline) continue;
    dc.SetTextForeground(*wxBLACK);
    dc.DrawLabel(KeyLineLabel(m_lines, line), LabelRect(line),
                 m_lines.IsRowLine(line) ? wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL : wxALIGN_CENTER);
    dc.SetPen(wxPen(wxColour(0x70, 0x80, 0x90)));
    dc.SetBrush(wxBrush(IsMarked(line) ? kMarked : *wxWHITE));
    dc.DrawRectangle(cell);
    dc.DrawLabel(m_lines.PinAt(line), cell, wxALIGN_CENTER);
  }
  if (matrix && VssRow()) {
    const int y = kBaseline + kRowTop + m_shiftY;
    if (y >= kBaseline)
      dc.DrawLabel("VSS", wxRect(kMatrixLeft - 2 * kCellWidth - 20, y, kCellWidth, kCellHeight),
                   wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
  }
}

// The row wires from the row cells to the key panel: grey for every row
// cell, blue over the rows in use, and the ground symbol of the VSS row.
void CKeySetDlg::DrawRowWiring(wxDC& dc) {
  const int x1 = kMatrixLeft - 15, x2 = kMatrixLeft;
  const int first = kBaseline + kRowTop + kCellHeight / 2 + m_shiftY;
  const int rowCells = m_lines.LineCount() - m_lines.FirstRowLine() + (VssRow() ? 1 : 0);
  const stKeyLineCounts counts = m_lines.CountsInUse();
  const int rowsInUse = counts.rows + (VssRow() ? 1 : 0);
  for (int pass = 0; pass < 2; ++pass) {
    dc.SetPen(wxPen(pass == 0 ? kGreyWire : kBlueWire));
    const int rows = pass == 0 ? rowCells : rowsInUse;
    for (int i = 0; i < rows; ++i) {
      const int y = first + kRowPitch * i;
      if (y > kBaseline) dc.DrawLine(x1, y, x2, y);
    }
    if (pass == 1 && VssRow() && first > kBaseline) {
      dc.DrawLine(x1, first, x1, first + 15);
      DrawGround(dc, x1, first + 15);
    }
  }
}

// --- Pins.

void CKeySetDlg::FreePin(const wxString& pin) {
  if (pin.empty()) return;
  if (m_pinFreed) m_pinFreed(pin);
}

void CKeySetDlg::TakePin(const wxString& pin) {
  if (CKeyConfigDlg* page = PageOf(this)) page->GetPinPicker()->SetPinState(pin, false);
}

void CKeySetDlg::LinesChanged() {
  CompactKeyLines(m_lines);
  ClearKeyMarks();
  if (m_linesChanged) m_linesChanged();
  ApplyPinRules(false);
  Refresh();
}

bool CKeySetDlg::TakeDroppedPin(const wxPoint& screenPoint, const wxString& pin) {
  if (pin.empty() || IsTouch() || m_lines.UsesPin(pin)) return false;
  const wxPoint client = ScreenToClient(screenPoint);
  const int line = FirstFreeKeyLine(m_lines, !InColumnZone(client));
  if (line < 0) return false;
  m_lines.PutPin(line, pin);
  LinesChanged();
  return true;
}

void CKeySetDlg::OnLeftDown(wxMouseEvent& event) {
  event.Skip();
  const int line = LineAt(event.GetPosition());
  if (line < 0 || m_lines.PinAt(line).empty()) return;
  m_dragLine = line;
  SetCursor(wxCursor(wxCURSOR_HAND));
  CaptureMouse();
}

void CKeySetDlg::OnLeftUp(wxMouseEvent& event) {
  event.Skip();
  if (!IsLcd() && m_panel) {
    wxCommandEvent commit(WM_EDIT_CHANGED);
    m_panel->GetEventHandler()->ProcessEvent(commit);
  }
  if (m_dragLine < 0) return;
  const int from = m_dragLine;
  m_dragLine = -1;
  if (HasCapture()) ReleaseMouse();
  SetCursor(wxNullCursor);
  OnPinDropped(ClientToScreen(event.GetPosition()), from);
}

void CKeySetDlg::OnCaptureLost(wxMouseCaptureLostEvent&) {
  m_dragLine = -1;
  SetCursor(wxNullCursor);
}

void CKeySetDlg::OnPinDropped(const wxPoint& screenPoint, int fromLine) {
  const wxString pin = m_lines.PinAt(fromLine);
  if (pin.empty()) return;
  const int target = LineAt(ScreenToClient(screenPoint));
  if (target == fromLine) return;
  if (target >= 0) {
    const wxString previous = m_lines.PinAt(target);
    if (!ConfirmDefaultChange(true, false, false)) return;
    m_lines.PutPin(fromLine, wxString());
    m_lines.PutPin(target, pin);
    // The pin the cell held goes back to the picker.
    FreePin(previous);
  } else {
    if (DevBoardGuardApplies(g_DocManage.KeyMode, g_DocManage.GetPackageName(), !IsLcd())) {
      if (LangMessageBox("IDS_CHANGE_DEFAULT", kNoticeOkCancel) != kNoticeAnswerOk) return;
      m_modePromptArmed = false;
      m_modeConfirmed = true;
      m_modeCombo->SetSelection(0);
      OnModeChanged();
    }
    m_lines.PutPin(fromLine, wxString());
    FreePin(pin);
  }
  LinesChanged();
}

void CKeySetDlg::OnPinChanged(const wxString& pin, long value) {
  if (value == 0 && m_lines.RemovePin(pin)) {
    CompactKeyLines(m_lines);
    Refresh();
  }
}

wxString CKeySetDlg::PinListText() { return FormatSetupPinList(m_lines); }

void CKeySetDlg::SyncPanelCounts() {
  if (!m_panel) return;
  const stKeyLineCounts counts = m_lines.CountsInUse();
  if (m_lines.Keypad() == kKeypadMatrix)
    m_panel->SetActiveSize(counts.columns, counts.rows + (VssRow() ? 1 : 0));
  else
    m_panel->SetActiveSize(counts.io);
}

// --- Persistence.

bool CKeySetDlg::WriteKeys(const CProjectFile& file) {
  if (IsTouch()) return WriteLedSettingKey(file, LedSetting());
  stKeyLineCounts counts = m_lines.CountsInUse();
  if (m_lines.Keypad() == kKeypadMatrix && VssRow()) ++counts.rows;
  return WriteKeyLineKeys(file, m_lines.Keypad(), counts, FormatSetupPinList(m_lines), LedSetting());
}

wxString CKeySetDlg::LedPin() const {
  if (!m_ledBox->GetValue()) return wxString();
  const int index = m_ledCombo->GetSelection();
  return index < 0 ? wxString() : m_ledCombo->GetString(index);
}

stKeyLedChoice CKeySetDlg::LedChoice() const {
  stKeyLedChoice choice;
  switch (m_ledBox->Get3StateValue()) {
    case wxCHK_CHECKED: choice.check = 1; break;
    case wxCHK_UNDETERMINED: choice.check = 2; break;
    default: choice.check = 0; break;
  }
  const int index = m_ledCombo->GetSelection();
  if (index >= 0) choice.pin = m_ledCombo->GetString(index);
  return choice;
}

bool CKeySetDlg::CheckTouchKeys() { return !m_panel || m_panel->CheckTouchKeys(); }

void CKeySetDlg::ApplyLedSetting(const wxString& setting) {
  m_ledByProgram = true;
  ApplyPinRules(false);
  m_ledBox->SetValue(!setting.empty());
  m_ledCombo->Enable(!setting.empty());
  m_ledCombo->SetSelection(setting.empty() ? wxNOT_FOUND : m_ledCombo->FindString(setting, true));
  m_ledByProgram = false;
  g_DocManage.SetParam(19, LedPin());
  g_DocManage.LedSetting = LedPin();
}

void CKeySetDlg::LoadKeyCodes(const CProjectFile& file, bool reselect) {
  if (!m_panel) return;
  if (!reselect || !IsLcd() || m_panel->IsTouch()) {
    m_panel->LoadKeys(file);
    return;
  }
  // Each key's stored actions, or the function its reference names.
  const std::vector<int> cells = m_panel->Shape().ActiveCells();
  const int count = static_cast<int>(cells.size());
  const std::vector<wxString> lists = ReadKeyActionItems(file, count);
  const std::vector<stKeyActionItem> indexes = ReadKeyActionIndexes(file, count);
  CKeyConfigDlg* page = PageOf(this);
  for (int i = 0; i < count && i < static_cast<int>(lists.size()) && i < static_cast<int>(indexes.size());
       ++i) {
    int row = 0, column = 0;
    m_panel->Shape().CellAt(cells[i], row, column);
    const int position = KeyPosition(column, row);
    wxString actions = lists[i];
    if (actions.empty()) {
      const stKeyActionItem& ref = indexes[i];
      if (ref.functionIndex < 0 && ref.userFunctionNumber < 0) continue;
      if (page && page->GetFuncPanel())
        actions = ref.functionIndex >= 0 ? page->GetFuncPanel()->GetFunctionName(0, ref.functionIndex)
                                         : page->GetFuncPanel()->GetFunctionName(1, ref.userFunctionNumber);
    }
    const std::vector<wxString> names = SplitKeyFields(actions, ';');
    for (std::size_t slot = 0; slot < names.size(); ++slot) {
      if (names[slot].empty()) continue;
      const bool twoKeys = slot / 2 == 2;
      const wxIntPtr packed = position | (twoKeys ? (position << 16) | (1 << 24) : 0);
      CShellMessageEvent select(WM_KEYSET_SELECT, packed, 0);
      select.SetString(names[slot]);
      if (page) page->GetEventHandler()->ProcessEvent(select);
    }
  }
}

// --- The chip's rules.

void CKeySetDlg::ApplyPinRules(bool packageChanged) {
  CKeyConfigDlg* page = PageOf(this);
  if (!page) return;
  const wxString previous =
      m_ledCombo->GetSelection() < 0 ? wxString() : m_ledCombo->GetString(m_ledCombo->GetSelection());
  stPinOptions options;
  options.mcu = g_DocManage.GetMcuName();
  options.crystalOption = g_DocManage.CrystalOption;
  options.lcdOption = g_DocManage.LcdOption;
  const std::vector<wxString> choices =
      LedPinChoices(page->GetPinPicker()->Model().GetPackagePins(g_DocManage.GetPackageName()),
                    m_lines.PinsInUse(), !IsLcd() && m_lines.Keypad() != kKeypadMatrix, options);
  m_ledCombo->Clear();
  for (const wxString& pin : choices) m_ledCombo->Append(pin);
  const stLedReselect reselect =
      ReselectLedPin(choices, previous, m_ledBox->GetValue(), packageChanged, IsLcd());
  m_ledCombo->SetSelection(reselect.selected.empty() ? wxNOT_FOUND
                                                     : m_ledCombo->FindString(reselect.selected, true));
  if (!reselect.messageKey.empty() && !m_ledByProgram) LangMessageBox(reselect.messageKey);
  if (reselect.clearLedPin) {
    g_DocManage.SetParam(19, wxString());
    g_DocManage.LedSetting.clear();
  }
}

void CKeySetDlg::LoadChipDefaults() {
  CKeyConfigDlg* page = PageOf(this);
  if (!page || IsTouch()) return;
  const wxString chipIni = platform::FindPathNoCase(
      platform::JoinPath(g_App.GetIcFolder(g_FrameworkKind), g_DocManage.GetMcuName() + ".ini"));
  const bool matrix = m_lines.Keypad() == kKeypadMatrix;
  const int first = matrix ? m_lines.LineLimit() : m_lines.LineCount();
  const stChipKeyDefaults defaults = ReadChipKeyDefaults(chipIni, g_DocManage.GetPackageName(), matrix, first,
                                                         matrix ? m_lines.LineCount() - first : 0);
  for (const wxString& pin : m_lines.PinsInUse()) FreePin(pin);
  m_lines.Setup(m_lines.Keypad(), m_lines.LineLimit());
  // The row count includes the VSS row: a board that wires a row to VSS has
  // one pinned row fewer, and only the rows in use take pins.
  const int pinnedRows = defaults.rowPins - (defaults.rowVss ? 1 : 0);
  for (int line = 0; line < m_lines.LineCount() && line < static_cast<int>(defaults.cellPins.size());
       ++line) {
    if (defaults.cellPins[line].empty()) continue;
    if (m_lines.IsRowLine(line) && line - m_lines.FirstRowLine() >= pinnedRows) continue;
    m_lines.PutPin(line, defaults.cellPins[line]);
    TakePin(defaults.cellPins[line]);
  }
  CompactKeyLines(m_lines);
  // The LED of the board; its pin is chosen once the choices are rebuilt.
  m_ledByProgram = true;
  m_ledBox->SetValue(defaults.ledEnabled);
  m_ledCombo->Enable(defaults.ledEnabled);
  m_ledCombo->SetSelection(wxNOT_FOUND);
  g_DocManage.SetParam(19, wxString());
  // ROW VSS as the board wires it; the pins already say the row counts.
  if (defaults.rowVss != VssRow()) {
    m_vssBox->SetValue(defaults.rowVss);
    m_vssByDefaults = true;
    m_vssPromptArmed = false;
    if (matrix || IsLcd()) OnVssChanged();
    m_vssByDefaults = false;
  }
  if (m_linesChanged) m_linesChanged();
  SendShellMessage(page, WM_KEY_LIST_CHANGED);
  ApplyPinRules(false);
  if (defaults.ledEnabled) {
    const int index = m_ledCombo->FindString(defaults.ledPin, true);
    m_ledCombo->SetSelection(index);
    g_DocManage.SetParam(19, LedPin());
  }
  m_ledByProgram = false;
  Refresh();
}

bool CKeySetDlg::ConfirmDefaultChange(bool askDefault, bool repaint, bool askPackage) {
  if (!DevBoardGuardApplies(g_DocManage.KeyMode, g_DocManage.GetPackageName(), !IsLcd())) return true;
  if (askPackage && LangMessageBox("IDS_CHANGE_PACK", kNoticeOkCancel) != kNoticeAnswerOk) return false;
  if (askDefault && LangMessageBox("IDS_CHANGE_DEFAULT", kNoticeOkCancel) != kNoticeAnswerOk) {
    m_modePromptArmed = true;
    return false;
  }
  m_modePromptArmed = askDefault;
  m_repaintOnMode = repaint;
  m_modeConfirmed = true;
  m_modeCombo->SetSelection(0);
  OnModeChanged();
  return true;
}

// --- Handlers.

void CKeySetDlg::OnModeChanged() {
  const int mode = m_modeCombo->GetSelection();
  if (mode < 0 || mode == g_DocManage.KeyMode) return;
  if (m_modePromptArmed && !m_modeConfirmed &&
      LangMessageBox("IDS_CHANGE_MODE", kNoticeOkCancel) != kNoticeAnswerOk) {
    m_modeCombo->SetSelection(g_DocManage.KeyMode == 1 ? 1 : 0);
    return;
  }
  m_modePromptArmed = true;
  m_modeConfirmed = false;
  if (m_panel) m_panel->ClearKeySlots();
  if (mode == 1) {
    if (CKeyConfigDlg* page = PageOf(this)) SendShellMessage(page, WM_KEYCFG_DRIVER_MODE);
    if (!m_vssBox->GetValue()) {
      m_vssBox->SetValue(true);
      m_vssPromptArmed = false;
      if (m_lines.Keypad() == kKeypadMatrix) OnVssChanged();
    }
  }
  g_DocManage.KeyMode = mode;
  if (m_repaintOnMode && m_panel) m_panel->Refresh();
  m_repaintOnMode = true;
  if (m_linesChanged) m_linesChanged();
}

void CKeySetDlg::OnVssChanged() {
  const bool ticked = m_vssBox->GetValue();
  const bool matrix = m_lines.Keypad() == kKeypadMatrix;
  const bool applies = IsLcd() ? !matrix : matrix;
  // Codes on the first row would move: ask first.
  if (applies && m_vssPromptArmed && VssRow() && m_panel && !m_vssByDefaults) {
    const int columns = matrix ? m_lines.CountsInUse().columns : m_lines.CountsInUse().io;
    bool coded = false;
    for (int slot = 0; slot < columns; ++slot) coded |= m_panel->Slots().Get(slot) != kNoKeyCode;
    if (coded && LangMessageBox("IDS_CHANGE_VSS", kNoticeOkCancel) != kNoticeAnswerOk) {
      m_vssBox->SetValue(!ticked);
      return;
    }
  }
  if (!m_vssByDefaults && !ConfirmDefaultChange(true, false, false)) {
    m_vssBox->SetValue(!ticked);
    return;
  }
  g_DocManage.VssRow = applies && ticked ? 1 : 0;
  m_vssPromptArmed = true;
  if (m_panel) {
    // The panel rebuilds for the VSS row; its codes move with their keys.
    const CKeySlotTable saved = m_panel->Slots();
    const stKeyLineCounts counts = m_lines.CountsInUse();
    m_panel->SetupKeys(m_lines.Keypad(), m_lines.LineLimit(), counts, false);
    for (int slot = 0; slot < kKeySlotCount; ++slot) m_panel->SetKeySlot(slot, saved.Get(slot));
    m_panel->ShiftForVssLine(VssRow());
    SyncPanelCounts();
  }
  m_vssByDefaults = false;
  if (m_linesChanged) m_linesChanged();
  Refresh();
}

void CKeySetDlg::OnLedBox() {
  const bool ticked = m_ledBox->GetValue();
  if (!m_ledByProgram && !ConfirmDefaultChange(true, true, false)) {
    m_ledBox->SetValue(!ticked);
    return;
  }
  m_ledCombo->Enable(ticked);
  if (!ticked) {
    m_ledCombo->SetSelection(wxNOT_FOUND);
    g_DocManage.SetParam(19, wxString());
    g_DocManage.LedSetting.clear();
  }
  if (CKeyConfigDlg* page = PageOf(this)) {
    SendShellMessage(page, WM_KEYCFG_REFRESH);
    if (!m_ledByProgram) page->MarkModified();
  }
}

void CKeySetDlg::OnLedPin() {
  g_DocManage.SetParam(19, LedPin());
  g_DocManage.LedSetting = LedPin();
  if (CKeyConfigDlg* page = PageOf(this)) {
    SendShellMessage(page, WM_KEYCFG_REFRESH);
    page->MarkModified();
  }
}

void CKeySetDlg::OnFrequency() {
  g_DocManage.TouchFrequency = std::max(0, m_frequencyCombo->GetSelection());
  if (CKeyConfigDlg* page = PageOf(this)) page->MarkModified();
}

void CKeySetDlg::OnTouchChoice(long, long state) {
  m_touchKeysInUse = std::clamp(m_touchKeysInUse + (state ? 1 : -1), 0, kTouchKeyCount);
}

// --- The circuit diagram.

void CKeySetDlg::OnDiagramPreview() {
  if (IsTouch()) {
    if (m_panel && !m_panel->CheckTouchKeys()) return;
  } else {
    const wxString problem = KeySetupProblem(m_lines, VssRow(), m_ledBox->GetValue(), LedPin(), IsLcd());
    if (!problem.empty()) {
      LangMessageBox(problem);
      return;
    }
  }
  g_DocManage.SetParam(19, LedPin());
  ExportDiagramPdf();
}

stKeySetupExport CKeySetDlg::DiagramContent() const {
  stKeySetupExport what;
  what.touch = IsTouch();
  if (what.touch) {
    for (int i = 0; i < kTouchKeyCount; ++i) {
      if (!g_DocManage.TouchKey[i]) continue;
      what.touchNames.push_back(wxString::Format("KEY%d", i + 1));
      what.touchLabels.push_back(wxString::Format("K%d", i + 1));
    }
    return what;
  }
  if (m_panel)
    what.snapshot = MakeKeySetupSnapshot(m_panel->Shape(), m_panel->Slots(), !IsLcd(), kCellWidth,
                                         kCellHeight, kMatrixLeft);
  return what;
}

// The key wiring as the diagram shows it, in a private temporary PNG.
wxString CKeySetDlg::PictureFile(int& width, int& height) const {
  if (!m_panel) return wxString();
  const stKeypadShape& shape = m_panel->Shape();
  stKeyDrawContext ctx;
  ctx.cellWidth = kCellWidth;
  ctx.frameworkKind = IsLcd() ? 1 : 0;
  ctx.matrix = shape.matrix;
  ctx.vssLine = shape.vssLine;
  ctx.commandBits = g_DocManage.CommandBits;
  ctx.font = GetFont();
  const int dx = shape.matrix ? kMatrixLeft : 50;
  const int rows = shape.matrix ? shape.TableRows() : shape.lines;
  wxBitmap bitmap(dx + 16 + shape.lines * Pitch() + 40, 35 + rows * kRowPitch + 40);
  wxRect extent;
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    if (shape.matrix && shape.activeRows > 0) {
      dc.SetPen(*wxBLACK_PEN);
      dc.DrawLine(kMatrixLeft - 15, 58, kMatrixLeft, 58);
    }
    DrawKeys(dc, ctx, shape.lines, shape.active, rows, shape.activeRows, true, m_panel->Slots().All(), extent,
             dx, 35);
    DrawKeyWiring(dc, ctx, dx + 15, 35, shape.lines - 1, shape.active, shape.activeRows, true, extent);
  }
  width = bitmap.GetWidth();
  height = bitmap.GetHeight();
  const wxString file = wxFileName::CreateTempFileName("olvdiagram");
  if (file.empty() || !bitmap.SaveFile(file, wxBITMAP_TYPE_PNG)) {
    if (!file.empty()) wxRemoveFile(file);
    return wxString();
  }
  return file;
}

wxString CKeySetDlg::ChooseDiagramPath() {
  if (m_pathChooser) return m_pathChooser();
  wxFileDialog dialog(this, wxString(), g_DocManage.GetProjectFolder(), wxString(), "PDF file (*.pdf)|*.pdf",
                      wxFD_SAVE);
  return dialog.ShowModal() == wxID_OK ? dialog.GetPath() : wxString();
}

bool CKeySetDlg::ExportDiagramPdf() {
  const wxString chosen = ChooseDiagramPath();
  if (chosen.empty()) return false;
  // The name gets its extension before the question, so the question names
  // the file that is written.
  const wxString path = DiagramPdfPath(chosen);
  if (wxFileExists(path) && LangMessageBox("", kNoticeOkCancel | platform::kMbIconQuestion,
                                           "IDS_DIAGRAM_REPLACE", path) != kNoticeAnswerOk)
    return false;
  stKeySetupExport what = DiagramContent();
  if (!what.touch) what.pictureFile = PictureFile(what.pictureWidth, what.pictureHeight);
  const KeySetupExportResult result = ExportKeySetupPdf(path, what);
  if (!what.pictureFile.empty()) wxRemoveFile(what.pictureFile);
  if (result != KeySetupExportResult::kWritten) {
    LangMessageBox("", kNoticeOk, "IDS_DIAGRAM_EXPORT_FAILED", path);
    return false;
  }
  if (!wxFileExists(path)) {
    LangMessageBox("", kNoticeOk, "IDS_FILE_NO_EXIST", path);
    return false;
  }
  if (!platform::OpenWithSystemViewer(path))
    LangMessageBox("", kNoticeOk | platform::kMbIconInformation,
                   "Unable to open '%s'.#nPlease install a PDF reader.", path);
  return true;
}

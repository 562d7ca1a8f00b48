#include "receiver/pages/CodeModePage.h"

#include "controls/chart/BLDCChartCtrl.h"
#include "controls/chart/ChartAxis.h"
#include "controls/chart/ChartSeries.h"
#include "controls/grid/IRGridCtrl.h"
#include "core/AppContext.h"
#include "core/FileHelpers.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "platform/Format.h"
#include "platform/Paths.h"
#include "ui/IRRichEdit.h"
#include "ui/ResourceIds.h"
#include "ui/Resources.h"
#include "ui/UiMessages.h"
#include "ui/shell/ShellHooks.h"
#include "ui/shell/ShellMessages.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

struct stElement {
  const char* name;
  int id;
};

using Id = CCodeModePage::ControlId;

// The controls shared by both modes after the mode's data elements.
#define OLV_COMMON_ELEMENTS                                                                                \
  {"OUTPUT_LISTBOX", Id::kStatusListId}, {"ACTION_STATIC", 1361}, {"CHECK_LOCK", Id::kLockId},             \
      {"CHECK_AUTO_SAVE", Id::kAutoSaveId}, {"STARTDECODE_BUTTON", Id::kStartDecodeId},                    \
      {"SAVE_BUTTON", Id::kSaveId}, {"IMPORT_DATA_BUTTON", Id::kImportId}, {"VALUE_STATIC_TITLE", 1354},   \
      {"GRID_CUSTOM", Id::kGridId}, {"EXPORTDATA_BUTTON", Id::kExportId}, {"LEFT_Button", Id::kPanLeftId}, \
      {"RIGHT_Button", Id::kPanRightId}, {"ENLARGE_Button", Id::kZoomInId},                                \
      {"REDUCE_Button", Id::kZoomOutId}, {"FW_INFO", Id::kFirmwareInfoId}, {                               \
    "UPDATE_FW", Id::kUpdateFirmwareId                                                                     \
  }

const std::vector<stElement> kGeneralElements = {{"CHART_CUSTOM", Id::kChartId},
                                                 {"DUTY_STATIC", 1052},
                                                 {"DUTY_EDIT", Id::kDutyEditId},
                                                 {"FREQ_STATIC", 1047},
                                                 {"FREQ_EDIT", Id::kFrequencyEditId},
                                                 {"PROTOCAL_STATIC", 1053},
                                                 {"PROTOCAL_EDIT", Id::kProtocolEditId},
                                                 {"DATA_INFO", Id::kDataInfoId},
                                                 {"DATA_STATIC_RECV", 1049},
                                                 {"DATA_EDIT_RECV", Id::kBitTextId},
                                                 {"START_STATIC", 1107},
                                                 {"TOTAL_STATIC", 1108},
                                                 {"ADR_STATIC", 1050},
                                                 {"EDIT_ADR", Id::kAddressEditId},
                                                 {"H1_STATIC", 1350},
                                                 {"EDIT_ADR_START_BIT", Id::kAddressStartId},
                                                 {"EDIT_ADR_START_TOTAL", Id::kAddressCountId},
                                                 {"CMD_STATIC", 1051},
                                                 {"EDIT_CMD", Id::kCommandEditId},
                                                 {"H2_STATIC", 1351},
                                                 {"EDIT_CMD_START_BIT", Id::kCommandStartId},
                                                 {"EDIT_CMD_START_TOTAL", Id::kCommandCountId},
                                                 OLV_COMMON_ELEMENTS};

const std::vector<stElement> kAirElements = {{"CHART_CUSTOM", Id::kChartId},
                                             {"DUTY_STATIC", 1052},
                                             {"DUTY_EDIT", Id::kDutyEditId},
                                             {"FREQ_STATIC", 1047},
                                             {"FREQ_EDIT", Id::kFrequencyEditId},
                                             {"CONNECT_TIME_STATIC", 1053},
                                             {"CONNECT_TIME_EDIT", Id::kProtocolEditId},
                                             {"DATA_CODE_LEN_STATIC", 1048},
                                             {"DATA_CODE_LEN_EDIT", Id::kFrameLengthEditId},
                                             {"DATA_INFO", Id::kDataInfoId},
                                             {"DATA_STATIC_LOCK", Id::kLockedLabelId},
                                             {"DATA_EDIT_LOCK", Id::kLockedFrameId},
                                             {"DATA_STATIC_RECV", Id::kReceivedLabelId},
                                             {"DATA_EDIT_RECV", Id::kReceivedFrameId},
                                             OLV_COMMON_ELEMENTS};
#undef OLV_COMMON_ELEMENTS

// Shown in general mode, hidden in air mode; kAirOnly the reverse.
constexpr int kGeneralOnly[] = {1049, 1347, 1107, 1108, 1050, 1348, 1350,
                                1352, 1353, 1051, 1349, 1351, 1073, 1074};
constexpr int kAirOnly[] = {1048, 1144, 1344, 1343, 1345, 1346};

constexpr int kGeneralRowLimit = 137;

}  // namespace

CCodeModePage::CCodeModePage(int mode)
    : CBaseDlg(kTemplateId, GetLangText(mode == kAirMode ? "IDS_SW_TITLE_LCD" : "IDS_SW_TITLE_GEN"),
               g_App.imageFolder, nullptr),
      m_mode(mode) {
  SetTitle(GetLangText(mode == kAirMode ? "IDS_SW_TITLE_LCD" : "IDS_SW_TITLE_GEN"));
  m_icon = LoadIconResource(g_BrandFlag != 0 ? IDI_OLVANTA_MAKER : IDR_MAINFRAME);
  if (m_icon.IsOk()) SetIcon(m_icon);
  m_decodeDoc.RemoteType = mode;
  m_decodeDoc.LcdOption = mode != 0 ? 1 : 0;
  SetSize(FromDIP(wxSize(1060, 720)));
  CreateControls();
  if (LoadLayout()) PlaceAndLabel();
  SetUpGrid();
  SetUpChart();
  SetUpBitEdits();
  SetUpTips();
  BindEvents();
  CentreOnScreen();
}

CCodeModePage::~CCodeModePage() = default;

// --- Controls and layout.

void CCodeModePage::CreateControls() {
  wxWindow* client = GetClientWindow();
  for (int id : std::initializer_list<int>{Id::kDataInfoId, 1361, 1354, Id::kFirmwareInfoId})
    new wxStaticBox(client, id, wxString());
  for (int id : std::initializer_list<int>{1052, 1047, 1053, 1049, 1107, 1108, 1050, 1350, 1051, 1351, 1048,
                                           1344, 1345, static_cast<int>(Id::kFirmwareVersionId)})
    new wxStaticText(client, id, wxString());
  for (int id :
       {Id::kDutyEditId, Id::kFrequencyEditId, Id::kProtocolEditId, Id::kBitTextId, Id::kFrameLengthEditId})
    new wxTextCtrl(client, id, wxString(), wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
  for (int id : std::initializer_list<int>{Id::kAddressEditId, Id::kCommandEditId, Id::kAddressStartId,
                                           Id::kAddressCountId, Id::kCommandStartId, Id::kCommandCountId})
    new wxTextCtrl(client, id, wxString());
  m_lockedFrame = new CIRRichEdit(client, Id::kLockedFrameId);
  m_receivedFrame = new CIRRichEdit(client, Id::kReceivedFrameId);
  m_lock = new wxCheckBox(client, Id::kLockId, wxString());
  m_autoSave = new wxCheckBox(client, Id::kAutoSaveId, wxString());
  for (int id : std::initializer_list<int>{Id::kStartDecodeId, Id::kSaveId, Id::kImportId, Id::kExportId,
                                           Id::kPanLeftId, Id::kPanRightId, Id::kZoomInId, Id::kZoomOutId,
                                           Id::kUpdateFirmwareId})
    new wxButton(client, id, wxString());
  auto* widthButton =
      new wxButton(client, Id::kColumnWidthButtonId, wxString(), wxDefaultPosition, FromDIP(wxSize(80, 24)));
  widthButton->Hide();
  m_statusList = new wxListBox(client, Id::kStatusListId);
  m_chart = new CBLDCChartCtrl(client, Id::kChartId);
  m_grid = new CIRGridCtrl();
  m_grid->Create(client, Id::kGridId);
}

bool CCodeModePage::LoadLayout() {
  m_layout.RemoveAll();
  if (m_mode != kGeneralMode && m_mode != kAirMode) return false;
  const wxString file = m_mode == kGeneralMode ? "ConditionModePage.ini" : "AirConditionModePage.ini";
  m_layout.SetSource(platform::JoinPath(g_App.uiConfigFolder, file), g_App.imageFolder);
  m_layout.LoadElements("A", GetClientWindow());
  m_layout.ApplyFonts(0);
  stUIElement client;
  if (!m_layout.GetElement("SW_CLIENT", client)) {
    LangMessageBox("", kNoticeOk, "IDS_ERR8_LACK_OF_KEY", wxString("SW_CLIENT"), m_layout.GetIniPath());
    return false;
  }
  return true;
}

void CCodeModePage::PlaceAndLabel() {
  wxWindow* client = GetClientWindow();
  const bool placed = m_layout.IsReady() && m_layout.ResolveAll(client);
  for (const stElement& element : m_mode == kAirMode ? kAirElements : kGeneralElements) {
    wxWindow* control = client->FindWindow(element.id);
    stUIElement found;
    if (!control || !m_layout.GetElement(element.name, found)) continue;
    if (placed) {
      wxRect rect = found.Rect();
      rect.width = std::max(0, rect.width);
      rect.height = std::max(0, rect.height);
      control->SetSize(rect);
    }
    if (found.textKey.empty()) continue;
    const wxString text = GetLangText(found.textKey);
    if (!text.empty()) control->SetLabel(text);
  }
  ShowByMode();
  PlaceFrameTexts();
  // The version text sits inside its group.
  wxWindow* group = client->FindWindow(Id::kFirmwareInfoId);
  wxWindow* version = client->FindWindow(Id::kFirmwareVersionId);
  if (group && version) {
    const wxRect box = group->GetRect();
    version->SetSize(box.x + 12, box.y + box.height / 2 - 4, std::max(0, box.width / 2 - 16), FromDIP(20));
  }
}

void CCodeModePage::ShowByMode() {
  wxWindow* client = GetClientWindow();
  const bool general = m_mode == kGeneralMode;
  for (int id : kGeneralOnly)
    if (wxWindow* control = client->FindWindow(id)) control->Show(general);
  for (int id : kAirOnly)
    if (wxWindow* control = client->FindWindow(id)) control->Show(!general);
}

void CCodeModePage::PlaceFrameTexts() {
  wxWindow* client = GetClientWindow();
  wxWindow* group = client->FindWindow(Id::kDataInfoId);
  wxWindow* lockedLabel = client->FindWindow(Id::kLockedLabelId);
  wxWindow* receivedLabel = client->FindWindow(Id::kReceivedLabelId);
  if (!group || !lockedLabel || !receivedLabel) return;
  const wxRect g = group->GetRect();
  const int labelHeight = std::max(lockedLabel->GetBestSize().y, FromDIP(18));
  const int editHeight = std::max(0, (g.height - 2 * labelHeight - 35) / 2);
  const int width = std::max(0, g.width - 20);
  int y = g.y + 15;
  lockedLabel->SetSize(g.x + 10, y, width, labelHeight);
  y += labelHeight + 5;
  m_lockedFrame->SetSize(g.x + 10, y, width, editHeight);
  y += editHeight + 5;
  receivedLabel->SetSize(g.x + 10, y, width, labelHeight);
  y += labelHeight + 5;
  m_receivedFrame->SetSize(g.x + 10, y, width, editHeight);
}

bool CCodeModePage::SetUpGrid() {
  if (m_mode != kGeneralMode && m_mode != kAirMode) return false;
  if (m_mode == kGeneralMode)
    m_grid->InitCodeGrid(CIRGridCtrl::kInputMode);
  else
    m_grid->InitWideCodeGrid();
  const wxString header[] = {"IDS_INDEX", m_mode == kGeneralMode ? "IDS_KEYCODE" : "IDS_DATA",
                             "IDS_ILLUSTRATION", "IDS_ACTION"};
  for (int col = 0; col < 4; ++col) m_grid->SetCellText(0, col, header[col]);
  if (wxWindow* widthButton = GetClientWindow()->FindWindow(Id::kColumnWidthButtonId)) {
    // The hidden button's width: a quarter of the grid, the code column 20 wider.
    widthButton->SetSize(std::max(40, (m_grid->GetSize().x - 44) / 4), widthButton->GetSize().y);
    if (m_mode == kGeneralMode)
      m_grid->SetColumnWidths(widthButton->GetSize().x);
    else {
      m_grid->SetColumnWidth(CIRGridCtrl::kNumberColumn, 50);
      m_grid->SetColumnWidth(CIRGridCtrl::kCodeColumn, std::max(120, m_grid->GetSize().x - 260));
      m_grid->SetColumnWidth(CIRGridCtrl::kTextColumn, 100);
      m_grid->SetColumnWidth(CIRGridCtrl::kButtonColumn, 50);
    }
  }
  if (m_mode == kGeneralMode) m_grid->SetMaxRows(kGeneralRowLimit);
  m_gridFont.SetFromFont(m_grid->GetFont());
  m_gridFont.SetPointSize(8);
  m_grid->SetFont(m_gridFont.GetFont());
  FitGridColumns();
  m_grid->ResetRows();
  FillGridFromProject();
  return true;
}

// Every column stays in view: the description (general) or the frame text (air) takes the width
// the others leave.
void CCodeModePage::FitGridColumns() {
  m_grid->FitColumns(m_mode == kGeneralMode ? CIRGridCtrl::kTextColumn : CIRGridCtrl::kCodeColumn);
}

void CCodeModePage::FillGridFromProject() {
  int position = 0;
  if (m_mode == kGeneralMode) {
    std::uint16_t code = 0;
    wxString text;
    if (!g_DocManage.GetFirstKeyValue(position)) return;
    while (g_DocManage.GetNextKeyValue(position, code, text)) {
      if (!m_grid->AppendRow(false)) break;
      const int row = m_grid->GetRowCount() - 2;
      m_grid->SetCellText(row, CIRGridCtrl::kCodeColumn,
                          wxString::Format("0x%x", static_cast<unsigned>(code)));
      m_grid->SetCellText(row, CIRGridCtrl::kTextColumn, text);
      m_grid->SetCellType(row, CIRGridCtrl::kButtonColumn, wxCLASSINFO(CIRCellButton));
    }
  } else {
    wxString first, second;
    if (!g_DocManage.GetFirstAirKeyValue(position)) return;
    while (g_DocManage.GetNextAirKeyValue(position, first, second)) {
      if (!m_grid->AppendRow(false)) break;
      const int row = m_grid->GetRowCount() - 1;
      m_grid->SetCellText(row, CIRGridCtrl::kCodeColumn, first);
      m_grid->SetCellText(row, CIRGridCtrl::kTextColumn, second);
    }
  }
}

void CCodeModePage::SetUpChart() {
  m_chart->SetBackColor(0xFFFFFF);
  m_chart->SetEdgeType(0);
  m_chart->SetZoomRectColor(0x0000FF);
  CChartAxis* bottom = m_chart->CreateStandardAxis(kAxisBottom);
  bottom->SetMinMax(m_bottomMin, m_bottomMax);
  bottom->GetLabel()->SetText(GetLangText("IDS_TIME_CHART"));
  bottom->SetAxisColor(0xB0B257);
  bottom->SetTextColor(0);
  bottom->GetGrid()->SetVisible(false);
  bottom->SetInverted(false);
  bottom->SetAutoHideScrollBar(true);
  bottom->EnableScrollBar(false);
  CChartAxis* left = m_chart->CreateStandardAxis(kAxisLeft);
  left->SetMinMax(m_leftMin, m_leftMax);
  left->GetLabel()->SetVisible(false);
  left->SetAxisColor(0xB0B257);
  left->SetTextColor(0xFFFFFF);
  m_series = m_chart->CreateLineSeries();
  m_series->SetWidth(2);
  m_series->SetPenStyle(0);
  m_series->SetName(" ");
  m_series->SetColor(0xD77800);
  m_chart->RefreshCtrl();
}

void CCodeModePage::SetUpBitEdits() {
  wxWindow* client = GetClientWindow();
  CLUEdit* edits[] = {&m_addressEdit,  &m_commandEdit,  &m_addressStart,
                      &m_addressCount, &m_commandStart, &m_commandCount};
  const int ids[] = {Id::kAddressEditId,  Id::kCommandEditId,  Id::kAddressStartId,
                     Id::kAddressCountId, Id::kCommandStartId, Id::kCommandCountId};
  for (int i = 0; i < 6; ++i) {
    wxWindow* control = client->FindWindow(ids[i]);
    const wxPoint position = control ? control->GetPosition() : wxPoint();
    edits[i]->Init(client, position.x, position.y);
    edits[i]->SubclassDlgItem(ids[i]);
  }
  for (CLUEdit* start : {&m_addressStart, &m_commandStart}) {
    start->SetMask("DD", "__");
    start->SetRange(0, 31);
    start->EnableValueCheck(true);
    start->EnableTip(true);
  }
  m_addressStart.SetTipText("ADDR_BITS_RANGE");
  m_commandStart.SetTipText("CMD_BITS_RANGE");
  for (CLUEdit* count : {&m_addressCount, &m_commandCount}) count->SetMask("DD", "__");
}

void CCodeModePage::SetUpTips() {
  const bool general = m_mode == kGeneralMode;
  const std::pair<int, const char*> tips[] = {
      {Id::kLockId, general ? "IDS_CHECK_PROTOCOL_TIPS" : "IDS_AIR_CHECK_PROTOCOL_TIPS"},
      {Id::kAutoSaveId, general ? "IDS_AUTO_SAVE_TIPS" : "IDS_AIR_AUTO_SAVE_TIPS"},
      {Id::kPanLeftId, "IDS_LEFT_TIPS"},
      {Id::kPanRightId, "IDS_RIGHT_TIPS"},
      {Id::kZoomInId, "IDS_ENLARGE_TIPS"},
      {Id::kZoomOutId, "IDS_REDUCE_TIPS"}};
  for (const auto& [id, key] : tips)
    if (wxWindow* control = GetClientWindow()->FindWindow(id)) control->SetToolTip(GetLangText(key));
}

CLUEdit& CCodeModePage::GetBitEdit(int id) {
  switch (id) {
    case Id::kAddressEditId: return m_addressEdit;
    case Id::kCommandEditId: return m_commandEdit;
    case Id::kAddressStartId: return m_addressStart;
    case Id::kAddressCountId: return m_addressCount;
    case Id::kCommandStartId: return m_commandStart;
    default: return m_commandCount;
  }
}

wxString CCodeModePage::GetControlText(int id) const {
  if (id == Id::kReceivedFrameId) return m_receivedFrame->GetText();
  if (id == Id::kLockedFrameId) return m_lockedFrame->GetText();
  wxWindow* control = GetClientWindow()->FindWindow(id);
  if (auto* text = wxDynamicCast(control, wxTextCtrl)) return text->GetValue();
  return control ? control->GetLabel() : wxString();
}

void CCodeModePage::SetControlText(int id, const wxString& text) {
  wxWindow* control = GetClientWindow()->FindWindow(id);
  if (auto* edit = wxDynamicCast(control, wxTextCtrl))
    edit->ChangeValue(text);
  else if (control)
    control->SetLabel(text);
}

// --- Status list and board state.

wxString CCodeModePage::StatusLineText(std::size_t index) const {
  const wxString text = GetLangText(m_statusKeys[index]);
  if (m_statusValues[index] == -1) return text;
  return platform::FormatText(text, m_statusValues[index]);
}

void CCodeModePage::AddStatusLine(const wxString& key, int value) {
  m_statusKeys.push_back(key);
  m_statusValues.push_back(value);
  m_statusList->Append(StatusLineText(m_statusKeys.size() - 1));
  m_statusList->SetSelection(static_cast<int>(m_statusList->GetCount()) - 1);
}

void CCodeModePage::RebuildStatusList() {
  m_statusList->Clear();
  for (std::size_t i = 0; i < m_statusKeys.size(); ++i) m_statusList->Append(StatusLineText(i));
  if (!m_statusKeys.empty()) m_statusList->SetSelection(static_cast<int>(m_statusKeys.size()) - 1);
}

void CCodeModePage::ShowBoardState(int state, int version) {
  m_boardState = state;
  wxString versionText;
  switch (state) {
    case 2:
      m_connected = true;
      m_disconnectReported = false;
      AddStatusLine("IDS_HAS_CONNECTED");
      versionText = wxString::Format("%04XH", static_cast<unsigned>(version & 0xFFFF));
      break;
    case 1:
      m_connected = false;
      m_disconnectReported = false;
      AddStatusLine("IDS_IN_BOOTLOADER");
      versionText = "N/A";
      break;
    case 0:
      m_connected = false;
      if (!m_disconnectReported) {
        m_disconnectReported = true;
        AddStatusLine("IDS_DISCONNECTED");
      }
      versionText = "N/A";
      break;
    default: break;
  }
  wxWindow* label = GetClientWindow()->FindWindow(Id::kFirmwareVersionId);
  label->SetLabel(versionText);
  label->SetForegroundColour(state == 2 ? wxColour(0x22, 0xB1, 0x4C) : wxColour(0xFF, 0, 0));
  label->Refresh();
}

IReceiverLink* CCodeModePage::Link() const {
  IShellWindow* shell = GetShellWindow();
  return shell ? shell->GetReceiverLink() : nullptr;
}

bool CCodeModePage::IsIdle() const {
  IReceiverLink* link = Link();
  return !link || (!link->IsDecodeRunning() && !link->IsUpdateRunning());
}

bool CCodeModePage::IsLocked() const { return m_lock->GetValue(); }

void CCodeModePage::RefreshButtons(int firmwareVersion) {
  wxWindow* client = GetClientWindow();
  auto enable = [client](int id, bool on) {
    if (wxWindow* control = client->FindWindow(id)) control->Enable(on);
  };
  const bool idle = IsIdle();
  const bool connected = m_boardState == 2;
  const int protocol = m_decodeDoc.CodeMode;
  const bool decoded = decode::IsDecodedIndex(protocol);
  if (m_mode == kGeneralMode) {
    enable(Id::kLockId, idle && connected && decoded);
    enable(Id::kAutoSaveId, idle && connected && IsLocked());
    enable(Id::kSaveId, idle && decoded);
    enable(Id::kImportId, idle && decoded);
  } else {
    const bool received = !m_receivedFrame->GetText().empty();
    enable(Id::kLockId, idle && connected && received);
    enable(Id::kAutoSaveId, idle && connected);
    enable(Id::kSaveId, idle && received);
    enable(Id::kImportId, idle && received);
  }
  std::uint16_t fileVersion = 0;
  const bool haveFile = FindReceiverFirmware(fileVersion);
  enable(Id::kUpdateFirmwareId,
         idle && haveFile && (m_boardState == 2 || m_boardState == 1) && firmwareVersion != fileVersion);
  enable(Id::kStartDecodeId, idle && connected);
  enable(Id::kExportId, idle);
  m_grid->Enable(idle);
  if (m_mode == kGeneralMode) {
    const bool editable = idle && !IsLocked() && protocol == decode::kNonStandardProtocol;
    for (CLUEdit* edit : {&m_addressStart, &m_addressCount, &m_commandStart, &m_commandCount})
      edit->EnableWindow(editable);
  }
}

void CCodeModePage::UpdateTexts() {
  SetTitle(GetLangText(m_mode == kAirMode ? "IDS_SW_TITLE_LCD" : "IDS_SW_TITLE_GEN"));
  PlaceAndLabel();
  if (CChartAxis* bottom = m_chart->GetBottomAxis())
    bottom->GetLabel()->SetText(GetLangText("IDS_TIME_CHART"));
  m_chart->RefreshCtrl();
  const wxString header[] = {"IDS_INDEX", m_mode == kGeneralMode ? "IDS_KEYCODE" : "IDS_DATA",
                             "IDS_ILLUSTRATION", "IDS_ACTION"};
  for (int col = 0; col < 4; ++col) m_grid->SetCellText(0, col, header[col]);
  FitGridColumns();
  SetUpTips();
  Refresh();
  RebuildStatusList();
}

// --- Events.

void CCodeModePage::BindEvents() {
  Bind(WM_BOARD_STATE, &CCodeModePage::OnBoardStateMessage, this);
  Bind(WM_BOARD_STATUS_TEXT, &CCodeModePage::OnStatusText, this);
  Bind(WM_BOARD_UPDATE_PROGRESS, &CCodeModePage::OnProgress, this);
  Bind(WM_BOARD_BUTTON_STATE, &CCodeModePage::OnButtonState, this);
  Bind(WM_DECODE_WAVE_BLOCK, &CCodeModePage::OnWaveBlock, this);
  Bind(WM_DECODE_PARSE, &CCodeModePage::OnParse, this);
  Bind(WM_DECODE_DONE, &CCodeModePage::OnDecodeDone, this);
  Bind(WM_DECODE_RESET, &CCodeModePage::OnDecodeReset, this);
  Bind(wxEVT_CLOSE_WINDOW, &CCodeModePage::OnClose, this);
  wxWindow* client = GetClientWindow();
  client->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    event.Skip();
    if (m_layout.IsReady()) PlaceAndLabel();
  });
  // A row's delete button removes its row.
  client->Bind(WM_KEY_CELL_EDIT, [](CKeyCellEditEvent& event) { event.SetResult(1); });
  client->Bind(WM_EDIT_CHANGED, [this](wxCommandEvent& event) {
    if (event.GetClientData() != nullptr) OnHandEnteredRanges();
  });
  auto onButton = [this](int id, void (CCodeModePage::*handler)()) {
    Bind(
        wxEVT_BUTTON, [this, handler](wxCommandEvent&) { (this->*handler)(); }, id);
  };
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        IReceiverLink* link = Link();
        if (link && !link->IsDecodeRunning()) link->PostStartDecode(this);
      },
      Id::kStartDecodeId);
  onButton(Id::kSaveId, &CCodeModePage::SaveResultToGrid);
  onButton(Id::kImportId, &CCodeModePage::OnImport);
  onButton(Id::kExportId, &CCodeModePage::OnExport);
  onButton(Id::kUpdateFirmwareId, &CCodeModePage::OnUpdateFirmware);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { m_chart->Pan(30, 0, 0, 0); }, Id::kPanLeftId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { m_chart->Pan(0, 0, 30, 0); }, Id::kPanRightId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { Zoom(true); }, Id::kZoomInId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { Zoom(false); }, Id::kZoomOutId);
  Bind(
      wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnLock(); }, Id::kLockId);
}

void CCodeModePage::OnBoardStateMessage(CShellMessageEvent& event) {
  ShowBoardState(static_cast<int>(event.WParam()), static_cast<int>(event.LParam()));
  event.SetResult(0);
}

void CCodeModePage::OnStatusText(CShellMessageEvent& event) {
  const auto* key = reinterpret_cast<const wchar_t*>(event.LParam());
  if (key) AddStatusLine(wxString(key));
  event.SetResult(0);
}

void CCodeModePage::OnProgress(CShellMessageEvent& event) {
  if (!m_statusKeys.empty()) {
    m_statusKeys.pop_back();
    m_statusValues.pop_back();
    m_statusList->Delete(m_statusList->GetCount() - 1);
  }
  AddStatusLine("IDS_UPDATE_PROGRESS", static_cast<int>(event.WParam()));
  event.SetResult(0);
}

void CCodeModePage::OnButtonState(CShellMessageEvent& event) {
  RefreshButtons(static_cast<int>(event.WParam()));
  event.SetResult(0);
}

void CCodeModePage::OnClose(wxCloseEvent&) {
  g_DocManage.DecodePageOpen = 0;
  Hide();
}

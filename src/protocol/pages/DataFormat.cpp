#include "protocol/pages/DataFormat.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/UserIni.h"
#include "platform/Paths.h"
#include "ui/ImageHelpers.h"
#include "ui/ImageTipBtn.h"
#include "ui/PageButtons.h"
#include "ui/UiMessages.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellMessages.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcbuffer.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <algorithm>

using olv::protocol::BlockList;
using olv::protocol::BlockRect;
using olv::protocol::CFrameBlock;
using olv::protocol::CFrameBlockPainter;
using olv::protocol::CSendFormat;
using olv::protocol::FrameItem;
using olv::protocol::kEdgeOutline;
using olv::protocol::stCheckState;
using olv::protocol::stChoiceState;
using olv::protocol::stFrameGeometry;
using olv::protocol::stInputState;
using olv::protocol::stListBlock;
using namespace olv::protocol::dataformat_id;

wxIMPLEMENT_ABSTRACT_CLASS(CDataFormat, CSubBaseDlg);

namespace {

constexpr char kClassName[] = "CDataFormat";
constexpr int kBackId = 1006;
constexpr int kNextId = 1007;
constexpr int kCancelId = 1008;
constexpr int kAddressBitsLabel = 1092;
constexpr int kCommandBitsLabel = 1093;
constexpr int kAddressLabel = 1094;
constexpr int kAddressUnit = 1095;
constexpr int kSendTypeLabel = 1096;
constexpr int kSendProcess = 1098;
constexpr int kSample = 1099;
constexpr int kSendOrderLabel = 1100;
constexpr int kStartGroup = 1107;
constexpr int kStartValueLabel = 1104;
constexpr int kToggleGroup = 1113;
constexpr int kToggleStateLabel = 1115;
constexpr int kToggleTip = 1108;
constexpr int kFormatTip = 1109;
constexpr int kPolarityTitle = 1395;
constexpr int kBitsTitle = 1400;
constexpr int kValueTitle = 1403;
// Pitches of the frame row: nine places and the gap before the last.
constexpr int kRowSlots = 10;

// The twelve inputs in the order they are placed.
constexpr std::array<int, 12> kEditIds = {kAddressBits,   kCommandBits2,  kAddress,       kConstBits[0],
                                          kConstBits[1],  kConstBits[2],  kConstBits[3],  kCommandBits,
                                          kConstValue[0], kConstValue[1], kConstValue[2], kConstValue[3]};

// The layout elements in the order they are applied.
const std::pair<const char*, int> kElements[] = {
    {"Cancel_Button", kCancelId},
    {"Next_Button", kNextId},
    {"Previous_Button", kBackId},
    {"Fmt_Type", kSendType},
    {"Fmt_Static", kSendTypeLabel},
    {"Addr_Edit", kAddress},
    {"Addr_Static", kAddressLabel},
    {"Addr_Static_Unit", kAddressUnit},
    {"Cmd_Bit_Edit", kCommandBits2},
    {"Cmd_Bit_Static", kCommandBitsLabel},
    {"Addr_Bit_Edit", kAddressBits},
    {"Addr_Bit_Static", kAddressBitsLabel},
    {"Send_Order", kSendOrderLabel},
    {"MSB_Radio", kMsbFirst},
    {"LSB_Radio", kLsbFirst},
    {"Start_Static", kStartGroup},
    {"Start_Check", kStartEnable},
    {"Start_Code_Value", kStartValueLabel},
    {"Start_0", kStartValue0},
    {"Start_1", kStartValue1},
    {"Toggle_Static", kToggleGroup},
    {"Toggle_Check", kToggleEnable},
    {"Toggle_Code_Value", kToggleStateLabel},
    {"Toggle_0", kToggleStart0},
    {"Toggle_1", kToggleStart1},
    {"Send_Process", kSendProcess},
    {"Sample_Button", kSample},
    {"DataFormat_BUTTON", kFormatTip},
    {"Err_Msg", kErrorLine},
    {"Toggle_BUTTON", kToggleTip},
    {"Static_Bit", kBitsTitle},
    {"Static_Sender", kValueTitle},
    {"Static_PosAndNeg", kPolarityTitle},
    {"Check_ConstCode1", kConstEnable[0]},
    {"Check_ConstCode2", kConstEnable[1]},
    {"Check_ConstCode3", kConstEnable[2]},
    {"Check_ConstCode4", kConstEnable[3]},
    {"Check_Command", kCommandEnable},
    {"Edit_Bit1", kConstBits[0]},
    {"Edit_Bit2", kConstBits[1]},
    {"Edit_Bit3", kConstBits[2]},
    {"Edit_Bit4", kConstBits[3]},
    {"Edit_CommandBit", kCommandBits},
    {"Edit_Sender1", kConstValue[0]},
    {"Edit_Sender2", kConstValue[1]},
    {"Edit_Sender3", kConstValue[2]},
    {"Edit_Sender4", kConstValue[3]},
    {"Com_PosAndNeg1", kConstPolarity[0]},
    {"Com_PosAndNeg2", kConstPolarity[1]},
    {"Com_PosAndNeg3", kConstPolarity[2]},
    {"Com_PosAndNeg4", kConstPolarity[3]},
};

const std::pair<int, const char*> kTexts[] = {
    {kAddressLabel, "IDS_ADDRESS"},
    {kAddressBitsLabel, "IDS_ADDRESS_BITS"},
    {kCommandBitsLabel, "IDS_CMD_BITS"},
    {kSendTypeLabel, "IDS_SEND_TYPE"},
    {kSendOrderLabel, "IDS_SEND_ORDER"},
    {kToggleStateLabel, "IDS_START_STATUS"},
    {kStartValueLabel, "IDS_CODE_VALUE"},
    {kSendProcess, "IDS_SEND_PROCESS"},
    {kBackId, "IDS_PRE"},
    {kNextId, "IDS_NEXT"},
    {kCancelId, "IDS_CANCEL"},
    {kBitsTitle, "IDS_STATIC_BIT"},
    {kValueTitle, "IDS_STATIC_SENDER"},
    {kPolarityTitle, "IDS_STATIC_POSANDNEG"},
    {kConstEnable[0], "IDS_CHK_CONSTCODE1"},
    {kConstEnable[1], "IDS_CHK_CONSTCODE2"},
    {kConstEnable[2], "IDS_CHK_CONSTCODE3"},
    {kConstEnable[3], "IDS_CHK_CONSTCODE4"},
    {kCommandEnable, "IDS_CHK_COMMAND"},
    {kMsbFirst, "IDS_MSB_BEFORE"},
    {kLsbFirst, "IDS_LSB_BEFORE"},
    {kStartEnable, "IDS_ENABLE_START"},
    {kToggleEnable, "IDS_ENABLE_START"},
};

}  // namespace

CDataFormat::CDataFormat(wxWindow* parent)
    : CSubBaseDlg(kTemplateId, parent), m_model(std::make_unique<olv::protocol::CDataFormatModel>()) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetBackgroundColour(*wxWHITE);
  m_painter = std::make_unique<CFrameBlockPainter>(GetFont());
  wxImage arrow;
  if (LoadImageFromFile(arrow, platform::JoinPath(g_App.imageFolder, "right.png"))) m_arrow = wxBitmap(arrow);
  CreateControls();
  BindEvents();
  BindModel();
  InitLayout(LayoutFile("UserDefPage_DataFormat.ini"), LayoutPrefix("A"));
  ApplyLanguage();
}

void CDataFormat::BindModel() {
  m_model->onProjectChanged = [this] { ReportChange(); };
  m_model->onFilesGenerated = [] { ArmKeyPageGuide(); };
}

void CDataFormat::RefreshView(int keep) {
  if (keep) return;
  if (HasCapture()) ReleaseMouse();
  m_dragged = nullptr;
  m_draggedFromFrame = false;
  m_dropIndex = -1;
  m_model = std::make_unique<olv::protocol::CDataFormatModel>();
  BindModel();
  PlaceModelGeometry();
  ShowModelState();
  Refresh();
}

CDataFormat::~CDataFormat() {
  if (HasCapture()) ReleaseMouse();
}

void CDataFormat::CreateControls() {
  new wxStaticBox(this, kStartGroup, wxString());
  new wxStaticBox(this, kToggleGroup, wxString());
  for (std::size_t i = 0; i < kEditIds.size(); ++i) {
    CLUEdit& input = m_edits[i];
    input.Create(0, 0, 24, 60, kEditIds[i], this);
    input.SetTipPlacement(0);
    input.SetUnitText(wxString());
  }
  for (int id : {kAddressBitsLabel, kCommandBitsLabel, kAddressLabel, kAddressUnit, kSendTypeLabel,
                 kSendProcess, kSendOrderLabel, kStartValueLabel, kToggleStateLabel, kPolarityTitle,
                 kBitsTitle, kValueTitle, kErrorLine})
    new wxStaticText(this, id, wxString());
  FindWindow(kAddressUnit)->SetLabel("H");
  FindWindow(kErrorLine)->SetForegroundColour(*wxRED);
  new wxChoice(this, kSendType);
  new wxButton(this, kSample, "Sample");
  FindWindow(kSample)->Hide();
  new wxRadioButton(this, kMsbFirst, wxString(), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  new wxRadioButton(this, kLsbFirst, wxString());
  new wxCheckBox(this, kStartEnable, wxString());
  new wxRadioButton(this, kStartValue0, "0", wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  new wxRadioButton(this, kStartValue1, "1");
  new wxCheckBox(this, kToggleEnable, wxString());
  new wxRadioButton(this, kToggleStart0, "0", wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  new wxRadioButton(this, kToggleStart1, "1");
  for (int k = 0; k < 4; ++k) {
    new wxCheckBox(this, kConstEnable[k], wxString());
    new wxChoice(this, kConstPolarity[k]);
  }
  new wxCheckBox(this, kCommandEnable, wxString());
  const wxString tipImage = platform::JoinPath(g_App.imageFolder, "user_tips.png");
  m_tips[0] = new CImageTipBtn(this, kFormatTip, tipImage, "IDS_USER_TIPS10");
  m_tips[1] = new CImageTipBtn(this, kToggleTip, tipImage, "IDS_TOGGLE_TIPS");
  new wxButton(this, kBackId, wxString(), wxDefaultPosition, kPageButtonSize);
  new wxButton(this, kNextId, wxString(), wxDefaultPosition, kPageButtonSize);
  new wxButton(this, kCancelId, wxString(), wxDefaultPosition, kPageButtonSize);
}

void CDataFormat::BindEvents() {
  Bind(WM_EDIT_CHANGED, &CDataFormat::OnEditChanged, this);
  Bind(WM_EDIT_FOCUS, &CDataFormat::OnEditFocus, this);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnSendType(); }, kSendType);
  const auto radio = [this](int first, int second, auto handler) {
    Bind(
        wxEVT_RADIOBUTTON,
        [this, second, handler](wxCommandEvent& event) {
          if (m_quiet) return;
          ((*m_model).*handler)(event.GetId() == second);
          ShowModelState();
        },
        first, second);
  };
  radio(kMsbFirst, kLsbFirst, &olv::protocol::CDataFormatModel::OnSendOrderClicked);
  radio(kStartValue0, kStartValue1, &olv::protocol::CDataFormatModel::OnStartValueClicked);
  radio(kToggleStart0, kToggleStart1, &olv::protocol::CDataFormatModel::OnToggleStartClicked);
  Bind(
      wxEVT_CHECKBOX,
      [this](wxCommandEvent&) {
        m_model->OnStartBitClicked(IsChecked(kStartEnable));
        ShowModelState();
      },
      kStartEnable);
  Bind(
      wxEVT_CHECKBOX,
      [this](wxCommandEvent&) {
        m_model->OnToggleBitClicked(IsChecked(kToggleEnable));
        ShowModelState();
      },
      kToggleEnable);
  for (int k = 0; k < 4; ++k) {
    Bind(
        wxEVT_CHECKBOX,
        [this, k](wxCommandEvent&) {
          ReadControlsIntoModel();
          m_model->OnConstCodeClicked(k + 1, IsChecked(kConstEnable[k]));
          ShowModelState();
        },
        kConstEnable[k]);
    Bind(
        wxEVT_CHOICE,
        [this, k](wxCommandEvent&) {
          m_model->OnPolarityChanged(k + 1,
                                     static_cast<wxChoice*>(FindWindow(kConstPolarity[k]))->GetSelection());
          ShowModelState();
        },
        kConstPolarity[k]);
  }
  Bind(
      wxEVT_CHECKBOX,
      [this](wxCommandEvent&) {
        ReadControlsIntoModel();
        m_model->OnCommandClicked(IsChecked(kCommandEnable));
        ShowModelState();
      },
      kCommandEnable);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { RequestPreviousPage(1, 0); }, kBackId);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { RequestNextPage(1, 0); }, kNextId);
  BindCloseButton(kCancelId);
  Bind(wxEVT_PAINT, &CDataFormat::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CDataFormat::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CDataFormat::OnLeftUp, this);
  Bind(wxEVT_MOTION, &CDataFormat::OnMotion, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CDataFormat::OnCaptureLost, this);
  Bind(wxEVT_LEAVE_WINDOW, &CDataFormat::OnLeave, this);
  Bind(WM_LEAD_CODE_STATE,
       [this](CShellMessageEvent& event) { OnLeadCodeState(static_cast<int>(event.WParam())); });
  Bind(WM_REPEAT_CODE_STATE,
       [this](CShellMessageEvent& event) { OnRepeatCodeState(static_cast<int>(event.WParam())); });
}

// --- Control helpers.

CLUEdit* CDataFormat::GetEditById(int id) {
  const auto found = std::find(kEditIds.begin(), kEditIds.end(), id);
  if (found == kEditIds.end()) return nullptr;
  return &m_edits[static_cast<std::size_t>(found - kEditIds.begin())];
}

bool CDataFormat::IsChecked(int id) const {
  wxWindow* window = FindWindow(id);
  if (auto* radio = dynamic_cast<wxRadioButton*>(window)) return radio->GetValue();
  if (auto* box = dynamic_cast<wxCheckBox*>(window)) return box->GetValue();
  return false;
}

void CDataFormat::SetChecked(int id, bool checked) {
  wxWindow* window = FindWindow(id);
  if (auto* radio = dynamic_cast<wxRadioButton*>(window)) radio->SetValue(checked);
  if (auto* box = dynamic_cast<wxCheckBox*>(window)) box->SetValue(checked);
}

void CDataFormat::ReportChange() {
  g_DocManage.SetModified(true, kClassName);
  if (IShellWindow* shell = GetShellWindow()) shell->RefreshTitle();
}

void CDataFormat::OnPageShown() { SetFocusIgnoringChildren(); }

// The model's state shown in the controls.
void CDataFormat::ShowModelState() {
  ++m_quiet;
  for (int id : kEditIds) {
    const stInputState* state = m_model->FindInput(id);
    CLUEdit* input = GetEditById(id);
    if (state && input) ShowInputState(*input, *state);
  }
  for (int id :
       {kMsbFirst, kLsbFirst, kStartEnable, kStartValue0, kStartValue1, kToggleEnable, kToggleStart0,
        kToggleStart1, kConstEnable[0], kConstEnable[1], kConstEnable[2], kConstEnable[3], kCommandEnable}) {
    const stCheckState* state = m_model->FindCheck(id);
    wxWindow* window = FindWindow(id);
    if (!state || !window) continue;
    if (state->checked || dynamic_cast<wxCheckBox*>(window)) SetChecked(id, state->checked);
    window->Enable(state->enabled);
  }
  for (int id : {kSendType, kConstPolarity[0], kConstPolarity[1], kConstPolarity[2], kConstPolarity[3]}) {
    const stChoiceState* state = m_model->FindChoice(id);
    auto* list = static_cast<wxChoice*>(FindWindow(id));
    if (!state || !list) continue;
    wxArrayString items;
    for (const wxString& entry : state->entries) items.Add(GetLangText(entry));
    if (list->GetStrings() != items) list->Set(items);
    list->SetSelection(state->selection);
    list->Enable(state->enabled);
  }
  wxWindow* error = FindWindow(kErrorLine);
  const wxString errorText = m_model->errorLine.empty() ? wxString() : GetLangText(m_model->errorLine);
  if (error->GetLabel() != errorText) error->SetLabel(errorText);
  --m_quiet;
  Refresh();
}

// An input as the model has it: mask, range and value check (the red frame
// of a value out of range), tip, text, the mark after it, and the red frame
// of a value the page refused.
void CDataFormat::ShowInputState(CLUEdit& input, const stInputState& state) {
  CLUMaskEdit* edit = input.GetEdit();
  if (!edit) return;
  if (edit->GetMaskFormat() != state.maskFormat || edit->GetMaskTemplate() != state.maskTemplate)
    input.SetMask(state.maskFormat, state.maskTemplate);
  double minimum = 0.0;
  double maximum = 0.0;
  input.GetRange(&minimum, &maximum);
  if (minimum != state.minimum || maximum != state.maximum) input.SetRange(state.minimum, state.maximum);
  if (edit->IsValueCheckOn() != state.valueCheck) input.EnableValueCheck(state.valueCheck);
  input.SetTipText(state.tipText);
  input.EnableTip(state.tipEnabled);
  if (input.GetWindowText() != state.text && !input.SetText(state.text)) {
    // A stored text the mask does not take is shown as it stands.
    edit->SetWindowText(state.text);
    edit->CheckRange();
  }
  input.SetUnitText(state.unitText, true);
  if (state.refused && !edit->ShowsError()) {
    edit->MarkRefused();
  } else if (!state.refused && edit->ShowsError()) {
    edit->CheckRange();  // a refusal the model has let go of; out of range stays red
  }
  input.EnableWindow(state.enabled);
  input.ShowWindow(state.visible);
}

// Control values the model has not been told of (texts typed in inputs).
void CDataFormat::ReadControlsIntoModel() {
  for (int id : kEditIds) {
    stInputState* state = m_model->FindInput(id);
    CLUEdit* input = GetEditById(id);
    if (state && input) state->text = input->GetWindowText();
  }
}

// --- Page protocol.

bool CDataFormat::LoadFromProject() {
  return LoadFromProjectWith(olv::protocol::CDataFormatModel::DefinitionPathFor(g_DocManage.RemoteType));
}

bool CDataFormat::LoadFromProjectWith(const wxString& definitionFile) {
  PlaceModelGeometry();
  const bool ok = m_model->LoadFromProjectWith(definitionFile);
  ShowModelState();
  return ok;
}

bool CDataFormat::ShowStoredValues() {
  const bool ok = m_model->ShowStoredValues();
  ShowModelState();
  return ok;
}

bool CDataFormat::SaveToProject() {
  ReadControlsIntoModel();
  return m_model->SaveToProject();
}

bool CDataFormat::StorePageData() {
  ReadControlsIntoModel();
  return m_model->StorePageData();
}

bool CDataFormat::CheckAndApply() {
  ReadControlsIntoModel();
  m_model->focusRequest = 0;
  const bool ok = m_model->CheckAndApply();
  ShowModelState();
  if (!ok && m_model->focusRequest != 0) {
    // The refused input takes the focus, which shows its tip; one that has it
    // already shows the tip again.
    CLUEdit* input = GetEditById(m_model->focusRequest);
    if (input && input->GetEdit()) {
      if (wxWindow::FindFocus() == input->GetEdit()->GetTextCtrl()) input->ShowEditTip();
      input->GetEdit()->SetFocus();
    }
  }
  return ok;
}

void CDataFormat::RebuildDiagrams() {
  m_model->RebuildDiagrams(m_model->frameSettled);
  ShowModelState();
}

void CDataFormat::ApplyLanguage() {
  LayoutControls();
  ++m_quiet;
  for (const auto& [id, key] : kTexts) {
    if (wxWindow* window = FindWindow(id)) window->SetLabel(GetLangText(key));
  }
  --m_quiet;
  m_model->ApplyLanguage();
  ShowModelState();
  LayoutControls();
}

// --- Handlers.

void CDataFormat::OnEditChanged(wxCommandEvent& event) {
  auto* input = static_cast<CLUEdit*>(event.GetClientData());
  if (m_quiet || !input) return;
  ReadControlsIntoModel();
  m_model->OnEditChanged(event.GetInt() != 0, input->GetDlgCtrlID());
  ShowModelState();
}

void CDataFormat::OnEditFocus(wxCommandEvent& event) {
  auto* input = static_cast<CLUEdit*>(event.GetClientData());
  if (m_quiet || !input) return;
  ReadControlsIntoModel();
  m_model->OnEditFocus(input->GetDlgCtrlID());
  ShowModelState();
}

void CDataFormat::OnSendType() {
  if (m_quiet) return;
  m_model->OnSendTypeChanged(static_cast<wxChoice*>(FindWindow(kSendType))->GetSelection());
  ShowModelState();
}

void CDataFormat::OnLeadCodeState(int state) {
  m_model->SetFrameMode(state != 0, false);
  ShowModelState();
}

void CDataFormat::OnRepeatCodeState(int state) {
  m_model->UpdateFrameBlocks(state != 0, 0);
  m_model->EnableToggleBit(state != 0);
  ShowModelState();
}

// --- Layout.

// The row of blocks starts under the "Send process" label, so that a narrow
// window still gives each block room for its name; the frame line starts
// after the label.
wxRect CDataFormat::DiagramArea() const {
  const int left = m_processRect.x;
  const int top = m_processRect.y;
  const int right = GetClientSize().x - 30 - m_sampleRect.width;
  const int bottom = m_sampleRect.GetBottom() + 1 + 40 + (m_processRect.y - m_sampleRect.y);
  return wxRect(wxPoint(left, top), wxPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
}

// The palette under the send-type list and the frame row in the diagram area.
void CDataFormat::PlaceModelGeometry() {
  stFrameGeometry& g = m_model->geometry;
  const wxRect area = DiagramArea();
  g.blockHeight = std::max(m_sampleRect.height, 16);
  g.blockWidth = std::max(m_sampleRect.width * 6 / 5, 24);
  g.height = g.blockHeight;
  g.left = area.x;
  g.top = area.y + 20;
  // The row's places share the diagram area (the gap before the connect code
  // takes one more), leaving one block's width for the arrow.
  const olv::protocol::stBlockWidthArea row{area.width, 0, g.blockWidth};
  g.pitch = std::max(olv::protocol::CalcBlockWidth(false, false, false, kRowSlots + 1, row), 24);
  if (wxWindow* sendType = FindWindow(kSendType)) {
    const wxRect list = sendType->GetRect();
    g.paletteLeft = list.x;
    g.paletteTop = list.GetBottom() + 1 + 40;
  }
}

void CDataFormat::LayoutControls() {
  int buttonShift = 0;
  const auto place = [&](wxWindow& control, int id, wxRect& rect, const stUIElement& element) {
    // The error line's text follows the frame check.
    if (!element.textKey.empty() && id != kErrorLine) control.SetLabel(GetLangText(element.textKey));
    switch (id) {
      case kMsbFirst:
      case kLsbFirst: {
        // Fitted to their texts.
        const wxSize best = control.GetBestSize();
        control.SetSize(rect.x, rect.y, best.x, rect.height);
        break;
      }
      case kSample: m_sampleRect = rect; break;
      case kCancelId:
      case kNextId:
      case kBackId: PackButtonRight(control, rect, buttonShift); break;
      case kFormatTip:
      case kToggleTip: control.Move(rect.GetPosition()); break;
      default: control.SetSize(rect); break;
    }
    if (id == kSendProcess) m_processRect = rect;
  };
  if (!LayoutElements(
          kElements, [this](int id) { return GetEditById(id); }, place))
    return;
  PlaceModelGeometry();
  if (!m_model->DefinitionFile().empty()) {
    m_model->BuildDataBlocks(m_model->geometry, m_model->DefinitionFile());
    CSendFormat& format = m_model->SendFormat();
    format.Layout(m_model->geometry.left, m_model->geometry.top, m_model->geometry.height,
                  m_model->geometry.pitch, format.PlaceCount(), m_model.get(), false);
  }
  for (int id : kEditIds) {
    CLUEdit* input = GetEditById(id);
    if (wxWindow* edit = input->GetEdit())
      input->SetTipPlacement(0, edit->GetPosition().x, edit->GetPosition().y);
  }
  PlaceAddressMark();
  Refresh();
}

// The address's "*" stands after its unit "H", which follows the edit.
void CDataFormat::PlaceAddressMark() {
  CLUEdit* address = GetEditById(kAddress);
  wxWindow* unit = FindWindow(kAddressUnit);
  if (!address || !address->GetEdit() || !unit) return;
  const wxRect edit = address->GetEdit()->GetRect();
  const int unitRight = unit->GetPosition().x + unit->GetBestSize().x;
  address->SetUnitGap(std::max(2, unitRight + 2 - (edit.x + edit.width)), true);
}

// --- Drawing.

void CDataFormat::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetBackgroundColour()));
  dc.Clear();
  dc.SetBackgroundMode(wxTRANSPARENT);
  for (const BlockList* list :
       {&m_model->FirstFrameBlocks(), &m_model->SecondFrameBlocks(), &m_model->DataBlocks()}) {
    for (const auto& entry : *list) {
      if (!entry || !entry->block.IsVisible()) continue;
      m_painter->DrawBlock(dc, entry->block, kEdgeOutline);
    }
  }
  // The list block a held block comes from: a red bar under it.
  if (m_dragged) {
    if (stListBlock* source = m_model->BlockOfItem(m_dragged)) {
      const BlockRect r = source->block.GetBoundingRect();
      dc.SetPen(*wxTRANSPARENT_PEN);
      dc.SetBrush(*wxRED_BRUSH);
      dc.DrawRectangle(r.left, r.bottom, r.Width(), 10);
    }
  }
  const CSendFormat& format = m_model->SendFormat();
  m_painter->DrawSendFormat(dc, format);
  for (int i = 0; i < format.PlaceCount(); ++i) {
    const CFrameBlock& place = format.Place(i);
    if (place.IsVisible() && place.IsBound()) m_painter->DrawBlock(dc, place, kEdgeOutline);
  }
  // The frame line above the row, ending in the arrow picture.
  const wxRect area = DiagramArea();
  const int y = m_model->geometry.top - 20 + m_model->geometry.height / 2 - 4;
  const int arrowWidth = m_arrow.IsOk() ? m_arrow.GetWidth() : 0;
  dc.SetPen(wxPen(wxColour(0, 0, 0)));
  dc.DrawLine(std::max(area.x, m_processRect.GetRight() + 1), y, area.GetRight() + 1 - arrowWidth, y);
  if (m_arrow.IsOk())
    dc.DrawBitmap(m_arrow, area.GetRight() + 1 - arrowWidth, y - m_arrow.GetHeight() / 2, true);
}

// --- Dragging.

void CDataFormat::OnLeftDown(wxMouseEvent& event) {
  SetFocusIgnoringChildren();
  const wxPoint p = event.GetPosition();
  for (const auto& entry : m_model->DataBlocks()) {
    if (!entry || !entry->block.IsVisible() || !entry->block.HitTest(p.x, p.y)) continue;
    if (entry->block.IsFixed()) return;
    PickUp(entry->item.get(), false);
    return;
  }
  CSendFormat& format = m_model->SendFormat();
  int index = -1;
  if (format.HitTest(p.x, p.y, &index) && format.Place(index).IsBound()) {
    FrameItem* item = format.Place(index).GetWnd();
    stListBlock* source = m_model->BlockOfItem(item);
    if (source && !source->block.IsFixed()) {
      format.RemoveAt(index, true);
      m_model->RebuildDiagrams(m_model->frameSettled);
      PickUp(item, true);
    }
  }
}

void CDataFormat::PickUp(FrameItem* item, bool fromFrame) {
  m_dragged = item;
  m_draggedFromFrame = fromFrame;
  m_dropIndex = -1;
  if (stListBlock* source = m_model->BlockOfItem(item)) source->block.SetVisible(false, true);
  m_model->SendFormat().insertion_item = item;
  if (!HasCapture()) CaptureMouse();
  SetCursor(wxCursor(wxCURSOR_HAND));
  Refresh();
}

// Over a place of the row, the held block stands there; off the row it is
// taken out again. A full row refuses it silently.
void CDataFormat::DragOver(const wxPoint& point) {
  CSendFormat& format = m_model->SendFormat();
  int index = -1;
  const bool overPlace = format.HitTest(point.x, point.y, &index) && format.Place(index).IsVisible();
  if (!overPlace || index == m_dropIndex) {
    if (!overPlace && m_dropIndex >= 0) {
      format.RemoveAt(m_dropIndex, true);
      m_dropIndex = -1;
      m_model->RebuildDiagrams(m_model->frameSettled);
      Refresh();
    }
    return;
  }
  if (m_dropIndex >= 0) {
    format.RemoveAt(m_dropIndex, true);
    m_dropIndex = -1;
  }
  stListBlock* source = m_model->BlockOfItem(m_dragged);
  if (!source) return;
  const int kind = source->block.Kind();
  if (format.Place(index).AcceptsKind(kind) &&
      format.InsertAt(kind, index, m_dragged, source->block.FillColour(), source->block.IsComplement(),
                      source->block.InFirstList(), source->block.HasSuccessor(),
                      source->block.InSecondList())) {
    m_dropIndex = format.FindWnd(m_dragged);
    m_model->RebuildDiagrams(m_model->frameSettled);
    if (g_DocManage.RemoteType == kRemoteGeneral) g_DocManage.SetParam(17, m_model->JoinFrameTexts());
  }
  Refresh();
}

void CDataFormat::OnMotion(wxMouseEvent& event) {
  if (m_dragged) DragOver(event.GetPosition());
  event.Skip();
}

void CDataFormat::EndDrag(bool dropped, const wxPoint& point) {
  CSendFormat& format = m_model->SendFormat();
  FrameItem* item = m_dragged;
  m_dragged = nullptr;
  format.insertion_item = nullptr;
  if (HasCapture()) ReleaseMouse();
  SetCursor(wxNullCursor);
  if (dropped && m_dropIndex < 0 && DiagramArea().Contains(point)) {
    // Dropped in the row but on no place: appended as the last field.
    stListBlock* source = m_model->BlockOfItem(item);
    if (source) {
      for (int i = 0; i < format.PlaceCount(); ++i) {
        const CFrameBlock& place = format.Place(i);
        if (!place.IsVisible() || place.IsBound() || !place.AcceptsKind(source->block.Kind())) continue;
        if (format.InsertAt(source->block.Kind(), i, item, source->block.FillColour(),
                            source->block.IsComplement(), source->block.InFirstList(),
                            source->block.HasSuccessor(), source->block.InSecondList()))
          m_dropIndex = i;
        break;
      }
    }
  }
  bool timeData = false;
  if (m_dropIndex < 0) {
    // Nowhere taken: back where it came from.
    if (stListBlock* source = m_model->BlockOfItem(item)) {
      source->block.SetVisible(true, true);
      timeData = dropped && source->block.GetText() == "IDS_TIME_DATA";
    }
    m_model->OnFrameChanged(&format, 1);
  }
  m_dropIndex = -1;
  FrameChanged();
  if (!dropped) return;
  m_model->CheckVerifyItems(m_model->HasVerifyItem(item) || m_model->HasVerifyItem2(item));
  if (timeData && m_model->RemoveTimeBlocks() > 0) FrameChanged();
}

void CDataFormat::FrameChanged() {
  m_model->RebuildDiagrams(m_model->frameSettled);
  g_DocManage.SetParam(17, m_model->JoinFrameTexts());
  m_model->errorLine = m_model->CheckFrame() ? wxString() : m_model->errorLine;
  ShowModelState();
  ReportChange();
}

void CDataFormat::OnLeftUp(wxMouseEvent& event) {
  if (m_dragged) EndDrag(true, event.GetPosition());
}

void CDataFormat::OnCaptureLost(wxMouseCaptureLostEvent&) {
  if (m_dragged) EndDrag(false, wxPoint(-1, -1));
}

// Leaving the page ends a drag without a drop.
void CDataFormat::OnLeave(wxMouseEvent& event) {
  if (m_dragged && !GetClientRect().Contains(event.GetPosition())) {
    EndDrag(false, event.GetPosition());
    Refresh();
  }
  event.Skip();
}

// The page's controls, the page protocol, its handlers, the editors and the
// one-time guide.
#include "aircon/pages/AirDataFormat.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/UserIni.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/GuideOverlay.h"
#include "ui/ImageHelpers.h"
#include "ui/ImageTipBtn.h"
#include "ui/PageButtons.h"
#include "ui/UiMessages.h"
#include "ui/shell/PageMessages.h"
#include "ui/shell/ShellHooks.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/tglbtn.h>

#include <algorithm>

using namespace aircon;
using namespace aircon::airformat_id;

wxIMPLEMENT_ABSTRACT_CLASS(CAirDataFormat, CSubBaseDlg);

namespace {

constexpr char kClassName[] = "CAirDataFormat";
constexpr int kEditIds[] = {kBytes, kBytes2, kInterval};
// The controls that show only while group 2 is on.
constexpr int kGroup2Ids[] = {kBytes2Label, kIntervalLabel, kIntervalUnit};
// Set while the guide of this page is on show: never two at once.
bool g_guideBusy = false;

}  // namespace

CAirDataFormat::CAirDataFormat(wxWindow* parent) : CSubBaseDlg(kTemplateId, parent), m_services(m_model) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetBackgroundColour(*wxWHITE);
  m_painter = std::make_unique<olv::protocol::CFrameBlockPainter>(GetFont());
  wxImage arrow;
  if (LoadImageFromFile(arrow, platform::JoinPath(g_App.imageFolder, "right.png"))) m_arrow = wxBitmap(arrow);
  CreateControls();
  CreateEditors();
  BindEvents();
  BindModel();
  SetFuncBtnServices(&m_services);
  ApplyLanguage();
  InitLayout(LayoutFile("UserDefAirPage_DataFormat.ini"), LayoutPrefix("A"));
}

CAirDataFormat::~CAirDataFormat() {
  if (HasCapture()) ReleaseMouse();
  if (&GetFuncBtnServices() == &m_services) SetFuncBtnServices(nullptr);
}

void CAirDataFormat::CreateControls() {
  for (int id : {kSendProcess, kSendOrderLabel, kBytesLabel, kBytes2Label, kIntervalLabel, kIntervalUnit})
    new wxStaticText(this, id, wxString());
  FindWindow(kIntervalUnit)->SetLabel("ms");
  new wxCheckBox(this, kGroup1Check, wxString());
  new wxCheckBox(this, kGroup2Check, wxString());
  new wxRadioButton(this, kMsbFirst, wxString(), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  new wxRadioButton(this, kLsbFirst, wxString());
  // Created in the order Tab walks them.
  for (std::size_t i = 0; i < m_edits.size(); ++i) {
    m_edits[i].Create(0, 0, 24, 50, kEditIds[i], this);
    m_edits[i].SetUnitText(wxString());
    m_edits[i].SetTipPlacement(0);
  }
  // The byte totals are shown, never typed in: they take no focus.
  for (int id : {kBytes, kBytes2}) {
    GetEditById(id)->GetEdit()->SetEditable(false);
    GetEditById(id)->GetEdit()->GetTextCtrl()->SetCanFocus(false);
  }
  m_warning = new CImageTipBtn(this, kWarning, platform::JoinPath(g_App.imageFolder, "warning.png"),
                               "IDS_RESOURCE_WARNING");
  m_warning->SetSize(30, 30);
  m_warning->Hide();
  for (int id : {kFunctionsView, kUserView, kPureDataView}) new wxToggleButton(this, id, wxString());
  new wxButton(this, kSample, "Sample");
  FindWindow(kSample)->Hide();
  new wxButton(this, kBack, wxString(), wxDefaultPosition, kPageButtonSize);
  new wxButton(this, kNext, wxString(), wxDefaultPosition, kPageButtonSize);
  new wxButton(this, kCancel, wxString(), wxDefaultPosition, kPageButtonSize);
}

void CAirDataFormat::CreateEditors() {
  for (int id : kAirEditorIds) {
    IAirFuncEditor* editor = CreateAirFuncEditor(id, this);
    if (!editor) continue;
    editor->GetWindow()->Hide();
    m_editors[id] = editor;
  }
}

void CAirDataFormat::BindEvents() {
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        HideEditors();
        RequestPreviousPage(1, 0);
      },
      kBack);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { RequestNextPage(1, 0); }, kNext);
  BindCloseButton(kCancel);
  Bind(
      wxEVT_TOGGLEBUTTON, [this](wxCommandEvent&) { ShowView(AirView::kFunctions); }, kFunctionsView);
  Bind(
      wxEVT_TOGGLEBUTTON, [this](wxCommandEvent&) { ShowView(AirView::kUserDefined); }, kUserView);
  Bind(
      wxEVT_TOGGLEBUTTON, [this](wxCommandEvent&) { ShowView(AirView::kPureData); }, kPureDataView);
  Bind(
      wxEVT_RADIOBUTTON,
      [this](wxCommandEvent& event) {
        if (m_quiet) return;
        m_model.OnSendOrderClicked(event.GetId() == kLsbFirst);
        ShowModelState();
      },
      kMsbFirst, kLsbFirst);
  Bind(
      wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnGroup2Check(); }, kGroup2Check);
  Bind(WM_EDIT_CHANGED, &CAirDataFormat::OnEditChanged, this);
  Bind(WM_EDIT_FOCUS, [](wxCommandEvent&) {});
  Bind(WM_FUNC_CONFIG_CHANGED, [this](CShellMessageEvent& event) {
    m_model.OnFuncConfigChanged(static_cast<int>(event.WParam()));
    ShowModelState();
    event.SetResult(1);
  });
  Bind(WM_AIR_FUNC_RECORD, &CAirDataFormat::OnAirFuncRecord, this);
  Bind(WM_AIR_FUNC_SELECT, [](CShellMessageEvent& event) { event.SetResult(1); });
  Bind(WM_CONNECT_CODE_STATE, [this](CShellMessageEvent& event) {
    m_model.UpdateFrameBlocks(event.WParam() != 0, 1);
    ShowModelState();
    event.SetResult(1);
  });
  Bind(WM_OTHER_TO_AIR, [this](CShellMessageEvent& event) {
    m_model.OnOtherToAir(event.WParam() != 0);
    event.SetResult(1);
  });
  Bind(WM_AIR_RESET_VIEW, [this](CShellMessageEvent& event) {
    m_model.HideEditors();
    event.SetResult(1);
  });
  Bind(WM_AIR_FORMAT_INDEX, &CAirDataFormat::OnSchemeChanged, this);
  Bind(wxEVT_SHOW, &CAirDataFormat::OnShowPage, this);
  Bind(wxEVT_PAINT, &CAirDataFormat::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CAirDataFormat::OnLeftDown, this);
  // A second press soon after the first, at its place, is a press as well.
  Bind(wxEVT_LEFT_DCLICK, &CAirDataFormat::OnLeftDown, this);
  Bind(wxEVT_MOTION, &CAirDataFormat::OnMotion, this);
  Bind(wxEVT_LEFT_UP, &CAirDataFormat::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CAirDataFormat::OnCaptureLost, this);
}

void CAirDataFormat::BindModel() {
  m_model.onProjectChanged = [this] { ReportChange(); };
  m_model.onFormatAdded = [] {
    IShellWindow* shell = GetShellWindow();
    if (CSubBaseDlg* carrier = shell ? shell->FindPage(kAirModulationId) : nullptr)
      SendShellMessage(carrier, WM_AIR_FORMAT_ADDED);
  };
  m_model.onHideEditors = [this] { HideEditors(); };
  m_model.onOpenEditor = [this](const stEditorRequest& request) { OpenEditor(request); };
  m_model.onVerifySetup = [this](stVerifyItem& item, const wxString& sendOrder) {
    if (IAirFuncEditor* verify = GetEditor(kVerifyEditorId)) verify->SetupVerify(item, sendOrder);
  };
  m_model.onSimpleRecordChanged = [this](stFuncRecord& record) {
    IAirFuncEditor* simple = GetEditor(kSimpleEditorId);
    if (!simple) return;
    stEditorRequest request;
    request.kind = kAirSimple;
    request.index = m_model.SelectedIndex();
    request.number = m_model.SelectedIndex();
    request.record = &record;
    simple->Edit(request);
  };
}

void CAirDataFormat::ReportChange() {
  if (IShellWindow* shell = GetShellWindow()) {
    shell->OnProjectChanged(kClassName, true);
  } else {
    g_DocManage.SetModified(true, kClassName);
  }
}

CLUEdit* CAirDataFormat::GetEditById(int id) {
  for (std::size_t i = 0; i < m_edits.size(); ++i) {
    if (kEditIds[i] == id) return &m_edits[i];
  }
  return nullptr;
}

IAirFuncEditor* CAirDataFormat::GetEditor(int templateId) const {
  const auto found = m_editors.find(templateId);
  return found == m_editors.end() ? nullptr : found->second;
}

IAirFuncEditor* CAirDataFormat::ShownEditor() const { return m_shownEditor; }

// --- Model state and controls.

void CAirDataFormat::ReadInputsIntoModel() {
  CLUEdit* interval = GetEditById(kInterval);
  m_model.FindInput(kInterval)->text = interval->GetWindowText();
}

void CAirDataFormat::ShowInputState(CLUEdit& input, const olv::protocol::stInputState& state) {
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
    edit->CheckRange();
  }
  input.ShowWindow(state.visible);
}

void CAirDataFormat::ShowModelState() {
  ++m_quiet;
  m_model.LayoutDiagrams();
  for (int id : kEditIds) ShowInputState(*GetEditById(id), *m_model.FindInput(id));
  for (int id : {kMsbFirst, kLsbFirst}) {
    if (m_model.FindCheck(id)->checked) static_cast<wxRadioButton*>(FindWindow(id))->SetValue(true);
  }
  auto* group1 = static_cast<wxCheckBox*>(FindWindow(kGroup1Check));
  group1->SetValue(true);
  group1->Enable(false);
  auto* group2 = static_cast<wxCheckBox*>(FindWindow(kGroup2Check));
  group2->SetValue(m_model.FindCheck(kGroup2Check)->checked);
  group2->Show(m_model.Group2CheckShown());
  for (int id : kGroup2Ids) FindWindow(id)->Show(m_model.Group2ControlsShown());
  m_warning->Show(m_model.WarningShown());
  const AirView view = m_model.View();
  static_cast<wxToggleButton*>(FindWindow(kFunctionsView))->SetValue(view == AirView::kFunctions);
  static_cast<wxToggleButton*>(FindWindow(kUserView))->SetValue(view == AirView::kUserDefined);
  static_cast<wxToggleButton*>(FindWindow(kPureDataView))->SetValue(view == AirView::kPureData);
  --m_quiet;
  Refresh();
}

void CAirDataFormat::ShowView(AirView view) {
  m_model.ShowView(view);
  ShowModelState();
}

// --- Page protocol.

bool CAirDataFormat::LoadFromProject() {
  const bool ok = m_model.LoadFromProject();
  ShowModelState();
  return ok;
}

bool CAirDataFormat::ReloadSettings(int keep) {
  PlaceGeometry();
  const bool ok = m_model.ReloadSettings(keep != 0);
  ShowModelState();
  return ok;
}

bool CAirDataFormat::SaveToProject() {
  ReadInputsIntoModel();
  const bool ok = m_model.SaveToProject();
  ShowModelState();
  return ok;
}

bool CAirDataFormat::StorePageData() {
  ReadInputsIntoModel();
  return m_model.StorePageData();
}

bool CAirDataFormat::CheckAndApply() {
  ReadInputsIntoModel();
  m_model.focusRequest = 0;
  const bool ok = m_model.CheckAndApply();
  ShowModelState();
  if (!ok && m_model.focusRequest != 0) {
    // The refused input takes the focus, which shows its tip.
    CLUEdit* input = GetEditById(m_model.focusRequest);
    if (input && input->GetEdit()) {
      if (wxWindow::FindFocus() == input->GetEdit()->GetTextCtrl()) input->ShowEditTip();
      input->GetEdit()->SetFocus();
    }
  }
  return ok;
}

void CAirDataFormat::RefreshControls() {
  m_model.RefreshControls();
  ShowModelState();
}

void CAirDataFormat::RefreshView(int keep) {
  CancelDrag();
  m_model.RefreshView(keep != 0);
  HideEditors();
  ShowModelState();
}

void CAirDataFormat::OnPageShown() {
  m_model.ShowView(m_model.View());
  ShowModelState();
}

// --- Handlers.

void CAirDataFormat::OnEditChanged(wxCommandEvent& event) {
  auto* input = static_cast<CLUEdit*>(event.GetClientData());
  if (m_quiet || !input || input->GetDlgCtrlID() != kInterval) return;
  m_model.OnIntervalChanged(event.GetInt() != 0, input->GetWindowText());
  ShowModelState();
}

void CAirDataFormat::OnGroup2Check() {
  if (m_quiet) return;
  CancelDrag();
  m_model.SetGroup2(static_cast<wxCheckBox*>(FindWindow(kGroup2Check))->GetValue());
  ShowModelState();
}

// An editor proposes a name for its function: the event's string, the
// record as lParam. The result is 1 when the name was taken.
void CAirDataFormat::OnAirFuncRecord(CShellMessageEvent& event) {
  const auto* record = reinterpret_cast<const stFuncRecord*>(event.LParam());
  event.SetResult(record && m_model.OnAirFuncRecord(event.GetString(), *record) ? 1 : 0);
  ShowModelState();
}

void CAirDataFormat::OnSchemeChanged(CShellMessageEvent& event) {
  CancelDrag();
  PlaceGeometry();
  const bool ok = m_model.OnSchemeChanged(static_cast<int>(event.WParam()));
  ShowModelState();
  event.SetResult(ok ? 1 : 0);
}

// --- The editors.

void CAirDataFormat::HideEditors() {
  for (const auto& [id, editor] : m_editors) editor->GetWindow()->Hide();
  m_shownEditor = nullptr;
  SetFocusIgnoringChildren();
  Refresh();
  Update();
}

void CAirDataFormat::OpenEditor(const stEditorRequest& request) {
  IAirFuncEditor* editor = GetEditor(AirEditorIdOfKind(request.kind));
  for (const auto& [id, other] : m_editors) {
    if (other != editor) other->GetWindow()->Hide();
  }
  m_shownEditor = editor;
  Refresh();
  if (!editor) return;
  editor->SetUsedNames(request.usedNames, request.usedNames2);
  editor->Edit(request);
  editor->GetWindow()->SetSize(m_paramArea);
  editor->GetWindow()->Show();
}

// --- The one-time guide.

void CAirDataFormat::OnShowPage(wxShowEvent& event) {
  event.Skip();
  if (!event.IsShown()) return;
  ArmGuidePrompt(GuidePrompt::kKeyPage);
  ArmGuidePrompt(GuidePrompt::kLcdPage);
  if (!IsGuidePromptArmed(GuidePrompt::kAirDataFormat) || !AirGuideWanted(GetUserIniPath())) return;
  DisarmGuidePrompt(GuidePrompt::kAirDataFormat);
  // Shown from the event loop, as GTK windows belong to the UI thread.
  CallAfter([this] { ShowGuide(); });
}

void CAirDataFormat::ShowGuide() {
  if (g_guideBusy) return;
  const std::vector<wxString> pictures = AirGuidePictures(m_model.DefinitionFile());
  if (pictures.empty()) return;
  g_guideBusy = true;
  CMaskWndDlg overlay(this);
  for (const wxString& picture : pictures) overlay.GetSteps().Add(picture);
  if (overlay.ShowModal() == wxID_OK) {
    const wxString userIni = GetUserIniPath();
    if (!userIni.empty()) platform::WriteProfileString(userIni, "Olvanta", "Prompt_AirDataFormat", "1");
  }
  g_guideBusy = false;
}

#include "protocol/pages/StandardModePage.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/Numbers.h"
#include "core/ProjectFile.h"
#include "core/UserIni.h"
#include "platform/Paths.h"
#include "ui/ImageHelpers.h"
#include "ui/PageButtons.h"
#include "ui/UiMessages.h"
#include "ui/shell/ShellHooks.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dcbuffer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

wxIMPLEMENT_ABSTRACT_CLASS(CStandardModePage, CSubBaseDlg);

namespace {

constexpr char kClassName[] = "CStandardModePage";
constexpr char kErrorKey[] = "IDS_GET_PORTOCOL_INFO_ERROR";
constexpr int kTipFontSize = 12;

// The protocol's wave picture, as large as the window holds it without
// distorting it, centred; nothing when the picture does not load.
class CWavePicture : public wxWindow {
 public:
  CWavePicture(wxWindow* parent, wxWindowID id) : wxWindow(parent, id) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CWavePicture::OnPaint, this);
  }

  void Load(const wxString& path) {
    m_image = wxImage();
    if (!path.empty()) LoadImageFromFile(m_image, path);
    m_scaled = wxBitmap();
    Refresh();
  }

 private:
  void OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    const wxSize client = GetClientSize();
    if (!m_image.IsOk() || client.x <= 0 || client.y <= 0) return;
    const wxSize size = FittedSize(m_image.GetSize(), client);
    if (size.x <= 0 || size.y <= 0) return;
    if (!m_scaled.IsOk() || m_scaled.GetSize() != size)
      m_scaled = wxBitmap(m_image.Scale(size.x, size.y, wxIMAGE_QUALITY_HIGH));
    dc.DrawBitmap(m_scaled, (client.x - size.x) / 2, (client.y - size.y) / 2, true);
  }

  // The largest size of picture's proportions within room.
  static wxSize FittedSize(const wxSize& picture, const wxSize& room) {
    if (picture.x <= 0 || picture.y <= 0) return wxSize();
    if (static_cast<long long>(room.x) * picture.y <= static_cast<long long>(room.y) * picture.x)
      return wxSize(room.x, static_cast<int>(static_cast<long long>(room.x) * picture.y / picture.x));
    return wxSize(static_cast<int>(static_cast<long long>(room.y) * picture.x / picture.y), room.y);
  }

  wxImage m_image;
  wxBitmap m_scaled;
};

}  // namespace

CStandardModePage::CStandardModePage(wxWindow* parent) : CSubBaseDlg(kTemplateId, parent) {
  SetBackgroundColour(*wxWHITE);
  CreateControls();
  BindEvents();
  InitLayout(LayoutFile("StandardPage.ini"), LayoutPrefix("A"));
  ApplyLanguage();
}

void CStandardModePage::CreateControls() {
  m_wavePreview = new wxStaticBox(this, kWavePreviewId, wxString());
  m_picture = new CWavePicture(this, kPictureId);
  new wxStaticText(this, kProtocolLabelId, wxString());
  m_protocolList = new wxChoice(this, kProtocolListId);
  new wxStaticText(this, kDutyLabelId, wxString());
  m_dutyList = new wxChoice(this, kDutyListId, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxCB_SORT);
  new wxStaticText(this, kFrequencyLabelId, wxString());
  m_frequencyBox =
      new wxTextCtrl(this, kFrequencyBoxId, wxString(), wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
  new wxStaticText(this, kFrequencyUnitId, "KHz");
  new wxStaticText(this, kAddressLabelId, wxString());
  auto* addressEdit = new wxTextCtrl(this, kAddressEditId, wxString());
  new wxStaticText(this, kAddressUnitId, "H");
  new wxButton(this, kCancelId, wxString(), wxDefaultPosition, kPageButtonSize);
  new wxButton(this, kNextId, wxString(), wxDefaultPosition, kPageButtonSize);

  // The address input takes over the template's edit, its tip above it.
  const wxPoint corner = addressEdit->GetPosition();
  m_address.Init(this, corner.x, corner.y);
  m_address.SubclassDlgItem(kAddressEditId);
  m_address.SetTipFontSize(kTipFontSize);
  m_address.EnableTip(true);
  m_address.SetTipPlacement(0, corner.x, corner.y);
}

void CStandardModePage::BindEvents() {
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { RequestNextPage(1, 0); }, kNextId);
  BindCloseButton(kCancelId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { OnProtocolChanged(); }, kProtocolListId);
  Bind(
      wxEVT_CHOICE, [this](wxCommandEvent&) { ReportChange(); }, kDutyListId);
  Bind(WM_EDIT_CHANGED, &CStandardModePage::OnEditChanged, this);
  Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
    DropFocus();
    event.Skip();
  });
}

// --- Helpers.

void CStandardModePage::ReportChange() {
  if (IShellWindow* main = GetShellWindow()) {
    main->OnProjectChanged(kClassName, true);
  } else {
    g_DocManage.SetModified(true, kClassName);
  }
}

void CStandardModePage::DropFocus() {
  wxWindow* focus = FindFocus();
  if (focus && IsDescendant(focus)) SetFocusIgnoringChildren();
}

int CStandardModePage::ProtocolNumberOf(const wxString& name) const {
  return standard::FindExactName(m_protocols, name);
}

wxString CStandardModePage::SelectedProtocolName() const {
  const int index = m_protocolList->GetSelection();
  return index == wxNOT_FOUND ? wxString() : m_protocolList->GetString(index);
}

wxString CStandardModePage::SelectedDutyLabel() const {
  const int index = m_dutyList->GetSelection();
  return index == wxNOT_FOUND ? wxString() : m_dutyList->GetString(index);
}

bool CStandardModePage::SelectDuty(const wxString& label) {
  for (unsigned i = 0; i < m_dutyList->GetCount(); ++i) {
    if (m_dutyList->GetString(i).CmpNoCase(label) == 0) {
      m_dutyList->SetSelection(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

void CStandardModePage::ClearInputs() {
  m_dutyList->Clear();
  m_details.duties.clear();
  m_address.SetText(wxString());
  m_frequencyBox->ChangeValue(wxString());
}

void CStandardModePage::SetPicture(const wxString& name) {
  m_picturePath = platform::FindPathNoCase(
      platform::JoinPath(platform::JoinPath(g_App.installFolder, "Standard_Protocol_Images"), name + ".png"));
  static_cast<CWavePicture*>(m_picture)->Load(wxFileExists(m_picturePath) ? m_picturePath : wxString());
}

// --- Definitions.

bool CStandardModePage::LoadProtocolList(const wxString& path) {
  m_protocols.clear();
  m_protocolList->Clear();
  m_definitions = standard::CStandardDefinitions(path);
  m_protocols = m_definitions.ReadProtocolNames();
  for (const wxString& name : m_protocols) m_protocolList->Append(name);
  return !m_protocols.empty();
}

bool CStandardModePage::ShowProtocolDetails(int index) {
  m_dutyList->Clear();
  m_details = standard::stProtocolDetails();
  if (index < 0 || index >= static_cast<int>(m_protocolList->GetCount())) return false;
  const int number = ProtocolNumberOf(m_protocolList->GetString(static_cast<unsigned>(index)));
  if (number < 0) return false;
  const bool whole = m_definitions.ReadDetails(number, m_details);
  if (!m_details.freqText.empty()) {
    m_frequencyBox->ChangeValue(m_details.freqText);
    g_DocManage.Carrier = static_cast<std::uint8_t>(ParseNumber(m_details.freqText));
  }
  if (!whole) return false;

  const standard::stAddressRule rule = standard::AddressRuleFor(m_details.addressBits);
  m_address.SetTipText(rule.tip);
  if (!m_address.SetMask(rule.maskFormat, rule.maskTemplate)) return false;
  m_address.EnableValueCheck(true);
  m_address.SetRange(0.0, static_cast<double>(rule.maximum));
  m_address.SetText(wxString());
  g_DocManage.Address = 0;

  for (const standard::stDuty& duty : m_details.duties) m_dutyList->Append(duty.label);
  m_dutyList->SetSelection(0);
  g_DocManage.SetParam(1, SelectedDutyLabel());
  return true;
}

bool CStandardModePage::LoadDefinitions(const wxString& path) {
  bool ok = LoadProtocolList(path);
  if (ok) {
    m_protocolList->SetSelection(0);
    m_protocolList->Enable(g_DocManage.ProtocolImported == 0);
    SetPicture(m_protocolList->GetString(0));
    g_DocManage.CodeMode = 1;
    ok = ShowProtocolDetails(0);
  }
  if (!ok) LangMessageBox(kErrorKey);
  return ok;
}

// --- The page protocol.

bool CStandardModePage::LoadFromProject() {
  if (!LoadDefinitions(standard::CStandardDefinitions::PathFor(g_FrameworkKind))) return false;
  if (g_DocManage.UseFormatTemplate() || g_DocManage.ProtocolType == kProtocolCodeWave) return true;

  const wxString path = g_DocManage.GetProjectFilePath();
  const standard::stStandardSection stored = standard::ReadStandardSection(CProjectFile(path));
  const int number = ProtocolNumberOf(stored.protocol);
  if (number < 0) {
    LangMessageBox(kErrorKey);
    return false;
  }
  m_protocolList->SetSelection(number);
  SetPicture(stored.protocol);
  g_DocManage.CodeMode = static_cast<std::uint8_t>(number + 1);
  if (!ShowProtocolDetails(number)) {
    LangMessageBox(kErrorKey);
    return false;
  }
  if (!m_address.SetText(stored.address) || !m_address.CheckRange()) m_address.SetUnitText("*", true);
  if (!SelectDuty(stored.duty)) return false;
  if (ParseNumber(m_frequencyBox->GetValue()) != ParseNumber(stored.freq)) {
    LangMessageBox("IDS_FREQ_NO_MATCH");
    m_frequencyBox->ChangeValue(stored.freq);
  }
  g_DocManage.Address = static_cast<std::uint16_t>(ParseNumber("0x" + stored.address));
  g_DocManage.Carrier = static_cast<std::uint8_t>(ParseNumber(stored.freq));
  g_DocManage.SetParam(1, SelectedDutyLabel());
  return true;
}

bool CStandardModePage::StorePageData() {
  g_DocManage.CodeMode = static_cast<std::uint8_t>(m_protocolList->GetSelection() + 1);
  g_DocManage.Address = static_cast<std::uint16_t>(ParseNumber("0x" + m_address.GetWindowText()));
  g_DocManage.Carrier = static_cast<std::uint8_t>(ParseNumber(m_frequencyBox->GetValue()));
  g_DocManage.SetParam(1, SelectedDutyLabel());
  return true;
}

bool CStandardModePage::SaveToProject() {
  StorePageData();
  const wxString path = g_DocManage.GetProjectFilePath();
  if (path.empty()) return true;
  standard::stStandardSection section;
  section.protocol = SelectedProtocolName();
  section.address = m_address.GetWindowText();
  section.freq = m_frequencyBox->GetValue();
  section.duty = SelectedDutyLabel();
  return standard::WriteStandardSection(CProjectFile(path), section);
}

bool CStandardModePage::ReadAddress(const wxString& text) {
  if (text.empty()) {
    LangMessageBox("IDS_NO_ADDRESS");
    return false;
  }
  m_checked.address = ParseNumber("0x" + text);
  return true;
}

bool CStandardModePage::ReadFrequency(const wxString& text) {
  if (text.empty()) {
    LangMessageBox("IDS_NO_FREQ");
    return false;
  }
  m_checked.frequency = static_cast<int>(ParseNumber(text));
  return true;
}

bool CStandardModePage::ValidateInputs() {
  if (!ReadAddress(m_address.GetWindowText())) return false;
  if (!m_address.CheckRange()) {
    LangMessageBox("IDS_ADDR_ERROR");
    return false;
  }
  const int duty = standard::FindDuty(m_details.duties, SelectedDutyLabel());
  if (m_dutyList->GetSelection() == wxNOT_FOUND || duty < 0) {
    LangMessageBox("IDS_NO_DUTY");
    return false;
  }
  m_checked.duty = m_details.duties[static_cast<std::size_t>(duty)].number;
  if (!ReadFrequency(m_frequencyBox->GetValue())) return false;
  if (m_protocolList->GetSelection() == wxNOT_FOUND) {
    LangMessageBox("IDS_NO_SELECT_PROTOCOL");
    return false;
  }
  m_checked.extAddr = m_details.extAddr;
  m_checked.subCode = m_details.subCode;
  return true;
}

bool CStandardModePage::CutKeyCodes() {
  const std::vector<standard::stKeyCut> cuts = standard::KeyCodesToCut(g_DocManage);
  if (cuts.empty()) return true;
  platform::stMessageBoxRequest box;
  box.text = GetLangText("IDS_MODIFY_COMMAND_BIT_WARNING");
  box.caption = "Warning";
  box.type = platform::kMbOkCancel | platform::kMbIconWarning;
  box.okLabel = GetLangText("S_OK");
  box.cancelLabel = GetLangText("S_CANCEL");
  if (platform::ShowMessageBox(box) != platform::kIdOk) return false;
  standard::ApplyKeyCuts(g_DocManage, cuts);
  return true;
}

bool CStandardModePage::GenerateIncludeFile() {
  const wxString includeName = m_definitions.ReadIncludeName();
  if (includeName.empty()) {
    LangMessageBox("IDS_NAME_IN_SETTING");
    return false;
  }
  g_DocManage.OutputProtocolName = SelectedProtocolName();
  g_MacroMap.clear();
  standard::BuildMacros(g_MacroMap, m_checked);
  wxString output;
  if (standard::WriteIncludeFile(g_DocManage, g_App.templateFolder, includeName, output) !=
      standard::GenerateResult::Written) {
    const wxString templatePath = standard::TemplatePathFor(g_App.templateFolder, includeName);
    LangMessageBox("", kNoticeOk, "IDS_STANDARD_TEMPLATE_FAILED", includeName, templatePath);
    return false;
  }
  return true;
}

bool CStandardModePage::CheckAndApply() {
  if (!ValidateInputs()) return false;
  standard::ApplyProtocolToDocument(g_DocManage, m_details);
  if (!CutKeyCodes()) return false;
  if (!GenerateIncludeFile()) return false;
  ArmKeyPageGuide();
  DropFocus();
  return true;
}

// --- Handlers.

void CStandardModePage::OnProtocolChanged() {
  const int index = m_protocolList->GetSelection();
  if (!ShowProtocolDetails(index)) {
    ClearInputs();
    LangMessageBox(kErrorKey);
    FindWindow(kNextId)->Disable();
  } else {
    FindWindow(kNextId)->Enable();
    SetPicture(m_protocolList->GetString(static_cast<unsigned>(index)));
  }
  m_address.SetUnitText(wxString(), true);
  ReportChange();
}

void CStandardModePage::OnEditChanged(wxCommandEvent& event) {
  if (event.GetClientData() != &m_address) {
    event.Skip();
    return;
  }
  m_address.SetUnitText(event.GetInt() ? wxString() : wxString("*"), true);
  ReportChange();
}

void CStandardModePage::RefreshControls() {
  const std::uint16_t address = g_DocManage.Address;
  m_protocolList->SetSelection(static_cast<int>(g_DocManage.CodeMode) - 1);
  OnProtocolChanged();
  SelectDuty(g_DocManage.GetParam(1));
  m_frequencyBox->ChangeValue(wxString::Format("%d", static_cast<int>(g_DocManage.Carrier)));
  g_DocManage.Address = address;
  m_address.SetText(wxString::Format("%x", static_cast<unsigned>(address)));
  SetPicture(SelectedProtocolName());
  m_protocolList->Enable(g_DocManage.ProtocolImported == 0);
}

void CStandardModePage::OnPageShown() {
  m_protocolList->Enable(g_DocManage.ProtocolImported == 0);
  ReportChange();
}

// --- Texts and layout.

void CStandardModePage::ApplyLanguage() {
  LayoutControls();
  m_pageTitle = GetLangText("IDS_STANDARD_TITLE");
  const std::pair<int, const char*> texts[] = {
      {kProtocolLabelId, "IDS_STANDARD_TYPE"},
      {kDutyLabelId, "IDS_DUTY"},
      {kFrequencyLabelId, "IDS_STANDARD_FREQ"},
      {kAddressLabelId, "IDS_STANDARD_ADDR"},
      {kNextId, "IDS_NEXT"},
      {kCancelId, "IDS_CANCEL"},
      {kWavePreviewId, "IDS_WAVE_PREVIEW"},
  };
  for (const auto& [id, key] : texts) FindWindow(id)->SetLabel(GetLangText(key));
  if (m_protocolList->GetSelection() != wxNOT_FOUND) SetPicture(SelectedProtocolName());
}

void CStandardModePage::LayoutControls() {
  // Nothing to place on a page that has no size yet.
  const wxSize client = GetClientSize();
  if (client.x <= 0 || client.y <= 0) return;
  if (!m_layout.IsReady() || !m_layout.ResolveAll(this)) return;
  PlaceControls({{"Wave_Preview", kWavePreviewId},
                 {"PIC_BUTTON", kPictureId},
                 {"Protocol_Combox", kProtocolListId},
                 {"Protocol_Static", kProtocolLabelId},
                 {"Duty_Combox", kDutyListId},
                 {"Duty_Static", kDutyLabelId},
                 {"Frequency_Edit", kFrequencyBoxId},
                 {"Frequency_Static", kFrequencyLabelId},
                 {"Frequency_Static_Unit", kFrequencyUnitId},
                 {"Address_Static", kAddressLabelId},
                 {"Address_Static_Unit", kAddressUnitId}});
  wxRect rect;
  if (m_layout.GetElementRect("Address_Edit", rect)) {
    m_address.SetEditSize(EditHeight(rect.height), EditWidth(rect.width));
    m_address.SetPos(rect.x, rect.y, true);
    m_address.SetTipPlacement(0, rect.x, rect.y);
  }
  // Cancel and Next keep the button width, right-aligned on their elements;
  // what one gains over its element moves the one before it left.
  int shift = 0;
  for (const auto& [name, id] :
       {std::make_pair("Next_Button", kNextId), std::make_pair("Cancel_Button", kCancelId)}) {
    if (m_layout.GetElementRect(name, rect)) PackButtonRight(*FindWindow(id), rect, shift);
  }
  Refresh();
  Update();
}

#include "lcd/pages/MCUElementDlg.h"

#include "core/ChipModel.h"
#include "core/DocManage.h"
#include "core/LangText.h"
#include "diagram/pages/McuWnd.h"
#include "platform/Format.h"
#include "ui/UILayout.h"
#include "ui/shell/PageMessages.h"

#include <wx/button.h>
#include <wx/stattext.h>

#include <algorithm>

namespace {

// The template's size and its rulers', in dialog units.
const wxSize kTemplateSize(316, 182);
const wxSize kNumberCellSize(10, 10);
const wxSize kBodyRulerSize(148, 14);
const char* const kNoPictureKey = "IDS_CHIP_PICTURE_NONE";

// A ruler: a hidden window that only lends its size.
wxWindow* Ruler(wxWindow* parent, int id, const wxSize& size) {
  auto* ruler = new wxWindow(parent, id, wxDefaultPosition, size, wxBORDER_NONE);
  ruler->Hide();
  return ruler;
}

}  // namespace

CMCUElementDlg::CMCUElementDlg(wxWindow* parent) : CSubBaseDlg(kTemplateId, parent) {
  SetSize(ConvertDialogToPixels(kTemplateSize));
  m_frame = Ruler(this, kFrameId, GetClientSize());
  auto* pictureButton = new wxButton(this, kPictureButtonId, "Button1");
  pictureButton->Hide();
  m_numberCell = Ruler(this, kNumberCellId, ConvertDialogToPixels(kNumberCellSize));
  m_bodyRuler = Ruler(this, kBodyWidthId, ConvertDialogToPixels(kBodyRulerSize));
  m_notice = new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                              wxALIGN_CENTRE_HORIZONTAL);
  m_notice->Hide();
}

CMCUElementDlg::~CMCUElementDlg() {
  // The picture is a child window and goes with the panel.
  m_picture = nullptr;
}

wxWindow* CMCUElementDlg::LcdPage() const {
  wxWindow* window = GetParent();            // the tabs
  if (window) window = window->GetParent();  // the host
  return window ? window->GetParent() : nullptr;
}

const CPackage* CMCUElementDlg::FindPackage(const wxString& name) const {
  const CPackage* package = g_CurChipInfo ? g_CurChipInfo->FindPackage(name) : nullptr;
  // The picture puts a quarter of a four-sided package's pins on each side.
  if (package && package->topSidePins != 0 && package->topSidePins != package->leftSidePins) return nullptr;
  return package && package->GetPinCount() > 0 ? package : nullptr;
}

bool CMCUElementDlg::Reload(const wxString& packageName, bool keepTaken) {
  if (!keepTaken) m_taken.clear();
  BuildPicture(FindPackage(packageName), packageName);
  return true;
}

void CMCUElementDlg::BuildPicture(const CPackage* package, const wxString& packageName) {
  if (m_picture) {
    m_picture->Destroy();
    m_picture = nullptr;
  }
  m_packageName = packageName;
  m_pinKeys.clear();
  m_unplaced.clear();
  if (!package) {
    m_unplaced = segpins::FindMissingSegments({}, m_taken);
    ShowNotice(true);
    return;
  }
  const int count = package->GetPinCount();
  const int kind = package->topSidePins != 0 ? mculayout::kKindFourSides : mculayout::kKindTwoRows;
  const wxSize client = GetClientSize();
  m_bodyWidth = m_bodyRuler->GetClientSize().x;
  auto* picture = new CMCUWnd();
  if (!picture->Create(this, client.x / 2, 80, 80, client.y - 160, kind, count, kPictureId,
                       wxRect(m_numberCell->GetClientSize()), m_bodyWidth)) {
    picture->Destroy();
    m_unplaced = segpins::FindMissingSegments({}, m_taken);
    ShowNotice(true);
    return;
  }
  ShowNotice(false);
  m_picture = picture;
  m_pinKeys = segpins::PinKeysOf(*package);

  const segpins::stPinPlacement placement = segpins::PlaceTakenSegments(m_pinKeys, m_taken);
  for (int pin = 0; pin < count; ++pin) {
    wxString onIc, outKey;
    package->GetPinNames(pin, onIc, outKey);
    picture->SetPinText(pin, 0, onIc, false);
    picture->SetPinText(pin, 1, outKey, false);
    picture->SetPinText(pin, 2, outKey, false);
    picture->SetPinValue(-1, pin);
    picture->SetPinBorderColor(kOtherColor, pin, false);
    const segpins::PinState state = placement.states[static_cast<std::size_t>(pin)];
    picture->SetPinAvailable(pin, state == segpins::PinState::kFree, false);
    picture->SetPinFillColor(state == segpins::PinState::kFree    ? kFreeColor
                             : state == segpins::PinState::kTaken ? kTakenColor
                                                                  : kOtherColor,
                             pin, false);
  }
  m_unplaced = placement.unplaced;

  wxString face;
  int points = 1;
  ReadIniFontKeys("PinFont", face, points);
  for (int label = 0; label < CMCUWnd::kLabelCount; ++label) {
    picture->SetPinFontFace(label, face, 1, -1, false);
    picture->SetPinFontSize(label, points, -1, false);
    picture->SetPinFontBold(label, false, -1, false);
  }
  picture->SetChipName(g_DocManage.GetMcuName(), false);
  picture->SetTitleSuffix(package->name, false);
  picture->SetTextColor(0xFFFFFF, false);
  picture->Show();
  picture->SetNotifyWindow(this);
  picture->CenterView();
  Relayout();

  // The page learns each re-taken pin; it may rebuild the picture while it answers.
  for (int pin = 0; pin < count && m_picture == picture; ++pin) {
    if (placement.states[static_cast<std::size_t>(pin)] != segpins::PinState::kTaken) continue;
    const wxString name = placement.takenBy[static_cast<std::size_t>(pin)];
    SendShellMessage(LcdPage(), WM_LCD_PIN_TABLE, pin, reinterpret_cast<wxIntPtr>(&name));
  }
}

void CMCUElementDlg::Relayout() {
  if (!m_picture) return;
  const wxRect frame = m_frame->GetRect();
  m_picture->SetSize(frame);
  m_picture->UpdateScrollBars(true);
  m_picture->CenterView();
  m_picture->LayoutPackage(frame.width, frame.height, m_bodyWidth);
  for (int pin = 0; pin < m_picture->GetPinCount(); ++pin) {
    const wxString& outKey = m_pinKeys[static_cast<std::size_t>(pin)];
    m_picture->SetPinText(pin, 1, outKey, false);
    m_picture->SetPinText(pin, 2, outKey, false);
    m_picture->SetPinBorderColor(kOtherColor, pin, false);
  }
  m_picture->Refresh(false);
}

void CMCUElementDlg::LayoutControls() {
  const wxSize client = GetClientSize();
  if (m_frame) m_frame->SetSize(client);
  if (m_notice && m_notice->IsShown()) ShowNotice(true);
  Relayout();
}

void CMCUElementDlg::ShowNotice(bool shown) {
  if (!shown) {
    m_notice->Hide();
    return;
  }
  const wxSize client = GetClientSize();
  m_notice->SetLabel(
      platform::FormatChecked(GetLangText(kNoPictureKey), {g_DocManage.GetMcuName(), m_packageName}));
  m_notice->Wrap(std::max(client.x - 40, 80));
  const wxSize size = m_notice->GetBestSize();
  m_notice->SetSize((client.x - size.x) / 2, (client.y - size.y) / 2, size.x, size.y);
  m_notice->Show();
}

void CMCUElementDlg::ApplyLanguage() {
  if (m_notice->IsShown()) ShowNotice(true);
}

std::vector<wxString> CMCUElementDlg::CollectTakenSegments() const {
  // Without a picture nothing shows which pins are taken: the list stays.
  if (!m_picture) return m_taken;
  return segpins::CollectTakenSegments(m_pinKeys, [this](int pin) { return m_picture->IsPinAvailable(pin); });
}

bool CMCUElementDlg::CanSwitchPackage(const wxString& newPackage) {
  const std::vector<wxString> taken = CollectTakenSegments();
  const CPackage* package = FindPackage(newPackage);
  const std::vector<wxString> missing =
      segpins::FindMissingSegments(package ? segpins::PinKeysOf(*package) : segpins::PinKeys(), taken);
  return SendShellMessage(LcdPage(), WM_LCD_CONFIG_FUNC, reinterpret_cast<wxIntPtr>(&missing), 0) != 0;
}

bool CMCUElementDlg::SwitchPackage(const wxString& /*oldPackage*/, const wxString& newPackage) {
  m_taken = CollectTakenSegments();
  BuildPicture(FindPackage(newPackage), newPackage);
  if (!m_taken.empty() && !m_unplaced.empty()) {
    const std::vector<wxString> unplaced = m_unplaced;
    SendShellMessage(LcdPage(), WM_LCD_ELEMENT_LIST, reinterpret_cast<wxIntPtr>(&unplaced), 0);
  }
  return true;
}

void CMCUElementDlg::TakePin(int pin) {
  if (!m_picture || pin < 0 || pin >= m_picture->GetPinCount()) return;
  m_picture->SetPinFillColor(kTakenColor, pin, true);
  m_picture->SetPinAvailable(pin, false, true);
}

void CMCUElementDlg::GiveBackPin(int pin) {
  if (!m_picture || pin < 0 || pin >= m_picture->GetPinCount()) return;
  m_picture->SetPinFillColor(kFreeColor, pin, true);
  m_picture->SetPinAvailable(pin, true, true);
}

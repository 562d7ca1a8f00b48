// The page's layout from UserDefAirPage_DataFormat.ini and its language texts.
#include "aircon/pages/AirDataFormat.h"

#include "core/LangText.h"
#include "ui/ImageTipBtn.h"
#include "ui/PageButtons.h"

#include <algorithm>

using namespace aircon;
using namespace aircon::airformat_id;

namespace {

// The layout elements placed one to one on controls, in the order they are placed.
const std::pair<const char*, int> kElements[] = {
    {"Cancel_Button", kCancel},
    {"Next_Button", kNext},
    {"Previous_Button", kBack},
    {"Send_Order", kSendOrderLabel},
    {"MSB_Radio", kMsbFirst},
    {"LSB_Radio", kLsbFirst},
    {"Send_Data_Bytes", kBytesLabel},
    {"Send_Bytes_Edit", kBytes},
    {"Send_Data_Bytes2", kBytes2Label},
    {"Send_Bytes_Edit2", kBytes2},
    {"Margin_Time2", kIntervalLabel},
    {"Margin_Time_Edit", kInterval},
    {"Margin_Time2_Unit", kIntervalUnit},
    {"Sample_Button", kSample},
    {"Param_Area", kParamArea},
    {"Chk_Second", kGroup2Check},
    {"Chk_First", kGroup1Check},
    {"Send_Process", kSendProcess},
};

// The view buttons and their elements.
const std::pair<const char*, int> kViewButtons[] = {
    {"PureData_Button", kPureDataView},
    {"UDFunc_Button", kUserView},
    {"Func_Button", kFunctionsView},
};

const std::pair<int, const char*> kTexts[] = {
    {kMsbFirst, "IDS_MSB_BEFORE"},
    {kLsbFirst, "IDS_LSB_BEFORE"},
    {kSendProcess, "IDS_SEND_PROCESS"},
    {kBytesLabel, "IDS_SEND_DATA_COUNT"},
    {kSendOrderLabel, "IDS_SEND_ORDER"},
    {kGroup1Check, "IDS_GROUP1_ENABLE"},
    {kGroup2Check, "IDS_GROUP2_ENABLE"},
    {kBytes2Label, "IDC_STATIC_GROUP2_BYTES"},
    {kIntervalLabel, "IDS_STATIC_GROUP2_TIME"},
    {kBack, "IDS_PRE"},
    {kNext, "IDS_NEXT"},
    {kCancel, "IDS_CANCEL"},
    {kFunctionsView, "IDS_BTN_FUNC"},
    {kUserView, "IDS_BTN_UD_FUNC"},
    {kPureDataView, "IDS_BTN_PURE_DATA"},
};

// Radios and check boxes as wide as their texts, at the element's corner.
bool IsFittedToText(int id) {
  return id == kMsbFirst || id == kLsbFirst || id == kGroup1Check || id == kGroup2Check;
}

olv::protocol::BlockRect ToBlockRect(const wxRect& rect) {
  return {rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
}

}  // namespace

void CAirDataFormat::LayoutControls() {
  int buttonShift = 0;
  const auto place = [&](wxWindow& control, int id, wxRect& rect, const stUIElement& element) {
    if (!element.textKey.empty()) control.SetLabel(GetLangText(element.textKey));
    if (IsFittedToText(id)) {
      control.SetSize(rect.x, rect.y, control.GetBestSize().x, rect.height);
    } else if (id == kCancel || id == kNext || id == kBack) {
      PackButtonRight(control, rect, buttonShift);
    } else if (id != kSample) {
      control.SetSize(rect);
    }
  };
  if (!LayoutElements(
          kElements, [this](int id) { return GetEditById(id); }, place))
    return;
  for (const auto& [name, id] : kViewButtons) {
    wxRect rect;
    if (m_layout.GetElementRect(name, rect)) FindWindow(id)->SetSize(rect);
  }
  m_layout.GetElementRect("Data_Frame", m_gridArea);
  m_layout.GetElementRect("Param_Area", m_paramArea);
  for (const auto& [id, editor] : m_editors) editor->GetWindow()->SetSize(m_paramArea);
  PlaceGeometry();
  PlaceWarningButton();
  if (CLUEdit* interval = GetEditById(kInterval); interval && interval->GetEdit())
    interval->SetTipPlacement(0, interval->GetEdit()->GetPosition().x, interval->GetEdit()->GetPosition().y);
  m_model.LayoutDiagrams();
  m_model.ShowView(m_model.View());
  Refresh();
}

// The grid in "Data_Frame"; the diagrams' rows right of the group checks,
// their blocks as high as the sample button and at most a fifth wider.
void CAirDataFormat::PlaceGeometry() {
  stAirGeometry& g = m_model.airGeometry;
  wxRect sample;
  if (m_layout.GetElementRect("Sample_Button", sample)) {
    g.blockHeight = std::max(sample.height, 16);
    g.maxBlockWidth = std::max(sample.width * 6 / 5, 24);
  }
  if (!m_gridArea.IsEmpty()) g.grid = ToBlockRect(m_gridArea);
  const wxRect first = FindWindow(kGroup1Check)->GetRect();
  const wxRect second = FindWindow(kGroup2Check)->GetRect();
  g.rowLeft = std::max(first.GetRight(), second.GetRight()) + 12;
  const int arrow = m_arrow.IsOk() ? m_arrow.GetWidth() : 0;
  g.rowRight = std::max(g.rowLeft + 1, GetClientSize().x - 20 - arrow);
  g.row1Top = first.y + (first.height - g.blockHeight) / 2;
  g.row2Top = second.y + (second.height - g.blockHeight) / 2;
}

// The warning stands right of group 1's byte total.
void CAirDataFormat::PlaceWarningButton() {
  CLUEdit* bytes = GetEditById(kBytes);
  if (!bytes || !bytes->GetEdit()) return;
  const wxRect edit = bytes->GetEdit()->GetRect();
  const wxSize size = m_warning->GetSize();
  m_warning->Move(edit.GetRight() + 12, edit.y + (edit.height - size.y) / 2);
}

void CAirDataFormat::ApplyLanguage() {
  ++m_quiet;
  m_model.ApplyDefaultNames();
  m_model.LoadParamDefinitions();
  for (const auto& [id, key] : kTexts) {
    if (wxWindow* window = FindWindow(id)) window->SetLabel(GetLangText(key));
  }
  m_warning->SetTipText("IDS_RESOURCE_WARNING");
  for (const auto& [id, editor] : m_editors) editor->ApplyLanguage();
  --m_quiet;
  LayoutControls();
  ShowModelState();
}

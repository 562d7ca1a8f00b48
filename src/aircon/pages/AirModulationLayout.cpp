// The air carrier page's layout from UserDefAirPage_Modulation.ini and its
// language texts.
#include "aircon/pages/AirModulation.h"

#include "core/LangText.h"
#include "core/gui/DisplayHelpers.h"
#include "ui/PageButtons.h"

#include <wx/choice.h>
#include <wx/stattext.h>

#include <cmath>

using namespace aircon;

namespace {

// Height of the template's hidden measuring button (control 1323): at
// another screen scale the bit-0 preview and the error text move by it.
constexpr int kLayoutUnit = 10;

// The layout elements in the order they are placed.
const std::pair<const char*, int> kElements[] = {
    {"Cancel_Button", kCancelId},
    {"Next_Button", kNextId},
    {"SendFormat_Sel", kSchemeGroupId},
    {"SendFormat_Static", kSchemeLabelId},
    {"SendFormat_Combox", kSchemeComboId},
    {"AGCCONNECTCODE_PARAM", kLeadConnectGroupId},
    {"CONNECTTIME_STATIC", kConnectTimeLabelId},
    {"CONNECTTIME_EDIT", kConnectTimeEditId},
    {"BIT0UNIT5_STATIC", kConnectTimeUnitId},
    {"SPACE_STATIC", kLeadSpaceLabelId},
    {"SPACE_EDIT", kLeadSpaceEditId},
    {"BIT0UNIT4_STATIC", kLeadSpaceUnitId},
    {"MARK_STATIC", kLeadMarkLabelId},
    {"MARK_EDIT", kLeadMarkEditId},
    {"BIT0UNIT3_STATIC", kLeadMarkUnitId},
    {"CONNECTCODE_STATIC", kConnectLabelId},
    {"CONNECTCODE_RADIO3", kConnectOnId},
    {"CONNECTCODE_RADIO13", kConnectOffId},
    {"BOOTWAVE_PICTURE", kLeadWaveId},
    {"USERTIPSendFormat_BUTTON", kSchemeTipId},
    {"USERTIPCarrier_BUTTON", kCarrierTipId},
    {"USERTIPBit_BUTTON", kBitTipId},
    {"USERTIPAGCCONNECTCODE_BUTTON", kConnectTipId},
    {"ERR_TEXT", kErrorTextId},
    {"BIT1_Static", kBit1TitleId},
    {"MARK1_Static", kBit1MarkLabelId},
    {"SPACE1_Static", kBit1SpaceLabelId},
    {"SPACE1_EDIT", kBit1SpaceEditId},
    {"MARK1_EDIT", kBit1MarkEditId},
    {"BIT1UNIT1_STATIC", kBit1MarkUnitId},
    {"BIT1UNIT2_STATIC", kBit1SpaceUnitId},
    {"BIT1WAVE_PICTURE", kBit1WaveId},
    {"Bit_Param", kBitGroupId},
    {"BIT0_Static", kBit0TitleId},
    {"MARK0_Static", kBit0MarkLabelId},
    {"SPACE0_Static", kBit0SpaceLabelId},
    {"SPACE0_EDIT", kBit0SpaceEditId},
    {"MARK0_EDIT", kBit0MarkEditId},
    {"BIT0UNIT1_STATIC", kBit0MarkUnitId},
    {"BIT0UNIT2_STATIC", kBit0SpaceUnitId},
    {"BIT0WAVE_PICTURE", kBit0WaveId},
    {"Carrier_Param", kCarrierGroupId},
    {"Frequency_Unit", kFreqUnitId},
    {"Frequency_Edit", kFreqEditId},
    {"Frequency_Static", kFreqLabelId},
    {"Duty_Combox", kDutyComboId},
    {"Duty_Static", kDutyLabelId},
    {"Carrier_Wave", kCarrierWaveId},
};

// The language texts of the controls.
const std::pair<int, const char*> kTexts[] = {
    {kCarrierGroupId, "IDS_LABEL1"},
    {kBitGroupId, "IDS_BITS_LABEL"},
    {kLeadConnectGroupId, "IDS_HEAD_CONNECT_LABEL"},
    {kFreqLabelId, "IDS_FREQ"},
    {kDutyLabelId, "IDS_DUTY"},
    {kBit0MarkLabelId, "IDS_MARK_TIME"},
    {kLeadMarkLabelId, "IDS_MARK_TIME"},
    {kBit1MarkLabelId, "IDS_MARK_TIME"},
    {kBit0SpaceLabelId, "IDS_SPACE_TIME"},
    {kLeadSpaceLabelId, "IDS_SPACE_TIME"},
    {kBit1SpaceLabelId, "IDS_SPACE_TIME"},
    {kSchemeLabelId, "IDS_SEND_TYPE"},
    {kConnectLabelId, "IDS_START_CONNECT"},
    {kConnectTimeLabelId, "IDS_START_CONNECT_TIME"},
};

int Scaled(double value, double scale) { return static_cast<int>(std::lround(value * scale)); }

}  // namespace

void CAirModulation::LayoutControls() {
  const double scale = GetScreenScale() > 0 ? GetScreenScale() : 1.0;
  int buttonShift = 0;
  const auto place = [&](wxWindow& control, int id, wxRect& rect, const stUIElement&) {
    PlaceControl(control, id, rect, scale, buttonShift);
  };
  if (!LayoutElements(
          kElements, [this](int id) { return GetEditById(id); }, place))
    return;
  PlaceInputTips();
  SetErrorText(m_errorText);  // wrapped to its new width
  RefreshCarrierFromDuty();
  Refresh();
}

void CAirModulation::PlaceControl(wxWindow& control, int id, wxRect& rect, double scale, int& buttonShift) {
  switch (id) {
    case kConnectOnId:
    case kConnectOffId: {
      // As wide as the text (never below the toolkit's least width for the
      // radio), at the element's top-left corner.
      control.SetSize(control.GetPosition().x, control.GetPosition().y, -1, rect.height);
      FitControlToText(id, control.GetLabel(), this);
      const int least = control.GetBestSize().x;
      if (control.GetSize().x < least) control.SetSize(least, control.GetSize().y);
      control.Move(rect.GetPosition());
      break;
    }
    case kCancelId:
    case kNextId: PackButtonRight(control, rect, buttonShift); break;
    case kBit0WaveId:
      if (scale != 1.0) rect.y -= Scaled(kLayoutUnit, scale);
      control.SetSize(rect);
      break;
    case kErrorTextId: {
      const int bottom = rect.GetBottom();
      rect.y -= Scaled(kLayoutUnit, scale) - 10;
      rect.height = bottom - rect.y + 1;
      control.SetSize(rect);
      break;
    }
    default: control.SetSize(rect); break;
  }
}

// The inputs' range tips: above the input's top-left corner, below for the two bit spaces.
void CAirModulation::PlaceInputTips() {
  for (int id : kInputIds) Edit(id).SetTipPlacement(id == kBit0SpaceEditId || id == kBit1SpaceEditId ? 1 : 0);
}

void CAirModulation::ApplyLanguage() {
  LayoutControls();
  m_updating = 1;
  for (const auto& [id, key] : kTexts) FindWindow(id)->SetLabel(GetLangText(key));
  const int scheme = m_schemes->GetSelection();
  FillSchemeCombo();
  if (scheme != wxNOT_FOUND && scheme < static_cast<int>(m_schemes->GetCount()))
    m_schemes->SetSelection(scheme);
  // The inputs report again, so that the previews take the new language.
  for (int id : {kBit0MarkEditId, kBit0SpaceEditId, kBit1MarkEditId, kBit1SpaceEditId, kFreqEditId,
                 kLeadMarkEditId, kLeadSpaceEditId}) {
    CLUEdit& input = Edit(id);
    SendEditChanged(input, input.CheckRange());
  }
  if (!m_definitions.Path().empty()) {
    for (int n : {0, 2, 3, 4, 5, 6, 7, 9}) ApplyParamDefinition(n, Edit(kParamIds[n]));
  }
  FindWindow(kNextId)->SetLabel(GetLangText("IDS_NEXT"));
  FindWindow(kCancelId)->SetLabel(GetLangText("IDS_CANCEL"));
  m_updating = 0;
  LayoutControls();
}

// The carrier page's layout: its elements placed from the layout file, its
// language texts, radios fitted to their texts and the radio groups shifted
// left where a text runs past its group box.
#include "protocol/pages/ModulationParam.h"

#include "core/LangText.h"
#include "core/gui/DisplayHelpers.h"
#include "ui/PageButtons.h"

#include <algorithm>
#include <cmath>

using namespace modulation;

namespace {

// Heights of the template's two hidden measuring controls: the boot wave
// sits this much above its element, the bit-0 wave and the error line too.
constexpr int kBootWaveLift = 4;     // control 1322
constexpr int kBitWaveLift = 4;      // control 1323
constexpr int kErrorLineShift = 70;  // the error line's shift to the left

// The layout elements in the order they are placed.
const std::pair<const char*, int> kElements[] = {
    {"Cancel_Button", kCancelId},
    {"Next_Button", kNextId},
    {"Carrier_Param", kCarrierGroupId},
    {"FREQ_Static", kFreqLabelId},
    {"FREQ_Edit", kFreqEditId},
    {"FREQ_Unit", kFreqUnitId},
    {"DUTY_Static", kDutyLabelId},
    {"DUTY_Combox", kDutyComboId},
    {"MODULETYPE_Static", kModuleGroupId},
    {"PDMMODE_Radio", kPdmRadioId},
    {"MODULEMODE_Radio", kManchesterRadioId},
    {"CARRIERWAVE_TX", kCarrierWaveId},
    {"BOOT_Param", kBootGroupId},
    {"BOOTSTRAP_Check", kBootCheckId},
    {"BOOTTYPE_Static", kBootTypeGroupId},
    {"AGCBurst_Radio", kBootAgcRadioId},
    {"MANCHESTER_Radio", kBootManchesterRadioId},
    {"BOOTWAVE_TX", kBootWaveId},
    {"CONTENT_Static", kBootContentLabelId},
    {"CONTENT_Edit", kBootContentEditId},
    {"MARK1_Static", kBootMarkLabelId},
    {"MARK1_Edit", kBootMarkEditId},
    {"MARK1UNIT1_Static", kBootMarkUnitId},
    {"SPACE1_Static", kBootSpaceLabelId},
    {"SPACE1_Edit", kBootSpaceEditId},
    {"SPACE1UNIT2_Static", kBootSpaceUnitId},
    {"LEN_Static", kBootLengthId},
    {"CONTENT_Unit", kBootContentUnitId},
    {"Bit1_Param", kBitGroupId},
    {"MARKTIM_Static", kHalfBitLabelId},
    {"ERRBITX_Static", kBitErrorId},
    {"MARKTIM_Edit", kHalfBitEditId},
    {"BIT0TITLE_Static", kBit0TitleId},
    {"MARK_Static", kBit0MarkLabelId},
    {"MARK_Edit", kBit0MarkEditId},
    {"MARKBIT0UNIT1_Static", kBit0MarkUnitId},
    {"SPACE_STATIC", kBit0SpaceLabelId},
    {"SPACE_Edit", kBit0SpaceEditId},
    {"SPACEBIT0UNIT2_Static", kBit0SpaceUnitId},
    {"BIT0WAVE_PICTURE", kBit0WaveId},
    {"BIT0_Static", kPolarityGroupId},
    {"BEFORE_Radio", kMarkFirstRadioId},
    {"AFTER_Radio", kMarkAfterRadioId},
    {"BIT1TITLE_Static", kBit1TitleId},
    {"MARK3_Static", kBit1MarkLabelId},
    {"MARK3_Edit", kBit1MarkEditId},
    {"BIT1UNIT1_Static", kBit1MarkUnitId},
    {"SPACE3_Static", kBit1SpaceLabelId},
    {"SPACE3_Edit", kBit1SpaceEditId},
    {"BIT1UNIT2_Static", kBit1SpaceUnitId},
    {"BIT1WAVE_PICTURE", kBit1WaveId},
    {"Repeat_PARAM", kRepeatGroupId},
    {"Repeat_Check", kRepeatCheckId},
    {"REPEATWEEK_STATIC", kRepeatPeriodLabelId},
    {"REPEATWEEK_Edit", kRepeatPeriodEditId},
    {"REPEATWEEKMS_STATIC", kRepeatPeriodUnitId},
    {"RepeatTYPE_STATIC", kRepeatTypeGroupId},
    {"AGCBurst2_Radio", kRepeatAgcRadioId},
    {"Number_Radio", kRepeatDataRadioId},
    {"Repeat_Radio", kRepeatWholeRadioId},
    {"REPEATWAVE_TX", kRepeatWaveId},
    {"MARK2_STATIC", kRepeatMarkLabelId},
    {"MARK2_EDIT", kRepeatMarkEditId},
    {"REPEATUNIT1_STATIC", kRepeatMarkUnitId},
    {"SPACE2_STATIC", kRepeatSpaceLabelId},
    {"SPACE2_EDIT", kRepeatSpaceEditId},
    {"REPEATUNIT2_STATIC", kRepeatSpaceUnitId},
    {"CarrierParam_BUTTON", kCarrierTipId},
    {"BOOTParam_BUTTON", kBootTipId},
    {"Bit1Param_BUTTON", kBitTipId},
    {"RepeatPARAM_BUTTON", kRepeatTipId},
};

// The language texts of the controls; "fitted" controls take their text's width.
struct stControlText {
  int id;
  const char* key;
  bool fitted;
};
const stControlText kTexts[] = {
    {kFreqLabelId, "IDS_FREQ", false},
    {kModuleGroupId, "IDS_MODULE_TYPE", false},
    {kPdmRadioId, "IDS_PULSE_MODULE", true},
    {kManchesterRadioId, "IDS_PHASE_MODULE", true},
    {kBit0MarkLabelId, "IDS_MARK_TIME", false},
    {kBootMarkLabelId, "IDS_MARK_TIME", false},
    {kRepeatMarkLabelId, "IDS_MARK_TIME", false},
    {kBit1MarkLabelId, "IDS_MARK_TIME", false},
    {kBit0SpaceLabelId, "IDS_SPACE_TIME", false},
    {kBootSpaceLabelId, "IDS_SPACE_TIME", false},
    {kRepeatSpaceLabelId, "IDS_SPACE_TIME", false},
    {kBit1SpaceLabelId, "IDS_SPACE_TIME", false},
    {kBootCheckId, "IDS_BOOTSTRAP_CODE", true},
    {kBootTypeGroupId, "IDS_BOOTSTRAP_TYPE", false},
    {kRepeatCheckId, "IDS_START_REPEAT", true},
    {kRepeatPeriodLabelId, "IDS_REPEAT_WEEK", false},
    {kRepeatTypeGroupId, "IDS_REPEAT_TYPE", false},
    {kRepeatAgcRadioId, "IDS_AGC_BRUST", true},
    {kRepeatDataRadioId, "IDS_NO_AGC", true},
    {kRepeatWholeRadioId, "IDS_ALL_REPEAT", true},
    {kCarrierGroupId, "IDS_LABEL1", false},
    {kBootGroupId, "IDS_LABEL2", false},
    {kRepeatGroupId, "IDS_LABEL4", false},
    {kHalfBitLabelId, "IDS_MARK_SPACE_TIME", false},
    {kPolarityGroupId, "IDS_BIT0", false},
    {kMarkFirstRadioId, "IDS_BEFORE", true},
    {kMarkAfterRadioId, "IDS_AFTER", true},
    {kBootContentLabelId, "IDS_CONTENT", false},
};

int Scaled(double value, double scale) { return static_cast<int>(std::lround(value * scale)); }

}  // namespace

void CModulationParam::FitToText(int id) {
  wxWindow* control = FindWindow(id);
  if (!control) return;
  // The check mark or radio circle beside the text.
  const int indicator = control->GetBestSize().x - control->GetTextExtent(control->GetLabel()).x;
  const wxSize extent = control->GetTextExtent(control->GetLabel());
  control->SetSize(control->GetPosition().x, control->GetPosition().y, extent.x + std::max(indicator, 24),
                   control->GetSize().y);
}

void CModulationParam::ApplyLanguage() {
  LayoutControls();
  m_quiet = 1;
  for (const stControlText& text : kTexts) FindWindow(text.id)->SetLabel(GetLangText(text.key));
  FindWindow(kBitGroupId)->SetLabel(GetLangText(m_manchester ? "IDS_LABEL4_MAN" : "IDS_LABEL4_PDM"));
  RecheckShownInputs();
  if (!m_definitions.Path().empty()) {
    for (int n : {0, 6, 7, 8, 9, 10, 11, 12, 13, 20, 21, 22}) LoadParamDefinition(n, Edit(kDefinitionIds[n]));
  }
  FindWindow(kNextId)->SetLabel(GetLangText("IDS_NEXT"));
  FindWindow(kCancelId)->SetLabel(GetLangText("IDS_CANCEL"));
  m_quiet = 0;
  LayoutControls();
  Refresh();
}

// The inputs of the chosen types report their values again, so that the
// previews' labels and captions take the new language.
void CModulationParam::RecheckShownInputs() {
  const auto recheck = [this](int id) {
    CLUEdit& input = Edit(id);
    SendEditChanged(input, input.CheckRange());
  };
  recheck(kFreqEditId);
  if (IsChecked(kBootAgcRadioId)) {
    recheck(kBootMarkEditId);
    recheck(kBootSpaceEditId);
  } else {
    recheck(kBootContentEditId);
  }
  if (IsChecked(kPdmRadioId)) {
    for (int id : {kBit0MarkEditId, kBit0SpaceEditId, kBit1MarkEditId, kBit1SpaceEditId}) recheck(id);
  } else {
    recheck(kHalfBitEditId);
  }
  if (IsChecked(kRepeatAgcRadioId)) {
    recheck(kRepeatMarkEditId);
    recheck(kRepeatSpaceEditId);
  }
}

void CModulationParam::LayoutControls() {
  stPlacement placement;
  placement.scale = GetScreenScale() > 0 ? GetScreenScale() : 1.0;
  const auto place = [&](wxWindow& control, int id, wxRect& rect, const stUIElement&) {
    PlaceControl(control, id, rect, placement);
  };
  if (!LayoutElements(
          kElements, [this](int id) { return GetEditById(id); }, place))
    return;
  ShiftRadioGroups(placement);
  RefreshCarrierWave();
  Refresh();
}

void CModulationParam::PlaceControl(wxWindow& control, int id, wxRect& rect, stPlacement& placement) {
  const double scale = placement.scale;
  switch (id) {
    case kPdmRadioId:
    case kManchesterRadioId:
    case kBootCheckId:
    case kBootAgcRadioId:
    case kBootManchesterRadioId:
    case kMarkFirstRadioId:
    case kMarkAfterRadioId:
    case kRepeatCheckId:
    case kRepeatAgcRadioId:
    case kRepeatDataRadioId:
    case kRepeatWholeRadioId: PlaceFittedChoice(control, id, rect, placement); break;
    case kNextId:
    case kCancelId:
      // Right-aligned on their elements with the page button width.
      PackButtonRight(control, rect, placement.buttonShift);
      break;
    case kBootWaveId:
      rect.y -= kBootWaveLift;
      control.SetSize(rect);
      break;
    case kBit0WaveId:
      rect.y -= Scaled(kBitWaveLift, scale);
      control.SetSize(rect);
      break;
    case kBitErrorId:
      rect.y -= Scaled(kBitWaveLift + 10, scale);
      rect.x -= Scaled(kErrorLineShift, scale);
      control.SetSize(rect);
      break;
    case kCarrierTipId:
    case kBootTipId:
    case kBitTipId:
    case kRepeatTipId: control.Move(rect.GetPosition()); break;
    default: control.SetSize(rect); break;
  }
}

// A check box or radio as wide as its text; the two that end their groups'
// rows note how far their text runs past the group box.
void CModulationParam::PlaceFittedChoice(wxWindow& control, int id, const wxRect& rect,
                                         stPlacement& placement) {
  control.SetSize(rect.x, rect.y, -1, rect.height);
  FitToText(id);
  const int textWidth = Scaled(control.GetSize().x, placement.scale);
  if (id == kManchesterRadioId) {
    const int group = FindWindow(kModuleGroupId)->GetClientSize().x;
    placement.moduleOverflow = std::max(0, textWidth - group);
    placement.moduleRight = rect.x + textWidth;
  } else if (id == kRepeatDataRadioId) {
    const int group = FindWindow(kRepeatTypeGroupId)->GetClientSize().x;
    placement.repeatOverflow = std::max(0, textWidth - group);
    placement.repeatRight = rect.GetRight() + 1;
  }
}

void CModulationParam::ShiftRadioGroups(const stPlacement& placement) {
  if (placement.moduleOverflow != 0) {
    ShiftGroup({kModuleGroupId, kPdmRadioId, kManchesterRadioId, kPolarityGroupId, kMarkFirstRadioId,
                kMarkAfterRadioId},
               {kPdmRadioId, kManchesterRadioId, kMarkFirstRadioId, kMarkAfterRadioId},
               placement.moduleOverflow, placement.moduleRight);
  }
  if (placement.repeatOverflow != 0) {
    ShiftGroup(
        {kBootCheckId, kBootTypeGroupId, kBootAgcRadioId, kBootManchesterRadioId, kRepeatCheckId,
         kRepeatTypeGroupId, kRepeatAgcRadioId, kRepeatDataRadioId, kRepeatWholeRadioId},
        {kBootAgcRadioId, kBootManchesterRadioId, kRepeatAgcRadioId, kRepeatDataRadioId, kRepeatWholeRadioId},
        placement.repeatOverflow, placement.repeatRight);
  }
}

// Moves the controls left by overflow from their elements; the radios end at
// right - overflow.
void CModulationParam::ShiftGroup(std::initializer_list<int> ids, std::initializer_list<int> radios,
                                  int overflow, int right) {
  for (const auto& [name, id] : kElements) {
    if (std::find(ids.begin(), ids.end(), id) == ids.end()) continue;
    wxRect rect;
    if (!m_layout.GetElementRect(name, rect)) continue;
    wxWindow* control = FindWindow(id);
    rect.x -= overflow;
    if (std::find(radios.begin(), radios.end(), id) != radios.end()) {
      const int width = control->GetSize().x;
      control->SetSize(right - overflow - width, rect.y, width, control->GetSize().y);
    } else {
      control->SetSize(rect);
    }
  }
}

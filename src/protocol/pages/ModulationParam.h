// The carrier and bit-timing page of a user-defined protocol (template 145):
// carrier frequency and duty, PDM or Manchester bit timing, the boot (lead)
// code and the repeat code, each previewed as a wave. Values go to the
// project document, the project's [Custom] section and the macro table
// through protocol/ModulationValues.h; the rules behind them are in
// protocol/ModulationModel.h.
#pragma once

#include "protocol/ModulationModel.h"
#include "protocol/ModulationValues.h"
#include "ui/LUEdit.h"
#include "ui/SubBaseDlg.h"

#include <array>
#include <vector>

class CDrawWave;
class CImageTipBtn;
class wxChoice;
class wxStaticBox;

class CModulationParam : public CSubBaseDlg {
 public:
  static constexpr int kTemplateId = 145;

  explicit CModulationParam(wxWindow* parent);
  ~CModulationParam() override;

  // The page protocol.
  void ApplyLanguage() override;
  bool LoadFromProject() override;
  bool ShowStoredValues() override;
  bool SaveToProject() override;
  bool StorePageData() override;
  bool CheckAndApply() override;
  void LayoutControls() override;
  void RefreshControls() override;
  void OnPageShown() override;

  // The labelled input of a control id; null for any other id.
  CLUEdit* GetEditById(int id);
  wxChoice* GetDutyList() const { return m_duty; }
  CDrawWave* GetWave(int id) const;
  const wxString& GetDefinitionFile() const { return m_definitions.Path(); }

  // True when the page may be left forward; else the failing input has the focus.
  bool ValidatePage();
  // The bit-0 / bit-1 rule in PDM; sets or clears the error line.
  bool CheckBitTimes();
  // With reset, empties the inputs and previews; else fills the inputs from
  // the document and rebuilds every preview.
  bool RefreshPreviews(bool reset);

 private:
  void CreateControls();
  void CreateInputs();
  void CreateStaticTexts();
  void CreateChoiceButtons();
  void CreateTipButtons();
  void BindEvents();

  // Definitions.
  bool BuildParamList(const wxString& path);
  bool LoadParamDefinition(int number, CLUEdit& input);
  bool LoadComboItems(int number);
  // What the controls hold, for the model.
  modulation::stPageValues ReadValues() const;
  void RefuseInput(int id, bool empty);
  bool ShowBitRule(modulation::BitRule rule);

  // Handlers.
  void OnModulationType(int id);
  void OnBootCodeCheck();
  void OnDutyChanged();
  void OnBit0Polarity(int id);
  void OnBootType(int id);
  void OnRepeatEnable();
  void OnRepeatType(int id);
  void OnEditChanged(wxCommandEvent& event);
  void HandleEditChanged(bool inRange, CLUEdit* input);
  void ShowBootContent();
  void ShowMarkSpaceTimes(int waveId, const char* captionKey, bool repaint);
  void ShowBitTimes(bool bitOne);
  // The bit previews' labels and captions from the half-bit time; the bit time.
  long ShowHalfBitTimes();
  void ShowBootDataTime(long bitTime);
  void OnBackgroundClick(wxMouseEvent& event);
  void OnTabKey(wxKeyEvent& event);

  // Rules that show, enable and reset controls.
  void UpdateBootControls();
  void ApplyModuleTypeVisibility();

  // Waves.
  void InitWaves();
  void RedrawBitWaves(bool reset);
  void DrawCarrierWave(std::uint32_t units);
  void RefreshCarrierWave();
  void DrawBootContentWave(CDrawWave* wave);
  void ResetPreviews();
  void ShowCarrierValues();
  void ShowBootValues();
  void ShowPdmBitValues();
  void ShowManchesterBitValues();
  void ShowRepeatValues();
  void AddSegments(CDrawWave* wave, const std::vector<int>& levels, bool repaint);
  void ShowMarkSpace(CDrawWave* wave, const wxString& mark, const wxString& space, bool repaint);
  void SetBitLabels(bool bitOne, const wxString& markText, const wxString& spaceText);
  void SetCarrierCaption(const wxString& frequencyText);
  void SetTimeCaption(int waveId, const char* key, long microseconds);

  // Control helpers.
  CLUEdit& Edit(int id);
  static bool IsInput(int id);
  wxString EditText(int id);
  void EmptyInput(int id);
  void PutParam(int id, int param);
  bool IsChecked(int id) const;
  void SetChecked(int id, bool checked);
  void ShowControls(std::initializer_list<int> ids, bool show);
  void EnableControls(std::initializer_list<int> ids, bool enable);
  void SendEditChanged(CLUEdit& input, bool inRange);
  void NotifyDataFormatPage(wxEventType type, int state);
  void ReportChange();
  void FitToText(int id);

  // Layout.
  struct stPlacement {
    double scale = 1.0;
    int moduleOverflow = 0;  // how far the module radios run past their group
    int repeatOverflow = 0;  // and the repeat radios past theirs
    int moduleRight = 0;
    int repeatRight = 0;
    int buttonShift = 0;
  };
  void RecheckShownInputs();
  void PlaceControl(wxWindow& control, int id, wxRect& rect, stPlacement& placement);
  void PlaceFittedChoice(wxWindow& control, int id, const wxRect& rect, stPlacement& placement);
  void ShiftRadioGroups(const stPlacement& placement);
  void ShiftGroup(std::initializer_list<int> ids, std::initializer_list<int> radios, int overflow, int right);

  modulation::CParamDefinitions m_definitions;
  std::vector<modulation::stListItem> m_dutyItems;
  std::array<CLUEdit, modulation::kInputIds.size()> m_edits;
  wxChoice* m_duty = nullptr;
  std::array<CDrawWave*, 5> m_waves = {};
  std::array<CImageTipBtn*, 4> m_tips = {};
  int m_manchesterMarkAfter = -1;
  int m_lastModuleType = -1;
  int m_lastBootType = -1;
  int m_lastRepeatType = -1;
  int m_markFirst = 1;
  int m_manchester = 0;
  int m_quiet = 0;
  bool m_wavesBound = false;

  wxDECLARE_ABSTRACT_CLASS(CModulationParam);
};

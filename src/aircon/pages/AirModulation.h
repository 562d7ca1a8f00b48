// The air-conditioner carrier and bit-timing page (template 147), the first
// step of the LCD flow: the sending scheme, the carrier (frequency, duty),
// the bit timing, the lead code and the connect code, each previewed as a
// wave. Its parameters P0..P9 are bound to the custom protocol's definitions;
// values go to the document, the project's [Custom] section and the macro
// table through aircon/AirModulationModel.h.
#pragma once

#include "aircon/AirModulationModel.h"
#include "ui/LUEdit.h"
#include "ui/SubBaseDlg.h"

#include <array>
#include <vector>

class CDrawWave;
class CImageTipBtn;
class CShellMessageEvent;
class wxChoice;

class CAirModulation : public CSubBaseDlg {
 public:
  static constexpr int kTemplateId = 147;

  explicit CAirModulation(wxWindow* parent);
  ~CAirModulation() override;

  // The page protocol.
  void ApplyLanguage() override;
  bool LoadFromProject() override;
  // Scheme s (-1: the last one); with skip only the lead-code flag is set.
  bool LoadFormatParameters(int scheme, int skip) override;
  bool SaveToProject() override;
  bool StorePageData() override;
  bool CheckAndApply() override;
  void LayoutControls() override;
  void RefreshControls() override;
  void OnPageShown() override;

  // The definitions of path bound to the controls, and the scheme list.
  void LoadParamDefinitions(const wxString& path);
  // The defaults of scheme s replace the document's carrier, timing and connect values.
  void LoadSchemeDefaults(int scheme);
  // True when the page may be left forward; else the failing input has the focus.
  bool Validate();
  // The bit-mark rule; sets or clears the error text.
  bool CheckBitMarks();

  // The labelled input of a control id; null for any other id.
  CLUEdit* GetEditById(int id);
  wxChoice* GetDutyList() const { return m_duty; }
  wxChoice* GetSchemeList() const { return m_schemes; }
  CDrawWave* GetWave(int id) const;
  const wxString& GetDefinitionFile() const { return m_definitions.Path(); }
  int GetSchemeIndex() const { return m_scheme; }

 private:
  void CreateControls();
  void CreateStaticTexts();
  void CreateTipButtons();
  void BindEvents();

  // Definitions.
  bool ApplyParamDefinition(int number, CLUEdit& input);
  bool FillComboFromParam(int number);
  void FillSchemeCombo();
  aircon::stAirValues ReadValues() const;
  void RefuseInput(int id, bool empty);
  bool ShowBitMarks(aircon::BitMarks marks);
  // The error text, on as many lines as its width needs.
  void SetErrorText(const wxString& text);

  // Interaction.
  void OnEditChanged(wxCommandEvent& event);
  void HandleEditChanged(bool inRange, CLUEdit* input);
  void OnDutySelChange();
  void OnSchemeSelChange();
  void OnSchemeChanged(CShellMessageEvent& event);
  void OnConnectRadio();
  void ApplyConnectSwitch();
  void SelectLastScheme();
  void OnShowPage(wxShowEvent& event);
  void OnBackgroundClick(wxMouseEvent& event);

  // Previews.
  void InitWaves();
  void ResetBitPictures(bool clear);
  void RefreshCarrierFromDuty();
  void SetCarrierCaption(const wxString& frequencyText);
  void ShowMarkSpace(int waveId, const wxString& mark, const wxString& space);
  void SetTimeCaption(int waveId, const char* key, long microseconds);
  void ShowTimes(int markId, int spaceId, int waveId, const char* captionKey);

  // Control helpers.
  CLUEdit& Edit(int id);
  wxString EditText(int id);
  void EmptyInput(int id);
  void PutParam(int id, int param);
  bool IsChecked(int id) const;
  void SetChecked(int id, bool checked);
  void EnableConnectTime(bool enable);
  void SendEditChanged(CLUEdit& input, bool inRange);
  void SendToPage(int templateId, wxEventType type, int wParam);
  void ReportChange();
  void PlaceControl(wxWindow& control, int id, wxRect& rect, double scale, int& buttonShift);
  void PlaceInputTips();

  modulation::CParamDefinitions m_definitions;
  std::vector<modulation::stListItem> m_dutyItems;
  std::array<CLUEdit, aircon::kInputIds.size()> m_edits;
  int m_updating = 0;  // 1 while ApplyLanguage runs
  wxChoice* m_duty = nullptr;
  wxChoice* m_schemes = nullptr;
  std::array<CDrawWave*, 4> m_waves = {};
  std::array<CImageTipBtn*, 4> m_tips = {};
  int m_scheme = 0;  // the page's copy of the document's AirFormatType
  wxString m_errorText;

  wxDECLARE_ABSTRACT_CLASS(CAirModulation);
};

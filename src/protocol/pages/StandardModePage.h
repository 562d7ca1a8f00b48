// The standard protocol page (template 129): the protocol chosen from the
// install's definitions, its carrier and wave picture, a duty cycle and the
// remote's address. It keeps its choice in the [Standard] section, hands the
// protocol's numbers to the project document and, on Next, expands the
// protocol's include file into the work folder.
#pragma once

#include "protocol/StandardProtocol.h"
#include "ui/LUEdit.h"
#include "ui/SubBaseDlg.h"

#include <vector>

class wxChoice;
class wxStaticBox;
class wxTextCtrl;

class CStandardModePage : public CSubBaseDlg {
 public:
  static constexpr int kTemplateId = 129;
  enum ControlId {
    kNextId = 1007,
    kCancelId = 1008,
    kFrequencyLabelId = 1047,
    kDutyLabelId = 1052,
    kAddressEditId = 1066,
    kAddressLabelId = 1094,
    kAddressUnitId = 1095,
    kPictureId = 1138,
    kProtocolListId = 1139,
    kDutyListId = 1140,
    kWavePreviewId = 1141,
    kProtocolLabelId = 1142,
    kFrequencyBoxId = 1143,
    kFrequencyUnitId = 1144,
  };

  explicit CStandardModePage(wxWindow* parent);

  // The page protocol.
  void ApplyLanguage() override;
  bool LoadFromProject() override;
  bool SaveToProject() override;
  bool StorePageData() override;
  bool CheckAndApply() override;
  void LayoutControls() override;
  void RefreshControls() override;
  void OnPageShown() override;

  // Reads the definitions at path, shows protocol 0; false after a message.
  bool LoadDefinitions(const wxString& path);
  // Fills the protocol list; true when it holds at least one protocol.
  bool LoadProtocolList(const wxString& path);
  // Shows the details and duty choices of the protocol at list index.
  bool ShowProtocolDetails(int index);
  // Checks the inputs in the page's order; false after a message.
  bool ValidateInputs();
  bool ReadAddress(const wxString& text);
  bool ReadFrequency(const wxString& text);
  // "Standard_Protocol_Images/<name>.png" of the install folder.
  void SetPicture(const wxString& name);
  void OnProtocolChanged();

  wxChoice* GetProtocolList() const { return m_protocolList; }
  wxChoice* GetDutyList() const { return m_dutyList; }
  wxTextCtrl* GetFrequencyBox() const { return m_frequencyBox; }
  CLUEdit& GetAddressInput() { return m_address; }
  const wxString& GetPicturePath() const { return m_picturePath; }
  wxWindow* GetPictureWindow() const { return m_picture; }

 private:
  void CreateControls();
  void BindEvents();
  void OnEditChanged(wxCommandEvent& event);
  void ReportChange();
  void DropFocus();
  // The protocol number (its "p%d") of a name, -1 when the table lacks it.
  int ProtocolNumberOf(const wxString& name) const;
  wxString SelectedProtocolName() const;
  wxString SelectedDutyLabel() const;
  bool SelectDuty(const wxString& label);
  void ClearInputs();
  // Asks once before cutting the key codes to the protocol's command bits;
  // false when the user cancels (nothing is cut).
  bool CutKeyCodes();
  bool GenerateIncludeFile();

  std::vector<wxString> m_protocols;  // list index = protocol number
  standard::CStandardDefinitions m_definitions;
  standard::stProtocolDetails m_details;
  standard::stCheckedValues m_checked;
  wxString m_picturePath;

  wxChoice* m_protocolList = nullptr;
  wxChoice* m_dutyList = nullptr;
  wxTextCtrl* m_frequencyBox = nullptr;
  wxStaticBox* m_wavePreview = nullptr;
  wxWindow* m_picture = nullptr;
  CLUEdit m_address;

  wxDECLARE_ABSTRACT_CLASS(CStandardModePage);
};

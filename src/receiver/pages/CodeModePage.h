// CCodeModePage: the decode window. The user captures a remote's signal with
// the receiver board, sees the wave, protocol, carrier, duty and data,
// collects key codes (general remotes) or frame texts (air-conditioner
// remotes) in a grid, hands them to the project or exports them to CSV, and
// updates the board's firmware. A modeless top-level window in one of two
// modes fixed at construction; the worker thread reports to it by messages.
#pragma once

#include "core/DocManage.h"
#include "receiver/decode/DecodeDisplay.h"
#include "ui/BaseDlg.h"
#include "ui/FontEx.h"
#include "ui/LUEdit.h"
#include "ui/UILayout.h"

#include <vector>

class CBLDCChartCtrl;
class CChartLineSeries;
class CIRGridCtrl;
class CIRRichEdit;
class CShellMessageEvent;
class IReceiverLink;
class wxCheckBox;
class wxListBox;

class CCodeModePage : public CBaseDlg {
 public:
  static constexpr int kTemplateId = 186;
  enum Mode : int { kGeneralMode = 0, kAirMode = 1 };

  // Control ids of the template.
  enum ControlId : int {
    kChartId = 1339,
    kDutyEditId = 1340,
    kProtocolEditId = 1341,
    kDataInfoId = 1342,
    kLockedFrameId = 1343,
    kLockedLabelId = 1344,
    kReceivedLabelId = 1345,
    kReceivedFrameId = 1346,
    kBitTextId = 1347,
    kAddressEditId = 1348,
    kCommandEditId = 1349,
    kAddressStartId = 1352,
    kAddressCountId = 1353,
    kCommandStartId = 1073,
    kCommandCountId = 1074,
    kFrequencyEditId = 1143,
    kFrameLengthEditId = 1144,
    kGridId = 1357,
    kStatusListId = 1367,
    kLockId = 1362,
    kAutoSaveId = 1363,
    kStartDecodeId = 1364,
    kSaveId = 1365,
    kImportId = 1366,
    kExportId = 1356,
    kPanLeftId = 1322,
    kPanRightId = 1323,
    kZoomInId = 1324,
    kZoomOutId = 1325,
    kFirmwareInfoId = 1358,
    kFirmwareVersionId = 1359,
    kUpdateFirmwareId = 1360,
    kColumnWidthButtonId = 1355,
  };

  explicit CCodeModePage(int mode);
  ~CCodeModePage() override;

  int GetMode() const { return m_mode; }
  wxIcon GetCaptionIcon() const override { return m_icon; }

  // Status list: the key's language text, used as a format with value unless it is -1.
  void AddStatusLine(const wxString& key, int value = -1);
  // Enables the controls by the worker's busy flags, the board state and the result.
  void RefreshButtons(int firmwareVersion);
  // Board connection display (WM_BOARD_STATE).
  void ShowBoardState(int state, int version);
  // Texts of the current language, status lines included.
  void UpdateTexts();
  // Air mode: the air key values into [KeyConfig] of the project being saved;
  // false when a write failed.
  virtual bool SaveDecodedKeys();

  // Writes the CSV export to the chosen path (".csv" appended when it has
  // none); false after the message when it cannot be written.
  bool ExportCsv(const wxString& chosenPath);

  // What tests and the shell look at.
  CIRGridCtrl* GetGrid() const { return m_grid; }
  CBLDCChartCtrl* GetChart() const { return m_chart; }
  CChartLineSeries* GetWaveSeries() const { return m_series; }
  wxListBox* GetStatusList() const { return m_statusList; }
  CDocManage& GetDecodeDocument() { return m_decodeDoc; }
  const std::vector<wxString>& GetStatusKeys() const { return m_statusKeys; }
  wxString GetControlText(int id) const;
  CLUEdit& GetBitEdit(int id);

 private:
  void CreateControls();
  void BindEvents();
  bool LoadLayout();
  void PlaceAndLabel();
  void ShowByMode();
  void PlaceFrameTexts();
  bool SetUpGrid();
  void SetUpChart();
  void SetUpBitEdits();
  void SetUpTips();
  void FillGridFromProject();
  void FitGridColumns();
  void RebuildStatusList();
  wxString StatusLineText(std::size_t index) const;
  IReceiverLink* Link() const;
  bool IsIdle() const;
  bool IsLocked() const;
  void SetControlText(int id, const wxString& text);

  // Board and thread messages.
  void OnBoardStateMessage(CShellMessageEvent& event);
  void OnStatusText(CShellMessageEvent& event);
  void OnProgress(CShellMessageEvent& event);
  void OnButtonState(CShellMessageEvent& event);
  void OnWaveBlock(CShellMessageEvent& event);
  void OnParse(CShellMessageEvent& event);
  void OnDecodeDone(CShellMessageEvent& event);
  void OnDecodeReset(CShellMessageEvent& event);
  void OnClose(wxCloseEvent& event);

  // Decode run.
  void ClearWave();
  bool PostDecodeGeneral();
  bool PostDecodeAir();
  bool CheckStandardLayout(decode::stBitRanges& ranges);
  decode::stBitRanges ReadBitRangeEdits() const;
  void ShowDuty();
  void FillChart();
  void OnHandEnteredRanges();
  void OnLock();
  void SaveResultToGrid();
  void Zoom(bool in);

  // Hand-over and export.
  void OnImport();
  bool CheckGridCodes();
  bool SaveBeforeImport();
  void ImportGeneral();
  void ImportAir();
  void OnExport();
  void OnUpdateFirmware();

  int m_mode;
  CUILayout m_layout;
  CIRRichEdit* m_lockedFrame = nullptr;
  CIRRichEdit* m_receivedFrame = nullptr;
  CIRGridCtrl* m_grid = nullptr;
  CBLDCChartCtrl* m_chart = nullptr;
  CChartLineSeries* m_series = nullptr;
  wxListBox* m_statusList = nullptr;
  wxCheckBox* m_lock = nullptr;
  wxCheckBox* m_autoSave = nullptr;
  int m_bottomMin = 0, m_bottomMax = 20;
  int m_leftMin = 0, m_leftMax = 20;
  CLUEdit m_addressEdit, m_commandEdit, m_addressStart, m_addressCount, m_commandStart, m_commandCount;
  bool m_connected = false;
  bool m_disconnectReported = false;
  int m_boardState = 0;
  CDocManage m_decodeDoc;
  std::uint8_t m_lockedProtocol = 0;
  wxString m_protocolName;
  int m_dataLength = 0;
  std::vector<wxString> m_statusKeys;
  std::vector<int> m_statusValues;
  CFontEx m_gridFont;
  wxIcon m_icon;
};

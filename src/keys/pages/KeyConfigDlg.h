// The key configuration page (template 137), the last page of every flow:
// keypad type, code type, IR driver mode and pin, the press-and-hold and
// two-key options, the pin picker whose pins are dragged onto the key lines,
// the saved key codes, the send preview, Back and Output. It keeps the key
// pins of the project consistent through the pin rules and writes and reads
// the [KeyConfig] section.
#pragma once

#include "keys/KeySourceGeneration.h"
#include "keys/PinRules.h"
#include "keys/pages/KeyPanels.h"
#include "ui/SubBaseDlg.h"
#include "ui/shell/ShellHooks.h"

#include <wx/cursor.h>

#include <memory>
#include <vector>

class CFuncDlg;
class CIOSetDlg;
class CKeyDlg;
class CIRGridCtrl;
class CKeyButton;
class CImageTipBtn;
class CKeyCellEditEvent;
class CPNGShow;
class CPngButton;
class CProjectFile;
class CShellMessageEvent;
class wxCheckBox;
class wxChoice;
class wxRadioButton;
class wxStaticBox;
class wxStaticText;

class CKeyConfigDlg : public CSubBaseDlg, public IShellPageExtras {
 public:
  static constexpr int kTemplateId = 137;
  enum ControlId {
    kBackId = 1006,
    kBasicGroupId = 1016,
    kIoGroupId = 1017,
    kDriverGroupId = 1018,
    kKeysGroupId = 1023,
    kKeypadComboId = 1113,
    kCodeTypeComboId = 1114,
    kKeypadLabelId = 1115,
    kKeypadWidthRefId = 1116,
    kRemRadioId = 1117,
    kRemdrvRadioId = 1118,
    kDriverPictureId = 1119,
    kDriverTipsId = 1120,
    kGridId = 1121,
    kPinButtonRefId = 1123,
    kCodeTypeLabelId = 1125,
    kRemLabelId = 1369,
    kRemComboId = 1370,
    kOutputId = 1371,
    kPressAndHoldId = 1383,
    kDoubleButtonId = 1384,
    kActionClickId = 1389,
    kActionHoldId = 1390,
    kActionDoubleId = 1391,
    kIoTipsId = 1398,
    kSwitchOffTextId = 1410,
    kSwitchPictureId = 1412,
    kSwitchOnTextId = 1413,
  };

  explicit CKeyConfigDlg(wxWindow* parent);
  ~CKeyConfigDlg() override;

  // The page protocol.
  void ApplyLanguage() override;
  bool LoadFromProject() override;
  bool SaveToProject() override;
  bool CheckAndApply() override;
  // Without keep, the page drops everything of the project it showed: the
  // key lines and their LED, the keys' codes and functions, the saved keys
  // and the REM pins.
  void RefreshView(int keep) override;
  void LayoutControls() override;
  bool ElementRect(const wxString& name, wxRect& out) const;
  void OnPageShown() override;

  // What the main dialog calls after a load and on an LCD change.
  void LoadKeyPins() override { LoadKeyPins(true); }
  void ApplyPinRules() override { ApplyPinRules(0); }
  void RefreshForLcdMode() override;

  // The key pin rules on the page's views.
  bool LoadKeyPins(bool noCheck);
  void ApplyPinRules(int flag);
  void MarkKeyPins();
  void ReleasePin(const wxString& pin);
  void RefreshPinAvailability();
  void FillRemPinList(bool reset);

  // A pin released over the page at a screen point: true when a key line took it.
  bool DropPin(const wxPoint& screenPoint, const wxString& pin);
  // A saved key code; a text the project file cannot hold is refused with a
  // message and nothing is added.
  bool AddSavedKey(std::uint16_t code, const wxString& text);

  // The package change the global selection offers; false when refused.
  bool ChangePackage(const wxString& package);

  // The function panel (LCD remotes) and the key panel it drops functions on.
  CFuncDlg* GetFuncPanel() const { return m_funcPanel; }
  IKeyPanel* GetKeyPanel() const { return m_keyPanel; }
  // The function button being dragged onto a key; null when none.
  CKeyButton* GetDragSource() const { return m_dragSource; }
  void SetDragSource(CKeyButton* button) { m_dragSource = button; }
  wxCursor GetDragCursor() const { return m_dragCursor; }

  // The six action lines of a key (click, hold and two keys, each on then
  // off) appended to lists: the line of the function assigned to the key for
  // that action and state, or the empty define. False when a function's
  // parameter data cannot fill its line (nothing is appended then).
  bool AppendKeyActionDefines(int key, int keyNumber, std::vector<wxString> (&lists)[6]);
  // The key action macros and the functions' range macros into the macro
  // table; on bad action data a message names the function and key, and the
  // table is left as it was.
  bool WriteKeyActionDefines();

  void MarkModified();

  CIOSetDlg* GetPinPicker() const { return m_picker; }
  CKeyDlg* GetTouchKeyDialog() const { return m_touchKeys; }
  IKeySetPanel* GetKeySetPanel() const { return m_keySet; }
  CIRGridCtrl* GetGrid() const { return m_grid; }
  wxWindow* GetSendPreviewArea() const { return m_previewArea; }
  bool IsTouchChip() const { return m_touch; }
  const std::vector<wxString>& GetReservedPins() const { return m_rules->Reserved(); }

 private:
  static constexpr int kGridColumnWidth = 80;
  static constexpr int kButtonWidth = 100;
  static constexpr int kButtonHeight = 30;

  // Controls, events and texts (KeyConfigDlgControls.cpp).
  void CreateControls();
  void CreateBasicControls();
  void CreateDriverControls();
  void CreateLcdControls();
  void CreatePanels();
  void CreateKeySetPanel();
  void CreatePinPicker();
  void InitGrid();
  void CreateFunctionPanels();
  void BindEvents();
  void BindControlEvents();
  void BindKeyLineMessages();
  void BindPanelRelays();
  void BindFunctionMessages();
  void ApplyGroupTexts();
  void ApplyGridHeaders();
  void FillKeypadCombo();
  void FillCodeTypeCombo();

  // Layout (KeyConfigDlgLayout.cpp).
  void PlaceInside(wxWindow* panel, const wxRect& group, int rightInset);
  void LayoutPinGroup(bool lcd);
  void LayoutDriverGroup();
  void LayoutBasicGroup(bool lcd);
  void LayoutComboRows();
  void LayoutKeysGroup();
  void LayoutKeyArea(bool lcd);
  void LayoutPageButtons();
  void LayoutPowerSwitch();
  void PlacePanels();
  void ShowDriverPicture();
  void ShowLcdControls(bool lcd);
  void ShowActionRadios();

  // Pins (KeyConfigDlgPins.cpp).
  wxString ChipIniPath() const;
  // The key lines changed: the document's key-pin list follows them.
  void KeyLinesChanged();
  void MovePickerToPackage(const wxString& old, const wxString& package);
  void OnPackageOffered(CShellMessageEvent& event);

  // The page's flow (KeyConfigDlg.cpp).
  bool IsLcd() const;
  // The key panel follows the key lines.
  void SyncKeyPanel();
  void SetUpKeypadForProject();
  void LoadPickerForProject();
  void ShowControlsForProject();
  void SelectDriverModeRadio();
  void ShowKeyOptions();
  bool ApplyKeyConfig();
  void LoadKeyPanel(const CProjectFile& file);
  // A general remote's key sources, into the work folder.
  bool GenerateKeySources();
  std::vector<stSavedKeyRow> SavedKeyGridRows() const;
  void FillSavedKeyGrid();
  void OnBack();
  void OnOutput();
  void OnKeypadChange();
  void ResetKeypad(int keypad);
  void OnCodeTypeChange();
  void OnDriverMode(int id);
  void OnChipDriverMode();
  void OnRemPinChange();
  void SetPressAndHold(bool on);
  bool ConfirmTimerOff();
  void OnDoubleButton();
  void OnActionRadio(int id);
  void ApplyButtonMode();
  void EnableHoldAction(bool on);
  void EnableDoubleAction(bool on);
  void SelectClickAction();
  void OnButtonStateChanged();
  void OnKeyCellEdit(CKeyCellEditEvent& event);
  void OnShowPage(wxShowEvent& event);
  void ShowGuide();

  // Functions on keys (KeyConfigFunctions.cpp).
  wxString FunctionListPath() const;
  void LoadFunctionPanel();
  void ReloadFunctionButtons();
  void OnKeyFuncAssign(CShellMessageEvent& event);
  void OnKeySetSelect(CShellMessageEvent& event);
  void OnKeyRecord(CShellMessageEvent& event);
  // The function on the key leaves it; true when there was one.
  bool ReleaseFunctionOn(int key, bool asDragSource);

  IKeySetPanel* m_keySet = nullptr;
  CIOSetDlg* m_picker = nullptr;
  CKeyDlg* m_touchKeys = nullptr;
  CIRGridCtrl* m_grid = nullptr;
  ISendPreviewPanel* m_preview = nullptr;
  wxWindow* m_previewArea = nullptr;
  std::unique_ptr<CKeyPinRules> m_rules;
  CFuncDlg* m_funcPanel = nullptr;
  IKeyPanel* m_keyPanel = nullptr;
  bool m_keyPanelHosted = false;  // placed by the key set-up
  CKeyButton* m_dragSource = nullptr;
  wxCursor m_dragCursor;

  wxStaticBox* m_groups[4] = {};
  wxChoice* m_keypadCombo = nullptr;
  wxChoice* m_codeTypeCombo = nullptr;
  wxChoice* m_remCombo = nullptr;
  CPngButton* m_driverPicture = nullptr;
  CImageTipBtn* m_driverTips = nullptr;
  CImageTipBtn* m_ioTips = nullptr;
  CPNGShow* m_switchPicture = nullptr;
  wxString m_remdrvPicture;
  wxString m_remPicture;

  bool m_touch = false;
  bool m_loadingGuard = false;
  // Set while a pin rule runs: nothing re-enters the rules meanwhile.
  bool m_pinRulesRunning = false;

  wxDECLARE_ABSTRACT_CLASS(CKeyConfigDlg);
};

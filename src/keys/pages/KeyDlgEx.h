// CKeyDlgEx (dialog 155): the scrollable key panel. It shows the remote's
// keys laid out like the key matrix or step keypad they are wired to, draws
// their wiring, and
// - in a general remote lets the user type each key's command code into its
//   code box (an in-place CLUMaskEdit, two hexadecimal digits, range 0 up to
//   the largest code the command carries); a commit stores the parsed value
//   in the key-code slot of the cell;
// - in an LCD remote holds a key button per cell that functions are dropped
//   on (free keys only: never a reserved key or a key whose action is taken);
// - on the touch chip shows the eight touch keys with their trigger values.
// It writes its keys of [KeyConfig] (keys/KeyItems.h) and reads them back.
#pragma once

#include "keys/KeyItems.h"
#include "keys/pages/KeyPanelDrawing.h"
#include "keys/pages/KeyPanels.h"

#include <wx/panel.h>

#include <vector>

class CKeyButton;
class CLUEdit;
class CLUMaskEdit;
class wxCheckBox;
class wxStaticText;

class CKeyDlgEx : public wxPanel, public IKeyPanel {
 public:
  static constexpr int kTemplateId = 155;
  static constexpr int kFirstKeyId = 4500;
  static constexpr int kEditorId = 4500;
  static constexpr int kFirstTouchKeyId = 3000;
  static constexpr int kFirstTouchNumberId = 3500;
  static constexpr int kFirstTriggerId = 4000;
  static constexpr int kFirstTouchValueId = 4500;
  static constexpr int kHighSensitivityId = 2237;
  static constexpr int kScrollLine = 15;

  explicit CKeyDlgEx(wxWindow* parent);
  ~CKeyDlgEx() override;

  // --- IKeyPanel.
  wxWindow* GetWindow() override { return this; }
  bool DropFunction(const wxPoint& screenPoint, CKeyButton* function) override;
  CKeyButton* ResolveKey(int reference) override;
  int KeyReference(const CKeyButton* key) override;
  std::vector<stKeyInUse> KeysInUse() override;
  void SetButtonMode(int mode) override;
  void SetButtonState(int state) override;
  bool WriteKeys(const CProjectFile& file) override;
  void LoadKeys(const CProjectFile& file) override;
  void SetupKeys(int keypad, int lineLimit, const stKeyLineCounts& inUse, bool touch) override;
  void ClearKeys() override;
  void OnTouchChoice(long key, long state) override;
  bool WriteKeyCommandTable(const wxString& path, const KeyNameMap& names) override;

  // --- The keypad.
  // The size of one key cell (its width A is what the layout follows).
  void SetKeyCellRect(const wxRect& rect) { m_cellRect = rect; }
  // Builds an empty keypad of n lines (step) or n columns (matrix): key
  // buttons in an LCD remote, the code editor in a general one.
  void BuildKeypad(int lines, bool matrix);
  // The lines in use (step) or columns and rows in use (matrix, the VSS row
  // included); codes outside them are dropped unless an LCD remote or a
  // project is being loaded.
  void SetActiveSize(int active, int activeRows = 0);
  void CreateTouchKeys(int count);
  void DestroyKeys();
  const stKeypadShape& Shape() const { return m_shape; }
  bool IsTouch() const { return m_touch; }

  // --- Codes.
  const CKeySlotTable& Slots() const { return m_slots; }
  void SetKeySlot(int slot, std::int32_t code);
  int ClearKeySlots();
  // The VSS line switched: codes move with their keys.
  void ShiftForVssLine(bool on);

  // --- Keys.
  CKeyButton* GetKeyButton(int index, bool touch) const;
  // Position (column << 8 | row) of a key window, a touch key's index, or -1.
  int GetKeyPosition(const wxWindow* key) const;
  // The first key cell is reserved (drawn disabled, takes no function) or free again.
  void ReserveFirstKey(bool reserve);
  void SetTouchKeyEnabled(int index, bool on);
  // Every touch key in use has an action and a value in range; else the first
  // failure is shown and false returned.
  bool CheckTouchKeys();
  CLUEdit* GetTouchValueEdit(int index) const;
  wxCheckBox* GetHighSensitivityCheck() const { return m_highSensitivity; }
  void RefreshKeys();

  // --- The code editor and scrolling.
  CLUMaskEdit* GetCodeEditor() const { return m_editor; }
  // The cell being edited; -1 while the editor is closed.
  int EditedCell() const { return m_editedCell; }
  // A cell's code box in client coordinates (scrolled).
  wxRect CellBoxRect(int cell) const;
  // The whole keypad's size.
  wxSize GetPanelExtent() const;
  int ScrollX() const { return m_scrollX; }
  int ScrollY() const { return m_scrollY; }
  void ScrollTo(int x, int y);

  // Paints the keypad as the panel shows it.
  void Paint(wxDC& dc);

 private:
  stKeyDrawContext DrawContext() const;
  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnScroll(wxScrollWinEvent& event);
  void OnWheel(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnEditChanged(wxCommandEvent& event);
  void OnMaskKey(wxCommandEvent& event);
  void OnHighSensitivity(wxCommandEvent& event);
  void UpdateScrollBars();
  void ScrollAxis(int orientation, int position);
  void OpenEditor(int cell);
  void CommitEditor();
  void CloseEditor(bool report);
  void MarkKeyLines(int cell);
  void ReportChange();
  void Select(int reference, const wxString& name, bool twoKeys);
  void PlaceKeyButtons();
  bool IsLcd() const;
  int KeyIndexOf(const wxWindow* key) const;
  wxWindow* Page() const;

  stKeypadShape m_shape;
  CKeySlotTable m_slots;
  wxRect m_cellRect{0, 0, 40, 18};
  bool m_touch = false;
  std::vector<CKeyButton*> m_keys;
  std::vector<CKeyButton*> m_touchKeys;
  std::vector<wxStaticText*> m_touchNumbers;
  std::vector<wxStaticText*> m_triggers;
  std::vector<CLUEdit*> m_touchValues;
  std::vector<std::int32_t> m_touchValueDefaults;
  wxCheckBox* m_highSensitivity = nullptr;
  CLUMaskEdit* m_editor = nullptr;
  int m_editedCell = -1;
  int m_previousCell = -1;
  int m_scrollX = 0;
  int m_scrollY = 0;
};

// Makes the key page's key panel a CKeyDlgEx.
void RegisterKeyDlgEx();

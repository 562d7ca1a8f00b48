// CFuncDlg (dialog 156): the scrollable two-column panel of function buttons
// on the key configuration page of an LCD remote. It holds the functions of
// the protocol's KeyConfig.ini ("list" 0) and the user-defined functions of
// the air-conditioner data format ("list" 1), draws each as free, assigned
// or unusable for the document's button mode and state, hands a dragged
// function to the key panel and answers which function is on which key.
#pragma once

#include "keys/FunctionList.h"

#include <wx/panel.h>

#include <functional>
#include <vector>

class CKeyButton;
class IKeyPanel;

class CFuncDlg : public wxPanel {
 public:
  static constexpr int kTemplateId = 156;
  // The grid the page lays the buttons out on.
  static constexpr int kTop = 8, kLeft = 10, kButtonWidth = 80, kButtonHeight = 30;

  explicit CFuncDlg(wxWindow* parent);
  ~CFuncDlg() override;

  // Where the key panel that takes dropped functions is found.
  void SetKeyPanelSource(std::function<IKeyPanel*()> source) { m_keyPanel = std::move(source); }

  void Clear();
  void ApplyLanguage();
  // The function list from the "Fun%d" sections; returns the number built.
  int LoadFunctions(int top, int left, int width, int height, const wxString& iniPath);
  // Builds or updates the user-function buttons after count shown buttons.
  int LoadUserFunctions(int top, int left, int width, int height, int count);
  // Places the function list by each button's enable expression; returns the number shown.
  int Relayout(int top, int left, int width, int height, bool reset);
  void UpdateScrollBars();
  // The panel's rectangle with the content's height.
  wxRect GetContentRect() const;

  void ResetAssignments();
  void RefreshForState(bool on);
  void RefreshForMode(int mode);
  // Re-reads the switch states of the functions that follow their records;
  // a function whose state changed leaves its key (which: 0 the key code, 1
  // the second key index).
  void ReloadFunctionStates(int which);
  void SyncButtonsByName(CKeyButton* button, bool released);
  // The key panel takes the dragged function at the screen point; when no key
  // takes it, the function is free again.
  bool DropOnKeyPanel(const wxPoint& screenPoint, CKeyButton* dragged);
  void ReportAssignments();
  void ReportUserFunction(int index);

  CKeyButton* FindAssignedFunction(int key, std::uint16_t actionMask, std::uint16_t stateMask) const;
  CKeyButton* FindForCurrentAction(int key) const;
  CKeyButton* FindTwoKeyFunction(int key) const;
  CKeyButton* FindByKey(int key) const;
  // Position in list 0, else in list 1, of the button whose caption key is
  // the name (any case); -1 when none.
  int FindIndexByName(const wxString& captionKey, int& list) const;
  CKeyButton* FindByNumber(int list, int number) const;
  wxString GetFunctionName(int list, int number) const;
  std::uint16_t GetBtnState(int list, int number) const;
  std::uint16_t GetBtnMode(int list, int number) const;
  bool BeginEnum(int list);
  bool GetNextButton(CKeyButton*& button, int list);

  const std::vector<CKeyButton*>& Functions() const { return m_functions; }
  const std::vector<CKeyButton*>& UserFunctions() const { return m_userFunctions; }
  int ScrollX() const { return m_scrollX; }
  int ScrollY() const { return m_scrollY; }

 private:
  const std::vector<CKeyButton*>& List(int list) const { return list == 0 ? m_functions : m_userFunctions; }
  CKeyButton* CreateButton(const stFunctionDef& def, const wxRect& rect);
  void RefreshStates(std::uint16_t actionMask, std::uint16_t stateMask);
  void OnScroll(wxScrollWinEvent& event);
  void ScrollBy(int orientation, int delta);

  std::vector<CKeyButton*> m_functions;
  std::vector<CKeyButton*> m_userFunctions;
  wxString m_iniPath;
  int m_enumPosition = -1;
  int m_scrollX = 0;
  int m_scrollY = 0;
  std::function<IKeyPanel*()> m_keyPanel;
};

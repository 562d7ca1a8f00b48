// CKeyDlg (dialog 194): the touch-key dialog of the key configuration page.
// Eight check boxes "KEY1".."KEY8" (ids 1385..1392) pick which of the touch
// chip's keys are used; each choice is stored at once in the document's
// touch-key flags, reported to the page with WM_KEYDLG_CHOICE (the key, the
// check state) and marks the project modified.
#pragma once

#include <wx/panel.h>

#include <functional>

class CProjectFile;
class wxCheckBox;

class CKeyDlg : public wxPanel {
 public:
  static constexpr int kTemplateId = 194;
  static constexpr int kFirstCheckId = 1385;
  static constexpr int kKeyCount = 8;

  explicit CKeyDlg(wxWindow* parent);

  // The boxes show the document's flags.
  void ShowTouchKeyFlags();
  // "TouchKey" of [KeyConfig]: "1," or "0," per box in order.
  bool SaveTouchKeys(const CProjectFile& file) const;
  // Called after every change the user makes.
  void SetChangedHandler(std::function<void()> handler) { m_changed = std::move(handler); }

  wxCheckBox* GetCheck(int key) const { return m_checks[key]; }

 private:
  void OnTouchKeyClicked(wxCommandEvent& event);
  void OnSize(wxSizeEvent& event);

  wxCheckBox* m_checks[kKeyCount] = {};
  std::function<void()> m_changed;
};

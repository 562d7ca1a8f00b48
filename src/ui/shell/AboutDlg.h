// The About box: program, framework and receiver-board versions.
#pragma once

#include "ui/BaseDlg.h"
#include "ui/UILayout.h"

#include <array>

class CAboutDlg : public CBaseDlg {
 public:
  static constexpr int kTemplateId = 100;

  // versions: the standard, user-defined, LCD-simple and LCD-standard
  // frameworks; board: the board's firmware text ("N/A" without a board).
  CAboutDlg(wxWindow* parent, const std::array<wxString, 4>& versions, const wxString& board,
            const wxIcon& icon);

  wxIcon GetCaptionIcon() const override { return m_icon; }

 private:
  void CreateControls();
  void PlaceControls();

  std::array<wxString, 4> m_versions;
  wxString m_board;
  wxIcon m_icon;
  CUILayout m_layout;
};

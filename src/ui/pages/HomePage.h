// The start page (template 130): the brand's logo, the start picture, Next
// (to the example page) and Cancel (ends the program).
#pragma once

#include "ui/SubBaseDlg.h"

class CHomePage : public CSubBaseDlg {
 public:
  static constexpr int kTemplateId = 130;
  enum ControlId {
    kNextId = 1007,
    kCancelId = 1008,
    kPictureId = 1009,
    kTarvikLogoId = 1380,
    kLumoraLogoId = 1399,
  };

  explicit CHomePage(wxWindow* parent);

  void ApplyLanguage() override;
  void LayoutControls() override;

 private:
  void OnPaint(wxPaintEvent& event);
  // Where the faint background picture goes: below the maker logo.
  wxRect BackgroundArea() const;

  wxRect m_clientRect;
  int m_templateButtonWidth = 0;

  wxDECLARE_ABSTRACT_CLASS(CHomePage);
};

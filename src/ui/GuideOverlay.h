// The step-by-step guide a page shows over itself the first time the user
// reaches it: a rounded, slightly transparent window with one guide picture
// at a time (a still picture or an animated GIF), Previous and Next buttons,
// a button to ask not to be shown the guide again, and Close.
//
// The owner appends picture names (relative to the install folder's images
// folder) to the steps, may hide the "do not show again" button and set the
// start step, then runs the dialog modally: wxID_OK when the user asked not
// to see the guide again, wxID_CANCEL for Close and Escape.
#pragma once

#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/font.h>

class CPictureEx;
class CPngButton;

class CMaskWndDlg : public wxDialog {
 public:
  static constexpr int kTemplateId = 162;
  static constexpr int kIdNext = 1134;
  static constexpr int kIdPicture = 1135;
  static constexpr int kIdPrevious = 1136;
  static constexpr int kOpacity = 230;
  static constexpr int kCornerSize = 20;

  explicit CMaskWndDlg(wxWindow* parent);

  // Picture names, in order.
  wxArrayString& GetSteps() { return m_steps; }
  void SetShowNoPrompt(bool show) { m_showNoPrompt = show; }
  bool GetShowNoPrompt() const { return m_showNoPrompt; }
  void SetStepIndex(int index) { m_index = index; }
  int GetStepIndex() const { return m_index; }

  // Shows step index: its picture (an animation is stopped first) and the
  // buttons that lead on from it.
  void ShowStep(int index);

  CPictureEx* GetPicture() const { return m_picture; }
  CPngButton* GetPreviousButton() const { return m_previous; }
  CPngButton* GetNextButton() const { return m_next; }
  wxButton* GetNoPromptButton() const { return m_noPrompt; }
  wxButton* GetCloseButton() const { return m_close; }
  const wxSize& GetPictureArea() const { return m_pictureArea; }

 private:
  void CreateControls();
  void OnInitDialog(wxInitDialogEvent& event);
  void ApplyShape();
  void OnPaint(wxPaintEvent& event);
  void OnNoPrompt(wxCommandEvent& event);

  wxArrayString m_steps;
  int m_index = 0;
  bool m_showNoPrompt = true;
  bool m_initialised = false;
  wxSize m_pictureArea{640, 360};
  CPngButton* m_previous = nullptr;
  CPngButton* m_next = nullptr;
  CPictureEx* m_picture = nullptr;
  wxButton* m_noPrompt = nullptr;
  wxButton* m_close = nullptr;
  wxFont m_captionFont{wxFontInfo(15).FaceName("Arial")};
  wxString m_status = "initializing...";
};

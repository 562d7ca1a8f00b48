// A read-only code display on a rich text control: bold Courier text that
// can mark in red every character that differs from a reference text.
#pragma once

#include <wx/richtext/richtextctrl.h>

#include <utility>
#include <vector>

// Runs [from, to) of text to mark against reference: the positions within
// both texts where the characters differ, and every character of text past
// the reference's length. A text shorter than the reference is compared
// over its own length only.
std::vector<std::pair<long, long>> FindDifferenceRuns(const wxString& text, const wxString& reference);

class CIRRichEdit : public wxRichTextCtrl {
 public:
  static constexpr int kPointSize = 13;  // 256 twips, rounded to whole points
  static const wxColour kTextColour;
  static const wxColour kMarkColour;

  CIRRichEdit() = default;
  CIRRichEdit(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize);
  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize);

  // All text black.
  void ResetColours();
  // Shows text, all black, and disables the control (a display, not an input).
  void SetText(const wxString& text);
  const wxString& GetText() const { return m_text; }
  // Colours the shown text black, then red where it differs from reference
  // (see FindDifferenceRuns), and disables the control.
  void MarkDifferences(const wxString& reference);

  // The colour of the character at position.
  wxColour GetCharColour(long position);

 private:
  wxRichTextAttr MakeFormat(const wxColour& colour) const;
  void ApplyFormat(long from, long to, const wxColour& colour);

  wxString m_text;
};

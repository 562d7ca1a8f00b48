#include "ui/IRRichEdit.h"

#include <algorithm>

const wxColour CIRRichEdit::kTextColour(0, 0, 0);
const wxColour CIRRichEdit::kMarkColour(255, 0, 0);

std::vector<std::pair<long, long>> FindDifferenceRuns(const wxString& text, const wxString& reference) {
  std::vector<std::pair<long, long>> runs;
  const long length = static_cast<long>(text.length());
  const long common = std::min(length, static_cast<long>(reference.length()));
  auto mark = [&runs](long position) {
    if (!runs.empty() && runs.back().second == position) {
      ++runs.back().second;
    } else {
      runs.emplace_back(position, position + 1);
    }
  };
  for (long i = 0; i < common; ++i) {
    if (text[i] != reference[i]) mark(i);
  }
  if (length > common) {
    if (!runs.empty() && runs.back().second == common) {
      runs.back().second = length;
    } else {
      runs.emplace_back(common, length);
    }
  }
  return runs;
}

CIRRichEdit::CIRRichEdit(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  Create(parent, id, pos, size);
}

bool CIRRichEdit::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!wxRichTextCtrl::Create(parent, id, wxEmptyString, pos, size,
                              wxRE_MULTILINE | wxRE_READONLY | wxBORDER_SIMPLE)) {
    return false;
  }
  SetBasicStyle(MakeFormat(kTextColour));
  return true;
}

wxRichTextAttr CIRRichEdit::MakeFormat(const wxColour& colour) const {
  wxRichTextAttr format;
  format.SetFontFaceName("Courier");
  format.SetFontFamily(wxFONTFAMILY_TELETYPE);
  format.SetFontWeight(wxFONTWEIGHT_BOLD);
  format.SetFontPointSize(kPointSize);
  format.SetTextColour(colour);
  return format;
}

void CIRRichEdit::ApplyFormat(long from, long to, const wxColour& colour) {
  if (to > from) SetStyle(from, to, MakeFormat(colour));
}

void CIRRichEdit::ResetColours() { ApplyFormat(0, GetLastPosition(), kTextColour); }

void CIRRichEdit::SetText(const wxString& text) {
  m_text = text;
  SetValue(text);
  ResetColours();
  Enable(false);
}

void CIRRichEdit::MarkDifferences(const wxString& reference) {
  const wxString shown = GetValue();
  ResetColours();
  if (shown.empty()) return;
  for (const auto& run : FindDifferenceRuns(shown, reference))
    ApplyFormat(run.first, run.second, kMarkColour);
  Enable(false);
}

wxColour CIRRichEdit::GetCharColour(long position) {
  wxRichTextAttr attr;
  if (!GetStyle(position, attr) || !attr.HasTextColour()) return wxColour();
  return attr.GetTextColour();
}

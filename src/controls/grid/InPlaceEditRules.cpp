#include "controls/grid/InPlaceEditRules.h"

#include "core/Numbers.h"

#include <wx/defs.h>

EditStart ClassifyEditStart(int key) {
  switch (key) {
    case kGridEditByMouse:
    case WXK_RETURN: return EditStart::CaretAtEnd;
    case WXK_BACK: return EditStart::DeleteLast;
    case WXK_TAB:
    case WXK_SPACE:
    case WXK_PAGEUP:
    case WXK_PAGEDOWN:
    case WXK_END:
    case WXK_HOME:
    case WXK_LEFT:
    case WXK_UP:
    case WXK_RIGHT:
    case WXK_DOWN: return EditStart::SelectAll;
    default: return EditStart::ReplaceWithChar;
  }
}

namespace {

bool IsDigit(wxChar ch) { return ch >= '0' && ch <= '9'; }

bool IsHexLetter(wxChar ch) { return (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'); }

// Long enough texts could wrap the 32-bit reading round to a small value.
bool ValueBelow256(const wxString& text) {
  wxString digits = text.Upper();
  digits.Replace("0X", "");
  digits.Replace("H", "");
  while (digits.length() > 1 && digits[0] == '0') digits.erase(0, 1);
  if (digits.length() > 3) return false;
  return ParseNumber(text) < 256;
}

}  // namespace

bool HexEditAccepts(const wxString& text, wxChar ch) {
  if (ch == 'x' || ch == 'X') return !text.Upper().Contains("X") && text == "0";
  // Without "0x" the text reads as decimal, where a letter would be lost.
  if (IsHexLetter(ch) && !text.Upper().Contains("X")) return false;
  if (!IsDigit(ch) && !IsHexLetter(ch)) return false;
  return ValueBelow256(text + ch);
}

bool HexEditTextValid(const wxString& text) {
  wxString typed;
  for (const wxUniChar ch : text) {
    if (!HexEditAccepts(typed, static_cast<wxChar>(ch.GetValue()))) return false;
    typed += ch;
  }
  return true;
}

wxString NormalizeHexEditText(const wxString& text) {
  const wxString lower = text.Lower();
  if (!lower.Contains("x")) return wxString::Format("0x%02x", ParseNumber(lower) & 0xFF);
  if (lower.length() < 3) return "0x00";
  return lower;
}

bool TitleTipNeeded(int titleLeft, int titleRight, int textWidth, int xOffset) {
  return titleLeft + xOffset + textWidth + xOffset > titleRight - xOffset;
}

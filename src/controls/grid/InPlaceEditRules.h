// The rules of the in-place editors that do not need a window: what the
// one-byte hexadecimal editor accepts, how it writes its text back, how an
// edit starts from the key that opened it, and when a title tip is needed.
#pragma once

#include <wx/string.h>

// The "character" that opens an editor by a mouse click.
constexpr int kGridEditByMouse = 1;

// How an editor treats the key or character that opened it.
enum class EditStart {
  CaretAtEnd,       // mouse or Enter
  DeleteLast,       // Backspace: caret at the end, then one character removed
  SelectAll,        // Tab, space and the navigation keys (wx key codes)
  ReplaceWithChar,  // any other character replaces the whole text
};
EditStart ClassifyEditStart(int key);

// Whether the hexadecimal editor takes ch after text: 0-9 (and a-f, A-F
// once the text has its "0x") are taken while the text with ch appended,
// read by the number rule, stays below 256; x or X only right after a lone "0".
bool HexEditAccepts(const wxString& text, wxChar ch);

// Whether the hexadecimal editor could hold text, typed one character at a time.
bool HexEditTextValid(const wxString& text);

// The text the hexadecimal editor leaves behind: lower case, "0x%02x" when
// there was no "x", "0x00" for a bare "0x". Values above one byte (only a
// paste can bring them) keep their low byte.
wxString NormalizeHexEditText(const wxString& text);

// A title tip shows only when the text (plus the offset on both sides)
// would run past the title rectangle's right edge.
bool TitleTipNeeded(int titleLeft, int titleRight, int textWidth, int xOffset);

#include "keys/KeyPins.h"

#include <wx/wxcrt.h>

#include <algorithm>

bool SamePin(const wxString& a, const wxString& b) { return a.CmpNoCase(b) == 0; }

bool ContainsPin(const std::vector<wxString>& pins, const wxString& pin) {
  return std::any_of(pins.begin(), pins.end(), [&](const wxString& entry) { return SamePin(entry, pin); });
}

bool RemovePinFrom(std::vector<wxString>& pins, const wxString& pin) {
  const auto end =
      std::remove_if(pins.begin(), pins.end(), [&](const wxString& p) { return SamePin(p, pin); });
  const bool found = end != pins.end();
  pins.erase(end, pins.end());
  return found;
}

std::vector<wxString> SplitPinList(const wxString& text) {
  std::vector<wxString> out;
  if (text.empty()) return out;
  wxString rest = text;
  for (;;) {
    const int comma = rest.Find(',');
    wxString part = comma == wxNOT_FOUND ? rest : rest.Left(comma);
    out.push_back(part.Trim(true).Trim(false));
    if (comma == wxNOT_FOUND) break;
    rest = rest.Mid(comma + 1);
  }
  return out;
}

wxString JoinPinList(const std::vector<wxString>& pins) {
  wxString out;
  for (std::size_t i = 0; i < pins.size(); ++i) {
    if (i) out += ",";
    out += pins[i];
  }
  return out;
}

wxString PinOfEntry(const wxString& entry) {
  wxString text = entry;
  text.Trim(false);
  std::size_t length = 0;
  while (length < text.length() && (wxIsalnum(text[length]) || text[length] == '_')) ++length;
  return text.Left(length);
}

stKeyPinList ParseKeyPinList(const wxString& text, int keypad) {
  stKeyPinList list;
  const std::vector<wxString> parts = SplitPinList(text);
  if (keypad != kKeypadMatrix) {
    list.io = parts;
    return list;
  }
  bool inRows = false;
  for (const wxString& part : parts) {
    if (!inRows && part.empty()) {
      inRows = true;
      continue;
    }
    (inRows ? list.rows : list.columns).push_back(part);
  }
  return list;
}

wxString FormatKeyPinList(const stKeyPinList& list, int keypad) {
  if (keypad != kKeypadMatrix) return JoinPinList(list.io);
  std::vector<wxString> parts = list.columns;
  parts.push_back(wxString());
  parts.insert(parts.end(), list.rows.begin(), list.rows.end());
  return JoinPinList(parts);
}

bool KeyPinListMatches(const stKeyPinList& list, int keypad, const stKeyLineCounts& counts, bool vssLine) {
  if (keypad != kKeypadMatrix) return static_cast<int>(list.io.size()) == counts.io;
  const int listedRows = counts.rows - (vssLine ? 1 : 0);
  return static_cast<int>(list.columns.size()) == counts.columns &&
         static_cast<int>(list.rows.size()) == listedRows;
}

stKeyLineCounts KeypadSizeFor(const stKeyPinList& list, int keypad, bool vssLine, bool lcdRemote) {
  stKeyLineCounts size;
  if (keypad != kKeypadMatrix) {
    size.io = static_cast<int>(list.io.size());
    if (lcdRemote && !vssLine) size.io = std::max(0, size.io - 1);
    return size;
  }
  size.columns = static_cast<int>(list.columns.size());
  size.rows = static_cast<int>(list.rows.size()) + (vssLine ? 1 : 0);
  return size;
}

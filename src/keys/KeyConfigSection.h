// The key page's keys of the project file's [KeyConfig] section: the key
// lines ("IOCount" or "IOColCount"/"IORowCount", "IOConfigItem",
// "LEDSetting"), the page's settings and the saved key values, packed eight
// to an "Item%d" key as "0x<code>-<text>" joined by "," (texts escaped by
// projectfile::EscapeItemText, lines split by projectfile::SplitItemLine).
#pragma once

#include "keys/KeyPins.h"

#include <wx/string.h>

class CDocManage;
class CProjectFile;

// What a key text must not hold to be stored: the language key of the
// message, or empty when the text can be stored as it stands.
wxString KeyTextProblem(const wxString& text);

// "0x45-Power,0x1a-Vol+" for the records [first, first + count).
wxString FormatKeyItem(const CDocManage& doc, std::size_t first, std::size_t count);

// The key lines as the key set-up writes them; false when a write failed.
bool WriteKeyLineKeys(const CProjectFile& file, int keypad, const stKeyLineCounts& counts,
                      const wxString& pinList, const wxString& ledSetting);
// "LEDSetting" alone: the key set-up of the touch chip has no key lines.
bool WriteLedSettingKey(const CProjectFile& file, const wxString& ledSetting);

// The page's own keys, then (general remote only) "KeyValueCount" and the
// "Item%d" keys; false when a write failed.
bool WriteKeyConfigKeys(const CProjectFile& file, const CDocManage& doc);

// Reads the key-line counts, "IOConfigItem", "LEDSetting", "REMDRV" and
// "REMPin" (each only when present; QK37A0660 always drives with REMDRV)
// and the saved key values, which replace the document's. Every value is
// read whole, however long.
void ReadKeyConfigKeys(const CProjectFile& file, CDocManage& doc);

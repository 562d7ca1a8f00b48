// What the decode page shows of a decoded signal, without a window: the
// standard protocol's layout from its "setting.ini" section, the duty
// option, the address and command values, the field separators of the bit
// text and the code column of a saved command.
#pragma once

#include <wx/string.h>

#include <cstdint>
#include <vector>

namespace decode {

// Protocol indexes of the decode document: 0 nothing decoded, 1..14 a
// standard protocol, 15 a non-standard one.
constexpr int kFirstStandardProtocol = 1;
constexpr int kLastStandardProtocol = 14;
constexpr int kNonStandardProtocol = 15;
inline bool IsStandardIndex(int index) {
  return index >= kFirstStandardProtocol && index <= kLastStandardProtocol;
}
inline bool IsDecodedIndex(int index) { return index >= 1 && index <= kNonStandardProtocol; }

// Where the address and the command lie in the data bits; -1 when not set.
struct stBitRanges {
  int addressStart = -1;
  int addressCount = -1;
  int commandStart = -1;
  int commandCount = -1;
};

// One duty option: its text and n (the option's value is 1/n).
struct stDutyOption {
  wxString text;
  int n = 0;
};

// A standard protocol's section "p%d" (index - 1) of setting.ini.
struct stStandardLayout {
  wxString name;
  int commandLimit = 0;
  int addressLimit = 0;
  int dataLength = 0;
  stBitRanges ranges;                // from "AddRange" and "CmdRange"
  std::vector<stDutyOption> duties;  // "Duty0", "Duty1", ... up to the first missing one
};

// "%s\Standard\setting.ini" of the protocols folder.
wxString StandardSettingPath(const wxString& protocolFolder);

// Reads the section of protocol index (1..14). False when "Name", "Command",
// "Address" or "DataLen" is missing or empty, or, when withRanges is set,
// "AddRange" or "CmdRange".
bool ReadStandardLayout(const wxString& settingPath, int index, bool withRanges, stStandardLayout& layout);

// The options a non-standard protocol chooses from: 1/2, 1/3, 1/4.
std::vector<stDutyOption> NonStandardDutyOptions();
// The option nearest to duty; of options at the same distance the later
// wins. -1 when there is none.
int ChooseDutyOption(const std::vector<stDutyOption>& options, double duty);

// What the protocol box shows: "NG", the standard protocol's name or "Non-standard".
wxString ProtocolDisplayName(int index, const wxString& standardName);

// The address or command value as hexadecimal without prefix: the
// analyser's word for a standard protocol whose field lies inside the data
// (start + count < dataLength for the address, <= for the command), else the
// value of the field's bits.
wxString FieldValueText(const wxString& bits, int start, int count, int dataLength, bool standard,
                        bool isCommand, std::uint16_t analyserWord);

// The bit text with blanks around the address and command fields; rca adds
// the separators of an RCA frame after the last blank.
wxString InsertFieldSeparators(const wxString& bits, int dataLength, const stBitRanges& ranges, bool rca);

// A field typed into the bit-range edits: its value over the bits (blanks
// removed), the count cut to the text; empty when the start lies outside.
wxString HandEnteredFieldText(const wxString& bits, int start, int count);

// The code column of a saved command: always "0x" and the hexadecimal digits.
wxString GridCodeText(const wxString& commandHex);

}  // namespace decode

#include "receiver/decode/DecodeDisplay.h"

#include "core/DocCapture.h"
#include "core/Numbers.h"
#include "core/StringHelpers.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <cfloat>
#include <cmath>

namespace decode {

namespace {

wxString ReadKey(const wxString& path, const wxString& section, const wxString& key) {
  return platform::ReadProfileString(path, section, key, "", 260);
}

// "first,last" to start and count; false when the value is empty.
bool ReadRange(const wxString& path, const wxString& section, const wxString& key, int& start, int& count) {
  wxString list = ReadKey(path, section, key);
  if (list.empty()) return false;
  const int first = static_cast<int>(ParseNumber(GetNextToken(list, ",")));
  const int last = static_cast<int>(ParseNumber(list));
  start = first;
  count = last - first + 1;
  return true;
}

// Inserts a blank at position when it lies within the text.
void InsertBlank(wxString& text, int position) {
  if (position < 0 || position > static_cast<int>(text.length())) return;
  text.insert(static_cast<std::size_t>(position), " ");
}

}  // namespace

wxString StandardSettingPath(const wxString& protocolFolder) {
  return platform::JoinPath(platform::JoinPath(protocolFolder, "Standard"), "setting.ini");
}

bool ReadStandardLayout(const wxString& settingPath, int index, bool withRanges, stStandardLayout& layout) {
  if (!IsStandardIndex(index)) return false;
  const wxString section = wxString::Format("p%d", index - 1);
  layout.name = ReadKey(settingPath, section, "Name");
  const wxString command = ReadKey(settingPath, section, "Command");
  const wxString address = ReadKey(settingPath, section, "Address");
  const wxString dataLength = ReadKey(settingPath, section, "DataLen");
  if (layout.name.empty() || command.empty() || address.empty() || dataLength.empty()) return false;
  layout.commandLimit = static_cast<int>(ParseNumber(command));
  layout.addressLimit = static_cast<int>(ParseNumber(address));
  layout.dataLength = static_cast<int>(ParseNumber(dataLength));
  if (withRanges) {
    if (!ReadRange(settingPath, section, "AddRange", layout.ranges.addressStart,
                   layout.ranges.addressCount) ||
        !ReadRange(settingPath, section, "CmdRange", layout.ranges.commandStart, layout.ranges.commandCount))
      return false;
  }
  layout.duties.clear();
  for (int i = 0;; ++i) {
    wxString value = ReadKey(settingPath, section, wxString::Format("Duty%d", i));
    if (value.empty()) break;
    stDutyOption option;
    option.text = GetNextToken(value, ",");
    option.n = static_cast<int>(ParseNumber(value) & 0xFF);
    layout.duties.push_back(option);
  }
  return true;
}

std::vector<stDutyOption> NonStandardDutyOptions() { return {{"1/2", 2}, {"1/3", 3}, {"1/4", 4}}; }

int ChooseDutyOption(const std::vector<stDutyOption>& options, double duty) {
  double best = 10000.0;
  int chosen = -1;
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (options[i].n == 0) continue;
    const double distance = std::fabs(1.0 / options[i].n - duty);
    if (best - distance > 0 || std::fabs(best - distance) < DBL_EPSILON) {
      best = distance;
      chosen = static_cast<int>(i);
    }
  }
  return chosen;
}

wxString ProtocolDisplayName(int index, const wxString& standardName) {
  if (IsStandardIndex(index)) return standardName;
  if (index == kNonStandardProtocol) return "Non-standard";
  return "NG";
}

wxString FieldValueText(const wxString& bits, int start, int count, int dataLength, bool standard,
                        bool isCommand, std::uint16_t analyserWord) {
  const int end = start + count;
  const bool inside = isCommand ? end <= dataLength : end < dataLength;
  if (standard && start >= 0 && count >= 1 && inside) return wxString::Format("%x", analyserWord);
  wxString field;
  if (start >= 0 && count > 0 && start < static_cast<int>(bits.length()))
    field = bits.Mid(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
  return wxString::Format("%x", BinaryTextToValue(field));
}

wxString InsertFieldSeparators(const wxString& bits, int dataLength, const stBitRanges& ranges, bool rca) {
  wxString text = bits;
  const int as = ranges.addressStart, ac = ranges.addressCount;
  const int cs = ranges.commandStart, cc = ranges.commandCount;
  int k = 0;
  if (ac != 0) {
    if (as < static_cast<int>(text.length()) && as + ac < dataLength) {
      InsertBlank(text, as);
      InsertBlank(text, as + ac + 1);
      k = 2;
    }
    if (as + ac <= cs) {
      InsertBlank(text, cs + k);
      InsertBlank(text, cs + cc + 1 + k);
      k += 2;
    }
  }
  if (cc != 0 && cs + cc <= as) {
    InsertBlank(text, cs);
    InsertBlank(text, cs + cc + 1);
    k += 2;
  }
  if (rca) {
    const int blank = text.Find(' ', true);
    const int p = blank == wxNOT_FOUND ? 0 : blank + 1;
    if (ac != 0) {
      int j = 0;
      if (p + ac < dataLength + k) {
        InsertBlank(text, p + ac);
        j = 1;
      }
      if (p + ac <= p + cs) {
        InsertBlank(text, cs + p + j);
        InsertBlank(text, cs + cc + p + 1 + j);
      }
    }
  }
  return text;
}

wxString HandEnteredFieldText(const wxString& bits, int start, int count) {
  wxString plain = bits;
  plain.Replace(" ", "");
  const int length = static_cast<int>(plain.length());
  if (start < 0 || start >= length) return wxString();
  const int cut = std::max(0, std::min(count, length - start));
  return wxString::Format(
      "%x", BinaryTextToValue(plain.Mid(static_cast<std::size_t>(start), static_cast<std::size_t>(cut))));
}

wxString GridCodeText(const wxString& commandHex) { return "0x" + commandHex; }

}  // namespace decode

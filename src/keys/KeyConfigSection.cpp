#include "keys/KeyConfigSection.h"

#include "core/DocManage.h"
#include "core/Numbers.h"
#include "core/ProjectFile.h"

#include <algorithm>

namespace {

namespace key = projectfile::key;
const wxString kSection = projectfile::section::kKeyConfig;

constexpr std::size_t kRecordsPerItem = 8;
// Item lines are read whole: eight records of up to 1000 characters each and
// far more than that for lines written by hand.
constexpr std::size_t kItemBuffer = 1 << 20;
constexpr std::size_t kMaxKeyText = 999;

void SplitRecord(const wxString& part, wxString& head, wxString& tail) {
  const int dash = part.Find('-');
  head = dash == wxNOT_FOUND ? part : part.Left(dash);
  tail = dash == wxNOT_FOUND ? wxString() : part.Mid(dash + 1);
}

// Calls take(part) for each record of the Item keys, in order, until count
// records were read or an Item key is missing or empty.
template <typename Take>
void ReadItems(const CProjectFile& file, std::size_t count, Take take) {
  std::size_t read = 0;
  for (int item = 0; read < count; ++item) {
    const wxString line = file.ReadText(kSection, key::KeyItem(item), kItemBuffer);
    if (line.empty()) break;
    for (const wxString& part : projectfile::SplitItemLine(line)) {
      if (read == count) break;
      take(part);
      ++read;
    }
  }
}

bool Write(const CProjectFile& file, const wxString& name, const wxString& value) {
  return file.WriteText(kSection, name, value);
}

}  // namespace

wxString KeyTextProblem(const wxString& text) {
  if (text.find_first_of(wxS(",\r\n")) != wxString::npos) return "IDS_KEY_TEXT_SEPARATOR";
  if (text.length() > kMaxKeyText) return "IDS_KEY_TEXT_TOO_LONG";
  return wxString();
}

wxString FormatKeyItem(const CDocManage& doc, std::size_t first, std::size_t count) {
  wxString line;
  int position = static_cast<int>(first);
  std::uint16_t code = 0;
  wxString text;
  for (std::size_t i = 0; i < count && doc.GetNextKeyValue(position, code, text); ++i) {
    if (i) line += ",";
    line += wxString::Format("0x%x-", static_cast<unsigned>(code)) + projectfile::EscapeItemText(text);
  }
  return line;
}

bool WriteKeyLineKeys(const CProjectFile& file, int keypad, const stKeyLineCounts& counts,
                      const wxString& pinList, const wxString& ledSetting) {
  bool ok = true;
  if (keypad == kKeypadMatrix) {
    ok &= file.WriteNumber(kSection, key::kIoColCount, counts.columns);
    ok &= file.WriteNumber(kSection, key::kIoRowCount, counts.rows);
  } else {
    ok &= file.WriteNumber(kSection, key::kIoCount, counts.io);
  }
  ok &= Write(file, key::kIoConfigItem, pinList);
  ok &= WriteLedSettingKey(file, ledSetting);
  return ok;
}

bool WriteLedSettingKey(const CProjectFile& file, const wxString& ledSetting) {
  return Write(file, key::kLedSetting, ledSetting);
}

bool WriteKeyConfigKeys(const CProjectFile& file, const CDocManage& doc) {
  bool ok = true;
  ok &= file.WriteFlag(kSection, key::kKeypad, doc.Keypad == 1);
  ok &= file.WriteFlag(kSection, key::kCodeType, doc.CodeType == 1);
  ok &= file.WriteFlag(kSection, key::kVss, doc.VssRow == 1);
  ok &= file.WriteFlag(kSection, key::kRemDrv, doc.RemDrv == 1);
  ok &= Write(file, key::kRemPin, doc.RemPinText);
  ok &= file.WriteFlag(kSection, key::kPressAndHold, doc.PressAndHold == 1);
  ok &= file.WriteFlag(kSection, key::kDoubleButton, doc.DoubleButton == 1);
  ok &= file.WriteNumber(kSection, key::kKeyMode, doc.KeyMode);
  ok &= file.WriteNumber(kSection, key::kTouchFrequency, doc.TouchFrequency);
  ok &= file.WriteNumber(kSection, key::kButtonMode, doc.ButtonMode);
  ok &= file.WriteNumber(kSection, key::kButtonState, doc.ButtonState);
  ok &= file.WriteNumber(kSection, key::kLcdButtonState, doc.LcdButtonState);
  if (!IsGeneralRemote(doc.RemoteType)) return ok;
  const std::size_t count = doc.GetKeyValueCount();
  ok &= file.WriteNumber(kSection, key::kKeyValueCount, static_cast<long long>(count));
  for (std::size_t first = 0; first < count; first += kRecordsPerItem)
    ok &= Write(file, key::KeyItem(static_cast<int>(first / kRecordsPerItem)),
                FormatKeyItem(doc, first, kRecordsPerItem));
  return ok;
}

void ReadKeyConfigKeys(const CProjectFile& file, CDocManage& doc) {
  auto readCount = [&](const char* name, std::uint8_t& field) {
    if (file.Has(kSection, name)) field = static_cast<std::uint8_t>(file.ReadNumber(kSection, name));
  };
  if (doc.Keypad == kKeypadMatrix) {
    readCount(key::kIoColCount, doc.IoColCount);
    readCount(key::kIoRowCount, doc.IoRowCount);
  } else {
    readCount(key::kIoCount, doc.IoCount);
  }
  if (file.Has(kSection, key::kIoConfigItem))
    doc.SetParam(18, file.ReadText(kSection, key::kIoConfigItem, kItemBuffer));
  if (file.Has(kSection, key::kLedSetting)) {
    doc.LedSetting = file.ReadText(kSection, key::kLedSetting, kItemBuffer);
    doc.SetParam(19, doc.LedSetting);
  }
  if (file.Has(kSection, key::kRemDrv)) doc.RemDrv = file.ReadNumber(kSection, key::kRemDrv) != 0 ? 1 : 0;
  if (file.Has(kSection, key::kRemPin)) doc.RemPinText = file.ReadText(kSection, key::kRemPin);
  if (doc.GetMcuName().CmpNoCase("QK37A0660") == 0) doc.RemDrv = 1;

  const std::size_t count = file.ReadNumber(kSection, key::kKeyValueCount);
  if (IsGeneralRemote(doc.RemoteType)) {
    doc.RemoveKeyValue(-1);
    ReadItems(file, count, [&](const wxString& part) {
      wxString code, text;
      SplitRecord(part, code, text);
      doc.AddKeyValue(static_cast<std::uint16_t>(ParseNumber(code)), text);
    });
  } else {
    doc.RemoveAirKeyValue(-1);
    ReadItems(file, count, [&](const wxString& part) {
      wxString first, second;
      SplitRecord(part, first, second);
      doc.AddAirKeyValue(first, second);
    });
  }
}

#include "keys/KeyCommandTable.h"

#include "core/DocManage.h"
#include "core/MessageBoxes.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <wx/filefn.h>

#include <algorithm>

namespace {

constexpr std::size_t kRowEntries = 8;

// Trailing blanks, then commas, then bars come off.
wxString TrimRowEnd(wxString text) {
  for (const wxChar c : {wxChar(' '), wxChar(','), wxChar('|')}) {
    std::size_t end = text.length();
    while (end > 0 && text[end - 1] == c) --end;
    text.Truncate(end);
  }
  return text;
}

// A name as its comment line shows it: on that line, and never read as a
// directive by the framework's preprocessor, which finds "IF", "ELSE" and
// "#define" anywhere in an ".asm" line ("WIFI" would open a condition and cut
// the table): their last letter is written in lower case ("WIfI", "ELSe").
wxString CommentName(wxString name) {
  name.Replace("\r", " ");
  name.Replace("\n", " ");
  name.Replace("IF", "If");
  name.Replace("ELSE", "ELSe");
  name.Replace("#define", "#definE");
  return name;
}

}  // namespace

KeyNameMap KeyNamesOf(const CDocManage& doc) {
  KeyNameMap names;
  for (const CDocManage::stKeyValue& record : doc.KeyValues()) {
    wxString text;
    for (const char16_t c : record.text) {
      if (c == 0) break;
      text += static_cast<wxChar>(c);
    }
    names[static_cast<std::uint8_t>(record.code & 0xFF)] = text;
  }
  return names;
}

bool CollectKeyTableEntries(const stKeyTableInput& input, const KeyNameMap& names,
                            std::vector<stKeyTableEntry>& entries, stKeyTableFailure& failure) {
  entries.clear();
  failure = stKeyTableFailure();
  const CKeySlotTable::Slots* slots = input.slots;
  int keyNumber = 0;
  for (const int cell : input.shape.ActiveCells()) {
    const std::int32_t value =
        slots && cell < kKeySlotCount ? (*slots)[static_cast<std::size_t>(cell)] : kNoKeyCode;
    if (KeyCodeTooWide(value, input.commandBits)) {
      failure.kind = stKeyTableFailure::kCodeTooWide;
      failure.cell = cell;
      failure.keyNumber = keyNumber;
      failure.code = static_cast<std::uint32_t>(value);
      failure.limit = MaxKeyCode(input.commandBits);
      return false;
    }
    stKeyTableEntry entry;
    if (value != kNoKeyCode) {
      entry.code = static_cast<std::uint8_t>(value);
      const auto found = names.find(entry.code);
      if (found != names.end()) entry.name = CommentName(found->second);
    }
    entries.push_back(entry);
    ++keyNumber;
  }
  const auto length = static_cast<std::size_t>(std::max(0, input.shape.TableLength()));
  if (entries.size() < length) entries.resize(length);
  return true;
}

// The formats and texts are wide literals: a narrow one is converted again at every call.
wxString FormatTableRow(const std::vector<stKeyTableEntry>& entries, std::size_t first, std::size_t count,
                        int mode) {
  wxString body;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t index = first + i;
    if (index >= entries.size()) break;
    const stKeyTableEntry& entry = entries[index];
    if (mode == 0) {
      body += wxString::Format(L"%03xH,      ", static_cast<unsigned>(entry.code));
    } else if (!entry.name.empty()) {
      body += wxString::Format(L"%d:", static_cast<int>(i)) + entry.name + L"  |  ";
    }
  }
  return TrimRowEnd(body);
}

wxString FormatKeyCommandTable(const std::vector<stKeyTableEntry>& entries, const wxString& mcu) {
  wxString body;
  const std::size_t full = entries.size() / kRowEntries * kRowEntries;
  for (std::size_t first = 0; first < full; first += kRowEntries) {
    body += "; \t" + FormatTableRow(entries, first, kRowEntries, 1) + "\n";
    body += "DC\t" + FormatTableRow(entries, first, kRowEntries, 0) + "\n";
  }
  if (const std::size_t rest = entries.size() - full) {
    body += "//\t" + FormatTableRow(entries, full, rest, 1) + "\n";
    body += "DC\t" + FormatTableRow(entries, full, rest, 0) + "\n";
  }
  const bool low = mcu.CmpNoCase("QK21B0510") == 0 || mcu.CmpNoCase("QK21C0510") == 0;
  return wxString("PUBLIC KEY_COMMAND_TABLE\nTABLE\t.section\tat  ") + (low ? "0360H" : "0370H") +
         "\t'code'\nKEY_COMMAND_TABLE\tPROC\n" + body + "KEY_COMMAND_TABLE\tENDP\n";
}

bool WriteKeyCommandTableFile(const wxString& path, const stKeyTableInput& input, const KeyNameMap& names,
                              stKeyTableFailure& failure) {
  std::vector<stKeyTableEntry> entries;
  if (!CollectKeyTableEntries(input, names, entries, failure)) return false;
  const std::string bytes =
      platform::EncodeText(FormatKeyCommandTable(entries, input.mcu), platform::TextEncoding::Utf8);
  if (!platform::WriteFileBytes(path, bytes)) {
    // A write cut short (a full disk) leaves no half table.
    if (wxFileExists(path) || platform::IsSymbolicLink(path)) wxRemoveFile(path);
    failure.kind = stKeyTableFailure::kCannotCreate;
    return false;
  }
  return true;
}

bool WriteKeyCommandTable(const wxString& path, const stKeyTableInput& input, const KeyNameMap& names) {
  stKeyTableFailure failure;
  if (WriteKeyCommandTableFile(path, input, names, failure)) return true;
  if (failure.kind == stKeyTableFailure::kCodeTooWide) {
    LangMessageBox("", kNoticeOk, "IDS_KEY_CODE_TOO_WIDE", failure.keyNumber, failure.code, failure.limit);
  } else {
    LangMessageBox("", kNoticeOk, "IDS_CREATE_TABLE_FAILED", path);
  }
  return false;
}

void ShowKeyTableError(int commandBits) { LangMessageBox("", kNoticeOk, "IDS_KEY_ERROR", commandBits); }

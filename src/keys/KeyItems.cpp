#include "keys/KeyItems.h"

#include "core/Numbers.h"
#include "core/ProjectFile.h"

#include <algorithm>

namespace {

const wxString kSection = projectfile::section::kKeyConfig;
const wxString kTouchButton = "TouchButton";
// Values are read whole.
constexpr std::size_t kWholeValue = 1 << 20;

wxString ReadWhole(const CProjectFile& file, const wxString& key) {
  return file.ReadText(kSection, key, kWholeValue);
}

}  // namespace

wxString KeyItemName(int group) { return wxString::Format("ItemKey%d", group); }
wxString KeyIndexItemName(int group) { return wxString::Format("IndexItemKey%d", group); }

wxString KeyActionNameProblem(const wxString& name) { return projectfile::FunctionNameProblem(name); }

std::vector<wxString> SplitKeyFields(const wxString& text, wxChar sep) {
  std::vector<wxString> fields;
  if (text.empty()) return fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(sep, start);
    fields.push_back(text.substr(start, at == wxString::npos ? wxString::npos : at - start));
    if (at == wxString::npos) break;
    start = at + 1;
  }
  return fields;
}

bool WriteKeyCodeItems(const CProjectFile& file, const stKeypadShape& shape, const CKeySlotTable& slots) {
  const std::vector<int> cells = shape.ActiveCells();
  bool ok = true;
  wxString group;
  for (std::size_t number = 0; number < cells.size(); ++number) {
    const std::int32_t code = slots.Get(cells[number]);
    if (number % kKeysPerItem) group += ",";
    group += code == kNoKeyCode ? wxString("-1") : wxString::Format("0x%x", static_cast<unsigned>(code));
    if (number % kKeysPerItem == kKeysPerItem - 1 || number + 1 == cells.size()) {
      ok &= file.WriteText(kSection, KeyItemName(static_cast<int>(number / kKeysPerItem)), group);
      group.clear();
    }
  }
  return ok;
}

namespace {

// The items of "ItemKey0", "ItemKey1", ... up to `count` of them: "-1" or an
// empty item for no code.
std::vector<std::int32_t> ReadStoredCodes(const CProjectFile& file, std::size_t count) {
  std::vector<std::int32_t> codes;
  for (int group = 0; codes.size() < count; ++group) {
    const wxString line = ReadWhole(file, KeyItemName(group));
    if (line.empty()) break;
    for (wxString item : SplitKeyFields(line, ',')) {
      if (codes.size() == count) break;
      item.Trim(true).Trim(false);
      codes.push_back(item == "-1" || item.empty() ? kNoKeyCode
                                                   : static_cast<std::int32_t>(ParseNumber(item)));
    }
  }
  return codes;
}

}  // namespace

int ReadKeyCodeItems(const CProjectFile& file, const stKeypadShape& shape, CKeySlotTable& slots) {
  return ReadKeyCodeItems(file, shape, shape, slots).read;
}

stKeypadShape StoredKeypadShape(const CProjectFile& file, const stKeypadShape& loaded) {
  namespace key = projectfile::key;
  stKeypadShape stored = loaded;
  if (loaded.matrix) {
    if (!file.Has(kSection, key::kIoColCount) || !file.Has(kSection, key::kIoRowCount)) return loaded;
    stored.active = static_cast<int>(file.ReadNumber(kSection, key::kIoColCount) & 0xFF);
    stored.activeRows = static_cast<int>(file.ReadNumber(kSection, key::kIoRowCount) & 0xFF);
    // A matrix built for c columns has c + 1 rows.
    stored.lines = std::max({loaded.lines, stored.active, stored.activeRows - 1});
  } else {
    if (!file.Has(kSection, key::kIoCount)) return loaded;
    stored.active = static_cast<int>(file.ReadNumber(kSection, key::kIoCount) & 0xFF);
    stored.lines = std::max(loaded.lines, stored.active);
  }
  return stored;
}

stKeyCodeLoad ReadKeyCodeItems(const CProjectFile& file, const stKeypadShape& stored,
                               const stKeypadShape& loaded, CKeySlotTable& slots) {
  const std::vector<int> cells = stored.ActiveCells();
  const std::vector<std::int32_t> codes = ReadStoredCodes(file, cells.size());
  stKeyCodeLoad result;
  result.read = static_cast<int>(codes.size());
  for (std::size_t number = 0; number < codes.size(); ++number) {
    int row = 0, column = 0;
    stored.CellAt(cells[number], row, column);
    const bool kept = loaded.IsActive(row, column) && slots.Set(loaded.CellIndex(row, column), codes[number]);
    if (!kept && codes[number] != kNoKeyCode)
      result.dropped.push_back({static_cast<int>(number), codes[number]});
  }
  return result;
}

wxString DroppedKeyCodesText(const std::vector<stDroppedKeyCode>& dropped) {
  wxString text;
  for (const stDroppedKeyCode& key : dropped) {
    if (!text.empty()) text += ", ";
    text += wxString::Format("S%d: %XH", key.key, static_cast<unsigned>(key.code));
  }
  return text;
}

bool WriteKeyActionItems(const CProjectFile& file, const std::vector<stKeyActionItem>& keys) {
  bool ok = true;
  wxString group;
  wxString indexes;
  for (std::size_t number = 0; number < keys.size(); ++number) {
    const stKeyActionItem& key = keys[number];
    if (number % kKeysPerItem) group += ",";
    group += key.actions;
    if (number) indexes += ",";
    indexes += key.functionIndex != -1 ? wxString::Format("1,%d", key.functionIndex)
                                       : wxString::Format("0,%d", key.userFunctionNumber);
    if (number % kKeysPerItem == kKeysPerItem - 1 || number + 1 == keys.size()) {
      const int g = static_cast<int>(number / kKeysPerItem);
      ok &= file.WriteText(kSection, KeyItemName(g), group);
      ok &= file.WriteText(kSection, KeyIndexItemName(g), indexes);
      group.clear();
    }
  }
  return ok;
}

std::vector<wxString> ReadKeyActionItems(const CProjectFile& file, int count) {
  std::vector<wxString> lists;
  for (int group = 0; static_cast<int>(lists.size()) < count; ++group) {
    if (!file.Has(kSection, KeyItemName(group))) break;
    const wxString line = ReadWhole(file, KeyItemName(group));
    std::vector<wxString> items = SplitKeyFields(line, ',');
    // A group of one key with no actions is stored as the empty text.
    if (items.empty()) items.push_back(wxString());
    for (const wxString& item : items) {
      if (static_cast<int>(lists.size()) == count) break;
      lists.push_back(item);
    }
  }
  lists.resize(static_cast<std::size_t>(std::max(count, 0)));
  return lists;
}

std::vector<stKeyActionItem> ReadKeyActionIndexes(const CProjectFile& file, int count) {
  std::vector<stKeyActionItem> keys(static_cast<std::size_t>(std::max(count, 0)));
  if (keys.empty()) return keys;
  // The longest stored group value: a file cut short still gives its keys.
  std::vector<wxString> fields;
  for (int group = (count - 1) / kKeysPerItem; group >= 0 && fields.empty(); --group)
    fields = SplitKeyFields(ReadWhole(file, KeyIndexItemName(group)), ',');
  for (std::size_t key = 0; key < keys.size() && 2 * key + 1 < fields.size(); ++key) {
    const wxString kind = fields[2 * key].Strip(wxString::both);
    const wxString index = fields[2 * key + 1].Strip(wxString::both);
    if (index.empty()) continue;
    const int number = index == "-1" ? -1 : static_cast<int>(ParseNumber(index));
    if (kind == "1")
      keys[key].functionIndex = number;
    else
      keys[key].userFunctionNumber = number;
  }
  return keys;
}

bool WriteTouchButtons(const CProjectFile& file, const std::vector<stTouchButtonItem>& keys,
                       bool highSensitivity) {
  wxString text;
  for (const stTouchButtonItem& key : keys) {
    if (key.inUse)
      text += key.value + "," + key.actions + ",";
    else
      text += ",,";
  }
  bool ok = file.WriteText(kSection, kTouchButton, text);
  ok &= file.WriteText(kSection, projectfile::key::kHighSensitivity, highSensitivity ? "1" : "0");
  return ok;
}

std::vector<stTouchButtonItem> ReadTouchButtons(const CProjectFile& file) {
  std::vector<stTouchButtonItem> keys(kTouchKeyCount);
  const std::vector<wxString> fields = SplitKeyFields(ReadWhole(file, kTouchButton), ',');
  for (std::size_t key = 0; key < keys.size(); ++key) {
    if (2 * key < fields.size()) keys[key].value = fields[2 * key];
    if (2 * key + 1 < fields.size()) keys[key].actions = fields[2 * key + 1];
  }
  return keys;
}

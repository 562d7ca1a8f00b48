#include "core/FuncRecords.h"

#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/Numbers.h"
#include "core/ProjectFile.h"
#include "core/StringHelpers.h"
#include "platform/Profile.h"

#include <utility>

CFuncRecords g_FuncRecords;

namespace {

constexpr std::size_t kValueBuffer = 260;

wxString Section(int funcNo) { return projectfile::section::Func(funcNo); }

// The text of a key; empty when missing.
wxString Read(const wxString& ini, const wxString& section, const wxString& key) {
  return platform::ReadProfileString(ini, section, key, "", kValueBuffer);
}

// Stores ParseNumber of a non-empty value into the field, cut to its width.
template <class Field>
void ReadNumber(const wxString& ini, const wxString& section, const char* key, Field& field) {
  const wxString text = Read(ini, section, key);
  if (!text.empty()) field = static_cast<Field>(ParseNumber(text));
}

void ReadDataItems(const wxString& ini, const wxString& section, stFuncRecord& record, int group) {
  for (int i = 0; i < group; ++i) {
    wxString entry = Read(ini, section, wxString::Format("Data%d", i));
    if (entry.empty()) continue;
    stFuncData item;
    item.Value = static_cast<std::uint8_t>(ParseNumber(GetNextToken(entry, ",")));
    item.NameKey = entry;
    item.Name = GetLangText(entry);
    record.Data.push_back(item);
  }
}

// The language key while the name is still its text, so that a later read
// translates it again; else the name as edited.
wxString StoredName(const stFuncData& item) {
  if (!item.NameKey.empty() && GetLangText(item.NameKey) == item.Name) return item.NameKey;
  return item.Name;
}

// What a stored record keeps when its section is read again: the fields
// that the section has no keys for.
void KeepUnstoredFields(const stFuncRecord& stored, stFuncRecord& loaded) {
  loaded.ModeEnable = stored.ModeEnable;
  loaded.MaxValues = stored.MaxValues;
  loaded.DefaultValues = stored.DefaultValues;
  loaded.Weight = stored.Weight;
  loaded.FuncNo = stored.FuncNo;
  loaded.Tip = stored.Tip;
  loaded.Description = stored.Description;
  if (loaded.Name.empty()) loaded.Name = stored.Name;
}

bool BreaksIniLine(const wxString& text) { return text.find_first_of("\r\n") != wxString::npos; }

bool Write(const wxString& ini, const wxString& section, const wxString& key, const wxString& value) {
  return platform::WriteProfileString(ini, section, key, value);
}

wxString Decimal(long long value) { return wxString::Format("%lld", value); }

bool RefuseText(const wxString& text) {
  LangMessageBox("", kNoticeOk, "IDS_FUNC_NAME_INVALID", text);
  return false;
}

}  // namespace

void CFuncRecords::ReadFuncRecord(int funcNo, int kind, const wxString& iniPath) {
  const wxString section = Section(funcNo);
  switch (kind) {
    case kFuncConstCode: {
      stConstCodeFunc& entry = constRecords[funcNo];
      ReadNumber(iniPath, section, "ConstCode", entry.ConstCode);
      ReadNumber(iniPath, section, "Bits", entry.Bits);
      return;
    }
    case kFuncVerify: {
      for (auto [number, item] : {std::pair{verify1No, &verify1}, std::pair{verify2No, &verify2}}) {
        if (number != funcNo) continue;
        ReadNumber(iniPath, section, "Bits", item->Bits);
        wxString names = Read(iniPath, section, "AddFunc");
        for (std::size_t i = 0; !names.empty(); ++i) {
          wxString name = GetNextToken(names, ",");
          if (i >= item->Factors.size()) item->Factors.resize(i + 1);
          item->Factors[i] = name;
        }
        if (platform::ProfileKeyExists(iniPath, section, "Expr"))
          item->Expression = Read(iniPath, section, "Expr");
      }
      return;
    }
    case kFuncPlain:
    case kFuncSimple:
    case kFuncUserDefined:
    case kFuncPureData: break;
    default: return;
  }

  stFuncRecord record;
  if (kind == kFuncPureData) {
    record.PureData = 1;
  } else {
    ReadNumber(iniPath, section, "OpenEnable", record.OpenEnable);
    ReadNumber(iniPath, section, "CloseEnable", record.CloseEnable);
    if (kind != kFuncSimple) {
      ReadNumber(iniPath, section, "StartPos", record.StartPos);
      ReadNumber(iniPath, section, "EndPos", record.EndPos);
      ReadNumber(iniPath, section, "ModeSelect", record.ModeSelect);
    }
    ReadNumber(iniPath, section, "Reserve", record.Reserve);
    ReadNumber(iniPath, section, "Bits", record.Bits);
    if (kind != kFuncSimple) {
      int group = 0;
      ReadNumber(iniPath, section, "Group", group);
      ReadDataItems(iniPath, section, record, group);
    }
    if (kind == kFuncUserDefined) {
      ReadNumber(iniPath, section, "DataShow", record.DataShow);
      record.PrevDataShow = record.DataShow;
      ReadNumber(iniPath, section, "ProcessMethod", record.ProcessMethod);
      ReadNumber(iniPath, section, "ZeroShow", record.ZeroShow);
      record.Resizable = 1;
    }
  }
  if (const stFuncRecord* stored = Find(funcNo)) KeepUnstoredFields(*stored, record);
  records[funcNo] = std::move(record);
}

bool CFuncRecords::FindFuncRecord(int funcNo, stFuncRecord** out) {
  auto found = records.find(funcNo);
  if (found == records.end()) return false;
  if (out) *out = &found->second;
  return true;
}

bool CFuncRecords::FindConstRecord(int funcNo, stConstCodeFunc** out) {
  auto found = constRecords.find(funcNo);
  if (found == constRecords.end()) return false;
  if (out) *out = &found->second;
  return true;
}

void CFuncRecords::StoreFuncRecord(int funcNo, const stFuncRecord& record) {
  auto found = records.find(funcNo);
  if (found == records.end()) {
    records.emplace(funcNo, record);
    return;
  }
  const std::int32_t defaultValues = found->second.DefaultValues;
  found->second = record;
  found->second.DefaultValues = defaultValues;
}

void CFuncRecords::StoreConstRecord(int funcNo, const stConstCodeFunc& record) {
  constRecords[funcNo] = record;
}

const stFuncRecord* CFuncRecords::Find(int funcNo) const {
  auto found = records.find(funcNo);
  return found == records.end() ? nullptr : &found->second;
}

const stVerifyItem* CFuncRecords::FindVerify(int funcNo) const {
  if (funcNo == kNoVerify) return nullptr;
  if (verify1No == funcNo) return &verify1;
  if (verify2No == funcNo) return &verify2;
  return nullptr;
}

int CFuncRecords::GetFuncDataNames(std::vector<wxString>& names) const {
  for (const auto& [number, record] : records) {
    if (record.Name.CmpNoCase("IDS_MODE") != 0) continue;
    for (const stFuncData& item : record.Data) names.push_back(item.Name);
    return static_cast<int>(record.Data.size());
  }
  return 0;
}

int CFuncRecords::GetFuncWeight(int funcNo, int kind) {
  switch (kind) {
    case kFuncPlain:
    case kFuncSimple:
    case kFuncUserDefined: {
      const stFuncRecord* record = Find(funcNo);
      return record ? record->Weight : 0;
    }
    case kFuncConstCode: {
      auto found = constRecords.find(funcNo);
      return found == constRecords.end() ? 0 : found->second.Weight;
    }
    case kFuncVerify: {
      const stVerifyItem* item = FindVerify(funcNo);
      return item ? item->Weight : 0;
    }
    default: return 0;
  }
}

std::uint16_t CFuncRecords::GetFuncSize(int funcNo, int kind) {
  switch (kind) {
    case kFuncPlain:
    case kFuncSimple:
    case kFuncUserDefined: {
      const stFuncRecord* record = Find(funcNo);
      return record ? record->Bits : 0;
    }
    case kFuncConstCode: {
      auto found = constRecords.find(funcNo);
      return found == constRecords.end() ? 0 : found->second.Bits;
    }
    case kFuncVerify: {
      const stVerifyItem* item = FindVerify(funcNo);
      return item ? item->Bits : 0;
    }
    default: return 0;
  }
}

bool CFuncRecords::WriteRecord(int funcNo, const wxString& iniPath, bool userDefined) {
  const stFuncRecord* record = Find(funcNo);
  if (!record) return false;
  for (const stFuncData& item : record->Data)
    if (BreaksIniLine(StoredName(item))) return RefuseText(StoredName(item));
  const wxString section = Section(funcNo);
  bool ok = Write(iniPath, section, "OpenEnable", record->OpenEnable ? "1" : "0");
  ok = ok && Write(iniPath, section, "CloseEnable", record->CloseEnable ? "1" : "0");
  ok = ok && Write(iniPath, section, "ModeSelect", Decimal(record->ModeSelect));
  ok = ok && Write(iniPath, section, "StartPos", Decimal(record->StartPos));
  ok = ok && Write(iniPath, section, "EndPos", Decimal(record->EndPos));
  ok = ok && Write(iniPath, section, "Bits", Decimal(record->Bits));
  ok = ok && Write(iniPath, section, "Reserve", Decimal(record->Reserve));
  ok = ok && Write(iniPath, section, "Group", Decimal(static_cast<long long>(record->Data.size())));
  for (std::size_t i = 0; ok && i < record->Data.size(); ++i) {
    const stFuncData& item = record->Data[i];
    ok = Write(iniPath, section, wxString::Format("Data%zu", i),
               wxString::Format("%d,", item.Value) + StoredName(item));
  }
  if (ok && userDefined) {
    ok = Write(iniPath, section, "DataShow", Decimal(record->DataShow)) &&
         Write(iniPath, section, "ProcessMethod", Decimal(record->ProcessMethod)) &&
         Write(iniPath, section, "ZeroShow", Decimal(record->ZeroShow));
  }
  return ok;
}

bool CFuncRecords::WriteConstRecord(int funcNo, const wxString& iniPath) {
  auto found = constRecords.find(funcNo);
  if (found == constRecords.end()) return false;
  const wxString section = Section(funcNo);
  return Write(iniPath, section, "ConstCode", wxString::Format("0x%x", found->second.ConstCode)) &&
         Write(iniPath, section, "Bits", wxString::Format("0x%x", found->second.Bits));
}

bool CFuncRecords::WriteVerifyRecord(int funcNo, const wxString& iniPath) {
  const stVerifyItem* found = FindVerify(funcNo);
  if (!found) return false;
  const stVerifyItem& item = *found;
  wxString names;
  for (const wxString& name : item.Factors) {
    if (BreaksIniLine(name) || name.Contains(",")) return RefuseText(name);
    names += name + ",";
  }
  while (names.EndsWith(",")) names.RemoveLast();
  if (BreaksIniLine(item.Expression)) return RefuseText(item.Expression);
  const wxString section = Section(funcNo);
  return Write(iniPath, section, "Bits", Decimal(item.Bits)) && Write(iniPath, section, "AddFunc", names) &&
         Write(iniPath, section, "Expr", item.Expression);
}

void CFuncRecords::ResetModeMasks() {
  std::vector<wxString> names;
  const int count = GetFuncDataNames(names);
  const std::uint32_t mask = count >= 16 ? 0xFFFFu : ((1u << count) - 1u);
  for (auto& [number, record] : records)
    record.ModeSelect = static_cast<std::uint16_t>(record.ModeSelect & mask);
}

void CFuncRecords::Clear() {
  records.clear();
  constRecords.clear();
  verify1No = verify2No = kNoVerify;
  verify1 = stVerifyItem();
  verify2 = stVerifyItem();
}

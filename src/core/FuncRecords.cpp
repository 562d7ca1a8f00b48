#include "core/FuncRecords.h"

#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/Numbers.h"
#include "core/ProjectFile.h"
#include "core/StringHelpers.h"
#include "platform/Profile.h"

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
    stFuncDataItem item;
    item.value = static_cast<std::uint8_t>(ParseNumber(GetNextToken(entry, ",")));
    item.nameKey = entry;
    item.name = GetLangText(entry);
    record.data.push_back(item);
  }
}

bool BreaksIniLine(const wxString& text) { return text.find_first_of("\r\n") != wxString::npos; }

bool Write(const wxString& ini, const wxString& section, const wxString& key, const wxString& value) {
  return platform::WriteProfileString(ini, section, key, value);
}

wxString Decimal(long long value) { return wxString::Format("%lld", value); }

}  // namespace

void CFuncRecords::LoadFuncRecord(int funcNo, int kind, const wxString& iniPath) {
  const wxString section = Section(funcNo);
  switch (kind) {
    case kFuncConstCode: {
      stConstCodeEntry& entry = constCodes[funcNo];
      ReadNumber(iniPath, section, "ConstCode", entry.ConstCode);
      ReadNumber(iniPath, section, "Bits", entry.Bits);
      return;
    }
    case kFuncExpression: {
      for (stExprFunc* func : {&exprA, &exprB}) {
        if (func->number != funcNo) continue;
        ReadNumber(iniPath, section, "Bits", func->Bits);
        wxString names = Read(iniPath, section, "AddFunc");
        for (std::size_t i = 0; !names.empty(); ++i) {
          wxString name = GetNextToken(names, ",");
          if (i >= func->AddFunc.size()) func->AddFunc.resize(i + 1);
          func->AddFunc[i] = name;
        }
        if (platform::ProfileKeyExists(iniPath, section, "Expr"))
          func->Expr() = Read(iniPath, section, "Expr");
      }
      return;
    }
    case kFuncPlain:
    case kFuncEnableOnly:
    case kFuncExtended:
    case kFuncPlaceholder: break;
    default: return;
  }

  stFuncRecord record;
  if (kind == kFuncPlaceholder) {
    record.placeholder = 1;
  } else {
    ReadNumber(iniPath, section, "OpenEnable", record.OpenEnable);
    ReadNumber(iniPath, section, "CloseEnable", record.CloseEnable);
    if (kind != kFuncEnableOnly) {
      ReadNumber(iniPath, section, "StartPos", record.StartPos);
      ReadNumber(iniPath, section, "EndPos", record.EndPos);
      ReadNumber(iniPath, section, "ModeSelect", record.ModeSelect);
    }
    ReadNumber(iniPath, section, "Reserve", record.Reserve);
    ReadNumber(iniPath, section, "Bits", record.Bits);
    if (kind != kFuncEnableOnly) {
      int group = 0;
      ReadNumber(iniPath, section, "Group", group);
      ReadDataItems(iniPath, section, record, group);
    }
    if (kind == kFuncExtended) {
      std::int32_t dataShow = 0;
      ReadNumber(iniPath, section, "DataShow", dataShow);
      record.DataShow[0] = record.DataShow[1] = dataShow;
      ReadNumber(iniPath, section, "ProcessMethod", record.ProcessMethod);
      ReadNumber(iniPath, section, "ZeroShow", record.ZeroShow);
      record.extended = 1;
    }
  }
  records[funcNo] = std::move(record);
}

bool CFuncRecords::FindFuncRecord(int funcNo, stFuncRecord** out) {
  auto found = records.find(funcNo);
  if (found == records.end()) return false;
  if (out) *out = &found->second;
  return true;
}

const stFuncRecord* CFuncRecords::Find(int funcNo) const {
  auto found = records.find(funcNo);
  return found == records.end() ? nullptr : &found->second;
}

int CFuncRecords::GetFuncDataNames(std::vector<wxString>& names) const {
  for (const auto& [number, record] : records) {
    if (record.name.CmpNoCase("IDS_MODE") != 0) continue;
    for (const stFuncDataItem& item : record.data) names.push_back(item.name);
    return static_cast<int>(record.data.size());
  }
  return 0;
}

int CFuncRecords::GetFuncValue(int funcNo, int kind) {
  switch (kind) {
    case kFuncPlain:
    case kFuncEnableOnly:
    case kFuncExtended: {
      const stFuncRecord* record = Find(funcNo);
      return record ? record->weight : 0;
    }
    case kFuncConstCode: {
      auto found = constCodes.find(funcNo);
      return found == constCodes.end() ? 0 : found->second.weight;
    }
    case kFuncExpression:
      if (exprA.number == funcNo) return exprA.weight;
      if (exprB.number == funcNo) return exprB.weight;
      return 0;
    default: return 0;
  }
}

std::uint16_t CFuncRecords::GetFuncBits(int funcNo, int kind) {
  switch (kind) {
    case kFuncPlain:
    case kFuncEnableOnly:
    case kFuncExtended: {
      const stFuncRecord* record = Find(funcNo);
      return record ? record->Bits : 0;
    }
    case kFuncConstCode: {
      auto found = constCodes.find(funcNo);
      return found == constCodes.end() ? 0 : found->second.Bits;
    }
    case kFuncExpression:
      if (exprA.number == funcNo) return exprA.Bits;
      if (exprB.number == funcNo) return exprB.Bits;
      return 0;
    default: return 0;
  }
}

bool CFuncRecords::SaveRecord(int funcNo, const wxString& iniPath, bool extended) {
  const stFuncRecord* record = Find(funcNo);
  if (!record) return false;
  for (const stFuncDataItem& item : record->data) {
    const wxString& stored = item.nameKey.empty() ? item.name : item.nameKey;
    if (BreaksIniLine(stored)) {
      LangMessageBox("", kNoticeOk, "IDS_FUNC_NAME_INVALID", stored);
      return false;
    }
  }
  const wxString section = Section(funcNo);
  bool ok = Write(iniPath, section, "OpenEnable", record->OpenEnable ? "1" : "0");
  ok = ok && Write(iniPath, section, "CloseEnable", record->CloseEnable ? "1" : "0");
  ok = ok && Write(iniPath, section, "ModeSelect", Decimal(record->ModeSelect));
  ok = ok && Write(iniPath, section, "StartPos", Decimal(record->StartPos));
  ok = ok && Write(iniPath, section, "EndPos", Decimal(record->EndPos));
  ok = ok && Write(iniPath, section, "Bits", Decimal(record->Bits));
  ok = ok && Write(iniPath, section, "Reserve", Decimal(record->Reserve));
  ok = ok && Write(iniPath, section, "Group", Decimal(static_cast<long long>(record->data.size())));
  for (std::size_t i = 0; ok && i < record->data.size(); ++i) {
    const stFuncDataItem& item = record->data[i];
    // The language key, so that a later load translates it again.
    const wxString& name = item.nameKey.empty() ? item.name : item.nameKey;
    ok = Write(iniPath, section, wxString::Format("Data%zu", i), wxString::Format("%d,", item.value) + name);
  }
  if (ok && extended) {
    ok = Write(iniPath, section, "DataShow", Decimal(record->DataShow[0])) &&
         Write(iniPath, section, "ProcessMethod", Decimal(record->ProcessMethod)) &&
         Write(iniPath, section, "ZeroShow", Decimal(record->ZeroShow));
  }
  return ok;
}

bool CFuncRecords::SaveConstCode(int funcNo, const wxString& iniPath) {
  auto found = constCodes.find(funcNo);
  if (found == constCodes.end()) return false;
  const wxString section = Section(funcNo);
  return Write(iniPath, section, "ConstCode", wxString::Format("0x%x", found->second.ConstCode)) &&
         Write(iniPath, section, "Bits", wxString::Format("0x%x", found->second.Bits));
}

bool CFuncRecords::SaveExprFunc(int funcNo, const wxString& iniPath) {
  const stExprFunc& func = exprA.number == funcNo ? exprA : exprB;
  wxString names;
  for (const wxString& name : func.AddFunc) {
    if (BreaksIniLine(name) || name.Contains(",")) {
      LangMessageBox("", kNoticeOk, "IDS_FUNC_NAME_INVALID", name);
      return false;
    }
    names += name + ",";
  }
  if (names.EndsWith(",")) names.RemoveLast();
  if (BreaksIniLine(func.Expr())) {
    LangMessageBox("", kNoticeOk, "IDS_FUNC_NAME_INVALID", func.Expr());
    return false;
  }
  const wxString section = Section(funcNo);
  return Write(iniPath, section, "Bits", Decimal(func.Bits)) && Write(iniPath, section, "AddFunc", names) &&
         Write(iniPath, section, "Expr", func.Expr());
}

void CFuncRecords::BuildDataMask() {
  std::vector<wxString> names;
  const int count = GetFuncDataNames(names);
  const std::uint32_t mask = count >= 16 ? 0xFFFFu : ((1u << count) - 1u);
  for (auto& [number, record] : records)
    record.ModeSelect = static_cast<std::uint16_t>(record.ModeSelect & mask);
}

void CFuncRecords::Clear() {
  records.clear();
  constCodes.clear();
  exprA = stExprFunc();
  exprB = stExprFunc();
}

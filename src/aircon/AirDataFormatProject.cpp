// The page's sections of the project file, its commit, and what it hands to
// the pages after it.
#include "aircon/AirDataFormatModel.h"

#include "core/AppContext.h"
#include "core/ProjectFile.h"

namespace aircon {

using namespace airformat_id;
using olv::protocol::BlockList;
using olv::protocol::CSendFormat;
using olv::protocol::FrameItem;
using olv::protocol::stBlockLocation;
using olv::protocol::stListBlock;

namespace {

constexpr char kCustom[] = "Custom";

wxString WithoutTrailingCommas(wxString text) {
  while (text.EndsWith(",")) text.RemoveLast();
  return text;
}

}  // namespace

// --- Saving.

bool CAirDataFormatModel::WriteRecordOf(const FrameItem* item, const wxString& path) {
  const stBlockLocation where = FindBlockByWnd(item);
  if (where.index < 0) return true;
  const int number = FunctionNumber(where);
  switch (BlockKind(where)) {
    case kAirFunction:
    case kAirSimple: return !FindFuncRecord(number, nullptr) || g_FuncRecords.WriteFuncRecord(number, path);
    case kAirUserDefined:
      return !FindFuncRecord(number, nullptr) || g_FuncRecords.WriteUDFuncRecord(number, path);
    case kAirConstCode:
      return !FindConstRecord(number, nullptr) || g_FuncRecords.WriteConstRecord(number, path);
    case kAirVerify:
      if (number != g_FuncRecords.verify1No && number != g_FuncRecords.verify2No) return true;
      return g_FuncRecords.WriteVerifyRecord(number, path);
    default: return true;
  }
}

bool CAirDataFormatModel::SaveToProject() {
  const wxString path = m_doc.GetProjectFilePath();
  const CProjectFile file(path);
  const auto saveOrder = [&](const CSendFormat& format, const char* key) {
    wxString order;
    for (int i = 0; i < format.PlaceCount(); ++i) {
      const FrameItem* item = format.GetBlockWnd(i);
      if (!item) continue;
      order += item->GetCaption() + ",";
      if (!WriteRecordOf(item, path)) return false;
    }
    return file.WriteText(kCustom, key, WithoutTrailingCommas(order));
  };
  if (!saveOrder(m_group1, "SendData")) return false;
  if (HasGroup2() && !saveOrder(m_group2, "SendDataEx")) return false;

  const int size = FunctionListSize();
  const auto saveList = [&](const BlockList& list, const char* section, const char* prefix, bool records) {
    if (!file.WriteNumber(section, "Count", static_cast<long long>(list.size()))) return false;
    for (std::size_t i = 0; i < list.size(); ++i) {
      const wxString text = list[i] ? list[i]->block.GetText() : wxString();
      if (!file.WriteText(section, wxString::Format("%s%zu", prefix, i), text)) return false;
      const int number = size + static_cast<int>(i);
      if (records && FindFuncRecord(number, nullptr) && !g_FuncRecords.WriteUDFuncRecord(number, path))
        return false;
    }
    return true;
  };
  if (!saveList(m_firstFrameBlocks, projectfile::section::kUserFunctions, "UDFunc", true)) return false;
  if (!saveList(m_secondFrameBlocks, projectfile::section::kPureDataUserFunctions, "PureData_UDFunc", false))
    return false;
  if (!file.WriteFlag(kCustom, "OpenGroup2", m_doc.OpenGroup2 != 0)) return false;

  // The parameters under their definitions' names, up to the first
  // definition without one, then the send type.
  for (std::size_t k = 0; k < std::size(kAirParamControls); ++k) {
    const int id = kAirParamControls[k];
    olv::protocol::stParamDefinition definition;
    if (!olv::protocol::ReadParamDefinition(m_definitionFile, static_cast<int>(k), definition)) break;
    wxString value;
    if (const olv::protocol::stInputState* input = FindInput(id)) {
      value = input->text;
    } else if (const olv::protocol::stCheckState* check = FindCheck(id)) {
      value = check->checked ? "1" : "0";
    }
    if (!file.WriteText(kCustom, definition.name, value)) return false;
  }
  if (!file.WriteNumber(kCustom, "FormatType", m_doc.FormatType)) return false;
  HideEditors();
  return true;
}

bool CAirDataFormatModel::StorePageData() {
  m_doc.LsbFirst = Check(kLsbFirst).checked ? 1 : 0;
  m_doc.SetParam(21, Input(kInterval).text);
  CheckVerifyItems(false);
  return true;
}

bool CAirDataFormatModel::CheckAndApply() {
  if (!CheckParamEdits()) return false;
  PublishFuncBlocks();
  return true;
}

// --- For the later pages.

void CAirDataFormatModel::PublishFuncBlocks() {
  m_doc.FunctionBlocks.clear();
  for (const auto& entry : m_dataBlocks) {
    // An empty entry keeps the numbers of the functions after it.
    m_doc.FunctionBlocks.push_back(entry ? stFunctionBlock{entry->block.GetText(), 1} : stFunctionBlock{});
  }
  m_doc.UserFunctionBlocks.clear();
  for (const auto& entry : m_firstFrameBlocks) {
    if (!entry) continue;
    m_doc.UserFunctionBlocks.push_back(
        stFunctionBlock{entry->block.GetText(), entry->block.HasSuccessor() ? 1 : 0});
  }
  m_doc.DataProcessFirst = FunctionListSize();
  m_doc.DataProcessCount = CountActiveItems();
}

wxString CAirDataFormatModel::GetItemKeyAt(int i) const {
  if (i < 0 || static_cast<std::size_t>(i) >= m_firstFrameBlocks.size() || !m_firstFrameBlocks[i])
    return wxString();
  return m_firstFrameBlocks[i]->block.GetText();
}

int CAirDataFormatModel::CountActiveItems() const {
  int count = 0;
  for (const auto& entry : m_firstFrameBlocks) count += entry && entry->block.HasSuccessor() ? 1 : 0;
  return count;
}

bool CAirDataFormatModel::IsFuncReserve2(int n) const { return GetFuncReserve(n) == 2; }

int CAirDataFormatModel::GetFuncReserve(int n) const {
  if (n < 0 || n >= FunctionListSize() || !m_dataBlocks[n]) return -1;
  stFuncRecord* record = nullptr;
  return FindFuncRecord(n, &record) ? record->Reserve : -1;
}

bool CAirDataFormatModel::IsInGroupOrder(const wxString& caption) const {
  const auto names = [&](const wxString& order) {
    wxString rest = order;
    while (!rest.empty()) {
      const wxString name = rest.BeforeFirst(',').Strip(wxString::both);
      rest = rest.Contains(",") ? rest.AfterFirst(',') : wxString();
      if (!name.empty() && name.CmpNoCase(caption) == 0) return true;
    }
    return false;
  };
  return names(m_doc.GetParam(17)) || (HasGroup2() && names(m_doc.GetParam(20)));
}

bool CAirDataFormatModel::IsItemInParamLists(int i, bool fromUserList) const {
  const BlockList& list = fromUserList ? m_firstFrameBlocks : m_dataBlocks;
  if (i < 0 || static_cast<std::size_t>(i) >= list.size() || !list[i]) return false;
  return IsInGroupOrder(list[i]->item->GetCaption());
}

int CAirDataFormatModel::GetFuncEndPos(int n) const {
  stFuncRecord* record = nullptr;
  if (!FindFuncRecord(n, &record)) return -1;
  return std::min(record->EndPos, static_cast<std::int32_t>(record->Data.size()) - 1);
}

wxString CAirDataFormatModel::FormatFuncDataList(int n) const {
  stFuncRecord* record = nullptr;
  if (!FindFuncRecord(n, &record)) return wxString();
  wxString list;
  for (std::size_t i = 0; i < record->Data.size(); ++i)
    list += wxString::Format("%zu:%s,", i, record->Data[i].Name);
  return WithoutTrailingCommas(list);
}

stUDFuncTemplateSource CAirDataFormatModel::UDFuncTemplateSource(int j) const {
  stUDFuncTemplateSource source;
  source.index = j;
  source.frameworkKind = FrameworkKindOf(m_doc.RemoteType);
  source.templateFolder = g_App.templateFolder;
  source.definitionFile = m_definitionFile;
  stFuncRecord* record = nullptr;
  if (FindFuncRecord(FunctionListSize() + j, &record)) source.record = record;
  source.hasGroup2 = HasGroup2();
  source.sendPosition = [this, j](int group) -> std::optional<int> {
    const CSendFormat* format = group == 0 ? m_firstFormat : m_secondFormat;
    const int position = format ? SendPosition(*format, j) : -1;
    return position < 0 ? std::nullopt : std::optional<int>(position);
  };
  return source;
}

}  // namespace aircon

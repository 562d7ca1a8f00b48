// Loading the page: function definitions of the mode file, the records of
// the blocks, the scheme's defaults and send orders, the controls and the
// diagrams from the document, and the page's part of an opened project.
#include "aircon/AirDataFormatModel.h"
#include "aircon/AirModulationModel.h"

#include "core/LangText.h"
#include "core/Numbers.h"
#include "core/ProjectFile.h"
#include "core/StringHelpers.h"
#include "platform/Profile.h"

namespace aircon {

using namespace airformat_id;
using olv::protocol::BlockList;
using olv::protocol::FrameItem;
using olv::protocol::stBlockLocation;
using olv::protocol::stListBlock;

namespace {

constexpr std::size_t kValueBuffer = 260;
constexpr std::size_t kOrderBuffer = 1024;
constexpr char kCustom[] = "Custom";
constexpr char kGuideCode[] = "IDS_GUIDE_CODE";
constexpr char kConnectCode[] = "IDS_CONNECT_CODE";

wxString Read(const wxString& file, const wxString& section, const wxString& key,
              std::size_t buffer = kValueBuffer) {
  return platform::ReadProfileString(file, section, key, "", buffer);
}

template <class Field>
void ReadNumber(const wxString& file, const wxString& section, const char* key, Field& field) {
  const wxString text = Read(file, section, key);
  if (!text.empty()) field = static_cast<Field>(ParseNumber(text));
}

// The names of a send order, without the empty ones its commas leave.
std::vector<wxString> SplitOrder(const wxString& order) {
  std::vector<wxString> names;
  wxString rest = order;
  while (!rest.empty()) {
    const wxString name = GetNextToken(rest, ",");
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

wxString JoinOrder(const std::vector<wxString>& names) {
  wxString order;
  for (const wxString& name : names) order += (order.empty() ? "" : ",") + name;
  return order;
}

bool Names(const std::vector<wxString>& names, const wxString& name) {
  for (const wxString& entry : names) {
    if (entry.CmpNoCase(name) == 0) return true;
  }
  return false;
}

// A default send order as the scheme list gives it: its first item (the
// scheme's name) dropped, and the connect code left out when asked.
std::vector<wxString> SchemeOrder(const wxString& file, const wxString& section, const wxString& key,
                                  bool dropConnect) {
  wxString list = Read(file, section, key, kOrderBuffer);
  GetNextToken(list, ",");
  std::vector<wxString> names;
  for (const wxString& name : SplitOrder(list)) {
    if (!(dropConnect && name.CmpNoCase(kConnectCode) == 0)) names.push_back(name);
  }
  return names;
}

// The parameter definitions' names of the page's controls, up to the first
// definition without a name.
std::vector<std::pair<int, wxString>> ParamNames(const wxString& definitionFile) {
  std::vector<std::pair<int, wxString>> names;
  for (std::size_t k = 0; k < std::size(kAirParamControls); ++k) {
    olv::protocol::stParamDefinition definition;
    if (!olv::protocol::ReadParamDefinition(definitionFile, static_cast<int>(k), definition)) break;
    names.emplace_back(kAirParamControls[k], definition.name);
  }
  return names;
}

}  // namespace

// --- Function definitions.

void ReadFuncDefinition(const wxString& modeFile, int number, stFuncRecord& record) {
  const wxString section = projectfile::section::Func(number);
  ReadNumber(modeFile, section, "OpenEnable", record.OpenEnable);
  ReadNumber(modeFile, section, "CloseEnable", record.CloseEnable);
  ReadNumber(modeFile, section, "StartPos", record.StartPos);
  ReadNumber(modeFile, section, "EndPos", record.EndPos);
  ReadNumber(modeFile, section, "ModeSelect", record.ModeSelect);
  ReadNumber(modeFile, section, "Reserve", record.Reserve);
  ReadNumber(modeFile, section, "Bits", record.Bits);
  int group = 0;
  ReadNumber(modeFile, section, "Group", group);
  for (int i = 0; i < group; ++i) {
    wxString entry = Read(modeFile, section, wxString::Format("Data%d", i));
    if (entry.empty()) continue;
    stFuncData item;
    item.Value = static_cast<std::uint8_t>(ParseNumber(GetNextToken(entry, ",")));
    item.NameKey = entry;
    item.Name = GetLangText(entry);
    record.Data.push_back(item);
  }
  const wxString dataShow = Read(modeFile, section, "DataShow");
  if (!dataShow.empty())
    record.DataShow = record.PrevDataShow = static_cast<std::int32_t>(ParseNumber(dataShow));
  ReadNumber(modeFile, section, "ProcessMethod", record.ProcessMethod);
  ReadNumber(modeFile, section, "ZeroShow", record.ZeroShow);
  record.Resizable = 1;
}

wxString CAirDataFormatModel::ModeFile(int scheme) const { return ModeFilePath(m_definitionFile, scheme); }

void CAirDataFormatModel::LoadFuncDefinition(stFuncRecord& record) const {
  ReadFuncDefinition(ModeFile(m_doc.AirFormatType), FunctionListSize(), record);
}

void CAirDataFormatModel::BuildFuncRecords(bool functions, bool user, bool pureData, int first) {
  const int size = FunctionListSize();
  const auto base = [](const stListBlock& entry) {
    stFuncRecord record;
    record.Name = entry.block.GetText();
    record.Description = entry.block.GetMacroName();
    record.Tip = entry.block.GetAuxText();
    return record;
  };
  const auto bits = [](const stListBlock& entry) -> std::uint16_t {
    return entry.block.GetMacroName().Contains(",") ? 10 : 1;
  };
  if (functions) {
    // A verify setting belongs to no block until a verify block takes it.
    g_FuncRecords.verify1No = g_FuncRecords.verify2No = CFuncRecords::kNoVerify;
    bool verifySeen = false;
    for (std::size_t i = 0; i < m_dataBlocks.size(); ++i) {
      const stListBlock* entry = m_dataBlocks[i].get();
      if (!entry || static_cast<int>(i) < first) continue;
      const olv::protocol::CFrameBlock& block = entry->block;
      const int number = static_cast<int>(i);
      switch (block.value_a) {
        case kAirFunction: {
          stFuncRecord record = base(*entry);
          record.Data = {stFuncData{0, wxString(), wxString()}, stFuncData{1, wxString(), wxString()}};
          record.Bits = bits(*entry);
          record.StartPos = 0;
          record.EndPos = 1;
          record.ModeEnable = block.value_b;
          record.MaxValues = block.value_c;
          record.Weight = block.value_d;
          g_FuncRecords.StoreFuncRecord(number, record);
          break;
        }
        case kAirSimple: {
          stFuncRecord record = base(*entry);
          record.Bits = bits(*entry);
          record.ModeEnable = block.value_b;
          record.Weight = block.value_d;
          g_FuncRecords.StoreFuncRecord(number, record);
          break;
        }
        case kAirVerify: {
          const stVerifyItem item =
              NewVerifyItem(block.GetText(), block.GetMacroName(), block.GetAuxText(), block.value_d);
          if (!verifySeen) {
            g_FuncRecords.verify1 = item;
            g_FuncRecords.verify1No = number;
          } else {
            g_FuncRecords.verify2 = item;
            g_FuncRecords.verify2No = number;
          }
          verifySeen = true;
          break;
        }
        case kAirConstCode: {
          stConstCodeFunc record;
          record.Weight = block.value_d;
          record.Bits = 4;
          record.ConstCode = 0;
          record.Name = block.GetText();
          record.Description = block.GetMacroName();
          record.Tip = block.GetAuxText();
          g_FuncRecords.StoreConstRecord(number, record);
          break;
        }
        default: break;
      }
    }
  }
  if (user) {
    for (std::size_t j = static_cast<std::size_t>(std::max(first, 0)); j < m_firstFrameBlocks.size(); ++j) {
      const stListBlock* entry = m_firstFrameBlocks[j].get();
      if (!entry) continue;
      stFuncRecord record = base(*entry);
      record.Bits = bits(*entry);
      record.StartPos = 0;
      record.EndPos = 1;
      record.ModeEnable = entry->block.value_b;
      record.MaxValues = entry->block.value_c;
      record.FuncNo = static_cast<std::int32_t>(j);
      LoadFuncDefinition(record);
      g_FuncRecords.StoreFuncRecord(size + static_cast<int>(j), record);
    }
  }
  if (pureData) {
    for (std::size_t k = static_cast<std::size_t>(std::max(first, 0)); k < m_secondFrameBlocks.size(); ++k) {
      const stListBlock* entry = m_secondFrameBlocks[k].get();
      if (!entry) continue;
      stFuncRecord record = base(*entry);
      record.FuncNo = static_cast<std::int32_t>(k);
      record.PureData = 1;
      g_FuncRecords.StoreFuncRecord(size + kUserFunctionCount + static_cast<int>(k), record);
    }
  }
}

// A verify setting read from a file: the names it gives, then empty factors
// up to nine, never those of an earlier read.
void CAirDataFormatModel::ReadVerifyRecord(int number, const wxString& path) {
  stVerifyItem* item = nullptr;
  if (number == g_FuncRecords.verify1No) item = &g_FuncRecords.verify1;
  if (number == g_FuncRecords.verify2No) item = &g_FuncRecords.verify2;
  if (!item || number == CFuncRecords::kNoVerify) return;
  item->Factors.assign(kVerifyFactors, wxString());
  g_FuncRecords.ReadFuncRecord(number, kFuncVerify, path);
  if (item->Factors.size() < static_cast<std::size_t>(kVerifyFactors)) item->Factors.resize(kVerifyFactors);
}

void CAirDataFormatModel::ReadRecordOf(const FrameItem* item, const wxString& path) {
  const stBlockLocation where = FindBlockByWnd(item);
  if (where.index < 0) return;
  const int kind = BlockKind(where);
  if (kind == kAirVerify) {
    ReadVerifyRecord(FunctionNumber(where), path);
  } else if (kind >= kAirFunction && kind <= kAirPureData) {
    g_FuncRecords.ReadFuncRecord(FunctionNumber(where), kind, path);
  }
}

// --- The scheme's mode file and definitions.

void CAirDataFormatModel::ApplyIntervalInput() {
  olv::protocol::stInputState& interval = Input(kInterval);
  interval.text = m_doc.GetParam(21);
  interval.refused = false;
  interval.MarkRange();
}

void CAirDataFormatModel::LoadModeFile(int scheme) {
  const wxString mode = ModeFile(scheme);
  const wxString group2 = Read(mode, kCustom, "OpenGroup2");
  m_doc.OpenGroup2 = !group2.empty() && ParseNumber(group2) != 0 ? 1 : 0;
  Check(kGroup2Check).checked = m_doc.OpenGroup2 != 0;
  for (const auto& [id, name] : ParamNames(m_definitionFile)) {
    const wxString value = Read(mode, kCustom, name);
    if (value.empty()) continue;
    if (id == kMsbFirst) m_doc.LsbFirst = ParseNumber(value) == 0 ? 1 : 0;
    if (id == kInterval) m_doc.SetParam(21, value);
  }
  Check(kMsbFirst).checked = m_doc.LsbFirst == 0;
  Check(kLsbFirst).checked = m_doc.LsbFirst != 0;
  ApplyIntervalInput();
  if (!m_keepBlocks && !mode.empty()) {
    const int size = FunctionListSize();
    for (std::size_t i = 0; i < m_dataBlocks.size(); ++i) {
      if (!m_dataBlocks[i]) continue;
      const int kind = m_dataBlocks[i]->block.value_a;
      if (kind == kAirVerify) {
        ReadVerifyRecord(static_cast<int>(i), mode);
      } else if (kind >= kAirFunction && kind <= kAirSimple) {
        g_FuncRecords.ReadFuncRecord(static_cast<int>(i), kind, mode);
      }
    }
    // Every user-defined function takes the defaults of the one section
    // after the function list.
    BuildFuncRecords(false, true, false, 0);
    for (std::size_t k = 0; k < m_secondFrameBlocks.size(); ++k) {
      if (m_secondFrameBlocks[k])
        g_FuncRecords.ReadFuncRecord(size + kUserFunctionCount + static_cast<int>(k), kFuncPureData, mode);
    }
  }
  RecomputeTotals();
}

void CAirDataFormatModel::LoadFixedFunctions() {
  const wxString& file = m_definitionFile;
  m_doc.FixedFunctions.clear();
  for (const wxString& name : SplitOrder(Read(file, "FixConfig", "Func", kOrderBuffer)))
    m_doc.FixedFunctions.push_back(name);
  if (platform::ProfileKeyExists(file, "MaxWeight", "Value")) {
    m_groupLimit = static_cast<int>(ParseNumber(Read(file, "MaxWeight", "Value")));
    if (platform::ProfileKeyExists(file, "MaxWeight", "Group2_Value"))
      m_group2Surcharge = static_cast<int>(ParseNumber(Read(file, "MaxWeight", "Group2_Value")));
  }
}

void CAirDataFormatModel::ApplyDefinitionFile(const wxString& path, bool keep) {
  SetDefinitionFile(path);
  LoadParamDefinitions();
  if (!keep) {
    BuildDataBlocks(geometry, path);
    // Each list has at least its "+" block, from which the user adds functions.
    const std::optional<olv::protocol::stDataItem> frame =
        olv::protocol::ReadFrameTemplate(path, m_dataBlocks.size());
    if (frame && m_firstFrameBlocks.empty()) BuildFrameBlocks(false, frame->name);
    if (frame && m_secondFrameBlocks.empty()) BuildFrameBlocks2(false, frame->name);
  }
  ShowView(m_view);
  if (!keep) BuildFuncRecords(true, true, true, 0);
  LayoutDiagrams();
}

bool CAirDataFormatModel::LoadDefaultSendOrder(int scheme, bool clear) {
  const wxString& file = m_definitionFile;
  const wxString key = wxString::Format("Group%d", scheme);
  if (!platform::ProfileKeyExists(file, "Group", "Count") || !platform::ProfileKeyExists(file, "Group", key))
    return false;
  const bool connect = m_doc.RepeatCodeOn != 0;
  const auto fits = [connect](const std::vector<wxString>& names) {
    return Names(names, kGuideCode) && Names(names, kConnectCode) == connect;
  };
  const std::vector<wxString> first = SchemeOrder(file, "Group", key, clear && !connect);
  m_doc.SetParam(17, JoinOrder(first));
  if (!fits(first)) return false;
  if (platform::ProfileKeyExists(file, "Group2", key)) {
    const std::vector<wxString> second = SchemeOrder(file, "Group2", key, clear && !connect);
    m_doc.SetParam(20, JoinOrder(second));
    if (!fits(second)) return false;
    if (clear) HideEditors();
  } else {
    m_doc.SetParam(20, connect ? wxString::Format("%s,%s", kGuideCode, kConnectCode) : wxString(kGuideCode));
  }
  return true;
}

bool CAirDataFormatModel::ReloadSettings(bool keep) {
  m_keepBlocks = keep;
  ApplyDefinitionFile(AirDefinitionFile(m_doc.RemoteType), keep);
  LoadFixedFunctions();
  LoadModeFile(m_doc.AirFormatType);
  m_group1.Empty();
  m_group2.Empty();
  m_group1.kind16_shown = m_group2.kind16_shown = m_doc.RepeatCodeOn != 0;
  LayoutDiagrams();
  if (m_doc.AirFormatType != -1 && !LoadDefaultSendOrder(m_doc.AirFormatType, keep)) return false;
  RefreshControls();
  ShowFunctionView();
  return true;
}

// --- Controls and diagrams from the document.

bool CAirDataFormatModel::RebuildDiagram(CAirSendFormat& format, const wxString& order) {
  format.Empty();
  const std::vector<wxString> names = SplitOrder(order);
  const bool connect = m_doc.RepeatCodeOn != 0;
  bool fits = !names.empty() && Names(names, kConnectCode) == connect;
  for (const wxString& name : names) {
    stListBlock* entry = FindByName(name);
    if (!entry || format.FindWnd(entry->item.get()) >= 0) continue;
    const int display = entry->block.Kind();
    if ((display == kGuideDisplay && m_doc.LeadCodeOn == 0) || (display == kConnectDisplay && !connect)) {
      fits = false;
      continue;
    }
    if (!CarriesNoData(display) && !CanPlace(entry->item.get(), &format)) continue;
    AppendToDiagram(*entry, format);
  }
  // The connect code shows exactly while it is on.
  if (connect && !Names(names, kConnectCode)) {
    if (stListBlock* entry = FindByName(kConnectCode)) AppendToDiagram(*entry, format);
  }
  format.kind16_shown = connect;
  LayoutDiagram(format);
  return fits;
}

bool CAirDataFormatModel::RefreshControls() {
  ApplyIntervalInput();
  Check(kMsbFirst).checked = m_doc.LsbFirst == 0;
  Check(kLsbFirst).checked = m_doc.LsbFirst != 0;
  m_group2CheckShown = m_doc.RemoteType != kRemoteLcdSimple;
  Check(kGroup2Check).visible = m_group2CheckShown;
  m_secondFormat = &m_group2;
  const bool first = RebuildDiagram(m_group1, m_doc.GetParam(17));
  const bool second = RebuildDiagram(m_group2, m_doc.GetParam(20));
  // Group 2 exists exactly while its check is set.
  m_secondFormat = Check(kGroup2Check).checked ? &m_group2 : nullptr;
  ShowGroup2Controls(HasGroup2());
  ShowView(m_view);
  RecomputeTotals();
  return first && second;
}

void CAirDataFormatModel::RefreshView(bool keep) {
  m_selectedIndex = -1;
  m_selectionExtra = 0;
  m_picked = nullptr;
  if (!keep) ClearBlocks();
  m_group1.Empty();
  m_group2.Empty();
  m_current[0] = m_current[1] = -1;
}

bool CAirDataFormatModel::OnSchemeChanged(int scheme) {
  m_doc.AirFormatType = scheme;
  if (!ReloadSettings(false)) return false;
  RefreshControls();
  LoadModeFile(scheme);
  RecomputeTotals();
  HideEditors();
  return true;
}

// --- The project.

namespace {

// A list of blocks as a project section stores it: "Count", then each
// block's text under the key prefix and its number.
std::vector<wxString> ReadListTexts(const CProjectFile& file, const wxString& section,
                                    const wxString& prefix) {
  std::vector<wxString> texts;
  const int count = static_cast<int>(file.ReadNumber(section, "Count"));
  for (int i = 0; i < count; ++i)
    texts.push_back(file.ReadText(section, wxString::Format("%s%d", prefix, i)));
  return texts;
}

}  // namespace

bool CAirDataFormatModel::LoadFuncRecords(const wxString& path) {
  for (CAirSendFormat* format : {&m_group1, &m_group2}) {
    if (format == &m_group2 && m_doc.OpenGroup2 == 0) continue;
    for (int i = 0; i < format->PlaceCount(); ++i) {
      if (const FrameItem* item = format->GetBlockWnd(i)) ReadRecordOf(item, path);
    }
  }
  for (const BlockList* list : {&m_firstFrameBlocks, &m_secondFrameBlocks}) {
    for (const auto& entry : *list) {
      if (entry) ReadRecordOf(entry->item.get(), path);
    }
  }
  RecomputeTotals();
  return true;
}

bool CAirDataFormatModel::LoadFromProject() {
  const wxString path = m_doc.GetProjectFilePath();
  const CProjectFile file(path);
  const std::optional<olv::protocol::stDataItem> frame =
      olv::protocol::ReadFrameTemplate(m_definitionFile, m_dataBlocks.size());
  const auto rebuildLists = [&](const std::vector<wxString>& user, const std::vector<wxString>& pure) {
    ClearBlocks();
    if (!frame) return;
    for (const wxString& text : user.empty() ? std::vector<wxString>{frame->name} : user)
      BuildFrameBlocks(false, text);
    for (const wxString& text : pure.empty() ? std::vector<wxString>{frame->name} : pure)
      BuildFrameBlocks2(false, text);
    BuildFuncRecords(false, true, true, 0);
  };
  const auto finish = [&] {
    RefreshControls();
    ShowFunctionView();
    return true;
  };

  rebuildLists({}, {});
  LoadModeFile(m_doc.AirFormatType);
  ShowView(m_view);
  if (IsStandardProtocol(m_doc.ProtocolType) || m_doc.UseFormatTemplate()) return finish();

  for (const auto& [id, name] : ParamNames(m_definitionFile)) {
    const wxString value = file.ReadText(kCustom, name);
    if (value.empty()) continue;
    if (id == kMsbFirst) m_doc.LsbFirst = ParseNumber(value) == 0 ? 1 : 0;
    if (id == kInterval) m_doc.SetParam(21, value);
  }
  if (!file.Has(kCustom, "SendData")) return finish();
  m_doc.SetParam(17, file.ReadText(kCustom, "SendData", kOrderBuffer));
  if (file.Has(kCustom, "OpenGroup2")) m_doc.OpenGroup2 = file.ReadNumber(kCustom, "OpenGroup2") != 0 ? 1 : 0;
  if (m_doc.OpenGroup2 == 0) {
    m_doc.SetParam(20, m_doc.RepeatCodeOn != 0 ? wxString::Format("%s,%s", kGuideCode, kConnectCode)
                                               : wxString(kGuideCode));
  } else {
    if (!file.Has(kCustom, "SendDataEx")) return finish();
    m_doc.SetParam(20, file.ReadText(kCustom, "SendDataEx", kOrderBuffer));
  }
  Check(kGroup2Check).checked = m_doc.OpenGroup2 != 0;
  rebuildLists(ReadListTexts(file, projectfile::section::kUserFunctions, "UDFunc"),
               ReadListTexts(file, projectfile::section::kPureDataUserFunctions, "PureData_UDFunc"));
  PublishFuncBlocks();
  RefreshControls();
  LoadFuncRecords(path);
  ShowFunctionView();
  return true;
}

}  // namespace aircon

#include "protocol/BaseDataFormat.h"

#include <algorithm>

#include "core/ControlIdCounter.h"
#include "core/FuncRecords.h"
#include "core/MessageBoxes.h"
#include "core/ProjectFile.h"
#include "core/StringHelpers.h"

namespace olv::protocol {

namespace {

constexpr char kSendDataKey[] = "SendData";
constexpr char kFormatTypeKey[] = "FormatType";

// Kinds that stand for an option of the frame: never given a palette place.
bool IsOptionKind(int kind) {
  return kind == kKindOption2 || kind == kKindStart || kind == kKindToggle || kind == kKindOption16;
}

bool OptionShown(const CSendFormat& format, int kind) {
  switch (kind) {
    case kKindOption2: return format.kind2_shown;
    case kKindStart: return format.start_shown;
    case kKindToggle: return format.toggle_shown;
    case kKindOption16: return format.kind16_shown;
    default: return false;
  }
}

wxString JoinTexts(const CSendFormat* format) {
  wxString text;
  if (!format) return text;
  for (int i = 0; i < format->PlaceCount(); ++i) {
    if (const FrameItem* item = format->GetBlockWnd(i)) text += item->GetCaption() + ",";
  }
  return text;
}

int FindIn(const BlockList& list, const FrameItem* item) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] && list[i]->item.get() == item) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

int CalcBlockWidth(bool head, bool tail, bool kind2Shown, int blockCount, const stBlockWidthArea& area) {
  const int n = std::max(blockCount, 1);
  const int b = area.blockRectWidth;
  const int free = area.clientWidth - 2 * area.margin;
  int width = free - b;
  int divisor = 0;
  if (kind2Shown) {
    if (head) {
      divisor = n + 1;
    } else if (tail) {
      divisor = n > 1 ? n - 1 : 0;
    } else {
      width = free;
      divisor = n;
    }
  } else if (head) {
    divisor = n;
  } else if (tail) {
    // One block and a tail would share the row among -1 blocks.
    divisor = n != 2 ? n - 2 : 0;
  } else {
    divisor = n >= 2 ? n - 1 : 0;
  }
  if (divisor <= 0) return b;
  return std::min(width / divisor, b);
}

CBaseDataFormat::CBaseDataFormat(CDocManage& doc) : m_doc(doc) {}

CBaseDataFormat::~CBaseDataFormat() = default;

void CBaseDataFormat::ProjectChanged() {
  if (onProjectChanged) {
    onProjectChanged();
  } else {
    m_doc.SetModified(true, "CDataFormat");
  }
}

// --- Page protocol.

bool CBaseDataFormat::SaveToProject() {
  const CProjectFile file(m_doc.GetProjectFilePath());
  const wxString section = projectfile::section::kCustom;
  for (std::size_t i = 0; i < m_controlList.size(); ++i) {
    const int id = m_controlList[i];
    if (id == 0 || !ControlExists(id)) continue;
    stParamDefinition definition;
    if (!ReadParamDefinition(m_definitionFile, static_cast<int>(i), definition)) return false;
    wxString value;
    if (const stInputState* input = FindInput(id)) {
      value = input->text;
    } else if (const stChoiceState* choice = FindChoice(id)) {
      value = wxString::Format("%d", choice->selection);
    } else {
      value = FindCheck(id)->checked ? "1" : "0";
    }
    if (!file.WriteText(section, definition.name, value)) return false;
  }
  wxString sendData = JoinFrameTexts();
  while (sendData.EndsWith(",")) sendData.RemoveLast();
  if (!file.WriteText(section, kSendDataKey, sendData)) return false;
  return file.WriteNumber(section, kFormatTypeKey, m_doc.FormatType);
}

// --- Operations in slot order.

void CBaseDataFormat::ClearFrameBlocks(bool keepFirst, bool alsoLists, CSendFormat* format) {
  if (format) {
    for (int i = format->PlaceCount() - 1; i >= (keepFirst ? 1 : 0); --i) format->Place(i).UnbindWnd();
    if (!keepFirst) format->Clear();
  }
  if (alsoLists) {
    ClearDataBlocks();
    ClearBlocks();
  }
}

void CBaseDataFormat::ReleaseItemsOf(const BlockList& list) {
  for (CSendFormat* format : {m_firstFormat, m_secondFormat}) {
    if (!format) continue;
    for (int i = 0; i < format->PlaceCount(); ++i) {
      CFrameBlock& place = format->Place(i);
      if (place.IsBound() && FindIn(list, place.GetWnd()) >= 0) {
        place.UnbindWnd();
        place.SetFillColor(block_colours::kEmptyPlace);
      }
    }
  }
}

void CBaseDataFormat::ResetFrameBlocks(bool keepFirst, bool alsoLists) {
  ClearFrameBlocks(keepFirst, false, m_firstFormat);
  if (m_secondFormat) ClearFrameBlocks(keepFirst, false, m_secondFormat);
  if (alsoLists) ClearFrameBlocks(keepFirst, true, nullptr);
}

bool CBaseDataFormat::SetDefinitionFile(const wxString& path) {
  m_definitionFile = path;
  return true;
}

bool CBaseDataFormat::RefreshParams(int) { return true; }
bool CBaseDataFormat::WriteDataDefines(const wxString&) { return false; }
bool CBaseDataFormat::WriteSendBitsTable(const wxString&) { return false; }
bool CBaseDataFormat::LoadGroups() { return true; }
bool CBaseDataFormat::ApplyGroup(int) { return true; }
bool CBaseDataFormat::LayoutFrameArea(int, int, int, int, int) { return true; }
bool CBaseDataFormat::OnFrameChanged(CSendFormat*, int) { return true; }
int CBaseDataFormat::PlaceBlock(CFrameBlock*, int, int, CSendFormat*, bool) { return 0; }
void CBaseDataFormat::TrimDiagram(CSendFormat*) {}
void CBaseDataFormat::SetDiagramCurrentBlock(CSendFormat*, int) {}
void CBaseDataFormat::OpenBlockEditor(CFrameBlock*) {}
void CBaseDataFormat::ShowUserFunctionView() {}
void CBaseDataFormat::ShowPureDataView() {}

void CBaseDataFormat::PlaceOptionBlocks(int kindMask, int) {
  for (CSendFormat* format : {m_firstFormat, m_secondFormat}) {
    if (!format) continue;
    for (auto& entry : m_dataBlocks) {
      if (!entry || (entry->block.Kind() & kindMask) == 0) continue;
      entry->block.SetVisible(false, true);
      if (OptionShown(*format, entry->block.Kind()) && format->FindWnd(entry->item.get()) < 0) {
        PlaceListBlock(*entry, format);
      }
    }
    RelayoutFormat(format);
  }
}

bool CBaseDataFormat::ApplyBlockToSendFormats(const wxString& name, bool fromFirstList, bool fromSecondList) {
  BlockList& list =
      fromFirstList ? m_firstFrameBlocks : (fromSecondList ? m_secondFrameBlocks : m_dataBlocks);
  for (auto& entry : list) {
    if (!entry || entry->block.GetText().CmpNoCase(name) != 0) continue;
    for (CSendFormat* format : {m_firstFormat, m_secondFormat}) {
      if (format && format->FindWnd(entry->item.get()) < 0) PlaceListBlock(*entry, format);
    }
  }
  return true;
}

wxString CBaseDataFormat::ParseBlockText(wxString& text) {
  const std::size_t open = text.find('{');
  if (open == wxString::npos) return GetNextToken(text, ",");
  const std::size_t close = text.find('}', open);
  if (close == wxString::npos) {
    PlainMessageBox("The format error in setting.ini");
    return wxString();
  }
  const wxString result = text.Mid(open + 1, close - open - 1);
  wxString rest = text.Mid(close + 1);
  while (rest.StartsWith(",")) rest.Remove(0, 1);
  text = rest;
  return result;
}

bool CBaseDataFormat::ValidateParams(int which) {
  if (!CheckParamEdits()) return false;
  return which == 0 || CheckFunctionRecords();
}

void CBaseDataFormat::SetFrameMode(bool mode, bool) {
  for (CSendFormat* format : {m_firstFormat, m_secondFormat}) {
    if (!format || format->kind2_shown == mode) continue;
    format->SetKind2Shown(mode);
    RelayoutFormat(format);
    PlaceOptionBlocks(kKindOption2, 0);
    RebuildDiagrams(rebuildArgument);
  }
}

// Only a frame whose option changed is rebuilt: a rebuild shows the frame as
// changed by hand (the last send type).
void CBaseDataFormat::UpdateFrameBlocks(bool show, int) {
  for (CSendFormat* format : {m_firstFormat, m_secondFormat}) {
    if (!format || format->kind16_shown == show) continue;
    format->kind16_shown = show;
    RelayoutFormat(format);
    PlaceOptionBlocks(kKindOption16, 0);
    RebuildDiagrams(rebuildArgument);
  }
}

bool CBaseDataFormat::CheckFrame() { return true; }
void CBaseDataFormat::SelectView(int) {}
bool CBaseDataFormat::HasVerifyItem(const FrameItem*) { return false; }
bool CBaseDataFormat::HasVerifyItem2(const FrameItem*) { return false; }
bool CBaseDataFormat::CheckVerifyItems(bool) { return true; }
void CBaseDataFormat::RebuildDiagrams(int) {}
void CBaseDataFormat::SpareOperation() {}

// --- Controls.

stInputState* CBaseDataFormat::FindInput(int) { return nullptr; }
stCheckState* CBaseDataFormat::FindCheck(int) { return nullptr; }
stChoiceState* CBaseDataFormat::FindChoice(int) { return nullptr; }
bool CBaseDataFormat::IsHexadecimalInput(int) const { return false; }

bool CBaseDataFormat::CheckParamEdits() {
  for (std::size_t i = 0; i < m_controlList.size(); ++i) {
    const int id = m_controlList[i];
    if (id == 0 || !ControlExists(id)) continue;
    stParamDefinition definition;
    if (!ReadParamDefinition(m_definitionFile, static_cast<int>(i), definition)) {
      // Without its definition the value cannot be checked: refused, and said so.
      LangMessageBox("IDS_GET_PORTOCOL_INFO_ERROR");
      return false;
    }
    stInputState* input = FindInput(id);
    if (!input || !input->enabled || !input->visible) continue;
    if (input->text.empty() || !input->CheckRange()) {
      input->MarkRefused();
      focusRequest = id;
      return false;
    }
  }
  return true;
}

bool CBaseDataFormat::BuildMacros(CStringMap& macros) {
  for (std::size_t i = 0; i < m_controlList.size(); ++i) {
    const int id = m_controlList[i];
    if (id == 0 || !ControlExists(id)) continue;
    stParamDefinition definition;
    if (!ReadParamDefinition(m_definitionFile, static_cast<int>(i), definition)) break;
    if (const stInputState* input = FindInput(id)) {
      if (!definition.hasMask || definition.mask == 0) continue;
      StringMapSubscript(macros, definition.name) =
          InputMacroValue(input->text, IsHexadecimalInput(id), definition.mask);
      continue;
    }
    const stCheckState* check = FindCheck(id);
    StringMapSubscript(macros, definition.name) =
        CheckMacroValue(check && check->checked, definition.hasMask, definition.mask);
  }
  AddDataFieldMacros(macros, FirstFrameDataFields());
  return true;
}

// --- Block lists.

void CBaseDataFormat::MakeBlock(stListBlock& entry, const stDataItem& item, const wxString& text, int x,
                                int y, int width, int height, FrameBlockHost* owner) {
  CFrameBlock& block = entry.block;
  block.SetVisible(true, false);
  block.Create(x, y, height, width, owner);
  block.SetMovable(item.movable, false);
  block.SetKind(item.kind);
  block.SetTextColor(item.colour1);
  block.SetFillColor(item.colour2);
  block.SetText(text, true);
  block.SetMacroName(item.macroName);
  block.value_a = item.valueA;
  block.value_b = item.valueB;
  block.value_c = item.valueC;
  block.SetAuxText(item.auxText);
  block.value_d = item.valueD;
  if (!entry.item) entry.item = std::make_unique<CBlockItem>(TakeNextControlId(), text);
  entry.item->caption = text;
  if (!block.IsBound()) block.BindWnd(entry.item.get(), item.kind);
}

bool CBaseDataFormat::IsInSendFormats(const FrameItem* item) const {
  for (const CSendFormat* format : {m_firstFormat, m_secondFormat}) {
    if (format && format->FindWnd(item) >= 0) return true;
  }
  return false;
}

bool CBaseDataFormat::BuildDataBlocks(const stFrameGeometry& g, const wxString& definitionFile) {
  const stDataPalette palette = ReadDataPalette(definitionFile);
  int left = g.paletteLeft;
  int top = g.paletteTop;
  int placed = 0;
  for (std::size_t i = 0; i < palette.items.size(); ++i) {
    if (!palette.items[i]) {
      if (i < m_dataBlocks.size()) {
        if (m_dataBlocks[i]) {
          for (CSendFormat* format : {m_firstFormat, m_secondFormat}) {
            const int place = format ? format->FindWnd(m_dataBlocks[i]->item.get()) : -1;
            if (place >= 0) format->Place(place).UnbindWnd();
          }
        }
        m_dataBlocks[i].reset();
      } else {
        m_dataBlocks.emplace_back();
      }
      continue;
    }
    const stDataItem& item = *palette.items[i];
    const bool takesPlace = !IsOptionKind(item.kind);
    if (takesPlace && placed > 0 && placed % itemsPerRow == 0) {
      left = g.paletteLeft;
      top += g.blockHeight + g.gap;
    }
    if (i >= m_dataBlocks.size()) m_dataBlocks.emplace_back();
    if (!m_dataBlocks[i]) m_dataBlocks[i] = std::make_unique<stListBlock>();
    MakeBlock(*m_dataBlocks[i], item, item.name, left, top, g.blockWidth, g.blockHeight, this);
    if (!takesPlace) {
      m_dataBlocks[i]->block.SetVisible(false, true);
      continue;
    }
    // A block rebuilt while it stands in a frame keeps its place, out of sight.
    if (IsInSendFormats(m_dataBlocks[i]->item.get())) m_dataBlocks[i]->block.SetVisible(false, true);
    left += g.blockWidth + g.gap;
    ++placed;
  }
  return palette.countRead;
}

void CBaseDataFormat::AddFrameBlock(BlockList& list, int maximum, bool useTemplateName,
                                    const wxString& text) {
  const std::optional<stDataItem> frameTemplate = ReadFrameTemplate(m_definitionFile, m_dataBlocks.size());
  if (!frameTemplate) return;
  const bool second = &list == &m_secondFrameBlocks;
  if (!list.empty() && list.back()) {
    list.back()->block.SetFillColor(ColourFromRgb(static_cast<std::uint32_t>(frameTemplate->valueD)));
    list.back()->block.SetListFlags(!second, true, second);
  }
  if (maximum != 0 && static_cast<int>(list.size()) >= maximum) return;
  const int number = static_cast<int>(list.size());
  auto entry = std::make_unique<stListBlock>();
  stDataItem item = *frameTemplate;
  item.macroName = wxString::Format("%s%d", frameTemplate->macroName, number);
  const wxString blockText = useTemplateName ? wxString::Format("%s%d", frameTemplate->name, number) : text;
  MakeBlock(*entry, item, blockText, geometry.paletteLeft + geometry.gap, geometry.paletteTop,
            geometry.blockWidth, geometry.blockHeight, this);
  entry->block.SetListFlags(!second, false, second);
  list.push_back(std::move(entry));
}

void CBaseDataFormat::BuildFrameBlocks(bool useTemplateName, const wxString& text) {
  AddFrameBlock(m_firstFrameBlocks, maxFrameBlocks, useTemplateName, text);
}

void CBaseDataFormat::BuildFrameBlocks2(bool useTemplateName, const wxString& text) {
  AddFrameBlock(m_secondFrameBlocks, maxFrameBlocks2, useTemplateName, text);
}

void CBaseDataFormat::ClearDataBlocks() {
  ReleaseItemsOf(m_dataBlocks);
  m_dataBlocks.clear();
}

void CBaseDataFormat::ClearBlocks() {
  ReleaseItemsOf(m_firstFrameBlocks);
  ReleaseItemsOf(m_secondFrameBlocks);
  m_firstFrameBlocks.clear();
  m_secondFrameBlocks.clear();
}

stBlockLocation CBaseDataFormat::FindBlockByWnd(const FrameItem* item) const {
  stBlockLocation where;
  if (!item) return where;
  if ((where.index = FindIn(m_secondFrameBlocks, item)) >= 0) {
    where.inSecondList = true;
  } else if ((where.index = FindIn(m_dataBlocks, item)) >= 0) {
    where.inDataList = true;
  } else {
    where.index = FindIn(m_firstFrameBlocks, item);
  }
  return where;
}

stListBlock* CBaseDataFormat::BlockOfItem(const FrameItem* item) const {
  const stBlockLocation where = FindBlockByWnd(item);
  if (where.index < 0) return nullptr;
  const BlockList& list =
      where.inSecondList ? m_secondFrameBlocks : (where.inDataList ? m_dataBlocks : m_firstFrameBlocks);
  return list[static_cast<std::size_t>(where.index)].get();
}

void CBaseDataFormat::RelayoutFormat(CSendFormat* format) {
  if (!format) return;
  const stFrameGeometry& g = geometry;
  if (format->PlaceCount() == 0) {
    format->Layout(g.left, g.top, g.height, g.pitch, 9, this, true);
  } else {
    format->Layout(g.left, g.top, g.height, g.pitch, format->PlaceCount(), this, false);
  }
}

bool CBaseDataFormat::PlaceListBlock(stListBlock& entry, CSendFormat* format) {
  const int kind = entry.block.Kind();
  for (int i = 0; i < format->PlaceCount(); ++i) {
    const CFrameBlock& place = format->Place(i);
    if (!place.IsVisible() || place.IsBound() || !place.AcceptsKind(kind)) continue;
    if (!format->InsertAt(kind, i, entry.item.get(), entry.block.FillColour(), entry.block.IsComplement(),
                          entry.block.InFirstList(), entry.block.HasSuccessor(),
                          entry.block.InSecondList())) {
      return false;
    }
    RelayoutFormat(format);
    entry.block.SetVisible(false, true);
    return true;
  }
  return false;
}

void CBaseDataFormat::ShowBlocksOf(bool keepKind16, CSendFormat* format) {
  if (!format) return;
  for (int i = 0; i < format->PlaceCount(); ++i) {
    CFrameBlock& place = format->Place(i);
    if (!place.IsBound()) continue;
    stListBlock* entry = BlockOfItem(place.GetWnd());
    if (keepKind16 && entry && entry->block.Kind() == kKindOption16) continue;
    place.UnbindWnd();
    place.SetFillColor(block_colours::kEmptyPlace);
    if (entry && !IsOptionKind(entry->block.Kind())) entry->block.SetVisible(true, true);
  }
  format->SetKind2Shown(m_doc.LeadCodeOn != 0);
  format->kind16_shown = m_doc.RepeatCodeOn != 0;
}

void CBaseDataFormat::ShowAllBlocks(bool keepKind16) {
  ShowBlocksOf(keepKind16, m_firstFormat);
  if (m_secondFormat) ShowBlocksOf(keepKind16, m_secondFormat);
}

wxString CBaseDataFormat::JoinFrameTexts() const { return JoinTexts(m_firstFormat); }

wxString CBaseDataFormat::JoinFrameTexts2() const { return JoinTexts(m_secondFormat); }

std::vector<stDataField> CBaseDataFormat::FirstFrameDataFields() const {
  std::vector<stDataField> fields;
  if (!m_firstFormat) return fields;
  for (int i = 0; i < m_firstFormat->PlaceCount(); ++i) {
    const CFrameBlock& place = m_firstFormat->Place(i);
    if (place.Kind() != kKindData || !place.IsBound() || !place.GetWnd()) continue;
    fields.push_back({place.GetWnd()->GetCaption(), place.IsComplement()});
  }
  return fields;
}

int CBaseDataFormat::RemoveTimeBlocks() {
  int removed = 0;
  for (auto& entry : m_dataBlocks) {
    if (!entry) continue;
    const wxString text = entry->block.GetText();
    if (text != "IDS_TIME_OPEN" && text != "IDS_TIME_OPEN_D" && text != "IDS_TIME_CLOSE" &&
        text != "IDS_TIME_CLOSE_D")
      continue;
    for (CSendFormat* format : {m_firstFormat, m_secondFormat}) {
      const int at = format ? format->FindWnd(entry->item.get()) : -1;
      if (at < 0) continue;
      format->RemoveAt(at, true);
      entry->block.SetVisible(true, true);
      OnFrameChanged(format, 1);
      ++removed;
    }
  }
  CheckVerifyItems(true);
  return removed;
}

bool CBaseDataFormat::CheckFunctionRecords() {
  std::vector<wxString> names;
  const int modeNames = GetFuncDataNames(names);
  const int paletteCount = static_cast<int>(m_dataBlocks.size());
  for (std::size_t i = 0; i < m_firstFrameBlocks.size(); ++i) {
    if (!m_firstFrameBlocks[i] || !m_firstFrameBlocks[i]->block.HasSuccessor()) continue;
    stFuncRecord* record = nullptr;
    if (FindFuncRecord(paletteCount + static_cast<int>(i), &record)) {
      record->ModeSelect = FitModeMask(record->ModeSelect, modeNames);
    }
  }
  for (CSendFormat* format : {m_firstFormat, m_secondFormat}) {
    if (!format) continue;
    for (int p = 0; p < format->PlaceCount(); ++p) {
      const FrameItem* item = format->GetBlockWnd(p);
      const int index = FindIn(m_firstFrameBlocks, item);
      if (!item || index < 0) continue;
      stFuncRecord* record = nullptr;
      if (FindFuncRecord(paletteCount + index, &record) && record->ModeSelect == 0 && modeNames != 0) {
        LangMessageBox("IDS_NOCONFIG_MODE");
        return false;
      }
      if (item->GetCaption().empty()) {
        SetDiagramCurrentBlock(format, p);
        LangMessageBox("IDS_FUNC_NAME_EMPTY");
        return false;
      }
    }
  }
  return true;
}

}  // namespace olv::protocol

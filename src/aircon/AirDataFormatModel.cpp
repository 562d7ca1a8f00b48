// The page's state: its controls, the views of the block grid, the two
// diagrams and what the user does with them, the totals, group 2, the
// verify settings and the editors' requests.
#include "aircon/AirDataFormatModel.h"

#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "core/Numbers.h"
#include "core/ProjectFile.h"
#include "core/StringHelpers.h"
#include "platform/Profile.h"
#include "protocol/ModulationModel.h"

#include <algorithm>
#include <limits>

namespace aircon {

using namespace airformat_id;
using olv::protocol::BlockList;
using olv::protocol::BlockRect;
using olv::protocol::CFrameBlock;
using olv::protocol::CSendFormat;
using olv::protocol::FrameItem;
using olv::protocol::stBlockLocation;
using olv::protocol::stListBlock;

namespace {

constexpr char kGuideCode[] = "IDS_GUIDE_CODE";
constexpr char kConnectCode[] = "IDS_CONNECT_CODE";
constexpr char kVerify1[] = "IDS_VERIFY";
constexpr char kVerify2[] = "IDS_VERIFY2";

// The place kind an item of a block takes in a diagram.
int PlaceKindOf(const stListBlock& entry) {
  switch (entry.block.Kind()) {
    case kGuideDisplay: return olv::protocol::kKindOption2;
    case kConnectDisplay: return olv::protocol::kKindOption16;
    default: return olv::protocol::kKindData;
  }
}

bool IsTwoByteName(const wxString& macroName) { return macroName.Contains(","); }

}  // namespace

// --- Free helpers.

bool IsUnnamed(const wxString& name) { return GetLangText(name) == "+"; }

bool AirGuideWanted(const wxString& userIni) {
  if (userIni.empty()) return false;
  return ParseNumber(platform::ReadProfileString(userIni, "Olvanta", "Prompt_AirDataFormat", "0")) == 0;
}

std::vector<wxString> AirGuidePictures(const wxString& definitionFile) {
  std::vector<wxString> pictures;
  for (int index = 0;; ++index) {
    const wxString key = wxString::Format("%d", index);
    if (definitionFile.empty() || !platform::ProfileKeyExists(definitionFile, "PreviewImages", key)) break;
    pictures.push_back(platform::ReadProfileString(definitionFile, "PreviewImages", key, ""));
  }
  return pictures;
}

wxString AirDefinitionFile(int remoteType) { return modulation::CParamDefinitions::PathFor(remoteType); }

stVerifyItem NewVerifyItem(const wxString& name, const wxString& macroName, const wxString& tip, int weight) {
  stVerifyItem item;
  item.Name = name;
  item.MacroName = macroName;
  item.Tip = tip;
  item.Bits = 4;
  item.Weight = weight;
  item.Factors.assign(kVerifyFactors, wxString());
  return item;
}

bool IsFixConfigFunc(const CDocManage& doc, const wxString& name) {
  return std::any_of(doc.FixedFunctions.begin(), doc.FixedFunctions.end(),
                     [&](const wxString& fixed) { return fixed.CmpNoCase(name) == 0; });
}

// --- Diagrams.

int CAirSendFormat::LastBoundIndex() const {
  for (int i = PlaceCount() - 1; i >= 0; --i) {
    if (Place(i).IsBound()) return i;
  }
  return -1;
}

int CAirSendFormat::BlockCount() const {
  int count = 0;
  for (int i = 0; i < PlaceCount(); ++i) count += Place(i).IsBound() ? 1 : 0;
  return count;
}

void CAirSendFormat::FitFreePlaces(int free) {
  const int wanted = std::max(LastBoundIndex(), 0) + 1 + free;
  if (PlaceCount() > wanted) places_.resize(static_cast<std::size_t>(wanted));
}

void CAirSendFormat::RefreshCaption(FrameItem* item) {
  for (int i = 0; i < PlaceCount(); ++i) {
    CFrameBlock& place = Place(i);
    if (!place.IsBound() || place.GetWnd() != item) continue;
    const int kinds = place.AcceptedKinds();
    place.UnbindWnd();
    place.BindWnd(item, kinds);
  }
}

void CAirSendFormat::Empty() {
  for (int i = 0; i < PlaceCount(); ++i) {
    Place(i).UnbindWnd();
    Place(i).SetFillColor(olv::protocol::block_colours::kEmptyPlace);
  }
  if (PlaceCount() > 1) places_.resize(1);
}

// --- The model.

CAirDataFormatModel::CAirDataFormatModel(CDocManage& doc) : CBaseDataFormat(doc) {
  m_firstFormat = &m_group1;
  m_secondFormat = nullptr;
  itemsPerRow = kGridColumns;
  maxFrameBlocks = kUserFunctionCount;
  maxFrameBlocks2 = kPureDataCount;
  m_controlList.assign(std::begin(kAirParamControls), std::end(kAirParamControls));
  m_groupLimit = std::numeric_limits<int>::max();
  onProjectChanged = [this] { m_doc.SetModified(true, "CAirDataFormat"); };
  BuildControls();
}

void CAirDataFormatModel::BuildControls() {
  for (int id : {kBytes, kBytes2, kInterval}) m_inputs[id].id = id;
  Input(kBytes).text = "0";
  Input(kBytes2).text = "0";
  for (int id : {kMsbFirst, kLsbFirst, kGroup1Check, kGroup2Check}) m_checks[id].id = id;
  Check(kMsbFirst).checked = true;
  Check(kGroup1Check).checked = true;
  Check(kGroup1Check).enabled = false;
  ShowGroup2Controls(false);
}

olv::protocol::stInputState* CAirDataFormatModel::FindInput(int id) {
  auto found = m_inputs.find(id);
  return found == m_inputs.end() ? nullptr : &found->second;
}

olv::protocol::stCheckState* CAirDataFormatModel::FindCheck(int id) {
  auto found = m_checks.find(id);
  return found == m_checks.end() ? nullptr : &found->second;
}

// --- Blocks.

const BlockList& CAirDataFormatModel::ListOf(const stBlockLocation& where) const {
  if (where.inDataList) return m_dataBlocks;
  return where.inSecondList ? m_secondFrameBlocks : m_firstFrameBlocks;
}

stListBlock* CAirDataFormatModel::EntryAt(const stBlockLocation& where) const {
  if (where.index < 0) return nullptr;
  const BlockList& list = ListOf(where);
  return static_cast<std::size_t>(where.index) < list.size() ? list[where.index].get() : nullptr;
}

int CAirDataFormatModel::FunctionNumber(const stBlockLocation& where) const {
  if (where.index < 0) return -1;
  if (where.inDataList) return where.index;
  if (where.inSecondList) return FunctionListSize() + kUserFunctionCount + where.index;
  return FunctionListSize() + where.index;
}

int CAirDataFormatModel::BlockKind(const stBlockLocation& where) const {
  if (where.index < 0) return 0;
  if (!where.inDataList) return where.inSecondList ? kAirPureData : kAirUserDefined;
  const stListBlock* entry = EntryAt(where);
  return entry ? entry->block.value_a : 0;
}

stListBlock* CAirDataFormatModel::EntryOf(const CFrameBlock* block) const {
  for (const BlockList* list : {&m_dataBlocks, &m_firstFrameBlocks, &m_secondFrameBlocks}) {
    for (const auto& entry : *list) {
      if (entry && &entry->block == block) return entry.get();
    }
  }
  return nullptr;
}

stListBlock* CAirDataFormatModel::FindFunction(const wxString& text) const {
  for (const auto& entry : m_dataBlocks) {
    if (entry && entry->block.GetText().CmpNoCase(text) == 0) return entry.get();
  }
  return nullptr;
}

namespace {

// A default user-defined name ("IDS_UD_DATA" of any language and a number)
// in the current language; any other name as it stands.
wxString CurrentDefaultName(const wxString& name) {
  for (const char* section : {"1252", "950", "936"}) {
    const wxString prefix = GetLangTextEx("IDS_UD_DATA", false, section);
    if (prefix.empty() || name.length() <= prefix.length()) continue;
    if (name.Left(prefix.length()).CmpNoCase(prefix) != 0) continue;
    const wxString number = name.Mid(prefix.length());
    if (!number.IsNumber() || number.Contains("-") || number.Contains("+")) continue;
    return GetLangText("IDS_UD_DATA") + number;
  }
  return name;
}

}  // namespace

stListBlock* CAirDataFormatModel::FindByName(const wxString& name) const {
  if (stListBlock* function = FindFunction(name)) return function;
  const wxString current = CurrentDefaultName(name);
  for (const BlockList* list : {&m_firstFrameBlocks, &m_secondFrameBlocks}) {
    for (const auto& entry : *list) {
      if (!entry) continue;
      const wxString caption = entry->item->GetCaption();
      if (caption.CmpNoCase(name) == 0 || caption.CmpNoCase(current) == 0) return entry.get();
    }
  }
  return nullptr;
}

bool CAirDataFormatModel::ActivateLastBlock(bool pure) {
  BlockList& list = pure ? m_secondFrameBlocks : m_firstFrameBlocks;
  if (list.empty() || !list.back() || list.back()->block.HasSuccessor()) return false;
  const std::optional<olv::protocol::stDataItem> frame =
      olv::protocol::ReadFrameTemplate(m_definitionFile, m_dataBlocks.size());
  if (!frame) return false;
  if (pure) {
    BuildFrameBlocks2(false, frame->name);
  } else {
    BuildFrameBlocks(false, frame->name);
  }
  return true;
}

void CAirDataFormatModel::AddListBlock(bool pure) {
  const BlockList& list = pure ? m_secondFrameBlocks : m_firstFrameBlocks;
  const int activated = static_cast<int>(list.size()) - 1;
  if (!ActivateLastBlock(pure)) return;
  BuildFuncRecords(false, !pure, pure, activated);
  ShowView(m_view);
  ProjectChanged();
  OpenBlockEditor(&list[activated]->block);
}

// --- Views.

int CAirDataFormatModel::GridBlockWidth() const {
  const int width = (airGeometry.grid.Width() - kGridGap * (kGridColumns + 1)) / kGridColumns;
  return std::max(width, 24);
}

void CAirDataFormatModel::LayoutGrid(const std::vector<stListBlock*>& shown) {
  const int width = GridBlockWidth();
  const int height = airGeometry.blockHeight;
  const int x0 = airGeometry.grid.left + kGridGap;
  int x = x0;
  int y = airGeometry.grid.top + kGridGap;
  int placed = 0;
  for (stListBlock* entry : shown) {
    // A block that stands in a send order leaves the grid.
    if (IsInSendFormats(entry->item.get())) continue;
    if (placed > 0 && placed % kGridColumns == 0) {
      x = x0;
      y += height + kGridGap;
    }
    entry->block.Create(x, y, height, width, this);
    entry->block.SetVisible(true, true);
    x += width + kGridGap;
    ++placed;
  }
  const int rows = (placed + kGridColumns - 1) / kGridColumns;
  m_gridBox = {x0, airGeometry.grid.top + kGridGap, x0 + (width + kGridGap) * kGridColumns - kGridGap,
               airGeometry.grid.top + kGridGap + std::max(rows, 1) * (height + kGridGap) - kGridGap};
}

void CAirDataFormatModel::ShowView(AirView view) {
  m_view = view;
  std::vector<stListBlock*> shown;
  const auto hide = [](const BlockList& list) {
    for (const auto& entry : list) {
      if (entry) entry->block.SetVisible(false, true);
    }
  };
  hide(m_dataBlocks);
  hide(m_firstFrameBlocks);
  hide(m_secondFrameBlocks);
  const auto inGrid = [this](const stListBlock& entry, bool simpleKinds) {
    const int kind = entry.block.value_a;
    if (simpleKinds ? (kind == 0 || kind == kAirFunction) : kind != kAirFunction) return false;
    return !CarriesNoData(entry.block.Kind()) && !IsFixConfigFunc(m_doc, entry.block.GetText());
  };
  switch (view) {
    case AirView::kFunctions:
      for (const auto& entry : m_dataBlocks) {
        if (entry && inGrid(*entry, false)) shown.push_back(entry.get());
      }
      break;
    case AirView::kUserDefined:
      ApplyDefaultNames();
      for (const auto& entry : m_firstFrameBlocks) {
        if (entry) shown.push_back(entry.get());
      }
      break;
    case AirView::kPureData:
      for (const auto& entry : m_dataBlocks) {
        if (entry && inGrid(*entry, true)) shown.push_back(entry.get());
      }
      for (const auto& entry : m_secondFrameBlocks) {
        if (entry) shown.push_back(entry.get());
      }
      break;
  }
  LayoutGrid(shown);
}

void CAirDataFormatModel::ShowFunctionView() { ShowView(AirView::kFunctions); }
void CAirDataFormatModel::ShowUserFunctionView() { ShowView(AirView::kUserDefined); }
void CAirDataFormatModel::ShowPureDataView() { ShowView(AirView::kPureData); }

void CAirDataFormatModel::SelectView(int kind) {
  if (kind == kAirFunction) {
    ShowFunctionView();
  } else if (kind == kAirUserDefined) {
    ShowUserFunctionView();
  } else {
    ShowPureDataView();
  }
}

// --- Diagrams.

CAirSendFormat* CAirDataFormatModel::AsAir(CSendFormat* format) {
  if (format == &m_group1) return &m_group1;
  if (format == &m_group2) return &m_group2;
  return nullptr;
}

int CAirDataFormatModel::RowTop(const CSendFormat* format) const {
  return format == &m_group2 ? airGeometry.row2Top : airGeometry.row1Top;
}

int CAirDataFormatModel::DiagramPitch() const {
  // Both rows share one pitch: the longer row fits the width.
  int shown = 1;
  for (const CAirSendFormat* format : {&m_group1, &m_group2}) {
    const int count = std::max(format->LastBoundIndex(), 0) + 2;
    shown = std::max(shown, m_doc.LeadCodeOn != 0 ? count : count - 1);
  }
  const int width = std::max(airGeometry.rowRight - airGeometry.rowLeft, 1);
  return std::max(std::min(airGeometry.maxBlockWidth, width / shown), 8);
}

void CAirDataFormatModel::LayoutDiagram(CAirSendFormat& format) {
  format.SetKind2Shown(m_doc.LeadCodeOn != 0);
  format.FitFreePlaces(1);
  const int count = std::max(format.LastBoundIndex(), 0) + 2;
  format.Layout(airGeometry.rowLeft, RowTop(&format), airGeometry.blockHeight, DiagramPitch(), count, this,
                format.PlaceCount() == 0);
  const int group = &format == &m_group2 ? 1 : 0;
  for (int i = 0; i < format.PlaceCount(); ++i) format.Place(i).SetSelected(i == m_current[group], true);
}

void CAirDataFormatModel::LayoutDiagrams() {
  LayoutDiagram(m_group1);
  LayoutDiagram(m_group2);
}

bool CAirDataFormatModel::AppendToDiagram(stListBlock& entry, CAirSendFormat& format) {
  LayoutDiagram(format);
  const int kind = PlaceKindOf(entry);
  const int at = kind == olv::protocol::kKindOption2 ? 0 : std::max(format.LastBoundIndex() + 1, 1);
  if (format.Place(at).IsBound() && kind == olv::protocol::kKindOption2) return false;
  const bool put =
      format.InsertAt(kind, at, entry.item.get(), entry.block.FillColour(), entry.block.IsComplement(),
                      entry.block.InFirstList(), entry.block.HasSuccessor(), entry.block.InSecondList());
  LayoutDiagram(format);
  return put;
}

bool CAirDataFormatModel::CanPlace(const FrameItem* item, const CSendFormat* target) const {
  const stListBlock* entry = BlockOfItem(item);
  if (!entry || !target || entry->block.IsAddPlace() || CarriesNoData(entry->block.Kind())) return false;
  // A function not yet named (its name reads "+") has no name to stand for
  // it in the send order.
  if (IsUnnamed(entry->block.GetText())) return false;
  if (target == &m_group2 && !HasGroup2()) return false;
  if (target == &m_group1 && IsVerifyBlock(item, kVerify2)) return false;
  if (target == &m_group2 && IsVerifyBlock(item, kVerify1)) return false;
  return !IsInSendFormats(item);
}

int CAirDataFormatModel::PlaceBlock(CFrameBlock* block, int, int, CSendFormat* target, bool force) {
  stListBlock* entry = EntryOf(block);
  CAirSendFormat* format = AsAir(target);
  if (!entry || !format) return 0;
  if (!force && !CanPlace(entry->item.get(), target)) return 0;
  m_current[format == &m_group2 ? 1 : 0] = -1;
  if (!AppendToDiagram(*entry, *format)) return 0;
  entry->block.SetVisible(false, true);
  RecomputeTotals();
  return 1;
}

bool CAirDataFormatModel::InsertAt(FrameItem* item, CSendFormat* target, int index) {
  CAirSendFormat* format = AsAir(target);
  stListBlock* entry = BlockOfItem(item);
  if (!format || !entry || !CanPlace(item, target)) return false;
  LayoutDiagram(*format);
  const int at = std::clamp(index, 1, std::max(format->LastBoundIndex() + 1, 1));
  const bool put =
      format->InsertAt(PlaceKindOf(*entry), at, item, entry->block.FillColour(), entry->block.IsComplement(),
                       entry->block.InFirstList(), entry->block.HasSuccessor(), entry->block.InSecondList());
  m_current[format == &m_group2 ? 1 : 0] = -1;
  LayoutDiagram(*format);
  if (put) entry->block.SetVisible(false, true);
  RecomputeTotals();
  return put;
}

FrameItem* CAirDataFormatModel::TakeFromDiagram(CSendFormat* target, int index) {
  CAirSendFormat* format = AsAir(target);
  if (!format) return nullptr;
  FrameItem* item = format->GetBlockWnd(index);
  const stListBlock* entry = BlockOfItem(item);
  if (!item || (entry && CarriesNoData(entry->block.Kind()))) return nullptr;
  format->RemoveAt(index, true);
  m_current[format == &m_group2 ? 1 : 0] = -1;
  LayoutDiagram(*format);
  RecomputeTotals();
  return item;
}

void CAirDataFormatModel::TrimDiagram(CSendFormat* target) {
  if (CAirSendFormat* format = AsAir(target)) LayoutDiagram(*format);
}

void CAirDataFormatModel::SetDiagramCurrentBlock(CSendFormat* target, int index) {
  CAirSendFormat* format = AsAir(target);
  if (!format) return;
  m_current[format == &m_group2 ? 1 : 0] = index;
  LayoutDiagram(*format);
}

void CAirDataFormatModel::OnFrameEdited() {
  CheckVerifyItems(false);
  RebuildDiagrams(1);
  ProjectChanged();
}

void CAirDataFormatModel::RebuildDiagrams(int notify) {
  if (notify && onFormatAdded) onFormatAdded();
  RecomputeTotals();
}

void CAirDataFormatModel::FillGuideAndConnect(CAirSendFormat& format) {
  if (stListBlock* guide = FindByName(kGuideCode)) AppendToDiagram(*guide, format);
  if (m_doc.RepeatCodeOn != 0) {
    if (stListBlock* connect = FindByName(kConnectCode)) AppendToDiagram(*connect, format);
  }
}

void CAirDataFormatModel::UpdateFrameBlocks(bool show, int) {
  stListBlock* connect = FindByName(kConnectCode);
  bool changed = false;
  for (CAirSendFormat* format : {&m_group1, &m_group2}) {
    format->kind16_shown = show;
    if (!connect) continue;
    const int at = format->FindWnd(connect->item.get());
    if (show && at < 0) {
      changed = AppendToDiagram(*connect, *format) || changed;
    } else if (!show && at >= 0) {
      format->RemoveAt(at, true);
      LayoutDiagram(*format);
      changed = true;
    }
  }
  if (!changed) return;
  CheckVerifyItems(true);
  if (!HasGroup2()) m_doc.SetParam(20, show ? "IDS_GUIDE_CODE,IDS_CONNECT_CODE" : "IDS_GUIDE_CODE");
  RecomputeTotals();
}

// --- Verify codes.

bool CAirDataFormatModel::IsVerifyBlock(const FrameItem* item, const char* text) const {
  const stBlockLocation where = FindBlockByWnd(item);
  const stListBlock* entry = where.inDataList ? EntryAt(where) : nullptr;
  return entry && entry->block.value_a == kAirVerify && entry->block.GetText().CmpNoCase(text) == 0;
}

bool CAirDataFormatModel::HasVerifyItem(const FrameItem* item) { return IsVerifyBlock(item, kVerify1); }

bool CAirDataFormatModel::HasVerifyItem2(const FrameItem* item) { return IsVerifyBlock(item, kVerify2); }

bool CAirDataFormatModel::CheckVerifyItems(bool flag) {
  const wxString first = JoinFrameTexts();
  m_doc.SetParam(17, first);
  if (!flag && onVerifySetup) onVerifySetup(g_FuncRecords.verify1, first);
  if (HasGroup2()) {
    const wxString second = JoinFrameTexts2();
    m_doc.SetParam(20, second);
    if (!flag && onVerifySetup) {
      onVerifySetup(g_FuncRecords.verify2, second);
      // The dialog keeps showing the picked verify 1.
      if (m_picked && HasVerifyItem(m_picked)) onVerifySetup(g_FuncRecords.verify1, first);
    }
  }
  return true;
}

// --- Totals.

std::pair<int, int> CAirDataFormatModel::CountFrameBytes() const {
  const auto count = [this](const CSendFormat* format) {
    int bytes = 0;
    if (!format) return bytes;
    for (int i = 0; i < format->PlaceCount(); ++i) {
      const FrameItem* item = format->GetBlockWnd(i);
      if (!item) continue;
      const stBlockLocation where = FindBlockByWnd(item);
      const stListBlock* entry = EntryAt(where);
      if (!entry || (where.inDataList && CarriesNoData(entry->block.Kind()))) continue;
      bytes += IsTwoByteName(entry->block.GetMacroName()) ? 2 : 1;
    }
    return bytes;
  };
  return {count(m_firstFormat), count(m_secondFormat)};
}

int CAirDataFormatModel::SendPosition(const CSendFormat& format, int j) const {
  if (j < 0 || static_cast<std::size_t>(j) >= m_firstFrameBlocks.size() || !m_firstFrameBlocks[j]) return -1;
  const wxString name = m_firstFrameBlocks[j]->block.GetText();
  int position = 0;
  for (int i = 0; i < format.PlaceCount(); ++i) {
    const FrameItem* item = format.GetBlockWnd(i);
    if (!item) continue;
    const stListBlock* entry = EntryAt(FindBlockByWnd(item));
    if (!entry || CarriesNoData(entry->block.Kind())) continue;
    if (item->GetCaption().CmpNoCase(name) == 0) return position;
    position += IsTwoByteName(entry->block.GetMacroName()) ? 2 : 1;
  }
  return -1;
}

void CAirDataFormatModel::RecomputeTotals() {
  int weight = 0;
  for (const CSendFormat* format : {m_firstFormat, m_secondFormat}) {
    if (!format) continue;
    for (int i = 0; i < format->PlaceCount(); ++i) {
      const FrameItem* item = format->GetBlockWnd(i);
      if (!item) continue;
      const stBlockLocation where = FindBlockByWnd(item);
      if (where.index < 0) continue;
      weight += g_FuncRecords.GetFuncWeight(FunctionNumber(where), BlockKind(where));
    }
  }
  const std::pair<int, int> bytes = CountFrameBytes();
  Input(kBytes).text = wxString::Format("%d", bytes.first);
  Input(kBytes2).text = wxString::Format("%d", bytes.second);
  m_totalWeight = weight + (m_doc.OpenGroup2 != 0 ? m_group2Surcharge : 0);
  m_warningShown = m_totalWeight > m_groupLimit;
}

// --- Group 2.

void CAirDataFormatModel::ShowGroup2Controls(bool on) {
  m_group2Controls = on;
  Input(kBytes2).visible = on;
  Input(kInterval).visible = on;
}

wxString CAirDataFormatModel::FixedFunctionsInGroup2() const {
  wxString list;
  for (int i = 0; i < m_group2.PlaceCount(); ++i) {
    const CFrameBlock& place = m_group2.Place(i);
    if (!place.IsVisible() || !place.IsBound()) continue;
    const wxString name = place.GetWnd()->GetCaption();
    if (IsFixConfigFunc(m_doc, name)) list += GetLangText(name) + ",";
  }
  while (list.EndsWith(",")) list.RemoveLast();
  return list;
}

bool CAirDataFormatModel::SetGroup2(bool on) {
  const bool wasOpen = m_doc.OpenGroup2 != 0;
  if (on) {
    m_doc.OpenGroup2 = 1;
    m_secondFormat = &m_group2;
    if (m_group2.BlockCount() == 0) FillGuideAndConnect(m_group2);
    LayoutDiagram(m_group2);
  } else {
    const wxString fixed = FixedFunctionsInGroup2();
    if (!fixed.empty()) {
      Check(kGroup2Check).checked = true;
      LangMessageBox("", kNoticeOk, "IDS_PROMPT_FUNC_SELECTED", fixed);
      return false;
    }
    m_doc.OpenGroup2 = 0;
    m_secondFormat = &m_group2;
    m_group2.Empty();
    FillGuideAndConnect(m_group2);
    CheckVerifyItems(false);
    m_secondFormat = nullptr;
  }
  Check(kGroup2Check).checked = on;
  ShowGroup2Controls(on);
  if (wasOpen != on && onFormatAdded) onFormatAdded();
  ShowView(m_view);
  RecomputeTotals();
  ProjectChanged();
  return true;
}

// --- The editors.

void CAirDataFormatModel::HideEditors() {
  m_current[0] = m_current[1] = -1;
  for (CAirSendFormat* format : {&m_group1, &m_group2}) {
    for (int i = 0; i < format->PlaceCount(); ++i) format->Place(i).SetSelected(false, true);
  }
  m_picked = nullptr;
  if (onHideEditors) onHideEditors();
}

void CAirDataFormatModel::OpenBlockEditor(CFrameBlock* block) {
  stListBlock* entry = EntryOf(block);
  if (!entry) return;
  const stBlockLocation where = FindBlockByWnd(entry->item.get());
  stEditorRequest request;
  request.kind = BlockKind(where);
  request.index = where.index;
  request.number = FunctionNumber(where);
  request.usedNames = JoinFrameTexts();
  request.usedNames2 = JoinFrameTexts2();
  m_picked = entry->item.get();
  m_selectionExtra = 0;
  stFuncRecord* record = nullptr;
  switch (request.kind) {
    case kAirFunction:
      GetFuncDataNames(request.modeNames);
      if (FindFuncRecord(request.number, &record)) request.record = record;
      break;
    case kAirConstCode: FindConstRecord(request.number, &request.constRecord); break;
    case kAirVerify:
      if (entry->block.GetText().CmpNoCase(kVerify1) == 0) {
        request.itemList = request.usedNames;
        request.verifyItem = &g_FuncRecords.verify1;
      } else {
        request.itemList = request.usedNames2;
        request.verifyItem = &g_FuncRecords.verify2;
      }
      break;
    case kAirSimple:
      m_selectedIndex = where.index;
      if (FindFuncRecord(request.number, &record)) request.record = record;
      break;
    case kAirUserDefined:
      m_selectedIndex = where.index;
      GetFuncDataNames(request.modeNames);
      if (FindFuncRecord(request.number, &record)) request.record = record;
      break;
    case kAirPureData:
      m_selectedIndex = where.index;
      m_selectionExtra = 1;
      if (FindFuncRecord(request.number, &record)) request.record = record;
      break;
    default: return;
  }
  if (onOpenEditor) onOpenEditor(request);
}

// --- Handlers.

void CAirDataFormatModel::OnSendOrderClicked(bool lsbFirst) {
  Check(kMsbFirst).checked = !lsbFirst;
  Check(kLsbFirst).checked = lsbFirst;
  if (lsbFirst != (m_doc.LsbFirst != 0) && onFormatAdded) onFormatAdded();
  ProjectChanged();
}

void CAirDataFormatModel::OnIntervalChanged(bool inRange, const wxString& text) {
  olv::protocol::stInputState& interval = Input(kInterval);
  interval.text = text;
  interval.refused = false;
  interval.unitText = inRange ? wxString() : wxString("*");
  if (text != m_doc.GetParam(21) && onFormatAdded) onFormatAdded();
  ProjectChanged();
}

void CAirDataFormatModel::OnFuncConfigChanged(int flags) {
  if ((flags & 1) && onFormatAdded) onFormatAdded();
  if (flags & 2) {
    g_FuncRecords.ResetModeMasks();
    RecomputeTotals();
  }
  // A mode mask keeps the modes it selects: narrowed to the modes there are,
  // never shifted onto others.
  std::vector<wxString> names;
  const int modes = GetFuncDataNames(names);
  const std::uint32_t all = modes >= 16 ? 0xFFFFu : ((1u << modes) - 1u);
  for (std::size_t j = 0; j < m_firstFrameBlocks.size(); ++j) {
    if (!m_firstFrameBlocks[j] || !m_firstFrameBlocks[j]->block.HasSuccessor()) continue;
    stFuncRecord* record = nullptr;
    if (FindFuncRecord(FunctionListSize() + static_cast<int>(j), &record))
      record->ModeSelect = static_cast<std::uint16_t>(record->ModeSelect & all);
  }
}

void CAirDataFormatModel::OnOtherToAir(bool clear) {
  for (std::size_t i = 0; i < m_dataBlocks.size(); ++i) {
    if (!m_dataBlocks[i] || m_dataBlocks[i]->block.GetText() != "IDS_TEMP_DATA") continue;
    stFuncRecord* record = nullptr;
    if (!FindFuncRecord(static_cast<int>(i), &record)) continue;
    if (clear) record->CloseEnable = 0;
    const stBlockLocation picked = FindBlockByWnd(m_picked);
    if (picked.inDataList && m_selectedIndex == static_cast<int>(i) && onSimpleRecordChanged)
      onSimpleRecordChanged(*record);
  }
}

void CAirDataFormatModel::RenameBlock(stListBlock& entry, const wxString& text, int number) {
  entry.block.SetText(text, true);
  entry.item->caption = text;
  // The block shows its item's caption as it was bound: bound again.
  const int kinds = entry.block.AcceptedKinds();
  entry.block.UnbindWnd();
  entry.block.BindWnd(entry.item.get(), kinds);
  stFuncRecord* record = nullptr;
  if (FindFuncRecord(number, &record)) record->Name = text;
  m_group1.RefreshCaption(entry.item.get());
  m_group2.RefreshCaption(entry.item.get());
}

void CAirDataFormatModel::LoadParamDefinitions() {
  for (std::size_t k = 0; k < std::size(kAirParamControls); ++k) {
    if (olv::protocol::stInputState* input = FindInput(kAirParamControls[k]))
      olv::protocol::LoadParamDefinition(m_definitionFile, static_cast<int>(k), *input);
  }
}

void CAirDataFormatModel::ApplyDefaultNames() {
  bool renamed = false;
  for (std::size_t j = 0; j < m_firstFrameBlocks.size(); ++j) {
    stListBlock* entry = m_firstFrameBlocks[j].get();
    if (!entry) continue;
    const wxString current = CurrentDefaultName(entry->block.GetText());
    if (current == entry->block.GetText()) continue;
    RenameBlock(*entry, current, FunctionListSize() + static_cast<int>(j));
    renamed = true;
  }
  if (renamed) CheckVerifyItems(true);
}

bool CAirDataFormatModel::OnAirFuncRecord(const wxString& name, const stFuncRecord& record) {
  const bool pure = record.PureData != 0;
  const BlockList& own = pure ? m_secondFrameBlocks : m_firstFrameBlocks;
  const int index = record.FuncNo;
  if (index < 0 || static_cast<std::size_t>(index) >= own.size() || !own[index]) return false;
  if (name.empty()) {
    LangMessageBox("IDS_FUNC_NAME_EMPTY");
    return false;
  }
  const wxString problem = projectfile::FunctionNameProblem(name);
  if (!problem.empty()) {
    LangMessageBox("", kNoticeOk, problem, name);
    return false;
  }
  const wxString stored = EscapeAmpersands(name);
  for (const BlockList* list : {&m_dataBlocks, &m_firstFrameBlocks, &m_secondFrameBlocks}) {
    for (const auto& entry : *list) {
      if (!entry || entry.get() == own[index].get()) continue;
      if (entry->item->GetCaption().CmpNoCase(stored) == 0) {
        LangMessageBox("IDS_FUNC_NAMEDALREADY");
        return false;
      }
    }
  }
  const int number = pure ? FunctionListSize() + kUserFunctionCount + index : FunctionListSize() + index;
  RenameBlock(*own[index], stored, number);
  // Naming the "+" block adds the function: a new "+" block follows it.
  if (static_cast<std::size_t>(index) + 1 == own.size() && ActivateLastBlock(pure)) {
    BuildFuncRecords(false, !pure, pure, index + 1);
    ShowView(m_view);
  }
  CheckVerifyItems(true);
  ProjectChanged();
  return true;
}

}  // namespace aircon

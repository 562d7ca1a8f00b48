// The air-conditioner data-format page (template 148) as a model without a
// window: the function list and the user-defined and pure-data lists as
// blocks, the send orders of group 1 and group 2 as two diagrams, the byte
// totals and the resource weight, group 2 on and off, the function records
// of the blocks, the default send orders of a scheme, and the page's
// sections of the project file.
//
// On the data-format base (protocol/BaseDataFormat.h): the palette is the
// function list, the first and the second frame list are the user-defined
// and the pure-data list (both made from the one frame template of [Data]);
// a block of those two lists is active while it has a successor (every block
// but the trailing "+" block). A [Data] line gives the display type (field 2,
// the block's Kind()), the block kind 1..6 (field 7, value_a), ModeEnable
// (value_b), MaxValues (value_c), the tip (the auxiliary text) and the weight
// (value_d). In the frame template the last field is the colour a block
// takes once another follows it, so the two lists' blocks weigh nothing.
#pragma once

#include "core/DocManage.h"
#include "core/FuncRecords.h"
#include "aircon/UDFuncTemplate.h"
#include "protocol/BaseDataFormat.h"

#include <functional>
#include <map>
#include <vector>

namespace aircon {

// Control ids of the page (template 148).
namespace airformat_id {
constexpr int kBack = 1006;
constexpr int kNext = 1007;
constexpr int kCancel = 1008;
constexpr int kSendProcess = 1098;
constexpr int kSample = 1099;
constexpr int kSendOrderLabel = 1100;
constexpr int kMsbFirst = 1101;
constexpr int kLsbFirst = 1102;
constexpr int kBytesLabel = 1103;
constexpr int kBytes2Label = 1104;
constexpr int kIntervalLabel = 1105;
constexpr int kFunctionsView = 1158;
constexpr int kUserView = 1159;
constexpr int kPureDataView = 1160;
constexpr int kFrameBox = 1161;
constexpr int kParamArea = 1162;
constexpr int kBytes = 1163;
constexpr int kBytes2 = 1164;
constexpr int kInterval = 1165;
constexpr int kIntervalUnit = 1166;
constexpr int kWarning = 1168;
constexpr int kGroup1Check = 1169;
constexpr int kGroup2Check = 1170;
}  // namespace airformat_id

// The controls the "PD%d" definitions bind, in definition order: the bit
// order, the interval between the groups, the byte totals of both groups.
constexpr int kAirParamControls[] = {airformat_id::kMsbFirst, airformat_id::kInterval, airformat_id::kBytes,
                                     airformat_id::kBytes2};

// What a block stands for; it also picks the editor of the block.
enum AirBlockKind : int {
  kAirFunction = 1,
  kAirConstCode = 2,
  kAirVerify = 3,
  kAirSimple = 4,
  kAirUserDefined = 5,
  kAirPureData = 6,
};

// Display types of blocks that carry no data byte: the guide (lead) code and
// the connect code, which ends the first frame of its group.
constexpr int kGuideDisplay = 2;
constexpr int kConnectDisplay = 16;
inline bool CarriesNoData(int displayType) {
  return displayType == kGuideDisplay || displayType == kConnectDisplay;
}

// The most user-defined functions a project has (their numbers follow the
// function list; the pure-data functions' follow theirs), and the most
// pure-data functions. The protocol data numbers its default records so.
constexpr int kUserFunctionCount = 16;
constexpr int kPureDataCount = 16;
// A verify setting names its factors A to I.
constexpr int kVerifyFactors = 9;
// Columns of the block grid.
constexpr int kGridColumns = 4;
// Space between the blocks of the grid.
constexpr int kGridGap = 15;

enum class AirView { kFunctions, kUserDefined, kPureData };

// The definition file of a remote type ("setting.ini" of its Custom protocol
// folder) and the mode file of a scheme beside it.
wxString AirDefinitionFile(int remoteType);

// Fills a record from section "Func<number>" of a mode file: each key present
// replaces its field; "Group" (when above 0) value entries "Data%d", a
// missing one skipped, each "value,key" with the key's language text as its
// name; "DataShow" also sets PrevDataShow. The record becomes resizable.
void ReadFuncDefinition(const wxString& modeFile, int number, stFuncRecord& record);

// An empty verify setting: nine empty factors, bit count 4.
stVerifyItem NewVerifyItem(const wxString& name, const wxString& macroName, const wxString& tip, int weight);

// The page's one-time guide is still wanted: "Prompt_AirDataFormat" of the
// per-user file's [Olvanta] reads as the number 0 (so does a missing key).
bool AirGuideWanted(const wxString& userIni);
// The guide's pictures: [PreviewImages] "0", "1", ... of the definition
// file up to the first missing key.
std::vector<wxString> AirGuidePictures(const wxString& definitionFile);

// A user-defined or pure-data function not yet named: its name reads "+"
// (the frame template's name), and its editor shows "FUNC_<number>".
bool IsUnnamed(const wxString& name);

// The document's fixed-function list names the name (without regard to case).
bool IsFixConfigFunc(const CDocManage& doc, const wxString& name);

// What an editor of a block is handed when the user picks the block.
struct stEditorRequest {
  int kind = 0;    // AirBlockKind
  int index = -1;  // in its list
  int number = -1;
  stFuncRecord* record = nullptr;          // functions, simple, user-defined, pure data
  stConstCodeFunc* constRecord = nullptr;  // constant codes
  stVerifyItem* verifyItem = nullptr;      // verify codes
  wxString itemList;                       // verify codes: the send order of its group
  std::vector<wxString> modeNames;         // functions and user-defined functions
  wxString usedNames;                      // group 1's send order
  wxString usedNames2;                     // group 2's send order
};

// A diagram of the page: place 0 takes the guide code, every other place a
// data block or the connect code; the blocks stand one after another.
class CAirSendFormat : public olv::protocol::CSendFormatEx {
 public:
  // The last place with a block; -1 for none.
  int LastBoundIndex() const;
  int BlockCount() const;
  // Keeps exactly free unbound places after the last block (place 0 stays).
  void FitFreePlaces(int free);
  // The places showing the item show its caption again.
  void RefreshCaption(olv::protocol::FrameItem* item);
  // Unbinds every place and removes all but place 0.
  void Empty();
};

// Where the page's parts lie (client coordinates), set by the window.
struct stAirGeometry {
  olv::protocol::BlockRect grid;  // the block grid ("Data_Frame")
  int blockHeight = 24;           // of the grid's and the diagrams' blocks
  int rowLeft = 0;                // the diagrams
  int rowRight = 400;
  int row1Top = 0;
  int row2Top = 40;
  int maxBlockWidth = 90;
};

class CAirDataFormatModel : public olv::protocol::CBaseDataFormat {
 public:
  explicit CAirDataFormatModel(CDocManage& doc = g_DocManage);

  // --- Page protocol.
  // Blocks, records, parameters, send orders and diagrams of the open
  // project; a new project keeps the scheme's defaults.
  bool LoadFromProject() override;
  // [Custom] "SendData", "SendDataEx" (group 2 only), "OpenGroup2", the two
  // lists' sections, the records of the blocks, then the base's save. False
  // at the first write that fails.
  bool SaveToProject() override;
  bool StorePageData() override;
  // The parameter check, then the blocks handed to the later pages.
  bool CheckAndApply() override;
  // The definitions of the remote type and the scheme's mode file; without
  // keep the blocks and their records are made anew, and the scheme's
  // default send orders loaded. False when the default send orders do not
  // fit the connect code.
  bool ReloadSettings(bool keep);
  // The controls from the document and both diagrams from parameters 17 and
  // 20; false (the diagram of the order left empty) when an order is empty or
  // does not fit the lead and connect codes.
  bool RefreshControls();
  // Without keep the two lists lose their blocks; both diagrams are emptied.
  void RefreshView(bool keep);
  // The carrier page switched to scheme: everything of the scheme anew.
  bool OnSchemeChanged(int scheme);

  // --- Data-format base operations.
  int PlaceBlock(olv::protocol::CFrameBlock* block, int flags, int extraSlots,
                 olv::protocol::CSendFormat* target, bool force) override;
  void TrimDiagram(olv::protocol::CSendFormat* format) override;
  void SetDiagramCurrentBlock(olv::protocol::CSendFormat* format, int index) override;
  void OpenBlockEditor(olv::protocol::CFrameBlock* block) override;
  void ShowUserFunctionView() override;
  void ShowPureDataView() override;
  // The connect code is on (show) or off: it joins the end of each diagram
  // that lacks it, or leaves both.
  void UpdateFrameBlocks(bool show, int mode) override;
  void SelectView(int kind) override;
  bool HasVerifyItem(const olv::protocol::FrameItem* item) override;
  bool HasVerifyItem2(const olv::protocol::FrameItem* item) override;
  bool CheckVerifyItems(bool flag) override;
  void RebuildDiagrams(int notify) override;

  olv::protocol::stInputState* FindInput(int id) override;
  olv::protocol::stCheckState* FindCheck(int id) override;

  // --- Views.
  void ShowFunctionView();
  void ShowView(AirView view);
  AirView View() const { return m_view; }
  // The box around the grid's blocks after the last view was laid out.
  const olv::protocol::BlockRect& GridBox() const { return m_gridBox; }
  // The width of the grid's blocks.
  int GridBlockWidth() const;
  // Lays both diagrams out again over the geometry.
  void LayoutDiagrams();

  // --- Blocks.
  int FunctionListSize() const { return static_cast<int>(m_dataBlocks.size()); }
  const olv::protocol::BlockList& FunctionList() const { return m_dataBlocks; }
  const olv::protocol::BlockList& UserList() const { return m_firstFrameBlocks; }
  const olv::protocol::BlockList& PureDataList() const { return m_secondFrameBlocks; }
  // The function number and the kind of a block by where it was found.
  int FunctionNumber(const olv::protocol::stBlockLocation& where) const;
  int BlockKind(const olv::protocol::stBlockLocation& where) const;
  // The list block of a block of a list; null for any other block.
  olv::protocol::stListBlock* EntryOf(const olv::protocol::CFrameBlock* block) const;
  // A function-list block by its text (without regard to case); null when none.
  olv::protocol::stListBlock* FindFunction(const wxString& text) const;
  // A send-order name's block: the function list, the user-defined list, then
  // the pure-data list, by caption without regard to case.
  olv::protocol::stListBlock* FindByName(const wxString& name) const;
  // The user clicked the trailing "+" block of the user-defined (pure false)
  // or the pure-data list: a new block follows it, its record is made anew
  // and its editor opens.
  void AddListBlock(bool pure);

  // --- Diagrams.
  CAirSendFormat& Group1() { return m_group1; }
  CAirSendFormat& Group2() { return m_group2; }
  // Group 2 exists (its diagram takes part in the send order).
  bool HasGroup2() const { return m_secondFormat != nullptr; }
  // Whether the item may stand in the diagram: verify 2 never in group 1,
  // verify 1 never in group 2, a block only once.
  bool CanPlace(const olv::protocol::FrameItem* item, const olv::protocol::CSendFormat* target) const;
  // Puts the block of the item at place index of the diagram (later blocks
  // pushed on); refused as PlaceBlock refuses.
  bool InsertAt(olv::protocol::FrameItem* item, olv::protocol::CSendFormat* target, int index);
  // Takes the block at place index out of the diagram; null when none is
  // there or it cannot be taken (the guide and the connect code).
  olv::protocol::FrameItem* TakeFromDiagram(olv::protocol::CSendFormat* format, int index);
  // After the user changed a diagram: parameters 17 and 20, the totals, the
  // carrier page told, the project marked changed.
  void OnFrameEdited();
  int CurrentIndex(int group) const { return m_current[group]; }

  // --- Group 2.
  // The check box 1170: on, or off unless group 2 holds fixed functions
  // (then "IDS_PROMPT_FUNC_SELECTED" and the check stays set; false).
  bool SetGroup2(bool on);
  // The fixed functions group 2 holds, as their language texts joined by ",".
  wxString FixedFunctionsInGroup2() const;

  // --- Totals.
  void RecomputeTotals();
  int TotalWeight() const { return m_totalWeight; }
  bool WarningShown() const { return m_warningShown; }
  int GroupLimit() const { return m_groupLimit; }
  int Group2Surcharge() const { return m_group2Surcharge; }
  // The data bytes of each group's frame: 1 per block, 2 for a two-byte
  // macro name, none for the guide and the connect code.
  std::pair<int, int> CountFrameBytes() const;
  // Where user-defined function j stands in the data array of the diagram's
  // group; -1 when the diagram does not send it.
  int SendPosition(const olv::protocol::CSendFormat& format, int j) const;

  // --- Loading.
  void LoadFuncDefinition(stFuncRecord& record) const;
  void BuildFuncRecords(bool functions, bool user, bool pureData, int first);
  void LoadModeFile(int scheme);
  void ApplyDefinitionFile(const wxString& path, bool keep);
  bool LoadDefaultSendOrder(int scheme, bool clear);
  // [FixConfig] "Func" into the document's fixed-function list, and [MaxWeight].
  void LoadFixedFunctions();
  // Reads the records of the blocks back from the project file.
  bool LoadFuncRecords(const wxString& path);
  wxString ModeFile(int scheme) const;

  // --- For the later pages.
  void PublishFuncBlocks();
  wxString GetItemKeyAt(int i) const;
  int CountActiveItems() const;
  bool IsFuncReserve2(int n) const;
  int GetFuncReserve(int n) const;
  bool IsItemInParamLists(int i, bool fromUserList) const;
  int GetFuncEndPos(int n) const;
  wxString FormatFuncDataList(int n) const;
  // What the expansion of user-defined function j's template reads of the
  // page (UDFuncTemplate.h): its record and its places in the send orders.
  stUDFuncTemplateSource UDFuncTemplateSource(int j) const;

  // --- Handlers.
  // A user-defined (not pure) or pure-data function's editor proposes a name
  // for its record: taken (true) or refused with a message.
  bool OnAirFuncRecord(const wxString& name, const stFuncRecord& record);
  // Bit 0: a placed function changed the frame's shape; bit 1: widths or
  // data committed.
  void OnFuncConfigChanged(int flags);
  // The other-settings page: the temperature's display in the off state.
  void OnOtherToAir(bool clear);
  void OnSendOrderClicked(bool lsbFirst);
  // The interval input reported its value (inRange: its own range check).
  void OnIntervalChanged(bool inRange, const wxString& text);
  // Default user-defined names of another language take the current one's.
  void ApplyDefaultNames();
  // The parameter definitions ("PD%d") on the page's inputs: masks, ranges, tips.
  void LoadParamDefinitions();
  // Hides the editors and forgets the picked block.
  void HideEditors();

  // The item last picked (its editor shows); null for none.
  olv::protocol::FrameItem* Picked() const { return m_picked; }
  bool Group2ControlsShown() const { return m_group2Controls; }
  bool Group2CheckShown() const { return m_group2CheckShown; }
  int SelectedIndex() const { return m_selectedIndex; }

  stAirGeometry airGeometry;

  // The window's side of the model.
  std::function<void()> onFormatAdded;  // WM_AIR_FORMAT_ADDED to the carrier page
  std::function<void()> onHideEditors;
  std::function<void(const stEditorRequest&)> onOpenEditor;
  std::function<void(stVerifyItem& item, const wxString& sendOrder)> onVerifySetup;
  // The record of a simple function on display changed (WM_OTHER_TO_AIR).
  std::function<void(stFuncRecord& record)> onSimpleRecordChanged;

 private:
  void BuildControls();
  olv::protocol::stInputState& Input(int id) { return m_inputs.at(id); }
  olv::protocol::stCheckState& Check(int id) { return m_checks.at(id); }
  const olv::protocol::BlockList& ListOf(const olv::protocol::stBlockLocation& where) const;
  olv::protocol::stListBlock* EntryAt(const olv::protocol::stBlockLocation& where) const;
  CAirSendFormat* AsAir(olv::protocol::CSendFormat* format);
  int RowTop(const olv::protocol::CSendFormat* format) const;
  void LayoutDiagram(CAirSendFormat& format);
  int DiagramPitch() const;
  bool AppendToDiagram(olv::protocol::stListBlock& entry, CAirSendFormat& format);
  bool RebuildDiagram(CAirSendFormat& format, const wxString& order);
  bool OrderFits(const std::vector<wxString>& names) const;
  void FillGuideAndConnect(CAirSendFormat& format);
  void ShowGroup2Controls(bool on);
  void LayoutGrid(const std::vector<olv::protocol::stListBlock*>& shown);
  void MarkUsed(const std::vector<const olv::protocol::BlockList*>& lists);
  void ReadVerifyRecord(int number, const wxString& path);
  void ReadRecordOf(const olv::protocol::FrameItem* item, const wxString& path);
  bool WriteRecordOf(const olv::protocol::FrameItem* item, const wxString& path);
  void RenameBlock(olv::protocol::stListBlock& entry, const wxString& text, int number);
  // The list's trailing "+" block becomes a function; a new "+" block follows
  // unless the list is full. False when the list has no "+" block.
  bool ActivateLastBlock(bool pure);
  void ApplyIntervalInput();
  bool IsInGroupOrder(const wxString& caption) const;
  // The item's block is the verify block of the function list with that text.
  bool IsVerifyBlock(const olv::protocol::FrameItem* item, const char* text) const;

  CAirSendFormat m_group1;
  CAirSendFormat m_group2;
  std::map<int, olv::protocol::stInputState> m_inputs;
  std::map<int, olv::protocol::stCheckState> m_checks;
  AirView m_view = AirView::kFunctions;
  olv::protocol::BlockRect m_gridBox;
  olv::protocol::FrameItem* m_picked = nullptr;
  int m_selectedIndex = -1;
  int m_selectionExtra = 0;
  int m_current[2] = {-1, -1};
  int m_totalWeight = 0;
  bool m_warningShown = false;
  int m_groupLimit = 0;
  int m_group2Surcharge = 0;
  bool m_keepBlocks = false;
  bool m_group2Controls = false;
  bool m_group2CheckShown = true;
};

}  // namespace aircon

// The data-format pages' shared model, without a window: the definition
// file, the definition-to-control list, the palette and frame block lists,
// the send-format diagrams, load/save of [Custom], validation and macros.
//
// CBaseDataFormat is the base of the general page's model (CDataFormatModel) and
// of the air-conditioner page's. Its virtual operations are a contract with
// those pages: they are declared below in slot order and keep that order.
// The page window binds its controls to the plain state the model exposes
// (FindInput, FindCheck, FindChoice) and relays its events to the model.
#pragma once

#include "core/DocManage.h"
#include "protocol/DataFormatDefinitions.h"
#include "protocol/DataFormatGeneration.h"
#include "protocol/SendFormat.h"

#include <functional>
#include <memory>
#include <vector>

namespace olv::protocol {

// The width of a frame's blocks: the client width less the margins (and the
// block rectangle's width where a head or tail block takes it) shared among
// the frame's blocks, never above the block rectangle's width. A divisor that
// is not positive (too few blocks for the mode) gives the block rectangle's width.
struct stBlockWidthArea {
  int clientWidth = 0;
  int margin = 0;
  int blockRectWidth = 0;
};
int CalcBlockWidth(bool head, bool tail, bool kind2Shown, int blockCount, const stBlockWidthArea& area);

// The hidden child button a block is bound to: its caption is the block's
// text, and its window text names the block everywhere else (saved send data,
// generated macros). Its id comes from the control-id counter
// (core/ControlIdCounter.h), which function buttons share.
class CBlockItem : public FrameItem {
 public:
  CBlockItem(int controlId, const wxString& caption) : id(controlId), caption(caption) {}
  wxString GetCaption() const override { return caption; }
  void MoveTo(const BlockRect& r) override { rect = r; }

  int id;
  wxString caption;
  BlockRect rect;
};

// A block of one of the page's lists with the button it owns.
struct stListBlock {
  CFrameBlock block;
  std::unique_ptr<CBlockItem> item;
};
// A list may hold empty entries (a [Data] number without text): they keep the
// indexes of the others and are skipped in every walk.
using BlockList = std::vector<std::unique_ptr<stListBlock>>;

// Where the first send format's places are laid out.
struct stFrameGeometry {
  int left = 0;
  int top = 0;
  int height = 24;
  int pitch = 72;
  // The palette: first block, block size and the space between blocks.
  int paletteLeft = 0;
  int paletteTop = 0;
  int blockWidth = 72;
  int blockHeight = 24;
  int gap = 15;
};

// Which list a block was found in.
struct stBlockLocation {
  int index = -1;
  bool inSecondList = false;
  bool inDataList = false;
};

class CBaseDataFormat : public FrameBlockHost {
 public:
  explicit CBaseDataFormat(CDocManage& doc = g_DocManage);
  ~CBaseDataFormat() override;
  CBaseDataFormat(const CBaseDataFormat&) = delete;
  CBaseDataFormat& operator=(const CBaseDataFormat&) = delete;

  // --- Page protocol operations the data-format pages give bodies to.
  virtual bool LoadFromProject() { return true; }
  virtual bool ShowStoredValues() { return true; }
  // Writes every defined control's value into [Custom] under its definition's
  // "Name", then "SendData" and "FormatType". False at the first definition
  // without a name (values written before stay) or a write that fails.
  virtual bool SaveToProject();
  virtual bool StorePageData() { return true; }
  virtual bool CheckAndApply() { return true; }

  // --- Operations added by the data-format base, in slot order.
  // 1, 2: delete the blocks of a send format (all, or all but the first);
  // with alsoLists the three block lists are emptied too.
  virtual void ClearFrameBlocks(bool keepFirst, bool alsoLists, CSendFormat* format);
  virtual void ResetFrameBlocks(bool keepFirst, bool alsoLists);
  // 3
  virtual bool SetDefinitionFile(const wxString& path);
  // 4
  virtual bool RefreshParams(int flag);
  // 5, 6: generated tables of the page; 0 in the base.
  virtual bool WriteDataDefines(const wxString& path);
  virtual bool WriteSendBitsTable(const wxString& path);
  // 7, 8
  virtual bool LoadGroups();
  virtual bool ApplyGroup(int index);
  // 9
  virtual bool LayoutFrameArea(int left, int top, int right, int bottom, int flag);
  // 10: the page checks the frame after it changed; the base accepts it.
  virtual bool OnFrameChanged(CSendFormat* format, int flag);
  // 11 to 16: operations of the air-conditioner page; empty here.
  virtual int PlaceBlock(CFrameBlock* block, int flags, int extraSlots, CSendFormat* target, bool force);
  virtual void TrimDiagram(CSendFormat* format);
  virtual void SetDiagramCurrentBlock(CSendFormat* format, int index);
  virtual void OpenBlockEditor(CFrameBlock* block);
  virtual void ShowUserFunctionView();
  virtual void ShowPureDataView();
  // 17: option blocks of the kinds in the mask follow the frames' option flags.
  virtual void PlaceOptionBlocks(int kindMask, int flag);
  // 18: places the block named name (from the first frame list, the second,
  // or the palette) into the send formats.
  virtual bool ApplyBlockToSendFormats(const wxString& name, bool fromFirstList, bool fromSecondList);
  // 19: which 0: inputs, then the page's frame checks; otherwise inputs, the
  // function-record check and the frame check.
  virtual bool ValidateParams(int which);
  // 20, 21
  virtual void SetFrameMode(bool mode, bool fit);
  virtual void UpdateFrameBlocks(bool show, int mode);
  // 22, 23
  virtual bool CheckFrame();
  virtual void SelectView(int kind);
  // 24 to 26: verify items of the air-conditioner page.
  virtual bool HasVerifyItem(const FrameItem* item);
  virtual bool HasVerifyItem2(const FrameItem* item);
  virtual bool CheckVerifyItems(bool flag);
  // 27
  virtual void RebuildDiagrams(int flag);
  // 28
  virtual void SpareOperation();

  // --- Controls as plain state (null for an id the page does not have).
  virtual stInputState* FindInput(int id);
  virtual stCheckState* FindCheck(int id);
  virtual stChoiceState* FindChoice(int id);
  bool ControlExists(int id) { return FindInput(id) || FindCheck(id) || FindChoice(id); }

  // True when every enabled, visible input of the definition-to-control list
  // holds a value within its range; else the first bad one is asked for the
  // focus (focusRequest) and the result is false. False as well for a
  // definition without a name.
  bool CheckParamEdits();

  // Macros of the definition-to-control list and the first frame's data fields.
  bool BuildMacros(CStringMap& macros);
  // The inputs whose macro value is a hexadecimal number.
  virtual bool IsHexadecimalInput(int id) const;

  // The palette from [Data] (blocks reused by index) and the frame template.
  bool BuildDataBlocks(const stFrameGeometry& geometry, const wxString& definitionFile);
  void BuildFrameBlocks(bool useTemplateName, const wxString& text);
  void BuildFrameBlocks2(bool useTemplateName, const wxString& text);
  // Delete the palette, or both frame lists; their items leave the send formats first.
  void ClearDataBlocks();
  void ClearBlocks();

  // Block lookups and frame helpers.
  stBlockLocation FindBlockByWnd(const FrameItem* item) const;
  stListBlock* BlockOfItem(const FrameItem* item) const;
  bool IsInSendFormats(const FrameItem* item) const;
  void ShowBlocksOf(bool keepKind16, CSendFormat* format);
  void ShowAllBlocks(bool keepKind16);
  wxString JoinFrameTexts() const;
  // Splits a block text: "{x},rest" gives "x" and leaves "rest" (leading
  // commas dropped); "a,b" gives "a" and leaves "b"; a "{" without "}" shows
  // "The format error in setting.ini" and gives an empty result.
  static wxString ParseBlockText(wxString& text);
  wxString JoinFrameTexts2() const;
  // The items of the first frame's data places (kind 1), in frame order.
  std::vector<stDataField> FirstFrameDataFields() const;
  // The function-record check of the frames (run by ValidateParams(non-zero)).
  bool CheckFunctionRecords();
  // The follow-up of a time-data drop: the time blocks ("IDS_TIME_OPEN",
  // "IDS_TIME_OPEN_D", "IDS_TIME_CLOSE", "IDS_TIME_CLOSE_D") leave the frames
  // for the palette, each frame told (OnFrameChanged), then CheckVerifyItems.
  // Returns how many were taken out.
  int RemoveTimeBlocks();

  const wxString& DefinitionFile() const { return m_definitionFile; }
  const std::vector<int>& ControlList() const { return m_controlList; }
  const BlockList& DataBlocks() const { return m_dataBlocks; }
  const BlockList& FirstFrameBlocks() const { return m_firstFrameBlocks; }
  const BlockList& SecondFrameBlocks() const { return m_secondFrameBlocks; }
  CSendFormat* FirstFormat() const { return m_firstFormat; }
  CSendFormat* SecondFormat() const { return m_secondFormat; }
  CDocManage& Doc() const { return m_doc; }

  void InvalidateRect(const BlockRect&) override {}

  // Called after every change of project data (the page marks the project modified).
  std::function<void()> onProjectChanged;
  stFrameGeometry geometry;
  // Maximum blocks of the first and the second frame list; 0: no limit.
  int maxFrameBlocks = 0;
  int maxFrameBlocks2 = 0;
  int itemsPerRow = 2;
  // The argument the page passes to RebuildDiagrams after a drop.
  int rebuildArgument = 1;
  // The control that should take the focus (a refused input); 0: none.
  int focusRequest = 0;

 protected:
  void ProjectChanged();
  // Lays the send format out again over the frame geometry.
  void RelayoutFormat(CSendFormat* format);
  // Puts a list block into the format at the first free place that takes it.
  bool PlaceListBlock(stListBlock& entry, CSendFormat* format);
  // Takes every item of the list out of the send formats.
  void ReleaseItemsOf(const BlockList& list);
  void AddFrameBlock(BlockList& list, int maximum, bool useTemplateName, const wxString& text);
  static void MakeBlock(stListBlock& entry, const stDataItem& item, const wxString& text, int x, int y,
                        int width, int height, FrameBlockHost* owner);

  CDocManage& m_doc;
  CSendFormat* m_firstFormat = nullptr;
  CSendFormat* m_secondFormat = nullptr;
  BlockList m_dataBlocks;
  BlockList m_firstFrameBlocks;
  BlockList m_secondFrameBlocks;
  wxString m_definitionFile;
  std::vector<int> m_controlList;
};

}  // namespace olv::protocol

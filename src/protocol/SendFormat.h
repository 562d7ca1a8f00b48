// Send-format diagram: a row of places whose bound items, first to last, give a frame's
// send order. CSendFormatEx is the variant with a first option place, uniform places
// of kind 17 and one place of its own width.
#pragma once

#include "protocol/FrameBlock.h"

#include <memory>
#include <vector>

namespace olv::protocol {

class CSendFormat {
 public:
  CSendFormat() = default;
  virtual ~CSendFormat() = default;
  CSendFormat(const CSendFormat&) = delete;
  CSendFormat& operator=(const CSendFormat&) = delete;

  void Clear() { places_.clear(); }
  // With create the places are made anew; without, options that are off hide their places.
  virtual void Layout(int x, int y, int height, int pitch, int count, FrameBlockHost* owner, bool create);

  bool SetShown(bool shown) { return start_shown = shown; }
  void SetKind2Shown(bool shown) { kind2_shown = shown; }

  // Marks the first free place for an item of kinds K and, unless skipped, every bound one.
  virtual bool MarkDropPlaces(int item_kinds, bool skip_bound, bool skip_free);
  bool ClearMarks();

  // Puts an item at place i, pushing the items from there on one accepting place further.
  // Refused (false, nothing changed) when the place does not accept the item or no free
  // accepting place is left at or after i: a full row loses nothing.
  bool InsertAt(int item_kinds, int index, FrameItem* item, BlockColour fill, bool complement, bool in_first,
                bool has_successor, bool in_second);
  // Takes the item out of place i; later items close the gap.
  FrameItem* RemoveAt(int index, bool by_kind);

  bool HitTest(int x, int y, int* index) const;
  FrameItem* GetBlockWnd(int index) const;
  int FindWnd(const FrameItem* item) const;

  bool BeginBlocks();
  bool NextBlockWnd(FrameItem** item);

  int PlaceCount() const { return static_cast<int>(places_.size()); }
  CFrameBlock& Place(int i) { return *places_.at(i); }
  const CFrameBlock& Place(int i) const { return *places_.at(i); }

  // Drop marker under the place carrying the insertion item: apex, then base corners.
  struct Marker {
    int apex_x, apex_y, base_left, base_right, base_y;
  };
  bool MarkerGeometry(Marker* m) const;

  bool drop_place_found = false;
  FrameItem* insertion_item = nullptr;
  bool marker_shown = false;
  bool start_shown = false;
  bool toggle_shown = false;
  bool kind2_shown = false;
  bool kind16_shown = false;

 protected:
  bool ValidIndex(int i) const { return i >= 0 && i < PlaceCount(); }
  std::vector<std::unique_ptr<CFrameBlock>> places_;
  int walk_ = 0;
};

class CSendFormatEx : public CSendFormat {
 public:
  CSendFormatEx() { walk_ = -1; }
  void Layout(int x, int y, int height, int pitch, int count, FrameBlockHost* owner, bool create) override;

  int special_index = -1;
  int special_width = 0;
};

}  // namespace olv::protocol

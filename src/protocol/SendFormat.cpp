#include "protocol/SendFormat.h"

#include <cmath>

namespace olv::protocol {

namespace {

int KindOfNewPlace(int i) {
  if (i == 0) return kKindOption2;
  if (i == 1) return kKindStart;
  if (i == 2) return kKindToggle;
  if (i == 8) return kKindOption16;
  return kKindData;
}

void PrepareNewPlace(CFrameBlock& b, int kind) {
  b.SetKind(kind);
  b.SetMovable(true, false);
  b.SetRounded(true, true);
  b.SetFillColor(block_colours::kEmptyPlace);
  b.SetTextColor(RgbColour(0, 0, 0));
}

struct CarriedItem {
  FrameItem* item;
  int kinds;
  BlockColour fill;
  bool complement, in_first, has_successor, in_second;
};

CarriedItem TakeItem(CFrameBlock& b) {
  CarriedItem c{nullptr,         b.AcceptedKinds(), b.FillColour(),  b.IsComplement(),
                b.InFirstList(), b.HasSuccessor(),  b.InSecondList()};
  c.item = b.UnbindWnd();
  return c;
}

void PutItem(CFrameBlock& b, const CarriedItem& c) {
  b.BindWnd(c.item, c.kinds);
  b.SetFillColor(c.fill);
  b.SetComplement(c.complement);
  b.SetListFlags(c.in_first, c.has_successor, c.in_second);
}

}  // namespace

void CSendFormat::Layout(int x, int y, int height, int pitch, int count, FrameBlockHost* owner, bool create) {
  if (create) places_.clear();
  for (int i = 0; i < count; ++i) {
    if (!create && !ValidIndex(i)) break;
    CFrameBlock* b;
    if (create) {
      places_.push_back(std::make_unique<CFrameBlock>());
      b = places_.back().get();
    } else {
      b = places_[i].get();
      const int k = b->Kind();
      if ((k == kKindStart && !start_shown) || (k == kKindToggle && !toggle_shown) ||
          (k == kKindOption2 && !kind2_shown) || (k == kKindOption16 && !kind16_shown)) {
        b->UnbindWnd();
        b->SetVisible(false, true);
        continue;
      }
    }
    b->Create(x, y, height, pitch, owner);
    if (create) PrepareNewPlace(*b, KindOfNewPlace(i));
    b->SetVisible(true, true);
    x += pitch;
    if (i == 7) x += pitch;
  }
}

void CSendFormatEx::Layout(int x, int y, int height, int pitch, int count, FrameBlockHost* owner,
                           bool create) {
  if (create) places_.clear();
  for (int i = 0; i < count; ++i) {
    const bool is_new = i >= PlaceCount();
    if (is_new) places_.push_back(std::make_unique<CFrameBlock>());
    CFrameBlock& b = *places_[i];
    if (!is_new && b.Kind() == kKindOption2 && !kind2_shown) {
      b.UnbindWnd();
      b.SetVisible(false, true);
      continue;
    }
    const int width = i == special_index ? special_width : pitch;
    b.Create(x, y, height, width, owner);
    if (is_new) PrepareNewPlace(b, i == 0 ? kKindOption2 : (kKindOption16 | kKindData));
    b.SetVisible(true, true);
    x += width;
  }
}

bool CSendFormat::MarkDropPlaces(int item_kinds, bool skip_bound, bool skip_free) {
  if (!skip_free) {
    CFrameBlock* free_place = nullptr;
    for (auto& p : places_)
      if (p->IsVisible() && !p->IsBound() && p->AcceptsKind(item_kinds)) {
        free_place = p.get();
        break;
      }
    if (!free_place) {
      drop_place_found = false;
      return false;
    }
    free_place->SetSelected(true, true);
  }
  if (!skip_bound)
    for (auto& p : places_)
      if (p->IsVisible() && p->IsBound() && p->AcceptsKind(item_kinds)) p->SetSelected(true, true);
  return true;
}

bool CSendFormat::ClearMarks() {
  drop_place_found = false;
  for (auto& p : places_) p->SetSelected(false, true);
  return true;
}

bool CSendFormat::InsertAt(int item_kinds, int index, FrameItem* item, BlockColour fill, bool complement,
                           bool in_first, bool has_successor, bool in_second) {
  if (!ValidIndex(index) || !places_[index]->AcceptsKind(item_kinds)) return false;
  bool has_room = false;
  for (int j = index; j < PlaceCount() && !has_room; ++j)
    has_room = places_[j]->AcceptsKind(item_kinds) && !places_[j]->IsBound();
  if (!has_room) return false;
  CarriedItem carried{item, item_kinds, fill, complement, in_first, has_successor, in_second};
  for (int j = index; j < PlaceCount(); ++j) {
    CFrameBlock& p = *places_[j];
    if (!p.AcceptsKind(item_kinds)) continue;
    if (!p.IsBound()) {
      PutItem(p, carried);
      return true;
    }
    CarriedItem displaced = TakeItem(p);
    PutItem(p, carried);
    carried = displaced;
  }
  return true;
}

FrameItem* CSendFormat::RemoveAt(int index, bool by_kind) {
  if (!ValidIndex(index) || !places_[index]->IsBound()) return nullptr;
  FrameItem* removed = places_[index]->UnbindWnd();
  int vacant = index;
  for (int j = index + 1; j < PlaceCount(); ++j) {
    CFrameBlock& p = *places_[j];
    if (by_kind && (p.AcceptedKinds() & places_[vacant]->Kind()) == 0) continue;
    if (!p.IsBound()) continue;
    PutItem(*places_[vacant], TakeItem(p));
    vacant = j;
  }
  places_[vacant]->SetFillColor(block_colours::kEmptyPlace);
  return removed;
}

bool CSendFormat::HitTest(int x, int y, int* index) const {
  for (int i = 0; i < PlaceCount(); ++i)
    if (places_[i]->IsVisible() && places_[i]->HitTest(x, y)) {
      if (index) *index = i;
      return true;
    }
  return false;
}

FrameItem* CSendFormat::GetBlockWnd(int index) const {
  return ValidIndex(index) ? places_[index]->GetWnd() : nullptr;
}

int CSendFormat::FindWnd(const FrameItem* item) const {
  for (int i = 0; i < PlaceCount(); ++i)
    if (places_[i]->IsBound() && places_[i]->GetWnd() == item) return i;
  return -1;
}

bool CSendFormat::BeginBlocks() {
  if (PlaceCount() < 2) return false;
  walk_ = 0;
  return true;
}

bool CSendFormat::NextBlockWnd(FrameItem** item) {
  if (!ValidIndex(walk_)) {
    *item = nullptr;
    return false;
  }
  *item = places_[walk_]->GetWnd();
  ++walk_;
  return walk_ < PlaceCount();
}

bool CSendFormat::MarkerGeometry(Marker* m) const {
  if (!insertion_item || !marker_shown) return false;
  const int i = FindWnd(insertion_item);
  if (i < 0) return false;
  BlockRect r = places_[i]->GetBoundingRect();
  const int h = r.Height();
  r.top += h;
  r.bottom = r.top + 10;
  const int cx = (r.left + r.right) / 2;
  const int w = static_cast<int>(std::trunc(2 * 0.577 * r.Height())) / 2;
  *m = {cx, r.top, cx - w, cx + w, r.bottom};
  return true;
}

}  // namespace olv::protocol

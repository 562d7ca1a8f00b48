#pragma once

#include "protocol/FrameBlock.h"

#include <vector>

namespace olv::protocol::testing {

struct FakeItem : FrameItem {
  explicit FakeItem(wxString c) : caption(std::move(c)) {}
  wxString GetCaption() const override { return caption; }
  void MoveTo(const BlockRect& r) override { at = r; }
  wxString caption;
  BlockRect at;
};

struct FakeHost : FrameBlockHost {
  void InvalidateRect(const BlockRect& r) override { invalidated.push_back(r); }
  std::vector<BlockRect> invalidated;
};

}  // namespace olv::protocol::testing

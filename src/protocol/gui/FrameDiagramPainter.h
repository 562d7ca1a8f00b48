// Draws frame blocks and send-format rows on a wxDC: the window side of the
// headless CFrameBlock / CSendFormat models. An owner window keeps one painter,
// gives its blocks a CWindowBlockHost and calls the painter from its paint handler.
#pragma once

#include "protocol/FrameBlock.h"
#include "protocol/SendFormat.h"
#include "ui/FontEx.h"

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/pen.h>

#include <vector>

class wxDC;
class wxWindow;

namespace olv::protocol {

// The edge bits a non-rounded body is outlined with.
enum BlockEdge : int {
  kEdgeLeftTop = 0x01,
  kEdgeRightBottom = 0x02,
  kEdgeLeft = 0x04,
  kEdgeTop = 0x08,
  kEdgeRight = 0x10,
  kEdgeBottom = 0x20,
  kEdgeOutline = kEdgeLeftTop | kEdgeRightBottom,
};

wxColour ColourOfBlock(BlockColour colour);

// How a text goes into a block: on one line in dc's font or a point smaller;
// else on two lines split at a space or after an underscore, in the largest
// font down to six points that fits the rectangle; else on one line in the
// largest font that fits. A text that fits in none is laid out at six points
// and clipped by the block.
struct stBlockTextFit {
  std::vector<wxString> lines;
  wxFont font;
  wxSize size;  // of the lines together
};
stBlockTextFit FitBlockText(wxDC& dc, const wxString& text, const wxRect& rect);

// A window as the owner of blocks: what a block invalidates is repainted (with erase).
class CWindowBlockHost : public FrameBlockHost {
 public:
  explicit CWindowBlockHost(wxWindow* window) : m_window(window) {}
  void InvalidateRect(const BlockRect& rect) override;
  wxWindow* Window() const { return m_window; }

 private:
  wxWindow* m_window;
};

class CFrameBlockPainter {
 public:
  // Blocks are drawn in the owner's font at 8 points.
  explicit CFrameBlockPainter(const wxFont& ownerFont);

  // A visible block: its label (centred), then its body outlined by the edge bits.
  void DrawBlock(wxDC& dc, const CFrameBlock& block, int edges) const;
  void DrawBody(wxDC& dc, const CFrameBlock& block, int edges) const;
  void DrawLabel(wxDC& dc, const CFrameBlock& block) const;
  // Every visible place outlined whole, then the drop marker while the owner shows it.
  void DrawSendFormat(wxDC& dc, const CSendFormat& format) const;

  const wxFont& Font() const { return m_font.GetFont(); }

 private:
  const wxPen& PenFor(BlockPen pen) const;
  void DrawEdges(wxDC& dc, const BlockRect& r, int edges) const;

  CFontEx m_font;
  wxPen m_solid;
  wxPen m_fixed;
  wxPen m_selection;
  wxPen m_dotted;
};

}  // namespace olv::protocol

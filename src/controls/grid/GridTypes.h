// Value types of the grid control: cell positions, cell ranges, the item
// record, rectangles with the platform-neutral meaning the grid draws with,
// and the constants (state bits, item masks, text formats, notification codes).
#pragma once

#include "ui/Colors.h"
#include "ui/FontEx.h"

#include <wx/gdicmn.h>
#include <wx/string.h>

#include <cstdint>

// A user word stored with a cell or passed to a callback.
using GridParam = std::intptr_t;

// "Use the default" for a cell's text or background colour.
constexpr ColorRef kGridDefaultColor = 0xFF000000u;

// Cell state bits.
enum GridCellState : unsigned {
  GVIS_FOCUSED = 0x01,
  GVIS_SELECTED = 0x02,
  GVIS_DROPHILITED = 0x04,
  GVIS_READONLY = 0x08,
  GVIS_FIXED = 0x10,
  GVIS_FIXEDROW = 0x20,
  GVIS_FIXEDCOL = 0x40,
  GVIS_MODIFIED = 0x80,
};

// Which properties a GridItem carries.
enum GridItemMask : unsigned {
  GVIF_TEXT = 0x1,
  GVIF_IMAGE = 0x2,
  GVIF_PARAM = 0x4,
  GVIF_STATE = 0x8,
  GVIF_BKCLR = 0x10,
  GVIF_FGCLR = 0x20,
  GVIF_FORMAT = 0x40,
  GVIF_FONT = 0x80,
  GVIF_MARGIN = 0x100,
  GVIF_ALL = 0x1FF,
};

// Text-drawing flags of a cell's format (the values of the Windows DrawText flags).
namespace gridformat {
constexpr unsigned kLeft = 0x0;
constexpr unsigned kCenter = 0x1;
constexpr unsigned kRight = 0x2;
constexpr unsigned kVCenter = 0x4;
constexpr unsigned kBottom = 0x8;
constexpr unsigned kWordBreak = 0x10;
constexpr unsigned kSingleLine = 0x20;
constexpr unsigned kExpandTabs = 0x40;
constexpr unsigned kNoClip = 0x100;
constexpr unsigned kCalcRect = 0x400;
constexpr unsigned kNoPrefix = 0x800;
constexpr unsigned kEndEllipsis = 0x8000;
// Left-aligned single line, vertically centred, ellipsis at the end.
constexpr unsigned kDefault = kVCenter | kSingleLine | kNoPrefix | kEndEllipsis;
}  // namespace gridformat

// Grid-line modes.
enum GridLines : int {
  GVL_NONE = 0,
  GVL_HORZ = 1,
  GVL_VERT = 2,
  GVL_BOTH = 3,
};

// Auto-size styles (bit set).
enum GridAutoSize : int {
  GVS_DEFAULT = 0,
  GVS_HEADER = 1,
  GVS_DATA = 2,
  GVS_BOTH = 3,
};

// Codes of the grid's notifications to its owner (the values of the
// list-view and common notification codes).
enum GridNotifyCode : int {
  GVN_SELCHANGING = -100,
  GVN_SELCHANGED = -101,
  GVN_CLICK = -2,
  GVN_DBLCLK = -3,
  GVN_RCLICK = -5,
  GVN_BEGINDRAG = -109,
  GVN_ODCACHEHINT = -113,
  GVN_BEGINLABELEDIT = -175,
  GVN_ENDLABELEDIT = -176,
  GVN_GETDISPINFO = -177,
};

// A cell position; (-1, -1) is no cell.
class CCellID {
 public:
  int row = -1;
  int col = -1;

  CCellID() = default;
  CCellID(int nRow, int nCol) : row(nRow), col(nCol) {}

  // Non-negative row and column; a grid checks its own bounds as well.
  bool IsValid() const { return row >= 0 && col >= 0; }
  bool operator==(const CCellID& other) const { return row == other.row && col == other.col; }
  bool operator!=(const CCellID& other) const { return !(*this == other); }
};

// A rectangle of cells with inclusive bounds; all -1 is no range.
class CellRange {
 public:
  int minRow = -1;
  int minCol = -1;
  int maxRow = -1;
  int maxCol = -1;

  CellRange() = default;
  CellRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol)
      : minRow(nMinRow), minCol(nMinCol), maxRow(nMaxRow), maxCol(nMaxCol) {}

  bool IsValid() const {
    return minRow >= 0 && minCol >= 0 && maxRow >= 0 && maxCol >= 0 && minRow <= maxRow && minCol <= maxCol;
  }
  bool InRange(int row, int col) const {
    return minRow <= row && row <= maxRow && minCol <= col && col <= maxCol;
  }
  bool InRange(const CCellID& cell) const { return InRange(cell.row, cell.col); }
  CCellID GetTopLeft() const { return CCellID(minRow, minCol); }
  int Count() const { return IsValid() ? (maxRow - minRow + 1) * (maxCol - minCol + 1) : 0; }
  bool operator==(const CellRange& o) const {
    return minRow == o.minRow && minCol == o.minCol && maxRow == o.maxRow && maxCol == o.maxCol;
  }
  bool operator!=(const CellRange& o) const { return !(*this == o); }
};

// A rectangle with the meaning the grid's geometry uses: right and bottom lie
// one past the area that a fill covers. A cell of width w at x has
// left = x, right = x + w - 1, so a fill "grown one pixel right and down"
// covers exactly its w pixels, and the grid line sits on x + w - 1.
struct GridRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  GridRect() = default;
  GridRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  // Empty or inverted.
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(const wxPoint& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  wxPoint TopLeft() const { return wxPoint(left, top); }
  void Offset(int dx, int dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
  }
  void Deflate(int dx, int dy) { Inflate(-dx, -dy); }
  void Inflate(int dx, int dy) {
    left -= dx;
    right += dx;
    top -= dy;
    bottom += dy;
  }
  // The pixels a fill of this rectangle covers.
  wxRect ToWx() const { return wxRect(left, top, Width(), Height()); }
  bool operator==(const GridRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// Several properties of one cell, read or written at once.
struct GridItem {
  int row = -1;
  int col = -1;
  unsigned mask = 0;
  unsigned state = 0;
  unsigned format = 0;
  int image = -1;
  ColorRef bkClr = kGridDefaultColor;
  ColorRef fgClr = kGridDefaultColor;
  GridParam lParam = 0;
  stLogFont font;
  int margin = -1;
  wxString strText;
};

// The record of a display request (virtual mode) and of an end-of-edit notice.
struct GridDispInfo {
  GridItem item;
};

// Selected-cell map key: row and column each keep all their bits.
inline std::uint64_t GridCellKey(int row, int col) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(col)) << 32) |
         static_cast<std::uint32_t>(row);
}

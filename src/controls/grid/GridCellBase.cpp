#include "controls/grid/GridCellBase.h"

#include "controls/grid/GridCell.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/DCStateGuard.h"
#include "controls/grid/GridPaint.h"
#include "core/LangText.h"

#include <wx/dcclient.h>

#include <algorithm>
#include <memory>

wxIMPLEMENT_ABSTRACT_CLASS(CGridCellBase, wxObject);

using gridpaint::SystemColor;

CGridDefaultCell* CGridCellBase::GetDefaultCell() const {
  const CGridCtrl* grid = GetGrid();
  return grid ? grid->GetDefaultCell(IsFixedRow(), IsFixedCol()) : nullptr;
}

void CGridCellBase::CopyFrom(const CGridCellBase& other) {
  if (&other == this) return;
  SetGrid(other.GetGrid());
  SetText(other.GetText());
  SetImage(other.GetImage());
  SetData(other.GetData());
  SetState(other.GetState());
  SetFormat(other.GetFormat());
  SetTextColor(other.GetTextColor());
  SetBackColor(other.GetBackColor());
  SetFont(other.IsDefaultFont() ? nullptr : other.GetFont());
  SetMargin(other.GetMargin());
}

void CGridCellBase::Reset() { m_state = 0; }

bool CGridCellBase::Edit(int row, int col, const GridRect& rect, const wxPoint& point, int id, int ch) {
  wxUnusedVar(row);
  wxUnusedVar(col);
  wxUnusedVar(rect);
  wxUnusedVar(point);
  wxUnusedVar(id);
  wxUnusedVar(ch);
  return false;
}

bool CGridCellBase::OnSetCursor() {
  if (CGridCtrl* grid = GetGrid()) grid->SetCursor(wxCursor(wxCURSOR_ARROW));
  return true;
}

bool CGridCellBase::IsImageShown() const {
  const CGridCtrl* grid = GetGrid();
  return grid && grid->GetImageList() && GetImage() >= 0 &&
         GetImage() < grid->GetImageList()->GetImageCount();
}

wxSize CGridCellBase::ImageSize() const {
  if (!IsImageShown()) return wxSize(0, 0);
  int width = 0;
  int height = 0;
  GetGrid()->GetImageList()->GetSize(GetImage(), width, height);
  return wxSize(width, height);
}

bool CGridCellBase::IsVerticalFont() const {
  const stLogFont* font = GetFont();
  return font && (font->escapement == 900 || font->escapement == -900);
}

bool CGridCellBase::GetTextRect(GridRect* rect) {
  if (!rect) return false;
  if (IsImageShown()) rect->left += ImageSize().x + GetMargin() + 1;
  return true;
}

namespace {

struct CellColors {
  ColorRef text = 0;
  ColorRef back = 0;
};

GridRect Grown(GridRect rect) {
  ++rect.right;
  ++rect.bottom;
  return rect;
}

// The sort arrow in the header cell of the sort column; returns its size
// when drawn, else 0.
int DrawSortArrow(wxDC& dc, const GridRect& rect, bool ascending, bool verticalFont) {
  const int size = std::min(dc.GetTextExtent("M").y - 4, rect.Height() - 4);
  if (size <= 0 || rect.left + size >= rect.right) return 0;
  const int top = rect.bottom - size - 2;
  const int left = verticalFont ? (rect.left - size + rect.right) / 2 : rect.right - size;
  auto triangle = [&](int dx, int dy, ColorRef color) {
    const int x = left + dx;
    const int y = top + dy;
    wxPoint points[4];
    if (ascending) {  // apex at the top centre
      points[0] = wxPoint(x + size / 2, y);
      points[1] = wxPoint(x + size, y + size);
      points[2] = wxPoint(x, y + size);
    } else {  // apex at the bottom centre
      points[0] = wxPoint(x + size / 2, y + size);
      points[1] = wxPoint(x + size, y);
      points[2] = wxPoint(x, y);
    }
    points[3] = points[0];
    gridpaint::DrawPolyline(dc, points, 4, color);
  };
  triangle(1, 1, SystemColor(wxSYS_COLOUR_BTNHIGHLIGHT));
  triangle(0, 0, SystemColor(wxSYS_COLOUR_BTNSHADOW));
  return size;
}

// The two-line 3-D edge of a fixed cell: light top and left, dark right and bottom.
void DrawFixedEdge(wxDC& dc, const GridRect& rect) {
  const wxPoint light[] = {wxPoint(rect.right, rect.top), wxPoint(rect.left, rect.top),
                           wxPoint(rect.left, rect.bottom)};
  gridpaint::DrawPolyline(dc, light, 3, SystemColor(wxSYS_COLOUR_3DHIGHLIGHT));
  const wxPoint dark[] = {wxPoint(rect.right, rect.top), wxPoint(rect.right, rect.bottom),
                          wxPoint(rect.left, rect.bottom)};
  gridpaint::DrawPolyline(dc, dark, 3, SystemColor(wxSYS_COLOUR_3DDKSHADOW));
}

}  // namespace

bool CGridCellBase::Draw(wxDC& dc, int row, int col, GridRect rect, bool eraseBkgnd) {
  CGridCtrl* grid = GetGrid();
  if (!grid || !dc.IsOk() || rect.IsEmpty()) return false;
  gridpaint::CDCStateGuard guard(dc);
  dc.SetBackgroundMode(wxTRANSPARENT);
  const CGridDefaultCell* defaultCell = GetDefaultCell();
  if (!defaultCell) return false;

  CellColors colors;
  colors.text = GetTextColor() == kGridDefaultColor ? defaultCell->GetTextColor() : GetTextColor();
  colors.back = GetBackColor();
  if (colors.back == kGridDefaultColor) {
    colors.back = defaultCell->GetBackColor();
  } else {
    eraseBkgnd = true;
  }

  const bool gridLines = grid->GetGridLines() != GVL_NONE;
  if (!IsFocused() && !IsDropHighlighted()) {
    if (IsSelected()) {
      gridpaint::FillRect(dc, Grown(rect), SystemColor(wxSYS_COLOUR_HIGHLIGHT));
      colors.text = SystemColor(wxSYS_COLOUR_HIGHLIGHTTEXT);
    } else if (eraseBkgnd) {
      gridpaint::FillRect(dc, Grown(rect), colors.back);
    }
  } else {
    if (IsSelected()) {
      colors.back = SystemColor(wxSYS_COLOUR_HIGHLIGHT);
      colors.text = SystemColor(wxSYS_COLOUR_HIGHLIGHTTEXT);
      eraseBkgnd = true;
    }
    rect = Grown(rect);
    if (eraseBkgnd) gridpaint::FillRect(dc, rect, colors.back);
    const GridRect shrunk(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    if (gridLines) rect = shrunk;
    if (grid->GetFrameFocusCell()) gridpaint::FrameRect(dc, rect, colors.text);
    if (!gridLines) rect = shrunk;
  }
  dc.SetTextForeground(gridpaint::Colour(colors.text));

  if (IsFixed() && gridLines) {
    const CCellID focus = grid->GetFocusCell();
    if (grid->GetTrackFocusCell() && grid->IsValid(focus) && (focus.row == row || focus.col == col)) {
      gridpaint::DrawSunkenInnerEdge(dc, Grown(rect));
    } else {
      DrawFixedEdge(dc, rect);
    }
    rect.Deflate(1, 1);
  }

  const bool printing = gridpaint::IsPrinterDC(dc);
  if (!printing) {
    if (const wxFont* font = GetFontObject(); font && font->IsOk()) dc.SetFont(*font);
  }

  const int margin = std::max(GetMargin(), 0);
  rect.Deflate(margin, margin);
  rect = Grown(rect);

  if (IsImageShown()) {
    const wxSize image = ImageSize();
    if (image.x <= rect.Width() && image.y <= rect.Height()) {
      grid->GetImageList()->Draw(GetImage(), dc, rect.left, rect.top, wxIMAGELIST_DRAW_NORMAL, true);
    }
  }

  if (grid->GetSortColumn() == col && row == 0) {
    const int arrow = DrawSortArrow(dc, rect, grid->GetSortAscending(), IsVerticalFont());
    if (arrow > 0 && !IsVerticalFont()) rect.right -= arrow;
  }

  GridRect textRect = rect;
  GetTextRect(&textRect);
  textRect = Grown(textRect);
  dc.SetTextForeground(gridpaint::Colour(colors.text));
  gridpaint::DrawCellText(dc, GetLangText(GetText()), textRect, GetFormat() | gridformat::kNoPrefix,
                          IsVerticalFont());
  return true;
}

bool CGridCellBase::PrintCell(wxDC& dc, int row, int col, GridRect rect) {
  wxUnusedVar(row);
  wxUnusedVar(col);
  CGridCtrl* grid = GetGrid();
  if (!grid || !dc.IsOk() || rect.IsEmpty()) return false;
  gridpaint::CDCStateGuard guard(dc);
  dc.SetBackgroundMode(wxTRANSPARENT);
  const CGridDefaultCell* defaultCell = GetDefaultCell();
  if (!defaultCell) return false;

  ColorRef text = GetTextColor() == kGridDefaultColor ? defaultCell->GetTextColor() : GetTextColor();
  ColorRef back = kGridDefaultColor;
  if (!grid->GetPrintColour()) {
    text = 0;
  } else if (IsFixed()) {
    back = GetBackColor() == kGridDefaultColor ? defaultCell->GetBackColor() : GetBackColor();
  } else if (GetBackColor() != kGridDefaultColor && GetBackColor() != defaultCell->GetBackColor()) {
    back = GetBackColor();
  }
  if (back == kGridDefaultColor && dc.GetDepth() == 1) {
    const auto channel = [text](int shift, double weight) {
      return static_cast<unsigned>(((text >> shift) & 0xFF) * weight + 0.5);
    };
    text = MakeColorRef(channel(0, 0.3), channel(8, 0.59), channel(16, 0.11));
  } else if (back != kGridDefaultColor) {
    gridpaint::FillRect(dc, Grown(rect), back);
  }
  dc.SetTextForeground(gridpaint::Colour(text));

  if (IsFixed()) {
    DrawFixedEdge(dc, rect);
    rect.Deflate(1, 1);
  }
  if (const wxFont* font = GetFontObject(); font && font->IsOk()) dc.SetFont(*font);

  const int margin = std::max(GetMargin(), 0);
  rect.left += margin;
  rect.right -= margin;
  if (IsImageShown()) {
    grid->GetImageList()->Draw(GetImage(), dc, rect.left, rect.top, wxIMAGELIST_DRAW_NORMAL, true);
    rect.left += ImageSize().x;
  }
  gridpaint::DrawCellText(dc, GetText(), rect, GetFormat() | gridformat::kNoPrefix, IsVerticalFont());
  return true;
}

wxSize CGridCellBase::GetTextExtent(const wxString& text, wxDC* dc) {
  const CGridDefaultCell* defaultCell = GetDefaultCell();
  if (!defaultCell) return wxSize(0, 0);
  const wxSize defaultSize(defaultCell->GetWidth(), defaultCell->GetHeight());
  std::unique_ptr<wxClientDC> ownDC;
  if (!dc && !text.empty() && GetGrid() && GetGrid()->GetHandle()) {
    ownDC = std::make_unique<wxClientDC>(GetGrid());
    dc = ownDC.get();
  }
  if (text.empty() || !dc || !dc->IsOk()) return defaultSize;

  gridpaint::CDCStateGuard guard(*dc);
  if (const wxFont* font = GetFontObject(); font && font->IsOk()) dc->SetFont(*font);
  const unsigned format = GetFormat();
  wxSize size;
  if (!(format & gridformat::kWordBreak) || (format & gridformat::kSingleLine)) {
    size = dc->GetTextExtent(text);
  } else {
    int widest = 0;
    for (const wxString& line : wxSplit(text, '\n', '\0'))
      widest = std::max(widest, dc->GetTextExtent(line).x);
    size = gridpaint::CalcTextSize(*dc, text, GridRect(0, 0, widest + 1, 0), format);
  }
  const int margin = std::max(GetMargin(), 0);
  size.x += 2 * margin;
  size.y += 2 * margin;
  if (IsVerticalFont()) size = wxSize(size.y, size.x + 4 * margin);
  return size;
}

wxSize CGridCellBase::GetCellExtent(wxDC* dc) {
  // Measured as drawn: a language key shows its text.
  wxSize size = GetTextExtent(GetLangText(GetText()), dc);
  if (IsImageShown()) {
    const wxSize image = ImageSize();
    const int margin = std::max(GetMargin(), 0);
    const int textWidth = size.x;
    size.x += image.x + 1;
    if (2 * margin < textWidth) size.x += margin;
    size.y = std::max(size.y, image.y + 2 * margin) + 1;
  } else {
    size.x += 1;
    size.y += 1;
  }
  if (IsFixed()) {
    size.x += 1;
    size.y += 1;
  }
  return size;
}

#include "controls/grid/GridTextLayout.h"

#include <algorithm>

namespace {

constexpr int kTabSpaces = 8;
const wxString kEllipsis = "...";

wxString PrepareText(const wxString& text, unsigned format) {
  wxString prepared = text;
  prepared.Replace("\r\n", "\n");
  prepared.Replace("\r", "\n");
  if (format & gridformat::kExpandTabs) prepared.Replace("\t", wxString(' ', kTabSpaces));
  if (format & gridformat::kSingleLine) prepared.Replace("\n", " ");
  return prepared;
}

// Splits one paragraph at spaces so that each line fits width; a word wider
// than width stands on a line of its own.
void WrapParagraph(const wxString& paragraph, int width, const GridTextMeasure& measure,
                   std::vector<wxString>* lines) {
  if (paragraph.empty()) {
    lines->push_back(wxString());
    return;
  }
  wxString current;
  size_t start = 0;
  while (start <= paragraph.length()) {
    size_t space = paragraph.find(' ', start);
    if (space == wxString::npos) space = paragraph.length();
    const wxString word = paragraph.Mid(start, space - start);
    const wxString candidate = current.empty() ? word : current + " " + word;
    if (!current.empty() && measure(candidate).x > width) {
      lines->push_back(current);
      current = word;
    } else {
      current = candidate;
    }
    start = space + 1;
  }
  lines->push_back(current);
}

std::vector<wxString> SplitLines(const wxString& text, const GridRect& rect, unsigned format,
                                 const GridTextMeasure& measure) {
  std::vector<wxString> lines;
  if (format & gridformat::kSingleLine) {
    lines.push_back(text);
    return lines;
  }
  const bool wrap = (format & gridformat::kWordBreak) != 0;
  size_t start = 0;
  while (true) {
    const size_t feed = text.find('\n', start);
    const wxString paragraph = text.Mid(start, feed == wxString::npos ? wxString::npos : feed - start);
    if (wrap) {
      WrapParagraph(paragraph, rect.Width(), measure, &lines);
    } else {
      lines.push_back(paragraph);
    }
    if (feed == wxString::npos) break;
    start = feed + 1;
  }
  return lines;
}

// The longest start of line that fits width with "..." after it.
wxString WithEndEllipsis(const wxString& line, int width, const GridTextMeasure& measure) {
  size_t low = 0;
  size_t high = line.length();
  while (low < high) {
    const size_t middle = (low + high + 1) / 2;
    if (measure(line.Left(middle) + kEllipsis).x <= width) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return line.Left(low) + kEllipsis;
}

int AlignedX(const GridRect& rect, int width, unsigned format) {
  if (format & gridformat::kRight) return rect.right - width;
  if (format & gridformat::kCenter) return rect.left + (rect.Width() - width) / 2;
  return rect.left;
}

int AlignedTop(const GridRect& rect, int height, unsigned format) {
  if (!(format & gridformat::kSingleLine)) return rect.top;
  if (format & gridformat::kBottom) return rect.bottom - height;
  if (format & gridformat::kVCenter) return rect.top + (rect.Height() - height) / 2;
  return rect.top;
}

}  // namespace

GridTextLayout LayoutGridText(const wxString& text, const GridRect& rect, unsigned format,
                              const GridTextMeasure& measure) {
  GridTextLayout layout;
  const std::vector<wxString> lines = SplitLines(PrepareText(text, format), rect, format, measure);
  const int lineHeight = measure(wxString()).y;
  std::vector<GridTextLine> placed;
  for (const wxString& line : lines) {
    GridTextLine entry;
    entry.text = line;
    entry.width = line.empty() ? 0 : measure(line).x;
    if ((format & gridformat::kEndEllipsis) && entry.width > rect.Width() && !line.empty()) {
      entry.text = WithEndEllipsis(line, rect.Width(), measure);
      entry.width = measure(entry.text).x;
    }
    layout.width = std::max(layout.width, entry.width);
    placed.push_back(entry);
  }
  layout.height = lineHeight * static_cast<int>(placed.size());
  int y = AlignedTop(rect, layout.height, format);
  for (GridTextLine& entry : placed) {
    entry.x = AlignedX(rect, entry.width, format);
    entry.y = y;
    y += lineHeight;
  }
  layout.lines = std::move(placed);
  return layout;
}

#include "lcd/LedSegments.h"

namespace led {

namespace {

// The segments of each glyph.
const char* const kGlyphSegments[16] = {"ABCDEF", "BC",    "ABDEG",   "ABCDG",  "BCFG",   "ACDFG",
                                        "ACDEFG", "ABC",   "ABCDEFG", "ABCDFG", "ABCEFG", "CDEFG",
                                        "ADEF",   "BCDEG", "ADEFG",   "AEFG"};

}  // namespace

int PositionOfButton(int id) {
  if (id >= 5038 && id <= 5041) return id - 5038;
  if (id >= 5034 && id <= 5037) return id - 5034 + 4;
  return -1;
}

int ButtonOfPosition(int position) {
  if (position < 0 || position >= kPositions) return -1;
  return position < 4 ? 5038 + position : 5034 + position - 4;
}

CLedSegmentGrid::CLedSegmentGrid() { SetSegmentOrder("ABCDFGES"); }

bool CLedSegmentGrid::SetSegmentOrder(const wxString& order) {
  if (order.length() < static_cast<std::size_t>(kPositions)) return false;
  for (int position = 0; position < kPositions; ++position) {
    const wxString letter = order.Mid(static_cast<std::size_t>(position), 1);
    m_letters[static_cast<std::size_t>(position)] = letter == "S" ? wxString(" ") : letter;
  }
  m_pending = -1;
  return true;
}

wxString CLedSegmentGrid::GetSegmentOrder() const {
  wxString order;
  for (const wxString& letter : m_letters) order += letter == " " ? wxString("S") : letter;
  return order;
}

int CLedSegmentGrid::BitOf(const wxString& letter) const {
  for (int position = 0; position < kPositions; ++position) {
    if (m_letters[static_cast<std::size_t>(position)] == letter) return 1 << position;
  }
  return 0;
}

std::array<unsigned char, 16> CLedSegmentGrid::BuildDigitGlyphs() const {
  std::array<unsigned char, 16> glyphs{};
  for (std::size_t k = 0; k < glyphs.size(); ++k) {
    unsigned sum = 0;
    for (const char* segment = kGlyphSegments[k]; *segment; ++segment) sum += BitOf(wxString(*segment, 1));
    glyphs[k] = static_cast<unsigned char>(sum & 0xFF);
  }
  return glyphs;
}

ClickResult CLedSegmentGrid::Click(int position) {
  if (position < 0 || position >= kPositions) return ClickResult::kIgnored;
  if (m_pending < 0) {
    m_pending = position;
    return ClickResult::kPending;
  }
  wxString& first = m_letters[static_cast<std::size_t>(m_pending)];
  wxString& second = m_letters[static_cast<std::size_t>(position)];
  m_pending = -1;
  if (first == second) return ClickResult::kUnchanged;
  std::swap(first, second);
  return ClickResult::kSwapped;
}

}  // namespace led

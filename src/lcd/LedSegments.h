// The LED element panel's digit without its window: which segment letter
// each of the eight positions of the grid carries (two segment lines by four
// common lines), the two-click swap, the 8-character order code and the 16
// digit patterns the arrangement gives.
#pragma once

#include <wx/string.h>

#include <array>

namespace led {

constexpr int kPositions = 8;
// Letter buttons: position p (bit 1 << p) is button 5038 + p for p < 4, else 5034 + p - 4.
constexpr int kFirstGridId = 5030;  // 5030..5033 name the common lines
constexpr int kLastGridId = 5041;
int PositionOfButton(int id);  // -1 for a common-line button or any other id
int ButtonOfPosition(int position);

enum class ClickResult {
  kIgnored,    // not a letter position
  kPending,    // the first of two clicks
  kUnchanged,  // the second click swapped equal letters
  kSwapped,    // the second click changed the letters
};

class CLedSegmentGrid {
 public:
  // The start arrangement: A B C D at bits 1..8, F G E and a blank at 16..128 ("ABCDFGES").
  CLedSegmentGrid();

  // The letter at a position (" " for the blank).
  const wxString& Letter(int position) const { return m_letters[static_cast<std::size_t>(position)]; }
  // The first eight characters in bit order, "S" standing for the blank.
  // False, and nothing changed, for a shorter text.
  bool SetSegmentOrder(const wxString& order);
  // The letters in bit order, the blank as "S".
  wxString GetSegmentOrder() const;
  // The bit of the position a letter stands at; 0 when no position has it.
  int BitOf(const wxString& letter) const;
  // Glyph k (0-9, then A b C d E F) as the sum of its segments' bits, modulo 256.
  std::array<unsigned char, 16> BuildDigitGlyphs() const;

  // A click on a position (-1: a common-line button). The first click on a
  // letter is remembered; the second swaps the two letters.
  ClickResult Click(int position);
  bool IsPending() const { return m_pending >= 0; }
  int PendingPosition() const { return m_pending; }

 private:
  std::array<wxString, kPositions> m_letters;
  int m_pending = -1;
};

}  // namespace led

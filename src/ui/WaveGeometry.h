// Where the wave drawing control puts its lines, blocks and labels: the
// segments scaled to the client width, the high and low lines, and the
// dimension lines of the caption and the span labels. No drawing here.
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

#include <cstdint>
#include <vector>

constexpr int kWaveTickHalf = 8;     // caption end ticks, up and down
constexpr int kWaveTextRaise = 8;    // text bottom above its dimension line
constexpr int kWaveSpanStroke = 24;  // span label strokes inward from each end
constexpr int kWaveTextSpacing = 8;  // least room between a span's text and the caption's on one line

struct stWaveSpan {
  wxString text;
  int first = 0;
  int count = 0;
  int textWidth = 0;  // measured by the drawing; 0 when unknown
};

struct stWaveInput {
  wxRect client;
  int textHeight = 0;
  std::vector<std::int32_t> durations;
  std::vector<std::int32_t> levels;
  std::vector<stWaveSpan> spans;
  bool hasCaption = false;
  int captionWidth = 0;  // the caption text's width; 0 when unknown
  int startLevel = 0;
  int endLevel = 0;
  bool filled = true;
  bool highFilled = true;  // which level the filled mode fills
  int horizontalMargin = 5;
  int verticalMargin = 8;
  int gap = 12;
};

struct stWaveLine {
  wxPoint from;
  wxPoint to;
};

struct stWaveBlock {
  wxRect rect;
  bool high = true;  // the block stands for a high segment
};

// A dimension line from left to right at y with its text centred at textX,
// the text's bottom textRaise pixels above the line.
struct stWaveDimension {
  int left = 0;
  int right = 0;
  int y = 0;
  int textX = 0;
  int textRaise = kWaveTextRaise;  // less on a short wave, to stay under the caption's line
  wxString text;
};

struct stWaveGeometry {
  int highY = 0;
  int lowY = 0;
  std::vector<stWaveLine> lines;    // the wave's outline
  std::vector<stWaveBlock> blocks;  // filled segments
  bool hasCaption = false;
  stWaveDimension caption;
  std::vector<stWaveDimension> spans;
};

// The x of the start of segment index (the end of the wave for index >= the
// number of segments); each segment advances by duration x width / total, truncated.
int WaveSegmentX(const stWaveInput& input, int index);

// A span text on the caption's line that would run into the caption text moves
// away from it, as far as its own dimension line allows. A span text below the
// caption's line (a low run's, on a short wave) comes down to stay clear of it.
stWaveGeometry LayOutWave(const stWaveInput& input);

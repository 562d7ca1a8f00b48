#include "ui/WaveGeometry.h"

#include <algorithm>

namespace {

double TotalDuration(const stWaveInput& input) {
  double total = 0;
  for (const std::int32_t duration : input.durations) total += duration;
  return total;
}

int Width(const stWaveInput& input) { return input.client.width - 2 * input.horizontalMargin; }

int LevelY(const stWaveGeometry& geometry, int level) { return level != 0 ? geometry.highY : geometry.lowY; }

void LayOutSegments(const stWaveInput& input, stWaveGeometry& geometry) {
  const std::size_t count = std::min(input.durations.size(), input.levels.size());
  if (count == 0) return;
  const double total = TotalDuration(input);
  const int width = Width(input);
  int x = input.client.x + input.horizontalMargin;
  int previous = input.startLevel != 0;
  int y = LevelY(geometry, previous);
  for (std::size_t i = 0; i < count; ++i) {
    const int level = input.levels[i] != 0;
    const int levelY = LevelY(geometry, level);
    if (level != previous && !input.filled) geometry.lines.push_back({{x, y}, {x, levelY}});
    y = levelY;
    const int advance = total != 0 ? static_cast<int>(input.durations[i] * width / total) : 0;
    const int next = x + advance;
    if (input.filled && (level != 0) == input.highFilled && next > x) {
      geometry.blocks.push_back(
          {wxRect(wxPoint(x, geometry.highY), wxPoint(next - 1, geometry.lowY - 1)), level != 0});
    }
    if (!input.filled || level == 0) geometry.lines.push_back({{x, y}, {next, y}});
    x = next;
    previous = level;
  }
  const int end = input.endLevel != 0;
  if (end != previous && !input.filled) geometry.lines.push_back({{x, y}, {x, LevelY(geometry, end)}});
}

bool RunIsLow(const stWaveInput& input, const stWaveSpan& span) {
  const std::size_t count = std::min(input.durations.size(), input.levels.size());
  if (span.count <= 0) return false;
  for (int i = span.first; i < span.first + span.count; ++i) {
    if (i < 0 || static_cast<std::size_t>(i) >= count || input.levels[i] != 0) return false;
  }
  return true;
}

// Moves a span text on the caption's line off the caption text, staying over its own line.
void KeepOffCaption(const stWaveInput& input, const stWaveDimension& caption, int textWidth,
                    stWaveDimension& span) {
  if (input.captionWidth <= 0 || textWidth <= 0 || span.y != caption.y) return;
  const int captionLeft = caption.textX - input.captionWidth / 2;
  const int captionRight = captionLeft + input.captionWidth;
  const int half = textWidth / 2;
  if (span.textX <= caption.textX) {
    const int fits = captionLeft - kWaveTextSpacing - (textWidth - half);
    if (span.textX > fits) span.textX = std::max(fits, span.left + half);
  } else {
    const int fits = captionRight + kWaveTextSpacing + half;
    if (span.textX < fits) span.textX = std::min(fits, span.right - (textWidth - half));
  }
}

}  // namespace

int WaveSegmentX(const stWaveInput& input, int index) {
  const std::size_t count = std::min(input.durations.size(), input.levels.size());
  const double total = TotalDuration(input);
  const int width = Width(input);
  int x = input.client.x + input.horizontalMargin;
  if (total == 0) return x;
  for (std::size_t i = 0; i < count && static_cast<int>(i) < index; ++i) {
    x += static_cast<int>(input.durations[i] * width / total);
  }
  return x;
}

stWaveGeometry LayOutWave(const stWaveInput& input) {
  stWaveGeometry geometry;
  geometry.highY = input.client.y + input.verticalMargin + input.gap + input.textHeight;
  geometry.lowY = input.client.GetBottom() + 1 - input.verticalMargin - input.gap - input.textHeight;
  LayOutSegments(input, geometry);

  const int left = input.client.x + input.horizontalMargin;
  if (input.hasCaption) {
    geometry.hasCaption = true;
    geometry.caption.left = left;
    geometry.caption.right = left + Width(input);
    geometry.caption.y = geometry.highY - input.gap;
    geometry.caption.textX = (geometry.caption.left + geometry.caption.right) / 2;
  }
  if (TotalDuration(input) == 0) return geometry;
  for (const stWaveSpan& span : input.spans) {
    stWaveDimension dimension;
    dimension.left = WaveSegmentX(input, span.first);
    dimension.right = WaveSegmentX(input, span.first + span.count);
    dimension.y = RunIsLow(input, span) ? (geometry.highY + geometry.lowY) / 2 : geometry.highY - input.gap;
    dimension.textX = (dimension.left + dimension.right) / 2;
    dimension.text = span.text;
    if (geometry.hasCaption) {
      KeepOffCaption(input, geometry.caption, span.textWidth, dimension);
      // Below the caption's line the text's top stays under it, however short the wave.
      if (dimension.y > geometry.caption.y) {
        const int room = dimension.y - geometry.caption.y - kWaveTextSpacing / 4 - input.textHeight;
        dimension.textRaise = std::clamp(room, 1, kWaveTextRaise);
      }
    }
    geometry.spans.push_back(dimension);
  }
  return geometry;
}

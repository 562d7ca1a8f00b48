#include "ui/GifCompositor.h"

#include "ui/GifFrames.h"

#include <algorithm>

void CGifCompositor::Reset(int width, int height, stRgb fill, stRgb background, PictureFrames frames) {
  m_width = std::max(0, width);
  m_height = std::max(0, height);
  m_background = background;
  m_frames = std::move(frames);
  m_current = 0;
  m_hasSaved = false;
  m_saved.clear();
  m_pixels.assign(3 * static_cast<std::size_t>(m_width) * m_height, 0);
  Fill({0, 0, m_width, m_height}, fill);
}

int CGifCompositor::GetCurrentDelayMs() const {
  if (m_current >= GetFrameCount()) return GifFrameDelayMs(-1);
  return GifFrameDelayMs((*m_frames)[m_current].delay);
}

stRgb CGifCompositor::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return stRgb();
  const std::size_t at = 3 * (static_cast<std::size_t>(y) * m_width + x);
  return {m_pixels[at], m_pixels[at + 1], m_pixels[at + 2]};
}

CGifCompositor::stArea CGifCompositor::ClipToSurface(const stPictureFrame& frame) const {
  const auto clip = [](long long value, int limit) {
    return static_cast<int>(std::clamp<long long>(value, 0, limit));
  };
  stArea area{clip(frame.left, m_width), clip(frame.top, m_height),
              clip(static_cast<long long>(frame.left) + std::max(0, frame.width), m_width),
              clip(static_cast<long long>(frame.top) + std::max(0, frame.height), m_height)};
  // A frame wholly off the surface covers nothing.
  if (area.IsEmpty()) return stArea();
  return area;
}

void CGifCompositor::Fill(const stArea& area, stRgb colour) {
  for (int y = area.top; y < area.bottom; ++y) {
    std::uint8_t* row = &m_pixels[3 * (static_cast<std::size_t>(y) * m_width)];
    for (int x = area.left; x < area.right; ++x) {
      row[3 * x] = colour.red;
      row[3 * x + 1] = colour.green;
      row[3 * x + 2] = colour.blue;
    }
  }
}

void CGifCompositor::SaveArea(const stArea& area) {
  m_savedArea = area;
  m_saved.clear();
  for (int y = area.top; y < area.bottom; ++y) {
    const std::uint8_t* row = &m_pixels[3 * (static_cast<std::size_t>(y) * m_width)];
    m_saved.insert(m_saved.end(), row + 3 * area.left, row + 3 * area.right);
  }
  m_hasSaved = true;
}

void CGifCompositor::RestoreArea() {
  if (!m_hasSaved) return;
  const std::size_t rowBytes = 3 * static_cast<std::size_t>(m_savedArea.right - m_savedArea.left);
  for (int y = m_savedArea.top; y < m_savedArea.bottom; ++y) {
    std::uint8_t* row = &m_pixels[3 * (static_cast<std::size_t>(y) * m_width)];
    std::copy_n(&m_saved[rowBytes * (y - m_savedArea.top)], rowBytes, row + 3 * m_savedArea.left);
  }
  m_hasSaved = false;
  m_saved.clear();
}

void CGifCompositor::BeginPlaying() {
  if (m_current >= GetFrameCount()) return;
  const stPictureFrame& frame = (*m_frames)[m_current];
  if (frame.disposal == 2) Fill(ClipToSurface(frame), m_background);
  if (frame.disposal == 3) RestoreArea();
}

void CGifCompositor::RenderCurrent() {
  if (m_current >= GetFrameCount()) return;
  const stPictureFrame& frame = (*m_frames)[m_current];
  if (frame.disposal == 3) SaveArea(ClipToSurface(frame));
  Lay(frame);
}

void CGifCompositor::Lay(const stPictureFrame& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.rgba.size() < 4 * static_cast<std::size_t>(picture.width) * picture.height) {
    return;
  }
  const stArea area = ClipToSurface(picture);
  for (int y = area.top; y < area.bottom; ++y) {
    const std::uint8_t* source =
        &picture.rgba[4 * (static_cast<std::size_t>(y - picture.top) * picture.width)];
    std::uint8_t* row = &m_pixels[3 * (static_cast<std::size_t>(y) * m_width)];
    for (int x = area.left; x < area.right; ++x) {
      const std::uint8_t* pixel = source + 4 * (x - picture.left);
      const int alpha = pixel[3];
      for (int c = 0; c < 3; ++c) {
        std::uint8_t& target = row[3 * x + c];
        target = static_cast<std::uint8_t>((pixel[c] * alpha + target * (255 - alpha) + 127) / 255);
      }
    }
  }
}

void CGifCompositor::DisposeCurrent() {
  if (m_current >= GetFrameCount()) return;
  const stPictureFrame& frame = (*m_frames)[m_current];
  if (frame.disposal == 2) Fill(ClipToSurface(frame), m_background);
  if (frame.disposal == 3) RestoreArea();
}

void CGifCompositor::Advance() {
  if (GetFrameCount() == 0) return;
  if (++m_current >= GetFrameCount()) {
    m_current = 0;
    Fill({0, 0, m_width, m_height}, m_background);
  }
}

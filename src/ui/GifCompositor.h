// The animated picture's off-screen surface: frames laid over each other
// with their disposal methods, in plain RGB memory so that the animation
// thread can build frames without touching any window or GUI object.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

struct stRgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const stRgb& other) const {
    return red == other.red && green == other.green && blue == other.blue;
  }
};

// One decoded frame: its rectangle on the logical screen, timing, disposal
// and pixels (width x height x RGBA, alpha 0 = transparent).
struct stPictureFrame {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int delay = -1;  // hundredths of a second, -1 when none
  int disposal = 0;
  std::vector<std::uint8_t> rgba;
};

using PictureFrames = std::shared_ptr<const std::vector<stPictureFrame>>;

class CGifCompositor {
 public:
  // An empty surface of width x height filled with fill; background is the
  // colour that disposal 2 and the restart of the animation clear to.
  void Reset(int width, int height, stRgb fill, stRgb background, PictureFrames frames);

  // Before the first frame: disposal 2 clears the current frame's rectangle,
  // disposal 3 restores a saved area.
  void BeginPlaying();
  // Saves the area under the current frame when its disposal is 3, then lays the frame over the surface.
  void RenderCurrent();
  // After the frame's delay: disposal 2 clears its rectangle, disposal 3 restores what was under it.
  void DisposeCurrent();
  // The next frame; after the last, frame 0 on a surface cleared to the background.
  void Advance();
  // Lays picture over the surface at its rectangle (alpha 0 leaves the surface, partial alpha blends).
  void Lay(const stPictureFrame& picture);

  int GetCurrentFrame() const { return m_current; }
  int GetCurrentDelayMs() const;
  int GetFrameCount() const { return m_frames ? static_cast<int>(m_frames->size()) : 0; }
  int GetWidth() const { return m_width; }
  int GetHeight() const { return m_height; }
  // width x height x RGB.
  const std::vector<std::uint8_t>& GetPixels() const { return m_pixels; }
  stRgb GetPixel(int x, int y) const;
  const PictureFrames& GetFrames() const { return m_frames; }

 private:
  struct stArea {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool IsEmpty() const { return right <= left || bottom <= top; }
  };
  stArea ClipToSurface(const stPictureFrame& frame) const;
  void Fill(const stArea& area, stRgb colour);
  void SaveArea(const stArea& area);
  void RestoreArea();

  int m_width = 0;
  int m_height = 0;
  stRgb m_background;
  std::vector<std::uint8_t> m_pixels;
  PictureFrames m_frames;
  int m_current = 0;
  bool m_hasSaved = false;
  stArea m_savedArea;
  std::vector<std::uint8_t> m_saved;
};

// Decoding a GIF file into the frames the animated picture lays over each
// other, through giflib. Sizes are capped: a file whose screen or frames are
// larger than any picture the program shows is refused before anything of
// that size is allocated.
#pragma once

#include "ui/GifCompositor.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Longest side of the logical screen and of a frame, and the most pixels all
// frames of one file may hold together.
constexpr int kMaxGifSide = 4096;
constexpr std::size_t kMaxGifFramePixels = std::size_t{32} << 20;
constexpr std::size_t kMaxGifFrames = 4096;

struct stGifPicture {
  int width = 0;  // of the logical screen
  int height = 0;
  bool hasBackground = false;
  stRgb background;  // the global colour table's background entry
  std::vector<stPictureFrame> frames;
};

// The screen and every frame of the file with its placement, delay and
// disposal (a transparent colour index becomes alpha 0). Frames of zero size
// are left out; reading ends at an unknown extension or a damaged block,
// keeping the frames before it. False for data that is not a GIF, a screen of
// zero or capped size, a capped frame, a frame without a colour table, or no
// frame at all.
bool DecodeGifPicture(const std::uint8_t* data, std::size_t size, stGifPicture& picture);

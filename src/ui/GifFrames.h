// GIF block chain reading for the animated picture control: splits a GIF
// file into single-frame GIF files (header, logical screen descriptor and
// global colour table of the file, the frame's blocks, a trailer), each with
// its delay, disposal method, size and offset. Bytes only; no pictures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kGifHeaderSize = 13;
// Frames without a graphic control extension.
constexpr int kGifNoDelay = -1;

struct stGifScreen {
  int width = 0;
  int height = 0;
  int colorTableSize = 0;  // bytes of the global colour table, 0 when absent
  bool hasBackground = false;
  std::uint8_t background[3] = {0xFF, 0xFF, 0xFF};  // red, green, blue of the background index
};

struct stGifFrameData {
  std::vector<std::uint8_t> file;  // a complete one-frame GIF
  int delay = kGifNoDelay;         // hundredths of a second
  int disposal = 0;                // 0..7
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Whether data begins with "GIF" (the version is not checked).
bool IsGifData(const std::uint8_t* data, std::size_t size);

// Reads the logical screen descriptor. False when the data is too short for
// it and its global colour table.
bool ReadGifScreen(const std::uint8_t* data, std::size_t size, stGifScreen& screen);

// Walks the block chain from offset over one frame (an optional graphic
// control extension, the blocks up to its image descriptor or plain text
// extension, and that block). False on an unknown block, the trailer or a
// block that runs past the data; offset is left unchanged then.
bool SkipToNextFrame(const std::uint8_t* data, std::size_t size, std::size_t& offset);

// As SkipToNextFrame, and builds the frame's one-frame GIF.
bool ExtractFrame(const std::uint8_t* data, std::size_t size, const stGifScreen& screen, std::size_t& offset,
                  stGifFrameData& frame);

// The number of frames SkipToNextFrame finds from the first block.
int CountGifFrames(const std::uint8_t* data, std::size_t size, const stGifScreen& screen);

// How long a frame stays: delay x 10 ms, or 100 ms when the delay is below 5
// (including frames without a delay).
int GifFrameDelayMs(int delay);

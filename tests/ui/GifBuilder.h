// Builds small GIF files byte by byte for the animated picture tests: a
// four-colour global table, frames with or without a graphic control
// extension, and extra blocks where a test wants them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gifbuilder {

using Bytes = std::vector<std::uint8_t>;

struct stFrame {
  int left = 0;
  int top = 0;
  int width = 1;
  int height = 1;
  std::vector<std::uint8_t> pixels;  // colour indexes 0..3, width x height
  bool control = true;               // a graphic control extension before the frame
  int delay = 0;
  int disposal = 0;
  int transparent = -1;  // a colour index shown as transparent
};

inline void PutU16(Bytes& out, int value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

// LZW data with minimum code size 2 and a clear code before every second
// pixel, so that every code is 3 bits wide.
inline Bytes EncodePixels(const std::vector<std::uint8_t>& pixels) {
  std::vector<int> codes;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    if (i % 2 == 0) codes.push_back(4);
    codes.push_back(pixels[i] & 3);
  }
  codes.push_back(5);
  Bytes packed;
  unsigned buffer = 0;
  int bits = 0;
  for (int code : codes) {
    buffer |= static_cast<unsigned>(code) << bits;
    bits += 3;
    while (bits >= 8) {
      packed.push_back(static_cast<std::uint8_t>(buffer & 0xFF));
      buffer >>= 8;
      bits -= 8;
    }
  }
  if (bits > 0) packed.push_back(static_cast<std::uint8_t>(buffer & 0xFF));
  Bytes out{2};  // minimum code size
  for (std::size_t at = 0; at < packed.size(); at += 255) {
    const std::size_t count = std::min<std::size_t>(255, packed.size() - at);
    out.push_back(static_cast<std::uint8_t>(count));
    out.insert(out.end(), packed.begin() + at, packed.begin() + at + count);
  }
  out.push_back(0);
  return out;
}

inline Bytes Header(int width, int height, const std::uint8_t palette[4][3], int backgroundIndex) {
  Bytes out{'G', 'I', 'F', '8', '9', 'a'};
  PutU16(out, width);
  PutU16(out, height);
  out.push_back(0x91);  // global table of 4 colours
  out.push_back(static_cast<std::uint8_t>(backgroundIndex));
  out.push_back(0);
  for (int i = 0; i < 4; ++i) out.insert(out.end(), palette[i], palette[i] + 3);
  return out;
}

inline Bytes FrameBlocks(const stFrame& frame) {
  Bytes out;
  if (frame.control) {
    out.insert(out.end(), {0x21, 0xF9, 0x04});
    out.push_back(static_cast<std::uint8_t>((frame.disposal << 2) | (frame.transparent >= 0 ? 1 : 0)));
    PutU16(out, frame.delay);
    out.push_back(static_cast<std::uint8_t>(frame.transparent >= 0 ? frame.transparent : 0));
    out.push_back(0);
  }
  out.push_back(0x2C);
  PutU16(out, frame.left);
  PutU16(out, frame.top);
  PutU16(out, frame.width);
  PutU16(out, frame.height);
  out.push_back(0);
  const Bytes data = EncodePixels(frame.pixels);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

inline Bytes LoopExtension() {
  Bytes out{0x21, 0xFF, 0x0B};
  const std::string name = "NETSCAPE2.0";
  out.insert(out.end(), name.begin(), name.end());
  out.insert(out.end(), {0x03, 0x01, 0x00, 0x00, 0x00});
  return out;
}

inline Bytes Comment(const std::string& text) {
  Bytes out{0x21, 0xFE, static_cast<std::uint8_t>(text.size())};
  out.insert(out.end(), text.begin(), text.end());
  out.push_back(0);
  return out;
}

// Red, green, blue and white.
inline const std::uint8_t (&DefaultPalette())[4][3] {
  static const std::uint8_t palette[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  return palette;
}

// A whole file: header, the loop extension, the frames, the trailer.
inline Bytes BuildGif(int width, int height, const std::vector<stFrame>& frames, int backgroundIndex = 3) {
  Bytes out = Header(width, height, DefaultPalette(), backgroundIndex);
  const Bytes loop = LoopExtension();
  out.insert(out.end(), loop.begin(), loop.end());
  for (const stFrame& frame : frames) {
    const Bytes blocks = FrameBlocks(frame);
    out.insert(out.end(), blocks.begin(), blocks.end());
  }
  out.push_back(0x3B);
  return out;
}

// A frame of one colour.
inline stFrame SolidFrame(int left, int top, int width, int height, std::uint8_t colour, int delay = 0,
                          int disposal = 0) {
  stFrame frame;
  frame.left = left;
  frame.top = top;
  frame.width = width;
  frame.height = height;
  frame.pixels.assign(static_cast<std::size_t>(width) * height, colour);
  frame.delay = delay;
  frame.disposal = disposal;
  return frame;
}

}  // namespace gifbuilder

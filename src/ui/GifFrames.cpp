#include "ui/GifFrames.h"

namespace {

constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kImageDescriptor = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kApplicationLabel = 0xFF;
constexpr std::uint8_t kCommentLabel = 0xFE;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;
constexpr std::uint8_t kPlainTextLabel = 0x01;

enum class BlockKind { kApplication, kComment, kGraphicControl, kPlainText, kImage, kTrailer, kUnknown };

struct stBlock {
  BlockKind kind = BlockKind::kUnknown;
  std::size_t length = 0;
};

int ReadU16(const std::uint8_t* data, std::size_t at) { return data[at] | (data[at + 1] << 8); }

int ColorTableBytes(std::uint8_t packed) { return (packed & 0x80) ? 3 * (1 << ((packed & 0x07) + 1)) : 0; }

// Length of the data sub-blocks from offset (each length byte, its data and
// the terminator); 0 when they run past the data.
std::size_t SubBlocksLength(const std::uint8_t* data, std::size_t size, std::size_t offset) {
  std::size_t at = offset;
  while (at < size) {
    const std::size_t count = data[at];
    if (count == 0) return at + 1 - offset;
    at += count + 1;
  }
  return 0;
}

// The block at offset, or kind unknown when it is unknown or runs past the data.
stBlock ReadBlock(const std::uint8_t* data, std::size_t size, std::size_t offset) {
  stBlock block;
  if (offset >= size) return block;
  auto withSubBlocks = [&](BlockKind kind, std::size_t head) {
    if (offset + head >= size) return;
    const std::size_t tail = SubBlocksLength(data, size, offset + head);
    if (tail == 0) return;
    block.kind = kind;
    block.length = head + tail;
  };
  switch (data[offset]) {
    case kExtension:
      if (offset + 1 >= size) return block;
      switch (data[offset + 1]) {
        case kApplicationLabel: withSubBlocks(BlockKind::kApplication, 14); break;
        case kCommentLabel: withSubBlocks(BlockKind::kComment, 2); break;
        case kGraphicControlLabel:
          if (offset + 8 <= size) block = {BlockKind::kGraphicControl, 8};
          break;
        case kPlainTextLabel: withSubBlocks(BlockKind::kPlainText, 15); break;
        default: break;
      }
      return block;
    case kImageDescriptor: {
      if (offset + 10 > size) return block;
      const std::size_t head = 10 + ColorTableBytes(data[offset + 9]) + 1;
      withSubBlocks(BlockKind::kImage, head);
      return block;
    }
    case kTrailer: block = {BlockKind::kTrailer, 1}; return block;
    default: return block;
  }
}

bool IsFrameBlock(BlockKind kind) { return kind == BlockKind::kImage || kind == BlockKind::kPlainText; }

// Walks one frame; start is the first block of the frame, end the offset after it.
bool WalkFrame(const std::uint8_t* data, std::size_t size, std::size_t offset, std::size_t& start,
               std::size_t& end, std::size_t& control, std::size_t& image) {
  control = image = 0;
  bool haveControl = false;
  std::size_t at = offset;
  for (;;) {
    const stBlock block = ReadBlock(data, size, at);
    if (block.kind == BlockKind::kUnknown || block.kind == BlockKind::kTrailer) return false;
    if (block.kind == BlockKind::kGraphicControl && !haveControl) {
      haveControl = true;
      control = at;
      start = at;
    } else if (IsFrameBlock(block.kind)) {
      if (!haveControl) start = at;
      image = at;
      end = at + block.length;
      return end <= size;
    }
    // Application and comment extensions, and a further graphic control
    // extension, are stepped over.
    at += block.length;
  }
}

}  // namespace

bool IsGifData(const std::uint8_t* data, std::size_t size) {
  return size >= 3 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F';
}

bool ReadGifScreen(const std::uint8_t* data, std::size_t size, stGifScreen& screen) {
  screen = stGifScreen();
  if (!IsGifData(data, size) || size < kGifHeaderSize) return false;
  screen.width = ReadU16(data, 6);
  screen.height = ReadU16(data, 8);
  screen.colorTableSize = ColorTableBytes(data[10]);
  if (size < static_cast<std::size_t>(kGifHeaderSize + screen.colorTableSize)) return false;
  if (screen.colorTableSize > 0) {
    const std::size_t entry = kGifHeaderSize + 3 * static_cast<std::size_t>(data[11]);
    if (entry + 3 <= static_cast<std::size_t>(kGifHeaderSize + screen.colorTableSize)) {
      screen.hasBackground = true;
      for (int i = 0; i < 3; ++i) screen.background[i] = data[entry + i];
    }
  }
  return true;
}

bool SkipToNextFrame(const std::uint8_t* data, std::size_t size, std::size_t& offset) {
  std::size_t start = 0, end = 0, control = 0, image = 0;
  if (!WalkFrame(data, size, offset, start, end, control, image)) return false;
  offset = end;
  return true;
}

bool ExtractFrame(const std::uint8_t* data, std::size_t size, const stGifScreen& screen, std::size_t& offset,
                  stGifFrameData& frame) {
  std::size_t start = 0, end = 0, control = 0, image = 0;
  if (!WalkFrame(data, size, offset, start, end, control, image)) return false;
  frame = stGifFrameData();
  if (control != 0) {
    frame.disposal = (data[control + 3] >> 2) & 0x07;
    frame.delay = ReadU16(data, control + 4);
  }
  if (data[image] == kImageDescriptor) {
    frame.left = ReadU16(data, image + 1);
    frame.top = ReadU16(data, image + 3);
    frame.width = ReadU16(data, image + 5);
    frame.height = ReadU16(data, image + 7);
  }
  const std::size_t headerBytes = kGifHeaderSize + screen.colorTableSize;
  frame.file.reserve(headerBytes + (end - start) + 1);
  frame.file.insert(frame.file.end(), data, data + headerBytes);
  frame.file.insert(frame.file.end(), data + start, data + end);
  frame.file.push_back(kTrailer);
  offset = end;
  return true;
}

int CountGifFrames(const std::uint8_t* data, std::size_t size, const stGifScreen& screen) {
  std::size_t offset = kGifHeaderSize + screen.colorTableSize;
  int count = 0;
  while (SkipToNextFrame(data, size, offset)) ++count;
  return count;
}

int GifFrameDelayMs(int delay) { return delay < 5 ? 100 : delay * 10; }

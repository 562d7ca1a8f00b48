#include "ui/GifDecoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct stReader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int wanted) {
  auto* reader = static_cast<stReader*>(gif->UserData);
  const std::size_t count =
      std::min(static_cast<std::size_t>(std::max(wanted, 0)), reader->size - reader->at);
  std::memcpy(buffer, reader->data + reader->at, count);
  reader->at += count;
  return static_cast<int>(count);
}

struct stCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifHandle = std::unique_ptr<GifFileType, stCloser>;

bool IsWithinCap(int width, int height) {
  return width >= 0 && height >= 0 && width <= kMaxGifSide && height <= kMaxGifSide;
}

// Steps over the compressed data of the image just described.
bool SkipImageData(GifFileType* gif) {
  int codeSize = 0;
  GifByteType* block = nullptr;
  if (DGifGetCode(gif, &codeSize, &block) != GIF_OK) return false;
  while (block) {
    if (DGifGetCodeNext(gif, &block) != GIF_OK) return false;
  }
  return true;
}

// The colour indexes of the image just described, rows in display order.
bool ReadIndexes(GifFileType* gif, int width, int height, std::vector<GifPixelType>& indexes) {
  indexes.assign(static_cast<std::size_t>(width) * height, 0);
  auto row = [&](int y) { return indexes.data() + static_cast<std::size_t>(y) * width; };
  if (gif->Image.Interlace) {
    static const int kStart[] = {0, 4, 2, 1};
    static const int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      for (int y = kStart[pass]; y < height; y += kStep[pass]) {
        if (DGifGetLine(gif, row(y), width) != GIF_OK) return false;
      }
    }
    return true;
  }
  for (int y = 0; y < height; ++y) {
    if (DGifGetLine(gif, row(y), width) != GIF_OK) return false;
  }
  return true;
}

void ToRgba(const std::vector<GifPixelType>& indexes, const ColorMapObject& colours, int transparent,
            std::vector<std::uint8_t>& rgba) {
  rgba.resize(4 * indexes.size());
  for (std::size_t i = 0; i < indexes.size(); ++i) {
    const int index = indexes[i];
    std::uint8_t* pixel = &rgba[4 * i];
    if (index < colours.ColorCount) {
      pixel[0] = colours.Colors[index].Red;
      pixel[1] = colours.Colors[index].Green;
      pixel[2] = colours.Colors[index].Blue;
    } else {
      pixel[0] = pixel[1] = pixel[2] = 0;  // an index beyond the table
    }
    pixel[3] = index == transparent ? 0 : 255;
  }
}

enum class FrameResult { kAdded, kSkipped, kRefused, kDamaged };

FrameResult ReadFrame(GifFileType* gif, const GraphicsControlBlock& control, std::size_t& pixelBudget,
                      stGifPicture& picture) {
  if (DGifGetImageDesc(gif) != GIF_OK) return FrameResult::kDamaged;
  const GifImageDesc& image = gif->Image;
  if (!IsWithinCap(image.Width, image.Height)) return FrameResult::kRefused;
  if (image.Width == 0 || image.Height == 0) {
    return SkipImageData(gif) ? FrameResult::kSkipped : FrameResult::kDamaged;
  }
  const std::size_t pixels = static_cast<std::size_t>(image.Width) * image.Height;
  if (pixels > pixelBudget) return FrameResult::kRefused;
  pixelBudget -= pixels;
  const ColorMapObject* colours = image.ColorMap ? image.ColorMap : gif->SColorMap;
  if (!colours) return FrameResult::kRefused;

  std::vector<GifPixelType> indexes;
  if (!ReadIndexes(gif, image.Width, image.Height, indexes)) return FrameResult::kDamaged;
  stPictureFrame frame;
  frame.left = image.Left;
  frame.top = image.Top;
  frame.width = image.Width;
  frame.height = image.Height;
  frame.delay = control.DelayTime;
  frame.disposal = control.DisposalMode;
  ToRgba(indexes, *colours, control.TransparentColor, frame.rgba);
  picture.frames.push_back(std::move(frame));
  return FrameResult::kAdded;
}

GraphicsControlBlock NoControl() {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSAL_UNSPECIFIED;
  control.DelayTime = -1;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  return control;
}

bool IsKnownExtension(int code) {
  return code == GRAPHICS_EXT_FUNC_CODE || code == COMMENT_EXT_FUNC_CODE ||
         code == APPLICATION_EXT_FUNC_CODE || code == PLAINTEXT_EXT_FUNC_CODE;
}

// Reads an extension; a graphic control extension sets control. An unknown
// label ends the file as a damaged block would.
bool ReadExtension(GifFileType* gif, GraphicsControlBlock& control) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) != GIF_OK || !IsKnownExtension(code)) return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
    DGifExtensionToGCB(block[0], block + 1, &control);
    control.DisposalMode &= 0x07;
  }
  while (block) {
    if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
  }
  return true;
}

void ReadScreen(const GifFileType& gif, stGifPicture& picture) {
  picture.width = gif.SWidth;
  picture.height = gif.SHeight;
  const ColorMapObject* colours = gif.SColorMap;
  if (colours && gif.SBackGroundColor >= 0 && gif.SBackGroundColor < colours->ColorCount) {
    const GifColorType& entry = colours->Colors[gif.SBackGroundColor];
    picture.hasBackground = true;
    picture.background = {entry.Red, entry.Green, entry.Blue};
  }
}

}  // namespace

bool DecodeGifPicture(const std::uint8_t* data, std::size_t size, stGifPicture& picture) {
  picture = stGifPicture();
  if (!data || size == 0) return false;
  stReader reader{data, size};
  int error = 0;
  GifHandle gif(DGifOpen(&reader, ReadFromMemory, &error));
  if (!gif) return false;
  if (gif->SWidth <= 0 || gif->SHeight <= 0 || !IsWithinCap(gif->SWidth, gif->SHeight)) return false;
  ReadScreen(*gif, picture);

  std::size_t pixelBudget = kMaxGifFramePixels;
  std::size_t images = 0;
  GraphicsControlBlock control = NoControl();
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &type) != GIF_OK) break;  // cut short: the frames so far
    if (type == TERMINATE_RECORD_TYPE) break;
    if (type == EXTENSION_RECORD_TYPE) {
      if (!ReadExtension(gif.get(), control)) break;
      continue;
    }
    if (type != IMAGE_DESC_RECORD_TYPE) break;
    if (++images > kMaxGifFrames) return false;
    const FrameResult result = ReadFrame(gif.get(), control, pixelBudget, picture);
    if (result == FrameResult::kRefused) return false;
    if (result == FrameResult::kDamaged) break;
    control = NoControl();
  }
  return !picture.frames.empty();
}

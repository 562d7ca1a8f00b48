// GIF pictures: any bytes decode within the size caps or are refused, and
// the decoded frames play on the surface with their disposal methods.
#include "ui/GifCompositor.h"
#include "ui/GifDecoder.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  stGifPicture picture;
  if (!DecodeGifPicture(data, size, picture)) return 0;
  if (picture.width <= 0 || picture.height <= 0 || picture.width > kMaxGifSide ||
      picture.height > kMaxGifSide)
    __builtin_trap();
  const std::size_t frames = picture.frames.size();
  CGifCompositor surface;
  surface.Reset(picture.width, picture.height, stRgb{1, 2, 3}, picture.background,
                std::make_shared<const std::vector<stPictureFrame>>(std::move(picture.frames)));
  surface.BeginPlaying();
  for (std::size_t i = 0; i < 2 * frames + 1; ++i) {
    surface.RenderCurrent();
    surface.GetCurrentDelayMs();
    surface.DisposeCurrent();
    surface.Advance();
  }
  return 0;
}

// GIF block chain reading and the animated picture's frame composition.
#include "ui/GifCompositor.h"
#include "ui/GifDecoder.h"
#include "ui/GifFrames.h"

#include "GifBuilder.h"

#include <gtest/gtest.h>

namespace {

using gifbuilder::Bytes;
using gifbuilder::SolidFrame;

Bytes ThreeFrames() {
  std::vector<gifbuilder::stFrame> frames = {
      SolidFrame(0, 0, 4, 4, 0, 10, 1), SolidFrame(2, 1, 2, 3, 1, 3, 2), SolidFrame(1, 1, 2, 2, 2, 50, 3)};
  return gifbuilder::BuildGif(4, 4, frames);
}

TEST(GifFrames, ScreenDescriptorAndBackground) {
  const Bytes gif = ThreeFrames();
  stGifScreen screen;
  ASSERT_TRUE(ReadGifScreen(gif.data(), gif.size(), screen));
  EXPECT_EQ(screen.width, 4);
  EXPECT_EQ(screen.height, 4);
  EXPECT_EQ(screen.colorTableSize, 12);
  ASSERT_TRUE(screen.hasBackground);  // index 3: white
  EXPECT_EQ(screen.background[0], 255);
  EXPECT_EQ(screen.background[2], 255);

  // "GIF" alone is a GIF by its first bytes, but too short for the descriptor and the table.
  for (std::size_t size : {std::size_t(3), std::size_t(12), std::size_t(20)}) {
    EXPECT_TRUE(IsGifData(gif.data(), size));
    EXPECT_FALSE(ReadGifScreen(gif.data(), size, screen)) << size;
  }
  const Bytes png{0x89, 'P', 'N', 'G'};
  EXPECT_FALSE(IsGifData(png.data(), png.size()));
}

TEST(GifFrames, ExtractsEveryFrameWithTimingAndPlacement) {
  Bytes gif = ThreeFrames();
  // A comment between the frames is stepped over.
  const Bytes comment = gifbuilder::Comment("made for a test");
  const Bytes first = gifbuilder::FrameBlocks(SolidFrame(0, 0, 4, 4, 0, 10, 1));
  const std::size_t afterFirst = 13 + 12 + 19 + first.size();
  gif.insert(gif.begin() + afterFirst, comment.begin(), comment.end());

  stGifScreen screen;
  ASSERT_TRUE(ReadGifScreen(gif.data(), gif.size(), screen));
  EXPECT_EQ(CountGifFrames(gif.data(), gif.size(), screen), 3);

  std::size_t offset = 13 + 12;
  std::vector<stGifFrameData> frames(3);
  for (auto& frame : frames) ASSERT_TRUE(ExtractFrame(gif.data(), gif.size(), screen, offset, frame));
  stGifFrameData none;
  EXPECT_FALSE(ExtractFrame(gif.data(), gif.size(), screen, offset, none));  // the trailer

  EXPECT_EQ(frames[0].delay, 10);
  EXPECT_EQ(frames[0].disposal, 1);
  EXPECT_EQ(frames[1].disposal, 2);
  EXPECT_EQ(frames[1].left, 2);
  EXPECT_EQ(frames[1].top, 1);
  EXPECT_EQ(frames[1].width, 2);
  EXPECT_EQ(frames[1].height, 3);
  EXPECT_EQ(frames[2].delay, 50);
  EXPECT_EQ(frames[2].disposal, 3);

  // A frame's file is the header and table, the frame's own blocks (from
  // its graphic control extension on) and the trailer.
  const Bytes blocks = gifbuilder::FrameBlocks(SolidFrame(2, 1, 2, 3, 1, 3, 2));
  Bytes expected(gif.begin(), gif.begin() + 25);
  expected.insert(expected.end(), blocks.begin(), blocks.end());
  expected.push_back(0x3B);
  EXPECT_EQ(frames[1].file, expected);
  stGifScreen again;
  ASSERT_TRUE(ReadGifScreen(frames[1].file.data(), frames[1].file.size(), again));
  EXPECT_EQ(CountGifFrames(frames[1].file.data(), frames[1].file.size(), again), 1);
}

TEST(GifFrames, FrameWithoutControlExtensionHasNoDelay) {
  auto frame = SolidFrame(0, 0, 2, 2, 1);
  frame.control = false;
  const Bytes gif = gifbuilder::BuildGif(2, 2, {frame});
  stGifScreen screen;
  ASSERT_TRUE(ReadGifScreen(gif.data(), gif.size(), screen));
  std::size_t offset = 25;
  stGifFrameData data;
  ASSERT_TRUE(ExtractFrame(gif.data(), gif.size(), screen, offset, data));
  EXPECT_EQ(data.delay, kGifNoDelay);
  EXPECT_EQ(data.disposal, 0);
}

TEST(GifFrames, UnknownExtensionBeforeTheFirstFrameGivesNoFrames) {
  Bytes gif = ThreeFrames();
  const Bytes unknown{0x21, 0x77, 0x01, 0x00, 0x00};
  gif.insert(gif.begin() + 25, unknown.begin(), unknown.end());
  stGifScreen screen;
  ASSERT_TRUE(ReadGifScreen(gif.data(), gif.size(), screen));
  EXPECT_EQ(CountGifFrames(gif.data(), gif.size(), screen), 0);
}

TEST(GifFrames, TruncatedFilesNeverReadPastTheirEnd) {
  // Every prefix of a good file: the frames wholly inside it are found, no
  // more, and nothing past the prefix is read (the copy ends there).
  const Bytes gif = ThreeFrames();
  stGifScreen screen;
  ASSERT_TRUE(ReadGifScreen(gif.data(), gif.size(), screen));
  int previous = 0;
  for (std::size_t size = 25; size < gif.size(); ++size) {
    const Bytes prefix(gif.begin(), gif.begin() + size);
    const int count = CountGifFrames(prefix.data(), prefix.size(), screen);
    EXPECT_GE(count, previous) << size;
    EXPECT_LE(count, 3) << size;
    previous = count;
  }
  EXPECT_EQ(previous, 3);  // all three end before the trailer
}

TEST(GifFrames, FrameDelays) {
  const struct {
    int delay;
    int ms;
  } cases[] = {{-1, 100}, {0, 100}, {4, 100}, {5, 50}, {50, 500}};
  for (const auto& c : cases) EXPECT_EQ(GifFrameDelayMs(c.delay), c.ms) << c.delay;
}

// ---------------------------------------------------------------------------

constexpr stRgb kFill{10, 10, 10};
constexpr stRgb kBackground{200, 200, 200};
constexpr stRgb kRed{255, 0, 0};
constexpr stRgb kGreen{0, 255, 0};

stPictureFrame Solid(int left, int top, int width, int height, stRgb colour, int disposal, int delay = 0) {
  stPictureFrame frame;
  frame.left = left;
  frame.top = top;
  frame.width = width;
  frame.height = height;
  frame.disposal = disposal;
  frame.delay = delay;
  for (int i = 0; i < width * height; ++i)
    frame.rgba.insert(frame.rgba.end(), {colour.red, colour.green, colour.blue, 255});
  return frame;
}

PictureFrames Frames(std::vector<stPictureFrame> frames) {
  return std::make_shared<const std::vector<stPictureFrame>>(std::move(frames));
}

TEST(GifCompositor, DisposalMethods) {
  CGifCompositor surface;
  surface.Reset(
      6, 6, kFill, kBackground,
      Frames({Solid(0, 0, 6, 6, kRed, 1), Solid(1, 1, 2, 2, kGreen, 2), Solid(3, 3, 2, 2, kGreen, 3)}));
  surface.BeginPlaying();
  surface.RenderCurrent();
  EXPECT_EQ(surface.GetPixel(0, 0), kRed);
  surface.DisposeCurrent();  // 1: left as it is
  surface.Advance();
  EXPECT_EQ(surface.GetPixel(0, 0), kRed);

  surface.RenderCurrent();
  EXPECT_EQ(surface.GetPixel(1, 1), kGreen);
  surface.DisposeCurrent();  // 2: the rectangle becomes the background
  EXPECT_EQ(surface.GetPixel(1, 1), kBackground);
  EXPECT_EQ(surface.GetPixel(2, 2), kBackground);
  EXPECT_EQ(surface.GetPixel(3, 1), kRed);
  surface.Advance();

  surface.RenderCurrent();
  EXPECT_EQ(surface.GetPixel(4, 4), kGreen);
  surface.DisposeCurrent();  // 3: what was under it comes back
  EXPECT_EQ(surface.GetPixel(4, 4), kRed);
  EXPECT_EQ(surface.GetPixel(3, 3), kRed);

  // After the last frame the whole surface is cleared before frame 0.
  surface.Advance();
  EXPECT_EQ(surface.GetCurrentFrame(), 0);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) ASSERT_EQ(surface.GetPixel(x, y), kBackground) << x << "," << y;
}

TEST(GifCompositor, TransparentPixelsAndClipping) {
  CGifCompositor surface;
  stPictureFrame frame = Solid(-1, 2, 4, 4, kGreen, 0);  // partly outside the surface
  frame.rgba[4 * 1 + 3] = 0;                             // its pixel (1, 0) is transparent
  surface.Reset(4, 4, kFill, kBackground, Frames({frame, Solid(0, 0, 1, 1, kRed, 0)}));
  surface.RenderCurrent();
  EXPECT_EQ(surface.GetPixel(0, 2), kFill);
  EXPECT_EQ(surface.GetPixel(1, 2), kGreen);
  EXPECT_EQ(surface.GetPixel(0, 3), kGreen);
  EXPECT_EQ(surface.GetPixel(2, 3), kGreen);
  EXPECT_EQ(surface.GetPixel(3, 2), kFill);
  EXPECT_EQ(surface.GetPixel(0, 1), kFill);
  surface.Advance();
  EXPECT_EQ(surface.GetCurrentDelayMs(), 100);
  // A frame whose pixels do not match its size is not drawn.
  stPictureFrame broken = Solid(0, 0, 2, 2, kRed, 0);
  broken.rgba.resize(4);
  surface.Lay(broken);
  EXPECT_EQ(surface.GetPixel(0, 0), kFill);
}

// Plays every frame of a decoded file twice round, as the animation thread does.
void PlayThrough(const stGifPicture& picture, CGifCompositor& surface) {
  surface.Reset(picture.width, picture.height, kFill, kBackground, Frames(picture.frames));
  surface.BeginPlaying();
  for (std::size_t i = 0; i < 2 * picture.frames.size(); ++i) {
    surface.RenderCurrent();
    surface.DisposeCurrent();
    surface.Advance();
  }
}

TEST(GifDecoder, FramesComeWithPlacementTimingAndTransparency) {
  gifbuilder::stFrame second = SolidFrame(2, 1, 2, 3, 1, 3, 2);
  second.pixels = {1, 0, 1, 2, 3, 1};
  second.transparent = 0;
  gifbuilder::stFrame third = SolidFrame(1, 1, 2, 2, 2);
  third.control = false;
  const Bytes gif = gifbuilder::BuildGif(4, 4, {SolidFrame(0, 0, 4, 4, 0, 10, 1), second, third}, 2);
  stGifPicture picture;
  ASSERT_TRUE(DecodeGifPicture(gif.data(), gif.size(), picture));
  EXPECT_EQ(picture.width, 4);
  EXPECT_EQ(picture.height, 4);
  EXPECT_TRUE(picture.hasBackground);
  EXPECT_EQ(picture.background, (stRgb{0, 0, 255}));
  ASSERT_EQ(picture.frames.size(), 3u);
  const stPictureFrame& frame = picture.frames[1];
  EXPECT_EQ(std::vector<int>({frame.left, frame.top, frame.width, frame.height, frame.delay, frame.disposal}),
            std::vector<int>({2, 1, 2, 3, 3, 2}));
  const std::vector<std::uint8_t> rgba = {0, 255, 0,   255, 255, 0,   0,   0,   0, 255, 0, 255,
                                          0, 0,   255, 255, 255, 255, 255, 255, 0, 255, 0, 255};
  EXPECT_EQ(frame.rgba, rgba);
  EXPECT_EQ(picture.frames[2].delay, -1);  // no graphic control extension
  EXPECT_EQ(picture.frames[2].disposal, 0);
}

// Files that once crashed, exhausted memory or read out of bounds.
TEST(GifDecoder, HostileFilesAreRefusedOrPlayedSafely) {
  gifbuilder::stFrame zeroWide = SolidFrame(0, 0, 0, 2, 1);
  const struct {
    const char* name;
    Bytes gif;
    bool decoded;
    std::size_t frames;
  } cases[] = {
      {"disposal 3 frame beyond the screen",
       gifbuilder::BuildGif(8, 8, {SolidFrame(0, 0, 8, 8, 0, 0, 1), SolidFrame(20, 30, 2, 2, 1, 0, 3)}), true,
       2},
      {"disposal 3 frame past the right edge",
       gifbuilder::BuildGif(8, 8, {SolidFrame(0, 0, 8, 8, 0), SolidFrame(7, 7, 4, 4, 1, 0, 3)}), true, 2},
      {"30000 x 30000 screen", gifbuilder::BuildGif(30000, 30000, {SolidFrame(0, 0, 1, 1, 0)}), false, 0},
      {"frame of 5000 x 1", gifbuilder::BuildGif(8, 8, {SolidFrame(0, 0, 5000, 1, 0)}), false, 0},
      {"zero-sized screen", gifbuilder::BuildGif(0, 8, {SolidFrame(0, 0, 1, 1, 0)}), false, 0},
      {"zero-wide frame", gifbuilder::BuildGif(4, 4, {zeroWide, SolidFrame(0, 0, 2, 2, 1, 0, 3)}), true, 1},
      {"header only", Bytes{'G', 'I', 'F', '8', '9', 'a', 8, 0, 8, 0, 0, 0, 0}, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    stGifPicture picture;
    ASSERT_EQ(DecodeGifPicture(c.gif.data(), c.gif.size(), picture), c.decoded);
    EXPECT_EQ(picture.frames.size(), c.frames);
    if (!c.decoded) continue;
    CGifCompositor surface;
    PlayThrough(picture, surface);
    EXPECT_EQ(surface.GetPixels().size(), 3u * picture.width * picture.height);
  }
  // A file cut anywhere keeps the frames before the cut and never reads past it.
  const Bytes whole = ThreeFrames();
  std::size_t previous = 0;
  for (std::size_t size = 0; size <= whole.size(); ++size) {
    stGifPicture picture;
    DecodeGifPicture(whole.data(), size, picture);
    EXPECT_GE(picture.frames.size(), previous) << size;
    previous = picture.frames.size();
  }
  EXPECT_EQ(previous, 3u);
}

TEST(GifCompositor, AreasOffTheSurfaceAreNeitherSavedNorRestored) {
  CGifCompositor surface;
  surface.Reset(
      8, 8, kFill, kBackground,
      Frames({Solid(20, 30, 2, 2, kRed, 3), Solid(6, 6, 4, 4, kGreen, 3), Solid(0, 0, 0, 3, kRed, 3)}));
  for (int round = 0; round < 6; ++round) {
    surface.RenderCurrent();
    surface.DisposeCurrent();
    surface.Advance();
  }
  EXPECT_EQ(surface.GetPixel(7, 7), kBackground);
  EXPECT_EQ(surface.GetPixel(0, 0), kBackground);
}

}  // namespace

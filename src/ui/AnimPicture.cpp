#include "ui/AnimPicture.h"

#include "ui/BackgroundSource.h"
#include "ui/GifDecoder.h"
#include "ui/GifFrames.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/ffile.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/settings.h>

#include <chrono>

wxIMPLEMENT_DYNAMIC_CLASS(CPictureEx, wxControl);

// What the UI thread and the animation thread share. The thread keeps its own
// reference, so that nothing it uses goes away under it.
struct CPictureEx::stAnimation {
  std::mutex mutex;
  std::condition_variable wake;  // the stop event, and the thread's end
  bool exiting = false;
  bool finished = true;
  std::atomic<bool> playing{false};
  CGifCompositor compositor;  // the thread's alone while it runs
};

namespace {

stRgb RgbOf(const wxColour& colour) { return {colour.Red(), colour.Green(), colour.Blue()}; }

// A still picture through wx's handlers (GIF files go through giflib instead).
bool DecodePicture(const std::uint8_t* data, std::size_t size, wxBitmapType type, stPictureFrame& out) {
  wxLogNull quiet;
  wxMemoryInputStream stream(data, size);
  wxImage image;
  if (!image.LoadFile(stream, type) || !image.IsOk()) return false;
  if (!image.HasAlpha()) image.InitAlpha();  // a transparent colour becomes alpha 0
  out.width = image.GetWidth();
  out.height = image.GetHeight();
  const std::size_t pixels = static_cast<std::size_t>(out.width) * out.height;
  out.rgba.resize(4 * pixels);
  const unsigned char* rgb = image.GetData();
  const unsigned char* alpha = image.GetAlpha();
  for (std::size_t i = 0; i < pixels; ++i) {
    out.rgba[4 * i] = rgb[3 * i];
    out.rgba[4 * i + 1] = rgb[3 * i + 1];
    out.rgba[4 * i + 2] = rgb[3 * i + 2];
    out.rgba[4 * i + 3] = alpha ? alpha[i] : 255;
  }
  return true;
}

}  // namespace

CPictureEx::CPictureEx(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  Create(parent, id, pos, size);
}

bool CPictureEx::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
  if (!wxControl::Create(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE)) return false;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  m_animation = std::make_shared<stAnimation>();
  Bind(wxEVT_PAINT, &CPictureEx::OnPaint, this);
  return true;
}

CPictureEx::~CPictureEx() { Stop(); }

bool CPictureEx::Load(const wxString& path) {
  wxLogNull quiet;
  wxFFile file(path, "rb");
  if (!file.IsOpened()) {
    UnLoad();
    return false;
  }
  const wxFileOffset length = file.Length();
  if (length <= 0) {
    UnLoad();
    return false;
  }
  std::vector<std::uint8_t> data(static_cast<std::size_t>(length));
  if (file.Read(data.data(), data.size()) != data.size()) {
    UnLoad();
    return false;
  }
  return LoadFromMemory(data.data(), data.size());
}

bool CPictureEx::LoadFromMemory(const std::uint8_t* data, std::size_t size) {
  UnLoad();
  if (!data || size == 0) return false;
  bool decoded = false;
  if (IsGifData(data, size)) {
    m_isGif = true;
    decoded = DecodeGif(data, size);
  } else {
    decoded = DecodeStill(data, size);
  }
  if (!decoded || !PrepareOffscreen(m_width, m_height)) {
    UnLoad();
    return false;
  }
  return true;
}

bool CPictureEx::DecodeGif(const std::uint8_t* data, std::size_t size) {
  stGifPicture picture;
  if (!DecodeGifPicture(data, size, picture)) return false;
  m_width = picture.width;
  m_height = picture.height;
  if (picture.hasBackground) {
    m_background = MakeColorRef(picture.background.red, picture.background.green, picture.background.blue);
  }
  if (picture.frames.size() == 1) {
    m_still = std::move(picture.frames.front());
    m_hasStill = true;
    return true;
  }
  m_frames = std::make_shared<const std::vector<stPictureFrame>>(std::move(picture.frames));
  return true;
}

bool CPictureEx::DecodeStill(const std::uint8_t* data, std::size_t size) {
  if (!DecodePicture(data, size, wxBITMAP_TYPE_ANY, m_still)) return false;
  m_hasStill = true;
  m_width = m_still.width;
  m_height = m_still.height;
  return true;
}

bool CPictureEx::PrepareOffscreen(int width, int height) {
  if (width <= 0 || height <= 0) return false;
  SetSize(wxSize(width, height));
  ResetSurface();
  m_offscreenReady = true;
  ShowSurface(m_animation->compositor.GetPixels(), -1);
  return true;
}

void CPictureEx::ResetSurface() {
  const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
  m_background = ColorRefFromColour(face);
  m_animation->compositor.Reset(m_width, m_height, RgbOf(wxSystemSettings::GetColour(wxSYS_COLOUR_MENU)),
                                RgbOf(face), m_frames);
}

int CPictureEx::GetFrameCount() const {
  if (m_frames) return static_cast<int>(m_frames->size());
  return m_hasStill ? 1 : 0;
}

bool CPictureEx::IsPlaying() const { return m_animation && m_animation->playing.load(); }

void CPictureEx::SetPaintRect(const wxRect& rect) {
  m_paintRect = rect;
  Refresh(false);
}

bool CPictureEx::Draw() {
  if (!m_offscreenReady) return false;
  if (m_frames && m_frames->size() > 1) {
    if (!m_thread.joinable()) StartAnimation();
    return false;
  }
  if (!m_hasStill) return false;
  CGifCompositor& surface = m_animation->compositor;
  surface.Lay(m_still);
  ShowSurface(surface.GetPixels(), 0);
  return true;
}

void CPictureEx::StartAnimation() {
  std::shared_ptr<stAnimation> animation = m_animation;
  animation->exiting = false;
  animation->finished = false;
  animation->playing = true;
  const unsigned generation = m_generation;
  m_thread = std::thread([this, animation, generation] {
    CGifCompositor& surface = animation->compositor;
    surface.BeginPlaying();
    std::unique_lock<std::mutex> lock(animation->mutex);
    while (!animation->exiting) {
      lock.unlock();
      surface.RenderCurrent();
      auto pixels = std::make_shared<const std::vector<std::uint8_t>>(surface.GetPixels());
      const int frame = surface.GetCurrentFrame();
      lock.lock();
      if (animation->exiting) break;
      // Queued while the control is known to live: Stop, which runs before
      // the control goes, sets exiting under this lock.
      CallAfter([this, pixels, frame, generation] {
        if (generation == m_generation) ShowSurface(*pixels, frame);
      });
      const auto delay = std::chrono::milliseconds(surface.GetCurrentDelayMs());
      if (animation->wake.wait_for(lock, delay, [&] { return animation->exiting; })) break;
      lock.unlock();
      surface.DisposeCurrent();
      surface.Advance();
      lock.lock();
    }
    animation->playing = false;
    animation->finished = true;
    animation->wake.notify_all();
  });
}

void CPictureEx::Stop() {
  if (!m_animation) return;
  m_animation->playing = false;
  if (!m_thread.joinable()) return;
  std::unique_lock<std::mutex> lock(m_animation->mutex);
  m_animation->exiting = true;
  m_animation->wake.notify_all();
  const bool ended = m_animation->wake.wait_for(lock, std::chrono::milliseconds(kStopWaitMs),
                                                [&] { return m_animation->finished; });
  lock.unlock();
  ++m_generation;
  if (ended) {
    m_thread.join();
    m_animation->exiting = false;
    return;
  }
  // The thread holds its own reference to what it uses; it is let go, and
  // the control goes on with a fresh surface of its own.
  m_thread.detach();
  m_animation = std::make_shared<stAnimation>();
  ResetSurface();
}

void CPictureEx::UnLoad() {
  Stop();
  m_still = stPictureFrame();
  m_hasStill = false;
  m_frames.reset();
  if (m_animation) m_animation->compositor.Reset(0, 0, stRgb(), stRgb(), nullptr);
  m_paintRect = wxRect();
  m_width = m_height = 0;
  m_isGif = false;
  m_offscreenReady = false;
  m_shown = wxBitmap();
  m_shownFrame = -1;
  m_framesShown = 0;
  m_background = 0xFFFFFF;
  if (GetHandle()) Refresh(false);
}

void CPictureEx::ShowSurface(const std::vector<std::uint8_t>& pixels, int frame) {
  if (m_width <= 0 || m_height <= 0 || pixels.size() != 3 * static_cast<std::size_t>(m_width) * m_height)
    return;
  wxImage image(m_width, m_height, false);
  std::copy(pixels.begin(), pixels.end(), image.GetData());
  m_shown = wxBitmap(image);
  m_shownFrame = frame;
  if (frame >= 0 && m_frames) ++m_framesShown;
  Refresh(false);
}

wxImage CPictureEx::GetShownImage() const { return m_shown.IsOk() ? m_shown.ConvertToImage() : wxImage(); }

void CPictureEx::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  PaintParentBackground(this, dc);
  if (!m_offscreenReady || !m_shown.IsOk()) return;
  wxMemoryDC source(m_shown);
  if (m_paintRect.width < 1) {
    dc.Blit(0, 0, m_width, m_height, &source, 0, 0);
  } else {
    dc.StretchBlit(m_paintRect.x, m_paintRect.y, m_paintRect.width, m_paintRect.height, &source, 0, 0,
                   m_width, m_height);
  }
}

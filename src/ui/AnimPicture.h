// A static control that shows a picture file (any format wxImage reads) and
// plays animated GIFs frame by frame with each frame's delay and disposal.
//
// Every frame is decoded once, at load time, on the UI thread. Playing runs
// on a thread of the control's own that only composes frames in plain
// memory (CGifCompositor) and hands each finished frame to the UI thread as
// a queued call; it never touches a window. Stop ends the thread through a
// condition variable, waiting up to kStopWaitMs for it.
#pragma once

#include "ui/Colors.h"
#include "ui/GifCompositor.h"

#include <wx/bitmap.h>
#include <wx/control.h>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

class CPictureEx : public wxControl {
 public:
  static constexpr int kStopWaitMs = 5000;

  CPictureEx() = default;
  CPictureEx(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
             const wxSize& size = wxDefaultSize);
  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize);
  ~CPictureEx() override;

  // Reads the whole file and loads it. False when the file cannot be read or loaded.
  bool Load(const wxString& path);
  // Unloads, then decodes the picture and prepares the off-screen surface
  // (the control takes the picture's size, keeping its position).
  bool LoadFromMemory(const std::uint8_t* data, std::size_t size);
  // An animated GIF starts playing (false is returned); a still picture is
  // drawn into the surface and shown (true).
  bool Draw();
  // Ends playing; the frame shown stays.
  void Stop();
  // Stops and forgets the picture: the control is empty again.
  void UnLoad();

  bool IsGIF() const { return m_isGif; }
  bool IsPlaying() const;
  bool IsLoaded() const { return m_offscreenReady; }
  // A rectangle of width below 1 paints the picture at its own size; else it is stretched into it.
  void SetPaintRect(const wxRect& rect);
  const wxRect& GetPaintRect() const { return m_paintRect; }
  wxSize GetPictureSize() const { return wxSize(m_width, m_height); }
  ColorRef GetBackgroundColor() const { return m_background; }
  int GetFrameCount() const;
  // The surface as the control shows it now, the frame it shows, and how
  // many frames the animation has handed over since loading.
  wxImage GetShownImage() const;
  int GetShownFrame() const { return m_shownFrame; }
  unsigned GetFramesShown() const { return m_framesShown; }

 private:
  struct stAnimation;

  bool DecodeGif(const std::uint8_t* data, std::size_t size);
  bool DecodeStill(const std::uint8_t* data, std::size_t size);
  bool PrepareOffscreen(int width, int height);
  void ResetSurface();
  void StartAnimation();
  void ShowSurface(const std::vector<std::uint8_t>& pixels, int frame);
  void OnPaint(wxPaintEvent& event);

  wxRect m_paintRect;
  int m_width = 0;
  int m_height = 0;
  ColorRef m_background = 0xFFFFFF;
  bool m_isGif = false;
  bool m_offscreenReady = false;
  stPictureFrame m_still;
  bool m_hasStill = false;
  PictureFrames m_frames;

  std::shared_ptr<stAnimation> m_animation;
  std::thread m_thread;
  unsigned m_generation = 0;  // frames of an earlier run are dropped

  wxBitmap m_shown;
  int m_shownFrame = -1;
  unsigned m_framesShown = 0;

  wxDECLARE_DYNAMIC_CLASS(CPictureEx);
};

// A static control that draws an IR signal as a waveform: segments of a
// duration and a level scaled to the control's width, an optional caption
// over the whole wave and labels over runs of segments, each drawn as a
// dimension line with arrow heads. In filled mode the segments of one level
// are painted as blocks: a solid colour, or the "blue.bmp" / "red.bmp"
// pattern by fill style.
#pragma once

#include "ui/Colors.h"
#include "ui/WaveGeometry.h"

#include <wx/bitmap.h>
#include <wx/control.h>
#include <wx/image.h>

#include <cstdint>
#include <vector>

class CDrawWave : public wxControl {
 public:
  enum FillStyle { kFillSolid = -1, kFillBlue = 0, kFillRed = 1 };

  CDrawWave() = default;
  CDrawWave(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
            const wxSize& size = wxDefaultSize);
  // Loads the arrow heads and fill patterns from the images folder and takes
  // the parent's font, made bold.
  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize);

  void AddSegment(std::int32_t duration, std::int32_t level, bool redraw);
  // Replaces the text and count of the label that starts at first, else adds one.
  void SetSpanText(int first, int count, const wxString& text, bool redraw = true);
  // Label n's text; -1 gives the caption, any other index an empty text.
  wxString GetSpanText(int n) const;
  void SetCaption(const wxString& text, bool redraw);
  void SetFillMode(bool filled);
  void SetFillStyle(int style);
  int GetFillStyle() const { return m_fillStyle; }
  // Empties the segments; with labels set also the labels and the caption.
  void Clear(bool labels);

  int GetSegmentCount() const { return static_cast<int>(m_durations.size()); }
  int GetSpanCount() const { return static_cast<int>(m_spans.size()); }
  // The layout of the last paint's size and font.
  stWaveGeometry GetGeometry() const;

  void DrawWave(wxDC& dc);

 private:
  // The layout's input, its texts measured with dc's font.
  stWaveInput MakeInput(wxDC& dc) const;
  void DrawBlocks(wxDC& dc, const stWaveGeometry& geometry);
  void DrawDimension(wxDC& dc, const stWaveDimension& dimension, bool ticks, bool strokes);
  void OnPaint(wxPaintEvent& event);

  std::vector<std::int32_t> m_durations;
  std::vector<std::int32_t> m_levels;
  std::vector<stWaveSpan> m_spans;
  wxString m_caption;
  int m_startLevel = 0;
  int m_endLevel = 0;
  bool m_filled = true;
  bool m_highFilled = true;
  int m_fillStyle = kFillSolid;
  ColorRef m_fillColor = 0;
  ColorRef m_lineColor = 0;
  wxImage m_leftArrow;
  wxImage m_rightArrow;
  wxBitmap m_blueFill;
  wxBitmap m_redFill;
  wxFont m_font;

  wxDECLARE_DYNAMIC_CLASS(CDrawWave);
};

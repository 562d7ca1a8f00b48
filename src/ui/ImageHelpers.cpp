#include "ui/ImageHelpers.h"

#include "ui/Resources.h"

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/mstream.h>

bool ImageFileExists(const wxString& path) { return !path.empty() && wxFileName::FileExists(path); }

bool LoadImageFromFile(wxImage& image, const wxString& path) {
  image.Destroy();
  if (!ImageFileExists(path)) return false;
  wxLogNull quiet;
  if (!image.LoadFile(path, wxBITMAP_TYPE_ANY)) {
    image.Destroy();
    return false;
  }
  return true;
}

bool LoadImageFromResource(wxImage& image, int resourceId, const wxString& type) {
  image.Destroy();
  const ResourceKind kind = type.IsSameAs("png", false) ? ResourceKind::kPng : ResourceKind::kBitmap;
  const stResource* resource = FindProgramResource(resourceId, kind);
  if (!resource) return false;
  wxMemoryInputStream stream(resource->data, resource->size);
  wxLogNull quiet;
  if (!image.LoadFile(stream, wxBITMAP_TYPE_ANY)) {
    image.Destroy();
    return false;
  }
  return true;
}

void PremultiplyAlpha(wxImage& image) {
  if (!image.IsOk() || !image.HasAlpha()) return;
  unsigned char* rgb = image.GetData();
  const unsigned char* alpha = image.GetAlpha();
  const long count = static_cast<long>(image.GetWidth()) * image.GetHeight();
  for (long i = 0; i < count; ++i) {
    for (int channel = 0; channel < 3; ++channel) {
      rgb[3 * i + channel] = static_cast<unsigned char>(rgb[3 * i + channel] * alpha[i] / 255);
    }
  }
}

void CenterRectOnPoint(wxRect& rect, int x, int y) {
  rect.x = x - rect.width / 2;
  rect.y = y - rect.height / 2;
}

void DrawImageStretched(wxDC& dc, const wxImage& image, const wxRect& rect) {
  if (!image.IsOk() || rect.width <= 0 || rect.height <= 0) return;
  if (image.GetWidth() == rect.width && image.GetHeight() == rect.height) {
    dc.DrawBitmap(wxBitmap(image), rect.GetTopLeft(), true);
    return;
  }
  dc.DrawBitmap(wxBitmap(image.Scale(rect.width, rect.height, wxIMAGE_QUALITY_HIGH)), rect.GetTopLeft(),
                true);
}

void DrawImageAt(wxDC& dc, const wxImage& image, const wxPoint& topLeft) {
  if (!image.IsOk()) return;
  dc.DrawBitmap(wxBitmap(image), topLeft, true);
}

void FillWithTile(wxDC& dc, const wxRect& rect, const wxBitmap& tile) {
  if (!tile.IsOk() || tile.GetWidth() <= 0 || tile.GetHeight() <= 0 || rect.IsEmpty()) return;
  const int width = tile.GetWidth();
  const int height = tile.GetHeight();
  wxDCClipper clip(dc, rect);
  const int startX = rect.x - ((rect.x % width) + width) % width;
  const int startY = rect.y - ((rect.y % height) + height) % height;
  for (int y = startY; y < rect.GetBottom() + 1; y += height) {
    for (int x = startX; x < rect.GetRight() + 1; x += width) dc.DrawBitmap(tile, x, y, true);
  }
}

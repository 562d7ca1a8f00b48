// Image helpers: loading pictures from files and from the program's compiled
// resources, premultiplied alpha, drawing with per-pixel alpha.
//
// Images are wxImages with straight (not premultiplied) alpha: wxWidgets
// composites straight alpha itself when it draws a bitmap, so the loaders keep
// the pixels as they are in the file. PremultiplyAlpha is there for code that
// hands raw pixels to a consumer that expects them premultiplied.
#pragma once

#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/string.h>

class wxDC;

// Whether a file exists (tested before each optional picture is loaded).
bool ImageFileExists(const wxString& path);

// Loads a picture file (any format wxImage reads) into image. False, with
// image emptied, when the file is missing or unreadable.
bool LoadImageFromFile(wxImage& image, const wxString& path);

// Loads the compiled resource of the id: type "png" (any case) reads the "PNG"
// resources, any other type the bitmap resources. False when there is none.
bool LoadImageFromResource(wxImage& image, int resourceId, const wxString& type);

// For an image with an alpha channel: every pixel's red, green and blue become
// channel * alpha / 255 (integer division). Images without alpha are left as they are.
void PremultiplyAlpha(wxImage& image);

// Moves rect so that its centre (integer halves of width and height) lies on (x, y).
void CenterRectOnPoint(wxRect& rect, int x, int y);

// Draws image with its per-pixel alpha, stretched into rect. Nothing for an empty image.
void DrawImageStretched(wxDC& dc, const wxImage& image, const wxRect& rect);

// Draws image with its per-pixel alpha at its own size.
void DrawImageAt(wxDC& dc, const wxImage& image, const wxPoint& topLeft);

// Fills rect with copies of tile laid from the DC's origin, like a pattern brush.
void FillWithTile(wxDC& dc, const wxRect& rect, const wxBitmap& tile);

// The key part of the circuit-diagram PDF: the line labels, the key codes
// and the switch labels of a key set-up snapshot, drawn onto a libharu page
// that the caller made. Texts go to the page as UTF-8: the font must be a
// TrueType font loaded with the "UTF-8" encoder (LoadUtf8Font).
#pragma once

#include <hpdf.h>
#include <wx/string.h>

#include <cstdint>
#include <vector>

constexpr std::uint32_t kNoDiagramCode = 0xFFFFFFFFu;

// What the key page copies from its key set-up for one export.
struct stKeySetupSnapshot {
  bool matrix = false;
  bool rowVss = false;
  bool general = true;  // framework kind 0; LCD frameworks print no codes
  int cellWidth = 40;   // w
  int cellHeight = 20;  // h
  int x0 = 110;         // left edge of the matrix area
  int stepCells = 0;    // n
  int stepPins = 0;     // a
  int columnCells = 0;
  int rowCells = 0;
  int columnPins = 0;
  int rowPins = 0;                   // counts the VSS row
  std::vector<std::uint32_t> codes;  // one per key cell, row by row
};

// Where the snapshot lands: PDF x = origin.x + scaleX * X, PDF y = origin.y -
// scaleY * Y for a panel pixel (X, Y); dx, dy shift the panel.
struct stPdfPlacement {
  float originX = 0;
  float originY = 0;
  int dx = 0;
  int dy = 0;
  float scaleX = 1;
  float scaleY = 1;
};

// Draws labels, then key codes and switch labels. Every libharu call is
// checked: on the first failure the document's error is reset and false
// comes back (the rest is not drawn).
bool DrawKeySetupPdf(HPDF_Doc doc, HPDF_Page page, HPDF_Font font, const stKeySetupSnapshot& snap,
                     const stPdfPlacement& at);

// Loads a TrueType font (a collection's first face) for UTF-8 text; null on
// failure (the document's error is reset).
HPDF_Font LoadUtf8Font(HPDF_Doc doc, const wxString& path);
// An installed TrueType font that covers Latin and CJK text where there is
// one; empty when none is found.
wxString FindUtf8FontFile();

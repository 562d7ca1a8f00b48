// The key set-up's own circuit-diagram PDF: one landscape A4 page with the
// picture of the key wiring and, over it, the line labels, key codes and
// switch labels (or the touch keys' layout). The document is written to a
// private temporary file first and copied over the chosen path only when it
// is complete, so a failed export never leaves a half-written file there.
#pragma once

#include "keys/KeySetupPdf.h"

#include <wx/string.h>

#include <vector>

struct stKeySetupExport {
  stKeySetupSnapshot snapshot;
  bool touch = false;
  // Touch keypads: one line name ("KEY%d") and one key label ("K%d") per
  // touch key in use.
  std::vector<wxString> touchNames;
  std::vector<wxString> touchLabels;
  // The wiring picture in panel pixels (PNG), drawn under the texts; none
  // when empty.
  wxString pictureFile;
  int pictureWidth = 0;
  int pictureHeight = 0;
};

enum class KeySetupExportResult { kWritten, kNoFont, kDrawFailed, kWriteFailed };

KeySetupExportResult ExportKeySetupPdf(const wxString& path, const stKeySetupExport& what);

// The touch keys of a touch remote: for key i a framed box with its line
// name, its number i + 1 and its label, in columns of four from (x, y) (PDF
// points, y growing upwards). False after the first failed call (the
// document's error is reset).
bool DrawTouchKeysPdf(HPDF_Doc doc, HPDF_Page page, HPDF_Font font, const std::vector<wxString>& names,
                      const std::vector<wxString>& labels, float x, float y);

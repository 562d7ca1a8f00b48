#include "keys/KeySetupExport.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>

#include <algorithm>
#include <memory>

namespace {

constexpr float kPageWidth = 842;
constexpr float kPageHeight = 595;
constexpr float kMargin = 40;

struct DocDeleter {
  void operator()(HPDF_Doc doc) const { HPDF_Free(doc); }
};
using DocPtr = std::unique_ptr<std::remove_pointer_t<HPDF_Doc>, DocDeleter>;

bool Ok(HPDF_Doc doc, HPDF_STATUS status) {
  if (status == HPDF_OK) return true;
  HPDF_ResetError(doc);
  return false;
}

// The picture, at the scale the snapshot's texts use (a matrix's texts are
// placed at two thirds of the panel's pixels).
bool DrawPicture(HPDF_Doc doc, HPDF_Page page, const stKeySetupExport& what, const stPdfPlacement& at) {
  if (what.pictureFile.empty() || what.pictureWidth <= 0 || what.pictureHeight <= 0) return true;
  HPDF_Image image = HPDF_LoadPngImageFromFile(doc, what.pictureFile.fn_str());
  if (!image) {
    HPDF_ResetError(doc);
    return false;
  }
  const float scale = what.snapshot.matrix ? 2.0f / 3.0f : 1.0f;
  const float w = what.pictureWidth * scale * at.scaleX;
  const float h = what.pictureHeight * scale * at.scaleY;
  return Ok(doc, HPDF_Page_DrawImage(page, image, at.originX, at.originY - h, w, h));
}

}  // namespace

bool DrawTouchKeysPdf(HPDF_Doc doc, HPDF_Page page, HPDF_Font font, const std::vector<wxString>& names,
                      const std::vector<wxString>& labels, float x, float y) {
  const std::size_t count = std::min(names.size(), labels.size());
  constexpr float kBoxWidth = 150, kBoxHeight = 40, kGap = 20;
  for (std::size_t i = 0; i < count; ++i) {
    const float left = x + static_cast<float>(i / 4) * (kBoxWidth + kGap);
    const float top = y - static_cast<float>(i % 4) * (kBoxHeight + kGap);
    if (!Ok(doc, HPDF_Page_SetLineWidth(page, 1)) ||
        !Ok(doc, HPDF_Page_Rectangle(page, left, top - kBoxHeight, kBoxWidth, kBoxHeight)) ||
        !Ok(doc, HPDF_Page_Stroke(page)))
      return false;
    const wxString number = wxString::Format("%d", static_cast<int>(i) + 1);
    const std::pair<float, wxString> texts[] = {{8, names[i]}, {70, number}, {100, labels[i]}};
    if (!Ok(doc, HPDF_Page_BeginText(page))) return false;
    bool drawn = Ok(doc, HPDF_Page_SetFontAndSize(page, font, 10));
    for (const auto& [dx, text] : texts)
      drawn = drawn && Ok(doc, HPDF_Page_TextOut(page, left + dx, top - 24, text.utf8_str()));
    if (!Ok(doc, HPDF_Page_EndText(page)) || !drawn) return false;
  }
  return true;
}

KeySetupExportResult ExportKeySetupPdf(const wxString& path, const stKeySetupExport& what) {
  DocPtr doc(HPDF_New(nullptr, nullptr));
  if (!doc) return KeySetupExportResult::kDrawFailed;
  HPDF_Font font = LoadUtf8Font(doc.get(), FindUtf8FontFile());
  if (!font) return KeySetupExportResult::kNoFont;
  HPDF_Page page = HPDF_AddPage(doc.get());
  if (!page || !Ok(doc.get(), HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_LANDSCAPE)))
    return KeySetupExportResult::kDrawFailed;

  stPdfPlacement at;
  at.originX = kMargin;
  at.originY = kPageHeight - kMargin;
  // A picture wider or taller than the page is scaled down with its texts.
  if (what.pictureWidth > 0 && what.pictureHeight > 0) {
    const float factor = what.snapshot.matrix ? 2.0f / 3.0f : 1.0f;
    const float fit = std::min((kPageWidth - 2 * kMargin) / (what.pictureWidth * factor),
                               (kPageHeight - 2 * kMargin) / (what.pictureHeight * factor));
    at.scaleX = at.scaleY = std::min(1.0f, fit);
  }
  const bool drawn = what.touch ? DrawTouchKeysPdf(doc.get(), page, font, what.touchNames, what.touchLabels,
                                                   at.originX, at.originY)
                                : DrawPicture(doc.get(), page, what, at) &&
                                      DrawKeySetupPdf(doc.get(), page, font, what.snapshot, at);
  if (!drawn) return KeySetupExportResult::kDrawFailed;

  // Failures are reported by the result, not by the library's log.
  const wxLogNull quiet;
  const wxString temp = wxFileName::CreateTempFileName("olvkeys");
  if (temp.empty()) return KeySetupExportResult::kWriteFailed;
  const bool saved = Ok(doc.get(), HPDF_SaveToFile(doc.get(), temp.fn_str()));
  const bool copied = saved && wxCopyFile(temp, path, true);
  wxRemoveFile(temp);
  return copied ? KeySetupExportResult::kWritten : KeySetupExportResult::kWriteFailed;
}

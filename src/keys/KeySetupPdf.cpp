#include "keys/KeySetupPdf.h"

#include <wx/filename.h>

#include <cstdlib>

namespace {

constexpr float kTextSize = 10;
constexpr float kSwitchSize = 7;
constexpr int kStepBaseX = 50;

class CPdfWriter {
 public:
  CPdfWriter(HPDF_Doc doc, HPDF_Page page, HPDF_Font font, const stPdfPlacement& at)
      : m_doc(doc), m_page(page), m_font(font), m_at(at) {}

  bool Check(HPDF_STATUS status) {
    if (status == HPDF_OK) return true;
    HPDF_ResetError(m_doc);
    m_failed = true;
    return false;
  }
  bool Failed() const { return m_failed; }

  // The text's size in panel pixels at the current size.
  int Width(const wxString& text, float size) const {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    const HPDF_TextWidth tw = HPDF_Font_TextWidth(m_font, reinterpret_cast<const HPDF_BYTE*>(utf8.data()),
                                                  static_cast<HPDF_UINT>(utf8.length()));
    return static_cast<int>(tw.width * size / 1000.0f + 0.5f);
  }
  static int Height(float size) { return static_cast<int>(size * 1.6f + 0.5f); }

  bool SetSize(float size) { return Check(HPDF_Page_SetFontAndSize(m_page, m_font, size)); }

  bool TextOut(int x, int y, const wxString& text) {
    return Check(HPDF_Page_TextOut(m_page, PdfX(x), PdfY(y), text.utf8_str()));
  }

  // Left-aligned in the box; a box narrower than the text grows to the right.
  bool TextRect(int left, int top, int right, int bottom, const wxString& text, float size) {
    const float l = PdfX(left);
    float r = PdfX(right);
    const float needed = Width(text, size) + 2.0f;
    if (r - l < needed) r = l + needed;
    const HPDF_STATUS status =
        HPDF_Page_TextRect(m_page, l, PdfY(top), r, PdfY(bottom), text.utf8_str(), HPDF_TALIGN_LEFT, nullptr);
    return Check(status == HPDF_PAGE_INSUFFICIENT_SPACE ? HPDF_OK : status);
  }

 private:
  float PdfX(int x) const { return m_at.originX + m_at.scaleX * static_cast<float>(x); }
  float PdfY(int y) const { return m_at.originY - m_at.scaleY * static_cast<float>(y); }

  HPDF_Doc m_doc;
  HPDF_Page m_page;
  HPDF_Font m_font;
  stPdfPlacement m_at;
  bool m_failed = false;
};

bool DrawLabels(CPdfWriter& pdf, const stKeySetupSnapshot& s, const stPdfPlacement& at) {
  const int w = s.cellWidth;
  const int step = 3 * w / 2;
  const int cy = CPdfWriter::Height(kTextSize);
  if (!s.matrix) {
    const int labels = s.stepPins + (!s.general && !s.rowVss ? 1 : 0);
    for (int k = 0; k < labels; ++k) {
      const wxString text = wxString::Format("KEY%d", k);
      const int cx = pdf.Width(text, kTextSize);
      if (!pdf.TextOut(k * step - cx / 4 + kStepBaseX + at.dx + 15, at.dy - cy + 35, text)) return false;
    }
    return true;
  }
  for (int c = 0; c < s.columnPins; ++c) {
    const wxString text = wxString::Format("COL%d", c);
    const int cx = pdf.Width(text, kTextSize);
    if (!pdf.TextOut((2 * (s.x0 - cx / 2 + c * step + at.dx) + 30) / 3, (2 * (at.dy - cy) + 70) / 3, text))
      return false;
  }
  for (int r = 0; r < s.rowPins; ++r) {
    const wxString text = s.rowVss ? (r == 0 ? wxString("VSS") : wxString::Format("ROW%d", r - 1))
                                   : wxString::Format("ROW%d", r);
    const int cx = pdf.Width(text, kTextSize);
    if (!pdf.TextOut((2 * (s.x0 - cx + at.dx) - 40) / 3, 2 * std::abs(50 * r + 58 + at.dy + cy / 4) / 3,
                     text))
      return false;
  }
  return true;
}

bool DrawKeyCodes(CPdfWriter& pdf, const stKeySetupSnapshot& s, const stPdfPlacement& at) {
  const int w = s.cellWidth;
  const int step = 3 * w / 2;
  const int base = s.matrix ? s.x0 : kStepBaseX;
  const int rows = s.matrix ? s.rowCells : s.stepCells;
  int cell = 0;
  int switchNumber = 0;
  for (int r = 0; r < rows; ++r) {
    const int cellsInRow = s.matrix ? s.columnCells : s.stepCells - r;
    for (int i = 0; i < cellsInRow; ++i, ++cell) {
      const bool active = s.matrix ? (r < s.rowPins && i < s.columnPins) : (i < s.stepPins - r);
      if (!active) continue;
      const int x1 = i * step + w + base + at.dx + 16;
      const int x2 = x1 + w / 2;
      const int y0 = at.dy + 65 + 50 * r;
      const int y1 = 2 * at.dy + 126 + 100 * r;
      const std::uint32_t code = cell < static_cast<int>(s.codes.size()) ? s.codes[cell] : kNoDiagramCode;
      if (code != kNoDiagramCode && s.general) {
        const wxString text = wxString::Format("%xH", code);
        const int cx = pdf.Width(text, kTextSize);
        const bool ok =
            s.matrix
                ? pdf.TextRect(2 * (x1 - w) / 3 + (w - cx) / 3, y1 / 3, 2 * (x2 - w) / 3 + (w - cx) / 3,
                               (y1 + 28) / 3, text, kTextSize)
                : pdf.TextRect(x1 - w + (w - cx) / 2, y0, x2 - w + (w - cx) / 2, y0 + 14, text, kTextSize);
        if (!ok) return false;
      }
      const wxString label = wxString::Format("S%d", switchNumber++);
      if (!pdf.SetSize(kSwitchSize)) return false;
      const bool ok =
          s.matrix ? pdf.TextRect(2 * x1 / 3, (y1 - 46) / 3, 2 * x2 / 3, (y1 - 18) / 3, label, kSwitchSize)
                   : pdf.TextRect(x1, y0 - 23, x2, y0 - 9, label, kSwitchSize);
      if (!ok || !pdf.SetSize(kTextSize)) return false;
    }
  }
  return true;
}

}  // namespace

bool DrawKeySetupPdf(HPDF_Doc doc, HPDF_Page page, HPDF_Font font, const stKeySetupSnapshot& snap,
                     const stPdfPlacement& at) {
  if (!doc || !page || !font) return false;
  CPdfWriter pdf(doc, page, font, at);
  if (!pdf.Check(HPDF_Page_BeginText(page))) return false;
  const bool drawn = pdf.SetSize(kTextSize) && DrawLabels(pdf, snap, at) && DrawKeyCodes(pdf, snap, at);
  const bool ended = pdf.Check(HPDF_Page_EndText(page));
  return drawn && ended;
}

HPDF_Font LoadUtf8Font(HPDF_Doc doc, const wxString& path) {
  if (!doc || path.empty()) return nullptr;
  if (HPDF_UseUTFEncodings(doc) != HPDF_OK) {
    HPDF_ResetError(doc);
    return nullptr;
  }
  const wxScopedCharBuffer file = path.fn_str();
  const bool collection = path.Lower().EndsWith(".ttc");
  const char* name = collection ? HPDF_LoadTTFontFromFile2(doc, file, 0, HPDF_TRUE)
                                : HPDF_LoadTTFontFromFile(doc, file, HPDF_TRUE);
  HPDF_Font font = name ? HPDF_GetFont(doc, name, "UTF-8") : nullptr;
  if (!font) HPDF_ResetError(doc);
  return font;
}

wxString FindUtf8FontFile() {
  static const char* const candidates[] = {
      "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc",
      "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
      "C:\\Windows\\Fonts\\simhei.ttf",
      "C:\\Windows\\Fonts\\arial.ttf",
  };
  for (const char* path : candidates)
    if (wxFileName::FileExists(path)) return path;
  return wxString();
}

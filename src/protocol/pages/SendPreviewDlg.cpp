#include "protocol/pages/SendPreviewDlg.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "platform/Paths.h"
#include "protocol/gui/FrameDiagramPainter.h"
#include "ui/ImageTipBtn.h"
#include "ui/shell/PageMessages.h"

#include <wx/control.h>
#include <wx/dcbuffer.h>
#include <wx/fontenum.h>

namespace olv::protocol {

namespace {

const wxColour kBackground(228, 236, 249);
const wxColour kPromptText(127, 127, 127);
const wxColour kBitsText(108, 174, 201);
const wxColour kBoxPen(80, 126, 50);
constexpr int kTipSize = 20;
constexpr int kBitsWidth = 130;
constexpr int kBitsMargin = 4;
constexpr int kHalfBoxHeight = 15;
constexpr int kBoxSlant = 10;
constexpr int kCaptionInset = 10;
constexpr int kOneLineDrop = 7;
constexpr int kSmallestTextHeight = 8;

// A font of that pixel height; the face where the system has it, else its default.
wxFont MakeFont(int pixelHeight, bool bold, const wxString& face) {
  wxFontInfo info(wxSize(0, pixelHeight));
  info.Family(wxFONTFAMILY_SWISS).Bold(bold);
  if (wxFontEnumerator::IsValidFacename(face)) info.FaceName(face);
  return wxFont(info);
}

// The font, made smaller where the text would not fit the room: a long code
// is drawn whole rather than cut at the box.
wxFont FontThatFits(wxDC& dc, wxFont font, const wxString& text, const wxSize& room) {
  dc.SetFont(font);
  int height = font.GetPixelSize().y;
  for (wxSize extent = dc.GetMultiLineTextExtent(text);
       height > kSmallestTextHeight && (extent.x > room.x || extent.y > room.y);
       extent = dc.GetMultiLineTextExtent(text)) {
    font.SetPixelSize(wxSize(0, --height));
    dc.SetFont(font);
  }
  return font;
}

// Bits too wide for one line go on lines of one byte each, in the order they are sent.
wxString BitLines(wxDC& dc, const wxFont& font, const wxString& bits, int width) {
  dc.SetFont(font);
  if (dc.GetTextExtent(bits).x <= width) return bits;
  wxString lines;
  for (size_t i = 0; i < bits.length(); i += 8) {
    if (!lines.empty()) lines += "\n";
    lines += bits.Mid(i, 8);
  }
  return lines;
}

}  // namespace

// The prompt: grey text centred both ways on the preview's background, made
// smaller when the line is wider than the label.
class CPromptLabel : public wxControl {
 public:
  CPromptLabel(wxWindow* parent, wxWindowID id) {
    wxControl::Create(parent, id, wxDefaultPosition, parent->GetClientSize(), wxBORDER_NONE);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_font = MakeFont(25, true, wxString::FromUTF8("微軟雅黑"));
    Bind(wxEVT_PAINT, &CPromptLabel::OnPaint, this);
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
      Refresh();
      event.Skip();
    });
  }
  void SetLabel(const wxString& label) override {
    wxControl::SetLabel(label);
    Refresh();
  }

 private:
  void OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(kBackground));
    dc.Clear();
    const wxRect client(GetClientSize());
    dc.SetFont(FontThatFits(dc, m_font, GetLabel(), client.GetSize()));
    dc.SetTextForeground(kPromptText);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.DrawLabel(GetLabel(), client, wxALIGN_CENTRE);
  }
  wxSize DoGetBestSize() const override { return GetClientSize(); }

  wxFont m_font;
};

CSendPreviewDlg::CSendPreviewDlg(wxWindow* parent) : wxPanel(parent, kTemplateId) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetBackgroundColour(kBackground);
  m_bitsFont = MakeFont(25, true, wxString::FromUTF8("宋體"));
  m_captionFont = MakeFont(14, false, wxString::FromUTF8("宋體"));
  m_prompt = new CPromptLabel(this, kPromptId);
  m_prompt->SetLabel(GetLangText("IDS_SEND_PREVIEW"));
  m_tip = new CImageTipBtn(this, kTipButtonId, platform::JoinPath(g_App.imageFolder, "user_tips.png"),
                           "IDS_USER_TIPS46");
  Bind(WM_SEND_PREVIEW, &CSendPreviewDlg::OnSendPreview, this);
  Bind(WM_SEND_PREVIEW_CLEAR, &CSendPreviewDlg::OnSendPreviewClear, this);
  Bind(wxEVT_SIZE, &CSendPreviewDlg::OnSize, this);
  Bind(wxEVT_PAINT, &CSendPreviewDlg::OnPaint, this);
}

wxWindow* CSendPreviewDlg::Prompt() const { return m_prompt; }

void CSendPreviewDlg::LoadFromDocument(std::uint16_t keyCode) {
  m_macros = g_MacroMap;
  m_values = PreviewValuesFromDocument(g_DocManage, m_macros, keyCode);
}

void CSendPreviewDlg::UpdateTexts() { m_prompt->SetLabel(GetLangText("IDS_SEND_PREVIEW")); }

void CSendPreviewDlg::SetTipText() { m_tip->SetTipText(PreviewTipKey(g_DocManage)); }

std::vector<stPreviewBox> CSendPreviewDlg::Boxes() const {
  const wxSize client = GetClientSize();
  return BuildPreviewBoxes(m_values, client.x, client.y);
}

void CSendPreviewDlg::OnSendPreview(CShellMessageEvent& event) {
  // No key (-1) shows the frame of code 0.
  const wxIntPtr code = event.WParam();
  m_prompt->Hide();
  LoadFromDocument(code == -1 ? 0 : static_cast<std::uint16_t>(code));
  m_frameShown = true;
  Refresh();
  event.SetResult(1);
}

void CSendPreviewDlg::OnSendPreviewClear(CShellMessageEvent& event) {
  m_prompt->Show();
  m_frameShown = false;
  Refresh();
  event.SetResult(1);
}

void CSendPreviewDlg::OnSize(wxSizeEvent& event) {
  event.Skip();
  const wxSize client = GetClientSize();
  m_prompt->SetSize(0, m_prompt->GetPosition().y, std::max(client.x - kTipSize, 0), client.y);
  Refresh();
  m_tip->SetSize(client.x - kTipSize, 0, kTipSize, kTipSize);
  m_tip->Show();
  SetTipText();
}

void CSendPreviewDlg::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(kBackground));
  dc.Clear();
  if (!m_frameShown) return;
  for (const stPreviewBox& box : Boxes()) DrawField(dc, box);
}

void CSendPreviewDlg::DrawField(wxDC& dc, const stPreviewBox& box) const {
  const int x = box.x;
  const int y = box.y;
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);

  // The bits over the box, as they go out on the air.
  const wxRect bitsRect(x - kBitsWidth, box.bitsTop, kBitsWidth, kPreviewBitsHeight);
  const wxSize bitsRoom(bitsRect.width - 2 * kBitsMargin, bitsRect.height);
  const wxString bits = BitLines(dc, m_bitsFont, box.bits, bitsRoom.x);
  dc.SetFont(FontThatFits(dc, m_bitsFont, bits, bitsRoom));
  dc.SetTextForeground(kBitsText);
  dc.DrawLabel(bits, bitsRect, wxALIGN_CENTRE);

  // The box: a hexagon one pitch wide, ending at x.
  const wxPoint corners[] = {{x, y},
                             {x - kBoxSlant, y - kHalfBoxHeight},
                             {x - kPreviewPitch + kBoxSlant, y - kHalfBoxHeight},
                             {x - kPreviewPitch, y},
                             {x - kPreviewPitch + kBoxSlant, y + kHalfBoxHeight},
                             {x - kBoxSlant, y + kHalfBoxHeight}};
  dc.SetPen(wxPen(kBoxPen, 1));
  dc.SetBrush(wxBrush(ColourOfBlock(box.fill)));
  dc.DrawPolygon(WXSIZEOF(corners), corners);

  // The caption inside it; a one-line caption sits lower, in the middle.
  wxRect captionRect(x - kPreviewPitch + kCaptionInset, y - kHalfBoxHeight, kPreviewPitch - 2 * kCaptionInset,
                     2 * kHalfBoxHeight);
  if (!box.caption.Contains("\n")) captionRect.y += kOneLineDrop;
  dc.SetFont(FontThatFits(dc, m_captionFont, box.caption, wxSize(captionRect.width, 2 * kHalfBoxHeight)));
  dc.SetTextForeground(*wxBLACK);
  dc.DrawLabel(box.caption, captionRect, wxALIGN_CENTRE_HORIZONTAL | wxALIGN_TOP);
}

void RegisterSendPreview() {
  RegisterSendPreviewPanel(
      [](wxWindow* parent) -> ISendPreviewPanel* { return new CSendPreviewDlg(parent); });
}

}  // namespace olv::protocol

// The send preview (template 154): a child of the key configuration page that
// shows the IR frame of the key selected in a key panel. The panels drive it
// with WM_SEND_PREVIEW (wParam the key code, -1 none) and WM_SEND_PREVIEW_CLEAR;
// without a key it shows a centred prompt.
#pragma once

#include "keys/pages/KeyPanels.h"
#include "protocol/SendPreview.h"

#include <wx/font.h>
#include <wx/panel.h>

#include <vector>

class CImageTipBtn;
class CShellMessageEvent;

namespace olv::protocol {

class CPromptLabel;

class CSendPreviewDlg : public wxPanel, public ISendPreviewPanel {
 public:
  static constexpr int kTemplateId = 154;
  enum ControlId { kTipButtonId = 1125, kPromptId = 2229 };

  explicit CSendPreviewDlg(wxWindow* parent);

  // The key page's view of the preview.
  wxWindow* GetWindow() override { return this; }
  void ApplyLanguage() override { UpdateTexts(); }
  void RefreshTip() override { SetTipText(); }

  // Copies the document's frame values for the key code.
  void LoadFromDocument(std::uint16_t keyCode);
  void UpdateTexts();
  void SetTipText();

  bool IsFrameShown() const { return m_frameShown; }
  const stPreviewValues& Values() const { return m_values; }
  // The boxes as the client's current size places them.
  std::vector<stPreviewBox> Boxes() const;
  CImageTipBtn* TipButton() const { return m_tip; }
  wxWindow* Prompt() const;

 private:
  void OnSendPreview(CShellMessageEvent& event);
  void OnSendPreviewClear(CShellMessageEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnPaint(wxPaintEvent& event);
  void DrawField(wxDC& dc, const stPreviewBox& box) const;

  stPreviewValues m_values;
  CStringMap m_macros;
  bool m_frameShown = false;
  CPromptLabel* m_prompt = nullptr;
  CImageTipBtn* m_tip = nullptr;
  wxFont m_bitsFont;
  wxFont m_captionFont;
};

// Makes the preview the key configuration page embeds.
void RegisterSendPreview();

}  // namespace olv::protocol

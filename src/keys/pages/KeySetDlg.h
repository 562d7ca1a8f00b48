// CKeySetDlg (template 157): the key set-up of the key page. A strip of line
// cells that pins are dragged onto (the lines of a step keypad, or the
// columns and rows of a matrix), the LED or backlight pin, the ROW VSS
// option, the user / development-board mode, the touch frequency and the
// circuit-diagram export. It hosts the key panel under its cells and keeps
// the panel's line counts in step with the pins.
//
// Pins always sit at the front of their zone (a step keypad's lines, a
// matrix's columns, its rows): a pin dragged out or moved leaves no gap, so
// the saved pin list reads back the same.
#pragma once

#include "keys/KeySetupExport.h"
#include "keys/pages/KeyPanels.h"
#include "ui/BackgroundSource.h"

#include <wx/panel.h>

class CImageTipBtn;
class CKeyDlgEx;
class CShellMessageEvent;
class wxButton;
class wxCheckBox;
class wxChoice;
class wxStaticText;

class CKeySetDlg : public wxPanel, public IKeySetPanel, public CBackgroundSource {
 public:
  static constexpr int kTemplateId = 157;
  enum ControlId {
    kTipId = 1128,
    kLedBoxId = 2224,
    kLedComboId = 2225,
    kPreviewId = 2228,
    kVssBoxId = 2230,
    kModeLabelId = 2231,
    kModeComboId = 2232,
    kFrequencyLabelId = 2238,
    kFrequencyComboId = 2239,
  };
  // Where the strip sits: the cell size, the left edge of a matrix's
  // columns and the bottom of the cells (the key panel starts there).
  static constexpr int kCellWidth = 40;
  static constexpr int kCellHeight = 20;
  static constexpr int kMatrixLeft = 110;
  static constexpr int kBaseline = 100;

  explicit CKeySetDlg(wxWindow* parent);

  // The tinted strip under an owner-drawn child (the tip picture).
  void DrawBackgroundUnder(wxDC& dc, const wxRect& rect) override;

  // --- IKeySetPanel.
  wxWindow* GetWindow() override { return this; }
  CKeyLineSet& KeyLines() override { return m_lines; }
  void SetupKeypad(int keypad, int lineLimit) override;
  bool TakeDroppedPin(const wxPoint& screenPoint, const wxString& pin) override;
  void RefreshLines() override;
  wxString LedPin() const override;
  stKeyLedChoice LedChoice() const override;
  wxString LedSetting() const override { return LedPin(); }
  void ApplyLedSetting(const wxString& setting) override;
  void ApplyLanguage() override;
  bool WriteKeys(const CProjectFile& file) override;
  void SetPinFreedHandler(std::function<void(const wxString&)> handler) override {
    m_pinFreed = std::move(handler);
  }
  void OnPinChanged(const wxString& pin, long value) override;
  void OnTouchChoice(long key, long state) override;
  void ClearKeyMarks() override;
  bool CheckTouchKeys() override;
  bool HostKeyPanel(IKeyPanel* panel) override;
  void SetLinesChangedHandler(std::function<void()> handler) override { m_linesChanged = std::move(handler); }
  wxString PinListText() override;
  void ApplyPinRules(bool packageChanged) override;
  void LoadChipDefaults() override;
  bool ConfirmPackageChange() override { return ConfirmDefaultChange(false, true, true); }
  void LoadKeyCodes(const CProjectFile& file, bool reselect) override;
  void ClearView() override;

  // --- The cells.
  // A line cell in client coordinates (scrolled with the key panel); empty
  // for no such line.
  wxRect LineRect(int line) const;
  wxRect LabelRect(int line) const;
  int LineAt(const wxPoint& client) const;
  // Points of the key panel's upper right half and of the column strip
  // belong to the columns, the rest to the rows.
  bool InColumnZone(const wxPoint& client) const;
  bool IsMarked(int line) const;
  CKeyDlgEx* KeyPanel() const { return m_panel; }

  // The development-board guard: false when the user refused to leave
  // development-board mode.
  bool ConfirmDefaultChange(bool askDefault, bool repaint, bool askPackage);
  // The preview checks, then the circuit-diagram export.
  void OnDiagramPreview();
  // The export itself: the save dialog, the PDF, the viewer. False when
  // nothing was written.
  bool ExportDiagramPdf();
  // What the diagram shows of the current set-up.
  stKeySetupExport DiagramContent() const;
  // Tests answer the save dialog (an empty path cancels).
  void SetPathChooser(std::function<wxString()> chooser) { m_pathChooser = std::move(chooser); }

 private:
  void CreateControls();
  void LayoutStrip();
  void UpdateModeControls();
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnModeChanged();
  void OnVssChanged();
  void OnLedBox();
  void OnLedPin();
  void OnFrequency();
  void OnMark(CShellMessageEvent& event, bool mark);
  void OnScroll(CShellMessageEvent& event, bool horizontal);
  // A pin dragged from a cell released at a screen point.
  void OnPinDropped(const wxPoint& screenPoint, int fromLine);
  void DrawRowWiring(wxDC& dc);
  void LinesChanged();
  void FreePin(const wxString& pin);
  void TakePin(const wxString& pin);
  void SyncPanelCounts();
  bool IsLcd() const;
  bool IsTouch() const;
  bool VssRow() const;
  wxString PictureFile(int& width, int& height) const;
  wxString ChooseDiagramPath();

  CKeyLineSet m_lines;
  CKeyDlgEx* m_panel = nullptr;
  wxCheckBox* m_ledBox = nullptr;
  wxChoice* m_ledCombo = nullptr;
  wxCheckBox* m_vssBox = nullptr;
  wxStaticText* m_modeLabel = nullptr;
  wxChoice* m_modeCombo = nullptr;
  wxStaticText* m_frequencyLabel = nullptr;
  wxChoice* m_frequencyCombo = nullptr;
  wxButton* m_previewButton = nullptr;
  CImageTipBtn* m_tip = nullptr;
  std::vector<bool> m_marks;
  int m_shiftX = 0;
  int m_shiftY = 0;
  int m_dragLine = -1;

  bool m_modePromptArmed = true;
  bool m_ledByProgram = false;
  bool m_modeConfirmed = false;
  bool m_repaintOnMode = true;
  bool m_vssPromptArmed = true;
  bool m_vssByDefaults = false;
  int m_touchKeysInUse = 0;

  std::function<void(const wxString&)> m_pinFreed;
  std::function<void()> m_linesChanged;
  std::function<wxString()> m_pathChooser;
};

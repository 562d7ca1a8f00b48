// The key lines as drop targets: the IO lines of a step keypad, or the
// column and row lines of a matrix with a dot for every key they make. Pins
// are dropped onto a free line; a double-click takes a line's pin off.
#pragma once

#include "keys/pages/KeyPanels.h"

#include <wx/panel.h>

#include <vector>

class CKeyLinePanel : public wxPanel, public IKeySetPanel {
 public:
  static constexpr int kTemplateId = 157;
  explicit CKeyLinePanel(wxWindow* parent);

  wxWindow* GetWindow() override { return this; }
  CKeyLineSet& KeyLines() override { return m_lines; }
  void SetupKeypad(int keypad, int lineLimit) override;
  bool TakeDroppedPin(const wxPoint& screenPoint, const wxString& pin) override;
  void RefreshLines() override { Refresh(); }
  wxString LedPin() const override { return wxString(); }
  wxString LedSetting() const override { return m_ledSetting; }
  void ApplyLedSetting(const wxString& setting) override { m_ledSetting = setting; }
  void ApplyLanguage() override { Refresh(); }
  bool WriteKeys(const CProjectFile& file) override;
  void SetPinFreedHandler(std::function<void(const wxString&)> handler) override {
    m_pinFreed = std::move(handler);
  }
  // A pin given a value elsewhere (0: taken away) leaves the lines.
  void OnPinChanged(const wxString& pin, long value) override;

  // The line under a point of the client area; -1 for none.
  int LineAt(const wxPoint& point) const;
  // The slot rectangle of a line in client coordinates (empty for none).
  wxRect LineRect(int line) const;

 private:
  void OnPaint(wxPaintEvent& event);
  void OnDoubleClick(wxMouseEvent& event);
  void DrawSlot(wxDC& dc, int line, const wxString& label);
  wxString LineLabel(int line) const;

  CKeyLineSet m_lines;
  wxString m_ledSetting;
  std::function<void(const wxString&)> m_pinFreed;
};

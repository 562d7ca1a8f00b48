// One list of the example page: an owner-drawn, scrollable list of lines
// ("name    path") 40 pixels high, with a hover highlight and a tooltip that
// shows the whole line after half a second. A click opens the line: an
// example folder with the system's file manager, a recent project in the
// main window; a double click opens it once.
#pragma once

#include "ui/FontEx.h"

#include <wx/timer.h>
#include <wx/window.h>

#include <functional>
#include <vector>

class CToolTip2;

class CTDS_History_Dlg : public wxWindow {
 public:
  enum Kind { kExampleList = 0, kRecentList = 1 };
  static constexpr int kRowHeight = 40;
  static constexpr int kHoverTimerId = 1;
  static constexpr int kHoverDelayMs = 500;

  // An example list of category (the folder under "Example"), or the recent list.
  CTDS_History_Dlg(wxWindow* parent, int templateId, Kind kind, const wxString& category = wxString());
  ~CTDS_History_Dlg() override;

  void FillList();
  void AddEntry(const wxString& name, const wxString& path, bool repaint);
  void RemoveEntry(const wxString& path, bool repaint);
  bool SaveHistory();
  void LoadHistory();
  void OpenSelected();

  // The line at a client point; -1 over no line.
  int HitTest(const wxPoint& point) const;
  // The client rectangle of visible row i.
  wxRect RowRect(int row) const;

  Kind GetKind() const { return m_kind; }
  const std::vector<wxString>& GetLines() const { return m_lines; }
  int GetFirstVisible() const { return m_firstVisible; }
  int GetVisibleCount() const { return m_visibleCount; }
  int GetHotRow() const { return m_hotRow; }
  int GetSelected() const { return m_selected; }
  void SetSelected(int index) { m_selected = index; }
  CToolTip2* GetTip() const { return m_tip; }
  wxTimer& GetHoverTimer() { return m_timer; }

  // Opens an example folder; the system's file manager unless replaced (tests).
  using FolderOpener = std::function<void(const wxString& folder)>;
  static void SetFolderOpener(FolderOpener opener);

 private:
  void ResetScroll();
  void ScrollTo(int first);
  int LastFirstVisible() const;
  void OnPaint(wxPaintEvent& event);
  void OnScroll(wxScrollWinEvent& event);
  void OnWheel(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);
  void OnTimer(wxTimerEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnSize(wxSizeEvent& event);

  Kind m_kind;
  std::vector<wxString> m_lines;
  int m_selected = -1;
  int m_visibleCount = 7;
  wxString m_category;
  wxString m_settingsPath;
  int m_firstVisible = 0;
  int m_tipPending = 0;
  CToolTip2* m_tip = nullptr;
  int m_hotRow = -1;
  CFontEx m_normalFont;
  CFontEx m_hotFont;
  CFontEx m_listFont;
  wxTimer m_timer;
  // A click's open is queued: further presses (the second of a double click)
  // open nothing more.
  bool m_openQueued = false;
};

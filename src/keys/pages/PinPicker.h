// The pin picker (dialog 158): the chip's pins as small coloured buttons, in
// the order of the chip ini. A free pin is drawn in its colour and can be
// dragged onto a key line; a taken pin, or one the package does not bring
// out, is grey and cannot be dragged.
#pragma once

#include "keys/PinPickerModel.h"

#include <wx/panel.h>

#include <functional>
#include <vector>

class CIOSetDlg;

// One pin button (controls from 1050).
class CIOButton : public wxWindow {
 public:
  static constexpr int kFirstId = 1050;
  CIOButton(CIOSetDlg* picker, int index, const wxRect& rect);

  int GetIndex() const { return m_index; }
  wxString GetPinName() const;
  bool IsTaken() const;
  // True while a pin is being dragged (one drag at a time: the mouse is captured).
  static bool IsDragging() { return s_dragging; }

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void EndDrag();

  CIOSetDlg* m_picker;
  int m_index;
  static bool s_dragging;
};

class CIOSetDlg : public wxPanel {
 public:
  static constexpr int kTemplateId = 158;
  explicit CIOSetDlg(wxWindow* parent);

  // Rebuild the buttons and the packages from the chip ini.
  bool LoadPins(const wxString& chipIni);
  bool LoadPackages(const wxString& chipIni);

  CPinPickerModel& Model() { return m_model; }
  const CPinPickerModel& Model() const { return m_model; }
  // Sets a pin's state and redraws its button; false for a pin no button has.
  bool SetPinState(const wxString& pin, bool available, bool mark = false);
  // Redraws every button from the model.
  void RefreshButtons();
  CIOButton* FindPinButton(const wxString& pin) const;
  const std::vector<CIOButton*>& Buttons() const { return m_buttons; }

  // The width every button gets (the page's template button).
  void SetButtonWidth(int width) { m_buttonWidth = width; }
  void SetLcdRemote(bool lcd) { m_lcdRemote = lcd; }
  // Places the buttons for the current size and sets the scroll range.
  void Relayout();
  int ButtonsPerRow() const { return m_perRow; }
  int ScrollRange() const { return m_scrollRange; }
  void ScrollTo(int position);

  // Where a released pin goes: returns whether the page took it.
  void SetDropHandler(std::function<bool(const wxPoint&, const wxString&)> handler) {
    m_dropHandler = std::move(handler);
  }
  // A pin released at a screen point; a refused pin stays free.
  void OnPinDropped(const wxPoint& screenPoint, const wxString& pin);

 private:
  void DestroyButtons();
  void PlaceButtons();
  void OnScroll(wxScrollWinEvent& event);
  void OnWheel(wxMouseEvent& event);

  CPinPickerModel m_model;
  std::vector<CIOButton*> m_buttons;
  int m_buttonWidth = 32;
  int m_perRow = pinpicker::kButtonsPerRow;
  int m_scrollRange = 0;
  int m_scrollPosition = 0;
  bool m_lcdRemote = false;
  std::function<bool(const wxPoint&, const wxString&)> m_dropHandler;
};

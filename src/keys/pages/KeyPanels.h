// What the key configuration page needs of the panels it hosts. The key
// set-up panel holds the key lines the pins are dragged onto; the send
// preview shows the selected key's frame. The page reaches both only through
// these interfaces, so a fuller panel can take a stand-in's place.
#pragma once

#include "keys/KeyLineSet.h"

#include <wx/gdicmn.h>
#include <wx/string.h>

#include <functional>

class CProjectFile;
class wxWindow;

class IKeySetPanel {
 public:
  virtual ~IKeySetPanel() = default;
  virtual wxWindow* GetWindow() = 0;
  virtual CKeyLineSet& KeyLines() = 0;
  // Empties the lines and sizes them for the keypad.
  virtual void SetupKeypad(int keypad, int lineLimit) = 0;
  // The line under a screen point takes the pin; false (nothing changed)
  // when no free line lies there or a line holds the pin already.
  virtual bool TakeDroppedPin(const wxPoint& screenPoint, const wxString& pin) = 0;
  // Redraws the lines from the model.
  virtual void RefreshLines() = 0;
  // The LED pin in use, empty when the LED output is off.
  virtual wxString LedPin() const = 0;
  virtual wxString LedSetting() const = 0;
  virtual void ApplyLedSetting(const wxString& setting) = 0;
  virtual void ApplyLanguage() = 0;
  // Writes the key-line keys of [KeyConfig].
  virtual bool WriteKeys(const CProjectFile& file) = 0;
  // Called with a pin the user took off a line.
  virtual void SetPinFreedHandler(std::function<void(const wxString&)> handler) = 0;

  // Messages the page relays to the panel: a pin changed elsewhere, the
  // touch-key dialog's choice, a function button set or cleared.
  virtual void OnPinChanged(const wxString& /*pin*/, long /*value*/) {}
  virtual void OnTouchChoice(long /*wParam*/, long /*lParam*/) {}
  virtual void OnFunctionSet(const wxString& /*name*/, long /*value*/) {}
  virtual void OnFunctionClear(long /*lParam*/) {}
};

// The send preview (dialog 154): shows the frame of a key code.
class ISendPreviewPanel {
 public:
  virtual ~ISendPreviewPanel() = default;
  virtual wxWindow* GetWindow() = 0;
  virtual void ApplyLanguage() = 0;
  virtual void RefreshTip() = 0;
};
// A factory that makes the send preview as a child of the page; while none
// is registered the page keeps the preview's place empty.
using SendPreviewFactory = std::function<ISendPreviewPanel*(wxWindow* parent)>;
void RegisterSendPreviewPanel(SendPreviewFactory factory);
SendPreviewFactory GetSendPreviewPanelFactory();

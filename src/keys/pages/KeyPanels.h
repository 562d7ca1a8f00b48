// What the key configuration page needs of the panels it hosts. The key
// set-up panel holds the key lines the pins are dragged onto; the send
// preview shows the selected key's frame. The page reaches both only through
// these interfaces.
#pragma once

#include "keys/KeyCommandTable.h"
#include "keys/KeyLineSet.h"
#include "keys/KeySourceGeneration.h"

#include <wx/gdicmn.h>
#include <wx/string.h>

#include <functional>
#include <vector>

class CKeyButton;
class IKeyPanel;
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
  // The LED box as it stands (0 unchecked, 1 checked, 2 the third state)
  // and the LED pin list's selection (empty for none).
  virtual stKeyLedChoice LedChoice() const = 0;
  virtual wxString LedSetting() const = 0;
  virtual void ApplyLedSetting(const wxString& setting) = 0;
  virtual void ApplyLanguage() = 0;
  // Writes its keys of [KeyConfig]: the key lines and "LEDSetting" (the
  // touch chip's key set-up has "LEDSetting" only).
  virtual bool WriteKeys(const CProjectFile& file) = 0;
  // Called with a pin the user took off a line.
  virtual void SetPinFreedHandler(std::function<void(const wxString&)> handler) = 0;

  // Messages the page relays to the panel: a pin changed elsewhere, the
  // touch-key dialog's choice, a function button set or cleared.
  virtual void OnPinChanged(const wxString& /*pin*/, long /*value*/) {}
  virtual void OnTouchChoice(long /*wParam*/, long /*lParam*/) {}
  virtual void OnFunctionSet(const wxString& /*name*/, long /*value*/) {}
  virtual void OnFunctionClear(long /*lParam*/) {}

  // The key-set cells a name is dragged between: the cell under a screen
  // point takes the name (false when none lies there); flag 1 gives the
  // dragged cell the returned text.
  virtual bool DropName(const wxPoint& /*screenPoint*/, const wxString& /*name*/, int& /*flag*/,
                        wxString& /*text*/) {
    return false;
  }
  virtual void RefreshCells() {}
  virtual void EndCellDrag() {}
  // Clears the marks of the key lines the selected key is wired to.
  virtual void ClearKeyMarks() {}
  // The touch chip: every touch key in use has its pin and a threshold;
  // false after the message naming the key.
  virtual bool CheckTouchKeys() { return true; }

  // The key panel is shown under the lines: true when this panel places it.
  virtual bool HostKeyPanel(IKeyPanel* /*panel*/) { return false; }
  // Back to the view of a page no project has filled: no pins on the lines,
  // no LED, the prompts armed.
  virtual void ClearView() {}
  // Called after pins moved between lines or left them.
  virtual void SetLinesChangedHandler(std::function<void()> /*handler*/) {}
  // The key-pin list the project keeps (parameter 18 and "IOConfigItem").
  virtual wxString PinListText() = 0;
  // The LED choices after the pins, the chip or the package changed.
  virtual void ApplyPinRules(bool /*packageChanged*/) {}
  // The development-board wiring of the chip ini (development-board mode).
  virtual void LoadChipDefaults() {}
  // The package is about to change: false when the user keeps it.
  virtual bool ConfirmPackageChange() { return true; }
  // The keys' codes (general remote) or functions (LCD remote) from the file.
  virtual void LoadKeyCodes(const CProjectFile& /*file*/, bool /*reselect*/) {}
};

// The key panel (dialog 155): the keys that functions are dragged onto.
// A key is known by its reference: (column << 8) | row for a step or matrix
// key, the index of a touch key.
class IKeyPanel {
 public:
  struct stKeyInUse {
    int reference;
    int number;  // the number in the key's define names
  };
  virtual ~IKeyPanel() = default;
  virtual wxWindow* GetWindow() = 0;
  // The key under a screen point takes the dragged function (by telling the
  // page with WM_KEYSET_SELECT); false when no key took it.
  virtual bool DropFunction(const wxPoint& screenPoint, CKeyButton* function) = 0;
  // The key of a reference; null for none.
  virtual CKeyButton* ResolveKey(int reference) = 0;
  // The reference of one of the panel's keys; -1 for another window.
  virtual int KeyReference(const CKeyButton* key) = 0;
  // The keys in use in the panel's walk order.
  virtual std::vector<stKeyInUse> KeysInUse() = 0;
  // The action the user assigns (0 click, 1 press-and-hold, 2 two keys) and
  // the switch state (1 on, 0 off) changed: the keys show their slots again.
  virtual void SetButtonMode(int /*mode*/) {}
  virtual void SetButtonState(int /*state*/) {}
  // The panel's keys of [KeyConfig]. Loading tells the page the stored
  // actions of each key with WM_KEYSET_SELECT.
  virtual bool WriteKeys(const CProjectFile& /*file*/) { return true; }
  virtual void LoadKeys(const CProjectFile& /*file*/) {}
  // The keypad follows the key lines: its size (the line limit) and the
  // lines in use, or the touch chip's keys.
  virtual void SetupKeys(int /*keypad*/, int /*lineLimit*/, const stKeyLineCounts& /*inUse*/,
                         bool /*touch*/) {}
  // Drops the keys with their codes and functions; the next set-up builds
  // them anew.
  virtual void ClearKeys() {}
  // The touch-key dialog switched a touch key on or off.
  virtual void OnTouchChoice(long /*key*/, long /*state*/) {}
  // A general remote's key-command table from the keys' codes; false (after
  // its message) when a code does not fit or the file cannot be written.
  virtual bool WriteKeyCommandTable(const wxString& /*path*/, const KeyNameMap& /*names*/) { return false; }
};
// A factory that makes the key panel as a child of the page; while none is
// registered the page has no key panel and dropped functions go back free.
using KeyPanelFactory = std::function<IKeyPanel*(wxWindow* parent)>;
void RegisterKeyPanel(KeyPanelFactory factory);
KeyPanelFactory GetKeyPanelFactory();

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

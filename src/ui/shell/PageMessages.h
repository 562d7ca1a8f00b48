// Window messages between the pages and their panels, declared here so that
// any page folder can send and handle them without including another page's
// headers. They travel as CShellMessageEvent (SendShellMessage /
// PostShellMessage). Messages whose number another message also uses are
// event types of their own; the numbers are kept for reference.
#pragma once

#include "ui/shell/ShellMessages.h"

enum PageMessageNumber : int {
  kMsgRepeatCodeState = 0x469,   // number shared with WM_PAGE_RELAYOUT
  kMsgConnectCodeState = 0x469,  // number shared with WM_PAGE_RELAYOUT
  kMsgLeadCodeState = 0x46A,     // number shared with WM_PAGE_UPDATE
  kMsgLcdSegPinState = 0x46B,    // number shared with WM_SHOW_FIRST_PAGE
  kMsgAirFormatIndex = 0x46C,    // number shared with WM_BUILD_DONE
  kMsgKeyBtnNotify = 0x46D,
  kMsgLcdConfigFunc = 0x470,
  kMsgKeyListChanged = 0x6BD,
  kMsgKeyPinChanged = 0x6BE,
  kMsgKeyFuncAssign = 0x729,
  kMsgFuncConfigChanged = 0x72A,
  kMsgKeySetSelect = 0x72B,
  kMsgAirFormatAdded = 0x72C,
  kMsgLcdSwitchF = 0x72E,
  kMsgLcdPinPick = 0x72F,
  kMsgLcdCellSet = 0x730,
  kMsgLcdElementList = 0x731,
  kMsgLcdPinTable = 0x732,
  kMsgOtherRefresh = 0x733,
  kMsgLcdRefresh = 0x734,
  kMsgKeyRecord = 0x735,
  kMsgLedElement = 0x784,
  kMsgKeySetClearMarks = 0x7E8,
  kMsgKeySetMark = 0x7E9,
  kMsgKeySetHScroll = 0x7EA,
  kMsgKeySetVScroll = 0x7EB,
  kMsgKeyCfgPortsChecked = 0x7EC,
  kMsgSendPreview = 0x7ED,
  kMsgSendPreviewClear = 0x7EE,
  kMsgKeySetHitTest = 0x7EF,
  kMsgKeyCfgDriverMode = 0x7F0,
  kMsgAirFuncRecord = 0x7F1,
  kMsgKeyCfgRefresh = 0x7F5,
  kMsgAirFuncSelect = 0x7F6,
  kMsgAirFuncChanged = 0x7F7,
  kMsgKeyDlgChoice = 0x7F9,
  kMsgOtherToAir = 0x7FA,
  kMsgFuncBtnSet = 0x7FD,
  kMsgFuncBtnClear = 0x7FE,
};

// Protocol pages.
// Carrier page -> data-format page: wParam 1 while the repeat code is on.
wxDECLARE_EVENT(WM_REPEAT_CODE_STATE, CShellMessageEvent);
// Carrier page -> data-format page: wParam 1 while the frame starts with a lead (boot) code.
wxDECLARE_EVENT(WM_LEAD_CODE_STATE, CShellMessageEvent);

// Air-conditioner pages.
// Air carrier page -> air data-format page: wParam the connect-code flag; the frames lay out again.
wxDECLARE_EVENT(WM_CONNECT_CODE_STATE, CShellMessageEvent);
// Air carrier page -> itself, the air data-format and the other-settings page:
// wParam the sending scheme to reload.
wxDECLARE_EVENT(WM_AIR_FORMAT_INDEX, CShellMessageEvent);
// Air data-format page -> air carrier page: the frame or the group settings changed.
wxDECLARE_EVENT(WM_AIR_FORMAT_ADDED, CShellMessageEvent);
// Function dialogs -> air data-format page: wParam bit 0 a placed function
// changed the frame's shape, bit 1 a width or data were committed.
wxDECLARE_EVENT(WM_FUNC_CONFIG_CHANGED, CShellMessageEvent);
// User-defined and pure-data dialogs -> air data-format page: the proposed
// name as the event's string, lParam the record; result 1 = name taken.
wxDECLARE_EVENT(WM_AIR_FUNC_RECORD, CShellMessageEvent);
wxDECLARE_EVENT(WM_AIR_FUNC_SELECT, CShellMessageEvent);
// Air data-format page -> key page: wParam the function number whose button to refresh.
wxDECLARE_EVENT(WM_AIR_FUNC_CHANGED, CShellMessageEvent);
// Other-settings page -> air data-format page.
wxDECLARE_EVENT(WM_OTHER_TO_AIR, CShellMessageEvent);

// Key configuration page and its panels.
wxDECLARE_EVENT(WM_KEYBTN_NOTIFY, CShellMessageEvent);  // key button -> parent, lParam the button
wxDECLARE_EVENT(WM_KEY_LIST_CHANGED, CShellMessageEvent);
// wParam a pin name that the page frees, lParam a value.
wxDECLARE_EVENT(WM_KEY_PIN_CHANGED, CShellMessageEvent);
wxDECLARE_EVENT(WM_KEY_FUNC_ASSIGN, CShellMessageEvent);  // wParam flags, lParam the key
wxDECLARE_EVENT(WM_KEYSET_SELECT, CShellMessageEvent);    // wParam key and flags, lParam a name
wxDECLARE_EVENT(WM_KEY_RECORD, CShellMessageEvent);       // wParam flags, lParam the key
wxDECLARE_EVENT(WM_KEYSET_CLEAR_MARKS, CShellMessageEvent);
wxDECLARE_EVENT(WM_KEYSET_MARK, CShellMessageEvent);
wxDECLARE_EVENT(WM_KEYSET_HSCROLL, CShellMessageEvent);
wxDECLARE_EVENT(WM_KEYSET_VSCROLL, CShellMessageEvent);
wxDECLARE_EVENT(WM_KEYSET_HITTEST, CShellMessageEvent);        // wParam screen x, lParam screen y
wxDECLARE_EVENT(WM_KEYCFG_PORTS_CHECKED, CShellMessageEvent);  // posted
wxDECLARE_EVENT(WM_KEYCFG_DRIVER_MODE, CShellMessageEvent);
wxDECLARE_EVENT(WM_KEYCFG_REFRESH, CShellMessageEvent);
wxDECLARE_EVENT(WM_SEND_PREVIEW, CShellMessageEvent);  // wParam a key code
wxDECLARE_EVENT(WM_SEND_PREVIEW_CLEAR, CShellMessageEvent);
wxDECLARE_EVENT(WM_KEYDLG_CHOICE, CShellMessageEvent);  // wParam touch key 0..7, lParam check state
wxDECLARE_EVENT(WM_FUNC_BTN_SET, CShellMessageEvent);   // wParam function name, lParam value
wxDECLARE_EVENT(WM_FUNC_BTN_CLEAR, CShellMessageEvent);
// Key page -> other-settings page and LCD page.
wxDECLARE_EVENT(WM_OTHER_REFRESH, CShellMessageEvent);
wxDECLARE_EVENT(WM_LCD_REFRESH, CShellMessageEvent);

// LCD page and its grid and panels. Name lists travel as const std::vector<wxString>*
// and names as const wxString*, valid during the call.
wxDECLARE_EVENT(WM_LCD_SEG_PIN_STATE, CShellMessageEvent);
// MCU panel -> page before a package change: wParam the taken pin names the new
// package lacks; a zero answer keeps the old package.
wxDECLARE_EVENT(WM_LCD_CONFIG_FUNC, CShellMessageEvent);
wxDECLARE_EVENT(WM_LCD_SWITCH_F, CShellMessageEvent);  // wParam (column << 16) | row
// Chip picture -> page: wParam the pin index & 0xFF, lParam 1; a zero answer ends the click.
wxDECLARE_EVENT(WM_LCD_PIN_PICK, CShellMessageEvent);
wxDECLARE_EVENT(WM_LCD_CELL_SET, CShellMessageEvent);
wxDECLARE_EVENT(WM_LCD_ELEMENT_LIST, CShellMessageEvent);  // wParam taken names without a pin
wxDECLARE_EVENT(WM_LCD_PIN_TABLE, CShellMessageEvent);     // wParam pin index, lParam the taken name
wxDECLARE_EVENT(WM_LED_ELEMENT, CShellMessageEvent);       // LED panel -> page: the letters changed

// CScalableButton: the owner-drawn push button that sizes itself to its
// caption, with a rounded outline and five colour states (normal,
// condition-off, hover, pressed, inactive).
//
// CFuncBtn: a CScalableButton that stands for one firmware function. It
// carries the "#define" lines the function contributes to the generated code
// (parameter records filled from parameter values), an enable condition
// evaluated against the project, and it can be dragged onto the LCD grid.
#pragma once

#include "ui/Colors.h"
#include "ui/FontEx.h"

#include <wx/arrstr.h>
#include <wx/control.h>
#include <wx/weakref.h>

#include <cstdint>
#include <memory>
#include <vector>

class CFuncBtn;
class CToolTip2;

class CScalableButton : public wxControl {
 public:
  enum State {
    kStateNormal = 0,
    kStateConditionOff = 1,
    kStateHover = 2,
    kStatePressed = 3,
    kStateInactive = 4
  };
  static constexpr int kStateCount = 5;
  static constexpr int kDefaultWidthLimit = 150;

  CScalableButton() = default;
  CScalableButton(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                  const wxSize& size = wxDefaultSize);
  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize);
  ~CScalableButton() override;

  // Colours are given as 0xRRGGBB. The two-value forms set normal, hover and
  // pressed to the first and condition-off to the second; the four-value
  // forms set normal, condition-off, hover and pressed. Inactive keeps its colour.
  void SetTextColors(std::uint32_t normal, std::uint32_t conditionOff);
  void SetTextColors4(std::uint32_t normal, std::uint32_t conditionOff, std::uint32_t hover,
                      std::uint32_t pressed);
  void SetBkColors(std::uint32_t normal, std::uint32_t conditionOff);
  void SetBkColors4(std::uint32_t normal, std::uint32_t conditionOff, std::uint32_t hover,
                    std::uint32_t pressed);
  // A background or text slot (State) as COLORREF.
  ColorRef GetBkColor(int state) const;
  ColorRef GetTextColor(int state) const;

  // The button keeps a copy of the font.
  bool SetFont(const wxFont& font) override;
  // A language key or plain text.
  void SetTitle(const wxString& title) { m_title = title; }
  const wxString& GetTitle() const { return m_title; }
  void SetWidthLimit(int pixels) { m_widthLimit = pixels; }
  int GetWidthLimit() const { return m_widthLimit; }
  // 0 selects the inactive colours.
  void SetNormalState(bool normal);

  // Sizes the button to its caption's language text plus the margins (the
  // width cut to the width limit), moves it to (x, y) unless either is -1,
  // and redraws it. Returns the new size.
  wxSize FitToText(int x = -1, int y = -1);

  bool IsHover() const { return m_hover; }
  bool IsPressed() const { return m_pressed; }
  bool IsConditionOff() const { return m_conditionOff; }
  // The state that picks the colours: condition-off, pressed, hover, normal, else inactive.
  State GetDrawState() const;
  // The caption as drawn: its language text, ended by an ellipsis where it does not fit.
  wxString GetShownText(wxDC& dc) const;
  const wxString& GetTipText() const { return m_tipText; }
  CToolTip2* GetToolTipWindow() const { return m_tip.get(); }

  void DrawButton(wxDC& dc);

 protected:
  wxSize DoGetBestSize() const override;
  virtual void OnButtonDown();

  wxString m_tipText;
  bool m_conditionOff = false;

 private:
  void OnPaint(wxPaintEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  CToolTip2* EnsureTip();

  CFontEx m_font;
  int m_horizontalMargin = 4;
  int m_verticalMargin = 5;
  int m_cornerWidth = 10;
  int m_cornerHeight = 10;
  ColorRef m_bkColors[kStateCount] = {0xFFFFFF, 0x7F7F7F, 0xFFFFFF, 0xFF00FF, 0xFFFFFF};
  ColorRef m_textColors[kStateCount] = {0x000000, 0x0000FF, 0x0000FF, 0x0000FF, 0x000000};
  wxString m_title;
  bool m_hover = false;
  bool m_pressed = false;
  bool m_normal = true;
  int m_widthLimit = kDefaultWidthLimit;
  wxWeakRef<CToolTip2> m_tip;
};

// What the LCD grid does when a function button is dragged onto it.
class CFuncBtnDropTarget {
 public:
  virtual ~CFuncBtnDropTarget() = default;
  // The grid already holds the mouse capture.
  virtual void BeginDragButton(CFuncBtn* button) = 0;
};

// The project facts and LCD placements that function buttons ask about,
// answered by the LCD and air-conditioner pages. The defaults are the
// answers for "not found".
class CFuncBtnServices {
 public:
  virtual ~CFuncBtnServices() = default;
  virtual bool IsTimeShowEnabled() { return false; }
  virtual bool IsAirFuncInSendData(int /*number*/, int /*listSelector*/) { return false; }
  virtual bool IsAirFuncReserveTwo(int /*number*/) { return false; }
  virtual int GetAirFuncReserve(int /*number*/) { return -1; }
  virtual wxString GetLCDButtonCom(CFuncBtn* /*button*/) { return wxString(); }
  virtual wxString GetLCDButtonSeg1(CFuncBtn* /*button*/) { return wxString(); }
  virtual wxString GetLCDButtonSeg2(CFuncBtn* /*button*/) { return wxString(); }
  // userDefined: the button is one of the user-defined function buttons.
  virtual wxString GetLCDButtonDigitMap(CFuncBtn* /*button*/, bool /*userDefined*/) { return "0"; }
};

// The services in use; null restores the defaults.
void SetFuncBtnServices(CFuncBtnServices* services);
CFuncBtnServices& GetFuncBtnServices();

// The texts of a parameter record, each its own type so that AddParam's
// arguments cannot be swapped unnoticed.
struct ParamDefineName {
  explicit ParamDefineName(const wxString& value) : text(value) {}
  wxString text;
};
struct ParamValueFormat {
  explicit ParamValueFormat(const wxString& value) : text(value) {}
  wxString text;
};
struct ParamIndexText {
  explicit ParamIndexText(const wxString& value) : text(value) {}
  wxString text;
};
struct ParamCondition {
  explicit ParamCondition(const wxString& value) : text(value) {}
  wxString text;
};

class CFuncBtn : public CScalableButton {
 public:
  // One "#define" of the function: the condition under which it is written
  // (key buttons), its name, a value format with up to three "%s", and the
  // 1-based positions of the parameter values that fill it.
  struct sParam {
    wxString condition;
    wxString defineName;
    wxString valueFormat;
    std::vector<int> indexes;
  };

  // Switch-state bits of BtnState.
  static constexpr std::uint16_t kStateOn = 0x0001;
  static constexpr std::uint16_t kStateOff = 0x0010;
  static constexpr std::uint16_t kStateClock = 0x0100;
  static constexpr std::uint16_t kStateFollowsFunction = 0x1000;
  static constexpr std::uint16_t kNotPlaced = 0xFFFF;

  using CScalableButton::CScalableButton;

  // A record with the indexes read from the index text (see
  // ParseParamIndexes); its define name joins the tooltip's list of names.
  void AddParam(const ParamDefineName& defineName, const ParamValueFormat& valueFormat,
                const ParamIndexText& indexes, const ParamCondition& condition = ParamCondition(wxString()));
  void DeleteParams() { m_params.clear(); }
  void ClearParamNames() { m_tipText.clear(); }
  void AddParamValue(const wxString& text) { m_paramValues.push_back(text); }
  void ClearParamValues() { m_paramValues.clear(); }
  void SetEnableExpr(const wxString& condition) { m_enableExpr = condition; }
  const wxString& GetEnableExpr() const { return m_enableExpr; }

  // Appends "#define\t<name> <value>" for every record. userDefined tells
  // the LCD page which of its button lists the button is in. Returns 1.
  int GetParamDefines(wxArrayString& defines, bool userDefined);
  // A parameter value name answered for this button: "COM_1", "SEG_1",
  // "SEG_2" and "DigitMap" by the LCD page, anything else empty.
  wxString ResolveParamValue(const wxString& name, bool userDefined);

  // Evaluates the enable condition and answers whether the button is
  // enabled. A condition that cannot be read changes nothing; else the
  // condition-off flag and, unless the condition is "0"/"1" with
  // keepWindowState set, the window's enabled state follow it.
  bool EvaluateEnable(int listSelector, bool keepWindowState);
  const std::vector<int>& GetReferencedNumbers() const { return m_referenced; }

  void SetLcdGrid(CFuncBtnDropTarget* grid) { m_lcdGrid = grid; }
  CFuncBtnDropTarget* GetLcdGrid() const { return m_lcdGrid; }
  const std::vector<std::unique_ptr<sParam>>& GetParams() const { return m_params; }
  const std::vector<wxString>& GetParamValues() const { return m_paramValues; }

  // Kept by the LCD pages.
  wxString Name;                           // language key or composed name
  int Type = 0;                            // 1: a 7-segment digit
  int DataIndx = -1;                       // digit number shown in digit cells
  int ModeIndx = -1;                       // display mode the button belongs to
  std::uint8_t IgnoreF = 0;                // the digit may give up its F segment
  std::uint8_t FCancelled = 0;             // its F segment is not used
  std::uint16_t BtnState = 0;              // kState* bits
  std::vector<int> RamList;                // LCD RAM numbers the button uses
  int FirstValueIndex = -1;                // first chosen value
  std::uint16_t LcdPosition = kNotPlaced;  // grid place, kNotPlaced when none
  int Value = -1;                          // user-defined function value
  bool InThisState = false;                // shown in the switch state on view
  bool Units = false;                      // units button of a number function
  int DigitNo = -1;                        // running digit number of a units button
  int FuncIndex = -1;                      // user-defined function index, -1 for base buttons
  int Slot = -1;                           // slot in the user-defined panel
  bool ZeroButton = false;                 // zero/non-zero button of a function
  bool Shown = false;                      // drawn as shown in the current switch state

 protected:
  void OnButtonDown() override;

 private:
  std::vector<int> m_referenced;
  CFuncBtnDropTarget* m_lcdGrid = nullptr;
  std::vector<std::unique_ptr<sParam>> m_params;
  std::vector<wxString> m_paramValues;
  wxString m_enableExpr;
};

// The function list of an LCD remote's protocol: the "Fun%d" sections of
// Protocols/Custom/KeyConfig.ini, the user-defined functions of the
// air-conditioner data format, where the panel's buttons go and how its
// scroll bars move. No windows here.
#pragma once

#include "keys/KeyButtonModel.h"

#include <wx/string.h>

#include <cstdint>
#include <vector>

// One "Fun%d" section as read.
struct stFunctionDef {
  wxString title;  // language key of the caption
  int type = 0;
  int dataIndex = -1;
  int modeIndex = -1;
  std::vector<std::uint32_t> textColors;  // two or three 0xRRGGBB
  std::vector<std::uint32_t> bkColors;
  std::vector<CKeyButtonModel::sParam> params;
  std::vector<wxString> paramValues;
  wxString startPos;
  wxString endPos;
  wxString modeMacro;
  std::uint16_t btnMode = 0;
  std::uint16_t btnState = 0;  // as written; 0x1000 is resolved by ApplyFunctionDef
  int index = -1;              // function number in the function record store
  wxString enable;
};

// "Fun0", "Fun1", ... in order. The list ends at the first section without a
// non-empty "Title", or without a readable "TextColor", "BkColor" or
// "Enable": such a section gives no function, and neither does any later one.
std::vector<stFunctionDef> ReadFunctionList(const wxString& iniPath);

// A parameter record text "condition, name, format, numbers".
CKeyButtonModel::sParam ParseParamRecord(const wxString& text);

// The function button of user-defined function i (function number n in the
// function record store) with the block's text as its caption key.
stFunctionDef MakeUserFunctionDef(int i, int functionNumber, const wxString& blockText);

// Gives a button what its definition holds; BtnState with bit 0x1000 takes
// its on/off bits from the function record.
void ApplyFunctionDef(CKeyButtonModel& button, const stFunctionDef& def);

// The BtnState of user function i from record n: 0x1 when the record is
// enabled at power on, | 0x10 at power off.
std::uint16_t UserFunctionBtnState(int functionNumber);

// Two columns of buttons: from (left, top) less the scroll offsets; a new row
// after every second button, height + 10 further down; width + 15 between
// the columns.
class CFunctionGrid {
 public:
  struct stRect {
    int x, y, width, height;
  };
  CFunctionGrid(int top, int left, int width, int height, int scrollX = 0, int scrollY = 0);
  // Moves past count buttons already placed.
  void Skip(int count);
  stRect Next();
  int Placed() const { return m_count; }

 private:
  int m_left, m_x, m_y, m_width, m_height, m_count = 0;
};

// The height of the panel's content for that many shown buttons (40 a row).
int FunctionContentHeight(int shownButtons);

enum class ScrollCode {
  kLineUp,
  kLineDown,
  kPageUp,
  kPageDown,
  kThumbTrack,
  kTop,
  kBottom,
  kThumbPosition,
  kEnd
};
// The new position of a scroll bar.
int NextScrollPosition(ScrollCode code, int position, int minimum, int maximum, int page, int trackPosition);

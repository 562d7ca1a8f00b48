#include "keys/FunctionList.h"

#include "core/FuncRecords.h"
#include "core/Numbers.h"
#include "platform/Profile.h"

#include <algorithm>

namespace {

wxString Read(const wxString& path, const wxString& section, const wxString& key) {
  wxString value = platform::ReadProfileString(path, section, key, wxString());
  return value.Trim(true).Trim(false);
}

// "c1, c2[, c3]" as 0xRRGGBB numbers; empty when the text holds fewer than
// two or more than three.
std::vector<std::uint32_t> ParseColors(const wxString& text) {
  std::vector<std::uint32_t> colors;
  wxString rest = text;
  while (!rest.empty()) {
    const int comma = rest.Find(',');
    wxString part = comma == wxNOT_FOUND ? rest : rest.Left(static_cast<std::size_t>(comma));
    rest = comma == wxNOT_FOUND ? wxString() : rest.Mid(static_cast<std::size_t>(comma) + 1);
    part.Trim(true).Trim(false);
    if (part.empty()) return {};
    colors.push_back(ParseNumber(part) & 0xFFFFFF);
  }
  if (colors.size() < 2 || colors.size() > 3) return {};
  return colors;
}

int NumberOr(const wxString& text, int fallback) {
  return text.empty() ? fallback : static_cast<int>(ParseNumber(text));
}

}  // namespace

CKeyButtonModel::sParam ParseParamRecord(const wxString& text) {
  wxString parts[4];
  wxString rest = text;
  for (int i = 0; i < 3; ++i) {
    const int comma = rest.Find(',');
    if (comma == wxNOT_FOUND) {
      parts[i] = rest;
      rest.clear();
      break;
    }
    parts[i] = rest.Left(static_cast<std::size_t>(comma));
    rest = rest.Mid(static_cast<std::size_t>(comma) + 1);
  }
  parts[3] = rest;
  for (wxString& part : parts) part.Trim(true).Trim(false);
  CKeyButtonModel probe;
  probe.AddParam(parts[0], parts[1], parts[2], parts[3]);
  return probe.Params().front();
}

std::vector<stFunctionDef> ReadFunctionList(const wxString& iniPath) {
  std::vector<stFunctionDef> list;
  for (int k = 0;; ++k) {
    const wxString section = wxString::Format("Fun%d", k);
    stFunctionDef def;
    def.title = Read(iniPath, section, "Title");
    if (def.title.empty()) break;
    def.type = NumberOr(Read(iniPath, section, "Type"), 0);
    def.dataIndex = NumberOr(Read(iniPath, section, "DataIndx"), -1);
    def.modeIndex = NumberOr(Read(iniPath, section, "ModeIndx"), -1);
    def.textColors = ParseColors(Read(iniPath, section, "TextColor"));
    def.bkColors = ParseColors(Read(iniPath, section, "BkColor"));
    if (def.textColors.empty() || def.bkColors.empty()) break;
    const wxString single = Read(iniPath, section, "Param");
    if (!single.empty()) {
      def.params.push_back(ParseParamRecord(single));
    } else {
      for (int n = 1;; ++n) {
        const wxString record = Read(iniPath, section, wxString::Format("Param%d", n));
        if (record.empty()) break;
        def.params.push_back(ParseParamRecord(record));
      }
    }
    for (int n = 1;; ++n) {
      const wxString value = Read(iniPath, section, wxString::Format("ParamValue%d", n));
      if (value.empty()) break;
      def.paramValues.push_back(value);
    }
    def.startPos = Read(iniPath, section, "StartPos");
    def.endPos = Read(iniPath, section, "EndPos");
    def.modeMacro = Read(iniPath, section, "ModeMacro");
    def.btnMode = static_cast<std::uint16_t>(NumberOr(Read(iniPath, section, "BtnMode"), 0));
    def.btnState = static_cast<std::uint16_t>(NumberOr(Read(iniPath, section, "BtnState"), 0));
    def.index = NumberOr(Read(iniPath, section, "Index"), -1);
    def.enable = Read(iniPath, section, "Enable");
    if (def.enable.empty()) break;
    list.push_back(def);
  }
  return list;
}

std::uint16_t UserFunctionBtnState(int functionNumber) {
  stFuncRecord* record = nullptr;
  if (!FindFuncRecord(functionNumber, &record)) return 0;
  std::uint16_t state = 0;
  if (record->OpenEnable != 0) state = keymask::kOn;
  if (record->CloseEnable != 0) state |= keymask::kOff;
  return state;
}

stFunctionDef MakeUserFunctionDef(int i, int functionNumber, const wxString& blockText) {
  stFunctionDef def;
  def.title = blockText;
  def.textColors = {0x000000, 0x9090A8, 0xFFFFFF};
  def.bkColors = {0xF5E229, 0xCCCCCC, 0xE8E8FF};
  const wxString number = wxString::Format("%d", functionNumber);
  def.params.push_back(ParseParamRecord("GetOpenFlag(" + number + "), FUNC_ON_CLICK_ACTION_%d, %s, p1"));
  def.params.push_back(ParseParamRecord("GetCloseFlag(" + number + "), FUNC_OFF_CLICK_ACTION_%d, %s, p2"));
  const wxString value = wxString::Format("FUNC_%d_SWITCH();", i);
  def.paramValues = {value, value};
  def.enable = wxString::Format("GetButtonEnable(%d)", i);
  def.btnMode = keymask::kClick;
  def.btnState = UserFunctionBtnState(functionNumber);
  return def;
}

void ApplyFunctionDef(CKeyButtonModel& button, const stFunctionDef& def) {
  button.role = CKeyButtonModel::kRoleFunction;
  button.SetCaptionKeyText(def.title);
  button.functionType = def.type;
  button.dataIndex = def.dataIndex;
  button.modeIndex = def.modeIndex;
  if (def.textColors.size() == 2) button.SetTextColors(def.textColors[0], def.textColors[1]);
  if (def.textColors.size() == 3)
    button.SetTextColors(def.textColors[0], def.textColors[1], def.textColors[2]);
  if (def.bkColors.size() == 2) button.SetBkColors(def.bkColors[0], def.bkColors[1]);
  if (def.bkColors.size() == 3) button.SetBkColors(def.bkColors[0], def.bkColors[1], def.bkColors[2]);
  button.DeleteParams();
  for (const CKeyButtonModel::sParam& param : def.params) {
    wxString numbers;
    for (int n : param.indexes) numbers += wxString::Format("p%d", n);
    button.AddParam(param.condition, param.defineName, param.valueFormat, numbers);
  }
  button.ParamValues() = def.paramValues;
  button.startPosText = def.startPos;
  button.endPosText = def.endPos;
  button.modeMacroText = def.modeMacro;
  button.BtnMode = def.btnMode;
  button.BtnState = BtnStateFromRecord(def.btnState, def.index);
  button.functionNumber = def.index;
  button.enableExpression = def.enable;
}

CFunctionGrid::CFunctionGrid(int top, int left, int width, int height, int scrollX, int scrollY)
    : m_left(left - scrollX), m_x(left - scrollX), m_y(top - scrollY), m_width(width), m_height(height) {}

void CFunctionGrid::Skip(int count) {
  for (int i = 0; i < count; ++i) Next();
}

CFunctionGrid::stRect CFunctionGrid::Next() {
  if (m_count != 0 && m_count % 2 == 0) {
    m_x = m_left;
    m_y += m_height + 10;
  }
  const stRect rect{m_x, m_y, m_width, m_height};
  m_x += m_width + 15;
  ++m_count;
  return rect;
}

int FunctionContentHeight(int shownButtons) { return (shownButtons + 1) / 2 * 40; }

int NextScrollPosition(ScrollCode code, int position, int minimum, int maximum, int page, int trackPosition) {
  const int last = std::max(minimum, maximum - page);
  switch (code) {
    case ScrollCode::kLineUp: return std::max(minimum, position - 15);
    case ScrollCode::kLineDown: return std::min(last, position + 15);
    case ScrollCode::kPageUp: return std::max(minimum, position - page);
    case ScrollCode::kPageDown: return std::min(last, position + page);
    case ScrollCode::kThumbTrack: return trackPosition;
    case ScrollCode::kTop: return minimum;
    case ScrollCode::kBottom: return maximum;
    case ScrollCode::kThumbPosition:
    case ScrollCode::kEnd: return position;
  }
  return position;
}

#include "keys/KeyLineSet.h"

void CKeyLineSet::Setup(int keypad, int lineLimit) {
  m_keypad = keypad == kKeypadMatrix ? kKeypadMatrix : kKeypadStep;
  m_limit = lineLimit < 0 ? 0 : lineLimit;
  m_lines.assign(m_keypad == kKeypadMatrix ? 2 * m_limit : m_limit, wxString());
}

wxString CKeyLineSet::PinAt(int line) const {
  if (line < 0 || line >= LineCount()) return wxString();
  return m_lines[line];
}

bool CKeyLineSet::PutPin(int line, const wxString& pin) {
  if (line < 0 || line >= LineCount()) return false;
  m_lines[line] = pin;
  return true;
}

bool CKeyLineSet::DropPin(int line, const wxString& pin) {
  if (pin.empty() || line < 0 || line >= LineCount() || !m_lines[line].empty() || UsesPin(pin)) return false;
  m_lines[line] = pin;
  return true;
}

bool CKeyLineSet::RemovePin(const wxString& pin) {
  bool found = false;
  for (wxString& line : m_lines) {
    if (!line.empty() && SamePin(line, pin)) {
      line.clear();
      found = true;
    }
  }
  return found;
}

bool CKeyLineSet::ClearLine(int line) {
  if (line < 0 || line >= LineCount() || m_lines[line].empty()) return false;
  m_lines[line].clear();
  return true;
}

bool CKeyLineSet::UsesPin(const wxString& pin) const {
  if (pin.empty()) return false;
  return ContainsPin(m_lines, pin);
}

std::vector<wxString> CKeyLineSet::PinsInUse() const {
  std::vector<wxString> pins;
  for (const wxString& line : m_lines)
    if (!line.empty()) pins.push_back(line);
  return pins;
}

namespace {
// The lines [first, first + count) up to the last one holding a pin.
std::vector<wxString> UsedRun(const std::vector<wxString>& lines, int first, int count) {
  int end = first + count;
  while (end > first && lines[end - 1].empty()) --end;
  return std::vector<wxString>(lines.begin() + first, lines.begin() + end);
}
}  // namespace

stKeyPinList CKeyLineSet::PinList() const {
  stKeyPinList list;
  if (m_keypad == kKeypadMatrix) {
    list.columns = UsedRun(m_lines, 0, m_limit);
    list.rows = UsedRun(m_lines, m_limit, m_limit);
  } else {
    list.io = UsedRun(m_lines, 0, m_limit);
  }
  return list;
}

void CKeyLineSet::LoadPinList(const stKeyPinList& list) {
  for (wxString& line : m_lines) line.clear();
  auto put = [this](const std::vector<wxString>& pins, int first) {
    for (int i = 0; i < static_cast<int>(pins.size()) && i < m_limit; ++i) m_lines[first + i] = pins[i];
  };
  if (m_keypad == kKeypadMatrix) {
    put(list.columns, 0);
    put(list.rows, m_limit);
  } else {
    put(list.io, 0);
  }
}

stKeyLineCounts CKeyLineSet::CountsInUse() const {
  const stKeyPinList list = PinList();
  stKeyLineCounts counts;
  counts.io = static_cast<int>(list.io.size());
  counts.columns = static_cast<int>(list.columns.size());
  counts.rows = static_cast<int>(list.rows.size());
  return counts;
}

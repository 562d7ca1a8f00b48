#include "keys/KeySlots.h"

#include "core/Numbers.h"

#include <algorithm>

std::int32_t CKeySlotTable::Get(int slot) const {
  return slot >= 0 && slot < kKeySlotCount ? m_slots[static_cast<std::size_t>(slot)] : kNoKeyCode;
}

bool CKeySlotTable::Set(int slot, std::int32_t code) {
  if (slot < 0 || slot >= kKeySlotCount) return false;
  m_slots[static_cast<std::size_t>(slot)] = code;
  return true;
}

void CKeySlotTable::Clear() { m_slots.fill(kNoKeyCode); }

std::int32_t CKeySlotTable::ParseEditorText(const wxString& text) {
  wxString trimmed = text;
  trimmed.Trim(true).Trim(false);
  if (trimmed.empty()) return kNoKeyCode;
  return static_cast<std::int32_t>(ParseNumber("0x" + trimmed));
}

wxString CKeySlotTable::EditorText(std::int32_t code) {
  return code == kNoKeyCode ? wxString() : wxString::Format("%x", static_cast<unsigned>(code));
}

void CKeySlotTable::TrimOutside(const stKeypadShape& shape) {
  const int cells = std::min(shape.CellCount(), kKeySlotCount);
  for (int index = 0; index < cells; ++index)
    if (!shape.IsActiveCell(index)) m_slots[static_cast<std::size_t>(index)] = kNoKeyCode;
}

void CKeySlotTable::ShiftForVssRow(bool on, int columns) {
  if (columns <= 0 || columns > kKeySlotCount) return;
  const auto shift = static_cast<std::size_t>(columns);
  if (on) {
    std::copy_backward(m_slots.begin(), m_slots.end() - static_cast<std::ptrdiff_t>(shift), m_slots.end());
    std::fill(m_slots.begin(), m_slots.begin() + static_cast<std::ptrdiff_t>(shift), kNoKeyCode);
  } else {
    std::copy(m_slots.begin() + static_cast<std::ptrdiff_t>(shift), m_slots.end(), m_slots.begin());
    std::fill(m_slots.end() - static_cast<std::ptrdiff_t>(shift), m_slots.end(), kNoKeyCode);
  }
}

std::uint32_t MaxKeyCode(int commandBits) {
  if (commandBits <= 0) return 0;
  return commandBits >= 8 ? 0xFFu : (1u << commandBits) - 1u;
}

bool KeyCodeTooWide(std::int32_t code, int commandBits) {
  return code != kNoKeyCode && static_cast<std::uint32_t>(code) > MaxKeyCode(commandBits);
}

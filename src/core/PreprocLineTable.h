// A table of values found by a text key, for the preprocessor's directive
// lines: looked up far more often than it grows. Open addressing over a power
// of two of slots, at most half of them used, each holding its key's hash
// beside its entry, so that a look-up compares a key only where the hashes
// agree. Entries never move once added. The entry last found for each key
// length is tried first: keys that come back often (ELSE and ENDIF lines)
// are found without hashing.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace preproc {

template <typename Value>
class CTextTable {
 public:
  // The value of key, or null when the table has none.
  const Value* Find(std::string_view key) {
    Entry*& recent = m_recent[key.size() % kRecentLengths];
    if (recent && recent->key == key) return &recent->value;
    if (m_slots.empty()) return nullptr;
    const size_t hash = Hash(key);
    for (size_t at = hash & Mask();; at = (at + 1) & Mask()) {
      const Slot& slot = m_slots[at];
      if (!slot.entry) return nullptr;
      if (slot.hash == hash && slot.entry->key == key) {
        recent = slot.entry;
        return &slot.entry->value;
      }
    }
  }

  // Adds a key the table does not hold yet.
  const Value& Add(std::string_view key, Value value) {
    if (2 * (m_entries.size() + 1) > m_slots.size()) Grow();
    m_entries.push_back({std::string(key), std::move(value)});
    Entry& entry = m_entries.back();
    Place(Hash(key), &entry);
    return entry.value;
  }

  void Clear() {
    m_recent.fill(nullptr);
    m_slots.clear();
    m_entries.clear();
  }

 private:
  struct Entry {
    std::string key;
    Value value;
  };
  struct Slot {
    size_t hash = 0;
    Entry* entry = nullptr;  // null: a free slot
  };

  static size_t Hash(std::string_view key) { return std::hash<std::string_view>()(key); }
  size_t Mask() const { return m_slots.size() - 1; }

  void Place(size_t hash, Entry* entry) {
    size_t at = hash & Mask();
    while (m_slots[at].entry) at = (at + 1) & Mask();
    m_slots[at] = {hash, entry};
  }

  void Grow() {
    std::vector<Slot> old;
    old.swap(m_slots);
    m_slots.resize(old.empty() ? 64 : 2 * old.size());
    for (const Slot& slot : old)
      if (slot.entry) Place(slot.hash, slot.entry);
  }

  static constexpr size_t kRecentLengths = 64;

  std::array<Entry*, kRecentLengths> m_recent{};  // by key length, modulo kRecentLengths
  std::vector<Slot> m_slots;
  std::deque<Entry> m_entries;
};

}  // namespace preproc

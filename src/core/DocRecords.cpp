// The key-value record arrays of the project document.
#include "core/DocManage.h"

#include <cstring>

namespace {

// Copies text into a fixed record field as UTF-16, cut to leave room for the terminating NUL.
template <std::size_t N>
void StoreText(char16_t (&field)[N], const wxString& text) {
  std::fill(std::begin(field), std::end(field), u'\0');
  std::u16string units;
  for (wxUniChar c : text) {
    const std::uint32_t code = c.GetValue();
    if (code >= 0x10000) {
      units.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    } else {
      units.push_back(static_cast<char16_t>(code));
    }
  }
  std::size_t count = std::min(units.size(), N - 1);
  if (count > 0 && count < units.size() && units[count - 1] >= 0xD800 && units[count - 1] <= 0xDBFF) {
    --count;  // never cut a surrogate pair in two
  }
  std::copy(units.begin(), units.begin() + static_cast<std::ptrdiff_t>(count), field);
}

template <std::size_t N>
wxString LoadText(const char16_t (&field)[N]) {
  std::size_t length = 0;
  while (length < N && field[length] != u'\0') ++length;
  wxString out;
  for (std::size_t i = 0; i < length; ++i) {
    std::uint32_t code = field[i];
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < length && field[i + 1] >= 0xDC00 &&
        field[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (field[i + 1] - 0xDC00);
      ++i;
    }
    out += wxUniChar(code);
  }
  return out;
}

// The stored element count: 16 bits, or 0xFFFF and 32 bits for large counts.
void WriteCount(std::string& out, std::size_t count) {
  auto put16 = [&](std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
  };
  if (count < 0xFFFF) {
    put16(static_cast<std::uint16_t>(count));
    return;
  }
  put16(0xFFFF);
  put16(static_cast<std::uint16_t>(count & 0xFFFF));
  put16(static_cast<std::uint16_t>(count >> 16));
}

bool ReadCount(const std::string& in, std::size_t& pos, std::size_t& count) {
  auto get16 = [&](std::uint16_t& v) {
    if (pos + 2 > in.size()) return false;
    v = static_cast<std::uint16_t>(static_cast<std::uint8_t>(in[pos]) |
                                   (static_cast<std::uint8_t>(in[pos + 1]) << 8));
    pos += 2;
    return true;
  };
  std::uint16_t first = 0;
  if (!get16(first)) return false;
  if (first != 0xFFFF) {
    count = first;
    return true;
  }
  std::uint16_t low = 0, high = 0;
  if (!get16(low) || !get16(high)) return false;
  count = static_cast<std::size_t>(low) | (static_cast<std::size_t>(high) << 16);
  return true;
}

template <class Record>
std::string Serialize(const std::vector<Record>& records) {
  std::string out;
  WriteCount(out, records.size());
  for (const Record& record : records) {
    const char* bytes = reinterpret_cast<const char*>(&record);
    out.append(bytes, sizeof(Record));
  }
  return out;
}

template <class Record>
bool Deserialize(const std::string& in, std::vector<Record>& records) {
  std::size_t pos = 0;
  std::size_t count = 0;
  if (!ReadCount(in, pos, count) || (in.size() - pos) / sizeof(Record) < count) return false;
  std::vector<Record> loaded(count);
  for (Record& record : loaded) {
    std::memcpy(&record, in.data() + pos, sizeof(Record));
    pos += sizeof(Record);
  }
  records = std::move(loaded);
  return true;
}

template <class Record>
bool RemoveAt(std::vector<Record>& records, int index) {
  if (index == -1) {
    records.clear();
    records.shrink_to_fit();
    return true;
  }
  if (index < 0 || static_cast<std::size_t>(index) >= records.size()) return false;
  records.erase(records.begin() + index);
  return true;
}

}  // namespace

void CDocManage::AddKeyValue(std::uint16_t code, const wxString& text) {
  stKeyValue record;
  record.code = code;
  StoreText(record.text, text);
  m_keyValues.push_back(record);
}

bool CDocManage::RemoveKeyValue(int index) { return RemoveAt(m_keyValues, index); }

bool CDocManage::SetKeyCode(int index, std::uint16_t code) {
  if (index < 0 || static_cast<std::size_t>(index) >= m_keyValues.size()) return false;
  m_keyValues[static_cast<std::size_t>(index)].code = code;
  return true;
}

bool CDocManage::GetFirstKeyValue(int& position) const {
  position = 0;
  return !m_keyValues.empty();
}

bool CDocManage::GetNextKeyValue(int& position, std::uint16_t& code, wxString& text, bool* more) const {
  if (position < 0 || static_cast<std::size_t>(position) >= m_keyValues.size()) return false;
  const stKeyValue& record = m_keyValues[static_cast<std::size_t>(position++)];
  code = record.code;
  text = LoadText(record.text);
  if (more) *more = static_cast<std::size_t>(position) < m_keyValues.size();
  return true;
}

void CDocManage::AddAirKeyValue(const wxString& text1, const wxString& text2) {
  stAirKeyValue record;
  StoreText(record.text1, text1);
  StoreText(record.text2, text2);
  m_airKeyValues.push_back(record);
}

bool CDocManage::RemoveAirKeyValue(int index) { return RemoveAt(m_airKeyValues, index); }

bool CDocManage::GetFirstAirKeyValue(int& position) const {
  position = 0;
  return !m_airKeyValues.empty();
}

bool CDocManage::GetNextAirKeyValue(int& position, wxString& text1, wxString& text2, bool* more) const {
  if (position < 0 || static_cast<std::size_t>(position) >= m_airKeyValues.size()) return false;
  const stAirKeyValue& record = m_airKeyValues[static_cast<std::size_t>(position++)];
  text1 = LoadText(record.text1);
  text2 = LoadText(record.text2);
  if (more) *more = static_cast<std::size_t>(position) < m_airKeyValues.size();
  return true;
}

std::string CDocManage::SerializeKeyValues() const { return Serialize(m_keyValues); }
bool CDocManage::DeserializeKeyValues(const std::string& bytes) { return Deserialize(bytes, m_keyValues); }
std::string CDocManage::SerializeAirKeyValues() const { return Serialize(m_airKeyValues); }
bool CDocManage::DeserializeAirKeyValues(const std::string& bytes) {
  return Deserialize(bytes, m_airKeyValues);
}

#include "receiver/decode/DecodedKeys.h"

#include "core/DocManage.h"
#include "core/ProjectFile.h"
#include "core/Numbers.h"

namespace decode {

namespace {
constexpr std::size_t kValuesPerItem = 8;
}  // namespace

std::vector<wxString> AirKeyItems(const CDocManage& doc) {
  std::vector<wxString> items;
  int position = 0;
  wxString first, second;
  std::size_t i = 0;
  if (!doc.GetFirstAirKeyValue(position)) return items;
  while (doc.GetNextAirKeyValue(position, first, second)) {
    if (i % kValuesPerItem == 0)
      items.emplace_back();
    else
      items.back() += ",";
    items.back() += projectfile::EscapeItemText(first) + "-" + projectfile::EscapeItemText(second);
    ++i;
  }
  return items;
}

bool WriteAirKeyItems(const CProjectFile& file, const CDocManage& doc) {
  const wxString section = projectfile::section::kKeyConfig;
  bool ok = file.WriteNumber(section, projectfile::key::kKeyValueCount,
                             static_cast<long long>(doc.GetAirKeyValueCount()));
  const std::vector<wxString> items = AirKeyItems(doc);
  for (std::size_t i = 0; i < items.size(); ++i)
    ok &= file.WriteText(section, projectfile::key::KeyItem(static_cast<int>(i)), items[i]);
  return ok;
}

std::optional<std::size_t> FindUnreadableCode(const std::vector<GridRow>& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const wxString& codeText = rows[i].first;
    if (!codeText.empty() && !ReadWholeNumber(codeText)) return i;
  }
  return std::nullopt;
}

bool ImportGeneralRows(CDocManage& doc, const std::vector<GridRow>& rows, const CutQuestion& askCut) {
  if (FindUnreadableCode(rows)) return false;
  doc.RemoveKeyValue(-1);
  int answer = -1;  // -1 not asked, 1 cut, 0 keep
  for (const auto& [codeText, text] : rows) {
    if (codeText.empty()) continue;
    std::uint16_t code = static_cast<std::uint16_t>(ParseNumber(codeText) & 0xFFFF);
    std::uint16_t cut = code;
    if (doc.FitToCommandBits(cut)) {
      if (doc.CommandBits == 0) {
        code = cut;
      } else {
        if (answer < 0) answer = askCut && askCut() ? 1 : 0;
        if (answer == 1) code = cut;
      }
    }
    doc.AddKeyValue(code, text);
  }
  return true;
}

void ImportAirRows(CDocManage& doc, const std::vector<GridRow>& rows) {
  doc.RemoveAirKeyValue(-1);
  for (const auto& [frame, text] : rows) {
    if (frame.empty()) continue;
    doc.AddAirKeyValue(frame, text);
  }
}

}  // namespace decode

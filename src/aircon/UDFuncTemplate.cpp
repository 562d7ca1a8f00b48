#include "aircon/UDFuncTemplate.h"

#include "core/ProjectKinds.h"
#include "core/StdioFileEx.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

namespace aircon {

namespace {

// Where the function stands: group -1 until a line asks and it is found.
struct stPlace {
  int group = -1;
  int position = 0;
};

void Locate(const stUDFuncTemplateSource& source, int lastGroup, stPlace& place) {
  place = stPlace();
  if (!source.sendPosition) return;
  for (int group = 0; group <= lastGroup; ++group) {
    if (const std::optional<int> position = source.sendPosition(group)) {
      place.group = group;
      place.position = *position;
      return;
    }
  }
}

wxString Decimal(long value) { return wxString::Format("%ld", value); }

}  // namespace

wxString UDFuncTemplatePath(const wxString& templateFolder, const wxString& definitionFile,
                            int frameworkKind) {
  const wxString name = platform::ReadProfileString(definitionFile, "FileName", "Name3", "");
  if (name.empty()) return wxString();
  const char* prefix = frameworkKind == kFrameworkLcdStandard ? "Sta" : "Sim";
  return platform::FindPathNoCase(
      platform::JoinPath(templateFolder, wxString::Format("%s_%s", prefix, name)));
}

wxString ModeBinaryText(std::uint16_t modeSelect) {
  wxString digits;
  for (unsigned value = modeSelect; value != 0; value >>= 1) digits.Prepend((value & 1) ? '1' : '0');
  if (digits.length() < 8) digits.Prepend(wxString('0', 8 - digits.length()));
  return "0b" + digits;
}

wxString ExpandUDFuncTemplate(const stUDFuncTemplateSource& source) {
  const wxString path =
      UDFuncTemplatePath(source.templateFolder, source.definitionFile, source.frameworkKind);
  CStdioFileEx file;
  if (path.empty() || !file.Open(path)) return wxString();
  const stFuncRecord fresh;
  const stFuncRecord& record = source.record ? *source.record : fresh;
  const bool standard = source.frameworkKind == kFrameworkLcdStandard;

  stPlace place;
  wxString result;
  wxString line;
  while (file.ReadString(line)) {
    if (line.Contains("$Index$")) {
      line.Replace("$Index$", Decimal(source.index));
    } else if (line.Contains("$GroupIndex$")) {
      Locate(source, source.hasGroup2 ? 1 : 0, place);
      if (standard) {
        line.Replace("$GroupIndex$", Decimal(place.group));
      } else {
        line.clear();
      }
    } else if (line.Contains("$ArrayIndex$")) {
      if (source.frameworkKind == kFrameworkLcdSimple && place.group == -1) Locate(source, 0, place);
      line.Replace("$ArrayIndex$", place.group != -1 ? Decimal(place.position) : wxString("-1"));
    } else if (line.Contains("$Name$")) {
      line.Replace("$Name$", wxString::Format("*%d*", source.index));
    } else if (line.Contains("$Gear$")) {
      line.Replace("$Gear$", Decimal(static_cast<long>(record.Data.size()) - 1));
    } else if (line.Contains("$Mode$")) {
      line.Replace("$Mode$", ModeBinaryText(record.ModeSelect));
    } else if (line.Contains("$ZeroShow$")) {
      line.Replace("$ZeroShow$", Decimal(record.ZeroShow));
    } else if (line.Contains("$CloseShow$")) {
      line.Replace("$CloseShow$", Decimal(record.CloseEnable));
    }
    result += line;
  }
  return result;
}

}  // namespace aircon

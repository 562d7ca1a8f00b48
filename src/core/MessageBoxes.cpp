#include "core/MessageBoxes.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/StringHelpers.h"

namespace {

platform::stMessageBoxRequest NoticeRequest(const wxString& text, unsigned type) {
  platform::stMessageBoxRequest request;
  request.text = text;
  request.caption = "Notice";
  request.type = type;
  request.yesLabel = GetLangTextFromFile("S_YES", g_App.langFile);
  request.noLabel = GetLangTextFromFile("S_NO", g_App.langFile);
  request.cancelLabel = GetLangTextFromFile("S_CANCEL", g_App.langFile);
  request.okLabel = GetLangTextFromFile("S_OK", g_App.langFile);
  return request;
}

}  // namespace

int LangMessageBoxArgs(const wxString& key, unsigned type, const wxString& formatKey,
                       const std::vector<platform::FormatArg>& args) {
  wxString text;
  if (formatKey.empty()) {
    text = GetLangText(key);
  } else {
    text = platform::FormatChecked(GetLangText(formatKey), args).Left(kNoticeTextLimit);
  }
  return platform::ShowMessageBox(NoticeRequest(text, type));
}

int PlainMessageBox(const wxString& text, unsigned type) {
  platform::stMessageBoxRequest request;
  request.text = text;
  request.caption = "Notice";
  request.type = type;
  return platform::ShowMessageBox(request);
}

void ShowErrorMessage(const wxString& key, const wxString& first, const wxString& second,
                      const wxString& third) {
  const int given = !first.empty() + !second.empty() + !third.empty();
  const wxString format = GetLangText(key);
  if (format.empty() || CountOccurrences(format, "%s") != given) return;

  std::vector<platform::FormatArg> args;
  switch (given) {
    case 3: args = {first, second, third}; break;
    case 2: args = {GetLangText(first), GetLangText(second)}; break;
    case 1: args = {first}; break;
    default: break;
  }
  platform::stMessageBoxRequest request;
  request.text = given == 0 ? format : platform::FormatChecked(format, args);
  request.caption = "Error";
  request.type = platform::kMbOk;
  platform::ShowMessageBox(request);
}

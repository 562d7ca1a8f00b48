#include "core/MessageBoxes.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/StringHelpers.h"

namespace {

// The caption in the current language; the English word when the language
// file lacks the key.
wxString CaptionText(const wxString& key, const wxString& english) {
  const wxString text = GetLangTextFromFile(key, g_App.langFile);
  return text.empty() || text == key ? english : text;
}

// A box whose caption and buttons are in the current language.
platform::stMessageBoxRequest LangRequest(const wxString& text, unsigned type, const wxString& captionKey,
                                          const wxString& caption) {
  platform::stMessageBoxRequest request;
  request.text = text;
  request.caption = CaptionText(captionKey, caption);
  request.type = type;
  request.yesLabel = GetLangTextFromFile("S_YES", g_App.langFile);
  request.noLabel = GetLangTextFromFile("S_NO", g_App.langFile);
  request.cancelLabel = GetLangTextFromFile("S_CANCEL", g_App.langFile);
  request.okLabel = GetLangTextFromFile("S_OK", g_App.langFile);
  return request;
}

platform::stMessageBoxRequest NoticeRequest(const wxString& text, unsigned type) {
  return LangRequest(text, type, "S_NOTICE", "Notice");
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
  return platform::ShowMessageBox(NoticeRequest(text, type));
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
  const wxString text = given == 0 ? format : platform::FormatChecked(format, args);
  platform::ShowMessageBox(LangRequest(text, platform::kMbOk, "S_ERROR", "Error"));
}

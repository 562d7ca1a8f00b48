#include "ui/FuncBtnLogic.h"

#include "core/Numbers.h"
#include "platform/Format.h"

namespace {

constexpr std::size_t kMaxValueLength = 1024;

bool IsDigit(wxUniChar ch) { return ch >= '0' && ch <= '9'; }

// Left-to-right combination of boolean terms joined by "&" and "|". Each
// term is a number, optionally after a letter from letters; term(letter,
// number) answers it. False for any other character, an empty text, or an
// operator without a term after it.
bool CombineTerms(const wxString& text, const wxString& letters, wxUniChar letter,
                  const std::function<bool(wxUniChar, int)>& term, bool& result, std::vector<int>* numbers,
                  int* lastNumber) {
  bool haveTerm = false;
  wxUniChar pending = 0;  // operator waiting for its right-hand term
  std::size_t at = 0;
  while (at < text.length()) {
    const wxUniChar ch = text[at];
    if (letters.Find(ch) != wxNOT_FOUND) {
      letter = ch;
      ++at;
    } else if (ch == '&' || ch == '|') {
      if (!haveTerm || pending != 0) return false;
      pending = ch;
      ++at;
    } else if (IsDigit(ch)) {
      std::size_t end = at;
      while (end < text.length() && IsDigit(text[end])) ++end;
      long number = 0;
      text.Mid(at, end - at).ToLong(&number);
      at = end;
      if (haveTerm && pending == 0) return false;
      const bool value = term(letter, static_cast<int>(number));
      if (numbers) numbers->push_back(static_cast<int>(number));
      if (lastNumber) *lastNumber = static_cast<int>(number);
      result = !haveTerm ? value : (pending == '&' ? (result && value) : (result || value));
      haveTerm = true;
      pending = 0;
    } else {
      return false;
    }
  }
  return haveTerm && pending == 0;
}

// The text between the first "(" at or after from and the next ")".
bool TextInParentheses(const wxString& text, std::size_t from, wxString& inside, std::size_t& closeAt) {
  const std::size_t open = text.find('(', from);
  if (open == wxString::npos) return false;
  const std::size_t close = text.find(')', open + 1);
  if (close == wxString::npos) return false;
  inside = text.Mid(open + 1, close - open - 1);
  closeAt = close;
  return true;
}

}  // namespace

std::vector<int> ParseParamIndexes(const wxString& text) {
  std::vector<int> indexes;
  wxString run;
  wxUniChar letterBefore = 0;
  auto append = [&] { indexes.push_back(static_cast<int>(ParseNumber(run))); };
  for (const wxUniChar ch : text) {
    if (ch != 'p' && ch != 'm') {
      run += ch;
      continue;
    }
    if (ch == 'p' && !run.empty()) append();
    if (ch == 'm' && letterBefore == 'p' && !run.empty()) append();
    run.clear();
    letterBefore = ch;
  }
  if (!run.empty() && letterBefore == 'p') append();
  return indexes;
}

stEnableOutcome EvaluateEnableCondition(const wxString& condition, const stEnableQueries& queries) {
  stEnableOutcome outcome;
  if (condition == "GetTimeEnable") {
    outcome.accepted = true;
    outcome.enabled = queries.isTimeShowEnabled && queries.isTimeShowEnabled();
    return outcome;
  }
  if (condition == "0" || condition == "1") {
    outcome.accepted = outcome.constant = true;
    outcome.enabled = condition == "1";
    return outcome;
  }

  wxString terms;
  std::size_t close = 0;
  if (!TextInParentheses(condition, 0, terms, close)) return outcome;
  auto buttonTerm = [&](wxUniChar letter, int number) {
    if (letter == 'T') return queries.isReserveTwo && queries.isReserveTwo(number);
    return queries.isInSendData && queries.isInSendData(number);
  };
  bool first = false;
  int lastNumber = 0;
  std::vector<int> numbers;
  if (!CombineTerms(terms, "PT", 'P', buttonTerm, first, &numbers, &lastNumber)) return outcome;

  bool result = first;
  const std::size_t timeFormat = condition.find("GetTimeFormat", close + 1);
  if (timeFormat != wxString::npos) {
    wxString values;
    std::size_t valuesClose = 0;
    if (!TextInParentheses(condition, timeFormat, values, valuesClose)) return outcome;
    const int reserve = queries.getReserve ? queries.getReserve(lastNumber) : -1;
    bool second = false;
    auto valueTerm = [&](wxUniChar, int value) { return reserve == value; };
    if (!CombineTerms(values, wxString(), 0, valueTerm, second, nullptr, nullptr)) return outcome;
    const wxUniChar joint = timeFormat > 0 ? condition[timeFormat - 1] : wxUniChar(0);
    if (joint == '&') result = first && second;
    if (joint == '|') result = first || second;
  }
  outcome.accepted = true;
  outcome.enabled = result;
  outcome.numbers = std::move(numbers);
  return outcome;
}

wxString FillValueFormat(const wxString& format, const std::vector<wxString>& values) {
  std::vector<platform::FormatArg> args(values.begin(), values.end());
  while (args.size() < 3) args.emplace_back(wxString());
  // Like printf, arguments beyond the format's conversions are ignored.
  for (std::size_t count = args.size() + 1; count-- > 0;) {
    std::vector<platform::FormatArg> used(args.begin(), args.begin() + count);
    if (platform::FormatFits(format, used))
      return platform::FormatChecked(format, used).Left(kMaxValueLength);
  }
  return format.Left(kMaxValueLength);
}

wxString MakeDefineLine(const wxString& name, const wxString& value) {
  return "#define\t" + name + " " + value;
}

// The preprocessor's conditions: reducing an IF, IFE or ELSEIF line to its
// condition, the AND, OR, mixed and bracket evaluations, the comparisons and
// the values of defines.
#include "core/Preprocessor.h"

#include "core/PreprocText.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

using namespace preproc;

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// Reads like the C runtime's 32-bit wcstoul in base 16: white space, a sign, an
// optional "0x"; too large a value gives 0xFFFFFFFF, a minus negates.
std::uint32_t ReadHex(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && IsBlankChar(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos + 2 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
      DigitValue(text[pos + 2]) < 16)
    pos += 2;
  std::uint64_t value = 0;
  bool overflow = false;
  for (; pos < text.size() && DigitValue(text[pos]) < 16; ++pos) {
    value = value * 16u + static_cast<std::uint64_t>(DigitValue(text[pos]));
    if (value > 0xFFFFFFFFull) {
      overflow = true;
      value = 0xFFFFFFFFull;
    }
  }
  if (overflow) return 0xFFFFFFFFu;
  const auto result = static_cast<std::uint32_t>(value);
  return negative ? 0u - result : result;
}

// Reads like the C runtime's _wtoi: the leading decimal digits, saturated.
int ReadDecimal(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && IsBlankChar(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  std::int64_t value = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    value = value * 10 + static_cast<std::int64_t>(text[pos] - '0');
    if (value > 0x80000000LL) value = 0x80000000LL;
  }
  if (negative) return value >= 0x80000000LL ? INT32_MIN : static_cast<int>(-value);
  return value > INT32_MAX ? INT32_MAX : static_cast<int>(value);
}

// The text of a define's value: from the first blank at or after position up
// to the line's end (or an earlier "//" when cutComment), blanks removed.
std::string ValueText(std::string_view defineText, int position, bool cutComment) {
  const size_t start = static_cast<size_t>(std::max(position, 0));
  if (start >= defineText.size()) return std::string();
  const size_t blank = defineText.find(kw::kSpace, start);
  if (blank == std::string_view::npos) return std::string();
  size_t end = defineText.find(kw::kLineEnd, blank);
  if (end == std::string_view::npos) end = defineText.size();
  const size_t comment = cutComment ? defineText.find(kw::kComment, blank) : std::string_view::npos;
  if (comment < end) end = comment;
  return RemoveAll(defineText.substr(blank, end - blank), kw::kSpace);
}

}  // namespace

// ---- Values ----------------------------------------------------------------

int CPreprocessor::FindDefine(std::string_view name) const {
  std::string part(name);
  part += kw::kSpace;
  return FindInDefines(part);
}

// The same names are looked up in file after file: the define text is filed
// for its searches once.
int CPreprocessor::FindInDefines(std::string_view part) const {
  if (!m_defineIndexBuilt) {
    m_defineIndex.Build(m_defineText);
    m_defineIndexBuilt = true;
  }
  return m_defineIndex.Find(part);
}

bool CPreprocessor::IsDefineName(std::string_view text) {
  return text.empty() || !(text[0] >= '0' && text[0] <= '9');
}

int CPreprocessor::ParseDefineNumber(std::string_view text) {
  if (Contains(text, kw::kHex) || Contains(text, kw::kHexUpper)) return static_cast<int>(ReadHex(text));
  return ReadDecimal(text);
}

// A value of five or more characters names another define, whose value is
// read without further indirection; *decidable is cleared when that define is
// missing.
int CPreprocessor::GetDefineValue(int position, int* decidable) const {
  const std::string value = ValueText(m_defineText, position, true);
  if (CharCount(value) < 5) return ParseDefineNumber(value);
  const int target = FindDefine(value);
  if (target < 0) {
    *decidable = 0;
    return 0;
  }
  return ParseDefineNumber(ValueText(m_defineText, target, false));
}

// A name's define value or a number's own value; false for a missing define.
bool CPreprocessor::ResolveOperand(std::string_view text, bool* isName, int* value) const {
  *isName = IsDefineName(text);
  if (!*isName) {
    *value = ParseDefineNumber(text);
    return true;
  }
  const int position = FindDefine(text);
  if (position < 0) return false;
  int known = 1;
  *value = GetDefineValue(position, &known);
  return known != 0;
}

// Two numbers never compare true; a missing define leaves the result undecided.
template <typename Relation>
int CPreprocessor::CompareOperands(std::string_view left, std::string_view right, int* decidable,
                                   Relation relation) const {
  *decidable = 1;
  bool leftIsName = false, rightIsName = false;
  int leftValue = 0, rightValue = 0;
  const bool leftKnown = ResolveOperand(left, &leftIsName, &leftValue);
  const bool rightKnown = ResolveOperand(right, &rightIsName, &rightValue);
  if (!leftIsName && !rightIsName) return 0;
  if (!leftKnown || !rightKnown) {
    *decidable = 0;
    return 0;
  }
  return relation(leftValue, rightValue) ? 1 : 0;
}

int CPreprocessor::CompareEqual(std::string_view left, std::string_view right, int* decidable) const {
  return CompareOperands(Trimmed(left), Trimmed(right), decidable, std::equal_to<int>());
}

int CPreprocessor::CompareNotEqual(std::string_view left, std::string_view right, int* decidable) const {
  return CompareOperands(left, right, decidable, std::not_equal_to<int>());
}

int CPreprocessor::CompareGreater(std::string_view left, std::string_view right, int* decidable,
                                  bool orEqual) const {
  return CompareOperands(Trimmed(left), Trimmed(right), decidable,
                         [orEqual](int a, int b) { return orEqual ? a >= b : a > b; });
}

int CPreprocessor::CompareLess(std::string_view left, std::string_view right, int* decidable,
                               bool orEqual) const {
  return CompareOperands(Trimmed(left), Trimmed(right), decidable,
                         [orEqual](int a, int b) { return orEqual ? a <= b : a < b; });
}

// A defined name with a value above 0; a number is no defined name.
int CPreprocessor::TestDefined(std::string_view operand, int* decidable) const {
  *decidable = 1;
  const std::string_view name = Trimmed(operand);
  if (!IsDefineName(name)) return 0;
  const int position = FindDefine(name);
  if (position < 0) {
    *decidable = 0;
    return 0;
  }
  return GetDefineValue(position, decidable) > 0 ? 1 : 0;
}

// ---- Conditions acting on the top level --------------------------------------

// Evaluated as the line's turn would evaluate it: nothing undecided open, so
// the decidable flag starts set. The state's flags are left as they were.
PreprocConditionOutcome CPreprocessor::DecideCondition(std::string_view text) {
  PreprocState& st = m_state;
  const int savedDecidable = st.decidable, savedDecidable2 = st.decidable2;
  st.decidable = 1;
  PreprocConditionOutcome outcome;
  const std::string line = RemoveAll(text, kw::kSpace);
  const int open = Find(line, kw::kOpen);
  if (open >= 0 && Contains(Mid(line, open + 1), kw::kOpen)) {
    outcome = Outcome(PreprocConditionOutcome::kResult, EvalBracketCondition(line));
  } else {
    std::string condition = RemoveAll(line, kw::kElseif);
    condition = RemoveAll(condition, Contains(condition, kw::kIfe) ? kw::kIfe : kw::kIf);
    condition = RemoveAll(RemoveAll(condition, kw::kOpen), kw::kClose);
    const int semicolon = Find(condition, kw::kSemicolon);
    if (semicolon >= 0) condition.resize(static_cast<size_t>(semicolon));
    outcome = RouteReducedCondition(CutBeforeComment(condition));
  }
  st.decidable = savedDecidable;
  st.decidable2 = savedDecidable2;
  return outcome;
}

PreprocConditionOutcome CPreprocessor::Outcome(PreprocConditionOutcome::Rule rule, int result) const {
  PreprocConditionOutcome outcome;
  outcome.rule = rule;
  outcome.result = result;
  outcome.decidable = m_state.decidable;
  outcome.decidable2 = m_state.decidable2;
  return outcome;
}

PreprocConditionOutcome CPreprocessor::RouteReducedCondition(std::string_view condition) {
  PreprocState& st = m_state;
  const int andPos = Find(condition, kw::kAnd);
  const int orPos = Find(condition, kw::kOr);
  if (andPos >= 0 && orPos >= 0)
    return Outcome(PreprocConditionOutcome::kResult, EvalMixedCondition(std::string(condition)));
  if (andPos > 0) return Outcome(PreprocConditionOutcome::kResult, EvalAndChain(condition, &st.decidable));
  if (andPos == 0) return EvalTwoTerm(condition, kw::kAnd, true);
  if (orPos > 0) return Outcome(PreprocConditionOutcome::kOrResult, EvalOrChain(condition, &st.decidable));
  if (orPos == 0) return EvalTwoTerm(condition, kw::kOr, false);
  if (Find(condition, kw::kNotEqual) > 0) return EvalNotEqualCondition(condition);
  return EvalSimpleCondition(condition);
}

PreprocConditionOutcome CPreprocessor::EvalSimpleCondition(std::string_view condition) {
  PreprocState& st = m_state;
  static constexpr std::string_view kOperators[] = {"==", ">=", ">", "<=", "<"};
  int which = 0, operatorPos = -1;
  for (; which < 5; ++which) {
    operatorPos = Find(condition, kOperators[which]);
    if (operatorPos >= 0) break;
  }
  std::string_view left, right;
  if (which < 5) {
    left = Left(condition, operatorPos);
    right = Mid(condition, operatorPos + Length(kOperators[which]));
  }
  int result = 0;
  switch (which) {
    case 0: result = CompareEqual(left, right, &st.decidable); break;
    case 1: result = CompareGreater(left, right, &st.decidable, true); break;
    case 2: result = CompareGreater(left, right, &st.decidable, false); break;
    case 3: result = CompareLess(left, right, &st.decidable, true); break;
    case 4: result = CompareLess(left, right, &st.decidable, false); break;
    default: result = TestDefined(condition, &st.decidable); break;
  }
  return Outcome(PreprocConditionOutcome::kResult, result);
}

// Not true, decided or not, drops the block.
PreprocConditionOutcome CPreprocessor::EvalNotEqualCondition(std::string_view condition) {
  const int operatorPos = Find(condition, kw::kNotEqual);
  int decidable = 1;
  return Outcome(PreprocConditionOutcome::kNotEqual,
                 CompareNotEqual(Left(condition, operatorPos), Mid(condition, operatorPos + 2), &decidable));
}

// The comparison before the operator (empty in the conditions routed here, so
// a false bare term) and the one after it.
PreprocConditionOutcome CPreprocessor::EvalTwoTerm(std::string_view condition, std::string_view op,
                                                   bool isAnd) {
  PreprocState& st = m_state;
  const int pos = Find(condition, op);
  const int first = EvalChainTerm(Left(condition, pos), &st.decidable);
  const int second = EvalChainTerm(Mid(condition, pos + Length(op)), &st.decidable2);
  return Outcome(PreprocConditionOutcome::kTwoTerm, isAnd ? (first && second) : (first || second));
}

// ---- Conditions giving 1 or 0 --------------------------------------------------

// A comparison by "==" or else "!="; a term with neither is true when it is "1".
int CPreprocessor::EvalChainTerm(std::string_view term, int* decidable) {
  int pos = Find(term, kw::kEqual);
  if (pos >= 0) return CompareEqual(Left(term, pos), Mid(term, pos + 2), decidable);
  pos = Find(term, kw::kNotEqual);
  if (pos >= 0) return CompareNotEqual(Left(term, pos), Mid(term, pos + 2), decidable);
  *decidable = 1;
  return term == kw::kOne ? 1 : 0;
}

int CPreprocessor::EvalOrChain(std::string_view text, int* decidable) {
  const int hashIf = Find(text, kw::kHashIf);
  if (hashIf >= 0) text = Mid(text, hashIf + 3);
  int termDecidable = 1;
  if (Find(text, kw::kOr) <= 0) return EvalChainTerm(text, &termDecidable);
  for (;;) {
    const int separator = Find(text, kw::kOr);
    const bool last = separator <= 0;
    if (EvalChainTerm(last ? text : Left(text, separator), &termDecidable)) {
      *decidable = 1;
      return 1;
    }
    if (!termDecidable) *decidable = 0;
    if (last) return 0;
    text = Mid(text, separator + 2);
  }
}

// Pairs of terms from the left; a last single term is compared with the
// caller's flag itself.
int CPreprocessor::EvalAndChain(std::string_view text, int* decidable) {
  if (Contains(text, kw::kHashIf)) text = Mid(text, Find(text, "f") + 1);
  for (;;) {
    const int separator = Find(text, kw::kAnd);
    if (separator <= 0) return EvalChainTerm(text, decidable);
    const std::string_view first = Left(text, separator);
    const std::string_view rest = Mid(text, separator + 2);
    const int next = Find(rest, kw::kAnd);
    const std::string_view second = next > 0 ? Left(rest, next) : rest;
    text = next > 0 ? Mid(rest, next + 2) : std::string_view();
    int firstDecidable = 1, secondDecidable = 1;
    const int firstResult = EvalChainTerm(first, &firstDecidable);
    const int secondResult = EvalChainTerm(second, &secondDecidable);
    if (!firstDecidable && !secondDecidable) {
      *decidable = 0;
      return 0;
    }
    if (!firstResult || !secondResult) return 0;
    if (text.empty()) return 1;
  }
}

// && and || without precedence: runs are reduced from the left to "1" or "0".
int CPreprocessor::EvalMixedCondition(std::string text) {
  int& decidable = m_state.decidable;
  for (;;) {
    const int andPos = Find(text, kw::kAnd);
    if (andPos < 0) return EvalOrChain(text, &decidable);
    const std::string_view left = Left(text, andPos);
    const std::string_view right = Mid(text, andPos + 2);
    const int nextOr = Find(right, kw::kOr);
    if (Find(left, kw::kBar) > 0) {
      if (EvalOrChain(left, &decidable)) {
        decidable = 1;
        text = "1&&" + std::string(right);
      } else if (nextOr > 0) {
        text = "0" + std::string(Mid(right, nextOr));
      } else {
        return 0;
      }
    } else {
      if (nextOr <= 0) return EvalAndChain(text, &decidable);
      const int result = EvalAndChain(Left(text, andPos + 2 + nextOr), &decidable);
      if (result) decidable = 1;
      text = (result ? "1" : "0") + std::string(Mid(right, nextOr));
    }
    if (andPos == 0) return 0;
  }
}

// IF((term1)op(term2)): "&&" needs both terms, any other operator either. The
// operator is the two characters after the first term's bracket.
int CPreprocessor::EvalBracketCondition(std::string_view line) {
  std::string_view rest = Mid(line, Find(line, kw::kOpen) + 1);
  int open = Find(rest, kw::kOpen);
  if (open < 0) return 0;
  int close = Find(rest, kw::kClose);
  const std::string_view term1 = Mid(rest, open + 1, close - open - 1);
  rest = Mid(rest, close + 1);
  const std::string_view op = LeftChars(rest, 2);
  rest = rest.substr(op.size());
  open = Find(rest, kw::kOpen);
  close = Find(rest, kw::kClose);
  const std::string_view term2 = open < 0 ? std::string_view() : Mid(rest, open + 1, close - open - 1);
  const int result1 = EvalBracketTerm(term1);
  const int result2 = EvalBracketTerm(term2);
  return op == kw::kAnd ? (result1 && result2) : (result1 || result2);
}

// A term without "&&" or "||" gives 0.
int CPreprocessor::EvalBracketTerm(std::string_view term) {
  const bool hasAnd = Find(term, kw::kAnd) > 0, hasOr = Find(term, kw::kOr) > 0;
  if (hasAnd && hasOr) return EvalMixedCondition(std::string(term));
  int result = 0;
  if (hasAnd)
    result = EvalAndChain(term, &m_state.decidable);
  else if (hasOr)
    result = EvalOrChain(term, &m_state.decidable);
  if (result) m_state.decidable = 1;
  return result;
}

// The preprocessor's line rules: opening and closing levels, ELSE and ELSEIF
// branches, the directives decided here and the result rules of conditions.
#include "core/Preprocessor.h"

#include "core/PreprocText.h"
#include "core/Utf8Text.h"

using namespace preproc;

namespace {

// Holds "IF" but neither "ENDIF" nor "ELSEIF".
bool IsIfLine(std::string_view line) {
  return Contains(line, kw::kIf) && !Contains(line, kw::kEndif) && !Contains(line, kw::kElseif);
}

bool HasIfdef(std::string_view line) { return Contains(line, kw::kIfdef); }
bool HasIfndef(std::string_view line) { return Contains(line, kw::kIfndef); }
bool HasCommentedIf(std::string_view line) { return Contains(line, kw::kCommentedIf); }

// The operand of an IFDEF or IFNDEF line as the opening rule reads it.
std::string DirectiveOperand(std::string_view line) {
  std::string operand = RemoveAll(RemoveAll(line, kw::kSpace), kw::kTab);
  operand = RemoveAll(RemoveAll(operand, kw::kIfndef), kw::kIfdef);
  operand.resize(CutBeforeComment(operand).size());
  return operand;
}

// The name after the first keyword of an IFDEF or IFNDEF line.
std::string DirectiveName(std::string_view line, std::string_view keyword) {
  const std::string name = RemoveAll(line, kw::kSpace);
  const int pos = Find(name, keyword);
  const std::string_view after = pos >= 0 ? Mid(name, pos + Length(keyword)) : std::string_view(name);
  return std::string(Trimmed(CutBeforeComment(after)));
}

}  // namespace

// Everything a directive line does that depends on its text and the define
// text alone.
// Decided on the line's bytes with invalid UTF-8 repaired, as the decoded
// line would be.
PreprocLineDecision CPreprocessor::DecideLine(std::string_view bytes) {
  PreprocLineDecision d;
  AppendRepairedUtf8(d.readBytes, bytes.data(), bytes.size());
  const std::string_view read = d.readBytes;
  const bool readIfdef = HasIfdef(read), readIfndef = HasIfndef(read);
  d.notesIf = (IsIfLine(read) || readIfdef || readIfndef) && !HasCommentedIf(read);
  d.opensLevel = d.notesIf && ((!readIfdef && !readIfndef) || IsDefineName(DirectiveOperand(read)));
  d.lineBytes = d.opensLevel ? RemoveAll(read, kw::kTab) : d.readBytes;
  const std::string_view line = d.lineBytes;
  d.hasElse = Contains(line, kw::kElse);
  d.hasElseif = Contains(line, kw::kElseif);
  d.hasEndif = Contains(line, kw::kEndif);
  d.hasCommentedEndif = Contains(line, kw::kCommentedEndif);
  if (HasCommentedIf(line)) return d;
  const bool ifLine = IsIfLine(line);
  const bool ifdef = HasIfdef(line), ifndef = HasIfndef(line);
  if (ifLine && ifdef && !ifndef) {
    d.kind = PreprocLineDecision::kIfdef;
    d.dropsBlock = IfdefDrops(line);
  } else if (ifLine && ifndef && !ifdef && IsDefineName(DirectiveOperand(line))) {
    d.kind = PreprocLineDecision::kIfndef;
    d.dropsBlock = IfndefDrops(line);
  } else if ((ifLine || d.hasElseif) && !ifdef && !ifndef) {
    d.kind = PreprocLineDecision::kCondition;
    d.condition = DecideCondition(line);
  }
  return d;
}

void CPreprocessor::ApplyLine(const PreprocLineDecision& d) {
  PreprocState& st = m_state;
  if (st.depth == 0) st.decidable = 1;
  if (d.notesIf) {
    if (d.opensLevel && !OpenLevel()) return;
    st.branchTaken = 0;
  }
  if (HandleElseLine(d) || HandleDecidableDirective(d)) return;
  if (d.hasEndif && st.depth > 0) {
    ApplyEndif(d);
    return;
  }
  if (IsOutputActive()) st.outputText += d.lineBytes;
}

// ELSE and ELSEIF switch the top level; true when the line is done.
bool CPreprocessor::HandleElseLine(const PreprocLineDecision& d) {
  PreprocState& st = m_state;
  if (!d.hasElse) return false;
  st.branchTaken = 0;
  if (!HasOpenLevel()) return true;
  int& skipping = m_nest.skipping[st.depth - 1];
  const int undecided = m_nest.undecided[st.depth - 1];
  if (d.hasElseif) {
    if (!skipping && !undecided) {
      st.branchTaken = 1;
      return true;
    }
    if (skipping) {
      skipping = 0;
      --st.skipCount;
    }
    return false;  // its condition is decided next
  }
  if (!skipping && !undecided) {
    skipping = 1;
    ++st.skipCount;
  } else if (skipping) {
    skipping = 0;
    --st.skipCount;
  }
  return true;
}

// IFDEF, IFNDEF and conditions, while nothing undecided is open; true when the
// line is done.
bool CPreprocessor::HandleDecidableDirective(const PreprocLineDecision& d) {
  const PreprocState& st = m_state;
  if (!st.decidable || st.skipCount != 0) return false;
  switch (d.kind) {
    case PreprocLineDecision::kIfdef:
    case PreprocLineDecision::kIfndef:
      if (d.dropsBlock) DropUndecided();
      return true;
    case PreprocLineDecision::kCondition: ApplyCondition(d.condition, d.readBytes); return true;
    case PreprocLineDecision::kKeep: break;
  }
  return false;
}

bool CPreprocessor::IsOutputActive() const {
  const PreprocState& st = m_state;
  return st.skipCount == 0 && st.undecidedCount == 0 && st.branchTaken == 0;
}

bool CPreprocessor::OpenLevel() {
  PreprocState& st = m_state;
  if (st.depth >= kMaxNestLevels) {
    m_malformed = true;
    return false;
  }
  m_nest.skipping[st.depth] = 0;
  m_nest.undecided[st.depth] = 0;
  ++st.depth;
  return true;
}

bool CPreprocessor::HasOpenLevel() {
  if (m_state.depth > 0) return true;
  m_malformed = true;
  return false;
}

void CPreprocessor::MarkTopSkipping() {
  if (!HasOpenLevel()) return;
  int& skipping = m_nest.skipping[m_state.depth - 1];
  if (skipping) return;
  skipping = 1;
  ++m_state.skipCount;
}

void CPreprocessor::MarkTopUndecided() {
  if (!HasOpenLevel()) return;
  int& undecided = m_nest.undecided[m_state.depth - 1];
  if (undecided) return;
  undecided = 1;
  ++m_state.undecidedCount;
}

// A name found nowhere in the define text drops the block, undecided.
bool CPreprocessor::IfdefDrops(std::string_view line) const {
  const std::string name = DirectiveName(line, kw::kIfdef);
  if (!IsDefineName(name)) return false;
  std::string entry(kw::kLineEnd);
  entry += name;
  entry += kw::kSpace;
  return !DefinesContain(entry) && !DefinesContain(name);
}

// A name found anywhere in the define text drops the block, undecided.
bool CPreprocessor::IfndefDrops(std::string_view line) const {
  const std::string name = DirectiveName(line, kw::kIfndef);
  return IsDefineName(name) && DefinesContain(name);
}

void CPreprocessor::DropUndecided() {
  m_state.decidable = 0;
  MarkTopSkipping();
  MarkTopUndecided();
}

void CPreprocessor::ApplyEndif(const PreprocLineDecision& d) {
  PreprocState& st = m_state;
  if (d.hasCommentedEndif) {
    st.outputText += d.lineBytes;
    return;
  }
  --st.depth;
  int& skipping = m_nest.skipping[st.depth];
  int& undecided = m_nest.undecided[st.depth];
  if (undecided) {
    --st.undecidedCount;
    st.decidable = 1;
  }
  if (skipping) --st.skipCount;
  skipping = 0;
  undecided = 0;
  st.branchTaken = 0;
}

void CPreprocessor::ApplyResultH1(int result, const std::string& readBytes) {
  if (result) return;
  if (m_state.decidable) {
    MarkTopSkipping();
  } else if (HasOpenLevel()) {
    m_state.outputText += readBytes;
    MarkTopUndecided();
  }
}

void CPreprocessor::ApplyResultH2(int result, const std::string& readBytes) {
  if (!result && !m_state.decidable) {
    MarkTopSkipping();
    m_state.decidable = 1;
    return;
  }
  ApplyResultH1(result, readBytes);
}

void CPreprocessor::ApplyCondition(const PreprocConditionOutcome& outcome, const std::string& readBytes) {
  PreprocState& st = m_state;
  st.decidable = outcome.decidable;
  st.decidable2 = outcome.decidable2;
  switch (outcome.rule) {
    case PreprocConditionOutcome::kResult: ApplyResultH1(outcome.result, readBytes); return;
    case PreprocConditionOutcome::kOrResult: ApplyResultH2(outcome.result, readBytes); return;
    case PreprocConditionOutcome::kNotEqual:
      if (!outcome.result) MarkTopSkipping();
      return;
    case PreprocConditionOutcome::kTwoTerm:
      // Neither comparison decided: the line stays and the block is undecided.
      if (!st.decidable && !st.decidable2) {
        if (!HasOpenLevel()) return;
        if (st.skipCount == 0) st.outputText += readBytes;
        MarkTopUndecided();
        return;
      }
      if (!outcome.result) MarkTopSkipping();
      st.decidable = 1;
      st.decidable2 = 1;
      return;
  }
}

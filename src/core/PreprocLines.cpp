// The preprocessor's line rules: opening and closing levels, ELSE and ELSEIF
// branches, the directives decided here and the result rules of conditions.
#include "core/Preprocessor.h"

#include "core/PreprocText.h"

using namespace preproc;

namespace {

// Holds "IF" but neither "ENDIF" nor "ELSEIF".
bool IsIfLine(const wxString& line) {
  return Contains(line, kw::kIf) && !Contains(line, kw::kEndif) && !Contains(line, kw::kElseif);
}

bool HasIfdef(const wxString& line) { return Contains(line, kw::kIfdef); }
bool HasIfndef(const wxString& line) { return Contains(line, kw::kIfndef); }
bool HasCommentedIf(const wxString& line) { return Contains(line, kw::kCommentedIf); }

// The operand of an IFDEF or IFNDEF line as the opening rule reads it.
wxString DirectiveOperand(const wxString& line) {
  wxString operand = RemoveAll(RemoveAll(line, kw::kSpace), kw::kTab);
  operand = RemoveAll(RemoveAll(operand, kw::kIfndef), kw::kIfdef);
  return CutBeforeComment(operand);
}

// The name after the first keyword of an IFDEF or IFNDEF line.
wxString DirectiveName(const wxString& line, const wxString& keyword) {
  wxString name = RemoveAll(line, kw::kSpace);
  const int pos = Find(name, keyword);
  if (pos >= 0) name = Mid(name, pos + Length(keyword));
  return Trimmed(CutBeforeComment(name));
}

}  // namespace

void CPreprocessor::ProcessLine(const wxString& line) {
  PreprocState& st = m_state;
  st.ifPos = Find(line, kw::kIf);
  if (st.depth == 0) st.decidable = 1;
  // Every directive holds "IF" or "ELSE": any other line is only kept or dropped.
  if (st.ifPos < 0 && !Contains(line, kw::kElse)) {
    if (IsOutputActive()) AppendOutput(line);
    return;
  }
  st.line = line;
  st.lineCopy = line;
  OpenOrNoteIfLine();
  if (m_malformed || HandleElseLine()) return;
  if (HandleDecidableDirective()) return;
  if (Contains(st.line, kw::kEndif) && st.depth > 0) {
    ApplyEndif();
    return;
  }
  KeepLineWhenActive();
}

// An IF, IFDEF or IFNDEF line opens a level; an IFDEF or IFNDEF line only when
// its operand is a name. Either way an earlier taken branch is forgotten.
void CPreprocessor::OpenOrNoteIfLine() {
  const wxString& line = m_state.line;
  const bool ifdef = HasIfdef(line), ifndef = HasIfndef(line);
  if (!(IsIfLine(line) || ifdef || ifndef) || HasCommentedIf(line)) return;
  if ((!ifdef && !ifndef) || IsDefineName(DirectiveOperand(line))) {
    if (!OpenLevel()) return;
  }
  m_state.branchTaken = 0;
}

// ELSE and ELSEIF switch the top level; true when the line is done.
bool CPreprocessor::HandleElseLine() {
  PreprocState& st = m_state;
  if (!Contains(st.line, kw::kElse)) return false;
  st.branchTaken = 0;
  if (!HasOpenLevel()) return true;
  int& skipping = m_nest.skipping[st.depth - 1];
  const int undecided = m_nest.undecided[st.depth - 1];
  if (Contains(st.line, kw::kElseif)) {
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
bool CPreprocessor::HandleDecidableDirective() {
  const PreprocState& st = m_state;
  if (!st.decidable || HasCommentedIf(st.line) || st.skipCount != 0) return false;
  const bool ifLine = IsIfLine(st.line);
  const bool ifdef = HasIfdef(st.line), ifndef = HasIfndef(st.line);
  if (ifLine && ifdef && !ifndef) {
    ApplyIfdef();
    return true;
  }
  if (ifLine && ifndef && !ifdef && IsDefineName(DirectiveOperand(st.line))) {
    ApplyIfndef();
    return true;
  }
  if ((ifLine || Contains(st.line, kw::kElseif)) && !ifdef && !ifndef) {
    EvaluateCondition();
    return true;
  }
  return false;
}

bool CPreprocessor::IsOutputActive() const {
  const PreprocState& st = m_state;
  return st.skipCount == 0 && st.undecidedCount == 0 && st.branchTaken == 0;
}

void CPreprocessor::KeepLineWhenActive() {
  if (IsOutputActive()) AppendOutput(m_state.line);
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
  if (st.line.find(kw::kTab) != wxString::npos) st.line.Replace(kw::kTab, wxString(), true);
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
void CPreprocessor::ApplyIfdef() {
  const wxString name = DirectiveName(m_state.line, kw::kIfdef);
  if (!IsDefineName(name) || DefinesContain(kw::kLineEnd + name + kw::kSpace) || DefinesContain(name)) return;
  m_state.decidable = 0;
  MarkTopSkipping();
  MarkTopUndecided();
}

// A name found anywhere in the define text drops the block, undecided.
void CPreprocessor::ApplyIfndef() {
  const wxString name = DirectiveName(m_state.line, kw::kIfndef);
  if (!IsDefineName(name) || !DefinesContain(name)) return;
  m_state.decidable = 0;
  MarkTopSkipping();
  MarkTopUndecided();
}

void CPreprocessor::ApplyEndif() {
  PreprocState& st = m_state;
  if (Contains(st.line, kw::kCommentedEndif)) {
    AppendOutput(st.line);
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

void CPreprocessor::ApplyResultH1(int result) {
  if (result) return;
  if (m_state.decidable) {
    MarkTopSkipping();
  } else if (HasOpenLevel()) {
    AppendOutput(m_state.lineCopy);
    MarkTopUndecided();
  }
}

void CPreprocessor::ApplyResultH2(int result) {
  if (!result && !m_state.decidable) {
    MarkTopSkipping();
    m_state.decidable = 1;
    return;
  }
  ApplyResultH1(result);
}

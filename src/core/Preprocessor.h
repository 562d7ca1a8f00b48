// Conditional preprocessor of the generated firmware sources: decides the
// IFDEF, IFNDEF, IF, IFE, ELSEIF, ELSE and ENDIF blocks of the .inc and .asm
// files from the "#define" lines found in a folder tree, and rewrites the files
// in place. Keywords are plain, case-sensitive text found anywhere in a line.
#pragma once

#include "core/PreprocLineTable.h"
#include "core/PreprocTextIndex.h"

#include <wx/string.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

// Working state of one file, reset at its start.
struct PreprocState {
  std::string outputText;  // the file being rebuilt, as UTF-8
  int skipCount = 0;       // open levels whose lines are dropped
  int undecidedCount = 0;  // open levels whose condition named an unknown define
  int decidable = 1;       // cleared while an undecided block is being dropped
  int decidable2 = 1;      // the second comparison of a two-term condition
  int depth = 0;           // open levels
  int branchTaken = 0;     // an ELSEIF met after a taken branch
};

constexpr int kMaxNestLevels = 20;

// What a condition line gives, found from the define text alone: which rule
// acts on the top level, its result and the decidable flags it leaves.
struct PreprocConditionOutcome {
  enum Rule : unsigned char { kResult, kOrResult, kNotEqual, kTwoTerm } rule = kResult;
  int result = 0;  // kTwoTerm: whether the two terms hold
  int decidable = 1;
  int decidable2 = 1;
};

// What a directive line does apart from the levels it meets, found once for
// each distinct line of a run.
struct PreprocLineDecision {
  enum Kind : unsigned char { kKeep, kIfdef, kIfndef, kCondition } kind = kKeep;
  bool notesIf = false;     // an IF, IFDEF or IFNDEF line: an earlier taken branch is forgotten
  bool opensLevel = false;  // it opens a level (and its tabs are removed)
  bool hasElse = false;
  bool hasElseif = false;
  bool hasEndif = false;
  bool hasCommentedEndif = false;
  bool dropsBlock = false;            // kIfdef, kIfndef: the block is dropped, undecided
  PreprocConditionOutcome condition;  // kCondition
  std::string lineBytes;              // the line as kept: tabs removed when it opens a level
  std::string readBytes;              // the line as read, invalid UTF-8 repaired
};

// Flags of the open levels, index 0 being the outermost.
struct PreprocNestStack {
  int skipping[kMaxNestLevels] = {};   // the level's lines are dropped
  int undecided[kMaxNestLevels] = {};  // the level's condition could not be decided
};

class CPreprocessor {
 public:
  // Collects the defines of every file under defineFolder, then rewrites every
  // .inc and .asm file under rewriteFolder; either may be empty. Entries are
  // taken in name order. False when any file failed (see FailedFiles).
  bool PreprocessTree(const wxString& defineFolder, const wxString& rewriteFolder);

  // Appends the "#define" lines of one file to the define text; false when the
  // file cannot be read.
  bool CollectDefines(const wxString& filePath);

  // Rewrites one file with its decided blocks resolved. False when it cannot be
  // read or written, or when its directives cannot be followed (more than 20
  // open levels; ELSE, ELSEIF or a condition's result with no open level): the
  // file is then left unchanged.
  bool PreprocessFile(const wxString& filePath);

  // A file held in memory under the path it is to have. It moves without a
  // copy of its bytes, also when a vector of files grows (wxString has no
  // move of its own).
  struct stFile {
    stFile() = default;
    stFile(const wxString& filePath, std::string fileBytes) : path(filePath), bytes(std::move(fileBytes)) {}
    stFile(stFile&& other) noexcept { Swap(other); }
    stFile& operator=(stFile&& other) noexcept {
      Swap(other);
      return *this;
    }
    void Swap(stFile& other) noexcept {
      path.swap(other.path);
      bytes.swap(other.bytes);
    }

    wxString path;
    std::string bytes;
  };
  // Decides files held in memory as PreprocessTree decides a folder holding
  // exactly them: the defines of every file in walk order, then each .inc and
  // .asm file's bytes rewritten in place. False when a file's directives
  // cannot be followed (FailedFiles names it; its bytes stay as they were).
  // The files end up in walk order.
  bool PreprocessFiles(std::vector<stFile>& files);

  // Files decided one at a time, by a caller that streams them: the defines
  // of every file first, in walk order, then each file's bytes decided.
  // The order in which the folder walk of PreprocessTree meets paths: indexes
  // into paths.
  static std::vector<size_t> WalkOrder(const std::vector<wxString>& paths);
  // Appends the "#define" lines of a file's bytes to the define text.
  void CollectDefineBytes(const std::string& bytes) { CollectDefineLines(bytes); }
  // Decides a file's bytes into DecidedBytes(), valid until the next call;
  // false when its directives cannot be followed.
  bool DecideBytes(const std::string& bytes) { return RewriteBytes(bytes); }
  const std::string& DecidedBytes() const { return m_state.outputText; }
  // A file whose blocks are decided: the text from the last "." of its path on,
  // lower-cased, holds ".inc" or ".asm".
  static bool IsRewrittenFile(const wxString& path);

  // Reads the files the folder walk of PreprocessTree meets, in its order,
  // but those whose paths are in skipped, onto the end of files. A folder or
  // file that cannot be read is named in FailedFiles and left out.
  void ReadTreeFiles(const wxString& folder, const std::unordered_set<std::wstring>& skipped,
                     std::vector<stFile>& files);

  // Whether rewritten files may be written over in place instead of replaced
  // atomically: only for a folder this generation has just made, where a
  // failed write loses nothing that was there before.
  void SetWriteInPlace(bool inPlace) { m_writeInPlace = inPlace; }

  // Every file or folder that failed, in the order met.
  const std::vector<wxString>& FailedFiles() const { return m_failedFiles; }
  wxString DefineText() const { return wxString::FromUTF8(m_defineText); }
  void ClearDefines() {
    m_defineText.clear();
    DefinesChanged();
  }

 private:
  // Walking.
  void CollectTree(const wxString& folder, std::vector<wxString>* rewritten);
  void RewriteTree(const wxString& folder);
  bool Fail(const wxString& path);

  // One file.
  void CollectDefineLines(const std::string& bytes);
  bool RewriteText(const wxString& filePath, const std::string& bytes);
  bool RewriteBytes(const std::string& bytes);
  void KeepPlainLines(std::string_view lines);
  void ResetFileState();
  void DefinesChanged();
  bool WriteRewritten(const wxString& filePath, const std::string& bytes) const;

  // Directive lines: decided once per distinct line, then applied to the levels.
  const PreprocLineDecision& DecisionFor(std::string_view line);
  PreprocLineDecision DecideLine(std::string_view bytes);
  void ApplyLine(const PreprocLineDecision& decision);
  bool HandleElseLine(const PreprocLineDecision& decision);
  bool HandleDecidableDirective(const PreprocLineDecision& decision);
  bool IsOutputActive() const;

  // Levels.
  bool OpenLevel();
  bool HasOpenLevel();
  void MarkTopSkipping();
  void MarkTopUndecided();
  bool IfdefDrops(std::string_view line) const;
  bool IfndefDrops(std::string_view line) const;
  void DropUndecided();
  void ApplyEndif(const PreprocLineDecision& decision);

  // Conditions: decided from the line and the define text, then applied to
  // the top level.
  PreprocConditionOutcome DecideCondition(std::string_view line);
  PreprocConditionOutcome RouteReducedCondition(std::string_view condition);
  PreprocConditionOutcome EvalSimpleCondition(std::string_view condition);
  PreprocConditionOutcome EvalNotEqualCondition(std::string_view condition);
  PreprocConditionOutcome EvalTwoTerm(std::string_view condition, std::string_view op, bool isAnd);
  PreprocConditionOutcome Outcome(PreprocConditionOutcome::Rule rule, int result) const;
  void ApplyCondition(const PreprocConditionOutcome& outcome, const std::string& readBytes);
  void ApplyResultH1(int result, const std::string& readBytes);
  void ApplyResultH2(int result, const std::string& readBytes);

  // Conditions giving 1 or 0.
  int EvalAndChain(std::string_view text, int* decidable);
  int EvalOrChain(std::string_view text, int* decidable);
  int EvalMixedCondition(std::string text);
  int EvalBracketCondition(std::string_view line);
  int EvalBracketTerm(std::string_view term);
  int EvalChainTerm(std::string_view term, int* decidable);

  // Values and comparisons.
  int FindDefine(std::string_view name) const;
  int FindInDefines(std::string_view part) const;
  bool DefinesContain(std::string_view part) const { return FindInDefines(part) >= 0; }
  int GetDefineValue(int position, int* decidable) const;
  static int ParseDefineNumber(std::string_view text);
  static bool IsDefineName(std::string_view text);
  bool ResolveOperand(std::string_view text, bool* isName, int* value) const;
  template <typename Relation>
  int CompareOperands(std::string_view left, std::string_view right, int* decidable, Relation relation) const;
  int CompareEqual(std::string_view left, std::string_view right, int* decidable) const;
  int CompareNotEqual(std::string_view left, std::string_view right, int* decidable) const;
  int CompareGreater(std::string_view left, std::string_view right, int* decidable, bool orEqual) const;
  int CompareLess(std::string_view left, std::string_view right, int* decidable, bool orEqual) const;
  int TestDefined(std::string_view operand, int* decidable) const;

  // "NAME value\r\n" for each "#define" line found, as UTF-8; it lives for
  // the whole run.
  std::string m_defineText;
  PreprocState m_state;
  PreprocNestStack m_nest;
  bool m_malformed = false;  // the current file's directives cannot be followed
  bool m_writeInPlace = false;
  std::string m_fileBytes;  // the file being read, its buffer kept from file to file
  std::vector<wxString> m_failedFiles;
  // The define text filed for its searches, once after each change of it.
  mutable preproc::CTextIndex m_defineIndex;
  mutable bool m_defineIndexBuilt = false;
  // Each distinct directive line met since the define text last changed.
  // Keyed by the line's bytes as read.
  preproc::CTextTable<PreprocLineDecision> m_lineDecisions;
};

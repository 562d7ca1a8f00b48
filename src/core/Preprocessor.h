// Conditional preprocessor of the generated firmware sources: decides the
// IFDEF, IFNDEF, IF, IFE, ELSEIF, ELSE and ENDIF blocks of the .inc and .asm
// files from the "#define" lines found in a folder tree, and rewrites the files
// in place. Keywords are plain, case-sensitive text found anywhere in a line.
#pragma once

#include <wx/string.h>

#include <string>
#include <unordered_map>
#include <vector>

// Working state of one run. The define text lives for the whole run; every
// other field is reset at the start of each file.
struct PreprocState {
  wxString defineText;     // "NAME value\r\n" for each "#define" line found
  std::string outputText;  // the file being rebuilt, as UTF-8
  wxString line;           // current line; tabs removed when it opened a level
  wxString lineCopy;       // current line as it was read
  wxString leftOperand;
  wxString rightOperand;
  int ifPos = -1;          // "IF" in the current line
  int operatorPos = -1;    // comparison operator of a simple condition
  int andPos = -1;         // "&&" in the reduced condition
  int orPos = -1;          // "||" in the reduced condition
  int skipCount = 0;       // open levels whose lines are dropped
  int undecidedCount = 0;  // open levels whose condition named an unknown define
  int decidable = 1;       // cleared while an undecided block is being dropped
  int decidable2 = 1;      // the second comparison of a two-term condition
  int depth = 0;           // open levels
  int branchTaken = 0;     // an ELSEIF met after a taken branch
};

constexpr int kMaxNestLevels = 20;

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

  // A file held in memory under the path it is to have.
  struct stFile {
    wxString path;
    std::string bytes;
  };
  // Decides files held in memory as PreprocessTree decides a folder holding
  // exactly them: the defines of every file in walk order, then each .inc and
  // .asm file's bytes rewritten in place. False when a file's directives
  // cannot be followed (FailedFiles names it; its bytes stay as they were).
  // The files end up in walk order.
  bool PreprocessFiles(std::vector<stFile>& files);

  // Whether rewritten files may be written over in place instead of replaced
  // atomically: only for a folder this generation has just made, where a
  // failed write loses nothing that was there before.
  void SetWriteInPlace(bool inPlace) { m_writeInPlace = inPlace; }

  // Every file or folder that failed, in the order met.
  const std::vector<wxString>& FailedFiles() const { return m_failedFiles; }
  const wxString& DefineText() const { return m_state.defineText; }
  void ClearDefines() {
    m_state.defineText.clear();
    m_defineSearches.clear();
  }

 private:
  // Walking.
  void CollectTree(const wxString& folder, std::vector<wxString>* rewritten);
  void RewriteTree(const wxString& folder);
  static bool IsRewrittenFile(const wxString& path);
  bool Fail(const wxString& path);

  // One file.
  void CollectDefineLines(const std::string& bytes);
  bool RewriteText(const wxString& filePath, const std::string& bytes);
  bool RewriteBytes(const std::string& bytes);
  void ResetFileState();
  void ProcessLine(const wxString& line);
  void AppendOutput(const wxString& text);
  bool WriteRewritten(const wxString& filePath, const std::string& bytes) const;
  void OpenOrNoteIfLine();
  bool HandleElseLine();
  bool HandleDecidableDirective();
  bool IsOutputActive() const;
  void KeepLineWhenActive();

  // Levels.
  bool OpenLevel();
  bool HasOpenLevel();
  void MarkTopSkipping();
  void MarkTopUndecided();
  void ApplyIfdef();
  void ApplyIfndef();
  void ApplyEndif();

  // Conditions acting on the top level.
  void EvaluateCondition();
  void RouteReducedCondition(const wxString& condition);
  void EvalSimpleCondition(const wxString& condition);
  void EvalNotEqualCondition(const wxString& condition);
  void EvalTwoTermAnd(const wxString& condition);
  void EvalTwoTermOr(const wxString& condition);
  void EvalTwoTerm(const wxString& condition, const wxString& op, bool isAnd);
  void ApplyResultH0(int result) { ApplyResultH1(result); }
  void ApplyResultH1(int result);
  void ApplyResultH2(int result);

  // Conditions giving 1 or 0.
  int EvalAndChain(wxString text, int* decidable);
  int EvalOrChain(wxString text, int* decidable);
  int EvalMixedCondition(wxString text);
  int EvalBracketCondition(const wxString& line);
  int EvalBracketTerm(const wxString& term);
  int EvalChainTerm(const wxString& term, int* decidable);
  int EvalOrTerm(const wxString& term, int* decidable);

  // Values and comparisons.
  int FindDefine(const wxString& name) const;
  int FindInDefines(const wxString& part) const;
  bool DefinesContain(const wxString& part) const { return FindInDefines(part) >= 0; }
  int GetDefineValue(const wxString& defineText, int position, int* decidable) const;
  static int ParseDefineNumber(const wxString& text);
  static bool IsDefineName(const wxString& text);
  bool ResolveOperand(const wxString& text, bool* isName, int* value) const;
  template <typename Relation>
  int CompareOperands(const wxString& left, const wxString& right, int* decidable, Relation relation) const;
  int CompareEqual(const wxString& left, const wxString& right, int* decidable) const;
  int CompareNotEqual(const wxString& left, const wxString& right, int* decidable) const;
  int CompareGreater(const wxString& left, const wxString& right, int* decidable, bool orEqual) const;
  int CompareLess(const wxString& left, const wxString& right, int* decidable, bool orEqual) const;
  int TestDefined(const wxString& operand, int* decidable) const;

  PreprocState m_state;
  PreprocNestStack m_nest;
  bool m_malformed = false;  // the current file's directives cannot be followed
  bool m_writeInPlace = false;
  std::string m_fileBytes;  // the file being read, its buffer kept from file to file
  std::vector<wxString> m_failedFiles;
  // Where each text searched for was found in the define text (-1: nowhere);
  // emptied whenever the define text changes.
  mutable std::unordered_map<std::wstring, int> m_defineSearches;
};

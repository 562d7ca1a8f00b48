// The output command's steps after the key page's own check: the framework
// folder chosen by remote type and code mode, a fresh output folder made from
// it, the work folder copied over it and, for a general remote with generative
// code, its conditions decided. The first step that fails ends the command and
// leaves no output folder behind; saving the project and reporting success
// are the caller's.
#pragma once

#include <wx/string.h>

class CDocManage;

struct stOutputResult {
  wxString messageKey;  // the language text for the user; empty on success
  wxString path;        // the file or folder that text names, if any
  bool Succeeded() const { return messageKey.empty(); }
};

// Whether the conditional preprocessor runs over the output: general remotes
// with generative code (code type 0) only.
bool OutputNeedsPreprocessing(int remoteType, int codeType);

// Builds the output folder of doc from its work folder. Failures:
// "IDS_FAILED_COPY_PROJECT" (no framework for the MCU and protocol),
// "IDS_OUTPUT_COPY_FAILED" (a framework or generated file could not be
// copied; path names it) and "IDS_OUTPUT_PREPROCESS_FAILED" (a file's
// conditions could not be decided or it could not be rewritten; path names it).
stOutputResult BuildOutputFolder(CDocManage& doc);

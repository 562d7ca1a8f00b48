#include "keys/OutputCommand.h"

#include "core/DocManage.h"
#include "core/ProjectKinds.h"
#include "keys/KeyGuide.h"

namespace {

stOutputResult Failure(const char* key, const wxString& path) { return stOutputResult{key, path}; }

// Removes what this run made of the output folder; "src" folders that the
// engineer added to an earlier output of the same second stay.
stOutputResult Abandon(CDocManage& doc, const char* key) {
  const stOutputResult result = Failure(key, doc.GetFailedPath());
  doc.RemoveFolderTree(doc.GetOutputFolder());
  return result;
}

}  // namespace

bool OutputNeedsPreprocessing(int remoteType, int codeType) {
  return IsGeneralRemote(remoteType) && codeType == 0;
}

stOutputResult BuildOutputFolder(CDocManage& doc) {
  const wxString framework = FrameworkFolderName(doc.RemoteType, doc.CodeMode);
  if (!doc.PrepareOutputFolder(doc.OutputProtocolName, framework)) {
    // A copy that failed part-way has already taken back what it made.
    if (doc.GetFailedPath().empty()) return Failure("IDS_FAILED_COPY_PROJECT", wxString());
    return Failure("IDS_OUTPUT_COPY_FAILED", doc.GetFailedPath());
  }
  if (!doc.CopyTemplateFolder(doc.TempFolder, doc.GetOutputFolder()))
    return Abandon(doc, "IDS_OUTPUT_COPY_FAILED");
  if (OutputNeedsPreprocessing(doc.RemoteType, doc.CodeType) &&
      !doc.PreprocessFramework(doc.GetOutputFolder()))
    return Abandon(doc, "IDS_OUTPUT_PREPROCESS_FAILED");
  return stOutputResult{};
}

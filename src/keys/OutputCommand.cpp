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
  const bool preprocess = OutputNeedsPreprocessing(doc.RemoteType, doc.CodeType);
  switch (doc.MakeOutputFolder(doc.OutputProtocolName, framework, doc.TempFolder, preprocess)) {
    case CDocManage::OutputStep::kDone: return stOutputResult{};
    case CDocManage::OutputStep::kNoFramework: return Failure("IDS_FAILED_COPY_PROJECT", wxString());
    case CDocManage::OutputStep::kCopy: return Abandon(doc, "IDS_OUTPUT_COPY_FAILED");
    case CDocManage::OutputStep::kFolder: return Abandon(doc, "IDS_OUTPUT_FOLDER_FAILED");
    case CDocManage::OutputStep::kPreprocess: return Abandon(doc, "IDS_OUTPUT_PREPROCESS_FAILED");
  }
  return Failure("IDS_OUTPUT_COPY_FAILED", wxString());
}

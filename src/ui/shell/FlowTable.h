// The main dialog's flow table: which pages a project walks through, by its
// remote type and protocol type, with the navigation caption of each.
#pragma once

#include <vector>

struct stFlowStep {
  int templateId;
  const char* captionKey;
};

// The steps of the pair, the example page first; false (and only the example
// page) for a pair that has no flow.
bool GetFlowSteps(int remoteType, int protocolType, std::vector<stFlowStep>& steps);

// The pages whose project sections a save writes, in order (decode pages and
// the key configuration page's place included: the last entry is always the
// key configuration page).
std::vector<int> GetSavePages(int remoteType, int protocolType);

#include "ui/shell/FlowTable.h"

#include "ui/shell/ShellHooks.h"

bool GetFlowSteps(int remoteType, int protocolType, std::vector<stFlowStep>& steps) {
  steps.assign(1, stFlowStep{kExamplePageId, "IDS_NAVIGATION_MAIN"});
  if (remoteType == 0 && protocolType == 1) {
    steps.push_back({kStandardModePageId, "IDS_TI_PROTOCOL_TYPE"});
  } else if (remoteType == 0 && protocolType == 2) {
    steps.push_back({kModulationParamId, "IDS_UD_PARAM_MODULE"});
    steps.push_back({kDataFormatId, "IDS_UD_PARAM_DATA"});
  } else if ((remoteType == 1 || remoteType == 2) && protocolType == 2) {
    steps.push_back({kAirModulationId, "IDS_UD_PARAM_MODULE"});
    steps.push_back({kAirDataFormatId, "IDS_UD_PARAM_DATA"});
    steps.push_back({kOtherPageId, "IDS_FUNC_CONFIG"});
    steps.push_back({kLcdConfigId, "IDS_SHOW_CONFIG"});
  } else {
    return false;
  }
  steps.push_back({kKeyConfigId, "IDS_KEY_CONFIG"});
  return true;
}

std::vector<int> GetSavePages(int remoteType, int protocolType) {
  std::vector<int> pages;
  if (remoteType == 0 && protocolType == 1) {
    pages = {kStandardModePageId};
  } else if (remoteType == 0) {
    pages = {kModulationParamId, kDataFormatId};
  } else if (remoteType == 1 || remoteType == 2) {
    pages = {kAirModulationId, kAirDataFormatId, kOtherPageId};
  }
  if (remoteType != 0) pages.push_back(kLcdConfigId);
  pages.push_back(kKeyConfigId);
  return pages;
}

#include "ui/shell/FlowTable.h"

#include "core/ProjectKinds.h"
#include "ui/shell/ShellHooks.h"

bool GetFlowSteps(int remoteType, int protocolType, std::vector<stFlowStep>& steps) {
  steps.assign(1, stFlowStep{kExamplePageId, "IDS_NAVIGATION_MAIN"});
  if (IsGeneralRemote(remoteType) && IsStandardProtocol(protocolType)) {
    steps.push_back({kStandardModePageId, "IDS_TI_PROTOCOL_TYPE"});
  } else if (IsGeneralRemote(remoteType) && IsCustomProtocol(protocolType)) {
    steps.push_back({kModulationParamId, "IDS_UD_PARAM_MODULE"});
    steps.push_back({kDataFormatId, "IDS_UD_PARAM_DATA"});
  } else if (IsAirConditionerFlow(remoteType) && IsCustomProtocol(protocolType)) {
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
  if (IsGeneralRemote(remoteType) && IsStandardProtocol(protocolType)) {
    pages = {kStandardModePageId};
  } else if (IsGeneralRemote(remoteType)) {
    pages = {kModulationParamId, kDataFormatId};
  } else if (IsAirConditionerFlow(remoteType)) {
    pages = {kAirModulationId, kAirDataFormatId, kOtherPageId};
  }
  if (!IsGeneralRemote(remoteType)) pages.push_back(kLcdConfigId);
  pages.push_back(kKeyConfigId);
  return pages;
}

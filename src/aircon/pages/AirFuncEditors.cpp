#include "aircon/pages/AirFuncEditors.h"

#include <map>

namespace {

std::map<int, AirFuncEditorFactory>& Factories() {
  static std::map<int, AirFuncEditorFactory> factories;
  return factories;
}

}  // namespace

int AirEditorIdOfKind(int kind) {
  switch (kind) {
    case aircon::kAirFunction: return kFunctionEditorId;
    case aircon::kAirConstCode: return kConstCodeEditorId;
    case aircon::kAirVerify: return kVerifyEditorId;
    case aircon::kAirSimple: return kSimpleEditorId;
    case aircon::kAirUserDefined: return kUserDefinedEditorId;
    case aircon::kAirPureData: return kPureDataEditorId;
    default: return 0;
  }
}

void RegisterAirFuncEditor(int templateId, AirFuncEditorFactory factory) {
  if (factory) {
    Factories()[templateId] = std::move(factory);
  } else {
    Factories().erase(templateId);
  }
}

IAirFuncEditor* CreateAirFuncEditor(int templateId, wxWindow* parent) {
  const auto found = Factories().find(templateId);
  return found == Factories().end() ? nullptr : found->second(parent);
}

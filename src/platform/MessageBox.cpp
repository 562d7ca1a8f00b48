#include "platform/MessageBox.h"

#include <atomic>
#include <cstdio>

namespace platform {
namespace {
std::atomic<IMessageBoxService*> g_service{nullptr};
}

void InstallMessageBoxService(IMessageBoxService* service) { g_service = service; }

IMessageBoxService* GetMessageBoxService() { return g_service; }

int DefaultAnswer(unsigned type) {
  switch (type & kMbButtonMask) {
    case kMbYesNo:
    case kMbYesNoCancel: return kIdYes;
    default: return kIdOk;
  }
}

int ShowMessageBox(const stMessageBoxRequest& request) {
  if (IMessageBoxService* service = g_service) return service->Show(request);
  std::fprintf(stderr, "%s: %s\n", request.caption.utf8_str().data(), request.text.utf8_str().data());
  return DefaultAnswer(request.type);
}

}  // namespace platform

#include "keys/pages/KeyPanels.h"

namespace {
SendPreviewFactory& PreviewFactory() {
  static SendPreviewFactory factory;
  return factory;
}
KeyPanelFactory& KeyFactory() {
  static KeyPanelFactory factory;
  return factory;
}
}  // namespace

void RegisterSendPreviewPanel(SendPreviewFactory factory) { PreviewFactory() = std::move(factory); }
SendPreviewFactory GetSendPreviewPanelFactory() { return PreviewFactory(); }
void RegisterKeyPanel(KeyPanelFactory factory) { KeyFactory() = std::move(factory); }
KeyPanelFactory GetKeyPanelFactory() { return KeyFactory(); }

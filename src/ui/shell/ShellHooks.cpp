#include "ui/shell/ShellHooks.h"

#include "ui/SubBaseDlg.h"

#include <map>

namespace {

std::map<int, ShellPageFactory>& PageFactories() {
  static std::map<int, ShellPageFactory> factories;
  return factories;
}

NewProjectRunner& NewProjectSlot() {
  static NewProjectRunner runner;
  return runner;
}

DecodePageFactory& DecodePageSlot() {
  static DecodePageFactory factory;
  return factory;
}

IShellWindow*& ShellWindowSlot() {
  static IShellWindow* window = nullptr;
  return window;
}

ReceiverLinkFactory& ReceiverSlot() {
  static ReceiverLinkFactory factory;
  return factory;
}

}  // namespace

void RegisterShellPage(int templateId, ShellPageFactory factory) {
  if (factory) {
    PageFactories()[templateId] = std::move(factory);
  } else {
    PageFactories().erase(templateId);
  }
}

bool HasShellPage(int templateId) { return PageFactories().count(templateId) != 0; }

CSubBaseDlg* CreateShellPage(int templateId, wxWindow* parent) {
  auto found = PageFactories().find(templateId);
  if (found == PageFactories().end()) return nullptr;
  return found->second(parent);
}

IShellWindow* GetShellWindow() { return ShellWindowSlot(); }
void SetShellWindow(IShellWindow* window) { ShellWindowSlot() = window; }

void RegisterNewProjectDialog(NewProjectRunner runner) { NewProjectSlot() = std::move(runner); }
NewProjectRunner GetNewProjectDialog() { return NewProjectSlot(); }

void RegisterDecodePage(DecodePageFactory factory) { DecodePageSlot() = std::move(factory); }
DecodePageFactory GetDecodePageFactory() { return DecodePageSlot(); }

void RegisterReceiverLink(ReceiverLinkFactory factory) { ReceiverSlot() = std::move(factory); }
ReceiverLinkFactory GetReceiverLinkFactory() { return ReceiverSlot(); }

#include "receiver/pages/ReceiverPages.h"

#include "platform/gui/ModelessWindow.h"
#include "receiver/pages/CodeModePage.h"
#include "ui/shell/ShellHooks.h"

#include <wx/weakref.h>

namespace {

class CDecodePageHandle : public IDecodePage {
 public:
  explicit CDecodePageHandle(CCodeModePage* page) : m_page(page) {}
  ~CDecodePageHandle() override {
    if (m_page && !m_page->IsBeingDeleted()) m_page->Destroy();
  }

  wxWindow* GetWindow() override { return Page(); }
  void OnBoardState(int state, int version) override {
    if (CCodeModePage* page = Page()) page->ShowBoardState(state, version);
  }
  void OnBoardButtonState(int version, int) override {
    if (CCodeModePage* page = Page()) page->RefreshButtons(version);
  }
  bool SaveDecodedKeys() override {
    CCodeModePage* page = Page();
    return !page || page->SaveDecodedKeys();
  }
  void UpdateTexts() override {
    if (CCodeModePage* page = Page()) page->UpdateTexts();
  }
  CCodeModePage* Page() const { return m_page && !m_page->IsBeingDeleted() ? m_page.get() : nullptr; }

 private:
  wxWeakRef<CCodeModePage> m_page;
};

}  // namespace

IDecodePage* CreateDecodePageHandle(int mode) {
  auto* page = new CCodeModePage(mode);
  // Modeless beside the modal main window: the user works in both.
  platform::KeepInputWhileOthersAreModal(page);
  page->Show();
  return new CDecodePageHandle(page);
}

CCodeModePage* PageOfHandle(IDecodePage* handle) {
  auto* known = dynamic_cast<CDecodePageHandle*>(handle);
  return known ? known->Page() : nullptr;
}

void RegisterReceiverPages() { RegisterDecodePage(&CreateDecodePageHandle); }

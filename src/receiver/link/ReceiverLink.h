// The worker thread as the windows see it: CReceiverLink starts the thread on
// the bound board library, posts the windows' requests to it and carries its
// window messages to the UI thread, where each is handled while the worker
// waits (so a record buffer stays valid for the handler).
#pragma once

#include "receiver/board/WorkThread.h"
#include "ui/shell/ShellHooks.h"

#include <memory>

class CWindowDispatch;

class CReceiverLink : public IReceiverLink {
 public:
  explicit CReceiverLink(board::stWorkThreadSetup setup);
  // Releases a worker that waits for the UI thread, then ends the thread.
  ~CReceiverLink() override;

  void SetNotifyWindow(wxWindow* window) override;
  void PostConnect() override;
  void PostStartDecode(wxWindow* page) override;
  void PostUpdateFirmware(wxWindow* page, const wxString& path) override;
  bool IsDecodeRunning() const override;
  bool IsUpdateRunning() const override;

 private:
  std::shared_ptr<CWindowDispatch> m_dispatch;
  std::unique_ptr<board::CWorkThread> m_thread;
};

// The link on the libraries bound at start-up, with the brand's command bytes.
std::unique_ptr<IReceiverLink> CreateReceiverLink();
// Registers CreateReceiverLink as the shell's receiver link.
void RegisterReceiverThread();

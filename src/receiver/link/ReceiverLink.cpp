#include "receiver/link/ReceiverLink.h"

#include "core/AppContext.h"
#include "core/DocManage.h"
#include "core/MessageBoxes.h"
#include "core/RuntimeLibraries.h"
#include "ui/shell/ShellMessages.h"

#include <wx/app.h>
#include <wx/thread.h>
#include <wx/utils.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <condition_variable>
#include <map>
#include <mutex>

namespace {

wxEventType EventTypeOf(int message) {
  switch (message) {
    case board::WM_BOARD_STATE: return WM_BOARD_STATE;
    case board::WM_BOARD_STATUS_TEXT: return WM_BOARD_STATUS_TEXT;
    case board::WM_BOARD_UPDATE_PROGRESS: return WM_BOARD_UPDATE_PROGRESS;
    case board::WM_BOARD_BUTTON_STATE: return WM_BOARD_BUTTON_STATE;
    case board::WM_DECODE_WAVE_BLOCK: return WM_DECODE_WAVE_BLOCK;
    case board::WM_DECODE_PARSE: return WM_DECODE_PARSE;
    case board::WM_DECODE_DONE: return WM_DECODE_DONE;
    case board::WM_DECODE_RESET: return WM_DECODE_RESET;
    default: return wxEVT_NULL;
  }
}

std::intptr_t HandleOf(wxWindow* window) { return reinterpret_cast<std::intptr_t>(window); }

}  // namespace

// Carries the worker's messages to the UI thread. Windows are known by the
// handles the link gave the worker; a window destroyed meanwhile takes nothing.
class CWindowDispatch : public board::IBoardWindows, public std::enable_shared_from_this<CWindowDispatch> {
 public:
  // UI thread: the handle under which the worker names the window.
  std::intptr_t Register(wxWindow* window) {
    if (!window) return 0;
    m_windows[HandleOf(window)] = window;
    return HandleOf(window);
  }

  long Send(std::intptr_t window, int message, std::intptr_t wParam, std::intptr_t lParam) override {
    if (!window) return 0;
    if (wxThread::IsMain()) return Deliver(window, message, wParam, lParam);
    auto call = std::make_shared<stCall>();
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      if (m_closed) return 0;
    }
    std::shared_ptr<CWindowDispatch> self = shared_from_this();
    wxTheApp->CallAfter([self, call, window, message, wParam, lParam] {
      const long result = self->IsClosed() ? 0 : self->Deliver(window, message, wParam, lParam);
      {
        std::lock_guard<std::mutex> lock(self->m_mutex);
        call->result = result;
        call->done = true;
      }
      self->m_answered.notify_all();
    });
    std::unique_lock<std::mutex> lock(m_mutex);
    m_answered.wait(lock, [&] { return call->done || m_closed; });
    return call->done ? call->result : 0;
  }

  void BuildDone() override {
    std::shared_ptr<CWindowDispatch> self = shared_from_this();
    wxTheApp->CallAfter([self] {
      if (self->IsClosed()) return;
      const wxString folder = g_DocManage.GetProjectFolder();
      if (LangMessageBox("", kNoticeOkCancel, "IDS_BUILD_OK", folder) == kNoticeAnswerOk) {
        wxLaunchDefaultApplication(folder);
      }
    });
  }

  // UI thread: no more deliveries; a worker waiting for one goes on with 0.
  void Close() {
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_closed = true;
    }
    m_answered.notify_all();
  }

 private:
  struct stCall {
    bool done = false;
    long result = 0;
  };

  bool IsClosed() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_closed;
  }

  // UI thread.
  long Deliver(std::intptr_t window, int message, std::intptr_t wParam, std::intptr_t lParam) {
    auto found = m_windows.find(window);
    if (found == m_windows.end() || !found->second) return 0;
    const wxEventType type = EventTypeOf(message);
    if (type == wxEVT_NULL) return 0;
    return SendShellMessage(found->second.get(), type, wParam, lParam);
  }

  std::map<std::intptr_t, wxWeakRef<wxWindow>> m_windows;  // UI thread only
  std::mutex m_mutex;
  std::condition_variable m_answered;
  bool m_closed = false;
};

CReceiverLink::CReceiverLink(board::stWorkThreadSetup setup)
    : m_dispatch(std::make_shared<CWindowDispatch>()) {
  setup.windows = m_dispatch.get();
  m_thread = std::make_unique<board::CWorkThread>(setup);
  m_thread->Start();
}

CReceiverLink::~CReceiverLink() {
  m_dispatch->Close();
  m_thread.reset();
}

void CReceiverLink::SetNotifyWindow(wxWindow* window) {
  m_thread->SetMainWindow(m_dispatch->Register(window));
}

void CReceiverLink::PostConnect() { m_thread->PostThreadMessage(board::WM_WT_CONNECT); }

void CReceiverLink::PostStartDecode(wxWindow* page) {
  m_thread->PostThreadMessage(board::WM_WT_START_DECODE, m_dispatch->Register(page));
}

void CReceiverLink::PostUpdateFirmware(wxWindow* page, const wxString& path) {
  m_thread->PostUpdateFirmware(m_dispatch->Register(page), path);
}

bool CReceiverLink::IsDecodeRunning() const { return m_thread->IsDecodeRunning(); }

bool CReceiverLink::IsUpdateRunning() const { return m_thread->IsUpdateRunning(); }

std::unique_ptr<IReceiverLink> CreateReceiverLink() {
  board::stWorkThreadSetup setup;
  setup.hid.OpenDevice = Conduvix::CV_OpenDeviceI;
  setup.hid.CloseDevice = Conduvix::CV_CloseDevice;
  setup.hid.SetUSBCmd = Conduvix::CV_SetUSBCmd;
  setup.hid.GetUSBAck = Conduvix::CV_GetUSBAck;
  setup.hid.ReadUSB = Conduvix::CV_ReadUSB;
  setup.bootloader.NameDevice = Nexboot::SetBootloaderDevice;
  setup.bootloader.DisConnectBootloader = Nexboot::DisConnectBootloader;
  setup.bootloader.ConnectToBootloader = Nexboot::ConnectToBootloader;
  setup.bootloader.GetMCUInfo = Nexboot::GetMCUInfo;
  setup.bootloader.LoadFileEx = Nexboot::LoadFileEx;
  setup.bootloader.EraseByPage = Nexboot::EraseByPage;
  setup.bootloader.Program = Nexboot::Program;
  setup.bootloader.VerifyByPage = Nexboot::VerifyByPage;
  setup.bootloader.ExecuteProgramFrom = Nexboot::ExecuteProgramFrom;
  setup.bootloader.SwitchToUserProgram = Nexboot::SwitchToUserProgram;
  setup.decryptFile = Cryptora::RJDecryptFile;
  setup.makerBrand = g_BrandFlag != 0;
  return std::make_unique<CReceiverLink>(setup);
}

void RegisterReceiverThread() { RegisterReceiverLink(&CreateReceiverLink); }

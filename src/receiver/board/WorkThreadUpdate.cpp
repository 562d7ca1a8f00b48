// The firmware update run on the worker thread.
#include "receiver/board/WorkThread.h"

namespace board {

void CWorkThread::OnUpdateFirmware(const wxString& path) {
  (void)path;
  m_updateRunning = true;
  SendButtonState();
  SendToNotify(WM_BOARD_UPDATE_PROGRESS, 0);
  m_updateRunning = false;
}

}  // namespace board

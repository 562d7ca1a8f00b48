// A message-box service for unattended runs: when OLVANTA_MESSAGE_LOG names a
// file, every box is appended to it ("caption<TAB>text", line breaks as "\n")
// and answered with its first button instead of being shown.
#pragma once

#include "platform/MessageBox.h"

class CMessageLogService : public platform::IMessageBoxService {
 public:
  explicit CMessageLogService(const wxString& logPath) : m_logPath(logPath) {}
  int Show(const platform::stMessageBoxRequest& request) override;

 private:
  wxString m_logPath;
};

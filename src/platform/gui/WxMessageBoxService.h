// The message-box service on wxWidgets dialogs.
#pragma once

#include "platform/MessageBox.h"

namespace platform {

class CWxMessageBoxService : public IMessageBoxService {
 public:
  int Show(const stMessageBoxRequest& request) override;
};

}  // namespace platform

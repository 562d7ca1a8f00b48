// The message-box service. Headless code shows boxes through an interface the
// program installs (wxWidgets dialogs); tests install a recorder.
#pragma once

#include <wx/string.h>

namespace platform {

// Box types and answers keep the values of the Windows message box, which
// callers compare with.
enum MessageBoxType : unsigned {
  kMbOk = 0x0,
  kMbOkCancel = 0x1,
  kMbYesNoCancel = 0x3,
  kMbYesNo = 0x4,
  kMbButtonMask = 0xF,
  kMbIconError = 0x10,
  kMbIconQuestion = 0x20,
  kMbIconWarning = 0x30,
  kMbIconInformation = 0x40,
  kMbIconMask = 0xF0,
};

enum MessageBoxAnswer : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

struct stMessageBoxRequest {
  wxString text;
  wxString caption;
  unsigned type = kMbOk;
  // Button labels; an empty label keeps the platform's own.
  wxString yesLabel, noLabel, cancelLabel, okLabel;
};

class IMessageBoxService {
 public:
  virtual ~IMessageBoxService() = default;
  // Shows the box modally and returns the answer (kIdOk, kIdCancel, ...).
  virtual int Show(const stMessageBoxRequest& request) = 0;
};

// The service is not owned; pass nullptr to remove it.
void InstallMessageBoxService(IMessageBoxService* service);
IMessageBoxService* GetMessageBoxService();

// Shows through the installed service. Without one the box is written to
// standard error and answered with its first button.
int ShowMessageBox(const stMessageBoxRequest& request);

// The answer of the first button of a box type (OK or Yes).
int DefaultAnswer(unsigned type);

}  // namespace platform

// Keeps the program to one instance per user: a later start asks the running
// one to bring its window to the front, hands it the file it was given, and
// then ends.
#pragma once

#include <wx/string.h>

#include <functional>
#include <memory>

class wxSingleInstanceChecker;
class wxServerBase;

namespace platform {

class CSingleInstance {
 public:
  // name identifies the program (the brand's main window class name).
  explicit CSingleInstance(const wxString& name);
  ~CSingleInstance();
  CSingleInstance(const CSingleInstance&) = delete;
  CSingleInstance& operator=(const CSingleInstance&) = delete;

  // Called with the file a later start was given (empty when none).
  using ActivateHandler = std::function<void(const wxString& file)>;

  // True when no other instance runs. This instance then listens, and calls
  // onActivate (on the thread that runs the event loop) whenever a later start
  // asks to be brought to the front.
  bool Acquire(ActivateHandler onActivate);

  // Asks the running instance to come to the front and, when file is not
  // empty, to open it; false when it did not answer.
  bool ActivateRunning(const wxString& file = wxString());

  // The local endpoint both sides use.
  wxString EndpointName() const;

 private:
  wxString m_name;
  std::unique_ptr<wxSingleInstanceChecker> m_checker;
  std::unique_ptr<wxServerBase> m_server;
};

}  // namespace platform

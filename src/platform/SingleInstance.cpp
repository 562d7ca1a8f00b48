#include "platform/SingleInstance.h"

#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <filesystem>

#include <wx/filename.h>
#include <wx/ipc.h>
#include <wx/snglinst.h>
#include <wx/utils.h>

namespace platform {
namespace {

// Removes a stale local socket without any message.
void RemoveEndpoint(const wxString& path) {
  std::error_code ignored;
  std::filesystem::remove(ToFsPath(path), ignored);
}

const wxString kTopic = "olvanta";
// "activate", or "open" and a tab before the file to open.
const wxString kActivateCommand = "activate";
const wxString kOpenCommand = "open\t";

class CActivationConnection : public wxConnection {
 public:
  explicit CActivationConnection(CSingleInstance::ActivateHandler onActivate)
      : m_onActivate(std::move(onActivate)) {}

  bool OnExecute(const wxString&, const void* data, size_t size, wxIPCFormat format) override {
    const wxString command = GetTextFromData(data, size, format);
    wxString file;
    if (command != kActivateCommand && !command.StartsWith(kOpenCommand, &file)) return false;
    if (m_onActivate) m_onActivate(file);
    return true;
  }

 private:
  CSingleInstance::ActivateHandler m_onActivate;
};

class CActivationServer : public wxServer {
 public:
  explicit CActivationServer(CSingleInstance::ActivateHandler onActivate)
      : m_onActivate(std::move(onActivate)) {}

  wxConnectionBase* OnAcceptConnection(const wxString& topic) override {
    if (topic != kTopic) return nullptr;
    return new CActivationConnection(m_onActivate);
  }

 private:
  CSingleInstance::ActivateHandler m_onActivate;
};

// The user's own folder for the lock and the socket: the session's runtime
// folder, else the home folder.
wxString InstanceFolder() {
  wxString folder;
  if (wxGetEnv("XDG_RUNTIME_DIR", &folder) && wxFileName::DirExists(folder)) return folder;
  return wxGetHomeDir();
}

}  // namespace

CSingleInstance::CSingleInstance(const wxString& name) : m_name(name) {}

CSingleInstance::~CSingleInstance() {
  m_server.reset();
#ifndef __WINDOWS__
  if (m_server) RemoveEndpoint(EndpointName());
#endif
}

wxString CSingleInstance::EndpointName() const {
  wxString id = m_name + "-" + wxGetUserId();
#ifdef __WINDOWS__
  return id;  // a DDE service name
#else
  return JoinPath(InstanceFolder(), "." + id + ".ipc");  // a local socket
#endif
}

bool CSingleInstance::Acquire(ActivateHandler onActivate) {
  m_checker = std::make_unique<wxSingleInstanceChecker>();
  if (!m_checker->Create(m_name + "-" + wxGetUserId(), InstanceFolder())) return true;  // cannot tell: run
  if (m_checker->IsAnotherRunning()) return false;
#ifndef __WINDOWS__
  RemoveEndpoint(EndpointName());  // left behind by an instance that did not end cleanly
#endif
  auto server = std::make_unique<CActivationServer>(std::move(onActivate));
  if (server->Create(EndpointName())) m_server = std::move(server);
  return true;
}

bool CSingleInstance::ActivateRunning(const wxString& file) {
  wxClient client;
  std::unique_ptr<wxConnectionBase> connection(client.MakeConnection("localhost", EndpointName(), kTopic));
  if (!connection) return false;
  bool sent = connection->Execute(file.empty() ? kActivateCommand : kOpenCommand + file);
  connection->Disconnect();
  return sent;
}

}  // namespace platform

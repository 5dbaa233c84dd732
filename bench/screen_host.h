// ScreenHost: the host as the screen expects it at its entry, for a
// benchmark: the login identity and the server's endpoint in the host
// session, and dialogs that never wait for a user (installed while the
// object lives).
#pragma once

#include <string>

#include "bench_env.h"
#include "host/scripted_dialogs.h"
#include "host/vogalis.h"

namespace psrbench {

class ScreenHost {
 public:
  explicit ScreenHost(const std::string& serverHost, int port) {
    host::HostSession& session = host::HostSession::Current();
    session.filiProc = BenchEnv::kBranch;
    session.operador = BenchEnv::kOperator;
    session.webURL = serverHost;
    session.webPort = port;
    plat::Dialogs::Install(&dialogs_);
  }
  explicit ScreenHost(const BenchEnv& env) : ScreenHost("127.0.0.1", env.Port()) {}
  ~ScreenHost() { plat::Dialogs::Install(nullptr); }
  ScreenHost(const ScreenHost&) = delete;
  ScreenHost& operator=(const ScreenHost&) = delete;

  // The dialogs shown so far, for a failure's report.
  std::string Shown() const {
    std::string text;
    for (const std::string& message : dialogs_.Messages()) text += " [" + message + "]";
    return text;
  }

 private:
  host::ScriptedDialogs dialogs_;
};

}  // namespace psrbench

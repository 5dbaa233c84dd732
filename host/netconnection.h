// TNetConnection: the host's connection to an object of the application
// server, called late-bound and synchronously.
//
// Setting Connected runs BeforeConnect (which may set Host and Port) and then
// connects; a refused connection throws ENetError. AppServer(method, args)
// sends one call and waits for its answer at most Timeout. With
// ThrowException false (the screens' setting) any failure of a call (not
// connected, refused or broken connection, timeout, an error raised by the
// server, an unknown method) comes back as a failed ServerResult for
// Consiste.CheckResultServ to report; with true it throws ENetError (or
// EError with the server's message). After a broken connection or a timeout
// the connection is closed, so a late answer can never be taken for the
// answer of a later call; the next call connects again first (BeforeConnect,
// then the connection), and fails with the reason when it cannot. A
// connection the program closed (Connected false) stays closed.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "host/server_result.h"
#include "platform/data/component.h"
#include "platform/net/rpc.h"
#include "platform/net/socket.h"

namespace host {

class TNetConnection : public plat::TComponent {
 public:
  TNetConnection(plat::TComponent* owner, std::string name);

  std::string ServerName;  // "PSR41300.rdmSolicitaProposta"
  std::string Host = "127.0.0.1";
  int Port = 0;
  bool ThrowException = true;
  std::chrono::milliseconds Timeout{30000};
  std::function<void(TNetConnection&)> BeforeConnect;
  std::function<void(TNetConnection&)> AfterDisconnect;
  // Observes every call made, with its answer (a test's or a script's record).
  std::function<void(const plat::RpcRequest&, const ServerResult&)> OnCall;

  bool Connected() const { return socket_.Valid(); }
  void SetConnected(bool connected);

  ServerResult AppServer(const std::string& method, std::vector<plat::RpcArg> args = {});
  // The same call on another object of the server (host-level services).
  ServerResult Call(const std::string& object, const std::string& method, std::vector<plat::RpcArg> args);

 private:
  ServerResult Fail(const std::string& message);

  plat::TcpSocket socket_;
  int64_t nextId_ = 1;
  bool lost_ = false;  // closed by a failed call, not by the program
};

}  // namespace host

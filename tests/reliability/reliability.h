// The reliability suite's common pieces: application servers run as
// processes of their own (as in production) on a database of the test's,
// clients that call them over loopback, the server process's threads and
// memory, and a tally of what a run did for the figures it prints.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "host/netconnection.h"
#include "host/runtime/server_process.h"
#include "platform/net/socket.h"

namespace reliability {

// One psr_appserver process with the test options, logging to a file of
// its own. Start() waits until it listens; Kill() ends it at once (SIGKILL).
class Server {
 public:
  explicit Server(std::string database, std::vector<std::string> extra = {});
  ~Server();
  void Start(bool demo = true);
  void Kill();
  void Stop();
  int Port() const { return process_.Port(); }
  // Threads and resident memory (KiB) of the process, from /proc.
  int Threads() const;
  long ResidentKiB() const;
  std::string Log() const;

 private:
  std::string database_;
  std::vector<std::string> extra_;
  std::string logPath_;
  hostapp::ServerProcess process_;
};

// A connection to the proposal module of the server on the port, failing
// calls answered (not thrown), as the screen uses it.
std::unique_ptr<host::TNetConnection> Client(int port);
// A bare socket to the port, for frames no client would send.
plat::TcpSocket RawSocket(int port);

// Whether the message of a refused call is one a user can act on: it names
// the conflict or asks to try again, and is not an internal failure.
bool ClearRefusal(const std::string& message);

}  // namespace reliability

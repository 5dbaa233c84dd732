// EchoServer: the reference for a round trip: a thread on a loopback port
// that answers every frame it reads with one fixed frame, using the same
// framing as the application server but no JSON, no dispatch, no database.
#pragma once

#include <string>
#include <thread>

#include "platform/net/socket.h"

namespace psrbench {

class EchoServer {
 public:
  // Answers every frame with `answer`; serves one connection at a time.
  explicit EchoServer(std::string answer);
  ~EchoServer();
  EchoServer(const EchoServer&) = delete;
  EchoServer& operator=(const EchoServer&) = delete;

  int Port() const { return port_; }

 private:
  void Run();

  std::string answer_;
  plat::TcpSocket listener_;
  int port_ = 0;
  std::thread thread_;
};

}  // namespace psrbench

#include "echo_server.h"

#include "platform/net/frame.h"

namespace psrbench {

EchoServer::EchoServer(std::string answer)
    : answer_(std::move(answer)), listener_(plat::TcpSocket::Listen("127.0.0.1", 0)) {
  port_ = listener_.LocalPort();
  thread_ = std::thread(&EchoServer::Run, this);
}

EchoServer::~EchoServer() {
  listener_.Shutdown();
  thread_.join();
}

void EchoServer::Run() {
  for (;;) {
    plat::TcpSocket client = listener_.Accept();
    if (!client.Valid()) return;  // shut down
    try {
      while (plat::ReadFrame(client, std::chrono::milliseconds(-1))) plat::WriteFrame(client, answer_);
    } catch (const plat::ENetError&) {
      // The client went away.
    }
  }
}

}  // namespace psrbench

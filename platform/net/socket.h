// TcpSocket: a blocking TCP connection or listening socket over IPv4/IPv6,
// with time limits on connecting and reading. Failures throw ENetError with
// a message naming the peer and the system's reason.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "platform/data/errors.h"

namespace plat {

class ENetError : public EError {
 public:
  using EError::EError;
};

// Raised when no answer arrived within the time allowed.
class ETimeout : public ENetError {
 public:
  using ENetError::ENetError;
};

class TcpSocket {
 public:
  TcpSocket() = default;
  explicit TcpSocket(int fd) : fd_(fd) {}
  ~TcpSocket();
  TcpSocket(TcpSocket&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  TcpSocket& operator=(TcpSocket&& other) noexcept;

  static TcpSocket Connect(const std::string& host, int port, std::chrono::milliseconds timeout);
  // Listens on host:port; port 0 picks a free port (see LocalPort).
  static TcpSocket Listen(const std::string& host, int port, int backlog = 64);
  // Waits for a connection; returns an invalid socket when the listening
  // socket was shut down.
  TcpSocket Accept();

  bool Valid() const { return fd_ >= 0; }
  int LocalPort() const;
  void SendAll(std::string_view bytes);
  // Reads exactly n bytes. Returns false on an orderly close before the first
  // byte; throws ETimeout when nothing arrives within the time (a negative
  // time waits for ever), ENetError on a broken connection.
  bool ReadExact(char* out, std::size_t n, std::chrono::milliseconds timeout);
  // Stops blocking calls on this socket from other threads.
  void Shutdown();
  void Close();

 private:
  int fd_ = -1;
};

}  // namespace plat

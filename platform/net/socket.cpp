#include "platform/net/socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/data/messages.h"

namespace plat {

namespace {

std::string Reason() { return std::strerror(errno); }

std::string Peer(const std::string& host, int port) { return host + ":" + std::to_string(port); }

struct AddrList {
  addrinfo* list = nullptr;
  ~AddrList() { freeaddrinfo(list); }
};

AddrList Resolve(const std::string& host, int port, bool passive) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  if (passive) hints.ai_flags = AI_PASSIVE;
  AddrList result;
  int rc = getaddrinfo(host.empty() ? nullptr : host.c_str(), std::to_string(port).c_str(), &hints, &result.list);
  if (rc != 0) throw ENetError(Message(Msg::CannotResolve, {Peer(host, port), gai_strerror(rc)}));
  return result;
}

// Waits until the socket is ready; false on timeout. A negative time waits for ever.
bool WaitFor(int fd, short events, std::chrono::milliseconds timeout) {
  pollfd p{fd, events, 0};
  for (;;) {
    int rc = poll(&p, 1, timeout.count() < 0 ? -1 : static_cast<int>(timeout.count()));
    if (rc > 0) return true;
    if (rc == 0) return false;
    if (errno != EINTR) throw ENetError(Message(Msg::ConnectionWaitFailed, {Reason()}));
  }
}

}  // namespace

TcpSocket::~TcpSocket() { Close(); }

TcpSocket& TcpSocket::operator=(TcpSocket&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

void TcpSocket::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void TcpSocket::Shutdown() {
  if (fd_ >= 0) ::shutdown(fd_, SHUT_RDWR);
}

TcpSocket TcpSocket::Connect(const std::string& host, int port, std::chrono::milliseconds timeout) {
  AddrList addresses = Resolve(host, port, false);
  std::string lastError = "no address";
  for (addrinfo* a = addresses.list; a; a = a->ai_next) {
    TcpSocket socket(::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol));
    if (!socket.Valid()) {
      lastError = Reason();
      continue;
    }
    int flags = fcntl(socket.fd_, F_GETFL);
    fcntl(socket.fd_, F_SETFL, flags | O_NONBLOCK);
    int rc = ::connect(socket.fd_, a->ai_addr, a->ai_addrlen);
    if (rc != 0 && errno == EINPROGRESS) {
      if (!WaitFor(socket.fd_, POLLOUT, timeout)) {
        lastError = "no answer within " + std::to_string(timeout.count() / 1000) + " s";
        continue;
      }
      int error = 0;
      socklen_t length = sizeof error;
      getsockopt(socket.fd_, SOL_SOCKET, SO_ERROR, &error, &length);
      rc = error == 0 ? 0 : -1;
      errno = error;
    }
    if (rc != 0) {
      lastError = Reason();
      continue;
    }
    fcntl(socket.fd_, F_SETFL, flags);
    int one = 1;
    setsockopt(socket.fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return socket;
  }
  throw ENetError(Message(Msg::CannotConnect, {Peer(host, port), lastError}));
}

TcpSocket TcpSocket::Listen(const std::string& host, int port, int backlog) {
  AddrList addresses = Resolve(host, port, true);
  std::string lastError = "no address";
  for (addrinfo* a = addresses.list; a; a = a->ai_next) {
    TcpSocket socket(::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol));
    if (!socket.Valid()) continue;
    int one = 1;
    setsockopt(socket.fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (::bind(socket.fd_, a->ai_addr, a->ai_addrlen) == 0 && ::listen(socket.fd_, backlog) == 0) return socket;
    lastError = Reason();
  }
  throw ENetError(Message(Msg::CannotListen, {Peer(host, port), lastError}));
}

TcpSocket TcpSocket::Accept() {
  for (;;) {
    int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd >= 0) {
      int one = 1;
      setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
      return TcpSocket(fd);
    }
    if (errno == EINTR || errno == ECONNABORTED) continue;
    return TcpSocket();
  }
}

int TcpSocket::LocalPort() const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
  if (address.ss_family == AF_INET) return ntohs(reinterpret_cast<sockaddr_in*>(&address)->sin_port);
  return ntohs(reinterpret_cast<sockaddr_in6*>(&address)->sin6_port);
}

void TcpSocket::SendAll(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0) {
      if (errno == EINTR) continue;
      throw ENetError(Message(Msg::ConnectionBroke, {Reason()}));
    }
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
}

bool TcpSocket::ReadExact(char* out, std::size_t n, std::chrono::milliseconds timeout) {
  std::size_t done = 0;
  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (done < n) {
    auto left =
        timeout.count() < 0
            ? timeout
            : std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (timeout.count() >= 0 && left.count() < 0) left = std::chrono::milliseconds(0);
    if (!WaitFor(fd_, POLLIN, left))
      throw ETimeout(Message(Msg::NoAnswerWithin, {std::to_string(timeout.count() / 1000)}));
    ssize_t got = ::recv(fd_, out + done, n - done, 0);
    if (got == 0) {
      if (done == 0) return false;
      throw ENetError(Message(Msg::ClosedMidMessage));
    }
    if (got < 0) {
      if (errno == EINTR) continue;
      throw ENetError(Message(Msg::ConnectionBroke, {Reason()}));
    }
    done += static_cast<std::size_t>(got);
  }
  return true;
}

}  // namespace plat

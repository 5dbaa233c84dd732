// AppServer: the application server process's core: it prepares the
// database, listens on a TCP address and serves each client connection on
// its own thread with its own Session (its own module instance and database
// access), answering one framed JSON call at a time.
//
// Construction opens (and when new, creates and fills) the database and
// starts listening, so Port() is known before Run(). Run() serves until
// Stop(), then closes every client connection and waits for their threads
// before it returns.
//
// Limits for a server that meets the network (ServerOptions): at most
// maxConnections clients at once (one more gets an error answer and is
// closed); a connection that sends nothing for idleTimeout is closed; a
// frame must be complete within frameTimeout of its first byte and may not
// exceed maxFrameBytes (the offender gets an error answer and is closed).
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "appserver/database_setup.h"
#include "appserver/server_context.h"
#include "platform/net/frame.h"
#include "platform/net/socket.h"

namespace appsrv {

struct ServerOptions {
  std::string dbPath;
  std::string host = "127.0.0.1";
  int port = 47130;  // 0 picks a free port
  DatabaseSetup setup;
  bool testOptions = false;
  int maxConnections = 500;
  int dbConnections = 16;  // database connections, shared by the clients' calls
  std::chrono::milliseconds idleTimeout = std::chrono::hours(8);
  std::chrono::milliseconds frameTimeout = std::chrono::minutes(2);
  std::size_t maxFrameBytes = plat::kMaxFrame;
};

class AppServer {
 public:
  // Throws plat::EError when the database or the address cannot be used.
  explicit AppServer(const ServerOptions& options);
  ~AppServer();
  AppServer(const AppServer&) = delete;
  AppServer& operator=(const AppServer&) = delete;

  const std::string& Host() const { return host_; }
  int Port() const { return port_; }
  bool CreatedDatabase() const { return created_; }

  void Run();
  // Makes Run return; safe from any thread (not from a signal handler).
  void Stop();

 private:
  struct Client {
    plat::TcpSocket socket;
    std::thread thread;
    std::atomic<bool> done{false};
  };

  void Serve(Client& client, int64_t id);
  static void Refuse(plat::TcpSocket& socket, const std::string& why);
  void ReapFinished();  // joins the threads of closed connections; mutex_ held

  std::string host_;
  int port_ = 0;
  int maxConnections_;
  plat::FrameLimits limits_;
  bool created_ = false;
  ServerContext context_;
  plat::TcpSocket listener_;
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::list<std::unique_ptr<Client>> clients_;
  int64_t nextId_ = 1;
};

// The answer to one frame received from a client: the call's answer, or an
// error answer for a frame that is not a readable call.
plat::RpcAnswer AnswerFrame(Session& session, const std::string& frame);

}  // namespace appsrv

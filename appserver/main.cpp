// psr_appserver: the application server of the proposal-request screen.
// Prints "listening on HOST:PORT" once it accepts connections; SIGTERM or
// SIGINT stops it cleanly.
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <iostream>
#include <thread>

#include "appserver/options.h"

namespace {

// A thread that waits for a stop signal and stops the server. When the
// server stops for another reason, the thread is woken and joined.
class SignalWaiter {
 public:
  SignalWaiter(const sigset_t& signals, appsrv::AppServer& server)
      : thread_([this, signals, &server] {
          int signal = 0;
          sigwait(&signals, &signal);
          signalled_ = true;
          server.Stop();
        }) {}
  ~SignalWaiter() {
    if (!signalled_) pthread_kill(thread_.native_handle(), SIGTERM);
    thread_.join();
  }

 private:
  std::atomic<bool> signalled_{false};
  std::thread thread_;
};

}  // namespace

int main(int argc, char** argv) {
  appsrv::CommandLine line;
  try {
    line = appsrv::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::cerr << "psr_appserver: " << e.what() << "\n" << appsrv::Usage();
    return 2;
  }
  if (line.help) {
    std::cout << appsrv::Usage();
    return 0;
  }

  // The stop signals are taken by a waiting thread rather than a handler,
  // so stopping runs as ordinary code. Blocked before any thread starts.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  try {
    if (line.createOnly) {
      bool created = appsrv::PrepareDatabase(line.server.dbPath, line.server.setup);
      std::cerr << "psr_appserver: " << line.server.dbPath << (created ? " created" : " already exists") << "\n";
      return 0;
    }
    appsrv::AppServer server(line.server);
    const std::string& host = server.Host();
    std::cout << "listening on " << (host.find(':') != std::string::npos ? "[" + host + "]" : host) << ":"
              << server.Port() << std::endl;
    SignalWaiter waiter(stopSignals, server);
    server.Run();
  } catch (const std::exception& e) {
    std::cerr << "psr_appserver: " << e.what() << std::endl;
    return 1;
  }
  return 0;
}

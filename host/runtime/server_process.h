// ServerProcess: an application server run as a child process for one
// scenario. It is started with the arguments given, with its output going to
// a log file; it is ready once it has written "listening on HOST:PORT",
// which gives the address to connect to. Stopping ends it (politely first);
// so does the end of the object, and the end of the host process.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace hostapp {

class ServerProcess {
 public:
  ServerProcess(std::string program, std::string logPath)
      : program_(std::move(program)), logPath_(std::move(logPath)) {}
  ~ServerProcess();
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  // Starts the program with these arguments and waits until it listens.
  // Throws EError, with the end of its log, when it cannot be started, ends
  // early, or says nothing within the timeout.
  void Start(const std::vector<std::string>& args, std::chrono::milliseconds timeout = std::chrono::seconds(20));
  // Asks it to end, and kills it when it has not after the grace time.
  void Stop(std::chrono::milliseconds grace = std::chrono::seconds(5));
  bool Running() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }

  const std::string& Host() const { return host_; }
  int Port() const { return port_; }
  std::string Address() const { return host_ + ":" + std::to_string(port_); }
  const std::string& LogPath() const { return logPath_; }

 private:
  std::string LogFrom(std::size_t offset) const;
  [[noreturn]] void StartFailed(const std::string& why, std::size_t logOffset);

  std::string program_;
  std::string logPath_;
  pid_t pid_ = 0;
  std::string host_;
  int port_ = 0;
};

// The arguments of the application server for a scenario: its database
// file, a free loopback port, the demo data when asked, and the test options
// (fault injection, the server date, SQL).
std::vector<std::string> AppServerArguments(const std::string& database, bool demo);

// A new database's URI on the PostgreSQL cluster given by its URI: the
// cluster's address and role with a database name of this process's own
// (the server creates it).
std::string ScenarioDatabaseUri(const std::string& clusterUri);

// Where the application server is: next to this program, as built.
std::string DefaultAppServerPath();

}  // namespace hostapp

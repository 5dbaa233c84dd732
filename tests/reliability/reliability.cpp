#include "reliability.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "appserver/server_context.h"
#include "host/runtime/server_process.h"

namespace reliability {

namespace {

std::string LogPath() {
  static std::atomic<int> count{0};
  return (std::filesystem::temp_directory_path() /
          ("psr_reliability_" + std::to_string(getpid()) + "_" + std::to_string(count++) + ".log"))
      .string();
}

long StatusField(int pid, const std::string& name) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(name + ":", 0) == 0) return std::atol(line.c_str() + name.size() + 1);
  return -1;
}

}  // namespace

Server::Server(std::string database, std::vector<std::string> extra)
    : database_(std::move(database)),
      extra_(std::move(extra)),
      logPath_(LogPath()),
      process_(hostapp::DefaultAppServerPath(), logPath_) {}

Server::~Server() {
  process_.Stop();
  std::filesystem::remove(logPath_);
}

void Server::Start(bool demo) {
  auto args = hostapp::AppServerArguments(database_, demo);
  args.insert(args.end(), extra_.begin(), extra_.end());
  process_.Start(args);
}

void Server::Kill() { process_.Stop(std::chrono::milliseconds(0)); }
void Server::Stop() { process_.Stop(); }
int Server::Threads() const { return static_cast<int>(StatusField(process_.Pid(), "Threads")); }
long Server::ResidentKiB() const { return StatusField(process_.Pid(), "VmRSS"); }

std::string Server::Log() const {
  std::ifstream in(logPath_);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::unique_ptr<host::TNetConnection> Client(int port) {
  auto net = std::make_unique<host::TNetConnection>(nullptr, "netProposta");
  net->ServerName = appsrv::kModuleObject;
  net->Port = port;
  net->ThrowException = false;
  net->SetConnected(true);
  return net;
}

plat::TcpSocket RawSocket(int port) { return plat::TcpSocket::Connect("127.0.0.1", port, std::chrono::seconds(5)); }

bool ClearRefusal(const std::string& message) {
  for (const char* clear : {"alterado por outro usuário", "já existente", "ocupado", "tente novamente",
                            "não existe mais", "já foi excluído"})
    if (message.find(clear) != std::string::npos) return message.find("Falha interna") == std::string::npos;
  return false;
}

}  // namespace reliability

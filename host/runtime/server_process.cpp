#include "host/runtime/server_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "host/runtime/program_dir.h"
#include "platform/data/errors.h"

namespace hostapp {

namespace {

constexpr std::string_view kReady = "listening on ";

[[noreturn]] void ExecChild(const std::string& program, const std::vector<std::string>& args, int logFd) {
  prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlive the host
  dup2(logFd, STDOUT_FILENO);
  dup2(logFd, STDERR_FILENO);
  int devNull = open("/dev/null", O_RDONLY);
  if (devNull >= 0) dup2(devNull, STDIN_FILENO);
  close_range(3, ~0U, 0);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  dprintf(STDERR_FILENO, "cannot run %s: %s\n", program.c_str(), strerror(errno));
  _exit(127);
}

std::size_t FileSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  return in ? static_cast<std::size_t>(in.tellg()) : 0;
}

}  // namespace

ServerProcess::~ServerProcess() { Stop(); }

std::string ServerProcess::LogFrom(std::size_t offset) const {
  std::ifstream in(logPath_, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(offset));
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void ServerProcess::StartFailed(const std::string& why, std::size_t logOffset) {
  Stop();
  std::string log = LogFrom(logOffset);
  if (log.size() > 2000) log = "..." + log.substr(log.size() - 2000);
  throw plat::EError("The application server " + program_ + " " + why + (log.empty() ? "" : "; its output:\n" + log));
}

void ServerProcess::Start(const std::vector<std::string>& args, std::chrono::milliseconds timeout) {
  if (Running()) throw plat::EError("The application server is already running");
  std::size_t offset = FileSize(logPath_);
  int logFd = open(logPath_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (logFd < 0) throw plat::EError("Cannot write the server log " + logPath_ + ": " + strerror(errno));
  pid_t pid = fork();
  if (pid == 0) ExecChild(program_, args, logFd);
  close(logFd);
  if (pid < 0) throw plat::EError(std::string("Cannot start the application server: ") + strerror(errno));
  pid_ = pid;

  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (true) {
    std::string log = LogFrom(offset);
    std::size_t at = log.find(kReady);
    std::size_t end = at == std::string::npos ? std::string::npos : log.find('\n', at);
    if (end != std::string::npos) {
      std::string address = log.substr(at + kReady.size(), end - at - kReady.size());
      while (!address.empty() && (address.back() == '\r' || address.back() == ' ')) address.pop_back();
      std::size_t colon = address.rfind(':');
      try {
        if (colon == std::string::npos) throw std::invalid_argument("no port");
        host_ = address.substr(0, colon);
        port_ = std::stoi(address.substr(colon + 1));
      } catch (const std::exception&) {
        StartFailed("said it listens on '" + address + "', which is not HOST:PORT", offset);
      }
      return;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = 0;
      StartFailed(WIFEXITED(status) ? "ended with code " + std::to_string(WEXITSTATUS(status)) + " before listening"
                                    : "was killed before listening",
                  offset);
    }
    if (std::chrono::steady_clock::now() > deadline)
      StartFailed("did not say where it listens within " + std::to_string(timeout.count()) + " ms", offset);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void ServerProcess::Stop(std::chrono::milliseconds grace) {
  if (!Running()) return;
  kill(pid_, SIGTERM);
  int status = 0;
  auto deadline = std::chrono::steady_clock::now() + grace;
  while (std::chrono::steady_clock::now() < deadline) {
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = 0;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, &status, 0);
  pid_ = 0;
}

std::vector<std::string> AppServerArguments(const std::string& database, bool demo) {
  std::vector<std::string> args = {"--db", database, "--listen", "127.0.0.1:0"};
  if (demo) args.push_back("--demo");
  args.push_back("--test-options");
  return args;
}

std::string ScenarioDatabaseUri(const std::string& clusterUri) {
  static int count = 0;
  std::random_device random;
  const std::string name = "psr_scenario_" + std::to_string(getpid()) + "_" + std::to_string(random() % 100000) + "_" +
                           std::to_string(++count);
  // postgresql://[userinfo@]host[:port][/database][?params]
  const std::size_t scheme = clusterUri.find("://");
  const std::size_t path = clusterUri.find_first_of("/?", scheme == std::string::npos ? 0 : scheme + 3);
  const std::size_t query = path == std::string::npos ? path : clusterUri.find('?', path);
  return clusterUri.substr(0, path) + "/" + name + (query == std::string::npos ? "" : clusterUri.substr(query));
}

std::string DefaultAppServerPath() { return ProgramDir() + "/psr_appserver"; }

}  // namespace hostapp

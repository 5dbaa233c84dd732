// HostRuntime: the host application's start-up and the services it offers a
// screen package: the login identity and server endpoint (HostConfig), the
// connection to the server's host-level services, the local cache in
// dtmDBGeral, the server date, and the package loaded on demand.
#pragma once

#include <memory>
#include <string>

#include "host/netconnection.h"
#include "host/runtime/local_cache.h"
#include "host/runtime/package_loader.h"
#include "platform/ui/form.h"

namespace hostapp {

struct HostConfig {
  std::string serverHost = "127.0.0.1";
  int serverPort = 47130;
  std::string operador = "ADMIN";
  std::string filial = "0001";
  std::string nomeOperador = "Administrador";
  std::string cachePath = ":memory:";  // the local cache database
  std::string packagePath;             // empty: next to the host program

  // Reads "key = value" lines (server, operator, branch, operator-name,
  // cache, package); '#' starts a comment. Throws EError naming the line.
  void ReadFile(const std::string& path);
  // Sets one option by its key; throws EError for an unknown key or bad value.
  void Set(const std::string& key, const std::string& value);
};

class HostRuntime {
 public:
  explicit HostRuntime(HostConfig config);
  ~HostRuntime();

  const HostConfig& Config() const { return config_; }
  // Fills the host session, opens the local cache, connects to the server's
  // host-level services and copies the reference tables.
  void Start();
  // The screen's entry, as the host's menu calls it (loads the package the
  // first time). Exceptions propagate to the caller's message loop.
  void OpenScreen();
  PackageLoader& Package() { return package_; }
  // The screen the package created and the application owns, or nullptr.
  plat::TForm* Screen();
  host::TNetConnection& HostConnection() { return *hostConnection_; }
  LocalCache& Cache() { return *cache_; }

 private:
  HostConfig config_;
  plat::TComponent owner_;
  host::TNetConnection* hostConnection_;
  std::unique_ptr<LocalCache> cache_;
  PackageLoader package_;
};

}  // namespace hostapp

// LiveHost: the scripted host's real surroundings for one scenario file: an
// application-server process with a fresh database (an SQLite file in a
// temporary folder, or a new database on a PostgreSQL cluster),
// and the host runtime (identity, local cache, the screen's package) started
// against it the first time a step needs the server or the screen.
#pragma once

#include <memory>
#include <string>

#include "host/runtime/host_runtime.h"
#include "host/runtime/server_process.h"
#include "host/runtime/temp_dir.h"
#include "host/scripted/scenario_host.h"

namespace hostapp {

class LiveHost : public ScenarioHost {
 public:
  // config: the host's settings (identity, package); its server is replaced
  // by the scenario's own. postgresCluster: a PostgreSQL URI whose server
  // holds the scenario's database, "" for an SQLite file.
  LiveHost(HostConfig config, std::string appServerPath, const std::string& postgresCluster = "");
  ~LiveHost() override;

  void UseDemoData(bool demo) override;
  void SetHostSetting(const std::string& key, const std::string& value) override;
  host::ServerResult CallServer(const std::string& method, std::vector<plat::RpcArg> args) override;
  void StopServer() override;
  void StartServer() override;
  void OpenScreen() override;
  plat::TForm* Screen() override;
  void* Global(const std::string& name) override;
  bool PackageLoaded() override;

 private:
  // Starts the server and then the host runtime, once.
  HostRuntime& Started();
  // Points the host (its session and its own connection) at the server.
  void FollowServer();

  HostConfig config_;
  TempDir dir_;
  ServerProcess server_;
  std::string database_;
  bool demo_ = true;
  bool endpointIsServer_ = true;  // the host's endpoint follows the scenario's server
  std::unique_ptr<HostRuntime> runtime_;
};

}  // namespace hostapp

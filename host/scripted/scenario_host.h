// ScenarioHost: what a scenario's steps need from the host around the
// screen: the server it talks to (started on demand, stopped, started
// again), the host's identity and endpoint, the screen's package and the
// screen itself. The scripted host implements it with a real server process
// (LiveHost); tests can give a stand-in.
#pragma once

#include <string>
#include <vector>

#include "host/server_result.h"
#include "platform/net/rpc.h"

namespace plat {
class TForm;
}

namespace hostapp {

class ScenarioHost {
 public:
  virtual ~ScenarioHost() = default;

  // The server's database: the demo data (true) or the bare schema. Only
  // before the server has started.
  virtual void UseDemoData(bool demo) = 0;
  // A host setting: branch, operator, operator-name, or server (HOST:PORT,
  // or "running" for the scenario's own server). Read at every connect.
  virtual void SetHostSetting(const std::string& key, const std::string& value) = 0;
  // A call on the server's host-level object (starting the server first).
  virtual host::ServerResult CallServer(const std::string& method, std::vector<plat::RpcArg> args) = 0;
  virtual void StopServer() = 0;
  virtual void StartServer() = 0;

  // The host's entry for the screen (loads the package the first time).
  virtual void OpenScreen() = 0;
  // The screen the application owns now, or nullptr.
  virtual plat::TForm* Screen() = 0;
  // The address of an exported global of the package (loading it).
  virtual void* Global(const std::string& name) = 0;
  virtual bool PackageLoaded() = 0;
};

}  // namespace hostapp

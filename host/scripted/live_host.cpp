#include "host/scripted/live_host.h"

#include "host/application.h"
#include "host/vogalis.h"
#include "platform/data/errors.h"

namespace hostapp {

LiveHost::LiveHost(HostConfig config, std::string appServerPath, const std::string& postgresCluster)
    : config_(std::move(config)),
      dir_("psr_scenario"),
      server_(std::move(appServerPath), dir_.File("server.log")),
      database_(postgresCluster.empty() ? dir_.File("server.db") : ScenarioDatabaseUri(postgresCluster)) {}

LiveHost::~LiveHost() {
  // The screen goes before the host and the server it was made with.
  if (plat::TForm* screen = Screen()) host::TApplication::Current().Destroy(*screen);
}

void LiveHost::UseDemoData(bool demo) {
  if (server_.Running() || runtime_)
    throw plat::EError("The database is chosen before the first step that uses the server");
  demo_ = demo;
}

void LiveHost::SetHostSetting(const std::string& key, const std::string& value) {
  host::HostSession& session = host::HostSession::Current();
  if (key == "server") {
    endpointIsServer_ = value == "running";
    if (!endpointIsServer_) config_.Set(key, value);
    if (runtime_) {
      session.webURL = endpointIsServer_ ? server_.Host() : config_.serverHost;
      session.webPort = endpointIsServer_ ? server_.Port() : config_.serverPort;
    }
    return;
  }
  config_.Set(key, value);
  if (!runtime_) return;  // the runtime's start fills the session from the settings
  if (key == "branch") session.filiProc = value;
  if (key == "operator") session.operador = value;
  if (key == "operator-name") session.nomeOperador = value;
}

HostRuntime& LiveHost::Started() {
  if (runtime_) return *runtime_;
  if (!server_.Running()) server_.Start(AppServerArguments(database_, demo_));
  // The host's own services always use the scenario's server; the screen's
  // endpoint may be pointed elsewhere by a setting.
  HostConfig config = config_;
  config.Set("server", server_.Address());
  auto runtime = std::make_unique<HostRuntime>(config);
  runtime->Start();
  runtime_ = std::move(runtime);
  if (!endpointIsServer_) {
    host::HostSession::Current().webURL = config_.serverHost;
    host::HostSession::Current().webPort = config_.serverPort;
  }
  return *runtime_;
}

void LiveHost::FollowServer() {
  host::TNetConnection& connection = runtime_->HostConnection();
  connection.SetConnected(false);
  connection.Host = server_.Host();
  connection.Port = server_.Port();
  connection.SetConnected(true);
  if (endpointIsServer_) {
    host::HostSession::Current().webURL = server_.Host();
    host::HostSession::Current().webPort = server_.Port();
  }
}

host::ServerResult LiveHost::CallServer(const std::string& method, std::vector<plat::RpcArg> args) {
  return Started().HostConnection().Call("Host", method, std::move(args));
}

void LiveHost::StopServer() {
  if (runtime_ && !server_.Running()) throw plat::EError("The server is not running");
  Started();  // the host starts while the server is up, as it would have
  server_.Stop();
}

void LiveHost::StartServer() {
  if (server_.Running()) throw plat::EError("The server is already running");
  if (!runtime_) {
    Started();
    return;
  }
  // Again on the same database, which already holds what it should.
  server_.Start(AppServerArguments(database_, false));
  FollowServer();
}

void LiveHost::OpenScreen() { Started().OpenScreen(); }

plat::TForm* LiveHost::Screen() { return runtime_ ? runtime_->Screen() : nullptr; }

void* LiveHost::Global(const std::string& name) { return Started().Package().Symbol(name); }

bool LiveHost::PackageLoaded() { return runtime_ && runtime_->Package().Loaded(); }

}  // namespace hostapp

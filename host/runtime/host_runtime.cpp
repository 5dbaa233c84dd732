#include "host/runtime/host_runtime.h"

#include <fstream>

#include "host/application.h"
#include "host/dtmdbgeral.h"
#include "host/vogalis.h"
#include "platform/data/errors.h"

namespace hostapp {

namespace {

std::string Trim(const std::string& text) {
  auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

void HostConfig::Set(const std::string& key, const std::string& value) {
  if (key == "server") {
    auto colon = value.rfind(':');
    if (colon == std::string::npos) throw plat::EError("server must be HOST:PORT, not '" + value + "'");
    serverHost = value.substr(0, colon);
    try {
      serverPort = std::stoi(value.substr(colon + 1));
    } catch (const std::exception&) {
      throw plat::EError("server port must be a number, not '" + value.substr(colon + 1) + "'");
    }
  } else if (key == "operator") {
    operador = value;
  } else if (key == "branch") {
    filial = value;
  } else if (key == "operator-name") {
    nomeOperador = value;
  } else if (key == "cache") {
    cachePath = value;
  } else if (key == "package") {
    packagePath = value;
  } else {
    throw plat::EError("Unknown host setting '" + key + "'");
  }
}

void HostConfig::ReadFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw plat::EError("Cannot read the host configuration " + path);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    line = Trim(line.substr(0, line.find('#')));
    if (line.empty()) continue;
    auto equals = line.find('=');
    if (equals == std::string::npos) throw plat::EError(path + ":" + std::to_string(number) + ": expected key = value");
    try {
      Set(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
    } catch (const plat::EError& e) {
      throw plat::EError(path + ":" + std::to_string(number) + ": " + e.what());
    }
  }
}

HostRuntime::HostRuntime(HostConfig config)
    : config_(std::move(config)),
      package_(config_.packagePath.empty() ? PackageLoader::DefaultPath() : config_.packagePath) {
  hostConnection_ = &owner_.Create<host::TNetConnection>("netHost");
  hostConnection_->ServerName = "Host";
  hostConnection_->ThrowException = false;
}

HostRuntime::~HostRuntime() = default;

void HostRuntime::Start() {
  host::HostSession& session = host::HostSession::Current();
  session.operador = config_.operador;
  session.filiProc = config_.filial;
  session.nomeOperador = config_.nomeOperador;
  session.webURL = config_.serverHost;
  session.webPort = config_.serverPort;

  host::OpenLocalDatabase(config_.cachePath);
  hostConnection_->Host = config_.serverHost;
  hostConnection_->Port = config_.serverPort;
  hostConnection_->SetConnected(true);
  cache_ = std::make_unique<LocalCache>(*hostConnection_, host::dtmDBGeral());
  cache_->FillReferenceTables();

  session.refreshLocalCache = [this](const std::vector<std::string>& tables) {
    for (auto& table : tables) cache_->Refresh(table);
  };
  session.serverDate = [this] {
    host::ServerResult answer = hostConnection_->Call("Host", "DtServ", {});
    if (answer.kind != host::ServerResult::Kind::Value)
      throw plat::EError("Cannot read the server date: " + (answer.Failed() ? answer.error : std::string("no date")));
    return answer.value.ToDateTime();
  };
}

void HostRuntime::OpenScreen() { package_.CallIniProc(); }

plat::TForm* HostRuntime::Screen() {
  return dynamic_cast<plat::TForm*>(host::TApplication::Current().FindComponent("frmSolicitaProposta"));
}

}  // namespace hostapp

#include "appserver/server_context.h"

#include <cctype>
#include <ctime>

#include "appserver/host_methods.h"
#include "appserver/numbering_methods.h"
#include "appserver/query_methods.h"
#include "appserver/set_methods.h"

namespace appsrv {

namespace {

// Failures are kept by method name without regard to letter case, as methods are found.
std::string Lower(std::string text) {
  for (auto& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

ServerContext::ServerContext(std::string dbPath, bool testOptions, int dbConnections)
    : dbPath_(std::move(dbPath)), testOptions_(testOptions), pool_(dbPath_, dbConnections) {
  ServerObject module(kModuleObject);
  RegisterQueryMethods(module);
  RegisterSetMethods(module);
  RegisterNumberingMethods(module);
  objects_.push_back(std::move(module));
  ServerObject host(kHostObject);
  RegisterHostMethods(host, testOptions);
  objects_.push_back(std::move(host));
}

const ServerObject* ServerContext::FindObject(std::string_view name) const {
  for (const auto& object : objects_)
    if (object.Name() == name) return &object;
  return nullptr;
}

std::string ServerContext::ProcessName() {
  std::lock_guard lock(mutex_);
  if (!presence_) {
    presence_ = OpenStorage(dbPath_);
    processName_ = presence_->SessionName();
  }
  return processName_;
}

plat::DateTime ServerContext::Today() const {
  {
    std::lock_guard lock(mutex_);
    if (today_) return *today_;
  }
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return plat::DateTime::FromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

void ServerContext::SetToday(std::optional<plat::DateTime> date) {
  std::lock_guard lock(mutex_);
  today_ = date ? std::optional(date->DateOnly()) : std::nullopt;
}

void ServerContext::FailNext(const std::string& method, const std::string& message) {
  std::lock_guard lock(mutex_);
  failures_[Lower(method)].push_back(message);
}

std::optional<std::string> ServerContext::TakeFailure(const std::string& method) {
  std::lock_guard lock(mutex_);
  auto found = failures_.find(Lower(method));
  if (found == failures_.end()) return std::nullopt;
  std::string message = std::move(found->second.front());
  found->second.pop_front();
  if (found->second.empty()) failures_.erase(found);
  return message;
}

}  // namespace appsrv

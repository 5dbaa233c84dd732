// ServerContext: what all connections of one application server share: the
// database connections (a pool), the name this server process goes by in
// the database, the served objects, the server date and the failures
// injected by a test harness.
//
// Built once before the server accepts connections; everything a
// connection may change is guarded, so any thread may use it.
#pragma once

#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "appserver/server_object.h"
#include "appserver/storage_pool.h"
#include "platform/data/datetime.h"

namespace appsrv {

// The proposal module's object name, as the screen's connection names it.
inline constexpr const char* kModuleObject = "PSR41300.rdmSolicitaProposta";
inline constexpr const char* kHostObject = "Host";

class ServerContext {
 public:
  // With testOptions the Host object also serves the test-only controls;
  // dbConnections: the most database connections the server opens.
  ServerContext(std::string dbPath, bool testOptions, int dbConnections = 16);

  const std::string& DbPath() const { return dbPath_; }
  bool TestOptions() const { return testOptions_; }
  const ServerObject* FindObject(std::string_view name) const;
  StoragePool& Pool() { return pool_; }
  // The name this server process goes by among the database's connections:
  // that of a connection it keeps open while it runs, so that another
  // server sees it ended once this process has. Opened on first use.
  std::string ProcessName();

  // The server date at midnight: the date set by a test, else today's local date.
  plat::DateTime Today() const;
  // Sets the server date (its time of day is dropped); nullopt returns to the clock.
  void SetToday(std::optional<plat::DateTime> date);

  // Makes the next call of the method, from any connection, fail with the message.
  void FailNext(const std::string& method, const std::string& message);
  // The failure waiting for the method, taken away; nullopt when none.
  std::optional<std::string> TakeFailure(const std::string& method);

 private:
  std::string dbPath_;
  bool testOptions_;
  StoragePool pool_;
  std::unique_ptr<Storage> presence_;
  std::string processName_;
  std::vector<ServerObject> objects_;
  mutable std::mutex mutex_;
  std::optional<plat::DateTime> today_;
  std::map<std::string, std::deque<std::string>> failures_;
};

}  // namespace appsrv

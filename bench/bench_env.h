// BenchEnv: what every measurement runs against: a fresh database in a
// temporary folder, filled with the demo data and enough generated
// proposals that the benchmark branch lists the wanted number, and the
// application server serving it inside this process on a free loopback
// port, reached over real TCP connections.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "appserver/server.h"
#include "appserver/storage.h"
#include "host/netconnection.h"

namespace psrbench {

class BenchEnv {
 public:
  // Throws plat::EError when the database or the server cannot be made.
  explicit BenchEnv(int listedProposals);
  ~BenchEnv();
  BenchEnv(const BenchEnv&) = delete;
  BenchEnv& operator=(const BenchEnv&) = delete;

  const std::string& DbPath() const { return dbPath_; }
  int Port() const { return server_->Port(); }
  // The branch whose proposal list the screen opens.
  static constexpr const char* kBranch = "0001";
  static constexpr const char* kOperator = "ADMIN";
  // The proposals the branch actually lists.
  int ListedProposals() const { return listed_; }

  // A connection to the proposal module, as the screen makes it (failures
  // come back as failed results).
  std::unique_ptr<host::TNetConnection> Connect() const;
  // Direct access to the database, bypassing the server.
  std::unique_ptr<appsrv::Storage> OpenStorage() const { return appsrv::OpenSqliteStorage(dbPath_); }

 private:
  std::filesystem::path folder_;
  std::string dbPath_;
  std::unique_ptr<appsrv::AppServer> server_;
  std::thread runner_;
  int listed_ = 0;
};

}  // namespace psrbench

// ServerFixture: an application server started in this process on a free
// loopback port, with a fresh database holding the demo data (SQLite, or
// PostgreSQL when the run names a cluster: see TestDatabase), and clients that call it over real TCP connections
// (host::TNetConnection with ThrowException false, as the screen uses it).
//
// Also small helpers to read answers and to build deltas from fetched
// packets the way a client data set does (original row, changed values).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "appserver/server.h"
#include "host/netconnection.h"
#include "platform/data/packet.h"
#include "test_database.h"

namespace apptest {

using Values = std::map<std::string, plat::Variant>;

class ServerFixture : public ::testing::Test {
 protected:
  // adjust may change the server's options (its limits) before it starts.
  explicit ServerFixture(bool testOptions = true, const std::function<void(appsrv::ServerOptions&)>& adjust = {});
  ~ServerFixture() override;

  std::unique_ptr<host::TNetConnection> Connect();

  // Calls on the fixture's own connection.
  host::ServerResult Call(const std::string& method, std::vector<plat::RpcArg> args = {});
  host::ServerResult HostCall(const std::string& method, std::vector<plat::RpcArg> args = {});
  // A call that must answer a packet (fails the test otherwise).
  plat::DataPacket Fetch(const std::string& method, std::vector<plat::RpcArg> args = {});
  plat::DataPacket Fetch(host::TNetConnection& net, const std::string& method, std::vector<plat::RpcArg> args = {});
  // Runs SQL on the server database through Host.Sql.
  plat::DataPacket Sql(const std::string& sql);
  // The single value of a one-row, one-column query, as text.
  std::string SqlValue(const std::string& sql);

  TestDatabase database_;
  std::unique_ptr<appsrv::AppServer> server_;
  std::thread runner_;
  std::unique_ptr<host::TNetConnection> net_;
};

// Passes when the text contains the part; shows the whole text otherwise.
::testing::AssertionResult Mentions(const std::string& text, const std::string& part);

// The value of a field of a packet row, by field name.
plat::Variant At(const plat::DataPacket& packet, std::size_t row, const std::string& field);
// The rows' values of one field, as text.
std::vector<std::string> Column(const plat::DataPacket& packet, const std::string& field);

// Deltas as a client data set sends them: the fetched packet's fields, and
// full rows for each change.
class DeltaBuilder {
 public:
  explicit DeltaBuilder(std::vector<plat::FieldDef> fields) { delta_.fields = std::move(fields); }
  explicit DeltaBuilder(const plat::DataPacket& packet) : DeltaBuilder(packet.fields) {}

  DeltaBuilder& Insert(const Values& values);
  DeltaBuilder& Modify(const plat::Row& original, const Values& changes);
  DeltaBuilder& Delete(const plat::Row& original);
  plat::Delta Build() const { return delta_; }
  operator plat::RpcArg() const { return plat::RpcArg(delta_); }

 private:
  plat::Row With(plat::Row row, const Values& values) const;
  plat::Delta delta_;
};

}  // namespace apptest

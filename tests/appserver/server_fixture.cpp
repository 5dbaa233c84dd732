#include "server_fixture.h"

#include <atomic>
#include <random>

namespace apptest {

ServerFixture::ServerFixture(bool testOptions, const std::function<void(appsrv::ServerOptions&)>& adjust) {
  appsrv::ServerOptions options;
  options.dbPath = database_.Name();
  options.port = 0;
  options.setup.demo = true;
  options.testOptions = testOptions;
  if (adjust) adjust(options);
  server_ = std::make_unique<appsrv::AppServer>(options);
  runner_ = std::thread([this] { server_->Run(); });
  net_ = Connect();
}

ServerFixture::~ServerFixture() {
  net_.reset();
  server_->Stop();
  runner_.join();
  server_.reset();
}

std::unique_ptr<host::TNetConnection> ServerFixture::Connect() {
  auto net = std::make_unique<host::TNetConnection>(nullptr, "netProposta");
  net->ServerName = appsrv::kModuleObject;
  net->Host = "127.0.0.1";
  net->Port = server_->Port();
  net->ThrowException = false;
  net->SetConnected(true);
  return net;
}

host::ServerResult ServerFixture::Call(const std::string& method, std::vector<plat::RpcArg> args) {
  return net_->AppServer(method, std::move(args));
}

host::ServerResult ServerFixture::HostCall(const std::string& method, std::vector<plat::RpcArg> args) {
  return net_->Call(appsrv::kHostObject, method, std::move(args));
}

plat::DataPacket ServerFixture::Fetch(const std::string& method, std::vector<plat::RpcArg> args) {
  return Fetch(*net_, method, std::move(args));
}

plat::DataPacket ServerFixture::Fetch(host::TNetConnection& net, const std::string& method,
                                      std::vector<plat::RpcArg> args) {
  auto result = net.AppServer(method, std::move(args));
  EXPECT_EQ(result.kind, host::ServerResult::Kind::Packet) << method << ": " << result.error;
  return result.packet;
}

plat::DataPacket ServerFixture::Sql(const std::string& sql) {
  auto result = HostCall("Sql", {sql});
  EXPECT_FALSE(result.Failed()) << sql << ": " << result.error;
  return result.packet;
}

std::string ServerFixture::SqlValue(const std::string& sql) {
  auto packet = Sql(sql);
  if (packet.rows.size() != 1 || packet.fields.size() != 1) {
    ADD_FAILURE() << "expected one value from " << sql << ", got " << packet.rows.size() << " rows";
    return {};
  }
  return packet.rows[0][0].ToText();
}

::testing::AssertionResult Mentions(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "'" << text << "' does not mention '" << part << "'";
}

plat::Variant At(const plat::DataPacket& packet, std::size_t row, const std::string& field) {
  int index = packet.FieldIndex(field);
  if (index < 0 || row >= packet.rows.size()) {
    ADD_FAILURE() << "no field " << field << " or row " << row;
    return {};
  }
  return packet.rows[row][std::size_t(index)];
}

std::vector<std::string> Column(const plat::DataPacket& packet, const std::string& field) {
  std::vector<std::string> values;
  for (std::size_t row = 0; row < packet.rows.size(); ++row) values.push_back(At(packet, row, field).ToText());
  return values;
}

plat::Row DeltaBuilder::With(plat::Row row, const Values& values) const {
  row.resize(delta_.fields.size());
  for (const auto& [name, value] : values) {
    int index = delta_.FieldIndex(name);
    if (index < 0) {
      ADD_FAILURE() << "delta has no field " << name;
      continue;
    }
    row[std::size_t(index)] = value;
  }
  return row;
}

DeltaBuilder& DeltaBuilder::Insert(const Values& values) {
  delta_.changes.push_back({plat::ChangeKind::Insert, {}, With({}, values)});
  return *this;
}

DeltaBuilder& DeltaBuilder::Modify(const plat::Row& original, const Values& changes) {
  delta_.changes.push_back({plat::ChangeKind::Modify, original, With(original, changes)});
  return *this;
}

DeltaBuilder& DeltaBuilder::Delete(const plat::Row& original) {
  delta_.changes.push_back({plat::ChangeKind::Delete, original, {}});
  return *this;
}

}  // namespace apptest

// The host's connection: endpoint set at each connect, answers of each kind,
// and failures that come back as results instead of hanging or raising.
#include <gtest/gtest.h>

#include <atomic>
#include <nlohmann/json.hpp>
#include <thread>

#include "host/netconnection.h"
#include "platform/data/errors.h"
#include "platform/net/frame.h"

using namespace host;
using namespace plat;

namespace {

// A one-connection server that answers each request as the test says.
class FakeServer {
 public:
  using Reply = std::function<std::optional<RpcAnswer>(const RpcRequest&)>;  // nullopt: stay silent
  explicit FakeServer(Reply reply) : listener_(TcpSocket::Listen("127.0.0.1", 0)), reply_(std::move(reply)) {
    port_ = listener_.LocalPort();
    thread_ = std::thread([this] {
      client_ = listener_.Accept();
      TcpSocket& client = client_;
      while (client.Valid()) {
        std::optional<std::string> frame;
        try {
          frame = ReadFrame(client, std::chrono::seconds(10));
        } catch (const std::exception&) {
          return;
        }
        if (!frame) return;
        RpcRequest request = RequestFromJson(nlohmann::json::parse(*frame));
        calls_.push_back(request.method);
        if (auto answer = reply_(request)) WriteFrame(client, AnswerToJson(*answer).dump());
      }
    });
  }
  ~FakeServer() {
    listener_.Shutdown();
    client_.Shutdown();
    thread_.join();
  }
  int Port() const { return port_; }
  std::vector<std::string> calls_;

 private:
  TcpSocket listener_;
  TcpSocket client_;
  Reply reply_;
  int port_;
  std::thread thread_;
};

class NetConnection : public ::testing::Test {
 protected:
  TComponent owner;
  TNetConnection& net = owner.Create<TNetConnection>("netProposta");
  void ConnectTo(int port) {
    net.ServerName = "PSR41300.rdmSolicitaProposta";
    net.ThrowException = false;
    net.BeforeConnect = [port](TNetConnection& c) {
      c.Host = "127.0.0.1";
      c.Port = port;
    };
    net.SetConnected(true);
  }
};

TEST_F(NetConnection, BeforeConnectSetsTheEndpointAtEveryConnect) {
  FakeServer server([](const RpcRequest& r) { return RpcAnswer::OfValue(r.id, Variant("000001")); });
  int connects = 0;
  net.BeforeConnect = [&](TNetConnection& c) {
    ++connects;
    c.Host = "127.0.0.1";
    c.Port = server.Port();
  };
  net.SetConnected(true);
  EXPECT_TRUE(net.Connected());
  EXPECT_EQ(connects, 1);
  net.SetConnected(false);
  EXPECT_FALSE(net.Connected());
}

TEST_F(NetConnection, AnswersComeBackAsPacketValueOrFailure) {
  FakeServer server([](const RpcRequest& r) -> std::optional<RpcAnswer> {
    if (r.method == "PrxProposta") return RpcAnswer::OfValue(r.id, Variant("000124"));
    if (r.method == "GetProposta") return RpcAnswer::OfPacket(r.id, DataPacket{{{"X", FieldType::String, 1}}, {}});
    return RpcAnswer::OfError(r.id, "Método desconhecido: " + r.method);
  });
  ConnectTo(server.Port());
  EXPECT_EQ(net.AppServer("PrxProposta").value, Variant("000124"));
  EXPECT_EQ(net.AppServer("GetProposta", {"0001", "ADMIN"}).kind, ServerResult::Kind::Packet);
  ServerResult failed = net.AppServer("Nada");
  EXPECT_TRUE(failed.Failed());
  EXPECT_EQ(failed.error, "Método desconhecido: Nada");
  EXPECT_TRUE(net.Connected());  // a server error leaves the connection usable
}

TEST_F(NetConnection, ATimeoutFailsTheCallAndClosesTheConnection) {
  FakeServer server([](const RpcRequest&) -> std::optional<RpcAnswer> { return std::nullopt; });
  ConnectTo(server.Port());
  net.Timeout = std::chrono::milliseconds(100);
  ServerResult result = net.AppServer("GetProposta", {"0001", "ADMIN"});
  EXPECT_TRUE(result.Failed());
  EXPECT_NE(result.error.find("não respondeu"), std::string::npos);
  EXPECT_FALSE(net.Connected());
  EXPECT_TRUE(net.AppServer("PrxProposta").Failed());  // not connected: a result, not a hang
}

TEST_F(NetConnection, ThrowExceptionRaisesInsteadOfReturning) {
  FakeServer server([](const RpcRequest& r) { return RpcAnswer::OfError(r.id, "falhou"); });
  ConnectTo(server.Port());
  net.ThrowException = true;
  EXPECT_THROW(net.AppServer("PrxProposta"), EError);
}

TEST_F(NetConnection, ARefusedConnectionRaisesAClearError) {
  int closedPort;
  {
    TcpSocket probe = TcpSocket::Listen("127.0.0.1", 0);
    closedPort = probe.LocalPort();
  }
  net.Host = "127.0.0.1";
  net.Port = closedPort;
  try {
    net.SetConnected(true);
    FAIL() << "connected to a closed port";
  } catch (const ENetError& e) {
    EXPECT_NE(std::string(e.what()).find(std::to_string(closedPort)), std::string::npos);
  }
}

TEST_F(NetConnection, AnAnswerToAnotherCallIsRefused) {
  FakeServer server([](const RpcRequest& r) { return RpcAnswer::OfValue(r.id + 1, Variant("x")); });
  ConnectTo(server.Port());
  EXPECT_TRUE(net.AppServer("PrxProposta").Failed());
  EXPECT_FALSE(net.Connected());
}

}  // namespace

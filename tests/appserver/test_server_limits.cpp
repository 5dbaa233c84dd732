// The limits of a server that meets the network: connections over the
// maximum are refused with a clear answer, a message that starts and never
// ends or is too large is refused and its connection closed (its announced
// size costs nothing), an idle connection is closed; well-behaved clients
// are served alongside.
#include <nlohmann/json.hpp>

#include "platform/net/frame.h"
#include "platform/net/rpc.h"
#include "server_fixture.h"

namespace apptest {
namespace {

using namespace std::chrono_literals;

class Limited : public ServerFixture {
 protected:
  Limited()
      : ServerFixture(true, [](appsrv::ServerOptions& options) {
          options.maxConnections = 2;
          options.frameTimeout = 300ms;
          options.maxFrameBytes = 4096;
        }) {}
  plat::TcpSocket Raw() { return plat::TcpSocket::Connect("127.0.0.1", server_->Port(), 5s); }
  // The refusal a raw connection receives, and that the server then closes it.
  static std::string RefusalOn(plat::TcpSocket& socket) {
    auto frame = plat::ReadFrame(socket, 5s);
    if (!frame) return "(closed without an answer)";
    plat::RpcAnswer answer = plat::AnswerFromJson(nlohmann::json::parse(*frame));
    EXPECT_EQ(answer.id, 0);
    EXPECT_FALSE(plat::ReadFrame(socket, 5s).has_value()) << "the connection stays open";
    return answer.error;
  }
  static std::string Header(uint32_t n) {
    return {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8), static_cast<char>(n)};
  }
};

TEST_F(Limited, AConnectionOverTheMaximumIsRefusedWithAClearMessage) {
  auto second = Connect();
  EXPECT_FALSE(second->AppServer("PrxProposta").Failed());
  auto third = Connect();
  host::ServerResult refused = third->AppServer("PrxProposta");
  ASSERT_TRUE(refused.Failed());
  EXPECT_TRUE(Mentions(refused.error, "número máximo de conexões (2)"));
  // Once the second has gone, a new one is served.
  second.reset();
  bool served = false;
  for (int i = 0; i < 100 && !served; ++i) {
    auto again = Connect();
    served = !again->AppServer("PrxProposta").Failed();
    if (!served) std::this_thread::sleep_for(20ms);
  }
  EXPECT_TRUE(served);
  EXPECT_FALSE(Call("PrxProposta").Failed());
}

TEST_F(Limited, AMessageThatNeverEndsIsRefusedAfterItsTimeAndTheOthersAreServed) {
  plat::TcpSocket stalled = Raw();
  stalled.SendAll(Header(1000) + "{\"id\": 1");
  EXPECT_FALSE(Call("PrxProposta").Failed());  // served meanwhile
  EXPECT_TRUE(Mentions(RefusalOn(stalled), "não chegou completa em 300 ms"));
}

TEST_F(Limited, AMessageOverTheMaximumIsRefusedBeforeItsBytesArrive) {
  plat::TcpSocket large = Raw();
  large.SendAll(Header(200u << 20));  // announces 200 MiB and sends nothing more
  EXPECT_TRUE(Mentions(RefusalOn(large), "Mensagem de 209715200 bytes recusada: mais de 4096 bytes"));
  // A message within the maximum is answered (on the fixture's connection:
  // the closed one may still count against the two until its thread ends).
  EXPECT_FALSE(Call("PrxProposta").Failed());
}

class Idle : public ServerFixture {
 protected:
  Idle() : ServerFixture(true, [](appsrv::ServerOptions& options) { options.idleTimeout = 200ms; }) {}
};

TEST_F(Idle, AConnectionThatSendsNothingIsClosed) {
  plat::TcpSocket quiet = plat::TcpSocket::Connect("127.0.0.1", server_->Port(), 5s);
  EXPECT_FALSE(plat::ReadFrame(quiet, 5s).has_value());
}

}  // namespace
}  // namespace apptest

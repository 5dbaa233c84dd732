// Numbers handed out by the server: proposal numbers, and the ordered-line
// and ordered-service numbers of the proposal version a connection works on.
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "server_fixture.h"

using apptest::At;
using apptest::DeltaBuilder;
using apptest::Mentions;

namespace {

class Numbering : public apptest::ServerFixture {
 protected:
  int NextNumber(host::TNetConnection& net, const char* method, const char* field) {
    return static_cast<int>(At(Fetch(net, method, {}), 0, field).ToInt());
  }
  int NextLine(host::TNetConnection& net) { return NextNumber(net, "seqPedidosLinhaProd", "NRLINPPEDP"); }
  int NextService(host::TNetConnection& net) { return NextNumber(net, "SeqServico", "NRSERVPEDP"); }
};

TEST_F(Numbering, ProposalNumbersNeverRepeatAcrossConcurrentConnections) {
  constexpr int kClients = 4, kCalls = 25;
  std::vector<std::vector<std::string>> got(kClients);
  std::vector<std::thread> clients;
  for (int c = 0; c < kClients; ++c)
    clients.emplace_back([&, c] {
      auto net = Connect();
      for (int i = 0; i < kCalls; ++i) {
        auto result = net->AppServer("PrxProposta");
        got[std::size_t(c)].push_back(result.Failed() ? "falhou: " + result.error : result.value.ToText());
      }
    });
  for (auto& client : clients) client.join();
  std::set<std::string> distinct;
  for (auto& numbers : got) distinct.insert(numbers.begin(), numbers.end());
  EXPECT_EQ(distinct.size(), std::size_t(kClients * kCalls));
  EXPECT_EQ(*distinct.begin(), "1008");  // after the demo's 1001 to 1007
}

TEST_F(Numbering, ProposalNumbersSkipNumbersAlreadyStored) {
  Sql("INSERT INTO PROPOSTAFAS (NRPROPOSFAS, NRVERPROPFAS, CDFILIAL) VALUES ('1008', '1', '0001'), ('1009', '1', "
      "'0001')");
  EXPECT_EQ(Call("PrxProposta").value.ToText(), "1010");
  EXPECT_EQ(Call("PrxProposta").value.ToText(), "1011");
}

TEST_F(Numbering, DetailNumbersNeedAProposalInWork) {
  auto result = Call("seqPedidosLinhaProd");
  ASSERT_TRUE(result.Failed());
  EXPECT_TRUE(Mentions(result.error, "nenhuma proposta em uso nesta conexão"));
  EXPECT_TRUE(Mentions(Call("SeqServico").error, "GetPedidosServico"));
  // A number longer than any proposal's (20 characters) puts none in work.
  Fetch("GetPedidosServico", {"1001", "1"});
  Fetch("GetPedidosServico", {std::string(45, '7'), "1"});
  EXPECT_TRUE(Mentions(Call("SeqServico").error, "nenhuma proposta em uso nesta conexão"));
}

TEST_F(Numbering, DetailNumbersFollowTheHighestStoredOfTheVersionInWork) {
  Fetch("GetPedidosLinhaProd", {"1001", "1"});  // lines 1 and 2, services 1 and 2
  EXPECT_EQ(NextLine(*net_), 3);
  EXPECT_EQ(NextService(*net_), 3);
  Fetch("GetPedidosLinhaProd", {"1001", "2"});  // no order yet
  EXPECT_EQ(NextLine(*net_), 1);
  Fetch("GetPedidosServico", {"1005", "1"});
  EXPECT_EQ(NextService(*net_), 2);
}

TEST_F(Numbering, AConnectionKeepsItsNumberUntilARecordTakesIt) {
  Fetch("GetPedidosServico", {"1005", "1"});
  EXPECT_EQ(NextService(*net_), 2);
  EXPECT_EQ(NextService(*net_), 2);  // an edited service posts and asks again
  auto services = Fetch("GetPedidosServico", {"1005", "1"});
  auto stored = Call("SetPedidosServico", {DeltaBuilder(services).Insert({{"NRPROPOSFAS", "1005"},
                                                                          {"NRVERPROPFAS", "1"},
                                                                          {"NRSERVPEDP", "2"},
                                                                          {"CDTIPOSERV", "IMP"},
                                                                          {"QTSERVPEDP", 4.0},
                                                                          {"VRHORAPEDP", 145.0}})});
  ASSERT_FALSE(stored.Failed()) << stored.error;
  EXPECT_EQ(NextService(*net_), 3);
}

TEST_F(Numbering, TwoConnectionsOnOneVersionNeverGetTheSameNumber) {
  auto other = Connect();
  Fetch("GetPedidosLinhaProd", {"1005", "1"});
  Fetch(*other, "GetPedidosLinhaProd", {"1005", "1"});
  int mine = NextLine(*net_);
  int theirs = NextLine(*other);
  EXPECT_EQ(mine, 2);
  EXPECT_EQ(theirs, 3);
  EXPECT_EQ(NextLine(*net_), 2);  // each keeps its own
}

TEST_F(Numbering, DetailNumbersStopAtNineHundredNinetyNine) {
  Sql("UPDATE PEDISERVPROP SET NRSERVPEDP = '999' WHERE NRPROPOSFAS = '1005' AND NRSERVPEDP = '1'");
  Fetch("GetPedidosServico", {"1005", "1"});
  auto result = Call("SeqServico");
  ASSERT_TRUE(result.Failed());
  EXPECT_TRUE(Mentions(result.error, "A proposta 1005 versão 1 já usa todos os 999 números"));
}

TEST_F(Numbering, GetUpDateValorRecordsTheQuantityTheScreenIsAboutToSend) {
  // The screen's order after an order line is posted: GetUpDateValor with the
  // new quantity, then the line's delta with the same quantity.
  auto lines = Fetch("GetPedidosLinhaProd", {"1001", "1"});
  ASSERT_FALSE(Call("GetUpDateValor", {18.0, "1001", "1", "10", "10"}).Failed());
  EXPECT_EQ(SqlValue("SELECT QTLINPPEDP FROM PEDILINPPROP WHERE NRPROPOSFAS = '1001' AND NRLINPPEDP = '1'"), "18");
  auto sent = Call("SetPedidosLinhaProd", {DeltaBuilder(lines).Modify(lines.rows[0], {{"QTLINPPEDP", 18.0}})});
  EXPECT_FALSE(sent.Failed()) << sent.error;
  // A line not stored yet is left to its Set.
  EXPECT_FALSE(Call("GetUpDateValor", {3.0, "1001", "1", "NOVA", "NOVA"}).Failed());
  EXPECT_TRUE(Call("GetUpDateValor", {"3", "1001", "1", "10", "10"}).Failed());
}

}  // namespace

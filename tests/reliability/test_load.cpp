// Many users at once: 20 clients of 500 calls each, mixing the screen's
// reads, validations, numbers and Set deltas of their own proposals and of
// one shared record, against each back end and against two server processes
// on one PostgreSQL database. Nothing may fail unexpectedly, no number may
// be handed out twice, every refusal is a conflict a user can act on, and
// the database afterwards holds exactly what the accepted deltas said.
#include <chrono>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "../appserver/server_fixture.h"
#include "../appserver/test_database.h"
#include "appserver/packet_shape.h"
#include "appserver/storage.h"
#include "reliability.h"

namespace reliability {
namespace {

using apptest::DeltaBuilder;
using plat::Variant;

constexpr int kClients = 20;
constexpr int kCallsEach = 500;

const char* const kLineFields = "NRPROPOSFAS S20, NRVERPROPFAS S2, CDLINPPROP S20, QTLINPPROP F";
const char* const kProposalFields = "NRPROPOSFAS S20, NRVERPROPFAS S2, CDFILIAL S4, IDCLIENPROSP S1, CDCLIENTE S21";

// What one client saw and had accepted.
struct ClientRecord {
  std::vector<std::string> proposalNumbers;
  std::string ownProposal;
  std::map<std::string, double> ownLines;              // line code -> quantity, as accepted
  std::vector<std::pair<double, double>> sharedMoves;  // accepted changes of the shared line: from, to
  std::string heldNumber;                              // the ordered-line number held for proposal 1003
  std::vector<std::string> unexpected;
  int calls = 0;
  int refusals = 0;
};

// The shared record every client changes: contract line 11 of proposal 1001/1.
const Variant kSharedLine("11");

// The client's connection is left in keep, open until every client is done,
// so that every held number is held at once.
void RunClient(int port, int client, ClientRecord& record, std::unique_ptr<host::TNetConnection>& keep) {
  keep = Client(port);
  host::TNetConnection* net = keep.get();
  auto call = [&](const std::string& method, std::vector<plat::RpcArg> args) {
    ++record.calls;
    return net->AppServer(method, std::move(args));
  };
  auto unexpected = [&](const std::string& what, const host::ServerResult& result) {
    record.unexpected.push_back(what + ": " + (result.Failed() ? result.error : "accepted"));
  };
  auto number = call("PrxProposta", {});
  if (number.Failed()) return unexpected("PrxProposta", number);
  record.ownProposal = number.value.ToText();
  record.proposalNumbers.push_back(record.ownProposal);
  auto created = call("SetProposta", {DeltaBuilder(appsrv::ParseFields(kProposalFields))
                                          .Insert({{"NRPROPOSFAS", record.ownProposal},
                                                   {"NRVERPROPFAS", "1"},
                                                   {"CDFILIAL", "0001"},
                                                   {"IDCLIENPROSP", "C"},
                                                   {"CDCLIENTE", "12345678909"}})});
  if (created.Failed()) return unexpected("SetProposta", created);
  const Variant own(record.ownProposal);
  const auto lineFields = appsrv::ParseFields(kLineFields);
  auto lineRow = [&](const std::string& code, double quantity) {
    return plat::Row{own, Variant("1"), Variant(code), Variant(quantity)};
  };
  int nextLine = 0;
  for (int i = 0; record.calls < kCallsEach; ++i) {
    switch (i % 10) {
      case 0: {
        auto list = call("GetProposta", {"0001", "ADMIN"});
        if (list.Failed() || list.packet.rows.empty()) unexpected("GetProposta", list);
        break;
      }
      case 1: {
        auto next = call("PrxProposta", {});
        if (next.Failed())
          unexpected("PrxProposta", next);
        else
          record.proposalNumbers.push_back(next.value.ToText());
        break;
      }
      case 2: {
        auto check = call("ValidaProposta", {"0001", "1001", "1"});
        if (check.Failed() || check.packet.rows.size() != 1) unexpected("ValidaProposta", check);
        break;
      }
      case 3: {
        auto lines = call("GetDadosContLinhaProd", {"1001", "1"});
        if (lines.Failed() || lines.packet.rows.empty()) unexpected("GetDadosContLinhaProd", lines);
        break;
      }
      case 4: {  // a new line of the client's own proposal
        const std::string code = "L" + std::to_string(++nextLine);
        auto insert = call(
            "SetDadosContLinhaProd",
            {DeltaBuilder(lineFields)
                 .Insert({{"NRPROPOSFAS", own}, {"NRVERPROPFAS", "1"}, {"CDLINPPROP", code}, {"QTLINPPROP", 1.0}})});
        if (insert.Failed())
          unexpected("insert " + code, insert);
        else
          record.ownLines[code] = 1.0;
        break;
      }
      case 5: {  // its quantity changed
        if (record.ownLines.empty()) break;
        auto& [code, quantity] = *record.ownLines.rbegin();
        const double wanted = quantity + i;
        auto modify = call("SetDadosContLinhaProd",
                           {DeltaBuilder(lineFields).Modify(lineRow(code, quantity), {{"QTLINPPROP", wanted}})});
        if (modify.Failed())
          unexpected("modify " + code, modify);
        else
          quantity = wanted;
        break;
      }
      case 6: {  // the shared line, read then changed: the others may have come first
        auto read = call("GetDadosContLinhaProd", {"1001", "1"});
        if (read.Failed()) {
          unexpected("GetDadosContLinhaProd", read);
          break;
        }
        const auto& packet = read.packet;
        const int code = packet.FieldIndex("CDLINPPROP");
        const int quantity = packet.FieldIndex("QTLINPPROP");
        for (const auto& row : packet.rows) {
          if (row[std::size_t(code)] != kSharedLine) continue;
          const double from = row[std::size_t(quantity)].IsNull() ? 0 : row[std::size_t(quantity)].ToDouble();
          const double to = client * 1000 + i;
          auto modify = call("SetDadosContLinhaProd", {DeltaBuilder(packet).Modify(row, {{"QTLINPPROP", to}})});
          if (!modify.Failed())
            record.sharedMoves.emplace_back(from, to);
          else if (ClearRefusal(modify.error))
            ++record.refusals;
          else
            unexpected("shared modify", modify);
        }
        break;
      }
      case 7: {  // an ordered-line number held for the shared proposal 1003
        if (!record.heldNumber.empty()) break;
        auto lines = call("GetPedidosLinhaProd", {"1003", "1"});
        auto held = call("seqPedidosLinhaProd", {});
        if (lines.Failed() || held.Failed() || held.packet.rows.empty())
          unexpected("seqPedidosLinhaProd", held);
        else
          record.heldNumber = held.packet.rows[0][0].ToText();
        break;
      }
      case 8: {  // the oldest own line deleted
        if (record.ownLines.size() < 3) break;
        auto [code, quantity] = *record.ownLines.begin();
        auto remove = call("SetDadosContLinhaProd", {DeltaBuilder(lineFields).Delete(lineRow(code, quantity))});
        if (remove.Failed())
          unexpected("delete " + code, remove);
        else
          record.ownLines.erase(code);
        break;
      }
      case 9: {  // an own line inserted again: refused as a duplicate
        if (record.ownLines.empty()) break;
        const std::string code = record.ownLines.rbegin()->first;
        auto again = call(
            "SetDadosContLinhaProd",
            {DeltaBuilder(lineFields)
                 .Insert({{"NRPROPOSFAS", own}, {"NRVERPROPFAS", "1"}, {"CDLINPPROP", code}, {"QTLINPPROP", 5.0}})});
        if (!again.Failed() || !ClearRefusal(again.error))
          unexpected("duplicate " + code, again);
        else
          ++record.refusals;
        break;
      }
    }
  }
}

struct LoadFigures {
  int calls = 0, refusals = 0, sharedAccepted = 0;
  double seconds = 0;
};

// Runs the clients (spread over the servers' ports), then checks the
// database through a direct connection to it.
void RunLoad(const std::vector<int>& ports, const std::string& database, LoadFigures& figures) {
  std::vector<ClientRecord> records(kClients);
  std::vector<std::unique_ptr<host::TNetConnection>> keepOpen(kClients);
  auto start = std::chrono::steady_clock::now();
  {
    std::vector<std::thread> threads;
    for (int c = 0; c < kClients; ++c)
      threads.emplace_back([&, c] {
        RunClient(ports[std::size_t(c) % ports.size()], c, records[std::size_t(c)], keepOpen[std::size_t(c)]);
      });
    for (auto& thread : threads) thread.join();
  }
  keepOpen.clear();
  figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::set<std::string> numbers, held;
  std::map<double, double> moves;  // from -> to: accepted changes of the shared line form one chain
  for (const auto& record : records) {
    for (const auto& problem : record.unexpected) ADD_FAILURE() << problem;
    for (const auto& number : record.proposalNumbers) EXPECT_TRUE(numbers.insert(number).second) << number << " twice";
    if (!record.heldNumber.empty()) held.insert(record.heldNumber);
    for (const auto& [from, to] : record.sharedMoves) EXPECT_TRUE(moves.emplace(from, to).second) << "lost update";
    figures.calls += record.calls;
    figures.refusals += record.refusals;
    figures.sharedAccepted += int(record.sharedMoves.size());
  }
  EXPECT_EQ(held.size(), std::size_t(kClients)) << "two live connections held the same ordered-line number";

  auto db = appsrv::OpenStorage(database);
  for (const auto& record : records) {
    auto stored =
        db->Query("SELECT CDLINPPROP, QTLINPPROP FROM PROPOSTALINP WHERE NRPROPOSFAS = ?1 ORDER BY CDLINPPROP",
                  {Variant(record.ownProposal)});
    std::map<std::string, double> lines;
    for (const auto& row : stored.rows) lines[row[0].ToText()] = row[1].ToDouble();
    EXPECT_EQ(lines, record.ownLines) << "proposal " << record.ownProposal;
  }
  auto shared = db->Query(
      "SELECT QTLINPPROP FROM PROPOSTALINP WHERE NRPROPOSFAS = '1001' AND NRVERPROPFAS = '1'"
      " AND CDLINPPROP = '11'",
      {});
  ASSERT_FALSE(moves.empty()) << "no change of the shared line was accepted";
  double value = 0;
  std::set<double> targets;
  for (const auto& [from, to] : moves) targets.insert(to);
  for (const auto& [from, to] : moves)
    if (!targets.count(from)) value = from;  // the start of the chain
  std::size_t steps = 0;
  for (auto next = moves.find(value); next != moves.end(); next = moves.find(value), ++steps) value = next->second;
  EXPECT_EQ(steps, moves.size()) << "the accepted changes of the shared line do not follow one another";
  EXPECT_EQ(shared.rows.at(0)[0].ToDouble(), value);
}

void Print(const char* name, const LoadFigures& f) {
  std::printf(
      "figures %s: %d clients, %d calls in %.2f s (%.0f calls/s), %d refusals (conflicts, duplicates), "
      "%d accepted changes of the shared line, 0 lost\n",
      name, kClients, f.calls, f.seconds, f.calls / f.seconds, f.refusals, f.sharedAccepted);
}

void OneServer(apptest::TestDatabase::Kind kind) {
  apptest::TestDatabase database(kind);
  if (kind == apptest::TestDatabase::Kind::OfTheRun && !database.Postgres())
    GTEST_SKIP() << "no PostgreSQL cluster named by PSR_TEST_POSTGRES";
  Server server(database.Name());
  server.Start();
  LoadFigures figures;
  RunLoad({server.Port()}, database.Name(), figures);
  EXPECT_GE(figures.calls, kClients * kCallsEach);
  Print(database.Postgres() ? "load, one server on PostgreSQL" : "load, one server on SQLite", figures);
}

TEST(Load, TwentyClientsOnOneServerOnSqlite) { OneServer(apptest::TestDatabase::Kind::Sqlite); }
TEST(Load, TwentyClientsOnOneServerOnPostgres) { OneServer(apptest::TestDatabase::Kind::OfTheRun); }

TEST(Load, TwentyClientsOnTwoServersSharingOnePostgresDatabase) {
  apptest::TestDatabase database;
  if (!database.Postgres()) GTEST_SKIP() << "no PostgreSQL cluster named by PSR_TEST_POSTGRES";
  Server first(database.Name()), second(database.Name());
  first.Start();
  second.Start(false);
  LoadFigures figures;
  RunLoad({first.Port(), second.Port()}, database.Name(), figures);
  EXPECT_GE(figures.calls, kClients * kCallsEach);
  Print("load, two servers on one PostgreSQL database", figures);
}

}  // namespace
}  // namespace reliability

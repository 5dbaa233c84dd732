// The server's parts on their own: storage typing, number reservations,
// frames that are not calls, and the command line.
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "appserver/number_reservations.h"
#include "appserver/options.h"
#include "appserver/session.h"
#include "appserver/storage.h"
#include "platform/data/errors.h"
#include "platform/net/wire.h"
#include "test_database.h"

using plat::FieldType;
using plat::Variant;

namespace {

class TempDatabase : public ::testing::Test {
 protected:
  TempDatabase() : path_(database_.Name()) {
    db_ = appsrv::OpenStorage(path_);
    db_->CreateTables(
        "CREATE TABLE T (K VARCHAR(5) PRIMARY KEY, D DATETIME, F FLOAT, N NUMERIC(32), X CLOB, U VARCHAR(3) UNIQUE)");
  }
  ~TempDatabase() override { db_.reset(); }
  apptest::TestDatabase database_;
  std::string path_;
  std::unique_ptr<appsrv::Storage> db_;
};

using Storage = TempDatabase;

TEST_F(Storage, QueryTypesTableColumnsByDeclarationAndComputedOnesByValue) {
  db_->Execute("INSERT INTO T VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
               {Variant("a"), Variant(plat::DateTime::FromDate(2025, 1, 2)), Variant(1.5),
                Variant(plat::Decimal::Parse("10.25")), Variant("texto"), Variant("u1")});
  auto packet = db_->Query("SELECT K, D, F, N, X, F * 2 AS F2, LENGTH(K) AS L FROM T");
  std::vector<std::pair<FieldType, int>> types;
  for (const auto& field : packet.fields) types.emplace_back(field.type, field.size);
  EXPECT_EQ(types, (std::vector<std::pair<FieldType, int>>{{FieldType::String, 5},
                                                           {FieldType::DateTime, 0},
                                                           {FieldType::Float, 0},
                                                           {FieldType::Decimal, 32},
                                                           {FieldType::Blob, 0},
                                                           {FieldType::Float, 0},
                                                           {FieldType::Integer, 0}}));
  EXPECT_EQ(packet.rows[0][1], Variant(plat::DateTime::FromDate(2025, 1, 2)));
  EXPECT_EQ(packet.rows[0][3].ToDecimal(), plat::Decimal::Parse("10.25"));
}

// A table as an earlier server declared it (SQLite: decimals of numeric
// affinity; PostgreSQL: date-times to the second) keeps its rows when the
// server upgrades it, and from then on keeps every digit and millisecond.
TEST_F(Storage, AnEarlierServersTableKeepsItsRowsAndFromThenOnEveryDigit) {
  db_->ExecuteScript(database_.Postgres() ? "CREATE TABLE E (K VARCHAR(5) PRIMARY KEY, N NUMERIC, D TIMESTAMP(0))"
                                          : "CREATE TABLE E (K VARCHAR(5) PRIMARY KEY, N NUMERIC(32), D DATETIME)");
  const Variant when(plat::DateTime::ParseIso("2025-06-30T23:59:59.500"));
  const Variant digits(plat::Decimal::Parse("12345678901234567890"));
  db_->Execute("INSERT INTO E VALUES ('old', 1.5, '2025-01-02T03:04:05')");
  db_->UpgradeTables();
  db_->Execute("INSERT INTO E VALUES ('new', ?1, ?2)", {digits, when});
  auto rows = db_->Query("SELECT K, N, D FROM E ORDER BY K").rows;
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][1].ToDecimal(), plat::Decimal::Parse("1.5"));
  EXPECT_EQ(rows[1][2].ToDateTime().ToIso(), "2025-01-02T03:04:05");
  EXPECT_EQ(rows[0][1].ToDecimal().ToString(), "12345678901234567890");
  EXPECT_EQ(rows[0][2].ToDateTime().ToIso(), "2025-06-30T23:59:59.500");
}

// A statement run again after its table changed is typed by the table as
// it is now, also when its rows are read one at a time.
TEST_F(Storage, AStatementIsTypedAnewAfterItsTableChanged) {
  if (database_.Postgres()) GTEST_SKIP() << "describes the SQLite back end's statement cache";
  db_->CreateTables("CREATE TABLE U (A VARCHAR(5))");
  db_->Execute("INSERT INTO U VALUES ('12')");
  auto typeOf = [&] {
    const auto packet = db_->Query("SELECT * FROM U");
    std::vector<std::pair<FieldType, int>> types;
    for (const auto& field : packet.fields) types.emplace_back(field.type, field.size);
    return types;
  };
  EXPECT_EQ(typeOf(), (std::vector<std::pair<FieldType, int>>{{FieldType::String, 5}}));
  db_->ExecuteScript("DROP TABLE U; CREATE TABLE U (A FLOAT, B VARCHAR(7)); INSERT INTO U VALUES (1.5, 'x');");
  EXPECT_EQ(typeOf(), (std::vector<std::pair<FieldType, int>>{{FieldType::Float, 0}, {FieldType::String, 7}}));

  struct Types : appsrv::RowVisitor {
    std::vector<FieldType> types;
    void Columns(const std::vector<appsrv::ResultColumn>& columns) override {
      for (const auto& c : columns) types.push_back(c.column.type);
    }
    void Row(const appsrv::ResultRow&) override {}
  } visited;
  db_->ExecuteScript("DROP TABLE U; CREATE TABLE U (A DATETIME, B FLOAT, C CLOB);");
  db_->QueryRows("SELECT * FROM U", {}, visited);
  EXPECT_EQ(visited.types, (std::vector<FieldType>{FieldType::DateTime, FieldType::Float, FieldType::Blob}));
}

// Holders are named after a database connection standing for a server
// process; here each holder is a process of its own.
TEST_F(TempDatabase, NumberReservationsHandEachHolderItsOwnNumberUntilOneIsStored) {
  appsrv::CreateReservationTable(*db_);
  std::vector<std::unique_ptr<appsrv::Storage>> processes;
  for (int i = 0; i < 4; ++i) processes.push_back(appsrv::OpenStorage(path_));
  std::vector<std::string> holders;
  for (auto& process : processes) holders.push_back(process->SessionName() + "#1");
  auto next = [&](int holder, const std::string& scope, int storedMax) {
    int number = 0;
    db_->Transaction(appsrv::TxMode::Write,
                     [&] { number = appsrv::ReserveNumber(*db_, holders[std::size_t(holder)], scope, storedMax); });
    return number;
  };
  EXPECT_EQ(next(0, "P|1", 4), 5);
  EXPECT_EQ(next(0, "P|1", 4), 5);
  EXPECT_EQ(next(1, "P|1", 4), 6);
  EXPECT_EQ(next(1, "Q|1", 0), 1);  // scopes are apart
  EXPECT_EQ(next(0, "P|1", 5), 7);  // 5 stored; 6 is held by holder 1
  appsrv::ReleaseNumbers(*db_, holders[1]);
  EXPECT_EQ(next(2, "P|1", 5), 8);  // 7 is still held by holder 0
  const std::string ended = processes[0]->SessionName();
  processes[0].reset();  // its process ended without letting go (a database sees that a moment later)
  for (int i = 0; i < 500 && db_->EndedSessions({ended}).empty(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(next(3, "P|1", 5), 9);  // holder 2 holds 8
  EXPECT_EQ(db_->Query("SELECT COUNT(*) FROM NUMERORESERVADO WHERE ESCOPO = 'P|1'", {}).rows[0][0].ToInt(), 2);
}

TEST_F(TempDatabase, FramesThatAreNotCallsGetAnErrorAnswer) {
  appsrv::ServerContext context(path_, false);
  appsrv::Session session(context, 1);
  auto garbled = appsrv::AnswerFrame(session, "{not json");
  EXPECT_EQ(garbled.kind, plat::RpcAnswer::Kind::Error);
  EXPECT_EQ(garbled.id, 0);
  auto incomplete = appsrv::AnswerFrame(session, R"({"id": 7, "object": "Host"})");
  EXPECT_EQ(incomplete.kind, plat::RpcAnswer::Kind::Error);
  EXPECT_EQ(incomplete.id, 7);
  EXPECT_NE(incomplete.error.find("Chamada inválida"), std::string::npos) << incomplete.error;
  // Strict: a key given twice, a key no call has, text that is not UTF-8
  // (the client's fault, told by position; the answer can still be sent).
  auto twice = appsrv::AnswerFrame(
      session, R"({"id": 8, "object": "Host", "method": "GetServerDate", "method": "Sql", "args": []})");
  EXPECT_EQ(twice.error, "Chamada inválida: a chave 'method' aparece mais de uma vez.");
  auto unknown = appsrv::AnswerFrame(
      session, R"({"id": 9, "object": "Host", "method": "GetServerDate", "args": [], "metodo": "x"})");
  EXPECT_EQ(unknown.error, "Chamada inválida: chave desconhecida 'metodo'.");
  auto malformed = appsrv::AnswerFrame(session, "{\"id\": 10, \"object\": \"H\xFF\", \"method\": \"x\", \"args\": []}");
  EXPECT_NE(malformed.error.find("não é UTF-8 válido (byte 24 da mensagem)"), std::string::npos) << malformed.error;
  EXPECT_NO_THROW(plat::AnswerText(malformed));
}

TEST(CommandLine, OptionsAreReadWithTheirValues) {
  auto line = appsrv::ParseCommandLine(
      {"--db", "x.db", "--listen=0.0.0.0:0", "--demo-proposals", "10000", "--test-options", "--create-only"});
  EXPECT_EQ(line.server.dbPath, "x.db");
  EXPECT_EQ(line.server.host, "0.0.0.0");
  EXPECT_EQ(line.server.port, 0);
  EXPECT_TRUE(line.server.setup.demo);
  EXPECT_EQ(line.server.setup.extraProposals, 10000);
  EXPECT_TRUE(line.server.testOptions);
  EXPECT_TRUE(line.createOnly);
  auto defaults = appsrv::ParseCommandLine({"--db=y.db"});
  EXPECT_EQ(defaults.server.host, "127.0.0.1");
  EXPECT_EQ(defaults.server.port, 47130);
  EXPECT_FALSE(defaults.server.setup.demo);
  EXPECT_EQ(appsrv::ParseListenAddress("[::1]:5000"), (std::pair<std::string, int>{"::1", 5000}));
}

TEST(CommandLine, BadCommandLinesAreRefusedWithAReason) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--listen", "1.2.3.4:0"}, "--db FILE is required"},
      {{"--db"}, "--db needs a value"},
      {{"--db", "x", "--listen", "localhost"}, "HOST:PORT"},
      {{"--db", "x", "--listen", "h:70000"}, "from 0 to 65535"},
      {{"--db", "x", "--demo-proposals", "-1"}, "--demo-proposals expects"},
      {{"--db", "x", "--demo=1"}, "takes no value"},
      {{"--db", "x", "--verbose"}, "unknown option '--verbose'"},
  };
  for (const auto& [args, reason] : cases) {
    try {
      appsrv::ParseCommandLine(args);
      ADD_FAILURE() << "accepted " << args.back();
    } catch (const plat::EError& e) {
      EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
    }
  }
}

}  // namespace

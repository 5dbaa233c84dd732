// What only the PostgreSQL back end has to show: that the one schema declares
// the same tables in both back ends, and that a lost database connection
// fails one call clearly and is made again for the next. Run when the test
// run names a PostgreSQL cluster; skipped otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>

#include "appserver/database_setup.h"
#include "appserver/storage.h"
#include "server_fixture.h"
#include "test_database.h"

namespace apptest {
namespace {

using plat::Variant;

std::string Join(std::vector<std::string> items) {
  std::string text;
  for (const auto& item : items) text += (text.empty() ? "" : ",") + item;
  return text;
}

// Each table as lines of text: its columns with type, size and NOT NULL,
// its primary key, unique constraints and foreign keys with their actions.
std::set<std::string> DescribeSqlite(appsrv::Storage& db, const std::vector<std::string>& tables) {
  std::set<std::string> lines;
  for (const auto& table : tables) {
    for (const auto& column : db.TableColumns(table))
      lines.insert(table + " column " + column.name + " " + plat::FieldTypeName(column.type) + " " +
                   std::to_string(column.size));
    std::vector<std::pair<int, std::string>> key;
    for (const auto& row : db.Query("SELECT name, \"notnull\", pk FROM pragma_table_info(?1)", {Variant(table)}).rows) {
      if (row[1].ToInt()) lines.insert(table + " not null " + row[0].ToText());
      if (row[2].ToInt()) key.emplace_back(int(row[2].ToInt()), row[0].ToText());
    }
    std::sort(key.begin(), key.end());
    std::vector<std::string> keyNames;
    for (auto& [order, name] : key) keyNames.push_back(name);
    lines.insert(table + " primary key " + Join(keyNames));
    for (const auto& index :
         db.Query("SELECT name FROM pragma_index_list(?1) WHERE \"unique\" = 1 AND origin = 'u'", {Variant(table)})
             .rows) {
      std::vector<std::string> columns;
      for (const auto& row : db.Query("SELECT name FROM pragma_index_info(?1) ORDER BY seqno", {index[0]}).rows)
        columns.push_back(row[0].ToText());
      lines.insert(table + " unique " + Join(columns));
    }
    std::map<int64_t, std::vector<std::string>> foreign;
    for (const auto& row : db.Query("SELECT id, \"table\", \"from\", \"to\", on_delete, on_update"
                                    " FROM pragma_foreign_key_list(?1) ORDER BY id, seq",
                                    {Variant(table)})
                               .rows) {
      auto& parts = foreign[row[0].ToInt()];
      if (parts.empty()) parts = {"", row[1].ToText(), "", row[4].ToText(), row[5].ToText()};
      parts[0] += (parts[0].empty() ? "" : ",") + row[2].ToText();
      parts[2] += (parts[2].empty() ? "" : ",") + row[3].ToText();
    }
    for (auto& [id, p] : foreign)
      lines.insert(table + " foreign key " + p[0] + " -> " + p[1] + " " + p[2] + " on delete " + p[3] + " on update " +
                   p[4]);
  }
  return lines;
}

std::set<std::string> DescribePostgres(appsrv::Storage& db, const std::vector<std::string>& tables) {
  static const std::map<std::string, std::string> kActions = {
      {"a", "NO ACTION"}, {"r", "RESTRICT"}, {"c", "CASCADE"}, {"n", "SET NULL"}, {"d", "SET DEFAULT"}};
  auto columnsOf = [&](const std::string& relation, const std::string& keys) {
    return "(SELECT string_agg(upper(a.attname), ',' ORDER BY k.o) FROM unnest(" + keys +
           ") WITH ORDINALITY k(n, o) JOIN pg_attribute a ON a.attrelid = " + relation + " AND a.attnum = k.n)";
  };
  std::set<std::string> lines;
  for (const auto& table : tables) {
    for (const auto& column : db.TableColumns(table))
      lines.insert(table + " column " + column.name + " " + plat::FieldTypeName(column.type) + " " +
                   std::to_string(column.size));
    for (const auto& row : db.Query("SELECT upper(attname) FROM pg_attribute WHERE attrelid = to_regclass(lower(?1))"
                                    " AND attnum > 0 AND attnotnull AND NOT attisdropped",
                                    {Variant(table)})
                               .rows)
      lines.insert(table + " not null " + row[0].ToText());
    for (const auto& row : db.Query("SELECT c.contype, " + columnsOf("c.conrelid", "c.conkey") +
                                        ", upper(p.relname), " + columnsOf("c.confrelid", "c.confkey") +
                                        ", c.confdeltype, c.confupdtype FROM pg_constraint c"
                                        " LEFT JOIN pg_class p ON p.oid = c.confrelid"
                                        " WHERE c.conrelid = to_regclass(lower(?1)) AND c.contype IN ('p', 'u', 'f')",
                                    {Variant(table)})
                               .rows) {
      const std::string kind = row[0].ToText();
      if (kind == "p") lines.insert(table + " primary key " + row[1].ToText());
      if (kind == "u") lines.insert(table + " unique " + row[1].ToText());
      if (kind == "f")
        lines.insert(table + " foreign key " + row[1].ToText() + " -> " + row[2].ToText() + " " + row[3].ToText() +
                     " on delete " + kActions.at(row[4].ToText()) + " on update " + kActions.at(row[5].ToText()));
    }
  }
  return lines;
}

class OnPostgres : public ::testing::Test {
 protected:
  void SetUp() override {
    if (TestPostgresCluster().empty()) GTEST_SKIP() << "no PostgreSQL cluster named by PSR_TEST_POSTGRES";
  }
};

TEST_F(OnPostgres, TheSchemaDeclaresTheSameTablesColumnsKeysAndConstraintsInBothBackEnds) {
  TestDatabase sqlite(TestDatabase::Kind::Sqlite);
  TestDatabase postgres;
  ASSERT_FALSE(sqlite.Postgres());
  ASSERT_TRUE(postgres.Postgres());
  appsrv::PrepareDatabase(sqlite.Name(), {});
  appsrv::PrepareDatabase(postgres.Name(), {});
  auto lite = appsrv::OpenStorage(sqlite.Name());
  auto pg = appsrv::OpenStorage(postgres.Name());
  std::vector<std::string> tables;
  for (const auto& row : lite->Query("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name").rows)
    tables.push_back(row[0].ToText());
  ASSERT_GT(tables.size(), 15u);
  const auto inSqlite = DescribeSqlite(*lite, tables);
  const auto inPostgres = DescribePostgres(*pg, tables);
  std::vector<std::string> onlySqlite, onlyPostgres;
  std::set_difference(inSqlite.begin(), inSqlite.end(), inPostgres.begin(), inPostgres.end(),
                      std::back_inserter(onlySqlite));
  std::set_difference(inPostgres.begin(), inPostgres.end(), inSqlite.begin(), inSqlite.end(),
                      std::back_inserter(onlyPostgres));
  EXPECT_TRUE(onlySqlite.empty()) << "only in SQLite: " << Join(onlySqlite);
  EXPECT_TRUE(onlyPostgres.empty()) << "only in PostgreSQL: " << Join(onlyPostgres);
  EXPECT_GT(inSqlite.size(), 200u);
  // What a whole table reads as (the host's local cache copies them so).
  for (const auto& table : tables) {
    auto fields = [&](appsrv::Storage& db) {
      std::vector<std::string> described;
      for (const auto& field : db.Query("SELECT * FROM " + table, {}).fields)
        described.push_back(field.name + " " + plat::FieldTypeName(field.type) + " " + std::to_string(field.size));
      return described;
    };
    EXPECT_EQ(fields(*lite), fields(*pg)) << table;
  }
}

// Ends the server's own connections to its database from outside, as an
// administrator or a database restart would, and waits until they are gone.
void EndServerConnections(const std::string& database) {
  auto admin = appsrv::OpenStorage(database);
  admin->Query(
      "SELECT pg_terminate_backend(pid) FROM pg_stat_activity"
      " WHERE datname = current_database() AND pid <> pg_backend_pid()",
      {});
  for (int i = 0; i < 200; ++i) {
    auto left = admin->Query(
        "SELECT COUNT(*) FROM pg_stat_activity WHERE datname = current_database()"
        " AND pid <> pg_backend_pid()",
        {});
    if (left.rows[0][0].ToInt() == 0) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ADD_FAILURE() << "the server's database connections did not end";
}

class LostDatabase : public ServerFixture {
 protected:
  void SetUp() override {
    if (!database_.Postgres()) GTEST_SKIP() << "no PostgreSQL cluster named by PSR_TEST_POSTGRES";
  }
};

TEST_F(LostDatabase, TheCallInFlightFailsClearlyAndTheNextOneConnectsAgain) {
  const auto before = Fetch("GetProposta", {"0001", "ADMIN"});
  std::thread ender([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EndServerConnections(database_.Name());
  });
  auto lost = HostCall("Sql", {"SELECT pg_sleep(3)"});
  ender.join();
  ASSERT_TRUE(lost.Failed());
  EXPECT_TRUE(Mentions(lost.error, "conexão com o banco de dados foi perdida"));
  EXPECT_TRUE(Mentions(lost.error, "tente novamente"));
  auto again = Call("GetProposta", {"0001", "ADMIN"});
  ASSERT_FALSE(again.Failed()) << again.error;
  EXPECT_EQ(again.packet.rows.size(), before.rows.size());
}

TEST_F(LostDatabase, AConnectionEndedWhileIdleIsMadeAgainBeforeTheNextCall) {
  ASSERT_FALSE(Call("PrxProposta").Failed());
  EndServerConnections(database_.Name());
  auto next = Call("PrxProposta");
  EXPECT_FALSE(next.Failed()) << next.error;
}

}  // namespace
}  // namespace apptest

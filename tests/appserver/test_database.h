// TestDatabase: the database one server test works on. A fresh SQLite file
// in a temporary folder; or, when PSR_TEST_POSTGRES names a PostgreSQL
// cluster (its URI, or @FILE holding it), a fresh database there, dropped
// at the end. Name() is what the server's --db takes.
#pragma once

#include <filesystem>
#include <string>

namespace apptest {

class TestDatabase {
 public:
  enum class Kind {
    OfTheRun,  // PostgreSQL when the run names a cluster, else SQLite
    Sqlite,
  };
  explicit TestDatabase(Kind kind = Kind::OfTheRun);
  ~TestDatabase();
  TestDatabase(const TestDatabase&) = delete;
  TestDatabase& operator=(const TestDatabase&) = delete;

  const std::string& Name() const { return name_; }
  bool Postgres() const { return !cluster_.empty(); }
  // A folder of the test's own, for files beside the database.
  const std::filesystem::path& Folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
  std::string cluster_;
  std::string database_;
  std::string name_;
};

// The cluster URI PSR_TEST_POSTGRES names, "" when it names none.
std::string TestPostgresCluster();

}  // namespace apptest

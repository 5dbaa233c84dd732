#include "test_database.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>

#include "appserver/postgres_admin.h"
#include "appserver/storage.h"

namespace apptest {

namespace {

std::string UniqueSuffix() {
  static std::atomic<int> counter{0};
  std::random_device random;
  return std::to_string(getpid()) + "_" + std::to_string(random() % 1000000) + "_" + std::to_string(counter++);
}

}  // namespace

std::string TestPostgresCluster() {
  const char* given = std::getenv("PSR_TEST_POSTGRES");
  if (!given || !*given) return "";
  std::string uri = given;
  if (uri.front() == '@') {
    std::ifstream file(uri.substr(1));
    if (!std::getline(file, uri) || uri.empty())
      throw std::runtime_error("PSR_TEST_POSTGRES: no cluster URI in " + std::string(given + 1));
  }
  return uri;
}

TestDatabase::TestDatabase(Kind kind)
    : folder_(std::filesystem::temp_directory_path() / ("psr_appserver_test_" + UniqueSuffix())),
      cluster_(kind == Kind::Sqlite ? "" : TestPostgresCluster()) {
  std::filesystem::create_directories(folder_);
  if (cluster_.empty()) {
    name_ = (folder_ / "server.db").string();
  } else {
    database_ = "psr_test_" + UniqueSuffix();
    name_ = appsrv::PostgresUriWithDatabase(cluster_, database_);
    appsrv::CreateDatabaseIfMissing(name_);
  }
}

TestDatabase::~TestDatabase() {
  if (!database_.empty()) {
    try {
      appsrv::OpenPostgresStorage(cluster_)->ExecuteScript("DROP DATABASE IF EXISTS " + database_ + " WITH (FORCE)");
    } catch (const std::exception&) {
      // the cluster is thrown away after the run anyway
    }
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

}  // namespace apptest

// Faults: the server killed (SIGKILL) while clients send deltas leaves every
// delta wholly applied or not at all, and every acknowledged one stored; a
// PostgreSQL database restarted under a running server fails the calls in
// flight clearly, and the next calls succeed.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
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
using namespace std::chrono_literals;

constexpr int kWriters = 6;
constexpr int kLinesPerDelta = 20;
constexpr int kKills = 3;

const char* const kLineFields = "NRPROPOSFAS S20, NRVERPROPFAS S2, CDLINPPROP S20, QTLINPPROP F";

// One writer's proposal, made before the kills, and the deltas it sent.
struct Writer {
  std::string proposal;
  std::vector<int> acknowledged;  // batch numbers the server answered as applied
  std::vector<int> unanswered;    // batch numbers sent when the server died
  int nextBatch = 0;
};

// Sends deltas of kLinesPerDelta new lines until a send fails.
void SendUntilTheServerDies(int port, Writer& writer) {
  auto net = Client(port);
  const auto fields = appsrv::ParseFields(kLineFields);
  while (true) {
    const int batch = ++writer.nextBatch;
    DeltaBuilder delta(fields);
    for (int line = 1; line <= kLinesPerDelta; ++line)
      delta.Insert({{"NRPROPOSFAS", writer.proposal},
                    {"NRVERPROPFAS", "1"},
                    {"CDLINPPROP", "B" + std::to_string(batch) + "-" + std::to_string(line)},
                    {"QTLINPPROP", double(line)}});
    auto sent = net->AppServer("SetDadosContLinhaProd", {delta});
    if (sent.Failed()) {
      writer.unanswered.push_back(batch);
      return;
    }
    writer.acknowledged.push_back(batch);
  }
}

void KillWhileDeltasArrive(apptest::TestDatabase::Kind kind) {
  apptest::TestDatabase database(kind);
  if (kind == apptest::TestDatabase::Kind::OfTheRun && !database.Postgres())
    GTEST_SKIP() << "no PostgreSQL cluster named by PSR_TEST_POSTGRES";
  Server server(database.Name());
  server.Start();
  std::vector<Writer> writers(kWriters);
  {
    auto net = Client(server.Port());
    for (auto& writer : writers) {
      writer.proposal = net->AppServer("PrxProposta").value.ToText();
      auto made = net->AppServer(
          "SetProposta",
          {DeltaBuilder(appsrv::ParseFields("NRPROPOSFAS S20, NRVERPROPFAS S2, CDFILIAL S4"))
               .Insert({{"NRPROPOSFAS", writer.proposal}, {"NRVERPROPFAS", "1"}, {"CDFILIAL", "0001"}})});
      ASSERT_FALSE(made.Failed()) << made.error;
    }
  }
  for (int kill = 0; kill < kKills; ++kill) {
    if (kill > 0) server.Start(false);
    std::vector<std::thread> threads;
    for (auto& writer : writers) threads.emplace_back([&] { SendUntilTheServerDies(server.Port(), writer); });
    std::this_thread::sleep_for(300ms + 100ms * kill);
    server.Kill();
    for (auto& thread : threads) thread.join();
  }
  server.Start(false);

  // Every delta is all there or not there at all; every acknowledged one is there.
  auto db = appsrv::OpenStorage(database.Name());
  int whole = 0, absent = 0;
  for (const auto& writer : writers) {
    auto stored = db->Query("SELECT CDLINPPROP FROM PROPOSTALINP WHERE NRPROPOSFAS = ?1", {Variant(writer.proposal)});
    std::map<std::string, int64_t> lines;  // batch -> lines stored
    for (const auto& row : stored.rows) {
      const std::string code = row[0].ToText();
      ++lines[code.substr(0, code.find('-'))];
    }
    for (int batch = 1; batch <= writer.nextBatch; ++batch) {
      const auto found = lines.find("B" + std::to_string(batch));
      const int64_t stored = found == lines.end() ? 0 : found->second;
      EXPECT_TRUE(stored == 0 || stored == kLinesPerDelta) << writer.proposal << " batch " << batch << ": " << stored;
      (stored ? whole : absent) += 1;
    }
    for (int batch : writer.acknowledged)
      EXPECT_EQ(lines["B" + std::to_string(batch)], kLinesPerDelta) << "acknowledged batch " << batch << " lost";
  }
  // The clients go on: a new connection's delta after the restart is applied.
  auto net = Client(server.Port());
  auto after = net->AppServer("SetDadosContLinhaProd", {DeltaBuilder(appsrv::ParseFields(kLineFields))
                                                            .Insert({{"NRPROPOSFAS", writers[0].proposal},
                                                                     {"NRVERPROPFAS", "1"},
                                                                     {"CDLINPPROP", "AFTER"},
                                                                     {"QTLINPPROP", 1.0}})});
  EXPECT_FALSE(after.Failed()) << after.error;
  int acknowledged = 0, unanswered = 0;
  for (const auto& writer : writers) {
    acknowledged += int(writer.acknowledged.size());
    unanswered += int(writer.unanswered.size());
  }
  EXPECT_EQ(unanswered, kWriters * kKills);
  std::printf(
      "figures faults, %s: %d kills of the server, %d deltas of %d rows acknowledged (all stored), "
      "%d in flight at a kill; %d stored whole, %d absent, 0 partial\n",
      database.Postgres() ? "PostgreSQL" : "SQLite", kKills, acknowledged, kLinesPerDelta, unanswered, whole, absent);
}

TEST(Faults, AServerKilledWhileDeltasArriveLeavesEachWholeOrAbsentOnSqlite) {
  KillWhileDeltasArrive(apptest::TestDatabase::Kind::Sqlite);
}
TEST(Faults, AServerKilledWhileDeltasArriveLeavesEachWholeOrAbsentOnPostgres) {
  KillWhileDeltasArrive(apptest::TestDatabase::Kind::OfTheRun);
}

// A PostgreSQL cluster of the test's own, so that restarting it disturbs
// no other test.
class OwnCluster {
 public:
  OwnCluster() : dir_(std::filesystem::temp_directory_path() / ("psr_reliability_pg_" + std::to_string(getpid()))) {
    started_ = Script("start") == 0;
    std::ifstream uri(dir_ / "uri");
    std::getline(uri, uri_);
  }
  ~OwnCluster() { Script("stop"); }
  bool Started() const { return started_ && !uri_.empty(); }
  std::string Database(const std::string& name) const { return uri_.substr(0, uri_.rfind('/') + 1) + name; }
  int Restart() const {
    const std::string bin = BinDir();
    std::ifstream where(dir_ / "cluster");  // the folder holding the cluster's files
    std::string cluster;
    std::getline(where, cluster);
    const std::string ctl = bin + "/pg_ctl -D " + cluster + "/data -m fast -w restart >/dev/null 2>&1";
    return std::system((getuid() == 0 ? "runuser -u postgres -- " + ctl : ctl).c_str());
  }

 private:
  int Script(const std::string& what) const {
    return std::system(
        ("sh " PSR_SOURCE_DIR "/tools/pg-cluster.sh " + what + " " + dir_.string() + " >/dev/null 2>&1").c_str());
  }
  static std::string BinDir() {
    std::string out;
    if (FILE* pipe = popen("sh " PSR_SOURCE_DIR "/tools/pg-cluster.sh bindir", "r")) {
      char buffer[512];
      while (fgets(buffer, sizeof buffer, pipe)) out += buffer;
      pclose(pipe);
    }
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
  }
  std::filesystem::path dir_;
  std::string uri_;
  bool started_ = false;
};

TEST(Faults, ADatabaseRestartedUnderARunningServerFailsTheCallsInFlightClearlyAndTheNextSucceed) {
  if (apptest::TestPostgresCluster().empty()) GTEST_SKIP() << "no PostgreSQL cluster named by PSR_TEST_POSTGRES";
  OwnCluster cluster;
  ASSERT_TRUE(cluster.Started());
  const std::string database = cluster.Database("restarted");
  Server server(database);
  server.Start();

  constexpr int kCallers = 4;
  std::atomic<bool> restarting{false}, done{false};
  std::mutex mutex;
  std::vector<std::string> unclear;
  std::atomic<int> calls{0}, failedDuringRestart{0};
  std::vector<std::thread> callers;
  for (int c = 0; c < kCallers; ++c)
    callers.emplace_back([&] {
      auto net = Client(server.Port());
      while (!done) {
        const bool during = restarting;
        auto answer = (calls++ % 2) ? net->AppServer("GetProposta", {"0001", "ADMIN"}) : net->AppServer("PrxProposta");
        if (!answer.Failed()) continue;
        if (during) ++failedDuringRestart;
        const bool clear = answer.error.find("banco de dados") != std::string::npos;
        std::lock_guard lock(mutex);
        if (!clear || !during) unclear.push_back((during ? "during: " : "after: ") + answer.error);
      }
    });
  std::this_thread::sleep_for(300ms);
  restarting = true;
  ASSERT_EQ(cluster.Restart(), 0);
  // The database is back: allow the calls that were already on their way to end.
  std::this_thread::sleep_for(200ms);
  restarting = false;
  std::this_thread::sleep_for(200ms);
  const int before = calls;
  std::this_thread::sleep_for(300ms);
  done = true;
  for (auto& thread : callers) thread.join();
  EXPECT_GT(calls - before, kCallers) << "calls after the restart";
  for (const auto& problem : unclear) ADD_FAILURE() << problem;
  // A new client after the restart is served at once.
  auto net = Client(server.Port());
  EXPECT_FALSE(net->AppServer("PrxProposta").Failed());
  std::printf(
      "figures faults, PostgreSQL restarted under a running server: %d calls from %d clients, "
      "%d failed while it restarted (each naming the database), none after\n",
      calls.load(), kCallers, failedDuringRestart.load());
}

}  // namespace
}  // namespace reliability

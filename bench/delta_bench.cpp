// Sending changes: a delta of inserted contract services for one proposal
// sent with SetDadosContServico over TCP (the server checks and applies it
// in one transaction), against the same rows inserted straight through
// SQLite in one transaction of the same durability. The rows are deleted
// again, untimed, before each operation.
#include "benchmarks.h"
#include "direct_sqlite.h"

namespace psrbench {

namespace {

constexpr int kRepetitions = 3;

int Iterations(int rows) { return rows >= 10000 ? 3 : rows >= 1000 ? 10 : 50; }

// The proposal version the rows belong to: the last generated one, which
// has no details of its own.
struct ProposalKey {
  plat::Variant number, version;
};

ProposalKey LastProposal(appsrv::Storage& db) {
  auto found =
      db.Query("SELECT NRPROPOSFAS, NRVERPROPFAS FROM PROPOSTAFAS ORDER BY CAST(NRPROPOSFAS AS INTEGER) DESC LIMIT 1");
  return {found.rows.at(0).at(0), found.rows.at(0).at(1)};
}

// Service codes are three characters: 0-9 and A-Z give 46,656 of them.
std::string ServiceCode(int i) {
  const char* digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  return {digits[i / 1296 % 36], digits[i / 36 % 36], digits[i % 36]};
}

// The delta the screen's contract-service data set sends after `rows`
// inserts: its fields (the service name is joined, never written back)
// and one full row per insert.
plat::Delta ServiceInserts(const ProposalKey& key, int rows) {
  plat::Delta delta;
  delta.fields = {{"NRPROPOSFAS", plat::FieldType::String, 20},
                  {"NRVERPROPFAS", plat::FieldType::String, 2},
                  {"CDTIPOSERV", plat::FieldType::String, 3},
                  {"VRHORAPROP", plat::FieldType::Float, 0},
                  {"NMTIPOSERV", plat::FieldType::String, 30}};
  for (int i = 0; i < rows; ++i) {
    const std::string code = ServiceCode(i);
    delta.changes.push_back(
        {plat::ChangeKind::Insert,
         {},
         {key.number, key.version, plat::Variant(code), plat::Variant(100.0 + i), plat::Variant("Servico " + code)}});
  }
  return delta;
}

void DeleteServices(appsrv::Storage& db, const ProposalKey& key) {
  db.Execute("DELETE FROM PROPOSTASERV WHERE NRPROPOSFAS = ?1 AND NRVERPROPFAS = ?2", {key.number, key.version});
}

int64_t CountServices(appsrv::Storage& db, const ProposalKey& key) {
  return db
      .Query("SELECT COUNT(*) FROM PROPOSTASERV WHERE NRPROPOSFAS = ?1 AND NRVERPROPFAS = ?2",
             {key.number, key.version})
      .rows.at(0)
      .at(0)
      .ToInt();
}

void SendDelta(benchmark::State& state, const BenchEnv& env, Samples& samples, const std::string& key, int rows) {
  auto db = env.OpenStorage();
  const ProposalKey proposal = LastProposal(*db);
  const plat::Delta delta = ServiceInserts(proposal, rows);
  auto net = env.Connect();
  for (auto _ : state) {
    DeleteServices(*db, proposal);
    std::vector<plat::RpcArg> args{plat::RpcArg(delta)};
    host::ServerResult result;
    TimeOne(state, samples, key, [&] { result = net->AppServer("SetDadosContServico", std::move(args)); });
    if (result.Failed()) {
      Fail(state, samples, key, "SetDadosContServico: " + result.error);
      break;
    }
    if (CountServices(*db, proposal) != rows) {
      Fail(state, samples, key, "SetDadosContServico did not store every row");
      break;
    }
  }
  DeleteServices(*db, proposal);
}

void InsertDirectly(benchmark::State& state, const BenchEnv& env, Samples& samples, const std::string& key, int rows) {
  auto storage = env.OpenStorage();
  const ProposalKey proposal = LastProposal(*storage);
  const plat::Delta delta = ServiceInserts(proposal, rows);
  DirectDb db(env.DbPath());
  for (auto _ : state) {
    DeleteServices(*storage, proposal);
    TimeOne(state, samples, key, [&] {
      db.Exec("BEGIN IMMEDIATE");
      for (const plat::DeltaEntry& change : delta.changes) {
        const plat::Row& row = change.current;
        db.ReadAll(
            "INSERT INTO PROPOSTASERV (NRPROPOSFAS, NRVERPROPFAS, CDTIPOSERV, VRHORAPROP) VALUES (?1, ?2, ?3, ?4)",
            {row[0].ToText(), row[1].ToText(), row[2].ToText(), row[3].ToText()});
      }
      db.Exec("COMMIT");
    });
    if (CountServices(*storage, proposal) != rows) {
      Fail(state, samples, key, "the direct insert did not store every row");
      break;
    }
  }
  DeleteServices(*storage, proposal);
}

}  // namespace

std::string DeltaKey(const char* step, int rows) { return std::string(step) + " " + std::to_string(rows); }

void RegisterDeltas(BenchEnv& env, Samples& samples) {
  using Step = void (*)(benchmark::State&, const BenchEnv&, Samples&, const std::string&, int);
  for (int rows : kDeltaRows) {
    for (const auto& [step, run] : {std::pair<const char*, Step>{kSendDelta, SendDelta},
                                    std::pair<const char*, Step>{kDirectInsert, InsertDirectly}}) {
      const std::string key = DeltaKey(step, rows);
      benchmark::RegisterBenchmark(("delta/" + key).c_str(),
                                   [&env, &samples, key, rows, run = run](benchmark::State& state) {
                                     Guarded(state, samples, key, [&] { run(state, env, samples, key, rows); });
                                   })
          ->UseManualTime()
          ->Iterations(Iterations(rows))
          ->Repetitions(kRepetitions)
          ->ReportAggregatesOnly(true)
          ->Unit(benchmark::kMillisecond);
    }
  }
}

}  // namespace psrbench

// Sending changes: a delta of inserted contract services for one proposal
// sent with SetDadosContServico over TCP (the server checks and applies it
// in one transaction), against the same rows inserted straight into the
// database through the storage layer in one transaction. The rows are
// deleted again, untimed, before each operation.
#include <cstdio>

#include "benchmarks.h"

namespace psrbench {

namespace {

constexpr int kIterations = 10;
constexpr int kRepetitions = 5;

// The proposal version the rows belong to: the last generated one, which
// has no details of its own.
struct ProposalKey {
  plat::Variant number, version;
};

ProposalKey LastProposal(appsrv::Storage& db) {
  auto found = db.Query(
      "SELECT NRPROPOSFAS, NRVERPROPFAS FROM PROPOSTAFAS ORDER BY CAST(NRPROPOSFAS AS INTEGER) DESC LIMIT 1");
  return {found.rows.at(0).at(0), found.rows.at(0).at(1)};
}

// The delta the screen's contract-service data set sends after kDeltaRows
// inserts: its fields (the service name is joined, never written back)
// and one full row per insert.
plat::Delta ServiceInserts(const ProposalKey& key) {
  plat::Delta delta;
  delta.fields = {{"NRPROPOSFAS", plat::FieldType::String, 20},
                  {"NRVERPROPFAS", plat::FieldType::String, 2},
                  {"CDTIPOSERV", plat::FieldType::String, 3},
                  {"VRHORAPROP", plat::FieldType::Float, 0},
                  {"NMTIPOSERV", plat::FieldType::String, 30}};
  for (int i = 0; i < kDeltaRows; ++i) {
    char code[8];
    std::snprintf(code, sizeof code, "%03d", i);
    delta.changes.push_back({plat::ChangeKind::Insert,
                             {},
                             {key.number, key.version, plat::Variant(code), plat::Variant(100.0 + i),
                              plat::Variant(std::string("Servico ") + code)}});
  }
  return delta;
}

void DeleteServices(appsrv::Storage& db, const ProposalKey& key) {
  db.Execute("DELETE FROM PROPOSTASERV WHERE NRPROPOSFAS = ?1 AND NRVERPROPFAS = ?2", {key.number, key.version});
}

int64_t CountServices(appsrv::Storage& db, const ProposalKey& key) {
  return db.Query("SELECT COUNT(*) FROM PROPOSTASERV WHERE NRPROPOSFAS = ?1 AND NRVERPROPFAS = ?2",
                  {key.number, key.version})
      .rows.at(0)
      .at(0)
      .ToInt();
}

void SendDelta(benchmark::State& state, const BenchEnv& env, Samples& samples) {
  auto db = env.OpenStorage();
  const ProposalKey key = LastProposal(*db);
  const plat::Delta delta = ServiceInserts(key);
  auto net = env.Connect();
  for (auto _ : state) {
    DeleteServices(*db, key);
    std::vector<plat::RpcArg> args{plat::RpcArg(delta)};
    host::ServerResult result;
    TimeOne(state, samples, kSendDelta, [&] { result = net->AppServer("SetDadosContServico", std::move(args)); });
    if (result.Failed()) {
      Fail(state, samples, kSendDelta, "SetDadosContServico: " + result.error);
      break;
    }
    if (CountServices(*db, key) != kDeltaRows) {
      Fail(state, samples, kSendDelta, "SetDadosContServico did not store every row");
      break;
    }
  }
  DeleteServices(*db, key);
  state.SetLabel(std::to_string(kDeltaRows) + " rows");
}

void InsertDirectly(benchmark::State& state, const BenchEnv& env, Samples& samples) {
  auto db = env.OpenStorage();
  const ProposalKey key = LastProposal(*db);
  const plat::Delta delta = ServiceInserts(key);
  for (auto _ : state) {
    DeleteServices(*db, key);
    TimeOne(state, samples, kDirectInsert, [&] {
      db->Transaction(appsrv::TxMode::Write, [&] {
        for (const plat::DeltaEntry& change : delta.changes) {
          const plat::Row& row = change.current;
          db->Execute(
              "INSERT INTO PROPOSTASERV (NRPROPOSFAS, NRVERPROPFAS, CDTIPOSERV, VRHORAPROP) VALUES (?1, ?2, ?3, ?4)",
              {row[0], row[1], row[2], row[3]});
        }
      });
    });
    if (CountServices(*db, key) != kDeltaRows) {
      Fail(state, samples, kDirectInsert, "the direct insert did not store every row");
      break;
    }
  }
  DeleteServices(*db, key);
  state.SetLabel(std::to_string(kDeltaRows) + " rows");
}

}  // namespace

void RegisterDeltas(BenchEnv& env, Samples& samples) {
  benchmark::RegisterBenchmark("delta/SetDadosContServico", [&](benchmark::State& state) {
    Guarded(state, samples, kSendDelta, [&] { SendDelta(state, env, samples); });
  })
      ->UseManualTime()
      ->Iterations(kIterations)
      ->Repetitions(kRepetitions)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("delta/direct insert, one transaction", [&](benchmark::State& state) {
    Guarded(state, samples, kDirectInsert, [&] { InsertDirectly(state, env, samples); });
  })
      ->UseManualTime()
      ->Iterations(kIterations)
      ->Repetitions(kRepetitions)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace psrbench

// Round trips over a real loopback connection to the server, each against
// its floor: the bare exchange of frames of the same sizes with a tiny echo
// server (no JSON, no dispatch, no database) plus the same database work
// done straight through SQLite.
//   ValidaProposta of an existing key (a read-only call): its statement.
//   PrxProposta (a write): one write transaction of the same statements,
//   committed with the same durability.
#include <chrono>

#include "appserver/query_methods.h"
#include "appserver/server_context.h"
#include "benchmarks.h"
#include "direct_sqlite.h"
#include "echo_server.h"
#include "platform/net/frame.h"
#include "platform/net/wire.h"

namespace psrbench {

namespace {

constexpr int kIterations = 2000;
constexpr int kRepetitions = 5;
constexpr std::chrono::milliseconds kTimeout{30000};

// The call ValidaProposta checks: the branch's first stored proposal.
std::vector<plat::RpcArg> StoredProposal(const BenchEnv& env) {
  auto found = env.OpenStorage()->Query(
      "SELECT NRPROPOSFAS, NRVERPROPFAS FROM PROPOSTAFAS WHERE CDFILIAL = ?1 ORDER BY NRPROPOSFAS LIMIT 1",
      {plat::Variant(BenchEnv::kBranch)});
  return {BenchEnv::kBranch, found.rows.at(0).at(0), found.rows.at(0).at(1)};
}

void Call(benchmark::State& state, const BenchEnv& env, Samples& samples, const char* key, const char* method,
          const std::vector<plat::RpcArg>& args) {
  auto net = env.Connect();
  net->AppServer(method, args);  // warm up
  for (auto _ : state) {
    host::ServerResult result;
    TimeOne(state, samples, key, [&] { result = net->AppServer(method, args); });
    if (result.Failed()) {
      Fail(state, samples, key, std::string(method) + ": " + result.error);
      break;
    }
  }
}

// The frames of one real call, exchanged with the echo server.
void Echo(benchmark::State& state, const BenchEnv& env, Samples& samples, const char* key, const char* method,
          const std::vector<plat::RpcArg>& args) {
  const int64_t id = 1000;
  const std::string request = plat::RequestText({id, appsrv::kModuleObject, method, args});
  plat::TcpSocket server = plat::TcpSocket::Connect("127.0.0.1", env.Port(), kTimeout);
  plat::WriteFrame(server, request);
  std::optional<std::string> answer = plat::ReadFrame(server, kTimeout);
  server.Close();
  if (!answer) {
    Fail(state, samples, key, std::string(method) + ": no answer");
    return;
  }
  state.SetLabel("request " + std::to_string(request.size()) + " B, answer " + std::to_string(answer->size()) + " B");

  EchoServer echo(*answer);
  plat::TcpSocket socket = plat::TcpSocket::Connect("127.0.0.1", echo.Port(), kTimeout);
  for (auto _ : state) {
    std::optional<std::string> reply;
    TimeOne(state, samples, key, [&] {
      plat::WriteFrame(socket, request);
      reply = plat::ReadFrame(socket, kTimeout);
    });
    if (!reply || reply->size() != answer->size()) {
      Fail(state, samples, key, "the echo server sent no answer or a wrong one");
      break;
    }
  }
  socket.Close();  // lets the echo server's thread end
}

void ValidaPropostaDirect(benchmark::State& state, const BenchEnv& env, Samples& samples) {
  DirectDb db(env.DbPath());
  const std::vector<plat::RpcArg> args = StoredProposal(env);
  std::vector<std::string> params;
  for (const plat::RpcArg& arg : args) params.push_back(arg.Value().ToText());
  const std::string sql = appsrv::QueryStatement("ValidaProposta");
  for (auto _ : state) {
    std::size_t rows = 0;
    TimeOne(state, samples, kValidaDirect, [&] { rows = db.ReadAll(sql, params); });
    if (rows != 1) {
      Fail(state, samples, kValidaDirect, "the stored proposal was not found");
      break;
    }
  }
}

// PrxProposta's statements in one write transaction: the last number, the
// check that the next one is free, the new last number.
void PrxPropostaDirect(benchmark::State& state, const BenchEnv& env, Samples& samples) {
  DirectDb db(env.DbPath());
  int64_t number = 1'000'000'000;  // far above the bench's proposals: the check finds it free
  for (auto _ : state) {
    TimeOne(state, samples, kPrxDirect, [&] {
      db.Exec("BEGIN IMMEDIATE");
      db.ReadAll("SELECT NRULTIMO FROM SEQUENCIA WHERE NMSEQUENCIA = ?1", {"PROPOSTA_BENCH"});
      db.ReadAll("SELECT 1 FROM PROPOSTAFAS WHERE NRPROPOSFAS = ?1 LIMIT 1", {std::to_string(++number)});
      db.ReadAll(
          "INSERT INTO SEQUENCIA (NMSEQUENCIA, NRULTIMO) VALUES (?1, ?2)"
          " ON CONFLICT (NMSEQUENCIA) DO UPDATE SET NRULTIMO = excluded.NRULTIMO",
          {"PROPOSTA_BENCH", std::to_string(number)});
      db.Exec("COMMIT");
    });
  }
  db.Exec("DELETE FROM SEQUENCIA WHERE NMSEQUENCIA = 'PROPOSTA_BENCH'");
}

template <class Body>
void Register(const std::string& name, Samples& samples, const char* key, Body body) {
  benchmark::RegisterBenchmark(
      name.c_str(),
      [&samples, key, body](benchmark::State& state) { Guarded(state, samples, key, [&] { body(state); }); })
      ->UseManualTime()
      ->Iterations(kIterations)
      ->Repetitions(kRepetitions)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace

void RegisterRoundTrips(BenchEnv& env, Samples& samples) {
  static const std::vector<plat::RpcArg> validaArgs = StoredProposal(env);
  static const std::vector<plat::RpcArg> none;
  Register("round trip/ValidaProposta", samples, kValida,
           [&](benchmark::State& s) { Call(s, env, samples, kValida, "ValidaProposta", validaArgs); });
  Register("round trip/TCP echo, ValidaProposta's sizes", samples, kValidaEcho,
           [&](benchmark::State& s) { Echo(s, env, samples, kValidaEcho, "ValidaProposta", validaArgs); });
  Register("round trip/ValidaProposta's statement, direct", samples, kValidaDirect,
           [&](benchmark::State& s) { ValidaPropostaDirect(s, env, samples); });
  Register("round trip/PrxProposta", samples, kPrxProposta,
           [&](benchmark::State& s) { Call(s, env, samples, kPrxProposta, "PrxProposta", none); });
  Register("round trip/TCP echo, PrxProposta's sizes", samples, kPrxEcho,
           [&](benchmark::State& s) { Echo(s, env, samples, kPrxEcho, "PrxProposta", none); });
  Register("round trip/PrxProposta's write transaction, direct", samples, kPrxDirect,
           [&](benchmark::State& s) { PrxPropostaDirect(s, env, samples); });
}

}  // namespace psrbench

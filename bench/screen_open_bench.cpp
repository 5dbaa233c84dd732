// Opening the screen: the entry CriaSolicitacaoProposta until it returns
// (connection, GetProposta over TCP, the list loaded and shown), against its
// floor: GetProposta's statement read straight into memory through SQLite.
// Beside them, the steps between: the server's GetProposta (the statement
// stepped, its rows shaped and written into the answer's pieces), reading
// those pieces as they arrive into a packet, filling a client data set with
// it, and filling the screen's own list with it.
#include "Cli_psr41300/cli_psr41300.h"
#include "Cli_psr41300/frm_solicita_proposta.h"
#include "appserver/query_methods.h"
#include "appserver/session.h"
#include "benchmarks.h"
#include "direct_sqlite.h"
#include "host/application.h"
#include "host/dtmdbgeral.h"
#include "platform/data/clientdataset.h"
#include "platform/net/wire.h"
#include "screen_host.h"

namespace psrbench {

namespace {

constexpr int kRepetitions = 3;

// Fewer operations for the larger lists: an opening of 100,000 proposals
// takes about as long as a thousand of 1,000.
int Iterations(int proposals) { return proposals >= 100000 ? 2 : proposals >= 10000 ? 6 : 30; }

void CloseScreen() {
  frmSolicitaProposta->CloseScreen();
  host::TApplication::Current().ProcessMessages();
}

void OpenScreen(benchmark::State& state, const BenchEnv& env, Samples& samples, const std::string& key) {
  ScreenHost screenHost(env);
  for (auto _ : state) {
    try {
      TimeOne(state, samples, key, [] { CriaSolicitacaoProposta(); });
    } catch (const std::exception& e) {
      if (boIdCriado && frmSolicitaProposta) CloseScreen();
      Fail(state, samples, key, std::string("the screen did not open: ") + e.what() + screenHost.Shown());
      break;
    }
    if (!boIdCriado || !frmSolicitaProposta) {
      Fail(state, samples, key, "the screen did not open" + screenHost.Shown());
      break;
    }
    int listed = frmSolicitaProposta->cdsProposta->RecordCount();
    CloseScreen();
    if (listed != env.ListedProposals()) {
      Fail(state, samples, key,
           "the screen listed " + std::to_string(listed) + " proposals, not " + std::to_string(env.ListedProposals()));
      break;
    }
    if (boIdCriado) {
      Fail(state, samples, key, "the screen did not close" + screenHost.Shown());
      break;
    }
  }
}

void ReadDirectly(benchmark::State& state, const BenchEnv& env, Samples& samples, const std::string& key) {
  DirectDb db(env.DbPath());
  const std::string sql = appsrv::QueryStatement("GetProposta");
  const std::vector<std::string> params{BenchEnv::kBranch, BenchEnv::kOperator};
  db.ReadAll(sql, params);  // warm up
  for (auto _ : state) {
    std::size_t rows = 0;
    TimeOne(state, samples, key, [&] { rows = db.ReadAll(sql, params); });
    if (rows != std::size_t(env.ListedProposals())) {
      Fail(state, samples, key, "the statement read " + std::to_string(rows) + " rows");
      break;
    }
  }
}

const plat::RpcRequest kGetProposta{1, appsrv::kModuleObject, "GetProposta", {BenchEnv::kBranch, BenchEnv::kOperator}};

// The steps between the database and the screen's data set, each timed on
// its own.
void ServerRead(benchmark::State& state, const BenchEnv& env, Samples& samples, const std::string& key) {
  appsrv::ServerContext context(env.DbPath(), false);
  appsrv::Session session(context, 1'000'000);
  std::size_t bytes = 0;
  auto count = [&bytes](std::string_view piece, bool) { bytes += piece.size(); };
  session.Stream(kGetProposta, count);  // warm up
  for (auto _ : state) {
    std::optional<plat::RpcAnswer> whole;
    bytes = 0;
    TimeOne(state, samples, key, [&] { whole = session.Stream(kGetProposta, count); });
    if (whole) {
      Fail(state, samples, key, "GetProposta was not streamed: " + whole->error);
      break;
    }
  }
  state.SetLabel(std::to_string(bytes) + " B");
}

plat::RpcAnswer ServerAnswer(const BenchEnv& env) {
  appsrv::ServerContext context(env.DbPath(), false);
  appsrv::Session session(context, 1'000'000);
  return session.Handle(kGetProposta);
}

// The pieces of the server's answer, as they go out.
std::vector<std::string> ServerPieces(const BenchEnv& env) {
  appsrv::ServerContext context(env.DbPath(), false);
  appsrv::Session session(context, 1'000'000);
  std::vector<std::string> pieces;
  session.Stream(kGetProposta, [&pieces](std::string_view piece, bool) { pieces.emplace_back(piece); });
  return pieces;
}

// The screen's connection taking the pieces in as they arrive: each read up
// to its line break, the rest at the last.
void ReadAnswer(benchmark::State& state, const BenchEnv& env, Samples& samples, const std::string& key) {
  const std::vector<std::string> pieces = ServerPieces(env);
  for (auto _ : state) {
    plat::RpcAnswer answer;
    std::vector<std::string> received = pieces;  // as the connection hands them over
    TimeOne(state, samples, key, [&] {
      plat::AnswerReader reader;
      for (std::size_t i = 0; i < received.size(); ++i) reader.Piece(std::move(received[i]), i + 1 == received.size());
      answer = reader.Finish();
    });
    if (answer.packet.rows.size() != std::size_t(env.ListedProposals())) {
      Fail(state, samples, key, "the answer read back has " + std::to_string(answer.packet.rows.size()) + " rows");
      break;
    }
  }
}

void FillDataSet(benchmark::State& state, const BenchEnv& env, Samples& samples, const std::string& key) {
  const plat::RpcAnswer answer = ServerAnswer(env);
  plat::TClientDataSet data(nullptr, "cdsBench");
  for (auto _ : state) {
    plat::DataPacket packet = answer.packet;  // the screen hands its answer's packet over
    TimeOne(state, samples, key, [&] { data.SetData(std::move(packet)); });
    if (data.RecordCount() != env.ListedProposals()) {
      Fail(state, samples, key, "the data set holds " + std::to_string(data.RecordCount()) + " records");
      break;
    }
    data.Close();
  }
}

// The screen's own list filled with the answer while the screen is open:
// its declared fields, its calculated field and its events.
void FillScreenList(benchmark::State& state, const BenchEnv& env, Samples& samples, const std::string& key) {
  const plat::RpcAnswer answer = ServerAnswer(env);
  ScreenHost screenHost(env);
  CriaSolicitacaoProposta();
  if (!boIdCriado || !frmSolicitaProposta) {
    Fail(state, samples, key, "the screen did not open" + screenHost.Shown());
    return;
  }
  for (auto _ : state) {
    plat::DataPacket packet = answer.packet;
    TimeOne(state, samples, key, [&] { frmSolicitaProposta->cdsProposta->SetData(std::move(packet)); });
    if (frmSolicitaProposta->cdsProposta->RecordCount() != env.ListedProposals()) {
      Fail(state, samples, key, "the list holds " + std::to_string(frmSolicitaProposta->cdsProposta->RecordCount()));
      break;
    }
    frmSolicitaProposta->cdsProposta->Close();  // an opening fills an empty list
  }
  CloseScreen();
}

using Step = void (*)(benchmark::State&, const BenchEnv&, Samples&, const std::string&);

}  // namespace

std::string OpeningKey(const char* step, int proposals) { return std::string(step) + " " + std::to_string(proposals); }

void RegisterScreenOpening(const BenchEnv& env, Samples& samples) {
  static bool localDatabase = false;
  if (!localDatabase) host::OpenLocalDatabase(":memory:");
  localDatabase = true;
  const int proposals = env.ListedProposals();
  const std::pair<const char*, Step> steps[] = {
      {kOpenScreen, OpenScreen}, {kReadDirectly, ReadDirectly}, {kServerRead, ServerRead},
      {kAnswerRead, ReadAnswer}, {kDataSetFilled, FillDataSet}, {kListFilled, FillScreenList},
  };
  for (const auto& [step, run] : steps) {
    const std::string key = OpeningKey(step, proposals);
    benchmark::RegisterBenchmark(("open screen/" + key).c_str(),
                                 [&env, &samples, key, run = run](benchmark::State& state) {
                                   Guarded(state, samples, key, [&] { run(state, env, samples, key); });
                                 })
        ->UseManualTime()
        ->Iterations(Iterations(proposals))
        ->Repetitions(kRepetitions)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace psrbench

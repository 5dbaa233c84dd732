// Opening the screen: the entry CriaSolicitacaoProposta until it returns
// (connection, GetProposta over TCP, the list loaded and shown), against the
// server's own reading of the same proposals: the GetProposta method run in
// a server session, its statement through the storage layer, without the
// network, the JSON or the screen.
#include "Cli_psr41300/cli_psr41300.h"
#include "Cli_psr41300/frm_solicita_proposta.h"
#include "appserver/session.h"
#include "benchmarks.h"
#include "host/application.h"
#include "host/dtmdbgeral.h"
#include "host/scripted_dialogs.h"
#include "host/vogalis.h"

namespace psrbench {

namespace {

constexpr int kOpenIterations = 4;
constexpr int kReadIterations = 10;
constexpr int kRepetitions = 5;

// The host as the screen expects it at its entry: the login identity and
// the server's endpoint in the host session, and dialogs that never wait
// for a user (installed while the benchmark runs). The local cache is
// opened, empty, at registration: opening the screen does not read it.
class ScreenHost {
 public:
  explicit ScreenHost(const BenchEnv& env) {
    host::HostSession& session = host::HostSession::Current();
    session.filiProc = BenchEnv::kBranch;
    session.operador = BenchEnv::kOperator;
    session.webURL = "127.0.0.1";
    session.webPort = env.Port();
    plat::Dialogs::Install(&dialogs_);
  }
  ~ScreenHost() { plat::Dialogs::Install(nullptr); }
  ScreenHost(const ScreenHost&) = delete;
  ScreenHost& operator=(const ScreenHost&) = delete;

  // The dialogs shown so far, for a failure's report.
  std::string Shown() const {
    std::string text;
    for (const std::string& message : dialogs_.Messages()) text += " [" + message + "]";
    return text;
  }

 private:
  host::ScriptedDialogs dialogs_;
};

void CloseScreen() {
  frmSolicitaProposta->CloseScreen();
  host::TApplication::Current().ProcessMessages();
}

void OpenScreen(benchmark::State& state, const BenchEnv& env, Samples& samples) {
  ScreenHost screenHost(env);
  for (auto _ : state) {
    try {
      TimeOne(state, samples, kOpenScreen, [] { CriaSolicitacaoProposta(); });
    } catch (const std::exception& e) {
      if (boIdCriado && frmSolicitaProposta) CloseScreen();
      Fail(state, samples, kOpenScreen, std::string("the screen did not open: ") + e.what() + screenHost.Shown());
      break;
    }
    if (!boIdCriado || !frmSolicitaProposta) {
      Fail(state, samples, kOpenScreen, "the screen did not open" + screenHost.Shown());
      break;
    }
    int listed = frmSolicitaProposta->cdsProposta->RecordCount();
    CloseScreen();
    if (listed != env.ListedProposals()) {
      Fail(state, samples, kOpenScreen,
           "the screen listed " + std::to_string(listed) + " proposals, not " + std::to_string(env.ListedProposals()));
      break;
    }
    if (boIdCriado) {
      Fail(state, samples, kOpenScreen, "the screen did not close" + screenHost.Shown());
      break;
    }
  }
  state.SetLabel(std::to_string(env.ListedProposals()) + " proposals");
}

void ReadProposals(benchmark::State& state, const BenchEnv& env, Samples& samples) {
  appsrv::ServerContext context(env.DbPath(), false);
  appsrv::Session session(context, 1'000'000);
  const plat::RpcRequest request{1, appsrv::kModuleObject, "GetProposta", {BenchEnv::kBranch, BenchEnv::kOperator}};
  session.Handle(request);  // warm up
  for (auto _ : state) {
    plat::RpcAnswer answer;
    TimeOne(state, samples, kReadProposals, [&] { answer = session.Handle(request); });
    if (answer.kind != plat::RpcAnswer::Kind::Packet) {
      Fail(state, samples, kReadProposals, "GetProposta: " + answer.error);
      break;
    }
    if (answer.packet.rows.size() != std::size_t(env.ListedProposals())) {
      Fail(state, samples, kReadProposals, "GetProposta read " + std::to_string(answer.packet.rows.size()) + " rows");
      break;
    }
  }
  state.SetLabel(std::to_string(env.ListedProposals()) + " proposals");
}

}  // namespace

void RegisterScreenOpening(BenchEnv& env, Samples& samples) {
  host::OpenLocalDatabase(":memory:");
  benchmark::RegisterBenchmark("open screen/CriaSolicitacaoProposta", [&](benchmark::State& state) {
    Guarded(state, samples, kOpenScreen, [&] { OpenScreen(state, env, samples); });
  })
      ->UseManualTime()
      ->Iterations(kOpenIterations)
      ->Repetitions(kRepetitions)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("open screen/server read of GetProposta", [&](benchmark::State& state) {
    Guarded(state, samples, kReadProposals, [&] { ReadProposals(state, env, samples); });
  })
      ->UseManualTime()
      ->Iterations(kReadIterations)
      ->Repetitions(kRepetitions)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace psrbench

// Round trips: PrxProposta over a real loopback connection to the server,
// against a bare exchange of frames of the same sizes with a tiny echo
// server (no JSON, no dispatch, no database).
#include <chrono>

#include <nlohmann/json.hpp>

#include "appserver/server_context.h"
#include "benchmarks.h"
#include "echo_server.h"
#include "platform/net/frame.h"

namespace psrbench {

namespace {

constexpr int kIterations = 2000;
constexpr int kRepetitions = 5;
constexpr std::chrono::milliseconds kTimeout{30000};

void PrxProposta(benchmark::State& state, BenchEnv& env, Samples& samples) {
  auto net = env.Connect();
  net->AppServer("PrxProposta");  // warm up
  for (auto _ : state) {
    host::ServerResult result;
    TimeOne(state, samples, kPrxProposta, [&] { result = net->AppServer("PrxProposta"); });
    if (result.kind != host::ServerResult::Kind::Value) {
      Fail(state, samples, kPrxProposta, "PrxProposta: " + result.error);
      break;
    }
  }
}

void Echo(benchmark::State& state, BenchEnv& env, Samples& samples) {
  // The frames PrxProposta exchanges: its request and an answer holding
  // a number the server handed out.
  host::ServerResult number = env.Connect()->AppServer("PrxProposta");
  if (number.kind != host::ServerResult::Kind::Value) {
    Fail(state, samples, kEcho, "PrxProposta: " + number.error);
    return;
  }
  const int64_t id = 1000;
  std::string request = plat::RequestToJson({id, appsrv::kModuleObject, "PrxProposta", {}}).dump();
  std::string answer = plat::AnswerToJson(plat::RpcAnswer::OfValue(id, number.value)).dump();
  state.SetLabel("request " + std::to_string(request.size()) + " B, answer " + std::to_string(answer.size()) + " B");

  EchoServer echo(answer);
  plat::TcpSocket socket = plat::TcpSocket::Connect("127.0.0.1", echo.Port(), kTimeout);
  for (auto _ : state) {
    std::optional<std::string> reply;
    TimeOne(state, samples, kEcho, [&] {
      plat::WriteFrame(socket, request);
      reply = plat::ReadFrame(socket, kTimeout);
    });
    if (!reply || reply->size() != answer.size()) {
      Fail(state, samples, kEcho, "the echo server sent no answer or a wrong one");
      break;
    }
  }
  socket.Close();  // lets the echo server's thread end
}

}  // namespace

void RegisterRoundTrips(BenchEnv& env, Samples& samples) {
  benchmark::RegisterBenchmark("round trip/PrxProposta", [&](benchmark::State& state) {
    Guarded(state, samples, kPrxProposta, [&] { PrxProposta(state, env, samples); });
  })
      ->UseManualTime()
      ->Iterations(kIterations)
      ->Repetitions(kRepetitions)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("round trip/TCP echo, same sizes", [&](benchmark::State& state) {
    Guarded(state, samples, kEcho, [&] { Echo(state, env, samples); });
  })
      ->UseManualTime()
      ->Iterations(kIterations)
      ->Repetitions(kRepetitions)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace psrbench

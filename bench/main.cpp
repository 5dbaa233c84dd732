// psr_bench: the application server and the proposal-request screen
// measured side by side in one run, each figure next to its reference,
// then a summary of the medians and their ratios.
//
// Runs against its own temporary database and an application server inside
// this process on a free loopback port. Google Benchmark's options apply
// (--benchmark_filter=..., --benchmark_format=json, ...).
#include <cstdio>

#include "benchmarks.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  try {
    psrbench::BenchEnv env(10000);
    std::printf("database %s: %d proposals listed for branch %s; server on 127.0.0.1:%d\n", env.DbPath().c_str(),
                env.ListedProposals(), psrbench::BenchEnv::kBranch, env.Port());
    std::fflush(stdout);

    psrbench::Samples samples;
    psrbench::RegisterRoundTrips(env, samples);
    psrbench::RegisterScreenOpening(env, samples);
    psrbench::RegisterDeltas(env, samples);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const std::string proposals = std::to_string(env.ListedProposals()) + " proposals";
    const std::string rows = std::to_string(psrbench::kDeltaRows) + " rows";
    psrbench::PrintSummary(
        samples, {{"PrxProposta round trip", psrbench::kPrxProposta, "TCP echo, same sizes", psrbench::kEcho},
                  {"open screen, " + proposals, psrbench::kOpenScreen, "server read of GetProposta, " + proposals,
                   psrbench::kReadProposals},
                  {"SetDadosContServico delta, " + rows + " inserted", psrbench::kSendDelta,
                   "same " + rows + " inserted directly, one tx", psrbench::kDirectInsert}});
    return samples.Failures().empty() ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "psr_bench: %s\n", e.what());
    return 1;
  }
}

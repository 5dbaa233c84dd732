// psr_bench: the application server and the proposal-request screen
// measured side by side in one run, each figure next to its floor, then a
// summary of the medians and their ratios, the growth tables and the
// memory of the loaded list.
//
// Runs against its own temporary databases (branch 0001 listing 1,000,
// 10,000 and 100,000 proposals) and an application server inside this
// process for each, on free loopback ports. Google Benchmark's options
// apply (--benchmark_filter=..., --benchmark_format=json, ...).
#include <cstdio>
#include <cstring>
#include <memory>

#include "benchmarks.h"
#include "memory_probe.h"

int main(int argc, char** argv) {
  using namespace psrbench;
  if (argc == 2 && std::strncmp(argv[1], "--memory-probe=", 15) == 0) return RunMemoryProbe(std::atoi(argv[1] + 15));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  try {
    const std::vector<int> sizes{1000, 10000, 100000};
    std::vector<std::unique_ptr<BenchEnv>> envs;
    for (int size : sizes) {
      envs.push_back(std::make_unique<BenchEnv>(size));
      std::printf("database %s: %d proposals listed for branch %s; server on 127.0.0.1:%d\n",
                  envs.back()->DbPath().c_str(), envs.back()->ListedProposals(), BenchEnv::kBranch,
                  envs.back()->Port());
    }
    std::fflush(stdout);
    BenchEnv& main = *envs[1];

    Samples samples;
    RegisterRoundTrips(main, samples);
    for (const auto& env : envs) RegisterScreenOpening(*env, samples);
    RegisterDeltas(main, samples);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::vector<Pair> pairs{{"ValidaProposta round trip (read-only call)",
                             kValida,
                             "TCP echo, same sizes + its statement, direct",
                             {kValidaEcho, kValidaDirect}},
                            {"PrxProposta round trip (write)",
                             kPrxProposta,
                             "TCP echo, same sizes + its write transaction, direct",
                             {kPrxEcho, kPrxDirect}}};
    for (const auto& env : envs) {
      const int n = env->ListedProposals();
      pairs.push_back({"open screen, " + std::to_string(n) + " proposals",
                       OpeningKey(kOpenScreen, n),
                       "GetProposta's statement read directly, " + std::to_string(n),
                       {OpeningKey(kReadDirectly, n)}});
    }
    for (int rows : kDeltaRows)
      pairs.push_back({"SetDadosContServico, " + std::to_string(rows) + " rows inserted",
                       DeltaKey(kSendDelta, rows),
                       "same rows inserted directly, one transaction",
                       {DeltaKey(kDirectInsert, rows)}});
    PrintSummary(samples, pairs);

    std::vector<int> listed;
    for (const auto& env : envs) listed.push_back(env->ListedProposals());
    PrintMedians(samples, "Opening the screen, step by step, by proposals listed",
                 {kReadDirectly, kServerRead, kAnswerRead, kDataSetFilled, kListFilled, kOpenScreen}, listed);
    PrintMedians(samples, "Sending a delta, by rows inserted", {kDirectInsert, kSendDelta},
                 std::vector<int>(std::begin(kDeltaRows), std::end(kDeltaRows)));
    if (samples.Count(OpeningKey(kOpenScreen, envs.back()->ListedProposals())) > 0)
      ReportMemory(*envs.back(), "/proc/self/exe");
    return samples.Failures().empty() ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "psr_bench: %s\n", e.what());
    return 1;
  }
}

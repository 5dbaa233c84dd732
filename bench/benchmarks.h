// The measurements, registered with Google Benchmark. Each timed iteration
// is one operation; its duration is both the iteration time reported to the
// library (manual time) and a sample for the summary's medians.
#pragma once

#include <benchmark/benchmark.h>

#include <exception>
#include <string>

#include "bench_env.h"
#include "samples.h"

namespace psrbench {

// Sample keys, one per measurement.
inline constexpr const char* kPrxProposta = "PrxProposta";
inline constexpr const char* kEcho = "echo";
inline constexpr const char* kOpenScreen = "open screen";
inline constexpr const char* kReadProposals = "read proposals";
inline constexpr const char* kSendDelta = "send delta";
inline constexpr const char* kDirectInsert = "direct insert";

// The rows of the delta measurement.
inline constexpr int kDeltaRows = 1000;

void RegisterRoundTrips(BenchEnv& env, Samples& samples);
void RegisterScreenOpening(BenchEnv& env, Samples& samples);
void RegisterDeltas(BenchEnv& env, Samples& samples);

// Marks the measurement failed with the reason, for the library's report
// and for the summary. The caller then leaves its loop.
inline void Fail(benchmark::State& state, Samples& samples, const std::string& key, const std::string& reason) {
  state.SkipWithError(reason.c_str());
  samples.NoteFailure(key, reason);
}

// Runs a benchmark's body; an exception fails the measurement instead of
// ending the program.
template <class Body>
void Guarded(benchmark::State& state, Samples& samples, const std::string& key, Body&& body) {
  try {
    body();
  } catch (const std::exception& e) {
    if (!state.error_occurred()) Fail(state, samples, key, e.what());
  }
}

// Times one operation: records it under the key and as the iteration's time.
template <class Operation>
void TimeOne(benchmark::State& state, Samples& samples, const std::string& key, Operation&& operation) {
  Clock::time_point start = Clock::now();
  operation();
  Clock::duration took = Clock::now() - start;
  state.SetIterationTime(std::chrono::duration<double>(took).count());
  samples.Add(key, took);
}

}  // namespace psrbench

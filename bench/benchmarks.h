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

// Sample keys. The round trips, with their floors' parts.
inline constexpr const char* kValida = "ValidaProposta";
inline constexpr const char* kValidaEcho = "echo ValidaProposta";
inline constexpr const char* kValidaDirect = "direct ValidaProposta";
inline constexpr const char* kPrxProposta = "PrxProposta";
inline constexpr const char* kPrxEcho = "echo PrxProposta";
inline constexpr const char* kPrxDirect = "direct PrxProposta";
// The steps of opening the screen, one key per step and list size
// (OpeningKey).
inline constexpr const char* kOpenScreen = "open screen";
inline constexpr const char* kReadDirectly = "direct read";
inline constexpr const char* kServerRead = "server GetProposta";  // streamed into pieces
inline constexpr const char* kAnswerRead = "answer read";         // as its pieces arrive
inline constexpr const char* kDataSetFilled = "data set filled";
inline constexpr const char* kListFilled = "screen list filled";
std::string OpeningKey(const char* step, int proposals);
// The deltas, one key per size (DeltaKey).
inline constexpr const char* kSendDelta = "send delta";
inline constexpr const char* kDirectInsert = "direct insert";
inline constexpr int kDeltaRows[] = {100, 1000, 10000};
std::string DeltaKey(const char* step, int rows);

void RegisterRoundTrips(BenchEnv& env, Samples& samples);
void RegisterScreenOpening(const BenchEnv& env, Samples& samples);
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

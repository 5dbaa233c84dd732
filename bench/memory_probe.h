// The resident memory of the screen with its proposal list loaded, against
// the bytes of the packet that carried the list. Measured in a process of
// its own (this program started again with --memory-probe=PORT), so that
// nothing else of the benchmarks is counted.
#pragma once

#include "bench_env.h"

namespace psrbench {

// The probe's side: opens the screen on the server at the port, prints its
// figures on one line and returns the exit status.
int RunMemoryProbe(int port);

// Runs the probe against the environment's server and prints the figures.
void ReportMemory(const BenchEnv& env, const char* program);

}  // namespace psrbench

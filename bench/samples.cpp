#include "samples.h"

#include <algorithm>
#include <cstdio>

namespace psrbench {

namespace {

// "12.3 us", "4.56 ms", "1.23 s".
std::string Readable(double seconds) {
  char text[32];
  if (seconds <= 0)
    std::snprintf(text, sizeof text, "-");
  else if (seconds < 1e-3)
    std::snprintf(text, sizeof text, "%.1f us", seconds * 1e6);
  else if (seconds < 1.0)
    std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
  else
    std::snprintf(text, sizeof text, "%.2f s", seconds);
  return text;
}

}  // namespace

void Samples::Add(const std::string& key, Clock::duration duration) {
  seconds_[key].push_back(std::chrono::duration<double>(duration).count());
}

double Samples::Median(const std::string& key) const {
  auto found = seconds_.find(key);
  if (found == seconds_.end() || found->second.empty()) return 0;
  std::vector<double> sorted = found->second;
  std::sort(sorted.begin(), sorted.end());
  std::size_t n = sorted.size();
  return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

std::size_t Samples::Count(const std::string& key) const {
  auto found = seconds_.find(key);
  return found == seconds_.end() ? 0 : found->second.size();
}

void PrintSummary(const Samples& samples, const std::vector<Pair>& pairs) {
  std::printf("\nSummary (medians of single operations; n = operations timed)\n");
  std::printf("%-44s %12s %7s   %-44s %12s %7s   %8s\n", "measured", "median", "n", "reference", "median", "n",
              "ratio");
  std::printf("%s\n", std::string(145, '-').c_str());
  for (const Pair& pair : pairs) {
    double measured = samples.Median(pair.measuredKey);
    double reference = samples.Median(pair.referenceKey);
    char ratio[32] = "-";
    if (measured > 0 && reference > 0) std::snprintf(ratio, sizeof ratio, "%.1fx", measured / reference);
    std::printf("%-44s %12s %7zu   %-44s %12s %7zu   %8s\n", pair.measuredLabel.c_str(), Readable(measured).c_str(),
                samples.Count(pair.measuredKey), pair.referenceLabel.c_str(), Readable(reference).c_str(),
                samples.Count(pair.referenceKey), ratio);
  }
  for (const auto& [key, reason] : samples.Failures()) std::printf("FAILED %s: %s\n", key.c_str(), reason.c_str());
}

}  // namespace psrbench

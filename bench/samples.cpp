#include "samples.h"

#include <algorithm>
#include <cstdio>

namespace psrbench {

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
  std::printf("%-46s %10s %6s   %-58s %10s   %7s\n", "measured", "median", "n", "reference (floor)", "median", "ratio");
  std::printf("%s\n", std::string(146, '-').c_str());
  for (const Pair& pair : pairs) {
    double measured = samples.Median(pair.measuredKey);
    double reference = 0;
    bool complete = true;
    for (const std::string& key : pair.referenceKeys) {
      double median = samples.Median(key);
      complete = complete && median > 0;
      reference += median;
    }
    if (!complete) reference = 0;
    char ratio[32] = "-";
    if (measured > 0 && reference > 0) std::snprintf(ratio, sizeof ratio, "%.2fx", measured / reference);
    std::printf("%-46s %10s %6zu   %-58s %10s   %7s\n", pair.measuredLabel.c_str(), Readable(measured).c_str(),
                samples.Count(pair.measuredKey), pair.referenceLabel.c_str(), Readable(reference).c_str(), ratio);
  }
  for (const auto& [key, reason] : samples.Failures()) std::printf("FAILED %s: %s\n", key.c_str(), reason.c_str());
}

void PrintMedians(const Samples& samples, const std::string& title, const std::vector<std::string>& prefixes,
                  const std::vector<int>& rows) {
  std::printf("\n%s\n%10s", title.c_str(), "");
  for (const std::string& prefix : prefixes) std::printf(" %19s", prefix.c_str());
  std::printf("\n");
  for (int row : rows) {
    std::printf("%10d", row);
    for (const std::string& prefix : prefixes)
      std::printf(" %19s", Readable(samples.Median(prefix + " " + std::to_string(row))).c_str());
    std::printf("\n");
  }
}

}  // namespace psrbench

// Samples: the duration of every single operation a benchmark timed, kept
// by measurement, so that the summary can give the median of the operations
// themselves rather than of repetition means.
#pragma once

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace psrbench {

using Clock = std::chrono::steady_clock;

class Samples {
 public:
  void Add(const std::string& key, Clock::duration duration);
  // Seconds; 0 when nothing was recorded under the key.
  double Median(const std::string& key) const;
  std::size_t Count(const std::string& key) const;

  // Why a measurement could not be made (the first reason is kept).
  void NoteFailure(const std::string& key, const std::string& reason) { failures_.try_emplace(key, reason); }
  const std::map<std::string, std::string>& Failures() const { return failures_; }

 private:
  std::map<std::string, std::vector<double>> seconds_;
  std::map<std::string, std::string> failures_;
};

// One pair of the summary: a figure of the application and its reference,
// the sum of the medians of one or more measurements.
struct Pair {
  std::string measuredLabel, measuredKey;
  std::string referenceLabel;
  std::vector<std::string> referenceKeys;
};

// Prints the pairs with their medians and the ratio measured / reference.
void PrintSummary(const Samples& samples, const std::vector<Pair>& pairs);

// Prints a table of medians: one row per label, one column per key prefix
// (the sample under "PREFIX ROW").
void PrintMedians(const Samples& samples, const std::string& title, const std::vector<std::string>& prefixes,
                  const std::vector<int>& rows);

// "12.3 us", "4.56 ms", "1.23 s".
std::string Readable(double seconds);

}  // namespace psrbench

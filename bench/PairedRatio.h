// Times a subject and its reference alternately in one run and reports both
// medians and their ratio as counters, so that the figure does not depend on
// how busy the machine was between two separate benchmarks.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

namespace benchpair {

template <typename Work>
double TimeOnce(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The value at fraction q (0 to 1) of the sorted values.
inline double Quantile(std::vector<double> values, double q) {
  if (values.empty()) return 0.0;
  const auto at = static_cast<size_t>(q * static_cast<double>(values.size() - 1) + 0.5);
  std::nth_element(values.begin(), values.begin() + at, values.end());
  return values[at];
}

inline double Median(std::vector<double> values) { return Quantile(std::move(values), 0.5); }

// Each benchmark iteration runs subject then reference once, then tidy
// untimed; counters in milliseconds.
template <typename Subject, typename Reference, typename Tidy>
void RunPaired(benchmark::State& state, Subject&& subject, Reference&& reference, Tidy&& tidy) {
  std::vector<double> subjectTimes, referenceTimes, ratios;
  for (auto _ : state) {
    subjectTimes.push_back(TimeOnce(subject));
    referenceTimes.push_back(TimeOnce(reference));
    if (referenceTimes.back() > 0) ratios.push_back(subjectTimes.back() / referenceTimes.back());
    state.PauseTiming();
    tidy();
    state.ResumeTiming();
  }
  const double s = Median(subjectTimes), r = Median(referenceTimes);
  state.counters["subject_ms"] = s * 1e3;
  state.counters["reference_ms"] = r * 1e3;
  state.counters["ratio"] = r > 0 ? s / r : 0.0;
  // The spread of the pairs' own ratios.
  state.counters["ratio_p25"] = Quantile(ratios, 0.25);
  state.counters["ratio_p75"] = Quantile(ratios, 0.75);
}

template <typename Subject, typename Reference>
void RunPaired(benchmark::State& state, Subject&& subject, Reference&& reference) {
  RunPaired(state, subject, reference, [] {});
}

}  // namespace benchpair

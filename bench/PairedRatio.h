// Times a subject and its reference alternately in one run and reports both
// medians and their ratio as counters, so that the figure does not depend on
// how busy the machine was between two separate benchmarks.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace benchpair {

template <typename Work>
double TimeOnce(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

// Each benchmark iteration runs subject then reference once, then tidy
// untimed; counters in milliseconds.
template <typename Subject, typename Reference, typename Tidy>
void RunPaired(benchmark::State& state, Subject&& subject, Reference&& reference, Tidy&& tidy) {
  std::vector<double> subjectTimes, referenceTimes;
  for (auto _ : state) {
    subjectTimes.push_back(TimeOnce(subject));
    referenceTimes.push_back(TimeOnce(reference));
    state.PauseTiming();
    tidy();
    state.ResumeTiming();
  }
  const double s = Median(subjectTimes), r = Median(referenceTimes);
  state.counters["subject_ms"] = s * 1e3;
  state.counters["reference_ms"] = r * 1e3;
  state.counters["ratio"] = r > 0 ? s / r : 0.0;
}

template <typename Subject, typename Reference>
void RunPaired(benchmark::State& state, Subject&& subject, Reference&& reference) {
  RunPaired(state, subject, reference, [] {});
}

}  // namespace benchpair

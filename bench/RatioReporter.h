#pragma once
// A console reporter that also keeps each benchmark's real time per
// iteration (the mean when repeated), so a benchmark's main can print the
// ratio it is judged by.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace ldr::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")
        Times[run.run_name.function_name] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> Times;
};

} // namespace ldr::bench

#pragma once
// A console reporter that also keeps each benchmark's real time per
// iteration (the mean when repeated), so a benchmark's main can print the
// ratio it is judged by.

#include <benchmark/benchmark.h>

#include <iostream>
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

// Runs the benchmarks and prints "LABEL: measured / baseline" when both ran.
inline int RunAndPrintRatio(int argc, char** argv, const std::string& measured, const std::string& baseline,
                            const std::string& label) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto& times = reporter.Times;
  if (times.count(measured) && times.count(baseline))
    std::cout << label << ": " << times.at(measured) / times.at(baseline) << "\n";
  benchmark::Shutdown();
  return 0;
}

} // namespace ldr::bench

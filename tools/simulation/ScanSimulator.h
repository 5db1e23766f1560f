#pragma once
// Runs a project's ladder scan by scan, as a controller would: the start
// subroutine once, in the first scan, then the main subroutine in every
// scan; nets in SeqNum order, calls, returns and jumps to labels. Values
// live in the virtual controller between scans, so the on-line view shows
// the simulation. The project itself is only read. docs/simulation.md
// describes the semantics.

#include "tools/simulation/NetEvaluator.h"
#include "tools/simulation/SimulationError.h"

#include <functional>
#include <memory>
#include <set>
#include <string>

namespace ldr {
class VirtualController;
}
namespace ldr::db {
class Connection;
}

namespace ldr::sim {

class ScanSimulator {
public:
  static constexpr std::int64_t kDefaultScanMs = 10;
  static constexpr int kMaxCallDepth = 64;

  ScanSimulator(SimProgram program, std::shared_ptr<VirtualController> controller);
  // Reads the project's ladder (read only).
  static std::unique_ptr<ScanSimulator> ForProject(db::Connection& connection,
                                                   std::shared_ptr<VirtualController> controller);

  // One scan. A fault stops the simulation: this scan and every later one
  // throws SimulationError until Restart.
  void Scan();
  // Power-up state: values, timers, clock and scan count (forces stay).
  void Restart();
  long ScanCount() const { return mScanCount; }
  bool Stopped() const { return !mFault.empty(); }
  const std::string& Fault() const { return mFault; }

  void SetScanMs(std::int64_t milliseconds) { mScanMs = milliseconds; }
  std::int64_t ScanMs() const { return mScanMs; }
  SimClock& Clock() { return mClock; }

  // Operand values by key (timers and counters: their bit); operands the
  // program does not use may be set and read too.
  std::int64_t Value(const OperandKey& key);
  void Set(const OperandKey& key, std::int64_t value);
  void Force(const OperandKey& key, std::int64_t value);
  void Unforce(const OperandKey& key);
  bool IsForced(const OperandKey& key);
  std::int64_t TimerPreset(const OperandKey& key);
  std::int64_t TimerCurrent(const OperandKey& key);

  // Notes for the user (an element type that is not simulated, once per type).
  void SetReportSink(std::function<void(const std::string&)> sink) { mReport = std::move(sink); }
  const std::vector<std::string>& Reports() const { return mReports; }
  const SimProgram& Program() const { return mProgram; }
  VirtualController& Controller() { return *mController; }

private:
  void RunSubroutine(SimSubroutine& subroutine);
  void RunCalls(const NetOutcome& outcome);
  void ReportUnknown(const SimElement& element);
  std::string Where() const;
  static long NetRunLimit(const SimProgram& program);

  SimProgram mProgram;
  std::shared_ptr<VirtualController> mController;
  SimMemory mMemory;
  TimerBank mTimers;
  SimClock mClock;
  NetEvaluator mEvaluator;
  std::int64_t mScanMs = kDefaultScanMs;
  long mScanCount = 0;
  long mNetRuns = 0;
  long mNetRunLimit = 0;
  std::string mFault;
  std::vector<long> mCallStack;
  const SimSubroutine* mSubroutine = nullptr;
  const SimNet* mNet = nullptr;
  std::set<long> mReportedTypes;
  std::vector<std::string> mReports;
  std::function<void(const std::string&)> mReport;
};

} // namespace ldr::sim

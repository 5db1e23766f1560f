#include "tools/simulation/ScanSimulator.h"

#include "outside/operands/VirtualController.h"
#include "tools/simulation/ProgramLoader.h"

#include <algorithm>

namespace ldr::sim {

namespace {

constexpr long kStartSubroutine = 1;
constexpr long kMainSubroutine = 2;

} // namespace

ScanSimulator::ScanSimulator(SimProgram program, std::shared_ptr<VirtualController> controller)
    : mProgram(std::move(program)), mController(std::move(controller)), mMemory(mProgram.Operands()), mTimers(mMemory),
      mEvaluator(mMemory, mTimers, mClock, [this](const SimElement& e) { ReportUnknown(e); }) {
  if (!mController) mController = std::make_shared<VirtualController>();
  mNetRunLimit = NetRunLimit(mProgram);
  mMemory.PushTo(*mController);
}

std::unique_ptr<ScanSimulator> ScanSimulator::ForProject(db::Connection& connection,
                                                         std::shared_ptr<VirtualController> controller) {
  return std::make_unique<ScanSimulator>(ProgramLoader::Load(connection), std::move(controller));
}

void ScanSimulator::Restart() {
  mFault.clear();
  mScanCount = 0;
  mMemory.Reset();
  mTimers.Reset();
  mClock.Restart();
  for (auto& [id, subroutine] : mProgram.Subroutines())
    for (auto& net : subroutine.Nets)
      for (auto& element : net.Elements) element.LastBit = element.LastPower = false;
  mMemory.PushTo(*mController);
}

void ScanSimulator::Scan() {
  if (Stopped()) throw SimulationError(mFault);
  ++mScanCount;
  mNetRuns = 0;
  mCallStack.clear();
  mMemory.PullFrom(*mController);
  try {
    auto* start = mProgram.FindByType(kStartSubroutine);
    auto* main = mProgram.FindByType(kMainSubroutine);
    if (!main) throw SimulationError("the project has no main subroutine");
    if (mScanCount == 1 && start && start != main) RunSubroutine(*start);
    RunSubroutine(*main);
  } catch (const SimulationError& error) {
    mFault = "scan " + std::to_string(mScanCount) + ": " + error.what();
    mMemory.PushTo(*mController);
    throw SimulationError(mFault);
  }
  mTimers.EndOfScan(mScanMs);
  mClock.Advance(mScanMs);
  mMemory.PushTo(*mController);
}

void ScanSimulator::RunSubroutine(SimSubroutine& subroutine) {
  mCallStack.push_back(subroutine.FuncID);
  const SimNet* lastNet = nullptr;
  size_t index = 0;
  while (index < subroutine.Strips.size()) {
    const auto& strip = subroutine.Strips[index];
    if (strip.Kind != StripKind::Net) {
      ++index;
      continue;
    }
    auto& net = subroutine.Nets[strip.NetIndex];
    mSubroutine = &subroutine;
    mNet = lastNet = &net;
    if (++mNetRuns > mNetRunLimit)
      throw SimulationError(Where() + ": scan limit exceeded (" + std::to_string(mNetRunLimit) +
                            " nets run in one scan; does a jump loop?)");
    const auto outcome = mEvaluator.Run(net);
    RunCalls(outcome);
    mSubroutine = &subroutine;
    mNet = &net;
    if (outcome.Return) {
      mCallStack.pop_back();
      return;
    }
    if (outcome.Jump) {
      const auto label = subroutine.LabelStrips.find(*outcome.Jump);
      if (label == subroutine.LabelStrips.end()) throw SimulationError(Where() + ": jump to a missing label");
      index = static_cast<size_t>(label->second) + 1;
      continue;
    }
    ++index;
  }
  std::string message = "subroutine \"" + subroutine.Name + "\" ends without a return";
  if (lastNet) message += " (after net " + std::to_string(lastNet->ShowNum) + ")";
  throw SimulationError(message);
}

void ScanSimulator::RunCalls(const NetOutcome& outcome) {
  for (const long funcID : outcome.Calls) {
    auto* target = mProgram.Find(funcID);
    if (!target) throw SimulationError(Where() + ": call to a missing subroutine");
    if (std::find(mCallStack.begin(), mCallStack.end(), funcID) != mCallStack.end())
      throw SimulationError(Where() + ": subroutine \"" + target->Name + "\" calls itself");
    if (static_cast<int>(mCallStack.size()) >= kMaxCallDepth)
      throw SimulationError(Where() + ": calls nested deeper than " + std::to_string(kMaxCallDepth));
    RunSubroutine(*target);
  }
}

void ScanSimulator::ReportUnknown(const SimElement& element) {
  if (!mReportedTypes.insert(element.Type).second) return;
  const std::string note =
      "element type " + std::to_string(element.Type) + " (first in " + Where() + ") is not simulated; it stays open";
  mReports.push_back(note);
  if (mReport) mReport(note);
}

std::string ScanSimulator::Where() const {
  if (!mSubroutine || !mNet) return "the program";
  return "net " + std::to_string(mNet->ShowNum) + " of subroutine \"" + mSubroutine->Name + "\"";
}

long ScanSimulator::NetRunLimit(const SimProgram& program) {
  long nets = 0;
  for (const auto& [id, subroutine] : program.Subroutines()) nets += static_cast<long>(subroutine.Nets.size());
  return std::max(100000L, 100 * nets);
}

std::int64_t ScanSimulator::Value(const OperandKey& key) {
  mMemory.PullFrom(*mController);
  return mMemory.Read(mMemory.Resolve(key));
}

void ScanSimulator::Set(const OperandKey& key, std::int64_t value) {
  mMemory.PullFrom(*mController);
  mMemory.Write(mMemory.Resolve(key), value);
  mMemory.PushTo(*mController);
}

void ScanSimulator::Force(const OperandKey& key, std::int64_t value) {
  mMemory.Force(mMemory.Resolve(key), value);
  mMemory.PushTo(*mController);
}

void ScanSimulator::Unforce(const OperandKey& key) { mMemory.Unforce(mMemory.Resolve(key)); }

bool ScanSimulator::IsForced(const OperandKey& key) { return mMemory.IsForced(mMemory.Resolve(key)); }

std::int64_t ScanSimulator::TimerPreset(const OperandKey& key) { return mTimers.Preset(mMemory.Resolve(key)); }

std::int64_t ScanSimulator::TimerCurrent(const OperandKey& key) { return mTimers.Current(mMemory.Resolve(key)); }

} // namespace ldr::sim

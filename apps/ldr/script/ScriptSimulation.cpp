#include "apps/ldr/script/ScriptSimulation.h"

#include "outside/operands/VirtualController.h"
#include "tools/simulation/OperandName.h"

#include "apps/ldr/script/ScriptLine.h"
#include "outside/headless/LogFormat.h"

#include <stdexcept>

namespace ldr::script {

void ScriptSimulation::Run(const Words& w, HeadlessEditor& editor) {
  const std::string verb = w.size() > 1 ? w[1] : "";
  if (verb == "start" && w.size() <= 3) return Start(w, editor);
  if (verb == "scan" && w.size() <= 3) return Scan(w.size() == 3 ? ToLong(w[2]) : 1, editor);
  if (verb == "set" && w.size() == 4) return Simulator().Set(Operand(w[2]), ToLong(w[3]));
  if (verb == "force" && w.size() == 4) {
    if (w[3] == "off") return Simulator().Unforce(Operand(w[2]));
    return Simulator().Force(Operand(w[2]), ToLong(w[3]));
  }
  if (verb == "value" && w.size() >= 3) return PrintValues(w);
  throw std::invalid_argument("usage: simulate start [MS] | scan [N] | set OPERAND VALUE | "
                              "force OPERAND VALUE|off | value OPERAND...");
}

void ScriptSimulation::Start(const Words& w, HeadlessEditor& editor) {
  mController = std::make_shared<VirtualController>();
  mSimulator = sim::ScanSimulator::ForProject(editor.Db(), mController);
  if (w.size() == 3) mSimulator->SetScanMs(ToLong(w[2]));
  mSimulator->SetReportSink([this](const std::string& note) { mPrint("simulate note " + LogFormat::Quote(note)); });
}

void ScriptSimulation::Scan(long count, HeadlessEditor& editor) {
  auto& simulator = Simulator();
  for (long i = 0; i < count; ++i) {
    try {
      simulator.Scan();
    } catch (const sim::SimulationError& error) {
      mPrint("simulate stopped " + LogFormat::Quote(error.what()));
      break;
    }
  }
  if (editor.Initialized()) editor.Main().AppendTestValue(*mController);
}

void ScriptSimulation::PrintValues(const Words& w) {
  std::string line = "simulate";
  for (size_t i = 2; i < w.size(); ++i) line += " " + w[i] + "=" + std::to_string(Simulator().Value(Operand(w[i])));
  mPrint(line);
}

sim::ScanSimulator& ScriptSimulation::Simulator() {
  if (!mSimulator) throw std::logic_error("no simulation is running (simulate start)");
  return *mSimulator;
}

OperandKey ScriptSimulation::Operand(const std::string& text) const {
  std::string error;
  const auto key = sim::OperandName::Parse(text, mTypes, error);
  if (!key) throw std::invalid_argument(error);
  return *key;
}

} // namespace ldr::script

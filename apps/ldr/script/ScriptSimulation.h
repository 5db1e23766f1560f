#pragma once
// The `simulate` command of `ldr script`: runs the open project's ladder in
// the scan simulator, with the editor's on-line view fed from the simulated
// virtual controller after every scan.
//   simulate start [SCAN_MS]      read the ladder and reset to power-up
//   simulate scan [N]             run N scans (default 1)
//   simulate set OPERAND VALUE    write a value before the next scan
//   simulate force OPERAND VALUE|off
//   simulate value OPERAND…       print "simulate OPERAND=VALUE …"
// A fault prints `simulate stopped "MESSAGE"`; a note `simulate note "TEXT"`.

#include "apps/ldr/script/HeadlessEditor.h"
#include "outside/operands/OperandTypeCatalogue.h"
#include "tools/simulation/ScanSimulator.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ldr::script {

class ScriptSimulation {
public:
  using Words = std::vector<std::string>;
  using Printer = std::function<void(const std::string&)>;

  explicit ScriptSimulation(Printer print) : mPrint(std::move(print)) {}
  void Run(const Words& words, HeadlessEditor& editor);

private:
  void Start(const Words& words, HeadlessEditor& editor);
  void Scan(long count, HeadlessEditor& editor);
  void PrintValues(const Words& words);
  sim::ScanSimulator& Simulator();
  OperandKey Operand(const std::string& text) const;

  Printer mPrint;
  OperandTypeCatalogue mTypes;
  std::shared_ptr<VirtualController> mController;
  std::unique_ptr<sim::ScanSimulator> mSimulator;
};

} // namespace ldr::script

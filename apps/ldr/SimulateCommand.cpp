// `ldr simulate PROJECT --scans N [--scan-ms MS] [--clock TIME]
//  [--set OPERAND=VALUE@SCAN]… [--watch OPERAND]…`: runs the project's ladder
// scan by scan and prints a CSV trace of the watched operands after every
// scan. Bad arguments exit 2; a fault of the program stops the trace with
// exit 1. The project file is only read.
#include "apps/ldr/Commands.h"
#include "core/ProjectDatabase.h"
#include "outside/operands/VirtualController.h"
#include "tools/simulation/OperandName.h"
#include "tools/simulation/ScanSimulator.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <map>

namespace ldr::cli {

namespace {

constexpr int kBadInput = 2;

struct SimulateArgs {
  std::string Path;
  long Scans = 0;
  long ScanMs = sim::ScanSimulator::kDefaultScanMs;
  std::string Clock;
  std::vector<std::string> Sets;
  std::vector<std::string> Watches;
};

struct tySet {
  OperandKey Key;
  std::int64_t Value = 0;
};

[[noreturn]] void BadInput(const std::string& message) {
  std::cerr << "ldr: simulate: " << message << '\n';
  throw CLI::RuntimeError(kBadInput);
}

std::optional<long long> ParseInteger(const std::string& text) {
  try {
    size_t used = 0;
    const long long value = std::stoll(text, &used);
    if (used == text.size()) return value;
  } catch (...) {
  }
  return std::nullopt;
}

OperandKey ParseOperand(const std::string& text, const OperandTypeCatalogue& types) {
  std::string error;
  const auto key = sim::OperandName::Parse(text, types, error);
  if (!key) BadInput(error);
  return *key;
}

// OPERAND=VALUE@SCAN
std::multimap<long, tySet> ParseSets(const SimulateArgs& args, const OperandTypeCatalogue& types) {
  std::multimap<long, tySet> sets;
  for (const auto& text : args.Sets) {
    const auto equals = text.find('='), at = text.rfind('@');
    if (equals == std::string::npos || at == std::string::npos || at < equals)
      BadInput("--set \"" + text + "\": write OPERAND=VALUE@SCAN, as in I1=1@3");
    const auto key = ParseOperand(text.substr(0, equals), types);
    const auto value = ParseInteger(text.substr(equals + 1, at - equals - 1));
    const auto scan = ParseInteger(text.substr(at + 1));
    if (!value) BadInput("--set \"" + text + "\": the value is not a whole number");
    if (!scan || *scan < 1 || *scan > args.Scans)
      BadInput("--set \"" + text + "\": the scan runs from 1 to " + std::to_string(args.Scans));
    sets.emplace(static_cast<long>(*scan), tySet{key, *value});
  }
  return sets;
}

void Simulate(const SimulateArgs& args) {
  if (args.Scans < 1) BadInput("--scans must be at least 1");
  if (args.ScanMs < 1) BadInput("--scan-ms must be at least 1");
  const OperandTypeCatalogue types;
  const auto sets = ParseSets(args, types);
  std::vector<OperandKey> watches;
  for (const auto& text : args.Watches) watches.push_back(ParseOperand(text, types));

  auto db = ProjectDatabase::OpenReadOnly(args.Path);
  auto simulator = sim::ScanSimulator::ForProject(*db, std::make_shared<VirtualController>());
  simulator->SetScanMs(args.ScanMs);
  if (!args.Clock.empty() && !simulator->Clock().SetStart(args.Clock))
    BadInput("--clock \"" + args.Clock + "\": write YYYY-MM-DDTHH:MM[:SS]");
  simulator->SetReportSink([](const std::string& note) { std::cerr << "ldr: simulate: note: " << note << '\n'; });

  std::cout << "scan";
  for (const auto& text : args.Watches) std::cout << ',' << text;
  std::cout << '\n';
  for (long scan = 1; scan <= args.Scans; ++scan) {
    const auto [first, last] = sets.equal_range(scan);
    for (auto set = first; set != last; ++set) simulator->Set(set->second.Key, set->second.Value);
    try {
      simulator->Scan();
    } catch (const sim::SimulationError& error) {
      std::cout.flush();
      std::cerr << "ldr: simulate: " << error.what() << '\n';
      throw CLI::RuntimeError(1);
    }
    std::cout << scan;
    for (const auto& key : watches) std::cout << ',' << simulator->Value(key);
    std::cout << '\n';
  }
}

} // namespace

void AddSimulateCommand(CLI::App& app) {
  auto* command = app.add_subcommand("simulate", "Run the ladder scan by scan and print the watched operands as CSV");
  auto args = std::make_shared<SimulateArgs>();
  command->add_option("PROJECT", args->Path, "project file")->required();
  command->add_option("--scans", args->Scans, "number of scans")->required();
  command->add_option("--scan-ms", args->ScanMs, "simulated time of one scan in milliseconds (default 10)");
  command->add_option("--clock", args->Clock, "start of the simulated clock, YYYY-MM-DDTHH:MM[:SS]");
  command->add_option("--set", args->Sets, "OPERAND=VALUE@SCAN: write a value before that scan");
  command->add_option("--watch", args->Watches, "an operand to print after every scan");
  command->callback([args] { Simulate(*args); });
}

} // namespace ldr::cli

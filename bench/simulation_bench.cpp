// Scans per second of the simulator on a main subroutine of 2,000 nets of
// ten elements each (five contacts in series, a parallel contact joined by a
// vertical line, a line to a coil, a set coil on its own row), 20,000
// elements in all. Compare one scan with one RedrawAll of redraw_bench.
#include "core/ProjectDatabase.h"
#include "outside/operands/VirtualController.h"
#include "platform/database/Transaction.h"
#include "tools/simulation/ScanSimulator.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

using namespace ldr;

namespace {

constexpr long kNets = 2000;
constexpr long kMainFunction = 2;

long AddElement(db::Connection& db, long strip, long type, long x, long y, long dx = 0, long dy = 0) {
  return static_cast<long>(db.AddRow(
      "LdrElements", {{"StripID", strip}, {"ElmntType", type}, {"Xs", x}, {"Ys", y}, {"Dx", dx}, {"Dy", dy}}));
}

void AddOperand(db::Connection& db, long element, bool input, long type, long address) {
  db.AddRow("LdrElmsOprs", {{"ElmntID", element},
                            {"OprndInIdx", input ? 1 : 0},
                            {"OprndOutIdx", input ? 0 : 1},
                            {"Elmnt_Oprnd_Type", type},
                            {"Elmnt_Oprnd_Adrs", address},
                            {"Elmnt_Oprnd_NetworkID", 0}});
}

void FillNet(db::Connection& db, long strip, long n) {
  for (long i = 0; i < 5; ++i) AddOperand(db, AddElement(db, strip, 200, 6 * i, 0), true, 1, (n + i) % 4000);
  AddOperand(db, AddElement(db, strip, 201, 0, 1), true, 9, n % 500);
  AddElement(db, strip, 101, 6, 0, 0, 1);
  AddElement(db, strip, 100, 30, 0, 10, 0);
  AddOperand(db, AddElement(db, strip, 204, 40, 0), false, 1, (n * 7) % 4000);
  AddOperand(db, AddElement(db, strip, 206, 0, 2), false, 10, n % 500);
}

std::string BuildProject() {
  const auto path = (std::filesystem::temp_directory_path() / "ldr-simulation-bench.ldrp").string();
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
  auto db = ProjectDatabase::Create(path);
  db::Transaction transaction(*db);
  db->Execute("UPDATE LdrStrips SET SeqNum=? WHERE FuncID=? AND IsReturnStrip=-1", {kNets + 1, kMainFunction});
  for (long seq = 17; seq <= kNets; ++seq)
    db->AddRow("LdrStrips", {{"FuncID", kMainFunction}, {"SeqNum", seq}, {"StrpType", 1}, {"ShowNum", seq}});
  const auto nets =
      db->Query("SELECT StripID FROM LdrStrips WHERE FuncID=? AND IsReturnStrip=0 ORDER BY SeqNum", {kMainFunction});
  long n = 0;
  for (const auto& row : nets.Rows()) FillNet(*db, row[0].AsLong(), n++);
  transaction.Commit();
  return path;
}

struct SimulationSetup {
  std::string path = BuildProject();
  std::shared_ptr<db::Connection> db = ProjectDatabase::OpenReadOnly(path);
  std::unique_ptr<sim::ScanSimulator> simulator =
      sim::ScanSimulator::ForProject(*db, std::make_shared<VirtualController>());
};

SimulationSetup& Setup() {
  static SimulationSetup setup;
  return setup;
}

void BM_Scan(benchmark::State& state) {
  auto& simulator = *Setup().simulator;
  for (auto _ : state) simulator.Scan();
  state.counters["elements"] = static_cast<double>(simulator.Program().ElementCount());
  state.counters["scans/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Scan)->Unit(benchmark::kMicrosecond);

void BM_LoadProgram(benchmark::State& state) {
  auto& setup = Setup();
  for (auto _ : state) benchmark::DoNotOptimize(sim::ScanSimulator::ForProject(*setup.db, nullptr));
}
BENCHMARK(BM_LoadProgram)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// On-line evaluation of one 40 x 14 net full of contacts and line pieces
// (every contact on, so power reaches everything) against one redraw of the
// whole view. The elements are stored right to left, the order that makes
// propagation work hardest.
#include "RatioReporter.h"
#include "core/LdrContext.h"
#include "core/ProjectDatabase.h"
#include "core/clsLdrState.h"
#include "editor/StandardParts.h"
#include "editor/clsLdrMain.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrElement.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "outside/operands/OperandType.h"
#include "outside/operands/VirtualController.h"
#include "platform/boards/MemoryMainBoard.h"
#include "platform/boards/MemoryPictureBoard.h"
#include "platform/database/Transaction.h"
#include "strips/clsLdrNet.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

using namespace ldr;

namespace {

constexpr int kRightWidth = 770;
constexpr int kLeftWidth = 28;
constexpr int kHeight = 700;
constexpr long kFunctionID = 2;
constexpr long kColumns = 40;
constexpr long kContactWidth = 6;
constexpr long kGap = 2; // two one-cell line pieces between contacts

std::string BenchFile(const std::string& name) { return (std::filesystem::temp_directory_path() / name).string(); }

void RemoveProject(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
}

void AddLine(db::Connection& db, long stripID, long x, long y, long dx, long dy) {
  db.AddRow("LdrElements", {{"StripID", stripID},
                            {"ElmntType", dy ? 101L : 100L},
                            {"Xs", x},
                            {"Ys", y},
                            {"Dx", dx},
                            {"Dy", dy},
                            {"IsMissing", 0}});
}

void AddContact(db::Connection& db, long stripID, long x, long y, long address) {
  const long elementID = static_cast<long>(
      db.AddRow("LdrElements", {{"StripID", stripID}, {"ElmntType", 200}, {"Xs", x}, {"Ys", y}, {"IsMissing", 0}}));
  db.AddRow("LdrElmsOprs", {{"ElmntID", elementID},
                            {"OprndInIdx", 1},
                            {"OprndOutIdx", 0},
                            {"Elmnt_Oprnd_Type", static_cast<long>(eOT_MB)},
                            {"Elmnt_Oprnd_Adrs", address},
                            {"Elmnt_Oprnd_NetworkID", 0}});
}

// Rows 1, 3 ... 13: contact, two line pieces, contact ... across 40 columns;
// vertical pieces tie each row to the next at every gap.
long FillNet(db::Connection& db) {
  db::Transaction transaction(db);
  const long stripID = db.QueryValue("SELECT StripID FROM LdrStrips WHERE FuncID=2 ORDER BY SeqNum LIMIT 1").AsLong();
  long address = 0;
  for (long y = 13; y >= 1; y -= 2) {
    for (long x = kColumns - kGap; x >= 0; x -= kContactWidth + kGap) {
      AddLine(db, stripID, x + 1, y, 1, 0);
      AddLine(db, stripID, x, y, 1, 0);
      if (y > 1) AddLine(db, stripID, x + 1, y - 2, 0, 2);
      if (x >= kContactWidth) AddContact(db, stripID, x - kContactWidth, y, ++address);
    }
  }
  transaction.Commit();
  return stripID;
}

struct FlowSetup {
  std::string path = BenchFile("ldr-flow-bench.ldrp");
  std::shared_ptr<db::Connection> db;
  HeadlessHost host;
  std::unique_ptr<clsLdrMain> main;
  LdrContext netContext;
  std::shared_ptr<clsLdrNet> net;
  std::shared_ptr<VirtualController> controller = std::make_shared<VirtualController>();
  long elements = 0;

  FlowSetup() {
    RemoveProject(path);
    db = ProjectDatabase::Create(path);
    const long stripID = FillNet(*db);
    host = MakeHeadlessHost(db, std::make_shared<MemoryLog>(), BenchFile("ldr-flow-bench-host.ini"));
    main = std::make_unique<clsLdrMain>(host.Services, MakeStandardParts());
    main->Init(std::make_shared<MemoryMainBoard>(), std::make_shared<MemoryPictureBoard>(kLeftWidth, kHeight),
               std::make_shared<MemoryPictureBoard>(kRightWidth, kHeight));
    main->Resize(kLeftWidth + kRightWidth, kHeight);
    main->LoadFunction(kFunctionID);

    netContext.Connection = db;
    netContext.SetHost(host.Services);
    netContext.State = std::make_unique<clsLdrState>(netContext);
    auto rs = db->Query("SELECT * FROM LdrStrips WHERE StripID=" + std::to_string(stripID));
    net = std::make_shared<clsLdrNet>(netContext);
    net->Load(rs);
    elements = static_cast<long>(net->GetAllElements()->Count());
    for (long address = 1; address <= 100; ++address) controller->SetValue({eOT_MB, address, 0}, 1);
  }
  ~FlowSetup() {
    net.reset();
    main.reset();
    host = HeadlessHost();
    db.reset();
    RemoveProject(path);
    std::filesystem::remove(BenchFile("ldr-flow-bench-host.ini"));
  }
};

FlowSetup& Setup() {
  static FlowSetup setup;
  return setup;
}

void BM_RedrawAll(benchmark::State& state) {
  auto& setup = Setup();
  for (auto _ : state) setup.main->RedrawAll();
}

void BM_PowerFlowOfFullNet(benchmark::State& state) {
  auto& setup = Setup();
  for (auto _ : state) setup.net->AppendTestValue(setup.controller);
  long conducting = 0;
  for (const auto& [key, element] : *setup.net->GetAllElements()) conducting += element->IsConducting() ? 1 : 0;
  state.counters["elements"] = static_cast<double>(setup.elements);
  state.counters["conducting"] = static_cast<double>(conducting);
}

} // namespace

BENCHMARK(BM_RedrawAll)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_PowerFlowOfFullNet)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  ldr::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto redraw = reporter.Times.find("BM_RedrawAll");
  const auto flow = reporter.Times.find("BM_PowerFlowOfFullNet");
  if (redraw != reporter.Times.end() && flow != reporter.Times.end() && redraw->second > 0)
    std::printf("power flow %.1f us against redraw %.1f us: ratio %.3f (target < 0.2)\n", flow->second, redraw->second,
                flow->second / redraw->second);
  benchmark::Shutdown();
  return 0;
}

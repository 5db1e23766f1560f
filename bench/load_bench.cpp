// Opening a subroutine as the host does (LoadFunction: a new function view,
// Init, Load with its layout, the drawer's DrawAll and FlushBackGround) on a
// subroutine of 5,000 nets against one of 50, both full of contacts, coils
// and lines, in one run: only the strips in view become objects, so the long
// one should cost little more. Then one scroll by one strip height, which
// must make one strip object and drop one.

#include "core/ProjectData.h"
#include "core/ProjectDatabase.h"
#include "editing/srvDrawer.h"
#include "editor/clsLdrFunction.h"
#include "editor/clsLdrMain.h"
#include "editor/itfFunction.h"
#include "interfaces/itfStrip.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "platform/boards/MemoryMainBoard.h"
#include "platform/boards/MemoryPictureBoard.h"
#include "platform/database/Transaction.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace ldr;

namespace {

constexpr long kShortNets = 50;
constexpr long kLongNets = 5000;
constexpr long kNetHeight = 14;

// One rung: three contacts, a line to the coil, the coil; a branch line
// down to the next rung.
void AddRung(db::Statement& element, db::Statement& operand, db::Connection& db, long stripID, long row,
             long& address) {
  auto add = [&](long type, long x, long dx, long dy) {
    element.Reset();
    element.Bind(1, stripID).Bind(2, type).Bind(3, x).Bind(4, row).Bind(5, dx).Bind(6, dy);
    element.Execute();
    return static_cast<long>(db.LastInsertRowId());
  };
  auto addOperand = [&](long elementID, bool input) {
    operand.Reset();
    operand.Bind(1, elementID).Bind(2, input ? 1 : 0).Bind(3, input ? 0 : 1).Bind(4, 1).Bind(5, address++);
    operand.Execute();
  };
  addOperand(add(200, 0, 0, 0), true);
  addOperand(add(201, 6, 0, 0), true);
  addOperand(add(202, 12, 0, 0), true);
  add(100, 18, 28, 0);
  add(101, 18, 0, 4);
  addOperand(add(204, 46, 0, 0), false);
}

// A subroutine of `nets` nets of three rungs each, and its return strip.
long AddSubroutine(db::Connection& db, const std::string& name, long nets) {
  db::Transaction transaction(db);
  const long funcID = AddFunctionRow(db, 1, name, eFTD_Regular);
  AddDefaultStrips(db, funcID);
  AppendNets(db, funcID, nets - kNewSubroutineNets);
  RenumberStrips(db, funcID);
  auto element = db.Prepare("INSERT INTO LdrElements (StripID,ElmntType,Xs,Ys,Dx,Dy) VALUES (?,?,?,?,?,?)");
  auto operand = db.Prepare("INSERT INTO LdrElmsOprs (ElmntID,OprndInIdx,OprndOutIdx,Elmnt_Oprnd_Type,"
                            "Elmnt_Oprnd_Adrs) VALUES (?,?,?,?,?)");
  auto strips = db.Query("SELECT StripID FROM LdrStrips WHERE FuncID=" + std::to_string(funcID) +
                         " AND IsReturnStrip=0 ORDER BY SeqNum");
  long address = 0;
  for (strips.MoveFirst(); !strips.IsEOF(); strips.MoveNext())
    for (long row : {3L, 7L, 11L}) AddRung(element, operand, db, strips.Field(0).AsLong(), row, address);
  transaction.Commit();
  return funcID;
}

// A project file with both subroutines and an editor on in-memory boards,
// as `ldr script` sets one up. The view's strip factory counts what it makes.
struct BenchEditor {
  std::string path;
  std::shared_ptr<db::Connection> db;
  std::shared_ptr<MemoryLog> log = std::make_shared<MemoryLog>();
  HeadlessHost host;
  std::unique_ptr<clsLdrMain> main;
  long shortID = 0, longID = 0;
  long made = 0;

  BenchEditor() {
    path = (std::filesystem::temp_directory_path() / "ldr-load-bench.ldrp").string();
    RemoveFiles();
    db = ProjectDatabase::Create(path);
    shortID = AddSubroutine(*db, "Short", kShortNets);
    longID = AddSubroutine(*db, "Long", kLongNets);
    host = MakeHeadlessHost(db, log, (std::filesystem::temp_directory_path() / "ldr-load-bench.ini").string());
    LdrMainParts parts;
    parts.CreateDrawer = [](LdrContext& ctx) -> std::unique_ptr<itfDrawer> { return std::make_unique<srvDrawer>(ctx); };
    parts.CreateView = [this](LdrContext& ctx) -> std::unique_ptr<itfFunction> {
      LdrFunctionParts viewParts = MakeStandardFunctionParts();
      viewParts.CreateStrip = [this, create = viewParts.CreateStrip](LdrContext& c, long type) {
        ++made;
        return create(c, type);
      };
      return std::make_unique<clsLdrFunction>(ctx, viewParts);
    };
    main = std::make_unique<clsLdrMain>(host.Services, parts);
    main->Init(std::make_shared<MemoryMainBoard>(), std::make_shared<MemoryPictureBoard>(28, 700),
               std::make_shared<MemoryPictureBoard>(770, 700));
    main->Resize(770, 700);
  }
  ~BenchEditor() {
    main.reset();
    db.reset();
    RemoveFiles();
  }
  void RemoveFiles() {
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
  }
  clsLdrFunction& View() { return static_cast<clsLdrFunction&>(*main->View()); }
};

BenchEditor& Editor() {
  static BenchEditor editor;
  return editor;
}

void BM_LoadFunction(benchmark::State& state) {
  auto& editor = Editor();
  const long funcID = state.range(0) == kLongNets ? editor.longID : editor.shortID;
  for (auto _ : state) editor.main->LoadFunction(funcID);
  state.counters["strips_made"] = static_cast<double>(editor.View().Strips()->Count());
}
BENCHMARK(BM_LoadFunction)->Arg(kShortNets)->Arg(kLongNets)->Unit(benchmark::kMillisecond);

struct ScrollCount {
  long Made = -1;
  long Dropped = -1;
};
ScrollCount gScroll;

// Scrolling one strip height down through the host's bar.
void BM_ScrollOneStrip(benchmark::State& state) {
  auto& editor = Editor();
  for (auto _ : state) {
    state.PauseTiming();
    editor.main->LoadFunction(editor.longID);
    editor.main->VerticalScrollBarChange(0);
    std::vector<std::weak_ptr<itfStrip>> before;
    for (const auto& [key, strip] : *editor.View().Strips()) before.push_back(strip);
    const long madeBefore = editor.made;
    state.ResumeTiming();
    editor.main->VerticalScrollBarChange(kNetHeight);
    state.PauseTiming();
    gScroll.Made = editor.made - madeBefore;
    gScroll.Dropped = 0;
    for (const auto& strip : before) gScroll.Dropped += strip.expired() ? 1 : 0;
    state.ResumeTiming();
  }
  state.counters["made"] = static_cast<double>(gScroll.Made);
  state.counters["dropped"] = static_cast<double>(gScroll.Dropped);
}
BENCHMARK(BM_ScrollOneStrip)->Unit(benchmark::kMillisecond);

// Prints as usual and keeps each benchmark's real and CPU time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  struct Times {
    double Real = 0;
    double Cpu = 0;
  };
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")
        Times[run.run_name.function_name + "/" + run.run_name.args] = {run.GetAdjustedRealTime(),
                                                                       run.GetAdjustedCPUTime()};
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, Times> Times;
};

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  int status = 0;
  const auto shortTime = reporter.Times.find("BM_LoadFunction/" + std::to_string(kShortNets));
  const auto longTime = reporter.Times.find("BM_LoadFunction/" + std::to_string(kLongNets));
  if (shortTime != reporter.Times.end() && longTime != reporter.Times.end() && shortTime->second.Cpu > 0) {
    // The CPU time is the cost; the wall time also holds whatever else the
    // machine was doing.
    const double ratio = longTime->second.Cpu / shortTime->second.Cpu;
    std::printf("load %ld nets %.2f ms CPU (%.2f ms wall), %ld nets %.2f ms CPU (%.2f ms wall): ratio %.2f CPU, %.2f "
                "wall (target < 1.5)\n",
                kShortNets, shortTime->second.Cpu, shortTime->second.Real, kLongNets, longTime->second.Cpu,
                longTime->second.Real, ratio, longTime->second.Real / shortTime->second.Real);
    if (ratio >= 1.5) status = 1;
  }
  if (gScroll.Made >= 0) {
    std::printf("scroll by one strip: %ld made, %ld dropped (target 1 and 1)\n", gScroll.Made, gScroll.Dropped);
    if (gScroll.Made != 1 || gScroll.Dropped != 1) status = 1;
  }
  benchmark::Shutdown();
  return status;
}

// The cost of one mouse-move event during a drag, set against one full
// redraw of the same view in the same run: dragging a group of ten contacts
// (the element mover), and a new contact following the pointer over a full
// net (the element creator). Each event moves the pointer to the other of
// two grid points, so that every one is processed. The move path must not
// redraw the picture: the ratios printed at the end should stay under 0.1.
#include "core/KeyedCollection.h"
#include "core/ProjectDatabase.h"
#include "core/clsLdrState.h"
#include "editing/clsMouseProcesses.h"
#include "editing/itfProcess.h"
#include "editing/itfProcessControl.h"
#include "editing/srvDrawer.h"
#include "elements/itfLdrElement.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/clsMemoryLog.h"
#include "outside/operands/tyHitRecord.h"
#include "platform/boards/MemoryPictureBoard.h"
#include "platform/database/Transaction.h"
#include "strips/StripFactory.h"
#include "strips/itfLdrNet.h"
#include "strips/itfStrip.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace ldr;

namespace {

constexpr int kRightWidth = 770;
constexpr int kLeftWidth = 28;
constexpr int kHeight = 700;
constexpr long kFunctionID = 2;
constexpr long kContactRows[] = {3, 6, 9, 12};
constexpr long kContactsPerRow = 8;
constexpr long kContactWidth = 6;
// The first net holds only the group: two rows of five contacts.
constexpr long kGroupRows[] = {3, 8};
constexpr long kGroupPerRow = 5;

std::filesystem::path BenchFile(const std::string& name) { return std::filesystem::temp_directory_path() / name; }

void RemoveProject(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
}

void AddContact(db::Connection& db, long stripID, long x, long y, long address) {
  const long elementID = static_cast<long>(
      db.AddRow("LdrElements", {{"StripID", stripID}, {"ElmntType", 200}, {"Xs", x}, {"Ys", y}, {"IsMissing", 0}}));
  db.AddRow("LdrElmsOprs", {{"ElmntID", elementID},
                            {"OprndInIdx", 1},
                            {"OprndOutIdx", 0},
                            {"Elmnt_Oprnd_Type", 1},
                            {"Elmnt_Oprnd_Adrs", address},
                            {"Elmnt_Oprnd_NetworkID", 0}});
  db.AddRow("LdrOperands", {{"OprndType", 1},
                            {"OprndAddress", address},
                            {"NetworkID", 0},
                            {"OprndDescription", "Conveyor " + std::to_string(address) + " running"}});
}

void FillNets(db::Connection& db) {
  db::Transaction transaction(db);
  long address = 0;
  const db::Recordset nets = db.Query("SELECT StripID FROM LdrStrips WHERE FuncID=" + std::to_string(kFunctionID) +
                                      " AND StrpType=1 AND IsReturnStrip=0 ORDER BY SeqNum");
  bool first = true;
  for (const auto& row : nets.Rows()) {
    const long stripID = row[0].AsLong();
    if (first) {
      for (long y : kGroupRows)
        for (long i = 0; i < kGroupPerRow; ++i) AddContact(db, stripID, i * kContactWidth, y, ++address);
      first = false;
      continue;
    }
    for (long y : kContactRows)
      for (long i = 0; i < kContactsPerRow; ++i) AddContact(db, stripID, i * kContactWidth, y, ++address);
  }
  transaction.Commit();
}

// The view's side of a process, as far as a drag needs it.
class QuietControl : public itfProcessControl {
public:
  long HorizontalOffset() override { return 0; }
  void SetDoAgain(bool) override {}
  void SetKillProcess(enMouseProcess) override {}
  void SetNewProcess(enMouseProcess) override {}
  void SetWorkMode(long) override {}
  void Relocate() override {}
  void ReLoad() override {}
};

struct MoveSetup {
  std::string path = BenchFile("ldr-move-bench.ldrp").string();
  std::shared_ptr<db::Connection> db;
  std::shared_ptr<clsMemoryLog> log = std::make_shared<clsMemoryLog>();
  tyHeadlessHost host;
  LdrContext ctx;
  std::shared_ptr<MemoryPictureBoard> left = std::make_shared<MemoryPictureBoard>(kLeftWidth, kHeight);
  std::shared_ptr<MemoryPictureBoard> right = std::make_shared<MemoryPictureBoard>(kRightWidth, kHeight);
  std::shared_ptr<srvDrawer> drawer;
  std::shared_ptr<KeyedCollection<itfStrip>> strips = std::make_shared<KeyedCollection<itfStrip>>();
  QuietControl control;

  MoveSetup() {
    RemoveProject(path);
    db = ProjectDatabase::Create(path);
    FillNets(*db);
    host = MakeHeadlessHost(db, log, BenchFile("ldr-move-bench-host.ini").string());
    ctx.Connection = db;
    ctx.Host = host.Services;
    ctx.State = std::make_shared<clsLdrState>(ctx);
    drawer = std::make_shared<srvDrawer>(ctx);
    ctx.Drawer = drawer;
    drawer->Init(left, right);
    drawer->SetViewWidth(54);
    drawer->SetViewHeight(kHeight / 14);
    LoadVisibleStrips();
    drawer->SetStrips(strips);
    drawer->DrawAll();
  }
  ~MoveSetup() {
    strips->Clear();
    drawer.reset();
    ctx = LdrContext();
    host = tyHeadlessHost();
    db.reset();
    RemoveProject(path);
    std::filesystem::remove(BenchFile("ldr-move-bench-host.ini"));
  }

  void LoadVisibleStrips() {
    db::Recordset rs =
        db->Query("SELECT * FROM LdrStrips WHERE FuncID=" + std::to_string(kFunctionID) + " ORDER BY SeqNum");
    std::int32_t top = 0;
    for (; !rs.IsEOF() && top < drawer->ViewHeight(); rs.MoveNext()) {
      auto strip = CreateStripByType(ctx, rs.Field("StrpType").AsLong());
      if (!strip) continue;
      strip->SetTop(top);
      strip->Load(rs);
      top += strip->Height();
      strips->Add(strip->StripID(), strip);
    }
  }
  std::shared_ptr<itfStrip> Strip(std::size_t index) { return strips->At(index); }

  // The pointer over element point (x, y) of the strip, as the view's hit
  // test leaves it.
  static void PointAt(itfStrip& strip, std::int32_t x, std::int32_t y) {
    tyHitRecord hit = tyHitRecord::FromPixel((strip.EditZoneLeft() + x) * 14.0, (strip.Top() + y) * 14.0);
    strip.HitTestByPoint(hit);
  }
};

MoveSetup& Setup() {
  static MoveSetup setup;
  return setup;
}

void BM_RedrawAll(benchmark::State& state) {
  MoveSetup& setup = Setup();
  for (auto _ : state) {
    setup.drawer->RedrawAll();
    benchmark::DoNotOptimize(setup.right->VisibleImage().Row(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RedrawAll)->Unit(benchmark::kMicrosecond);

void BM_MoveGroupOfTen(benchmark::State& state) {
  MoveSetup& setup = Setup();
  auto strip = setup.Strip(0);
  auto* net = dynamic_cast<itfLdrNet*>(strip.get());
  for (const auto& [key, element] : *net->GetAllElements()) element->SetIsSelected(true);
  clsMouseProcesses processes(setup.ctx, setup.control);
  MoveSetup::PointAt(*strip, 1, 3);
  processes.MouseDown(eMP_ElementMoveProc, strip, false, kFunctionID);
  setup.ctx.State->SetMouseProcess(eMP_ElementMoveProc);
  int step = 0;
  for (auto _ : state) {
    MoveSetup::PointAt(*strip, 2 + (step++ & 1), 3);
    processes.MouseMove(eMP_ElementMoveProc, strip);
    benchmark::DoNotOptimize(setup.right->VisibleImage().Row(0));
    benchmark::ClobberMemory();
  }
  state.counters["group"] = static_cast<double>(net->GetSelectedElements()->Count());
  // Leave the view as it was: the group back where it started.
  MoveSetup::PointAt(*strip, 1, 3);
  processes.MouseMove(eMP_ElementMoveProc, strip);
  setup.drawer->ReleaseResourcesAfterMove();
  setup.ctx.State->SetMouseProcess(eMP_QueryForProcess);
  for (const auto& [key, element] : *net->GetAllElements()) {
    element->UpdateDisplayWithLastLegal();
    element->SetIsSelected(false);
  }
}
BENCHMARK(BM_MoveGroupOfTen)->Unit(benchmark::kMicrosecond);

void BM_CreatorFollowsThePointer(benchmark::State& state) {
  MoveSetup& setup = Setup();
  auto strip = setup.Strip(1); // a full net: 32 contacts to test against
  clsMouseProcesses processes(setup.ctx, setup.control);
  MoveSetup::PointAt(*strip, 50, 1);
  processes.StartElementCreator(200, strip);
  int step = 0;
  for (auto _ : state) {
    MoveSetup::PointAt(*strip, 20 + (step++ & 1), 7);
    processes.MouseMove(eMP_ElmntCreateProc, strip);
    benchmark::DoNotOptimize(setup.right->VisibleImage().Row(0));
    benchmark::ClobberMemory();
  }
  processes.KillAll();
  setup.drawer->FlushBackGround();
}
BENCHMARK(BM_CreatorFollowsThePointer)->Unit(benchmark::kMicrosecond);

// Prints as usual and keeps each benchmark's real time per iteration.
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

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto redraw = reporter.Times.find("BM_RedrawAll");
  if (redraw != reporter.Times.end() && redraw->second > 0) {
    for (const char* name : {"BM_MoveGroupOfTen", "BM_CreatorFollowsThePointer"}) {
      const auto move = reporter.Times.find(name);
      if (move == reporter.Times.end()) continue;
      std::printf("%s %.1f us against redraw %.1f us: ratio %.3f (target < 0.1)\n", name, move->second, redraw->second,
                  move->second / redraw->second);
    }
  }
  benchmark::Shutdown();
  return 0;
}

// The cost of one mouse-move event during a drag, set against one full
// redraw of the same view in the same run: dragging a group of ten contacts
// (the element mover), and a new contact following the pointer over a full
// net (the element creator). The events go through the main object as the
// host sends them; each moves the pointer to the other of two grid points, so
// that every one is processed. The move path must not
// redraw the picture: the ratios printed at the end should stay under 0.1.
#include "bench/RatioReporter.h"
#include "core/ProjectDatabase.h"
#include "core/clsLdrState.h"
#include "editing/MouseProcesses.h"
#include "editor/StandardParts.h"
#include "editor/clsLdrMain.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "outside/operands/HitRecord.h"
#include "platform/boards/MemoryMainBoard.h"
#include "platform/boards/MemoryPictureBoard.h"
#include "platform/database/Transaction.h"
#include "strips/StripFactory.h"

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

// A project with the nets filled and an editor on in-memory boards, as the
// host drives one: every event goes through the main object and the view.
struct MoveSetup {
  std::string path = BenchFile("ldr-move-bench.ldrp").string();
  std::shared_ptr<db::Connection> db;
  std::shared_ptr<MemoryLog> log = std::make_shared<MemoryLog>();
  HeadlessHost host;
  std::unique_ptr<clsLdrMain> main;
  std::shared_ptr<MemoryPictureBoard> right = std::make_shared<MemoryPictureBoard>(kRightWidth, kHeight);

  MoveSetup() {
    RemoveProject(path);
    db = ProjectDatabase::Create(path);
    FillNets(*db);
    host = MakeHeadlessHost(db, log, BenchFile("ldr-move-bench-host.ini").string());
    main = std::make_unique<clsLdrMain>(host.Services, MakeStandardParts());
    main->Init(std::make_shared<MemoryMainBoard>(), std::make_shared<MemoryPictureBoard>(kLeftWidth, kHeight), right);
    main->Resize(kLeftWidth + kRightWidth, kHeight);
    main->LoadFunction(kFunctionID);
  }
  ~MoveSetup() {
    main.reset();
    host = HeadlessHost();
    db.reset();
    RemoveProject(path);
    std::filesystem::remove(BenchFile("ldr-move-bench-host.ini"));
  }

  itfDrawer& Drawer() { return *main->Context().Drawer; }
  // The board pixel of element point (x, y) of net n (1-based): every net
  // is 14 rows high and the view shows the subroutine from its top.
  static int PixelX(int x) { return 14 * (x + 2); }
  static int PixelY(int net, int y) { return 14 * (14 * (net - 1) + y); }
};

MoveSetup& Setup() {
  static MoveSetup setup;
  return setup;
}

void BM_RedrawAll(benchmark::State& state) {
  MoveSetup& setup = Setup();
  for (auto _ : state) {
    setup.Drawer().RedrawAll();
    benchmark::DoNotOptimize(setup.right->VisibleImage().Row(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RedrawAll)->Unit(benchmark::kMicrosecond);

// The group is net 1's ten contacts: a click selects the first, Ctrl-clicks
// add the others, the press on the first starts the move.
void BM_MoveGroupOfTen(benchmark::State& state) {
  MoveSetup& setup = Setup();
  clsLdrMain& main = *setup.main;
  bool first = true;
  for (long y : kGroupRows) {
    for (long i = 0; i < kGroupPerRow; ++i) {
      const int x = MoveSetup::PixelX(static_cast<int>(i * kContactWidth + 1));
      const int py = MoveSetup::PixelY(1, static_cast<int>(y));
      setup.right->MouseDown(1, first ? 0 : 2, x, py);
      setup.right->MouseUp(1, first ? 0 : 2, x, py);
      first = false;
    }
  }
  const int y = MoveSetup::PixelY(1, static_cast<int>(kGroupRows[0]));
  setup.right->MouseDown(1, 0, MoveSetup::PixelX(1), y);
  const long process = main.Context().State->MouseProcess();
  int step = 0;
  for (auto _ : state) {
    setup.right->MouseMove(1, 0, MoveSetup::PixelX(2 + (step++ & 1)), y);
    benchmark::DoNotOptimize(setup.right->VisibleImage().Row(0));
    benchmark::ClobberMemory();
  }
  // Back where it started: the release rewrites nothing.
  setup.right->MouseMove(1, 0, MoveSetup::PixelX(1), y);
  setup.right->MouseUp(1, 0, MoveSetup::PixelX(1), y);
  state.counters["process"] = static_cast<double>(process);
}
BENCHMARK(BM_MoveGroupOfTen)->Unit(benchmark::kMicrosecond);

// A new contact over a full net: 32 elements to test against on every step.
void BM_CreatorFollowsThePointer(benchmark::State& state) {
  MoveSetup& setup = Setup();
  clsLdrMain& main = *setup.main;
  main.ToolRequest("ID_LDirectContact");
  const int y = MoveSetup::PixelY(2, 7);
  setup.right->MouseMove(0, 0, MoveSetup::PixelX(20), y);
  const long process = main.Context().State->MouseProcess();
  int step = 0;
  for (auto _ : state) {
    setup.right->MouseMove(0, 0, MoveSetup::PixelX(20 + (step++ & 1)), y);
    benchmark::DoNotOptimize(setup.right->VisibleImage().Row(0));
    benchmark::ClobberMemory();
  }
  main.CancelProcess();
  state.counters["process"] = static_cast<double>(process);
}
BENCHMARK(BM_CreatorFollowsThePointer)->Unit(benchmark::kMicrosecond);

// The processes' own share of the drag: the same group and event with a
// drawer that draws nothing (positions, legality, collision).
class NullDrawer : public itfDrawer {
public:
  void SetToolTipText(const std::string&) override {}
  long ViewWidth() override { return 54; }
  void SetViewWidth(long) override {}
  long ViewHeight() override { return kHeight / 14; }
  void SetViewHeight(long) override {}
  void SetStrips(KeyedCollection<itfStrip>*) override {}
  void Init(std::shared_ptr<PictureBoard>, std::shared_ptr<PictureBoard>) override {}
  void Release() override {}
  void DrawAll() override {}
  void RedrawAll() override {}
  void DrawNoneSelectedAll() override {}
  void FlushBackGround() override {}
  void DraftSelected(itfStrip&, const std::vector<std::shared_ptr<itfLdrElement>>&) override {}
  void DrawSelected(itfStrip&) override {}
  void DraftElement(itfStrip&, itfLdrElement&) override {}
  void DrawElement(itfStrip&, itfLdrElement&) override {}
  void DraftService(itfProcess&, itfStrip&) override {}
  void SetHorizontalOffset(long) override {}
  long HorizontalOffset() const override { return 0; }
  void PrepareForMove() override {}
  void ReleaseResourcesAfterMove() override {}
};

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

void BM_MoveGroupOfTenWithoutDrawing(benchmark::State& state) {
  MoveSetup& setup = Setup();
  NullDrawer drawer;
  LdrContext ctx;
  ctx.Connection = setup.db;
  ctx.SetHost(setup.host.Services);
  ctx.State = std::make_unique<clsLdrState>(ctx);
  ctx.Drawer = &drawer;
  db::Recordset rs = setup.db->Query("SELECT * FROM LdrStrips WHERE FuncID=" + std::to_string(kFunctionID) +
                                     " ORDER BY SeqNum LIMIT 1");
  auto strip = CreateStripByType(ctx, rs.Field("StrpType").AsLong());
  strip->SetTop(0);
  strip->Load(rs);
  const auto elements = dynamic_cast<itfLdrNet&>(*strip).GetAllElements();
  for (const auto& [key, element] : *elements) element->SetIsSelected(true);
  QuietControl control;
  MouseProcesses processes(ctx, control);
  auto pointAt = [&](int x, int y) {
    HitRecord hit = HitRecord::FromPixel(MoveSetup::PixelX(x), MoveSetup::PixelY(1, y));
    strip->HitTestByPoint(hit);
  };
  pointAt(1, static_cast<int>(kGroupRows[0]));
  processes.MouseDown(eMP_ElementMoveProc, strip, false, kFunctionID);
  int step = 0;
  for (auto _ : state) {
    pointAt(2 + (step++ & 1), static_cast<int>(kGroupRows[0]));
    processes.MouseMove(eMP_ElementMoveProc, strip);
  }
  processes.KillAll();
}
BENCHMARK(BM_MoveGroupOfTenWithoutDrawing)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ldr::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto redraw = reporter.Times.find("BM_RedrawAll");
  if (redraw != reporter.Times.end() && redraw->second > 0) {
    for (const char* name : {"BM_MoveGroupOfTen", "BM_CreatorFollowsThePointer", "BM_MoveGroupOfTenWithoutDrawing"}) {
      const auto move = reporter.Times.find(name);
      if (move == reporter.Times.end()) continue;
      std::printf("%s %.1f us against redraw %.1f us: ratio %.3f (target < 0.1)\n", name, move->second, redraw->second,
                  move->second / redraw->second);
    }
  }
  benchmark::Shutdown();
  return 0;
}

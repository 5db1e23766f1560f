// What recording undo steps costs: the same gesture (a contact dragged six
// columns and back, through the main object) with recording on and off, and
// a large edit (1,000 nets of ten contacts, as a paste writes them) set
// against undoing it. Printed at the end: recorded / unrecorded gesture
// (target < 1.3) and undo / large edit (target < 1).
#include "bench/RatioReporter.h"
#include "core/EditCommit.h"
#include "core/ProjectDatabase.h"
#include "core/UndoHistory.h"
#include "editor/StandardParts.h"
#include "editor/clsLdrMain.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "platform/boards/MemoryMainBoard.h"
#include "platform/boards/MemoryPictureBoard.h"
#include "platform/database/Transaction.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

using namespace ldr;

namespace {

constexpr int kRightWidth = 770, kLeftWidth = 28, kHeight = 700;
constexpr long kLargeNets = 1000, kContactsPerNet = 10;

std::string BenchFile(const std::string& name) { return (std::filesystem::temp_directory_path() / name).string(); }

void RemoveProject(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
}

void AddContact(db::Connection& db, long stripID, long x, long y, long address) {
  const auto elementID =
      db.AddRow("LdrElements", {{"StripID", stripID}, {"ElmntType", 200}, {"Xs", x}, {"Ys", y}, {"IsMissing", 0}});
  db.AddRow("LdrElmsOprs", {{"ElmntID", static_cast<long long>(elementID)},
                            {"OprndInIdx", 1},
                            {"OprndOutIdx", 0},
                            {"Elmnt_Oprnd_Type", 1},
                            {"Elmnt_Oprnd_Adrs", address},
                            {"Elmnt_Oprnd_NetworkID", 0}});
}

struct UndoSetup {
  std::string path = BenchFile("ldr-undo-bench.ldrp");
  std::shared_ptr<db::Connection> db;
  HeadlessHost host;
  std::unique_ptr<clsLdrMain> main;
  std::shared_ptr<MemoryPictureBoard> right = std::make_shared<MemoryPictureBoard>(kRightWidth, kHeight);

  UndoSetup() {
    RemoveProject(path);
    db = ProjectDatabase::Create(path);
    {
      db::Transaction transaction(*db);
      const long net =
          db->QueryValue("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND StrpType=1 ORDER BY SeqNum").AsLong();
      for (long i = 0; i < 4; ++i) AddContact(*db, net, i * 6, 3, i + 1);
      transaction.Commit();
    }
    host = MakeHeadlessHost(db, std::make_shared<MemoryLog>(), BenchFile("ldr-undo-bench-host.ini"));
    main = std::make_unique<clsLdrMain>(host.Services, MakeStandardParts());
    main->Init(std::make_shared<MemoryMainBoard>(), std::make_shared<MemoryPictureBoard>(kLeftWidth, kHeight), right);
    main->Resize(kLeftWidth + kRightWidth, kHeight);
    main->LoadFunction(2);
  }
  ~UndoSetup() {
    main.reset();
    host = HeadlessHost();
    db.reset();
    RemoveProject(path);
    std::filesystem::remove(BenchFile("ldr-undo-bench-host.ini"));
  }

  static int PixelX(int x) { return 14 * (x + 2); }
  static int PixelY(int y) { return 14 * y; }
  // Select the contact at column `from`, drag it to `to`.
  void Drag(int from, int to) {
    const int y = PixelY(3);
    right->MouseDown(1, 0, PixelX(from + 1), y);
    right->MouseUp(1, 0, PixelX(from + 1), y);
    right->MouseDown(1, 0, PixelX(from + 1), y);
    right->MouseMove(1, 0, PixelX(to + 1), y);
    right->MouseUp(1, 0, PixelX(to + 1), y);
  }
  long LastColumn() { return db->QueryValue("SELECT MAX(Xs) FROM LdrElements").AsLong(); }

  // 1,000 nets of the start subroutine with ten contacts each, in one edit.
  void LargeEdit() {
    EditsOf(main->Context()).Run([&] {
      long address = 1000;
      for (long n = 0; n < kLargeNets; ++n) {
        const long strip = static_cast<long>(
            db->AddRow("LdrStrips", {{"FuncID", 1}, {"SeqNum", 1000 + n}, {"StrpType", 1}, {"Height", 14}}));
        for (long i = 0; i < kContactsPerNet; ++i) AddContact(*db, strip, (i % 8) * 6, 1 + 3 * (i / 8), ++address);
      }
      main->Context().Host->Actions->ReportAction("Paste Strips");
    });
  }
};

UndoSetup& Setup() {
  static UndoSetup setup;
  return setup;
}

void DragBackAndForth(benchmark::State& state, bool record) {
  UndoSetup& setup = Setup();
  EditsOf(setup.main->Context()).RecordUndo(record);
  const int last = static_cast<int>(setup.LastColumn());
  bool out = true;
  for (auto _ : state) {
    setup.Drag(out ? last : last + 6, out ? last + 6 : last);
    out = !out;
  }
  if (!out) setup.Drag(last + 6, last);
  EditsOf(setup.main->Context()).RecordUndo(true);
  if (setup.LastColumn() != last) state.SkipWithError("the drag did not move the contact back");
}

void BM_GestureRecorded(benchmark::State& state) { DragBackAndForth(state, true); }
void BM_GestureUnrecorded(benchmark::State& state) { DragBackAndForth(state, false); }
BENCHMARK(BM_GestureUnrecorded)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GestureRecorded)->Unit(benchmark::kMicrosecond);

void LargeEditThenUndo(benchmark::State& state, bool timeUndo) {
  UndoSetup& setup = Setup();
  for (auto _ : state) {
    if (timeUndo) state.PauseTiming();
    setup.LargeEdit();
    if (timeUndo) state.ResumeTiming();
    if (!timeUndo) state.PauseTiming();
    const auto outcome = UndoHistory(*setup.db).Undo();
    if (!timeUndo) state.ResumeTiming();
    if (outcome.Result != UndoOutcome::Done) state.SkipWithError(outcome.Message.c_str());
  }
}

void BM_LargeEdit(benchmark::State& state) { LargeEditThenUndo(state, false); }
void BM_UndoLargeEdit(benchmark::State& state) { LargeEditThenUndo(state, true); }
BENCHMARK(BM_LargeEdit)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_UndoLargeEdit)->Unit(benchmark::kMillisecond)->Iterations(3);

void PrintRatio(const bench::RatioReporter& reporter, const char* what, const char* base, double target) {
  const auto a = reporter.Times.find(what), b = reporter.Times.find(base);
  if (a == reporter.Times.end() || b == reporter.Times.end() || b->second <= 0) return;
  std::printf("%s against %s: ratio %.3f (target < %.1f)\n", what, base, a->second / b->second, target);
}

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintRatio(reporter, "BM_GestureRecorded", "BM_GestureUnrecorded", 1.3);
  PrintRatio(reporter, "BM_UndoLargeEdit", "BM_LargeEdit", 1.0);
  benchmark::Shutdown();
  return 0;
}

#pragma once
// A 770 x 700 view of one subroutine whose nets a bench program fills, its
// drawer and boards, and the two measurements every redraw bench makes: one
// full redraw and presenting the finished frame alone (the right board's
// Refresh). RunRatioBenchmarks prints the ratio of the two at the end.
#include "bench/RatioReporter.h"
#include "core/KeyedCollection.h"
#include "core/ProjectDatabase.h"
#include "core/clsLdrState.h"
#include "editing/srvDrawer.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfStrip.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
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

namespace ldr::bench {

constexpr int kRightWidth = 770;
constexpr int kLeftWidth = 28;
constexpr int kHeight = 700;
constexpr long kFunctionID = 2;

using NetFiller = void (*)(db::Connection&, long stripID, long& address);

inline std::filesystem::path BenchFile(const std::string& name) {
  return std::filesystem::temp_directory_path() / name;
}

inline void RemoveProject(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
}

// Every net of the subroutine but the return net, filled by `fill`.
inline void FillNets(db::Connection& db, NetFiller fill) {
  db::Transaction transaction(db);
  long address = 0;
  const db::Recordset nets = db.Query("SELECT StripID FROM LdrStrips WHERE FuncID=" + std::to_string(kFunctionID) +
                                      " AND StrpType=1 AND IsReturnStrip=0 ORDER BY SeqNum");
  for (const auto& row : nets.Rows()) fill(db, row[0].AsLong(), address);
  transaction.Commit();
}

// An element row with its operand rows (inputs, then outputs) and a named
// operand for each.
inline void AddElement(db::Connection& db, long stripID, long type, long x, long y, int inputs, int outputs,
                       long& address) {
  const long elementID = static_cast<long>(
      db.AddRow("LdrElements", {{"StripID", stripID}, {"ElmntType", type}, {"Xs", x}, {"Ys", y}, {"IsMissing", 0}}));
  for (int slot = 1; slot <= inputs + outputs; ++slot) {
    ++address;
    const bool input = slot <= inputs;
    const long operandType = type == 200 ? 1 : 3;
    db.AddRow("LdrElmsOprs", {{"ElmntID", elementID},
                              {"OprndInIdx", input ? slot : 0},
                              {"OprndOutIdx", input ? 0 : slot - inputs},
                              {"Elmnt_Oprnd_Type", operandType},
                              {"Elmnt_Oprnd_Adrs", address},
                              {"Elmnt_Oprnd_NetworkID", 0}});
    db.AddRow("LdrOperands", {{"OprndType", operandType},
                              {"OprndAddress", address},
                              {"NetworkID", 0},
                              {"OprndDescription", "Conveyor " + std::to_string(address) + " running"}});
  }
}

struct RedrawSetup {
  std::string name;
  std::string path;
  std::shared_ptr<db::Connection> db;
  std::shared_ptr<MemoryLog> log = std::make_shared<MemoryLog>();
  HeadlessHost host;
  LdrContext ctx;
  std::shared_ptr<MemoryPictureBoard> left = std::make_shared<MemoryPictureBoard>(kLeftWidth, kHeight);
  std::shared_ptr<MemoryPictureBoard> right = std::make_shared<MemoryPictureBoard>(kRightWidth, kHeight);
  std::shared_ptr<srvDrawer> drawer;
  std::shared_ptr<KeyedCollection<itfStrip>> strips = std::make_shared<KeyedCollection<itfStrip>>();
  long elements = 0;

  // `benchName` names the bench's files in the temporary folder.
  RedrawSetup(const std::string& benchName, NetFiller fill)
      : name(benchName), path(BenchFile(benchName + ".ldrp").string()) {
    RemoveProject(path);
    db = ProjectDatabase::Create(path);
    FillNets(*db, fill);
    host = MakeHeadlessHost(db, log, BenchFile(name + "-host.ini").string());
    ctx.Connection = db;
    ctx.SetHost(host.Services);
    ctx.State = std::make_unique<clsLdrState>(ctx);
    drawer = std::make_shared<srvDrawer>(ctx);
    ctx.Drawer = drawer.get();
    drawer->Init(left, right);
    drawer->SetViewWidth(54);
    drawer->SetViewHeight(kHeight / 14);
    LoadVisibleStrips();
    drawer->SetStrips(strips.get());
  }
  ~RedrawSetup() {
    strips->Clear();
    drawer.reset();
    ctx.Drawer = nullptr;
    ctx.State.reset();
    ctx.SetHost(nullptr);
    ctx.Connection.reset();
    host = HeadlessHost();
    db.reset();
    RemoveProject(path);
    std::filesystem::remove(BenchFile(name + "-host.ini"));
  }

  // The strips that meet the view, stacked from the top as the view lays them.
  void LoadVisibleStrips() {
    db::Recordset rs =
        db->Query("SELECT * FROM LdrStrips WHERE FuncID=" + std::to_string(kFunctionID) + " ORDER BY SeqNum");
    std::int32_t top = 0;
    for (; !rs.IsEOF() && top < drawer->ViewHeight(); rs.MoveNext()) {
      auto strip = CreateStripByType(ctx, rs.Field("StrpType").AsLong());
      if (!strip) continue;
      strip->SetTop(top);
      strip->Load(rs);
      if (auto net = std::dynamic_pointer_cast<itfLdrNet>(strip)) elements += net->GetAllElements()->Count();
      top += strip->Height();
      strips->Add(strip->StripID(), strip);
    }
  }
};

// The one setup of the run, filled by the program's own filler.
RedrawSetup& Setup();

inline void BM_RedrawAll(benchmark::State& state) {
  RedrawSetup& setup = Setup();
  for (auto _ : state) {
    setup.drawer->RedrawAll();
    benchmark::DoNotOptimize(setup.right->VisibleImage().Row(0));
    benchmark::ClobberMemory();
  }
  state.counters["strips"] = static_cast<double>(setup.strips->Count());
  state.counters["elements"] = static_cast<double>(setup.elements);
}

inline void BM_PresentFrame(benchmark::State& state) {
  RedrawSetup& setup = Setup();
  setup.drawer->DrawAll();
  for (auto _ : state) {
    setup.right->Refresh();
    benchmark::DoNotOptimize(setup.right->VisibleImage().Row(0));
    benchmark::ClobberMemory();
  }
}

inline int RunRatioBenchmarks(int argc, char** argv) {
  benchmark::RegisterBenchmark("BM_RedrawAll", BM_RedrawAll)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_PresentFrame", BM_PresentFrame)->Unit(benchmark::kMicrosecond);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto redraw = reporter.Times.find("BM_RedrawAll");
  auto present = reporter.Times.find("BM_PresentFrame");
  if (redraw != reporter.Times.end() && present != reporter.Times.end() && present->second > 0)
    std::printf("redraw %.1f us, present %.1f us, ratio %.2f (target < 10)\n", redraw->second, present->second,
                redraw->second / present->second);
  benchmark::Shutdown();
  return 0;
}

} // namespace ldr::bench

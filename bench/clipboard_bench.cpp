// Copy and paste of 1,000 nets full of elements into a subroutine of 5,000
// strips, against bare INSERT ... SELECT statements copying the same rows
// (strips, elements, operand slots) in the same run. Each measured call runs
// in one transaction that is rolled back outside the timing. Prints the
// ratio clipboard / bare (aim: under 3).
#include "RatioReporter.h"
#include "core/LdrContext.h"
#include "core/ProjectData.h"
#include "core/ProjectDatabase.h"
#include "exchange/clsClipboard.h"
#include "interfaces/itfStrip.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "platform/database/Transaction.h"
#include "strips/StripFactory.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

using namespace ldr;

namespace {

constexpr long kStrips = 5000;
constexpr long kCopied = 1000;
constexpr long kElementsPerNet = 12;

struct BenchProject {
  std::string folder;
  std::shared_ptr<db::Connection> db;
  std::unique_ptr<LdrContext> ctx;
  std::unique_ptr<clsClipboard> clipboard;
  long funcID = 0;
  std::shared_ptr<itfStrip> target;

  BenchProject() {
    folder = (std::filesystem::temp_directory_path() / "ldr-clipboard-bench").string();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    db = ProjectDatabase::Create(folder + "/project.ldrp");
    funcID = AddFunctionRow(*db, 1, "Bench", eFTD_Regular);
    db::Transaction transaction(*db);
    InsertNets(*db, funcID, 1, kStrips);
    RenumberStrips(*db, funcID);
    // The first nets full of contacts, each with its operand.
    db->Execute("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i<" +
                std::to_string(kElementsPerNet - 1) +
                ") INSERT INTO LdrElements (StripID, ElmntType, Xs, Ys) SELECT s.StripID, 200, 4*n.i, 5 FROM "
                "LdrStrips s, n WHERE s.FuncID=" +
                std::to_string(funcID) + " AND s.SeqNum<=" + std::to_string(kCopied));
    db->Execute(
        "INSERT INTO LdrElmsOprs SELECT ElmntID, 1, 0, 1, ElmntID % 4000, 0 FROM LdrElements WHERE ElmntType=200");
    db->Execute("INSERT OR IGNORE INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndDescription) SELECT "
                "DISTINCT 1, Elmnt_Oprnd_Adrs, 0, 'bit' FROM LdrElmsOprs");
    transaction.Commit();
    ctx = std::make_unique<LdrContext>();
    ctx->SetHost(MakeHeadlessHost(db, std::make_shared<MemoryLog>(), folder + "/settings.ini").Services);
    ctx->Connection = db;
    clipboard = std::make_unique<clsClipboard>(*ctx, folder + "/LdrBuffer.qdb");
    // The paste goes after the middle net.
    target = CreateStripByType(*ctx, 1);
    auto row = db->Query("SELECT * FROM LdrStrips WHERE FuncID=? AND SeqNum=?", {funcID, kStrips / 2});
    target->Load(row);
  }
  ~BenchProject() {
    clipboard.reset();
    target.reset();
    ctx.reset();
    db.reset();
    std::filesystem::remove_all(folder);
  }
  void SelectCopied() {
    db->Execute("UPDATE LdrStrips SET IsSelected=-1 WHERE FuncID=? AND SeqNum<=?", {funcID, kCopied});
  }
};

BenchProject& Project() {
  static BenchProject project;
  return project;
}

template <typename Body> void RolledBack(benchmark::State& state, Body body) {
  auto& project = Project();
  for (auto _ : state) {
    state.PauseTiming();
    {
      db::Transaction outer(*project.db);
      project.SelectCopied();
      state.ResumeTiming();
      body(project);
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
}

void BM_ClipboardCopyPaste(benchmark::State& state) {
  RolledBack(state, [](BenchProject& p) {
    if (!p.clipboard->Copy(p.funcID) || !p.clipboard->Paste(p.funcID, p.target))
      throw std::runtime_error("the clipboard refused the bench's nets");
  });
}

void BM_BareInsertSelect(benchmark::State& state) {
  RolledBack(state, [](BenchProject& p) {
    const std::string selected = "SELECT StripID FROM LdrStrips WHERE IsSelected=-1";
    p.db->Execute("INSERT INTO LdrStrips (FuncID, SeqNum, StrpType, ShowNum, Height, OrgHeight, IsCollapsed, "
                  "IsLoaded, IsSelected, IsReturnStrip, IsCompilable, CompileDirtyBit) SELECT FuncID, SeqNum+100000, "
                  "StrpType, ShowNum, Height, OrgHeight, IsCollapsed, IsLoaded, 0, IsReturnStrip, IsCompilable, "
                  "CompileDirtyBit FROM LdrStrips WHERE IsSelected=-1");
    p.db->Execute("INSERT INTO LdrElements (StripID, ElmntType, Xs, Ys, Dx, Dy, MoreParamsLng) SELECT StripID, "
                  "ElmntType, Xs, Ys, Dx, Dy, MoreParamsLng FROM LdrElements WHERE StripID IN (" +
                  selected + ")");
    p.db->Execute("INSERT INTO LdrElmsOprs SELECT o.* FROM LdrElmsOprs o JOIN LdrElements e ON e.ElmntID=o.ElmntID "
                  "WHERE e.StripID IN (" +
                  selected + ")");
  });
}

} // namespace

BENCHMARK(BM_ClipboardCopyPaste)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BareInsertSelect)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
  return ldr::bench::RunAndPrintRatio(argc, argv, "BM_ClipboardCopyPaste", "BM_BareInsertSelect", "clipboard / bare");
}

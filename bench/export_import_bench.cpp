// Export then import of 100 subroutines of 200 nets each (three elements
// with an operand per net, a call of the next subroutine in each), against
// bare INSERT ... SELECT statements moving the same rows from the project
// into a file and from the file into the receiving project, between attached
// files, in the same run. The receiving project's writes are rolled back
// outside the timing. Prints the ratio export+import / bare (aim: under 3).
#include "RatioReporter.h"
#include "core/LdrContext.h"
#include "core/ProjectData.h"
#include "core/ProjectDatabase.h"
#include "exchange/clsExportImport.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "platform/database/Transaction.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

using namespace ldr;

namespace {

constexpr long kSubroutines = 100;
constexpr long kNets = 200;

std::string Num(long value) { return std::to_string(value); }

struct BenchWorld {
  std::string folder;
  std::shared_ptr<db::Connection> source, target;
  std::unique_ptr<LdrContext> sourceCtx, targetCtx;
  std::vector<long> functionIDs;

  BenchWorld() {
    folder = (std::filesystem::temp_directory_path() / "ldr-export-import-bench").string();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    source = ProjectDatabase::Create(folder + "/source.ldrp");
    target = ProjectDatabase::Create(folder + "/target.ldrp");
    FillSource();
    sourceCtx = MakeContext(source, "source");
    targetCtx = MakeContext(target, "target");
  }
  ~BenchWorld() {
    sourceCtx.reset();
    targetCtx.reset();
    source.reset();
    target.reset();
    std::filesystem::remove_all(folder);
  }

  std::unique_ptr<LdrContext> MakeContext(const std::shared_ptr<db::Connection>& db, const std::string& name) {
    auto ctx = std::make_unique<LdrContext>();
    ctx->SetHost(MakeHeadlessHost(db, std::make_shared<MemoryLog>(), folder + "/" + name + ".ini").Services);
    ctx->Connection = db;
    return ctx;
  }

  void FillSource() {
    db::Transaction transaction(*source);
    for (long i = 0; i < kSubroutines; ++i) {
      const long funcID = AddFunctionRow(*source, 1, "Bench " + Num(i), eFTD_Regular);
      InsertNets(*source, funcID, 1, kNets);
      RenumberStrips(*source, funcID);
      functionIDs.push_back(funcID);
    }
    const std::string list = "(SELECT StripID FROM LdrStrips WHERE FuncID>=" + Num(functionIDs.front()) + ")";
    source->Execute("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i<2) INSERT INTO LdrElements "
                    "(StripID, ElmntType, Xs, Ys) SELECT s.StripID, CASE n.i WHEN 2 THEN 300 ELSE 200 END, 4*n.i, 0 "
                    "FROM LdrStrips s, n WHERE s.StripID IN " +
                    list);
    source->Execute("INSERT INTO LdrElmsOprs SELECT ElmntID, 1, 0, CASE ElmntType WHEN 300 THEN 2 ELSE 1 END, "
                    "ElmntID % 200, 0 FROM LdrElements WHERE ElmntType IN (200, 300)");
    for (size_t i = 0; i < functionIDs.size(); ++i) {
      const long strip =
          source->QueryValue("SELECT MIN(StripID) FROM LdrStrips WHERE FuncID=?", {functionIDs[i]}).AsLong();
      const long call =
          static_cast<long>(source->AddRow("LdrElements", {{"StripID", strip}, {"ElmntType", 601}, {"Xs", 12}}));
      source->Execute("INSERT INTO LdrElmsOprs VALUES (?, 0, 1, 31, ?, 0)",
                      {call, functionIDs[(i + 1) % functionIDs.size()]});
    }
    source->Execute("INSERT OR IGNORE INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndDescription) SELECT "
                    "DISTINCT Elmnt_Oprnd_Type, Elmnt_Oprnd_Adrs, 0, 'bit' FROM LdrElmsOprs WHERE Elmnt_Oprnd_Type "
                    "IN (1,2)");
    transaction.Commit();
  }
};

BenchWorld& World() {
  static BenchWorld world;
  return world;
}

void BM_ExportImport(benchmark::State& state) {
  auto& world = World();
  const std::string file = world.folder + "/bench.dnq";
  for (auto _ : state) {
    clsExportImport exporter(*world.sourceCtx);
    if (exporter.ExportToFile(world.functionIDs, file) != clsExportImport::Outcome::Done)
      throw std::runtime_error("the export refused the bench's subroutines");
    {
      db::Transaction receiving(*world.target);
      clsExportImport importer(*world.targetCtx);
      if (importer.ImportFromFile(1, file) != clsExportImport::Outcome::Done)
        throw std::runtime_error("the import refused the bench's file");
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
}

// The same rows: project -> file -> receiving project, keys shifted past the
// receiving project's so that every foreign key follows.
void BM_BareInsertSelect(benchmark::State& state) {
  auto& world = World();
  const std::string file = world.folder + "/bare.dnq";
  const std::string funcs =
      "(SELECT FuncID FROM src.LdrFunctions WHERE FuncID>=" + Num(world.functionIDs.front()) + ")";
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(file);
    auto bare = db::Connection::Open(file, db::OpenMode::CreateNew);
    bare->Execute("ATTACH DATABASE ? AS src", {world.source->Path()});
    bare->Execute("ATTACH DATABASE ? AS dst", {world.target->Path()});
    state.ResumeTiming();
    bare->ExecuteScript(
        "BEGIN; CREATE TABLE f AS SELECT * FROM src.LdrFunctions WHERE FuncID IN " + funcs +
        "; CREATE TABLE s AS SELECT * FROM src.LdrStrips WHERE FuncID IN (SELECT FuncID FROM f); CREATE TABLE e AS "
        "SELECT * FROM src.LdrElements WHERE StripID IN (SELECT StripID FROM s); CREATE TABLE o AS SELECT * FROM "
        "src.LdrElmsOprs WHERE ElmntID IN (SELECT ElmntID FROM e); CREATE TABLE r AS SELECT DISTINCT l.* FROM "
        "src.LdrOperands l JOIN o ON l.OprndType=o.Elmnt_Oprnd_Type AND l.OprndAddress=o.Elmnt_Oprnd_Adrs AND "
        "l.NetworkID=o.Elmnt_Oprnd_NetworkID; COMMIT;");
    bare->ExecuteScript(
        "BEGIN; INSERT INTO dst.LdrFunctions (FuncID, MdlID, FuncName, FunctionType) SELECT FuncID+100000, 1, "
        "FuncName || '*', FunctionType FROM f; INSERT INTO dst.LdrStrips (StripID, FuncID, SeqNum, StrpType, ShowNum, "
        "Height, IsReturnStrip, IsCompilable, CompileDirtyBit) SELECT StripID+10000000, FuncID+100000, SeqNum, "
        "StrpType, ShowNum, Height, IsReturnStrip, IsCompilable, -1 FROM s; INSERT INTO dst.LdrElements (ElmntID, "
        "StripID, ElmntType, Xs, Ys, Dx, Dy, MoreParamsLng) SELECT ElmntID+10000000, StripID+10000000, ElmntType, Xs, "
        "Ys, Dx, Dy, MoreParamsLng FROM e; INSERT INTO dst.LdrElmsOprs SELECT ElmntID+10000000, OprndInIdx, "
        "OprndOutIdx, Elmnt_Oprnd_Type, CASE Elmnt_Oprnd_Type WHEN 31 THEN Elmnt_Oprnd_Adrs+100000 ELSE "
        "Elmnt_Oprnd_Adrs END, Elmnt_Oprnd_NetworkID FROM o; INSERT OR IGNORE INTO dst.LdrOperands SELECT * FROM r;");
    state.PauseTiming();
    bare->ExecuteScript("ROLLBACK;");
    bare.reset();
    state.ResumeTiming();
  }
}

} // namespace

BENCHMARK(BM_ExportImport)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_BareInsertSelect)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
  return ldr::bench::RunAndPrintRatio(argc, argv, "BM_ExportImport", "BM_BareInsertSelect", "export+import / bare");
}

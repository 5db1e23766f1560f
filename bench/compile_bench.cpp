// The compiler's recordsets R1-R11 through the compile object, every field
// of every row read, against the same SELECTs stepped bare on SQLite in the
// same run, on a project of 50 subroutines of 2,000 nets each.
#include "RatioReporter.h"
#include "compiler/CompileQueries.h"
#include "compiler/clsLdrCompile.h"
#include "core/ProjectDatabase.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "platform/database/Transaction.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace ldr;

namespace {

constexpr long kSubroutines = 50;
constexpr long kNetsPerSubroutine = 2000;

std::string BenchFile(const std::string& name) { return (std::filesystem::temp_directory_path() / name).string(); }

void RemoveProject(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
}

// Every subroutine: 2,000 nets, a label every 100 nets, every other net
// dirty, one net in fifty with a problem; a few nets with a jump, a call, a
// rise contact and a block configuration; the start subroutine's first strip
// is a statement list.
void FillProject(db::Connection& db) {
  db::Transaction transaction(db);
  db.Execute("DELETE FROM LdrStrips");
  db.Execute("WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i + 1 FROM n WHERE i < " +
             std::to_string(kSubroutines) + ") INSERT INTO LdrFunctions (FuncID, MdlID, FuncName, FunctionType) " +
             "SELECT i, 1, 'Sub' || i, 3 FROM n");
  db.Execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
             std::to_string(kNetsPerSubroutine) +
             ") INSERT INTO LdrStrips (FuncID, SeqNum, ShowNum, StrpType, IsCompilable, CompileDirtyBit, "
             "ProblemsType, TokensAmount, LblName, JunctionsInfo, TokensInfo) "
             "SELECT f.FuncID, n.i, n.i, CASE WHEN n.i % 100 = 0 THEN 3 ELSE 1 END, "
             "CASE WHEN n.i % 100 = 0 THEN 0 ELSE -1 END, CASE WHEN n.i % 2 = 0 THEN -1 ELSE 0 END, "
             "CASE WHEN n.i % 50 = 7 THEN 2 ELSE 0 END, 12, CASE WHEN n.i % 100 = 0 THEN 'L' || n.i END, "
             "x'0000010203040506', x'0102030405060708090A0B0C0D0E0F10' FROM LdrFunctions f, n");
  db.Execute("UPDATE LdrStrips SET StrpType=4 WHERE FuncID=1 AND SeqNum=1");
  db.Execute("UPDATE LdrStrips SET IsSelected=-1 WHERE SeqNum % 400 = 3");
  for (long type : {600L, 601L, 202L, 160101L})
    db.Execute("INSERT INTO LdrElements (StripID, ElmntType, Xs, Ys) SELECT StripID, " + std::to_string(type) +
               ", 0, 2 FROM LdrStrips WHERE SeqNum % 250 = " + std::to_string(type % 7 + 1));
  db.Execute("INSERT INTO Pages (Id) VALUES (1), (2), (3)");
  db.Execute("INSERT INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndPowerUp, OprndEnablePowerUp) "
             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 500) "
             "SELECT 1, i, 0, i, CASE WHEN i % 3 = 0 THEN -1 ELSE 0 END FROM n");
  db.Execute("UPDATE LdrFunctions SET Guid=FuncID");
  db.Execute("INSERT INTO DownloadDLUs (Guid, IsCompiled) SELECT FuncID, -(FuncID % 2) FROM LdrFunctions");
  transaction.Commit();
}

struct CompileSetup {
  std::string path = BenchFile("ldr-compile-bench.ldrp");
  std::shared_ptr<db::Connection> db;
  HeadlessHost host;
  std::unique_ptr<clsLdrCompile> compile;

  CompileSetup() {
    RemoveProject(path);
    db = ProjectDatabase::Create(path);
    FillProject(*db);
    host = MakeHeadlessHost(db, std::make_shared<MemoryLog>(), BenchFile("ldr-compile-bench-host.ini"));
    compile = std::make_unique<clsLdrCompile>(host.Services);
  }
  ~CompileSetup() {
    compile.reset();
    host = HeadlessHost();
    db.reset();
    RemoveProject(path);
    std::filesystem::remove(BenchFile("ldr-compile-bench-host.ini"));
  }
};

CompileSetup& Setup() {
  static CompileSetup setup;
  return setup;
}

// Reads every field of every row, as a compiler walking the recordset does.
std::size_t Drain(CompileRecordset& rs) {
  std::size_t seen = 0;
  const int columns = static_cast<int>(rs.Columns().size());
  for (; !rs.IsEOF(); rs.MoveNext())
    for (int i = 0; i < columns; ++i) {
      const db::DbValue& value = rs.Field(i);
      seen += value.IsNull() ? 0 : 1;
    }
  return seen;
}

// The same walk on the bare statement: each value taken out of SQLite as a
// caller keeping it would (numbers read, texts and blobs copied).
std::size_t BareDrain(sqlite3* handle, const char* sql) {
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr);
  std::size_t seen = 0;
  const int columns = sqlite3_column_count(statement);
  while (sqlite3_step(statement) == SQLITE_ROW)
    for (int i = 0; i < columns; ++i) {
      switch (sqlite3_column_type(statement, i)) {
      case SQLITE_INTEGER:
        benchmark::DoNotOptimize(sqlite3_column_int64(statement, i));
        break;
      case SQLITE_FLOAT:
        benchmark::DoNotOptimize(sqlite3_column_double(statement, i));
        break;
      case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
        std::string copy(text, static_cast<size_t>(sqlite3_column_bytes(statement, i)));
        benchmark::DoNotOptimize(copy.data());
        break;
      }
      case SQLITE_BLOB: {
        const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement, i));
        std::vector<std::uint8_t> copy(bytes, bytes + sqlite3_column_bytes(statement, i));
        benchmark::DoNotOptimize(copy.data());
        break;
      }
      default:
        continue;
      }
      ++seen;
    }
  sqlite3_finalize(statement);
  return seen;
}

using Opener = std::function<RecordsetPtr(clsLdrCompile&)>;

const std::vector<std::pair<const char*, Opener>>& Recordsets() {
  static const std::vector<std::pair<const char*, Opener>> list = {
      {CompileQueries::kJumpDestinations, [](clsLdrCompile& c) { return c.GetRecordsetForBuildingJumpDest(); }},
      {CompileQueries::kPageDestinations, [](clsLdrCompile& c) { return c.GetRecordsetForBuildingJumpToPageDest(); }},
      {CompileQueries::kPowerupOperands, [](clsLdrCompile& c) { return c.GetRecordsetOfPowerupOperands(); }},
      {CompileQueries::kNetsWithConfigFBs, [](clsLdrCompile& c) { return c.GetRecordsetOfNetsWithConfigFBs(); }},
      {CompileQueries::kNetsWithJumps, [](clsLdrCompile& c) { return c.GetRecordsetOfAllNetsWithJumps(); }},
      {CompileQueries::kSelectedNets, [](clsLdrCompile& c) { return c.GetRecordsetOfSelectedNetsForCompile(); }},
      {CompileQueries::kNetsHeads, [](clsLdrCompile& c) { return c.GetNetsHeadsRecordsetForCall(); }},
      {CompileQueries::kNetsForCompile, [](clsLdrCompile& c) { return c.GetRecordsetForCompile(); }},
      {CompileQueries::kFullDownload, [](clsLdrCompile& c) { return c.GetRecordsetForDownload(false); }},
      {CompileQueries::kPartialDownload, [](clsLdrCompile& c) { return c.GetRecordsetForDownload(true); }},
      {CompileQueries::kNetsWithRiseFall,
       [](clsLdrCompile& c) { return c.GetRecordsetOfAllNetsWithRiseFallElements(); }},
      {CompileQueries::kFunctionsForConflicts,
       [](clsLdrCompile& c) { return c.GetFunctionsRecordsetForCheckingConflicts(); }},
  };
  return list;
}

void BM_CompileRecordsets(benchmark::State& state) {
  auto& setup = Setup();
  for (auto _ : state)
    for (const auto& [sql, open] : Recordsets()) {
      auto rs = open(*setup.compile);
      benchmark::DoNotOptimize(Drain(*rs));
    }
}

void BM_BareSelects(benchmark::State& state) {
  auto& setup = Setup();
  for (auto _ : state)
    for (const auto& [sql, open] : Recordsets()) benchmark::DoNotOptimize(BareDrain(setup.db->Handle(), sql));
}

} // namespace

BENCHMARK(BM_CompileRecordsets)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_BareSelects)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  ldr::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto ours = reporter.Times.find("BM_CompileRecordsets");
  const auto bare = reporter.Times.find("BM_BareSelects");
  if (ours != reporter.Times.end() && bare != reporter.Times.end() && bare->second > 0)
    std::printf("R1-R11 %.1f ms against bare SELECTs %.1f ms: ratio %.2f (target < 1.5)\n", ours->second, bare->second,
                ours->second / bare->second);
  benchmark::Shutdown();
  return 0;
}

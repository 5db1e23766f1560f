// InsertNets and RenumberStrips against a bare SQLite loop writing the same
// rows, on a subroutine of 2,000 strips in a project file. Each measured call
// runs in one transaction that is rolled back outside the timing.
#include "core/ProjectData.h"
#include "core/ProjectDatabase.h"
#include "platform/database/Transaction.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <string>

using namespace ldr;

namespace {

constexpr long kStrips = 2000;
constexpr long kInserted = 100;

struct BenchProject {
  std::string path;
  std::shared_ptr<db::Connection> db;
  long funcID = 0;

  BenchProject() {
    path = (std::filesystem::temp_directory_path() / "ldr-bench-project.ldrp").string();
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
    db = ProjectDatabase::Create(path);
    funcID = AddFunctionRow(*db, 1, "Bench", eFTD_Regular);
    db::Transaction transaction(*db);
    InsertNets(*db, funcID, 1, kStrips);
    RenumberStrips(*db, funcID);
    transaction.Commit();
  }
  ~BenchProject() {
    db.reset();
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
  }
};

BenchProject& Project() {
  static BenchProject project;
  return project;
}

void Exec(sqlite3* handle, const std::string& sql) { sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, nullptr); }

void BareInsertNets(sqlite3* handle, long funcID, long position, long count) {
  const std::string f = std::to_string(funcID);
  Exec(handle, "SAVEPOINT bare");
  Exec(handle, "UPDATE LdrStrips SET SeqNum=SeqNum+" + std::to_string(count + 1000) + " WHERE FuncID=" + f +
                   " AND SeqNum > " + std::to_string(position - 1));
  Exec(handle, "UPDATE LdrStrips SET SeqNum=SeqNum-1000 WHERE FuncID=" + f + " AND SeqNum>1000");
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(handle,
                     "INSERT INTO LdrStrips (FuncID,SeqNum,StrpType,IsLoaded,IsSelected,Height,IsCompilable,"
                     "IsCollapsed,LdrBitsCount,OrgHeight) VALUES (?,?,1,0,0,14,-1,0,0,0)",
                     -1, &insert, nullptr);
  for (long i = 0; i < count; ++i) {
    sqlite3_bind_int64(insert, 1, funcID);
    sqlite3_bind_int64(insert, 2, position + i);
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  Exec(handle, "RELEASE bare");
}

void BareRenumber(sqlite3* handle, long funcID) {
  Exec(handle, "SAVEPOINT bare");
  sqlite3_stmt* select = nullptr;
  sqlite3_stmt* update = nullptr;
  sqlite3_prepare_v2(handle, "SELECT StripID,StrpType FROM LdrStrips WHERE FuncID=? ORDER BY SeqNum", -1, &select,
                     nullptr);
  sqlite3_prepare_v2(handle, "UPDATE LdrStrips SET SeqNum=?, ShowNum=? WHERE StripID=?", -1, &update, nullptr);
  sqlite3_bind_int64(select, 1, funcID);
  long seq = 0;
  while (sqlite3_step(select) == SQLITE_ROW) {
    ++seq;
    sqlite3_bind_int64(update, 1, seq);
    sqlite3_bind_int64(update, 2, seq);
    sqlite3_bind_int64(update, 3, sqlite3_column_int64(select, 0));
    sqlite3_step(update);
    sqlite3_reset(update);
  }
  sqlite3_finalize(select);
  sqlite3_finalize(update);
  Exec(handle, "RELEASE bare");
}

// Runs `body` inside an outer transaction that is rolled back untimed.
template <typename Body> void RolledBack(benchmark::State& state, Body body) {
  auto& project = Project();
  for (auto _ : state) {
    state.PauseTiming();
    {
      db::Transaction outer(*project.db);
      state.ResumeTiming();
      body(project);
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
}

void Scramble(BenchProject& project) {
  project.db->Execute("UPDATE LdrStrips SET SeqNum=SeqNum*2, ShowNum=0 WHERE FuncID=?", {project.funcID});
}

void BM_InsertNets(benchmark::State& state) {
  RolledBack(state, [](BenchProject& p) { InsertNets(*p.db, p.funcID, kStrips / 2, kInserted); });
}
void BM_BareInsertNets(benchmark::State& state) {
  RolledBack(state, [](BenchProject& p) { BareInsertNets(p.db->Handle(), p.funcID, kStrips / 2, kInserted); });
}
void BM_RenumberStrips(benchmark::State& state) {
  auto& project = Project();
  for (auto _ : state) {
    state.PauseTiming();
    {
      db::Transaction outer(*project.db);
      Scramble(project);
      state.ResumeTiming();
      RenumberStrips(*project.db, project.funcID);
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
}
void BM_BareRenumber(benchmark::State& state) {
  auto& project = Project();
  for (auto _ : state) {
    state.PauseTiming();
    {
      db::Transaction outer(*project.db);
      Scramble(project);
      state.ResumeTiming();
      BareRenumber(project.db->Handle(), project.funcID);
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
}

} // namespace

BENCHMARK(BM_InsertNets)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BareInsertNets)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RenumberStrips)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BareRenumber)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();

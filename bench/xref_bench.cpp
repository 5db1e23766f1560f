// Cross reference over 100,000 elements (contacts and coils, one operand
// each) against a bare SQLite loop stepping the same SELECT and reading every
// column: an operand used 100 times, and an element type used 50,000 times.
// Printing 1,000 nets to a PDF reports pages per second.
#include "RatioReporter.h"
#include "core/ProjectData.h"
#include "core/ProjectDatabase.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "platform/database/Transaction.h"
#include "tools/srvLdrCrossRef.h"
#include "tools/srvPrint.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <iostream>

using namespace ldr;

namespace {

constexpr long kElements = 100000;
constexpr long kPerNet = 10;
constexpr long kNetsPerSubroutine = 500;
constexpr long kOperandAddresses = 1000;

struct BenchProject {
  std::string path = (std::filesystem::temp_directory_path() / "ldr-bench-xref.ldrp").string();
  std::shared_ptr<db::Connection> db;
  HeadlessHost host;
  long printFunc = 0;

  BenchProject() {
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
    db = ProjectDatabase::Create(path);
    db::Transaction transaction(*db);
    auto strip = db->Prepare("INSERT INTO LdrStrips (FuncID, SeqNum, StrpType, ShowNum, Height) VALUES (?,?,1,?,5)");
    auto element = db->Prepare("INSERT INTO LdrElements (StripID, ElmntType, Xs, Ys) VALUES (?,?,?,2)");
    auto slot = db->Prepare("INSERT INTO LdrElmsOprs (ElmntID, OprndInIdx, OprndOutIdx, Elmnt_Oprnd_Type, "
                            "Elmnt_Oprnd_Adrs) VALUES (?,?,?,1,?)");
    auto run = [](db::Statement& statement, const db::Params& values) {
      statement.Reset();
      statement.BindAll(values).Execute();
    };
    long funcID = 0, net = 0, stripID = 0;
    for (long i = 0; i < kElements; ++i) {
      if (i % (kPerNet * kNetsPerSubroutine) == 0) {
        funcID = AddFunctionRow(*db, 1, "S" + std::to_string(i), eFTD_Regular);
        if (!printFunc) printFunc = funcID;
        net = 0;
      }
      if (i % kPerNet == 0) {
        ++net;
        run(strip, {funcID, net, net});
        stripID = static_cast<long>(db->LastInsertRowId());
      }
      const bool contact = i % 2 == 0;
      run(element, {stripID, contact ? 200L : 204L, (i % kPerNet) * 4});
      run(slot,
          {static_cast<long>(db->LastInsertRowId()), contact ? 1L : 0L, contact ? 0L : 1L, i % kOperandAddresses});
    }
    transaction.Commit();
    host = MakeHeadlessHost(db, std::make_shared<MemoryLog>(), path + ".ini");
  }
};

BenchProject& Project() {
  static BenchProject project;
  return project;
}

// The statements the service runs, with and without the operand slots.
const std::string kSelectStart =
    "SELECT LdrModules.MdlID, LdrModules.MdlName, LdrFunctions.FuncID, LdrFunctions.FuncName, LdrStrips.StripID, "
    "LdrStrips.ShowNum, LdrElements.ElmntID, LdrElements.ElmntType, ";
const std::string kJoins = " FROM (LdrModules INNER JOIN LdrFunctions ON LdrModules.MdlID = LdrFunctions.MdlID) "
                           "INNER JOIN LdrStrips ON LdrFunctions.FuncID = LdrStrips.FuncID INNER JOIN LdrElements ON "
                           "LdrStrips.StripID = LdrElements.StripID";
const std::string kOperandSelect = kSelectStart + "LdrElmsOprs.OprndInIdx, LdrElmsOprs.OprndOutIdx, 0" + kJoins +
                                   " INNER JOIN LdrElmsOprs ON LdrElements.ElmntID = LdrElmsOprs.ElmntID WHERE ";
const std::string kElementSelect = kSelectStart + "0, 0, 0" + kJoins + " WHERE ";
const std::string kOrder = " ORDER BY LdrModules.MdlID, LdrFunctions.FuncID, LdrStrips.ShowNum, LdrElements.ElmntType";

long BareSelect(const std::string& select, const std::string& condition) {
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(Project().db->Handle(), (select + condition + kOrder).c_str(), -1, &statement, nullptr);
  long rows = 0, sum = 0;
  while (sqlite3_step(statement) == SQLITE_ROW) {
    ++rows;
    for (int column : {0, 2, 4, 5, 6, 7, 8, 9}) sum += sqlite3_column_int(statement, column);
    sum += static_cast<long>(std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1))).size());
    sum += static_cast<long>(std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, 3))).size());
  }
  sqlite3_finalize(statement);
  benchmark::DoNotOptimize(sum);
  return rows;
}

void BM_OperandSearch(benchmark::State& state) {
  srvLdrCrossRef xref(*Project().host.Services);
  bool none = true;
  for (auto _ : state) benchmark::DoNotOptimize(xref.GetLadderCrossReference(0, 1, 7, none));
}
void BM_BareOperandSelect(benchmark::State& state) {
  Project();
  for (auto _ : state)
    BareSelect(kOperandSelect, "(LdrElmsOprs.Elmnt_Oprnd_Type=1) AND (LdrElmsOprs.Elmnt_Oprnd_Adrs=7) AND "
                               "(LdrElmsOprs.Elmnt_Oprnd_NetworkId=0)");
}
void BM_ElementSearch(benchmark::State& state) {
  srvLdrCrossRef xref(*Project().host.Services);
  bool none = true;
  for (auto _ : state) benchmark::DoNotOptimize(xref.GetLadderElementCrossRef(200, none));
}
void BM_BareElementSelect(benchmark::State& state) {
  Project();
  for (auto _ : state) BareSelect(kElementSelect, "(LdrElements.ElmntType = 200)");
}

// Every net of one subroutine of 500 nets, twice: 1,000 nets.
void PrintPagesPerSecond() {
  auto& project = Project();
  srvPrint printer(*project.host.Services);
  auto preview = std::make_shared<PrintPreview>(PaperSize::A4);
  printer.SetVSprinter(preview);
  const auto start = std::chrono::steady_clock::now();
  printer.PrintSubroutines({project.printFunc, project.printFunc});
  const std::string pdf = project.path + ".pdf";
  preview->WritePdf(pdf);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "printing 1000 nets: " << preview->PageCount() << " pages in " << seconds
            << " s = " << preview->PageCount() / seconds << " pages/s\n";
  std::filesystem::remove(pdf);
}

} // namespace

BENCHMARK(BM_OperandSearch)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BareOperandSelect)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ElementSearch)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BareElementSelect)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  ldr::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto ratio = [&](const char* ours, const char* bare) {
    std::cout << ours << " / " << bare << " = " << reporter.Times[ours] / reporter.Times[bare] << '\n';
  };
  ratio("BM_OperandSearch", "BM_BareOperandSelect");
  ratio("BM_ElementSearch", "BM_BareElementSelect");
  PrintPagesPerSecond();
  auto& project = Project();
  project.host = {};
  project.db.reset();
  for (const char* suffix : {"", "-wal", "-shm", ".ini"}) std::filesystem::remove(project.path + suffix);
  return 0;
}

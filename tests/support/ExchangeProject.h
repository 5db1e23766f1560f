#pragma once
// A project for export and import tests: its file, a headless host whose
// log the test reads, and the export/import object working on it. Also the
// deterministic text of subroutines with their keys left out, to compare a
// subroutine with its imported copy, and export files as older versions
// wrote them.

#include "core/LdrContext.h"
#include "exchange/clsExportImport.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"

#include <memory>
#include <string>
#include <vector>

namespace ldr::test {

class ExchangeProject {
public:
  // A new project at `path` (settings beside it).
  explicit ExchangeProject(const std::string& path);

  db::Connection& Db() { return *mConnection; }
  LdrContext& Context() { return mContext; }
  HeadlessHost& Host() { return mHost; }
  const std::vector<std::string>& Log() const { return mLog->Lines(); }
  bool Logged(const std::string& text) const;
  clsExportImport& Exchange() { return *mExchange; }

private:
  std::shared_ptr<db::Connection> mConnection;
  std::shared_ptr<MemoryLog> mLog;
  HeadlessHost mHost;
  LdrContext mContext;
  std::unique_ptr<clsExportImport> mExchange;
};

// The subroutines in the given order: every row of their strips, elements,
// operand slots and operand rows, without keys. A call names its target by
// its place in `funcIDs` (or by name when outside), a jump its label by
// the label strip's place.
std::string DumpSubroutines(db::Connection& db, const std::vector<long>& funcIDs);

// Everything an import may touch, with the file's integrity check: equal
// texts mean the import left the project as it was.
std::string ProjectContent(db::Connection& db);

// A small subroutine 2 ("Main") with contacts, a jump to its label, a call
// of subroutine "Helper", a constant and a block instance; the project gets
// the block type too.
void BuildSampleLadder(db::Connection& db);

// Makes `path` look as written by `version`: the columns later version steps
// added are dropped and the version written.
void MakeOlderExportFile(const std::string& path, long version);

} // namespace ldr::test

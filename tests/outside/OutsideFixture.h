#pragma once
// A project database in memory with the real schema, and a headless host on
// it whose log is kept in memory and whose host settings file lives in a
// temporary directory.

#include "core/ProjectSchema.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "platform/database/Connection.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ldr::test {

class OutsideFixture : public ::testing::Test {
protected:
  void SetUp() override {
    mDb = db::Connection::Open("", db::OpenMode::Memory);
    ProjectSchema::Create(*mDb);
    mLog = std::make_shared<MemoryLog>();
    mHost = MakeHeadlessHost(mDb, mLog, mDir.File("config/ldr/settings.ini"));
  }

  HostServices& Host() { return *mHost.Services; }
  const std::vector<std::string>& Lines() const { return mLog->Lines(); }

  long AddModule(const std::string& name) { return static_cast<long>(mDb->AddRow("LdrModules", {{"MdlName", name}})); }
  long AddFunction(long mdlID, const std::string& name) {
    return static_cast<long>(mDb->AddRow("LdrFunctions", {{"MdlID", mdlID}, {"FuncName", name}}));
  }
  long AddStrip(long funcID, long seqNum, long type, const db::DbValue& labelName = {}) {
    return static_cast<long>(
        mDb->AddRow("LdrStrips", {{"FuncID", funcID}, {"SeqNum", seqNum}, {"StrpType", type}, {"LblName", labelName}}));
  }
  long Count(const std::string& sql, const db::Params& params = {}) { return mDb->QueryValue(sql, params).AsLong(); }

  TempDir mDir;
  std::shared_ptr<db::Connection> mDb;
  std::shared_ptr<MemoryLog> mLog;
  HeadlessHost mHost;
};

} // namespace ldr::test

#pragma once
// A new project with a headless host whose answers a test queues, and small
// writers of ladder rows for the tools' tests.

#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "support/ProjectFixture.h"

namespace ldr::test {

class ToolsFixture : public ProjectFixture {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    mHost = MakeHeadlessHost(mDb, mLog, mDir.File("host.ini"));
  }

  HostServices& Host() { return *mHost.Services; }
  HeadlessAnswers& Answers() { return *mHost.Answers; }

  long AddModule(const std::string& name) { return Db().AddRow("LdrModules", {{"MdlName", name}}); }
  long AddFunction(long mdlID, const std::string& name, long functionType = 3) {
    return Db().AddRow("LdrFunctions", {{"MdlID", mdlID}, {"FuncName", name}, {"FunctionType", functionType}});
  }
  long AddStrip(long funcID, long seqNum, long type = 1, long height = 5, long showNum = 0) {
    return Db().AddRow("LdrStrips", {{"FuncID", funcID},
                                     {"SeqNum", seqNum},
                                     {"StrpType", type},
                                     {"Height", height},
                                     {"ShowNum", showNum},
                                     {"CompileDirtyBit", 0}});
  }
  long AddElement(long stripID, long type, long x = 0, long y = 2) {
    return Db().AddRow("LdrElements", {{"StripID", stripID}, {"ElmntType", type}, {"Xs", x}, {"Ys", y}});
  }
  void AddSlot(long elementID, long in, long out, long type, long address, long network = 0) {
    Db().AddRow("LdrElmsOprs", {{"ElmntID", elementID},
                                {"OprndInIdx", in},
                                {"OprndOutIdx", out},
                                {"Elmnt_Oprnd_Type", type},
                                {"Elmnt_Oprnd_Adrs", address},
                                {"Elmnt_Oprnd_NetworkID", network}});
  }

  std::shared_ptr<MemoryLog> mLog = std::make_shared<MemoryLog>();
  HeadlessHost mHost;
};

} // namespace ldr::test

#include "ElementTestFixture.h"

namespace ldr::test {

void ElementTestFixture::SetUp() {
  ProjectFixture::SetUp();
  mLog = std::make_shared<MemoryLog>();
  mHost = MakeHeadlessHost(mDb, mLog, mDir.File("host-settings.ini"));
  mCtx.Connection = mDb;
  mCtx.SetHost(mHost.Services);
  mCtx.State = std::make_unique<clsLdrState>(mCtx);
}

long ElementTestFixture::NetID() {
  return Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND StrpType=1 ORDER BY SeqNum LIMIT 1");
}

const std::vector<ErrorReport>& ElementTestFixture::Errors() const {
  return static_cast<LogErrorReporter&>(*mHost.Services->Errors).Reports();
}

void ElementTestFixture::CountElementUpdates() {
  mDb->ExecuteScript("CREATE TEMP TABLE ElementUpdates (ElmntID INTEGER);"
                     "CREATE TEMP TRIGGER CountElementUpdates AFTER UPDATE ON LdrElements "
                     "BEGIN INSERT INTO ElementUpdates VALUES (NEW.ElmntID); END;");
}

long ElementTestFixture::ElementUpdates() { return Scalar("SELECT COUNT(*) FROM ElementUpdates"); }

} // namespace ldr::test

#pragma once
// A new project with a headless host and a compile object working on it
// without an editor, plus helpers to write strips, elements and operands
// by hand and to read recordsets back.

#include "compiler/clsLdrCompile.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "support/ProjectFixture.h"

#include <memory>
#include <string>
#include <vector>

namespace ldr::test {

class CompileFixture : public ProjectFixture {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    mLog = std::make_shared<MemoryLog>();
    mHost = MakeHeadlessHost(mDb, mLog, mDir.File("host-settings.ini"));
    mCompile = std::make_unique<clsLdrCompile>(mHost.Services);
    mCompile->SetComponentFolder(mDir.Path().string());
  }
  void TearDown() override { mCompile.reset(); }

  // A strip row with the given columns on top of FuncID, SeqNum and StrpType.
  long Strip(long funcID, long seqNum, long type, db::FieldList more = {}) {
    more.emplace_back("FuncID", funcID);
    more.emplace_back("SeqNum", seqNum);
    more.emplace_back("StrpType", type);
    if (type != 1 && type != 4) more.emplace_back("IsCompilable", 0);
    return static_cast<long>(Db().AddRow("LdrStrips", more));
  }
  long Element(long stripID, long type, long x = 0, long y = 0, db::FieldList more = {}) {
    more.emplace_back("StripID", stripID);
    more.emplace_back("ElmntType", type);
    more.emplace_back("Xs", x);
    more.emplace_back("Ys", y);
    return static_cast<long>(Db().AddRow("LdrElements", more));
  }
  void Operand(long elementID, long type, long address, long network = 0, long inIdx = 1) {
    Db().AddRow("LdrElmsOprs", {{"ElmntID", elementID},
                                {"OprndInIdx", inIdx},
                                {"OprndOutIdx", 0},
                                {"Elmnt_Oprnd_Type", type},
                                {"Elmnt_Oprnd_Adrs", address},
                                {"Elmnt_Oprnd_NetworkID", network}});
  }
  // A subroutine without strips.
  long Function(long mdlID, const std::string& name, long type = 3) {
    return static_cast<long>(
        Db().AddRow("LdrFunctions", {{"MdlID", mdlID}, {"FuncName", name}, {"FunctionType", type}}));
  }
  void ClearStrips() { Db().Execute("DELETE FROM LdrStrips"); }
  void SetDownloadUnits(bool on) { mHost.DownloadUnits->SetOn(on); }

  // One column of every row a recordset holds, from where it stands.
  static std::vector<long> Column(CompileRecordset& rs, const std::string& column) {
    std::vector<long> values;
    for (; !rs.IsEOF(); rs.MoveNext()) values.push_back(rs.Field(column).AsLong(-999));
    return values;
  }
  // The columns of the strip table in their order.
  std::vector<std::string> StripColumns() {
    std::vector<std::string> names;
    auto rs = Db().Query("SELECT name FROM pragma_table_info('LdrStrips') ORDER BY cid");
    for (; !rs.IsEOF(); rs.MoveNext()) names.push_back(rs.Field(0).AsText());
    return names;
  }

  std::shared_ptr<MemoryLog> mLog;
  HeadlessHost mHost;
  std::unique_ptr<clsLdrCompile> mCompile;
};

} // namespace ldr::test

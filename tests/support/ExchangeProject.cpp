#include "support/ExchangeProject.h"

#include "core/ProjectDatabase.h"
#include "exchange/clsBufferServices.h"
#include "platform/database/Transaction.h"
#include "support/LadderBuilder.h"
#include "support/LadderDump.h"

#include <algorithm>
#include <filesystem>

namespace ldr::test {

namespace {

std::shared_ptr<db::Connection> NewProject(const std::string& path) {
  std::filesystem::remove(path);
  return ProjectDatabase::Create(path);
}

// The row's fields but the keys and the view state, as name=value.
std::string Fields(db::Recordset& rows, const std::vector<std::string>& skipped) {
  std::string text;
  for (int i = 0; i < static_cast<int>(rows.Columns().size()); ++i) {
    const std::string& name = rows.Columns()[i];
    if (std::find(skipped.begin(), skipped.end(), name) != skipped.end()) continue;
    text += " " + name + "=" + rows.Field(i).ToDisplay();
  }
  return text;
}

std::string ReferenceText(db::Connection& db, const std::vector<long>& funcIDs, long type, long address) {
  if (type == 31) {
    const auto place = std::find(funcIDs.begin(), funcIDs.end(), address);
    if (place != funcIDs.end()) return "call#" + std::to_string(place - funcIDs.begin());
    return "call:" + db.QueryValue("SELECT FuncName FROM LdrFunctions WHERE FuncID=?", {address}).AsText("?");
  }
  if (type == 29)
    return "label@" + db.QueryValue("SELECT SeqNum FROM LdrStrips WHERE StripID=?", {address}).AsText("?");
  return std::to_string(address);
}

} // namespace

ExchangeProject::ExchangeProject(const std::string& path)
    : mConnection(NewProject(path)), mLog(std::make_shared<MemoryLog>()),
      mHost(MakeHeadlessHost(mConnection, mLog, path + ".settings.ini")) {
  mContext.SetHost(mHost.Services);
  mContext.Connection = mConnection;
  mExchange = std::make_unique<clsExportImport>(mContext);
}

bool ExchangeProject::Logged(const std::string& text) const {
  return std::any_of(Log().begin(), Log().end(),
                     [&](const auto& line) { return line.find(text) != std::string::npos; });
}

std::string DumpSubroutines(db::Connection& db, const std::vector<long>& funcIDs) {
  std::string text;
  for (long funcID : funcIDs) {
    auto function = db.Query("SELECT * FROM LdrFunctions WHERE FuncID=?", {funcID});
    text += "function" + Fields(function, {"FuncID", "MdlID", "TreeID", "FuncName", "Guid", "DataGuid"}) + "\n";
    auto strips = db.Query("SELECT * FROM LdrStrips WHERE FuncID=? ORDER BY SeqNum", {funcID});
    for (strips.MoveFirst(); !strips.IsEOF(); strips.MoveNext()) {
      text +=
          " strip" +
          Fields(strips, {"StripID", "FuncID", "CompileDirtyBit", "IsLoaded", "IsSelected", "RiseFallElementInfo"}) +
          "\n";
      auto elements = db.Query("SELECT * FROM LdrElements WHERE StripID=? ORDER BY Ys, Xs, ElmntType, ElmntID",
                               {strips.Field("StripID").AsLong()});
      for (elements.MoveFirst(); !elements.IsEOF(); elements.MoveNext()) {
        text += "  element" + Fields(elements, {"ElmntID", "StripID"}) + "\n";
        auto slots = db.Query("SELECT s.Elmnt_Oprnd_Type, s.Elmnt_Oprnd_Adrs, s.OprndInIdx, s.OprndOutIdx, "
                              "s.Elmnt_Oprnd_NetworkID, o.OprndDescription, o.OprndPowerUp FROM LdrElmsOprs s LEFT "
                              "JOIN LdrOperands o ON o.OprndType=s.Elmnt_Oprnd_Type AND "
                              "o.OprndAddress=s.Elmnt_Oprnd_Adrs AND o.NetworkID=s.Elmnt_Oprnd_NetworkID WHERE "
                              "s.ElmntID=? ORDER BY 3, 4, 1",
                              {elements.Field("ElmntID").AsLong()});
        for (const auto& slot : slots.Rows()) {
          const long type = slot[0].AsLong();
          text += "   slot " + std::to_string(type) + " " + ReferenceText(db, funcIDs, type, slot[1].AsLong()) + " in" +
                  slot[2].ToDisplay() + " out" + slot[3].ToDisplay() + " net" + slot[4].ToDisplay() +
                  (type == 31 ? "" : " '" + slot[5].ToDisplay() + "'") + " " + slot[6].ToDisplay() + "\n";
        }
      }
    }
  }
  return text;
}

std::string ProjectContent(db::Connection& db) {
  std::string text = DumpLadder(db);
  for (const char* sql : {"SELECT * FROM LdrOperands ORDER BY 1,2,3", "SELECT * FROM FB_Fathers ORDER BY 1",
                          "SELECT * FROM FB_Methods ORDER BY 1", "SELECT * FROM FB_Instance_Details ORDER BY rowid",
                          "SELECT name FROM sqlite_master ORDER BY name", "PRAGMA integrity_check"}) {
    auto rows = db.Query(sql);
    for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
      for (int i = 0; i < static_cast<int>(rows.Columns().size()); ++i) text += rows.Field(i).ToDisplay() + "|";
      text += "\n";
    }
  }
  return text;
}

void BuildSampleLadder(db::Connection& db) {
  db::Transaction rows(db);
  LadderBuilder ladder(db);
  const long helper = ladder.Subroutine("Helper");
  const long net = ladder.Strip(2, 1);
  ladder.Element(net, 200, 0, 0, 2, 1);
  ladder.Element(net, 200, 3, 0, 2, 2);
  ladder.Element(net, 300, 6, 0, 2, 3);
  ladder.Element(ladder.Strip(2, 2), 200, 0, 0, 37, 1);
  ladder.PowerUp(37, 1, 42);
  const long label = ladder.Label(2, 3, "Again");
  ladder.Element(ladder.Strip(2, 4), 600, 0, 0, 29, label);
  ladder.Element(ladder.Strip(2, 5), 601, 0, 0, 31, helper);
  db.Execute("INSERT INTO FB_Fathers (FatherID, FatherName, HexFileVersion) VALUES (100100, 'Motor', 3)");
  db.Execute("INSERT INTO FB_Methods (MethodID, MethodTitle) VALUES (100101, 'Config')");
  db.Execute("INSERT INTO FB_Instance_Details (InstanceID, FatherID, InstanceNumber, InstanceDescription) VALUES "
             "(1, 100100, 1, 'Pump')");
  ladder.SetParam(ladder.Element(ladder.Strip(2, 6), 100101, 0, 0), 1);
  rows.Commit();
}

void MakeOlderExportFile(const std::string& path, long version) {
  auto file = clsBufferServices::OpenBufferDB(path, false);
  clsBufferServices buffers(*file);
  const struct {
    long At;
    const char *Table, *Column;
  } added[] = {{11, "expimp_LdrStrips", "LdrBitsCount"},
               {12, "expimp_LdrFunctions", "Protected"},
               {17, "expimp_LdrStrips", "IsCollapsed"},
               {17, "expimp_LdrStrips", "OrgHeight"}};
  for (const auto& step : added)
    if (version <= step.At) buffers.RemoveFieldFromTable(step.Table, step.Column);
  file->Execute("UPDATE expimp_GeneralProps SET ExportedDBVersion=?", {version});
}

} // namespace ldr::test

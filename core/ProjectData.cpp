#include "core/ProjectData.h"

#include "core/LdrContext.h"
#include "core/StripRows.h"
#include "core/clsLdrState.h"
#include "outside/HostServices.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandList.h"
#include "outside/utilities/SettingsStore.h"
#include "platform/database/Transaction.h"

#include <algorithm>

namespace ldr {

namespace {

std::string Num(long value) { return std::to_string(value); }

// 1-based position of `operand` (by identity) in `slots`, 0 when absent.
long SlotOf(const KeyedCollection<Operand>& slots, const Operand& operand) {
  for (std::size_t i = 0; i < slots.Count(); ++i)
    if (slots.At(i).get() == &operand) return static_cast<long>(i) + 1;
  return 0;
}

} // namespace

long GetMaxSeqNum(db::Connection& db, long funcID) { return StripRows(db).MaxSeqNum(funcID); }

void InsertNets(db::Connection& db, long funcID, long position, long count) {
  StripRows(db).InsertAt(funcID, position, count,
                         [funcID](long seqNum) { return StripRows::NewRow(funcID, seqNum, eST_LdrNet); });
}

void AppendNets(db::Connection& db, long funcID, long count) {
  InsertNets(db, funcID, GetMaxSeqNum(db, funcID), count);
}

// One statement over the whole subroutine: the window numbers every strip
// and counts the nets up to it, and only the rows whose numbers differ reach
// the update, so a subroutine already in order costs one read and no write.
long RenumberStrips(db::Connection& db, long funcID) {
  return db.Execute("UPDATE LdrStrips SET SeqNum=Changed.Seq, "
                    "ShowNum=CASE WHEN LdrStrips.StrpType=1 THEN Changed.Net ELSE LdrStrips.ShowNum END "
                    "FROM (SELECT StripID, Seq, Net FROM (SELECT StripID, StrpType, SeqNum, ShowNum, "
                    "ROW_NUMBER() OVER Walk AS Seq, SUM(StrpType=1) OVER (Walk ROWS UNBOUNDED PRECEDING) AS Net "
                    "FROM LdrStrips WHERE FuncID=? WINDOW Walk AS (ORDER BY SeqNum, StripID)) "
                    "WHERE SeqNum IS NOT Seq OR (StrpType=1 AND ShowNum IS NOT Net)) AS Changed "
                    "WHERE LdrStrips.StripID=Changed.StripID",
                    {funcID});
}

long GetStripIDByShowNum(db::Connection& db, long funcID, long showNum) {
  return db.QueryValue("SELECT StripID FROM LdrStrips WHERE FuncID=" + Num(funcID) + " AND ShowNum=" + Num(showNum))
      .AsLong(0);
}

bool IsNeedToCompile(db::Connection& db) {
  return !db.QueryValue("SELECT Strps.StripID FROM LdrStrips AS Strps WHERE ((Strps.IsCompilable=-1) "
                        "AND (Strps.StrpType In (1,4))) AND (Strps.CompileDirtyBit=-1) LIMIT 1")
              .IsNull();
}

void MarkAllNetsDirty(db::Connection& db) {
  db.Execute("UPDATE LdrStrips SET CompileDirtyBit = -1 WHERE (LdrStrips.IsCompilable<>0) AND (LdrStrips.StrpType "
             "In (1,4))");
}

std::string GetFunctionName(db::Connection& db, long funcID) {
  return db.QueryValue("SELECT FuncName FROM LdrFunctions WHERE FuncID=" + Num(funcID)).AsText();
}

long GetModuleIDOfFunction(db::Connection& db, long funcID) {
  return db.QueryValue("SELECT MdlID FROM LdrFunctions WHERE FuncID=" + Num(funcID)).AsLong(0);
}

bool FunctionExists(db::Connection& db, long funcID) {
  return !db.QueryValue("SELECT 1 FROM LdrFunctions WHERE FuncID=?", {funcID}).IsNull();
}

std::string GetModuleName(db::Connection& db, long mdlID) {
  return db.QueryValue("SELECT MdlName FROM LdrModules WHERE MdlID=" + Num(mdlID)).AsText();
}

std::string GetFullFunctionName(db::Connection& db, long funcID) {
  auto row = db.Query("SELECT MdlID,FuncName FROM LdrFunctions WHERE FuncID=" + Num(funcID));
  if (row.IsEOF()) return ".";
  return GetModuleName(db, row.Field("MdlID").AsLong()) + "." + row.Field("FuncName").AsText();
}

bool IsFunctionNameFree(db::Connection& db, long funcID, const std::string& name) {
  return db.QueryValue("SELECT COUNT(*) AS CntNames FROM LdrFunctions WHERE FuncName=? AND FuncID<>?", {name, funcID})
             .AsLong() == 0;
}

bool IsModuleNameFree(db::Connection& db, long mdlID, const std::string& name) {
  return db.QueryValue("SELECT COUNT(*) AS CntNames FROM LdrModules WHERE MdlName=? AND MdlID<>?", {name, mdlID})
             .AsLong() == 0;
}

bool TableHasRows(db::Connection& db, const std::string& source, const db::Params& params) {
  return db.QueryValue("SELECT COUNT(*) AS CntRes FROM " + source, params).AsLong() > 0;
}

long FunctionBlockFatherID(long methodID) { return methodID - methodID % 100; }

std::string GetFunctionBlockTitle(db::Connection& db, long elementType) {
  const long fatherID = FunctionBlockFatherID(elementType);
  std::string father = db.QueryValue("SELECT FatherTitle FROM FB_Fathers WHERE FatherID=" + Num(fatherID)).AsText();
  std::string method = db.QueryValue("SELECT MethodTitle FROM FB_Methods WHERE MethodID=" + Num(elementType)).AsText();
  return father + " " + method;
}

long AddModuleRow(db::Connection& db, const std::string& name) {
  db::Transaction transaction(db);
  long mdlID = static_cast<long>(db.AddRow("LdrModules", {{"MdlName", name}, {"ActiveFuncID", 0}}));
  db.Execute("UPDATE LdrModules SET TreeID=MdlID WHERE MdlID=" + Num(mdlID));
  transaction.Commit();
  return mdlID;
}

long AddFunctionRow(db::Connection& db, long mdlID, const std::string& name, long functionType, const db::DbValue& guid,
                    const db::DbValue& dataGuid) {
  db::Transaction transaction(db);
  long funcID = static_cast<long>(db.AddRow("LdrFunctions", {{"MdlID", mdlID},
                                                             {"FuncName", name},
                                                             {"FunctionType", functionType},
                                                             {"Protected", 0},
                                                             {"Guid", guid},
                                                             {"DataGuid", dataGuid},
                                                             {"VscrlPos", 0}}));
  db.Execute("UPDATE LdrFunctions SET TreeID=FuncID WHERE FuncID=" + Num(funcID));
  transaction.Commit();
  return funcID;
}

long AddReturnElement(db::Connection& db, long stripID) {
  db::Transaction transaction(db);
  long elementID = static_cast<long>(db.AddRow("LdrElements", {{"StripID", stripID},
                                                               {"ElmntType", kReturnElementType},
                                                               {"Xs", kReturnElementX},
                                                               {"Ys", kReturnElementY},
                                                               {"IsMissing", 0}}));
  db.AddRow("LdrElmsOprs", {{"ElmntID", elementID},
                            {"OprndInIdx", 0},
                            {"OprndOutIdx", 1},
                            {"Elmnt_Oprnd_Type", kReturnOperandType},
                            {"Elmnt_Oprnd_Adrs", 0},
                            {"Elmnt_Oprnd_NetworkID", 0}});
  transaction.Commit();
  return elementID;
}

long AddDefaultStrips(db::Connection& db, long funcID) {
  db::Transaction transaction(db);
  StripRows rows(db);
  const long first = rows.MaxSeqNum(funcID) + 1;
  const long returnSeq = first + kNewSubroutineNets;
  // The new nets are numbered at once; the last strip is the return strip.
  const std::vector<long> added =
      rows.InsertAt(funcID, first, kNewSubroutineNets + 1, [funcID, returnSeq](long seqNum) {
        db::FieldList row = StripRows::NewRow(funcID, seqNum, eST_LdrNet);
        row.emplace_back("ShowNum", seqNum);
        row.emplace_back("IsReturnStrip", seqNum == returnSeq ? -1L : 0L);
        row.emplace_back("CompileDirtyBit", -1L);
        return row;
      });
  const long returnStrip = added.back();
  AddReturnElement(db, returnStrip);
  transaction.Commit();
  return returnStrip;
}

long NextModuleNumber(SettingsStore& settings) { return settings.TakeProjectCounter(ePSK_NextModuleNumber, 1); }

long NextSubroutineNumber(SettingsStore& settings) { return settings.TakeProjectCounter(ePSK_NextSubroutineNumber, 1); }

bool UpdateElementOperandSlot(LdrContext& context, long elementID, const KeyedCollection<Operand>& inputs,
                              const KeyedCollection<Operand>& outputs, const Operand& changed, long oldType,
                              long oldAddress, long oldNetwork) {
  const long in = SlotOf(inputs, changed);
  const long out = SlotOf(outputs, changed);
  db::Transaction transaction(context.Db());
  const int rows = context.Db().Execute(
      "UPDATE LdrElmsOprs SET Elmnt_Oprnd_Type=" + Num(changed.OprndType()) +
      ",Elmnt_Oprnd_Adrs=" + Num(changed.Address()) + ",Elmnt_Oprnd_NetworkID=" + Num(changed.NetworkID()) +
      " WHERE ElmntID=" + Num(elementID) + " AND Elmnt_Oprnd_Type=" + Num(oldType) +
      " AND Elmnt_Oprnd_Adrs=" + Num(oldAddress) + " AND Elmnt_Oprnd_NetworkID=" + Num(oldNetwork) +
      " AND OprndInIdx=" + Num(in) + " AND OprndOutIdx=" + Num(out));
  if (rows == 1 && context.Host->Operands) context.Host->Operands->List().Register(changed);
  transaction.Commit();
  if (rows != 1) return false;
  if (context.State) {
    context.State->SetNeedToCompile(true);
    context.State->SetNeedToSave(true);
  }
  return true;
}

} // namespace ldr

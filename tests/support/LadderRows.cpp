#include "support/LadderRows.h"

namespace ldr::test {

long StripAt(db::Connection& db, long funcID, long seqNum) {
  return db.QueryValue("SELECT StripID FROM LdrStrips WHERE FuncID=? AND SeqNum=?", {funcID, seqNum}).AsLong();
}

long AddElement(db::Connection& db, long stripID, long type, long x, long y, long dx, long dy) {
  return static_cast<long>(db.AddRow(
      "LdrElements", {{"StripID", stripID}, {"ElmntType", type}, {"Xs", x}, {"Ys", y}, {"Dx", dx}, {"Dy", dy}}));
}

void AddOperand(db::Connection& db, long elementID, long inIdx, long outIdx, long type, long address, long network) {
  db.AddRow("LdrElmsOprs", {{"ElmntID", elementID},
                            {"OprndInIdx", inIdx},
                            {"OprndOutIdx", outIdx},
                            {"Elmnt_Oprnd_Type", type},
                            {"Elmnt_Oprnd_Adrs", address},
                            {"Elmnt_Oprnd_NetworkID", network}});
}

void DescribeOperand(db::Connection& db, long type, long address, const std::string& description, double powerUp) {
  db.Execute("INSERT OR REPLACE INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndDescription, OprndPowerUp) "
             "VALUES (?, ?, 0, ?, ?)",
             {type, address, description, powerUp});
}

long AddContact(db::Connection& db, long stripID, long type, long x, long y, long operandType, long address) {
  const long id = AddElement(db, stripID, type, x, y);
  AddOperand(db, id, 1, 0, operandType, address);
  return id;
}

long AddCoil(db::Connection& db, long stripID, long type, long x, long y, long operandType, long address) {
  const long id = AddElement(db, stripID, type, x, y);
  AddOperand(db, id, 0, 1, operandType, address);
  return id;
}

void MakeLabel(db::Connection& db, long stripID, const std::string& name, const std::string& comment) {
  db.Execute("UPDATE LdrStrips SET StrpType=3, Height=1, LblName=?, LblComment=? WHERE StripID=?",
             {name, comment, stripID});
}

void MakeComment(db::Connection& db, long stripID, const std::string& text) {
  db.Execute("UPDATE LdrStrips SET StrpType=2, Height=3, Comment=? WHERE StripID=?", {text, stripID});
}

} // namespace ldr::test

#include "support/LadderBuilder.h"

namespace ldr::test {

long LadderBuilder::Strip(long funcID, long seqNum) {
  return mDb.QueryValue("SELECT StripID FROM LdrStrips WHERE FuncID=? AND SeqNum=?", {funcID, seqNum}).AsLong(-1);
}

long LadderBuilder::Element(long strip, long type, long x, long y) {
  return static_cast<long>(
      mDb.AddRow("LdrElements", {{"StripID", strip}, {"ElmntType", type}, {"Xs", x}, {"Ys", y}, {"IsMissing", 0}}));
}

long LadderBuilder::Element(long strip, long type, long x, long y, long operandType, long address) {
  const long element = Element(strip, type, x, y);
  if (type < 204)
    Input(element, 1, operandType, address);
  else
    Output(element, 1, operandType, address);
  return element;
}

void LadderBuilder::Input(long element, long slot, long operandType, long address) {
  mDb.AddRow("LdrElmsOprs", {{"ElmntID", element},
                             {"OprndInIdx", slot},
                             {"OprndOutIdx", 0},
                             {"Elmnt_Oprnd_Type", operandType},
                             {"Elmnt_Oprnd_Adrs", address},
                             {"Elmnt_Oprnd_NetworkID", 0}});
}

void LadderBuilder::Output(long element, long slot, long operandType, long address) {
  mDb.AddRow("LdrElmsOprs", {{"ElmntID", element},
                             {"OprndInIdx", 0},
                             {"OprndOutIdx", slot},
                             {"Elmnt_Oprnd_Type", operandType},
                             {"Elmnt_Oprnd_Adrs", address},
                             {"Elmnt_Oprnd_NetworkID", 0}});
}

void LadderBuilder::Line(long strip, long x, long y, long dx, long dy) {
  mDb.AddRow("LdrElements", {{"StripID", strip},
                             {"ElmntType", dx > 0 ? 100 : 101},
                             {"Xs", x},
                             {"Ys", y},
                             {"Dx", dx},
                             {"Dy", dy},
                             {"LineFlowDirection", 0}});
}

void LadderBuilder::SetParam(long element, long moreParamsLng) {
  mDb.Execute("UPDATE LdrElements SET MoreParamsLng=? WHERE ElmntID=?", {moreParamsLng, element});
}

long LadderBuilder::Label(long funcID, long seqNum, const std::string& name) {
  mDb.Execute("UPDATE LdrStrips SET SeqNum=SeqNum+1000 WHERE FuncID=? AND SeqNum>=?", {funcID, seqNum});
  mDb.Execute("UPDATE LdrStrips SET SeqNum=SeqNum-999 WHERE FuncID=? AND SeqNum>1000", {funcID});
  return static_cast<long>(mDb.AddRow(
      "LdrStrips", {{"FuncID", funcID}, {"SeqNum", seqNum}, {"StrpType", 3}, {"Height", 1}, {"LblName", name}}));
}

long LadderBuilder::Subroutine(const std::string& name) {
  const long funcID =
      static_cast<long>(mDb.AddRow("LdrFunctions", {{"MdlID", 1}, {"FuncName", name}, {"FunctionType", 3}}));
  mDb.AddRow("LdrStrips", {{"FuncID", funcID}, {"SeqNum", 1}, {"StrpType", 1}, {"ShowNum", 1}, {"Height", 8}});
  const long returnStrip = static_cast<long>(mDb.AddRow(
      "LdrStrips", {{"FuncID", funcID}, {"SeqNum", 2}, {"StrpType", 1}, {"ShowNum", 2}, {"IsReturnStrip", -1}}));
  Element(returnStrip, 602, 0, 5, 29, 0);
  return funcID;
}

void LadderBuilder::PowerUp(long operandType, long address, double value) {
  mDb.Execute("INSERT OR REPLACE INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndPowerUp, "
              "OprndEnablePowerUp) VALUES (?, ?, 0, ?, -1)",
              {operandType, address, value});
}

} // namespace ldr::test

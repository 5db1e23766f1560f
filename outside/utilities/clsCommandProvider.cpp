#include "outside/utilities/clsCommandProvider.h"

namespace ldr {

const std::string clsCommandProvider::kElementsSql =
    "SELECT * FROM LdrElements WHERE StripID=:StripID ORDER BY ElmntID";

// A left join: a slot whose operand is missing from the operand list still
// loads, with an empty description.
const std::string clsCommandProvider::kOperandsSql =
    "SELECT LdrElmsOprs.ElmntID, LdrElmsOprs.OprndInIdx, LdrElmsOprs.OprndOutIdx, "
    "LdrElmsOprs.Elmnt_Oprnd_Type, LdrElmsOprs.Elmnt_Oprnd_Adrs, LdrElmsOprs.Elmnt_Oprnd_NetworkID, "
    "LdrOperands.OprndDescription, LdrOperands.OprndPowerUp, LdrOperands.OprndEnablePowerUp "
    "FROM (LdrElements INNER JOIN LdrElmsOprs ON LdrElements.ElmntID = LdrElmsOprs.ElmntID) "
    "LEFT JOIN LdrOperands ON LdrOperands.OprndType = LdrElmsOprs.Elmnt_Oprnd_Type "
    "AND LdrOperands.OprndAddress = LdrElmsOprs.Elmnt_Oprnd_Adrs "
    "AND LdrOperands.NetworkID = LdrElmsOprs.Elmnt_Oprnd_NetworkID "
    "WHERE LdrElements.StripID=:StripID "
    "ORDER BY LdrElmsOprs.ElmntID, LdrElmsOprs.OprndOutIdx, LdrElmsOprs.OprndInIdx";

clsCommandProvider::clsCommandProvider(std::shared_ptr<itfConnectionProvider> connections,
                                       std::shared_ptr<itfDownloadUnitSwitch> downloadUnits)
    : mConnections(std::move(connections)), mDownloadUnits(std::move(downloadUnits)) {}

std::string clsCommandProvider::StripUpdateSql(bool withRiseFallElementInfo) {
  std::string sql = "UPDATE LdrStrips SET JunctionsInfo=:JunctionsInfo, ProblemsInfo=:ProblemsInfo, "
                    "StlViewInfo=:StlViewInfo, TokensInfo=:TokensInfo, JumpsInfo=:JumpsInfo, "
                    "TokensAmount=:TokensAmount, CompileDirtyBit=:CompileDirtyBit, ProblemsType=:ProblemsType, "
                    "RiseFallInfo=:RiseFallInfo";
  if (withRiseFallElementInfo) sql += ", RiseFallElementInfo=:RiseFallElementInfo";
  return sql + " WHERE StripID=:StripID";
}

db::Statement clsCommandProvider::ElementsCommand() { return mConnections->Connection()->Prepare(kElementsSql); }

db::Statement clsCommandProvider::OperandsCommand() { return mConnections->Connection()->Prepare(kOperandsSql); }

db::Statement clsCommandProvider::StripUpdateCommand() {
  return mConnections->Connection()->Prepare(StripUpdateSql(mDownloadUnits->IsOn()));
}

} // namespace ldr

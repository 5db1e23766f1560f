#include "outside/utilities/ProjectCommandProvider.h"

namespace ldr {

const std::string ProjectCommandProvider::kElementsSql =
    "SELECT * FROM LdrElements WHERE StripID=:StripID ORDER BY ElmntID";

// A left join: a slot whose operand is missing from the operand list still
// loads, with an empty description.
const std::string ProjectCommandProvider::kOperandsSql =
    "SELECT LdrElmsOprs.ElmntID, LdrElmsOprs.OprndInIdx, LdrElmsOprs.OprndOutIdx, "
    "LdrElmsOprs.Elmnt_Oprnd_Type, LdrElmsOprs.Elmnt_Oprnd_Adrs, LdrElmsOprs.Elmnt_Oprnd_NetworkID, "
    "LdrOperands.OprndDescription, LdrOperands.OprndPowerUp, LdrOperands.OprndEnablePowerUp "
    "FROM (LdrElements INNER JOIN LdrElmsOprs ON LdrElements.ElmntID = LdrElmsOprs.ElmntID) "
    "LEFT JOIN LdrOperands ON LdrOperands.OprndType = LdrElmsOprs.Elmnt_Oprnd_Type "
    "AND LdrOperands.OprndAddress = LdrElmsOprs.Elmnt_Oprnd_Adrs "
    "AND LdrOperands.NetworkID = LdrElmsOprs.Elmnt_Oprnd_NetworkID "
    "WHERE LdrElements.StripID=:StripID "
    "ORDER BY LdrElmsOprs.ElmntID, LdrElmsOprs.OprndOutIdx, LdrElmsOprs.OprndInIdx";

ProjectCommandProvider::ProjectCommandProvider(std::shared_ptr<ConnectionProvider> connections,
                                               std::shared_ptr<DownloadUnitSwitch> downloadUnits)
    : mConnections(std::move(connections)), mDownloadUnits(std::move(downloadUnits)) {}

std::string ProjectCommandProvider::StripUpdateSql(bool withRiseFallElementInfo) {
  std::string sql = "UPDATE LdrStrips SET JunctionsInfo=:JunctionsInfo, ProblemsInfo=:ProblemsInfo, "
                    "StlViewInfo=:StlViewInfo, TokensInfo=:TokensInfo, JumpsInfo=:JumpsInfo, "
                    "TokensAmount=:TokensAmount, CompileDirtyBit=:CompileDirtyBit, ProblemsType=:ProblemsType, "
                    "RiseFallInfo=:RiseFallInfo";
  if (withRiseFallElementInfo) sql += ", RiseFallElementInfo=:RiseFallElementInfo";
  return sql + " WHERE StripID=:StripID";
}

db::Statement ProjectCommandProvider::ElementsCommand() { return mConnections->Connection()->Prepare(kElementsSql); }

db::Statement ProjectCommandProvider::OperandsCommand() { return mConnections->Connection()->Prepare(kOperandsSql); }

db::Statement ProjectCommandProvider::StripUpdateCommand() {
  return mConnections->Connection()->Prepare(StripUpdateSql(mDownloadUnits->IsOn()));
}

} // namespace ldr

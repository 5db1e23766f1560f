#include "outside/operands/OperandList.h"

#include "outside/operands/Operand.h"
#include "outside/operands/OperandTypeCatalogue.h"
#include "platform/database/Transaction.h"

namespace ldr {

namespace {

const char* const kKeyCondition = "OprndType=? AND OprndAddress=? AND NetworkID=?";

db::Params KeyParams(const OperandKey& key) { return {key.Type, key.Address, key.NetworkID}; }

} // namespace

OperandList::OperandList(std::shared_ptr<db::Connection> project) : mProject(std::move(project)) {}

bool OperandList::Exists(const OperandKey& key) {
  return mProject->QueryValue(std::string("SELECT COUNT(*) FROM LdrOperands WHERE ") + kKeyCondition, KeyParams(key))
             .AsLong() > 0;
}

std::optional<OperandListRow> OperandList::Read(const OperandKey& key) {
  auto rs = mProject->Query(
      std::string("SELECT OprndDescription, OprndPowerUp, OprndEnablePowerUp FROM LdrOperands WHERE ") + kKeyCondition,
      KeyParams(key));
  if (rs.IsEOF()) return std::nullopt;
  return OperandListRow{key, rs.Field(0).AsText(), rs.Field(1).AsDouble(), rs.Field(2).AsBool()};
}

bool OperandList::Register(const OperandKey& key, const std::string& description, double powerUp, bool enablePowerUp) {
  return mProject->Execute("INSERT INTO LdrOperands (OprndType, OprndAddress, NetworkID, OprndDescription, "
                           "OprndPowerUp, OprndEnablePowerUp) SELECT ?, ?, ?, ?, ?, ? WHERE NOT EXISTS "
                           "(SELECT 1 FROM LdrOperands WHERE " +
                               std::string(kKeyCondition) + ")",
                           {key.Type, key.Address, key.NetworkID, description, powerUp, enablePowerUp, key.Type,
                            key.Address, key.NetworkID}) > 0;
}

bool OperandList::Register(const Operand& operand) {
  if (operand.OprndType() == eOT_None || operand.IsFixed()) return false;
  std::string description = operand.Description();
  if (OperandTypeCatalogue::IsReference(operand.OprndType()) && operand.Address() != kMissingReferenceAddress) {
    const std::string target = ReferenceTargetName(operand.OprndType(), operand.Address());
    if (!target.empty()) description = target;
  }
  return Register(operand.Key(), description, operand.PowerUp(), operand.EnablePowerUp());
}

bool OperandList::SetDescription(const OperandKey& key, const std::string& description) {
  db::Params params = {description};
  for (auto& value : KeyParams(key)) params.push_back(value);
  return mProject->Execute(std::string("UPDATE LdrOperands SET OprndDescription=? WHERE ") + kKeyCondition, params) > 0;
}

bool OperandList::SetPowerUp(const OperandKey& key, double value) {
  db::Params params = {value};
  for (auto& v : KeyParams(key)) params.push_back(v);
  return mProject->Execute(std::string("UPDATE LdrOperands SET OprndPowerUp=? WHERE ") + kKeyCondition, params) > 0;
}

bool OperandList::HasReference(const OperandKey& key) {
  return mProject
             ->QueryValue("SELECT COUNT(*) FROM LdrElmsOprs WHERE Elmnt_Oprnd_Type=? AND Elmnt_Oprnd_Adrs=? "
                          "AND Elmnt_Oprnd_NetworkID=?",
                          KeyParams(key))
             .AsLong() > 0;
}

std::string OperandList::ReferenceTargetName(long type, long address) {
  switch (type) {
  case eOT_Label:
    return mProject->QueryValue("SELECT LblName FROM LdrStrips WHERE StripID=? AND StrpType=3", {address}).AsText();
  case eOT_Display:
    return mProject->QueryValue("SELECT Description FROM Pages WHERE Id=?", {address}).AsText();
  case eOT_Subroutine:
    return mProject->QueryValue("SELECT FuncName FROM LdrFunctions WHERE FuncID=?", {address}).AsText();
  default:
    return {};
  }
}

bool OperandList::ReferenceTargetExists(long type, long address, long scopeFuncID) {
  switch (type) {
  case eOT_Label:
    if (scopeFuncID > 0)
      return mProject
                 ->QueryValue("SELECT COUNT(*) FROM LdrStrips WHERE StripID=? AND StrpType=3 AND FuncID=?",
                              {address, scopeFuncID})
                 .AsLong() > 0;
    return mProject->QueryValue("SELECT COUNT(*) FROM LdrStrips WHERE StripID=? AND StrpType=3", {address}).AsLong() >
           0;
  case eOT_Display:
    return mProject->QueryValue("SELECT COUNT(*) FROM Pages WHERE Id=?", {address}).AsLong() > 0;
  case eOT_Subroutine:
    return mProject->QueryValue("SELECT COUNT(*) FROM LdrFunctions WHERE FuncID=?", {address}).AsLong() > 0;
  default:
    return false;
  }
}

long OperandList::AllocateConstant(long type, double value, const std::string& description) {
  db::Transaction transaction(*mProject);
  const long highest =
      mProject->QueryValue("SELECT MAX(OprndAddress) FROM LdrOperands WHERE OprndType IN (15,34,35,37,38)").AsLong(0);
  const long address = (highest < 0 ? 0 : highest) + 1;
  Register({type, address, 0}, description, value, false);
  transaction.Commit();
  return address;
}

void OperandList::ReRegisterConstant(Operand& operand) {
  const long type = operand.OprndType();
  if (!OperandTypeCatalogue::IsConstant(type) && !OperandTypeCatalogue::IsNamedConstant(type)) return;
  const auto row = Read(operand.Key());
  const double value = row ? row->PowerUp : operand.PowerUp();
  const std::string description = row ? row->Description : operand.Description();
  operand.SetAddress(AllocateConstant(type, value, description));
  operand.SetNetworkID(0);
  operand.SetPowerUp(value);
  operand.SetDescription(description);
}

} // namespace ldr

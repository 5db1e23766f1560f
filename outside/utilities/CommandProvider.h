#pragma once
// Prepared parameterised commands on the project database.
//
// The elements and operands commands of a net take the named parameter
// ":StripID" (kStripIDParameter). The strip-update command takes one named
// parameter per column (":JunctionsInfo", ":ProblemsInfo", ":StlViewInfo",
// ":TokensInfo", ":JumpsInfo", ":TokensAmount", ":CompileDirtyBit",
// ":ProblemsType", ":RiseFallInfo", ":RiseFallElementInfo" when the
// download-unit switch is on, and ":StripID").

#include "platform/database/Statement.h"

namespace ldr {

class CommandProvider {
public:
  static constexpr const char* kStripIDParameter = ":StripID";

  virtual ~CommandProvider() = default;

  // Every LdrElements row of the net, in the order the net holds them.
  virtual db::Statement ElementsCommand() = 0;
  // Every LdrElmsOprs row of the net's elements with the operand-list columns
  // (OprndDescription, OprndPowerUp, OprndEnablePowerUp; Null when the
  // operand has no LdrOperands row), by element, inputs before outputs, each
  // by slot.
  virtual db::Statement OperandsCommand() = 0;
  // The update of one net's compiler results.
  virtual db::Statement StripUpdateCommand() = 0;
  // Whether StripUpdateCommand carries ":RiseFallElementInfo".
  virtual bool StripUpdateHasRiseFallElementInfo() = 0;
};

} // namespace ldr

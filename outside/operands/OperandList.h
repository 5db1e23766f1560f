#pragma once
// The operand list (LdrOperands): one row per operand used in the project,
// keyed by (type, address, network). Rows are added when missing and never
// duplicated; descriptions are always bound values.

#include "outside/utilities/OperandValues.h"
#include "platform/database/Connection.h"

#include <memory>
#include <optional>
#include <string>

namespace ldr {

class Operand;

struct OperandListRow {
  OperandKey Key;
  std::string Description;
  double PowerUp = 0.0;
  bool EnablePowerUp = false;
};

class OperandList {
public:
  explicit OperandList(std::shared_ptr<db::Connection> project);

  bool Exists(const OperandKey& key);
  std::optional<OperandListRow> Read(const OperandKey& key);
  // Adds the row when the operand has none; true when a row was added. An
  // existing row keeps its description and values.
  bool Register(const OperandKey& key, const std::string& description, double powerUp = 0.0,
                bool enablePowerUp = false);
  // Registers the operand a slot holds: references are described by their
  // target's current name. Slots without an operand (type 0) and fixed slots
  // are not registered.
  bool Register(const Operand& operand);
  // Sets the description of an existing row; false when there is no row.
  bool SetDescription(const OperandKey& key, const std::string& description);
  bool SetPowerUp(const OperandKey& key, double value);
  // Whether any element slot uses the operand.
  bool HasReference(const OperandKey& key);

  // The name of a reference's target (label name, display description,
  // subroutine name); empty when the target does not exist.
  std::string ReferenceTargetName(long type, long address);
  bool ReferenceTargetExists(long type, long address, long scopeFuncID = 0);

  // A new constant: the next free constant address (above every address of
  // the types 15, 34, 35, 37, 38), its row holding the value. Returns the
  // address.
  long AllocateConstant(long type, double value, const std::string& description = {});
  // Gives a copied constant operand its own new address with the same value
  // and description.
  void ReRegisterConstant(Operand& operand);

private:
  std::shared_ptr<db::Connection> mProject;
};

} // namespace ldr

#pragma once
// The parameter object of a utility or function-block element: it makes the
// element's operands, hands out its operand collections, texts, instance
// number and box size, keeps its parameter block (MoreParamsBin, layout in
// ParamsBlock.h) and lets the user configure it.

#include "platform/database/DbValue.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ldr {

class Operand;
class DialogService;
class MessageService;

using OperandCollection = std::vector<std::shared_ptr<Operand>>;

// Box size in grid units.
struct BoxExtent {
  long Width = 0;
  long Height = 0;
  bool operator==(const BoxExtent&) const = default;
};

class ParamsObject {
public:
  virtual ~ParamsObject() = default;

  virtual long ElementType() const = 0;
  // (Re)creates the input and output operands as empty new slots.
  virtual void CreateOperands() = 0;
  virtual const OperandCollection& InputOperands() const = 0;
  virtual const OperandCollection& OutputOperands() const = 0;
  // The operands held inside the parameter block (searches find them through
  // their LdrElmsOprs rows with slot 230 and up).
  virtual const OperandCollection& FindOnlyOperands() const = 0;

  // [0] the tool tip, [1] the title, [2] a description.
  virtual std::vector<std::string> Texts() const = 0;
  virtual long InstanceNumber() const = 0;
  virtual void SetInstanceNumber(long instance) = 0;
  virtual BoxExtent BoxSize() const = 0;
  virtual bool IsEnableInEnableOut() const = 0;
  virtual const std::vector<std::int32_t>& Values() const = 0;

  virtual db::Blob MoreParamsBin() const = 0;
  // Takes a stored block; a damaged one throws std::invalid_argument and
  // changes nothing.
  virtual void SetMoreParamsBin(const db::Blob& bytes) = 0;

  // Opens the configuration for the user; false when the user cancelled, and
  // then nothing has changed.
  virtual bool Configure(DialogService& dialogs, MessageService& messages) = 0;
  // Whether the element may stand at `column` of its net; a refusal shows
  // `refusalText`.
  virtual bool CheckPlacement(long column, const std::string& refusalText, MessageService& messages) = 0;
};

} // namespace ldr

#pragma once
// Everything a user answers in a dialog passes through here: operands, file
// names, passwords, label names and element configurations. Every question
// returns nothing when the user cancels.

#include "outside/utilities/OperandValues.h"

#include <optional>
#include <string>
#include <vector>

namespace ldr {

struct OperandRequest {
  std::string Prompt;                 // the default text of the slot
  std::vector<AcceptedType> Accepted; // empty: any type
  OperandEntry Current;               // what the slot holds now
  long ElementType = 0;
  bool IsInput = true;
  long Slot = 0;
  std::string Problem; // why the previous entry was refused, else empty
};

enum class FileDialog { Open, Save };

class DialogService {
public:
  virtual ~DialogService() = default;
  virtual std::optional<OperandEntry> AskOperand(const OperandRequest& request) = 0;
  // `extension` without the dot ("dnq"); `proposed` is the name offered.
  virtual std::optional<std::string> AskFileName(FileDialog kind, const std::string& extension,
                                                 const std::string& proposed) = 0;
  virtual std::optional<std::string> AskPassword(const std::string& prompt) = 0;
  virtual std::optional<std::string> AskLabelName(const std::string& current) = 0;
  // The settings of an element's parameter block, as text (ShapedParamsObject
  // reads comma-separated whole numbers).
  virtual std::optional<std::string> AskConfiguration(long elementType, const std::string& current) = 0;
};

} // namespace ldr

#pragma once
// What the editor knows about each element type, one row per member of the
// type list (interfaces/ElementTypeList.h): family, title, tool, palette
// place, keyboard tool, operand rows and pictures.

#include "interfaces/ElementDefs.h"
#include "interfaces/enElementType.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace ldr {

struct ElementTypeRow {
  enElementType Type;
  std::string_view Name;
  enElementFamilyType Family;
  // As stored: a few titles carry blanks that the readers remove.
  std::string_view Title;
  std::string_view Tool;
  std::int32_t PaletteRank;
  bool KeyboardTool;
  std::int32_t OperandRows;
  std::string_view Picture;
  std::string_view Button;
  std::string_view ConvertTool;
  // The special tool that switches a box of the family to this type.
  std::string_view SwitchTool;
};

class ElementTypeTable {
public:
  // Every row in catalogue order.
  static std::span<const ElementTypeRow> Rows();
  // The row of a type; nothing for numbers the type list does not name.
  static const ElementTypeRow* Find(std::int32_t elementType);
  // The row whose convert tool is `toolID`; nothing for any other ID.
  static const ElementTypeRow* FindConvertTool(std::string_view toolID);
  // The row of `family` whose switch tool is `toolID`; nothing for any other ID.
  static const ElementTypeRow* FindSwitchTool(std::string_view toolID, enElementFamilyType family);
  static bool IsFunctionBlock(std::int32_t elementType) {
    return elementType >= eET_FunctionBlockFirst && elementType <= eET_FunctionBlockLast;
  }
};

} // namespace ldr

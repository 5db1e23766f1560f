#include "exchange/plcopen/PlcopenElementMap.h"

#include "elements/ElementTypeTable.h"

namespace ldr::plcopen {

namespace {

constexpr long kFunctionBlockFirst = 100000;
constexpr long kFunctionBlockLast = 999999;

LdMapping Simple(LdConstruct construct, bool negated = false, const char* edge = "none", const char* storage = "none") {
  LdMapping mapping;
  mapping.Construct = construct;
  mapping.Negated = negated;
  mapping.Edge = edge;
  mapping.Storage = storage;
  mapping.Width = 6;
  return mapping;
}

LdMapping Block(LdConstruct construct, std::string typeName, long width, long height) {
  LdMapping mapping;
  mapping.Construct = construct;
  mapping.TypeName = std::move(typeName);
  mapping.Width = width;
  mapping.Height = height;
  return mapping;
}

LdMapping Contact(long type) {
  switch (type % 4) { // 200-203 and 208-211 in the same order
  case 1:
    return Simple(LdConstruct::Contact, true);
  case 2:
    return Simple(LdConstruct::Contact, false, "rising");
  case 3:
    return Simple(LdConstruct::Contact, false, "falling");
  default:
    return Simple(LdConstruct::Contact);
  }
}

LdMapping SimpleElement(long type) {
  switch (type) {
  case 204:
    return Simple(LdConstruct::Coil);
  case 205:
    return Simple(LdConstruct::Coil, true);
  case 206:
    return Simple(LdConstruct::Coil, false, "none", "set");
  case 207:
    return Simple(LdConstruct::Coil, false, "none", "reset");
  case 212:
    return Block(LdConstruct::Vendor, PlcopenElementMap::VendorTypeName(type), 6, 1);
  case 213: {
    auto mapping = Block(LdConstruct::Function, "MOVE", 6, 1);
    mapping.FixedInput = "0";
    return mapping;
  }
  default:
    return Contact(type);
  }
}

LdMapping CompareElement(long type) {
  static const char* const kNames[] = {"GT", "GE", "EQ", "NE", "LE", "LT"};
  return Block(LdConstruct::Compare, kNames[type - 300], 13, 9);
}

LdMapping MathElement(long type) {
  static const char* const kNames[] = {"SUB", "DIV", "AND", "OR", "XOR", "ADD", "MUL", "MOD"};
  return Block(LdConstruct::Function, kNames[type - 400], 19, 9);
}

LdMapping NxOneElement(long type) {
  static const long kHeights[] = {9, 13, 16, 20, 23, 27, 30}; // by the number of inputs, 2 to 8
  const long inputs = type % 10 + 2;
  const long height = inputs >= 2 && inputs <= 8 ? kHeights[inputs - 2] : 9;
  const long operation = (type - 501) / 10;
  if (operation == 0) return Block(LdConstruct::Function, "ADD", 19, height);
  if (operation == 1) return Block(LdConstruct::Function, "MUL", 19, height);
  return Block(LdConstruct::Vendor, operation == 2 ? "LDR_SubNx1" : "LDR_DivNx1", 19, height);
}

LdMapping JumpElement(long type) {
  switch (type) {
  case 600:
    return Simple(LdConstruct::Jump);
  case 601: {
    auto mapping = Simple(LdConstruct::Call);
    return mapping;
  }
  case 602:
    return Simple(LdConstruct::Return);
  default:
    return Block(LdConstruct::Vendor, PlcopenElementMap::VendorTypeName(type), 6, 1);
  }
}

LdMapping CountingElement(long type) {
  auto mapping = Block(LdConstruct::Function, type == 1500 ? "ADD" : "SUB", 13, 6);
  mapping.FixedInput = "1";
  mapping.OutputIsFirstInput = true;
  return mapping;
}

// Vendor blocks whose width the element family fixes; 0 for the boxes whose
// width is found from the wiring.
long VendorWidth(long type) {
  if (type >= 900 && type <= 1103) return 19;
  if (type >= 1901 && type <= 1906) return 13;
  return 0;
}

long VendorHeight(long type) {
  if (type >= 900 && type <= 1103) return 6;
  if (type >= 1901 && type <= 1906) return 9;
  return 6;
}

} // namespace

LdMapping PlcopenElementMap::Find(long type) {
  if (type >= 100 && type <= 102) return Simple(LdConstruct::Wire);
  if (type >= kFunctionBlockFirst && type <= kFunctionBlockLast)
    return Block(LdConstruct::Vendor, VendorTypeName(type), 0, 6);
  const auto* row = ElementTypeTable::Find(static_cast<std::int32_t>(type));
  if (!row || type == 0) return {};
  if (type >= 200 && type <= 213) return SimpleElement(type);
  if (type >= 300 && type <= 305) return CompareElement(type);
  if (type >= 400 && type <= 407) return MathElement(type);
  if (type >= 501 && type <= 536 && type % 10 != 0) return NxOneElement(type);
  if (type >= 600 && type <= 603) return JumpElement(type);
  if (type == 900) return Block(LdConstruct::Function, "MOVE", 19, 6);
  if (type == 1500 || type == 1501) return CountingElement(type);
  if (type == 1701) {
    auto mapping = Block(LdConstruct::Compare, "GE", 13, 13);
    mapping.InRange = true;
    return mapping;
  }
  return Block(LdConstruct::Vendor, VendorTypeName(type), VendorWidth(type), VendorHeight(type));
}

std::string PlcopenElementMap::VendorTypeName(long type) {
  if (type >= kFunctionBlockFirst && type <= kFunctionBlockLast) return "LDR_FB_" + std::to_string(type);
  const auto* row = ElementTypeTable::Find(static_cast<std::int32_t>(type));
  if (!row) return "LDR_" + std::to_string(type);
  std::string name(row->Name);
  if (name.rfind("eET_", 0) == 0) name = name.substr(4);
  return "LDR_" + name;
}

} // namespace ldr::plcopen

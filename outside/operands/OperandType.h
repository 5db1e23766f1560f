#pragma once
// The operand types, by the number stored in Elmnt_Oprnd_Type and
// LdrOperands.OprndType. OperandTypeCatalogue gives their groups, short
// names and address limits.

namespace ldr {

enum OperandType : long {
  eOT_None = 0,
  // Controller memory and I/O (group 1).
  eOT_MB = 1,   // memory bit
  eOT_SB = 2,   // system bit
  eOT_MI = 3,   // memory integer
  eOT_SI = 4,   // system integer
  eOT_ML = 5,   // memory long
  eOT_SL = 6,   // system long
  eOT_MF = 7,   // memory float
  eOT_SF = 8,   // system float
  eOT_I = 9,    // input
  eOT_O = 10,   // output
  eOT_T = 11,   // timer
  eOT_C = 12,   // counter
  eOT_DW = 16,  // double word
  eOT_SDW = 36, // system double word
  // Extended memory, usable when the project allows it (group 1).
  eOT_XB = 64,
  eOT_XI = 65,
  eOT_XL = 66,
  eOT_XDW = 67,
  // One bit of an integer (group 3): address = integer address * 16 + bit.
  eOT_MIB = 26,
  eOT_SIB = 27,
  // References (groups 4, 5, 6): the address is the target's key.
  eOT_Label = 29,      // LdrStrips.StripID of a label strip
  eOT_Display = 30,    // Pages.Id
  eOT_Subroutine = 31, // LdrFunctions.FuncID
  // Constants (group 2): the value is the operand list's power-up value, the
  // address a number the operand list assigns.
  eOT_ConstInt = 15,
  eOT_ConstLong = 37,
  eOT_ConstFloat = 38,
  // Named constants (group 7): constants with a name as description.
  eOT_NamedConstInt = 34,
  eOT_NamedConstLong = 35,
};

enum OperandGroup : long {
  eOG_Data = 1,
  eOG_Constant = 2,
  eOG_BitOfWord = 3,
  eOG_Label = 4,
  eOG_Display = 5,
  eOG_Subroutine = 6,
  eOG_NamedConstant = 7,
};

} // namespace ldr

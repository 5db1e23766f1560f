#pragma once
// The kinds of parameter objects of the communication boxes (1400 to 1427)
// and of the second utility set (1601 to 1699, 1801 to 1830 and 1268): one
// row per type or group of types, saying which fields the parameter block
// holds, how many input and output pins the box has and how large it is.
//
// MoreParamsBin of every kind (the table in ParamsKind.cpp is the field list;
// this is the one place the layout is written down):
//
//   the parameter-block envelope of ParamsBlock.h (tag "LPRM", envelope
//   version 1, little-endian), filled as follows:
//     element type     the box's own type
//     instance number  0
//     setting values   the kind's Number and Port fields, in table order,
//                      int32 each
//     inner operands   the kind's Operand fields, in table order, at slots
//                      230, 231, ... (their LdrElmsOprs rows carry the same
//                      slot as OprndInIdx and OprndOutIdx)
//     extra data       byte 0: the kind's layout version (1 to 255); then the
//                      kind's Text fields, in table order, each a uint32
//                      length and that many bytes (at most kMaxTextBytes)
//
//   A block of layout version N holds exactly the fields whose `Since` is N
//   or less; a reader of a later version gives the newer fields their
//   defaults. Fields are only ever added at the end of a kind's list.
//
// Because every kind travels in the same envelope, the operations by name
// ("AddOffsetToAllConstsOperands", "ReplaceFindOnlyOperand") work on all of
// them without knowing the kind.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace ldr {

enum class ParamsFieldKind { Number, Port, Text, Operand };

struct ParamsField {
  std::string_view Name; // the key in the configuration text ("port")
  ParamsFieldKind Kind;
  std::string_view Label; // what the dialog and the tool tip call it
  std::int32_t Default = 0;
  std::int32_t Min = 0;
  std::int32_t Max = 0;
  std::uint8_t Since = 1; // the layout version that added the field
  std::string_view DefaultText = {};
};

struct TypeRange {
  long First;
  long Last;
};

struct ParamsKind {
  std::string_view Name;
  std::span<const TypeRange> Types;
  std::int32_t Inputs;
  std::int32_t Outputs;
  std::span<const ParamsField> Fields;
  std::uint8_t Version; // the layout version written
  long BoxWidth;        // grid columns
  std::string_view Description;
  // What the pins take, inputs first ("Angle"); the operand dialog asks
  // "Select <name> Operand". Without names: "Select Operand A", ... and
  // "Select Result Operand".
  std::span<const std::string_view> PinNames = {};
};

class ParamsKinds {
public:
  static constexpr std::size_t kMaxTextBytes = 255;

  static std::span<const ParamsKind> All();
  // The kind of a type of the two sets; nothing for any other type.
  static const ParamsKind* Find(long elementType);
  static bool Contains(const ParamsKind& kind, long elementType);
  // The operand prompt of pin `slot` (1, 2, ...) of a kind.
  static std::string PinPrompt(const ParamsKind& kind, bool isInput, long slot);
  static bool IsValueField(const ParamsField& field) {
    return field.Kind == ParamsFieldKind::Number || field.Kind == ParamsFieldKind::Port;
  }
};

} // namespace ldr

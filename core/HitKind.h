#pragma once
// What a hit test found: field 1 of the hit record (HitRecord::HitKind).
// Strips answer for their zones, elements for their own parts; the two sets
// share numbers, as a net's element hit is read from the element's record.

#include <cstdint>

namespace ldr {

enum HitKind : std::int32_t {
  eHK_Nothing = 0,

  // --- strips ---
  eHK_Header = 1,   // the left zone (a net's header rows, a comment's icon, a label's ground)
  eHK_Element = 3,  // an element of a net, in the select work mode
  eHK_Body = 4,     // a net's edit zone otherwise, a comment's text, a label's comment
  eHK_NameBox = 5,  // a label's name box
  eHK_Resizer = 6,  // the resize handle at the bottom of a net's or comment's left zone
  eHK_Collapse = 7, // a net's collapse button (its top two rows)

  // --- elements ---
  eHK_ElementBody = 1,
  eHK_ElementOperand = 2,
  eHK_ElementOther = 3,
};

} // namespace ldr

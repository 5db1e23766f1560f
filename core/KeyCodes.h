#pragma once
// The key codes the editor's keyboard handling receives from its host, and
// the modifier bits that come with them.

#include <cstdint>

namespace ldr {

enum KeyCode : std::int32_t {
  eKey_Tab = 9,
  eKey_Enter = 13,
  eKey_Escape = 27,
  eKey_PageUp = 33,
  eKey_PageDown = 34,
  eKey_End = 35,
  eKey_Home = 36,
  eKey_Left = 37,
  eKey_Up = 38,
  eKey_Right = 39,
  eKey_Down = 40,
  eKey_Insert = 45,
  eKey_Delete = 46,
  eKey_C = 67,
  eKey_V = 86,
  eKey_X = 88,
  eKey_F3 = 114,
  eKey_F4 = 115,
  eKey_F5 = 116,
  eKey_F6 = 117,
  eKey_F7 = 118,
  eKey_F8 = 119,
};

// Modifier bits of a key or mouse event (field 4 of the hit record).
enum KeyModifier : std::int32_t {
  eKM_Shift = 1,
  eKM_Ctrl = 2,
  eKM_Alt = 4,
};

} // namespace ldr

#pragma once
// What a net needs of the keyboard operand-selection service: a key offered
// to the net while one of its operands is selected goes on to the service
// with the net's elements and the net itself.

#include "core/KeyedCollection.h"

#include <cstdint>

namespace ldr {

class itfLdrElement;
class itfStrip;

class OperandsKeyHandler {
public:
  virtual ~OperandsKeyHandler() = default;

  virtual void KeyPress(std::int32_t KeyCode, KeyedCollection<itfLdrElement>& Elements, itfStrip& Strip) = 0;
};

} // namespace ldr

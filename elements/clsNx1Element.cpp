#include "elements/clsNx1Element.h"

#include <algorithm>
#include <array>

namespace ldr {
namespace {

constexpr std::int32_t kMinInputs = 2;
constexpr std::int32_t kMaxInputs = 8;
constexpr std::array<std::int32_t, kMaxInputs - kMinInputs + 1> kHeights = {9, 13, 16, 20, 23, 27, 30};
constexpr std::array<const char*, 4> kOperations = {"ADD", "MUL", "SUB", "DIV"};

} // namespace

std::int32_t clsNx1Element::InputsOf(std::int32_t elementType) {
  return std::clamp(elementType % 10 + kMinInputs, kMinInputs, kMaxInputs);
}

std::int32_t clsNx1Element::HeightFor(std::int32_t inputs) {
  return kHeights[static_cast<std::size_t>(std::clamp(inputs, kMinInputs, kMaxInputs) - kMinInputs)];
}

std::string clsNx1Element::Title() {
  const std::int32_t operation = (mClassType - eET_Add2x1) / 10;
  if (operation < 0 || operation >= static_cast<std::int32_t>(kOperations.size())) return {};
  return kOperations[static_cast<std::size_t>(operation)];
}

BoxElement::BoxFrame clsNx1Element::Frame() const { return {98, 168, kPinPitch * InputCount() + kPinStub, 159}; }

std::string clsNx1Element::ToolTipText() {
  const std::int32_t inputs = InputCount();
  const std::string operation = " " + Title() + " ";
  if (inputs == kMinInputs) return "C = A" + operation + "B";
  return Letter(inputs + 1) + " = " + operation + "A.." + Letter(inputs);
}

} // namespace ldr

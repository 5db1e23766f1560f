#include "elements/UtilityBox.h"

#include "elements/ElementPictures.h"
#include "elements/clsNx1Element.h"

#include <algorithm>

namespace ldr {
namespace {

constexpr int kLeft = 98;
constexpr int kRight = 183;
constexpr int kSmallBoxBottom = 106;
// Damaged operand rows may name any slot: pins stay within this many rows.
constexpr std::int32_t kLastPinSlot = 64;

} // namespace

std::int32_t UtilityBox::InputCount() const {
  const auto* look = Look();
  return look ? look->Inputs : 0;
}

std::int32_t UtilityBox::OutputCount() const {
  const auto* look = Look();
  return look ? look->Outputs : 0;
}

std::int32_t UtilityBox::Height() { return clsNx1Element::HeightFor(std::max({InputCount(), OutputCount(), 2})); }

BoxElement::BoxFrame UtilityBox::Frame() const {
  const std::int32_t rows = std::max(InputCount(), OutputCount());
  const int bottom = rows <= 2 ? kSmallBoxBottom : kPinPitch * rows + kPinStub;
  return {kLeft, kRight, bottom, kRight - 10};
}

int UtilityBox::PinY(bool, std::int32_t slot) const { return InputPinY(std::clamp(slot, 1, kLastPinSlot)); }

std::vector<BoxElement::BoxPin> UtilityBox::Pins() const {
  std::vector<BoxPin> pins;
  for (std::int32_t slot = 1; slot <= InputCount(); ++slot) pins.push_back({true, slot, PinY(true, slot), ""});
  for (std::int32_t slot = 1; slot <= OutputCount(); ++slot) pins.push_back({false, slot, PinY(false, slot), ""});
  return pins;
}

std::string UtilityBox::Title() {
  const auto* look = Look();
  return look ? std::string(look->Title) : std::string{};
}

std::string UtilityBox::PrintTitle() {
  const auto* look = Look();
  return look ? std::string(look->PrintTitle) : std::string{};
}

std::string UtilityBox::ToolTipText() {
  const auto* look = Look();
  return look ? std::string(look->ToolTip) : std::string{};
}

void UtilityBox::DrawInside(gdi::DeviceContext& hdc, const GdiResources* resources) {
  const auto* look = Look();
  if (!look || look->Picture.empty()) return;
  std::string name(look->Picture);
  if (resources && mIsSelected) name += "_SELECTED";
  DrawPicture(hdc, name, kPictureX, kPictureY);
}

} // namespace ldr

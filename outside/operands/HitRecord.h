#pragma once
// The hit record: ten 32-bit fields that a hit test fills, passed down from
// the function view through strips and elements to operands. Field numbers
// are 1-based:
//
//   1 HitKind      what was hit (its meaning belongs to whoever sets it:
//                  strip areas, 1 element body / 2 operand, ...)
//   2 X, 3 Y       the grid point (strips: board grid; elements: relative to
//                  the net's edit zone)
//   4 Shift        modifier bits of the event (1 Shift, 2 Ctrl, 4 Alt)
//   5 Button       1 left, 2 right
//   6 PixelX, 7 PixelY   the board pixel, as the bits of a 32-bit float
//   8 OperandPart  in an operand: 1 its name and address row, 2 its
//                  description row, 0 elsewhere
//   9 HorzSide     4 when the pixel lies left of the grid line it was
//                  rounded to, 3 when on or right of it
//  10 VertSide     2 when the pixel lies above its grid row line, 1 when on
//                  or below it

#include <bit>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace ldr {

struct HitRecord {
  static constexpr std::int32_t kLeftOfLine = 4;
  static constexpr std::int32_t kOnOrRightOfLine = 3;
  static constexpr std::int32_t kAboveLine = 2;
  static constexpr std::int32_t kOnOrBelowLine = 1;
  static constexpr int kPixelsPerGrid = 14;

  std::int32_t HitKind = 0;
  std::int32_t X = 0;
  std::int32_t Y = 0;
  std::int32_t Shift = 0;
  std::int32_t Button = 0;
  std::int32_t PixelXBits = 0;
  std::int32_t PixelYBits = 0;
  std::int32_t OperandPart = 0;
  std::int32_t HorzSide = 0;
  std::int32_t VertSide = 0;

  // Field n, 1 to 10.
  std::int32_t& Field(int n) {
    switch (n) {
    case 1:
      return HitKind;
    case 2:
      return X;
    case 3:
      return Y;
    case 4:
      return Shift;
    case 5:
      return Button;
    case 6:
      return PixelXBits;
    case 7:
      return PixelYBits;
    case 8:
      return OperandPart;
    case 9:
      return HorzSide;
    case 10:
      return VertSide;
    default:
      throw std::out_of_range("hit record: no field " + std::to_string(n));
    }
  }
  std::int32_t Field(int n) const { return const_cast<HitRecord*>(this)->Field(n); }

  float PixelX() const { return std::bit_cast<float>(PixelXBits); }
  float PixelY() const { return std::bit_cast<float>(PixelYBits); }

  // Pixel to grid: division by 14 rounded to the nearest integer, ties to even.
  static std::int32_t PixelToGrid(double pixel) {
    return static_cast<std::int32_t>(std::nearbyint(pixel / kPixelsPerGrid));
  }

  // A fresh record for a board pixel: grid point, side flags, button, shift.
  static HitRecord FromPixel(double pixelX, double pixelY, int button = 1, int shift = 0) {
    HitRecord hit;
    hit.X = PixelToGrid(pixelX);
    hit.Y = PixelToGrid(pixelY);
    hit.Shift = shift;
    hit.Button = button;
    hit.PixelXBits = std::bit_cast<std::int32_t>(static_cast<float>(pixelX));
    hit.PixelYBits = std::bit_cast<std::int32_t>(static_cast<float>(pixelY));
    hit.HorzSide = pixelX < hit.X * kPixelsPerGrid ? kLeftOfLine : kOnOrRightOfLine;
    hit.VertSide = pixelY < hit.Y * kPixelsPerGrid ? kAboveLine : kOnOrBelowLine;
    return hit;
  }

  bool operator==(const HitRecord&) const = default;
};

static_assert(sizeof(HitRecord) == 40, "the hit record is ten 32-bit fields");

} // namespace ldr

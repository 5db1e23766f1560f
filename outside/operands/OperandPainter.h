#pragma once
// How an operand looks and where it can be hit. Pixels and grid points are
// relative to the element's inlet (the rung runs along y = 0).
//
// Anchor "above the rung" (contacts, coils, jumps): the area is the element's
// cell, AreaWidth columns from OffsetX, in the rows OffsetY … -1 above the
// rung; in pixels x 14·OffsetX … 14·(OffsetX + AreaWidth), y 14·OffsetY - 7 …
// -7, right above the element's symbol band. The name and address sit at its
// bottom, centred; the description fills the rows above, centred and
// word-wrapped.
// Anchors "left of a pin" and "right of a pin" (box pins at grid point
// (OffsetX, OffsetY)): two rows ending one pixel above the pin line, AreaWidth
// columns wide on that side of the pin; the text is aligned towards the pin.
//
// The name is written in the ladder font (field 1), the description in the
// operand library's small font (field 2, filled by FillOperandResources; a
// small font is made when the field is empty). A selected or highlighted
// operand has the light-yellow background (field 7); a selected one also a
// focus rectangle around its name. A missing reference is written in red, an
// empty slot as "???". On line, the name carries the operand's value. A name
// too wide for the ladder font is written in a narrower one, and cut (ending
// in "~") only when even that is too wide.

#include "outside/operands/Operand.h"
#include "platform/drawing/DeviceContext.h"
#include "platform/drawing/Font.h"

#include <string>

namespace ldr {

struct GdiResources;
struct HitRecord;

struct OperandLayout {
  gdi::Rect Box;         // everything the operand draws lies inside
  gdi::Rect Name;        // the name and address line
  gdi::Rect Description; // the room left for the description
  unsigned TextFormat = 0;
};

class OperandPainter {
public:
  static constexpr gdi::COLORREF kTextColor = gdi::RGB(0, 0, 0);
  static constexpr gdi::COLORREF kMissingColor = gdi::RGB(255, 0, 0);
  static constexpr int kDescriptionFontHeight = 8;
  // A name too wide for the ladder font is written this high.
  static constexpr int kNarrowNameFontHeight = 10;
  static constexpr const char* kEmptySlotText = "???";
  // Ends a name cut to fit its area.
  static constexpr const char* kCutMark = "~";

  explicit OperandPainter(const Operand& operand) : mOperand(operand) {}

  // Draws on `hdc`; without resources (printing) the fonts are made here and
  // selection, highlight and on-line values are left out.
  void Draw(gdi::DeviceContext& hdc, const GdiResources* resources) const;
  bool HitTest(HitRecord& hit) const;

  // The boxes of the operand for a name line `nameHeight` pixels high.
  OperandLayout Layout(int nameHeight) const;
  // The name as drawn: "???" for an empty slot, the value appended on line.
  std::string NameText(bool withTestValue) const;

  // Fills the fields of the resources record that belong to the operand
  // library: field 2, the description font.
  static void FillOperandResources(GdiResources& resources);
  static gdi::Font DescriptionFont();
  // The fixed-pitch small face at `pixels` character height.
  static gdi::Font SmallFont(int pixels);
  // The ladder font as the drawer makes it, for printing.
  static gdi::Font LadderFont();
  // The longest start of `text` that is at most `maxChars` characters and
  // `width` pixels wide in the selected font.
  // The name as it fits `width` pixels: as it is in the selected font, else
  // in the narrow font (selected then), else cut and ending in "~".
  static std::string FitName(gdi::DeviceContext& hdc, const std::string& name, int width);
  static std::string FitText(const gdi::DeviceContext& hdc, const std::string& text, int width, int maxChars);

private:
  void DrawName(gdi::DeviceContext& hdc, const OperandLayout& layout, bool online) const;
  void DrawDescription(gdi::DeviceContext& hdc, const OperandLayout& layout, const gdi::Font& font) const;
  bool ShowsDescription() const;

  const Operand& mOperand;
};

} // namespace ldr

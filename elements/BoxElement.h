#pragma once
// What the box elements share (compare, in-range, arithmetic, clock, store,
// load and timer boxes): a box hanging below the rung with an "EN  ENO"
// header band and a title, pins with their operands beside them, a size in
// whole grid rows and columns, an end point nobody may set, the box hit test,
// slot creation with the user's answers, and switching the type inside the
// family with the special tools of the type table.
//
// Pixels are relative to the inlet: the box runs from y = -7 (half a row
// above the rung) down to its bottom, with a dividing line at y = 21.

#include "elements/ElementBase.h"

#include <string>
#include <vector>

namespace ldr {

class BoxElement : public ElementBase {
public:
  using ElementBase::ElementBase;

  // Pixel rows of the box and of its pins.
  static constexpr int kBoxTop = -7;
  static constexpr int kHeaderBottom = 7;
  static constexpr int kDividerY = 21;
  static constexpr int kFirstPinY = 42;
  static constexpr int kPinPitch = 49;
  static constexpr int kPinStub = 7;

  // The box has no free end point.
  void SetXe(std::int32_t) override { ShowReadOnly(); }
  void SetYe(std::int32_t) override { ShowReadOnly(); }
  void HitTestByPoint(HitRecord& hitData) override;
  std::string ToolTipText() override { return std::string(Title()); }

  // The pixel row of input pin `slot` (1, 2, ...): 42, 91, 140, ...
  static int InputPinY(std::int32_t slot) { return kPinPitch * slot - kPinStub; }

protected:
  struct BoxFrame {
    int Left;
    int Right;
    int Bottom;
    // Where the output pin's letter is written (x).
    int OutputLetterX;
  };
  struct BoxPin {
    bool IsInput;
    std::int32_t Slot;
    int Y;
    std::string Letter; // empty: the pin has no letter
  };

  virtual BoxFrame Frame() const = 0;
  virtual std::string Header() { return "EN  ENO"; }
  // The title drawn under the header.
  virtual std::string Title();
  // The title when printing.
  virtual std::string PrintTitle() { return Title(); }
  // Whether the title is written in white (on the selection band).
  virtual bool WhiteTitle() const { return false; }
  // The pins drawn on the box; the operands stand beside them.
  virtual std::vector<BoxPin> Pins() const = 0;
  // What a family draws in the box after the pins (pictures, clock texts).
  virtual void DrawInside(gdi::DeviceContext&, const GdiResources*) {}

  Rect BoundsAt(const tyLdrPoint& inlet) override;
  OperandDisplay SlotDisplay(bool isInput, std::int32_t slot) const override;
  void ApplyInputTypeRules(Operand& operand) override;
  void ApplyOutputTypeRules(Operand& operand) override;
  void DrawFigure(gdi::DeviceContext& hdc, const GdiResources* resources) override;
  // The menu offers the switch tools of the box's own family only: every
  // other switch tool and the coil conversions are left out.
  std::vector<std::string> DisabledMenuTools() override;

  // The pin row of a slot (the operand's name row ends just above it).
  virtual int PinY(bool isInput, std::int32_t slot) const { return isInput ? InputPinY(slot) : kFirstPinY; }
  // New empty slots, inputs first; with `dummy` false each is asked of the
  // user, and a cancel leaves the element without operands and answers false.
  bool CreateSlots(std::int32_t inputs, std::int32_t outputs, bool dummy);
  // Switches to the family's type named by the special tool: the type is
  // stored and every operand takes the new type's rules. False for other IDs.
  bool SwitchType(const std::string& toolID);
  // The "Read Only Property" report of Let Inlet and Let Outlet.
  void ReportReadOnly(const std::string& member) const;
  void ShowReadOnly() const;
  // Text centred on x with its top at y.
  static void CentredText(gdi::DeviceContext& hdc, int x, int y, const std::string& text);

private:
  void DrawBackground(gdi::DeviceContext& hdc, const GdiResources& resources, const BoxFrame& frame);
  void DrawPins(gdi::DeviceContext& hdc, const BoxFrame& frame);
  void DrawRungAndHeaderBand(gdi::DeviceContext& hdc, const GdiResources* resources, const BoxFrame& frame);
};

} // namespace ldr

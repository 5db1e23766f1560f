#pragma once
// The strip-resize process: dragging the bottom border of a net or a comment
// changes its height between its minimum and its maximum. A hatched band on
// both boards marks the new bottom while the drag runs; releasing beyond the
// bounds keeps the last legal bottom.
//
// Rows here are view rows: a strip's Top plus its height.

#include "editing/ProcessBase.h"
#include "outside/operands/HitRecord.h"

namespace ldr {

class srvStripResizer : public ProcessBase {
public:
  static constexpr const char* kClassName = "srvStripResizer";

  explicit srvStripResizer(LdrContext& ctx);

  void Draw(gdi::DeviceContext& hLeftDC, gdi::DeviceContext& hRightDC) override;

  // The row below the pointer's grid line: the pixel rounded, divided by 14
  // and rounded again (ties to even), plus one.
  static std::int32_t PointerRow(const HitRecord& hit);
  std::int32_t CurrentBottom() const { return mCurrentBottom; }

protected:
  ProcessOutcome OnMouseDown(const std::shared_ptr<itfStrip>& strip) override;
  ProcessOutcome OnMouseMove(const std::shared_ptr<itfStrip>& strip) override;
  ProcessOutcome OnMouseUp(const std::shared_ptr<itfStrip>& strip) override;

private:
  bool WithinBounds(std::int32_t row) const { return mMinBottom <= row && row <= mMaxBottom; }
  void DrawBand(gdi::DeviceContext& hdc) const;

  std::int32_t mMinBottom = 0;
  std::int32_t mMaxBottom = 0;
  std::int32_t mPointerRow = 0;
  std::int32_t mCurrentBottom = 0;
  std::shared_ptr<itfStrip> mStrip;
};

} // namespace ldr

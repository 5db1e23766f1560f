#include "editing/srvStripResizer.h"

#include "core/clsLdrState.h"
#include "interfaces/ElementDefs.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "platform/drawing/Brush.h"
#include "platform/drawing/DeviceContext.h"

#include <cmath>

namespace ldr {
namespace {

// The band spans both boards: from the left board's left edge to well past
// the right board's width.
constexpr gdi::Rect kBand{-28, 0, 770, 7};

} // namespace

srvStripResizer::srvStripResizer(LdrContext& ctx) : ProcessBase(ctx, kClassName, eMP_StripResizeProc) {}

std::int32_t srvStripResizer::PointerRow(const HitRecord& hit) {
  const double pixel = std::nearbyint(static_cast<double>(hit.PixelY()));
  return static_cast<std::int32_t>(std::nearbyint(pixel / static_cast<double>(PIXEL_PER_GRID))) + 1;
}

ProcessOutcome srvStripResizer::OnMouseDown(const std::shared_ptr<itfStrip>& strip) {
  if (!strip) return ProcessOutcome::End();
  mStrip = strip;
  mMinBottom = strip->Top() + strip->MinHeight();
  mMaxBottom = strip->Top() + strip->MaxHeight();
  mPointerRow = PointerRow(strip->GetHitParameters());
  mCurrentBottom = WithinBounds(mPointerRow) ? mPointerRow : mMinBottom;
  Drawer().DraftService(*this, *strip);
  return ProcessOutcome::Continue();
}

ProcessOutcome srvStripResizer::OnMouseMove(const std::shared_ptr<itfStrip>& strip) {
  bool illegal = true;
  if (strip && mStrip) {
    mPointerRow = PointerRow(strip->GetHitParameters());
    if (WithinBounds(mPointerRow)) {
      mCurrentBottom = mPointerRow;
      illegal = false;
      Drawer().FlushBackGround();
      Drawer().DraftService(*this, *mStrip);
    }
  }
  SetNoDrop(illegal);
  return ProcessOutcome::Continue();
}

ProcessOutcome srvStripResizer::OnMouseUp(const std::shared_ptr<itfStrip>& strip) {
  bool changed = false;
  if (strip && mStrip) {
    mPointerRow = PointerRow(strip->GetHitParameters());
    if (WithinBounds(mPointerRow)) {
      mCurrentBottom = mPointerRow;
      changed = true;
    }
  }
  if (mStrip) {
    const std::int32_t height = mCurrentBottom - mStrip->Top();
    // A release beyond the bounds still applies the last legal bottom: a
    // changed height is a change to save, wherever the button came up.
    if (height != mStrip->Height()) changed = true;
    mStrip->SetHeight(height);
    Control().Relocate();
  }
  return changed ? ProcessOutcome::Commit("", false) : ProcessOutcome::End();
}

void srvStripResizer::DrawBand(gdi::DeviceContext& hdc) const {
  const gdi::Point previous = hdc.OffsetViewportOrg(0, GridToPixel(mCurrentBottom));
  hdc.FillRect(kBand, gdi::Brush::Hatch(gdi::HS_BDIAGONAL, gdi::RGB(0, 0, 255)));
  hdc.SetViewportOrg(previous.X, previous.Y);
}

void srvStripResizer::Draw(gdi::DeviceContext& hLeftDC, gdi::DeviceContext& hRightDC) {
  DrawBand(hLeftDC);
  DrawBand(hRightDC);
}

} // namespace ldr

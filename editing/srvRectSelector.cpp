#include "editing/srvRectSelector.h"

#include "interfaces/itfClipboard.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "platform/drawing/DeviceContext.h"

#include <algorithm>

namespace ldr {

namespace {
constexpr int kPixelsPerGrid = 14;
}

srvRectSelector::srvRectSelector(LdrContext& ctx) : ProcessBase(ctx, kClassName, eMP_RectSelectProc) {}

Rect srvRectSelector::Band() const {
  return {std::min(mFirst.X, mSecond.X), std::min(mFirst.Y, mSecond.Y), std::max(mFirst.X, mSecond.X),
          std::max(mFirst.Y, mSecond.Y)};
}

ProcessOutcome srvRectSelector::OnMouseDown(const std::shared_ptr<itfStrip>& strip) {
  if (!AsNet(strip)) return ProcessOutcome::Continue();
  mNet = strip;
  const auto hit = strip->GetHitParameters();
  mFirst = mSecond = {hit.X, hit.Y};
  return ProcessOutcome::Continue();
}

ProcessOutcome srvRectSelector::OnMouseMove(const std::shared_ptr<itfStrip>& strip) {
  if (!mNet || strip != mNet) return ProcessOutcome::Continue();
  const auto hit = strip->GetHitParameters();
  mSecond = {hit.X, hit.Y};
  Drawer().FlushBackGround();
  Drawer().DraftService(*this, *mNet);
  return ProcessOutcome::Continue();
}

void srvRectSelector::Draw(gdi::DeviceContext&, gdi::DeviceContext& rightDC) {
  const auto shift = static_cast<int>(-kPixelsPerGrid * Control().HorizontalOffset());
  const auto old = rightDC.OffsetViewportOrg(shift, 0);
  const Rect band = Band();
  rightDC.DrawFocusRect({band.Left * kPixelsPerGrid, band.Top * kPixelsPerGrid, band.Right * kPixelsPerGrid,
                         band.Bottom * kPixelsPerGrid});
  rightDC.SetViewportOrg(old.X, old.Y);
}

ProcessOutcome srvRectSelector::OnMouseUp(const std::shared_ptr<itfStrip>& strip) {
  if (mNet) {
    if (strip == mNet) {
      const auto hit = strip->GetHitParameters();
      mSecond = {hit.X, hit.Y};
    }
    SelectTouched();
    if (mCtx.Clipboard) mCtx.Clipboard->RefreshMdiButtonsStatus();
  }
  Drawer().RedrawAll();
  return ProcessOutcome::End();
}

// Touching is enough; sharing an edge line is not touching.
void srvRectSelector::SelectTouched() {
  Rect band = Band();
  band.Left -= mNet->EditZoneLeft();
  band.Right -= mNet->EditZoneLeft();
  band.Top -= mNet->Top();
  band.Bottom -= mNet->Top();
  for (const auto& [key, element] : *AsNet(mNet)->GetAllElements())
    if (mCollision.DoesRectanglesIntersect(band, element->GetBoundingRect())) element->SetIsSelected(true);
}

} // namespace ldr

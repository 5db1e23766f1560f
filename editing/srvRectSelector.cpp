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

tyRect srvRectSelector::Band() const {
  return {std::min(mFirst.X, mSecond.X), std::min(mFirst.Y, mSecond.Y), std::max(mFirst.X, mSecond.X),
          std::max(mFirst.Y, mSecond.Y)};
}

tyProcessOutcome srvRectSelector::OnMouseDown(const std::shared_ptr<itfStrip>& strip) {
  if (!AsNet(strip)) return tyProcessOutcome::Continue();
  mNet = strip;
  const auto hit = strip->GetHitParameters();
  mFirst = mSecond = {hit.X, hit.Y};
  return tyProcessOutcome::Continue();
}

tyProcessOutcome srvRectSelector::OnMouseMove(const std::shared_ptr<itfStrip>& strip) {
  if (!mNet || strip != mNet) return tyProcessOutcome::Continue();
  const auto hit = strip->GetHitParameters();
  mSecond = {hit.X, hit.Y};
  Drawer().FlushBackGround();
  Drawer().DraftService(*this, *mNet);
  return tyProcessOutcome::Continue();
}

void srvRectSelector::Draw(gdi::DeviceContext&, gdi::DeviceContext& rightDC) {
  const auto shift = static_cast<int>(-kPixelsPerGrid * Control().HorizontalOffset());
  const auto old = rightDC.OffsetViewportOrg(shift, 0);
  const tyRect band = Band();
  rightDC.DrawFocusRect({band.Left * kPixelsPerGrid, band.Top * kPixelsPerGrid, band.Right * kPixelsPerGrid,
                         band.Bottom * kPixelsPerGrid});
  rightDC.SetViewportOrg(old.X, old.Y);
}

tyProcessOutcome srvRectSelector::OnMouseUp(const std::shared_ptr<itfStrip>& strip) {
  if (mNet) {
    if (strip == mNet) {
      const auto hit = strip->GetHitParameters();
      mSecond = {hit.X, hit.Y};
    }
    SelectTouched();
    if (mCtx.Clipboard) mCtx.Clipboard->RefreshMdiButtonsStatus();
  }
  Drawer().RedrawAll();
  return tyProcessOutcome::End();
}

// Touching is enough; sharing an edge line is not touching.
void srvRectSelector::SelectTouched() {
  tyRect band = Band();
  band.Left -= mNet->EditZoneLeft();
  band.Right -= mNet->EditZoneLeft();
  band.Top -= mNet->Top();
  band.Bottom -= mNet->Top();
  for (const auto& [key, element] : *AsNet(mNet)->GetAllElements())
    if (mCollision.DoesRectanglesIntersect(band, element->GetBoundingRect())) element->SetIsSelected(true);
}

} // namespace ldr

#include "editing/srvLineCreator.h"

#include "core/clsLdrState.h"
#include "elements/ElementFactory.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"

namespace ldr {

srvLineCreator::srvLineCreator(LdrContext& ctx) : ProcessBase(ctx, kClassName, eMP_LineCreateProc) {}

bool srvLineCreator::IsLineNet(const std::shared_ptr<itfStrip>& strip) const {
  return strip && mNet && AsNet(strip) && strip->StripID() == mNet->StripID();
}

void srvLineCreator::Anchor(itfStrip& strip) {
  const HitRecord hit = strip.GetHitParameters();
  mStart = {hit.X, hit.Y};
  mLine->SetXs(hit.X - strip.EditZoneLeft());
  mLine->SetYs(hit.Y - strip.Top());
}

tyLdrPoint srvLineCreator::Stretch(itfStrip& strip) {
  const HitRecord hit = strip.GetHitParameters();
  const tyLdrPoint offset{hit.X - mStart.X, hit.Y - mStart.Y};
  mLine->Stretch(offset.X, offset.Y);
  return offset;
}

bool srvLineCreator::Overlaps() { return mCollision.DoesElementsOverlap(*mNetElements, *mMoving); }

ProcessOutcome srvLineCreator::OnMouseDown(const std::shared_ptr<itfStrip>& strip) {
  itfLdrNet* net = AsNet(strip);
  if (!net) return ProcessOutcome::Continue();
  mNet = strip;
  mNetElements = net->GetAllElements();
  mLine = ldr::CreateNewElement(mCtx, eET_LdrLine);
  if (!mLine) return ProcessOutcome::Continue();
  Anchor(*strip);
  Stretch(*strip);
  mMoving = std::make_shared<ElementCollection>();
  mMoving->Add(1L, mLine);
  mStartOverlap = Overlaps();
  return ProcessOutcome::Continue();
}

ProcessOutcome srvLineCreator::OnMouseMove(const std::shared_ptr<itfStrip>& strip) {
  if (!mLine) return ProcessOutcome::Continue();
  bool illegal = true;
  if (IsLineNet(strip)) {
    if (mStartOverlap) Anchor(*strip);
    Stretch(*strip);
    illegal = Overlaps();
    if (!illegal) {
      // The edit zone in element coordinates: the net's own rows and columns.
      const Rect edit = strip->GetEditBoundingRect();
      const Rect inside{0, 0, edit.Right - edit.Left, edit.Bottom - edit.Top};
      illegal = !mCollision.AreElementsWhollyInRect(*mMoving, inside);
      if (!illegal) mLine->SaveLastLegalPosition();
    }
    mLine->UpdateDisplayWithLastLegal();
  }
  SetNoDrop(illegal);
  if (mNet) {
    Drawer().FlushBackGround();
    Drawer().DraftElement(*mNet, *mLine);
  }
  return ProcessOutcome::Continue();
}

ProcessOutcome srvLineCreator::OnMouseUp(const std::shared_ptr<itfStrip>& strip) {
  bool cancelled = false;
  if (!mLine || !AsNet(strip)) {
    cancelled = true;
  } else if (!IsLineNet(strip)) {
    mLine->UpdateDisplayWithLastLegal();
  } else {
    const tyLdrPoint offset = Stretch(*strip);
    if (offset.X == 0 && offset.Y == 0) {
      cancelled = true;
    } else {
      mLine->UpdateDisplayWithLastLegal();
    }
  }
  if (!cancelled) {
    if (mLine->ClassType() == eET_Undefined) {
      cancelled = true;
    } else {
      mLine->UpdateInitialDescriptor();
      if (mLine->ClassType() == eET_Undefined) cancelled = true;
    }
  }
  return Finish(cancelled);
}

ProcessOutcome srvLineCreator::Finish(bool cancelled) {
  mMoving.reset();
  if (cancelled) {
    mLine.reset();
    Drawer().FlushBackGround();
    return ProcessOutcome::Revert();
  }
  AsNet(mNet)->AddLadderElement(mLine, 0);
  Drawer().DrawElement(*mNet, *mLine);
  Drawer().FlushBackGround();
  return ProcessOutcome::Commit("", true);
}

} // namespace ldr

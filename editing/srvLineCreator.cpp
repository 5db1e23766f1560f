#include "editing/srvLineCreator.h"

#include "core/clsLdrState.h"
#include "elements/ElementFactory.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"

namespace ldr {

srvLineCreator::srvLineCreator(LdrContext& ctx) : srvProcessBase(ctx, kClassName) {}

bool srvLineCreator::IsLineNet(const std::shared_ptr<itfStrip>& strip) const {
  return strip && mNet && AsNet(strip) && strip->StripID() == mNet->StripID();
}

void srvLineCreator::Anchor(itfStrip& strip) {
  const tyHitRecord hit = strip.GetHitParameters();
  mStart = {hit.X, hit.Y};
  mLine->SetXs(hit.X - strip.EditZoneLeft());
  mLine->SetYs(hit.Y - strip.Top());
}

tyLdrPoint srvLineCreator::Stretch(itfStrip& strip) {
  const tyHitRecord hit = strip.GetHitParameters();
  const tyLdrPoint offset{hit.X - mStart.X, hit.Y - mStart.Y};
  mLine->Stretch(offset.X, offset.Y);
  return offset;
}

bool srvLineCreator::Overlaps() { return mCollision.DoesElementsOverlap(*mNetElements, *mMoving); }

void srvLineCreator::MouseDown(const std::shared_ptr<itfStrip>& pStrip) {
  itfLdrNet* net = AsNet(pStrip);
  if (!net) return;
  mNet = pStrip;
  mNetElements = net->GetAllElements();
  mLine = ldr::CreateNewElement(mCtx, eET_LdrLine);
  if (!mLine) return;
  Anchor(*pStrip);
  Stretch(*pStrip);
  mMoving = std::make_shared<ElementCollection>();
  mMoving->Add(1L, mLine);
  mStartOverlap = Overlaps();
}

void srvLineCreator::MouseMove(const std::shared_ptr<itfStrip>& pStrip) {
  if (!mLine) return;
  bool illegal = true;
  if (IsLineNet(pStrip)) {
    if (mStartOverlap) Anchor(*pStrip);
    Stretch(*pStrip);
    illegal = Overlaps();
    if (!illegal) {
      // The edit zone in element coordinates: the net's own rows and columns.
      const tyRect edit = pStrip->GetEditBoundingRect();
      const tyRect inside{0, 0, edit.Right - edit.Left, edit.Bottom - edit.Top};
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
}

void srvLineCreator::MouseUp(const std::shared_ptr<itfStrip>& pStrip) {
  bool cancelled = false;
  if (!mLine || !AsNet(pStrip)) {
    cancelled = true;
  } else if (!IsLineNet(pStrip)) {
    mLine->UpdateDisplayWithLastLegal();
  } else {
    const tyLdrPoint offset = Stretch(*pStrip);
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
  Finish(cancelled);
}

void srvLineCreator::Finish(bool cancelled) {
  if (cancelled) {
    mLine.reset();
    Drawer().FlushBackGround();
  } else {
    AsNet(mNet)->AddLadderElement(mLine, 0);
    if (mCtx.State) {
      mCtx.State->SetNeedToSave(true);
      mCtx.State->SetNeedToCompile(true);
    }
    Drawer().DrawElement(*mNet, *mLine);
    Drawer().FlushBackGround();
  }
  mMoving.reset();
  EndProcess(eMP_LineCreateProc);
}

} // namespace ldr

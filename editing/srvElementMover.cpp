#include "editing/srvElementMover.h"

#include "core/ProjectData.h"
#include "core/clsLdrState.h"
#include "editing/srvElementCreator.h"
#include "elements/ElementFamilies.h"
#include "elements/ElementTypeTable.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"
#include "outside/operands/FunctionBlockInstances.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandType.h"

#include <cstdlib>

namespace ldr {
namespace {

bool IsConfigurationBlock(std::int32_t type) { return ElementTypeTable::IsFunctionBlock(type) && type % 100 == 1; }

bool IsCopiedConstant(long type) {
  return type == eOT_NamedConstInt || type == eOT_NamedConstLong || type == eOT_ConstLong || type == eOT_ConstFloat;
}

void ReRegisterConstants(LdrContext& ctx, const std::shared_ptr<OperandSlots>& slots) {
  if (!slots || !ctx.Host->Operands) return;
  for (const auto& [key, operand] : *slots) {
    if (IsCopiedConstant(operand->OprndType())) ctx.Host->Operands->List().ReRegisterConstant(*operand);
  }
}

} // namespace

srvElementMover::srvElementMover(LdrContext& ctx) : ProcessBase(ctx, kClassName, eMP_ElementMoveProc) {}

void srvElementMover::TakeGroupFrom(itfLdrNet& net) {
  mSelected = net.GetSelectedElements();
  mSelectedList.clear();
  for (const auto& [key, element] : *mSelected) mSelectedList.push_back(element);
}

ProcessOutcome srvElementMover::OnMouseDown(const std::shared_ptr<itfStrip>& strip) {
  itfLdrNet* net = AsNet(strip);
  if (!net) return ProcessOutcome::Continue();
  mSourceNet = strip;
  TakeGroupFrom(*net);
  mUnselected = net->GetUnSelectedElements();
  const HitRecord hit = strip->GetHitParameters();
  mAnchorX = hit.X - strip->EditZoneLeft();
  mAnchorY = hit.Y - strip->Top();
  mLastLegalNet = strip;
  mLastTargetStrip = strip;
  mReplicas = std::make_shared<ElementCollection>();
  for (const auto& [key, element] : *mSelected) mReplicas->Add(key, element->GetReplica());
  mMoved = false;
  Drawer().DrawNoneSelectedAll();
  Drawer().PrepareForMove();
  Drawer().DraftSelected(*strip, mSelectedList);
  Drawer().FlushBackGround();
  return ProcessOutcome::Continue();
}

bool srvElementMover::IsSingleElement() const {
  return mSelected->Count() == 1 && GetFamilyType(mSelected->At(0)->ClassType()) != eEFT_LineElements;
}

bool srvElementMover::IsLegalAt(itfStrip& strip) {
  const Rect rect = IsSingleElement() ? MaximalNetRect(strip) : CurrentNetRect(strip);
  if (!mCollision.AreElementsWhollyInRect(*mSelected, rect)) return false;
  itfLdrNet* net = AsNet(&strip);
  if (!net || net->IsCollapsed()) return false;
  return !mCollision.DoesElementsOverlap(*mUnselected, *mSelected);
}

void srvElementMover::ForEachSelected(void (itfLdrElement::*step)()) {
  for (const auto& element : mSelectedList) ((*element).*step)();
}

ProcessOutcome srvElementMover::OnMouseMove(const std::shared_ptr<itfStrip>& strip) {
  if (!mSourceNet || mCtx.AutoScrollDirection != 0) return ProcessOutcome::Continue();
  mMoved = true;
  if (!strip) {
    SetNoDrop(true);
    return ProcessOutcome::Continue();
  }
  if (strip != mLastTargetStrip) {
    itfLdrNet* net = AsNet(strip);
    mUnselected = net ? net->GetUnSelectedElements() : std::make_shared<ElementCollection>();
    mLastTargetStrip = strip;
  }
  const HitRecord hit = strip->GetHitParameters();
  const std::int32_t dx = hit.X - strip->EditZoneLeft() - mAnchorX;
  const std::int32_t dy = hit.Y - strip->Top() - mAnchorY;
  for (const auto& element : mSelectedList) element->Move(dx, dy);
  const bool legal = IsLegalAt(*strip);
  if (legal) {
    ForEachSelected(&itfLdrElement::SaveLastLegalPosition);
    mLastLegalNet = strip;
  }
  ForEachSelected(&itfLdrElement::UpdateDisplayWithLastTRX);
  Drawer().DraftSelected(*strip, mSelectedList);
  SetNoDrop(!legal);
  return ProcessOutcome::Continue();
}

void srvElementMover::CommitGroupToLastLegal() {
  for (const auto& element : mSelectedList) {
    element->UpdateDisplayWithLastLegal();
    element->UpdateInitialDescriptor();
    element->UpdateDB();
  }
}

ProcessOutcome srvElementMover::OnMouseUp(const std::shared_ptr<itfStrip>&) {
  mCtx.AutoScrollDirection = 0;
  if (!mSourceNet) return ProcessOutcome::End();
  CommitGroupToLastLegal();
  if (mCtx.ElementCopy && mMoved) MakeCopies();
  const std::int32_t extension = GrowTargetNet();
  ReHome();
  if (extension != 0) Control().Relocate();
  // The picture is drawn again by the commit, without the move's copy.
  Drawer().ReleaseResourcesAfterMove();
  return ProcessOutcome::Commit("", true);
}

std::int32_t srvElementMover::GrowTargetNet() {
  if (!IsSingleElement()) return 0;
  itfStrip& target = *mLastLegalNet;
  mCollision.AreElementsWhollyInRect(*mSelected, CurrentNetRect(target));
  const std::int32_t extension = mCollision.ExtendVerticalValue();
  if (extension < 1) {
    // An element above the first row opens that much room above everything.
    // With no excess there is nothing to rewrite.
    if (extension == 0) return 0;
    const std::int32_t shift = std::abs(extension);
    auto others = AsNet(mLastLegalNet)->GetUnSelectedElements();
    std::vector<std::shared_ptr<itfLdrElement>> all = mSelectedList;
    for (const auto& [key, element] : *others) all.push_back(element);
    for (const auto& element : all) {
      element->Move(0, shift);
      element->SaveLastLegalPosition();
      element->UpdateDisplayWithLastLegal();
      element->UpdateInitialDescriptor();
      element->UpdateDB();
    }
    target.SetHeight(target.Height() + shift);
  } else if (target.Height() + extension <= MaximalNetRect(target).Bottom) {
    target.SetHeight(target.Height() + extension);
  }
  return extension;
}

void srvElementMover::ReHome() {
  itfLdrNet* source = AsNet(mSourceNet);
  itfLdrNet* target = AsNet(mLastLegalNet);
  source->SetCompileDirtyBit(true);
  target->SetCompileDirtyBit(true);
  if (mSourceNet->StripID() == mLastLegalNet->StripID()) return;
  source->RemoveElementsOnDrag();
  target->AddElementsOnDrag(*mSelected);
  mCtx.Db().Execute("UPDATE LdrElements SET StripID=" + std::to_string(mLastLegalNet->StripID()) +
                    " WHERE ElmntID IN(" + GroupIDs() + ")");
}

std::string srvElementMover::GroupIDs() const {
  std::string ids;
  for (const auto& element : mSelectedList) {
    if (!ids.empty()) ids += ",";
    ids += std::to_string(element->ObjectID());
  }
  return ids;
}

void srvElementMover::MakeCopies() {
  const bool sameNet = mLastLegalNet->StripID() == mSourceNet->StripID();
  if (sameNet && mCollision.DoesElementsOverlap(*mReplicas, *mSelected)) {
    mCtx.Host->Messages->ShowMessage(kCopyOverlapMessage);
    return;
  }
  if (!GiveNewBlockInstances()) return;
  itfLdrNet* source = AsNet(mSourceNet);
  for (const auto& [key, replica] : *mReplicas) {
    ReRegisterConstants(mCtx, replica->InputOperands());
    ReRegisterConstants(mCtx, replica->OutputOperands());
    // The copies stay behind unselected: the moved group keeps the selection.
    replica->SetIsSelected(false);
    source->AddLadderElement(replica, 0);
    replica->AddOperandsToDB();
  }
}

// The moved configuration methods start new instances (a copy of their old
// instance's row under a fresh number and description); the copies left
// behind keep the old ones. False, with nothing changed, when the project
// has no instance ID left for them.
bool srvElementMover::GiveNewBlockInstances() {
  FunctionBlockInstances instances(mCtx.Db());
  std::vector<std::shared_ptr<itfLdrElement>> configurations;
  for (const auto& element : mSelectedList)
    if (IsConfigurationBlock(element->ClassType())) configurations.push_back(element);
  if (configurations.empty()) return true;
  if (!instances.LowestFreeInstanceID()) {
    mCtx.Host->Messages->ShowMessageBox("No Free Instance ID");
    return false;
  }
  for (const auto& element : configurations) {
    const long father = FunctionBlockFatherID(element->ClassType());
    const auto old = instances.Find(father, element->MoreParamsLng());
    const long number = instances.NextInstanceNumber(father);
    const std::string base = old && !old->Description.empty() ? old->Description : "Block" + std::to_string(number);
    if (!instances.AddInstance(father, number, instances.UniqueDescription(base), element->MoreParamsBytesArray())) {
      mCtx.Host->Messages->ShowMessageBox("No Free Instance ID");
      return false;
    }
    element->SetMoreParamsLng(static_cast<std::int32_t>(number));
    element->UpdateDB();
  }
  return true;
}

void srvElementMover::OnScroll(KeyedCollection<itfStrip>& strips) {
  if (mSourceNet) {
    for (const auto& [key, strip] : strips) {
      itfLdrNet* net = AsNet(strip);
      if (!net) continue;
      if (mLastLegalNet && strip->StripID() == mLastLegalNet->StripID()) mLastLegalNet = strip;
      if (strip->StripID() != mSourceNet->StripID()) continue;
      auto all = net->GetAllElements();
      for (const auto& element : mSelectedList) {
        if (auto same = all->Find(static_cast<long>(element->ObjectID()))) same->SetIsSelected(true);
      }
      TakeGroupFrom(*net);
      mSourceNet = strip;
    }
  }
  Drawer().ReleaseResourcesAfterMove();
  Drawer().DrawNoneSelectedAll();
  Drawer().PrepareForMove();
}

} // namespace ldr

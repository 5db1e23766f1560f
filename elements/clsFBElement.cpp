#include "elements/clsFBElement.h"

#include "outside/HostServices.h"
#include "outside/operands/FunctionBlockInstances.h"
#include "platform/database/Transaction.h"
#include "platform/drawing/DeviceContext.h"

#include <algorithm>
#include <stdexcept>

namespace ldr {
namespace {

constexpr int kBoxLeft = 98;
constexpr int kNarrowBoxRight = 169;
constexpr std::int32_t kNarrowWidth = 13;
constexpr std::int32_t kWideWidth = 19;
constexpr int kBelowLastPin = 15;
constexpr int kFatherTextY = 22;
constexpr int kInstanceTextY = 35;
constexpr int kDamagedBlockCode = 0;

std::string InstanceLabel(std::int32_t instance) {
  if (instance == FunctionBlockInstances::kOrphanedInstance) return "no instance";
  return instance > 0 ? "#" + std::to_string(instance) : std::string{};
}

} // namespace

FunctionBlockObject& clsFBElement::Block() {
  if (!mBlock || mBlock->ElementType() != mClassType) {
    if (!mCtx.Host->Operands) throw std::logic_error("clsFBElement: no operand library");
    mBlock = mCtx.Host->Operands->FunctionBlocks().NewBlockObject(mClassType);
    mBlock->SetInstanceNumber(mInstance);
  }
  return *mBlock;
}

void clsFBElement::SetClassType(enElementType value) {
  mClassType = value;
  Block();
}

// --- size and drawing ------------------------------------------------------------------

std::int32_t clsFBElement::Width() { return static_cast<std::int32_t>(Block().BoxSize().Width); }

std::int32_t clsFBElement::Height() { return static_cast<std::int32_t>(Block().BoxSize().Height); }

BoxElement::BoxFrame clsFBElement::Frame() const {
  // Frame is asked while drawing, after the block object exists.
  const ParamsShape& shape = mBlock ? mBlock->Info().Shape : ParamsShape{};
  const long usual = shape.Outputs > 0 ? kWideWidth : kNarrowWidth;
  const int right = kNarrowBoxRight + static_cast<int>(std::max(0L, shape.Box.Width - usual)) * PIXEL_PER_GRID;
  const int pins = static_cast<int>(std::max({shape.Inputs, shape.Outputs, 1L}));
  return {kBoxLeft, right, InputPinY(pins) + kBelowLastPin, right - 10};
}

std::vector<BoxElement::BoxPin> clsFBElement::Pins() const {
  std::vector<BoxPin> pins;
  if (!mBlock) return pins;
  for (std::int32_t slot = 1; slot <= mBlock->Info().Shape.Inputs; ++slot)
    pins.push_back({true, slot, InputPinY(slot), ""});
  for (std::int32_t slot = 1; slot <= mBlock->Info().Shape.Outputs; ++slot)
    pins.push_back({false, slot, InputPinY(slot), ""});
  return pins;
}

std::string clsFBElement::Title() {
  const auto& info = Block().Info();
  if (info.IsMissing()) return "MISSING";
  return info.MethodTitle.empty() ? std::to_string(info.MethodID) : info.MethodTitle;
}

void clsFBElement::DrawInside(gdi::DeviceContext& hdc, const GdiResources*) {
  const auto& info = Block().Info();
  const int centre = (Frame().Left + Frame().Right) / 2;
  CentredText(hdc, centre, kFatherTextY, info.HasFather ? info.FatherTitle : "block " + std::to_string(info.FatherID));
  CentredText(hdc, centre, kInstanceTextY, InstanceLabel(mInstance));
}

std::string clsFBElement::ToolTipText() {
  const auto texts = Block().Texts();
  std::string tip;
  for (std::size_t i = 0; i < std::min<std::size_t>(texts.size(), 3); ++i) tip += (i ? " - " : "") + texts[i];
  return tip;
}

bool clsFBElement::IsEnableInEnableOut() { return Block().IsEnableInEnableOut(); }

// --- instance and parameter block ----------------------------------------------------------

std::int32_t clsFBElement::MoreParamsLng() { return mInstance; }

void clsFBElement::SetMoreParamsLng(std::int32_t value) {
  mInstance = value;
  Block().SetInstanceNumber(value);
}

std::vector<std::uint8_t> clsFBElement::MoreParamsBytesArray() {
  return mUnreadBlock ? *mUnreadBlock : Block().MoreParamsBin();
}

void clsFBElement::SetMoreParamsBytesArray(const std::vector<std::uint8_t>& value) { TakeStoredBlock(value); }

void clsFBElement::TakeStoredBlock(const db::Blob& bytes) {
  auto& block = Block();
  mUnreadBlock.reset();
  if (block.IsMissing()) {
    // Nobody can read the block of a method the library lacks: it stays.
    if (!bytes.empty()) mUnreadBlock = bytes;
    return;
  }
  try {
    block.SetMoreParamsBin(bytes);
  } catch (const std::invalid_argument& e) {
    mUnreadBlock = bytes;
    ReportError(kDamagedBlockCode, "Damaged Parameter Block",
                "Element " + std::to_string(mObjectID) + ": " + e.what() + "; the block keeps its defaults",
                "TakeStoredBlock");
  }
  // The stored instance number is the one that counts (pastes renumber it).
  block.SetInstanceNumber(mInstance);
}

db::FieldList clsFBElement::StoredColumns() {
  auto columns = ElementBase::StoredColumns();
  columns.push_back({"MoreParamsLng", static_cast<long>(mInstance)});
  columns.push_back({"MoreParamsBin", MoreParamsBytesArray()});
  return columns;
}

void clsFBElement::ReadFamilyColumns(const FieldReader& field) {
  mInstance = field("MoreParamsLng").AsLong();
  TakeStoredBlock(field("MoreParamsBin").AsBlob());
}

std::vector<ParamsOperand> clsFBElement::HeldOperands() {
  if (mUnreadBlock) {
    try {
      return ParamsBlock::Parse(*mUnreadBlock).InnerOperands;
    } catch (const std::invalid_argument&) {
      return {};
    }
  }
  std::vector<ParamsOperand> held;
  for (const auto& operand : Block().FindOnlyOperands()) held.push_back({operand->Key(), operand->Slot()});
  return held;
}

void clsFBElement::AddOperandsToDB() {
  db::Transaction transaction(Db());
  ElementBase::AddOperandsToDB();
  for (const auto& operand : HeldOperands()) AddHeldOperandRow(operand.Key, operand.Slot);
  transaction.Commit();
}

void clsFBElement::WriteFamilyProperties(PropertyBag& bag) {
  bag.WriteProperty("BinaryParams", MoreParamsBytesArray());
  bag.WriteProperty("FatherInstanceNum", static_cast<long>(mInstance));
  const auto& findOnly = Block().FindOnlyOperands();
  bag.WriteProperty("FindOnlyCount", static_cast<long>(findOnly.size()));
  std::vector<db::Blob> inner;
  for (const auto& operand : findOnly) inner.push_back(operand->Serialize());
  // The block itself (BinaryParams) brings them back.
  bag.WriteProperty("FindOnlyOprs", PropertyBag::JoinBlobs(inner));
}

void clsFBElement::ReadFamilyProperties(const PropertyBag& bag) {
  mInstance = bag.ReadProperty("FatherInstanceNum", 0).AsLong();
  TakeStoredBlock(bag.ReadProperty("BinaryParams").AsBlob());
}

// --- placing ---------------------------------------------------------------------------------

void clsFBElement::TakeBlockOperands() {
  mInputs->Clear();
  mOutputs->Clear();
  mActiveOperand.reset();
  auto& block = Block();
  for (bool isInput : {true, false}) {
    const auto& operands = isInput ? block.InputOperands() : block.OutputOperands();
    auto& slots = isInput ? *mInputs : *mOutputs;
    for (std::size_t i = 0; i < operands.size(); ++i) {
      const auto slot = static_cast<std::int32_t>(i + 1);
      AttachToSlot(*operands[i], mClassType, isInput, slot, true);
      slots.Add(static_cast<long>(slot), operands[i]);
    }
  }
}

void clsFBElement::HandBlockOperands() {
  OperandCollection inputs, outputs;
  for (const auto& [key, operand] : *mInputs) inputs.push_back(operand);
  for (const auto& [key, operand] : *mOutputs) outputs.push_back(operand);
  Block().AdoptOperands(std::move(inputs), std::move(outputs));
}

void clsFBElement::StoreConfiguration() {
  if (mObjectID < 0) return;
  db::Transaction transaction(Db());
  UpdateDB();
  AddOperandsToDB();
  transaction.Commit();
}

void clsFBElement::DoubleClick() {
  auto& block = Block();
  HandBlockOperands();
  if (!block.Reconfigure(*mCtx.Host->Dialogs, *mCtx.Host->Messages)) return;
  // A block that could not be read starts from the settings just confirmed.
  mUnreadBlock.reset();
  mInstance = static_cast<std::int32_t>(block.InstanceNumber());
  StoreConfiguration();
}

bool clsFBElement::InitOperandsData(bool dummy) {
  auto& block = Block();
  if (dummy || block.InputOperands().size() + block.OutputOperands().size() != mInputs->Count() + mOutputs->Count()) {
    block.CreateOperands();
    TakeBlockOperands();
  }
  if (dummy) return true;
  auto& messages = *mCtx.Host->Messages;
  if (!block.Configure(*mCtx.Host->Dialogs, messages)) return false;
  mInstance = static_cast<std::int32_t>(block.InstanceNumber());
  block.CheckPlacement(mPosition[kStored].X, kBusBarRefusal, messages);
  if (mObjectID >= 0) {
    UpdateDB();
    AddOperandsToDB();
  }
  return true;
}

} // namespace ldr

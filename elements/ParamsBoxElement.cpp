#include "elements/ParamsBoxElement.h"

#include "elements/ElementTitles.h"
#include "outside/HostServices.h"
#include "outside/operands/KindParamsObject.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandLibrary.h"
#include "platform/database/Transaction.h"
#include "platform/drawing/DeviceContext.h"

#include <algorithm>

namespace ldr {
namespace {

constexpr int kBoxLeft = 98;
constexpr int kTitleMargin = 4;
constexpr int kSettingsMargin = 4;
constexpr long kDefaultWidth = 25;
constexpr std::int32_t kDefaultHeight = 9;

std::string LetterOf(std::int32_t index) { return std::string(1, static_cast<char>('A' + index - 1)); }

} // namespace

// --- the parameter object ---------------------------------------------------------------

void ParamsBoxElement::SetClassType(enElementType value) {
  mClassType = value;
  mParams.reset();
  EnsureParams();
}

KindParamsObject* ParamsBoxElement::EnsureParams() {
  if (mParams && mParams->ElementType() == mClassType) return mParams.get();
  // A context without an operand library (a bare one) makes boxes without settings.
  if (!mCtx.Host || !mCtx.Host->Operands) return nullptr;
  mParams = MakeKindParamsObject(mCtx.Host->Operands, mClassType, FullTitle());
  mShownTitle = FullTitle();
  return mParams.get();
}

std::string ParamsBoxElement::FullTitle() const { return GetElementTitle(mCtx.Connection.get(), mClassType); }

std::string ParamsBoxElement::ToolTipText() {
  auto* params = EnsureParams();
  return params ? params->Texts()[0] : FullTitle();
}

std::vector<std::uint8_t> ParamsBoxElement::MoreParamsBytesArray() {
  auto* params = EnsureParams();
  return params ? params->MoreParamsBin() : std::vector<std::uint8_t>{};
}

void ParamsBoxElement::SetMoreParamsBytesArray(const std::vector<std::uint8_t>& bytes) {
  if (auto* params = EnsureParams()) params->SetMoreParamsBin(bytes);
}

bool ParamsBoxElement::ConfigureParams() {
  auto* params = EnsureParams();
  if (!params) return false;
  return params->Configure(*mCtx.Host->Dialogs, *mCtx.Host->Messages);
}

void ParamsBoxElement::StoreConfiguration() {
  if (mObjectID < 0) return;
  db::Transaction transaction(Db());
  UpdateDB();
  AddOperandsToDB();
  transaction.Commit();
}

void ParamsBoxElement::TakePinOperands() {
  mInputs->Clear();
  mOutputs->Clear();
  mActiveOperand.reset();
  if (!mParams) return;
  for (const auto* operands : {&mParams->InputOperands(), &mParams->OutputOperands()}) {
    const bool isInput = operands == &mParams->InputOperands();
    std::int32_t slot = 0;
    for (const auto& operand : *operands) {
      AttachToSlot(*operand, mClassType, isInput, ++slot, operand->IsNewSlot());
      (isInput ? mInputs : mOutputs)->Add(static_cast<long>(slot), operand);
    }
  }
}

void ParamsBoxElement::HandPinOperands() {
  if (!mParams) return;
  OperandCollection inputs, outputs;
  for (const auto& [key, operand] : *mInputs) inputs.push_back(operand);
  for (const auto& [key, operand] : *mOutputs) outputs.push_back(operand);
  mParams->AdoptOperands(std::move(inputs), std::move(outputs));
}

void ParamsBoxElement::DoubleClick() {
  HandPinOperands();
  if (ConfigureParams()) StoreConfiguration();
}

// --- storing and loading ----------------------------------------------------------------

db::FieldList ParamsBoxElement::StoredColumns() {
  auto columns = BoxElement::StoredColumns();
  columns.push_back({"MoreParamsBin", db::DbValue(MoreParamsBytesArray())});
  return columns;
}

void ParamsBoxElement::ReadFamilyColumns(const FieldReader& field) {
  const db::DbValue stored = field("MoreParamsBin");
  SetMoreParamsBytesArray(stored.IsBlob() ? stored.AsBlob() : db::Blob{});
}

// The rows of the operands held in the block are not loaded as slots: the
// block itself is what the box keeps of them.
void ParamsBoxElement::Load(db::Recordset& rsElements, db::Recordset& rsOperands) {
  BoxElement::Load(rsElements, rsOperands);
  HandPinOperands();
}

void ParamsBoxElement::Load(db::ForwardRecordset& rsElements, db::Recordset& rsOperands) {
  BoxElement::Load(rsElements, rsOperands);
  HandPinOperands();
}

void ParamsBoxElement::AddOperandsToDB() {
  if (mObjectID < 0) throw std::logic_error(std::string(ClassName()) + ": operands stored before the element");
  db::Transaction transaction(Db());
  if (HasOperands()) {
    BoxElement::AddOperandsToDB();
  } else {
    Db().Execute("DELETE FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(mObjectID));
  }
  if (mParams) {
    for (const auto& operand : mParams->FindOnlyOperands()) AddHeldOperandRow(operand->Key(), operand->Slot());
  }
  transaction.Commit();
}

void ParamsBoxElement::WriteFamilyProperties(PropertyBag& bag) {
  bag.WriteProperty(BlockPropertyName(), db::DbValue(MoreParamsBytesArray()));
  std::vector<db::Blob> inner;
  if (mParams)
    for (const auto& operand : mParams->FindOnlyOperands()) inner.push_back(operand->Serialize());
  bag.WriteProperty("FindOnlyCount", static_cast<long>(inner.size()));
  bag.WriteProperty("FindOnlyOprs", db::DbValue(PropertyBag::JoinBlobs(inner)));
}

// The block is the whole truth about the operands it holds: FindOnlyOprs is
// written for readers that want them without the block.
void ParamsBoxElement::ReadFamilyProperties(const PropertyBag& bag) {
  mParams.reset();
  const db::DbValue block = bag.ReadProperty(BlockPropertyName());
  SetMoreParamsBytesArray(block.IsBlob() ? block.AsBlob() : db::Blob{});
}

// --- geometry and drawing ---------------------------------------------------------------

std::int32_t ParamsBoxElement::Width() {
  auto* params = EnsureParams();
  return static_cast<std::int32_t>(params ? params->BoxSize().Width : kDefaultWidth);
}

std::int32_t ParamsBoxElement::Height() {
  auto* params = EnsureParams();
  return params ? static_cast<std::int32_t>(params->BoxSize().Height) : kDefaultHeight;
}

BoxElement::BoxFrame ParamsBoxElement::Frame() const {
  const long width = mParams ? mParams->BoxSize().Width : kDefaultWidth;
  const std::int32_t pins = mParams ? std::max({2, mParams->Kind().Inputs, mParams->Kind().Outputs}) : 2;
  const int right = GridToPixel(static_cast<std::int32_t>(width)) - kBoxLeft;
  return {kBoxLeft, right, kPinPitch * pins + kPinStub, right - 10};
}

std::vector<BoxElement::BoxPin> ParamsBoxElement::Pins() const {
  std::vector<BoxPin> pins;
  if (!mParams) return pins;
  const std::int32_t inputs = mParams->Kind().Inputs;
  for (std::int32_t slot = 1; slot <= inputs; ++slot) pins.push_back({true, slot, InputPinY(slot), LetterOf(slot)});
  for (std::int32_t slot = 1; slot <= mParams->Kind().Outputs; ++slot)
    pins.push_back({false, slot, InputPinY(slot), LetterOf(inputs + slot)});
  return pins;
}

void ParamsBoxElement::DrawFigure(gdi::DeviceContext& hdc, const GdiResources* resources) {
  EnsureParams();
  // A long catalogue title is cut to what the box holds.
  const BoxFrame frame = Frame();
  const int room = frame.Right - frame.Left - 2 * kTitleMargin;
  mShownTitle = FullTitle();
  while (mShownTitle.size() > 1 && hdc.GetTextExtent(mShownTitle).Width > room) mShownTitle.pop_back();
  if (mShownTitle != FullTitle() && mShownTitle.size() > 2)
    mShownTitle = mShownTitle.substr(0, mShownTitle.size() - 2) + "..";
  BoxElement::DrawFigure(hdc, resources);
}

void ParamsBoxElement::DrawSettings(gdi::DeviceContext& hdc, int left) {
  const BoxFrame frame = Frame();
  auto params = Params();
  if (!params) return;
  // As far from the right edge as from the left one.
  const int room = frame.Right + frame.Left - 2 * left - 2 * kSettingsMargin;
  int y = kDividerY + kSettingsMargin;
  for (std::string line : params->SettingLines()) {
    const gdi::Size size = hdc.GetTextExtent(line);
    if (y + size.Height > frame.Bottom - kSettingsMargin) break;
    while (line.size() > 1 && hdc.GetTextExtent(line).Width > room) line.pop_back();
    hdc.TextOut(left + kSettingsMargin, y, line);
    y += size.Height;
  }
}

} // namespace ldr

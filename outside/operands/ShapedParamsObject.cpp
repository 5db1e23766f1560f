#include "outside/operands/ShapedParamsObject.h"

#include "outside/operands/Operand.h"
#include "outside/operands/OperandLibrary.h"
#include "outside/utilities/DialogService.h"
#include "outside/utilities/MessageService.h"
#include "outside/utilities/SettingsStore.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace ldr {

ShapedParamsObject::ShapedParamsObject(std::shared_ptr<const OperandLibrary> library, ParamsShape shape)
    : mLibrary(std::move(library)), mShape(std::move(shape)),
      mValues(static_cast<std::size_t>(std::max(0L, mShape.ValueCount)), 0) {
  if (!mLibrary) throw std::invalid_argument("parameter object: no operand library");
}

void ShapedParamsObject::CreateOperands() {
  mInputs.clear();
  mOutputs.clear();
  for (long slot = 1; slot <= mShape.Inputs; ++slot)
    mInputs.push_back(mLibrary->NewSlotOperand(mShape.ElementType, true, slot, true));
  for (long slot = 1; slot <= mShape.Outputs; ++slot)
    mOutputs.push_back(mLibrary->NewSlotOperand(mShape.ElementType, false, slot, true));
}

std::vector<std::string> ShapedParamsObject::Texts() const {
  std::vector<std::string> texts = mShape.Texts;
  texts.resize(std::max<std::size_t>(texts.size(), 3));
  return texts;
}

void ShapedParamsObject::SetValues(std::vector<std::int32_t> values) {
  if (values.size() != mValues.size())
    throw std::invalid_argument("parameter object: " + std::to_string(mValues.size()) + " values expected");
  mValues = std::move(values);
}

void ShapedParamsObject::AdoptOperands(OperandCollection inputs, OperandCollection outputs) {
  mInputs = std::move(inputs);
  mOutputs = std::move(outputs);
}

std::shared_ptr<Operand> ShapedParamsObject::AddFindOnlyOperand(const OperandKey& key) {
  auto operand = mLibrary->NewOperand();
  operand->SetKey(key);
  operand->SetElementContext(mShape.ElementType, true,
                             ParamsBlock::kFirstInnerSlot + static_cast<long>(mFindOnly.size()));
  mFindOnly.push_back(operand);
  return operand;
}

db::Blob ShapedParamsObject::MoreParamsBin() const {
  ParamsBlock block;
  block.ElementType = mShape.ElementType;
  block.InstanceNumber = mInstance;
  block.Values = mValues;
  for (const auto& operand : mFindOnly) block.InnerOperands.push_back({operand->Key(), operand->Slot()});
  block.Extra = mExtra;
  return block.Serialize();
}

void ShapedParamsObject::SetMoreParamsBin(const db::Blob& bytes) {
  const ParamsBlock block = ParamsBlock::Parse(bytes);
  if (!bytes.empty() && block.Values.size() != mValues.size())
    throw std::invalid_argument("parameter block: " + std::to_string(block.Values.size()) + " values where " +
                                std::to_string(mValues.size()) + " belong");
  OperandCollection findOnly;
  for (const auto& inner : block.InnerOperands) {
    auto operand = mLibrary->NewOperand();
    operand->SetKey(inner.Key);
    operand->SetElementContext(mShape.ElementType, true, inner.Slot);
    operand->ReloadFromOperandList();
    findOnly.push_back(operand);
  }
  if (!bytes.empty()) {
    mValues = block.Values;
    mInstance = block.InstanceNumber;
  }
  mFindOnly = std::move(findOnly);
  mExtra = block.Extra;
}

std::string ShapedParamsObject::ValuesText(const std::vector<std::int32_t>& values) {
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) text += (i ? "," : "") + std::to_string(values[i]);
  return text;
}

bool ShapedParamsObject::ParseValues(const std::string& text, std::size_t count, std::vector<std::int32_t>& values) {
  std::vector<std::int32_t> parsed;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) {
    long value = 0;
    if (!ParseWholeNumber(item, value)) return false;
    parsed.push_back(static_cast<std::int32_t>(value));
  }
  if (parsed.size() != count) return false;
  values = std::move(parsed);
  return true;
}

bool ShapedParamsObject::AskValues(DialogService& dialogs, MessageService& messages) {
  if (mValues.empty()) return true;
  for (;;) {
    const auto answer = dialogs.AskConfiguration(mShape.ElementType, ValuesText(mValues));
    if (!answer) return false;
    std::vector<std::int32_t> values;
    if (ParseValues(*answer, mValues.size(), values)) {
      mValues = std::move(values);
      return true;
    }
    messages.ShowMessageBox("The settings of this box are " + std::to_string(mValues.size()) +
                            " whole numbers separated by commas.");
  }
}

bool ShapedParamsObject::Configure(DialogService& dialogs, MessageService& messages) {
  const auto savedValues = mValues;
  std::vector<db::Blob> savedOperands;
  OperandCollection all = mInputs;
  all.insert(all.end(), mOutputs.begin(), mOutputs.end());
  for (const auto& operand : all) savedOperands.push_back(operand->Serialize());
  auto restore = [&] {
    mValues = savedValues;
    for (std::size_t i = 0; i < all.size(); ++i) all[i]->Deserialize(savedOperands[i]);
  };
  if (!AskValues(dialogs, messages)) {
    restore();
    return false;
  }
  for (const auto& operand : all) {
    if (!operand->OpenForUser(dialogs, messages)) {
      restore();
      return false;
    }
  }
  return true;
}

bool ShapedParamsObject::CheckPlacement(long column, const std::string& refusalText, MessageService& messages) {
  if (mShape.AllowedOnBusBar || column > 0) return true;
  messages.ShowMessageBox(refusalText);
  return false;
}

} // namespace ldr

#pragma once
// The parameter object used for every utility and function-block type: its
// shape (operand counts, number of setting values, box size, texts) is given
// when it is made. The configuration asks for the setting values (comma-
// separated whole numbers) and then for each operand.

#include "outside/operands/ParamsBlock.h"
#include "outside/operands/ParamsObject.h"

#include <memory>

namespace ldr {

class OperandLibrary;

struct ParamsShape {
  long ElementType = 0;
  long Inputs = 0;
  long Outputs = 0;
  long ValueCount = 0;
  BoxExtent Box{13, 6};
  std::vector<std::string> Texts;
  bool EnableInEnableOut = false;
  bool AllowedOnBusBar = true;
};

class ShapedParamsObject : public ParamsObject {
public:
  ShapedParamsObject(std::shared_ptr<const OperandLibrary> library, ParamsShape shape);

  long ElementType() const override { return mShape.ElementType; }
  void CreateOperands() override;
  const OperandCollection& InputOperands() const override { return mInputs; }
  const OperandCollection& OutputOperands() const override { return mOutputs; }
  const OperandCollection& FindOnlyOperands() const override { return mFindOnly; }
  std::vector<std::string> Texts() const override;
  long InstanceNumber() const override { return mInstance; }
  void SetInstanceNumber(long instance) override { mInstance = instance; }
  BoxExtent BoxSize() const override { return mShape.Box; }
  bool IsEnableInEnableOut() const override { return mShape.EnableInEnableOut; }
  const std::vector<std::int32_t>& Values() const override { return mValues; }
  void SetValues(std::vector<std::int32_t> values);
  // The pin operands become these (an element that loaded its slots hands
  // them over before configuring again).
  void AdoptOperands(OperandCollection inputs, OperandCollection outputs);

  db::Blob MoreParamsBin() const override;
  void SetMoreParamsBin(const db::Blob& bytes) override;

  bool Configure(DialogService& dialogs, MessageService& messages) override;
  bool CheckPlacement(long column, const std::string& refusalText, MessageService& messages) override;

  // Adds an operand held inside the block, at the next slot from 230.
  std::shared_ptr<Operand> AddFindOnlyOperand(const OperandKey& key);

  // "1,2,3" for the values; parsing refuses anything but exactly
  // ValueCount whole numbers.
  static std::string ValuesText(const std::vector<std::int32_t>& values);
  static bool ParseValues(const std::string& text, std::size_t count, std::vector<std::int32_t>& values);

protected:
  // The first question of the configuration (the setting values); a block
  // method asks its instance with them.
  virtual bool AskValues(DialogService& dialogs, MessageService& messages);
  const ParamsShape& Shape() const { return mShape; }

private:
  std::shared_ptr<const OperandLibrary> mLibrary;
  ParamsShape mShape;
  long mInstance = 0;
  std::vector<std::int32_t> mValues;
  OperandCollection mInputs;
  OperandCollection mOutputs;
  OperandCollection mFindOnly;
  db::Blob mExtra;
};

} // namespace ldr

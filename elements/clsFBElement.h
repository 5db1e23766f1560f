#pragma once
// Function-block methods (types 100000 to 999999): a box for one method of a
// block of the project's library. The type is the method; its hundreds are
// the father; a type ending in 01 is the block's configuration method, which
// makes an instance when it is placed. MoreParamsLng is the instance number
// (32000: an orphaned method), MoreParamsBin the block's parameter block.
// Everything about the method (operands, texts, size, dialogs) comes from its
// block object; a method whose block the project lacks is drawn as a
// "missing" box and keeps its stored rows as they are.

#include "elements/BoxElement.h"
#include "outside/operands/FunctionBlockObject.h"

#include <optional>

namespace ldr {

class clsFBElement : public BoxElement {
public:
  static constexpr const char* kBusBarRefusal = "FB Method Not Allowed On BUSBAR";

  using BoxElement::BoxElement;
  const char* ClassName() const override { return "clsFBElement"; }

  void SetClassType(enElementType value) override;
  std::int32_t Height() override;
  bool IsEnableInEnableOut() override;
  std::int32_t MoreParamsLng() override;
  void SetMoreParamsLng(std::int32_t value) override;
  std::vector<std::uint8_t> MoreParamsBytesArray() override;
  void SetMoreParamsBytesArray(const std::vector<std::uint8_t>& value) override;
  bool InitOperandsData(bool dummy) override;
  // The pin rows and the rows of the operands the parameter block holds.
  void AddOperandsToDB() override;
  std::string ToolTipText() override;
  // Opens the method's configuration again; a confirmed one is stored at once.
  void DoubleClick() override;
  enFLOW_DIRECTION FlowDirection() override { NotSupported("FlowDirection"); }
  void SetFlowDirection(enFLOW_DIRECTION) override { NotSupported("FlowDirection"); }

  // The block object (made on first use for the element's type).
  FunctionBlockObject& Block();
  bool IsBlockMissing() { return Block().IsMissing(); }

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsFBElement>(mCtx); }
  std::int32_t Width() override;
  std::string Title() override;
  BoxFrame Frame() const override;
  std::vector<BoxPin> Pins() const override;
  int PinY(bool, std::int32_t slot) const override { return InputPinY(slot); }
  void DrawInside(gdi::DeviceContext& hdc, const GdiResources* resources) override;
  db::FieldList StoredColumns() override;
  void ReadFamilyColumns(const FieldReader& field) override;
  void WriteFamilyProperties(PropertyBag& bag) override;
  void ReadFamilyProperties(const PropertyBag& bag) override;

private:
  void TakeBlockOperands();
  // The element's slots become the block object's operands.
  void HandBlockOperands();
  void StoreConfiguration();
  // The operands the parameter block holds; for a block nobody could read,
  // what its bytes name as far as they can be read.
  std::vector<ParamsOperand> HeldOperands();
  // Hands a stored parameter block to the block object; one it cannot read
  // is kept as it was (and written back unchanged) and reported.
  void TakeStoredBlock(const db::Blob& bytes);

  std::shared_ptr<FunctionBlockObject> mBlock;
  std::int32_t mInstance = 0;
  std::optional<db::Blob> mUnreadBlock;
};

} // namespace ldr

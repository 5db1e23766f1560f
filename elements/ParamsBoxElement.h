#pragma once
// What the communication boxes (clsUtilElementEx1) and the second utility set
// (clsUtilElementEx2) share: a box whose settings live in a parameter object
// of the operand library (KindParamsObject), stored in MoreParamsBin. The
// object is made anew whenever the type is set. The operands the block holds
// are stored as operand rows at slots 230 and up ("find only": searches and
// replacements see them, the box does not draw them).
//
// The box has no free end point and no flow of its own: Xe and Ye show
// "read only", the flow members raise error 217.

#include "elements/BoxElement.h"

#include <memory>

namespace ldr {

class KindParamsObject;

class ParamsBoxElement : public BoxElement {
public:
  using BoxElement::BoxElement;

  void SetClassType(enElementType value) override;
  std::int32_t Height() override;
  enFLOW_DIRECTION FlowDirection() override { NotSupported("FlowDirection"); }
  void SetFlowDirection(enFLOW_DIRECTION) override { NotSupported("FlowDirection"); }
  void SetInletRLOValue(enRloValue) override { NotSupported("InletRLOValue"); }
  bool IsEnableInEnableOut() override { return true; }
  std::string ToolTipText() override;
  std::vector<std::uint8_t> MoreParamsBytesArray() override;
  void SetMoreParamsBytesArray(const std::vector<std::uint8_t>& bytes) override;
  void Load(db::Recordset& rsElements, db::Recordset& rsOperands) override;
  void Load(db::ForwardRecordset& rsElements, db::Recordset& rsOperands) override;
  void AddOperandsToDB() override;
  // Opens the configuration again; a confirmed one is stored at once.
  void DoubleClick() override;

  // The parameter object (none for a type outside the two sets).
  std::shared_ptr<KindParamsObject> Params() const { return mParams; }

protected:
  std::int32_t Width() override;
  BoxFrame Frame() const override;
  std::vector<BoxPin> Pins() const override;
  int PinY(bool, std::int32_t slot) const override { return InputPinY(slot); }
  std::string Title() override { return mShownTitle; }
  std::string PrintTitle() override { return mShownTitle; }
  void DrawFigure(gdi::DeviceContext& hdc, const GdiResources* resources) override;
  db::FieldList StoredColumns() override;
  void ReadFamilyColumns(const FieldReader& field) override;
  void WriteFamilyProperties(PropertyBag& bag) override;
  void ReadFamilyProperties(const PropertyBag& bag) override;

  // The property-bag name of the block ("BinaryData", "BinaryParams").
  virtual const char* BlockPropertyName() const = 0;
  // The parameter object of the current type, made when missing.
  KindParamsObject* EnsureParams();
  // Asks the user for the configuration; false when cancelled.
  bool ConfigureParams();
  // Writes a confirmed configuration of a stored element: its row and its
  // operand rows.
  void StoreConfiguration();
  // The parameter object's pin operands become the element's slots.
  void TakePinOperands();
  // The element's slots become the parameter object's pin operands.
  void HandPinOperands();
  // The settings of the block, one line each from `left` below the divider,
  // as many lines as the box holds.
  void DrawSettings(gdi::DeviceContext& hdc, int left);

private:
  std::string FullTitle() const;

  std::shared_ptr<KindParamsObject> mParams;
  std::string mShownTitle;
};

} // namespace ldr

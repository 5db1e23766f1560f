#pragma once
// What every element family shares: identity and type, selection and
// conduction flags, the hit record copy, the four position descriptors and
// their protocol, the operand slots, loading from and storing to the project
// database, property bags and replicas, the drawing frame, the plain-box hit
// test, the process choice and on-line monitoring. A family derives from
// this class and overrides only where it differs.
//
// Position descriptors (index 0 unused):
//   1 stored     as loaded or last committed
//   2 last legal the last position a move found legal
//   3 transit    where the move or stretch in progress would put the element
//   4 display    what Draw and HitTestByPoint use

#include "core/HitKind.h"
#include "core/LdrContext.h"
#include "core/PropertyBag.h"
#include "interfaces/itfLdrElement.h"
#include "outside/operands/HitRecord.h"
#include "outside/operands/Operand.h"
#include "outside/utilities/OperandValues.h"
#include "platform/database/Connection.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace ldr {

class ElementBase : public itfLdrElement {
public:
  enum Descriptor : int { kStored = 1, kLastLegal = 2, kTransit = 3, kDisplay = 4 };

  // Operand display values of an element's operands: anchor, longest text,
  // grid offset X and Y from the inlet.
  static constexpr int kOperandAnchor = 2;
  static constexpr int kOperandMaxChars = 50;
  static constexpr int kOperandOffsetX = 0;
  static constexpr int kOperandOffsetY = -3;

  // Operand slots may be highlighted only below this index.
  static constexpr std::int32_t kSlotIndexLimit = 230;

  explicit ElementBase(LdrContext& ctx);

  // The class name used in error reports ("clsSimpleElement").
  virtual const char* ClassName() const = 0;

  // --- itfLdrElement, shared behaviour ----------------------------------------
  std::shared_ptr<Operand> HighLightOperand(std::int32_t inIdx, std::int32_t outIdx) override;
  bool ReplaceOperand(std::int32_t inIdx, std::int32_t outIdx, std::int32_t opType, std::int32_t opAddr,
                      std::int32_t opNetworkID) override;
  void SetShowPowerFlow(bool) override {}
  std::shared_ptr<Operand> ActiveOperand() override { return mActiveOperand; }
  PropertyBag GetPropertyBag() override;
  void SetPropertyBag(const PropertyBag& propBag) override;
  enElementType ClassType() override { return mClassType; }
  void SetClassType(enElementType value) override { mClassType = value; }
  bool IsLineElement() override { return false; }
  void SetXs(std::int32_t value) override;
  void SetYs(std::int32_t value) override;
  void SetXe(std::int32_t) override { NotSupported("Xe"); }
  void SetYe(std::int32_t) override { NotSupported("Ye"); }
  void SetInletX(std::int32_t value) override { mPosition[kStored].X = value; }
  void SetInletY(std::int32_t value) override { mPosition[kStored].Y = value; }
  tyLdrPoint Inlet() override { return mPosition[kStored]; }
  tyLdrPoint Outlet() override { return mPosition[kStored] + tyLdrPoint{Width(), 0}; }
  tyLdrPoint Delta() override { return {Width(), 0}; }
  void SetInlet(const tyLdrPoint& value) override;
  // Places the element so that its outlet lands on the point.
  void SetOutlet(const tyLdrPoint& value) override;
  enFLOW_DIRECTION FlowDirection() override { return eFD_None; }
  void SetFlowDirection(enFLOW_DIRECTION) override {}
  std::int32_t Height() override { return 1; }
  bool IsSelected() override { return mIsSelected; }
  void SetIsSelected(bool value) override { mIsSelected = value; }
  bool IsConducting() override { return mIsConducting; }
  void SetIsConducting(bool value) override { mIsConducting = value; }
  bool CompileDirtyBit() override { return mCompileDirtyBit; }
  std::int32_t ObjectID() override { return mObjectID; }
  void SetObjectID(std::int32_t value) override { mObjectID = value; }
  bool EnableFlow() override { NotSupported("EnableFlow"); }
  void SetEnableFlow(bool) override { NotSupported("EnableFlow"); }
  void SetInletRLOValue(enRloValue) override {}
  std::shared_ptr<OperandSlots> InputOperands() override { return mInputs; }
  std::shared_ptr<OperandSlots> OutputOperands() override { return mOutputs; }
  // The slot counts follow the slots themselves in the fixed-slot families.
  std::int32_t NumberOfInputs() override { return mInputs ? static_cast<std::int32_t>(mInputs->Count()) : 0; }
  void SetNumberOfInputs(std::int32_t) override {}
  std::int32_t NumberOfOutputs() override { return mOutputs ? static_cast<std::int32_t>(mOutputs->Count()) : 0; }
  void SetNumberOfOutputs(std::int32_t) override {}
  // Families without extra parameters keep none: writes are ignored.
  std::int32_t MoreParamsLng() override { return 0; }
  void SetMoreParamsLng(std::int32_t) override {}
  std::string MoreParamsStr() override { return {}; }
  void SetMoreParamsStr(const std::string&) override {}
  std::vector<std::uint8_t> MoreParamsBytesArray() override { return {}; }
  void SetMoreParamsBytesArray(const std::vector<std::uint8_t>&) override {}
  ElementObject MoreParamsObj() override { return {}; }
  void SetMoreParamsObj(ElementObject) override {}
  void RefreshOperand(std::int32_t opType, std::int32_t opAddress, std::int32_t networkID) override;
  void Load(db::Recordset& rsElements, db::Recordset& rsOperands) override;
  void Load(db::ForwardRecordset& rsElements, db::Recordset& rsOperands) override;
  std::shared_ptr<itfLdrElement> GetReplica() override;
  Rect GetBoundingRect() override { return BoundsAt(mPosition[kTransit]); }
  void Move(std::int32_t Dx, std::int32_t Dy) override;
  void Stretch(std::int32_t, std::int32_t) override { NotSupported("Stretch"); }
  void SaveInitialPosition() override;
  void SaveLastLegalPosition() override { CopyDescriptor(kTransit, kLastLegal); }
  void UpdateDisplayWithLastTRX() override { CopyDescriptor(kTransit, kDisplay); }
  void UpdateDisplayWithLastLegal() override { CopyDescriptor(kLastLegal, kDisplay); }
  void UpdateInitialDescriptor() override;
  void ClearHitTestResults() override { mHitRecord.HitKind = eHK_Nothing; }
  void HitTestByPoint(HitRecord& hitData) override;
  HitRecord GetHitParameters() override { return mHitRecord; }
  void Draw(gdi::DeviceContext& hdc, const GdiResources& gdiResources) override;
  void AddToDB(std::int32_t netID) override;
  void AppendTestValue(const std::shared_ptr<VirtualController>& virtualController) override;
  void AddOperandsToDB() override;
  void UpdateDB() override;
  void DeleteFromDB() override;
  void QueryProcess(itfProcessControl& processControl) override;
  void RightMouseUp() override;
  void ToolRequest(const std::string&) override {}
  void SpecialToolRequest(const std::string&) override {}
  void DoubleClick() override {}
  void QueryForUpdateOfOperandData() override;
  std::string ToolTipText() override { return {}; }
  bool IsEnableInEnableOut() override { return false; }
  void PrintElement(gdi::DeviceContext& hdc) override;

  // Descriptor `index` (1 to 4) of the position array.
  const tyLdrPoint& PositionDescriptor(int index) const { return mPosition.at(static_cast<std::size_t>(index)); }

protected:
  using FieldReader = std::function<db::DbValue(const std::string&)>;

  // --- what a family says about itself ------------------------------------------
  // A new empty object of the family's own class (for replicas).
  virtual std::shared_ptr<ElementBase> NewEmpty() = 0;
  // Width in grid columns (the rung from inlet to outlet).
  virtual std::int32_t Width() { return 6; }
  // The area the element covers with its inlet at `inlet`: the operand rows
  // above the rung and the element's own rows.
  virtual Rect BoundsAt(const tyLdrPoint& inlet);
  virtual bool HasOperands() const { return true; }
  // Where the operand of a slot is drawn and hit (anchor, longest text, grid
  // offset from the inlet): above the rung unless the family has pins.
  virtual OperandDisplay SlotDisplay(bool isInput, std::int32_t slot) const;
  // Accepted operand types of a loaded or re-typed slot.
  virtual void ApplyInputTypeRules(Operand&) {}
  virtual void ApplyOutputTypeRules(Operand&) {}
  // The stored columns besides ElmntID, StripID and IsMissing, with the
  // element's values (compared and written by AddToDB and UpdateDB).
  virtual db::FieldList StoredColumns();
  // Reads the family's own columns from the element row (after the common ones).
  virtual void ReadFamilyColumns(const FieldReader&) {}
  virtual void WriteFamilyProperties(PropertyBag&) {}
  virtual void ReadFamilyProperties(const PropertyBag&) {}
  // Descriptor copy and commit normalisation; lines extend both to their
  // extent descriptors.
  virtual void CopyDescriptor(int from, int to);
  virtual void NormaliseStoredDescriptor() {}
  // The figure with the inlet at pixel (0, 0). `resources` is empty when
  // printing; printing draws no selection and no on-line colour.
  virtual void DrawFigure(gdi::DeviceContext& hdc, const GdiResources* resources) = 0;
  // Recomputes IsConducting from the operands' on-line values.
  virtual void EvaluateConducting() {}
  // The coil tools the element's context menu leaves out.
  virtual std::vector<std::string> DisabledMenuTools() { return {}; }

  // --- helpers for the families ---------------------------------------------------
  [[noreturn]] void NotSupported(const std::string& member) const;
  // The common error report through the host's error reporter.
  void ReportError(int code, const std::string& title, const std::string& message, const std::string& procedure) const;
  db::Connection& Db() const;
  // An operand object with the element's display values.
  std::shared_ptr<Operand> NewOperand(bool newSlot) const;
  // Ties an operand to a slot of this element: element context and display.
  void AttachToSlot(Operand& operand, long elementType, bool isInput, std::int32_t slot, bool newSlot) const;
  // A new, empty operand for slot `slot`: display values, element context
  // and the library's settings of a new slot.
  std::shared_ptr<Operand> NewSlotOperand(bool isInput, std::int32_t slot) const;
  // The drop-time step of InitOperandsData: asks the user for each operand
  // in slot order; when all are confirmed and the element is stored, stores
  // the operand rows. False when the user cancelled one.
  bool CompleteNewOperands(bool dummy);
  bool ExtendedOperands() const;
  // The slot `slot` of inputs (isInput) or outputs, or nothing.
  std::shared_ptr<Operand> SlotOperand(bool isInput, std::int32_t slot) const;
  // The power-flow colour when conducting and not printing.
  bool DrawsConducting(const GdiResources* resources) const { return resources && mIsConducting; }
  std::uint32_t PowerFlowColor() const { return mCtx.PowerFlowColor; }
  bool OnLineActive() const;
  // Asks each input operand, then each output operand, to hit-test the record
  // (relative to the inlet); the first that is hit becomes the active operand.
  bool HitTestOperands(HitRecord& relativeHit);
  // Each operand draws itself; without resources it prints itself.
  void DrawOperands(gdi::DeviceContext& hdc, const GdiResources* resources);
  // The row of an operand a parameter block holds (slot 230 and up, in and
  // out index alike): searches find it there, loading leaves it to the block.
  void AddHeldOperandRow(const OperandKey& key, long slot);

  LdrContext& mCtx;
  std::int32_t mObjectID = -1;
  enElementType mClassType = eET_Undefined;
  HitRecord mHitRecord{};
  bool mIsSelected = false;
  bool mIsConducting = false;
  bool mCompileDirtyBit = false;
  std::array<tyLdrPoint, 5> mPosition{};
  std::shared_ptr<OperandSlots> mInputs;
  std::shared_ptr<OperandSlots> mOutputs;
  std::shared_ptr<Operand> mActiveOperand;

private:
  void LoadFromRow(const FieldReader& field, db::Recordset& rsOperands);
  void LoadOperands(db::Recordset& rsOperands);
  void AddOperandRows(const OperandSlots& operands, bool isInput);
  static db::Blob SerializeOperands(const OperandSlots& operands);
  void DeserializeOperands(const db::DbValue& data, OperandSlots& into, bool isInput) const;
};

} // namespace ldr

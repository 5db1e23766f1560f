#pragma once
// The contract every ladder element implements: line pieces, contacts and
// coils, boxes, jumps, clocks and function blocks. Nets, the drawer, the
// mouse processes, the clipboard and the compiler services see elements only
// through it. Operations in their published order (77).
//
// Booleans are bool here; integers are 32-bit. A member an element family
// does not support throws LdrError 217 and leaves the element unchanged.

#include "core/KeyedCollection.h"
#include "interfaces/ElementDefs.h"
#include "interfaces/enElementType.h"
#include "outside/utilities/UtilityTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ldr {

namespace db {
class Recordset;
class ForwardRecordset;
} // namespace db
namespace gdi {
class DeviceContext;
}
class Operand;
class PropertyBag;
class VirtualController;
class itfProcessControl;
struct GdiResources;
struct HitRecord;

// An element's operand slots, keyed by the 1-based slot number in decimal.
using OperandSlots = KeyedCollection<Operand>;
using ElementObject = std::shared_ptr<void>;

class itfLdrElement {
public:
  virtual ~itfLdrElement() = default;

  // Highlights the operand in input slot inIdx (when >= 1), otherwise in
  // output slot outIdx (when > 0); returns it, or nothing.
  virtual std::shared_ptr<Operand> HighLightOperand(std::int32_t inIdx, std::int32_t outIdx) = 0;
  virtual bool ReplaceOperand(std::int32_t inIdx, std::int32_t outIdx, std::int32_t opType, std::int32_t opAddr,
                              std::int32_t opNetworkID) = 0;
  virtual void SetShowPowerFlow(bool value) = 0;
  virtual std::shared_ptr<Operand> ActiveOperand() = 0;
  // The element serialised, without its ObjectID.
  virtual PropertyBag GetPropertyBag() = 0;
  virtual void SetPropertyBag(const PropertyBag& propBag) = 0;
  virtual enElementType ClassType() = 0;
  virtual void SetClassType(enElementType value) = 0;
  virtual bool IsLineElement() = 0;
  // Start (inlet) and end coordinates.
  virtual void SetXs(std::int32_t value) = 0;
  virtual void SetYs(std::int32_t value) = 0;
  virtual void SetXe(std::int32_t value) = 0;
  virtual void SetYe(std::int32_t value) = 0;
  // The stored descriptor's X or Y only.
  virtual void SetInletX(std::int32_t value) = 0;
  virtual void SetInletY(std::int32_t value) = 0;
  virtual tyLdrPoint Inlet() = 0;
  virtual tyLdrPoint Outlet() = 0;
  virtual tyLdrPoint Delta() = 0;
  virtual void SetInlet(const tyLdrPoint& value) = 0;
  virtual void SetOutlet(const tyLdrPoint& value) = 0;
  virtual enFLOW_DIRECTION FlowDirection() = 0;
  virtual void SetFlowDirection(enFLOW_DIRECTION value) = 0;
  // Rows occupied.
  virtual std::int32_t Height() = 0;
  virtual bool IsSelected() = 0;
  virtual void SetIsSelected(bool value) = 0;
  virtual bool IsConducting() = 0;
  virtual void SetIsConducting(bool value) = 0;
  virtual bool CompileDirtyBit() = 0;
  virtual std::int32_t ObjectID() = 0;
  virtual void SetObjectID(std::int32_t value) = 0;
  virtual bool EnableFlow() = 0;
  virtual void SetEnableFlow(bool value) = 0;
  virtual void SetInletRLOValue(enRloValue value) = 0;
  // Nothing (an empty pointer) for elements without operands.
  virtual std::shared_ptr<OperandSlots> InputOperands() = 0;
  virtual std::shared_ptr<OperandSlots> OutputOperands() = 0;
  virtual std::int32_t NumberOfInputs() = 0;
  virtual void SetNumberOfInputs(std::int32_t value) = 0;
  virtual std::int32_t NumberOfOutputs() = 0;
  virtual void SetNumberOfOutputs(std::int32_t value) = 0;
  // Extra per-family parameters.
  virtual std::int32_t MoreParamsLng() = 0;
  virtual void SetMoreParamsLng(std::int32_t value) = 0;
  virtual std::string MoreParamsStr() = 0;
  virtual void SetMoreParamsStr(const std::string& value) = 0;
  virtual std::vector<std::uint8_t> MoreParamsBytesArray() = 0;
  virtual void SetMoreParamsBytesArray(const std::vector<std::uint8_t>& value) = 0;
  virtual ElementObject MoreParamsObj() = 0;
  virtual void SetMoreParamsObj(ElementObject value) = 0;
  virtual void RefreshOperand(std::int32_t opType, std::int32_t opAddress, std::int32_t networkID) = 0;
  // From the current row of the elements recordset and the matching rows
  // of the operands recordset.
  virtual void Load(db::Recordset& rsElements, db::Recordset& rsOperands) = 0;
  // The same over a forward-only elements recordset (the net's query).
  virtual void Load(db::ForwardRecordset& rsElements, db::Recordset& rsOperands) = 0;
  virtual std::shared_ptr<itfLdrElement> GetReplica() = 0;
  // The area at the transit descriptor, grid units.
  virtual Rect GetBoundingRect() = 0;
  // The position protocol (see ElementBase).
  virtual void Move(std::int32_t Dx, std::int32_t Dy) = 0;
  virtual void Stretch(std::int32_t Dx, std::int32_t Dy) = 0;
  virtual void SaveInitialPosition() = 0;
  virtual void SaveLastLegalPosition() = 0;
  virtual void UpdateDisplayWithLastTRX() = 0;
  virtual void UpdateDisplayWithLastLegal() = 0;
  virtual void UpdateInitialDescriptor() = 0;
  virtual void ClearHitTestResults() = 0;
  virtual void HitTestByPoint(HitRecord& hitData) = 0;
  virtual HitRecord GetHitParameters() = 0;
  virtual void Draw(gdi::DeviceContext& hdc, const GdiResources& gdiResources) = 0;
  virtual bool InitOperandsData(bool dummy) = 0;
  virtual void AddToDB(std::int32_t netID) = 0;
  virtual void AppendTestValue(const std::shared_ptr<VirtualController>& virtualController) = 0;
  virtual void AddOperandsToDB() = 0;
  virtual void UpdateDB() = 0;
  virtual void DeleteFromDB() = 0;
  virtual void QueryProcess(itfProcessControl& processControl) = 0;
  virtual void RightMouseUp() = 0;
  virtual void ToolRequest(const std::string& toolID) = 0;
  virtual void SpecialToolRequest(const std::string& toolID) = 0;
  virtual void DoubleClick() = 0;
  virtual void QueryForUpdateOfOperandData() = 0;
  virtual std::string ToolTipText() = 0;
  virtual bool IsEnableInEnableOut() = 0;
  virtual void PrintElement(gdi::DeviceContext& hdc) = 0;
};

} // namespace ldr

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
class clsOperand;
class clsPropertyBag;
class clsVirtualController;
class itfProcessControl;
struct tyGdiResources;
struct tyHitRecord;

// An element's operand slots, keyed by the 1-based slot number in decimal.
using OperandSlots = KeyedCollection<clsOperand>;
using ElementObject = std::shared_ptr<void>;

class itfLdrElement {
public:
  virtual ~itfLdrElement() = default;

  // 1. Highlights the operand in input slot pInIdx (when >= 1), otherwise in
  // output slot pOutIdx (when > 0); returns it, or nothing.
  virtual std::shared_ptr<clsOperand> HighLightOperand(std::int32_t pInIdx, std::int32_t pOutIdx) = 0;
  // 2.
  virtual bool ReplaceOperand(std::int32_t pInIdx, std::int32_t pOutIdx, std::int32_t pOpType, std::int32_t pOpAddr,
                              std::int32_t pOpNetworkID) = 0;
  // 3.
  virtual void SetShowPowerFlow(bool value) = 0;
  // 4.
  virtual std::shared_ptr<clsOperand> ActiveOperand() = 0;
  // 5., 6. The element serialised, without its ObjectID.
  virtual clsPropertyBag GetPropertyBag() = 0;
  virtual void SetPropertyBag(const clsPropertyBag& pPropBag) = 0;
  // 7., 8.
  virtual enElementType ClassType() = 0;
  virtual void SetClassType(enElementType value) = 0;
  // 9.
  virtual bool IsLineElement() = 0;
  // 10. to 13. Start (inlet) and end coordinates.
  virtual void SetXs(std::int32_t value) = 0;
  virtual void SetYs(std::int32_t value) = 0;
  virtual void SetXe(std::int32_t value) = 0;
  virtual void SetYe(std::int32_t value) = 0;
  // 14., 15. The stored descriptor's X or Y only.
  virtual void SetInletX(std::int32_t value) = 0;
  virtual void SetInletY(std::int32_t value) = 0;
  // 16. to 18.
  virtual tyLdrPoint Inlet() = 0;
  virtual tyLdrPoint Outlet() = 0;
  virtual tyLdrPoint Delta() = 0;
  // 19., 20.
  virtual void SetInlet(const tyLdrPoint& value) = 0;
  virtual void SetOutlet(const tyLdrPoint& value) = 0;
  // 21., 22.
  virtual enFLOW_DIRECTION FlowDirection() = 0;
  virtual void SetFlowDirection(enFLOW_DIRECTION value) = 0;
  // 23. Rows occupied.
  virtual std::int32_t Height() = 0;
  // 24. to 27.
  virtual bool IsSelected() = 0;
  virtual void SetIsSelected(bool value) = 0;
  virtual bool IsConducting() = 0;
  virtual void SetIsConducting(bool value) = 0;
  // 28.
  virtual bool CompileDirtyBit() = 0;
  // 29., 30.
  virtual std::int32_t ObjectID() = 0;
  virtual void SetObjectID(std::int32_t value) = 0;
  // 31., 32.
  virtual bool EnableFlow() = 0;
  virtual void SetEnableFlow(bool value) = 0;
  // 33.
  virtual void SetInletRLOValue(enRloValue value) = 0;
  // 34., 35. Nothing (an empty pointer) for elements without operands.
  virtual std::shared_ptr<OperandSlots> InputOperands() = 0;
  virtual std::shared_ptr<OperandSlots> OutputOperands() = 0;
  // 36. to 39.
  virtual std::int32_t NumberOfInputs() = 0;
  virtual void SetNumberOfInputs(std::int32_t value) = 0;
  virtual std::int32_t NumberOfOutputs() = 0;
  virtual void SetNumberOfOutputs(std::int32_t value) = 0;
  // 40. to 47. Extra per-family parameters.
  virtual std::int32_t MoreParamsLng() = 0;
  virtual void SetMoreParamsLng(std::int32_t value) = 0;
  virtual std::string MoreParamsStr() = 0;
  virtual void SetMoreParamsStr(const std::string& value) = 0;
  virtual std::vector<std::uint8_t> MoreParamsBytesArray() = 0;
  virtual void SetMoreParamsBytesArray(const std::vector<std::uint8_t>& value) = 0;
  virtual ElementObject MoreParamsObj() = 0;
  virtual void SetMoreParamsObj(ElementObject value) = 0;
  // 48.
  virtual void RefreshOperand(std::int32_t pOpType, std::int32_t pOpAddress, std::int32_t pNetworkID) = 0;
  // 49. From the current row of the elements recordset and the matching rows
  // of the operands recordset.
  virtual void Load(db::Recordset& pRsElements, db::Recordset& pRsOperands) = 0;
  // The same over a forward-only elements recordset (the net's query).
  virtual void Load(db::ForwardRecordset& pRsElements, db::Recordset& pRsOperands) = 0;
  // 50.
  virtual std::shared_ptr<itfLdrElement> GetReplica() = 0;
  // 51. The area at the transit descriptor, grid units.
  virtual tyRect GetBoundingRect() = 0;
  // 52. to 58. The position protocol (see clsElementBase).
  virtual void Move(std::int32_t Dx, std::int32_t Dy) = 0;
  virtual void Stretch(std::int32_t Dx, std::int32_t Dy) = 0;
  virtual void SaveInitialPosition() = 0;
  virtual void SaveLastLegalPosition() = 0;
  virtual void UpdateDisplayWithLastTRX() = 0;
  virtual void UpdateDisplayWithLastLegal() = 0;
  virtual void UpdateInitialDescriptor() = 0;
  // 59. to 61.
  virtual void ClearHitTestResults() = 0;
  virtual void HitTestByPoint(tyHitRecord& pHitData) = 0;
  virtual tyHitRecord GetHitParameters() = 0;
  // 62.
  virtual void Draw(gdi::DeviceContext& hdc, const tyGdiResources& pGdiResources) = 0;
  // 63.
  virtual bool InitOperandsData(bool pDummy) = 0;
  // 64. to 68.
  virtual void AddToDB(std::int32_t pNetID) = 0;
  virtual void AppendTestValue(const std::shared_ptr<clsVirtualController>& pVirtualController) = 0;
  virtual void AddOperandsToDB() = 0;
  virtual void UpdateDB() = 0;
  virtual void DeleteFromDB() = 0;
  // 69.
  virtual void QueryProcess(itfProcessControl& pProcessControl) = 0;
  // 70. to 73.
  virtual void RightMouseUp() = 0;
  virtual void ToolRequest(const std::string& pToolID) = 0;
  virtual void SpecialToolRequest(const std::string& pToolID) = 0;
  virtual void DoubleClick() = 0;
  // 74. to 77.
  virtual void QueryForUpdateOfOperandData() = 0;
  virtual std::string ToolTipText() = 0;
  virtual bool IsEnableInEnableOut() = 0;
  virtual void PrintElement(gdi::DeviceContext& hdc) = 0;
};

} // namespace ldr

#pragma once
// The contract every strip of a subroutine implements: nets, comments and
// labels. The function view, the drawer, the clipboard and the mouse
// processes see strips only through it. Operations in their published order
// (37). Properties: Get X is X(), Let X is SetX(v).
//
// Positions are grid units: Left and Top are the strip's top-left corner on
// the boards, Height its height in rows. A member a strip kind does not
// support throws LdrError 217 and leaves the strip unchanged.

#include "core/PropertyBag.h"
#include "outside/operands/HitRecord.h"
#include "outside/utilities/UtilityTypes.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ldr {

namespace db {
class Recordset;
}
namespace gdi {
class DeviceContext;
}
class itfProcessControl;
struct GdiResources;

class itfStrip {
public:
  virtual ~itfStrip() = default;

  // The strip serialised with its elements (clipboard).
  virtual PropertyBag GetPropertyBag() = 0;
  virtual void SetPropertyBag(const PropertyBag& propBag) = 0;
  virtual std::int32_t Top() = 0;
  virtual void SetTop(std::int32_t value) = 0;
  virtual std::int32_t EditZoneLeft() = 0;
  virtual std::int32_t Left() = 0;
  virtual void SetLeft(std::int32_t value) = 0;
  virtual std::int32_t Height() = 0;
  // Stored at once.
  virtual void SetHeight(std::int32_t value) = 0;
  virtual std::int32_t MinHeight() = 0;
  virtual std::int32_t MaxHeight() = 0;
  virtual std::int32_t SeqNum() = 0;
  virtual void SetSeqNum(std::int32_t value) = 0;
  virtual std::int32_t StripID() = 0;
  // The strip's own selection (LdrStrips.IsSelected), stored at once.
  virtual bool IsSelected() = 0;
  virtual void SetIsSelected(bool value) = 0;
  virtual std::string StripNote() = 0;
  virtual void SetStripNote(const std::string& value) = 0;
  // 0 select, 1 line drawing.
  virtual void SetWorkMode(std::int32_t value) = 0;
  // Passed to every element.
  virtual void RefreshOperand(std::int32_t opType, std::int32_t opAddress, std::int32_t networkID) = 0;
  // From the current row of a LdrStrips recordset.
  virtual void Load(db::Recordset& rsStrips) = 0;
  // Writes NewProcess on the process control when a press here starts one.
  virtual void QueryProcess(itfProcessControl& processControl) = 0;
  virtual void RightMouseUp() = 0;
  virtual void ToolRequest(const std::string& toolID) = 0;
  virtual void SpecialToolRequest(const std::string& toolID) = 0;
  virtual void DoubleClick(itfProcessControl& processControl) = 0;
  // The left zone on the left board, the body on the right board.
  virtual void Draw(gdi::DeviceContext& leftHDC, gdi::DeviceContext& boardHDC, GdiResources& gdiResources) = 0;
  // The hit kind is field 1 of the strip's hit record.
  virtual void ClearHitTestResults() = 0;
  virtual void HitTestByPoint(HitRecord& hitData) = 0;
  virtual HitRecord GetHitParameters() = 0;
  // Grid rectangles on the boards.
  virtual Rect GetBoundingRect() = 0;
  virtual Rect GetEditBoundingRect() = 0;
  // A detached copy.
  virtual std::shared_ptr<itfStrip> GetReplica() = 0;
  virtual void AddToDB(std::int32_t funcID) = 0;
  virtual void DeleteFromDB() = 0;
  virtual void PrintStrip(gdi::DeviceContext& hdc) = 0;
  virtual bool IsContainNonDeletableElements() = 0;
};

} // namespace ldr

#pragma once
// The view of the open subroutine as the main object drives it. Operations in
// their published order.

#include "interfaces/ElementDefs.h"

#include <memory>
#include <string>

namespace ldr {

class Operand;
class VirtualController;

class itfFunction {
public:
  virtual ~itfFunction() = default;

  virtual void SetFunctionID(long funcID) = 0;
  virtual long FunctionType() = 0;
  virtual void SetFunctionType(long functionType) = 0;
  virtual void SetWorkMode(long workMode) = 0;
  virtual long VerticalScrollLocation() = 0;
  virtual void SetVerticalScrollLocation(long rows) = 0;
  virtual long HorizontalScrollLocation() = 0;
  virtual void SetHorizontalScrollLocation(long columns) = 0;
  virtual void Init() = 0;
  virtual long RoundScrollPosition(long scrollValue) = 0;
  virtual void ShowScrollToolTip(long scrollValue) = 0;
  // Mouse events in board pixels; the main object has already added the
  // horizontal scroll offset.
  virtual void MouseDown(int button, int shift, long x, long y) = 0;
  virtual void MouseMove(int button, int shift, long x, long y) = 0;
  virtual void MouseUp(int button, int shift, long x, long y) = 0;
  virtual void ToolRequest(const std::string& toolID) = 0;
  virtual void SpecialToolRequest(const std::string& toolID) = 0;
  virtual void DoubleClick() = 0;
  virtual void CancelProcess() = 0;
  virtual void EditCommand(long editCommand) = 0;
  virtual void RefreshOperand(long opType, long opAddress, long networkID) = 0;
  virtual void Load(long funcID) = 0;
  virtual void ReLoad() = 0;
  virtual void UnSelectAll() = 0;
  virtual void CreateNewStrip(long stripType) = 0;
  virtual void AppendNewStrip(long stripType, long amount) = 0;
  virtual void AppendTestValue(VirtualController& controller) = 0;
  virtual void CreateNewElement(long elementType) = 0;
  virtual void ToggleWorkMode() = 0;
  virtual std::shared_ptr<Operand> HighLightOperand(long stripID, long elementID, long inIdx, long outIdx) = 0;
  virtual bool ReplaceOperand(long stripID, long elementID, long inIdx, long outIdx, long opNetworkID, long opType,
                              long opAddr) = 0;
  virtual void GetSingleSelectedElement(long& elementType, std::string& elementName) = 0;
  virtual std::shared_ptr<Operand> GetElementSelectedOperand() = 0;
  virtual void GetElementWithSelectedOperandPos(tyLdrPoint& elementPos, long& stripTop, bool& foundSelection) = 0;
  virtual void GetSelectedElementPos(tyLdrPoint& elementPos, long& stripTop, bool& foundSelection) = 0;
  virtual std::string GetSelectedElementName() = 0;
  virtual void KeyPress(int keyCode, int shift) = 0;
  virtual long CurrentStripID() = 0;
  virtual void JumpToStrip(long stripID) = 0;
  virtual void SyncLoadedStripsWithCompileDirtyBitFromDB() = 0;
};

} // namespace ldr

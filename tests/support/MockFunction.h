#pragma once
// A function view double for tests of the parts that drive a view.

#include "editor/itfFunction.h"
#include "interfaces/itfDrawer.h"

#include <gmock/gmock.h>

namespace ldr::test {

class MockFunction : public itfFunction {
public:
  MOCK_METHOD(void, SetFunctionID, (long), (override));
  MOCK_METHOD(long, FunctionType, (), (override));
  MOCK_METHOD(void, SetFunctionType, (long), (override));
  MOCK_METHOD(void, SetWorkMode, (long), (override));
  MOCK_METHOD(long, VerticalScrollLocation, (), (override));
  MOCK_METHOD(void, SetVerticalScrollLocation, (long), (override));
  MOCK_METHOD(long, HorizontalScrollLocation, (), (override));
  MOCK_METHOD(void, SetHorizontalScrollLocation, (long), (override));
  MOCK_METHOD(void, Init, (), (override));
  MOCK_METHOD(long, RoundScrollPosition, (long), (override));
  MOCK_METHOD(void, ShowScrollToolTip, (long), (override));
  MOCK_METHOD(void, MouseDown, (int, int, long, long), (override));
  MOCK_METHOD(void, MouseMove, (int, int, long, long), (override));
  MOCK_METHOD(void, MouseUp, (int, int, long, long), (override));
  MOCK_METHOD(void, ToolRequest, (const std::string&), (override));
  MOCK_METHOD(void, SpecialToolRequest, (const std::string&), (override));
  MOCK_METHOD(void, DoubleClick, (), (override));
  MOCK_METHOD(void, CancelProcess, (), (override));
  MOCK_METHOD(void, EditCommand, (long), (override));
  MOCK_METHOD(void, RefreshOperand, (long, long, long), (override));
  MOCK_METHOD(void, Load, (long), (override));
  MOCK_METHOD(void, ReLoad, (), (override));
  MOCK_METHOD(void, UnSelectAll, (), (override));
  MOCK_METHOD(void, CreateNewStrip, (long), (override));
  MOCK_METHOD(void, AppendNewStrip, (long, long), (override));
  MOCK_METHOD(void, AppendTestValue, (VirtualController&), (override));
  MOCK_METHOD(void, CreateNewElement, (long), (override));
  MOCK_METHOD(void, ToggleWorkMode, (), (override));
  MOCK_METHOD(std::shared_ptr<Operand>, HighLightOperand, (long, long, long, long), (override));
  MOCK_METHOD(bool, ReplaceOperand, (long, long, long, long, long, long, long), (override));
  MOCK_METHOD(void, GetSingleSelectedElement, (long&, std::string&), (override));
  MOCK_METHOD(std::shared_ptr<Operand>, GetElementSelectedOperand, (), (override));
  MOCK_METHOD(void, GetElementWithSelectedOperandPos, (tyLdrPoint&, long&, bool&), (override));
  MOCK_METHOD(void, GetSelectedElementPos, (tyLdrPoint&, long&, bool&), (override));
  MOCK_METHOD(std::string, GetSelectedElementName, (), (override));
  MOCK_METHOD(void, KeyPress, (int, int), (override));
  MOCK_METHOD(long, CurrentStripID, (), (override));
  MOCK_METHOD(void, JumpToStrip, (long), (override));
  MOCK_METHOD(void, SyncLoadedStripsWithCompileDirtyBitFromDB, (), (override));
};

class MockDrawer : public itfDrawer {
public:
  MOCK_METHOD(void, SetToolTipText, (const std::string&), (override));
  MOCK_METHOD(long, ViewWidth, (), (override));
  MOCK_METHOD(void, SetViewWidth, (long), (override));
  MOCK_METHOD(long, ViewHeight, (), (override));
  MOCK_METHOD(void, SetViewHeight, (long), (override));
  MOCK_METHOD(void, SetStrips, (KeyedCollection<itfStrip>*), (override));
  MOCK_METHOD(void, Init, (std::shared_ptr<PictureBoard>, std::shared_ptr<PictureBoard>), (override));
  MOCK_METHOD(void, Release, (), (override));
  MOCK_METHOD(void, DrawAll, (), (override));
  MOCK_METHOD(void, RedrawAll, (), (override));
  MOCK_METHOD(void, DrawNoneSelectedAll, (), (override));
  MOCK_METHOD(void, FlushBackGround, (), (override));
  MOCK_METHOD(void, DraftSelected, (itfStrip&, const std::vector<std::shared_ptr<itfLdrElement>>&), (override));
  MOCK_METHOD(void, DrawSelected, (itfStrip&), (override));
  MOCK_METHOD(void, DraftElement, (itfStrip&, itfLdrElement&), (override));
  MOCK_METHOD(void, DrawElement, (itfStrip&, itfLdrElement&), (override));
  MOCK_METHOD(void, DraftService, (itfProcess&, itfStrip&), (override));
  MOCK_METHOD(void, SetHorizontalOffset, (long), (override));
  MOCK_METHOD(long, HorizontalOffset, (), (const, override));
  MOCK_METHOD(void, PrepareForMove, (), (override));
  MOCK_METHOD(void, ReleaseResourcesAfterMove, (), (override));
};

} // namespace ldr::test

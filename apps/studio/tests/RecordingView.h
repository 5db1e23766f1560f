#pragma once
// A function view that records what the main object asks of it, so that the
// tests can see which user actions of the studio reach the editor and with
// which values. It behaves like a view where the host can see it: the line
// tool switches the work mode and tells the GUI service, a right mouse-up
// shows the edit-zone menu.

#include "core/LdrContext.h"
#include "core/LdrError.h"
#include "core/clsLdrState.h"
#include "editor/itfFunction.h"
#include "outside/HostServices.h"

#include <functional>
#include <string>
#include <vector>

namespace ldr::studio::test {

class RecordingView : public itfFunction {
public:
  explicit RecordingView(LdrContext& context) : mContext(context) {}

  std::vector<std::string> Calls;
  bool ElementSelected = false;
  // Thrown by ToolRequest for this tool ID.
  std::string FailingTool;
  long SnapStep = 1;

  bool Saw(const std::string& call) const {
    for (const auto& seen : Calls)
      if (seen == call) return true;
    return false;
  }
  std::string Last() const { return Calls.empty() ? std::string() : Calls.back(); }

  void SetFunctionID(long funcID) override { Record("SetFunctionID", funcID); }
  long FunctionType() override { return 3; }
  void SetFunctionType(long) override {}
  void SetWorkMode(long workMode) override { Record("SetWorkMode", workMode); }
  long VerticalScrollLocation() override { return mRow; }
  void SetVerticalScrollLocation(long rows) override {
    mRow = rows;
    Record("SetVerticalScrollLocation", rows);
  }
  long HorizontalScrollLocation() override { return mColumn; }
  void SetHorizontalScrollLocation(long columns) override {
    mColumn = columns;
    Record("SetHorizontalScrollLocation", columns);
  }
  void Init() override { Calls.push_back("Init"); }
  long RoundScrollPosition(long value) override { return (value / SnapStep) * SnapStep; }
  void ShowScrollToolTip(long value) override { Record("ShowScrollToolTip", value); }
  void MouseDown(int button, int shift, long x, long y) override { Mouse("MouseDown", button, shift, x, y); }
  void MouseMove(int button, int shift, long x, long y) override { Mouse("MouseMove", button, shift, x, y); }
  void MouseUp(int button, int shift, long x, long y) override {
    Mouse("MouseUp", button, shift, x, y);
    if (button == 2) mContext.Host->Gui->ShowContextMenu(eGM_EditZone);
  }
  void ToolRequest(const std::string& toolID) override {
    Calls.push_back("ToolRequest " + toolID);
    if (!FailingTool.empty() && toolID == FailingTool)
      throw LdrError(231, "Tool failed", "the tool " + toolID + " failed", "RecordingView", "ToolRequest");
  }
  void SpecialToolRequest(const std::string& toolID) override { Calls.push_back("SpecialToolRequest " + toolID); }
  void DoubleClick() override { Calls.push_back("DoubleClick"); }
  void CancelProcess() override { Calls.push_back("CancelProcess"); }
  void EditCommand(long command) override { Record("EditCommand", command); }
  void RefreshOperand(long, long, long) override {}
  void Load(long funcID) override { Record("Load", funcID); }
  void ReLoad() override { Calls.push_back("ReLoad"); }
  void UnSelectAll() override { Calls.push_back("UnSelectAll"); }
  void CreateNewStrip(long stripType) override { Record("CreateNewStrip", stripType); }
  void AppendNewStrip(long stripType, long amount) override {
    Calls.push_back("AppendNewStrip " + std::to_string(stripType) + " " + std::to_string(amount));
  }
  void AppendTestValue(VirtualController&) override {}
  void CreateNewElement(long elementType) override { Record("CreateNewElement", elementType); }
  void ToggleWorkMode() override {
    mWorkMode = mWorkMode == 0 ? 1 : 0;
    mContext.State->SetWorkMode(mWorkMode);
    mContext.Host->Gui->SetWorkModeButton(static_cast<int>(mWorkMode));
    Calls.push_back("ToggleWorkMode");
  }
  std::shared_ptr<Operand> HighLightOperand(long, long, long, long) override { return nullptr; }
  bool ReplaceOperand(long, long, long, long, long, long, long) override { return false; }
  void GetSingleSelectedElement(long&, std::string&) override {}
  std::shared_ptr<Operand> GetElementSelectedOperand() override { return nullptr; }
  void GetElementWithSelectedOperandPos(tyLdrPoint& position, long& stripTop, bool& found) override {
    position = {3, 1};
    stripTop = 4;
    found = false;
  }
  void GetSelectedElementPos(tyLdrPoint& position, long& stripTop, bool& found) override {
    position = {3, 1};
    stripTop = 4;
    found = ElementSelected;
  }
  std::string GetSelectedElementName() override { return {}; }
  void KeyPress(int keyCode, int shift) override {
    Calls.push_back("KeyPress " + std::to_string(keyCode) + " " + std::to_string(shift));
  }
  long CurrentStripID() override { return 0; }
  void JumpToStrip(long stripID) override { Record("JumpToStrip", stripID); }
  void SyncLoadedStripsWithCompileDirtyBitFromDB() override {}

private:
  void Record(const char* name, long value) { Calls.push_back(std::string(name) + " " + std::to_string(value)); }
  void Mouse(const char* name, int button, int shift, long x, long y) {
    Calls.push_back(std::string(name) + " " + std::to_string(button) + " " + std::to_string(shift) + " " +
                    std::to_string(x) + " " + std::to_string(y));
  }

  LdrContext& mContext;
  long mRow = 0;
  long mColumn = 0;
  long mWorkMode = 0;
};

} // namespace ldr::studio::test

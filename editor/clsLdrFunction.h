#pragma once
// The view of the one subroutine that is open. It decides which strips exist
// as objects (only those that intersect the visible area, however long the
// subroutine is), lays them out one under another, scrolls, turns clicks into
// selection, runs the mouse processes, and turns strip commands into database
// changes followed by a reload.
//
// The strip collection is shared by reference with the drawer; the view owns
// the strips in it. LdrStrips.IsLoaded is true exactly for the strips the
// view holds.

#include "core/KeyedCollection.h"
#include "core/LdrContext.h"
#include "core/ViewRefresh.h"
#include "core/enMouseProcess.h"
#include "editing/MouseProcesses.h"
#include "editor/StripSelection.h"
#include "editor/itfFunction.h"
#include "interfaces/itfProcessControl.h"
#include "outside/operands/HitRecord.h"

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace ldr {

class itfStrip;
class itfLdrNet;
class OperandsKeyHandler;
class itfClipboard;
class BoardScrollBar;

// How the view makes the objects it owns. The host build passes the real
// factories; tests pass doubles.
struct LdrFunctionParts {
  // A strip object of a stored strip type, or nothing for a type without a
  // strip class.
  std::function<std::shared_ptr<itfStrip>(LdrContext&, long stripType)> CreateStrip;
  // The keyboard operand-selection service; without it operand keys are
  // ignored.
  std::function<std::unique_ptr<OperandsKeyHandler>(LdrContext&)> CreateOperandsKeyHandler;
};

// The real strip classes and the keyboard operand selection.
LdrFunctionParts MakeStandardFunctionParts();

class clsLdrFunction : public itfFunction, public itfProcessControl, public ViewRefresh {
public:
  static constexpr const char* kClassName = "clsLdrFunction";

  clsLdrFunction(LdrContext& context, LdrFunctionParts parts);
  ~clsLdrFunction() override;

  // itfFunction
  void SetFunctionID(long funcID) override { mFuncID = funcID; }
  long FunctionType() override;
  void SetFunctionType(long functionType) override;
  // Also itfProcessControl's: the editor's work mode.
  void SetWorkMode(long workMode) override;
  long VerticalScrollLocation() override { return mVerticalScroll; }
  void SetVerticalScrollLocation(long rows) override;
  long HorizontalScrollLocation() override { return mHorizontalScroll; }
  void SetHorizontalScrollLocation(long columns) override;
  void Init() override;
  long RoundScrollPosition(long scrollValue) override;
  void ShowScrollToolTip(long) override {}
  void MouseDown(int button, int shift, long x, long y) override;
  void MouseMove(int button, int shift, long x, long y) override;
  void MouseUp(int button, int shift, long x, long y) override;
  void ToolRequest(const std::string& toolID) override;
  void SpecialToolRequest(const std::string& toolID) override;
  void DoubleClick() override;
  void CancelProcess() override;
  void EditCommand(long editCommand) override;
  void RefreshOperand(long opType, long opAddress, long networkID) override;
  void Load(long funcID) override;
  // Also itfProcessControl's.
  void ReLoad() override { Load(mFuncID); }
  void RedrawAll() override;
  void UnSelectAll() override;
  void CreateNewStrip(long stripType) override;
  void AppendNewStrip(long stripType, long amount) override;
  void AppendTestValue(VirtualController& controller) override;
  void CreateNewElement(long elementType) override;
  void ToggleWorkMode() override;
  std::shared_ptr<Operand> HighLightOperand(long stripID, long elementID, long inIdx, long outIdx) override;
  bool ReplaceOperand(long stripID, long elementID, long inIdx, long outIdx, long opNetworkID, long opType,
                      long opAddr) override;
  void GetSingleSelectedElement(long& elementType, std::string& elementName) override;
  std::shared_ptr<Operand> GetElementSelectedOperand() override;
  // The position is the element's outlet, where a following element joins.
  void GetElementWithSelectedOperandPos(tyLdrPoint& elementPos, long& stripTop, bool& foundSelection) override;
  void GetSelectedElementPos(tyLdrPoint& elementPos, long& stripTop, bool& foundSelection) override;
  std::string GetSelectedElementName() override;
  void KeyPress(int keyCode, int shift) override;
  long CurrentStripID() override;
  void JumpToStrip(long stripID) override;
  void SyncLoadedStripsWithCompileDirtyBitFromDB() override;

  // itfProcessControl
  long HorizontalOffset() override { return mHorizontalScroll; }
  void SetDoAgain(bool again) override { mDoAgain = again; }
  void SetKillProcess(enMouseProcess process) override { mKillProcess = process; }
  void SetNewProcess(enMouseProcess process) override;
  void Relocate() override;

  // What the host and the tests may look at.
  long FunctionID() const { return mFuncID; }
  KeyedCollection<itfStrip>* Strips() const { return mStrips.get(); }
  std::shared_ptr<itfStrip> ActiveStrip() const { return mActiveStrip; }
  enMouseProcess NewProcess() const { return mNewProcess; }
  long ViewHeight() const { return mViewHeight; }
  long ViewWidth() const { return mViewWidth; }
  bool Loading() const { return mLoading; }

private:
  enum class MouseEvent { Down, Move, Up };

  // Loading and layout.
  void RefreshViewSize();
  bool CommentsHidden() const;
  void ApplyScrollRange();
  void ApplyScrollRange(long range);
  void Layout();
  std::shared_ptr<itfStrip> CreateStripOfType(long stripType);
  void ForgetStrip(long stripID);
  void RepointActiveStrip();
  void DrawAndFlush();
  BoardScrollBar& VerticalBar() const;

  // Strip commands.
  bool RunStripCommand(const std::string& toolID);
  void AfterNetsChanged();
  void ReportNoActiveStrip(const std::string& toolID, const char* procedure);
  std::shared_ptr<itfStrip> StripForOperandCall(long stripID);

  // Mouse.
  std::shared_ptr<itfStrip> HitTest(const HitRecord& hit);
  void StartProcessFromClick(const std::shared_ptr<itfStrip>& strip, int shift);
  void RunEvent(MouseEvent event, const std::shared_ptr<itfStrip>& strip, int button);
  void Dispatch(MouseEvent event, const std::shared_ptr<itfStrip>& strip, int button);
  void RunProcess(enMouseProcess kind, MouseEvent event, const std::shared_ptr<itfStrip>& strip);
  void KillStepTimer();
  void AfterElementPlaced(std::int32_t elementID);
  void HoverStep(const std::shared_ptr<itfStrip>& strip);
  void ContextMenuStep();
  static std::string HeaderTip(itfStrip& strip, itfLdrNet* net);
  void RefreshClipboardCommands();
  void RunClipboardCommand(itfClipboard& clipboard, long editCommand);
  bool Online() const;

  LdrContext& mContext;
  LdrFunctionParts mParts;
  std::unique_ptr<KeyedCollection<itfStrip>> mStrips;
  StripSelection mSelection;
  std::shared_ptr<itfStrip> mActiveStrip;
  // Strip types the factory had no class for: not asked again.
  std::set<long> mRefusedStripTypes;

  long mFuncID = 0;
  long mViewWidth = 0;
  long mViewHeight = 0;
  long mVerticalScroll = 0;
  long mHorizontalScroll = 0;
  bool mLoading = false;
  // Set by Relocate (strips may have come or gone): the next layout
  // renumbers the whole subroutine first.
  bool mRenumberPending = false;
  // Init lent the strip collection to the clipboard: taken back at the end.
  bool mStripsLentToClipboard = false;

  // The mouse processes.
  enMouseProcess mNewProcess = eMP_QueryForProcess;
  enMouseProcess mKillProcess = eMP_NoProcessToKill;
  bool mDoAgain = false;
  bool mButtonDown = false;
  bool mRightButton = false;
  std::optional<tyLdrPoint> mLastGridPoint;
  // The process objects, one slot per kind, and their dispatch tables.
  MouseProcesses mProcesses{mContext, *this};
};

} // namespace ldr

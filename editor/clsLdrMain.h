#pragma once
// The object a host creates to show and edit ladder code. It owns the view of
// the open subroutine and routes every mouse, keyboard, tool, edit and scroll
// event of the host's boards to it; the ladder itself lives in the project
// database.

#include "core/LdrContext.h"
#include "core/UndoHistory.h"
#include "editor/itfLdrMain.h"
#include "exchange/clsExportImport.h"
#include "platform/boards/MainBoardEvents.h"
#include "platform/boards/PictureBoardEvents.h"

#include <functional>
#include <memory>
#include <string>

namespace ldr {

class itfFunction;
class itfDrawer;
class itfClipboard;
class ProjectTree;
class BoardScrollBar;

// How the main object makes the objects it owns. A host passes the real
// factories; tests pass doubles. A missing factory makes the operations that
// need the object fail with a clear error.
struct LdrMainParts {
  std::function<std::unique_ptr<itfFunction>(LdrContext&)> CreateView;
  std::function<std::unique_ptr<itfDrawer>(LdrContext&)> CreateDrawer;
  // The component's clipboard; without it the edit commands do nothing.
  std::function<std::shared_ptr<itfClipboard>(LdrContext&)> CreateClipboard;
};

class clsLdrMain : public itfLdrMain {
public:
  static constexpr long kFallbackModuleID = 1;
  static constexpr long kFallbackFunctionID = 2;
  // The label tool that goes to the label of the selected jump operand.
  static constexpr const char* kGotoJumpTarget = "ID_GotoLblOfJump";

  // Takes the open project connection from the host's connection provider
  // and creates the shared editor state.
  clsLdrMain(std::shared_ptr<HostServices> host, LdrMainParts parts);
  ~clsLdrMain() override;

  // itfLdrMain
  void SaveProject() override;
  VbBool NeedToCompile() override;
  long FunctionID() override { return mFuncID; }
  void Init(std::shared_ptr<MainBoard> mainBoard, std::shared_ptr<PictureBoard> leftBoard,
            std::shared_ptr<PictureBoard> rightBoard) override;
  void Terminate() override;
  void QueryUnload() override;
  void SpecialToolRequest(const std::string& toolID) override;
  void ToolRequest(const std::string& toolID) override;
  void CreateFunctionBlock(long functionID) override;
  void CancelProcess() override;
  void AppendTestValue(VirtualController& controller) override;
  void EditCommand(long editCommand) override;
  void LoadFunction(long funcID) override;
  void RefreshOperand(long opType, long opAddress, long networkID) override;
  void AddNewFunction(long mdlID, long& funcID, std::string& funcName) override;
  void AddNewModule(long& mdlID, std::string& moduleName, long& funcID, std::string& funcName) override;
  VbBool DeleteFunction(long functionID) override;
  VbBool DeleteFunctionEx(long functionID) override;
  VbBool DeleteModule(long moduleID) override;
  VbBool RenameFunction(long functionID, const std::string& newName) override;
  VbBool RenameModule(long moduleID, const std::string& newName) override;
  VbBool ClearFunction(long funcID) override;
  void VerticalScrollBarChange(long scrollValue) override;
  void VerticalScrollBarScroll(long scrollValue) override;
  void HorizontalScrollBarChange(long scrollValue) override;
  void HorizontalScrollBarScroll(long scrollValue) override;
  void Resize(long width, long height) override;
  void SetOnLineActive(VbBool active) override;
  void RedrawAll() override;
  void SetCompileDirtyBitForBuildAll() override;
  void HighLightOperand(long mdlID, long funcID, long stripID, long elementID, long inIdx, long outIdx) override;
  VbBool ReplaceOperand(long mdlID, long funcID, long stripID, long elementID, long inIdx, long outIdx,
                        long opNetworkID, long opType, long opAddr) override;
  void Validate() override;
  void ReloadFunction() override;
  std::shared_ptr<Operand> GetElementSelectedOperand() override;
  void GetSingleSelectedElement(long& elementType, std::string& elementName) override;
  long GetLoadedModuleID() override;
  void OnFBFatherDeleted(long fatherID) override;
  bool ExportMultiSubroutines(std::vector<long>& functionIDs) override;
  VbBool Export(long funcID) override;
  bool ExportMultiSubroutinesEx(std::vector<long>& functionIDs, const std::string& moduleName) override;
  VbBool Import(long moduleID) override;
  void SetSurfaceOperatoinState(bool state) override { mSurfaceOperationState = state; }
  void DisplayLabel(const std::string& toolID) override;
  void GotoLabel(long mdlID, long funcID, long stripID) override;
  void SyncLoadedStripsWithCompileDirtyBitFromDB() override;
  void ReadProperties() override;
  bool MoveFunctionToModule(long sourceFunctionKey, long targetModuleKey) override;
  void JumpToCompileResult(const std::string& message) override;

  // Undoes or redoes the last recorded edit and loads the view again; when
  // there is none, or it cannot be applied, the user is told why.
  UndoOutcome Undo() { return UndoOrRedo(false); }
  UndoOutcome Redo() { return UndoOrRedo(true); }
  // The names of the steps that can be undone (or redone), the next first.
  std::vector<std::string> UndoNames(bool redo);

  // Export and import with the file given instead of asked (command line);
  // each is one edit, an import one undo step.
  clsExportImport::Outcome ExportToFile(const std::vector<long>& functionIDs, const std::string& path);
  clsExportImport::Outcome ImportFromFile(long moduleID, const std::string& path);
  // Told the steps of long exports and imports (a host's progress bar).
  // The subroutines of the last import: key in the file, key here.
  const std::vector<ImportPairsUDT>& LastImportPairs() const { return mLastImportPairs; }
  void SetExchangeProgress(clsExportImport::ProgressObserver observer) { mExchangeProgress = std::move(observer); }

  // What the host and the tests may look at.
  LdrContext& Context() { return *mContext; }
  itfFunction* View() const { return mView.get(); }
  long ModuleID() const { return mMdlID; }
  long HorizontalScroll() const { return mHorizontalScroll; }
  bool MouseDownSeen() const { return mMouseDownSeen; }
  bool KeyNavigationBusy() const { return mKeyNavigationBusy; }
  bool SurfaceOperationState() const { return mSurfaceOperationState; }

private:
  class BoardListener;
  class KeyListener;

  // Board events, as the listeners deliver them.
  void OnRightMouseDown(int button, int shift, int x, int y);
  void OnRightMouseMove(int button, int shift, int x, int y);
  void OnRightMouseUp(int button, int shift, int x, int y);
  void OnLeftMouseDown(int button, int shift, int x, int y);
  void OnLeftMouseMove(int button, int shift, int x, int y);
  void OnLeftMouseUp(int button, int shift, int x, int y);
  void OnBoardDoubleClick();
  void OnBoardClick();
  void OnKeyDown(int keyCode, int shift);
  void OnKeyUp(int keyCode, int shift);

  // Steps of the operations above.
  bool LoadOrFallBack(long funcID, long mdlID); // false: refused, the fallback is shown
  bool PasswordAllows(long funcID);
  void RequireFunction(long funcID, const char* procedure) const;
  void CatchUpWithOtherEditors();
  void DropView();
  void DispatchTool(const std::string& toolID);
  void RunEditCommand(long editCommand);
  bool IsNavigationKey(int keyCode) const;
  void ForwardNavigationKey(int keyCode, int shift);
  void InsertElementByKey(int keyCode, int shift);
  long ElementTypeForKey(int keyCode, int shift);
  void UpdateElementCopyFlag(int shift);
  void AutoScroll(int y);
  bool TextBoxActive() const;
  void ApplyHorizontalRange(long width);
  void ValidateBoardControls();
  void FocusMainBoard();
  void RequireView(const char* procedure) const;
  [[noreturn]] void NotBuilt(const char* procedure) const;
  BoardScrollBar* FindScrollBar(const std::string& name) const;

  UndoOutcome UndoOrRedo(bool redo);
  void ShowUndoneState(const UndoOutcome& outcome);
  void SealHistory();
  void DropHistoryChangedOutside();

  // Runs `body`, one host call, as one edit of the project: it lands whole
  // or not at all, and the view shows what is stored (EditCommit).
  void AsOneEdit(const std::function<void()>& body);
  // A change of modules and subroutines as one edit, reported under
  // `actionName` (empty: the name the change gave); the view follows it.
  VbBool AsTreeEdit(const std::function<bool(ProjectTree&)>& change, const std::string& actionName);
  void FollowTreeChange();
  // Runs an export or import as one edit; a finished import is reported.
  clsExportImport::Outcome AsExchange(const std::function<clsExportImport::Outcome(clsExportImport&)>& body);

  // What the main object owns, in the order it is made: the context first,
  // as every other part holds a reference to it, and the view last.
  std::unique_ptr<LdrContext> mContext;
  LdrMainParts mParts;
  // The boards are the host's as well.
  std::shared_ptr<MainBoard> mMainBoard;
  std::shared_ptr<PictureBoard> mLeftBoard;
  std::shared_ptr<PictureBoard> mRightBoard;
  std::unique_ptr<BoardListener> mLeftListener;
  std::unique_ptr<BoardListener> mRightListener;
  std::unique_ptr<KeyListener> mKeyListener;
  std::unique_ptr<itfDrawer> mDrawer;
  std::unique_ptr<itfFunction> mView;

  long mMdlID = 0;
  long mFuncID = 0;
  long mHorizontalScroll = 0;
  bool mMouseDownSeen = false;
  // The press opened a strip's text box: the click that ends it leaves the box open.
  bool mTextBoxOpenedByPress = false;
  bool mVScrollDragging = false;
  bool mKeyNavigationBusy = false;
  bool mSurfaceOperationState = true;
  int mAutoScrollSpeed = 0;
  clsExportImport::ProgressObserver mExchangeProgress;
  std::vector<ImportPairsUDT> mLastImportPairs;
};

} // namespace ldr

#include "editor/clsLdrMain.h"
#include "core/LdrError.h"
#include "core/clsLdrState.h"
#include "core/enMouseProcess.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "platform/boards/MemoryMainBoard.h"
#include "platform/boards/MemoryPictureBoard.h"
#include "support/ForwardingFunction.h"
#include "support/MockFunction.h"
#include "support/ProjectFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace ldr;
using ::testing::_;
using ::testing::DoAll;
using ::testing::NiceMock;
using ::testing::Return;
using ::testing::SetArgReferee;
using ::testing::StrictMock;

namespace {

class MainObject : public test::ProjectFixture {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    mLog = std::make_shared<MemoryLog>();
    mHost = MakeHeadlessHost(mDb, mLog, mDir.File("settings.ini"));
    mView = std::make_shared<NiceMock<test::MockFunction>>();
    mPendingDrawer = std::make_unique<NiceMock<test::MockDrawer>>();
    mDrawer = mPendingDrawer.get();
    LdrMainParts parts;
    parts.CreateView = [this](LdrContext&) -> std::unique_ptr<itfFunction> {
      if (mNextView) return std::make_unique<test::ForwardingFunction>(mNextView);
      return std::make_unique<test::ForwardingFunction>(mView);
    };
    parts.CreateDrawer = [this](LdrContext&) -> std::unique_ptr<itfDrawer> { return std::move(mPendingDrawer); };
    mMain = std::make_unique<clsLdrMain>(mHost.Services, parts);
    mMainBoard = std::make_shared<MemoryMainBoard>();
    mLeft = std::make_shared<MemoryPictureBoard>(28, 700);
    mRight = std::make_shared<MemoryPictureBoard>(770, 700);
    mMain->Init(mMainBoard, mLeft, mRight);
  }
  void Load() { mMain->LoadFunction(2); }
  clsLdrState& State() { return *mMain->Context().State; }

  std::shared_ptr<MemoryLog> mLog;
  HeadlessHost mHost;
  std::shared_ptr<NiceMock<test::MockFunction>> mView;
  std::unique_ptr<NiceMock<test::MockDrawer>> mPendingDrawer;
  NiceMock<test::MockDrawer>* mDrawer = nullptr; // the main object's
  std::shared_ptr<test::MockFunction> mNextView;
  std::unique_ptr<clsLdrMain> mMain;
  std::shared_ptr<MemoryMainBoard> mMainBoard;
  std::shared_ptr<MemoryPictureBoard> mLeft, mRight;
};

} // namespace

TEST_F(MainObject, LoadingRecordsTheSubroutineAndRestoresThePointer) {
  EXPECT_CALL(*mView, Init()).Times(1);
  EXPECT_CALL(*mView, Load(2)).Times(1);
  State().SetNeedToCompile(true);
  Load();
  EXPECT_EQ(mMain->FunctionID(), 2);
  EXPECT_EQ(mMain->ModuleID(), 1);
  EXPECT_EQ(Scalar("SELECT ActiveFuncID FROM LdrModules WHERE MdlID=1"), 2);
  EXPECT_EQ(mHost.Settings->ProjectSetting(21, ""), "2");
  EXPECT_EQ(mHost.Gui->MousePointer(), 0);
  EXPECT_FALSE(State().NeedToCompile());
  EXPECT_FALSE(State().NeedToSave());
}

TEST_F(MainObject, ToolsAreDispatchedInOrderAndCaseSensitively) {
  Load();
  ::testing::InSequence order;
  EXPECT_CALL(*mView, ToggleWorkMode());
  EXPECT_CALL(*mView, CreateNewStrip(1));
  EXPECT_CALL(*mView, CreateNewStrip(2));
  EXPECT_CALL(*mView, CreateNewStrip(3));
  EXPECT_CALL(*mView, AppendNewStrip(1, 3));
  EXPECT_CALL(*mView, CreateNewElement(200));
  EXPECT_CALL(*mView, CreateNewElement(1690)).Times(2);
  EXPECT_CALL(*mView, CreateNewElement(1830));
  EXPECT_CALL(*mView, ToolRequest("id_newnet"));
  EXPECT_CALL(*mView, ToolRequest("ID_SelectAll"));
  for (const char* tool :
       {"ID_LDrawLine", "ID_NewNet", "ID_InsertComment", "ID_LSetLabel", "ID_AppendLdrNet", "ID_LDirectContact",
        "ID_J1939Help", "ID_J1939TransPGN", "ID_ReadPTO", "id_newnet", "ID_SelectAll"})
    mMain->ToolRequest(tool);
}

TEST_F(MainObject, MouseUpWithoutMouseDownReachesNothing) {
  Load();
  EXPECT_CALL(*mView, MouseUp(_, _, _, _)).Times(0);
  mRight->MouseUp(1, 0, 50, 50);
  mLeft->MouseUp(1, 0, 5, 5);
  EXPECT_FALSE(mMain->MouseDownSeen());
}

TEST_F(MainObject, RightBoardShiftsByTheHorizontalScrollLeftBoardDoesNot) {
  Load();
  mMain->HorizontalScrollBarChange(3);
  EXPECT_CALL(*mView, MouseDown(1, 2, 100 + 42, 60));
  EXPECT_CALL(*mView, MouseMove(1, 2, 110 + 42, 60));
  EXPECT_CALL(*mView, MouseUp(1, 2, 110 + 42, 60));
  mRight->MouseDown(1, 2, 100, 60);
  mRight->MouseMove(1, 2, 110, 60);
  mRight->MouseUp(1, 2, 110, 60);
  EXPECT_CALL(*mView, MouseDown(1, 0, 10, 60));
  EXPECT_CALL(*mView, MouseUp(1, 0, 10, 60));
  mLeft->MouseDown(1, 0, 10, 60);
  mLeft->MouseUp(1, 0, 10, 60);
}

TEST_F(MainObject, NothingIsRoutedBeforeAViewExists) {
  EXPECT_CALL(*mView, MouseDown(_, _, _, _)).Times(0);
  EXPECT_CALL(*mView, ToolRequest(_)).Times(0);
  mRight->MouseDown(1, 0, 10, 10);
  mMain->ToolRequest("ID_Whatever");
  mMainBoard->KeyDown(40, 0);
  EXPECT_FALSE(mMain->MouseDownSeen());
}

TEST_F(MainObject, DoubleClickHandlesTheReloadRequest) {
  Load();
  EXPECT_CALL(*mView, DoubleClick());
  EXPECT_CALL(*mView, ReLoad());
  State().SetView(nullptr);
  ON_CALL(*mView, DoubleClick()).WillByDefault([this] { State().SetReloadRequest(eRR_NotifyHost); });
  mRight->DblClick(1, 0, 10, 10);
  EXPECT_EQ(mHost.Gui->MainWindowRefreshes(), 1);
  EXPECT_EQ(State().ReloadRequest(), eRR_Redraw);
  mMain->ReloadFunction();
}

TEST_F(MainObject, EditCommandsWaitForIdleAndShowWhatGoes) {
  Load();
  State().SetMouseProcess(eMP_ElementMoveProc);
  EXPECT_CALL(*mView, EditCommand(_)).Times(0);
  mMain->EditCommand(4);
  ::testing::Mock::VerifyAndClearExpectations(mView.get());

  State().SetMouseProcess(eMP_QueryForProcess);
  mMain->Context().ActionName = "old";
  Db().Execute("UPDATE LdrStrips SET IsSelected=-1 WHERE FuncID=2 AND SeqNum IN (4, 6)");
  long fourth = Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=4");
  ::testing::InSequence order;
  EXPECT_CALL(*mView, JumpToStrip(fourth));
  EXPECT_CALL(*mView, EditCommand(1));
  mMain->EditCommand(1);
  EXPECT_EQ(mMain->Context().ActionName, "");
  EXPECT_CALL(*mView, JumpToStrip(_)).Times(0);
  EXPECT_CALL(*mView, EditCommand(2));
  mMain->EditCommand(2);
}

TEST_F(MainObject, ResizeLimitsTheWidthAndRoundsToEven) {
  EXPECT_CALL(*mDrawer, SetViewWidth(54));
  EXPECT_CALL(*mDrawer, SetViewHeight(50));
  mMain->Resize(1000, 700);
  EXPECT_CALL(*mDrawer, SetViewWidth(2));  // 35 px = 2.5 columns, ties to even
  EXPECT_CALL(*mDrawer, SetViewHeight(2)); // 21 px = 1.5 rows
  mMain->Resize(35, 21);
}

TEST_F(MainObject, ThumbDragSnapsThroughTheHostScrollBar) {
  Load();
  EXPECT_CALL(*mView, SetVerticalScrollLocation(7));
  mMain->VerticalScrollBarChange(7);
  EXPECT_CALL(*mView, ShowScrollToolTip(20));
  mMain->VerticalScrollBarScroll(20);
  EXPECT_CALL(*mView, RoundScrollPosition(22)).WillOnce(Return(28));
  mHost.Gui->VerticalScrollBar().SetRange(0, 100);
  mMain->VerticalScrollBarChange(22);
  EXPECT_EQ(mHost.Gui->VerticalScrollBar().Value(), 28);
  EXPECT_CALL(*mView, SetVerticalScrollLocation(28));
  mMain->VerticalScrollBarChange(28); // the bar's own change: no longer dragging
  // A drag that snaps back to the bar's value still moves the view.
  EXPECT_CALL(*mView, ShowScrollToolTip(29));
  mMain->VerticalScrollBarScroll(29);
  EXPECT_CALL(*mView, RoundScrollPosition(29)).WillOnce(Return(28));
  EXPECT_CALL(*mView, SetVerticalScrollLocation(28));
  mMain->VerticalScrollBarChange(29);
}

TEST_F(MainObject, NavigationKeysGoToTheScrollBarsWhenNothingIsSelected) {
  Load();
  auto& bar = mMainBoard->MemoryBar("vscrl");
  bar.SetRange(0, 100);
  bar.SetValue(10);
  EXPECT_CALL(*mView, KeyPress(_, _)).Times(0);
  mMainBoard->KeyDown(40, 0); // Down
  EXPECT_GT(bar.Value(), 10);
  EXPECT_FALSE(mMain->KeyNavigationBusy());
  EXPECT_TRUE(mMainBoard->HasFocus());
}

TEST_F(MainObject, KeysGoToTheViewWhenSomethingIsSelected) {
  Load();
  ON_CALL(*mView, GetSelectedElementPos(_, _, _)).WillByDefault(SetArgReferee<2>(true));
  EXPECT_CALL(*mView, KeyPress(40, 0));
  mMainBoard->KeyDown(40, 0);
}

TEST_F(MainObject, FunctionKeysInsertBesideTheSelection) {
  Load();
  mMain->HorizontalScrollBarChange(1);
  ON_CALL(*mView, GetElementWithSelectedOperandPos(_, _, _))
      .WillByDefault(DoAll(SetArgReferee<0>(tyLdrPoint{5, 3}), SetArgReferee<1>(10L), SetArgReferee<2>(true)));
  ::testing::InSequence order;
  EXPECT_CALL(*mView, KeyPress(117, 1));
  EXPECT_CALL(*mView, CreateNewElement(205)); // Shift+F6: inverted coil
  // (5 - 1 + 2) * 14 on the board, plus the horizontal scroll again.
  EXPECT_CALL(*mView, MouseDown(1, 0, 6 * 14 + 14, 13 * 14));
  EXPECT_CALL(*mView, MouseUp(1, 0, 6 * 14 + 14, 13 * 14));
  mMainBoard->KeyDown(117, 1);
}

TEST_F(MainObject, FunctionKeyTypesFromHostSettings) {
  Load();
  mHost.Settings->SetHostSetting(7000, 7002, "1500");
  mHost.Settings->SetHostSetting(7000, 7003, "1212"); // no keyboard tool: empty ID
  EXPECT_CALL(*mView, CreateNewElement(1500));
  mMainBoard->KeyDown(114, 1);
  EXPECT_CALL(*mView, ToolRequest(""));
  mMainBoard->KeyDown(115, 0);
  EXPECT_CALL(*mView, CreateNewElement(_)).Times(0);
  mMainBoard->KeyDown(114, 0); // 7001 unset: nothing
}

TEST_F(MainObject, CtrlTracksTheElementCopyFlag) {
  Load();
  mMainBoard->KeyDown(17, 2);
  EXPECT_TRUE(mMain->Context().ElementCopy);
  mMainBoard->KeyUp(17, 0);
  EXPECT_FALSE(mMain->Context().ElementCopy);
  mRight->MouseMove(0, 2, 5, 5);
  EXPECT_TRUE(mMain->Context().ElementCopy);
}

TEST_F(MainObject, KeyUpShortcuts) {
  Load();
  ::testing::InSequence order;
  EXPECT_CALL(*mView, EditCommand(3));
  EXPECT_CALL(*mView, EditCommand(3));
  EXPECT_CALL(*mView, EditCommand(1));
  EXPECT_CALL(*mView, EditCommand(2));
  EXPECT_CALL(*mView, CancelProcess());
  mMainBoard->KeyUp(86, 2);
  mMainBoard->KeyUp(45, 1);
  mMainBoard->KeyUp(88, 2);
  mMainBoard->KeyUp(45, 2);
  mMainBoard->KeyUp(27, 0);
  mMainBoard->KeyUp(86, 3); // Ctrl+Shift+V: nothing
}

TEST_F(MainObject, NoShortcutsWhileTypingAComment) {
  Load();
  auto& box = mMainBoard->MemoryBox("txtComment");
  box.SetVisible(true);
  ASSERT_TRUE(box.SetFocus());
  EXPECT_CALL(*mView, EditCommand(_)).Times(0);
  mMainBoard->KeyUp(46, 0);
}

TEST_F(MainObject, CompileResultsAreReadLeniently) {
  Load();
  long third = Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND ShowNum=3");
  EXPECT_CALL(*mView, JumpToStrip(third));
  mMain->JumpToCompileResult("E1\tx\tNet 3\ttext\t1\t2");
  EXPECT_CALL(*mView, JumpToStrip(_)).Times(0);
  EXPECT_CALL(*mDrawer, RedrawAll()).Times(4);
  mMain->JumpToCompileResult("a\tb\tNet 3\td\te");
  mMain->JumpToCompileResult("");
  mMain->JumpToCompileResult("a\tb\tNet x\td\tone\ttwo");
  mMain->JumpToCompileResult(std::string(10000, '\t'));
}

TEST_F(MainObject, MissingOperandTargetShowsMessage82) {
  Load();
  EXPECT_CALL(*mView, HighLightOperand(_, _, _, _)).Times(0);
  mMain->HighLightOperand(1, 2, 9999, 9999, 1, 0);
  EXPECT_TRUE(mLog->Contains("message 82")) << ::testing::PrintToString(mLog->Lines());
  long element = Scalar("SELECT ElmntID FROM LdrElements e JOIN LdrStrips s ON s.StripID=e.StripID WHERE FuncID=2");
  long strip = Scalar("SELECT StripID FROM LdrElements WHERE ElmntID=" + std::to_string(element));
  EXPECT_CALL(*mView, HighLightOperand(strip, element, 0, 1));
  mMain->HighLightOperand(1, 2, strip, element, 0, 1);
}

TEST_F(MainObject, ReadPropertiesTakesDefaultsAndSettings) {
  mMain->ReadProperties();
  EXPECT_EQ(mMain->Context().SnapLimitX, 2);
  EXPECT_EQ(mMain->Context().PowerFlowColor, 255u);
  mHost.Settings->SetHostSetting(6000, 6006, "4");
  mHost.Settings->SetHostSetting(6000, 6013, "65280");
  mHost.Settings->SetHostSetting(6000, 6007, "garbage");
  mMain->ReadProperties();
  EXPECT_EQ(mMain->Context().SnapLimitX, 4);
  EXPECT_EQ(mMain->Context().SnapLimitY, 2);
  EXPECT_EQ(mMain->Context().PowerFlowColor, 65280u);
}

TEST_F(MainObject, OnlineSwitchesSelectionAndReloads) {
  Load();
  EXPECT_CALL(*mView, UnSelectAll());
  EXPECT_CALL(*mView, SetWorkMode(0));
  mMain->SetOnLineActive(-1);
  EXPECT_TRUE(State().OnLineActive());
  EXPECT_CALL(*mView, ReLoad());
  mMain->SetOnLineActive(0);
}

TEST_F(MainObject, SmallOperations) {
  Load();
  EXPECT_EQ(mMain->NeedToCompile(), -1);
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0");
  EXPECT_EQ(mMain->NeedToCompile(), 0);
  mMain->SetCompileDirtyBitForBuildAll();
  EXPECT_EQ(mMain->NeedToCompile(), -1);
  State().SetNeedToSave(true);
  mMain->SaveProject();
  EXPECT_FALSE(State().NeedToSave());
  EXPECT_EQ(mMain->GetLoadedModuleID(), 1);
  EXPECT_TRUE(mMain->MoveFunctionToModule(2, 1));
  mMain->OnFBFatherDeleted(100);
  EXPECT_TRUE(mLog->Contains("msgbox \"Orphand Subroutine\""));
}

TEST_F(MainObject, LoadingAgainTheDrawerLetsGoOfTheOldStripsBeforeTheViewEnds) {
  Load();
  ::testing::InSequence order;
  EXPECT_CALL(*mDrawer, SetStrips(nullptr));
  EXPECT_CALL(*mView, Init());
  Load();
  // Ending the main object lets go once more; that is not this test's case.
  ::testing::Mock::VerifyAndClearExpectations(mDrawer);
}

TEST_F(MainObject, ReplaceOperandInAnotherSubroutineUsesAFreshView) {
  Load();
  auto other = std::make_shared<StrictMock<test::MockFunction>>();
  EXPECT_CALL(*other, SetFunctionID(1));
  EXPECT_CALL(*other, ReplaceOperand(5, 6, 1, 0, 0, 3, 7)).WillOnce(Return(true));
  mNextView = other;
  EXPECT_EQ(mMain->ReplaceOperand(1, 1, 5, 6, 1, 0, 0, 3, 7), -1);
}

TEST_F(MainObject, AutomaticScrollingWhileMoving) {
  Load();
  auto& bar = mMainBoard->MemoryBar("vscrl");
  bar.SetRange(0, 100);
  bar.SetValue(50);
  State().SetMouseProcess(eMP_ElementMoveProc);
  mRight->MouseMove(1, 0, 100, 700 + 90); // 90 px below: 3 rows a pass
  EXPECT_EQ(mMain->Context().AutoScrollDirection, 1);
  EXPECT_EQ(bar.Value(), 53);
  EXPECT_EQ(mMainBoard->MousePointer(), 99);
  mRight->MouseMove(1, 0, 100, -10);
  EXPECT_EQ(bar.Value(), 52);
  mRight->MouseMove(1, 0, 100, 300);
  EXPECT_EQ(mMain->Context().AutoScrollDirection, 0);
  EXPECT_EQ(bar.Value(), 52);
}

TEST_F(MainObject, InitAndTerminateHandTheBoardsToTheDrawer) {
  auto owned = std::make_unique<StrictMock<test::MockDrawer>>();
  auto* drawer = owned.get();
  LdrMainParts parts;
  parts.CreateDrawer = [&](LdrContext&) -> std::unique_ptr<itfDrawer> { return std::move(owned); };
  clsLdrMain main(mHost.Services, parts);
  EXPECT_CALL(*drawer, Init(std::shared_ptr<PictureBoard>(mLeft), std::shared_ptr<PictureBoard>(mRight)));
  main.Init(mMainBoard, mLeft, mRight);
  EXPECT_EQ(main.ModuleID(), 1);
  EXPECT_TRUE(main.Context().State->Initialized());
  EXPECT_CALL(*drawer, Release());
  EXPECT_CALL(*drawer, SetStrips(nullptr));
  main.Terminate();
  EXPECT_EQ(main.Context().Drawer, nullptr);
  EXPECT_EQ(main.Context().Connection, nullptr);
}

TEST_F(MainObject, WithoutAViewFactoryLoadingFailsClearly) {
  clsLdrMain main(mHost.Services, LdrMainParts{});
  main.Init(mMainBoard, mLeft, mRight);
  try {
    main.LoadFunction(2);
    FAIL() << "loaded without a view";
  } catch (const LdrError& e) {
    EXPECT_EQ(e.Code(), 217);
    EXPECT_EQ(e.Procedure(), "LoadFunction");
  }
  EXPECT_EQ(Scalar("SELECT ActiveFuncID FROM LdrModules"), 2); // unchanged from the new project
}

TEST_F(MainObject, LeftBoardMouseDownTakesTheFocusBackAndAClickValidates) {
  Load();
  auto& box = mMainBoard->MemoryBox("txtComment");
  box.SetVisible(true);
  ASSERT_TRUE(box.SetFocus());
  mLeft->MouseDown(1, 0, 5, 5);
  EXPECT_TRUE(mMainBoard->HasFocus());
  mLeft->MouseUp(1, 0, 5, 5);
}

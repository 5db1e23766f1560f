#include "core/clsLdrState.h"
#include "core/ViewRefresh.h"
#include "core/enMouseProcess.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "platform/boards/MemoryMainBoard.h"
#include "support/ProjectFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace ldr;

namespace {

class ViewMock : public ViewRefresh {
public:
  MOCK_METHOD(void, RedrawAll, (), (override));
  MOCK_METHOD(void, ReLoad, (), (override));
};

class EditorState : public test::ProjectFixture {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    mHost = MakeHeadlessHost(mDb, std::make_shared<MemoryLog>(), mDir.File("settings.ini"));
    mContext.Connection = mDb;
    mContext.SetHost(mHost.Services);
    mBoard = std::make_shared<MemoryMainBoard>();
    mState = std::make_unique<clsLdrState>(mContext);
    mState->Init(mBoard);
  }
  PointerChoice Choice(long process, bool noDrop) {
    mState->SetMouseProcess(process);
    mState->SetNoDrop(noDrop);
    return mState->ChoosePointer();
  }

  LdrContext mContext;
  HeadlessHost mHost;
  std::shared_ptr<MemoryMainBoard> mBoard;
  std::unique_ptr<clsLdrState> mState;
};

} // namespace

TEST_F(EditorState, PointerFollowsProcessAndDrop) {
  EXPECT_EQ(Choice(eMP_QueryForProcess, false).Code, 0);
  mState->SetWorkMode(1);
  EXPECT_EQ(Choice(eMP_QueryForProcess, false).Code, 2);
  EXPECT_EQ(Choice(eMP_ElmntCreateProc, false), (PointerChoice{99, "ELMNT_CREATE", true, true}));
  EXPECT_EQ(Choice(eMP_ElmntCreateProc, true).Code, 12);
  EXPECT_EQ(Choice(eMP_StripCreateProc, false).Code, 2);
  EXPECT_EQ(Choice(eMP_LineCreateProc, false).Picture, "ELMNT_CREATE");
  EXPECT_EQ(Choice(eMP_StripResizeProc, false).Code, 7);
  EXPECT_EQ(Choice(eMP_RectSelectProc, false).Code, 1);
  EXPECT_EQ(Choice(eMP_RectSelectProc, true).Code, 12);
  EXPECT_EQ(Choice(eMP_EditLabelProc, false).Code, 2);
  EXPECT_EQ(Choice(eMP_EditPasteProc, true).Code, 12);
  EXPECT_FALSE(Choice(42, false).Changes);
}

TEST_F(EditorState, MovingPointerPrecedence) {
  mContext.ElementCopy = true;
  mContext.AutoScrollDirection = 1;
  EXPECT_EQ(Choice(eMP_ElementMoveProc, true).Picture, "DOWN_ARROW");
  mContext.AutoScrollDirection = -1;
  EXPECT_EQ(Choice(eMP_ElementMoveProc, true).Picture, "UP_ARROW");
  mContext.AutoScrollDirection = 0;
  EXPECT_EQ(Choice(eMP_ElementMoveProc, true).Code, 12);
  EXPECT_EQ(Choice(eMP_ElementMoveProc, false).Picture, "ELMNT_COPY");
  mContext.ElementCopy = false;
  EXPECT_EQ(Choice(eMP_ElementMoveProc, false).Picture, "ELMNT_MOVE");
}

TEST_F(EditorState, SameProcessKeepsPointerAndNoDrop) {
  mState->SetMouseProcess(eMP_StripResizeProc);
  EXPECT_EQ(mBoard->MousePointer(), 7);
  mState->SetNoDrop(true);
  EXPECT_EQ(mBoard->MousePointer(), 12);
  mBoard->SetMousePointer(55); // a pointer set by someone else stays
  mState->SetMouseProcess(eMP_StripResizeProc);
  EXPECT_TRUE(mState->NoDrop());
  EXPECT_EQ(mBoard->MousePointer(), 55);
  mState->SetWorkMode(1);
  EXPECT_FALSE(mState->NoDrop());
}

TEST_F(EditorState, PointerUntouchedBeforeInit) {
  clsLdrState fresh(mContext);
  auto board = std::make_shared<MemoryMainBoard>();
  board->SetMousePointer(3);
  fresh.SetMouseProcess(eMP_StripResizeProc);
  fresh.Init(board);
  EXPECT_EQ(board->MousePointer(), 3);
}

TEST_F(EditorState, NeedToCompileSetsNeedToSaveAndComesFromTheProject) {
  mState->SetNeedToCompile(false);
  EXPECT_TRUE(mState->NeedToSave());
  mState->SetNeedToSave(false);
  mState->UpdateMdiButtonsStatus(); // the new project's nets are dirty
  EXPECT_TRUE(mState->NeedToCompile());
  EXPECT_TRUE(mHost.Gui->NeedToCompile());
  EXPECT_FALSE(mHost.Gui->Modified());
  mState->SetNeedToSave(true);
  mState->UpdateMdiButtonsStatus();
  EXPECT_TRUE(mHost.Gui->Modified());
  EXPECT_EQ(mHost.Gui->LastModifiedCode(), 0);
}

TEST_F(EditorState, ReloadRequests) {
  mState->SetReloadRequest(eRR_ReloadFunction);
  mState->HandleReloadRequest(); // no view: only cleared
  EXPECT_EQ(mState->ReloadRequest(), eRR_Redraw);

  ViewMock view;
  mState->SetView(&view);
  EXPECT_CALL(view, ReLoad()).Times(1);
  mState->SetReloadRequest(eRR_ReloadFunction);
  mState->HandleReloadRequest();

  mState->SetReloadRequest(eRR_NotifyHost);
  mState->HandleReloadRequest();
  EXPECT_EQ(mHost.Gui->MainWindowRefreshes(), 1);
  EXPECT_EQ(mState->ReloadRequest(), eRR_Redraw);
}

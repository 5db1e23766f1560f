// The process slots and the dispatch tables the function view runs.

#include "editing/MouseProcesses.h"
#include "EditingFixture.h"
#include "editing/srvElementCreator.h"
#include "editing/srvLineCreator.h"
#include "editing/srvStripCreator.h"
#include "interfaces/itfProcess.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

using ::testing::_;

// A process that records the events it gets.
class RecordingProcess : public ProcessBase {
public:
  RecordingProcess(LdrContext& ctx, enMouseProcess kind) : ProcessBase(ctx, "srvRecordingProcess", kind) {}
  void SetFunctionID(std::int32_t value) override { FunctionID = value; }
  ProcessOutcome OnMouseDown(const std::shared_ptr<itfStrip>&) override {
    ++Downs;
    PasteFlagSeen = mCtx.PasteInProgress;
    return ProcessOutcome::Continue();
  }
  ProcessOutcome OnMouseMove(const std::shared_ptr<itfStrip>&) override {
    ++Moves;
    return ProcessOutcome::Continue();
  }
  ProcessOutcome OnMouseUp(const std::shared_ptr<itfStrip>&) override {
    ++Ups;
    return ProcessOutcome::Continue();
  }
  int Downs = 0, Moves = 0, Ups = 0;
  std::int32_t FunctionID = 0;
  bool PasteFlagSeen = false;
};

class MouseProcessesTest : public EditingFixture {
protected:
  void SetUp() override {
    EditingFixture::SetUp();
    mNet = LoadNet(NetID(1), 0);
  }
  // Standard classes, and recording ones for rectangle selection and paste.
  MouseProcesses::ProcessFactory WithRecorders() {
    return [this](LdrContext& ctx, enMouseProcess kind) -> std::shared_ptr<itfProcess> {
      if (kind == eMP_RectSelectProc || kind == eMP_EditPasteProc) {
        mRecorder = std::make_shared<RecordingProcess>(ctx, kind);
        return mRecorder;
      }
      return MouseProcesses::StandardProcess(ctx, kind);
    };
  }

  // The element a mouse-down placed, -1 when it placed none.
  static std::int32_t Placed(const ProcessOutcome& outcome) { return outcome.PlacedElementID; }

  std::shared_ptr<itfStrip> mNet;
  std::shared_ptr<RecordingProcess> mRecorder;
};

TEST_F(MouseProcessesTest, AClickThatAsksForAProcessCreatesItInItsSlot) {
  MouseProcesses processes(mCtx, mControl);
  PointAt(mNet, 4, 5);
  processes.MouseDown(eMP_LineCreateProc, mNet, false, 2);
  auto line = std::dynamic_pointer_cast<srvLineCreator>(processes.Slot(eMP_LineCreateProc));
  ASSERT_TRUE(line);
  EXPECT_TRUE(line->Line()); // it got the mouse-down
  PointAt(mNet, 9, 5);
  processes.MouseMove(eMP_LineCreateProc, mNet);
  processes.MouseUp(eMP_LineCreateProc, mNet);
  EXPECT_EQ(Count("LdrElements WHERE ElmntType=100 AND StripID=" + std::to_string(mNet->StripID())), 1);
  processes.Kill(eMP_LineCreateProc);
  EXPECT_FALSE(processes.Exists(eMP_LineCreateProc));
}

TEST_F(MouseProcessesTest, TheRightButtonStartsNoLineAndNoMove) {
  MouseProcesses processes(mCtx, mControl);
  processes.MouseDown(eMP_LineCreateProc, mNet, true, 2);
  processes.MouseDown(eMP_ElementMoveProc, mNet, true, 2);
  EXPECT_FALSE(processes.Exists(eMP_LineCreateProc));
  EXPECT_FALSE(processes.Exists(eMP_ElementMoveProc));
  // ...but a resize starts with either.
  PointAt(mNet, -1, 13, 2);
  processes.MouseDown(eMP_StripResizeProc, mNet, true, 2);
  EXPECT_TRUE(processes.Exists(eMP_StripResizeProc));
}

TEST_F(MouseProcessesTest, AKindWithoutAClassEndsAtOnce) {
  MouseProcesses processes(mCtx, mControl, [](LdrContext&, enMouseProcess) { return nullptr; });
  EXPECT_CALL(mControl, SetNewProcess(eMP_QueryForProcess));
  processes.MouseDown(eMP_RectSelectProc, mNet, false, 2);
  EXPECT_FALSE(processes.Exists(eMP_RectSelectProc));
}

TEST_F(MouseProcessesTest, RectangleSelectionLearnsTheSubroutine) {
  MouseProcesses processes(mCtx, mControl, WithRecorders());
  processes.MouseDown(eMP_RectSelectProc, mNet, false, 7);
  ASSERT_TRUE(mRecorder);
  EXPECT_EQ(mRecorder->FunctionID, 7);
  EXPECT_EQ(mRecorder->Downs, 1);
  processes.MouseMove(eMP_RectSelectProc, mNet);
  processes.MouseMove(eMP_RectSelectProc, mNet);
  processes.MouseUp(eMP_RectSelectProc, mNet);
  EXPECT_EQ(mRecorder->Moves, 2);
  EXPECT_EQ(mRecorder->Ups, 1);
}

TEST_F(MouseProcessesTest, PasteRunsWithThePasteFlagSet) {
  MouseProcesses processes(mCtx, mControl, WithRecorders());
  ASSERT_TRUE(processes.StartPaste(3));
  EXPECT_EQ(mRecorder->FunctionID, 3);
  processes.MouseDown(eMP_EditPasteProc, mNet, false, 3);
  EXPECT_TRUE(mRecorder->PasteFlagSeen);
  EXPECT_FALSE(mCtx.PasteInProgress);
}

TEST_F(MouseProcessesTest, TheElementCreatorShowsAtOnceAndDropsOnlyWithTheLeftButton) {
  MouseProcesses processes(mCtx, mControl);
  EXPECT_CALL(*mDrawer, DraftElement(_, _));
  PointAt(mNet, 10, 5);
  ASSERT_TRUE(processes.StartElementCreator(eET_DirectContact, mNet));
  EXPECT_EQ(Placed(processes.MouseDown(eMP_ElmntCreateProc, mNet, true, 2)), -1);
  AnswerOperand(1, 5);
  const auto placed = Placed(processes.MouseDown(eMP_ElmntCreateProc, mNet, false, 2));
  const long stored = Scalar("SELECT ElmntID FROM LdrElements WHERE StripID=" + std::to_string(mNet->StripID()));
  EXPECT_EQ(placed, stored);
  // Its own mouse-up already ran; the view's does nothing more.
  processes.MouseUp(eMP_ElmntCreateProc, mNet);
}

TEST_F(MouseProcessesTest, AWithdrawnDropIsNoPlacement) {
  MouseProcesses processes(mCtx, mControl);
  PointAt(mNet, 10, 5);
  ASSERT_TRUE(processes.StartElementCreator(eET_DirectContact, mNet));
  CancelOperand();
  EXPECT_EQ(Placed(processes.MouseDown(eMP_ElmntCreateProc, mNet, false, 2)), -1);
}

TEST_F(MouseProcessesTest, ATypeWithoutAClassStartsNoCreator) {
  MouseProcesses processes(mCtx, mControl);
  EXPECT_FALSE(processes.StartElementCreator(2000, mNet));
  EXPECT_FALSE(processes.Exists(eMP_ElmntCreateProc));
}

TEST_F(MouseProcessesTest, TheMoveReturnsToAPendingCreator) {
  MouseProcesses processes(mCtx, mControl);
  auto element = Store(mNet, eET_DirectContact, 5, 5);
  element->SetIsSelected(true);
  PointAt(mNet, 5, 5);
  processes.MouseDown(eMP_ElementMoveProc, mNet, false, 2);
  {
    EXPECT_CALL(mControl, SetNewProcess(eMP_QueryForProcess)).Times(2); // the mover's end, then idle
    processes.MouseUp(eMP_ElementMoveProc, mNet);
  }
  ::testing::Mock::VerifyAndClearExpectations(&mControl);
  PointAt(mNet, 30, 5);
  processes.StartElementCreator(eET_DirectContact, mNet);
  PointAt(mNet, 5, 5);
  processes.MouseDown(eMP_ElementMoveProc, mNet, false, 2);
  ::testing::InSequence order;
  EXPECT_CALL(mControl, SetNewProcess(eMP_QueryForProcess));
  EXPECT_CALL(mControl, SetNewProcess(eMP_ElmntCreateProc));
  EXPECT_CALL(mControl, SetDoAgain(true));
  processes.MouseUp(eMP_ElementMoveProc, mNet);
}

TEST_F(MouseProcessesTest, TheStripCreatorIsToldWhatToCreate) {
  MouseProcesses processes(mCtx, mControl);
  processes.StartStripCreator(2, eST_LdrComment);
  auto creator = std::dynamic_pointer_cast<srvStripCreator>(processes.Slot(eMP_StripCreateProc));
  ASSERT_TRUE(creator);
  EXPECT_EQ(creator->FunctionID(), 2);
  EXPECT_EQ(creator->StripType(), eST_LdrComment);
  EXPECT_EQ(creator->CreationStyle(), 1);
  EXPECT_EQ(creator->CreationAmount(), 1);
  const long comments = Count("LdrStrips WHERE FuncID=2 AND StrpType=2");
  processes.MouseDown(eMP_StripCreateProc, mNet, false, 2);
  EXPECT_EQ(Count("LdrStrips WHERE FuncID=2 AND StrpType=2"), comments + 1);
}

TEST_F(MouseProcessesTest, KillAllEmptiesEverySlot) {
  MouseProcesses processes(mCtx, mControl, WithRecorders());
  processes.StartStripCreator(2, eST_LdrNet);
  processes.StartPaste(2);
  processes.StartElementCreator(eET_DirectCoil, mNet);
  processes.KillAll();
  for (int kind = eMP_ElmntCreateProc; kind <= eMP_EditPasteProc; ++kind)
    EXPECT_FALSE(processes.Exists(static_cast<enMouseProcess>(kind))) << kind;
  processes.Kill(eMP_NoProcessToKill); // nothing to do
}

} // namespace
} // namespace ldr::test

// Label strips: loading and storing, the name and its re-reading, hit kinds
// with the name box edge at X = 17, the processes a press starts, renaming
// through the label-name service, and the picture.
#include "CommentTestFixture.h"

#include "editing/srvDrawer.h"
#include "outside/headless/HeadlessGui.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

using LabelStrip = CommentTestFixture;

TEST_F(LabelStrip, StoredLabelLoadsBackWithNameAndComment) {
  clsLdrLabel label(mCtx);
  label.SetPropertyBag([] {
    PropertyBag bag;
    bag.WriteProperty("LblName", "Start'Up");
    bag.WriteProperty("LblComment", "after power-on");
    bag.WriteProperty("StripNote", "n");
    return bag;
  }());
  label.SetSeqNum(3);
  label.AddToDB(2);
  const long id = label.StripID();
  ASSERT_GT(id, 0);
  EXPECT_EQ(Column(id, "StrpType").AsLong(), 3);
  EXPECT_EQ(Column(id, "Height").AsLong(), 1);
  EXPECT_EQ(Column(id, "SeqNum").AsLong(), 3);
  EXPECT_EQ(Column(id, "CompileDirtyBit").AsLong(), 0);
  EXPECT_EQ(Column(id, "LblName").AsText(), "Start'Up");
  EXPECT_EQ(Column(id, "LblComment").AsText(), "after power-on");

  auto loaded = LoadStrip<clsLdrLabel>(id, 6);
  EXPECT_EQ(loaded->LabelName(), "Start'Up");
  EXPECT_EQ(loaded->LabelComment(), "after power-on");
  EXPECT_EQ(loaded->StripNote(), "n");
  EXPECT_EQ(loaded->StripID(), id);
  EXPECT_EQ(loaded->Top(), 6);
}

TEST_F(LabelStrip, AlwaysOneRowHigh) {
  const long id = AddLabelRow("L1");
  Db().Execute("UPDATE LdrStrips SET Height=7 WHERE StripID=" + std::to_string(id));
  auto label = LoadStrip<clsLdrLabel>(id);
  EXPECT_EQ(label->Height(), 1);
  EXPECT_EQ(label->MinHeight(), 1);
  EXPECT_EQ(label->MaxHeight(), 1);
  label->SetHeight(5);
  EXPECT_EQ(label->Height(), 1);
  EXPECT_EQ(label->GetBoundingRect(), (Rect{0, 0, 54, 1}));
}

TEST_F(LabelStrip, NameAndCommentWritesAreStoredAsTheyAre) {
  const long id = AddLabelRow("Old");
  auto label = LoadStrip<clsLdrLabel>(id);
  label->SetLabelName("O'Brien's loop");
  label->SetLabelComment("it's; DELETE FROM LdrStrips");
  label->SetIsSelected(true);
  EXPECT_EQ(Column(id, "LblName").AsText(), "O'Brien's loop");
  EXPECT_EQ(Column(id, "LblComment").AsText(), "it's; DELETE FROM LdrStrips");
  EXPECT_EQ(Column(id, "IsSelected").AsLong(), -1);
  EXPECT_GT(Scalar("SELECT COUNT(*) FROM LdrStrips"), 10);
}

TEST_F(LabelStrip, NameIsReadAgainFromItsRow) {
  const long id = AddLabelRow("Before");
  auto label = LoadStrip<clsLdrLabel>(id);
  Db().Execute("UPDATE LdrStrips SET LblName='After' WHERE StripID=" + std::to_string(id));
  label->UpdateLabelNameFromDB();
  EXPECT_EQ(label->LabelName(), "After");
  Db().Execute("UPDATE LdrStrips SET LblName=NULL WHERE StripID=" + std::to_string(id));
  label->UpdateLabelNameFromDB();
  EXPECT_EQ(label->LabelName(), "");
  EXPECT_TRUE(Errors().empty());
}

TEST_F(LabelStrip, RereadingAGoneRowReports232AndKeepsTheName) {
  const long id = AddLabelRow("Kept");
  auto label = LoadStrip<clsLdrLabel>(id);
  label->DeleteFromDB();
  ASSERT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE StripID=" + std::to_string(id)), 0);
  label->UpdateLabelNameFromDB();
  EXPECT_EQ(label->LabelName(), "Kept");
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].Code(), 232);
  EXPECT_EQ(Errors()[0].Title, "Strip ID not exist");
  EXPECT_EQ(Errors()[0].Description, "The open query returns null recordset");
  EXPECT_EQ(Errors()[0].ClassName, "clsLdrLabel");
  EXPECT_EQ(Errors()[0].Procedure, "prvUpdateLabelNameFromDB");
}

// A label at row 4 with Left 0: left zone X < 2, name box up to the grid
// line X = 17, comment area beyond.
TEST_F(LabelStrip, HitKindsWithTheSideFlagRuleAtX17) {
  auto label = LoadStrip<clsLdrLabel>(AddLabelRow("L"), 4);
  constexpr auto L = HitRecord::kLeftOfLine;
  constexpr auto R = HitRecord::kOnOrRightOfLine;
  constexpr auto A = HitRecord::kAboveLine;
  constexpr auto B = HitRecord::kOnOrBelowLine;
  EXPECT_EQ(KindAt(*label, Hit(1, 4)), 1);
  EXPECT_EQ(KindAt(*label, Hit(2, 4, L)), 1);
  EXPECT_EQ(KindAt(*label, Hit(2, 4, R)), 5);
  EXPECT_EQ(KindAt(*label, Hit(16, 4, R)), 5);
  EXPECT_EQ(KindAt(*label, Hit(17, 4, L)), 5);
  EXPECT_EQ(KindAt(*label, Hit(17, 4, R)), 4);
  EXPECT_EQ(KindAt(*label, Hit(18, 4, L)), 4);
  EXPECT_EQ(KindAt(*label, Hit(54, 4, L)), 4);
  EXPECT_EQ(KindAt(*label, Hit(54, 4, R)), 0);
  EXPECT_EQ(KindAt(*label, Hit(10, 5, R, A)), 5);
  EXPECT_EQ(KindAt(*label, Hit(10, 5, R, B)), 0);
  EXPECT_EQ(KindAt(*label, Hit(10, 4, R, A)), 0);
  EXPECT_EQ(KindAt(*label, Hit(10, 3)), 0);
}

TEST_F(LabelStrip, X17IsMeasuredFromTheStripsLeft) {
  auto label = LoadStrip<clsLdrLabel>(AddLabelRow("L"), 0);
  label->SetLeft(2);
  EXPECT_EQ(KindAt(*label, Hit(19, 0, HitRecord::kLeftOfLine)), 5);
  EXPECT_EQ(KindAt(*label, Hit(19, 0, HitRecord::kOnOrRightOfLine)), 4);
  EXPECT_EQ(KindAt(*label, Hit(3, 0)), 1);
}

TEST_F(LabelStrip, NameBoxStartsTheLabelEditorOffLine) {
  auto label = LoadStrip<clsLdrLabel>(AddLabelRow("L"));
  RecordingProcessControl control;
  HitRecord name = Hit(5, 0);
  label->HitTestByPoint(name);
  label->QueryProcess(control);
  EXPECT_EQ(control.NewProcess, eMP_EditLabelProc);

  RecordingProcessControl comment;
  HitRecord commentHit = Hit(30, 0);
  label->HitTestByPoint(commentHit);
  label->QueryProcess(comment);
  EXPECT_EQ(comment.NewProcessCalls, 0);

  mCtx.State->SetOnLineActive(true);
  RecordingProcessControl online;
  label->HitTestByPoint(name);
  label->QueryProcess(online);
  EXPECT_EQ(online.NewProcessCalls, 0);
}

TEST_F(LabelStrip, RightClickOnTheHeaderShowsTheLabelMenu) {
  auto label = LoadStrip<clsLdrLabel>(AddLabelRow("L"));
  RecordingProcessControl control;
  HitRecord left = Hit(1, 0);
  label->HitTestByPoint(left);
  label->QueryProcess(control);
  EXPECT_TRUE(mHost.Gui->MenusShown().empty());
  HitRecord right = Hit(1, 0, HitRecord::kOnOrRightOfLine, HitRecord::kOnOrBelowLine, 2);
  label->HitTestByPoint(right);
  label->QueryProcess(control);
  EXPECT_EQ(mHost.Gui->MenusShown(), (std::vector<int>{eGM_Label}));
}

TEST_F(LabelStrip, RenameToolAsksTheServiceAndTakesTheNewName) {
  const long id = AddLabelRow("Old");
  auto label = LoadStrip<clsLdrLabel>(id);
  mHost.Answers->QueueDialog("New");
  label->ToolRequest("ID_LLblRename");
  EXPECT_EQ(label->LabelName(), "New");
  EXPECT_EQ(Column(id, "LblName").AsText(), "New");

  // Other tools are ignored; a cancelled dialog changes nothing.
  label->ToolRequest("ID_SelectAllInNet");
  mHost.Answers->QueueDialogCancel();
  label->ToolRequest("ID_LLblRename");
  EXPECT_EQ(label->LabelName(), "New");
}

class LabelDraw : public CommentTestFixture {
protected:
  gdi::DeviceContext mLeft = Surface(28, 60);
  gdi::DeviceContext mBoard = Surface(770, 60);
  GdiResources mRes = DrawerResources();
};

// The label at row 2: y 28 .. 42, the edit zone from x = 28.
TEST_F(LabelDraw, NameBoxFrameAndTexts) {
  auto label = LoadStrip<clsLdrLabel>(AddLabelRow("Loop", "the main loop"), 2);
  label->Draw(mLeft, mBoard, mRes);
  const gdi::COLORREF yellow = gdi::RGB(255, 255, 219);
  // The name box: filled, closed by a line on top and one on its right.
  EXPECT_EQ(mBoard.GetPixel(28 + 200, 40), yellow);
  EXPECT_EQ(mBoard.GetPixel(28 + 210, 30), kBlack);
  EXPECT_EQ(mBoard.GetPixel(28 + 100, 28), kBlack);
  EXPECT_EQ(mBoard.GetPixel(28 + 220, 40), kWhite);
  // The frame's bottom line is the label's row line.
  EXPECT_EQ(mBoard.GetPixel(28 + 400, 42), kGrey);
  EXPECT_EQ(mBoard.GetPixel(28 + 400, 43), kBackground);
  EXPECT_EQ(mBoard.GetPixel(27, 35), kBackground);
  // The name in the name box, the comment after it.
  EXPECT_GT(InkIn(mBoard, 29, 29, 28 + 210, 42, yellow, yellow), 0);
  EXPECT_GT(InkIn(mBoard, 28 + 211, 29, 769, 42, kWhite, kWhite), 0);
  // The header: white ground, the power rail, the separator.
  EXPECT_EQ(mLeft.GetPixel(5, 35), kWhite);
  EXPECT_EQ(mLeft.GetPixel(27, 30), kBlack);
  EXPECT_EQ(mLeft.GetPixel(10, 42), kGrey);
  EXPECT_EQ(mBoard.ViewportOrg(), (gdi::Point{0, 0}));
}

TEST_F(LabelDraw, SelectedHeaderIsGrey) {
  auto label = LoadStrip<clsLdrLabel>(AddLabelRow("Loop"), 2);
  label->SetIsSelected(true);
  label->Draw(mLeft, mBoard, mRes);
  EXPECT_EQ(mLeft.GetPixel(5, 35), kGrey);
  EXPECT_EQ(mLeft.GetPixel(27, 30), kBlack);
}

} // namespace
} // namespace ldr::test

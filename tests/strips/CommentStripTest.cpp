// Comment strips: loading and storing, heights, hit kinds and the process a
// press starts; the strip factory.
#include "CommentTestFixture.h"

#include "outside/headless/HeadlessGui.h"
#include "strips/StripFactory.h"
#include "strips/clsLdrNet.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

using CommentStrip = CommentTestFixture;

TEST_F(CommentStrip, StoredCommentLoadsBackWithItsText) {
  const std::string text = "Motor 'M1' starts\nafter the pump;\tDROP TABLE LdrStrips";
  clsLdrComment comment(mCtx);
  comment.SetComment(text);
  comment.SetStripNote("note");
  comment.SetSeqNum(7);
  comment.AddToDB(2);
  const long id = comment.StripID();
  ASSERT_GT(id, 0);

  EXPECT_EQ(Column(id, "StrpType").AsLong(), 2);
  EXPECT_EQ(Column(id, "FuncID").AsLong(), 2);
  EXPECT_EQ(Column(id, "SeqNum").AsLong(), 7);
  EXPECT_EQ(Column(id, "Height").AsLong(), 3);
  EXPECT_EQ(Column(id, "CompileDirtyBit").AsLong(), 0);
  EXPECT_EQ(Column(id, "IsCompilable").AsLong(), 0);
  EXPECT_EQ(Column(id, "IsReturnStrip").AsLong(), 0);
  EXPECT_EQ(Column(id, "Comment").AsText(), text);

  auto loaded = LoadStrip<clsLdrComment>(id, 4);
  EXPECT_EQ(loaded->Comment(), text);
  EXPECT_EQ(loaded->StripNote(), "note");
  EXPECT_EQ(loaded->SeqNum(), 7);
  EXPECT_EQ(loaded->Height(), 3);
  EXPECT_EQ(loaded->Top(), 4);
  EXPECT_FALSE(loaded->IsSelected());
}

TEST_F(CommentStrip, NullTextsLoadAsEmpty) {
  const long id = AddCommentRow("x", 5);
  Db().Execute("UPDATE LdrStrips SET Comment=NULL, StrpNote=NULL WHERE StripID=" + std::to_string(id));
  auto comment = LoadStrip<clsLdrComment>(id);
  EXPECT_EQ(comment->Comment(), "");
  EXPECT_EQ(comment->StripNote(), "");
  EXPECT_EQ(comment->Height(), 5);
}

TEST_F(CommentStrip, PropertyWritesAreStored) {
  const long id = AddCommentRow("old");
  auto comment = LoadStrip<clsLdrComment>(id);
  comment->SetComment("it's new");
  comment->SetHeight(8);
  comment->SetIsSelected(true);
  EXPECT_EQ(Column(id, "Comment").AsText(), "it's new");
  EXPECT_EQ(Column(id, "Height").AsLong(), 8);
  EXPECT_EQ(Column(id, "IsSelected").AsLong(), -1);
  EXPECT_TRUE(comment->IsSelected());
}

TEST_F(CommentStrip, HeightStaysBetweenThreeAndTwentyWhateverTheText) {
  const long id = AddCommentRow(std::string(5000, 'w'), 4);
  auto comment = LoadStrip<clsLdrComment>(id);
  EXPECT_EQ(comment->MinHeight(), 3);
  EXPECT_EQ(comment->MaxHeight(), 20);
  EXPECT_THROW(comment->SetHeight(2), std::invalid_argument);
  EXPECT_THROW(comment->SetHeight(21), std::invalid_argument);
  EXPECT_EQ(comment->Height(), 4);
  EXPECT_EQ(Column(id, "Height").AsLong(), 4);
  comment->SetHeight(20);
  EXPECT_EQ(Column(id, "Height").AsLong(), 20);
}

TEST_F(CommentStrip, DeleteRemovesTheRowOnly) {
  const long id = AddCommentRow("gone");
  const long before = Scalar("SELECT COUNT(*) FROM LdrStrips");
  LoadStrip<clsLdrComment>(id)->DeleteFromDB();
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE StripID=" + std::to_string(id)), 0);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips"), before - 1);
}

TEST_F(CommentStrip, ReplicaCarriesTheTextButNoRow) {
  const long id = AddCommentRow("copy me", 6);
  auto comment = LoadStrip<clsLdrComment>(id, 3);
  comment->SetStripNote("n");
  const PropertyBag bag = comment->GetPropertyBag();
  EXPECT_EQ(bag.Count(), 4u);
  EXPECT_EQ(bag.ReadProperty("Comment").AsText(), "copy me");
  EXPECT_EQ(bag.ReadProperty("Height").AsLong(), 6);

  auto replica = std::dynamic_pointer_cast<clsLdrComment>(comment->GetReplica());
  ASSERT_TRUE(replica);
  EXPECT_EQ(replica->Comment(), "copy me");
  EXPECT_EQ(replica->Height(), 6);
  EXPECT_EQ(replica->StripNote(), "n");
  EXPECT_EQ(replica->StripID(), 0);
  replica->AddToDB(2);
  EXPECT_NE(replica->StripID(), id);
  EXPECT_EQ(Column(replica->StripID(), "Comment").AsText(), "copy me");
  EXPECT_EQ(Column(replica->StripID(), "Height").AsLong(), 6);
}

// A comment 6 rows high at row 10: header rows 10..13, the handle from the
// row line 14 down.
TEST_F(CommentStrip, HitKindsOfLeftZoneHandleAndTextArea) {
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow("t", 6), 10);
  constexpr auto L = HitRecord::kLeftOfLine;
  constexpr auto R = HitRecord::kOnOrRightOfLine;
  constexpr auto A = HitRecord::kAboveLine;
  constexpr auto B = HitRecord::kOnOrBelowLine;
  EXPECT_EQ(KindAt(*comment, Hit(1, 11)), 1);
  EXPECT_EQ(KindAt(*comment, Hit(1, 10)), 1); // no collapse button on a comment
  EXPECT_EQ(KindAt(*comment, Hit(1, 13)), 1);
  EXPECT_EQ(KindAt(*comment, Hit(1, 14, R, A)), 1);
  EXPECT_EQ(KindAt(*comment, Hit(1, 14, R, B)), 6);
  EXPECT_EQ(KindAt(*comment, Hit(0, 15, R, B)), 6);
  EXPECT_EQ(KindAt(*comment, Hit(2, 12, L)), 1);
  EXPECT_EQ(KindAt(*comment, Hit(2, 12, R)), 4);
  EXPECT_EQ(KindAt(*comment, Hit(30, 15)), 4);
  EXPECT_EQ(KindAt(*comment, Hit(54, 12, L)), 4);
  // Border lines on the neighbour's side and points beyond are outside.
  EXPECT_EQ(KindAt(*comment, Hit(54, 12, R)), 0);
  EXPECT_EQ(KindAt(*comment, Hit(0, 12, L)), 0);
  EXPECT_EQ(KindAt(*comment, Hit(10, 10, R, A)), 0);
  EXPECT_EQ(KindAt(*comment, Hit(10, 16, R, B)), 0);
  EXPECT_EQ(KindAt(*comment, Hit(10, 16, R, A)), 4);
  EXPECT_EQ(KindAt(*comment, Hit(10, 9)), 0);
}

TEST_F(CommentStrip, HitRecordKeepsItsPointAndIsCopied) {
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow("t", 4), 2);
  HitRecord hit = Hit(20, 3, HitRecord::kLeftOfLine, HitRecord::kAboveLine, 2);
  comment->HitTestByPoint(hit);
  EXPECT_EQ(hit.X, 20);
  EXPECT_EQ(hit.Y, 3);
  EXPECT_EQ(hit.HitKind, 4);
  EXPECT_EQ(comment->GetHitParameters(), hit);
  comment->ClearHitTestResults();
  EXPECT_EQ(comment->GetHitParameters().HitKind, 0);
}

TEST_F(CommentStrip, ResizeHandleStartsTheResizerOnlyOffLineWithTheLeftButton) {
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow("t", 5));
  RecordingProcessControl control;
  HitRecord handle = Hit(1, 4);
  comment->HitTestByPoint(handle);
  comment->QueryProcess(control);
  EXPECT_EQ(control.NewProcess, eMP_StripResizeProc);

  RecordingProcessControl right;
  HitRecord rightHandle = Hit(1, 4, HitRecord::kOnOrRightOfLine, HitRecord::kOnOrBelowLine, 2);
  comment->HitTestByPoint(rightHandle);
  comment->QueryProcess(right);
  EXPECT_EQ(right.NewProcessCalls, 0);

  mCtx.State->SetOnLineActive(true);
  RecordingProcessControl online;
  comment->HitTestByPoint(handle);
  comment->QueryProcess(online);
  EXPECT_EQ(online.NewProcessCalls, 0);
}

TEST_F(CommentStrip, PressOnTheTextStartsNoProcessAndRightClickOnTheHeaderShowsTheMenu) {
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow("t", 5));
  RecordingProcessControl control;
  HitRecord text = Hit(20, 2);
  comment->HitTestByPoint(text);
  comment->QueryProcess(control);
  EXPECT_EQ(control.NewProcessCalls, 0);
  EXPECT_TRUE(mHost.Gui->MenusShown().empty());

  HitRecord header = Hit(1, 1, HitRecord::kOnOrRightOfLine, HitRecord::kOnOrBelowLine, 2);
  comment->HitTestByPoint(header);
  comment->QueryProcess(control);
  EXPECT_EQ(mHost.Gui->MenusShown(), (std::vector<int>{eGM_Comment}));
  EXPECT_EQ(control.NewProcessCalls, 0);
}

TEST_F(CommentStrip, FactoryMakesTheStripOfEachStoredType) {
  EXPECT_TRUE(std::dynamic_pointer_cast<clsLdrNet>(CreateStripByType(mCtx, 1)));
  EXPECT_TRUE(std::dynamic_pointer_cast<clsLdrComment>(CreateStripByType(mCtx, 2)));
  EXPECT_TRUE(std::dynamic_pointer_cast<clsLdrLabel>(CreateStripByType(mCtx, 3)));
  EXPECT_FALSE(mLog->Contains("msgbox"));
  // Statement-list strips and unknown types: a report naming the type, and
  // no object.
  EXPECT_EQ(CreateStripByType(mCtx, 4), nullptr);
  EXPECT_TRUE(mLog->Contains("error 0 \"UnhandledStrip\" \"Unhandled Strip Type: 4\" StripFactory CreateStripByType"));
  mLog->Clear();
  EXPECT_EQ(CreateStripByType(mCtx, 0), nullptr);
  EXPECT_TRUE(mLog->Contains("\"Unhandled Strip Type: 0\""));
  EXPECT_FALSE(mLog->Contains("msgbox"));
}

} // namespace
} // namespace ldr::test

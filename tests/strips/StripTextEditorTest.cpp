// Editing comment and label texts in place: the shared text box laid over
// the text, the Tag that names the strip, and what validation stores.

#include "CommentTestFixture.h"

#include "editing/srvDrawer.h"
#include "platform/boards/MemoryMainBoard.h"
#include "strips/StripTextEditor.h"

namespace ldr::test {
namespace {

class StripTextEditing : public CommentTestFixture {
protected:
  void SetUp() override {
    CommentTestFixture::SetUp();
    mBoard = std::make_shared<MemoryMainBoard>();
    mCtx.State->Init(mBoard);
  }
  MemoryTextBox& Box(const char* name) { return mBoard->MemoryBox(name); }
  void PressAt(itfStrip& strip, std::int32_t x, std::int32_t y) {
    HitRecord hit;
    hit.X = x;
    hit.Y = y;
    hit.Button = 1;
    strip.HitTestByPoint(hit);
    strip.QueryProcess(mControl);
  }

  std::shared_ptr<MemoryMainBoard> mBoard;
  RecordingProcessControl mControl;
};

TEST_F(StripTextEditing, TheTagNamesOnlyItsOwnStrip) {
  MemoryTextBox box("txtComment");
  box.SetTag("12");
  EXPECT_TRUE(StripTextEditor::TagNames(box, 12));
  EXPECT_FALSE(StripTextEditor::TagNames(box, 1));
  EXPECT_FALSE(StripTextEditor::TagNames(box, 120));
  box.SetTag("");
  EXPECT_FALSE(StripTextEditor::TagNames(box, 0)); // a strip without a row never matches
}

TEST_F(StripTextEditing, APressOnTheTextOpensTheBoxOverIt) {
  const long id = AddCommentRow("old", 4);
  auto comment = LoadStrip<clsLdrComment>(id, 3);
  PressAt(*comment, 10, 4);
  auto& box = Box("txtComment");
  ASSERT_TRUE(box.Visible());
  EXPECT_EQ(box.Text(), "old");
  EXPECT_EQ(box.Tag(), std::to_string(id));
  EXPECT_EQ(mBoard->ActiveControl(), "txtComment");
  EXPECT_EQ(box.Left(), 28);
  EXPECT_EQ(box.Top(), 42);
  EXPECT_EQ(box.Width(), 742);
  EXPECT_EQ(box.Height(), 56);
  EXPECT_EQ(mControl.NewProcessCalls, 0);
}

TEST_F(StripTextEditing, ValidationStoresTheTextAndClosesTheBox) {
  const long id = AddCommentRow("old");
  auto comment = LoadStrip<clsLdrComment>(id);
  ASSERT_TRUE(comment->StartEditing());
  auto& box = Box("txtComment");
  box.SetText("Start the pump");
  EXPECT_TRUE(box.Validate());
  EXPECT_FALSE(box.Visible());
  EXPECT_EQ(box.Tag(), "");
  EXPECT_EQ(comment->Comment(), "Start the pump");
  EXPECT_EQ(Column(id, "Comment").AsText(), "Start the pump");
  EXPECT_TRUE(mCtx.State->NeedToSave());
  // The box no longer talks to the comment.
  box.SetText("later");
  box.Validate();
  EXPECT_EQ(Column(id, "Comment").AsText(), "Start the pump");
}

TEST_F(StripTextEditing, OnlyTheCommentNamedByTheTagTakesTheText) {
  const long first = AddCommentRow("one");
  const long second = AddCommentRow("two");
  auto a = LoadStrip<clsLdrComment>(first);
  auto b = LoadStrip<clsLdrComment>(second, 5);
  ASSERT_TRUE(a->StartEditing());
  Box("txtComment").SetText("edited one");
  // Opening the box for the second comment finishes the first edit.
  ASSERT_TRUE(b->StartEditing());
  EXPECT_EQ(Column(first, "Comment").AsText(), "edited one");
  EXPECT_EQ(Box("txtComment").Text(), "two");
  Box("txtComment").SetText("edited two");
  Box("txtComment").Validate();
  EXPECT_EQ(Column(first, "Comment").AsText(), "edited one");
  EXPECT_EQ(Column(second, "Comment").AsText(), "edited two");
}

TEST_F(StripTextEditing, AnEditOutlivesTheCommentLoadedAgain) {
  const long id = AddCommentRow("old");
  auto comment = LoadStrip<clsLdrComment>(id);
  ASSERT_TRUE(comment->StartEditing());
  comment.reset(); // the view loaded its strips again
  auto again = LoadStrip<clsLdrComment>(id);
  const long otherID = AddCommentRow("other");
  auto other = LoadStrip<clsLdrComment>(otherID);
  EXPECT_TRUE(again->Editing());
  EXPECT_FALSE(other->Editing());
  Box("txtComment").SetText("kept");
  Box("txtComment").Validate();
  EXPECT_EQ(again->Comment(), "kept");
  EXPECT_EQ(Column(id, "Comment").AsText(), "kept");
  EXPECT_EQ(Column(otherID, "Comment").AsText(), "other");
}

TEST_F(StripTextEditing, OnLineAPressOnTheTextOpensNothing) {
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow("x"));
  mCtx.State->SetOnLineActive(true);
  PressAt(*comment, 10, 1);
  EXPECT_FALSE(Box("txtComment").Visible());
}

TEST_F(StripTextEditing, TheBoxFollowsTheHorizontalScroll) {
  srvDrawer drawer(mCtx);
  drawer.SetHorizontalOffset(3);
  mCtx.Drawer = &drawer;
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow("x"));
  ASSERT_TRUE(comment->StartEditing());
  EXPECT_EQ(Box("txtComment").Left(), 14 * (2 - 3));
  mCtx.Drawer = nullptr;
}

TEST_F(StripTextEditing, EnterInTheLabelCommentBoxStoresIt) {
  const long id = AddLabelRow("L1", "old");
  auto label = LoadStrip<clsLdrLabel>(id, 2);
  PressAt(*label, 30, 2);
  auto& box = Box("txtLblComment");
  ASSERT_TRUE(box.Visible());
  EXPECT_EQ(box.Text(), "old");
  EXPECT_EQ(box.Left(), 28 + 210);
  EXPECT_EQ(box.Top(), 28);
  EXPECT_EQ(box.Width(), 742 - 210);
  EXPECT_EQ(box.Height(), 14);
  box.SetText("Fill the tank");
  box.KeyDown(65, 0); // an ordinary key changes nothing
  EXPECT_TRUE(box.Visible());
  box.KeyDown(13, 0);
  EXPECT_FALSE(box.Visible());
  EXPECT_EQ(label->LabelComment(), "Fill the tank");
  EXPECT_EQ(Column(id, "LblComment").AsText(), "Fill the tank");
  EXPECT_EQ(Column(id, "LblName").AsText(), "L1");
}

TEST_F(StripTextEditing, APressOnTheNameBoxLeavesTheCommentBoxClosed) {
  auto label = LoadStrip<clsLdrLabel>(AddLabelRow("L1"));
  PressAt(*label, 10, 0);
  EXPECT_FALSE(Box("txtLblComment").Visible());
  EXPECT_EQ(mControl.NewProcess, eMP_EditLabelProc);
}

TEST_F(StripTextEditing, WithoutAMainBoardNothingOpens) {
  mCtx.State = std::make_unique<clsLdrState>(mCtx);
  auto comment = LoadStrip<clsLdrComment>(AddCommentRow("x"));
  EXPECT_FALSE(comment->StartEditing());
}

} // namespace
} // namespace ldr::test

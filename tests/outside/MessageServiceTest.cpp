#include "OutsideFixture.h"

#include "outside/headless/HeadlessAnswerError.h"
#include "outside/utilities/MessageTable.h"

#include <set>

using namespace ldr;
using ldr::test::OutsideFixture;

TEST(MessageTable, EveryListedMessageHasATextOfItsOwn) {
  std::set<std::string> texts;
  for (int number : MessageTable::Numbers()) {
    const auto entry = MessageTable::Entry(number);
    EXPECT_EQ(entry.Number, number);
    EXPECT_GT(entry.Text.size(), 10u) << number;
    EXPECT_EQ(entry.Text.find("Host message"), std::string::npos) << number;
    EXPECT_TRUE(texts.insert(entry.Text).second) << number << " shares its text";
  }
  EXPECT_TRUE(MessageTable::Has(452));
}

TEST(MessageTable, QuestionsHaveTheButtonsTheirCallersTest) {
  for (int yesNo : {78, 79, 92, 93}) EXPECT_EQ(MessageTable::Entry(yesNo).Buttons, MsgButtons::YesNo) << yesNo;
  EXPECT_EQ(MessageTable::Entry(293).Buttons, MsgButtons::OKCancel);
  EXPECT_EQ(MessageTable::Entry(83).Buttons, MsgButtons::OK);
  for (int named : {18, 78, 79, 80, 81, 83, 452})
    EXPECT_NE(MessageTable::Entry(named).Text.find("%1"), std::string::npos) << named << " shows its argument";
}

TEST(MessageTable, UnknownNumbersStillGetAnAnswerableMessage) {
  EXPECT_FALSE(MessageTable::Has(12345));
  const auto entry = MessageTable::Entry(12345);
  EXPECT_EQ(entry.Buttons, MsgButtons::OK);
  EXPECT_NE(entry.Text.find("12345"), std::string::npos);
}

TEST(MessageTable, ArgumentsGoInOnceAndAreNeverScannedAgain) {
  EXPECT_EQ(MessageTable::Format("Delete \"%1\" of %2?", {"100% %2 \"x\"", "Mod"}), "Delete \"100% %2 \"x\"\" of Mod?");
  EXPECT_EQ(MessageTable::Format("%1 and %3 and 50%", {"a"}), "a and  and 50%");
  EXPECT_EQ(MessageTable::Format("%", {}), "%");
}

using MessageServiceTest = OutsideFixture;

TEST_F(MessageServiceTest, AQuestionTakesTheQueuedAnswerAndIsLogged) {
  mHost.Answers->QueueAnswerWords({"7", "6"});
  EXPECT_EQ(Host().Messages->ShowMessage(79, {"Main \"x\" 100%"}), 7);
  EXPECT_EQ(Host().Messages->ShowMessage(eHM_DeleteStrip), 6);
  ASSERT_EQ(Lines().size(), 2u);
  EXPECT_EQ(Lines()[0], "message 79 \"Main \\\"x\\\" 100%\" -> 7");
  EXPECT_EQ(Lines()[1], "message 93 -> 6");
}

TEST_F(MessageServiceTest, AnInformationNeedsNoQueuedAnswer) {
  mHost.Answers->QueueAnswer(6);
  EXPECT_EQ(Host().Messages->ShowMessage(83, {"Main"}), 1);
  EXPECT_EQ(Host().Messages->ShowMessage(82), 1);
  EXPECT_EQ(mHost.Answers->PendingAnswers(), 1u) << "the queued Yes is kept for the next question";
  EXPECT_EQ(Lines(), (std::vector<std::string>{"message 83 \"Main\" -> 1", "message 82 -> 1"}));
}

TEST_F(MessageServiceTest, AMissingAnswerFailsWithTheQuestionNamed) {
  try {
    Host().Messages->ShowMessage(78, {"Main"});
    FAIL() << "no exception";
  } catch (const HeadlessAnswerMissing& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find("message 78"), std::string::npos) << what;
    EXPECT_NE(what.find("Yes, No"), std::string::npos) << what;
  }
  EXPECT_TRUE(Lines().empty());
}

TEST_F(MessageServiceTest, AnAnswerThatIsNotAButtonOfTheMessageFails) {
  mHost.Answers->QueueAnswer(6);
  EXPECT_THROW(Host().Messages->ShowMessage(293), HeadlessAnswerError);
  mHost.Answers->QueueAnswer(2);
  EXPECT_EQ(Host().Messages->ShowMessage(293), 2);
  EXPECT_EQ(Lines().back(), "message 293 -> 2");
}

TEST_F(MessageServiceTest, PlainMessageBoxesAreLoggedWithTheirText) {
  EXPECT_EQ(Host().Messages->ShowMessageBox("read only"), 1);
  mHost.Answers->QueueAnswer(2);
  EXPECT_EQ(Host().Messages->ShowMessageBox("Go on?", MsgButtons::OKCancel), 2);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"msgbox \"read only\"", "msgbox \"Go on?\" -> 2"}));
}

TEST_F(MessageServiceTest, MultiLineArgumentsStayOnOneLogLine) {
  Host().Messages->ShowMessage(452, {"       * Sub A\n       * Sub\\B"});
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0], "message 452 \"       * Sub A\\n       * Sub\\\\B\" -> 1");
}

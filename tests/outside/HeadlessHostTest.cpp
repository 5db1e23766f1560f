#include "OutsideFixture.h"

#include "core/LdrError.h"
#include "outside/headless/HeadlessAnswerError.h"
#include "outside/headless/LogErrorReporter.h"
#include "outside/headless/LogFormat.h"

using namespace ldr;
using ldr::test::OutsideFixture;

using HeadlessHostTest = OutsideFixture;

TEST_F(HeadlessHostTest, TheFactoryFillsEveryService) {
  auto& host = Host();
  EXPECT_TRUE(host.Connections && host.Commands && host.DownloadUnits && host.Identifiers && host.Settings &&
              host.Messages && host.Errors && host.Gui && host.Actions && host.LabelNames && host.Globals &&
              host.Dialogs && host.Operands);
  EXPECT_EQ(host.Connections->Connection(), mDb);
  EXPECT_EQ(host.Connections->DatabaseVersion(), ProjectSchema::kDatabaseVersion);
  EXPECT_EQ(host.Operands->Connection(), mDb);
  EXPECT_THROW(MakeHeadlessHost(mDb, nullptr, mDir.File("x.ini")), std::invalid_argument);
  EXPECT_THROW(MakeHeadlessHost(nullptr, mLog, mDir.File("x.ini")), std::invalid_argument);
}

TEST_F(HeadlessHostTest, ErrorsAreLoggedWithTheCodeAndQuotedTexts) {
  Host().Errors->ReportError(217, "Not supported", "Object doesn't support this property or method", "clsSimpleElement",
                             "itfLdrElement_Stretch");
  Host().Errors->ReportError(0, "Ilogical Error", "say \"no\"\\", "clsLaddermain", "prvDeleteFunction");
  ReportLdrError(*Host().Errors, LdrError(232, "Strip ID not exist", "The open query returns null recordset",
                                          "clsLdrLabel", "prvUpdateLabelNameFromDB"));
  ASSERT_EQ(Lines().size(), 3u);
  EXPECT_EQ(Lines()[0], "error 217 \"Not supported\" \"Object doesn't support this property or method\" "
                        "clsSimpleElement itfLdrElement_Stretch");
  EXPECT_EQ(Lines()[1], "error 0 \"Ilogical Error\" \"say \\\"no\\\"\\\\\" clsLaddermain prvDeleteFunction");
  EXPECT_EQ(Lines()[2], "error 232 \"Strip ID not exist\" \"The open query returns null recordset\" clsLdrLabel "
                        "prvUpdateLabelNameFromDB");
}

TEST(LogErrorReporter, ReportsCarryTheNumberSourceAndStyle) {
  auto log = std::make_shared<MemoryLog>();
  LogErrorReporter reporter(log);
  reporter.ReportError(274, "ReturnElementNotExist", "Return element not exits in the return net", "clsLdrNet",
                       "itfStrip_Load");
  ASSERT_EQ(reporter.Reports().size(), 1u);
  const auto& report = reporter.Reports()[0];
  EXPECT_EQ(report.Number, 0x80040000u + 274u);
  EXPECT_EQ(report.Source, "CvLdLdr1");
  EXPECT_EQ(report.Style, 48);
  EXPECT_EQ(report.Code(), 274);
  ErrorReport odd{7, "t", "m", "s", "my class", "", 48};
  EXPECT_EQ(LogErrorReporter::LogLine(odd),
            "error " + std::to_string(7 - 0x80040000LL) + " \"t\" \"m\" \"my class\" \"\"");
}

TEST_F(HeadlessHostTest, ActionsAreLogged) {
  Host().Actions->ReportAction("Clear Subroutine - Module 1.Main");
  EXPECT_EQ(Lines().back(), "action \"Clear Subroutine - Module 1.Main\"");
}

TEST_F(HeadlessHostTest, ContextMenusTakeAQueuedChoiceOrAreDismissed) {
  EXPECT_EQ(Host().Gui->ShowContextMenu(eGM_Line), "");
  mHost.Answers->QueueMenuWords({"ID_SelectAllInNet"});
  mHost.Answers->QueueMenuWords({"ID_SETCoil"});
  EXPECT_EQ(Host().Gui->ShowContextMenu(eGM_EditZone), "ID_SelectAllInNet");
  EXPECT_EQ(Host().Gui->ShowContextMenu(eGM_Element, {"ID_SETCoil", "ID_ToggleCoil"}), "")
      << "a greyed entry cannot be chosen";
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{"menu 100 -> \"\"", "menu 103 -> \"ID_SelectAllInNet\"", "menu 101 -> \"\""}));
  EXPECT_EQ(mHost.Gui->MenusShown(), (std::vector<int>{100, 103, 101}));
}

TEST_F(HeadlessHostTest, TextsForTheUserAreNotices) {
  Host().Gui->ShowText(8, "Paste operation: Subroutine 'A' is missing. Replaced by a call to 'MISSING (A)'");
  EXPECT_EQ(Lines().back(),
            "notice \"Paste operation: Subroutine 'A' is missing. Replaced by a call to 'MISSING (A)'\"");
}

TEST_F(HeadlessHostTest, MainWindowNotificationsAreKept) {
  auto& gui = *Host().Gui;
  gui.SetTitle("Module 1.Main");
  gui.NotifyModified(true, eMC_Deleted);
  gui.NotifyNeedToCompile(true);
  gui.SetCommandEnabled("ID_Paste", false);
  gui.SetMousePointer(eMPtr_Busy);
  gui.ShowOperandOnline(0, 1, 5, 200);
  EXPECT_EQ(mHost.Gui->Title(), "Module 1.Main");
  EXPECT_TRUE(mHost.Gui->Modified());
  EXPECT_EQ(mHost.Gui->LastModifiedCode(), 5);
  EXPECT_TRUE(mHost.Gui->NeedToCompile());
  EXPECT_EQ(mHost.Gui->CommandEnabled("ID_Paste"), 0);
  EXPECT_EQ(mHost.Gui->CommandEnabled("ID_Copy"), -1);
  EXPECT_EQ(gui.MousePointer(), 11);
  ASSERT_EQ(mHost.Gui->OnlineRequests().size(), 1u);
  EXPECT_EQ(mHost.Gui->OnlineRequests()[0].ElementType, 200);
}

TEST_F(HeadlessHostTest, ScrollBarsClampAndRaiseChangeOnlyWhenTheValueMoves) {
  struct Recorder : ScrollBarEvents {
    std::vector<int> changes;
    void OnChange(BoardScrollBar&, int value) override { changes.push_back(value); }
  } recorder;
  auto& bar = Host().Gui->VerticalScrollBar();
  bar.AddListener(&recorder);
  bar.SetRange(0, 40);
  bar.SetValue(12);
  bar.SetValue(12);
  bar.SetValue(99);
  bar.SetRange(0, 20);
  bar.SetValue(-3);
  EXPECT_EQ(recorder.changes, (std::vector<int>{12, 40, 20, 0}));
  EXPECT_EQ(bar.Value(), 0);
  bar.RemoveListener(&recorder);
}

TEST_F(HeadlessHostTest, DialogsTakeTheirOwnQueues) {
  mHost.Answers->QueueDialogWords({"export one.dnq"});
  mHost.Answers->QueueDialogWords({"cancel"});
  mHost.Answers->QueueOperandWords({"MB", "5"}, Host().Operands->Types());
  auto& dialogs = *Host().Dialogs;
  EXPECT_EQ(dialogs.AskFileName(FileDialog::Save, "dnq", "Main"), "export one.dnq");
  EXPECT_EQ(dialogs.AskPassword("Password"), std::nullopt);
  const auto operand = dialogs.AskOperand({});
  ASSERT_TRUE(operand);
  EXPECT_EQ(*operand, (OperandEntry{1, 5, 0, 0.0}));
  try {
    dialogs.AskLabelName("Label 1");
    FAIL() << "no exception";
  } catch (const HeadlessAnswerMissing& e) {
    EXPECT_NE(std::string(e.what()).find("label name"), std::string::npos) << e.what();
  }
  EXPECT_THROW(dialogs.AskOperand({}), HeadlessAnswerMissing);
  EXPECT_FALSE(mHost.Answers->HasPending());
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{R"(dialog save "Main" -> "export one.dnq")", R"(dialog password "" -> cancel)"}));
}

TEST_F(HeadlessHostTest, OperandWordsTakeNumbersOrShortNames) {
  const auto& types = Host().Operands->Types();
  auto& answers = *mHost.Answers;
  answers.QueueOperandWords({"3", "17", "2"}, types);
  answers.QueueOperandWords({"mi", "17"}, types);
  answers.QueueOperandWords({"CF", "-1.5"}, types);
  answers.QueueOperandWords({"cancel"}, types);
  EXPECT_EQ(answers.TakeOperand("x"), (OperandEntry{3, 17, 2, 0.0}));
  EXPECT_EQ(answers.TakeOperand("x"), (OperandEntry{3, 17, 0, 0.0}));
  EXPECT_EQ(answers.TakeOperand("x"), (OperandEntry{38, 0, 0, -1.5}));
  EXPECT_EQ(answers.TakeOperand("x"), std::nullopt);

  for (const auto& words : std::vector<std::vector<std::string>>{
           {"MB"}, {"XYZ", "1"}, {"999", "1"}, {"MB", "1.5"}, {"MB", "5", "x"}, {"MB", "1", "2", "3"}, {"CI", "nan"}})
    EXPECT_THROW(answers.QueueOperandWords(words, types), std::invalid_argument) << words[0];
  EXPECT_EQ(answers.PendingOperands(), 0u);
}

TEST_F(HeadlessHostTest, AnswerWordsAreCheckedBeforeAnyIsQueued) {
  auto& answers = *mHost.Answers;
  EXPECT_THROW(answers.QueueAnswerWords({"6", "3"}), std::invalid_argument);
  EXPECT_THROW(answers.QueueAnswerWords({"yes"}), std::invalid_argument);
  EXPECT_THROW(answers.QueueAnswerWords({}), std::invalid_argument);
  EXPECT_EQ(answers.PendingAnswers(), 0u);
  answers.QueueAnswerWords({"1", "2", "6", "7"});
  EXPECT_EQ(answers.PendingAnswers(), 4u);
  EXPECT_THROW(answers.QueueDialogWords({"a", "b"}), std::invalid_argument);
}

TEST(LogFormat, WordsAreQuotedOnlyWhenTheyMustBe) {
  EXPECT_EQ(LogFormat::Word("clsLdrNet"), "clsLdrNet");
  EXPECT_EQ(LogFormat::Word("two words"), "\"two words\"");
  EXPECT_EQ(LogFormat::Word(""), "\"\"");
  EXPECT_EQ(LogFormat::Quote("a\tb\r"), "\"a\\tb\\r\"");
}

// The function view's strip commands, tools passed to the active strip,
// operand refreshes, appending nets, the work mode and the subroutine type.

#include "FunctionTestFixture.h"

#include "core/LdrError.h"

using namespace ldr;
using ::testing::ElementsAre;

namespace {

class FunctionCommands : public test::FunctionFixture {
protected:
  void SelectStrips(const std::vector<long>& ids) {
    for (long id : ids) Db().Execute("UPDATE LdrStrips SET IsSelected=-1 WHERE StripID=" + std::to_string(id));
  }
  long Column(const std::string& column, long stripID) {
    return Scalar("SELECT " + column + " FROM LdrStrips WHERE StripID=" + std::to_string(stripID));
  }
  void GiveDownloadUnits() {
    Db().Execute("UPDATE LdrFunctions SET Guid=1001, DataGuid=1002 WHERE FuncID=2");
    Db().Execute("UPDATE LdrFunctions SET Guid=2001, DataGuid=2002 WHERE FuncID=1");
    for (long guid : {1001, 1002, 2001, 2002}) Db().AddRow("DownloadDLUs", {{"Guid", guid}, {"IsCompiled", -1}});
  }
  std::shared_ptr<test::StubStrip> Stub(clsLdrFunction& view, long stripID) {
    return std::dynamic_pointer_cast<test::StubStrip>(view.Strips()->Find(stripID));
  }
};

TEST_F(FunctionCommands, SelectAllSelectsEveryStripButTheReturnStrip) {
  const auto ids = StripIDs();
  auto view = LoadedView();
  view->ToolRequest("ID_SelectAll");
  EXPECT_EQ(SelectedIDs(), Slice(ids, 0, ids.size() - 1));
  EXPECT_TRUE(SelectedIDs(1).empty());
  // Reloaded: the strip objects show the selection.
  for (const auto& [key, strip] : *view->Strips()) EXPECT_TRUE(strip->IsSelected());
}

TEST_F(FunctionCommands, DisableNetsMarksTheNetsAndTheSubroutinesDownloadUnits) {
  const auto ids = StripIDs();
  GiveDownloadUnits();
  mHost.DownloadUnits->SetOn(true);
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0");
  SelectStrips({ids[1], ids[2]});
  auto view = LoadedView();
  view->ToolRequest("ID_DisableNets");
  EXPECT_EQ(Longs("SELECT StripID FROM LdrStrips WHERE IsCompilable=2 ORDER BY SeqNum"), Slice(ids, 1, 2));
  EXPECT_EQ(Longs("SELECT StripID FROM LdrStrips WHERE CompileDirtyBit<>0 ORDER BY SeqNum"), Slice(ids, 1, 2));
  EXPECT_EQ(Longs("SELECT Guid FROM DownloadDLUs WHERE IsCompiled=0 ORDER BY Guid"), (std::vector<long>{1001, 1002}));
  EXPECT_TRUE(mCtx.State->NeedToCompile());
  EXPECT_TRUE(mCtx.State->NeedToSave());
  EXPECT_TRUE(mHost.Gui->NeedToCompile());
}

TEST_F(FunctionCommands, EnableNetsWithoutDownloadUnitsLeavesTheUnitsAlone) {
  const auto ids = StripIDs();
  GiveDownloadUnits();
  Db().Execute("UPDATE LdrStrips SET IsCompilable=2 WHERE StripID=" + std::to_string(ids[3]));
  SelectStrips({ids[3]});
  auto view = LoadedView();
  view->ToolRequest("ID_EnableNets");
  EXPECT_EQ(Column("IsCompilable", ids[3]), -1);
  EXPECT_EQ(Column("CompileDirtyBit", ids[3]), -1);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM DownloadDLUs WHERE IsCompiled=0"), 0);
}

TEST_F(FunctionCommands, CollapseNetsKeepsTheHeightAndReloads) {
  const auto ids = StripIDs();
  SelectStrips({ids[0], ids.back()});
  auto view = LoadedView();
  view->ToolRequest("ID_CollapseNets");
  EXPECT_EQ(Column("IsCollapsed", ids[0]), -1);
  EXPECT_EQ(Column("Height", ids[0]), 1);
  EXPECT_EQ(Column("OrgHeight", ids[0]), kNetHeight);
  // The return strip is never collapsed.
  EXPECT_EQ(Column("IsCollapsed", ids.back()), 0);
  EXPECT_EQ(Column("Height", ids.back()), kNetHeight);
  EXPECT_THAT(ViewTops(*view), ElementsAre(0, 1, 15, 29));
  EXPECT_TRUE(mCtx.State->NeedToCompile());
}

TEST_F(FunctionCommands, ExpandNetsExpandsOnlyTheSelectedOnes) {
  const auto ids = StripIDs();
  Db().Execute("UPDATE LdrStrips SET IsCollapsed=-1, OrgHeight=Height, Height=1 WHERE StrpType=1 AND "
               "IsReturnStrip=0");
  SelectStrips({ids[2]});
  auto view = LoadedView();
  view->ToolRequest("ID_ExpandNets");
  EXPECT_EQ(Longs("SELECT StripID FROM LdrStrips WHERE IsCollapsed=0 AND IsReturnStrip=0"), Slice(ids, 2, 1));
  EXPECT_EQ(Column("Height", ids[2]), kNetHeight);
}

TEST_F(FunctionCommands, ExpandAllNetsReachesOtherSubroutines) {
  Db().Execute("UPDATE LdrStrips SET IsCollapsed=-1, OrgHeight=Height, Height=1 WHERE StrpType=1 AND "
               "IsReturnStrip=0");
  auto view = LoadedView();
  view->ToolRequest("ID_ExpandAllNets");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE IsCollapsed<>0"), 0);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=1 AND Height<>14"), 0);
}

TEST_F(FunctionCommands, ExpandingRestoresAKeptHeightOnlyWithinANetsLimits) {
  const auto ids = StripIDs();
  Db().Execute("UPDATE LdrStrips SET IsCollapsed=-1, OrgHeight=100000000, Height=1 WHERE StripID=" +
               std::to_string(ids[0]));
  Db().Execute("UPDATE LdrStrips SET IsCollapsed=-1, OrgHeight=0, Height=1 WHERE StripID=" + std::to_string(ids[1]));
  auto view = LoadedView();
  view->ToolRequest("ID_ExpandAllNets");
  EXPECT_EQ(Column("Height", ids[0]), 40);
  EXPECT_EQ(Column("Height", ids[1]), 1);
}

TEST_F(FunctionCommands, AToolWithNoActiveStripIsReported) {
  auto view = LoadedView();
  view->ToolRequest("ID_LPowerFlow");
  ASSERT_EQ(Errors().size(), 1u);
  const auto& report = Errors().front();
  EXPECT_EQ(report.Code(), 0);
  EXPECT_EQ(report.Title, "InvalidActiveStrip");
  EXPECT_EQ(report.Description, "Active strip is nothing & cannot handle tool ID_LPowerFlow");
  EXPECT_EQ(report.ClassName, "clsLdrFunction");
  EXPECT_EQ(report.Procedure, "itfFunction_ToolRequest");
  view->SpecialToolRequest("ID_LInvertedContact");
  ASSERT_EQ(Errors().size(), 2u);
  EXPECT_EQ(Errors().back().Procedure, "itfFunction_SpecialToolRequest");
}

TEST_F(FunctionCommands, OtherToolsGoToTheStripClickedLast) {
  const auto ids = StripIDs();
  auto view = LoadedView();
  Click(*view, 7, 14 * 15 + 7); // the left zone of net 2
  auto stub = Stub(*view, ids[1]);
  ASSERT_EQ(view->ActiveStrip(), stub);
  EXPECT_CALL(*stub, ToolRequest("ID_LPowerFlow"));
  EXPECT_CALL(*stub, SpecialToolRequest("ID_LInvertedContact"));
  view->ToolRequest("ID_LPowerFlow");
  view->SpecialToolRequest("ID_LInvertedContact");
  EXPECT_TRUE(Errors().empty());
}

TEST_F(FunctionCommands, TheActiveStripFollowsAReloadAndGoesWhenScrolledAway) {
  const auto ids = StripIDs();
  auto view = LoadedView();
  Click(*view, 7, 14 * 15 + 7);
  view->ReLoad();
  EXPECT_EQ(view->ActiveStrip(), view->Strips()->Find(ids[1]));
  view->SetVerticalScrollLocation(5 * kNetHeight);
  EXPECT_EQ(view->ActiveStrip(), nullptr);
}

class RefreshOperandTest : public FunctionCommands {
protected:
  // A contact using operand (type, address) in the strip.
  void UseOperand(long stripID, long type, long address) {
    const long element = static_cast<long>(Db().AddRow(
        "LdrElements", {{"StripID", stripID}, {"ElmntType", 200}, {"Xs", 2}, {"Ys", 5}, {"Dx", 0}, {"Dy", 0}}));
    Db().AddRow("LdrElmsOprs", {{"ElmntID", element},
                                {"OprndInIdx", 1},
                                {"OprndOutIdx", 0},
                                {"Elmnt_Oprnd_Type", type},
                                {"Elmnt_Oprnd_Adrs", address},
                                {"Elmnt_Oprnd_NetworkID", 0}});
  }
  void SetUp() override {
    FunctionCommands::SetUp();
    mNet1 = StripIDs(1)[3];
    mNet2 = StripIDs(2)[6];
    mOther = StripIDs(2)[7];
    UseOperand(mNet1, 34, 5);
    UseOperand(mNet2, 34, 5);
    UseOperand(mOther, 34, 6);
    Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0");
  }
  std::vector<long> DirtyIDs() {
    return Longs("SELECT StripID FROM LdrStrips WHERE CompileDirtyBit<>0 ORDER BY StripID");
  }
  long mNet1 = 0, mNet2 = 0, mOther = 0;
};

TEST_F(RefreshOperandTest, ANamedConstantMarksEveryNetUsingItDirty) {
  auto view = LoadedView();
  view->RefreshOperand(34, 5, 0);
  EXPECT_EQ(DirtyIDs(), (std::vector<long>{mNet1, mNet2}));
  EXPECT_EQ(mCtx.State->ReloadRequest(), eRR_ReloadFunction);
}

TEST_F(RefreshOperandTest, AConstantNobodyUsesChangesNothing) {
  auto view = LoadedView();
  view->RefreshOperand(35, 5, 0);
  EXPECT_TRUE(DirtyIDs().empty());
  EXPECT_EQ(mCtx.State->ReloadRequest(), eRR_Redraw);
}

TEST_F(RefreshOperandTest, OtherOperandTypesAndNegativeAddressesMarkNothing) {
  Db().Execute("UPDATE LdrElmsOprs SET Elmnt_Oprnd_Type=1");
  auto view = LoadedView();
  view->RefreshOperand(1, 5, 0);
  view->RefreshOperand(34, -1, 0);
  EXPECT_TRUE(DirtyIDs().empty());
  EXPECT_EQ(mCtx.State->ReloadRequest(), eRR_Redraw);
}

TEST_F(RefreshOperandTest, EveryShownStripRefreshesAndThePictureIsRedrawn) {
  auto view = LoadedView();
  for (const auto& [key, strip] : *view->Strips())
    EXPECT_CALL(*std::dynamic_pointer_cast<test::StubStrip>(strip), RefreshOperand(34, 5, 0));
  EXPECT_CALL(*mDrawer, RedrawAll());
  view->RefreshOperand(34, 5, 0);
}

TEST_F(FunctionCommands, AppendNewStripAddsNetsInFrontOfTheReturnStrip) {
  const auto before = StripIDs();
  auto view = LoadedView();
  view->SetVerticalScrollLocation(17 * kNetHeight - mViewHeight);
  view->AppendNewStrip(2, 3); // always nets
  const auto after = StripIDs();
  ASSERT_EQ(after.size(), before.size() + 3);
  EXPECT_EQ(after.back(), before.back());
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=2 AND StrpType=1"), 20);
  EXPECT_EQ(Scalar("SELECT MAX(ShowNum) FROM LdrStrips WHERE FuncID=2"), 20);
  EXPECT_EQ(Bar().Max(), 20 * kNetHeight - mViewHeight);
  EXPECT_EQ(LoadedIDs(), ViewIDs(*view));
}

TEST_F(FunctionCommands, WorkModeGoesToTheStateTheStripsAndTheToolbar) {
  auto view = LoadedView();
  for (const auto& [key, strip] : *view->Strips()) {
    ::testing::InSequence order;
    EXPECT_CALL(*std::dynamic_pointer_cast<test::StubStrip>(strip), SetWorkMode(1));
    EXPECT_CALL(*std::dynamic_pointer_cast<test::StubStrip>(strip), SetWorkMode(0));
  }
  view->ToggleWorkMode();
  EXPECT_EQ(mCtx.State->WorkMode(), 1);
  EXPECT_EQ(mHost.Gui->WorkMode(), 1);
  view->ToggleWorkMode();
  EXPECT_EQ(mCtx.State->WorkMode(), 0);
}

TEST_F(FunctionCommands, CancelWithNothingRunningLeavesLineDrawing) {
  auto view = LoadedView();
  view->SetWorkMode(1);
  view->CancelProcess();
  EXPECT_EQ(mCtx.State->WorkMode(), 0);
  // Not while a button is held.
  view->SetWorkMode(1);
  view->MouseDown(1, 0, 400, 500);
  view->CancelProcess();
  EXPECT_EQ(mCtx.State->WorkMode(), 1);
}

TEST_F(FunctionCommands, FunctionTypeIsStoredOnTheSubroutine) {
  auto view = LoadedView();
  const long other = Scalar("SELECT FunctionType FROM LdrFunctions WHERE FuncID=1");
  view->SetFunctionType(2);
  EXPECT_EQ(view->FunctionType(), 2);
  EXPECT_EQ(Scalar("SELECT FunctionType FROM LdrFunctions WHERE FuncID=2"), 2);
  EXPECT_EQ(Scalar("SELECT FunctionType FROM LdrFunctions WHERE FuncID=1"), other);
}

TEST_F(FunctionCommands, EditCommandsWithoutAClipboardAreRefusedClearly) {
  auto view = LoadedView();
  EXPECT_THROW(view->EditCommand(2), LdrError);
}

} // namespace

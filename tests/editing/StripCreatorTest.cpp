// Inserting new strips in front of the strip clicked.

#include "EditingFixture.h"
#include "editing/srvStripCreator.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

using ::testing::_;

// Label names handed out from a list; empty when the list is used up.
class ListedLabelNames : public LabelNameService {
public:
  explicit ListedLabelNames(std::vector<std::string> names) : mNames(std::move(names)) {}
  std::string ProposeLabelName(long) override {
    if (mNext >= mNames.size()) return {};
    return mNames[mNext++];
  }
  bool EditLabelName(long) override { return false; }

private:
  std::vector<std::string> mNames;
  std::size_t mNext = 0;
};

class StripCreatorTest : public EditingFixture {
protected:
  void SetUp() override {
    EditingFixture::SetUp();
    mCreator.Init(mControl, *mDrawer);
    mCreator.SetFunctionID(2);
  }
  std::vector<long> Column(const std::string& column, long funcID = 2) {
    return Longs("SELECT " + column + " FROM LdrStrips WHERE FuncID=" + std::to_string(funcID) + " ORDER BY SeqNum");
  }
  std::shared_ptr<itfStrip> StripAtSeq(long seqNum) {
    return LoadNet(Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND SeqNum=" + std::to_string(seqNum)));
  }

  srvStripCreator mCreator{mCtx};
};

TEST_F(StripCreatorTest, DefaultsAreOneNet) {
  srvStripCreator fresh(mCtx);
  EXPECT_EQ(fresh.StripType(), eST_LdrNet);
  EXPECT_EQ(fresh.CreationStyle(), 1);
  EXPECT_EQ(fresh.CreationAmount(), 1);
}

TEST_F(StripCreatorTest, NetsInFrontOfTheFirstStripShiftTheWholeSubroutineOnly) {
  const auto idsBefore = Column("StripID");
  const auto seqBefore = Column("SeqNum");
  const auto otherBefore = Column("SeqNum", 1);
  const long first = seqBefore.front();
  mCreator.SetCreationAmount(2);
  EXPECT_CALL(mControl, Relocate());
  EXPECT_CALL(mControl, SetKillProcess(eMP_StripCreateProc));
  EXPECT_CALL(mControl, SetNewProcess(eMP_QueryForProcess));
  auto strip = StripAtSeq(first);
  PointAt(strip, 3, 3);
  mCreator.MouseDown(strip);
  const auto ids = Column("StripID");
  const auto seqs = Column("SeqNum");
  ASSERT_EQ(ids.size(), idsBefore.size() + 2);
  // The old strips keep their order, two further on; the new ones come first.
  for (std::size_t i = 0; i < idsBefore.size(); ++i) {
    EXPECT_EQ(ids[i + 2], idsBefore[i]);
    EXPECT_EQ(seqs[i + 2], seqBefore[i] + 2);
  }
  EXPECT_EQ(seqs[0], first);
  EXPECT_EQ(seqs[1], first + 1);
  EXPECT_EQ(Column("SeqNum", 1), otherBefore);
  const std::string added =
      "LdrStrips WHERE StripID IN (" + std::to_string(ids[0]) + "," + std::to_string(ids[1]) + ")";
  EXPECT_EQ(Count(added + " AND StrpType=1 AND Height=14 AND IsCompilable=-1 AND IsLoaded=0 AND IsSelected=0 AND "
                          "IsCollapsed=0 AND OrgHeight=0 AND LdrBitsCount=0 AND LblName IS NULL"),
            2);
  EXPECT_TRUE(mCtx.State->NeedToSave());
}

TEST_F(StripCreatorTest, CommentsAndLabelsInTheMiddle) {
  const auto seqBefore = Column("SeqNum");
  const long position = seqBefore[3];
  mCtx.Host->LabelNames = std::make_shared<ListedLabelNames>(std::vector<std::string>{"Start", "Loop"});
  mCreator.SetStripType(eST_LdrLabel);
  mCreator.SetCreationAmount(3); // the third label gets no name
  mCreator.InsertStrips(static_cast<std::int32_t>(position));
  EXPECT_EQ(Count("LdrStrips WHERE FuncID=2 AND StrpType=3 AND Height=1 AND IsCompilable=0"), 2);
  EXPECT_EQ(Scalar("SELECT SeqNum FROM LdrStrips WHERE LblName='Start'"), position);
  EXPECT_EQ(Scalar("SELECT SeqNum FROM LdrStrips WHERE LblName='Loop'"), position + 1);
  // The strips that were at and after the position moved on by three.
  EXPECT_EQ(Column("SeqNum").back(), seqBefore.back() + 3);
  mCreator.SetStripType(eST_LdrComment);
  mCreator.SetCreationAmount(1);
  mCreator.InsertStrips(static_cast<std::int32_t>(position));
  EXPECT_EQ(Count("LdrStrips WHERE FuncID=2 AND StrpType=2 AND Height=3 AND IsCompilable=0 AND SeqNum=" +
                  std::to_string(position)),
            1);
}

TEST_F(StripCreatorTest, AnUnknownTypeShowsElseAndStoresTheCommonColumns) {
  mCreator.SetStripType(eST_LdrSTL);
  mCreator.InsertStrips(1);
  EXPECT_TRUE(mLog->Contains("msgbox \"else\""));
  EXPECT_EQ(Count("LdrStrips WHERE FuncID=2 AND StrpType=4 AND SeqNum=1"), 1);
}

TEST_F(StripCreatorTest, NoStripUnderThePointerKeepsTheProcessWaiting) {
  const long before = Count("LdrStrips");
  EXPECT_CALL(mControl, SetKillProcess(_)).Times(0);
  mCreator.MouseDown(nullptr);
  mCreator.MouseMove(nullptr);
  EXPECT_TRUE(mCtx.State->NoDrop());
  mCreator.MouseMove(StripAtSeq(Column("SeqNum").front()));
  EXPECT_FALSE(mCtx.State->NoDrop());
  EXPECT_EQ(Count("LdrStrips"), before);
}

TEST_F(StripCreatorTest, ALongSubroutineKeepsItsOrder) {
  // Numbers above 1000 must not be folded back onto lower ones.
  Db().Execute("UPDATE LdrStrips SET SeqNum=SeqNum*100 WHERE FuncID=2");
  const auto idsBefore = Column("StripID");
  const long position = Column("SeqNum")[12]; // 1200 or so
  mCreator.InsertStrips(static_cast<std::int32_t>(position));
  const auto ids = Column("StripID");
  ASSERT_EQ(ids.size(), idsBefore.size() + 1);
  for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(ids[i], idsBefore[i]);
  for (std::size_t i = 12; i < idsBefore.size(); ++i) EXPECT_EQ(ids[i + 1], idsBefore[i]);
  EXPECT_EQ(Scalar("SELECT COUNT(DISTINCT SeqNum) FROM LdrStrips WHERE FuncID=2"), static_cast<long>(ids.size()));
}

TEST_F(StripCreatorTest, UnsupportedMembersReport217) {
  mCreator.CreateNewElement(200);
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].ClassName, "srvStripCreator");
  EXPECT_EQ(Errors()[0].Procedure, "itfProcess_CreateNewElement");
}

} // namespace
} // namespace ldr::test

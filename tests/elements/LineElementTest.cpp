// Line pieces: derived type, extent protocol, commit normalisation, storing,
// hit test and the members without meaning for lines.
#include "ElementTestFixture.h"

#include "elements/clsLineElement.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class LineElement : public ElementTestFixture {
protected:
  // A line created the way the line creator makes one: type 102, start point,
  // end point.
  std::shared_ptr<clsLineElement> Line(tyLdrPoint start, tyLdrPoint end) {
    auto line = std::dynamic_pointer_cast<clsLineElement>(CreateNewElement(mCtx, eET_LdrLine));
    line->SetXs(start.X);
    line->SetYs(start.Y);
    line->SetXe(end.X);
    line->SetYe(end.Y);
    return line;
  }
  void Commit(clsLineElement& line) {
    line.SaveLastLegalPosition();
    line.UpdateInitialDescriptor();
  }
  db::Recordset Row(long id) { return Db().Query("SELECT * FROM LdrElements WHERE ElmntID=" + std::to_string(id)); }
};

TEST_F(LineElement, StretchStaysOrthogonalAndPrefersHorizontalOnATie) {
  auto line = Line({2, 2}, {2, 2});
  line->Stretch(4, 3);
  EXPECT_EQ(line->ExtentDescriptor(3), (tyLdrPoint{4, 0}));
  line->Stretch(3, 4);
  EXPECT_EQ(line->ExtentDescriptor(3), (tyLdrPoint{0, 4}));
  line->Stretch(3, -3);
  EXPECT_EQ(line->ExtentDescriptor(3), (tyLdrPoint{3, 0}));
  line->Stretch(-3, 3);
  EXPECT_EQ(line->ExtentDescriptor(3), (tyLdrPoint{-3, 0}));
  EXPECT_EQ(line->ExtentDescriptor(1), (tyLdrPoint{0, 0}));
}

TEST_F(LineElement, TypeAndHeightFollowTheExtent) {
  auto line = Line({2, 2}, {2, 2});
  EXPECT_EQ(line->ClassType(), eET_Undefined);
  EXPECT_EQ(line->Height(), 0);
  line->Stretch(0, 3); // being drawn: the transit extent tells
  EXPECT_EQ(line->ClassType(), eET_VertLine);
  EXPECT_EQ(line->Height(), 0);
  Commit(*line);
  EXPECT_EQ(line->ClassType(), eET_VertLine);
  EXPECT_EQ(line->Height(), 3);
  auto flat = Line({1, 1}, {6, 1});
  EXPECT_EQ(flat->ClassType(), eET_HorzLine);
  EXPECT_EQ(flat->Height(), 1);
  EXPECT_TRUE(flat->IsLineElement());
  EXPECT_TRUE(flat->IsEnableInEnableOut());
  EXPECT_EQ(flat->ToolTipText(), "");
  EXPECT_EQ(flat->InputOperands(), nullptr);
  EXPECT_EQ(flat->OutputOperands(), nullptr);
  EXPECT_EQ(flat->ActiveOperand(), nullptr);
}

TEST_F(LineElement, OutletIsStartPlusExtent) {
  auto line = Line({3, 1}, {3, 5});
  EXPECT_EQ(line->Delta(), (tyLdrPoint{0, 4}));
  EXPECT_EQ(line->Outlet(), (tyLdrPoint{3, 5}));
  for (int i = 2; i <= 4; ++i) EXPECT_EQ(line->ExtentDescriptor(i), (tyLdrPoint{0, 4})) << i;
  line->SetOutlet({1, 1}); // normalised: the line now runs right from (1, 1)
  EXPECT_EQ(line->Inlet(), (tyLdrPoint{1, 1}));
  EXPECT_EQ(line->Delta(), (tyLdrPoint{2, 0}));
  EXPECT_EQ(line->ExtentDescriptor(4), (tyLdrPoint{2, 0}));
}

TEST_F(LineElement, CommittedBackwardsLineIsStoredRunningRight) {
  auto line = Line({10, 2}, {10, 2});
  line->Stretch(-5, 0);
  EXPECT_EQ(line->GetBoundingRect(), (Rect{5, 2, 10, 2}));
  Commit(*line);
  line->AddToDB(NetID());
  auto row = Row(line->ObjectID());
  EXPECT_EQ(row.Field("ElmntType").AsLong(), 100);
  EXPECT_EQ(row.Field("Xs").AsLong(), 5);
  EXPECT_EQ(row.Field("Ys").AsLong(), 2);
  EXPECT_EQ(row.Field("Dx").AsLong(), 5);
  EXPECT_EQ(row.Field("Dy").AsLong(), 0);
  EXPECT_EQ(row.Field("LineFlowDirection").AsLong(), 0);
  EXPECT_EQ(row.Field("IsMissing").AsLong(-9), 0);
}

TEST_F(LineElement, MovingKeepsTheExtent) {
  auto line = Line({3, 1}, {3, 5});
  line->Move(2, 2);
  EXPECT_EQ(line->GetBoundingRect(), (Rect{5, 3, 5, 7}));
  line->SaveLastLegalPosition();
  line->UpdateInitialDescriptor();
  EXPECT_EQ(line->Inlet(), (tyLdrPoint{5, 3}));
  EXPECT_EQ(line->Delta(), (tyLdrPoint{0, 4}));
}

TEST_F(LineElement, StoreLoadRoundTripOfEveryField) {
  auto line = Line({4, 7}, {4, 11});
  line->SetFlowDirection(eFD_Down);
  line->AddToDB(NetID());
  line->AddOperandsToDB(); // nothing to store
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs"),
            Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID<>" + std::to_string(line->ObjectID())));
  auto row = Row(line->ObjectID());
  auto noOperands = Db().Query("SELECT * FROM LdrElmsOprs WHERE 0");
  auto loaded = std::dynamic_pointer_cast<clsLineElement>(CreateNewElement(mCtx, eET_VertLine));
  loaded->Load(row, noOperands);
  EXPECT_TRUE(Errors().empty()); // lines have no operands to miss
  EXPECT_EQ(loaded->ObjectID(), line->ObjectID());
  EXPECT_EQ(loaded->ClassType(), eET_VertLine);
  EXPECT_EQ(loaded->Inlet(), (tyLdrPoint{4, 7}));
  EXPECT_EQ(loaded->Delta(), (tyLdrPoint{0, 4}));
  EXPECT_EQ(loaded->FlowDirection(), eFD_Down);
  for (int i = 2; i <= 4; ++i) {
    EXPECT_EQ(loaded->PositionDescriptor(i), (tyLdrPoint{4, 7}));
    EXPECT_EQ(loaded->ExtentDescriptor(i), (tyLdrPoint{0, 4}));
  }
}

TEST_F(LineElement, UpdateDbComparesTheLineColumns) {
  auto line = Line({4, 7}, {9, 7});
  line->AddToDB(NetID());
  CountElementUpdates();
  line->UpdateDB();
  EXPECT_FALSE(line->CompileDirtyBit());
  EXPECT_EQ(ElementUpdates(), 0);
  line->SetFlowDirection(eFD_Left);
  line->UpdateDB();
  EXPECT_TRUE(line->CompileDirtyBit());
  EXPECT_EQ(Scalar("SELECT LineFlowDirection FROM LdrElements WHERE ElmntID=" + std::to_string(line->ObjectID())), 4);
  line->Stretch(2, 0);
  line->SaveLastLegalPosition();
  line->UpdateInitialDescriptor();
  line->UpdateDB();
  EXPECT_EQ(Scalar("SELECT Dx FROM LdrElements WHERE ElmntID=" + std::to_string(line->ObjectID())), 7);
  EXPECT_EQ(ElementUpdates(), 2);
}

TEST_F(LineElement, ReplicaThroughTheBag) {
  auto line = Line({4, 7}, {9, 7});
  line->SetFlowDirection(eFD_Right);
  line->AddToDB(NetID());
  const PropertyBag bag = line->GetPropertyBag();
  for (const char* name : {"ElementType", "InletX", "InletY", "DeltaX", "DeltaY", "LineFlowDirection"}) {
    EXPECT_TRUE(bag.HasProperty(name)) << name;
  }
  EXPECT_FALSE(bag.HasProperty("InOprs"));
  EXPECT_EQ(bag.ReadProperty("ElementType").AsLong(), 100);
  auto replica = std::dynamic_pointer_cast<clsLineElement>(line->GetReplica());
  ASSERT_NE(replica, nullptr);
  EXPECT_EQ(replica->ObjectID(), -1);
  EXPECT_EQ(replica->Inlet(), (tyLdrPoint{4, 7}));
  EXPECT_EQ(replica->Delta(), (tyLdrPoint{5, 0}));
  EXPECT_EQ(replica->ExtentDescriptor(4), (tyLdrPoint{5, 0}));
  EXPECT_EQ(replica->FlowDirection(), eFD_Right);
  EXPECT_EQ(replica->ClassType(), eET_HorzLine);
}

TEST_F(LineElement, HitOnTheLineIncludingBothEnds) {
  auto line = Line({4, 7}, {9, 7});
  auto hitAt = [&](int x, int y) {
    HitRecord hit;
    hit.HitKind = 3; // whatever the net had there
    hit.X = x;
    hit.Y = y;
    line->HitTestByPoint(hit);
    EXPECT_EQ(hit.X, x);
    EXPECT_EQ(line->GetHitParameters(), hit);
    return hit.HitKind;
  };
  EXPECT_EQ(hitAt(4, 7), 1);
  EXPECT_EQ(hitAt(9, 7), 1);
  EXPECT_EQ(hitAt(6, 7), 1);
  EXPECT_EQ(hitAt(6, 6), 0);
  EXPECT_EQ(hitAt(3, 7), 0);
  EXPECT_EQ(hitAt(10, 7), 0);
}

TEST_F(LineElement, ContextMenu100OnlyAfterABodyHit) {
  auto line = Line({4, 7}, {9, 7});
  line->RightMouseUp();
  EXPECT_TRUE(mHost.Gui->MenusShown().empty());
  HitRecord hit;
  hit.X = 5;
  hit.Y = 7;
  line->HitTestByPoint(hit);
  line->RightMouseUp();
  ASSERT_EQ(mHost.Gui->MenusShown().size(), 1u);
  EXPECT_EQ(mHost.Gui->MenusShown()[0], 100);
}

TEST_F(LineElement, ParametersAndOperandMembersAreIgnored) {
  auto line = Line({4, 7}, {9, 7});
  line->SetMoreParamsLng(5);
  line->SetMoreParamsStr("x");
  line->SetMoreParamsBytesArray({1, 2});
  EXPECT_EQ(line->MoreParamsLng(), 0);
  EXPECT_EQ(line->MoreParamsStr(), "");
  EXPECT_TRUE(line->MoreParamsBytesArray().empty());
  EXPECT_EQ(line->MoreParamsObj(), nullptr);
  EXPECT_EQ(line->HighLightOperand(1, 0), nullptr);
  EXPECT_FALSE(line->ReplaceOperand(1, 0, 1, 1, 0));
}

} // namespace
} // namespace ldr::test

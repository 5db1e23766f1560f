// The element factory: every family to its class, unbuilt families reported.
#include "ElementTestFixture.h"

#include "elements/ElementFamilies.h"
#include "elements/clsJumpElement.h"
#include "elements/clsLineElement.h"
#include "elements/clsSimpleElement.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace ldr::test {
namespace {

using ElementFactory = ElementTestFixture;

TEST_F(ElementFactory, BuiltFamiliesGiveTheirClassEmpty) {
  for (int type : {100, 101, 102}) {
    auto element = CreateNewElement(mCtx, type);
    ASSERT_NE(std::dynamic_pointer_cast<clsLineElement>(element), nullptr) << type;
  }
  for (int type = 200; type <= 213; ++type) {
    auto element = CreateNewElement(mCtx, type);
    ASSERT_NE(std::dynamic_pointer_cast<clsSimpleElement>(element), nullptr) << type;
    EXPECT_EQ(element->ObjectID(), -1);
    EXPECT_EQ(element->ClassType(), eET_Undefined);
    EXPECT_EQ(element->Inlet(), (tyLdrPoint{0, 0}));
    EXPECT_EQ(element->InputOperands()->Count(), 0u);
    EXPECT_EQ(element->OutputOperands()->Count(), 0u);
    EXPECT_FALSE(element->IsSelected());
    EXPECT_FALSE(element->IsConducting());
    EXPECT_FALSE(element->CompileDirtyBit());
  }
  for (int type = 600; type <= 603; ++type) {
    EXPECT_NE(std::dynamic_pointer_cast<clsJumpElement>(CreateNewElement(mCtx, type)), nullptr) << type;
  }
  EXPECT_TRUE(Errors().empty());
}

TEST_F(ElementFactory, TypeWithoutClassIsReportedAndGivesNothing) {
  EXPECT_EQ(CreateNewElement(mCtx, 2000), nullptr);
  ASSERT_EQ(Errors().size(), 1u);
  const ErrorReport& report = Errors().front();
  EXPECT_EQ(report.Code(), 0);
  EXPECT_EQ(report.Number, 0x80040000u);
  EXPECT_EQ(report.Title, "UnhandledElement");
  EXPECT_EQ(report.Description, "Unhandled Element Type: 2000");
  EXPECT_EQ(report.ClassName, "mdlLadderUtils");
  EXPECT_EQ(report.Procedure, "CreateNewElement");
  EXPECT_EQ(report.Style, 48);
  EXPECT_TRUE(mLog->Contains("error 0 \"UnhandledElement\" \"Unhandled Element Type: 2000\""));

  EXPECT_EQ(CreateNewElement(mCtx, 0), nullptr);
  EXPECT_EQ(CreateNewElement(mCtx, 99999), nullptr);
  EXPECT_EQ(Errors().size(), 3u);
  EXPECT_EQ(Errors().back().Description, "Unhandled Element Type: 99999");
}

TEST_F(ElementFactory, WithoutErrorReporterStillGivesNothing) {
  LdrContext bare;
  EXPECT_EQ(CreateNewElement(bare, 2000), nullptr);
  EXPECT_NE(CreateNewElement(bare, 204), nullptr);
}

// The families whose classes are still to be built. The list shrinks as
// families arrive; a family must never leave the list without the factory
// building it (and then the test below proves it).
TEST(ElementFactoryGap, FamiliesStillMissing) {
  const std::set<enElementFamilyType> expectedMissing = {};
  std::ostringstream names;
  std::set<enElementFamilyType> missing;
  for (const auto family : FamiliesNotBuilt()) {
    missing.insert(family);
    names << FamilyClassName(family) << ' ';
  }
  RecordProperty("MissingFamilies", names.str());
  EXPECT_EQ(missing, expectedMissing) << "not built: " << names.str();
  EXPECT_TRUE(IsFamilyBuilt(eEFT_LineElements));
  EXPECT_TRUE(IsFamilyBuilt(eEFT_SimpleElements));
  EXPECT_TRUE(IsFamilyBuilt(eEFT_JumpElements));
  EXPECT_FALSE(IsFamilyBuilt(eEFT_Undefined));
}

TEST_F(ElementFactory, EveryCatalogueMemberOfABuiltFamilyIsCreated) {
  int created = 0;
  for (const auto& member : kElementTypeMembers) {
    const auto family = GetFamilyType(member.Value);
    auto element = CreateNewElement(mCtx, member.Value);
    EXPECT_EQ(element != nullptr, IsFamilyBuilt(family)) << member.Name;
    if (element) ++created;
  }
  // Lines, contacts and coils, jumps; compare, in-range, 2x1, Nx1, 0x1,
  // direct and indirect clocks, store, load, timer, extended store; the
  // utility boxes (1268 is the second set's) and the control boxes;
  // communication boxes, the second utility set; the two bounds of the
  // function-block range.
  EXPECT_EQ(created, 3 + 14 + 4 + 6 + 1 + 8 + 28 + 2 + 5 + 5 + 7 + 6 + 4 + 6 + 69 + 3 + 25 + 129 + 2);
}

} // namespace
} // namespace ldr::test

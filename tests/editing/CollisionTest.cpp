// Overlap and containment of real elements: contacts cover the three operand
// rows above their rung (inlet (x, y) -> (x, y-3, x+6, y+1)), lines are
// segments.

#include "EditingFixture.h"
#include "editing/srvCollision.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class CollisionTest : public EditingFixture {
protected:
  bool Overlap(const std::vector<std::shared_ptr<itfLdrElement>>& fixed,
               const std::vector<std::shared_ptr<itfLdrElement>>& moving) {
    return mCollision.DoesElementsOverlap(Collect(fixed), Collect(moving));
  }
  bool Inside(const std::vector<std::shared_ptr<itfLdrElement>>& elements, const Rect& rect) {
    return mCollision.AreElementsWhollyInRect(Collect(elements), rect);
  }

  srvCollision mCollision;
  const Rect mNet{0, 0, 52, 14};
};

TEST_F(CollisionTest, ContactsOverlapOnlyWhenTheirAreasShareCells) {
  auto contact = Make(eET_DirectContact, 10, 5);
  EXPECT_EQ(contact->GetBoundingRect(), (Rect{10, 2, 16, 6}));
  EXPECT_TRUE(Overlap({contact}, {Make(eET_DirectCoil, 15, 5)}));
  EXPECT_TRUE(Overlap({contact}, {Make(eET_DirectContact, 12, 8)}));  // operand rows reach into the rung row
  EXPECT_FALSE(Overlap({contact}, {Make(eET_DirectContact, 16, 5)})); // shares the right edge only
  EXPECT_FALSE(Overlap({contact}, {Make(eET_DirectContact, 10, 9)})); // directly below
  EXPECT_FALSE(Overlap({}, {contact}));
  EXPECT_FALSE(Overlap({contact}, {}));
}

TEST_F(CollisionTest, HorizontalLineAgainstAnElement) {
  auto contact = Make(eET_DirectContact, 10, 5);             // (10, 2, 16, 6)
  EXPECT_FALSE(Overlap({contact}, {MakeLine(4, 5, 6, 0)}));  // ends on the left edge
  EXPECT_TRUE(Overlap({contact}, {MakeLine(4, 5, 7, 0)}));   // ends inside
  EXPECT_TRUE(Overlap({contact}, {MakeLine(4, 5, 20, 0)}));  // runs through
  EXPECT_FALSE(Overlap({contact}, {MakeLine(4, 2, 20, 0)})); // along the top edge
  EXPECT_FALSE(Overlap({contact}, {MakeLine(4, 6, 20, 0)})); // along the bottom edge
  EXPECT_FALSE(Overlap({contact}, {MakeLine(16, 5, 5, 0)})); // starts on the right edge
  // The line may be the static one as well.
  EXPECT_TRUE(Overlap({MakeLine(4, 5, 20, 0)}, {contact}));
  EXPECT_FALSE(Overlap({MakeLine(4, 5, 6, 0)}, {contact}));
}

TEST_F(CollisionTest, VerticalLineAgainstAnElement) {
  auto contact = Make(eET_DirectContact, 10, 5);             // (10, 2, 16, 6)
  EXPECT_TRUE(Overlap({contact}, {MakeLine(13, 0, 0, 9)}));  // crosses from top to bottom
  EXPECT_TRUE(Overlap({contact}, {MakeLine(13, 0, 0, 3)}));  // ends inside
  EXPECT_FALSE(Overlap({contact}, {MakeLine(13, 0, 0, 2)})); // ends on the top edge
  EXPECT_FALSE(Overlap({contact}, {MakeLine(10, 0, 0, 9)})); // along the left edge
  EXPECT_FALSE(Overlap({contact}, {MakeLine(16, 0, 0, 9)})); // along the right edge
}

TEST_F(CollisionTest, LinesNeverCollideWithLines) {
  EXPECT_FALSE(Overlap({MakeLine(0, 5, 20, 0)}, {MakeLine(10, 0, 0, 10)}));
  EXPECT_FALSE(Overlap({MakeLine(0, 5, 20, 0)}, {MakeLine(0, 5, 20, 0)}));
  // ...but a group is tested element by element.
  EXPECT_TRUE(Overlap({MakeLine(0, 5, 20, 0), Make(eET_DirectContact, 30, 5)},
                      {MakeLine(10, 0, 0, 10), Make(eET_DirectCoil, 33, 6)}));
}

TEST_F(CollisionTest, RectangleIntersectionAndSegments) {
  const Rect band{10, 2, 16, 6};
  EXPECT_TRUE(mCollision.DoesRectanglesIntersect(band, {15, 5, 20, 9}));
  EXPECT_FALSE(mCollision.DoesRectanglesIntersect(band, {16, 2, 20, 6})); // shares an edge
  EXPECT_FALSE(mCollision.DoesRectanglesIntersect(band, {10, 6, 16, 9}));
  // Segments: an end strictly inside, or crossing the whole band.
  EXPECT_TRUE(mCollision.DoesRectanglesIntersect(band, {12, 0, 12, 3}));
  EXPECT_TRUE(mCollision.DoesRectanglesIntersect(band, {12, 0, 12, 8}));
  EXPECT_FALSE(mCollision.DoesRectanglesIntersect(band, {10, 0, 10, 8})); // on the left edge
  EXPECT_FALSE(mCollision.DoesRectanglesIntersect(band, {12, 0, 12, 2})); // ends on the edge
  EXPECT_TRUE(mCollision.DoesRectanglesIntersect(band, {0, 4, 30, 4}));
  EXPECT_FALSE(mCollision.DoesRectanglesIntersect(band, {0, 2, 30, 2}));
  EXPECT_TRUE(mCollision.DoesRectanglesIntersect(band, {0, 4, 12, 4})); // ends inside
}

TEST_F(CollisionTest, WhollyInsideClearsTheExtensions) {
  EXPECT_TRUE(Inside({Make(eET_DirectContact, 0, 3), Make(eET_DirectCoil, 46, 13)}, mNet));
  EXPECT_EQ(mCollision.ExtendVerticalValue(), 0);
  EXPECT_EQ(mCollision.ExtendHorizontalValue(), 0);
}

TEST_F(CollisionTest, ExcessBelowAndRightIsPositive) {
  EXPECT_FALSE(Inside({Make(eET_DirectContact, 48, 15)}, mNet)); // (48, 12, 54, 16)
  EXPECT_EQ(mCollision.ExtendVerticalValue(), 2);
  EXPECT_EQ(mCollision.ExtendHorizontalValue(), 2);
}

TEST_F(CollisionTest, ExcessAboveAndLeftIsNegativeAndTheLargestMagnitudeWins) {
  // Top -1 and left -3, then bottom +4: the vertical keeps +4, the horizontal -3.
  EXPECT_FALSE(Inside({Make(eET_DirectContact, -3, 2), Make(eET_DirectContact, 20, 17)}, mNet));
  EXPECT_EQ(mCollision.ExtendVerticalValue(), 4);
  EXPECT_EQ(mCollision.ExtendHorizontalValue(), -3);
  EXPECT_FALSE(Inside({Make(eET_DirectContact, 20, 15), Make(eET_DirectContact, 10, 0)}, mNet));
  EXPECT_EQ(mCollision.ExtendVerticalValue(), -3);
}

TEST_F(CollisionTest, AnElementInsideAfterOneOutsideResetsTheExtensionsButNotTheAnswer) {
  EXPECT_FALSE(Inside({Make(eET_DirectContact, 10, 16), Make(eET_DirectContact, 30, 5)}, mNet));
  EXPECT_EQ(mCollision.ExtendVerticalValue(), 0);
  EXPECT_EQ(mCollision.ExtendHorizontalValue(), 0);
  // The other order keeps the excess.
  EXPECT_FALSE(Inside({Make(eET_DirectContact, 30, 5), Make(eET_DirectContact, 10, 16)}, mNet));
  EXPECT_EQ(mCollision.ExtendVerticalValue(), 3);
}

TEST_F(CollisionTest, TheVerticalExcessAboveIsMeasuredFromRowZero) {
  // A rectangle that does not start at row 0: an element above its top but
  // below row 0 is outside without any vertical excess.
  EXPECT_FALSE(Inside({Make(eET_DirectContact, 10, 6)}, {0, 5, 52, 14}));
  EXPECT_EQ(mCollision.ExtendVerticalValue(), 0);
}

TEST_F(CollisionTest, LinesMayLieOnTheSideEdgesButNotOnTheTopOrBottomRow) {
  EXPECT_TRUE(Inside({MakeLine(0, 5, 52, 0)}, mNet));   // the whole width
  EXPECT_TRUE(Inside({MakeLine(0, 1, 0, 12)}, mNet));   // on the left edge
  EXPECT_FALSE(Inside({MakeLine(0, 5, 53, 0)}, mNet));  // one column too far
  EXPECT_FALSE(Inside({MakeLine(4, 0, 10, 0)}, mNet));  // row 0
  EXPECT_FALSE(Inside({MakeLine(4, 14, 10, 0)}, mNet)); // the bottom row
  EXPECT_FALSE(Inside({MakeLine(4, 8, 0, 6)}, mNet));   // reaches the bottom
  // A line outside never sets the extensions.
  EXPECT_EQ(mCollision.ExtendVerticalValue(), 0);
  EXPECT_EQ(mCollision.ExtendHorizontalValue(), 0);
}

} // namespace
} // namespace ldr::test

#include "outside/operands/HitRecord.h"

#include <gtest/gtest.h>

using ldr::HitRecord;

TEST(HitRecord, PixelsRoundToTheNearestGridPointTiesToEven) {
  EXPECT_EQ(HitRecord::PixelToGrid(6), 0);
  EXPECT_EQ(HitRecord::PixelToGrid(7), 0); // 0.5 → 0
  EXPECT_EQ(HitRecord::PixelToGrid(8), 1);
  EXPECT_EQ(HitRecord::PixelToGrid(21), 2); // 1.5 → 2
  EXPECT_EQ(HitRecord::PixelToGrid(35), 2); // 2.5 → 2
  EXPECT_EQ(HitRecord::PixelToGrid(-7), 0);
  EXPECT_EQ(HitRecord::PixelToGrid(770), 55);
}

TEST(HitRecord, SideFlagsTellOnWhichSideOfTheLineAClickFell) {
  const auto left = HitRecord::FromPixel(27, 13);
  EXPECT_EQ(left.X, 2);
  EXPECT_EQ(left.HorzSide, HitRecord::kLeftOfLine);
  EXPECT_EQ(left.Y, 1);
  EXPECT_EQ(left.VertSide, HitRecord::kAboveLine);
  const auto on = HitRecord::FromPixel(28, 14, 2, 3);
  EXPECT_EQ(on.HorzSide, HitRecord::kOnOrRightOfLine);
  EXPECT_EQ(on.VertSide, HitRecord::kOnOrBelowLine);
  EXPECT_EQ(on.Button, 2);
  EXPECT_EQ(on.Shift, 3);
  const auto tie = HitRecord::FromPixel(7, 21);
  EXPECT_EQ(tie.X, 0);
  EXPECT_EQ(tie.HorzSide, 3);
  EXPECT_EQ(tie.Y, 2);
  EXPECT_EQ(tie.VertSide, 2);
  EXPECT_FLOAT_EQ(tie.PixelY(), 21.0f);
}

TEST(HitRecord, FieldsAreNumberedOneToTen) {
  HitRecord hit = HitRecord::FromPixel(100, 50, 1);
  hit.HitKind = 3;
  EXPECT_EQ(hit.Field(1), 3);
  EXPECT_EQ(hit.Field(2), hit.X);
  EXPECT_EQ(hit.Field(3), hit.Y);
  EXPECT_EQ(hit.Field(5), 1);
  EXPECT_EQ(hit.Field(9), hit.HorzSide);
  EXPECT_EQ(hit.Field(10), hit.VertSide);
  hit.Field(8) = 2;
  EXPECT_EQ(hit.OperandPart, 2);
  EXPECT_THROW(hit.Field(0), std::out_of_range);
  EXPECT_THROW(hit.Field(11), std::out_of_range);
  HitRecord copy = hit;
  EXPECT_EQ(copy, hit);
  copy.Field(4) = 1;
  EXPECT_NE(copy, hit);
}

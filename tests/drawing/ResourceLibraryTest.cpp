// Every picture the editor loads by name exists, at its size, and shows something.

#include "platform/drawing/ResourceLibrary.h"
#include "platform/drawing/ResourceArtwork.h"

#include <gtest/gtest.h>

#include <set>

namespace ldr::test {
namespace {

using namespace ldr::gdi;

constexpr auto kBitmap = ResourceKind::eRK_Bitmap;
constexpr auto kCursor = ResourceKind::eRK_Cursor;

// Not blank: a bitmap has more than its background colour; a cursor or
// icon has opaque pixels and transparent ones.
void ExpectDrawn(const Picture& picture) {
  const Bitmap& image = picture.Image();
  if (picture.Kind() == kBitmap) {
    EXPECT_TRUE(image.HasPixelOtherThan(image.GetPixel(0, 0)) || image.HasPixelOtherThan(RGB(255, 255, 255)))
        << picture.Name();
    std::set<COLORREF> colours;
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < image.Width(); ++x) colours.insert(image.GetPixel(x, y));
    EXPECT_GE(colours.size(), 2u) << picture.Name();
    return;
  }
  image.Flush();
  int opaque = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) opaque += (image.Row(y)[x] >> 24) == 0xFF ? 1 : 0;
  EXPECT_GT(opaque, 20) << picture.Name();
  EXPECT_LT(opaque, image.Width() * image.Height()) << picture.Name();
}

TEST(ResourceLibrary, EveryPictureIsDrawnAndEveryUtilityHasASelectedTwin) {
  std::set<std::pair<std::string, int>> seen;
  for (const ResourceInfo& info : ResourceLibrary::Catalogue()) {
    SCOPED_TRACE(info.Name);
    EXPECT_TRUE(seen.insert({info.Name, static_cast<int>(info.Kind)}).second); // listed once
    Picture picture = ResourceLibrary::Load(info.Name, info.Kind);
    EXPECT_EQ(picture.Kind(), info.Kind);
    ExpectDrawn(picture);
  }
  // A sample of the sizes the painters place by.
  EXPECT_EQ(ResourceLibrary::LoadBitmap("COLLAPSE").Width(), 11);
  EXPECT_EQ(ResourceLibrary::LoadBitmap("INDIRECT_STORE").Height(), 87);
  for (const char* name : {"PID", "ROTATE_SHIFT", "REFRESH_HMI_VARS"}) {
    Bitmap selected = ResourceLibrary::LoadBitmap(std::string(name) + "_SELECTED");
    EXPECT_EQ(selected.Width(), ResourceArtwork::kUtilitySize) << name;
    // The selected twin sits on the grey of the selection band.
    EXPECT_EQ(selected.GetPixel(0, 0), RGB(192, 192, 192)) << name;
  }
}

TEST(ResourceLibrary, AMissingNameOrKindIsAnErrorNamingIt) {
  try {
    ResourceLibrary::LoadBitmap("NO_SUCH_PICTURE");
    FAIL() << "expected an error";
  } catch (const std::out_of_range& e) {
    EXPECT_NE(std::string(e.what()).find("NO_SUCH_PICTURE"), std::string::npos);
  }
  EXPECT_THROW(ResourceLibrary::LoadIcon("ELMNT_CREATE"), std::out_of_range); // a cursor, not an icon
  EXPECT_THROW(ResourceLibrary::LoadBitmap("UP_ARROW"), std::out_of_range);
  EXPECT_TRUE(ResourceLibrary::Contains("ELMNT_CREATE", kCursor));
  EXPECT_FALSE(ResourceLibrary::Contains("ELMNT_CREATE", kBitmap));
}

TEST(ResourceLibrary, EachLoadIsACopyOfItsOwn) {
  Bitmap first = ResourceLibrary::LoadBitmap("COLLAPSE");
  first.Fill(RGB(255, 0, 0));
  Bitmap second = ResourceLibrary::LoadBitmap("COLLAPSE");
  EXPECT_FALSE(second.IsSameAs(first));
  EXPECT_NE(second.GetPixel(5, 5), RGB(255, 0, 0));
}

TEST(ResourceLibrary, JumpSymbolsCarryTheRungOnRowSeven) {
  // Jumps draw their symbol at y = -7 of the rung, so the rung enters at row 7.
  for (const char* name : {"JUMP_TO_LABEL", "JUMP_TO_SUB", "RETURN_FROM_JUMP", "JUMP_TO_PAGE"})
    EXPECT_EQ(ResourceLibrary::LoadBitmap(name).GetPixel(0, 7), RGB(0, 0, 0)) << name;
  // Call, return and page continue it on the right.
  for (const char* name : {"JUMP_TO_SUB", "RETURN_FROM_JUMP", "JUMP_TO_PAGE"})
    EXPECT_EQ(ResourceLibrary::LoadBitmap(name).GetPixel(15, 7), RGB(0, 0, 0)) << name;
}

} // namespace
} // namespace ldr::test

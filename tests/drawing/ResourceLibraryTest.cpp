// Every picture the editor loads by name exists, at its size, and shows something.

#include "platform/drawing/ResourceLibrary.h"
#include "platform/drawing/ResourceArtwork.h"

#include <gtest/gtest.h>

#include <set>

namespace ldr::test {
namespace {

using namespace ldr::gdi;

struct Expected {
  const char* Name;
  enResourceKind Kind;
  int Width;
  int Height;
};

constexpr auto kBitmap = enResourceKind::eRK_Bitmap;
constexpr auto kIcon = enResourceKind::eRK_Icon;
constexpr auto kCursor = enResourceKind::eRK_Cursor;
constexpr int U = ResourceArtwork::kUtilitySize;

// The names the strips, elements and editor state load.
const Expected kUsed[] = {
    {"COLLAPSE", kBitmap, 11, 11},
    {"EXPAND", kBitmap, 11, 11},
    {"NEEDTOCOMPILE_NORMAL", kBitmap, 16, 16},
    {"NEEDTOCOMPILE_SELECTED", kBitmap, 16, 16},
    {"STRIP_RESIZER_NORMAL", kBitmap, 16, 16},
    {"STRIP_RESIZER_SELECTED", kBitmap, 16, 16},
    {"COMMENT_NORMAL", kBitmap, 16, 16},
    {"COMMENT_SELECTED", kBitmap, 16, 16},
    {"JUMP_TO_LABEL", kBitmap, 16, 16},
    {"JUMP_TO_SUB", kBitmap, 16, 16},
    {"RETURN_FROM_JUMP", kBitmap, 16, 16},
    {"JUMP_TO_PAGE", kBitmap, 16, 14},
    {"INDIRECT_STORE", kBitmap, 81, 87},
    {"INDIRECT_STORE_SELECTED", kBitmap, 79, 87},
    {"INDIRECT_LOAD", kBitmap, 83, 36},
    {"INDIRECT_LOAD_SELECTED", kBitmap, 83, 36},
    {"ELMNT_CREATE", kCursor, 32, 32},
    {"ELMNT_COPY", kIcon, 32, 32},
    {"ELMNT_MOVE", kIcon, 32, 32},
    {"UP_ARROW", kIcon, 32, 32},
    {"DOWN_ARROW", kIcon, 32, 32},
};

// The utility-box pictures; each is also loaded with "_SELECTED".
const char* const kUtility[] = {
    "ROTATE_SHIFT",
    "FACTOR",
    "FILL",
    "BIT_MANIPULATION",
    "POWER",
    "SQRT",
    "MIN_MAX",
    "FIND_BIT",
    "VECT_COPY",
    "TEST_BIT",
    "SET_BIT",
    "RESET_BIT",
    "GET_BIT",
    "PUT_BIT",
    "VECT_COMP",
    "OFFSET_VECT_FILL",
    "OFFSET_VECT_COPY",
    "OFFSET_VECT_COMP",
    "SIMPLE_DB_READ",
    "SIMPLE_DB_WRITE",
    "HMI_PAGE_LOADED",
    "NUM_TO_STR",
    "DRAW_PIXEL",
    "DRAW_LINE",
    "FLIP_FLOP_RS",
    "FLIP_FLOP_SR",
    "RTC_TO_STR",
    "VECT_SHIFT",
    "READ_INPUT",
    "WRITE_OUTPUT",
    "READ_HSI",
    "IP2STR",
    "CLEAR_RECT",
    "TIME_TO_STR",
    "NUM_TO_BCD",
    "BCD_TO_NUM",
    "RTC_TO_UTC",
    "WRITE_ANALOG_OUTPUT",
    "STR_TO_NUM",
    "SWAP_BYTES",
    "VECT_SORT",
    "STRING_LENGTH",
    "SET_STORAGE",
    "STR_TO_VEC",
    "TOGGLE_NUM_BIT",
    "TOGGLE_VEC_BIT",
    "COUNT_IN_RANGE",
    "STR_REMOVE",
    "STR_INSERT",
    "STR_LEFT",
    "STR_RIGHT",
    "STR_MID",
    "STR_FIND_IN_STR",
    "TIMER_TO_STR",
    "DRAW_COLOR_LINE",
    "STR_REPLACE",
    "STOP_TREND_TO_SD",
    "LINEARIZATION",
    "PID",
    "VECT_LINEARIZATION",
    "LOAD_LAST_HMI_PAGE",
    "ONLINE_POINT",
    "REFRESH_HMI_VARS",
};

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

TEST(ResourceLibrary, EveryNamedPictureExistsAtItsSize) {
  for (const Expected& e : kUsed) {
    SCOPED_TRACE(e.Name);
    Picture picture = ResourceLibrary::Load(e.Name, e.Kind);
    EXPECT_EQ(picture.Kind(), e.Kind);
    EXPECT_EQ(picture.Width(), e.Width);
    EXPECT_EQ(picture.Height(), e.Height);
    ExpectDrawn(picture);
  }
}

TEST(ResourceLibrary, EveryUtilityPictureHasASelectedTwin) {
  for (const char* name : kUtility) {
    for (std::string variant : {std::string(name), std::string(name) + "_SELECTED"}) {
      SCOPED_TRACE(variant);
      Bitmap bitmap = ResourceLibrary::LoadBitmap(variant);
      EXPECT_EQ(bitmap.Width(), U);
      EXPECT_EQ(bitmap.Height(), U);
      ExpectDrawn(ResourceLibrary::Load(variant, kBitmap));
    }
    // The selected twin sits on the grey of the selection band.
    EXPECT_EQ(ResourceLibrary::LoadBitmap(std::string(name) + "_SELECTED").GetPixel(0, 0), RGB(192, 192, 192)) << name;
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

TEST(ResourceLibrary, CatalogueListsEveryPictureOnce) {
  std::set<std::pair<std::string, int>> seen;
  for (const ResourceInfo& info : ResourceLibrary::Catalogue())
    EXPECT_TRUE(seen.insert({info.Name, static_cast<int>(info.Kind)}).second) << info.Name;
  EXPECT_EQ(seen.size(), std::size(kUsed) + 2 * std::size(kUtility)); // nothing unused
}

} // namespace
} // namespace ldr::test

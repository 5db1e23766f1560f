// What the view shows after scrolling, collapsing and with long texts,
// through `ldr script` renders: a picture reached by steps must be the
// picture a fresh load draws at the same place, labels scroll sideways with
// the nets, label names keep their underscores, and a comment that does not
// fit says so.

#include "apps/ldr/script/ScriptRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A rendered PNG: the left board at x = 0 to 27, the right board after it.
class Picture {
public:
  explicit Picture(const std::string& path) {
    cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
      mWidth = cairo_image_surface_get_width(image);
      mHeight = cairo_image_surface_get_height(image);
      const int stride = cairo_image_surface_get_stride(image);
      const unsigned char* data = cairo_image_surface_get_data(image);
      for (int y = 0; y < mHeight; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        mPixels.insert(mPixels.end(), row, row + mWidth);
      }
    }
    cairo_surface_destroy(image);
  }
  int Width() const { return mWidth; }
  // 0xRRGGBB
  std::uint32_t At(int x, int y) const { return mPixels[static_cast<std::size_t>(y * mWidth + x)] & 0xFFFFFFu; }
  int Dark(int left, int top, int right, int bottom) const {
    int dark = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) {
        const std::uint32_t p = At(x, y);
        if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 100) ++dark;
      }
    return dark;
  }
  // The first pixel where both pictures differ, as "x,y", or empty.
  std::string FirstDifference(const Picture& other) const {
    if (mWidth != other.mWidth || mHeight != other.mHeight) return "size";
    for (int y = 0; y < mHeight; ++y)
      for (int x = 0; x < mWidth; ++x)
        if (At(x, y) != other.At(x, y)) return std::to_string(x) + "," + std::to_string(y);
    return {};
  }

private:
  int mWidth = 0, mHeight = 0;
  std::vector<std::uint32_t> mPixels;
};

constexpr int kRight = 28; // where the right board starts in a render
constexpr std::uint32_t kYellow = 0xFFFFDB;

class ViewGesture : public ::testing::Test {
protected:
  // Runs the lines on the project (created by the first run), subroutine 2
  // loaded; fails the test when the script fails.
  void Run(const std::string& lines) {
    std::ostringstream out, err;
    const std::string start = mCreated ? "open " : "new ";
    mCreated = true;
    std::istringstream in(start + mDir.File("view.ldrp") + "\n" + mInit + "load 2\n" + lines);
    ldr::script::ScriptRunner runner(out, err);
    EXPECT_EQ(runner.Run(in), 0) << err.str();
  }
  Picture Render(const std::string& lines, const std::string& name) {
    Run(lines + "render " + mDir.File(name) + "\n");
    return Picture(mDir.File(name));
  }
  static std::string Sql(const std::string& statement) { return "sql \"" + statement + "\"\n"; }

  ldr::test::TempDir mDir;
  bool mCreated = false;
  // Narrower than the ladder, so that there is something to scroll.
  std::string mInit = "init 500 420\n";
};

} // namespace

TEST_F(ViewGesture, ScrolledAndCollapsedPicturesHoldNoOldPixels) {
  // A board height that is no whole number of rows; a comment with a long
  // text in front of net 1, a contact in net 1.
  mInit = "init 500 565\n";
  Run("tool ID_InsertComment\nclick 168 70\nclick 300 20\n"
      "type \"Open the inlet valve before the pump starts, then wait for the level switch.\"\n"
      "tool ID_LDirectContact\noperand MB 3\nclick 112 84\n");
  const struct {
    std::string Steps, Fresh;
  } cases[] = {
      {"hscroll 4\nhscroll 0\n", ""},
      {"vscroll 9\nvscroll 0\n", ""},
      // Every net collapsed: the return strip comes up into view.
      {Sql("UPDATE LdrStrips SET IsSelected=-1 WHERE StrpType=1") + "load 2\ntool ID_CollapseNets\n", ""},
  };
  int n = 0;
  for (const auto& c : cases) {
    const Picture stepped = Render(c.Steps, "stepped" + std::to_string(n) + ".png");
    const Picture fresh = Render(c.Fresh, "fresh" + std::to_string(n) + ".png");
    ASSERT_GT(stepped.Width(), 0);
    EXPECT_EQ(stepped.FirstDifference(fresh), "") << c.Steps;
    ++n;
  }
}

TEST_F(ViewGesture, LabelsScrollSidewaysAndKeepTheirUnderscores) {
  Run("tool ID_LSetLabel\nclick 168 70\n" + Sql("UPDATE LdrStrips SET LblName='____' WHERE StrpType=3"));
  const Picture left = Render("", "label0.png");
  const Picture scrolled = Render("hscroll 3\n", "label3.png");
  // The name box ends 210 pixels into the edit zone; three columns scrolled
  // move it 42 pixels to the left, like the nets' elements.
  const int boxEnd = kRight + 28 + 210;
  EXPECT_EQ(left.At(boxEnd - 10, 7), kYellow);
  EXPECT_NE(scrolled.At(boxEnd - 10, 7), kYellow);
  EXPECT_EQ(scrolled.At(boxEnd - 42 - 10, 7), kYellow);
  // The underscores are drawn inside the name box.
  EXPECT_GT(left.Dark(kRight + 28 + 2, 1, kRight + 28 + 100, 14), 5);
}

TEST_F(ViewGesture, ACommentLongerThanItsStripShowsThatMoreFollows) {
  // Short lines: nothing of the text comes near the right end of the strip.
  mInit = "init\n";
  const int corner = kRight + 28 + 742;
  const std::string comment = "UPDATE LdrStrips SET Comment=";
  Run("tool ID_InsertComment\nclick 168 70\n" + Sql(comment + "'Fill' || char(10) || 'Stop' WHERE StrpType=2"));
  const Picture fits = Render("", "fits.png");
  EXPECT_EQ(fits.Dark(corner - 16, 1, corner, 42), 0);
  std::string lines = "'Step 1'";
  for (int i = 2; i <= 8; ++i) lines += " || char(10) || 'Step " + std::to_string(i) + "'";
  Run(Sql(comment + lines + " WHERE StrpType=2"));
  const Picture more = Render("", "more.png");
  EXPECT_GT(more.Dark(corner - 16, 1, corner, 42), 10);
}

// The catalogue listing behind the command line.
#include "ElementTestFixture.h"

#include "elements/ElementCatalogueListing.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ldr::test {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(ElementCatalogueListing, OneLinePerMember) {
  std::ostringstream out;
  WriteElementCatalogue(out, nullptr);
  const auto lines = Lines(out.str());
  ASSERT_EQ(lines.size(), 328u);
  EXPECT_EQ(lines.front(), "0|0|");
  EXPECT_EQ(lines[4], "200|200|Direct Contact");
  EXPECT_EQ(lines.back(), "999999|100000|");
  auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
  EXPECT_TRUE(has("900|900|STORE"));
  EXPECT_TRUE(has("1268|1600|Start Saving Trend to SD"));
  EXPECT_TRUE(has("1830|1600|Immediate Read HSO Position"));
  EXPECT_TRUE(has("1266|1200|"));
  EXPECT_TRUE(has("1701|1700|Within Range"));
}

using ElementCatalogueListingWithProject = ElementTestFixture;

TEST_F(ElementCatalogueListingWithProject, AddsTheProjectsFunctionBlockMethods) {
  Db().Execute("INSERT INTO FB_Fathers (FatherID, FatherTitle) VALUES (123400, ?)", {"Modbus"});
  Db().Execute("INSERT INTO FB_Methods (MethodID, MethodTitle) VALUES (123402, ?)", {"Write"});
  Db().Execute("INSERT INTO FB_Methods (MethodID, MethodTitle) VALUES (123401, ?)", {"Read"});
  std::ostringstream out;
  WriteElementCatalogue(out, &Db());
  const auto lines = Lines(out.str());
  ASSERT_EQ(lines.size(), 330u);
  EXPECT_EQ(lines[328], "123401|100000|Modbus Read");
  EXPECT_EQ(lines[329], "123402|100000|Modbus Write");
}

} // namespace
} // namespace ldr::test

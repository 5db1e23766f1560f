#include "apps/ldr/script/ScriptLine.h"

#include <gtest/gtest.h>

using ldr::script::ScriptLine;
using ldr::script::ScriptSyntaxError;
using Words = std::vector<std::string>;

TEST(ScriptLine, SplitsWordsQuotesAndComments) {
  EXPECT_EQ(ScriptLine::Split("  down 1 0   56 70  "), (Words{"down", "1", "0", "56", "70"}));
  EXPECT_EQ(ScriptLine::Split("type \"a \\\"b\\\" c\\\\d\" # trailing"), (Words{"type", "a \"b\" c\\d"}));
  EXPECT_EQ(ScriptLine::Split("sql \"SELECT '#' FROM x\""), (Words{"sql", "SELECT '#' FROM x"}));
  EXPECT_EQ(ScriptLine::Split("dialog \"\""), (Words{"dialog", ""}));
  EXPECT_TRUE(ScriptLine::Split("# only a comment").empty());
  EXPECT_TRUE(ScriptLine::Split("").empty());
}

TEST(ScriptLine, RefusesMalformedQuotes) {
  EXPECT_THROW(ScriptLine::Split("type \"open"), ScriptSyntaxError);
  EXPECT_THROW(ScriptLine::Split("type \"bad \\n escape\""), ScriptSyntaxError);
  EXPECT_THROW(ScriptLine::Split("type ab\"cd\""), ScriptSyntaxError);
  EXPECT_THROW(ScriptLine::Split("type \"ab\"cd"), ScriptSyntaxError);
}

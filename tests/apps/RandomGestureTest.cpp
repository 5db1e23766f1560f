// Seeded random gestures through `ldr script`: after every script the project
// must pass every invariant. The normal suite runs a few scripts;
// scripts/reliability.sh runs thousands (LDR_RELIABILITY_SCRIPTS,
// LDR_RELIABILITY_SEED).
#include "GestureScript.h"
#include "ProjectInvariants.h"
#include "ScriptTestSupport.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>

namespace {

using ldr::test::BrokenInvariants;
using ldr::test::RunScript;

long EnvNumber(const char* name, long fallback) {
  const char* text = std::getenv(name);
  return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

// The first words of a failure: the kind, without the numbers.
std::string FailureKind(const std::string& err) {
  const auto colon = err.find(": ");
  std::string reason = colon == std::string::npos ? err : err.substr(colon + 2);
  return reason.substr(0, std::min<size_t>(reason.find_first_of("0123456789\n"), 60));
}

} // namespace

namespace {

void RunRandomScripts() {
  const long scripts = EnvNumber("LDR_RELIABILITY_SCRIPTS", 6);
  const long gestures = EnvNumber("LDR_RELIABILITY_GESTURES", 20);
  const auto seed = static_cast<std::uint32_t>(EnvNumber("LDR_RELIABILITY_SEED", 20261206));
  ldr::test::TempDir dir;
  const std::string project = dir.File("random.ldrp");
  ASSERT_EQ(RunScript("new " + project + "\n").status, 0);
  ldr::test::GestureScript maker(seed);
  std::map<std::string, int> failures;
  for (long i = 0; i < scripts; ++i) {
    const std::string script = maker.Make(project, static_cast<int>(gestures));
    const auto result = RunScript(script);
    if (result.status != 0) ++failures[FailureKind(result.err)];
    if (std::getenv("LDR_RELIABILITY_VERBOSE") && result.status != 0) std::cout << result.err;
    // A refused gesture is fine; a raw database error never is.
    EXPECT_EQ(result.err.find("constraint"), std::string::npos) << result.err << "\nseed " << seed << " script " << i;
    const auto broken = BrokenInvariants(project);
    std::string text;
    for (const auto& line : broken) text += line + "\n";
    ASSERT_TRUE(broken.empty()) << text << "after script " << i << " of seed " << seed << ":\n" << script << result.err;
  }
  for (const auto& [kind, count] : failures) std::cout << "stopped " << count << "x: " << kind << "\n";
}

} // namespace

TEST(RandomGestures, EveryScriptLeavesASoundProject) { RunRandomScripts(); }

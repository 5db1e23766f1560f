// The members a process kind does not support report error 217, naming the
// class and the member, and change nothing.

#include "editing/ProcessBase.h"
#include "EditingFixture.h"
#include "core/LdrError.h"
#include "support/MockFunction.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class BareProcess : public ProcessBase {
public:
  explicit BareProcess(LdrContext& ctx) : ProcessBase(ctx, "srvBareProcess", eMP_RectSelectProc) {}
};

class ProcessBaseTest : public EditingFixture {};

TEST_F(ProcessBaseTest, UnsupportedMembersReport217WithClassAndMember) {
  BareProcess process(mCtx);
  process.SetCreationAmount(3);
  process.OnScroll(*std::make_shared<KeyedCollection<itfStrip>>());
  process.MouseDown(nullptr);
  ASSERT_EQ(Errors().size(), 3u);
  const auto& first = Errors().front();
  EXPECT_EQ(first.Code(), 217);
  EXPECT_EQ(first.Number, 0x80040000u + 217u);
  EXPECT_EQ(first.Title, "Not supported");
  EXPECT_EQ(first.Description, "Object doesn't support this property or method");
  EXPECT_EQ(first.ClassName, "srvBareProcess");
  EXPECT_EQ(first.Procedure, "itfProcess_CreationAmount");
  EXPECT_EQ(first.Style, 48);
  EXPECT_EQ(Errors()[1].Procedure, "itfProcess_OnScroll");
  EXPECT_EQ(Errors()[2].Procedure, "itfProcess_MouseDown");
}

TEST_F(ProcessBaseTest, WithoutAReporterTheErrorIsThrown) {
  LdrContext bare;
  BareProcess process(bare);
  try {
    process.SetStripType(eST_LdrComment);
    FAIL() << "no error";
  } catch (const LdrError& error) {
    EXPECT_EQ(error.Code(), 217);
    EXPECT_EQ(error.Procedure(), "itfProcess_StripType");
  }
}

} // namespace
} // namespace ldr::test

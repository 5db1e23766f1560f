#include "core/LdrError.h"
#include "tools/PasswordHash.h"
#include "tools/ToolsFixture.h"
#include "tools/frmLadderPassword.h"
#include "tools/srvLadderPassword.h"

namespace ldr::test {
namespace {

class LadderPasswordTest : public ToolsFixture {
protected:
  std::string StoredKey() { return Host().Settings->ProjectSetting(srvLadderPassword::kPasswordKey, ""); }
  void SetPassword(const std::string& password) {
    Answers().QueueDialog(password);
    Answers().QueueDialog(password);
    srvLadderPassword(Host()).SetLadderPassword();
  }
  // A later run of the host: nothing proved yet.
  void Restart() { Host().Globals->SetAuthorizedLadderKey(""); }
};

TEST_F(LadderPasswordTest, TheRuleCountsCharactersFromSixToSixteen) {
  EXPECT_FALSE(frmLadderPassword::CheckPassword("abcde"));
  EXPECT_TRUE(frmLadderPassword::CheckPassword("abcdef"));
  EXPECT_TRUE(frmLadderPassword::CheckPassword(std::string(16, 'x')));
  EXPECT_FALSE(frmLadderPassword::CheckPassword(std::string(17, 'x')));
  EXPECT_TRUE(frmLadderPassword::CheckPassword("\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4")) << "six umlauts";
}

TEST_F(LadderPasswordTest, NewPasswordIsAskedAgainUntilBothEntriesAgreeAndKeepTheRule) {
  for (const char* entry :
       {"secret1", "secret2", "short", "short", "seventeen-chars-x", "seventeen-chars-x", "secret77", "secret77"})
    Answers().QueueDialog(entry);
  srvLadderPassword(Host()).SetLadderPassword();
  EXPECT_TRUE(mLog->Contains("message 291"));
  EXPECT_TRUE(mLog->Contains("message 292"));
  EXPECT_EQ(Answers().PendingDialogs(), 0u);
  // The project keeps a salted hash, never the text.
  const std::string key = StoredKey();
  EXPECT_EQ(key.find("secret77"), std::string::npos);
  EXPECT_TRUE(PasswordHash::Matches(key, "secret77"));
  EXPECT_FALSE(PasswordHash::Matches(key, "secret78"));
  EXPECT_NE(PasswordHash::Hash("secret77"), key) << "a fresh salt every time";
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM ProjectSettings WHERE SettingValue LIKE '%secret77%'"), 0);
}

TEST_F(LadderPasswordTest, CancellingTheNewPasswordStoresNothing) {
  Answers().QueueDialog("secret77");
  Answers().QueueDialogCancel();
  srvLadderPassword password(Host());
  password.SetLadderPassword();
  EXPECT_FALSE(password.IsLadderProtected());
  EXPECT_TRUE(StoredKey().empty());
}

TEST_F(LadderPasswordTest, AuthorisationAsksOnceAndAgainAfterAWrongEntry) {
  srvLadderPassword password(Host());
  EXPECT_TRUE(password.IsUserAuthorized(true)) << "no password, no question";
  SetPassword("secret77");
  EXPECT_TRUE(password.IsUserAuthorized(false)) << "the user who set it has typed it";
  Restart();
  EXPECT_FALSE(password.IsUserAuthorized(false));

  Answers().QueueDialogCancel();
  EXPECT_FALSE(password.IsUserAuthorized(true));
  Answers().QueueDialog("wrong-one");
  EXPECT_FALSE(password.IsUserAuthorized(true));
  EXPECT_TRUE(mLog->Contains("message 290"));
  Answers().QueueDialog("secret77");
  EXPECT_TRUE(password.IsUserAuthorized(true));
  EXPECT_TRUE(password.IsUserAuthorized(true)) << "asked once while the host runs";
  EXPECT_EQ(Answers().PendingDialogs(), 0u);
  EXPECT_EQ(Host().Globals->AuthorizedLadderKey().find("secret77"), std::string::npos);
}

TEST_F(LadderPasswordTest, ProtectionFlagsSpareSubroutineTwoAndGoWithThePassword) {
  srvLadderPassword password(Host());
  const long other = AddFunction(1, "Other");
  password.SetModuleProtected(1, true);
  EXPECT_EQ(Longs("SELECT Protected FROM LdrFunctions ORDER BY FuncID"), (std::vector<long>{1, 0, 1}));
  password.ToggleFunctionProtected(other);
  EXPECT_FALSE(password.IsFuncProtected(other));
  password.ToggleFunctionProtected(2);
  EXPECT_TRUE(password.IsFuncProtected(2));
  EXPECT_THROW(password.ToggleFunctionProtected(999), LdrError);

  SetPassword("secret77");
  Answers().QueueAnswer(eMA_Cancel);
  password.UnsetLadderPassword();
  EXPECT_TRUE(password.IsLadderProtected());
  Answers().QueueAnswer(eMA_OK);
  password.UnsetLadderPassword();
  EXPECT_FALSE(password.IsLadderProtected());
  EXPECT_TRUE(mLog->Contains("action \"Unset Ladder Password\""));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrFunctions WHERE Protected<>0"), 0);
}

} // namespace
} // namespace ldr::test

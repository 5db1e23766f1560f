#include "OutsideFixture.h"

#include "outside/utilities/IniFile.h"
#include "outside/utilities/OutsideSettingKeys.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace ldr;
using ldr::test::OutsideFixture;

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

} // namespace

using SettingsStoreTest = OutsideFixture;

TEST_F(SettingsStoreTest, HostSettingsGiveTheDefaultUntilSetAndSurviveANewStore) {
  auto& settings = *Host().Settings;
  EXPECT_EQ(settings.HostSetting(6000, 6006, "2"), "2");
  EXPECT_EQ(settings.HostSettingLong(6000, 6013, 255), 255);
  EXPECT_FALSE(std::filesystem::exists(mDir.File("config/ldr/settings.ini"))) << "reading must not create the file";

  settings.SetHostSetting(6000, 6006, "5");
  settings.SetHostSetting(7000, 7001, "204");
  settings.SetHostSetting(6000, 6013, "65280");

  FileSettingsStore reopened(mDb, mDir.File("config/ldr/settings.ini"));
  EXPECT_EQ(reopened.HostSetting(6000, 6006, "2"), "5");
  EXPECT_EQ(reopened.HostSettingLong(7000, 7001, 0), 204);
  EXPECT_EQ(reopened.HostSettingLong(6000, 6013, 255), 65280);
  EXPECT_EQ(reopened.HostSetting(6000, 6007, "2"), "2");
  EXPECT_EQ(ReadFile(mDir.File("config/ldr/settings.ini")), "[6000]\n6006=5\n6013=65280\n\n[7000]\n7001=204\n");
}

TEST_F(SettingsStoreTest, HostFileKeepsWhatTheUserWroteAndReadsItLeniently) {
  const std::string path = mDir.File("user.ini");
  {
    std::ofstream out(path);
    out << "; my settings\r\n[ 6000 ]\r\n 6006 = 3 \r\nnot a setting line\n\n[7000]\n7002=205\n";
  }
  FileSettingsStore settings(mDb, path);
  EXPECT_EQ(settings.HostSetting(6000, 6006, "2"), "3");
  EXPECT_EQ(settings.HostSettingLong(7000, 7002, 0), 205);
  settings.SetHostSetting(6000, 6007, "4");
  settings.SetHostSetting(7000, 7002, "0");
  EXPECT_EQ(ReadFile(path), "; my settings\n[ 6000 ]\n 6006 = 3 \nnot a setting line\n6007=4\n\n[7000]\n7002=0\n");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(SettingsStoreTest, HostValuesThatAreNotNumbersReadAsTheDefault) {
  auto& settings = *Host().Settings;
  settings.SetHostSetting(6000, 6006, "two");
  settings.SetHostSetting(6000, 6007, "99999999999");
  settings.SetHostSetting(6000, 6013, "");
  EXPECT_EQ(settings.HostSettingLong(6000, 6006, 2), 2);
  EXPECT_EQ(settings.HostSettingLong(6000, 6007, 2), 2);
  EXPECT_EQ(settings.HostSettingLong(6000, 6013, 255), 255);
  EXPECT_EQ(settings.HostSetting(6000, 6006, "2"), "two");
}

TEST_F(SettingsStoreTest, ALineBreakCannotSmuggleASettingIntoTheFile) {
  auto& settings = *Host().Settings;
  EXPECT_THROW(settings.SetHostSetting(6000, 6006, "1\n[7000]\n7001=204"), std::invalid_argument);
  EXPECT_EQ(settings.HostSettingLong(7000, 7001, 0), 0);
}

namespace {

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
public:
  ScopedEnv(const char* name, const char* value) : mName(name) {
    const char* old = std::getenv(name);
    mHad = old != nullptr;
    if (mHad) mOld = old;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (mHad)
      setenv(mName, mOld.c_str(), 1);
    else
      unsetenv(mName);
  }

private:
  const char* mName;
  bool mHad = false;
  std::string mOld;
};

} // namespace

TEST_F(SettingsStoreTest, DefaultPathFollowsXdgConfigHomeThenHome) {
  ScopedEnv home("HOME", "/home/someone");
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/xdg-test");
    EXPECT_EQ(FileSettingsStore::DefaultHostSettingsPath(), "/tmp/xdg-test/ldr/settings.ini");
  }
  ScopedEnv xdg("XDG_CONFIG_HOME", "");
  EXPECT_EQ(FileSettingsStore::DefaultHostSettingsPath(), "/home/someone/.config/ldr/settings.ini");
}

TEST_F(SettingsStoreTest, ProjectSettingsLiveInTheProjectTable) {
  auto& settings = *Host().Settings;
  EXPECT_EQ(settings.ProjectSetting(21, "none"), "none");
  settings.SetProjectSettingLong(21, 7);
  settings.SetProjectSetting(21, "8"); // an update, not a second row
  EXPECT_EQ(Count("SELECT COUNT(*) FROM ProjectSettings WHERE SettingKey=21"), 1);
  EXPECT_EQ(mDb->QueryValue("SELECT SettingValue FROM ProjectSettings WHERE SettingKey=21").AsText(), "8");
  EXPECT_EQ(settings.ProjectSettingLong(21, 0), 8);

  mDb->Execute("INSERT INTO ProjectSettings VALUES (83, NULL)");
  EXPECT_TRUE(settings.ProjectFlag(83, true)) << "a Null value reads as the default";
  settings.SetProjectSettingLong(83, -1);
  EXPECT_TRUE(settings.ProjectFlag(83, false));
}

TEST_F(SettingsStoreTest, CountersHandOutEachNumberOnce) {
  auto& settings = *Host().Settings;
  EXPECT_EQ(settings.TakeProjectCounter(125, 1), 1);
  EXPECT_EQ(settings.TakeProjectCounter(125, 1), 2);
  EXPECT_EQ(settings.ProjectSettingLong(125, 0), 3);
}

TEST_F(SettingsStoreTest, DownloadUnitsAndExtendedOperandsAreProjectOptions) {
  EXPECT_FALSE(Host().DownloadUnits->IsOn());
  EXPECT_FALSE(Host().Globals->ExtendedOperandsEnabled());
  mHost.DownloadUnits->SetOn(true);
  mHost.Globals->SetExtendedOperandsEnabled(true);
  EXPECT_EQ(Host().Settings->ProjectSetting(eOSK_DownloadUnits, ""), "-1");
  EXPECT_TRUE(Host().DownloadUnits->IsOn());
  EXPECT_TRUE(Host().Globals->ExtendedOperandsEnabled());
  mDb->Execute("UPDATE ProjectSettings SET SettingValue='0' WHERE SettingKey=?",
               {static_cast<long>(eOSK_DownloadUnits)});
  EXPECT_FALSE(Host().DownloadUnits->IsOn()) << "the switch is read at each use";
}

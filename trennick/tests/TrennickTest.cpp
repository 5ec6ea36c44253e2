// Drives Trennick.exe the way the installer does: one switch per run, answers
// through the exit code and the files it leaves. The settings files live in this
// Wine prefix's own user folder and c:\Temp; every test puts back what it found.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include <gtest/gtest.h>

#include "Trennick.h"
#include "testsupport/TestFiles.h"
#include "testsupport/TestProcess.h"

namespace {

const char kTemp[] = "c:\\Temp";
const char kBackupFolder[] = "c:\\Temp\\VMConfig\\";
const char kBackupFile[] = "c:\\Temp\\VMConfig\\Velmoran.cfg";
const char kRefusalText[] =
    "The installation cannot be run from this folder. Please move the installation "
    "program to a folder on your hard drive that you created and is not a system "
    "folder, and run it from there.";
const char kRedistributable[] = "Microsoft Visual C++ 2005 Redistributable";
const char kFixtureKey[] =
    "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\VelmoranTrennickTest";

std::string ShellFolder(int csidl) {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

// Starts a program with the command line as given, so that quoting reaches it the
// way an installer's does, and collects its standard error.
ChildProcessResult RunProcess(const std::string& commandLine) {
  ChildProcessOptions options;
  options.timeoutMs = 30000;
  options.captureErrors = true;
  ChildProcessResult result = RunChildProcess(commandLine, options);
  EXPECT_TRUE(result.started) << commandLine;
  EXPECT_FALSE(result.timedOut) << commandLine;
  return result;
}

ChildProcessResult RunTrennick(const std::string& arguments) {
  std::string line = "\"" + PathBesideThisProgram("Trennick.exe") + "\"";
  if (!arguments.empty()) line += " " + arguments;
  return RunProcess(line);
}

void RunReg(const std::string& arguments) {
  ChildProcessResult result = RunProcess("reg.exe " + arguments);
  ASSERT_EQ(0u, result.exitCode) << "reg.exe " << arguments;
}

void WriteText(const std::string& path, const std::string& text) {
  ASSERT_TRUE(WriteFileBytes(path, text)) << path;
}

std::string ReadText(const std::string& path) {
  return FileIsThere(path) ? ReadFileBytes(path) : "<missing>";
}

// Every run answers a refusal on standard error instead of in a box nobody clicks.
class TrennickTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SetEnvironmentVariableA("VELMORAN_MESSAGEBOX_TO_STDERR", "1"); }

  void SetUp() override {
    userFolder_ = ShellFolder(CSIDL_APPDATA) + "\\Velmoran\\";
    settingsFile_ = userFolder_ + "Velmoran.cfg";
    ASSERT_NE("\\Velmoran\\", userFolder_);
    userFolderExisted_ = FolderIsThere(userFolder_);
    tempExisted_ = FolderIsThere(kTemp);
    settingsExisted_ = PathIsThere(settingsFile_);
    if (settingsExisted_) savedSettings_ = ReadText(settingsFile_);
    RemoveTree(settingsFile_);
    RemoveTree(kBackupFolder);
  }

  void TearDown() override {
    RemoveTree(settingsFile_);
    RemoveTree(kBackupFolder);
    if (settingsExisted_) WriteText(settingsFile_, savedSettings_);
    if (!userFolderExisted_) RemoveDirectoryA(userFolder_.c_str());
    if (!tempExisted_) RemoveDirectoryA(kTemp);
  }

  void MakeUserFolder() {
    ASSERT_TRUE(CreateDirectoryA(userFolder_.c_str(), nullptr) || FolderIsThere(userFolder_));
  }

  std::string userFolder_;
  std::string settingsFile_;

 private:
  bool userFolderExisted_ = false;
  bool tempExisted_ = false;
  bool settingsExisted_ = false;
  std::string savedSettings_;
};

TEST_F(TrennickTest, CheckFolderRefusesSystemAndUserFolders) {
  std::string profile = ShellFolder(CSIDL_PROFILE);
  ASSERT_TRUE(FolderIsThere(profile)) << profile;
  std::string setupFolder = "c:\\Velmoran Setup Files";
  ASSERT_TRUE(CreateDirectoryA(setupFolder.c_str(), nullptr));
  struct Case {
    std::string arguments;
    bool refused;
  };
  const Case cases[] = {
      {"/checkfolder", false},
      {"/checkfolder \"\"", false},
      // A trailing backslash escapes the closing quote: the folder arrives with a quote.
      {"/checkfolder \"" + profile + "\\\"", true},
      {"/checkfolder \"" + profile + "\"", true},
      {"/checkfolder \\\"" + profile + "\\\"", true},
      {"/checkfolder c:\\Windows", false},
      {"/checkfolder \"c:\\Windows\\\"", false},
      {"/checkfolder C:\\WINDOWS\\system32", true},
      {"/checkfolder c:\\windows\\system32\\kernel32.dll", true},
      {"/checkfolder \"c:\\program files\\Common Files\"", true},
      {"/checkfolder \"C:\\Program Files (x86)\\Common Files\"", true},
      {"/checkfolder c:\\ProgramData\\Microsoft", true},
      {"/checkfolder c:\\Windows\\NoSuchVelmoranFolder", false},
      {"/checkfolder \"" + setupFolder + "\"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    ChildProcessResult result = RunTrennick(c.arguments);
    EXPECT_EQ(c.refused ? 1u : 0u, result.exitCode);
    if (c.refused)
      EXPECT_EQ(std::string("Velmoran Setup\r\n") + kRefusalText + "\r\n", result.errors);
    else
      EXPECT_EQ("", result.errors);
  }
  RemoveDirectoryA(setupFolder.c_str());
}

TEST_F(TrennickTest, OtherArgumentsDoNothing) {
  MakeUserFolder();
  WriteText(settingsFile_, "settings");
  const char* const cases[] = {"", "/CHECKFOLDER c:\\Windows\\system32", "/SaveConfig", "/unknown",
                               "checkfolder c:\\Windows\\system32"};
  for (const char* arguments : cases) {
    SCOPED_TRACE(arguments);
    ChildProcessResult result = RunTrennick(arguments);
    EXPECT_EQ(0u, result.exitCode);
    EXPECT_EQ("", result.errors);
    EXPECT_FALSE(PathIsThere(kBackupFolder));
  }
}

TEST_F(TrennickTest, BackupFolderIsUnderTemp) {
  CTrennick trennick;
  CTesselString folder = trennick.GetConfigBackupFolder();
  EXPECT_STREQ("c:\\Temp\\VMConfig\\", folder.GetText());
  EXPECT_TRUE(FolderIsThere(kTemp));
  EXPECT_FALSE(PathIsThere(kBackupFolder));
}

TEST_F(TrennickTest, SaveWithoutSettingsFileMakesEmptyBackupFolder) {
  ChildProcessResult result = RunTrennick("/saveconfig");
  EXPECT_EQ(0u, result.exitCode);
  EXPECT_TRUE(FolderIsThere(kBackupFolder));
  EXPECT_FALSE(PathIsThere(kBackupFile));
}

TEST_F(TrennickTest, SaveAndUninstallReplaceTheBackup) {
  MakeUserFolder();
  for (const char* option : {"/saveconfig", "/uninstall"}) {
    SCOPED_TRACE(option);
    RemoveTree(kBackupFolder);
    CreateDirectoryA(kTemp, nullptr);
    CreateDirectoryA(kBackupFolder, nullptr);
    WriteText(kBackupFile, "an older backup");
    WriteText(settingsFile_, std::string("settings for ") + option);
    ChildProcessResult result = RunTrennick(option);
    EXPECT_EQ(0u, result.exitCode);
    EXPECT_EQ(std::string("settings for ") + option, ReadText(kBackupFile));
    EXPECT_EQ(std::string("settings for ") + option, ReadText(settingsFile_));
  }
}

TEST_F(TrennickTest, RestorePutsBackTheSavedSettings) {
  MakeUserFolder();
  WriteText(settingsFile_, "before the upgrade");
  ASSERT_EQ(0u, RunTrennick("/saveconfig").exitCode);
  ASSERT_EQ("before the upgrade", ReadText(kBackupFile));
  RemoveTree(userFolder_);

  ChildProcessResult result = RunTrennick("/restoreconfig");
  EXPECT_EQ(0u, result.exitCode);
  EXPECT_EQ("before the upgrade", ReadText(settingsFile_));
  EXPECT_FALSE(PathIsThere(kBackupFolder));
  EXPECT_TRUE(FolderIsThere(kTemp));
}

TEST_F(TrennickTest, RestoreThatFailsKeepsTheBackup) {
  MakeUserFolder();
  WriteText(settingsFile_, "the only copy");
  ASSERT_EQ(0u, RunTrennick("/saveconfig").exitCode);
  // A folder in the settings file's place makes the copy back fail.
  DeleteFileA(settingsFile_.c_str());
  ASSERT_TRUE(CreateDirectoryA(settingsFile_.c_str(), nullptr));

  ChildProcessResult result = RunTrennick("/restoreconfig");
  EXPECT_EQ(0u, result.exitCode);
  EXPECT_EQ("the only copy", ReadText(kBackupFile));
}

TEST_F(TrennickTest, RestoreWithoutBackupLeavesSettingsAlone) {
  MakeUserFolder();
  WriteText(settingsFile_, "current settings");
  CreateDirectoryA(kTemp, nullptr);
  CreateDirectoryA(kBackupFolder, nullptr);

  ChildProcessResult result = RunTrennick("/restoreconfig");
  EXPECT_EQ(0u, result.exitCode);
  EXPECT_EQ("current settings", ReadText(settingsFile_));
  EXPECT_FALSE(PathIsThere(kBackupFolder));
}

TEST_F(TrennickTest, PrerequisiteIsFoundInEitherRegistryView) {
  ASSERT_EQ(1u, RunTrennick("/prereqinstalled").exitCode)
      << "this prefix already has the run-time installed";
  struct Case {
    std::string displayName;
    const char* view;
    bool installed;
  };
  const Case cases[] = {
      {kRedistributable, "/reg:64", true},
      {kRedistributable, "/reg:32", true},
      {"microsoft visual c++ 2005 REDISTRIBUTABLE", "/reg:32", true},
      {std::string(kRedistributable) + " (x64)", "/reg:64", false},
      {std::string(kRedistributable) + " (x86)", "/reg:32", false},
      {"Microsoft Visual C++ 2005", "/reg:64", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.displayName + " " + c.view);
    RunReg(std::string("add ") + kFixtureKey + " /v DisplayName /t REG_SZ /d \"" + c.displayName +
           "\" /f " + c.view);
    ChildProcessResult result = RunTrennick("/prereqinstalled");
    RunReg(std::string("delete ") + kFixtureKey + " /f " + c.view);
    EXPECT_EQ(c.installed ? 0u : 1u, result.exitCode);
    EXPECT_EQ("", result.errors);
  }
}

}  // namespace

// The sibling products' tools: found through their registry keys (made here with
// the system's reg.exe, as their installers would leave them) and run as steps.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/SiblingToolPath.h"
#include "engine/StepExecutor.h"
#include "SupportExec.h"

namespace {

const char kKey64[] = "HKLM\\SOFTWARE\\Alderwick";
const char kKey32[] = "HKLM\\SOFTWARE\\WOW6432Node\\Alderwick";

void DeleteRegistrations() {
  RunCommandLine(std::string("reg.exe delete ") + kKey64 + " /f");
  RunCommandLine(std::string("reg.exe delete ") + kKey32 + " /f");
}

bool Register(const char* root, const char* product, const std::string& folder,
              const char* type = "REG_SZ") {
  std::string line = std::string("reg.exe add ") + root + "\\" + product +
                     "\\Settings /v AppPath /t " + type + " /d \"" + folder + "\" /f";
  return RunCommandLine(line) == 0;
}

class SiblingToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteRegistrations();
    m_executor.SetLog(&m_log);
    m_executor.SetOwner(&m_host);
  }
  void TearDown() override { DeleteRegistrations(); }

  // Installs the stand-in as the product's tool in a folder of its own.
  std::string Install(const char* product, const char* toolFile) {
    std::string folder = m_folder.PathOf(product);
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string tool = folder + "\\" + toolFile;
    CopyFileA(StandInPath().c_str(), tool.c_str(), FALSE);
    return folder;
  }

  CTempFolder m_folder;
  CFakeExecLog m_log;
  CFakeRunHost m_host;
  CStepExecutor m_executor;
};

TEST_F(SiblingToolTest, AppPathIsReadFromEitherView) {
  ASSERT_TRUE(Register(kKey64, "Vantrell", "C:\\Tools\\Vantrell"));
  ASSERT_TRUE(Register(kKey32, "Lumeth", "C:\\Tools\\Lumeth"));
  ASSERT_TRUE(Register(kKey64, "Brisant", "C:\\64"));
  ASSERT_TRUE(Register(kKey32, "Brisant", "C:\\32"));
  EXPECT_STREQ("C:\\Tools\\Vantrell", GetSiblingToolPath("Vantrell").GetText());
  EXPECT_STREQ("C:\\Tools\\Lumeth", GetSiblingToolPath("Lumeth").GetText());
  EXPECT_STREQ("C:\\64", GetSiblingToolPath("Brisant").GetText());  // the plain key first
  EXPECT_STREQ("", GetSiblingToolPath("Quorrel").GetText());
  EXPECT_STREQ("", GetSiblingToolPath("").GetText());
}

TEST_F(SiblingToolTest, OnlyNonEmptyStringValuesCount) {
  ASSERT_TRUE(Register(kKey64, "Vantrell", "C:\\Expand", "REG_EXPAND_SZ"));
  ASSERT_TRUE(Register(kKey64, "Lumeth", ""));
  ASSERT_TRUE(Register(kKey32, "Lumeth", "C:\\Fallback"));
  EXPECT_STREQ("", GetSiblingToolPath("Vantrell").GetText());
  EXPECT_STREQ("C:\\Fallback", GetSiblingToolPath("Lumeth").GetText());
}

TEST_F(SiblingToolTest, ToolFilePathNeedsTheFile) {
  std::string folder = Install("Vantrell", kVantrellToolFileName);
  ASSERT_TRUE(Register(kKey64, "Vantrell", folder));
  ASSERT_TRUE(Register(kKey64, "Lumeth", folder));  // registered, but no LMCommandLine.exe
  EXPECT_EQ(folder + "\\VNCommandLine.exe",
            GetSiblingToolFilePath(kVantrellProductKey, kVantrellToolFileName).GetText());
  EXPECT_STREQ("", GetSiblingToolFilePath(kLumethProductKey, kLumethToolFileName).GetText());
}

TEST_F(SiblingToolTest, ToolStepCommandLines) {
  std::string vantrell = Install("Vantrell", kVantrellToolFileName) + "\\VNCommandLine.exe";
  std::string lumeth = Install("Lumeth", kLumethToolFileName) + "\\LMCommandLine.exe";
  std::string brisant = Install("Brisant", kBrisantToolFileName) + "\\Brisant.exe";
  std::string quorrel = Install("Quorrel", kQuorrelToolFileName) + "\\Quorrel.exe";
  ASSERT_TRUE(Register(kKey64, "Vantrell", m_folder.PathOf("Vantrell")));
  ASSERT_TRUE(Register(kKey32, "Lumeth", m_folder.PathOf("Lumeth")));
  ASSERT_TRUE(Register(kKey64, "Brisant", m_folder.PathOf("Brisant")));
  ASSERT_TRUE(Register(kKey64, "Quorrel", m_folder.PathOf("Quorrel")));
  struct Case {
    int type;
    const char* parameters;
    std::string commandLine;
  } cases[] = {
      {StepVantrell, "--echo", "\"" + vantrell + "\" --echo"},
      {StepLumeth, "--echo", "\"" + lumeth + "\" --echo"},
      {StepBrisant, "  run all", "\"" + brisant + "\" -cmd run all"},
      {StepBrisant, "-CMD run", "\"" + brisant + "\" -CMD run"},
      {StepBrisant, "x -cmdline", "\"" + brisant + "\" x -cmdline"},
      {StepQuorrel, "  run  ", "\"" + quorrel + "\" run"},
      {StepQuorrel, "   ", "\"" + quorrel + "\" "},
  };
  for (const Case& c : cases) {
    m_log.Clear();
    CBuildStepDataDefinition step;
    FillStep(&step, c.type, "Tool", "", c.parameters);
    EXPECT_TRUE(m_executor.ExecuteStep(&step)) << c.type << c.parameters;
    std::vector<std::string> output = m_log.Texts(LogOutput);
    ASSERT_FALSE(output.empty()) << c.type << c.parameters;
    EXPECT_EQ("    CMDLINE[" + c.commandLine + "]", output[0]) << c.type << c.parameters;
  }
}

TEST_F(SiblingToolTest, UnregisteredOrEmptyParametersFailTheStep) {
  std::string folder = Install("Vantrell", kVantrellToolFileName);
  ASSERT_TRUE(Register(kKey64, "Vantrell", folder));
  struct Case {
    int type;
    const char* parameters;
  } cases[] = {
      {StepLumeth, "--echo"}, {StepBrisant, "--echo"}, {StepQuorrel, "--echo"}, {StepVantrell, ""}};
  for (const Case& c : cases) {
    CBuildStepDataDefinition step;
    FillStep(&step, c.type, "Tool", "", c.parameters);
    EXPECT_FALSE(m_executor.ExecuteStep(&step)) << c.type;
  }
  EXPECT_TRUE(m_log.Texts(LogOutput).empty());
}

}  // namespace

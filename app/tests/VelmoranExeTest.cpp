// Velmoran.exe as a child: "-execute" and "-load" on the program's own
// command line, the window it leaves open or closes, its log and exit code.
#include <gtest/gtest.h>

#include <string>

#include "SupportRun.h"
#include "SupportVelmoranChild.h"

namespace {

CWinApp theApp("VelmVelmoranExeTest");

class VelmoranExeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_folder.MakeFolder("with blanks"));
    m_standIn = StandInPath();
    ASSERT_TRUE(WriteBuildFile(Path("ok"), {{StepDosCommand, "echo", "", "echo compiled", false},
                                            {StepExecuteProgram, "link", m_standIn.c_str(), "--out linked", false}}));
    ASSERT_TRUE(WriteBuildFile(Path("failing"), {{StepExecuteProgram, "only", m_standIn.c_str(), "--exit 1", false},
                                                 {StepDosCommand, "never", "", "echo never", false}}));
    ASSERT_TRUE(WriteBuildFile(Path("paused"), {{StepExecuteProgram, "p", m_standIn.c_str(), "--exit 1", true}}));
    ASSERT_TRUE(WriteBuildFile(Path("empty"), {}));
    const std::string ok = Path("ok");
    ASSERT_TRUE(WriteBuildFile(Path("nested"), {{StepBuildScript, "inner", "", "", false, ok.c_str()}}));
  }
  std::string Path(const std::string& name) { return m_folder.PathOf("with blanks\\" + name + ".velm"); }

  CTempFolder m_folder;
  std::string m_standIn;
};

TEST_F(VelmoranExeTest, AnUnattendedRunThatSucceedsEndsTheProgramWithZero) {
  const struct {
    const char* key;
    const char* file;
  } cases[] = {
      {"-execute", "ok"}, {"-EXECUTE", "ok"}, {"-execute", "paused"}, {"-execute", "empty"},
      {"-execute", "nested"},  // the inner file runs in a child Velmoran of its own
  };
  for (const auto& c : cases) {
    CVelmoranChild child(std::string(c.key) + " \"" + Path(c.file) + "\"");
    ASSERT_TRUE(child.Started());
    EXPECT_EQ(0u, child.WaitForExit()) << c.key << " " << c.file;
  }
}

TEST_F(VelmoranExeTest, AFailedOrImpossibleRunLeavesTheWindowOpenAndEndsWithOne) {
  const std::string failing = Path("failing");
  const std::string missing = Path("missing");
  const struct {
    std::string arguments;
    std::string title;
    std::string lastLine;
  } cases[] = {
      {"-execute \"" + failing + "\"", "Velmoran (" + failing + ")", "only Failed"},
      // Everything after the key is the path: the words make it a file that is not there.
      {"-execute \"" + Path("ok") + "\" now", "Velmoran", Path("ok") + " now Failed"},
      {"-execute \"" + missing + "\"", "Velmoran", missing + " Failed"},
  };
  for (const auto& c : cases) {
    CVelmoranChild child(c.arguments);
    ASSERT_TRUE(child.Started());
    ASSERT_TRUE(child.WaitForIdle());
    const HWND frame = child.FindFrame();
    ASSERT_NE(nullptr, frame) << c.arguments;
    const std::string log = child.WaitForLastLogLine(frame, c.lastLine);
    EXPECT_EQ(c.lastLine, log.substr(log.rfind('\n') + 1)) << c.arguments;
    EXPECT_EQ(std::string::npos, log.find("never")) << "a failure ends the run";
    char title[MAX_PATH] = "";
    ::GetWindowTextA(frame, title, sizeof(title));
    EXPECT_EQ(c.title, std::string(title));
    EXPECT_TRUE(child.IsRunning()) << c.arguments;
    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(1u, child.WaitForExit()) << c.arguments;
  }
}

TEST_F(VelmoranExeTest, LoadOpensTheFileWithoutRunningIt) {
  const std::string ok = Path("ok");
  CVelmoranChild child("-Load \"" + ok + "\"");
  ASSERT_TRUE(child.Started());
  ASSERT_TRUE(child.WaitForIdle());
  const HWND frame = child.FindFrame();
  ASSERT_NE(nullptr, frame);
  char title[MAX_PATH] = "";
  ::GetWindowTextA(frame, title, sizeof(title));
  EXPECT_EQ("Velmoran (" + ok + ")", std::string(title));
  ::PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(0u, child.WaitForExit());
}

}  // namespace

// The run's texts come from the string table (this program's own, edited), with
// the built-in texts where the table has none or one that cannot be formatted.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/StepExecutor.h"
#include "SupportExec.h"

namespace {

class RunTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_executor.SetLog(&m_log);
    m_executor.SetOwner(&m_host);
    m_host.m_nestedProgram = StandInPath();
    CreateDirectoryA(m_root.PathOf("src").c_str(), nullptr);
    CTempFolder::WriteBytes(m_root.PathOf("src\\a.txt"), "a");
  }

  // Runs a step of each kind that logs a text; returns every entry's text.
  std::vector<std::string> RunAll() {
    m_log.Clear();
    const std::string standIn = StandInPath();
    const std::string src = m_root.PathOf("src"), dst = m_root.PathOf("dst");
    struct Step {
      int type;
      const char* name;
      std::string executable, parameters, source, target, spec;
    } steps[] = {
        {StepExecuteProgram, "Good", standIn, "--exit 0", "", "", ""},
        {StepExecuteProgram, "Bad", standIn, "--exit 1", "", "", ""},
        {StepCopyFiles, "Copy", "", "", src, dst, "*.txt"},
        {StepMoveFiles, "Move", "", "", dst, src + "\\moved", "*.txt"},
        {StepDeleteFiles, "Delete", "", "", src + "\\moved", "", "*.txt"},
        {StepCopyTree, "Tree", "", "", src, dst, "*.txt"},
        {StepBuildScript, "Nested", "", "", "D:\\Other.velm", "", ""},
    };
    for (const Step& s : steps) {
      CBuildStepDataDefinition step;
      FillStep(&step, s.type, s.name, s.executable.c_str(), s.parameters.c_str(), s.source.c_str(),
               s.target.c_str(), s.spec.c_str());
      m_executor.ExecuteStep(&step);
    }
    std::vector<std::string> texts;
    for (const ExecLogEntry& entry : m_log.Entries())
      if (entry.text.compare(0, 4, "    ") != 0 || entry.text.find("CMDLINE") != std::string::npos)
        texts.push_back(entry.text);
    return texts;
  }

  CTempFolder m_root;
  CFakeExecLog m_log;
  CFakeRunHost m_host;
  CStepExecutor m_executor;
};

TEST_F(RunTextsTest, EditedTableTakesEffectWithFallbacks) {
  const std::string nested = "    CMDLINE[\"" + StandInPath() + "\" /run \"D:\\Other.velm\"]";
  std::vector<std::string> expected = {"Now running Good (100%)",
                                       "Good Completed Successfully",  // missing: built in
                                       "Now running Bad (100%)",
                                       "Bad Failed",  // "%d ... %s" cannot take a name
                                       "Now running Copy (100%)",
                                       "1 file(s) copied",
                                       "Copy Completed Successfully",
                                       "Now running Move (100%)",
                                       "Moved 1 files",
                                       "Move Completed Successfully",
                                       "Now running Delete (100%)",
                                       "Deleted files: 1",
                                       "Delete Completed Successfully",
                                       "Now running Tree (100%)",
                                       "Copied 1 files in the tree",
                                       "Tree Completed Successfully",
                                       "Now running Nested (100%)",
                                       nested,
                                       "Nested Completed Successfully"};
  EXPECT_EQ(expected, RunAll());
}

TEST_F(RunTextsTest, ModuleWithoutTheTextsGivesTheBuiltInOnes) {
  // The stand-in tool has no string table at all.
  HMODULE bare = LoadLibraryExA(StandInPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(nullptr, bare);
  m_executor.SetStringModule(bare);
  const std::string nested = "    CMDLINE[\"" + StandInPath() + "\" -execute \"D:\\Other.velm\"]";
  std::vector<std::string> expected = {"Running Good",
                                       "Good Completed Successfully",
                                       "Running Bad",
                                       "Bad Failed",
                                       "Running Copy",
                                       "Copied 1 files",
                                       "Copy Completed Successfully",
                                       "Running Move",
                                       "Moved 1 files",
                                       "Move Completed Successfully",
                                       "Running Delete",
                                       "Deleted 1 files",
                                       "Delete Completed Successfully",
                                       "Running Tree",
                                       "Copied 1 files in the tree",
                                       "Tree Completed Successfully",
                                       "Running Nested",
                                       nested,
                                       "Nested Completed Successfully"};
  EXPECT_EQ(expected, RunAll());
  FreeLibrary(bare);
}

}  // namespace

// The file and folder steps on temporary trees: counts, summaries, outcomes, and
// the paths they must never touch.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/StepExecutor.h"
#include "foundation/FileUtilities.h"
#include "SupportExec.h"

namespace {

bool WideFileIsThere(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WideWriteFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

class FileStepsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_executor.SetLog(&m_log);
    m_executor.SetOwner(&m_host);
    CreateDirectoryA(Src().c_str(), nullptr);
    for (const char* name : {"a.txt", "b.txt", "c.log", "d.bin"}) Put(Src() + "\\" + name, name);
  }

  std::string Src() const { return m_root.PathOf("src"); }
  std::string Dst() const { return m_root.PathOf("dst"); }
  void Put(const std::string& path, const std::string& text) {
    ASSERT_TRUE(CTempFolder::WriteBytes(path, text));
  }
  void MakeFolder(const std::string& path) { ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)); }

  bool Run(int type, const std::string& source, const std::string& target,
           const std::string& spec) {
    CBuildStepDataDefinition step;
    FillStep(&step, type, "Files", "", "", source.c_str(), target.c_str(), spec.c_str());
    return m_executor.ExecuteStep(&step);
  }
  std::vector<std::string> Summaries() { return m_log.Texts(LogOutput); }

  CTempFolder m_root;
  CFakeExecLog m_log;
  CFakeRunHost m_host;
  CStepExecutor m_executor;
};

TEST_F(FileStepsTest, CopyCountsEveryMatchOfEveryPattern) {
  struct Case {
    const char* spec;
    int copied;
    std::vector<const char*> present;
  } cases[] = {{"*.txt *.log", 3, {"a.txt", "b.txt", "c.log"}},
               {"*.txt;*.txt", 4, {"a.txt", "b.txt"}},
               {"a.txt", 1, {"a.txt"}}};
  for (const Case& c : cases) {
    m_log.Clear();
    EXPECT_TRUE(Run(StepCopyFiles, Src(), Dst() + "\\deep\\er", c.spec)) << c.spec;
    std::vector<std::string> expected = {"Copied " + std::to_string(c.copied) + " files"};
    EXPECT_EQ(expected, Summaries()) << c.spec;
    for (const char* name : c.present) EXPECT_TRUE(FileIsThere(Dst() + "\\deep\\er\\" + name));
    EXPECT_FALSE(FileIsThere(Dst() + "\\deep\\er\\d.bin"));
  }
  EXPECT_TRUE(FileIsThere(Src() + "\\a.txt"));
}

TEST_F(FileStepsTest, CopyWithoutMatchOrSourceFailsWithoutSummary) {
  EXPECT_FALSE(Run(StepCopyFiles, Src(), Dst(), "*.none"));
  EXPECT_FALSE(Run(StepCopyFiles, m_root.PathOf("missing"), Dst(), "*.txt"));
  EXPECT_FALSE(Run(StepCopyFiles, Src(), "", "*.txt"));
  EXPECT_TRUE(Summaries().empty());
}

TEST_F(FileStepsTest, CopyOverwritesReadOnlyDestination) {
  MakeFolder(Dst());
  Put(Dst() + "\\a.txt", "old");
  SetFileAttributesA((Dst() + "\\a.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(Run(StepCopyFiles, Src(), Dst(), "a.txt"));
  EXPECT_EQ("a.txt", CTempFolder::ReadBytes(Dst() + "\\a.txt"));
}

TEST_F(FileStepsTest, MoveRemovesSources) {
  EXPECT_TRUE(Run(StepMoveFiles, Src(), Dst(), "*.txt"));
  std::vector<std::string> expected = {"Moved 2 files"};
  EXPECT_EQ(expected, Summaries());
  EXPECT_TRUE(FileIsThere(Dst() + "\\a.txt"));
  EXPECT_FALSE(FileIsThere(Src() + "\\a.txt"));
  EXPECT_FALSE(FileIsThere(Src() + "\\b.txt"));
}

TEST_F(FileStepsTest, MoveWithFailedCopyKeepsThatSourceAndFails) {
  MakeFolder(Dst());
  MakeFolder(Dst() + "\\b.txt");  // a folder where the copy of b.txt would go
  EXPECT_FALSE(Run(StepMoveFiles, Src(), Dst(), "*.txt"));
  std::vector<std::string> expected = {"Moved 1 files"};
  EXPECT_EQ(expected, Summaries());
  EXPECT_FALSE(FileIsThere(Src() + "\\a.txt"));
  EXPECT_TRUE(FileIsThere(Src() + "\\b.txt"));
}

TEST_F(FileStepsTest, MoveWhoseSourceCannotBeRemovedFails) {
  // Open without delete sharing: copied, but not removable while open.
  HANDLE held = CreateFileA((Src() + "\\a.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  bool moved = Run(StepMoveFiles, Src(), Dst(), "a.txt");
  CloseHandle(held);
  EXPECT_TRUE(FileIsThere(Dst() + "\\a.txt"));
  EXPECT_TRUE(FileIsThere(Src() + "\\a.txt"));
  EXPECT_FALSE(moved);
}

TEST_F(FileStepsTest, DeleteFilesCountsAndRemoves) {
  EXPECT_TRUE(Run(StepDeleteFiles, Src(), "", "*.txt,*.log"));
  std::vector<std::string> expected = {"Deleted 3 files"};
  EXPECT_EQ(expected, Summaries());
  EXPECT_FALSE(FileIsThere(Src() + "\\a.txt"));
  EXPECT_FALSE(FileIsThere(Src() + "\\c.log"));
  EXPECT_TRUE(FileIsThere(Src() + "\\d.bin"));
  m_log.Clear();
  EXPECT_FALSE(Run(StepDeleteFiles, Src(), "", "*.txt"));
  EXPECT_TRUE(Summaries().empty());
}

TEST_F(FileStepsTest, EmptyVariableNeverLeadsToTheDriveRoot) {
  // "%OUT%\" with an empty OUT names the root of the current drive.
  m_host.AddVariable("OUT", "");
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  ASSERT_TRUE(SetCurrentDirectoryA(Src().c_str()));
  char root[] = "?:\\";
  root[0] = Src()[0];
  std::string marker = std::string(root) + "velm-eb-root-marker.tmp";
  Put(marker, "keep");
  bool deleted = Run(StepDeleteFiles, "%OUT%\\", "", "velm-eb-root-marker.tmp");
  bool moved = Run(StepMoveFiles, "%OUT%\\", Dst(), "velm-eb-root-marker.tmp");
  bool emptied = Run(StepDeleteFolder, "%OUT%", "", "");
  SetCurrentDirectoryA(current);
  bool markerStayed = FileIsThere(marker);
  DeleteFileA(marker.c_str());
  EXPECT_FALSE(deleted);
  EXPECT_FALSE(moved);
  EXPECT_FALSE(emptied);
  EXPECT_TRUE(markerStayed);
  EXPECT_FALSE(FileIsThere(Dst() + "\\velm-eb-root-marker.tmp"));
}

TEST_F(FileStepsTest, RenameFile) {
  EXPECT_TRUE(Run(StepRenameFile, Src() + "\\a.txt", "", "renamed.txt"));
  EXPECT_TRUE(FileIsThere(Src() + "\\renamed.txt"));
  EXPECT_FALSE(FileIsThere(Src() + "\\a.txt"));
  // Onto an existing name: refused, both files unchanged.
  EXPECT_FALSE(Run(StepRenameFile, Src() + "\\b.txt", "", "renamed.txt"));
  EXPECT_EQ("a.txt", CTempFolder::ReadBytes(Src() + "\\renamed.txt"));
  EXPECT_EQ("b.txt", CTempFolder::ReadBytes(Src() + "\\b.txt"));
  EXPECT_FALSE(Run(StepRenameFile, Src() + "\\missing.txt", "", "x.txt"));
  EXPECT_FALSE(Run(StepRenameFile, Src(), "", "x"));  // a folder is no file
}

TEST_F(FileStepsTest, RenameFolder) {
  MakeFolder(m_root.PathOf("other"));
  EXPECT_FALSE(Run(StepRenameFolder, Src(), "other", ""));
  EXPECT_TRUE(Run(StepRenameFolder, Src() + "\\", "moved", ""));
  EXPECT_TRUE(FileIsThere(m_root.PathOf("moved\\a.txt")));
  EXPECT_FALSE(FolderIsThere(Src()));
  EXPECT_FALSE(Run(StepRenameFolder, Src(), "again", ""));
}

TEST_F(FileStepsTest, CreateFolder) {
  EXPECT_TRUE(Run(StepCreateFolder, "", m_root.PathOf("new\\deeper"), ""));
  EXPECT_TRUE(FolderIsThere(m_root.PathOf("new\\deeper")));
  EXPECT_TRUE(Run(StepCreateFolder, "", Src(), ""));
  EXPECT_FALSE(Run(StepCreateFolder, "", "", ""));
}

TEST_F(FileStepsTest, DeleteFolderNeedsEveryNamedFolderGone) {
  EXPECT_TRUE(Run(StepDeleteFolder, "", m_root.PathOf("never"), ""));
  EXPECT_FALSE(Run(StepDeleteFolder, "", "", ""));
  MakeFolder(Dst());
  Put(Dst() + "\\x.txt", "x");
  MakeFolder(Src() + "\\sub");
  Put(Src() + "\\sub\\locked.txt", "x");
  HANDLE held = CreateFileA((Src() + "\\sub\\locked.txt").c_str(), GENERIC_READ, FILE_SHARE_READ,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  bool deleted = Run(StepDeleteFolder, Src(), Dst(), "");
  CloseHandle(held);
  EXPECT_FALSE(FolderIsThere(Dst()));
  EXPECT_TRUE(FolderIsThere(Src()));
  EXPECT_FALSE(deleted);  // the source stayed
  EXPECT_TRUE(Run(StepDeleteFolder, Src(), "", ""));
  EXPECT_FALSE(FolderIsThere(Src()));
}

TEST_F(FileStepsTest, CopyTreeReproducesFoldersWithMatches) {
  MakeFolder(Src() + "\\a");
  MakeFolder(Src() + "\\a\\b");
  MakeFolder(Src() + "\\empty");
  Put(Src() + "\\a\\b\\x.txt", "x");
  Put(Src() + "\\a\\b\\y.txt", "y");
  EXPECT_TRUE(Run(StepCopyTree, Src(), Dst(), "*.txt"));
  std::vector<std::string> expected = {"Copied 4 files in the tree"};
  EXPECT_EQ(expected, Summaries());
  EXPECT_TRUE(FileIsThere(Dst() + "\\a.txt"));
  EXPECT_TRUE(FileIsThere(Dst() + "\\a\\b\\x.txt"));
  EXPECT_TRUE(FileIsThere(Dst() + "\\a\\b\\y.txt"));
  EXPECT_FALSE(FolderIsThere(Dst() + "\\empty"));
}

TEST_F(FileStepsTest, CopyTreeWithOnlyDeepMatches) {
  MakeFolder(Src() + "\\a");
  MakeFolder(Src() + "\\a\\b");
  Put(Src() + "\\a\\b\\x.cfg", "x");
  EXPECT_TRUE(Run(StepCopyTree, Src(), Dst(), "*.cfg"));
  EXPECT_TRUE(FileIsThere(Dst() + "\\a\\b\\x.cfg"));
  m_log.Clear();
  EXPECT_FALSE(Run(StepCopyTree, Src(), m_root.PathOf("dst2"), "*.none"));
  std::vector<std::string> expected = {"Copied 0 files in the tree"};
  EXPECT_EQ(expected, Summaries());
}

TEST_F(FileStepsTest, CopyTreeWithAFailedFolderFails) {
  MakeFolder(Src() + "\\a");
  MakeFolder(Src() + "\\z");
  Put(Src() + "\\a\\x.txt", "x");
  Put(Src() + "\\z\\y.txt", "y");
  MakeFolder(Dst());
  MakeFolder(Dst() + "\\a");
  MakeFolder(Dst() + "\\a\\x.txt");  // blocks the copy of a\x.txt
  EXPECT_FALSE(Run(StepCopyTree, Src(), Dst(), "*.txt"));
  std::vector<std::string> expected = {"Copied 3 files in the tree"};
  EXPECT_EQ(expected, Summaries());
  EXPECT_TRUE(FileIsThere(Dst() + "\\z\\y.txt"));
}

// Wide texts run as narrow ones do, also where the ANSI code page lacks their
// characters.
TEST_F(FileStepsTest, WideTextsInFileSteps) {
  const std::wstring src = WideFromUtf8(Src()), dst = WideFromUtf8(Dst());
  struct Case {
    std::wstring target;
    bool succeeds;
    const char* ansiFolder;  // the target as the narrow functions name it
  } cases[] = {
      {dst + L"\\Grüße", true,
       "\\Gr\xFC\xDF"
       "e"},
      {dst + L"\\Сборка", true, nullptr},
  };
  for (const Case& c : cases) {
    m_log.Clear();
    CBuildStepDataDefinition step;
    step.m_stepType = StepCopyFiles;
    step.SetStepName("Wide");
    step.m_sourcePath.SetWideText(src.c_str());
    step.m_targetPath.SetWideText(c.target.c_str());
    step.m_fileSpec.SetWideText(L"*.txt");
    EXPECT_EQ(c.succeeds, m_executor.ExecuteStep(&step)) << Utf8FromWide(c.target);
    if (c.succeeds) {
      EXPECT_EQ(std::vector<std::string>{"Copied 2 files"}, Summaries());
      EXPECT_TRUE(WideFileIsThere(c.target + L"\\a.txt"));
      if (c.ansiFolder) EXPECT_TRUE(FileIsThere(Dst() + c.ansiFolder + "\\a.txt"));
    } else {
      EXPECT_TRUE(Summaries().empty());
      EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(c.target.c_str()));
    }
  }
}

// Every file and folder step, in turn, on a folder whose name the ANSI code page
// cannot hold.
TEST_F(FileStepsTest, EveryStepTypeOnACyrillicFolder) {
  const std::wstring root = WideFromAnsi(m_root.GetPath()) + L"\\Сборка";
  const std::wstring source = root + L"\\исходник";
  ASSERT_TRUE(CreateDirectoryW(root.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(source.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW((source + L"\\под").c_str(), nullptr));
  for (const wchar_t* name : {L"\\а.txt", L"\\б.log", L"\\под\\в.txt"})
    ASSERT_TRUE(WideWriteFile(source + name, "x"));
  struct Case {
    int type;
    std::wstring source, target, spec;
    std::wstring changed;  // a path the step makes (or, when `gone`, removes)
    bool gone;
  } cases[] = {
      {StepCreateFolder, L"", root + L"\\новая\\папка", L"", root + L"\\новая\\папка", false},
      {StepCopyFiles, source, root + L"\\копия", L"*.txt", root + L"\\копия\\а.txt", false},
      {StepCopyTree, source, root + L"\\дерево", L"*.txt", root + L"\\дерево\\под\\в.txt", false},
      {StepRenameFile, source + L"\\а.txt", L"", L"я.txt", source + L"\\я.txt", false},
      {StepMoveFiles, source, root + L"\\перенос", L"*.log", source + L"\\б.log", true},
      {StepDeleteFiles, source, L"", L"я.txt", source + L"\\я.txt", true},
      {StepRenameFolder, root + L"\\копия", L"копия2", L"", root + L"\\копия2\\а.txt", false},
      {StepDeleteFolder, root + L"\\копия2", L"", L"", root + L"\\копия2", true},
  };
  for (const Case& c : cases) {
    CBuildStepDataDefinition step;
    step.m_stepType = c.type;
    step.SetStepName("Cyrillic");
    step.m_sourcePath.SetWideText(c.source.c_str());
    step.m_targetPath.SetWideText(c.target.c_str());
    step.m_fileSpec.SetWideText(c.spec.c_str());
    EXPECT_TRUE(m_executor.ExecuteStep(&step)) << c.type;
    EXPECT_EQ(c.gone, GetFileAttributesW(c.changed.c_str()) == INVALID_FILE_ATTRIBUTES) << c.type;
  }
  EXPECT_TRUE(WideFileIsThere(root + L"\\перенос\\б.log"));
  EXPECT_TRUE(DeleteFolderTree(TesselFromWide(root)));  // the test folder's cleanup is narrow
}

// Cancel while a file step runs (here: as it logs its start) does not interrupt
// it; the run stops after it.
struct FileCancel {
  CStepExecutor* executor;
  bool called;
  bool result;
};

void CancelOnCopyStart(void* context, int kind, const std::string& text) {
  FileCancel* cancel = static_cast<FileCancel*>(context);
  if (kind != LogStepStart || text != "Running Copy" || cancel->called) return;
  cancel->called = true;
  cancel->result = cancel->executor->CancelCurrentStep();
}

TEST_F(FileStepsTest, CancelDuringFileStepLetsItFinishThenStopsTheRun) {
  FileCancel cancel = {&m_executor, false, true};
  m_log.m_hook = CancelOnCopyStart;
  m_log.m_hookContext = &cancel;
  CBuildStepDataDefinition copy, create;
  FillStep(&copy, StepCopyFiles, "Copy", "", "", Src().c_str(), Dst().c_str(), "*.txt");
  FillStep(&create, StepCreateFolder, "Create", "", "", "", m_root.PathOf("after").c_str());
  CBuildStepDataDefinition* steps[] = {&copy, &create};
  m_executor.SetRunning(true);
  int ran = 0;
  for (CBuildStepDataDefinition* step : steps) {  // as the application's run drivers do
    ++ran;
    if (!m_executor.ExecuteStep(step) || !m_executor.IsRunning()) break;
  }
  m_log.m_hook = nullptr;
  EXPECT_TRUE(cancel.called);
  EXPECT_FALSE(cancel.result);
  EXPECT_EQ(1, ran);
  EXPECT_TRUE(FileIsThere(Dst() + "\\b.txt"));
  EXPECT_FALSE(FolderIsThere(m_root.PathOf("after")));
  EXPECT_EQ("Copy Completed Successfully", m_log.Entries().back().text);
}

}  // namespace

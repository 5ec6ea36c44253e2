#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>
#include <string.h>

#include <string>
#include <vector>

#include "SafeFileWriter.h"
#include "engine/BuildStepFileManager.h"
#include "foundation/TextConversion.h"
#include "testsupport/TempFolder.h"

namespace {

// --- Build-file bytes, assembled by hand so the tests do not trust the writer.

std::string Int32(int32_t value) { return std::string(reinterpret_cast<char*>(&value), 4); }

std::string Header(int32_t version, int32_t steps, int32_t variables) {
  std::string header("Velmoran Data", 13);
  header += std::string(27, '\0');  // NUL of the magic and the reserved bytes
  return header + Int32(version) + Int32(steps) + Int32(variables);
}

// A narrow packed string with its spare bytes: count, flag, text, NUL, 2 zeros.
std::string Packed(const std::string& text) {
  return Int32((int32_t)text.size()) + '\0' + text + std::string(3, '\0');
}

// A record: size field, the fixed part, the strings, zero padding up to the
// size a writer gives it: `counted` bytes plus (length + 9) per string.
std::string Record(const std::string& fixed, const std::vector<std::string>& texts,
                   int32_t counted) {
  std::string record = fixed;
  int32_t size = counted;
  for (const std::string& text : texts) {
    record += Packed(text);
    size += (int32_t)text.size() + 9;
  }
  record = Int32(size) + record;
  if ((int32_t)record.size() < size) record.resize(size, '\0');
  return record;
}

std::vector<std::string> SevenTexts(const std::string& name) {
  return {name, "", "", "", "", "", ""};
}

// Version 2: type, paused flag, 3 reserved bytes; the size counts 9 + strings.
std::string StepRecord(int32_t type, bool paused, const std::vector<std::string>& texts) {
  return Record(Int32(type) + char(paused ? 1 : 0) + std::string(3, '\0'), texts, 9);
}

std::string StepV1Record(int32_t type, const std::vector<std::string>& texts) {
  return Record(Int32(type), texts, 8);
}

std::string VariableRecord(const std::string& name, const std::string& value) {
  return Record("", {name, value}, 4);
}

std::string Text(CTesselString text) { return text.GetText(); }

// The names in a folder, "." and ".." left out.
std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (strcmp(found.cFileName, ".") && strcmp(found.cFileName, ".."))
      names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

class BuildStepFileManagerTest : public ::testing::Test {
 protected:
  ~BuildStepFileManagerTest() override { manager.Clear(); }

  CBuildStepDataDefinition* AddStep(const char* name, int32_t type = 0, bool paused = false) {
    CBuildStepDataDefinition* step = new CBuildStepDataDefinition;
    step->SetStepName(name);
    step->m_stepType = type;
    step->m_paused = paused;
    manager.GetStepList().AddTail(step);
    return step;
  }

  void AddVariable(const char* name, const char* value) {
    CVariableDefDataDefinition* variable = new CVariableDefDataDefinition;
    variable->SetName(name);
    variable->SetValue(value);
    manager.GetVariableList().AddTail(variable);
  }

  std::string Save(const char* name = "build.velm") {
    std::string path = folder.PathOf(name);
    EXPECT_TRUE(manager.SaveBuildFile(CTesselString(path.c_str())));
    return CTempFolder::ReadBytes(path);
  }

  bool LoadBytes(const std::string& bytes, CBuildStepFileManager* target) {
    std::string path = folder.PathOf("load.velm");
    CTempFolder::WriteBytes(path, bytes);
    return target->LoadBuildFile(CTesselString(path.c_str()));
  }

  std::vector<std::string> StepNames(CBuildStepFileManager& source) {
    std::vector<std::string> names;
    for (int i = 0; i < source.GetStepList().GetCount(); ++i)
      names.push_back(
          Text(static_cast<CBuildStepDataDefinition*>(source.GetStepList().GetAt(i))->m_stepName));
    return names;
  }

  CBuildStepDataDefinition* StepAt(CBuildStepFileManager& source, int index) {
    return static_cast<CBuildStepDataDefinition*>(source.GetStepList().GetAt(index));
  }

  CTempFolder folder;
  CBuildStepFileManager manager;
};

TEST_F(BuildStepFileManagerTest, EmptyBuildIsTheHeaderAlone) {
  std::string bytes = Save();
  EXPECT_EQ(52u, bytes.size());
  EXPECT_EQ(Header(2, 0, 0), bytes);
}

TEST_F(BuildStepFileManagerTest, RecordsHaveTheirExactLayout) {
  AddStep("");
  AddStep("Build", 16, true);
  AddVariable("OUT", "D:\\Temp");
  std::string bytes = Save();
  ASSERT_EQ(52u + 72 + 77 + 32, bytes.size());
  EXPECT_EQ(Header(2, 2, 1), bytes.substr(0, 52));

  std::string empty = bytes.substr(52, 72);
  EXPECT_EQ(Int32(72) + Int32(0) + std::string(4, '\0'), empty.substr(0, 12));
  for (int i = 0; i < 7; ++i)
    EXPECT_EQ(std::string(8, '\0'), empty.substr(12 + 8 * i, 8)) << "string " << i;
  EXPECT_EQ(std::string(4, '\0'), empty.substr(68));

  std::string build = bytes.substr(124, 77);
  EXPECT_EQ(Int32(77) + Int32(16) + '\x01' + std::string(3, '\0'), build.substr(0, 12));
  EXPECT_EQ(Int32(5) + '\0' + std::string("Build", 5) + std::string(3, '\0'), build.substr(12, 13));
  EXPECT_EQ(StepRecord(16, true, SevenTexts("Build")), build);

  EXPECT_EQ(VariableRecord("OUT", "D:\\Temp"), bytes.substr(201));
  EXPECT_EQ(Int32(32), bytes.substr(201, 4));
}

TEST_F(BuildStepFileManagerTest, StepsAndVariablesRoundTrip) {
  CBuildStepDataDefinition* first = AddStep("Compile", 4, true);
  for (int i = 1; i < CBuildStepDataDefinition::TextFieldCount; ++i)
    first->GetTextField(i)->SetText(("text " + std::to_string(i)).c_str());
  AddStep("Copy", 6);
  CBuildStepDataDefinition* wide = AddStep("", 17);
  wide->m_stepName.SetWideText(L"Wide \x20AC name");
  AddVariable("OUT", "D:\\Temp");
  AddVariable("EMPTY", "");
  Save();

  CBuildStepFileManager loaded;
  std::string path = folder.PathOf("build.velm");
  ASSERT_TRUE(loaded.LoadBuildFile(CTesselString(path.c_str())));
  EXPECT_EQ(path, Text(loaded.GetFilePath()));
  ASSERT_EQ(3, loaded.GetStepList().GetCount());
  for (int s = 0; s < 3; ++s) {
    CBuildStepDataDefinition* original = StepAt(manager, s);
    CBuildStepDataDefinition* copy = StepAt(loaded, s);
    EXPECT_EQ(original->m_stepType, copy->m_stepType);
    EXPECT_EQ(original->m_paused, copy->m_paused);
    for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
      EXPECT_TRUE(original->GetTextField(i)->Equals(*copy->GetTextField(i))) << s << "/" << i;
  }
  EXPECT_TRUE(StepAt(loaded, 2)->m_stepName.IsWide());
  EXPECT_EQ(std::wstring(L"Wide \x20AC name"), StepAt(loaded, 2)->m_stepName.GetWideText());

  std::vector<std::string> variables;
  for (CVariableDefDataDefinition* v = loaded.GetFirstVariable(); v; v = loaded.GetNextVariable())
    variables.push_back(Text(v->m_name) + "=" + Text(v->m_value));
  EXPECT_TRUE(loaded.EndVariableIteration());
  EXPECT_EQ((std::vector<std::string>{"OUT=D:\\Temp", "EMPTY="}), variables);
  loaded.Clear();
}

TEST_F(BuildStepFileManagerTest, VariablesWithoutStepsRoundTrip) {
  AddVariable("A", "1");
  std::string bytes = Save();
  EXPECT_EQ(Header(2, 0, 1) + VariableRecord("A", "1"), bytes);
  CBuildStepFileManager loaded;
  ASSERT_TRUE(LoadBytes(bytes, &loaded));
  EXPECT_EQ(0, loaded.GetStepList().GetCount());
  ASSERT_EQ(1, loaded.GetVariableList().GetCount());
  loaded.Clear();
}

TEST_F(BuildStepFileManagerTest, VersionOneFileLoadsUnpaused) {
  std::string bytes = Header(1, 2, 1) + StepV1Record(5, {"Nested", "d", "", "", "x.velm", "", ""}) +
                      StepV1Record(1, SevenTexts("Dir")) + VariableRecord("V", "W");
  ASSERT_TRUE(LoadBytes(bytes, &manager));
  ASSERT_EQ((std::vector<std::string>{"Nested", "Dir"}), StepNames(manager));
  EXPECT_EQ(5, StepAt(manager, 0)->m_stepType);
  EXPECT_EQ("x.velm", Text(StepAt(manager, 0)->m_sourcePath));
  EXPECT_FALSE(StepAt(manager, 0)->m_paused);
  EXPECT_FALSE(StepAt(manager, 1)->m_paused);
  EXPECT_EQ(1, manager.GetVariableList().GetCount());
}

TEST_F(BuildStepFileManagerTest, HeaderClaimingMoreRecordsLoadsWhatIsThere) {
  std::string bytes = Header(2, 5, 1) + StepRecord(0, false, SevenTexts("one")) +
                      StepRecord(0, true, SevenTexts("two"));
  ASSERT_TRUE(LoadBytes(bytes, &manager));
  EXPECT_EQ((std::vector<std::string>{"one", "two"}), StepNames(manager));
  EXPECT_EQ(0, manager.GetVariableList().GetCount());
  EXPECT_TRUE(manager.HasFilePath());
}

TEST_F(BuildStepFileManagerTest, LoadAppendsToWhatIsListed) {
  AddStep("kept");
  std::string bytes = Header(2, 1, 0) + StepRecord(0, false, SevenTexts("added"));
  ASSERT_TRUE(LoadBytes(bytes, &manager));
  EXPECT_EQ((std::vector<std::string>{"kept", "added"}), StepNames(manager));
}

// A file that is not a build file this program can read must not load: an
// unknown version loaded as an empty build would be overwritten by the next save.
TEST_F(BuildStepFileManagerTest, UnreadableFilesFailAndChangeNothing) {
  std::string good = StepRecord(0, false, SevenTexts("lost"));
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"30-byte file", Header(2, 1, 0).substr(0, 30)},
      {"empty file", ""},
      {"wrong magic", "Velmoran Dat!" + Header(2, 1, 0).substr(13) + good},
      {"version 3", Header(3, 1, 0) + good},
      {"version 0", Header(0, 1, 0) + good},
      {"version -1", Header(-1, 1, 0) + good},
  };
  for (const Case& c : cases) {
    CBuildStepFileManager target;
    CBuildStepDataDefinition* existing = new CBuildStepDataDefinition;
    target.GetStepList().AddTail(existing);
    EXPECT_FALSE(LoadBytes(c.bytes, &target)) << c.what;
    EXPECT_FALSE(target.HasFilePath()) << c.what;
    EXPECT_EQ(1, target.GetStepList().GetCount()) << c.what;
    target.Clear();
  }
  EXPECT_FALSE(manager.LoadBuildFile(CTesselString(folder.PathOf("missing.velm").c_str())));
}

// A damaged record is skipped; the records around it load as usual.
TEST_F(BuildStepFileManagerTest, DamagedRecordsAreSkipped) {
  std::string fixed = Int32(0) + '\0' + std::string(3, '\0');
  std::string runsPast = StepRecord(0, false, SevenTexts("runs past"));
  runsPast.replace(12, 4, Int32(200));  // the first string claims more than the record holds
  std::string noTerminator = StepRecord(0, false, SevenTexts("abc"));
  noTerminator[12 + 5 + 3] = 'X';  // NUL of "abc" overwritten; the spare bytes are zero
  noTerminator[12 + 5 + 4] = 'Y';
  noTerminator[12 + 5 + 5] = 'Z';
  std::string badWidth = StepRecord(0, false, SevenTexts("w"));
  badWidth[12 + 4] = 7;
  std::string lastRunsPast = StepRecord(0, false, SevenTexts("x"));
  lastRunsPast.replace(12 + 9 + 5 * 8, 4, Int32(20));  // the seventh string grows
  struct Case {
    const char* what;
    std::string record;
  } cases[] = {
      {"string past the record", runsPast},
      {"negative count", Int32(28) + fixed + Int32(-1) + std::string(12, '\0')},
      {"most negative count", Int32(28) + fixed + Int32(INT32_MIN) + std::string(12, '\0')},
      {"absurd count", Int32(28) + fixed + Int32(0x7FFFFFFF) + std::string(12, '\0')},
      {"no terminator", noTerminator},
      {"unknown width", badWidth},
      {"last string past the record", lastRunsPast},
      {"record shorter than its header", Int32(7) + std::string(3, '\x01')},
      {"size field only", Int32(4)},
      {"size 0", Int32(0)},
      {"negative size", Int32(-20)},
      {"strings missing", Int32(12) + fixed},
  };
  for (const Case& c : cases) {
    CBuildStepFileManager target;
    std::string bytes = Header(2, 3, 1) + StepRecord(0, false, SevenTexts("before")) + c.record +
                        StepRecord(0, false, SevenTexts("after")) + VariableRecord("V", "1");
    EXPECT_TRUE(LoadBytes(bytes, &target)) << c.what;
    EXPECT_EQ((std::vector<std::string>{"before", "after"}), StepNames(target)) << c.what;
    EXPECT_EQ(1, target.GetVariableList().GetCount()) << c.what;
    target.Clear();
  }
}

TEST_F(BuildStepFileManagerTest, DamagedVariableRecordsAreSkipped) {
  std::string bad = VariableRecord("NAME", "value");
  bad.replace(4, 4, Int32(-3));
  std::string bytes = Header(2, 0, 3) + VariableRecord("A", "1") + bad + VariableRecord("B", "2");
  ASSERT_TRUE(LoadBytes(bytes, &manager));
  std::vector<std::string> names;
  for (CVariableDefDataDefinition* v = manager.GetFirstVariable(); v; v = manager.GetNextVariable())
    names.push_back(Text(v->m_name));
  manager.EndVariableIteration();
  EXPECT_EQ((std::vector<std::string>{"A", "B"}), names);
}

// A record size beyond the end of the file cannot be read; what precedes it loads.
TEST_F(BuildStepFileManagerTest, RecordLargerThanTheFileEndsTheLoad) {
  for (int32_t size : {0x7FFFFFFF, 1000}) {
    CBuildStepFileManager target;
    std::string bytes = Header(2, 3, 1) + StepRecord(0, false, SevenTexts("first")) + Int32(size) +
                        StepRecord(0, false, SevenTexts("swallowed")) + VariableRecord("V", "1");
    EXPECT_TRUE(LoadBytes(bytes, &target)) << size;
    EXPECT_EQ((std::vector<std::string>{"first"}), StepNames(target)) << size;
    EXPECT_EQ(0, target.GetVariableList().GetCount()) << size;
    target.Clear();
  }
}

TEST_F(BuildStepFileManagerTest, SaveReplacesTheOldFileAndLeavesNothingElse) {
  AddStep("first");
  Save();
  AddStep("second");
  std::string bytes = Save();
  EXPECT_EQ(Header(2, 2, 0), bytes.substr(0, 52));
  EXPECT_EQ((std::vector<std::string>{"build.velm"}), folder.ListNames());
  EXPECT_EQ(folder.PathOf("build.velm"), Text(manager.GetFilePath()));
}

TEST_F(BuildStepFileManagerTest, SaveOverAReadOnlyHiddenFile) {
  std::string path = folder.PathOf("build.velm");
  CTempFolder::WriteBytes(path, "old");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  AddStep("new");
  std::string bytes = Save();
  EXPECT_EQ(Header(2, 1, 0), bytes.substr(0, 52));
  EXPECT_EQ((std::vector<std::string>{"build.velm"}), folder.ListNames());
}

TEST_F(BuildStepFileManagerTest, SaveCreatesMissingFolders) {
  AddStep("deep");
  std::string bytes = Save("a\\b\\build.velm");
  EXPECT_EQ(Header(2, 1, 0), bytes.substr(0, 52));
}

// The old file stays whole when the new one cannot be put in its place.
TEST_F(BuildStepFileManagerTest, FailedSaveKeepsTheOldFile) {
  std::string path = folder.PathOf("build.velm");
  AddStep("old");
  std::string old = Save();
  AddStep("new");
  HANDLE locked = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, locked);
  EXPECT_FALSE(manager.SaveBuildFile(CTesselString(path.c_str())));
  CloseHandle(locked);
  EXPECT_EQ(old, CTempFolder::ReadBytes(path));
  EXPECT_EQ((std::vector<std::string>{"build.velm"}), folder.ListNames());
}

TEST_F(BuildStepFileManagerTest, FailedSaveAsKeepsTheCurrentPath) {
  std::string path = folder.PathOf("build.velm");
  Save();
  std::string blocker = folder.PathOf("file");
  CTempFolder::WriteBytes(blocker, "x");
  EXPECT_FALSE(manager.SaveBuildFile(CTesselString((blocker + "\\sub\\other.velm").c_str())));
  EXPECT_EQ(path, Text(manager.GetFilePath()));
  EXPECT_FALSE(manager.SaveBuildFile(CTesselString("")));
}

// A folder too deep for a temporary name within the narrow functions' limit
// still takes the build file wherever the file could be written directly.
TEST_F(BuildStepFileManagerTest, SaveInAFolderTooDeepForATemporaryName) {
  std::string deep = folder.GetPath();
  while (deep.size() + 31 <= 248) deep += "\\" + std::string(30, 'd');
  deep += "\\" + std::string(250 - deep.size() - 1, 'e');
  const std::string path = deep + "\\b.velm";
  ASSERT_LT(path.size(), (size_t)MAX_PATH);
  ASSERT_GT(deep.size(), (size_t)MAX_PATH - 14);
  AddStep("deep");
  EXPECT_TRUE(manager.SaveBuildFile(CTesselString(path.c_str())));
  EXPECT_EQ(Header(2, 1, 0), CTempFolder::ReadBytes(path).substr(0, 52));
  EXPECT_EQ((std::vector<std::string>{"b.velm"}), NamesIn(deep));
}

// A save that fails leaves the disk as it was: the folders it made go again.
TEST_F(BuildStepFileManagerTest, FailedSaveLeavesNoFolderItMade) {
  AddStep("x");
  const char* names[] = {"made\\deeper\\bad|name.velm", "made\\deeper\\"};
  for (const char* name : names) {
    EXPECT_FALSE(manager.SaveBuildFile(CTesselString(folder.PathOf(name).c_str()))) << name;
    EXPECT_TRUE(folder.ListNames().empty()) << name;
  }
  EXPECT_FALSE(manager.HasFilePath());
}

// A build file saved where the ANSI code page cannot name the path loads again.
TEST_F(BuildStepFileManagerTest, SaveAndLoadUnderACyrillicPath) {
  const std::wstring folderPath = WideFromAnsi(folder.GetPath()) + L"\\Сборка";
  const CTesselString path = TesselFromWide(folderPath + L"\\сборка.velm");
  AddStep("first");
  ASSERT_TRUE(manager.SaveBuildFile(path));
  CBuildStepFileManager loaded;
  EXPECT_TRUE(loaded.LoadBuildFile(path));
  EXPECT_EQ((std::vector<std::string>{"first"}), StepNames(loaded));
  EXPECT_EQ(Utf8FromWide(folderPath + L"\\сборка.velm"), Utf8FromTessel(loaded.GetFilePath()));
  loaded.Clear();
  DeleteFileW((folderPath + L"\\сборка.velm").c_str());
  RemoveDirectoryW(folderPath.c_str());
}

// The access list of a file in SDDL form; empty when it cannot be read.
std::string AccessList(const std::string& path) {
  std::vector<char> descriptor(4096);
  DWORD needed = 0;
  if (!GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(),
                        (DWORD)descriptor.size(), &needed))
    return std::string();
  char* text = nullptr;
  if (!ConvertSecurityDescriptorToStringSecurityDescriptorA(
          descriptor.data(), SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr))
    return std::string();
  std::string result = text;
  LocalFree(text);
  return result;
}

TEST_F(BuildStepFileManagerTest, SaveKeepsTheAccessListOfTheOldFile) {
  std::string path = folder.PathOf("build.velm");
  AddStep("old");
  Save();
  PSECURITY_DESCRIPTOR everyone = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
      "D:P(A;;FA;;;SY)(A;;FA;;;BA)(A;;FA;;;WD)", SDDL_REVISION_1, &everyone, nullptr));
  ASSERT_TRUE(SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, everyone));
  LocalFree(everyone);
  const std::string before = AccessList(path);
  ASSERT_FALSE(before.empty());
  AddStep("new");
  EXPECT_EQ(Header(2, 2, 0), Save().substr(0, 52));
  EXPECT_EQ(before, AccessList(path));
}

// engine_LinkFixture (run by CTest first) makes link-fixture\build.velm beside
// this program, a symbolic link to link-fixture\real\build.velm.
TEST_F(BuildStepFileManagerTest, SaveThroughASymbolicLinkKeepsTheLink) {
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string fixture = module;
  fixture.erase(fixture.rfind('\\')) += "\\link-fixture";
  const std::string link = fixture + "\\build.velm", real = fixture + "\\real\\build.velm";
  ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(link.c_str()))
      << "no " << link << ": run the test through CTest";
  AddStep("linked");
  EXPECT_TRUE(manager.SaveBuildFile(CTesselString(link.c_str())));
  EXPECT_EQ(Header(2, 1, 0), CTempFolder::ReadBytes(real).substr(0, 52));
  HANDLE opened = CreateFileA(link.c_str(), 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, opened);
  wchar_t final[MAX_PATH * 2] = {};
  DWORD length = GetFinalPathNameByHandleW(opened, final, MAX_PATH * 2, 0);
  CloseHandle(opened);
  ASSERT_GT(length, 0u);
  EXPECT_EQ(0, _wcsicmp(final + length - wcslen(L"\\real\\build.velm"), L"\\real\\build.velm"))
      << Utf8FromWide(final);
  EXPECT_EQ(std::vector<std::string>{"build.velm"}, NamesIn(fixture + "\\real"));
  EXPECT_EQ(link, Text(manager.GetFilePath()));
}

HANDLE NoTemporaryFile(const std::wstring&, std::wstring*) {
  SetLastError(ERROR_ACCESS_DENIED);
  return INVALID_HANDLE_VALUE;
}

// A folder where the user may write the file but create none: the file itself
// is written, read-only or not; a file that is not there cannot be made.
TEST_F(BuildStepFileManagerTest, WithoutATemporaryFileTheFileIsWrittenDirectly) {
  const std::string path = folder.PathOf("build.velm");
  CTempFolder::WriteBytes(path, "old contents");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(WriteFileSafely(CTesselString(path.c_str()), "new", 3, NoTemporaryFile));
  EXPECT_EQ("new", CTempFolder::ReadBytes(path));
  EXPECT_EQ(std::vector<std::string>{"build.velm"}, folder.ListNames());
  const std::string missing = folder.PathOf("sub\\missing.velm");
  EXPECT_FALSE(WriteFileSafely(CTesselString(missing.c_str()), "new", 3, NoTemporaryFile));
  EXPECT_EQ(std::vector<std::string>{"build.velm"}, folder.ListNames());
}

// Records are deleted by Clear and Close, each once; the destructor deletes
// none, since the application's step display may have deleted them already.
class CCountedStep : public CBuildStepDataDefinition {
 public:
  explicit CCountedStep(int* deletions) : m_deletions(deletions) {}
  ~CCountedStep() override { ++*m_deletions; }

 private:
  int* m_deletions;
};

class CCountedVariable : public CVariableDefDataDefinition {
 public:
  explicit CCountedVariable(int* deletions) : m_deletions(deletions) {}
  ~CCountedVariable() override { ++*m_deletions; }

 private:
  int* m_deletions;
};

TEST_F(BuildStepFileManagerTest, NoRecordIsDeletedTwice) {
  int deletions = 0;
  CCountedStep* step = new CCountedStep(&deletions);
  CCountedVariable* variable = new CCountedVariable(&deletions);
  {
    CBuildStepFileManager displayed;
    displayed.GetStepList().AddTail(step);
    displayed.GetVariableList().AddTail(variable);
    // The owner deletes what it owns, as the step display does, and the
    // manager goes without a Clear.
    delete step;
    delete variable;
  }
  EXPECT_EQ(2, deletions);
  CBuildStepFileManager cleared;
  cleared.GetStepList().AddTail(new CCountedStep(&deletions));
  cleared.GetVariableList().AddTail(new CCountedVariable(&deletions));
  EXPECT_TRUE(cleared.Clear());
  EXPECT_EQ(4, deletions);
  cleared.Close();
  EXPECT_EQ(4, deletions);
}

TEST_F(BuildStepFileManagerTest, ClearingAndDeleting) {
  EXPECT_FALSE(manager.DeleteAllSteps());
  EXPECT_FALSE(manager.DeleteAllVariables());
  AddStep("a");
  AddVariable("v", "1");
  Save();
  EXPECT_TRUE(manager.HasFilePath());
  EXPECT_TRUE(manager.DeleteAllSteps());
  EXPECT_EQ(0, manager.GetStepList().GetCount());
  EXPECT_EQ(1, manager.GetVariableList().GetCount());
  EXPECT_TRUE(manager.Clear());
  EXPECT_EQ(0, manager.GetVariableList().GetCount());
  EXPECT_FALSE(manager.HasFilePath());
  AddStep("b");
  manager.Close();
  EXPECT_EQ(0, manager.GetStepList().GetCount());
  EXPECT_EQ(nullptr, manager.GetFirstVariable());
  EXPECT_TRUE(manager.EndVariableIteration());
}

}  // namespace

#include "foundation/FileUtilities.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "foundation/TesselList.h"
#include "testsupport/TempFolder.h"
#include "testsupport/TestProcess.h"
#include "testsupport/TestText.h"

namespace {

// Owns the string copies that the functions under test add.
class StringList {
 public:
  ~StringList() { m_list.DeleteAll(); }
  CTesselList* Get() { return &m_list; }
  std::vector<std::string> Items() {
    std::vector<std::string> items;
    for (int i = 0; i < m_list.GetCount(); ++i)
      items.push_back(static_cast<CTesselString*>(m_list.GetAt(i))->GetText());
    return items;
  }

 private:
  CTesselList m_list;
};

std::vector<std::string> Sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

struct PathCase {
  const char* path;
  const char* fileName;
  const char* folder;
};

const PathCase kPathCases[] = {
    {"D:\\a\\b.txt", "b.txt", "D:\\a\\"},
    {"D:\\a\\b\\", "b", "D:\\a\\"},
    {"D:\\a\\b", "b", "D:\\a\\"},
    {"D:\\x.txt", "x.txt", "D:\\"},
    {"x.txt", "x.txt", ""},
    {"", "", ""},
};

TEST(FileUtilitiesTest, SplitsPaths) {
  for (const PathCase& c : kPathCases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(c.fileName, TextOf(GetFileNameFromPath(TesselOf(c.path))));
    EXPECT_EQ(c.folder, TextOf(GetFolderFromPath(TesselOf(c.path))));
  }
}

TEST(FileUtilitiesTest, CombinesFolderAndName) {
  EXPECT_EQ("D:\\a\\x.txt", TextOf(CombinePath(TesselOf("D:\\a"), TesselOf("x.txt"))));
  EXPECT_EQ("D:\\a\\x.txt", TextOf(CombinePath(TesselOf("D:\\a\\"), TesselOf("x.txt"))));
  EXPECT_EQ("D:\\x.txt", TextOf(CombinePath(TesselOf("D:"), TesselOf("x.txt"))));
}

TEST(FileUtilitiesTest, TellsFilesFromFoldersAndSystemFiles) {
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFile("file.txt"));
  ASSERT_TRUE(folder.MakeFile("system.txt", "x", FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(folder.MakeFolder("sub"));
  EXPECT_TRUE(FileExists(TesselOf(folder.PathOf("file.txt"))));
  EXPECT_TRUE(PathExists(TesselOf(folder.PathOf("file.txt"))));
  EXPECT_FALSE(FileExists(TesselOf(folder.PathOf("sub"))));
  EXPECT_TRUE(PathExists(TesselOf(folder.PathOf("sub"))));
  EXPECT_FALSE(FileExists(TesselOf(folder.PathOf("missing"))));
  EXPECT_FALSE(PathExists(TesselOf(folder.PathOf("missing"))));
  EXPECT_FALSE(FileExists(TesselOf("")));
  EXPECT_FALSE(PathExists(TesselOf("")));

  EXPECT_FALSE(IsSystemFile(TesselOf(folder.PathOf("file.txt"))));
  EXPECT_TRUE(IsSystemFile(TesselOf(folder.PathOf("system.txt"))));
  EXPECT_TRUE(IsSystemFile(TesselOf(folder.PathOf("missing"))));
}

TEST(FileUtilitiesTest, MakeFileWritableLeavesOnlyTheArchiveAttribute) {
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFile(
      "locked.txt", "x", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_TRUE(MakeFileWritable(TesselOf(folder.PathOf("locked.txt"))));
  EXPECT_EQ((DWORD)FILE_ATTRIBUTE_ARCHIVE, GetFileAttributesA(folder.PathOf("locked.txt").c_str()));
  EXPECT_FALSE(MakeFileWritable(TesselOf("")));
  EXPECT_FALSE(MakeFileWritable(TesselOf(folder.PathOf("missing.txt"))));
}

TEST(FileUtilitiesTest, CreateFolderPathMakesEveryMissingLevel) {
  CTempFolder folder;
  EXPECT_FALSE(CreateFolderPath(TesselOf(folder.GetPath())));  // exists already
  EXPECT_TRUE(CreateFolderPath(TesselOf(folder.PathOf("new\\deeper"))));
  EXPECT_TRUE(folder.Exists("new\\deeper"));
  EXPECT_TRUE(CreateFolderPath(TesselOf(folder.PathOf("new\\other\\"))));
  EXPECT_TRUE(folder.Exists("new\\other"));
  EXPECT_FALSE(CreateFolderPath(TesselOf(folder.PathOf(std::string(MAX_PATH, 'x')))));
}

TEST(FileUtilitiesTest, PopListTokenTakesOnePatternAtATime) {
  const struct {
    const char* list;
    std::vector<std::string> patterns;
  } cases[] = {
      {",;*.txt", {"*.txt"}},
      {"*.txt, *.log", {"*.txt", "*.log"}},
      {"*.txt;*.log,*.ini", {"*.txt", "*.log", "*.ini"}},
      {"a.txt;b.txt c.txt", {"a.txt", "b.txt", "c.txt"}},
      {"  *.h  ", {"*.h"}},
      {" ;, ", {}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list);
    CTesselString list(c.list);
    std::vector<std::string> patterns;
    for (std::string item = TextOf(PopListToken(&list)); !item.empty();
         item = TextOf(PopListToken(&list)))
      patterns.push_back(item);
    EXPECT_EQ(c.patterns, patterns);
    EXPECT_EQ(0, list.GetLength());
  }
  EXPECT_EQ(0, PopListToken(nullptr).GetLength());
}

class FileTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_folder.MakeFile("a.txt"));
    ASSERT_TRUE(m_folder.MakeFile("b.txt"));
    ASSERT_TRUE(m_folder.MakeFile("c.log"));
    ASSERT_TRUE(m_folder.MakeFile("d.ini"));
    ASSERT_TRUE(m_folder.MakeFolder("dir.txt"));  // a folder is never a match
  }
  CTesselString Root() const { return TesselOf(m_folder.GetPath()); }
  CTempFolder m_folder;
};

TEST_F(FileTreeTest, FindFilesMatchingWithSeveralPatterns) {
  const struct {
    const char* patterns;
    std::vector<std::string> names;
  } cases[] = {
      {",;*.txt", {"a.txt", "b.txt"}},
      {"*.txt, *.log", {"a.txt", "b.txt", "c.log"}},
      {"a.txt;*.txt", {"a.txt", "a.txt", "b.txt"}},  // two matches, two entries
      {"*.none", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.patterns);
    StringList names;
    EXPECT_EQ(!c.names.empty(), FindFilesMatching(Root(), TesselOf(c.patterns), names.Get(), true));
    EXPECT_EQ(c.names, Sorted(names.Items()));
  }
}

TEST_F(FileTreeTest, FindFilesMatchingGivesFullPathsPatternAfterPattern) {
  StringList paths;
  ASSERT_TRUE(FindFilesMatching(TesselOf(m_folder.GetPath() + "\\"), TesselOf("*.log *.ini"),
                                paths.Get(), false));
  const std::vector<std::string> expected = {m_folder.PathOf("c.log"), m_folder.PathOf("d.ini")};
  EXPECT_EQ(expected, paths.Items());
}

TEST_F(FileTreeTest, ListsRefuseAListOfOtherItems) {
  CTesselList numbers;
  numbers.SetElementTypeInt32();
  EXPECT_FALSE(FindFilesMatching(Root(), TesselOf("*.txt"), &numbers, true));
  EXPECT_FALSE(ListSubfolders(Root(), &numbers));
  EXPECT_EQ(0, numbers.GetCount());
  EXPECT_FALSE(FindFilesMatching(Root(), TesselOf("*.txt"), nullptr, true));
}

TEST(FileUtilitiesTest, ListsSubfoldersWithoutSystemFolders) {
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFolder("one"));
  ASSERT_TRUE(folder.MakeFolder("two"));
  ASSERT_TRUE(folder.MakeFolder("hidden"));
  SetFileAttributesA(folder.PathOf("hidden").c_str(), FILE_ATTRIBUTE_SYSTEM);
  ASSERT_TRUE(folder.MakeFile("file.txt"));
  StringList list;
  EXPECT_TRUE(ListSubfolders(TesselOf(folder.GetPath()), list.Get()));
  EXPECT_EQ(Sorted({folder.PathOf("one"), folder.PathOf("two")}), Sorted(list.Items()));

  StringList none;
  EXPECT_FALSE(ListSubfolders(TesselOf(folder.PathOf("one")), none.Get()));
}

TEST(FileUtilitiesTest, ListsSubfoldersDepthFirst) {
  CTempFolder folder;
  for (const char* sub : {"a", "a\\c", "a\\c\\d", "b", "b\\e"}) ASSERT_TRUE(folder.MakeFolder(sub));
  StringList list;
  ASSERT_TRUE(ListSubfoldersRecursive(TesselOf(folder.GetPath()), list.Get()));
  const std::vector<std::string> items = list.Items();
  ASSERT_EQ(5u, items.size());
  // Siblings come in the order the system lists them; below each folder,
  // all of its own subfolders follow before the next sibling.
  const size_t a = std::find(items.begin(), items.end(), folder.PathOf("a")) - items.begin();
  const size_t b = std::find(items.begin(), items.end(), folder.PathOf("b")) - items.begin();
  ASSERT_LT(a, 5u);
  ASSERT_LT(b, 5u);
  EXPECT_EQ(folder.PathOf("a\\c"), items[a + 1]);
  EXPECT_EQ(folder.PathOf("a\\c\\d"), items[a + 2]);
  EXPECT_EQ(folder.PathOf("b\\e"), items[b + 1]);

  StringList none;
  EXPECT_FALSE(ListSubfoldersRecursive(TesselOf(folder.PathOf("b\\e")), none.Get()));
}

TEST_F(FileTreeTest, DeleteMatchingFilesRemovesReadOnlyMatchesOnly) {
  ASSERT_TRUE(m_folder.MakeFile("locked.txt", "x", FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(DeleteMatchingFiles(Root(), TesselOf("*.txt;*.ini")));
  for (const char* gone : {"a.txt", "b.txt", "locked.txt", "d.ini"})
    EXPECT_FALSE(m_folder.Exists(gone)) << gone;
  EXPECT_TRUE(m_folder.Exists("c.log"));
  EXPECT_TRUE(m_folder.Exists("dir.txt"));

  EXPECT_FALSE(DeleteMatchingFiles(Root(), TesselOf("*.txt")));  // nothing left to match
  EXPECT_FALSE(DeleteMatchingFiles(Root(), TesselOf("")));
  EXPECT_FALSE(DeleteMatchingFiles(TesselOf(""), TesselOf("*.*")));
  EXPECT_TRUE(DeleteAllFilesInFolder(Root()));
  EXPECT_FALSE(m_folder.Exists("c.log"));
  EXPECT_TRUE(m_folder.Exists("dir.txt"));
}

TEST(FileUtilitiesTest, DeleteFolderTreeRemovesReadOnlyAndHiddenFiles) {
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFolder("tree"));
  ASSERT_TRUE(folder.MakeFolder("tree\\sub"));
  ASSERT_TRUE(folder.MakeFolder("tree\\sub\\deep"));
  ASSERT_TRUE(folder.MakeFile("tree\\top.txt", "x", FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(folder.MakeFile("tree\\sub\\hidden.bin", "x", FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(folder.MakeFile("tree\\sub\\deep\\ro.txt", "x",
                              FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(folder.MakeFolder("tree\\sub\\empty"));
  ASSERT_TRUE(folder.MakeFile("sibling.txt"));

  EXPECT_TRUE(DeleteFolderTree(TesselOf(folder.PathOf("tree"))));
  EXPECT_FALSE(folder.Exists("tree"));
  EXPECT_TRUE(folder.Exists("sibling.txt"));
  EXPECT_TRUE(DeleteFolderTree(TesselOf(folder.PathOf("tree\\"))));  // already gone
}

// A drive letter that names no drive: should a refusal ever fail, the call
// finds nothing to delete rather than a real root.
std::string UnusedDrive() {
  const DWORD drives = GetLogicalDrives();
  for (char letter = 'Q'; letter <= 'Y'; ++letter) {
    if (!(drives & (1u << (letter - 'A')))) return std::string(1, letter) + ":";
  }
  return std::string();
}

TEST(FileUtilitiesTest, DeleteHelpersRefuseRootsAndShortPaths) {
  const std::string drive = UnusedDrive();
  ASSERT_FALSE(drive.empty());
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFolder("cwd"));
  ASSERT_TRUE(folder.MakeFolder("cwd\\abc"));
  ASSERT_TRUE(folder.MakeFile("cwd\\keep.txt"));
  ASSERT_TRUE(folder.MakeFile("cwd\\abc\\keep.txt"));
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(folder.PathOf("cwd").c_str()));

  const std::string refused[] = {"",
                                 ".",
                                 "..",
                                 "abc",
                                 drive,
                                 drive + "\\",
                                 drive + "\\\\",
                                 drive + "\\sub\\..",
                                 drive + "\\.",
                                 "\\\\nosuchserver\\share",
                                 "\\\\nosuchserver\\share\\",
                                 "\\\\?\\" + drive + "\\",
                                 "\\\\?\\UNC\\nosuchserver\\share"};
  for (const std::string& path : refused) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(DeleteFolderTree(TesselOf(path)));
    EXPECT_FALSE(DeleteAllFilesInFolder(TesselOf(path)));
    EXPECT_FALSE(DeleteMatchingFiles(TesselOf(path), TesselOf("*.txt")));
    EXPECT_FALSE(DeleteToRecycleBin(TesselOf(path)));
  }
  SetCurrentDirectoryA(previous);
  EXPECT_TRUE(folder.Exists("cwd\\keep.txt"));
  EXPECT_TRUE(folder.Exists("cwd\\abc\\keep.txt"));

  // Four characters are enough when they name no root.
  EXPECT_TRUE(DeleteFolderTree(TesselOf(drive + "\\a")));
}

typedef char*(CDECL* UnixNameFunction)(LPCWSTR);

UnixNameFunction WineUnixName() {
  return reinterpret_cast<UnixNameFunction>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
}

std::string UnixPath(UnixNameFunction toUnix, const std::string& path) {
  char* unix = toUnix(WideFromAnsi(path).c_str());
  const std::string result = unix ? unix : "";
  HeapFree(GetProcessHeap(), 0, unix);
  return result;
}

// Runs a host program under Wine; Wine cannot wait for it, so callers watch
// for its effect with WaitForAttributes.
bool RunHostProgram(const std::string& program, std::string commandLine) {
  STARTUPINFOA startup = {sizeof(startup)};
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process))
    return false;
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return true;
}

DWORD WaitForAttributes(const std::string& path, bool present) {
  for (int i = 0; i < 1000; ++i) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if ((attributes != INVALID_FILE_ATTRIBUTES) == present) return attributes;
    Sleep(10);
  }
  return GetFileAttributesA(path.c_str());
}

// Makes `link` a symbolic link to the folder `target`: through the host's ln
// under Wine, else through the system. False when neither is possible.
bool MakeFolderLink(const std::string& link, const std::string& target) {
  if (UnixNameFunction toUnix = WineUnixName()) {
    const std::string unixFolder = UnixPath(toUnix, GetFolderFromPath(TesselOf(link)).GetText());
    RunHostProgram("/bin/ln", "/bin/ln -s \"" + UnixPath(toUnix, target) + "\" \"" + unixFolder +
                                  GetFileNameFromPath(TesselOf(link)).GetText() + "\"");
  } else {
    CreateSymbolicLinkA(link.c_str(), target.c_str(),
                        SYMBOLIC_LINK_FLAG_DIRECTORY | 0x2 /* unprivileged */);
  }
  const DWORD attributes = WaitForAttributes(link, true);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Wine 8 cannot remove a host symbolic link through any Win32 call.
void RemoveFolderLink(const std::string& link) {
  if (GetFileAttributesA(link.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  if (UnixNameFunction toUnix = WineUnixName())
    RunHostProgram("/bin/rm", "/bin/rm \"" + UnixPath(toUnix, link) + "\"");
  else
    RemoveDirectoryA(link.c_str());
  WaitForAttributes(link, false);
}

TEST(FileUtilitiesTest, DeleteFolderTreeNeverFollowsLinks) {
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFolder("outside"));
  ASSERT_TRUE(folder.MakeFile("outside\\precious.txt", "x", FILE_ATTRIBUTE_READONLY));
  const DWORD preciousAttributes =
      GetFileAttributesA(folder.PathOf("outside\\precious.txt").c_str());
  ASSERT_TRUE(folder.MakeFolder("tree"));
  ASSERT_TRUE(folder.MakeFile("tree\\own.txt"));
  if (!MakeFolderLink(folder.PathOf("tree\\link"), folder.PathOf("outside")))
    GTEST_SKIP() << "no folder links on this system";
  ASSERT_TRUE(MakeFolderLink(folder.PathOf("top-link"), folder.PathOf("outside")));

  // Where the system cannot remove a link (Wine), the tree keeps it and the
  // result says the folder is still there.
  EXPECT_EQ(!folder.Exists("tree"), DeleteFolderTree(TesselOf(folder.PathOf("tree"))));
  EXPECT_FALSE(folder.Exists("tree\\own.txt"));
  EXPECT_EQ(!folder.Exists("top-link"), DeleteFolderTree(TesselOf(folder.PathOf("top-link"))));

  EXPECT_TRUE(folder.Exists("outside\\precious.txt"));
  EXPECT_EQ(preciousAttributes, GetFileAttributesA(folder.PathOf("outside\\precious.txt").c_str()));
  RemoveFolderLink(folder.PathOf("tree\\link"));
  RemoveFolderLink(folder.PathOf("top-link"));
}

// Under Wine the Recycle Bin is the desktop's trash folder; either way the
// item leaves its place and the call reports success.
TEST(FileUtilitiesTest, DeleteToRecycleBinMovesFilesAndFolders) {
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFile("old.txt"));
  ASSERT_TRUE(folder.MakeFolder("old folder"));
  ASSERT_TRUE(folder.MakeFile("old folder\\inside.txt"));
  EXPECT_TRUE(DeleteToRecycleBin(TesselOf(folder.PathOf("old.txt"))));
  EXPECT_FALSE(folder.Exists("old.txt"));
  EXPECT_TRUE(DeleteToRecycleBin(TesselOf(folder.PathOf("old folder"))));
  EXPECT_FALSE(folder.Exists("old folder"));
  EXPECT_FALSE(DeleteToRecycleBin(TesselOf(folder.PathOf("missing.txt"))));
}

TEST(FileUtilitiesTest, UserAppDataFolderEndsInTheProductFolder) {
  char appData[MAX_PATH] = {};
  ASSERT_EQ(S_OK, SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData));
  EXPECT_EQ(std::string(appData) + "\\Velmoran\\", TextOf(GetUserAppDataFolder()));
}

TEST(FileUtilitiesTest, ModuleFolderIsTheExecutablesWithoutAHostDll) {
  EXPECT_EQ(ThisProgramFolder(), TextOf(GetModuleFolder()));
  EXPECT_EQ("", TextOf(GetHostDllName()));
}

TEST(FileUtilitiesTest, ParsesTheHostDllFromACommandLine) {
  const struct {
    const char* commandLine;
    const char* dll;
  } cases[] = {
      {"rundll32.exe C:\\Tools\\Host.DLL,Run", "Host.DLL"},
      {"\"C:\\Program Files\\x\\plug.dll\" -a", "plug.dll"},
      {"loader plug.dll", "plug.dll"},
      {"plain.dll", "plain.dll"},
      {"velmoran.exe -execute build.velm", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.commandLine);
    EXPECT_EQ(c.dll, TextOf(ParseHostDllName(TesselOf(c.commandLine))));
  }
}

}  // namespace

// A link back up the tree would otherwise be walked again at every level; two
// of them double the work per level.
TEST(FileUtilitiesTest, ListSubfoldersRecursiveListsLinksWithoutEnteringThem) {
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFolder("a"));
  ASSERT_TRUE(folder.MakeFolder("a\\c"));
  if (!MakeFolderLink(folder.PathOf("a\\loop1"), folder.PathOf("a")))
    GTEST_SKIP() << "no folder links on this system";
  ASSERT_TRUE(MakeFolderLink(folder.PathOf("a\\loop2"), folder.PathOf("a")));

  StringList list;
  EXPECT_TRUE(ListSubfoldersRecursive(TesselOf(folder.GetPath()), list.Get()));
  std::vector<std::string> expected = {folder.PathOf("a"), folder.PathOf("a\\c"),
                                       folder.PathOf("a\\loop1"), folder.PathOf("a\\loop2")};
  EXPECT_EQ(expected, Sorted(list.Items()));
  RemoveFolderLink(folder.PathOf("a\\loop1"));
  RemoveFolderLink(folder.PathOf("a\\loop2"));
}

#include "foundation/FileUtilities.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "foundation/TesselList.h"

namespace {

std::string Text(CTesselString s) { return s.GetText(); }

CTesselString Str(const std::string& s) { return CTesselString(s.c_str()); }

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
    EXPECT_EQ(c.fileName, Text(GetFileNameFromPath(Str(c.path))));
    EXPECT_EQ(c.folder, Text(GetFolderFromPath(Str(c.path))));
  }
}

TEST(FileUtilitiesTest, CombinesFolderAndName) {
  EXPECT_EQ("D:\\a\\x.txt", Text(CombinePath(Str("D:\\a"), Str("x.txt"))));
  EXPECT_EQ("D:\\a\\x.txt", Text(CombinePath(Str("D:\\a\\"), Str("x.txt"))));
  EXPECT_EQ("D:\\x.txt", Text(CombinePath(Str("D:"), Str("x.txt"))));
}

TEST(FileUtilitiesTest, TellsFilesFromFoldersAndSystemFiles) {
  CScratchFolder folder;
  ASSERT_TRUE(folder.MakeFile("file.txt"));
  ASSERT_TRUE(folder.MakeFile("system.txt", "x", FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(folder.MakeFolder("sub"));
  EXPECT_TRUE(FileExists(Str(folder.Path("file.txt"))));
  EXPECT_TRUE(PathExists(Str(folder.Path("file.txt"))));
  EXPECT_FALSE(FileExists(Str(folder.Path("sub"))));
  EXPECT_TRUE(PathExists(Str(folder.Path("sub"))));
  EXPECT_FALSE(FileExists(Str(folder.Path("missing"))));
  EXPECT_FALSE(PathExists(Str(folder.Path("missing"))));
  EXPECT_FALSE(FileExists(Str("")));
  EXPECT_FALSE(PathExists(Str("")));

  EXPECT_FALSE(IsSystemFile(Str(folder.Path("file.txt"))));
  EXPECT_TRUE(IsSystemFile(Str(folder.Path("system.txt"))));
  EXPECT_TRUE(IsSystemFile(Str(folder.Path("missing"))));
}

TEST(FileUtilitiesTest, MakeFileWritableLeavesOnlyTheArchiveAttribute) {
  CScratchFolder folder;
  ASSERT_TRUE(folder.MakeFile(
      "locked.txt", "x", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_TRUE(MakeFileWritable(Str(folder.Path("locked.txt"))));
  EXPECT_EQ((DWORD)FILE_ATTRIBUTE_ARCHIVE, GetFileAttributesA(folder.Path("locked.txt").c_str()));
  EXPECT_FALSE(MakeFileWritable(Str("")));
  EXPECT_FALSE(MakeFileWritable(Str(folder.Path("missing.txt"))));
}

TEST(FileUtilitiesTest, CreateFolderPathMakesEveryMissingLevel) {
  CScratchFolder folder;
  EXPECT_FALSE(CreateFolderPath(Str(folder.Path())));  // exists already
  EXPECT_TRUE(CreateFolderPath(Str(folder.Path("new\\deeper"))));
  EXPECT_TRUE(folder.Exists("new\\deeper"));
  EXPECT_TRUE(CreateFolderPath(Str(folder.Path("new\\other\\"))));
  EXPECT_TRUE(folder.Exists("new\\other"));
  EXPECT_FALSE(CreateFolderPath(Str(folder.Path(std::string(MAX_PATH, 'x')))));
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
    for (std::string item = Text(PopListToken(&list)); !item.empty();
         item = Text(PopListToken(&list)))
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
  CTesselString Root() const { return Str(m_folder.Path()); }
  CScratchFolder m_folder;
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
    EXPECT_EQ(!c.names.empty(), FindFilesMatching(Root(), Str(c.patterns), names.Get(), true));
    EXPECT_EQ(c.names, Sorted(names.Items()));
  }
}

TEST_F(FileTreeTest, FindFilesMatchingGivesFullPathsPatternAfterPattern) {
  StringList paths;
  ASSERT_TRUE(
      FindFilesMatching(Str(m_folder.Path() + "\\"), Str("*.log *.ini"), paths.Get(), false));
  const std::vector<std::string> expected = {m_folder.Path("c.log"), m_folder.Path("d.ini")};
  EXPECT_EQ(expected, paths.Items());
}

TEST_F(FileTreeTest, ListsRefuseAListOfOtherItems) {
  CTesselList numbers;
  numbers.SetElementTypeInt32();
  EXPECT_FALSE(FindFilesMatching(Root(), Str("*.txt"), &numbers, true));
  EXPECT_FALSE(ListSubfolders(Root(), &numbers));
  EXPECT_EQ(0, numbers.GetCount());
  EXPECT_FALSE(FindFilesMatching(Root(), Str("*.txt"), nullptr, true));
}

TEST(FileUtilitiesTest, ListsSubfoldersWithoutSystemFolders) {
  CScratchFolder folder;
  ASSERT_TRUE(folder.MakeFolder("one"));
  ASSERT_TRUE(folder.MakeFolder("two"));
  ASSERT_TRUE(folder.MakeFolder("hidden"));
  SetFileAttributesA(folder.Path("hidden").c_str(), FILE_ATTRIBUTE_SYSTEM);
  ASSERT_TRUE(folder.MakeFile("file.txt"));
  StringList list;
  EXPECT_TRUE(ListSubfolders(Str(folder.Path()), list.Get()));
  EXPECT_EQ(Sorted({folder.Path("one"), folder.Path("two")}), Sorted(list.Items()));

  StringList none;
  EXPECT_FALSE(ListSubfolders(Str(folder.Path("one")), none.Get()));
}

TEST(FileUtilitiesTest, ListsSubfoldersDepthFirst) {
  CScratchFolder folder;
  for (const char* sub : {"a", "a\\c", "a\\c\\d", "b", "b\\e"}) ASSERT_TRUE(folder.MakeFolder(sub));
  StringList list;
  ASSERT_TRUE(ListSubfoldersRecursive(Str(folder.Path()), list.Get()));
  const std::vector<std::string> items = list.Items();
  ASSERT_EQ(5u, items.size());
  // Siblings come in the order the system lists them; below each folder,
  // all of its own subfolders follow before the next sibling.
  const size_t a = std::find(items.begin(), items.end(), folder.Path("a")) - items.begin();
  const size_t b = std::find(items.begin(), items.end(), folder.Path("b")) - items.begin();
  ASSERT_LT(a, 5u);
  ASSERT_LT(b, 5u);
  EXPECT_EQ(folder.Path("a\\c"), items[a + 1]);
  EXPECT_EQ(folder.Path("a\\c\\d"), items[a + 2]);
  EXPECT_EQ(folder.Path("b\\e"), items[b + 1]);

  StringList none;
  EXPECT_FALSE(ListSubfoldersRecursive(Str(folder.Path("b\\e")), none.Get()));
}

TEST_F(FileTreeTest, DeleteMatchingFilesRemovesReadOnlyMatchesOnly) {
  ASSERT_TRUE(m_folder.MakeFile("locked.txt", "x", FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(DeleteMatchingFiles(Root(), Str("*.txt;*.ini")));
  for (const char* gone : {"a.txt", "b.txt", "locked.txt", "d.ini"})
    EXPECT_FALSE(m_folder.Exists(gone)) << gone;
  EXPECT_TRUE(m_folder.Exists("c.log"));
  EXPECT_TRUE(m_folder.Exists("dir.txt"));

  EXPECT_FALSE(DeleteMatchingFiles(Root(), Str("*.txt")));  // nothing left to match
  EXPECT_FALSE(DeleteMatchingFiles(Root(), Str("")));
  EXPECT_FALSE(DeleteMatchingFiles(Str(""), Str("*.*")));
  EXPECT_TRUE(DeleteAllFilesInFolder(Root()));
  EXPECT_FALSE(m_folder.Exists("c.log"));
  EXPECT_TRUE(m_folder.Exists("dir.txt"));
}

TEST(FileUtilitiesTest, DeleteFolderTreeRemovesReadOnlyAndHiddenFiles) {
  CScratchFolder folder;
  ASSERT_TRUE(folder.MakeFolder("tree"));
  ASSERT_TRUE(folder.MakeFolder("tree\\sub"));
  ASSERT_TRUE(folder.MakeFolder("tree\\sub\\deep"));
  ASSERT_TRUE(folder.MakeFile("tree\\top.txt", "x", FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(folder.MakeFile("tree\\sub\\hidden.bin", "x", FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(folder.MakeFile("tree\\sub\\deep\\ro.txt", "x",
                              FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(folder.MakeFolder("tree\\sub\\empty"));
  ASSERT_TRUE(folder.MakeFile("sibling.txt"));

  EXPECT_TRUE(DeleteFolderTree(Str(folder.Path("tree"))));
  EXPECT_FALSE(folder.Exists("tree"));
  EXPECT_TRUE(folder.Exists("sibling.txt"));
  EXPECT_TRUE(DeleteFolderTree(Str(folder.Path("tree\\"))));  // already gone
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
  CScratchFolder folder;
  ASSERT_TRUE(folder.MakeFolder("cwd"));
  ASSERT_TRUE(folder.MakeFolder("cwd\\abc"));
  ASSERT_TRUE(folder.MakeFile("cwd\\keep.txt"));
  ASSERT_TRUE(folder.MakeFile("cwd\\abc\\keep.txt"));
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(folder.Path("cwd").c_str()));

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
    EXPECT_FALSE(DeleteFolderTree(Str(path)));
    EXPECT_FALSE(DeleteAllFilesInFolder(Str(path)));
    EXPECT_FALSE(DeleteMatchingFiles(Str(path), Str("*.txt")));
    EXPECT_FALSE(DeleteToRecycleBin(Str(path)));
  }
  SetCurrentDirectoryA(previous);
  EXPECT_TRUE(folder.Exists("cwd\\keep.txt"));
  EXPECT_TRUE(folder.Exists("cwd\\abc\\keep.txt"));

  // Four characters are enough when they name no root.
  EXPECT_TRUE(DeleteFolderTree(Str(drive + "\\a")));
}

typedef char*(CDECL* UnixNameFunction)(LPCWSTR);

UnixNameFunction WineUnixName() {
  return reinterpret_cast<UnixNameFunction>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
}

std::string UnixPath(UnixNameFunction toUnix, const std::string& path) {
  wchar_t wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
  char* unix = toUnix(wide);
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
    const std::string unixFolder = UnixPath(toUnix, GetFolderFromPath(Str(link)).GetText());
    RunHostProgram("/bin/ln", "/bin/ln -s \"" + UnixPath(toUnix, target) + "\" \"" + unixFolder +
                                  GetFileNameFromPath(Str(link)).GetText() + "\"");
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
  CScratchFolder folder;
  ASSERT_TRUE(folder.MakeFolder("outside"));
  ASSERT_TRUE(folder.MakeFile("outside\\precious.txt", "x", FILE_ATTRIBUTE_READONLY));
  const DWORD preciousAttributes = GetFileAttributesA(folder.Path("outside\\precious.txt").c_str());
  ASSERT_TRUE(folder.MakeFolder("tree"));
  ASSERT_TRUE(folder.MakeFile("tree\\own.txt"));
  if (!MakeFolderLink(folder.Path("tree\\link"), folder.Path("outside")))
    GTEST_SKIP() << "no folder links on this system";
  ASSERT_TRUE(MakeFolderLink(folder.Path("top-link"), folder.Path("outside")));

  // Where the system cannot remove a link (Wine), the tree keeps it and the
  // result says the folder is still there.
  EXPECT_EQ(!folder.Exists("tree"), DeleteFolderTree(Str(folder.Path("tree"))));
  EXPECT_FALSE(folder.Exists("tree\\own.txt"));
  EXPECT_EQ(!folder.Exists("top-link"), DeleteFolderTree(Str(folder.Path("top-link"))));

  EXPECT_TRUE(folder.Exists("outside\\precious.txt"));
  EXPECT_EQ(preciousAttributes, GetFileAttributesA(folder.Path("outside\\precious.txt").c_str()));
  RemoveFolderLink(folder.Path("tree\\link"));
  RemoveFolderLink(folder.Path("top-link"));
}

// Under Wine the Recycle Bin is the desktop's trash folder; either way the
// item leaves its place and the call reports success.
TEST(FileUtilitiesTest, DeleteToRecycleBinMovesFilesAndFolders) {
  CScratchFolder folder;
  ASSERT_TRUE(folder.MakeFile("old.txt"));
  ASSERT_TRUE(folder.MakeFolder("old folder"));
  ASSERT_TRUE(folder.MakeFile("old folder\\inside.txt"));
  EXPECT_TRUE(DeleteToRecycleBin(Str(folder.Path("old.txt"))));
  EXPECT_FALSE(folder.Exists("old.txt"));
  EXPECT_TRUE(DeleteToRecycleBin(Str(folder.Path("old folder"))));
  EXPECT_FALSE(folder.Exists("old folder"));
  EXPECT_FALSE(DeleteToRecycleBin(Str(folder.Path("missing.txt"))));
}

TEST(FileUtilitiesTest, UserAppDataFolderEndsInTheProductFolder) {
  char appData[MAX_PATH] = {};
  ASSERT_EQ(S_OK, SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData));
  EXPECT_EQ(std::string(appData) + "\\Velmoran\\", Text(GetUserAppDataFolder()));
}

TEST(FileUtilitiesTest, ModuleFolderIsTheExecutablesWithoutAHostDll) {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  const std::string path = exe;
  EXPECT_EQ(path.substr(0, path.rfind('\\') + 1), Text(GetModuleFolder()));
  EXPECT_EQ("", Text(GetHostDllName()));
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
    EXPECT_EQ(c.dll, Text(ParseHostDllName(Str(c.commandLine))));
  }
}

}  // namespace

// A link back up the tree would otherwise be walked again at every level; two
// of them double the work per level.
TEST(FileUtilitiesTest, ListSubfoldersRecursiveListsLinksWithoutEnteringThem) {
  CScratchFolder folder;
  ASSERT_TRUE(folder.MakeFolder("a"));
  ASSERT_TRUE(folder.MakeFolder("a\\c"));
  if (!MakeFolderLink(folder.Path("a\\loop1"), folder.Path("a")))
    GTEST_SKIP() << "no folder links on this system";
  ASSERT_TRUE(MakeFolderLink(folder.Path("a\\loop2"), folder.Path("a")));

  StringList list;
  EXPECT_TRUE(ListSubfoldersRecursive(Str(folder.Path()), list.Get()));
  std::vector<std::string> expected = {folder.Path("a"), folder.Path("a\\c"),
                                       folder.Path("a\\loop1"), folder.Path("a\\loop2")};
  EXPECT_EQ(expected, Sorted(list.Items()));
  RemoveFolderLink(folder.Path("a\\loop1"));
  RemoveFolderLink(folder.Path("a\\loop2"));
}

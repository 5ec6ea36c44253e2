// The recent-file list as menus show it, the application's ownership of it,
// and the edit menu's object item.
#include <gtest/gtest.h>

#include "afxadv.h"
#include "afxole.h"
#include "afxwin.h"

namespace {

TEST(RecentFileListDisplayName, ShortensByTheCurrentFolderThenByLength) {
  struct Case {
    const char* path;
    const char* curDir;
    int nMaxDisplay;
    BOOL bAtLeastName;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\Work\\a.velm", nullptr, 30, TRUE, "C:\\Work\\a.velm"},
      {"C:\\Work\\a.velm", "c:\\work\\", 30, TRUE, "a.velm"},
      {"C:\\Work\\Sub\\a.velm", "C:\\Work\\", 30, TRUE, "Sub\\a.velm"},
      {"C:\\Other\\a.velm", "C:\\Work\\", 30, TRUE, "C:\\Other\\a.velm"},
      // Middle folders give way to "..." as long as the rest fits.
      {"C:\\Projects\\Velmoran\\Builds\\nightly.velm", nullptr, 26, TRUE,
       "C:\\...\\Builds\\nightly.velm"},
      {"C:\\Projects\\Velmoran\\Builds\\nightly.velm", nullptr, 16, TRUE, "nightly.velm"},
      {"\\\\server\\share\\deep\\folder\\b.velm", nullptr, 25, TRUE,
       "\\\\server\\share\\...\\b.velm"},
      // A name longer than the limit stays whole only when asked for.
      {"C:\\a\\averyveryverylongname.velm", nullptr, 10, TRUE, "averyveryverylongname.velm"},
      {"C:\\a\\averyveryverylongname.velm", nullptr, 10, FALSE, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    CRecentFileList list(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 4, c.nMaxDisplay);
    list[0] = c.path;
    CString strName;
    const int nCurDir = c.curDir != nullptr ? lstrlen(c.curDir) : 0;
    EXPECT_TRUE(list.GetDisplayName(strName, 0, c.curDir, nCurDir, c.bAtLeastName));
    EXPECT_STREQ(c.expected, strName);
  }
}

TEST(RecentFileListDisplayName, EmptyOrMissingEntryHasNone) {
  CRecentFileList list(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 2);
  list[0] = "C:\\a.velm";
  CString strName = "old";
  EXPECT_FALSE(list.GetDisplayName(strName, 1, nullptr, 0));
  EXPECT_TRUE(strName.IsEmpty());
  EXPECT_FALSE(list.GetDisplayName(strName, 2, nullptr, 0));
  EXPECT_FALSE(list.GetDisplayName(strName, -1, nullptr, 0));
}

/// Counts its destructions, to show who deletes the list.
class CCountedList : public CRecentFileList {
 public:
  explicit CCountedList(int* pnDeleted)
      : CRecentFileList(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 4),
        m_pnDeleted(pnDeleted) {}
  ~CCountedList() override { ++*m_pnDeleted; }

 private:
  int* m_pnDeleted;
};

TEST(RecentFileListOwner, TheApplicationDeletesItsList) {
  int nDeleted = 0;
  {
    CWinApp app("VelmRecentFileListOwner");
    EXPECT_EQ(app.m_pRecentFileList, nullptr);
    app.m_pRecentFileList = new CCountedList(&nDeleted);
    EXPECT_EQ(AfxGetApp()->m_pRecentFileList, app.m_pRecentFileList);
  }
  EXPECT_EQ(nDeleted, 1);
}

TEST(OleEditMenu, AnItemWithoutVerbsGetsTheDisabledObjectEntry) {
  CMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(MF_STRING, 100, "&Paste");
  menu.AppendMenu(MF_STRING, 101, "placeholder");
  COleClientItem item;
  AfxOleSetEditMenu(&item, &menu, 1, 57872, 57887);
  ASSERT_EQ(menu.GetMenuItemCount(), 2u);
  EXPECT_EQ(menu.GetMenuItemID(1), 57872u);
  CString strText;
  menu.GetMenuString(1, strText, MF_BYPOSITION);
  EXPECT_STREQ("&Object", strText);
  EXPECT_NE(menu.GetMenuState(1, MF_BYPOSITION) & MF_GRAYED, 0u);

  // A position past the end appends the entry.
  CMenu empty;
  ASSERT_TRUE(empty.CreatePopupMenu());
  AfxOleSetEditMenu(nullptr, &empty, 0, 57872, 57887);
  ASSERT_EQ(empty.GetMenuItemCount(), 1u);
  EXPECT_EQ(empty.GetMenuItemID(0), 57872u);
}

}  // namespace

// CMenu: building, querying and changing menus, ownership of the handle,
// and loading from the module's resources.
#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

const UINT ID_OPEN = 100;
const UINT ID_SAVE = 101;
const UINT ID_WRAP = 102;
const UINT ID_RECENT1 = 110;
const UINT ID_RECENT2 = 111;

/// "&Open", a separator, "Save" (greyed), "Word wrap" (checked), "Recent" >.
class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_recent.CreatePopupMenu());
    m_recent.AppendMenu(MF_STRING, ID_RECENT1, "one.velm");
    m_recent.AppendMenu(MF_STRING, ID_RECENT2, "two.velm");
    ASSERT_TRUE(m_menu.CreatePopupMenu());
    m_menu.AppendMenu(MF_STRING, ID_OPEN, "&Open");
    m_menu.AppendMenu(MF_SEPARATOR);
    m_menu.AppendMenu(MF_STRING | MF_GRAYED, ID_SAVE, "Save");
    m_menu.AppendMenu(MF_STRING | MF_CHECKED, ID_WRAP, "Word wrap");
    // The parent menu destroys a sub-menu with itself: the wrapper lets go.
    m_menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(m_recent.Detach()), "Recent");
  }

  CMenu m_menu;
  CMenu m_recent;
};

TEST_F(MenuTest, ItemsHaveTheirIdsTextsAndStates) {
  EXPECT_EQ(m_menu.GetMenuItemCount(), 5u);
  struct {
    int pos;
    UINT id;
    const char* text;
  } items[] = {
      {0, ID_OPEN, "&Open"},
      {1, 0, ""},
      {2, ID_SAVE, "Save"},
      {3, ID_WRAP, "Word wrap"},
      {4, static_cast<UINT>(-1), "Recent"},
  };
  for (const auto& item : items) {
    EXPECT_EQ(m_menu.GetMenuItemID(item.pos), item.id) << item.pos;
    CString text;
    int length = m_menu.GetMenuString(item.pos, text, MF_BYPOSITION);
    EXPECT_EQ(length, text.GetLength());
    EXPECT_STREQ(text, item.text) << item.pos;
  }

  EXPECT_TRUE(m_menu.GetMenuState(ID_SAVE, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(m_menu.GetMenuState(ID_WRAP, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(m_menu.GetMenuState(ID_OPEN, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED));
  EXPECT_TRUE(m_menu.GetMenuState(1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(m_menu.GetMenuState(999, MF_BYCOMMAND), static_cast<UINT>(-1));

  char buffer[32];
  EXPECT_EQ(m_menu.GetMenuString(ID_WRAP, buffer, sizeof(buffer), MF_BYCOMMAND), 9);
  EXPECT_STREQ(buffer, "Word wrap");
}

TEST_F(MenuTest, EnableAndCheckReturnThePreviousState) {
  EXPECT_EQ(m_menu.EnableMenuItem(ID_SAVE, MF_BYCOMMAND | MF_ENABLED),
            static_cast<UINT>(MF_GRAYED));
  EXPECT_EQ(m_menu.GetMenuState(ID_SAVE, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_EQ(m_menu.CheckMenuItem(ID_WRAP, MF_BYCOMMAND | MF_UNCHECKED),
            static_cast<UINT>(MF_CHECKED));
  EXPECT_EQ(m_menu.CheckMenuItem(ID_WRAP, MF_BYCOMMAND | MF_CHECKED),
            static_cast<UINT>(MF_UNCHECKED));
  EXPECT_EQ(m_menu.EnableMenuItem(999, MF_BYCOMMAND | MF_GRAYED), static_cast<UINT>(-1));
}

TEST_F(MenuTest, SubMenuIsOneTemporaryWrapperPerHandle) {
  CMenu* pRecent = m_menu.GetSubMenu(4);
  ASSERT_NE(pRecent, nullptr);
  EXPECT_EQ(m_menu.GetSubMenu(4), pRecent);
  EXPECT_EQ(m_menu.GetSubMenu(0), nullptr);
  EXPECT_EQ(pRecent->GetMenuItemCount(), 2u);
  EXPECT_EQ(pRecent->GetMenuItemID(1), ID_RECENT2);
  // A command inside the sub-menu is found from the parent.
  EXPECT_EQ(m_menu.CheckMenuItem(ID_RECENT1, MF_BYCOMMAND | MF_CHECKED),
            static_cast<UINT>(MF_UNCHECKED));
  CMenu::DeleteTempMap();
  EXPECT_TRUE(::IsMenu(::GetSubMenu(m_menu, 4)));
}

TEST_F(MenuTest, InsertModifyRemoveAndDeleteChangeTheItems) {
  ASSERT_TRUE(m_menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 99, "New"));
  ASSERT_TRUE(m_menu.ModifyMenu(ID_OPEN, MF_BYCOMMAND | MF_STRING, ID_OPEN, "Open..."));
  CString text;
  m_menu.GetMenuString(0, text, MF_BYPOSITION);
  EXPECT_STREQ(text, "New");
  m_menu.GetMenuString(ID_OPEN, text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "Open...");

  // RemoveMenu keeps the sub-menu alive, DeleteMenu would destroy it.
  HMENU hRecent = ::GetSubMenu(m_menu, 5);
  ASSERT_TRUE(m_menu.RemoveMenu(5, MF_BYPOSITION));
  EXPECT_TRUE(::IsMenu(hRecent));
  ASSERT_TRUE(m_menu.DeleteMenu(ID_SAVE, MF_BYCOMMAND));
  EXPECT_EQ(m_menu.GetMenuItemCount(), 4u);
  EXPECT_EQ(m_menu.GetMenuItemID(3), ID_WRAP);
  ::DestroyMenu(hRecent);
}

TEST_F(MenuTest, MenuItemInfoReadsAndWritesTheItem) {
  MENUITEMINFO info = {sizeof(info)};
  info.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
  ASSERT_TRUE(m_menu.GetMenuItemInfo(4, &info, TRUE));
  EXPECT_EQ(info.hSubMenu, ::GetSubMenu(m_menu, 4));

  info = MENUITEMINFO{sizeof(info)};
  info.fMask = MIIM_STATE;
  info.fState = MFS_DEFAULT;
  ASSERT_TRUE(m_menu.SetMenuItemInfo(ID_OPEN, &info));
  EXPECT_EQ(m_menu.GetDefaultItem(0), ID_OPEN);
}

TEST(MenuOwnershipTest, TheOwnerDestroysTheMenuUnlessDetached) {
  HMENU hDestroyed, hKept;
  {
    CMenu menu;
    ASSERT_TRUE(menu.CreateMenu());
    hDestroyed = menu.m_hMenu;
    EXPECT_EQ(CMenu::FromHandle(hDestroyed), &menu);
  }
  EXPECT_FALSE(::IsMenu(hDestroyed));
  {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    hKept = menu.Detach();
    EXPECT_EQ(menu.m_hMenu, nullptr);
    EXPECT_NE(CMenu::FromHandle(hKept), &menu);
  }
  EXPECT_TRUE(::IsMenu(hKept));
  CMenu owner;
  EXPECT_TRUE(owner.Attach(hKept));
  EXPECT_FALSE(CMenu().Attach(nullptr));
  EXPECT_TRUE(owner.DestroyMenu());
  EXPECT_FALSE(::IsMenu(hKept));
  EXPECT_FALSE(owner.DestroyMenu());
  CMenu::DeleteTempMap();
}

TEST(MenuResourceTest, LoadMenuReadsTheResource) {
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(300));
  CMenu* pFile = menu.GetSubMenu(0);
  ASSERT_NE(pFile, nullptr);
  EXPECT_EQ(pFile->GetMenuItemCount(), 3u);
  EXPECT_EQ(pFile->GetMenuItemID(0), 301u);
  EXPECT_TRUE(pFile->GetMenuState(302, MF_BYCOMMAND) & MF_GRAYED);
  CString text;
  menu.GetMenuString(0, text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&File");

  CMenu missing;
  EXPECT_FALSE(missing.LoadMenu(399));
  EXPECT_EQ(missing.m_hMenu, nullptr);
  CMenu::DeleteTempMap();
}

}  // namespace

// A frame's pop-up menu updated from its command handlers as it opens: the
// items of sub-menus keep their state, the sub-menus' own items update when
// they open.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

const UINT ID_ON = 4201;     // update handler enables, checks and renames
const UINT ID_OFF = 4202;    // update handler disables
const UINT ID_PLAIN = 4203;  // command handler only
const UINT ID_NONE = 4204;   // no handler at all

class CMenuFrame : public CFrameWnd {
 protected:
  afx_msg void OnPlain() {}
  afx_msg void OnUpdateOn(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(1);
    pCmdUI->SetText("Renamed");
  }
  afx_msg void OnUpdateOff(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuFrame, CFrameWnd)
ON_COMMAND(ID_PLAIN, OnPlain)
ON_UPDATE_COMMAND_UI(ID_ON, OnUpdateOn)
ON_UPDATE_COMMAND_UI(ID_OFF, OnUpdateOff)
END_MESSAGE_MAP()

struct ItemCase {
  const char* text;
  UINT nFirstID;  // of the sub-menu; 0: a separator leads it; -1: a plain item of ID_NONE
  bool bGrayed;   // before the pop-up opens
  bool bExpectGrayed;
};

TEST(FrameMenu, SubMenuItemsKeepTheirStateWhilePlainItemsUpdate) {
  const ItemCase cases[] = {
      {"first command disables", ID_OFF, false, false},
      {"first command enables", ID_ON, true, true},
      {"command handler only", ID_PLAIN, true,
       true},  // never enabled or greyed without an update handler
      {"no handler", ID_NONE, false, false},
      {"led by a separator", 0, true, true},
      {"plain item without handler", (UINT)-1, false, true},
  };
  CMenuFrame* pFrame = new CMenuFrame;  // deletes itself with its window
  ASSERT_TRUE(pFrame->Create(NULL, "menus", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
  HMENU hPopup = ::CreatePopupMenu();
  for (const ItemCase& c : cases) {
    UINT nFlags = MF_STRING | (c.bGrayed ? MF_GRAYED : 0);
    if (c.nFirstID == (UINT)-1) {
      ::AppendMenuA(hPopup, nFlags, ID_NONE, c.text);
      continue;
    }
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenuA(hSub, c.nFirstID == 0 ? MF_SEPARATOR : MF_STRING, c.nFirstID, "first");
    ::AppendMenuA(hSub, MF_STRING, ID_ON, "second");
    ::AppendMenuA(hPopup, nFlags | MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), c.text);
  }

  pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    const ItemCase& c = cases[i];
    SCOPED_TRACE(c.text);
    UINT nState = ::GetMenuState(hPopup, i, MF_BYPOSITION);
    EXPECT_EQ(c.bExpectGrayed, (nState & MF_GRAYED) != 0);
    EXPECT_FALSE(nState & MF_CHECKED);
    char szText[64] = {};
    ::GetMenuStringA(hPopup, i, szText, sizeof szText, MF_BYPOSITION);
    EXPECT_EQ(std::string(c.text), szText);
    EXPECT_EQ(c.nFirstID != (UINT)-1, ::GetSubMenu(hPopup, i) != NULL);
  }
  // The sub-menus' own items are updated when they open.
  HMENU hEnabled = ::GetSubMenu(hPopup, 1);
  EXPECT_FALSE(::GetMenuState(hEnabled, 0, MF_BYPOSITION) & MF_CHECKED);
  pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hEnabled), 1);
  EXPECT_TRUE(::GetMenuState(hEnabled, 0, MF_BYPOSITION) & MF_CHECKED);

  ::DestroyMenu(hPopup);
  pFrame->DestroyWindow();
}

}  // namespace

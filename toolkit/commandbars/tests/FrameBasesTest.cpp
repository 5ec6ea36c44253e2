// The frame and dialog bases: the command bars they carry, the accelerator
// table a frame gives up to the shortcut manager, the keys that reach a
// command-bar field untranslated, and what is registered at start-up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportIniFile.h"
#include "SupportKeySystem.h"
#include "afxwin.h"
#include "commandbars/TKCommandBarEditCtrl.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsStartup.h"
#include "commandbars/TKDialog.h"
#include "commandbars/TKFrameWnd.h"
#include "testsupport/TempFolder.h"

namespace {

CWinApp theApp("VelmFrameBasesTest");

const UINT kIdrFrame = 1000;
const UINT kIddDialog = 2000;

HACCEL LoadTestAccelerators() {
  return ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCE(kIdrFrame));
}

class CTestFrame : public CTKMDIFrameWnd {
 public:
  /// Whether the frame's command bars take over the resource accelerators.
  BOOL m_bShortcutManagerTable = FALSE;
  std::vector<WORD> m_commands;

 protected:
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override {
    if (!CTKMDIFrameWnd::OnCreateClient(lpcs, pContext) || !CreateCommandBars()) return FALSE;
    if (m_bShortcutManagerTable)
      GetCommandBars()->GetShortcutManager()->SetAccelerators(LoadTestAccelerators());
    return TRUE;
  }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (lParam == 0) m_commands.push_back(LOWORD(wParam));  // not the fields' notifications
    return TRUE;
  }
};

class CTestDialog : public CTKDialog {
 public:
  std::vector<WORD> m_commands;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (lParam == 0) m_commands.push_back(LOWORD(wParam));  // not the fields' notifications
    return TRUE;
  }
};

class FrameBasesTest : public ::testing::Test {
 protected:
  void SetUp() override { TKSetCommandBarsSystem(&m_system); }
  void TearDown() override {
    if (m_pFrame != nullptr) m_pFrame->DestroyWindow();
    TKSetCommandBarsSystem(nullptr);
  }
  void MakeFrame(BOOL bShortcutManagerTable) {
    m_pFrame = new CTestFrame;
    m_pFrame->m_bShortcutManagerTable = bShortcutManagerTable;
    ASSERT_TRUE(m_pFrame->LoadFrame(kIdrFrame, WS_OVERLAPPEDWINDOW));
    m_pFrame->ShowWindow(SW_SHOW);
  }

  CKeyStateSystem m_system;
  CTestFrame* m_pFrame = nullptr;
};

struct KeyCase {
  WPARAM key;
  BOOL inField;
  BOOL taken;
  std::vector<WORD> commands;
};

const KeyCase kKeyCases[] = {
    {'A', TRUE, FALSE, {}},      // typed into the field, accelerator or not
    {'A', FALSE, TRUE, {200}},   // elsewhere it is the accelerator
    {VK_TAB, TRUE, TRUE, {201}},
    {VK_RETURN, TRUE, TRUE, {202}},
    {VK_ESCAPE, TRUE, TRUE, {203}},
};

/// Sends each key through the window's filter with the focus in a field or
/// in a plain edit; `commands` is what the window received.
template <class TWindow>
void CheckKeys(TWindow* pWnd) {
  CTKCommandBarEditCtrl field;
  CEdit plain;
  ASSERT_TRUE(field.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), pWnd, 300));
  ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE, CRect(0, 30, 80, 50), pWnd, 301));
  for (const KeyCase& c : kKeyCases) {
    pWnd->m_commands.clear();
    (c.inField ? static_cast<CWnd&>(field) : static_cast<CWnd&>(plain)).SetFocus();
    MSG msg = {pWnd->GetSafeHwnd(), WM_KEYDOWN, c.key, 0, 0, {0, 0}};
    EXPECT_EQ(c.taken, pWnd->PreTranslateMessage(&msg)) << c.key << " in field " << c.inField;
    EXPECT_EQ(c.commands, pWnd->m_commands) << c.key << " in field " << c.inField;
  }
  field.DestroyWindow();
  plain.DestroyWindow();
}

TEST_F(FrameBasesTest, LoadFrameDropsTheFrameTableWhenTheShortcutManagerHoldsOne) {
  MakeFrame(FALSE);
  EXPECT_NE(nullptr, m_pFrame->m_hAccelTable);
  m_pFrame->DestroyWindow();
  MakeFrame(TRUE);
  EXPECT_EQ(nullptr, m_pFrame->m_hAccelTable);
  EXPECT_EQ(4, m_pFrame->GetCommandBars()->GetShortcutManager()->GetAccelerators()->GetCount());
}

TEST_F(FrameBasesTest, LettersReachAFieldUntranslatedWhoeverTranslatesTheAccelerators) {
  for (BOOL bShortcutManagerTable : {FALSE, TRUE}) {
    MakeFrame(bShortcutManagerTable);
    CheckKeys(m_pFrame);
    m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
  }
}

TEST_F(FrameBasesTest, ADialogGivesKeysToItsCommandBarsButNotAFieldsLetters) {
  CTestDialog dialog;
  ASSERT_TRUE(dialog.Create(kIddDialog));
  ASSERT_TRUE(dialog.CreateCommandBars());
  EXPECT_EQ(&dialog, dialog.GetCommandBars()->GetSite());
  dialog.GetCommandBars()->GetShortcutManager()->SetAccelerators(LoadTestAccelerators());
  dialog.ShowWindow(SW_SHOW);
  CheckKeys(&dialog);
  dialog.DestroyWindow();
}

TEST_F(FrameBasesTest, CreatingCommandBarsOfAnotherClassFails) {
  MakeFrame(FALSE);
  CTKCommandBars* pFirst = m_pFrame->GetCommandBars();
  ASSERT_NE(nullptr, pFirst);
  EXPECT_EQ(m_pFrame, pFirst->GetSite());
  EXPECT_FALSE(m_pFrame->CreateCommandBars(RUNTIME_CLASS(CCmdTarget)));
  EXPECT_EQ(nullptr, m_pFrame->GetCommandBars());
  EXPECT_TRUE(m_pFrame->CreateCommandBars());
  EXPECT_NE(nullptr, m_pFrame->GetCommandBars());
}

TEST_F(FrameBasesTest, TheStateKeepsTheOptionsAndTheAcceleratorsInTheProfile) {
  CTempFolder folder;
  const std::string path = folder.PathOf("frame.ini");
  theApp.m_pszProfileName = path.c_str();
  MakeFrame(TRUE);
  CTKCommandBars* pBars = m_pFrame->GetCommandBars();
  CTKShortcutManager* pManager = pBars->GetShortcutManager();
  pBars->GetCommandBarsOptions()->bLargeIcons = TRUE;
  pManager->GetAccelerators()->RemoveAll();
  ACCEL accel = {FVIRTKEY, VK_F9, 500};
  pManager->GetAccelerators()->Add(new CTKShortcutManagerAccel(accel));
  m_pFrame->SaveCommandBarsState("Frame");
  EXPECT_EQ("1", ReadIniValue(path, "Frame-Options", "LargeIcons"));
  EXPECT_EQ("1", ReadIniValue(path, "Frame", "AcceleratorsVersion"));

  pBars->GetCommandBarsOptions()->bLargeIcons = FALSE;
  pManager->ResetAccelerators();
  m_pFrame->LoadCommandBarsState("Frame");
  EXPECT_TRUE(pBars->GetCommandBarsOptions()->bLargeIcons);
  ASSERT_EQ(1, pManager->GetAccelerators()->GetCount());
  EXPECT_EQ(500, pManager->GetAccelerators()->GetAt(0)->cmd);
  theApp.m_pszProfileName = nullptr;
}

TEST(CommandBarsStartup, TheThemeMessageAndTheClipboardFormatsAreRegistered) {
  const UINT nMessage = TKGetUpdateMdiChildThemeMessage();
  EXPECT_GE(nMessage, 0xC000u);
  EXPECT_EQ(nMessage, ::RegisterWindowMessageA("TK_WM_UPDATE_MDI_CHILD_THEME"));
  const struct {
    TKClipboardFormat format;
    const char* name;
  } formats[] = {{tkClipboardToolBarImage, "Zaredi ToolBar Image"},
                 {tkClipboardAlphaBitmap, "Alpha Bitmap Image"}};
  for (const auto& f : formats) {
    char szName[64] = "";
    ASSERT_NE(0, TKGetClipboardFormat(f.format)) << f.name;
    ::GetClipboardFormatNameA(TKGetClipboardFormat(f.format), szName, sizeof(szName));
    EXPECT_STREQ(f.name, szName);
  }
}

}  // namespace

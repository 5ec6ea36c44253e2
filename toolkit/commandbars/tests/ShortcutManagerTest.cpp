// The shortcut manager: keys and chords of the frame becoming commands, the
// modifiers it reads, accelerators as texts and back, and the table in the
// profile and the property exchange.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "SupportKeySystem.h"
#include "SupportIniFile.h"
#include "afxwin.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKShortcutManager.h"
#include "common/TKPropExchangeArchive.h"
#include "common/TKPropExchangeIniFile.h"
#include "testsupport/TempFolder.h"

namespace {

CWinApp theApp("VelmShortcutManagerTest");

const char kPrompt[] = "(Ctrl+K) was pressed. Waiting for second key of chord...";

TK_SHORTCUTMANAGER_ACCEL Accel(int cmd, BYTE fVirt, WORD key, BYTE fVirt2 = 0, WORD key2 = 0) {
  TK_SHORTCUTMANAGER_ACCEL accel = {};
  accel.cmd = cmd;
  accel.key[0].fVirt = fVirt;
  accel.key[0].key = key;
  accel.key[1].fVirt = fVirt2;
  accel.key[1].key = key2;
  return accel;
}

const BYTE kCtrl = FVIRTKEY | FCONTROL;

/// Stands in for the status bar: the texts the frame shows on it.
class CMessageBarStandIn : public CWnd {
 public:
  std::vector<std::string> m_texts;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SETTEXT)
      m_texts.push_back(lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "");
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class CCommandFrame : public CFrameWnd {
 public:
  std::vector<WPARAM> m_commands;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM) override {
    m_commands.push_back(wParam);
    return TRUE;
  }
};

class ShortcutManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    m_pFrame = new CCommandFrame;
    ASSERT_TRUE(m_pFrame->Create(NULL, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    ASSERT_TRUE(m_messageBar.Create(AfxRegisterWndClass(0), "", WS_CHILD, CRect(0, 180, 300, 200),
                                    m_pFrame, AFX_IDW_STATUS_BAR));
    m_pBars = new CTKCommandBars;
    m_pBars->SetSite(m_pFrame);
    m_pManager = m_pBars->GetShortcutManager();
  }
  void TearDown() override {
    DrainMessages();
    m_pBars->InternalRelease();
    m_pFrame->DestroyWindow();
    TKSetCommandBarsSystem(nullptr);
    theApp.m_pszProfileName = nullptr;
  }

  void Add(const TK_SHORTCUTMANAGER_ACCEL& accel) {
    m_pManager->GetAccelerators()->Add(new CTKShortcutManagerAccel(accel));
  }
  void AddChords() {
    Add(Accel(100, kCtrl, 'K', kCtrl, 'L'));
    Add(Accel(101, kCtrl, 'K', kCtrl, 'D'));
  }
  MSG Key(UINT message, WPARAM wParam) {
    MSG msg = {m_pFrame->GetSafeHwnd(), message, wParam, 0, 0, {0, 0}};
    return msg;
  }
  BOOL Translate(UINT message, WPARAM wParam) {
    MSG msg = Key(message, wParam);
    return m_pManager->TranslateAccelerator(&msg);
  }
  void Post(UINT message, WPARAM wParam) {
    ::PostMessage(m_pFrame->GetSafeHwnd(), message, wParam, 0);
  }
  static void DrainMessages() {
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
    }
  }
  /// The table's accelerators as records, in order.
  std::vector<TK_SHORTCUTMANAGER_ACCEL> Table() const {
    std::vector<TK_SHORTCUTMANAGER_ACCEL> table;
    CTKShortcutManagerAccelTable* pTable = m_pManager->GetAccelerators();
    for (int i = 0; i < pTable->GetCount(); ++i) table.push_back(*pTable->GetAt(i));
    return table;
  }
  std::string Format(const TK_SHORTCUTMANAGER_ACCEL& accel, int* pnPriority = nullptr) {
    return std::string(m_pManager->FormatAccelerator(&accel, pnPriority));
  }
  /// An original table, without which the profile is left alone.
  void GiveOriginalTable() {
    ACCEL accel = {FVIRTKEY | FCONTROL, 'O', 7};
    HACCEL hAccel = ::CreateAcceleratorTableA(&accel, 1);
    m_pManager->SetAccelerators(hAccel);
    ::DestroyAcceleratorTable(hAccel);
  }

  CKeyStateSystem m_system;
  CCommandFrame* m_pFrame = nullptr;
  CMessageBarStandIn m_messageBar;
  CTKCommandBars* m_pBars = nullptr;
  CTKShortcutManager* m_pManager = nullptr;
};

bool SameAccel(const TK_SHORTCUTMANAGER_ACCEL& a, const TK_SHORTCUTMANAGER_ACCEL& b) {
  return a.cmd == b.cmd && a.key[0].fVirt == b.key[0].fVirt && a.key[0].key == b.key[0].key &&
         a.key[1].fVirt == b.key[1].fVirt && a.key[1].key == b.key[1].key;
}

// Keys and chords ----------------------------------------------------------------------------

TEST_F(ShortcutManagerTest, AChordShowsItsPromptAndRunsTheCommandOfItsSecondKey) {
  struct Case {
    const char* name;
    std::vector<std::pair<UINT, WPARAM>> posted;
    std::vector<WPARAM> commands;
    int beeps;
  } cases[] = {
      {"Ctrl+D", {{WM_KEYDOWN, 'D'}}, {101}, 0},
      {"Ctrl+L", {{WM_KEYDOWN, 'L'}}, {100}, 0},
      {"Shift pressed and released first",
       {{WM_KEYDOWN, VK_SHIFT}, {WM_KEYUP, VK_SHIFT}, {WM_KEYDOWN, 'D'}}, {101}, 0},
      {"an unrelated key", {{WM_KEYDOWN, 'X'}}, {}, 1},
      {"a click", {{WM_LBUTTONDOWN, 0}, {WM_KEYDOWN, 'D'}}, {}, 0},
  };
  AddChords();
  m_system.Hold({VK_CONTROL});
  for (const Case& c : cases) {
    m_pFrame->m_commands.clear();
    m_messageBar.m_texts.clear();
    m_system.m_nBeeps = 0;
    for (const auto& message : c.posted) Post(message.first, message.second);

    EXPECT_TRUE(Translate(WM_KEYDOWN, 'K')) << c.name;
    EXPECT_EQ(c.commands, m_pFrame->m_commands) << c.name;
    EXPECT_EQ(c.beeps, m_system.m_nBeeps) << c.name;
    EXPECT_EQ((std::vector<std::string>{kPrompt, ""}), m_messageBar.m_texts) << c.name;
    EXPECT_EQ(NULL, ::GetCapture()) << c.name;
    EXPECT_FALSE(m_pManager->IsLocked()) << c.name;
    DrainMessages();
  }
}

TEST_F(ShortcutManagerTest, AQuitDuringAChordEndsItAndIsPostedAgainWithItsExitCode) {
  AddChords();
  m_system.Hold({VK_CONTROL});
  ::PostQuitMessage(7);
  EXPECT_TRUE(Translate(WM_KEYDOWN, 'K'));
  EXPECT_TRUE(m_pFrame->m_commands.empty());
  EXPECT_FALSE(m_pManager->IsLocked());
  MSG msg;
  ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(7u, msg.wParam);
}

TEST_F(ShortcutManagerTest, AltGrCountsAsTheKeyAloneUnlessTheOtherCtrlOrAltIsHeld) {
  Add(Accel(1, FVIRTKEY, 'E'));
  Add(Accel(2, FVIRTKEY | FCONTROL | FALT, 'E'));
  Add(Accel(3, FVIRTKEY | FCONTROL, 'E'));
  Add(Accel(4, FVIRTKEY | FALT, 'E'));
  const std::set<int> altGr = {VK_RMENU, VK_MENU, VK_LCONTROL, VK_CONTROL};
  struct Case {
    std::set<int> extra;
    WPARAM command;
  } cases[] = {
      {{}, 1},
      {{VK_RCONTROL}, 3},
      {{VK_LMENU}, 4},
      {{VK_RCONTROL, VK_LMENU}, 2},
  };
  for (const Case& c : cases) {
    m_pFrame->m_commands.clear();
    m_system.m_down = altGr;
    m_system.m_down.insert(c.extra.begin(), c.extra.end());
    EXPECT_TRUE(Translate(WM_SYSKEYDOWN, 'E'));
    EXPECT_EQ(std::vector<WPARAM>{c.command}, m_pFrame->m_commands) << c.command;
  }
  // The left Ctrl with the left Alt is a real Ctrl+Alt.
  m_pFrame->m_commands.clear();
  m_system.Hold({VK_LCONTROL, VK_CONTROL, VK_LMENU, VK_MENU});
  EXPECT_TRUE(Translate(WM_SYSKEYDOWN, 'E'));
  EXPECT_EQ(std::vector<WPARAM>{2}, m_pFrame->m_commands);
}

TEST_F(ShortcutManagerTest, AKeyIsConsumedOnlyWhenItMatchesAndRunsOnlyWhenTheFrameCanTakeIt) {
  Add(Accel(0, FVIRTKEY, VK_F2));
  Add(Accel(5, FVIRTKEY, VK_F5));
  Add(Accel(6, 0, 'a'));  // a character: matches WM_CHAR only
  CWnd other;
  ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_POPUP, CRect(0, 0, 10, 10),
                             nullptr, 0));
  struct Case {
    const char* name;
    UINT message;
    WPARAM key;
    BOOL consumed;
    std::vector<WPARAM> commands;
  } cases[] = {
      {"F5", WM_KEYDOWN, VK_F5, TRUE, {5}},
      {"F5 released", WM_KEYUP, VK_F5, FALSE, {}},
      {"an unknown key", WM_KEYDOWN, VK_F6, FALSE, {}},
      {"the character a", WM_CHAR, 'a', TRUE, {6}},
      {"the key A", WM_KEYDOWN, 'a', FALSE, {}},
      {"command 0", WM_KEYDOWN, VK_F2, TRUE, {}},
      {"disabled frame", WM_KEYDOWN, VK_F5, TRUE, {}},
      {"captured mouse", WM_KEYDOWN, VK_F5, TRUE, {}},
      {"captured mouse, allowed", WM_KEYDOWN, VK_F5, TRUE, {5}},
      {"locked", WM_KEYDOWN, VK_F5, FALSE, {}},
      {"customise mode", WM_KEYDOWN, VK_F5, FALSE, {}},
  };
  for (const Case& c : cases) {
    const std::string name = c.name;
    m_pFrame->m_commands.clear();
    if (name == "disabled frame") m_pFrame->EnableWindow(FALSE);
    if (name.find("captured") == 0) other.SetCapture();
    if (name == "captured mouse, allowed") m_pManager->SetNotWhileCaptured(FALSE);
    if (name == "locked") m_pManager->DisableShortcuts(TRUE);
    if (name == "customise mode") m_pBars->SetCustomizeMode(TRUE);

    EXPECT_EQ(c.consumed, Translate(c.message, c.key)) << c.name;
    EXPECT_EQ(c.commands, m_pFrame->m_commands) << c.name;

    m_pFrame->EnableWindow(TRUE);
    ::ReleaseCapture();
    m_pManager->SetNotWhileCaptured(TRUE);
    if (name == "locked") m_pManager->DisableShortcuts(FALSE);
    m_pBars->SetCustomizeMode(FALSE);
  }
  other.DestroyWindow();
}

TEST_F(ShortcutManagerTest, APlainEscapeIsRefusedUnlessAllowed) {
  const TK_SHORTCUTMANAGER_ACCEL escape = Accel(1, FVIRTKEY, VK_ESCAPE);
  const TK_SHORTCUTMANAGER_ACCEL shiftEscape = Accel(1, FVIRTKEY | FSHIFT, VK_ESCAPE);
  EXPECT_FALSE(m_pManager->IsAcceptedAccelerator(&escape));
  EXPECT_TRUE(m_pManager->IsAcceptedAccelerator(&shiftEscape));
  m_pManager->AllowEscapeShortcut(TRUE);
  EXPECT_TRUE(m_pManager->IsAcceptedAccelerator(&escape));
}

// Texts -------------------------------------------------------------------------------------

TEST_F(ShortcutManagerTest, AcceleratorsFormatAsTextsWithTheirPriority) {
  struct Case {
    TK_SHORTCUTMANAGER_ACCEL accel;
    const char* text;
    int priority;
  } cases[] = {
      {Accel(1, FVIRTKEY | FCONTROL | FSHIFT, VK_F5), "Ctrl+Shift+F5", 3},
      {Accel(1, FVIRTKEY, VK_F12), "F12", 4},
      {Accel(1, FVIRTKEY | FALT | FSHIFT, VK_DELETE), "Shift+Alt+Del", 2},
      {Accel(1, FVIRTKEY | FSHIFT, VK_NUMPAD7), "Shift+Num 7", 1},
      {Accel(1, FVIRTKEY | TKFWIN, 'E'), "Win+E", 4},
      {Accel(1, FVIRTKEY | FCONTROL, VK_CANCEL), "Ctrl+Break", 3},
      {Accel(1, FVIRTKEY | FCONTROL, 0), "Ctrl", 3},
      {Accel(1, kCtrl, 'K', kCtrl, 'D'), "Ctrl+K, Ctrl+D", 3},
      {Accel(1, FNOINVERT, 4), "Ctrl+D", 4},
      {Accel(1, 0, 'q'), "q", 4},
      {Accel(1, 0, VK_TAB), "", 4},
  };
  for (const Case& c : cases) {
    int nPriority = 0;
    EXPECT_EQ(c.text, Format(c.accel, &nPriority));
    EXPECT_EQ(c.priority, nPriority) << c.text;
  }
}

TEST_F(ShortcutManagerTest, TextsParseBackIntoTheirKeys) {
  struct Case {
    const char* text;
    BOOL parses;
    TK_SHORTCUTMANAGER_ACCEL accel;
  } cases[] = {
      {"Ctrl+Shift+F5", TRUE, Accel(0, FVIRTKEY | FCONTROL | FSHIFT, VK_F5)},
      {"Alt+Num +", TRUE, Accel(0, FVIRTKEY | FALT, VK_ADD)},
      {"ctrl+k", FALSE, {}},  // modifiers are matched as written
      {"Shift+page down", TRUE, Accel(0, FVIRTKEY | FSHIFT, VK_NEXT)},
      {"Ctrl+K, Ctrl+D", TRUE, Accel(0, kCtrl, 'K', kCtrl, 'D')},
      {"0xe9", TRUE, Accel(0, FVIRTKEY, 0xE9)},
      {"0x5", FALSE, {}},
      {"Ctrl+K, Nothing", FALSE, {}},
      {"", FALSE, {}},
  };
  for (const Case& c : cases) {
    TK_SHORTCUTMANAGER_ACCEL parsed = Accel(0, 0, 0, 0x7F, 0x7F);
    EXPECT_EQ(c.parses, m_pManager->ParseShortcut(c.text, &parsed)) << c.text;
    if (c.parses) EXPECT_TRUE(SameAccel(c.accel, parsed)) << c.text;
  }
  // What is formatted with the table's names reads back as it was; a key the
  // table does not name is written in hexadecimal.
  const TK_SHORTCUTMANAGER_ACCEL unnamed = Accel(0, FVIRTKEY | FCONTROL | FALT, 0xE9, kCtrl, VK_F5);
  CTKShortcutManager::CKeyHelper helper(&unnamed, m_pManager);
  helper.UseManagerNames(FALSE);
  CString strText;
  helper.Format(strText);
  EXPECT_STREQ("Ctrl+Alt+0xe9, Ctrl+F5", strText);
  TK_SHORTCUTMANAGER_ACCEL parsed = {};
  ASSERT_TRUE(m_pManager->ParseShortcut(strText, &parsed));
  EXPECT_TRUE(SameAccel(unnamed, parsed));
}

TEST_F(ShortcutManagerTest, TheDefaultTextIsTheHighestPriorityUnlessTheGivenTextIsOne) {
  Add(Accel(9, FVIRTKEY | FCONTROL, 'S'));
  Add(Accel(9, FVIRTKEY, VK_F12));
  Add(Accel(8, FVIRTKEY | FSHIFT, VK_F1));
  Add(Accel(8, FVIRTKEY | FALT, VK_F1));
  struct Case {
    int id;
    const char* given;
    BOOL found;
    const char* text;
  } cases[] = {
      {9, "", TRUE, "F12"},
      {9, "Ctrl+S", TRUE, "Ctrl+S"},
      {9, "Ctrl+Q", TRUE, "F12"},
      {8, "", TRUE, "Alt+F1"},
      {7, "Ctrl+S", FALSE, ""},
  };
  for (const Case& c : cases) {
    CString strText = c.given;
    EXPECT_EQ(c.found, m_pManager->FindDefaultAccelerator(c.id, strText)) << c.id << c.given;
    EXPECT_STREQ(c.text, strText) << c.id << c.given;
  }
}

TEST_F(ShortcutManagerTest, AnEmptyTableFallsBackOnTheFrameTableUntilAnOriginalTableExists) {
  ACCEL accel = {FVIRTKEY | FCONTROL, 'P', 12};
  m_pFrame->m_hAccelTable = ::CreateAcceleratorTableA(&accel, 1);
  CString strText;
  EXPECT_TRUE(m_pManager->FindDefaultAccelerator(12, strText));
  EXPECT_STREQ("Ctrl+P", strText);

  GiveOriginalTable();
  m_pManager->GetAccelerators()->RemoveAll();
  EXPECT_FALSE(m_pManager->FindDefaultAccelerator(12, strText));
  ::DestroyAcceleratorTable(m_pFrame->m_hAccelTable);
  m_pFrame->m_hAccelTable = NULL;
}

TEST_F(ShortcutManagerTest, ResetTakesTheOriginalTableBack) {
  GiveOriginalTable();
  m_pManager->GetAccelerators()->RemoveAll();
  Add(Accel(3, FVIRTKEY, VK_F3));
  m_pManager->ResetAccelerators();
  ASSERT_EQ(1u, Table().size());
  EXPECT_TRUE(SameAccel(Accel(7, FVIRTKEY | FCONTROL, 'O'), Table()[0]));
}

TEST(Mnemonics, TheMnemonicIsTheFirstAmpersandThatIsNotDoubled) {
  struct Case {
    const char* caption;
    int pos;
  } cases[] = {{"A&&B &Print", 5}, {"&Open", 0}, {"A&&B", -1}, {"None", -1}, {"&&&x", 2}};
  for (const Case& c : cases) EXPECT_EQ(c.pos, FindMnemonicPos(c.caption)) << c.caption;
}

TEST(Mnemonics, AKeyMatchesTheCharactersItTypes) {
  struct Case {
    int ch;
    UINT key;
    BOOL matches;
  } cases[] = {
      {'a', 'A', TRUE},       {'A', 'A', TRUE},         {'b', 'A', FALSE},
      {'5', VK_NUMPAD5, TRUE}, {'6', VK_NUMPAD5, FALSE}, {'1', '1', TRUE},
      {'!', '1', TRUE},       {'a', VK_F1, FALSE},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.matches, IsVirtualKeyForChar(c.ch, c.key)) << char(c.ch) << " " << c.key;
}

TEST(Mnemonics, TheKeysHeldDecideWhatALayoutTypes) {
  CKeyStateSystem system;
  TKSetCommandBarsSystem(&system);
  EXPECT_TRUE(IsVirtualKeyForChar('!', '1'));
  system.Hold({VK_CONTROL});  // Ctrl+1 types nothing, shifted or not
  EXPECT_FALSE(IsVirtualKeyForChar('!', '1'));
  EXPECT_TRUE(IsVirtualKeyForChar('1', '1')) << "the key's own character needs no layout";
  TKSetCommandBarsSystem(nullptr);
}

// The profile -----------------------------------------------------------------------------------

class ShortcutProfileTest : public ShortcutManagerTest {
 protected:
  void SetUp() override {
    ShortcutManagerTest::SetUp();
    m_path = m_folder.PathOf("profile.ini");
    theApp.m_pszProfileName = m_path.c_str();
  }
  CTempFolder m_folder;
  std::string m_path;
};

TEST_F(ShortcutProfileTest, AValueWithoutVersionHoldsWindowsAccelRecords) {
  GiveOriginalTable();
  const BYTE records[] = {FVIRTKEY | FCONTROL, 0, 'S', 0, 0x34, 0x12,  // Ctrl+S, 0x1234
                          FVIRTKEY, 0, VK_F12, 0, 0x35, 0x12,          // F12, 0x1235
                          0xFF, 0xFF};                                 // a part record
  theApp.WriteProfileBinary("Bars", "Accelerators", const_cast<BYTE*>(records), sizeof(records));
  m_pManager->LoadShortcuts("Bars");
  std::vector<TK_SHORTCUTMANAGER_ACCEL> table = Table();
  ASSERT_EQ(2u, table.size());
  EXPECT_TRUE(SameAccel(Accel(0x1234, FVIRTKEY | FCONTROL, 'S'), table[0]));
  EXPECT_TRUE(SameAccel(Accel(0x1235, FVIRTKEY, VK_F12), table[1]));
}

TEST_F(ShortcutProfileTest, VersionOneHoldsTwelveByteRecordsAndOtherVersionsAreLeftAlone) {
  GiveOriginalTable();
  const BYTE record[] = {0x65, 0, 0, 0, kCtrl, 0x5A, 'K', 0, kCtrl, 0xA5, 'D', 0};
  theApp.WriteProfileBinary("Bars", "Accelerators", const_cast<BYTE*>(record), sizeof(record));
  theApp.WriteProfileInt("Bars", "AcceleratorsVersion", 2);
  m_pManager->LoadShortcuts("Bars");
  ASSERT_EQ(1u, Table().size());
  EXPECT_EQ(7, Table()[0].cmd) << "an unknown version changes nothing";

  theApp.WriteProfileInt("Bars", "AcceleratorsVersion", 1);
  m_pManager->LoadShortcuts("Bars");
  std::vector<TK_SHORTCUTMANAGER_ACCEL> table = Table();
  ASSERT_EQ(1u, table.size());
  EXPECT_TRUE(SameAccel(Accel(101, kCtrl, 'K', kCtrl, 'D'), table[0]));
  EXPECT_EQ(0x5A, table[0].key[0].bPad) << "the padding is kept as read";
}

TEST_F(ShortcutProfileTest, SavedAcceleratorsLoadBackAndNothingIsKeptWithoutAnOriginalTable) {
  AddChords();
  m_pManager->SaveShortcuts("Bars");
  EXPECT_EQ(-1, theApp.GetProfileInt("Bars", "AcceleratorsVersion", -1));

  GiveOriginalTable();
  m_pManager->GetAccelerators()->RemoveAll();
  AddChords();
  m_pManager->SaveShortcuts("Bars");
  EXPECT_EQ(1, theApp.GetProfileInt("Bars", "AcceleratorsVersion", -1));
  m_pManager->ResetAccelerators();
  m_pManager->LoadShortcuts("Bars");
  std::vector<TK_SHORTCUTMANAGER_ACCEL> table = Table();
  ASSERT_EQ(2u, table.size());
  EXPECT_TRUE(SameAccel(Accel(100, kCtrl, 'K', kCtrl, 'L'), table[0]));
  EXPECT_TRUE(SameAccel(Accel(101, kCtrl, 'K', kCtrl, 'D'), table[1]));
}

// The property exchange ---------------------------------------------------------------------------

/// Loads the manager from an archive holding a count and a blob, written by hand.
void LoadBlob(CTKShortcutManager* pManager, int nSchema, DWORD nCount, const BYTE* pData,
              DWORD cbData) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    ar.WriteCount(nCount);
    ar.WriteCount(cbData);
    ar.Write(pData, cbData);
  }
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  CTKPropExchangeArchive px(ar);
  px.SetSchema(nSchema);
  pManager->DoPropExchange(&px);
}

TEST_F(ShortcutManagerTest, BlobsBelowSchema33HoldAccelRecordsAndFromItTwelveByteRecords) {
  const BYTE accels[] = {FVIRTKEY | FCONTROL, 0, 'S', 0, 0x34, 0x12, FVIRTKEY, 0, VK_F12, 0, 9, 0};
  LoadBlob(m_pManager, 32, 2, accels, sizeof(accels));
  std::vector<TK_SHORTCUTMANAGER_ACCEL> table = Table();
  ASSERT_EQ(2u, table.size());
  EXPECT_TRUE(SameAccel(Accel(0x1234, FVIRTKEY | FCONTROL, 'S'), table[0]));
  EXPECT_TRUE(SameAccel(Accel(9, FVIRTKEY, VK_F12), table[1]));

  const BYTE record[] = {0x65, 0, 0, 0, kCtrl, 0, 'K', 0, kCtrl, 0, 'D', 0};
  LoadBlob(m_pManager, 33, 1, record, sizeof(record));
  table = Table();
  ASSERT_EQ(1u, table.size());
  EXPECT_TRUE(SameAccel(Accel(101, kCtrl, 'K', kCtrl, 'D'), table[0]));
}

TEST_F(ShortcutManagerTest, ABlobWhoseCountDoesNotFitItsDataLeavesTheTableAsItWas) {
  const BYTE data[12] = {};
  struct Case {
    const char* name;
    int schema;
    DWORD count;
  } cases[] = {
      {"more accel records than bytes", 32, 3},
      {"fewer accel records than bytes", 32, 1},
      {"an accel count that overflows to the size", 32, 0x80000002u},
      {"more records than bytes", 33, 2},
      {"a record count that overflows to the size", 42, 0x40000001u},
  };
  Add(Accel(5, FVIRTKEY, VK_F5));
  for (const Case& c : cases) {
    LoadBlob(m_pManager, c.schema, c.count, data, sizeof(data));
    std::vector<TK_SHORTCUTMANAGER_ACCEL> table = Table();
    ASSERT_EQ(1u, table.size()) << c.name;
    EXPECT_TRUE(SameAccel(Accel(5, FVIRTKEY, VK_F5), table[0])) << c.name;
  }
}

TEST_F(ShortcutManagerTest, TheTableComesBackThroughTheArchive) {
  AddChords();
  Add(Accel(7, FVIRTKEY, 0xE9));
  const std::vector<TK_SHORTCUTMANAGER_ACCEL> stored = Table();
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    CTKPropExchangeArchive px(ar);
    m_pManager->DoPropExchange(&px);
  }
  m_pManager->GetAccelerators()->RemoveAll();
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  CTKPropExchangeArchive px(ar);
  m_pManager->DoPropExchange(&px);
  std::vector<TK_SHORTCUTMANAGER_ACCEL> loaded = Table();
  ASSERT_EQ(stored.size(), loaded.size());
  for (size_t i = 0; i < stored.size(); ++i) EXPECT_TRUE(SameAccel(stored[i], loaded[i])) << i;
  EXPECT_EQ(file.GetLength(), file.GetPosition());
}

class ShortcutIniTest : public ShortcutManagerTest {
 protected:
  void SetUp() override {
    ShortcutManagerTest::SetUp();
    m_path = m_folder.PathOf("bars.ini");
  }
  CTKPropExchangeIniFile* Open(BOOL bLoading, int nSchema = CTKPropExchange::CurrentSchema) {
    CTKPropExchangeIniFile* px = new CTKPropExchangeIniFile(bLoading, nullptr, "Keys");
    px->AssignFile(m_path.c_str());
    px->SetSchema(nSchema);
    return px;
  }
  std::string Value(const char* section, const char* key) {
    return ReadIniValue(m_path, section, key);
  }
  CTempFolder m_folder;
  std::string m_path;
};

TEST_F(ShortcutIniTest, SectionsHoldTextsWithTheTableNamesAndSkipWhatDoesNotParse) {
  AddChords();
  Add(Accel(7, FVIRTKEY | FSHIFT, VK_F5));
  Add(Accel(8, FVIRTKEY, 0xE9));
  m_pManager->UseSystemKeyNameText(TRUE);  // stored texts do not follow the driver
  {
    CTKPropExchangeSection px(Open(FALSE));
    m_pManager->DoPropExchange(px);
  }
  m_pManager->UseSystemKeyNameText(FALSE);
  std::vector<TK_SHORTCUTMANAGER_ACCEL> stored = Table();
  ::WritePrivateProfileStringA("Keys\\Shortcut1", "Key", "Ctrl+K, Hyper+D", m_path.c_str());
  m_pManager->GetAccelerators()->RemoveAll();
  {
    CTKPropExchangeSection px(Open(TRUE));
    m_pManager->DoPropExchange(px);
  }
  std::vector<TK_SHORTCUTMANAGER_ACCEL> loaded = Table();
  ASSERT_EQ(3u, loaded.size());
  EXPECT_TRUE(SameAccel(stored[0], loaded[0]));
  EXPECT_TRUE(SameAccel(stored[2], loaded[1]));
  EXPECT_TRUE(SameAccel(stored[3], loaded[2]));
  EXPECT_EQ("Shift+F5", Value("Keys\\Shortcut2", "Key"));
  EXPECT_EQ("0xe9", Value("Keys\\Shortcut3", "Key"));
}

TEST_F(ShortcutIniTest, SectionsBelowSchema33HoldIdFlagsAndKey) {
  {
    CTKPropExchangeSection px(Open(FALSE));
    CTKPropExchangeEnumeratorPtr pEnumerator(px->GetEnumerator("Accel"));
    POSITION pos = pEnumerator->GetPosition(2);
    const struct {
      int id;
      BYTE virt;
      short key;
    } accels[] = {{0x12345, FVIRTKEY | FALT, 'X'}, {6, FVIRTKEY, VK_F6}};
    for (int i = 0; pos != NULL; ++i) {
      CTKPropExchangeSection sec(pEnumerator->GetNext(pos));
      int id = accels[i].id;
      BYTE virt = accels[i].virt;
      short key = accels[i].key;
      ExchangeIntProp(sec, "Id", id, 0);
      ExchangeByteProp(sec, "virt", virt, 0);
      ExchangeShortProp(sec, "key", key, 0);
    }
  }
  {
    CTKPropExchangeSection px(Open(TRUE, 32));
    m_pManager->DoPropExchange(px);
  }
  std::vector<TK_SHORTCUTMANAGER_ACCEL> table = Table();
  ASSERT_EQ(2u, table.size());
  EXPECT_TRUE(SameAccel(Accel(0x12345, FVIRTKEY | FALT, 'X'), table[0]));
  EXPECT_TRUE(SameAccel(Accel(6, FVIRTKEY, VK_F6), table[1]));
}

}  // namespace

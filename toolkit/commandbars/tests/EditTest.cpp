// The edit field on a shown bar window: the hint in an empty field, Esc,
// spinning by keys and by a held button on a scripted clock, docking, copies
// and the states of the context menu's commands, the window on glass; with the
// system's rich edit and with the standard edit it falls back to.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SupportFakeDwm.h"
#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlEdit.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "common/TKPropExchangeIniFile.h"
#include "testsupport/HostWindow.h"
#include "testsupport/TempFolder.h"

namespace {

/// A recording system whose clock reads the next of the scripted times.
class CScriptedClock : public CRecordingSystem {
 public:
  std::vector<DWORD> m_ticks;
  DWORD GetTickCount() override {
    if (m_ticks.empty()) return 0;
    const DWORD dwNow = m_ticks.front();
    if (m_ticks.size() > 1) m_ticks.erase(m_ticks.begin());
    return dwNow;
  }
};

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override { MakeField(FALSE); }
  void TearDown() override {
    if (m_pBar != nullptr) {
      m_pBar->DestroyWindow();
      m_pBar->InternalRelease();
    }
    CTKCommandBarEditCtrl::UsePlainEdit(FALSE);
    TKSetCommandBarsSystem(nullptr);
  }

  void MakeField(BOOL bPopup, BOOL bPlain = FALSE) {
    TKDpiHelper()->OverrideDpi(96, 96);
    CTKCommandBarEditCtrl::UsePlainEdit(bPlain);
    TKSetCommandBarsSystem(&m_system);
    if (m_site.GetSafeHwnd() == NULL) {
      ASSERT_TRUE(m_site.CreateHost(400, 200));
      m_site.ShowWindow(SW_SHOW);
      m_site.SetForegroundWindow();
    }
    m_pBar = bPopup ? CTKPopupBar::CreatePopupBar(nullptr) : new CTKCommandBar;
    m_pBar->SetOwner(&m_site);
    ASSERT_TRUE(m_pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_CHILD | WS_VISIBLE, 0, 0,
                                 300, 40, m_site.GetSafeHwnd(), NULL));
    m_pEdit = new CTKControlEdit;
    m_pBar->GetControls()->AppendControl(m_pEdit);
    m_pEdit->SetID(kFieldId);
    m_pEdit->SetRect(CRect(0, 0, 150, 24));
    ASSERT_NE(nullptr, m_pEdit->GetEditCtrl());
    ASSERT_NE(nullptr, m_pEdit->GetEditCtrl()->GetSafeHwnd());
  }
  CString WindowText() const {
    CString str;
    m_pEdit->GetEditCtrl()->GetWindowText(str);
    return str;
  }
  void Focus() { m_pEdit->GetEditCtrl()->SetFocus(); }
  void Unfocus() { m_site.SetFocus(); }
  /// Codes of the notifications the site received, oldest first.
  int CountNotifications(UINT nCode) const {
    int n = 0;
    for (const SiteNotification& s : m_site.m_notifications) n += s.hdr.code == nCode;
    return n;
  }

  static const int kFieldId = 3131;
  CTestGlobalPaintManager m_global;
  CScriptedClock m_system;
  CTestSite m_site;
  CTKCommandBar* m_pBar = nullptr;
  CTKControlEdit* m_pEdit = nullptr;
};

// The hint, with either kind of window ------------------------------------------------------

class EditHintTest : public EditTest, public ::testing::WithParamInterface<BOOL> {};

TEST_P(EditHintTest, AnErasedFieldShowsTheHintWhichReadsBackEmpty) {
  const BOOL bPlain = GetParam();
  m_pBar->DestroyWindow();
  m_pBar->InternalRelease();
  MakeField(FALSE, bPlain);
  EXPECT_EQ(!bPlain, m_pEdit->GetEditCtrl()->IsRichEdit());
  m_pEdit->SetEditHint("Search");
  EXPECT_EQ(CString("Search"), WindowText());
  EXPECT_EQ(CString(), m_pEdit->GetEditText());

  Focus();
  ASSERT_TRUE(m_pEdit->IsFocused());
  EXPECT_EQ(CString(), WindowText()) << "the hint goes when the field gets the focus";
  m_pEdit->GetEditCtrl()->SetWindowText("abc");
  Unfocus();
  EXPECT_FALSE(m_pEdit->IsFocused());
  EXPECT_EQ(CString("abc"), m_pEdit->GetEditText());

  Focus();
  m_pEdit->GetEditCtrl()->SetWindowText("");
  Unfocus();
  EXPECT_EQ(CString("Search"), WindowText()) << "an erased field shows the hint again";
  EXPECT_EQ(CString(), m_pEdit->GetEditText());
  if (!bPlain) {
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof(cf);
    m_pEdit->GetEditCtrl()->SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
    EXPECT_EQ(::GetSysColor(COLOR_GRAYTEXT), cf.crTextColor) << "the hint is grey";
  }

  m_pEdit->OnClick(FALSE, CPoint(40, 10));
  EXPECT_EQ(CString(), WindowText()) << "a click empties the field";
  m_pEdit->GetEditCtrl()->SetWindowText("Search");
  EXPECT_EQ(CString(), m_pEdit->GetEditText()) << "typing the hint is typing nothing";
}

INSTANTIATE_TEST_SUITE_P(Windows, EditHintTest, ::testing::Values(FALSE, TRUE));

TEST_F(EditTest, TheActionsNewHintReplacesTheShownOneAndLeavesTypedText) {
  CTKControlAction* pAction = new CTKControlAction(nullptr);
  m_pEdit->SetAction(pAction);
  pAction->SetEditHint("Old");
  EXPECT_EQ(CString("Old"), WindowText());
  pAction->SetEditHint("New");
  EXPECT_EQ(CString("New"), WindowText());
  EXPECT_EQ(CString(), m_pEdit->GetEditText());
  m_pEdit->SetEditText("typed");
  pAction->SetEditHint("Newer");
  EXPECT_EQ(CString("typed"), m_pEdit->GetEditText());
  m_pEdit->SetAction(nullptr);
  pAction->InternalRelease();
}

// Esc -----------------------------------------------------------------------------------------

struct EscapeCase {
  BOOL bPopup;
  int nResult;  // 1: the pop-up stays open; 0: the bar leaves tracking
};

class EditEscapeTest : public EditTest, public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(EditEscapeTest, EscPutsBackTheTextOfTheMomentOfFocus) {
  m_pBar->DestroyWindow();
  m_pBar->InternalRelease();
  MakeField(GetParam().bPopup);
  m_pEdit->SetEditText("old");
  Focus();
  ASSERT_TRUE(m_pEdit->IsFocused());
  EXPECT_TRUE(m_pBar->IsTrackingMode());
  m_pEdit->GetEditCtrl()->SetWindowText("new");
  EXPECT_EQ(GetParam().nResult, m_pEdit->OnHookKeyDown(VK_ESCAPE, 0));
  EXPECT_EQ(CString("old"), m_pEdit->GetEditText());
  EXPECT_FALSE(m_pEdit->IsFocused());
  EXPECT_EQ(1, CountNotifications(EN_KILLFOCUS));
}

INSTANTIATE_TEST_SUITE_P(Bars, EditEscapeTest,
                         ::testing::Values(EscapeCase{FALSE, 0}, EscapeCase{TRUE, 1}));

// Spinning ----------------------------------------------------------------------------------------

TEST_F(EditTest, ArrowKeysSpinAndASiteThatTakesTheStepKeepsTheText) {
  m_pEdit->ShowSpinButtons(TRUE);
  m_pEdit->SetEditText("12");
  Focus();
  EXPECT_EQ(1, m_pEdit->OnHookKeyDown(VK_UP, 0));
  EXPECT_EQ(CString("13"), m_pEdit->GetEditText());
  EXPECT_EQ(1, CountNotifications(TKN_EDIT_SPINUP));
  EXPECT_EQ(1, CountNotifications(TKN_EXECUTE));
  m_site.m_nNotifyAnswer = 1;
  EXPECT_EQ(1, m_pEdit->OnHookKeyDown(VK_DOWN, 0));
  EXPECT_EQ(CString("13"), m_pEdit->GetEditText());
  EXPECT_EQ(1, CountNotifications(TKN_EDIT_SPINDOWN));
}

TEST_F(EditTest, StepsAreSnappedToTheirMultipleInTheDirectionOfTravel) {
  struct Case {
    const char* text;
    int nStep, nDirection;
    const char* result;
  } cases[] = {{"12", 5, 1, "20"}, {"12", 5, -1, "5"}, {"12", 20, 1, "40"},
               {"-3", 5, -1, "-10"}, {"x7", 1, 1, "1"}};
  for (const Case& c : cases) {
    m_pEdit->SetEditText(c.text);
    m_pEdit->Spin(c.nStep, c.nDirection);
    EXPECT_EQ(CString(c.result), m_pEdit->GetEditText()) << c.text << " " << c.nStep;
  }
}

/// Posts a mouse or timer message to the bar for the spin loop to take.
void PostToBar(CWnd* pBar, UINT nMessage, WPARAM wParam, CPoint pt = CPoint(0, 0)) {
  pBar->PostMessage(nMessage, wParam, MAKELPARAM(pt.x, pt.y));
}

TEST_F(EditTest, AHeldSpinButtonSpeedsUpWithTheTimeHeldInItsHalf) {
  m_pEdit->ShowSpinButtons(TRUE);
  m_pEdit->SetEditText("0");
  m_pBar->SetSelected(0);
  const CRect rcSpin = m_pEdit->GetSpinButtonsRect();
  const CPoint ptUp(rcSpin.CenterPoint().x, rcSpin.top + 2);
  const CPoint ptAway(ptUp.x - 60, ptUp.y);
  const WPARAM kTimer = CTKControlEdit::kTimerSpin;
  // Ticks read: the press, the first repeat at 530, leaving, coming back at
  // 4000, and a repeat 2,100 ms later (held 5,100 ms in all, 2,100 since back).
  m_system.m_ticks = {0, 530, 1000, 4000, 6100, 11300};
  PostToBar(m_pBar, WM_TIMER, kTimer);                  // +1 -> 2
  PostToBar(m_pBar, WM_MOUSEMOVE, MK_LBUTTON, ptAway);  // leaves the half
  PostToBar(m_pBar, WM_TIMER, kTimer);                  // no step
  PostToBar(m_pBar, WM_MOUSEMOVE, MK_LBUTTON, ptUp);    // back: the held time restarts
  PostToBar(m_pBar, WM_TIMER, kTimer);                  // 2,100 ms: +5 -> 7 -> 10
  PostToBar(m_pBar, WM_TIMER, kTimer);                  // 7,300 ms: +20 -> 30 -> 40
  PostToBar(m_pBar, WM_LBUTTONUP, 0, ptUp);
  m_pEdit->OnClick(FALSE, ptUp);                          // +1 at once -> 1
  EXPECT_EQ(CString("40"), m_pEdit->GetEditText());
  ASSERT_GE(m_system.m_started.size(), 2u);
  EXPECT_EQ(std::make_pair(kTimer, CTKControlEdit::kSpinFirstDelay),
            m_system.m_started[m_system.m_started.size() - 2]);
  EXPECT_EQ(std::make_pair(kTimer, CTKControlEdit::kSpinRepeat), m_system.m_started.back());
  EXPECT_EQ(1, m_system.CountKilled(kTimer));
  EXPECT_EQ(nullptr, CWnd::GetCapture());
}

TEST_F(EditTest, AQuitMessageEndsAHeldSpinAndStaysForTheThreadsOwnLoop) {
  m_pEdit->ShowSpinButtons(TRUE);
  m_pEdit->SetEditText("0");
  const CRect rcSpin = m_pEdit->GetSpinButtonsRect();
  ::PostQuitMessage(7);
  m_pEdit->OnClick(FALSE, CPoint(rcSpin.CenterPoint().x, rcSpin.bottom - 2));
  EXPECT_EQ(CString("-1"), m_pEdit->GetEditText());
  EXPECT_EQ(nullptr, CWnd::GetCapture());
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(7u, msg.wParam);
}

// Glass ---------------------------------------------------------------------------------------

/// Records the rectangles it is asked to make opaque.
class COpaqueRecordingPaintManager : public CTestFramedPaintManager {
 public:
  std::vector<CRect> m_opaque;
  void MakeRectOpaque(CDC*, CRect rc) override { m_opaque.push_back(rc); }
};

TEST_F(EditTest, OnGlassTheFieldsWindowMakesWhatItPaintedOpaque) {
  for (bool bComposition : {true, false}) {
    SCOPED_TRACE(bComposition);
    std::unique_ptr<CFakeDwm> dwm(bComposition ? new CFakeDwm : nullptr);
    COpaqueRecordingPaintManager* pPaintManager = new COpaqueRecordingPaintManager;
    CGlassFrame glass(pPaintManager, tkBarTop);
    CTKCommandBar* pBar = glass.pBar;
    ASSERT_TRUE(pBar->GetSafeHwnd() != NULL);
    CTKControlEdit* pEdit = new CTKControlEdit;
    pBar->GetControls()->AppendControl(pEdit);
    pEdit->SetRect(CRect(0, 0, 150, 24));
    CTKCommandBarEditCtrl* pWnd = pEdit->GetEditCtrl();
    ASSERT_TRUE(pWnd != nullptr && pWnd->GetSafeHwnd() != NULL);
    EXPECT_EQ(bComposition, pWnd->IsOnGlass() != FALSE);

    pWnd->SendMessage(WM_PAINT);
    CRect rcClient;
    pWnd->GetClientRect(&rcClient);
    EXPECT_EQ(bComposition ? std::vector<CRect>{rcClient} : std::vector<CRect>{},
              pPaintManager->m_opaque);

  }
}

// Docking, copies and commands ---------------------------------------------------------------------

TEST_F(EditTest, AVerticalToolBarHidesTheFieldAndAHorizontalOneShowsItAgain) {
  m_pEdit->OnCalcDynamicSize(TKLM_VERTDOCK);
  EXPECT_EQ(static_cast<DWORD>(TKHIDE_POSITION), m_pEdit->GetHideFlags());
  EXPECT_FALSE(m_pEdit->GetEditCtrl()->IsWindowVisible());
  m_pEdit->OnCalcDynamicSize(TKLM_HORZDOCK);
  EXPECT_EQ(0u, m_pEdit->GetHideFlags());
  EXPECT_TRUE(m_pEdit->GetEditCtrl()->IsWindowVisible());
}

TEST_F(EditTest, TheWindowLeavesRoomForTheLabelIconSpinAndBuddyButtons) {
  ASSERT_TRUE(AddTestIcons(TKImageManager(), {77}, 16));
  struct Case {
    int nLabel;
    int nIcon;
    BOOL bSpin;
    int nBuddy;
    LONG left, right;
  } cases[] = {{0, 0, FALSE, 0, 4, 147},   {30, 0, FALSE, 0, 34, 147},
               {0, 77, FALSE, 0, 22, 147}, {0, 0, TRUE, 0, 4, 130},
               {0, 0, TRUE, 9, 4, 112},    {0, 0, FALSE, 9, 4, 129}};
  for (const Case& c : cases) {
    m_pEdit->SetLabelWidth(c.nLabel);
    m_pEdit->SetEditIconId(c.nIcon);
    m_pEdit->ShowSpinButtons(c.bSpin);
    m_pEdit->SetBuddyButtonId(c.nBuddy);
    m_pEdit->OnThemeChanged();
    m_pEdit->SetRect(CRect(0, 0, 150, 24));
    CRect rc;
    m_pEdit->GetEditCtrl()->GetWindowRect(&rc);
    m_pBar->ScreenToClient(&rc);
    EXPECT_EQ(c.left, rc.left) << c.nLabel << " " << c.nIcon << " " << c.bSpin << " " << c.nBuddy;
    EXPECT_EQ(c.right, rc.right) << c.nLabel << " " << c.nIcon << " " << c.bSpin << " " << c.nBuddy;
  }
  m_pEdit->ShowSpinButtons(TRUE);
  m_pEdit->SetBuddyButtonId(9);
  EXPECT_EQ(CRect(132, 1, 149, 23), m_pEdit->GetSpinButtonsRect());
  EXPECT_EQ(CRect(114, 1, 132, 23), m_pEdit->GetBuddyButtonRect());
}

TEST_F(EditTest, ACopyTakesEverythingButTheEditIcon) {
  m_pEdit->SetEditIconId(77);
  m_pEdit->SetEditHint("Find");
  m_pEdit->ShowSpinButtons(TRUE);
  m_pEdit->SetBuddyButtonId(9);
  m_pEdit->SetReadOnly(TRUE);
  m_pEdit->SetTextLimit(12);
  m_pEdit->SetEditText("text");
  CTKControlEdit copy;
  copy.Copy(m_pEdit);
  EXPECT_EQ(0, copy.GetEditIconId());
  EXPECT_EQ(CString("Find"), copy.GetEditHint());
  EXPECT_TRUE(copy.IsSpinButtonsVisible() && copy.GetReadOnly());
  EXPECT_EQ(9, copy.GetBuddyButtonId());
  EXPECT_EQ(12, copy.GetTextLimit());
  EXPECT_EQ(CString("text"), copy.GetEditText());
}

TEST_F(EditTest, CutAndCopyNeedASelectionCutAndPasteAWritableFieldPasteText) {
  CTKCommandBarEditCtrl* pWnd = m_pEdit->GetEditCtrl();
  m_pEdit->SetEditText("abcdef");
  ASSERT_TRUE(::OpenClipboard(m_site.GetSafeHwnd()));
  ::EmptyClipboard();
  ::CloseClipboard();
  struct Case {
    int nSelStart, nSelEnd;
    BOOL bReadOnly;
    BOOL bClipboardText;
    BOOL bCut, bCopy, bPaste;
  } cases[] = {{0, 0, FALSE, FALSE, FALSE, FALSE, FALSE},
               {1, 3, FALSE, FALSE, TRUE, TRUE, FALSE},
               {1, 3, TRUE, TRUE, FALSE, TRUE, FALSE},
               {0, 0, FALSE, TRUE, FALSE, FALSE, TRUE}};
  for (const Case& c : cases) {
    if (c.bClipboardText) {
      ASSERT_TRUE(::OpenClipboard(m_site.GetSafeHwnd()));
      ::EmptyClipboard();
      HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, 4);
      memcpy(::GlobalLock(hText), "abc", 4);
      ::GlobalUnlock(hText);
      ::SetClipboardData(CF_TEXT, hText);
      ::CloseClipboard();
    }
    m_pEdit->SetReadOnly(c.bReadOnly);
    pWnd->SetSel(c.nSelStart, c.nSelEnd);
    EXPECT_EQ(c.bCut, pWnd->IsEditCommandEnabled(ID_EDIT_CUT)) << c.nSelEnd << c.bReadOnly;
    EXPECT_EQ(c.bCopy, pWnd->IsEditCommandEnabled(ID_EDIT_COPY)) << c.nSelEnd << c.bReadOnly;
    EXPECT_EQ(c.bPaste, pWnd->IsEditCommandEnabled(ID_EDIT_PASTE)) << c.bClipboardText;
  }
}

TEST_F(EditTest, ALayoutKeepsTheFieldsOptionsButNotItsText) {
  CTempFolder folder;
  const std::string path = folder.PathOf("layout.ini");
  m_pEdit->SetEditHint("Find");
  m_pEdit->SetReadOnly(TRUE);
  m_pEdit->ShowSpinButtons(TRUE);
  m_pEdit->SetTextLimit(8);
  m_pEdit->SetEditIconId(5);
  m_pEdit->SetBuddyButtonId(6);
  m_pEdit->SetEditText("not kept");
  for (BOOL bLoading : {FALSE, TRUE}) {
    CTKPropExchangeIniFile* px = new CTKPropExchangeIniFile(bLoading, nullptr, "Field");
    px->AssignFile(path.c_str());
    CTKPropExchangeSection section(px);
    if (!bLoading) {
      m_pEdit->DoPropExchange(section);
      continue;
    }
    CTKControlEdit loaded;
    loaded.DoPropExchange(section);
    EXPECT_EQ(CString("Find"), loaded.GetEditHint());
    EXPECT_TRUE(loaded.GetReadOnly() && loaded.IsSpinButtonsVisible());
    EXPECT_EQ(8, loaded.GetTextLimit());
    EXPECT_EQ(5, loaded.GetEditIconId());
    EXPECT_EQ(6, loaded.GetBuddyButtonId());
    EXPECT_EQ(CString(), loaded.GetEditText());
  }
}

}  // namespace

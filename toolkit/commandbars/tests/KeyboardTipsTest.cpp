// Keyboard tips: the letters they get, their windows, and typing them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportKeySystem.h"
#include "SupportPaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "common/TKDCHelpers.h"
#include "testsupport/HostWindow.h"

namespace {

class CTipControl : public CTKControl {
 public:
  int m_nActivated = 0;
  void OnUnderlineActivate() override { ++m_nActivated; }
};

/// A control: its caption, or a preset tip, and whether it is enabled.
struct ControlDescription {
  const char* caption;
  const char* preset;
  BOOL enabled;
};

class KeyboardTipsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    m_paintManager->m_fontKeyboardTip.CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET,
                                                  0, 0, 0, 0, "Tahoma");
    ASSERT_TRUE(m_host.CreateHost());
    m_pBars = new CTKCommandBars;
    m_pBars->SetSite(&m_host);
    m_pBars->GetCommandBarsOptions()->bShowKeyboardTips = TRUE;
  }
  void TearDown() override {
    m_pBars->HideKeyboardTips();
    if (m_pBar != nullptr) {
      m_pBar->DestroyWindow();
      m_pBar->InternalRelease();
    }
    m_pBars->InternalRelease();
    TKSetCommandBarsSystem(nullptr);
  }
  /// A bar with one control per description, 50 pixels apart, its tips built.
  void MakeBar(const std::vector<ControlDescription>& descriptions) {
    m_pBar = new CTKCommandBar;
    m_pBar->SetCommandBars(m_pBars);
    m_pBar->SetOwner(&m_host);
    ASSERT_TRUE(m_pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_CHILD | WS_VISIBLE, 0, 0,
                                 400, 40, m_host.GetSafeHwnd(), NULL));
    m_controls.clear();
    for (size_t i = 0; i < descriptions.size(); ++i) {
      CTipControl* pControl = new CTipControl;
      m_pBar->GetControls()->Add(pControl, 100 + static_cast<int>(i));
      pControl->SetCaption(descriptions[i].caption);
      if (descriptions[i].preset != nullptr) pControl->SetKeyboardTip(descriptions[i].preset);
      pControl->SetEnabled(descriptions[i].enabled);
      pControl->SetRect(CRect(10 + 50 * static_cast<int>(i), 5, 55 + 50 * static_cast<int>(i), 30));
      m_controls.push_back(pControl);
    }
    m_pBars->BuildKeyboardTipWindows(m_pBar, 1);
  }
  std::vector<std::string> Tips() const {
    std::vector<std::string> tips;
    const CTKKeyboardTips* pTips = m_pBars->GetKeyboardTips();
    for (int i = 0; i < pTips->GetCount(); ++i) tips.push_back(std::string(pTips->GetAt(i)->m_strTip));
    return tips;
  }
  int Activations() const {
    int n = 0;
    for (CTipControl* pControl : m_controls) n += pControl->m_nActivated;
    return n;
  }

  CTestGlobalPaintManager m_paintManager;
  CKeyStateSystem m_system;
  CTestHostWindow m_host;
  CTKCommandBars* m_pBars = nullptr;
  CTKCommandBar* m_pBar = nullptr;
  std::vector<CTipControl*> m_controls;
};

TEST_F(KeyboardTipsTest, TipsShareNoLettersAndTakeSecondLettersFromTheirCaptions) {
  struct Case {
    std::vector<ControlDescription> controls;
    std::vector<std::string> tips;
  } cases[] = {
      {{{"&Open", nullptr, TRUE}, {"&Options", nullptr, TRUE}}, {"OP", "OT"}},
      {{{"&A", nullptr, TRUE}, {"&A", nullptr, TRUE}, {"&A", nullptr, TRUE}}, {"A1", "A2", "A3"}},
      {{{"&Save", nullptr, TRUE}, {"Save &As", nullptr, TRUE}, {"&Print", nullptr, TRUE}},
       {"S", "A", "P"}},
      {{{"&New File", nullptr, TRUE}, {"&Next", nullptr, TRUE}}, {"NF", "NE"}},
      {{{"Close", nullptr, TRUE}, {"Copy", nullptr, TRUE}}, {"CL", "CO"}},
      {{{"Find", "FN", TRUE}, {"&File", nullptr, TRUE}}, {"FN", "FI"}},
      {{{"", nullptr, TRUE}, {"&Go", nullptr, TRUE}}, {"G"}},
      {{{"A&&B &Print", nullptr, TRUE}}, {"P"}},
  };
  for (const Case& c : cases) {
    MakeBar(c.controls);
    EXPECT_EQ(c.tips, Tips()) << c.tips[0];
    EXPECT_EQ(m_pBar, m_pBars->GetKeyboardTips()->m_pWnd);
    EXPECT_EQ(1, m_pBar->GetKeyboardTipsLevel());
    TearDown();
    m_pBar = nullptr;
    SetUp();
  }
}

TEST_F(KeyboardTipsTest, TypingNarrowsTheTipsAndCompletingOneActivatesItsControl) {
  struct Case {
    const char* name;
    std::vector<UINT> keys;
    int activations;
    int beeps;
    std::vector<std::string> tips;  // left after the keys
  } cases[] = {
      {"F then N", {'F', 'N'}, 1, 0, {"FN", "FI"}},
      {"F then X", {'F', 'X'}, 0, 1, {"FN", "FI"}},
      {"a letter no tip starts with", {'Q'}, 0, 1, {"FN", "FI", "G"}},
      {"Shift and Ctrl alone", {VK_SHIFT, VK_CONTROL}, 0, 0, {"FN", "FI", "G"}},
      {"a one-letter tip", {'G'}, 1, 0, {"FN", "FI", "G"}},
  };
  for (const Case& c : cases) {
    MakeBar({{"Find", "FN", TRUE}, {"&File", nullptr, TRUE}, {"&Go", nullptr, TRUE}});
    m_system.m_nBeeps = 0;
    for (UINT nKey : c.keys) m_pBar->OnKeyboardTipChar(nKey);
    EXPECT_EQ(c.activations, Activations()) << c.name;
    EXPECT_EQ(c.beeps, m_system.m_nBeeps) << c.name;
    EXPECT_EQ(c.tips, Tips()) << c.name;
    if (c.activations == 1 && c.keys[0] == 'F') EXPECT_EQ(1, m_controls[0]->m_nActivated);
    TearDown();
    m_pBar = nullptr;
    SetUp();
  }
}

TEST_F(KeyboardTipsTest, ATipIsItsTextWithAMarginAtLeastSixteenByFifteenOnItsAnchor) {
  MakeBar({{"Narrow", "I", TRUE}, {"Wide", "WWWWWWWW", TRUE}});
  CClientDC dc(m_pBar);
  CTKFontDC font(&dc, &m_paintManager->m_fontKeyboardTip);
  const CTKKeyboardTips* pTips = m_pBars->GetKeyboardTips();
  ASSERT_EQ(2, pTips->GetCount());
  for (int i = 0; i < 2; ++i) {
    CTKCommandBarKeyboardTip* pTip = pTips->GetAt(i);
    const CSize szText = dc.GetTextExtent(pTip->m_strTip);
    CRect rc;
    pTip->GetWindowRect(&rc);
    EXPECT_EQ(std::max<LONG>(szText.cx + 6, 16), rc.Width()) << pTip->m_strTip;
    EXPECT_EQ(std::max<LONG>(szText.cy + 2, 15), rc.Height()) << pTip->m_strTip;
    CPoint anchor(10 + 50 * i + 12, 30 - 11);
    m_pBar->ClientToScreen(&anchor);
    EXPECT_EQ(anchor, rc.TopLeft()) << pTip->m_strTip;
    EXPECT_TRUE(pTip->IsWindowVisible());
    EXPECT_EQ(0, pTip->GetExStyle() & WS_EX_LAYERED);
  }
  EXPECT_EQ(16, [&] {
    CRect rc;
    pTips->GetAt(0)->GetWindowRect(&rc);
    return rc.Width();
  }()) << "a narrow letter still gets the least width";
}

TEST_F(KeyboardTipsTest, ADisabledTipIsTranslucentAndCompletingItBeeps) {
  MakeBar({{"&Delete", nullptr, FALSE}});
  ASSERT_EQ(1, m_pBars->GetKeyboardTips()->GetCount());
  CTKCommandBarKeyboardTip* pTip = m_pBars->GetKeyboardTips()->GetAt(0);
  EXPECT_EQ(WS_EX_TOOLWINDOW | WS_EX_LAYERED,
            pTip->GetExStyle() & (WS_EX_TOOLWINDOW | WS_EX_LAYERED));
  BYTE nAlpha = 0;
  DWORD dwFlags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(pTip->GetSafeHwnd(), nullptr, &nAlpha, &dwFlags));
  EXPECT_EQ(150, nAlpha);
  EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), dwFlags & LWA_ALPHA);
  m_pBar->OnKeyboardTipChar('D');
  EXPECT_EQ(0, m_controls[0]->m_nActivated);
  EXPECT_EQ(1, m_system.m_nBeeps);
}

TEST_F(KeyboardTipsTest, NoTipsWhileTheOptionIsOffAndHidingDestroysThem) {
  m_pBars->GetCommandBarsOptions()->bShowKeyboardTips = FALSE;
  MakeBar({{"&Open", nullptr, TRUE}});
  EXPECT_EQ(0, m_pBars->GetKeyboardTips()->GetCount());
  EXPECT_EQ(nullptr, m_pBars->GetKeyboardTips()->m_pWnd);

  m_pBars->GetCommandBarsOptions()->bShowKeyboardTips = TRUE;
  m_pBars->BuildKeyboardTipWindows(m_pBar, 2);
  ASSERT_EQ(1, m_pBars->GetKeyboardTips()->GetCount());
  HWND hTip = m_pBars->GetKeyboardTips()->GetAt(0)->GetSafeHwnd();
  EXPECT_TRUE(::IsWindow(hTip));
  EXPECT_EQ(2, m_pBar->GetKeyboardTipsLevel());
  m_pBar->HideKeyboardTips();
  EXPECT_FALSE(::IsWindow(hTip));
  EXPECT_EQ(0, m_pBars->GetKeyboardTips()->GetCount());
  EXPECT_EQ(0, m_pBar->GetKeyboardTipsLevel());
}

}  // namespace

// The HTML tip where no browser engine answers: it must give up cleanly and
// in time, and never show an empty tip.
#include "common/TKToolTipContextHTML.h"

#include <gtest/gtest.h>

#include <memory>

#include "common/TKToolTipSystem.h"
#include "testsupport/HostWindow.h"

namespace {

// A clock that moves on 100 ms each time it is read, so a wait for the page
// ends after a known number of looks, however slow the machine is.
class CSteppingClock : public CTKToolTipSystem {
 public:
  DWORD GetTickCount() override {
    ++m_nReads;
    return m_dwNow += 100;
  }
  int m_nReads = 0;
  DWORD m_dwNow = 0;
};

class HTMLToolTipTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(NULL)));
    ASSERT_TRUE(m_owner.CreateHost());
    m_context.SetStyle(CTKToolTipContext::styleHTML);
  }
  void TearDown() override {
    TKSetToolTipSystem(nullptr);
    CTKToolTipContext::CHTMLToolTip::SetLoadTimeout(0);
    ::OleUninitialize();
  }

  CTestHostWindow m_owner;
  CTKToolTipContext m_context;
};

TEST_F(HTMLToolTipTest, PageTemplateCarriesTheFontAndTheBackground) {
  EXPECT_EQ(CString("about:<head><style> body {font-family:Tahoma; font-size:13;}table "
                    "{font-family:Tahoma; font-size:13;}</style></head><body topmargin=0 "
                    "leftmargin=0 bottommargin=0 rightmargin=0 bgColor=#0a80ff></body>"),
            CTKToolTipContext::CHTMLToolTip::FormatPageTemplate("Tahoma", 13, RGB(10, 128, 255)));
}

TEST_F(HTMLToolTipTest, WithoutABrowserEngineTheTipGivesUpInTime) {
  CTKToolTipContext::CHTMLToolTip::SetLoadTimeout(300);
  std::unique_ptr<CTKToolTipContext::CHTMLToolTip> pTip(
      static_cast<CTKToolTipContext::CHTMLToolTip*>(m_context.CreateToolTip(&m_owner)));
  ASSERT_NE(nullptr, pTip.get());
  TOOLINFO ti = {};
  ti.cbSize = CTKToolTipContext::kToolInfoSize;
  ti.hwnd = m_owner.GetSafeHwnd();
  ti.uId = 1;
  ti.lpszText = const_cast<LPSTR>("<b>Bold</b> words");
  pTip->SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti));

  CTKToolTipContextToolTip::TOOLITEM tool;
  tool.strText = "<b>Bold</b> words";
  tool.hWnd = m_owner.GetSafeHwnd();
  CSteppingClock clock;
  TKSetToolTipSystem(&clock);
  EXPECT_EQ(CSize(0, 0), pTip->CalcSize(&tool));
  // The browser control itself is there; only its page never completes.
  EXPECT_NE(nullptr, pTip->GetBrowser());
  EXPECT_TRUE(::IsWindow(pTip->GetBrowserWindow()->GetSafeHwnd()));
  // The wait for the page ends once the limit has passed on the clock (the
  // start and three looks of 100 ms each); asking again does not wait again.
  EXPECT_EQ(4, clock.m_nReads);
  EXPECT_EQ(CSize(0, 0), pTip->CalcSize(&tool));
  EXPECT_EQ(4, clock.m_nReads);
  HWND hBrowser = pTip->GetBrowserWindow()->GetSafeHwnd();
  pTip->DestroyWindow();
  EXPECT_EQ(nullptr, pTip->GetBrowser());
  EXPECT_FALSE(::IsWindow(hBrowser));
}

}  // namespace

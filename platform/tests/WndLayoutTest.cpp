// RepositionBars: bars take their bands through WM_SIZEPARENT and the
// left-over child gets the rest of the client area.
#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

const UINT ID_BAR_FIRST = 0xE800;
const UINT ID_BAR_LAST = 0xE8FF;
const UINT ID_PANE = 0xE900;

/// A bar that claims a band of fixed height at the top or the bottom.
class CBandBar : public CWnd {
 public:
  CBandBar(int nHeight, bool bTop) : m_nHeight(nHeight), m_bTop(bTop) {}
  BOOL Make(CWnd* pParent, UINT nID) {
    return Create(NULL, "", WS_VISIBLE, CRect(0, 0, 1, 1), pParent, nID);
  }

 protected:
  afx_msg LRESULT OnSizeParent(WPARAM, LPARAM lParam) {
    AFX_SIZEPARENTPARAMS* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    CRect band = layout->rect;
    if (m_bTop) {
      band.bottom = band.top + m_nHeight;
      layout->rect.top += m_nHeight;
    } else {
      band.top = band.bottom - m_nHeight;
      layout->rect.bottom -= m_nHeight;
    }
    layout->sizeTotal.cy += m_nHeight;
    layout->sizeTotal.cx = band.Width();
    AfxRepositionWindow(layout, m_hWnd, &band);
    return 0;
  }
  DECLARE_MESSAGE_MAP()

 private:
  int m_nHeight;
  bool m_bTop;
};

BEGIN_MESSAGE_MAP(CBandBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CRect RectInParent(const CWnd& wnd) {
  CRect rect;
  wnd.GetWindowRect(&rect);
  wnd.GetParent()->ScreenToClient(&rect);
  return rect;
}

class WndLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_frame.CreateEx(0, NULL, "", WS_POPUP, 0, 0, 400, 300, NULL, NULL));
    ASSERT_TRUE(m_top.Make(&m_frame, ID_BAR_FIRST));
    ASSERT_TRUE(m_bottom.Make(&m_frame, ID_BAR_FIRST + 1));
    ASSERT_TRUE(m_pane.Create(NULL, "", WS_VISIBLE, CRect(0, 0, 1, 1), &m_frame, ID_PANE));
    // A child outside the bar range is left alone.
    ASSERT_TRUE(m_other.Create(NULL, "", WS_VISIBLE, CRect(5, 5, 6, 6), &m_frame, 1));
  }

  CWnd m_frame;
  CBandBar m_top{30, true};
  CBandBar m_bottom{20, false};
  CWnd m_pane;
  CWnd m_other;
};

TEST_F(WndLayout, TwoBarsTakeTheirBandsAndTheClientGetsTheRest) {
  m_frame.RepositionBars(ID_BAR_FIRST, ID_BAR_LAST, ID_PANE);
  EXPECT_EQ(CRect(0, 0, 400, 30), RectInParent(m_top));
  EXPECT_EQ(CRect(0, 280, 400, 300), RectInParent(m_bottom));
  EXPECT_EQ(CRect(0, 30, 400, 280), RectInParent(m_pane));
  EXPECT_EQ(CRect(5, 5, 6, 6), RectInParent(m_other));
}

TEST_F(WndLayout, AQueryMovesNothingAndReportsTheRestOrTheBarsSize) {
  CRect rest;
  m_frame.RepositionBars(ID_BAR_FIRST, ID_BAR_LAST, ID_PANE, CWnd::reposQuery, &rest);
  EXPECT_EQ(CRect(0, 30, 400, 280), rest);
  EXPECT_EQ(CRect(0, 0, 1, 1), RectInParent(m_pane));
  EXPECT_EQ(CRect(0, 0, 1, 1), RectInParent(m_top));

  CRect total;
  m_frame.RepositionBars(ID_BAR_FIRST, ID_BAR_LAST, ID_PANE, CWnd::reposQuery, &total, NULL, FALSE);
  EXPECT_EQ(CRect(0, 0, 400, 50), total);
}

TEST_F(WndLayout, ExtraBordersAreKeptFreeAroundTheClient) {
  CRect borders(4, 3, 2, 1);
  m_frame.RepositionBars(ID_BAR_FIRST, ID_BAR_LAST, ID_PANE, CWnd::reposExtra, &borders);
  EXPECT_EQ(CRect(4, 33, 398, 279), RectInParent(m_pane));
}

}  // namespace

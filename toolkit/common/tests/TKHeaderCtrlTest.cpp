// The toolkit header control on hidden windows: themes by number, sort arrows,
// text alignment and ellipsis drawn through WM_PRINTCLIENT into a memory DC,
// the width guard, auto-fit, hot tracking and the column menu.
#include "common/TKHeaderCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/TKColorManager.h"
#include "common/TKHeaderCtrlTheme.h"
#include "common/TKImageManager.h"
#include "common/TKPopupMenuTracker.h"
#include "common/TKResourceIds.h"
#include "common/TKResourceImages.h"
#include "common/TKWinThemeWrapper.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"

namespace {

const int kHeight = 24;

/// A header whose pressed item the test decides, and whose frozen columns it
/// can set.
class CTestHeader : public CTKHeaderCtrl {
 public:
  BOOL IsItemPressed(int nItem) override { return nItem == m_nPressed; }
  void Freeze(int nColumn) { m_arrFrozenCols.Add(nColumn); }
  int m_nPressed = -1;
};

/// The menu the header would show, recorded; it then "chooses" m_nChoose.
class CRecordingTracker : public ITKPopupMenuTracker {
 public:
  UINT TrackPopupMenu(CMenu* pMenu, UINT nFlags, int, int, CWnd* pOwner,
                      CTKImageManager* pImageManager) override {
    ++m_nCalls;
    m_nFlags = nFlags;
    m_pOwner = pOwner;
    m_items.clear();
    m_checked.clear();
    for (int i = 0; i < pMenu->GetMenuItemCount(); ++i) {
      CString strText;
      pMenu->GetMenuString(i, strText, MF_BYPOSITION);
      m_items.push_back((LPCSTR)strText);
      UINT nId = pMenu->GetMenuItemID(i);
      if (nId != 0 && nId != (UINT)-1 && (pMenu->GetMenuState(nId, MF_BYCOMMAND) & MF_CHECKED))
        m_checked.push_back(nId);
      if (CMenu* pSub = pMenu->GetSubMenu(i)) {
        for (int j = 0; j < pSub->GetMenuItemCount(); ++j) {
          UINT nSubId = pSub->GetMenuItemID(j);
          if (pSub->GetMenuState(nSubId, MF_BYCOMMAND) & MF_CHECKED) m_checked.push_back(nSubId);
        }
      }
    }
    m_bIcons = pImageManager != NULL && pImageManager->HasIcon(TK_ID_HEADER_SORTASCENDING, 16);
    if (m_nChoose != 0) pOwner->SendMessage(WM_COMMAND, m_nChoose, 0);
    return m_nChoose;
  }
  int m_nCalls = 0;
  UINT m_nFlags = 0;
  CWnd* m_pOwner = nullptr;
  std::vector<std::string> m_items;
  std::vector<UINT> m_checked;
  BOOL m_bIcons = FALSE;
  UINT m_nChoose = 0;
};

void AddItem(CHeaderCtrl& header, int nIndex, const char* text, int nWidth, int nFormat) {
  HDITEM hdi = {};
  hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  hdi.pszText = const_cast<char*>(text);
  hdi.cxy = nWidth;
  hdi.fmt = nFormat | HDF_STRING;
  header.InsertItem(nIndex, &hdi);
}

int ItemWidth(CHeaderCtrl& header, int nItem) {
  HDITEM hdi = {};
  hdi.mask = HDI_WIDTH;
  header.GetItem(nItem, &hdi);
  return hdi.cxy;
}

class TKHeaderCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost(400, 200));
    ASSERT_TRUE(m_header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ | HDS_BUTTONS,
                                CRect(0, 0, 300, kHeight), &m_host, 100));
    m_header.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT));
    m_pOldTracker = SetPopupMenuTracker(&m_tracker);
  }
  void TearDown() override { SetPopupMenuTracker(m_pOldTracker); }

  /// The header drawn into a surface through WM_PRINTCLIENT.
  void Print(CDibSurface& surface) {
    ASSERT_EQ(1, m_header.SendMessage(WM_PRINTCLIENT, (WPARAM)surface.GetSafeHdc(), PRF_CLIENT));
  }

  CTestHostWindow m_host;
  CTestHeader m_header;
  CRecordingTracker m_tracker;
  ITKPopupMenuTracker* m_pOldTracker = nullptr;
};

TEST_F(TKHeaderCtrlTest, ThemesByNumber) {
  struct Case {
    int nTheme, nId;
  } cases[] = {{0, 0}, {1, 4}, {4, 4}, {5, 5}, {6, 6}, {8, 6}, {10, 6}, {7, 7}, {11, 0}};
  for (const Case& c : cases) {
    EXPECT_TRUE(m_header.SetTheme(c.nTheme));
    EXPECT_EQ(c.nId, m_header.GetTheme()->GetThemeId()) << c.nTheme;
  }
  EXPECT_EQ(7u, m_header.GetTheme()->GetDrawStyle() | 3);
  m_header.SendMessage(WM_TK_SETTHEME, 5);
  EXPECT_EQ(5, m_header.GetTheme()->GetThemeId());
  m_header.SetTheme(9);
  EXPECT_EQ(7u, m_header.GetTheme()->GetDrawStyle());
  m_header.SetTheme(0);
  EXPECT_EQ(7u, m_header.GetTheme()->GetDrawStyle());
  m_header.ShowSortArrow(FALSE);
  EXPECT_EQ(3u, m_header.GetTheme()->GetDrawStyle());
}

TEST_F(TKHeaderCtrlTest, SortArrowsPointTheirWayAndStepAsideOnNarrowColumns) {
  AddItem(m_header, 0, "Name", 120, HDF_LEFT);
  AddItem(m_header, 1, "N", 28, HDF_LEFT);
  COLORREF clrHighlight = TKColorManager()->GetColor(COLOR_BTNHIGHLIGHT);
  COLORREF clrShadow = TKColorManager()->GetColor(COLOR_BTNSHADOW);
  // Column 0: text up to 120 - 6 - 2 x 10 - 8 = 86; the 8 x 7 arrow at
  // x 96 .. 104, y 7 .. 14.
  CDibSurface unsorted(300, kHeight);
  Print(unsorted);
  EXPECT_EQ(0, unsorted.CountPixels(CRect(96, 7, 105, 15), clrHighlight));

  m_header.SetSortImage(0, TRUE);
  CDibSurface ascending(300, kHeight);
  Print(ascending);
  EXPECT_GE(ascending.CountPixels(CRect(96, 14, 105, 15), clrHighlight), 6);  // the base below
  EXPECT_GE(ascending.CountPixels(CRect(96, 7, 105, 14), clrShadow), 2);

  EXPECT_EQ(0, m_header.SetSortImage(0, FALSE));
  CDibSurface descending(300, kHeight);
  Print(descending);
  EXPECT_GE(descending.CountPixels(CRect(96, 7, 105, 8), clrShadow), 6);  // the base above
  // Only the highlight's first pixel, at the apex.
  EXPECT_EQ(1, descending.CountPixels(CRect(96, 14, 105, 15), clrHighlight));

  // Column 1 is too narrow: no arrow left of the item.
  EXPECT_EQ(0, m_header.SetSortImage(1, TRUE));
  CDibSurface narrow(300, kHeight);
  Print(narrow);
  EXPECT_EQ(0, narrow.CountPixels(CRect(122, 2, 145, 22), clrHighlight));
  EXPECT_EQ(0, narrow.CountPixels(CRect(122, 2, 145, 22), clrShadow));
  BOOL bAscending = FALSE;
  EXPECT_EQ(1, m_header.GetSortedCol(&bAscending));
  EXPECT_TRUE(bAscending);
}

/// The leftmost and rightmost columns of text in [x0, x1): pixels of another
/// colour than the face (the text is smoothed).
std::pair<int, int> TextSpan(const CDibSurface& surface, int x0, int x1) {
  COLORREF clrFace = TKColorManager()->GetColor(COLOR_BTNFACE);
  int left = -1, right = -1;
  for (int x = x0; x < x1; ++x)
    for (int y = 3; y < kHeight - 3; ++y)
      if (surface.GetPixel(x, y) != clrFace) {
        if (left < 0) left = x;
        right = x;
      }
  return {left, right};
}

TEST_F(TKHeaderCtrlTest, TextFollowsItsAlignmentAndEndsInAnEllipsis) {
  AddItem(m_header, 0, "Left", 100, HDF_LEFT);
  AddItem(m_header, 1, "Mid", 100, HDF_CENTER);
  AddItem(m_header, 2, "Right", 100, HDF_RIGHT);
  CDibSurface surface(300, kHeight);
  Print(surface);
  auto left = TextSpan(surface, 2, 97);
  auto mid = TextSpan(surface, 102, 197);
  auto right = TextSpan(surface, 202, 297);
  EXPECT_GE(left.first, 6);
  EXPECT_LE(left.first, 8);
  EXPECT_NEAR((mid.first + mid.second) / 2, 150, 6);
  EXPECT_GE(right.second, 200 + 100 - 6 - 12);
  EXPECT_LE(right.second, 200 + 100 - 6);

  // A title wider than its item is cut with an ellipsis, not merely clipped:
  // its end differs from the same title drawn in a wide item.
  m_header.DeleteItem(2);
  m_header.DeleteItem(1);
  HDITEM hdi = {};
  hdi.mask = HDI_TEXT;
  hdi.pszText = const_cast<char*>("Wide title of a column");
  m_header.SetItem(0, &hdi);
  hdi.mask = HDI_WIDTH;
  hdi.cxy = 250;
  m_header.SetItem(0, &hdi);
  CDibSurface whole(300, kHeight);
  Print(whole);
  hdi.cxy = 70;
  m_header.SetItem(0, &hdi);
  CDibSurface cut(300, kHeight);
  Print(cut);
  auto span = TextSpan(cut, 2, 67);
  EXPECT_LE(span.second, 70 - 6);
  int nSame = 0, nDifferent = 0;
  for (int x = 6; x < 30; ++x)
    for (int y = 3; y < kHeight - 3; ++y)
      (cut.GetPixel(x, y) == whole.GetPixel(x, y) ? nSame : nDifferent)++;
  EXPECT_EQ(0, nDifferent) << "the start of the title is the same";
  nDifferent = 0;
  for (int x = span.second - 8; x <= span.second; ++x)
    for (int y = 3; y < kHeight - 3; ++y) nDifferent += cut.GetPixel(x, y) != whole.GetPixel(x, y);
  EXPECT_GT(nDifferent, 0) << "the end is the ellipsis";
}

TEST_F(TKHeaderCtrlTest, ThePressedItemOfTheResourceTheme) {
  TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), "Office2010Silver.INI");
  m_header.SetTheme(7);
  AddItem(m_header, 0, "", 100, HDF_LEFT);
  AddItem(m_header, 1, "", 100, HDF_LEFT);
  const COLORREF clrSeparator =
      TKResourceImages()->GetIniColor("ReportControl", "ColumnSeparator", 0);
  const COLORREF clrShadow = TKResourceImages()->GetIniColor("ReportControl", "ColumnShadow", 0);
  const COLORREF clrNormalTop =
      TKResourceImages()->GetIniColor("ReportControl", "NormalColumnLight", 0);
  const COLORREF clrPressedTop =
      TKResourceImages()->GetIniColor("ReportControl", "PressedColumnLight", 0);
  CDibSurface idle(300, kHeight);
  Print(idle);
  EXPECT_EQ(clrNormalTop, idle.GetPixel(50, 0));
  EXPECT_EQ(clrShadow, idle.GetPixel(50, kHeight - 1));
  EXPECT_EQ(clrSeparator, idle.GetPixel(99, 10));
  m_header.m_nPressed = 1;
  CDibSurface pressed(300, kHeight);
  Print(pressed);
  EXPECT_EQ(clrNormalTop, pressed.GetPixel(50, 0));
  EXPECT_EQ(clrPressedTop, pressed.GetPixel(150, 0));
  TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), NULL);
}

TEST_F(TKHeaderCtrlTest, LayoutHeightsOfTheThemes) {
  TEXTMETRIC tm = {};
  HDC hScreen = ::GetDC(NULL);
  HGDIOBJ hOld = ::SelectObject(hScreen, ::GetStockObject(DEFAULT_GUI_FONT));
  ::GetTextMetricsA(hScreen, &tm);
  ::SelectObject(hScreen, hOld);
  ::ReleaseDC(NULL, hScreen);
  struct Case {
    int nTheme, nExtra;
  } cases[] = {{5, 10}, {6, 6}};
  for (const Case& c : cases) {
    m_header.SetTheme(c.nTheme);
    CRect rc(0, 0, 300, 200);
    WINDOWPOS wp = {};
    HDLAYOUT layout = {&rc, &wp};
    EXPECT_TRUE(m_header.SendMessage(HDM_LAYOUT, 0, (LPARAM)&layout));
    EXPECT_EQ(tm.tmHeight + c.nExtra, wp.cy) << c.nTheme;
    EXPECT_EQ(300, wp.cx);
    EXPECT_EQ(tm.tmHeight + c.nExtra, rc.top);
  }
  EXPECT_TRUE(m_header.RecalcLayout());
}

TEST_F(TKHeaderCtrlTest, TheWidthGuardRefusesNarrowAndFrozenColumns) {
  AddItem(m_header, 0, "A", 100, HDF_LEFT);
  AddItem(m_header, 1, "B", 100, HDF_LEFT);
  m_header.SetMinColumnWidth(20);
  HDITEM hdi = {};
  hdi.mask = HDI_WIDTH;
  hdi.cxy = 19;
  m_header.SetItem(0, &hdi);
  EXPECT_EQ(100, ItemWidth(m_header, 0));
  hdi.cxy = 20;
  m_header.SetItem(0, &hdi);
  EXPECT_EQ(20, ItemWidth(m_header, 0));
  m_header.Freeze(1);
  hdi.cxy = 60;
  m_header.SetItem(1, &hdi);
  EXPECT_EQ(100, ItemWidth(m_header, 1));
  EXPECT_EQ(100, m_header.GetFrozenColumnsWidth());
}

TEST_F(TKHeaderCtrlTest, NoHotTrackingTimerWithoutVisualStyles) {
  m_header.SetTheme(6);
  // As without UxTheme: the theme cannot be opened again.
  m_header.GetTheme()->m_pThemeWrapper->CloseThemeData();
  m_header.GetTheme()->m_pThemeWrapper->UsePrivateFunctionTable("no-uxtheme.dll");
  m_header.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(::KillTimer(m_header.GetSafeHwnd(), 1));
}

TEST_F(TKHeaderCtrlTest, ItemBitmapsComeAndGo) {
  AddItem(m_header, 0, "A", 100, HDF_LEFT);
  CTKHeaderCtrlTheme* pTheme = m_header.GetTheme();
  EXPECT_TRUE(pTheme->SetBitmap(0, 700, FALSE, RGB(255, 0, 255), &m_header));
  HDITEM hdi = {};
  hdi.mask = HDI_FORMAT | HDI_BITMAP;
  m_header.GetItem(0, &hdi);
  EXPECT_TRUE((hdi.fmt & HDF_BITMAP) && hdi.hbm != NULL);
  EXPECT_FALSE(pTheme->SetBitmap(0, 700, TRUE, RGB(255, 0, 255), &m_header));
  m_header.GetItem(0, &hdi);
  EXPECT_FALSE(hdi.fmt & HDF_BITMAP);
  EXPECT_TRUE(hdi.hbm == NULL);
  EXPECT_FALSE(pTheme->SetBitmap(0, 701, FALSE, RGB(255, 0, 255), &m_header));
}

TEST_F(TKHeaderCtrlTest, ARightClickOutsideEveryItemShowsNoMenu) {
  AddItem(m_header, 0, "A", 100, HDF_LEFT);
  m_header.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(250, 5));
  EXPECT_EQ(0, m_tracker.m_nCalls);
  m_header.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(50, 5));
  ASSERT_EQ(1, m_tracker.m_nCalls);
  EXPECT_EQ((std::vector<std::string>{"Sort Ascending", "Sort Descending", "", "Alignment"}),
            m_tracker.m_items);
  EXPECT_EQ((UINT)(TPM_RIGHTBUTTON | TPM_NONOTIFY), m_tracker.m_nFlags);
  EXPECT_EQ(&m_header, m_tracker.m_pOwner);
  EXPECT_TRUE(m_tracker.m_bIcons);
  EXPECT_TRUE(m_tracker.m_checked.empty());
}

/// A header in a report-view list, as the column view has it.
class TKHeaderCtrlListTest : public TKHeaderCtrlTest {
 protected:
  void SetUp() override {
    TKHeaderCtrlTest::SetUp();
    ASSERT_TRUE(
        m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 30, 350, 190), &m_host, 200));
    m_list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
    m_list.InsertColumn(1, "Size", LVCFMT_RIGHT, 80);
    m_list.InsertColumn(2, "Date", LVCFMT_LEFT, 90);
    ASSERT_TRUE(m_listHeader.SubclassWindow(m_list.GetHeaderCtrl()->GetSafeHwnd()));
  }
  void TearDown() override {
    m_listHeader.UnsubclassWindow();
    TKHeaderCtrlTest::TearDown();
  }
  void RightClick(int x) { m_listHeader.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(x, 5)); }
  int ColumnClicks() {
    int n = 0;
    for (const HostMessage& m : m_host.GetMessages())
      n += m.message == WM_NOTIFY && m.notify.code == (UINT)LVN_COLUMNCLICK;
    return n;
  }

  CListCtrl m_list;
  CTestHeader m_listHeader;
};

TEST_F(TKHeaderCtrlListTest, TheMenuSortsTheRightClickedColumn) {
  m_tracker.m_nChoose = TK_ID_HEADER_SORTDESCENDING;
  RightClick(140);  // column 1, right-aligned
  EXPECT_EQ((std::vector<UINT>{TK_ID_HEADER_ALIGNRIGHT}), m_tracker.m_checked);
  BOOL bAscending = TRUE;
  EXPECT_EQ(1, m_listHeader.GetSortedCol(&bAscending));
  EXPECT_FALSE(bAscending);
  EXPECT_EQ(1, ColumnClicks());

  // Sorting it the same way again does nothing.
  RightClick(140);
  EXPECT_EQ((std::vector<UINT>{TK_ID_HEADER_SORTDESCENDING, TK_ID_HEADER_ALIGNRIGHT}),
            m_tracker.m_checked);
  EXPECT_EQ(1, ColumnClicks());
  m_tracker.m_nChoose = TK_ID_HEADER_SORTASCENDING;
  RightClick(140);
  EXPECT_EQ(2, ColumnClicks());
  EXPECT_EQ(1, m_listHeader.GetSortedCol(&bAscending));
  EXPECT_TRUE(bAscending);
}

TEST_F(TKHeaderCtrlListTest, TheMenuAlignsTheRightClickedColumn) {
  m_tracker.m_nChoose = TK_ID_HEADER_ALIGNCENTER;
  RightClick(50);
  EXPECT_EQ((std::vector<UINT>{TK_ID_HEADER_ALIGNLEFT}), m_tracker.m_checked);
  LVCOLUMN column = {};
  column.mask = LVCF_FMT;
  m_list.GetColumn(0, &column);
  EXPECT_EQ(LVCFMT_CENTER, column.fmt & LVCFMT_JUSTIFYMASK);
  m_tracker.m_nChoose = TK_ID_HEADER_ALIGNRIGHT;
  RightClick(50);
  m_list.GetColumn(0, &column);
  EXPECT_EQ(LVCFMT_RIGHT, column.fmt & LVCFMT_JUSTIFYMASK);
}

TEST_F(TKHeaderCtrlListTest, NoMenuForAListWithoutSortHeaders) {
  m_list.ModifyStyle(0, LVS_NOSORTHEADER);
  RightClick(50);
  EXPECT_EQ(0, m_tracker.m_nCalls);
  m_list.ModifyStyle(LVS_NOSORTHEADER, 0);
  m_listHeader.EnablePopupMenus(FALSE);
  RightClick(50);
  EXPECT_EQ(0, m_tracker.m_nCalls);
}

TEST_F(TKHeaderCtrlListTest, AutoFitSharesTheWidthAboveTheMinimum) {
  // The list lays its header out as wide as itself when it is resized.
  m_listHeader.SetAutoFitColumns(TRUE);
  m_list.SetWindowPos(NULL, 0, 0, 300, 160, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(100, m_list.GetColumnWidth(0));
  EXPECT_EQ(100, m_list.GetColumnWidth(1));
  EXPECT_EQ(100, m_list.GetColumnWidth(2));
  m_listHeader.SetMinColumnWidth(120);
  m_list.SetWindowPos(NULL, 0, 0, 360, 160, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(100, m_list.GetColumnWidth(0));  // a share of 120 is not above the minimum
  m_listHeader.SetMinColumnWidth(0);
  m_listHeader.Freeze(0);
  m_list.SetWindowPos(NULL, 0, 0, 340, 160, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(100, m_list.GetColumnWidth(0));
  EXPECT_EQ(120, m_list.GetColumnWidth(1));  // (340 - 100) / 2
  EXPECT_EQ(120, m_list.GetColumnWidth(2));
}

TEST_F(TKHeaderCtrlTest, ACustomMenuIsShownWhereverTheClick) {
  m_header.SetPopupMenu(800, 0);
  // The menu's modal loop ends by a timer that closes it.
  ::SetTimer(NULL, 0, 1, [](HWND, UINT, UINT_PTR nId, DWORD) {
    ::KillTimer(NULL, nId);
    ::EndMenu();
  });
  m_header.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(250, 5));
  EXPECT_EQ(0, m_tracker.m_nCalls);
  EXPECT_EQ(1, m_host.CountMessages(WM_INITMENUPOPUP));
}

}  // namespace

// The control wrappers on real (hidden) controls: text and item round trips
// through the controls' own messages.
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <vector>

#include "testsupport/HostWindow.h"

namespace {

/// A hidden top-level window to hold the controls.
class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_parent.CreateHost(400, 300)); }
  void TearDown() override { m_parent.DestroyWindow(); }

  const CRect m_rect{10, 10, 300, 200};
  CTestHostWindow m_parent;
};

TEST_F(ControlsTest, EditTextAndSelectionRoundTrip) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, m_rect, &m_parent, 1001));
  EXPECT_EQ(edit.GetDlgCtrlID(), 1001);

  edit.SetWindowText("first line\r\nsecond");
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ(text, "first line\r\nsecond");
  EXPECT_EQ(edit.GetLineCount(), 2);
  EXPECT_EQ(edit.LineIndex(1), 12);
  EXPECT_EQ(edit.LineLength(12), 6);

  char line[16] = {};
  EXPECT_EQ(edit.GetLine(1, line, sizeof(line)), 6);
  EXPECT_STREQ(line, "second");

  edit.SetSel(6, 10);
  int start = -1, end = -1;
  edit.GetSel(start, end);
  EXPECT_EQ(start, 6);
  EXPECT_EQ(end, 10);
  EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(6, 10)));
  edit.ReplaceSel("LINE");
  edit.GetWindowText(text);
  EXPECT_STREQ(text, "first LINE\r\nsecond");

  edit.SetModify(FALSE);
  EXPECT_FALSE(edit.GetModify());
  edit.LimitText(5);
  EXPECT_EQ(edit.GetLimitText(), 5u);
}

TEST_F(ControlsTest, ListBoxKeepsStringsDataAndSelection) {
  CListBox list;
  ASSERT_TRUE(list.Create(WS_CHILD | LBS_NOTIFY, m_rect, &m_parent, 1002));

  EXPECT_EQ(list.AddString("alpha"), 0);
  EXPECT_EQ(list.AddString("beta"), 1);
  EXPECT_EQ(list.InsertString(1, "between"), 1);
  EXPECT_EQ(list.GetCount(), 3);

  CString text;
  list.GetText(1, text);
  EXPECT_STREQ(text, "between");
  list.GetText(7, text);
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_EQ(list.GetTextLen(2), 4);

  EXPECT_EQ(list.FindString(-1, "BE"), 1);  // prefix, case-insensitive
  EXPECT_EQ(list.FindStringExact(-1, "beta"), 2);
  EXPECT_EQ(list.FindStringExact(-1, "bet"), LB_ERR);

  list.SetItemData(2, 42);
  EXPECT_EQ(list.GetItemData(2), 42u);
  EXPECT_EQ(list.SetCurSel(2), 2);
  EXPECT_EQ(list.GetCurSel(), 2);

  EXPECT_EQ(list.DeleteString(0), 2);
  EXPECT_EQ(list.GetItemData(1), 42u);
  list.ResetContent();
  EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(ControlsTest, ComboBoxKeepsStringsAndSelectsByPrefix) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, m_rect, &m_parent, 1003));

  combo.AddString("Debug");
  combo.AddString("Release");
  combo.AddString("RelWithDebInfo");
  EXPECT_EQ(combo.GetCount(), 3);

  EXPECT_EQ(combo.SelectString(-1, "RelW"), 2);
  EXPECT_EQ(combo.GetCurSel(), 2);
  CString text;
  combo.GetLBText(combo.GetCurSel(), text);
  EXPECT_STREQ(text, "RelWithDebInfo");
  combo.GetWindowText(text);
  EXPECT_STREQ(text, "RelWithDebInfo");
  combo.GetLBText(5, text);
  EXPECT_TRUE(text.IsEmpty());

  EXPECT_EQ(combo.FindStringExact(-1, "release"), 1);
  combo.SetItemData(1, 7);
  EXPECT_EQ(combo.GetItemData(1), 7u);
  EXPECT_EQ(combo.SetCurSel(-1), CB_ERR);
  EXPECT_EQ(combo.GetCurSel(), CB_ERR);
}

TEST_F(ControlsTest, ListCtrlInsertsItemsAndSubItemText) {
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, m_rect, &m_parent, 1004));
  EXPECT_EQ(list.InsertColumn(0, "Step", LVCFMT_LEFT, 120), 0);
  EXPECT_EQ(list.InsertColumn(1, "Time", LVCFMT_RIGHT, 60), 1);
  EXPECT_EQ(list.GetColumnWidth(1), 60);
  EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 2);

  EXPECT_EQ(list.InsertItem(0, "Compile"), 0);
  EXPECT_EQ(list.InsertItem(1, "Link"), 1);
  EXPECT_EQ(list.InsertItem(0, "Clean"), 0);
  ASSERT_EQ(list.GetItemCount(), 3);
  EXPECT_TRUE(list.SetItemText(1, 1, "12 s"));

  EXPECT_STREQ(list.GetItemText(0, 0), "Clean");
  EXPECT_STREQ(list.GetItemText(1, 0), "Compile");
  EXPECT_STREQ(list.GetItemText(1, 1), "12 s");
  EXPECT_STREQ(list.GetItemText(2, 1), "");

  // Longer than the first buffer the wrapper tries.
  CString longText('x', 700);
  list.SetItemText(2, 1, longText);
  EXPECT_EQ(list.GetItemText(2, 1), longText);

  EXPECT_TRUE(list.SetItemData(2, 0x1234));
  EXPECT_EQ(list.GetItemData(2), 0x1234u);
  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_STREQ(list.GetItemText(0, 0), "Compile");
}

TEST_F(ControlsTest, ListCtrlWalksTheSelectedItems) {
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, m_rect, &m_parent, 1005));
  list.InsertColumn(0, "Step");
  for (int i = 0; i < 5; ++i) list.InsertItem(i, "item");

  POSITION pos = list.GetFirstSelectedItemPosition();
  EXPECT_EQ(pos, nullptr);

  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(list.GetSelectedCount(), 2u);
  pos = list.GetFirstSelectedItemPosition();
  ASSERT_NE(pos, nullptr);
  EXPECT_EQ(list.GetNextSelectedItem(pos), 1);
  ASSERT_NE(pos, nullptr);
  EXPECT_EQ(list.GetNextSelectedItem(pos), 3);
  EXPECT_EQ(pos, nullptr);

  list.SetItemState(-1, 0, LVIS_SELECTED);
  EXPECT_EQ(list.GetSelectedCount(), 0u);
}

TEST_F(ControlsTest, ButtonCheckAndScrollBarLimit) {
  CButton check;
  ASSERT_TRUE(check.Create("Pause", WS_CHILD | BS_AUTOCHECKBOX, m_rect, &m_parent, 1006));
  EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
  check.SetCheck(BST_CHECKED);
  EXPECT_EQ(check.GetCheck(), BST_CHECKED);
  EXPECT_EQ(check.GetButtonStyle() & 0x0F, static_cast<UINT>(BS_AUTOCHECKBOX));

  CScrollBar bar;
  ASSERT_TRUE(bar.Create(WS_CHILD | SBS_VERT, CRect(0, 0, 16, 100), &m_parent, 1007));
  SCROLLINFO info = {};
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = 99;
  info.nPage = 10;
  info.nPos = 95;  // beyond the limit: the control keeps the thumb inside
  bar.SetScrollInfo(&info);
  EXPECT_EQ(bar.GetScrollLimit(), 90);
  EXPECT_EQ(bar.GetScrollPos(), 90);
}

TEST_F(ControlsTest, ToolTipKeepsToolsAndTheirTexts) {
  CStatic label;
  ASSERT_TRUE(label.Create("label", WS_CHILD, CRect(0, 0, 50, 20), &m_parent, 1008));
  CToolTipCtrl tips;
  ASSERT_TRUE(tips.Create(&m_parent));

  ASSERT_TRUE(tips.AddTool(&label, "the label"));
  CRect area(60, 0, 100, 20);
  ASSERT_TRUE(tips.AddTool(&m_parent, "an area", &area, 5));
  EXPECT_EQ(tips.GetToolCount(), 2);

  CString text;
  tips.GetText(text, &label);
  EXPECT_STREQ(text, "the label");
  tips.UpdateTipText("renamed", &m_parent, 5);
  tips.GetText(text, &m_parent, 5);
  EXPECT_STREQ(text, "renamed");

  tips.DelTool(&label);
  EXPECT_EQ(tips.GetToolCount(), 1);
  tips.SetMaxTipWidth(200);
  EXPECT_EQ(tips.GetMaxTipWidth(), 200);
  tips.SetDelayTime(TTDT_INITIAL, 250);
  EXPECT_EQ(tips.GetDelayTime(TTDT_INITIAL), 250);
  tips.DestroyWindow();
}

TEST_F(ControlsTest, RangeControlsKeepRangeAndPosition) {
  CSpinButtonCtrl spin;
  ASSERT_TRUE(spin.Create(WS_CHILD, CRect(0, 0, 16, 20), &m_parent, 1009));
  spin.SetRange(-5, 20);
  int lower = 0, upper = 0;
  spin.GetRange(lower, upper);
  EXPECT_EQ(lower, -5);
  EXPECT_EQ(upper, 20);
  spin.SetPos(7);
  EXPECT_EQ(LOWORD(spin.GetPos()), 7);

  CProgressCtrl progress;
  ASSERT_TRUE(progress.Create(WS_CHILD, CRect(0, 0, 100, 10), &m_parent, 1010));
  progress.SetRange32(0, 200);
  progress.GetRange(lower, upper);
  EXPECT_EQ(upper, 200);
  progress.SetPos(50);
  progress.SetStep(25);
  EXPECT_EQ(progress.StepIt(), 50);  // the previous position
  EXPECT_EQ(progress.GetPos(), 75);

  CSliderCtrl slider;
  ASSERT_TRUE(slider.Create(WS_CHILD, CRect(0, 0, 100, 30), &m_parent, 1011));
  slider.SetRange(10, 30);
  slider.SetPos(50);  // clamped to the range
  EXPECT_EQ(slider.GetPos(), 30);

  CTabCtrl tabs;
  ASSERT_TRUE(tabs.Create(WS_CHILD, m_rect, &m_parent, 1012));
  EXPECT_EQ(tabs.InsertItem(0, "Build"), 0);
  EXPECT_EQ(tabs.InsertItem(1, "Log"), 1);
  EXPECT_EQ(tabs.SetCurSel(1), 0);
  EXPECT_EQ(tabs.GetCurSel(), 1);
  EXPECT_EQ(tabs.GetItemCount(), 2);
}

/// Records the owner-draw calls that come back from the parent.
class COwnerDrawList : public CListBox {
 public:
  int m_drawn = -1;
  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override { m_drawn = static_cast<int>(lpDIS->itemID); }
  void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override { lpMIS->itemHeight = 21; }
};

TEST_F(ControlsTest, OwnerDrawMessagesToTheParentReachTheListItself) {
  COwnerDrawList list;
  ASSERT_TRUE(list.Create(WS_CHILD | LBS_OWNERDRAWFIXED, m_rect, &m_parent, 1013));

  DRAWITEMSTRUCT dis = {ODT_LISTBOX, 1013, 3};
  dis.hwndItem = list.m_hWnd;
  EXPECT_EQ(m_parent.SendMessage(WM_DRAWITEM, 1013, reinterpret_cast<LPARAM>(&dis)), TRUE);
  EXPECT_EQ(list.m_drawn, 3);

  MEASUREITEMSTRUCT mis = {ODT_LISTBOX, 1013, 0, 0, 5};
  m_parent.SendMessage(WM_MEASUREITEM, 1013, reinterpret_cast<LPARAM>(&mis));
  EXPECT_EQ(mis.itemHeight, 21u);
}

/// Records the item its parent hands back to DrawItem.
template <class TBase>
class CDrawnControl : public TBase {
 public:
  int m_drawn = -1;
  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override { m_drawn = static_cast<int>(lpDIS->itemID); }
};

TEST_F(ControlsTest, AnOwnerDrawnButtonOrHeaderDrawsItsOwnItems) {
  CDrawnControl<CButton> button;
  ASSERT_TRUE(button.Create("b", WS_CHILD | BS_OWNERDRAW, m_rect, &m_parent, 1016));
  CDrawnControl<CHeaderCtrl> header;
  ASSERT_TRUE(header.Create(WS_CHILD, m_rect, &m_parent, 1017));
  struct Case {
    UINT nType;
    CWnd* pControl;
    int* pDrawn;
  } cases[] = {{ODT_BUTTON, &button, &button.m_drawn}, {ODT_HEADER, &header, &header.m_drawn}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nType);
    DRAWITEMSTRUCT dis = {c.nType, static_cast<UINT>(c.pControl->GetDlgCtrlID()), 4};
    dis.hwndItem = c.pControl->m_hWnd;
    EXPECT_EQ(TRUE, m_parent.SendMessage(WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis)));
    EXPECT_EQ(4, *c.pDrawn);
  }
}

/// Sorts its items by their data and records what the control deletes.
template <class TBase>
class CSortingOwnerDraw : public TBase {
 public:
  int m_compares = 0;
  std::vector<ULONG_PTR> m_deleted;
  int CompareItem(LPCOMPAREITEMSTRUCT lpCIS) override {
    ++m_compares;
    return lpCIS->itemData1 < lpCIS->itemData2 ? -1 : lpCIS->itemData1 > lpCIS->itemData2 ? 1 : 0;
  }
  void DeleteItem(LPDELETEITEMSTRUCT lpDIS) override { m_deleted.push_back(lpDIS->itemData); }
};

TEST_F(ControlsTest, AnOwnerDrawnSortedListSortsAndDeletesThroughItsOwnMembers) {
  // The list box asks its parent to compare and announces deletions; the
  // parent hands both back to the list object.
  CSortingOwnerDraw<CListBox> list;
  ASSERT_TRUE(list.Create(WS_CHILD | LBS_OWNERDRAWFIXED | LBS_SORT, m_rect, &m_parent, 1014));
  for (ULONG_PTR data : {30, 10, 20}) list.AddString(reinterpret_cast<LPCTSTR>(data));
  EXPECT_GT(list.m_compares, 0);
  EXPECT_EQ(10u, list.GetItemData(0));
  EXPECT_EQ(20u, list.GetItemData(1));
  EXPECT_EQ(30u, list.GetItemData(2));
  list.DeleteString(1);
  EXPECT_EQ(std::vector<ULONG_PTR>{20}, list.m_deleted);
}

TEST_F(ControlsTest, CompareAndDeleteMessagesToTheParentReachTheComboBoxItself) {
  CSortingOwnerDraw<CComboBox> combo;
  ASSERT_TRUE(
      combo.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, m_rect, &m_parent, 1015));
  COMPAREITEMSTRUCT cis = {ODT_COMBOBOX, 1015, combo.m_hWnd, 0, 5, 1, 3};
  EXPECT_EQ(1, m_parent.SendMessage(WM_COMPAREITEM, 1015, reinterpret_cast<LPARAM>(&cis)));
  DELETEITEMSTRUCT dis = {ODT_COMBOBOX, 1015, 0, combo.m_hWnd, 77};
  EXPECT_EQ(TRUE, m_parent.SendMessage(WM_DELETEITEM, 1015, reinterpret_cast<LPARAM>(&dis)));
  EXPECT_EQ(1, combo.m_compares);
  EXPECT_EQ(std::vector<ULONG_PTR>{77}, combo.m_deleted);
}

}  // namespace

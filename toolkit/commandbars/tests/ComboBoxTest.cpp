// The combo box on a shown bar window: typed completion from its list, Esc,
// leaving a list-only combo, the drop-down keys, docking and saved layouts;
// its list pop-up (rows, wheel, letters, the mouse, saved items, owner-drawn items), the gallery
// drop-down of an editable combo, and the shell's auto-completion hook.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKControlComboBoxAutoCompleteWnd.h"
#include "commandbars/TKControlComboBoxList.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKKeyboardManager.h"
#include "commandbars/TKMouseManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "common/TKPropExchangeIniFile.h"
#include "testsupport/DibSurface.h"
#include "testsupport/TempFolder.h"

namespace {

class ComboBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    TKSetCommandBarsSystem(&m_system);
    ASSERT_TRUE(m_site.CreateHost(400, 300));
    m_site.ShowWindow(SW_SHOW);
    m_site.SetForegroundWindow();
    m_pBar = new CTKCommandBar;
    m_pBar->SetOwner(&m_site);
    ASSERT_TRUE(m_pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_CHILD | WS_VISIBLE, 0, 0,
                                 300, 40, m_site.GetSafeHwnd(), NULL));
  }
  void TearDown() override {
    if (m_pBar != nullptr) {
      m_pBar->SetTrackingMode(FALSE);
      m_pBar->DestroyWindow();
      m_pBar->InternalRelease();
    }
    TKSetCommandBarsSystem(nullptr);
  }

  /// A combo of the items on the bar, editable or list-only, laid out.
  void MakeCombo(BOOL bEditable, const std::vector<const char*>& items) {
    m_pCombo = new CTKControlComboBox;
    m_pBar->GetControls()->AppendControl(m_pCombo);
    m_pCombo->SetID(kComboId);
    m_pCombo->SetDropDown(bEditable);
    m_pCombo->SetAutoComplete(TRUE);
    for (const char* item : items) List()->AddString(item);
    m_pCombo->SetRect(CRect(0, 0, 150, 24));
  }
  CTKControlComboBoxList* List() const {
    return DYNAMIC_DOWNCAST(CTKControlComboBoxList, m_pCombo->GetListBox());
  }
  CTKControlComboBoxEditCtrl* Edit() const { return m_pCombo->GetEditCtrl(); }
  CString WindowText() const {
    CString str;
    Edit()->GetWindowText(str);
    return str;
  }
  /// A key as the tracking bar offers it, then its character when the
  /// field lets the key pass.
  void Type(char ch) {
    PumpEdit();
    const UINT nKey = ch == '\b' ? VK_BACK : static_cast<UINT>(toupper(ch));
    if (m_pCombo->OnHookKeyDown(nKey, KeyData(nKey)) == 2) Edit()->SendMessage(WM_CHAR, ch);
    PumpEdit();
  }
  /// What the field's own handling left in the queue, as the thread's loop runs it.
  void PumpEdit() {
    MSG msg;
    while (::PeekMessageA(&msg, Edit()->GetSafeHwnd(), 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
  /// The key data of a key-down: its scan code and a repeat count of 1.
  static LPARAM KeyData(UINT nKey) {
    return static_cast<LPARAM>((::MapVirtualKeyA(nKey, 0) << 16) | 1);
  }
  int Count(UINT nCode) const {
    int n = 0;
    for (const SiteNotification& s : m_site.m_notifications) n += s.hdr.code == nCode;
    return n;
  }
  void OpenList() { ASSERT_TRUE(m_pBar->SetPopuped(m_pCombo->GetIndex())); }

  static const int kComboId = 5150;
  CTestGlobalPaintManager m_global;
  CRecordingSystem m_system;
  CTestSite m_site;
  CTKCommandBar* m_pBar = nullptr;
  CTKControlComboBox* m_pCombo = nullptr;
};

// Typed text -------------------------------------------------------------------------------------

TEST_F(ComboBoxTest, TypingCompletesFromTheItemAfterTheFirstAndBackspaceDoesNotComplete) {
  MakeCombo(TRUE, {"abc", "abd"});
  Edit()->SetFocus();
  ASSERT_TRUE(m_pCombo->IsFocused());
  Type('a');
  Type('b');
  EXPECT_EQ(CString("abd"), WindowText()) << "the search begins after item 0";
  int nStart = 0, nEnd = 0;
  Edit()->GetSel(nStart, nEnd);
  EXPECT_EQ(2, nStart);
  EXPECT_EQ(3, nEnd) << "the completed tail is selected";
  EXPECT_EQ(1, m_pCombo->GetCurSel());
  EXPECT_EQ(2, Count(CBN_EDITCHANGE));

  Type('\b');
  EXPECT_EQ(CString("ab"), WindowText()) << "the tail goes without a new completion";
  EXPECT_EQ(-1, m_pCombo->GetCurSel());
  Type('c');
  EXPECT_EQ(CString("abc"), WindowText());
  EXPECT_EQ(0, m_pCombo->GetCurSel()) << "the exact item is selected";
}

TEST_F(ComboBoxTest, EscRestoresTheSelectionAndTextOfTheMomentOfFocus) {
  MakeCombo(TRUE, {"abc", "abd", "xyz"});
  m_pCombo->SetCurSel(0);
  Edit()->SetFocus();
  ASSERT_TRUE(m_pBar->IsTrackingMode());
  m_pCombo->SetCurSel(2);
  EXPECT_EQ(CString("xyz"), WindowText());
  EXPECT_EQ(0, m_pCombo->OnHookKeyDown(VK_ESCAPE, 0)) << "on a tool bar the bar ends tracking";
  EXPECT_EQ(0, m_pCombo->GetCurSel());
  EXPECT_EQ(CString("abc"), m_pCombo->GetEditText());
  EXPECT_FALSE(m_pCombo->IsFocused());
  EXPECT_EQ(1, Count(CBN_KILLFOCUS));
}

struct FocusLossCase {
  BOOL bExecute;
  int nSelection;
  int nCancels;
};

class ComboFocusLossTest : public ComboBoxTest,
                           public ::testing::WithParamInterface<FocusLossCase> {};

TEST_P(ComboFocusLossTest, AListOnlyComboWithoutAnEndedSelectionGoesBack) {
  MakeCombo(FALSE, {"one", "two", "three"});
  m_pCombo->SetCurSel(0);
  m_pCombo->SetFocused(TRUE);
  EXPECT_EQ(1, m_pCombo->OnHookKeyDown(VK_DOWN, 0)) << "Down alone moves the closed list";
  EXPECT_EQ(1, m_pCombo->GetCurSel());
  EXPECT_EQ(CString("two"), m_pCombo->GetRawText());
  if (GetParam().bExecute) m_pCombo->OnExecute();
  m_pCombo->SetFocused(FALSE);
  EXPECT_EQ(GetParam().nSelection, m_pCombo->GetCurSel());
  EXPECT_EQ(GetParam().nCancels, Count(CBN_SELENDCANCEL));
  EXPECT_EQ(GetParam().bExecute ? 1 : 0, Count(CBN_SELENDOK));
}

INSTANTIATE_TEST_SUITE_P(Ends, ComboFocusLossTest,
                         ::testing::Values(FocusLossCase{FALSE, 0, 1}, FocusLossCase{TRUE, 1, 0}));

// The drop-down keys -------------------------------------------------------------------------------

TEST_F(ComboBoxTest, F4AndAltDownToggleTheListTabIsSwallowed) {
  MakeCombo(TRUE, {"abc", "abd"});
  Edit()->SetFocus();
  EXPECT_EQ(1, m_pCombo->OnHookKeyDown(VK_TAB, 0));
  EXPECT_TRUE(m_pCombo->IsFocused());

  EXPECT_EQ(1, m_pCombo->OnHookKeyDown(VK_F4, 0));
  EXPECT_TRUE(m_pCombo->IsListOpen());
  EXPECT_TRUE(List()->IsWindowVisible());
  EXPECT_EQ(1, Count(CBN_DROPDOWN));
  EXPECT_EQ(1, m_pCombo->OnHookKeyDown(VK_F4, 0));
  EXPECT_FALSE(m_pCombo->IsListOpen());
  EXPECT_FALSE(List()->IsWindowVisible());
  EXPECT_EQ(1, Count(CBN_CLOSEUP));
  EXPECT_EQ(1, Count(CBN_SELENDCANCEL));

  m_system.m_keysDown = {VK_MENU};
  EXPECT_EQ(1, m_pCombo->OnHookKeyDown(VK_DOWN, 0));
  EXPECT_TRUE(m_pCombo->IsListOpen());
  EXPECT_EQ(1, m_pCombo->OnHookKeyDown(VK_DOWN, 0));
  EXPECT_FALSE(m_pCombo->IsListOpen());
  m_system.m_keysDown.clear();

  EXPECT_EQ(1, m_pCombo->OnHookKeyDown(VK_DOWN, 0));
  EXPECT_FALSE(m_pCombo->IsListOpen()) << "Down alone only moves the selection";
  EXPECT_NE(-1, m_pCombo->GetCurSel());
  EXPECT_TRUE(m_pCombo->IsFocused());
}

TEST_F(ComboBoxTest, AVerticalToolBarHidesTheCombo) {
  MakeCombo(TRUE, {"abc"});
  ASSERT_TRUE(Edit()->IsWindowVisible());
  m_pCombo->OnCalcDynamicSize(TKLM_VERTDOCK);
  EXPECT_EQ(static_cast<DWORD>(TKHIDE_POSITION), m_pCombo->GetHideFlags());
  EXPECT_FALSE(Edit()->IsWindowVisible());
  m_pCombo->OnCalcDynamicSize(TKLM_HORZDOCK);
  EXPECT_EQ(0u, m_pCombo->GetHideFlags());
  EXPECT_TRUE(Edit()->IsWindowVisible());
}

TEST_F(ComboBoxTest, ACopyTakesTheOptionsAndAListOfItsOwn) {
  MakeCombo(TRUE, {"abc", "abd"});
  List()->SetItemData(1, 77);
  m_pCombo->SetDropDownItemCount(5);
  m_pCombo->SetEditHint("Find");
  CTKControlComboBox* pCopy = DYNAMIC_DOWNCAST(CTKControlComboBox, m_pCombo->Clone());
  ASSERT_NE(nullptr, pCopy);
  EXPECT_TRUE(pCopy->GetDropDown());
  EXPECT_EQ(5, pCopy->GetDropDownItemCount());
  EXPECT_EQ(CString("Find"), pCopy->GetEditHint());
  CTKControlComboBoxList* pList = DYNAMIC_DOWNCAST(CTKControlComboBoxList, pCopy->GetListBox());
  ASSERT_NE(nullptr, pList);
  EXPECT_NE(List(), pList);
  ASSERT_EQ(2, pList->GetItemCount());
  EXPECT_EQ(77u, pList->GetItemData(1));
  pCopy->InternalRelease();
}

// Saved layouts ---------------------------------------------------------------------------------

class ComboLayoutTest : public ComboBoxTest {
 protected:
  CTKPropExchangeIniFile* Open(BOOL bLoading, int nSchema) {
    CTKPropExchangeIniFile* px = new CTKPropExchangeIniFile(bLoading, nullptr, "Combo");
    px->AssignFile(m_path.c_str());
    if (nSchema != 0) px->SetSchema(nSchema);
    return px;
  }
  CTempFolder m_folder;
  std::string m_path = m_folder.PathOf("layout.ini");
};

TEST_F(ComboLayoutTest, ALayoutWithoutDropDownLoadsEditableANewComboIsListOnly) {
  CTKControlComboBox fresh;
  EXPECT_FALSE(fresh.GetDropDown());
  EXPECT_EQ(12, fresh.GetDropDownItemCount());
  CTKPropExchangeSection px(Open(TRUE, 0));
  CTKControlComboBox loaded;
  loaded.DoPropExchange(px);
  EXPECT_TRUE(loaded.GetDropDown());
  EXPECT_NE(nullptr, loaded.GetEditCtrl());
}

TEST_F(ComboLayoutTest, ItemDataIsKeptFromSchema37AndLoadsAs0From36) {
  for (int nSchema : {36, 37}) {
    {
      CTKControlComboBox saved;
      CTKControlComboBoxList* pList = DYNAMIC_DOWNCAST(CTKControlComboBoxList, saved.GetListBox());
      pList->SetListIconId(40);
      pList->SetItemData(pList->AddString("first"), 11);
      pList->SetItemData(pList->AddString("second"), 22);
      saved.SetDropDownItemCount(7);
      CTKPropExchangeSection px(Open(FALSE, nSchema));
      saved.DoPropExchange(px);
    }
    CTKPropExchangeSection px(Open(TRUE, 0));
    CTKControlComboBox loaded;
    loaded.DoPropExchange(px);
    CTKControlComboBoxList* pList = DYNAMIC_DOWNCAST(CTKControlComboBoxList, loaded.GetListBox());
    ASSERT_EQ(2, pList->GetItemCount()) << nSchema;
    CString strText;
    pList->GetText(1, strText);
    EXPECT_EQ(CString("second"), strText);
    EXPECT_EQ(nSchema > 36 ? 22u : 0u, pList->GetItemData(1)) << nSchema;
    EXPECT_EQ(40, pList->GetListIconId());
    EXPECT_EQ(7, loaded.GetDropDownItemCount());
    ::DeleteFileA(m_path.c_str());
  }
}

// The list pop-up ---------------------------------------------------------------------------------

struct RowsCase {
  int nItems;
  int nRows;
};

class ComboRowsTest : public ComboBoxTest, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(ComboRowsTest, TheListOpensAsManyRowsHighAsItemsUpToTheDropDownCount) {
  std::vector<std::string> texts;
  for (int i = 0; i < GetParam().nItems; ++i) texts.push_back("item " + std::to_string(i));
  std::vector<const char*> items;
  for (const std::string& text : texts) items.push_back(text.c_str());
  MakeCombo(FALSE, items);
  OpenList();
  const int nItemHeight = static_cast<int>(List()->SendMessage(LB_GETITEMHEIGHT, 0));
  CRect rc;
  List()->GetWindowRect(&rc);
  EXPECT_EQ(GetParam().nRows * nItemHeight + 4, rc.Height());
  EXPECT_EQ(150, rc.Width()) << "as wide as the combo";
}

INSTANTIATE_TEST_SUITE_P(Items, ComboRowsTest,
                         ::testing::Values(RowsCase{30, 12}, RowsCase{3, 3}, RowsCase{0, 1}));

// Owner-drawn items ----------------------------------------------------------------------------

/// Counts the items it is asked to draw, and draws them as any combo.
class CCountingCombo : public CTKControlComboBox {
 public:
  std::vector<std::pair<UINT, bool>> m_drawn;  ///< item and whether selected
  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
    m_drawn.push_back({lpDIS->itemID, (lpDIS->itemState & ODS_SELECTED) != 0});
    CTKControlComboBox::DrawItem(lpDIS);
  }
};

/// A list-only combo whose list draws its items through the combo.
class ComboOwnerDrawTest : public ComboBoxTest {
 protected:
  void MakeOwnerDrawn(const std::vector<const char*>& items) {
    m_pCounting = new CCountingCombo;
    m_pCombo = m_pCounting;
    m_pBar->GetControls()->AppendControl(m_pCombo);
    m_pCombo->SetID(kComboId);
    // The list the combo made has its window already; an owner-drawn one is
    // a new list, made once the combo sits on a bar that has a site.
    CTKControlComboBoxList* pList = new CTKControlComboBoxList(TRUE);
    pList->SetStyle(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS);
    m_pCombo->SetCommandBar(pList);  // takes the reference over
    for (const char* item : items) List()->AddString(item);
    m_pCombo->SetRect(CRect(0, 0, 150, 24));
  }
  /// The item as the list box asks its owner to draw it, into `surface`.
  void Draw(CDibSurface& surface, UINT nItem, BOOL bSelected) {
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_LISTBOX;
    dis.itemID = nItem;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = bSelected ? ODS_SELECTED : 0;
    dis.hwndItem = List()->GetSafeHwnd();
    dis.hDC = surface.GetSafeHdc();
    dis.rcItem = CRect(0, 0, surface.GetWidth(), surface.GetHeight());
    m_pCombo->DrawItem(&dis);
  }
  static int CountDark(CDibSurface& surface, const CRect& rc) {
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
      for (int x = rc.left; x < rc.right; ++x) n += GetRValue(surface.GetPixel(x, y)) < 100;
    return n;
  }

  CCountingCombo* m_pCounting = nullptr;
};

TEST_F(ComboOwnerDrawTest, TheSiteHandsTheOpenListsItemsBackToTheComboToDraw) {
  MakeOwnerDrawn({"abc", "abd", "xyz"});
  EXPECT_EQ(m_site.GetSafeHwnd(), ::GetWindow(List()->GetSafeHwnd(), GW_OWNER));
  const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(List()->GetSafeHwnd(), GWL_STYLE));
  EXPECT_EQ(static_cast<DWORD>(WS_POPUP | LBS_OWNERDRAWFIXED),
            dwStyle & (WS_POPUP | WS_CHILD | LBS_OWNERDRAWFIXED))
      << "a pop-up the site owns";
  m_pCombo->SetCurSel(1);
  OpenList();
  m_pCounting->m_drawn.clear();
  List()->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
  std::vector<std::pair<UINT, bool>> expected = {{0, false}, {1, true}, {2, false}};
  EXPECT_EQ(expected, m_pCounting->m_drawn);
}

TEST_F(ComboOwnerDrawTest, AnItemIsDrawnOnItsStatesBackgroundWithItsIconLeftOfItsTextNoItemNothing) {
  CTKImageManager* pImages = new CTKImageManager;
  m_pBar->SetImageManager(pImages);
  ASSERT_TRUE(AddTestIcons(pImages, {700, 701}, 16));
  MakeOwnerDrawn({"one", "two"});
  const COLORREF clrIcon = RGB(0x30, 0x60, 0xA0);
  struct Case {
    int nListIconId;
    BOOL bSelected;
    COLORREF clrBack;  ///< the window colour, or the selected rectangle's
    int nIconPixels;
    int nTextFrom;  ///< no text left of this column
  };
  const COLORREF clrWindow = ::GetSysColor(COLOR_WINDOW);
  // The icon 2 pixels in, the text 2 past it plus its 3-pixel margin.
  for (const Case& c : {Case{-1, FALSE, clrWindow, 0, 3},
                        Case{-1, TRUE, CTestPaintManager::kHot, 0, 3},
                        Case{700, FALSE, clrWindow, 16 * 16, 2 + 16 + 2 + 3}}) {
    SCOPED_TRACE(testing::Message() << c.nListIconId << " " << c.bSelected);
    List()->SetListIconId(c.nListIconId);
    CDibSurface surface(120, 20, RGB(1, 2, 3));
    Draw(surface, 1, c.bSelected);
    EXPECT_EQ(c.clrBack, surface.GetPixel(118, 1));
    EXPECT_EQ(c.nIconPixels, surface.CountPixels(CRect(2, 2, 18, 18), clrIcon));
    EXPECT_EQ(c.nIconPixels, surface.CountPixels(clrIcon));
    EXPECT_EQ(0, CountDark(surface, CRect(0, 0, c.nTextFrom, 20)) - c.nIconPixels);
    EXPECT_GT(CountDark(surface, CRect(c.nTextFrom, 0, 120, 20)), 0);
  }
  CDibSurface surface(120, 20, RGB(1, 2, 3));
  Draw(surface, static_cast<UINT>(-1), FALSE);
  EXPECT_EQ(120 * 20, surface.CountPixels(RGB(1, 2, 3)));
}

TEST_F(ComboBoxTest, TheWheelScrollsTheOpenListWithoutClosingIt) {
  std::vector<std::string> texts;
  for (int i = 0; i < 30; ++i) texts.push_back("item " + std::to_string(i));
  std::vector<const char*> items;
  for (const std::string& text : texts) items.push_back(text.c_str());
  MakeCombo(FALSE, items);
  OpenList();
  ASSERT_EQ(0, List()->SendMessage(LB_GETTOPINDEX));
  const BOOL bSwallowed = CTKKeyboardManager::GetThreadManager()->ProcessKey(
      WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_TRUE(bSwallowed);
  EXPECT_GT(List()->SendMessage(LB_GETTOPINDEX), 0);
  EXPECT_TRUE(m_pCombo->IsListOpen());
  EXPECT_TRUE(List()->IsWindowVisible());
}

TEST_F(ComboBoxTest, LettersSelectTheNextItemByItsFirstLetterAndUpdateTheText) {
  MakeCombo(FALSE, {"apple", "banana", "blueberry", "cherry"});
  m_pCombo->SetFocused(TRUE);
  EXPECT_EQ(1, m_pCombo->OnHookKeyDown('B', KeyData('B')));
  EXPECT_EQ(1, m_pCombo->GetCurSel());
  EXPECT_EQ(CString("banana"), m_pCombo->GetListBoxText());
  EXPECT_EQ(CString("banana"), m_pCombo->GetRawText());
  m_pCombo->OnHookKeyDown('B', KeyData('B'));
  EXPECT_EQ(CString("blueberry"), m_pCombo->GetRawText());
  EXPECT_EQ(2, Count(CBN_SELCHANGE));
}

TEST_F(ComboBoxTest, ThePointerSelectsAnItemAndTheReleaseChoosesIt) {
  MakeCombo(FALSE, {"one", "two", "three"});
  OpenList();
  CRect rcItem;
  List()->SendMessage(LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rcItem));
  const LPARAM lPoint = MAKELPARAM(rcItem.left + 5, rcItem.top + 2);
  List()->SendMessage(WM_MOUSEMOVE, 0, lPoint);
  EXPECT_EQ(2, List()->GetCurSel());
  List()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
  List()->SendMessage(WM_LBUTTONUP, 0, lPoint);
  EXPECT_EQ(CString("three"), m_pCombo->GetRawText());
  EXPECT_EQ(1, Count(CBN_SELENDOK));
  ASSERT_EQ(1u, m_site.m_commands.size());
  EXPECT_EQ(static_cast<WPARAM>(kComboId), m_site.m_commands[0]);
  EXPECT_FALSE(m_pCombo->IsListOpen());
}

// The gallery drop-down ---------------------------------------------------------------------------

class ComboGalleryTest : public ComboBoxTest {
 protected:
  void SetUp() override {
    ComboBoxTest::SetUp();
    MakeCombo(TRUE, {});
    m_pPopup = CTKControlComboBoxGalleryPopupBar::CreateComboBoxGalleryPopupBar(nullptr);
    m_pItems = new CTKControlGalleryItems;
    m_pItems->SetItemSize(CSize(40, 20));
    const char* texts[] = {"red", "green", "blue", "cyan", "magenta", "yellow"};
    for (int i = 0; i < 6; ++i) m_pItems->AddItem(200 + i, texts[i]);
    m_pAction = new CTKControlAction(nullptr);
    m_pAction->SetGalleryItems(m_pItems);
    m_pGallery = new CTKControlGallery;
    m_pPopup->GetControls()->AppendControl(m_pGallery);
    m_pGallery->SetAction(m_pAction);
    m_pGallery->SetShowScrollBar(FALSE);
    m_pGallery->SetWidth(80);
    m_pGallery->SetHeight(60);
    m_pCombo->SetCommandBar(m_pPopup);
  }
  void TearDown() override {
    m_pBar->SetTrackingMode(FALSE);
    m_pAction->InternalRelease();
    m_pItems->InternalRelease();
    ComboBoxTest::TearDown();
  }
  CTKControlComboBoxGalleryPopupBar* m_pPopup = nullptr;
  CTKControlGalleryItems* m_pItems = nullptr;
  CTKControlAction* m_pAction = nullptr;
  CTKControlGallery* m_pGallery = nullptr;
};

TEST_F(ComboGalleryTest, DownEndsOnTheItemAfterThePreviousSelectionUpFromTheSecondOnTheFirst) {
  Edit()->SetFocus();
  OpenList();
  ASSERT_TRUE(m_pPopup->IsTrackingMode());
  EXPECT_EQ(1, Count(CBN_DROPDOWN));
  m_pPopup->SetCurSel(0);
  EXPECT_EQ(1, m_pPopup->OnHookKeyDown(VK_DOWN, 0));
  EXPECT_EQ(1, m_pPopup->GetCurSel()) << "not the row below, two items on";
  EXPECT_EQ(CString("green"), m_pCombo->GetRawText());
  EXPECT_EQ(1, m_pPopup->OnHookKeyDown(VK_UP, 0));
  EXPECT_EQ(0, m_pPopup->GetCurSel()) << "Up from the second item reaches the first";
  EXPECT_EQ(CString("red"), m_pCombo->GetRawText());
  m_pPopup->SetCurSel(5);
  m_pPopup->OnHookKeyDown(VK_DOWN, 0);
  EXPECT_EQ(0, m_pPopup->GetCurSel()) << "the gallery's wrap from the last item stands";
  EXPECT_EQ(0, m_pPopup->OnHookKeyDown(VK_TAB, 0));
}

TEST_F(ComboGalleryTest, TypedTextSelectsTheGalleryItem) {
  Edit()->SetFocus();
  OpenList();
  Type('c');
  EXPECT_EQ(CString("cyan"), WindowText());
  EXPECT_EQ(3, m_pPopup->GetCurSel());
}

// Shell auto-completion ----------------------------------------------------------------------------

TEST(ComboAutoCompleteTest, TheSuggestionListIsFollowedWhileShownAndOneHookRunsAtATime) {
  CTKControlComboBoxAutoCompleteWnd first, second;
  CEdit edit;
  ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_POPUP, CRect(0, 0, 100, 20), nullptr, 0));
  const HRESULT hr = first.SetupAutoComplete(edit.GetSafeHwnd(), SHACF_FILESYSTEM);
  EXPECT_TRUE(SUCCEEDED(hr) || hr == E_FAIL || hr == E_NOTIMPL);

  first.SetHook(TRUE);
  EXPECT_TRUE(first.IsHookOwner());
  second.SetHook(TRUE);
  EXPECT_FALSE(second.IsHookOwner()) << "a second field's request does nothing";
  second.SetHook(FALSE);
  EXPECT_TRUE(first.IsHookOwner());

  CWnd dropDown;
  const char* kClass = "Auto-Suggest Dropdown";
  WNDCLASSA wc = {};
  wc.lpfnWndProc = ::DefWindowProcA;
  wc.hInstance = ::GetModuleHandleA(NULL);
  wc.lpszClassName = kClass;
  ::RegisterClassA(&wc);
  ASSERT_TRUE(dropDown.CreateEx(0, kClass, "", WS_POPUP, CRect(0, 30, 100, 90), nullptr, 0));
  dropDown.ShowWindow(SW_SHOWNA);
  EXPECT_EQ(dropDown.GetSafeHwnd(), first.GetDropDownWindow());
  MSG msg;
  EXPECT_TRUE(::PeekMessageA(&msg, edit.GetSafeHwnd(), TK_WM_SHELLDROPDOWN, TK_WM_SHELLDROPDOWN,
                             PM_REMOVE));
  WPARAM w = 0;
  LPARAM l = 0;
  LRESULT r = 0;
  EXPECT_EQ(2, first.OnHookMessage(NULL, WM_MOUSEWHEEL, w, l, r)) << "the wheel reaches the list";
  first.HideDropDown();
  EXPECT_EQ(nullptr, first.GetDropDownWindow());
  EXPECT_EQ(0, first.OnHookMessage(NULL, WM_MOUSEWHEEL, w, l, r));
  first.SetHook(FALSE);
  EXPECT_FALSE(first.IsHookOwner());
  dropDown.DestroyWindow();
  edit.DestroyWindow();
}

}  // namespace

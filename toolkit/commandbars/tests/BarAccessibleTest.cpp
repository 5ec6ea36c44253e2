// A bar as an accessible object, asked through WM_GETOBJECT as a screen
// reader would (the system's oleacc): its name, role and state, its controls
// as children, their places and the hit test.
#include <gtest/gtest.h>

#include <oleacc.h>

#include "SupportPaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "testsupport/HostWindow.h"

namespace {

VARIANT Child(long nChild) {
  VARIANT var;
  var.vt = VT_I4;
  var.lVal = nChild;
  return var;
}

CStringW Name(IAccessible* pAcc, long nChild) {
  BSTR bstr = nullptr;
  if (FAILED(pAcc->get_accName(Child(nChild), &bstr))) return L"<failed>";
  CStringW str(bstr);
  ::SysFreeString(bstr);
  return str;
}

long LongAnswer(HRESULT (STDMETHODCALLTYPE IAccessible::*pfn)(VARIANT, VARIANT*), IAccessible* pAcc,
                long nChild) {
  VARIANT var;
  ::VariantInit(&var);
  if (FAILED((pAcc->*pfn)(Child(nChild), &var)) || var.vt != VT_I4) return -1;
  return var.lVal;
}

class BarAccessibleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(NULL)));
    ASSERT_TRUE(m_host.CreateHost());
    m_pBar = new CTKCommandBar;
    m_pBar->SetTitle("Standard");
    ASSERT_TRUE(m_pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_POPUP | WS_VISIBLE, 10, 20,
                                 100, 22, m_host.GetSafeHwnd(), NULL));
    CTKControl* pOpen = m_pBar->GetControls()->AddNew(tkControlButton, 100);
    pOpen->SetCaption("&Open");
    pOpen->SetShortcutText("Ctrl+O");
    pOpen->SetRect(CRect(0, 0, 24, 22));
    CTKControl* pSave = m_pBar->GetControls()->AddNew(tkControlButton, 101);
    pSave->SetCaption("Save");
    pSave->SetRect(CRect(24, 0, 48, 22));
  }
  void TearDown() override {
    if (m_pAcc != nullptr) m_pAcc->Release();
    m_pBar->DestroyWindow();
    m_pBar->InternalRelease();
    ::CoUninitialize();
  }
  /// The object oleacc makes of the bar's answer to WM_GETOBJECT.
  IAccessible* Ask(LONG nObjectId) {
    IAccessible* pAcc = nullptr;
    m_pBar->AccessibleObjectFromWindow(m_pBar->GetSafeHwnd(), static_cast<DWORD>(nObjectId),
                                       IID_IAccessible, reinterpret_cast<void**>(&pAcc));
    return pAcc;
  }

  CTestGlobalPaintManager m_paintManager;
  CTestHostWindow m_host;
  CTKCommandBar* m_pBar = nullptr;
  IAccessible* m_pAcc = nullptr;
};

TEST_F(BarAccessibleTest, TheBarNamesItsControlsAsChildren) {
  m_pAcc = Ask(OBJID_CLIENT);
  ASSERT_NE(nullptr, m_pAcc);
  long nCount = 0;
  EXPECT_EQ(S_OK, m_pAcc->get_accChildCount(&nCount));
  EXPECT_EQ(2, nCount);
  EXPECT_EQ(CStringW(L"Standard"), Name(m_pAcc, CHILDID_SELF));
  EXPECT_EQ(CStringW(L"Open\tCtrl+O"), Name(m_pAcc, 1));
  EXPECT_EQ(CStringW(L"Save"), Name(m_pAcc, 2));
  IDispatch* pChild = nullptr;
  ASSERT_EQ(S_OK, m_pAcc->get_accChild(Child(2), &pChild));
  IAccessible* pChildAcc = nullptr;
  ASSERT_EQ(S_OK, pChild->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&pChildAcc)));
  EXPECT_EQ(CStringW(L"Save"), Name(pChildAcc, CHILDID_SELF));
  pChildAcc->Release();
  pChild->Release();
}

TEST_F(BarAccessibleTest, RolesAndStatesOfTheBarAndItsChildren) {
  struct Case {
    int type;
    long role;
  } cases[] = {{tkBarTypeNormal, ROLE_SYSTEM_TOOLBAR},
               {tkBarTypeMenuBar, ROLE_SYSTEM_MENUBAR},
               {tkBarTypePopup, ROLE_SYSTEM_MENUPOPUP}};
  m_pAcc = Ask(OBJID_MENU);
  ASSERT_NE(nullptr, m_pAcc);
  for (const Case& c : cases) {
    m_pBar->SetType(c.type);
    EXPECT_EQ(c.role, LongAnswer(&IAccessible::get_accRole, m_pAcc, CHILDID_SELF)) << c.type;
    EXPECT_EQ(ROLE_SYSTEM_MENUITEM, LongAnswer(&IAccessible::get_accRole, m_pAcc, 1)) << c.type;
  }
  m_pBar->SetSelected(1, 0);
  EXPECT_EQ(0, LongAnswer(&IAccessible::get_accState, m_pAcc, CHILDID_SELF));
  EXPECT_EQ(0x300000, LongAnswer(&IAccessible::get_accState, m_pAcc, 1));
  EXPECT_EQ(0x300086, LongAnswer(&IAccessible::get_accState, m_pAcc, 2)) << "the hot child";
  m_pBar->ShowWindow(SW_HIDE);
  EXPECT_EQ(STATE_SYSTEM_INVISIBLE, LongAnswer(&IAccessible::get_accState, m_pAcc, CHILDID_SELF));
}

TEST_F(BarAccessibleTest, PlacesAndTheHitTestAreOnTheScreen) {
  m_pAcc = Ask(OBJID_CLIENT);
  ASSERT_NE(nullptr, m_pAcc);
  CRect rcWindow;
  m_pBar->GetWindowRect(&rcWindow);
  long x = 0, y = 0, cx = 0, cy = 0;
  EXPECT_EQ(S_OK, m_pAcc->accLocation(&x, &y, &cx, &cy, Child(2)));
  EXPECT_EQ(CRect(rcWindow.left + 24, rcWindow.top, rcWindow.left + 48, rcWindow.top + 22),
            CRect(x, y, x + cx, y + cy));

  VARIANT var;
  ::VariantInit(&var);
  EXPECT_EQ(S_FALSE, m_pAcc->accHitTest(rcWindow.left - 5, rcWindow.top + 5, &var));
  EXPECT_EQ(VT_EMPTY, var.vt);
  EXPECT_EQ(S_OK, m_pAcc->accHitTest(rcWindow.left + 80, rcWindow.top + 5, &var));
  EXPECT_EQ(VT_I4, var.vt);
  EXPECT_EQ(CHILDID_SELF, var.lVal);
  EXPECT_EQ(S_OK, m_pAcc->accHitTest(rcWindow.left + 30, rcWindow.top + 5, &var));
  ASSERT_EQ(VT_DISPATCH, var.vt);
  IAccessible* pHit = nullptr;
  ASSERT_EQ(S_OK, var.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&pHit)));
  EXPECT_EQ(CStringW(L"Save"), Name(pHit, CHILDID_SELF));
  pHit->Release();
  ::VariantClear(&var);
}

TEST_F(BarAccessibleTest, AControlIdAsksForTheControlItself) {
  IAccessible* pControl = Ask(101);
  ASSERT_NE(nullptr, pControl);
  EXPECT_EQ(CStringW(L"Save"), Name(pControl, CHILDID_SELF));
  pControl->Release();
  EXPECT_EQ(nullptr, Ask(555)) << "no control of that id";
}

}  // namespace

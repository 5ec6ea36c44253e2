// CTKCommandBar: help and accessibility: the help id under a point, and the
// bar and its controls as accessible objects (WM_GETOBJECT and the answers of
// the bar's IAccessible).
#include "commandbars/TKCommandBar.h"

#include <afxpriv.h>
#include <afxres.h>

#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"

BEGIN_INTERFACE_MAP(CTKCommandBar, CWnd)
INTERFACE_PART(CTKCommandBar, IID_IAccessible, Accessible)
END_INTERFACE_MAP()

namespace {

VARIANT SelfVariant() {
  VARIANT var;
  var.vt = VT_I4;
  var.lVal = CHILDID_SELF;
  return var;
}

}  // namespace

LRESULT CTKCommandBar::OnHelpHitTest(WPARAM, LPARAM lParam) {
  const CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
  if (CTKControl* pControl = ControlFromPoint(point))
    return HID_BASE_COMMAND + pControl->GetHelpId();
  const int nDialogId = ::GetDlgCtrlID(m_hWnd);
  return nDialogId != 0 ? HID_BASE_CONTROL + nDialogId : 0;
}

LRESULT CTKCommandBar::OnGetObject(WPARAM wParam, LPARAM lParam) {
  // The object id travels in the low 32 bits.
  const LONG nObjectId = static_cast<LONG>(static_cast<DWORD>(lParam));
  if (nObjectId == OBJID_CLIENT || nObjectId == OBJID_MENU)
    return LresultFromObject(IID_IAccessible, wParam, GetInterface(&IID_IAccessible));
  if (nObjectId > 0 && nObjectId < 0xFFFFFF) {
    if (CTKControl* pControl = m_pControls->FindControlById(nObjectId))
      return LresultFromObject(IID_IAccessible, wParam, pControl->GetInterface(&IID_IAccessible));
  }
  return Default();
}

CTKControl* CTKCommandBar::AccessibleChild(const VARIANT& varChild) const {
  const long nChild = GetChildIndex(&varChild);
  return nChild > 0 ? GetControl(nChild - 1) : nullptr;
}

HRESULT CTKCommandBar::GetAccessibleParent(IDispatch** ppdispParent) {
  if (ppdispParent == nullptr) return E_INVALIDARG;
  *ppdispParent = nullptr;
  // A pop-up's parent is the control that opened it, which the pop-up knows.
  if (IsPopupBar() || GetSafeHwnd() == NULL) return E_FAIL;
  return AccessibleObjectFromWindow(m_hWnd, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                    reinterpret_cast<void**>(ppdispParent));
}

HRESULT CTKCommandBar::GetAccessibleChildCount(long* pcountChildren) {
  if (pcountChildren == nullptr) return E_INVALIDARG;
  *pcountChildren = GetControlCount();
  return S_OK;
}

HRESULT CTKCommandBar::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) {
  if (ppdispChild == nullptr) return E_INVALIDARG;
  *ppdispChild = nullptr;
  CTKControl* pControl = AccessibleChild(varChild);
  if (pControl == nullptr) return E_INVALIDARG;
  *ppdispChild = pControl->GetIDispatch(TRUE);
  return *ppdispChild != nullptr ? S_OK : S_FALSE;
}

HRESULT CTKCommandBar::GetAccessibleName(VARIANT varChild, BSTR* pszName) {
  if (pszName == nullptr) return E_INVALIDARG;
  if (GetChildIndex(&varChild) == CHILDID_SELF) {
    *pszName = ::SysAllocString(CStringW(GetTitle()));
    return S_OK;
  }
  CTKControl* pControl = AccessibleChild(varChild);
  if (pControl == nullptr) return E_INVALIDARG;
  return pControl->GetAccessibleName(SelfVariant(), pszName);
}

HRESULT CTKCommandBar::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) {
  if (pvarRole == nullptr) return E_INVALIDARG;
  pvarRole->vt = VT_I4;
  if (GetChildIndex(&varChild) != CHILDID_SELF) {
    if (AccessibleChild(varChild) == nullptr) return E_INVALIDARG;
    pvarRole->lVal = ROLE_SYSTEM_MENUITEM;
  } else if (m_barType == tkBarTypeMenuBar) {
    pvarRole->lVal = ROLE_SYSTEM_MENUBAR;
  } else if (m_barType == tkBarTypePopup || IsPopupBar()) {
    pvarRole->lVal = ROLE_SYSTEM_MENUPOPUP;
  } else {
    pvarRole->lVal = ROLE_SYSTEM_TOOLBAR;
  }
  return S_OK;
}

HRESULT CTKCommandBar::GetAccessibleState(VARIANT varChild, VARIANT* pvarState) {
  if (pvarState == nullptr) return E_INVALIDARG;
  pvarState->vt = VT_I4;
  const long nChild = GetChildIndex(&varChild);
  if (nChild == CHILDID_SELF) {
    const BOOL bVisible = GetSafeHwnd() != NULL && ::IsWindowVisible(m_hWnd);
    pvarState->lVal = bVisible ? 0 : STATE_SYSTEM_INVISIBLE;
    return S_OK;
  }
  if (AccessibleChild(varChild) == nullptr) return E_INVALIDARG;
  pvarState->lVal = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
  if (nChild - 1 == m_nSelected)
    pvarState->lVal |= STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_SELECTED;
  return S_OK;
}

HRESULT CTKCommandBar::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth,
                                          long* pcyHeight, VARIANT varChild) {
  if (pxLeft == nullptr || pyTop == nullptr || pcxWidth == nullptr || pcyHeight == nullptr)
    return E_INVALIDARG;
  if (GetSafeHwnd() == NULL) return E_FAIL;
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  CRect rc = rcWindow;
  if (GetChildIndex(&varChild) != CHILDID_SELF) {
    CTKControl* pControl = AccessibleChild(varChild);
    if (pControl == nullptr) return E_INVALIDARG;
    rc = pControl->GetRect();
    rc.OffsetRect(rcWindow.TopLeft());
  }
  *pxLeft = rc.left;
  *pyTop = rc.top;
  *pcxWidth = rc.Width();
  *pcyHeight = rc.Height();
  return S_OK;
}

HRESULT CTKCommandBar::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) {
  if (pvarChild == nullptr) return E_INVALIDARG;
  if (GetSafeHwnd() == NULL) return E_FAIL;
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  const CPoint ptScreen(xLeft, yTop);
  if (!rcWindow.PtInRect(ptScreen)) {
    pvarChild->vt = VT_EMPTY;
    return S_FALSE;
  }
  CPoint ptClient = ptScreen;
  ScreenToClient(&ptClient);
  if (CTKControl* pControl = ControlFromPoint(ptClient)) {
    pvarChild->vt = VT_DISPATCH;
    pvarChild->pdispVal = pControl->GetIDispatch(TRUE);
    return S_OK;
  }
  *pvarChild = SelfVariant();
  return S_OK;
}

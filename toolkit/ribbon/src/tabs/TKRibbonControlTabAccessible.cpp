// The ribbon tab strip's accessibility: the strip answers as a control for
// child 0 and for its tabs as children 1..n.
#include "commandbars/TKCommandBar.h"
#include "common/TKDrawHelpers.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonTab.h"

namespace {
BSTR MakeBstr(const CString& str) {
  CStringW strWide(str);
  return ::SysAllocString(strWide);
}
}  // namespace

CTKRibbonTab* CTKRibbonControlTab::AccessibleTab(const VARIANT& varChild, BOOL* pbValid) const {
  const long nChild = GetChildIndex(&varChild);
  *pbValid = nChild >= 0 && nChild <= GetItemCount();
  return nChild > 0 && *pbValid ? GetTab(nChild - 1) : nullptr;
}

HRESULT CTKRibbonControlTab::GetAccessibleChildCount(long* pcountChildren) {
  if (pcountChildren == nullptr) return E_INVALIDARG;
  *pcountChildren = GetItemCount();
  return S_OK;
}

HRESULT CTKRibbonControlTab::GetAccessibleChild(VARIANT, IDispatch** ppdispChild) {
  if (ppdispChild == nullptr) return E_INVALIDARG;
  *ppdispChild = nullptr;
  return S_FALSE;
}

HRESULT CTKRibbonControlTab::GetAccessibleName(VARIANT varChild, BSTR* pszName) {
  BOOL bValid = FALSE;
  CTKRibbonTab* pTab = AccessibleTab(varChild, &bValid);
  if (!bValid || pszName == nullptr) return E_INVALIDARG;
  if (pTab == nullptr) return CTKControlPopup::GetAccessibleName(varChild, pszName);
  *pszName = MakeBstr(StripAmpersands(pTab->GetCaption()));
  return S_OK;
}

HRESULT CTKRibbonControlTab::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) {
  BOOL bValid = FALSE;
  CTKRibbonTab* pTab = AccessibleTab(varChild, &bValid);
  if (!bValid || pvarRole == nullptr) return E_INVALIDARG;
  pvarRole->vt = VT_I4;
  pvarRole->lVal = pTab != nullptr ? ROLE_SYSTEM_PAGETAB : ROLE_SYSTEM_PAGETABLIST;
  return S_OK;
}

HRESULT CTKRibbonControlTab::GetAccessibleState(VARIANT varChild, VARIANT* pvarState) {
  BOOL bValid = FALSE;
  CTKRibbonTab* pTab = AccessibleTab(varChild, &bValid);
  if (!bValid || pvarState == nullptr) return E_INVALIDARG;
  long lState = 0;
  if (pTab != nullptr) {
    lState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (pTab->IsSelected()) lState |= STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED;
    if (!pTab->IsVisible()) lState |= STATE_SYSTEM_INVISIBLE;
  } else {
    lState = STATE_SYSTEM_FOCUSABLE;
    if (m_pParent == nullptr || !m_pParent->IsVisible() || !IsVisible(0))
      lState |= STATE_SYSTEM_INVISIBLE;
  }
  pvarState->vt = VT_I4;
  pvarState->lVal = lState;
  return S_OK;
}

HRESULT CTKRibbonControlTab::GetAccessibleDefaultAction(VARIANT varChild,
                                                        BSTR* pszDefaultAction) {
  BOOL bValid = FALSE;
  CTKRibbonTab* pTab = AccessibleTab(varChild, &bValid);
  if (!bValid || pszDefaultAction == nullptr) return E_INVALIDARG;
  if (pTab == nullptr) return CTKControlPopup::GetAccessibleDefaultAction(varChild, pszDefaultAction);
  *pszDefaultAction = MakeBstr("Switch");
  return S_OK;
}

HRESULT CTKRibbonControlTab::AccessibleSelect(long flagsSelect, VARIANT varChild) {
  BOOL bValid = FALSE;
  CTKRibbonTab* pTab = AccessibleTab(varChild, &bValid);
  if (!bValid) return E_INVALIDARG;
  if (pTab == nullptr) return CTKControlPopup::AccessibleSelect(flagsSelect, varChild);
  SetCurSel(pTab->GetIndex());
  return S_OK;
}

HRESULT CTKRibbonControlTab::AccessibleDoDefaultAction(VARIANT varChild) {
  BOOL bValid = FALSE;
  CTKRibbonTab* pTab = AccessibleTab(varChild, &bValid);
  if (!bValid) return E_INVALIDARG;
  if (pTab == nullptr) return CTKControlPopup::AccessibleDoDefaultAction(varChild);
  pTab->Select();
  return S_OK;
}

HRESULT CTKRibbonControlTab::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth,
                                                long* pcyHeight, VARIANT varChild) {
  BOOL bValid = FALSE;
  CTKRibbonTab* pTab = AccessibleTab(varChild, &bValid);
  if (!bValid || !pxLeft || !pyTop || !pcxWidth || !pcyHeight) return E_INVALIDARG;
  *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
  if (m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL || !IsVisible(0)) return S_OK;
  CRect rc = pTab != nullptr ? pTab->GetRect() : CTKControl::m_rcControl;
  m_pParent->ClientToScreen(&rc);
  *pxLeft = rc.left;
  *pyTop = rc.top;
  *pcxWidth = rc.Width();
  *pcyHeight = rc.Height();
  return S_OK;
}

HRESULT CTKRibbonControlTab::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) {
  if (pvarChild == nullptr) return E_INVALIDARG;
  if (m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL) return S_FALSE;
  CRect rcWindow;
  m_pParent->GetWindowRect(&rcWindow);
  CPoint pt(xLeft, yTop);
  if (!rcWindow.PtInRect(pt)) return S_FALSE;
  m_pParent->ScreenToClient(&pt);
  if (!CTKControl::m_rcControl.PtInRect(pt)) return S_FALSE;
  CTKTabManagerItem* pItem = HitTest(pt);
  pvarChild->vt = VT_I4;
  pvarChild->lVal = pItem != NULL ? pItem->GetIndex() + 1 : 0;
  return S_OK;
}

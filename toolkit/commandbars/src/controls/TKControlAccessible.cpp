// CTKControl: the answers of its accessibility object.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKPaintManager.h"

namespace {

bool IsSelf(const VARIANT& varChild) { return CTKAccessible::GetChildIndex(&varChild) == 0; }

BSTR MakeBstr(const CString& str) {
  CStringW strWide(str);
  return ::SysAllocString(strWide);
}

}  // namespace

HRESULT CTKControl::GetAccessibleParent(IDispatch** ppdispParent) {
  if (ppdispParent == nullptr) return E_INVALIDARG;
  *ppdispParent = nullptr;
  if (m_pParent == nullptr) return E_FAIL;
  *ppdispParent = m_pParent->GetIDispatch(TRUE);
  return *ppdispParent != nullptr ? S_OK : E_FAIL;
}

HRESULT CTKControl::GetAccessibleChildCount(long* pcountChildren) {
  if (pcountChildren == nullptr) return E_INVALIDARG;
  *pcountChildren = GetCommandBar() != nullptr ? 1 : 0;
  return S_OK;
}

HRESULT CTKControl::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) {
  if (ppdispChild == nullptr) return E_INVALIDARG;
  *ppdispChild = nullptr;
  if (GetChildIndex(&varChild) == 1 && GetCommandBar() != nullptr)
    *ppdispChild = GetCommandBar()->GetIDispatch(TRUE);
  return *ppdispChild != nullptr ? S_OK : S_FALSE;
}

HRESULT CTKControl::GetAccessibleName(VARIANT varChild, BSTR* pszName) {
  if (!IsSelf(varChild) || pszName == nullptr) return E_INVALIDARG;
  CString strName = GetCaption();
  CTKPaintManager::StripMnemonics(strName);
  const CString strShortcut = GetShortcutText();
  if (!strShortcut.IsEmpty()) strName += "\t" + strShortcut;
  if (strName.IsEmpty()) strName = GetTooltip();
  *pszName = MakeBstr(strName);
  return S_OK;
}

HRESULT CTKControl::GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription) {
  if (!IsSelf(varChild) || pszDescription == nullptr) return E_INVALIDARG;
  *pszDescription = MakeBstr(GetDescription());
  return S_OK;
}

HRESULT CTKControl::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) {
  if (!IsSelf(varChild) || pvarRole == nullptr) return E_INVALIDARG;
  if (m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL) return E_INVALIDARG;
  pvarRole->vt = VT_I4;
  const int nBarType = m_pParent->GetType();
  if (nBarType == tkBarTypeNormal || nBarType == tkBarTypeRibbon)
    pvarRole->lVal = GetCommandBar() != nullptr ? ROLE_SYSTEM_BUTTONMENU : ROLE_SYSTEM_PUSHBUTTON;
  else
    pvarRole->lVal = ROLE_SYSTEM_MENUITEM;
  return S_OK;
}

HRESULT CTKControl::GetAccessibleState(VARIANT varChild, VARIANT* pvarState) {
  if (!IsSelf(varChild) || pvarState == nullptr) return E_INVALIDARG;
  long lState = STATE_SYSTEM_FOCUSABLE;
  if (m_nSelected != 0)
    lState |= STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED;
  if (m_pParent == nullptr || !m_pParent->IsVisible() || !IsVisible(0))
    lState |= STATE_SYSTEM_INVISIBLE;
  if (!GetEnabled()) lState |= STATE_SYSTEM_UNAVAILABLE;
  if (GetChecked()) lState |= STATE_SYSTEM_CHECKED;
  if (GetPressed()) lState |= STATE_SYSTEM_PRESSED;
  if (GetCommandBar() != nullptr) lState |= STATE_SYSTEM_HASPOPUP;
  pvarState->vt = VT_I4;
  pvarState->lVal = lState;
  return S_OK;
}

HRESULT CTKControl::GetAccessibleKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) {
  if (!IsSelf(varChild) || pszKeyboardShortcut == nullptr) return E_INVALIDARG;
  const CString strCaption = GetCaption();
  CString strKey;
  for (int i = 0; i + 1 < strCaption.GetLength(); ++i) {
    if (strCaption[i] != '&') continue;
    if (strCaption[i + 1] != '&') {
      strKey = strCaption.Mid(i + 1, 1);
      break;
    }
    ++i;  // "&&" is a plain ampersand
  }
  if (strKey.IsEmpty() && !strCaption.IsEmpty()) strKey = strCaption.Left(1);
  *pszKeyboardShortcut = MakeBstr(strKey);
  return S_OK;
}

HRESULT CTKControl::GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) {
  if (!IsSelf(varChild) || pszDefaultAction == nullptr) return E_INVALIDARG;
  *pszDefaultAction = ::SysAllocString(L"Click");
  return S_OK;
}

HRESULT CTKControl::AccessibleDoDefaultAction(VARIANT varChild) {
  if (!IsSelf(varChild)) return E_INVALIDARG;
  OnClick(TRUE);
  return S_OK;
}

HRESULT CTKControl::AccessibleSelect(long /*flagsSelect*/, VARIANT varChild) {
  if (!IsSelf(varChild)) return E_INVALIDARG;
  if (m_pParent == nullptr) return E_FAIL;
  m_pParent->SetTrackingMode(TRUE, FALSE, TRUE);
  m_pParent->SetSelected(m_nIndex, 2);
  return S_OK;
}

HRESULT CTKControl::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth,
                                       long* pcyHeight, VARIANT varChild) {
  if (!IsSelf(varChild) || !pxLeft || !pyTop || !pcxWidth || !pcyHeight) return E_INVALIDARG;
  *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
  if (m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL || !IsVisible(0)) return S_OK;
  CRect rc = m_rcControl;
  m_pParent->ClientToScreen(&rc);
  *pxLeft = rc.left;
  *pyTop = rc.top;
  *pcxWidth = rc.Width();
  *pcyHeight = rc.Height();
  return S_OK;
}

HRESULT CTKControl::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) {
  if (pvarChild == nullptr) return E_INVALIDARG;
  pvarChild->vt = VT_EMPTY;
  if (m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL) return S_FALSE;
  CPoint pt(xLeft, yTop);
  CRect rcWindow;
  m_pParent->GetWindowRect(&rcWindow);
  if (!rcWindow.PtInRect(pt)) return S_FALSE;
  m_pParent->ScreenToClient(&pt);
  if (!m_rcControl.PtInRect(pt)) return S_FALSE;
  pvarChild->vt = VT_I4;
  pvarChild->lVal = CHILDID_SELF;
  return S_OK;
}

// CTKControlGallery: tooltips of its items and its accessibility object, a
// list whose children are the items.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKToolTipContext.h"

namespace {

BSTR MakeBstr(const CString& str) {
  CStringW strWide(str);
  return ::SysAllocString(strWide);
}

}  // namespace

CRect CTKControlGallery::GetVisibleItemRect(int nIndex) const {
  CRect rc = GetItemRect(nIndex);
  if (!rc.IntersectRect(rc, GetItemsRect())) rc.SetRectEmpty();
  return rc;
}

CTKControlGalleryItem* CTKControlGallery::GetAccessibleItem(const VARIANT& varChild) const {
  const int nChild = GetChildIndex(&varChild);
  return nChild > 0 ? GetItem(nChild - 1) : nullptr;
}

INT_PTR CTKControlGallery::OnToolHitTest(CPoint pt, TOOLINFO* pTI) const {
  CTKControlGalleryItems* pItems = GetItems();
  if (IsShowAsButton() || pItems == nullptr) return -1;
  const int nIndex = HitTestItem(pt);
  CTKControlGalleryItem* pItem = GetItem(nIndex);
  if (pItem == nullptr || m_pParent == nullptr) return 0;
  const int nImage = pItem->GetImageIndex() >= 0 ? pItem->GetImageIndex() : pItem->GetID();
  const CString strTip = pItem->GetToolTip();
  CTKToolTipContext::FillInToolInfoEx(pTI, m_pParent->GetSafeHwnd(), GetVisibleItemRect(nIndex),
                                       nImage, strTip, strTip, pItem->GetDescription(),
                                       pItems->GetImageManager());
  return nImage;
}

HRESULT CTKControlGallery::GetAccessibleChildCount(long* pcountChildren) {
  if (pcountChildren == nullptr) return E_INVALIDARG;
  *pcountChildren = GetItemCount();
  return S_OK;
}

HRESULT CTKControlGallery::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) {
  if (GetAccessibleItem(varChild) == nullptr)
    return CTKControlPopup::GetAccessibleChild(varChild, ppdispChild);
  if (ppdispChild == nullptr) return E_INVALIDARG;
  // Items are simple elements of the list, with no object of their own.
  *ppdispChild = nullptr;
  return S_FALSE;
}

HRESULT CTKControlGallery::GetAccessibleName(VARIANT varChild, BSTR* pszName) {
  CTKControlGalleryItem* pItem = GetAccessibleItem(varChild);
  if (pItem == nullptr) return CTKControlPopup::GetAccessibleName(varChild, pszName);
  if (pszName == nullptr) return E_INVALIDARG;
  CString strName = pItem->GetCaption();
  CTKPaintManager::StripMnemonics(strName);
  if (strName.IsEmpty()) strName = pItem->GetToolTip();
  *pszName = MakeBstr(strName);
  return S_OK;
}

HRESULT CTKControlGallery::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) {
  if (pvarRole == nullptr) return E_INVALIDARG;
  const int nChild = GetChildIndex(&varChild);
  if (nChild != 0 && GetAccessibleItem(varChild) == nullptr)
    return CTKControlPopup::GetAccessibleRole(varChild, pvarRole);
  pvarRole->vt = VT_I4;
  pvarRole->lVal = nChild == 0 ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM;
  return S_OK;
}

HRESULT CTKControlGallery::GetAccessibleState(VARIANT varChild, VARIANT* pvarState) {
  CTKControlGalleryItem* pItem = GetAccessibleItem(varChild);
  if (pItem == nullptr) return CTKControlPopup::GetAccessibleState(varChild, pvarState);
  if (pvarState == nullptr) return E_INVALIDARG;
  long lState = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
  if (GetChildIndex(&varChild) - 1 == m_nSelectedItem) lState |= STATE_SYSTEM_FOCUSED;
  if (IsItemChecked(pItem)) lState |= STATE_SYSTEM_SELECTED;
  pvarState->vt = VT_I4;
  pvarState->lVal = lState;
  return S_OK;
}

HRESULT CTKControlGallery::GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) {
  if (GetAccessibleItem(varChild) == nullptr)
    return CTKControlPopup::GetAccessibleDefaultAction(varChild, pszDefaultAction);
  if (pszDefaultAction == nullptr) return E_INVALIDARG;
  *pszDefaultAction = ::SysAllocString(L"Click");
  return S_OK;
}

HRESULT CTKControlGallery::AccessibleSelect(long flagsSelect, VARIANT varChild) {
  if (GetAccessibleItem(varChild) == nullptr)
    return CTKControlPopup::AccessibleSelect(flagsSelect, varChild);
  SetSelectedItem(GetChildIndex(&varChild) - 1);
  return S_OK;
}

HRESULT CTKControlGallery::AccessibleDoDefaultAction(VARIANT varChild) {
  if (GetAccessibleItem(varChild) == nullptr)
    return CTKControlPopup::AccessibleDoDefaultAction(varChild);
  SetSelectedItem(GetChildIndex(&varChild) - 1);
  return S_OK;
}

HRESULT CTKControlGallery::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth,
                                              long* pcyHeight, VARIANT varChild) {
  if (GetAccessibleItem(varChild) == nullptr)
    return CTKControlPopup::AccessibleLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
  if (!pxLeft || !pyTop || !pcxWidth || !pcyHeight) return E_INVALIDARG;
  *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
  if (m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL || !IsVisible(0)) return S_OK;
  CRect rc = GetVisibleItemRect(GetChildIndex(&varChild) - 1);
  m_pParent->ClientToScreen(&rc);
  *pxLeft = rc.left;
  *pyTop = rc.top;
  *pcxWidth = rc.Width();
  *pcyHeight = rc.Height();
  return S_OK;
}

HRESULT CTKControlGallery::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) {
  const HRESULT hr = CTKControlPopup::AccessibleHitTest(xLeft, yTop, pvarChild);
  if (hr != S_OK) return hr;
  CPoint pt(xLeft, yTop);
  m_pParent->ScreenToClient(&pt);
  const int nIndex = HitTestItem(pt);
  if (nIndex != -1) pvarChild->lVal = nIndex + 1;
  return S_OK;
}

// The controls of the system pop-up: the buttons of its bottom row, list
// items with their number column and pins, and list captions.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonResource.h"
#include "ribbon/TKRibbonSystemPopup.h"
#include "themes/TKPaintManagerBase.h"

IMPLEMENT_DYNCREATE(CTKRibbonControlSystemPopupBarButton, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKRibbonControlSystemPopupBarListItem, CTKControlButton)
IMPLEMENT_DYNCREATE(CTKRibbonControlSystemPopupBarPinableListItem,
                    CTKRibbonControlSystemPopupBarListItem)
IMPLEMENT_DYNCREATE(CTKRibbonControlSystemPopupBarListCaption, CTKControl)

namespace {

/// The pin images are held under these ids: the manager keeps no command 0.
const UINT kPinImagePinned = 1;
const UINT kPinImageUnpinned = 2;

template <class T>
CTKControl* CloneOf(T* pSource, BOOL bRecursive) {
  T* pClone = new T;
  pClone->Copy(pSource, bRecursive);
  return pClone;
}

CTKPaintManagerBase* ThemeOf(const CTKControl* pControl) {
  CTKCommandBar* pBar = pControl->GetParent();
  return pBar != nullptr ? dynamic_cast<CTKPaintManagerBase*>(pBar->GetPaintManager()) : nullptr;
}

}  // namespace

// CTKRibbonControlSystemPopupBarButton ----------------------------------------------------

BOOL CTKRibbonControlSystemPopupBarButton::IsOnSystemPopup() const {
  return GetParent() != nullptr && GetParent()->IsKindOf(RUNTIME_CLASS(CTKRibbonSystemPopupBar));
}

CSize CTKRibbonControlSystemPopupBarButton::GetButtonSize() const {
  return CSize(TKDpiHelper()->ScaleX(22), TKDpiHelper()->ScaleY(22));
}

CSize CTKRibbonControlSystemPopupBarButton::GetSize(CDC* pDC) {
  CTKPaintManagerBase* pTheme = ThemeOf(this);
  if (!IsOnSystemPopup() || pTheme == nullptr) return CTKControlButton::GetSize(pDC);
  return pTheme->DrawControlToolBarParent(pDC, this, FALSE);
}

void CTKRibbonControlSystemPopupBarButton::Draw(CDC* pDC) {
  CTKRibbonPaintManager* pLook = GetParent() != nullptr ? GetParent()->GetRibbonPaintManager() : nullptr;
  if (!IsOnSystemPopup() || pLook == nullptr) {
    CTKControlButton::Draw(pDC);
    return;
  }
  pLook->DrawSystemPopupBarButton(pDC, this);
}

CTKControl* CTKRibbonControlSystemPopupBarButton::Clone(BOOL bRecursive) {
  return CloneOf(this, bRecursive);
}

// CTKRibbonControlSystemPopupBarListItem --------------------------------------------------

CTKRibbonControlSystemPopupBarListItem::CTKRibbonControlSystemPopupBarListItem()
    : m_szItem(TKDpiHelper()->ScaleX(300), TKDpiHelper()->ScaleY(21)), m_bNumberColumn(FALSE) {}

CSize CTKRibbonControlSystemPopupBarListItem::GetSize(CDC*) { return m_szItem; }

void CTKRibbonControlSystemPopupBarListItem::DrawItem(CDC* pDC, int nTextRight) {
  CTKPaintManager* pPaintManager = GetParent() != nullptr ? GetParent()->GetPaintManager() : nullptr;
  if (pPaintManager != nullptr) pDC->SetTextColor(pPaintManager->GetControlTextColor(this));
  pDC->SetBkMode(TRANSPARENT);
  CTKDpiHelper* pDpi = TKDpiHelper();
  CRect rcText = GetRect();
  rcText.left += pDpi->ScaleX(7);
  rcText.right = nTextRight;

  CTKImageManager* pImages = GetImageManager();
  CTKImageManagerIcon* pIcon =
      GetIconId() > 0 && pImages != nullptr ? pImages->GetImage(GetIconId(), 16) : nullptr;
  if (pIcon != nullptr) {
    const CSize sz(pDpi->ScaleX(pIcon->GetExtent().cx), pDpi->ScaleY(pIcon->GetExtent().cy));
    pIcon->DrawAtSize(pDC, CPoint(rcText.left, rcText.CenterPoint().y - sz.cy / 2), sz);
    rcText.left += sz.cx + pDpi->ScaleX(4);
  }
  CString strCaption = GetCaption();
  if (m_bNumberColumn) {
    if (strCaption.GetLength() > 2 && strCaption[0] == '&' && strCaption[2] == ' ') {
      pDC->DrawText(strCaption.Left(2), rcText, DT_SINGLELINE | DT_VCENTER);
      strCaption = strCaption.Mid(3);
    }
    rcText.left += pDC->GetTextExtent("0").cx + pDpi->ScaleX(7);
  }
  pDC->DrawText(strCaption, rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void CTKRibbonControlSystemPopupBarListItem::Draw(CDC* pDC) {
  CTKPaintManager* pPaintManager = GetParent() != nullptr ? GetParent()->GetPaintManager() : nullptr;
  if (pPaintManager != nullptr) pPaintManager->DrawControlEntry(pDC, this);
  DrawItem(pDC, GetRect().right);
}

CTKControl* CTKRibbonControlSystemPopupBarListItem::Clone(BOOL bRecursive) {
  return CloneOf(this, bRecursive);
}

// CTKRibbonControlSystemPopupBarPinableListItem --------------------------------------------

CTKRibbonControlSystemPopupBarPinableListItem::CTKRibbonControlSystemPopupBarPinableListItem()
    : m_pPinImages(CTKRefPtr<CTKImageManager, CTKInternalRefTraits>::Adopt(new CTKImageManager)) {
  const UINT arrIds[] = {kPinImagePinned, kPinImageUnpinned, 3};
  m_pPinImages->SetIconsFromBitmapResource(TK_IDB_RIBBONPINS, arrIds, 3, 16, 16);
}

CTKRibbonControlSystemPopupBarPinableListItem::~CTKRibbonControlSystemPopupBarPinableListItem() =
    default;

CRect CTKRibbonControlSystemPopupBarPinableListItem::GetPinRect() const {
  CRect rc = GetRect();
  rc.left = rc.right - TKDpiHelper()->ScaleX(28);
  return rc;
}

void CTKRibbonControlSystemPopupBarPinableListItem::Draw(CDC* pDC) {
  CTKCommandBar* pBar = GetParent();
  CTKPaintManager* pPaintManager = pBar != nullptr ? pBar->GetPaintManager() : nullptr;
  const CRect rcPin = GetPinRect();
  if (pPaintManager != nullptr) {
    const BOOL bOverPin = GetSelected() == kSelectedPin;
    pPaintManager->DrawRectangle(pDC, bOverPin ? rcPin : GetRect(), GetSelected(), GetPressed(),
                                 GetEnabled(), FALSE, FALSE, pBar->GetType(), pBar->GetPosition());
  }
  DrawItem(pDC, rcPin.left);
  CTKImageManagerIcon* pPin =
      m_pPinImages->GetImage(GetChecked() > 0 ? kPinImagePinned : kPinImageUnpinned, 16);
  if (pPin == nullptr) return;
  CTKDpiHelper* pDpi = TKDpiHelper();
  const CSize sz(pDpi->ScaleX(pPin->GetExtent().cx), pDpi->ScaleY(pPin->GetExtent().cy));
  pPin->DrawAtSize(pDC,
                   CPoint(rcPin.CenterPoint().x - pDpi->ScaleX(8),
                          GetRect().CenterPoint().y - pDpi->ScaleY(8)),
                   sz);
}

void CTKRibbonControlSystemPopupBarPinableListItem::OnMouseMove(CPoint point) {
  const int nSelected = GetSelected();
  int nNew = nSelected;
  if (nSelected != 0 && GetPinRect().PtInRect(point))
    nNew = kSelectedPin;
  else if (nSelected == kSelectedPin && GetRect().PtInRect(point))
    nNew = 1;
  if (nNew == nSelected) return;
  CTKControlButton::SetSelected(nNew);
  RedrawParent();
}

BOOL CTKRibbonControlSystemPopupBarPinableListItem::SetSelected(int nSelected) {
  if (!CTKControlButton::SetSelected(nSelected)) return FALSE;
  const BOOL bMouse = nSelected != 0 && nSelected != 2 && nSelected != 3;
  CTKCommandBar* pBar = GetParent();
  if (bMouse && pBar != nullptr && pBar->GetSafeHwnd() != NULL) {
    CPoint pt;
    ::GetCursorPos(&pt);
    pBar->ScreenToClient(&pt);
    if (GetPinRect().PtInRect(pt)) CTKControlButton::SetSelected(kSelectedPin);
  }
  return TRUE;
}

void CTKRibbonControlSystemPopupBarPinableListItem::OnLButtonUp(CPoint point) {
  if (GetPinRect().PtInRect(point)) {
    SetChecked(GetChecked() > 0 ? 0 : 1);
    return;
  }
  CTKControlButton::OnLButtonUp(point);
}

CTKControl* CTKRibbonControlSystemPopupBarPinableListItem::Clone(BOOL bRecursive) {
  return CloneOf(this, bRecursive);
}

// CTKRibbonControlSystemPopupBarListCaption -------------------------------------------------

CTKRibbonControlSystemPopupBarListCaption::CTKRibbonControlSystemPopupBarListCaption()
    : m_szItem(TKDpiHelper()->ScaleX(300), TKDpiHelper()->ScaleY(27)) {
  m_dwFlags = 0x9A;
}

CSize CTKRibbonControlSystemPopupBarListCaption::GetSize(CDC*) { return m_szItem; }

void CTKRibbonControlSystemPopupBarListCaption::Draw(CDC* pDC) {
  CTKPaintManagerBase* pTheme = ThemeOf(this);
  if (pTheme == nullptr) return;
  CTKDpiHelper* pDpi = TKDpiHelper();
  const CRect rc = GetRect();
  CFont* pOldFont = pDC->SelectObject(&pTheme->m_fontBold);
  pDC->SetTextColor(pTheme->GetControlTextColor(this));
  pDC->SetBkMode(TRANSPARENT);
  CRect rcText(rc.left + pDpi->ScaleX(7), rc.top + pDpi->ScaleY(4), rc.right,
               rc.bottom - pDpi->ScaleY(5));
  pDC->DrawText(GetCaption(), rcText, DT_SINGLELINE);
  pDC->SelectObject(pOldFont);
  CTKRibbonPaintManager* pLook = GetParent()->GetRibbonPaintManager();
  if (pLook == nullptr) return;
  pTheme->DrawHorizontalLine(pDC, rc.left, rc.bottom - pDpi->ScaleY(6), rc.right,
                             pLook->GetRecentFileListEdgeShadow());
  pTheme->DrawHorizontalLine(pDC, rc.left, rc.bottom - pDpi->ScaleY(5), rc.right,
                             pLook->GetRecentFileListEdgeHighlight());
}

CTKControl* CTKRibbonControlSystemPopupBarListCaption::Clone(BOOL bRecursive) {
  return CloneOf(this, bRecursive);
}

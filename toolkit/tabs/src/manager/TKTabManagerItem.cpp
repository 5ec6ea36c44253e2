// One tab: caption (plain or markup), state questions and its icon.
#include "tabs/TKTabManagerItem.h"

#include <utility>

#include "common/TKBitmapFunctions.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKScopedHandle.h"
#include "markup/TKMarkupFlat.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabPaintManager.h"

CTKTabManagerItem::CTKTabManagerItem() { EnableAutomation(); }

CTKTabManagerItem::~CTKTabManagerItem() { ReleaseMarkupElement(m_pMarkupCaption); }

CString CTKTabManagerItem::GetCaption() const {
  return m_pManager != NULL ? m_pManager->GetItemCaption(this) : m_strCaption;
}

void CTKTabManagerItem::SetVisible(BOOL bVisible) {
  if (bVisible == m_bVisible) return;
  m_bVisible = bVisible;
  Reposition();
}

void CTKTabManagerItem::OnRemoved() { m_arrButtons.RemoveAll(); }

void CTKTabManagerItem::SetCaption(LPCTSTR lpszCaption) {
  const CString strCaption(lpszCaption != NULL ? lpszCaption : "");
  if (strCaption == m_strCaption) return;
  m_strCaption = strCaption;
  ReleaseMarkupElement(m_pMarkupCaption);
  if (m_pManager != NULL && m_pManager->GetMarkupContext() != NULL)
    m_pMarkupCaption = ParseMarkupText(m_pManager->GetMarkupContext(), m_strCaption);
  Reposition();
}

void CTKTabManagerItem::Select() {
  if (m_pManager != NULL) m_pManager->OnItemClick(this);
}

BOOL CTKTabManagerItem::IsSelected() const {
  return m_pManager != NULL && m_pManager->GetSelectedItem() == this;
}

BOOL CTKTabManagerItem::IsHighlighted() const {
  return m_pManager != NULL && m_pManager->GetHighlightedItem() == this;
}

BOOL CTKTabManagerItem::IsPressed() const {
  return m_pManager != NULL && m_pManager->GetPressedItem() == this;
}

COLORREF CTKTabManagerItem::GetColor() const {
  return m_pManager != NULL ? m_pManager->GetItemColor(this)
                            : CTKTabPaintManager::GetAutomaticTabColor(m_clrItem);
}

void CTKTabManagerItem::SetRect(const CRect& rc) {
  m_rcItem = rc;
  for (int i = 0; i < m_arrButtons.GetSize(); ++i) m_arrButtons[i]->SetRect(CRect());
}

void CTKTabManagerItem::Reposition() {
  if (m_pManager != NULL) m_pManager->Reposition();
}

namespace {

/// Exchanges rows and columns of a square 32-bit top-down pixel block.
void TransposeSquare(DWORD* pBits, int nSize) {
  for (int y = 0; y < nSize; ++y)
    for (int x = y + 1; x < nSize; ++x) std::swap(pBits[y * nSize + x], pBits[x * nSize + y]);
}

}  // namespace

void CTKTabManagerItem::DrawImage(CDC* pDC, CRect rc, CTKImageManagerIcon* pIcon) {
  if (pIcon == NULL) return;
  CTKImageManagerIconHandle& image = !IsEnabled()      ? pIcon->GetDisabledImage()
                                     : IsHighlighted() ? pIcon->GetHotImage()
                                     : IsSelected()    ? pIcon->GetCheckedImage()
                                                       : pIcon->GetNormalImage();
  const int nPosition = m_pManager != NULL ? m_pManager->GetPosition() : 0;
  const BOOL bRotate = rc.Width() == rc.Height() && m_pManager != NULL &&
                       m_pManager->GetPaintManager()->m_bRotateImages &&
                       (nPosition == 1 || nPosition == 3);
  if (bRotate) {
    // Icons are drawn upright into a transposed copy of the background, and
    // the result is transposed back, so the icon lies along the strip.
    const int n = rc.Width();
    LPBYTE pBits = NULL;
    CTKScopedBitmap bitmap(Create32BitDIBSection(pDC->GetSafeHdc(), n, -n, &pBits));
    CTKScopedCreatedDC memDC(::CreateCompatibleDC(pDC->GetSafeHdc()));
    if (bitmap && memDC && pBits != NULL) {
      CTKSelectGuard select(memDC.Get(), bitmap.Get());
      ::BitBlt(memDC.Get(), 0, 0, n, n, pDC->GetSafeHdc(), rc.left, rc.top, SRCCOPY);
      ::GdiFlush();
      TransposeSquare(reinterpret_cast<DWORD*>(pBits), n);
      CDC* pMemDC = CDC::FromHandle(memDC.Get());
      pIcon->Draw(pMemDC, CPoint(0, 0), image, n, n);
      ::GdiFlush();
      TransposeSquare(reinterpret_cast<DWORD*>(pBits), n);
      ::BitBlt(pDC->GetSafeHdc(), rc.left, rc.top, n, n, memDC.Get(), 0, 0, SRCCOPY);
      return;
    }
  }
  pIcon->Draw(pDC, rc.TopLeft(), image, rc.Width(), rc.Height());
}

// CTKHeaderCtrlTheme: one item's text, bitmap or image, and sort arrow.
#include <algorithm>

#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKHeaderCtrl.h"
#include "common/TKHeaderCtrlTheme.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKScopedHandle.h"

void CTKHeaderCtrlTheme::DrawItem(LPDRAWITEMSTRUCT lpDIS, CTKHeaderCtrl* pHeader) {
  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  HDITEM* pItem = reinterpret_cast<HDITEM*>(lpDIS->itemData);
  HFONT hFont = (HFONT)pHeader->SendMessage(WM_GETFONT);
  CTKSelectGuard selectFont(lpDIS->hDC, hFont);

  BOOL bAscending = TRUE;
  BOOL bSorted = pHeader->GetSortedCol(&bAscending) == (int)lpDIS->itemID;
  BOOL bPressed = (lpDIS->itemState & ODS_SELECTED) != 0;
  CRect rcText(lpDIS->rcItem);
  rcText.DeflateRect(m_nTextMargin, 0);
  if (bSorted) rcText.right -= 2 * m_nSortArrowGap + m_szSortArrow.cx;

  CString strText = pItem->pszText != NULL ? CString(pItem->pszText) : CString();
  CString strMeasured = m_bTrailingSpace ? strText + " " : strText;
  CSize szText(0, 0);
  ::GetTextExtentPoint32A(lpDIS->hDC, strMeasured, strMeasured.GetLength(), &szText);
  if (strText.IsEmpty()) szText.cx = 0;
  rcText.top = m_nTextTop > 0 ? m_nTextTop : (rcText.Height() - szText.cy) / 2;
  rcText.bottom = rcText.top + szText.cy;

  BOOL bHasBitmap = ((pItem->fmt & HDF_BITMAP) && pItem->hbm != NULL) || (pItem->fmt & HDF_IMAGE);
  if (bHasBitmap) {
    if (pItem->fmt & HDF_BITMAP_ON_RIGHT) {
      int x = rcText.left + szText.cx + m_nTextMargin;
      DrawItemBitmap(lpDIS, &x, pHeader);
    } else {
      int x = rcText.left;
      DrawItemBitmap(lpDIS, &x, pHeader);
      rcText.left = x;
    }
  }

  int nLeft = rcText.left;
  switch (pItem->fmt & HDF_JUSTIFYMASK) {
    case HDF_RIGHT:
      rcText.left = rcText.right - szText.cx;
      break;
    case HDF_CENTER:
      rcText.left = (rcText.left + rcText.right - szText.cx) / 2;
      break;
    default:
      break;
  }
  rcText.left = std::max((int)rcText.left, nLeft);

  if ((m_dwDrawStyle & TK_HEADER_STYLE_SORTARROW) && bSorted) {
    DRAWITEMSTRUCT disArrow = *lpDIS;
    disArrow.rcItem = rcText;
    DrawSortArrow(&disArrow, bAscending);
  }
  if (szText.cx > 0) {
    if (bPressed && m_bShiftPressed)
      rcText.OffsetRect(TKDpiHelper()->ScaleX(1), TKDpiHelper()->ScaleY(1));
    pDC->DrawText(strText, rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  }
}

void CTKHeaderCtrlTheme::DrawSortArrow(LPDRAWITEMSTRUCT lpDIS, BOOL bAscending) {
  CRect rc(lpDIS->rcItem);
  int x = rc.right + m_nSortArrowGap;
  if (x < rc.left) return;
  int nTop = rc.top + (rc.Height() - m_szSortArrow.cy) / 2 - 1;
  if ((lpDIS->itemState & ODS_SELECTED) && m_bShiftPressed) {
    x += TKDpiHelper()->ScaleX(1);
    nTop += TKDpiHelper()->ScaleY(1);
  }
  int nBase = bAscending ? nTop + m_szSortArrow.cy : nTop;
  int nApex = bAscending ? nTop : nTop + m_szSortArrow.cy;
  POINT pt[3] = {
      {x, nBase}, {x + 2 * (m_szSortArrow.cx / 2), nBase}, {x + m_szSortArrow.cx / 2, nApex}};
  DrawSortTriangle(CDC::FromHandle(lpDIS->hDC), pt, bAscending);
}

void CTKHeaderCtrlTheme::DrawSortTriangle(CDC* pDC, POINT pt[3], BOOL bAscending) {
  if (m_clrSortArrowFill != (COLORREF)-1) {
    CPen pen(PS_SOLID, 1, m_clrSortArrowFill);
    CBrush brush(m_clrSortArrowFill);
    CTKSelectGuard selectPen(pDC->m_hDC, pen.m_hObject);
    CTKSelectGuard selectBrush(pDC->m_hDC, brush.m_hObject);
    int nOldMode = ::SetPolyFillMode(pDC->m_hDC, WINDING);
    pDC->Polygon(pt, 3);
    ::SetPolyFillMode(pDC->m_hDC, nOldMode);
    return;
  }
  CPen penHighlight(PS_SOLID, 1, m_clrHighlight);
  CPen penShadow(PS_SOLID, 1, m_clrShadow);
  CTKSelectGuard selectPen(pDC->m_hDC, (bAscending ? penHighlight : penShadow).m_hObject);
  if (bAscending) {
    pDC->MoveTo(pt[2]);
    pDC->LineTo(pt[1]);
    pDC->LineTo(pt[0]);
    pDC->SelectObject(&penShadow);
    pDC->MoveTo(pt[0]);
    pDC->LineTo(pt[2]);
  } else {
    pDC->MoveTo(pt[2]);
    pDC->LineTo(pt[0]);
    pDC->LineTo(pt[1]);
    pDC->SelectObject(&penHighlight);
    pDC->MoveTo(pt[2]);
    pDC->LineTo(pt[1]);
  }
}

void CTKHeaderCtrlTheme::DrawItemBitmap(LPDRAWITEMSTRUCT lpDIS, int* px, CTKHeaderCtrl* pHeader) {
  HDITEM hdi = {};
  hdi.mask = HDI_FORMAT | HDI_BITMAP | HDI_IMAGE;
  if (!pHeader->GetItem((int)lpDIS->itemID, &hdi)) return;
  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  const CRect rcItem(lpDIS->rcItem);
  int nShift =
      ((lpDIS->itemState & ODS_SELECTED) && m_bShiftPressed) ? TKDpiHelper()->ScaleX(1) : 0;

  HIMAGELIST hImageList = NULL;
  int nImage = -1;
  if ((hdi.fmt & HDF_BITMAP) && hdi.hbm != NULL) {
    hImageList = reinterpret_cast<HIMAGELIST>(hdi.hbm);
    nImage = 0;
  } else if (hdi.fmt & HDF_IMAGE) {
    hImageList = (HIMAGELIST)pHeader->SendMessage(HDM_GETIMAGELIST);
    nImage = hdi.iImage;
  }

  CTKImageManager* pImageManager = pHeader->GetImageManager();
  if ((hdi.fmt & HDF_IMAGE) && pImageManager != NULL) {
    CTKImageManagerIcon* pIcon = nImage >= 0 ? pImageManager->GetImage(nImage, 0) : NULL;
    if (pIcon == NULL) return;
    CSize sz = TKDpiHelper()->ScaleSize(pIcon->GetExtent());
    if (*px + sz.cx > rcItem.right) return;
    int nState = (lpDIS->itemState & ODS_SELECTED) ? 3 : (lpDIS->itemState & ODS_HOTLIGHT) ? 2 : 0;
    CPoint pt(*px + nShift, rcItem.top + (rcItem.Height() - sz.cy) / 2 + nShift);
    pIcon->Draw(pDC, pt, pIcon->GetImageForState(nState), sz.cx, sz.cy);
    *px += m_nTextMargin + sz.cx;
    return;
  }
  if (hImageList == NULL || nImage < 0 || nImage >= ImageList_GetImageCount(hImageList)) return;
  int cx = 0, cy = 0;
  ImageList_GetIconSize(hImageList, &cx, &cy);
  CSize sz = TKDpiHelper()->ScaleSize(CSize(cx, cy));
  if (*px + sz.cx > rcItem.right) return;
  int x = *px + nShift;
  int y = rcItem.top + (rcItem.Height() - sz.cy) / 2 + nShift;
  DrawImageListIcon(pDC, x, y, x + sz.cx, y + sz.cy, hImageList, nImage);
  *px += m_nTextMargin + sz.cx;
}

BOOL CTKHeaderCtrlTheme::SetBitmap(int nItem, UINT nBitmapId, BOOL bRemove, COLORREF clrMask,
                                   CTKHeaderCtrl* pHeader) {
  HDITEM hdi = {};
  hdi.mask = HDI_FORMAT | HDI_BITMAP;
  pHeader->GetItem(nItem, &hdi);
  if ((hdi.fmt & HDF_BITMAP) && hdi.hbm != NULL)
    ImageList_Destroy(reinterpret_cast<HIMAGELIST>(hdi.hbm));
  hdi.fmt &= ~HDF_BITMAP;
  hdi.hbm = NULL;
  pHeader->SetItem(nItem, &hdi);
  pHeader->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  if (bRemove) return 0;

  CTKScopedBitmap bitmap((HBITMAP)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nBitmapId),
                                               IMAGE_BITMAP, 0, 0, 0));
  if (!bitmap) return 0;
  BITMAP bm = {};
  ::GetObjectA(bitmap.Get(), sizeof(bm), &bm);
  HIMAGELIST hImageList = ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0);
  if (hImageList == NULL || ImageList_AddMasked(hImageList, bitmap.Get(), clrMask) < 0) {
    if (hImageList != NULL) ImageList_Destroy(hImageList);
    return 0;
  }
  hdi.fmt |= HDF_BITMAP;
  hdi.hbm = reinterpret_cast<HBITMAP>(hImageList);
  pHeader->SetItem(nItem, &hdi);
  pHeader->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  return 1;
}

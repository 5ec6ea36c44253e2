// The icons of one command by width, and image lists attached to the manager.
#include "common/TKImageManagerIcon.h"

#include <commctrl.h>

#include "common/TKImageManager.h"

CTKImageManagerIconSet::CTKImageManagerIconSet(UINT nID, CTKImageManager* pImageManager)
    : m_mapIcons(10), m_nID(nID), m_pImageManager(pImageManager) {
  m_mapIcons.InitHashTable(17);
}

CTKImageManagerIconSet::~CTKImageManagerIconSet() { ClearIcons(); }

CTKImageManagerIcon* CTKImageManagerIconSet::GetIcon(int nWidth, BOOL bAllowNearest) const {
  CTKImageManagerIcon* pIcon = NULL;
  if (nWidth > 1 && m_mapIcons.Lookup(nWidth, pIcon)) return pIcon;
  if (nWidth > 1 && !bAllowNearest) return NULL;
  // Width 0 asks for the smallest, 1 for the largest; ties keep the first visited.
  int nLargest = 0;
  if (nWidth == 1) {
    for (const auto* p = m_mapIcons.PGetFirstAssoc(); p != NULL; p = m_mapIcons.PGetNextAssoc(p))
      if (p->key > nLargest) nLargest = p->key;
  }
  CTKImageManagerIcon* pBest = NULL;
  int nBestDistance = 0;
  for (const auto* p = m_mapIcons.PGetFirstAssoc(); p != NULL; p = m_mapIcons.PGetNextAssoc(p)) {
    int nDistance;
    if (nWidth == 0)
      nDistance = p->key;
    else if (nWidth == 1)
      nDistance = nLargest - p->key;
    else
      nDistance = p->key > nWidth ? p->key - nWidth : nWidth - p->key;
    if (pBest == NULL || nDistance < nBestDistance) {
      pBest = p->value;
      nBestDistance = nDistance;
    }
  }
  return pBest;
}

CTKImageManagerIcon* CTKImageManagerIconSet::GetOrCreateIcon(int nWidth) {
  CTKImageManagerIcon* pIcon = NULL;
  if (!m_mapIcons.Lookup(nWidth, pIcon)) {
    pIcon = new CTKImageManagerIcon(m_nID, nWidth, 15, this);
    m_mapIcons.SetAt(nWidth, pIcon);
  }
  return pIcon;
}

void CTKImageManagerIconSet::AddIcon(CTKImageManagerIcon* pIcon) {
  CTKImageManagerIcon* pOld = NULL;
  if (m_mapIcons.Lookup(pIcon->GetWidth(), pOld) && pOld != pIcon) pOld->InternalRelease();
  m_mapIcons.SetAt(pIcon->GetWidth(), pIcon);
}

void CTKImageManagerIconSet::SetIcon(const CTKImageManagerIconHandle& image, int nWidth) {
  GetOrCreateIcon(nWidth)->SetNormalImage(image);
}

void CTKImageManagerIconSet::SetDisabledIcon(const CTKImageManagerIconHandle& image, int nWidth) {
  GetOrCreateIcon(nWidth)->SetDisabledImage(image);
}

void CTKImageManagerIconSet::SetHotIcon(const CTKImageManagerIconHandle& image, int nWidth) {
  GetOrCreateIcon(nWidth)->SetHotImage(image);
}

void CTKImageManagerIconSet::SetCheckedIcon(const CTKImageManagerIconHandle& image, int nWidth) {
  GetOrCreateIcon(nWidth)->SetCheckedImage(image);
}

void CTKImageManagerIconSet::SetPressedIcon(const CTKImageManagerIconHandle& image, int nWidth) {
  GetOrCreateIcon(nWidth)->SetPressedImage(image);
}

void CTKImageManagerIconSet::ClearIcons() {
  for (auto* p = m_mapIcons.PGetFirstAssoc(); p != NULL; p = m_mapIcons.PGetNextAssoc(p)) {
    p->value->ClearImages(TRUE);
    p->value->InternalRelease();
  }
  m_mapIcons.RemoveAll();
}

void CTKImageManagerIconSet::RefreshIcons() {
  for (auto* p = m_mapIcons.PGetFirstAssoc(); p != NULL; p = m_mapIcons.PGetNextAssoc(p))
    p->value->ClearGeneratedImages();
}

CTKImageManagerImageList::CTKImageManagerImageList(HIMAGELIST hImageList, UINT nBaseID, BOOL bOwns)
    : m_hImageList(hImageList), m_bOwns(bOwns), m_nBaseID(nBaseID) {}

CTKImageManagerImageList::~CTKImageManagerImageList() {
  if (m_bOwns && m_hImageList != NULL) ImageList_Destroy(m_hImageList);
  ClearIcons();
}

BOOL CTKImageManagerImageList::ContainsId(UINT nID) const {
  return nID >= m_nBaseID && nID < m_nBaseID + (UINT)ImageList_GetImageCount(m_hImageList);
}

CSize CTKImageManagerImageList::GetIconSize() const {
  int cx = 0, cy = 0;
  ImageList_GetIconSize(m_hImageList, &cx, &cy);
  return CSize(cx, cy);
}

CTKImageManagerIcon* CTKImageManagerImageList::GetIcon(UINT nID) {
  CTKImageManagerIcon* pIcon = NULL;
  if (!m_mapIcons.Lookup(nID, pIcon)) {
    const CSize size = GetIconSize();
    pIcon = new CTKImageManagerIcon(nID, size.cx, size.cy, this);
    m_mapIcons.SetAt(nID, pIcon);
  }
  return pIcon;
}

void CTKImageManagerImageList::DrawIcon(CDC* pDC, UINT nID, CPoint pt, CSize sz, COLORREF clrBack,
                                        COLORREF clrFore, UINT nStyle) {
  if (pDC == NULL || !ContainsId(nID)) return;
  ImageList_DrawEx(m_hImageList, (int)(nID - m_nBaseID), pDC->m_hDC, pt.x, pt.y, sz.cx, sz.cy,
                   clrBack, clrFore, nStyle | ILD_TRANSPARENT);
}

void CTKImageManagerImageList::ClearIcons() {
  for (auto* p = m_mapIcons.PGetFirstAssoc(); p != NULL; p = m_mapIcons.PGetNextAssoc(p))
    p->value->InternalRelease();
  m_mapIcons.RemoveAll();
}

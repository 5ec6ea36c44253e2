// CTKImageManager: icon sets by command id, atlases by size, attached image
// lists, and storing images by state.
#include "common/TKImageManager.h"

#include <commctrl.h>

#include "afxdisp.h"

#include "common/TKSingletonPointer.h"

#include "common/TKDrawHelpers.h"

IMPLEMENT_DYNAMIC(CTKImageManager, CCmdTarget)

CTKImageManager::CTKImageManager()
    : m_bUseResources(TRUE),
      m_clrMask((COLORREF)-1),
      m_mapImages(10),
      m_mapResources(10),
      m_nCustomID(0x10AAA),
      m_nMirrorMode(2) {
  m_mapImages.InitHashTable(127);
}

CTKImageManager::~CTKImageManager() { RemoveAll(); }

TK_IMPLEMENT_SINGLETON(CTKImageManager, TKImageManager)

CTKImageManager* ImageManagerFromDispatch(LPDISPATCH lpDispatch) {
  if (lpDispatch == NULL) return NULL;
  CTKImageManager* pManager =
      DYNAMIC_DOWNCAST(CTKImageManager, CCmdTarget::FromIDispatch(lpDispatch));
  if (pManager == NULL) AfxThrowOleException(E_INVALIDARG);
  return pManager;
}

COLORREF CTKImageManager::SetMaskColor(COLORREF clrMask) {
  const COLORREF clrOld = m_clrMask;
  m_clrMask = clrMask;
  return clrOld;
}

BOOL CTKImageManager::IsMirrorDraw(CDC* pDC) const {
  if (m_nMirrorMode == 1) return TRUE;
  if (m_nMirrorMode == 2) return IsDCRightToLeft(pDC);
  return FALSE;
}

CTKImageManagerIconSet* CTKImageManager::GetOrCreateIconSet(UINT nCommand) {
  CTKImageManagerIconSet* pIconSet = NULL;
  if (!m_mapImages.Lookup(nCommand, pIconSet)) {
    pIconSet = new CTKImageManagerIconSet(nCommand, this);
    m_mapImages.SetAt(nCommand, pIconSet);
  }
  return pIconSet;
}

BOOL CTKImageManager::SetIcon(const CTKImageManagerIconHandle& image, UINT nCommand, int cx, int cy,
                              int nState) {
  if (image.IsEmpty()) return FALSE;
  if (cx == 0 && cy == 0) {
    const CSize size = image.GetExtent();
    cx = size.cx;
    cy = size.cy;
    if (cx == 0 && cy == 0) return FALSE;
  }
  CTKImageManagerIconSet* pIconSet = LookupIconSet(nCommand);
  if (pIconSet == NULL) {
    if (nState != TK_IMAGESTATE_NORMAL) return FALSE;
    pIconSet = GetOrCreateIconSet(nCommand);
  }
  switch (nState) {
    case TK_IMAGESTATE_NORMAL:
      pIconSet->SetIcon(image, cx);
      break;
    case TK_IMAGESTATE_DISABLED:
      pIconSet->SetDisabledIcon(image, cx);
      break;
    case TK_IMAGESTATE_HOT:
      pIconSet->SetHotIcon(image, cx);
      break;
    case TK_IMAGESTATE_CHECKED:
      pIconSet->SetCheckedIcon(image, cx);
      break;
    case TK_IMAGESTATE_PRESSED:
      pIconSet->SetPressedIcon(image, cx);
      break;
  }
  return TRUE;
}

CTKImageManagerIconSet* CTKImageManager::LookupIconSet(UINT nCommand) const {
  CTKImageManagerIconSet* pIconSet = NULL;
  return m_mapImages.Lookup(nCommand, pIconSet) ? pIconSet : NULL;
}

CTKImageManagerImageList* CTKImageManager::LookupImageList(UINT nCommand) const {
  for (INT_PTR i = 0; i < m_arrImageList.GetSize(); ++i)
    if (m_arrImageList[i]->ContainsId(nCommand)) return m_arrImageList[i];
  return NULL;
}

CTKImageManagerIcon* CTKImageManager::GetImage(UINT nCommand, int nWidth) const {
  if (CTKImageManagerIconSet* pIconSet = LookupIconSet(nCommand))
    return pIconSet->GetIcon(nWidth, TRUE);
  if (CTKImageManagerImageList* pImageList = LookupImageList(nCommand))
    return pImageList->GetIcon(nCommand);
  return NULL;
}

BOOL CTKImageManager::HasIcon(UINT nCommand, int nWidth) const {
  if (CTKImageManagerIconSet* pIconSet = LookupIconSet(nCommand))
    return pIconSet->GetIcon(nWidth, FALSE) != NULL;
  CTKImageManagerImageList* pImageList = LookupImageList(nCommand);
  return pImageList != NULL && (nWidth == 0 || pImageList->GetIconSize().cx == nWidth);
}

CTKImageManagerResource* CTKImageManager::GetImageResource(int cx, int cy) {
  const DWORD dwKey = (DWORD)cy << 16 | (cx & 0xFFFF);
  CTKImageManagerResource* pResource = NULL;
  if (!m_mapResources.Lookup(dwKey, pResource)) {
    pResource = new CTKImageManagerResource(this, cx, cy);
    m_mapResources.SetAt(dwKey, pResource);
  }
  return pResource;
}

void CTKImageManager::AddImageList(HIMAGELIST hImageList, UINT nBaseID, BOOL bOwns) {
  m_arrImageList.Add(new CTKImageManagerImageList(hImageList, nBaseID, bOwns));
}

void CTKImageManager::RemoveAll() {
  // Icons hand their atlas slots back while the atlases still stand.
  for (auto* p = m_mapImages.PGetFirstAssoc(); p != NULL; p = m_mapImages.PGetNextAssoc(p)) {
    p->value->ClearIcons();
    p->value->InternalRelease();
  }
  m_mapImages.RemoveAll();
  for (auto* p = m_mapResources.PGetFirstAssoc(); p != NULL; p = m_mapResources.PGetNextAssoc(p))
    delete p->value;
  m_mapResources.RemoveAll();
  for (INT_PTR i = 0; i < m_arrImageList.GetSize(); ++i) delete m_arrImageList[i];
  m_arrImageList.RemoveAll();
}

void CTKImageManager::RefreshAll() {
  for (auto* p = m_mapImages.PGetFirstAssoc(); p != NULL; p = m_mapImages.PGetNextAssoc(p))
    p->value->RefreshIcons();
  for (INT_PTR i = 0; i < m_arrImageList.GetSize(); ++i) m_arrImageList[i]->ClearIcons();
}

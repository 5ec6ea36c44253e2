// Gallery items, their collection, and the action that holds a collection.
#include "commandbars/TKControlGalleryItems.h"

#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"

namespace {

void NotifyGalleries(CTKControlAction* pAction) {
  for (int i = 0; i < pAction->GetCount(); ++i) {
    if (CTKControlGallery* pGallery = DYNAMIC_DOWNCAST(CTKControlGallery, pAction->GetControl(i)))
      pGallery->OnItemsChanged();
  }
}

}  // namespace

// CTKControlGalleryItem ---------------------------------------------------------------

CTKControlGalleryItem::CTKControlGalleryItem()
    : m_nId(0),
      m_nImage(-1),
      m_bLabel(FALSE),
      m_bEnabled(TRUE),
      m_dwData(0),
      m_szItem(0, 0),
      m_pItems(nullptr) {}

CString CTKControlGalleryItem::GetToolTip() const {
  return m_strToolTip.IsEmpty() ? m_strCaption : m_strToolTip;
}

CTKImageManagerIcon* CTKControlGalleryItem::GetImage(int nWidth) const {
  if (m_pItems == nullptr) return nullptr;
  CTKImageManager* pImageManager = m_pItems->GetImageManager();
  if (pImageManager == nullptr) return nullptr;
  return pImageManager->GetImage(m_nImage >= 0 ? m_nImage : m_nId, nWidth);
}

CSize CTKControlGalleryItem::GetSize() const {
  if (m_szItem.cx != 0 || m_szItem.cy != 0) return m_szItem;
  if (m_bLabel) return CSize(0, TKDpiHelper()->ScaleY(20));
  return m_pItems != nullptr ? m_pItems->GetItemSize() : CSize(0, 0);
}

void CTKControlGalleryItem::Draw(CDC* pDC, CTKControlGallery* pGallery, CRect rc, BOOL bEnabled,
                                 BOOL bSelected, BOOL bPressed, BOOL bChecked) {
  CTKControlGalleryPaintManager* pPaintManager = pGallery->GetGalleryPaintManager();
  if (pPaintManager == nullptr) return;
  if (m_bLabel)
    pPaintManager->DrawGalleryLabel(pDC, this, rc);
  else
    pPaintManager->DrawGalleryItem(pDC, rc, bEnabled, bSelected, bPressed, bChecked, this,
                                   pGallery);
}

// CTKControlGalleryItems --------------------------------------------------------------

CTKControlGalleryItems::CTKControlGalleryItems()
    : m_szItem(TKDpiHelper()->ScaleX(20), TKDpiHelper()->ScaleY(20)),
      m_pImageManager(nullptr),
      m_bClipItems(TRUE),
      m_pAction(nullptr) {}

CTKControlGalleryItems::~CTKControlGalleryItems() {
  m_pAction = nullptr;
  RemoveAll();
  SetImageManager(nullptr);
}

CTKControlGalleryItem* CTKControlGalleryItems::GetItem(int nIndex) const {
  return nIndex >= 0 && nIndex < GetItemCount() ? m_arrItems[nIndex] : nullptr;
}

CTKControlGalleryItem* CTKControlGalleryItems::AddItem(int nId, LPCSTR lpszCaption, int nImage) {
  CTKControlGalleryItem* pItem = new CTKControlGalleryItem;
  pItem->SetID(nId);
  pItem->SetImageIndex(nImage);
  if (lpszCaption != NULL) pItem->SetCaption(lpszCaption);
  return InsertItem(pItem);
}

CTKControlGalleryItem* CTKControlGalleryItems::AddLabel(LPCSTR lpszCaption) {
  CTKControlGalleryItem* pItem = new CTKControlGalleryItem;
  pItem->SetLabel(TRUE);
  pItem->SetCaption(lpszCaption);
  return InsertItem(pItem);
}

CTKControlGalleryItem* CTKControlGalleryItems::InsertItem(CTKControlGalleryItem* pItem,
                                                          int nBefore) {
  if (pItem == nullptr) return nullptr;
  pItem->m_pItems = this;
  if (nBefore < 0 || nBefore > GetItemCount()) nBefore = GetItemCount();
  m_arrItems.InsertAt(nBefore, pItem);
  OnItemsChanged();
  return pItem;
}

void CTKControlGalleryItems::RemoveAt(int nIndex) {
  CTKControlGalleryItem* pItem = GetItem(nIndex);
  if (pItem == nullptr) return;
  m_arrItems.RemoveAt(nIndex);
  pItem->m_pItems = nullptr;
  pItem->InternalRelease();
  OnItemsChanged();
}

void CTKControlGalleryItems::RemoveAll() {
  if (m_arrItems.IsEmpty()) return;
  for (int i = 0; i < GetItemCount(); ++i) {
    m_arrItems[i]->m_pItems = nullptr;
    m_arrItems[i]->InternalRelease();
  }
  m_arrItems.RemoveAll();
  OnItemsChanged();
}

void CTKControlGalleryItems::SetItemSize(CSize sz) {
  m_szItem = sz;
  OnItemsChanged();
}

CTKImageManager* CTKControlGalleryItems::GetImageManager() const {
  return m_pImageManager != nullptr ? m_pImageManager : TKImageManager();
}

void CTKControlGalleryItems::SetImageManager(CTKImageManager* pImageManager) {
  if (pImageManager != nullptr) pImageManager->InternalAddRef();
  if (m_pImageManager != nullptr) m_pImageManager->InternalRelease();
  m_pImageManager = pImageManager;
}

void CTKControlGalleryItems::OnItemsChanged() {
  if (m_pAction != nullptr) NotifyGalleries(m_pAction);
}

// CTKControlAction: the collection it holds -----------------------------------------------

CTKControlGalleryItems* CTKControlAction::GetGalleryItems() const {
  return static_cast<CTKControlGalleryItems*>(m_pGalleryItems);
}

void CTKControlAction::SetGalleryItems(CTKControlGalleryItems* pItems) {
  if (pItems != nullptr) pItems->InternalAddRef();
  if (CTKControlGalleryItems* pOld = GetGalleryItems()) {
    pOld->SetAction(nullptr);
    pOld->InternalRelease();
  }
  m_pGalleryItems = pItems;
  if (pItems != nullptr) pItems->SetAction(this);
  NotifyGalleries(this);
}

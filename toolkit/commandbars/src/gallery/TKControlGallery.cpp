// CTKControlGallery: construction, items, options, copying and persistence.
#include <algorithm>

#include "commandbars/TKControlGallery.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPaintManager.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"
#include "common/TKPropExchange.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlGallery, CTKControlPopup)

namespace {
// The scroll object's kind the paint managers tell a gallery's by.
const int kGalleryScrollKind = 5;
// Controls of a gallery: drawn by the gallery, not by the bar's theme.
const DWORD kGalleryControlFlags = 0x40;
// "Resizable" came with this schema.
const int kResizableSchema = 24;
}  // namespace

CTKControlGallery::CTKControlGallery()
    : m_nCheckedItem(-1),
      m_nSelectedItem(-1),
      m_bHideSelection(FALSE),
      m_bItemPressed(FALSE),
      m_ptPressed(-1, -1),
      m_nScrollOffset(0),
      m_nTargetOffset(0),
      m_dAnimationStep(0),
      m_bKeyboardSelection(FALSE),
      m_nContentHeight(0),
      m_bShowLabels(TRUE),
      m_bShowScrollBar(TRUE),
      m_bShowBorders(FALSE),
      m_rcMargin(0, 0, 0, 0),
      m_bResizable(FALSE),
      m_bPreview(FALSE),
      m_bTransparent(FALSE) {
  m_controlType = tkControlGallery;
  m_nWidth = TKDpiHelper()->ScaleX(120);
  m_nHeight = TKDpiHelper()->ScaleY(60);
  SetFlags(kGalleryControlFlags);
  SetScrollBarStyle(kGalleryScrollKind);
}

CTKControlGallery::~CTKControlGallery() {
  if (IsAnimating() && m_pParent != nullptr && m_pParent->GetSafeHwnd() != NULL)
    TKCommandBarsSystem()->KillTimer(m_pParent->GetSafeHwnd(), TKSB_TIMER_ANIMATE);
}

// Items -------------------------------------------------------------------------------

CTKControlGalleryItems* CTKControlGallery::GetItems() const {
  return m_pAction != nullptr ? m_pAction->GetGalleryItems() : nullptr;
}

int CTKControlGallery::GetItemCount() const {
  CTKControlGalleryItems* pItems = GetItems();
  return pItems != nullptr ? pItems->GetItemCount() : 0;
}

CTKControlGalleryItem* CTKControlGallery::GetItem(int nIndex) const {
  CTKControlGalleryItems* pItems = GetItems();
  return pItems != nullptr ? pItems->GetItem(nIndex) : nullptr;
}

CString CTKControlGallery::GetItemText(int nIndex) const {
  CTKControlGalleryItem* pItem = GetItem(nIndex);
  return pItem != nullptr ? pItem->GetCaption() : CString();
}

BOOL CTKControlGallery::IsItemChecked(CTKControlGalleryItem* pItem) const {
  return pItem != nullptr && pItem->GetID() == m_nCheckedItem;
}

BOOL CTKControlGallery::IsLabelAt(int nIndex) const {
  CTKControlGalleryItem* pItem = GetItem(nIndex);
  return pItem != nullptr && pItem->IsLabel();
}

void CTKControlGallery::OnItemsChanged() {
  m_nSelectedItem = -1;
  m_nScrollOffset = 0;
  RecalcLayout();
  EndPreview(TKN_GALLERY_PREVIEWCANCEL);
  RedrawParent(FALSE);
}

void CTKControlGallery::SetAction(CTKControlAction* pAction) {
  CTKControlPopup::SetAction(pAction);
  RecalcLayout();
}

// Options --------------------------------------------------------------------------------

void CTKControlGallery::SetShowLabels(BOOL bShow) {
  m_bShowLabels = bShow;
  RecalcLayout();
}

void CTKControlGallery::SetShowScrollBar(BOOL bShow) {
  m_bShowScrollBar = bShow;
  RecalcLayout();
}

void CTKControlGallery::SetShowBorders(BOOL bShow) {
  m_bShowBorders = bShow;
  RecalcLayout();
}

void CTKControlGallery::SetMargin(CRect rcMargin) {
  m_rcMargin = rcMargin;
  RecalcLayout();
}

BOOL CTKControlGallery::IsShowAsButton() const {
  return GetLayoutStyle() == tkButtonIconAndCaptionBelow || GetStyle() == tkButtonIcon;
}

BOOL CTKControlGallery::HasBottomSeparator() const {
  if (m_pParent == nullptr || !m_pParent->IsPopupBar() || m_bShowBorders || m_pControls == nullptr)
    return FALSE;
  const int nNext = m_pControls->GetNext(m_nIndex, 1);
  return nNext > m_nIndex;
}

// Sizes -----------------------------------------------------------------------------------

CSize CTKControlGallery::GetSize(CDC* pDC) {
  if (IsShowAsButton()) return CTKControlPopup::GetSize(pDC);
  CSize sz(m_nWidth, m_nHeight);
  if (m_bResizable && GetItems() != nullptr) sz.cx = std::max<LONG>(sz.cx, GetCustomizeMinWidth());
  return sz;
}

int CTKControlGallery::GetCustomizeMinWidth() const {
  // A gallery's pop-up is as wide as the gallery it drops from.
  if (CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(CTKPopupBar, m_pParent)) {
    if (CTKControlGallery* pOpener = DYNAMIC_DOWNCAST(CTKControlGallery, pPopup->GetControlPopup()))
      return pOpener->GetRect().Width();
  }
  const CRect rcBorders = GetBorders();
  CTKControlGalleryItems* pItems = GetItems();
  const int nItemWidth = pItems != nullptr ? pItems->GetItemSize().cx : 0;
  return std::max<int>(rcBorders.left + rcBorders.right + nItemWidth, TKDpiHelper()->ScaleX(16));
}

int CTKControlGallery::GetCustomizeMinHeight() const {
  const CRect rcBorders = GetBorders();
  return std::max<int>(rcBorders.top + rcBorders.bottom + GetItemHeight(), TKDpiHelper()->ScaleY(32));
}

// Copying and persistence -------------------------------------------------------------------

void CTKControlGallery::Copy(CTKControl* pSource, BOOL bRecursive) {
  CTKControlPopup::Copy(pSource, bRecursive);
  CTKControlGallery* pGallery = DYNAMIC_DOWNCAST(CTKControlGallery, pSource);
  if (pGallery == nullptr || pGallery == this) return;
  m_bShowLabels = pGallery->m_bShowLabels;
  m_bShowBorders = pGallery->m_bShowBorders;
  m_bShowScrollBar = pGallery->m_bShowScrollBar;
  m_rcMargin = pGallery->m_rcMargin;
  m_bResizable = pGallery->m_bResizable;
  RecalcLayout();
}

void CTKControlGallery::DoPropExchange(CTKPropExchange* pPX) {
  CTKControlPopup::DoPropExchange(pPX);
  ExchangeBoolProp(pPX, "ShowLabels", m_bShowLabels, TRUE);
  // Layouts saved before the option existed had borders.
  ExchangeBoolProp(pPX, "ShowBorders", m_bShowBorders, TRUE);
  ExchangeBoolProp(pPX, "ShowScrollBar", m_bShowScrollBar, TRUE);
  const CRect rcNoMargin(0, 0, 0, 0);
  pPX->ExchangeProp("GalleryMargin", VT_TK_RECT, &m_rcMargin, &rcNoMargin);
  if (pPX->GetSchema() >= kResizableSchema) ExchangeIntProp(pPX, "Resizable", m_bResizable, 0);
  if (pPX->IsLoading()) RecalcLayout();
}

// CTKControlGallery: keyboard navigation between items and the text search.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKControls.h"
#include "common/TKDrawHelpers.h"

#include "TKWrappingWalk.h"

namespace {
// Answers to a key offered while the gallery is hot.
const int kKeyToBar = 0;
const int kKeyHandled = 1;
}  // namespace

int CTKControlGallery::OnHookKeyDown(UINT nChar, LPARAM lParam) {
  if (IsShowAsButton()) return CTKControlPopup::OnHookKeyDown(nChar, lParam);
  if (m_pParent != nullptr) SwapArrowKeysForRtl(m_pParent, nChar);
  const BOOL bEnterOrSpace = nChar == VK_RETURN || nChar == VK_SPACE;
  const int nSelected = m_bHideSelection ? -1 : m_nSelectedItem;
  if (nSelected == -1 && HasPopupButtons()) {
    if (!bEnterOrSpace) return kKeyToBar;
    if (m_pParent != nullptr) m_pParent->SetPopuped(m_nIndex, TRUE);
    return kKeyHandled;
  }
  if (bEnterOrSpace) {
    OnExecute();
    return kKeyToBar;
  }
  int nNext = -1;
  switch (nChar) {
    case VK_TAB: {
      const int nDirection = (TKCommandBarsSystem()->GetKeyState(VK_SHIFT) & 0x8000) ? -1 : 1;
      nNext = GetNextItem(nSelected, nDirection);
      // Running past the end hands the focus on to the bar's next control.
      const BOOL bWrapped = nNext == -1 || (nSelected != -1 && (nDirection > 0 ? nNext <= nSelected
                                                                             : nNext >= nSelected));
      if (bWrapped) return kKeyToBar;
      break;
    }
    case VK_PRIOR: nNext = GetNextItemByPage(nSelected, -1); break;
    case VK_NEXT: nNext = GetNextItemByPage(nSelected, 1); break;
    case VK_END: nNext = GetNextItem(-1, -1); break;
    case VK_HOME: nNext = GetNextItem(-1, 1); break;
    case VK_LEFT: nNext = GetNextItemInRow(nSelected, -1); break;
    case VK_RIGHT: nNext = GetNextItemInRow(nSelected, 1); break;
    case VK_UP:
    case VK_DOWN: {
      const int nDirection = nChar == VK_UP ? -1 : 1;
      nNext = GetNextItemInColumn(nSelected, nDirection);
      if (nNext != -1) break;
      if (m_pControls != nullptr) {
        const int nControl = m_pControls->GetNext(m_nIndex, nDirection);
        if (nControl != -1 && nControl != m_nIndex) return kKeyToBar;
      }
      nNext = GetNextItem(-1, nDirection);
      break;
    }
    default: return kKeyToBar;
  }
  if (nNext != -1) SetSelectedItem(nNext);
  return kKeyHandled;
}

// Navigation -------------------------------------------------------------------------------

int CTKControlGallery::GetNextItem(int nIndex, int nDirection) const {
  // Coming back to the item it started from finds no other.
  const int nNext = WalkWrapping(GetItemCount(), nIndex, nDirection,
                                 [this](int n) { return !IsLabelAt(n); });
  return nNext == nIndex ? -1 : nNext;
}

int CTKControlGallery::GetNextItemInRow(int nIndex, int nDirection) const {
  const int nCount = static_cast<int>(m_arrPositions.GetSize());
  if (nIndex < 0 || nIndex >= nCount) return -1;
  CTKControlGalleryItems* pItems = GetItems();
  const int nItemWidth = pItems != nullptr ? pItems->GetItemSize().cx : 0;
  if (nItemWidth == 0 || GetItemsRect().Width() < 2 * nItemWidth)
    return GetNextItem(nIndex, nDirection);
  auto visible = [this](int i) { return !m_arrPositions[i].rc.IsRectEmpty(); };
  if (nDirection < 0) {
    if (!m_arrPositions[nIndex].bBeginRow) {
      for (int i = nIndex - 1; i >= 0; --i)
        if (visible(i)) return i;
      return -1;
    }
    // From the row's first item round to its last.
    int nLast = nIndex;
    for (int i = nIndex + 1; i < nCount; ++i) {
      if (!visible(i)) continue;
      if (m_arrPositions[i].bBeginRow) break;
      nLast = i;
    }
    return nLast;
  }
  for (int i = nIndex + 1; i < nCount; ++i) {
    if (!visible(i)) continue;
    if (!m_arrPositions[i].bBeginRow) return i;
    break;
  }
  // From the row's last item round to its first.
  for (int i = nIndex; i >= 0; --i)
    if (m_arrPositions[i].bBeginRow && visible(i)) return i;
  return nIndex;
}

int CTKControlGallery::GetNextItemInColumn(int nIndex, int nDirection) const {
  const int nCount = static_cast<int>(m_arrPositions.GetSize());
  if (nIndex < 0 || nIndex >= nCount) return GetNextItem(-1, nDirection);
  const int nLeft = m_arrPositions[nIndex].rc.left;
  for (int i = nIndex + nDirection; i >= 0 && i < nCount; i += nDirection) {
    const ItemPosition& pos = m_arrPositions[i];
    if (!pos.pItem->IsLabel() && !pos.rc.IsRectEmpty() && pos.rc.left == nLeft) return i;
  }
  return -1;
}

int CTKControlGallery::GetNextItemByPage(int nIndex, int nDirection) const {
  const int nCount = static_cast<int>(m_arrPositions.GetSize());
  if (nIndex < 0 || nIndex >= nCount) return GetNextItem(nIndex, nDirection);
  const int nPage = GetItemsRect().Height();
  const CRect rcCurrent = m_arrPositions[nIndex].rc;
  int nFound = -1;
  for (int i = nIndex + nDirection; i >= 0 && i < nCount; i += nDirection) {
    const ItemPosition& pos = m_arrPositions[i];
    if (pos.pItem->IsLabel()) continue;
    const int nDistance =
        nDirection > 0 ? pos.rc.bottom - rcCurrent.bottom : rcCurrent.top - pos.rc.top;
    if (nDistance < nPage) nFound = i;
  }
  return nFound;
}

int CTKControlGallery::FindItem(int nStart, LPCSTR lpszText, BOOL bExact) const {
  const int nCount = GetItemCount();
  if (nCount == 0 || lpszText == NULL || *lpszText == '\0') return -1;
  const int nLength = lstrlenA(lpszText);
  int i = nStart + 1;
  if (i < 0 || i >= nCount) i = 0;
  for (int n = 0; n < nCount; ++n, i = (i + 1) % nCount) {
    const CString strCaption = GetItemText(i);
    if (bExact) {
      if (strCaption.CompareNoCase(lpszText) == 0) return i;
    } else if (strCaption.GetLength() >= nLength &&
               ::CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, strCaption, nLength,
                                lpszText, nLength) == CSTR_EQUAL) {
      return i;
    }
  }
  return -1;
}

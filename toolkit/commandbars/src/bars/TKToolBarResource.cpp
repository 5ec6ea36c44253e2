// CTKCommandBar: filling a bar from an RT_TOOLBAR resource or a list of ids,
// and whether a bar shows on screen.
#include "commandbars/TKCommandBar.h"

#include <algorithm>

#include "commandbars/TKControls.h"
#include "common/TKImageManager.h"

namespace {

const LPCSTR kToolBarResourceType = MAKEINTRESOURCE(241);

/// The fixed part of an RT_TOOLBAR resource; the item ids follow.
struct TOOLBAR_RESOURCE_HEADER {
  WORD wVersion;
  WORD wWidth;
  WORD wHeight;
  WORD wItemCount;
};

/// The item ids of the resource, 0 for separators; FALSE when it is missing.
BOOL ReadToolBarResource(UINT nIDResource, CArray<UINT, UINT>& arrItems, CSize& szImage) {
  if (LOWORD(nIDResource) == 0) return FALSE;
  const LPCSTR lpszName = MAKEINTRESOURCE(nIDResource);
  HINSTANCE hInstance = AfxFindResourceHandle(lpszName, kToolBarResourceType);
  HRSRC hResource = ::FindResource(hInstance, lpszName, kToolBarResourceType);
  if (hResource == NULL) return FALSE;
  HGLOBAL hGlobal = ::LoadResource(hInstance, hResource);
  const BYTE* pData = hGlobal != NULL ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
  const DWORD dwSize = ::SizeofResource(hInstance, hResource);
  if (pData == nullptr || dwSize < sizeof(TOOLBAR_RESOURCE_HEADER)) return FALSE;
  TOOLBAR_RESOURCE_HEADER header;
  memcpy(&header, pData, sizeof(header));
  // Never more ids than the resource holds, whatever its count says.
  const int nItems =
      std::min<int>(static_cast<int>(header.wItemCount),
          static_cast<int>((dwSize - sizeof(header)) / sizeof(WORD)));
  for (int i = 0; i < nItems; ++i) {
    const BYTE* pItem = pData + sizeof(header) + 2 * i;
    arrItems.Add(static_cast<UINT>(pItem[0] | (pItem[1] << 8)));
  }
  szImage = CSize(header.wWidth, header.wHeight);
  return TRUE;
}

}  // namespace

BOOL CTKCommandBar::ReadToolBarResource(UINT nIDResource, CArray<UINT, UINT>& arrItems,
                                        CSize& szImage) {
  return ::ReadToolBarResource(nIDResource, arrItems, szImage);
}

BOOL CTKCommandBar::LoadToolBar(UINT nIDResource, BOOL bLoadIcons) {
  m_pControls->RemoveAll();
  CArray<UINT, UINT> arrItems;
  CSize szImage;
  if (!ReadToolBarResource(nIDResource, arrItems, szImage)) return FALSE;
  SetButtons(arrItems.GetData(), static_cast<int>(arrItems.GetSize()));
  if (!bLoadIcons) return TRUE;
  if (!GetImageManager()->SetIconsFromToolBar(nIDResource)) return FALSE;
  if (szImage.cx != 16) m_szIcons = szImage;
  return TRUE;
}

BOOL CTKCommandBar::SetButtons(const UINT* pButtons, int nCount) {
  m_pControls->RemoveAll();
  BOOL bSeparator = FALSE;
  CWnd* pSite = GetSite();
  for (int i = 0; i < nCount; ++i) {
    if (pButtons[i] == 0) {
      bSeparator = TRUE;
      continue;
    }
    TKCREATECONTROLSTRUCT record;
    record.nId = static_cast<int>(pButtons[i]);
    record.pControl = nullptr;
    record.bToolBar = TRUE;
    record.nIndex = i;
    record.pMenu = nullptr;
    record.pCommandBar = this;
    record.strCaption = m_strTitle;
    record.nType = tkControlButton;
    record.nStyle = tkButtonAutomatic;
    CTKControl* pControl = nullptr;
    if (pSite->GetSafeHwnd() != NULL) {
      TKCREATECONTROLSTRUCT query = record;
      if (pSite->SendMessage(TK_WM_CREATECONTROL, 0, reinterpret_cast<LPARAM>(&query)) != 0) {
        record.pControl = query.pControl;
        record.nId = query.nId;
        record.nType = query.nType;
        record.nStyle = query.nStyle;
      }
    }
    if (record.pControl != nullptr) {
      pControl = m_pControls->Add(record.pControl, record.nId);
    } else {
      pControl = m_pControls->AddNew(record.nType, record.nId);
      if (pControl == nullptr) continue;
      if (record.nStyle != pControl->GetStyle()) {
        pControl->SetStyle(record.nStyle);
        DelayLayout();
      }
      if (record.nType == tkControlPopup && pControl->GetIconId() != record.nId)
        pControl->SetIconId(record.nId);
    }
    if (bSeparator) pControl->SetBeginGroup(TRUE);
    bSeparator = FALSE;
    record.pControl = pControl;
    if (pSite->GetSafeHwnd() != NULL)
      pSite->SendMessage(TK_WM_CONTROLCREATED, 0, reinterpret_cast<LPARAM>(&record));
  }
  return TRUE;
}

BOOL CTKCommandBar::IsVisibleOnScreen() const {
  if (GetSafeHwnd() == NULL || !IsVisible() || !::IsWindowVisible(m_hWnd)) return FALSE;
  CRect rc;
  ::GetWindowRect(m_hWnd, &rc);
  return !rc.IsRectEmpty();
}

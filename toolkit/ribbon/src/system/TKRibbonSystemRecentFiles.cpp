// The recent-file list of the system pop-up: one item per file after its
// heading, rebuilt before every layout, with pins written through to a
// pinnable list's records.
#include <afxadv.h>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControls.h"
#include "ribbon/TKRibbonSystemPopup.h"

IMPLEMENT_DYNCREATE(CTKRibbonControlSystemRecentFileList, CTKRibbonControlSystemPopupBarListCaption)

namespace {
const char kPinableSection[] = "PinableRecentFileList";
}  // namespace

// CTKPinableRecentFileList ------------------------------------------------------------------

CTKPinableRecentFileList::CTKPinableRecentFileList(UINT nStart, int nSize)
    : CRecentFileList(nStart, kPinableSection, "File%d", nSize),
      m_arrItems(nSize > 0 ? nSize : 0) {}

CTKPinableRecentFileList::CItem* CTKPinableRecentFileList::GetItem(int nIndex) {
  if (nIndex < 0 || nIndex >= static_cast<int>(m_arrItems.size())) return nullptr;
  return &m_arrItems[nIndex];
}

// The file items ------------------------------------------------------------------------------

CTKRibbonControlSystemRecentFileList::CControlFileItem::CControlFileItem() {
  m_bNumberColumn = TRUE;
}

CTKRibbonControlSystemRecentFileList::CControlPinableFileItem::CControlPinableFileItem(
    CTKPinableRecentFileList* pList, int nIndex)
    : m_pList(pList), m_nIndex(nIndex) {
  m_bNumberColumn = TRUE;
}

void CTKRibbonControlSystemRecentFileList::CControlPinableFileItem::SetChecked(int nChecked) {
  const BOOL bChanged = GetChecked() != nChecked;
  CTKRibbonControlSystemPopupBarPinableListItem::SetChecked(nChecked);
  if (bChanged) RedrawParent(FALSE);
  CTKPinableRecentFileList::CItem* pItem =
      m_pList != nullptr ? m_pList->GetItem(m_nIndex) : nullptr;
  if (pItem != nullptr) pItem->bPinned = nChecked > 0;
}

// CTKRibbonControlSystemRecentFileList --------------------------------------------------------

CRecentFileList* CTKRibbonControlSystemRecentFileList::GetRecentFileList() {
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr ? pApp->m_pRecentFileList : nullptr;
}

CString AFX_CDECL CTKRibbonControlSystemRecentFileList::MakeItemCaption(const CString& strText,
                                                                        int nNumber) {
  CString strDoubled;
  for (int i = 0; i < strText.GetLength(); ++i) {
    const char ch = strText[i];
    if (::IsDBCSLeadByte(static_cast<BYTE>(ch)) && i + 1 < strText.GetLength()) {
      // A double-byte character's trail byte may look like "&".
      strDoubled += ch;
      strDoubled += strText[++i];
      continue;
    }
    if (ch == '&') strDoubled += '&';
    strDoubled += ch;
  }
  if (nNumber < 1 || nNumber > 9) return strDoubled;
  CString strCaption;
  strCaption.Format("&%i %s", nNumber, static_cast<LPCSTR>(strDoubled));
  return strCaption;
}

void CTKRibbonControlSystemRecentFileList::OnCalcDynamicSize(DWORD) {
  CRecentFileList* pList = GetRecentFileList();
  CTKControls* pControls = GetControls();
  if (pList == nullptr || pList->m_arrNames == nullptr || pControls == nullptr) return;
  const int nFirst = GetFirstMruID();
  const int nSize = pList->GetSize();
  while (GetIndex() + 1 < pControls->GetCount()) {
    CTKControl* pNext = pControls->GetAt(GetIndex() + 1);
    if (pNext->GetID() < nFirst || pNext->GetID() > nFirst + nSize) break;
    pControls->Remove(pNext);
  }
  CTKCommandBar* pBar = GetParent();
  if (pBar != nullptr && pBar->IsCustomizeMode()) {
    SetHideFlags(0);
    SetEnabled(TRUE);
    return;
  }

  const BOOL bPinable = pList->m_strSectionName == kPinableSection;
  CTKPinableRecentFileList* pPinable = dynamic_cast<CTKPinableRecentFileList*>(pList);
  for (int i = 0; i < nSize && !(*pList)[i].IsEmpty(); ++i) {
    const CString strPath = (*pList)[i];
    CTKPinableRecentFileList::CItem* pRecord = pPinable != nullptr ? pPinable->GetItem(i) : nullptr;
    CString strText;
    if (pRecord != nullptr && !pRecord->strCaption.IsEmpty()) {
      strText = pRecord->strCaption;
    } else {
      char szTitle[260] = "";
      AfxGetFileTitle(strPath, szTitle, sizeof(szTitle));
      strText = szTitle;
    }
    CTKControl* pItem = bPinable ? static_cast<CTKControl*>(new CControlPinableFileItem(pPinable, i))
                                 : new CControlFileItem;
    pControls->Add(pItem, nFirst + i, "", GetIndex() + 1 + i, TRUE);
    if (pRecord != nullptr) {
      if (bPinable) pItem->SetChecked(pRecord->bPinned);
      if (pItem->GetIconId() != pRecord->nIconId) {
        pItem->SetIconId(pRecord->nIconId);
        pItem->RedrawParent(FALSE);
      }
    }
    pItem->SetCaption(MakeItemCaption(strText, i + 1));
    pItem->SetFlags(0x48);
    pItem->SetTooltip(strPath);
    pItem->SetParameter(strPath);
    pItem->SetDescription("");
  }
}

CTKControl* CTKRibbonControlSystemRecentFileList::Clone(BOOL bRecursive) {
  CTKRibbonControlSystemRecentFileList* pClone = new CTKRibbonControlSystemRecentFileList;
  pClone->Copy(this, bRecursive);
  return pClone;
}

// The placeholders that expand into generated items: the steps they share,
// the captions of the items, and the window list, OLE verbs and workspace
// commands.
#include "commandbars/TKControlLists.h"

#include <afxole.h>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "TKControlListSteps.h"
#include "common/TKResourceManager.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlWindowList, CTKControlButton)
TK_IMPLEMENT_LAYOUT_CLASS(CTKControlOleItems, CTKControlButton)
TK_IMPLEMENT_LAYOUT_CLASS(CTKControlWorkspaceActions, CTKControlButton)

namespace {

/// The framework's help id and prompt of "activate this window".
const int kActivateWindowPrompt = 61215;
const int kMaxWindows = 9;
const char kOlePopupParameter[] = "OLEMENUPOPUP";
const UINT kOleVerbFirst = 57872;
const UINT kOleVerbLast = 57887;
/// The workspace commands, in the order they are added.
const int kWorkspaceCommands[] = {9157, 9158, 9155, 9156};

}  // namespace

CString AFX_CDECL FormatMnemonicCaption(LPCSTR lpszText, int nPosition) {
  CString strEscaped;
  for (LPCSTR p = lpszText; *p != '\0'; ++p) {
    if (::IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1] != '\0') {
      strEscaped += *p++;
    } else if (*p == '&') {
      strEscaped += '&';
    }
    strEscaped += *p;
  }
  if (nPosition <= 0) return strEscaped;
  CString strCaption;
  if (nPosition < 10)
    strCaption.Format("&%i %s", nPosition, static_cast<LPCSTR>(strEscaped));
  else if (nPosition == 10)
    strCaption.Format("1&0 %s", static_cast<LPCSTR>(strEscaped));
  else
    strCaption.Format("%i %s", nPosition, static_cast<LPCSTR>(strEscaped));
  return strCaption;
}

// The steps every placeholder takes ------------------------------------------

void TKRemoveGeneratedControls(CTKControl* pPlaceholder,
                               const std::function<bool(CTKControl*)>& isGenerated) {
  CTKControls* pControls = pPlaceholder->GetControls();
  if (pControls == nullptr) return;
  const int nNext = pPlaceholder->GetIndex() + 1;
  while (CTKControl* pControl = pControls->GetAt(nNext)) {
    if (!isGenerated(pControl)) break;
    pControls->Remove(pControl);
  }
}

BOOL TKShowPlaceholderInCustomizeMode(CTKControl* pPlaceholder) {
  if (!pPlaceholder->IsCustomizeMode()) return FALSE;
  pPlaceholder->SetHideFlags(0);
  return TRUE;
}

CTKControl* TKAddGeneratedButton(CTKControl* pPlaceholder, int nIndex, int nId,
                                 const CString& strCaption, LPCSTR lpszParameter) {
  CTKControls* pControls = pPlaceholder->GetControls();
  CTKControl* pControl =
      pControls->AddNew(tkControlButton, nId, lpszParameter, nIndex, TRUE);
  if (pControl == nullptr) return nullptr;
  pControl->SetCaption(strCaption);
  pControl->SetFlags(pControl->GetFlags() | TKFLAG_MANUALUPDATE);
  return pControl;
}

BOOL TKCanDropOnPopupBarOnly(CTKCommandBar* pBar, DWORD& dwEffect) {
  if (pBar != nullptr && pBar->GetType() == tkBarTypePopup) return TRUE;
  dwEffect = DROPEFFECT_NONE;
  return FALSE;
}

// Window list ----------------------------------------------------------------

int CTKControlWindowList::s_nFirstMDIChild = 0xFF00;

void CTKControlWindowList::OnCalcDynamicSize(DWORD) {
  const int nFirstOld = s_nFirstMDIChild;
  TKRemoveGeneratedControls(this, [nFirstOld](CTKControl* p) { return p->GetID() >= nFirstOld; });
  CTKCommandBar* pBar = GetParent();
  CMDIFrameWnd* pFrame =
      pBar != nullptr ? DYNAMIC_DOWNCAST(CMDIFrameWnd, pBar->GetSite()) : nullptr;
  if (pFrame == nullptr || pFrame->m_hWndMDIClient == NULL) {
    SetHideFlags(0);
    return;
  }
  if (TKShowPlaceholderInCustomizeMode(this)) return;
  SetHideFlags(TKHIDE_GENERIC);

  const HWND hwndClient = pFrame->m_hWndMDIClient;
  const HWND hwndActive = reinterpret_cast<HWND>(::SendMessage(hwndClient, WM_MDIGETACTIVE, 0, 0));
  if (hwndActive != NULL) {
    // MDI clients number their children from one of these, by system.
    const int nActiveId = ::GetDlgCtrlID(hwndActive);
    if (nActiveId >= 0x8000 && nActiveId <= 0x802E)
      s_nFirstMDIChild = 0x8000;
    else if (nActiveId >= 1 && nActiveId <= 46)
      s_nFirstMDIChild = 1;
  }
  CString strPrompt;
  TKResourceManager()->LoadStringInto(strPrompt, kActivateWindowPrompt);
  int nIndex = GetIndex() + 1;
  int nListed = 0;
  for (int nId = s_nFirstMDIChild; nListed < kMaxWindows; ++nId) {
    HWND hwndChild = ::GetDlgItem(hwndClient, nId);
    if (hwndChild == NULL) break;
    // The child's own visibility: the frame may be hidden while the menu is made.
    if ((::GetWindowLong(hwndChild, GWL_STYLE) & WS_VISIBLE) == 0) continue;
    CString strTitle;
    CWnd::FromHandle(hwndChild)->GetWindowText(strTitle);
    CTKControl* pItem =
        TKAddGeneratedButton(this, nIndex++, nId, FormatMnemonicCaption(strTitle, ++nListed), NULL);
    if (pItem == nullptr) break;
    if (nListed == 1) {
      pItem->SetBeginGroup(TRUE);
      if (GetFlags() & TKFLAG_WRAPROW) pItem->SetFlags(pItem->GetFlags() | TKFLAG_WRAPROW);
    }
    pItem->SetChecked(hwndChild == hwndActive);
    pItem->SetHelpId(kActivateWindowPrompt);
    if (!strPrompt.IsEmpty()) pItem->SetPrompt(strPrompt);
  }
}

BOOL CTKControlWindowList::CanDropOnBar(CTKCommandBar* pBar, CPoint, DWORD& dwEffect) {
  return TKCanDropOnPopupBarOnly(pBar, dwEffect);
}

// OLE verbs ------------------------------------------------------------------

void CTKControlOleItems::OnCalcDynamicSize(DWORD) {
  CTKControls* pControls = GetControls();
  if (pControls == nullptr) return;
  CTKControl* pNext = pControls->GetAt(GetIndex() + 1);
  if (pNext != nullptr && pNext->GetParameter() == kOlePopupParameter) pControls->Remove(pNext);
  if (IsCustomizeMode() || GetParent() == nullptr) return;

  CFrameWnd* pSite = DYNAMIC_DOWNCAST(CFrameWnd, GetParent()->GetSite());
  CFrameWnd* pFrame = pSite != nullptr ? pSite->GetActiveFrame() : nullptr;
  CView* pView = pFrame != nullptr ? pFrame->GetActiveView() : nullptr;
  COleDocument* pDocument =
      pView != nullptr ? DYNAMIC_DOWNCAST(COleDocument, pView->GetDocument()) : nullptr;
  COleClientItem* pItem = pDocument != nullptr ? pDocument->GetInPlaceActiveItem(pView) : nullptr;
  // An item opened in its own window has its verbs there.
  if (pItem == nullptr || pItem->GetItemState() == COleClientItem::openState) return;

  CMenu menu;
  if (!menu.CreatePopupMenu()) return;
  AfxOleSetEditMenu(pItem, &menu, 0, kOleVerbFirst, kOleVerbLast);
  CMenu* pSubMenu = menu.GetMenuItemCount() == 1 ? menu.GetSubMenu(0) : nullptr;
  if (pSubMenu != nullptr) {
    CString strCaption;
    menu.GetMenuString(0, strCaption, MF_BYPOSITION);
    CTKPopupBar* pPopupBar = CTKPopupBar::CreatePopupBar(GetCommandBars());
    pPopupBar->LoadMenu(pSubMenu);
    CTKControl* pPopup =
        pControls->AddNew(tkControlPopup, 0, kOlePopupParameter, GetIndex() + 1, TRUE);
    pPopup->SetCaption(strCaption);
    if (CTKControlPopup* pPopupControl = DYNAMIC_DOWNCAST(CTKControlPopup, pPopup))
      pPopupControl->SetCommandBar(pPopupBar);
    else
      pPopupBar->InternalRelease();
  }
  menu.DestroyMenu();
}

BOOL CTKControlOleItems::CanDropOnBar(CTKCommandBar* pBar, CPoint, DWORD& dwEffect) {
  return TKCanDropOnPopupBarOnly(pBar, dwEffect);
}

// Workspace actions ----------------------------------------------------------

void CTKControlWorkspaceActions::OnCalcDynamicSize(DWORD) {
  TKRemoveGeneratedControls(this, [](CTKControl* p) {
    for (int nId : kWorkspaceCommands)
      if (p->GetID() == nId) return true;
    return false;
  });
  // The commands belong to an MDI tab workspace, which these command bars do
  // not make: there is nothing to add.
}

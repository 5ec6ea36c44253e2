// CTKMenuBar's controls of the maximised MDI child: its minimise, restore and
// close buttons and its icon that opens its system menu.
#include "commandbars/TKMenuBar.h"

#include "TKNestedDynCreate.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"

namespace {

/// The framework's prompts of the system commands lie at 0xEF00 on, one per
/// command step of 16.
const UINT kSystemCommandPrompts = 0xEF00;
const UINT kFirstSystemCommand = 0xF000;
const UINT kLastSystemCommand = 0xF1EF;

CSize MdiControlSize() { return CSize(TKDpiHelper()->ScaleX(16), TKDpiHelper()->ScaleY(16)); }

/// What the maximised child shows as its icon: its own answer first, then its
/// small and big icons, its class's small icon, the system's.
HICON ChildIcon(HWND hWndChild) {
  HICON hIcon = reinterpret_cast<HICON>(::SendMessage(hWndChild, TK_WM_GETWINDOWICON, 0, 0));
  if (hIcon == NULL)
    hIcon = reinterpret_cast<HICON>(::SendMessage(hWndChild, WM_GETICON, ICON_SMALL, 0));
  if (hIcon == NULL)
    hIcon = reinterpret_cast<HICON>(::SendMessage(hWndChild, WM_GETICON, ICON_BIG, 0));
  if (hIcon == NULL) hIcon = reinterpret_cast<HICON>(::GetClassLongPtr(hWndChild, GCLP_HICONSM));
  if (hIcon == NULL) hIcon = ::LoadIcon(NULL, IDI_WINLOGO);
  return hIcon;
}

}  // namespace

// CControlMDIButton ------------------------------------------------------------------------

TK_IMPLEMENT_NESTED_DYNCREATE(CTKMenuBar, CControlMDIButton, CTKControlButton)

CTKMenuBar::CControlMDIButton::CControlMDIButton() {
  m_dwFlags |= TKFLAG_RIGHTALIGN | TKFLAG_SKIPFOCUS | TKFLAG_MANUALUPDATE | TKFLAG_NOMOVABLE;
}

CSize CTKMenuBar::CControlMDIButton::GetSize(CDC*) { return MdiControlSize(); }

void CTKMenuBar::CControlMDIButton::Draw(CDC* pDC) {
  CTKPaintManager* pPaintManager = GetPaintManager();
  pPaintManager->DrawControlEntry(pDC, this);
  pPaintManager->DrawControlMDIButton(pDC, this);
}

void CTKMenuBar::CControlMDIButton::OnExecute() {
  CTKMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CTKMenuBar, m_pParent);
  HWND hChild = pMenuBar != nullptr ? pMenuBar->GetActiveMdiChild() : NULL;
  if (hChild == NULL) return;
  const WPARAM nCommand = m_nId == TKID_MDI_CLOSE     ? SC_CLOSE
                          : m_nId == TKID_MDI_RESTORE ? SC_RESTORE
                                                      : SC_MINIMIZE;
  ::PostMessage(hChild, WM_SYSCOMMAND, nCommand, 0);
}

// CControlMDISysMenuPopup ----------------------------------------------------------------

TK_IMPLEMENT_NESTED_DYNCREATE(CTKMenuBar, CControlMDISysMenuPopup, CTKControlPopup)

CTKMenuBar::CControlMDISysMenuPopup::CControlMDISysMenuPopup()
    : m_hSystemMenu(NULL), m_hIcon(NULL) {
  m_controlType = tkControlPopup;
  m_dwFlags |= TKFLAG_MANUALUPDATE | TKFLAG_NOMOVABLE;
  m_strCaption = "-";
  SetCommandBar(new CTKSysMenuPopupBar);
}

CTKMenuBar::CControlMDISysMenuPopup::CControlMDISysMenuPopup(HWND hWndChild, HMENU hSystemMenu)
    : CControlMDISysMenuPopup() {
  UpdateSystemMenu(hWndChild, hSystemMenu);
}

CTKMenuBar::CControlMDISysMenuPopup::~CControlMDISysMenuPopup() {
  if (m_hIcon != NULL) ::DestroyIcon(m_hIcon);
}

void CTKMenuBar::CControlMDISysMenuPopup::UpdateSystemMenu(HWND hWndChild, HMENU hSystemMenu) {
  m_hSystemMenu = hSystemMenu;
  if (m_hIcon != NULL) ::DestroyIcon(m_hIcon);
  const CSize sz = MdiControlSize();
  m_hIcon = static_cast<HICON>(::CopyImage(ChildIcon(hWndChild), IMAGE_ICON, sz.cx, sz.cy, 0));

  CTKControls* pControls = m_pCommandBar->GetControls();
  pControls->RemoveAll();
  CMenu* pMenu = CMenu::FromHandle(hSystemMenu);
  const UINT nDefault = ::GetMenuDefaultItem(hSystemMenu, TRUE, GMDI_USEDISABLED);
  BOOL bBeginGroup = FALSE;
  const int nCount = ::GetMenuItemCount(hSystemMenu);
  for (int i = 0; i < nCount; ++i) {
    const UINT nId = ::GetMenuItemID(hSystemMenu, i);
    if (nId == 0) {
      bBeginGroup = TRUE;
      continue;
    }
    CTKControl* pControl = nullptr;
    if (nId < kFirstSystemCommand || nId > kLastSystemCommand) {
      pControl = pControls->AddMenuItem(pMenu, i);
    } else {
      pControl = pControls->AddNew(tkControlButton, static_cast<int>(nId));
      pControl->SetFlags(pControl->GetFlags() | TKFLAG_MANUALUPDATE);
      CString strCaption;
      pMenu->GetMenuString(i, strCaption, MF_BYPOSITION);
      pControl->SetCaption(strCaption);
      CString strPrompt;
      strPrompt.LoadString((nId - kFirstSystemCommand) / 16 + kSystemCommandPrompts);
      pControl->SetDescription(strPrompt);
      pControl->SetDefaultItem(nDefault == static_cast<UINT>(i));
      pControl->SetEnabled(!(::GetMenuState(hSystemMenu, i, MF_BYPOSITION) & MF_DISABLED));
    }
    if (pControl != nullptr && bBeginGroup) pControl->SetBeginGroup(TRUE);
    bBeginGroup = FALSE;
  }
}

CSize CTKMenuBar::CControlMDISysMenuPopup::GetSize(CDC*) { return MdiControlSize(); }

void CTKMenuBar::CControlMDISysMenuPopup::Draw(CDC* pDC) {
  if (m_hIcon == NULL) return;
  const CSize sz = MdiControlSize();
  ::DrawState(pDC->GetSafeHdc(), NULL, NULL, reinterpret_cast<LPARAM>(m_hIcon), 0,
              m_rcControl.left, m_rcControl.top, sz.cx, sz.cy, DST_ICON | DSS_NORMAL);
}

void CTKMenuBar::CControlMDISysMenuPopup::AdjustExcludeRect(CRect& rc, BOOL) {
  rc.InflateRect(1, 1);
}

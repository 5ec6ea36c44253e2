// CTKCommandBars: construction, the site, the actions, customise mode and options.
#include "commandbars/TKCommandBars.h"
#include "commandbars/CommandBarsDragHelper.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarList.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKDockBar.h"
#include "common/TKPropExchange.h"
#include "common/TKImageManager.h"
#include "common/TKResourceImages.h"
#include "common/TKToolTipContext.h"

IMPLEMENT_DYNCREATE(CTKCommandBars, CCmdTarget)

CTKCommandBars::CTKCommandBars()
    : m_bIgnoreShiftMenuKey(FALSE),
      m_nKeyboardTipsLevel(0),
      m_pFrame(nullptr),
      m_bCustomizeAvail(FALSE),
      m_pDocks{},
      m_nHelpId(0),
      m_bLockLayout(FALSE),
      m_bRightToLeft(FALSE),
      m_bDestroying(FALSE),
      m_bPreviewMode(FALSE),
      m_bEnableActions(FALSE),
      m_pActions(nullptr),
      m_bCustomizeMode(FALSE),
      m_bCustomizeAll(FALSE),
      m_pDragControl(nullptr),
      m_pPaintManager(nullptr),
      m_pImageManager(nullptr),
      m_pPopupBarClass(nullptr),
      m_pOptions(nullptr),
      m_bKeyboardCuesVisible(TRUE),
      m_bKeyboardCuesManaged(FALSE) {
  EnableAutomation();
  m_pOptions = new CTKCommandBarsOptions();
  m_pOptions->m_pCommandBars = this;
  m_pToolTipContext = new CTKToolTipContext;
  // Captions are shown as they stand: an ampersand is no mnemonic in a tip.
  m_pToolTipContext->ModifyToolTipStyle(0, TTS_NOPREFIX);
  m_pActions = new CTKControlActions(this);
  m_pContextMenus = new CTKCommandBarsContextMenus(this);
  m_pDragHelper.reset(new CommandBarsDragHelper(this));
  m_pOptions->ShowKeyboardCues(2);
}

CTKCommandBars::~CTKCommandBars() {
  m_bDestroying = TRUE;
  SetDragControl(nullptr);
  m_pContextMenus->RemoveAll();
  m_pContextMenus->InternalRelease();
  RemoveAllToolBars();
  for (CTKDockBar*& pDock : m_pDocks) {
    if (pDock == nullptr) continue;
    pDock->DestroyWindow();
    delete pDock;
    pDock = nullptr;
  }
  m_pActions->InternalRelease();
  SetPaintManager(nullptr);
  SetImageManager(nullptr);
  m_pToolTipContext->InternalRelease();
  m_pOptions->InternalRelease();
}

void CTKCommandBars::SetSite(CWnd* pFrame) {
  m_pFrame = pFrame;
  if (pFrame->GetSafeHwnd() == NULL) return;
  AFX_CMDHANDLERINFO info = {};
  m_bCustomizeAvail = pFrame->OnCmdMsg(TKID_CUSTOMIZE, CN_COMMAND, nullptr, &info);
  m_bRightToLeft = (pFrame->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
}

BOOL CTKCommandBars::IsLayoutRTL() const {
  if (m_bRightToLeft) return TRUE;
  return m_pFrame->GetSafeHwnd() != NULL && (m_pFrame->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
}

void CTKCommandBars::EnableActions(BOOL bEnable) { m_bEnableActions = bEnable; }

CTKControlAction* CTKCommandBars::GetAction(int nId) const {
  return m_pActions->FindAction(nId);
}

CTKControlAction* CTKCommandBars::CreateAction(int nId) {
  if (CTKControlAction* pAction = GetAction(nId)) return pAction;
  return m_pActions->Add(nId, new CTKControlAction(m_pActions));
}

void CTKCommandBars::SetCustomizeMode(BOOL bMode) {
  m_pOptions->bDirty = TRUE;
  m_bCustomizeMode = bMode;
  SetDragControl(nullptr);
  ShowKeyboardCues(bMode);
}

void CTKCommandBars::SetDragControl(CTKControl* pControl) {
  if (pControl == m_pDragControl) return;
  if (m_pDragControl != nullptr) {
    m_pDragControl->OnCmdMsg(1, static_cast<int>(CN_EVENT), nullptr, nullptr);
    m_pDragControl->InternalRelease();
  }
  m_pDragControl = pControl;
  if (m_pDragControl != nullptr) {
    m_pDragControl->InternalAddRef();
    m_pDragControl->OnCmdMsg(1, static_cast<int>(CN_EVENT), nullptr, nullptr);
  }
  if (m_pFrame->GetSafeHwnd() != NULL) m_pFrame->SendMessage(TK_WM_DRAGCONTROLCHANGED, 0, 0);
}

BOOL CTKCommandBars::IsControlHidden(UINT nId) const {
  BOOL bValue;
  return m_pOptions->m_mapHiddenCommands.Lookup(nId, bValue) &&
         !m_pOptions->m_mapUsedCommands.Lookup(nId, bValue);
}

BOOL CTKCommandBars::IsControlHiddenInMenu(CTKControl* pControl) const {
  if (IsControlHidden(pControl->GetID())) return TRUE;
  if (!m_pOptions->bAutoHideUnusedPopups) return FALSE;
  if (pControl->GetType() < tkControlPopup || pControl->GetType() > tkControlSplitButtonPopup)
    return FALSE;
  CTKCommandBar* pPopup = pControl->GetCommandBar();
  if (pPopup == nullptr || pPopup->GetControlCount() == 0) return FALSE;
  for (int i = 0; i < pPopup->GetControlCount(); ++i)
    if (!IsControlHiddenInMenu(pPopup->GetControl(i))) return FALSE;
  return TRUE;
}

void CTKCommandBars::HideCommand(UINT nId) { m_pOptions->m_mapHiddenCommands.SetAt(nId, TRUE); }

void CTKCommandBars::SetCommandUsed(UINT nId) {
  if (!IsControlHidden(nId)) return;
  m_pOptions->m_mapUsedCommands.SetAt(nId, TRUE);
  m_pOptions->bDirty = TRUE;
}

BOOL CTKCommandBars::IsCommandUsed(UINT nId) const {
  BOOL bValue;
  return m_pOptions->m_mapUsedCommands.Lookup(nId, bValue);
}

namespace {
CString OptionsSectionName(LPCTSTR pszProfileName) {
  // Formatted into a growing string: a profile name of any length fits.
  CString strSection;
  strSection.Format("%s-Options", pszProfileName != nullptr ? pszProfileName : "");
  return strSection;
}
}  // namespace

void CTKCommandBars::SaveOptionsSection(LPCTSTR pszProfileName) {
  CTKPropExchangeSection px(FALSE, OptionsSectionName(pszProfileName));
  m_pOptions->ExchangeProperties(px, FALSE);
}

void CTKCommandBars::LoadOptionsSection(LPCTSTR pszProfileName) {
  CTKPropExchangeSection px(TRUE, OptionsSectionName(pszProfileName));
  m_pOptions->ExchangeProperties(px, FALSE);
}

void CTKCommandBars::SetKeyboardCuesState(BOOL bVisible, BOOL bManaged) {
  m_bKeyboardCuesVisible = bVisible;
  m_bKeyboardCuesManaged = bManaged;
}

void CTKCommandBars::ShowKeyboardCues(BOOL bShow) {
  if (m_bCustomizeMode) bShow = TRUE;
  if (!m_bKeyboardCuesManaged || m_bKeyboardCuesVisible == bShow) return;
  m_bKeyboardCuesVisible = bShow;
}

CTKPaintManager* CTKCommandBars::GetPaintManager() const {
  return m_pPaintManager != nullptr ? m_pPaintManager : CTKPaintManager::GetGlobal();
}

void CTKCommandBars::SetPaintManager(CTKPaintManager* pPaintManager) {
  if (m_pPaintManager != nullptr) m_pPaintManager->InternalRelease();
  m_pPaintManager = pPaintManager;
  if (pPaintManager == nullptr || m_bDestroying) return;
  pPaintManager->RefreshMetrics();
  GetImageManager()->RefreshAll();
  // A theme drawn from resource images waits for its theme text.
  if (pPaintManager->UsesResourceImages() && !TKResourceImages()->IsLoaded()) return;
  UpdateAfterThemeChange();
}

CTKImageManager* CTKCommandBars::GetImageManager() const {
  return m_pImageManager != nullptr ? m_pImageManager : TKImageManager();
}

void CTKCommandBars::SetImageManager(CTKImageManager* pImageManager) {
  if (m_pImageManager != nullptr) m_pImageManager->InternalRelease();
  m_pImageManager = pImageManager;
}

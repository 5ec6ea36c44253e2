// The layout records of bars: what a command bar, a tool bar and a pop-up bar
// keep of themselves, the bars a layout carries, and a built-in tool bar
// taking over the bar read from a layout.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKToolBar.h"
#include "common/TKPropExchange.h"
#include "common/TKResourceManager.h"

namespace {
/// The bar ids a pop-up bar may keep; others are handed out afresh.
const UINT kMaxOwnBarId = 0xFFFFFF;
const UINT kLayoutChangedQuestion = 9177;
}  // namespace

// CTKCommandBar --------------------------------------------------------------------------

void CTKCommandBar::DoPropExchange(CTKPropExchange* pPX) {
  const int nSchema = pPX->GetSchema();
  ExchangeIntProp(pPX, "Type", m_barType, tkBarTypeNormal);
  ExchangeIntProp(pPX, "Position", m_barPosition, tkBarTop);
  int nBarId = static_cast<int>(m_nBarID);
  ExchangeIntProp(pPX, "BarID", nBarId, 0);
  m_nBarID = static_cast<UINT>(nBarId);
  int nFlags = static_cast<int>(m_dwFlags);
  ExchangeIntProp(pPX, "Flags", nFlags, 0);
  m_dwFlags = static_cast<DWORD>(nFlags);
  int nStyle = static_cast<int>(m_dwStyle);
  ExchangeIntProp(pPX, "Style", nStyle, 0);
  m_dwStyle = static_cast<DWORD>(nStyle);
  ExchangeStringProp(pPX, "Title", m_strTitle, "");
  ExchangeBoolProp(pPX, "Customizable", m_bCustomizable, TRUE);
  ExchangeDpiXProp(pPX, "MRUWidth", m_nMRULength, 0);
  if (nSchema > 2) ExchangeSizeProp(pPX, "IconSize", m_szIcons, CSize(0, 0));
  if (pPX->IsLoading()) {
    if (TK_BARS_EXCHANGE_PARAM* pParam = TKGetBarsExchangeParam(pPX)) {
      m_pCommandBars = pParam->pCommandBars;
      m_pControls->SetCommandBars(pParam->pCommandBars);
    }
  }
  if (nSchema > 17) {
    ExchangeDpiSizeProp(pPX, "ButtonSize", m_szButtons, CSize(0, 0));
    ExchangeBoolProp(pPX, "ShowTextBelowIcons", m_nTextBelowIcons, 2);
    BOOL bAnimation = IsAnimationEnabled();
    ExchangeBoolProp(pPX, "EnableAnimation", bAnimation, FALSE);
    if (pPX->IsLoading()) EnableAnimation(bAnimation);
  }
  if (nSchema > 18) ExchangeIntProp(pPX, "DefaultButtonStyle", m_nDefaultButtonStyle, 0);
  CTKPropExchangeSection controls(pPX->GetSection("Controls"));
  m_pControls->DoPropExchange(controls);
}

void CTKCommandBar::GenerateCommandBarList(int* pnNextId, CTKLayoutBars& bars,
                                           TK_BARS_EXCHANGE_PARAM* pParam) {
  for (const auto& pBar : bars)
    if (pBar.Get() == this) return;
  bars.push_back(CTKLayoutBars::value_type(this));
  if (!IsKindOf(RUNTIME_CLASS(CTKToolBar)) && (m_nBarID == 0 || m_nBarID > kMaxOwnBarId))
    m_nBarID = static_cast<UINT>((*pnNextId)++);
  m_pControls->GenerateCommandBarList(pnNextId, bars, pParam);
}

void CTKCommandBar::RestoreCommandBarList(CTKLayoutBars& bars) {
  m_pControls->RestoreCommandBarList(bars);
}

// CTKToolBar -------------------------------------------------------------------------------

void CTKToolBar::DoPropExchange(CTKPropExchange* pPX) {
  CTKCommandBar::DoPropExchange(pPX);
  const int nSchema = pPX->GetSchema();
  ExchangeBoolProp(pPX, "BuiltIn", m_bBuiltIn, TRUE);
  ExchangeBoolProp(pPX, "TearOff", m_bTearOff, FALSE);
  if (nSchema > 6) ExchangeBoolProp(pPX, "Closeable", m_bCloseable, TRUE);
  if (nSchema > 7) ExchangeBoolProp(pPX, "ContextMenuPresent", m_bContextMenuPresent, TRUE);
  if (nSchema > 16)
    ExchangeBoolProp(pPX, "CustomizeDialogPresent", m_bCustomizeDialogPresent, TRUE);
  if (pPX->IsLoading() && nSchema <= 16 && m_barType == tkBarTypeMenuBar) m_bCloseable = FALSE;
}

namespace {
/// Asks whether the user's customised bar makes way for its new definition.
BOOL AskToKeepCustomizedBar(const CString& strTitle) {
  CString strFormat;
  if (!TKResourceManager()->LoadStringInto(strFormat, kLayoutChangedQuestion))
    strFormat =
        "Due to a software update the toolbar '%s' has changed. Would you like to reset your "
        "customized toolbar and load the new one?";
  CString strQuestion;
  strQuestion.Format(strFormat, static_cast<LPCTSTR>(strTitle));
  return TKResourceManager()->ShowMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) == IDNO;
}
}  // namespace

void CTKToolBar::RestoreFromLoaded(CTKToolBar* pLoaded, BOOL bSilent, int nMode) {
  CTKControls* pLoadedControls = pLoaded->GetControls();
  CTKOriginalControls* pLoadedOriginal = pLoadedControls->GetOriginalControls();
  CTKOriginalControls* pOwnOriginal = m_pControls->GetOriginalControls();
  // The bar keeps its window where it is; the bar states place it.
  const int nPosition = m_barPosition;
  if (pLoadedOriginal == nullptr || pOwnOriginal == nullptr ||
      pOwnOriginal->IsEqual(pLoadedOriginal)) {
    if (pLoadedOriginal == nullptr && pOwnOriginal != nullptr) pOwnOriginal->InternalAddRef();
    CTKCommandBar::Copy(pLoaded, FALSE);
    m_barPosition = nPosition;
    if (pLoadedOriginal == nullptr && pOwnOriginal != nullptr)
      m_pControls->SetOriginalControls(pOwnOriginal);
    OnRecalcLayout();
    return;
  }
  // The built-in definition changed since the layout was saved.
  if (pLoadedControls->IsEqual(pLoadedOriginal)) return;  // not customised: the new one stays
  BOOL bTakeLoaded;
  if (bSilent || nMode == 6 || nMode == 7)
    bTakeLoaded = nMode == 7;
  else
    bTakeLoaded = AskToKeepCustomizedBar(m_strTitle);
  if (!bTakeLoaded) return;
  pOwnOriginal->InternalAddRef();
  CTKCommandBar::Copy(pLoaded, FALSE);
  m_barPosition = nPosition;
  m_pControls->SetOriginalControls(pOwnOriginal);
  OnRecalcLayout();
}

// CTKPopupBar ------------------------------------------------------------------------------

void CTKPopupBar::DoPropExchange(CTKPropExchange* pPX) {
  CTKCommandBar::DoPropExchange(pPX);
  const int nSchema = pPX->GetSchema();
  ExchangeBoolProp(pPX, "TearOffPopup", m_bTearOffPopup, FALSE);
  ExchangeStringProp(pPX, "TearOffCaption", m_strTearOffCaption, "");
  int nTearOffId = static_cast<int>(m_nTearOffId);
  ExchangeIntProp(pPX, "TearOffId", nTearOffId, 0);
  m_nTearOffId = static_cast<UINT>(nTearOffId);
  ExchangeDpiXProp(pPX, "TearOffWidth", m_nTearOffWidth, 0);
  if (nSchema > 3) {
    ExchangeDpiRectProp(pPX, "Borders", m_rcBorders, CRect(2, 4, 2, 4));
    ExchangeBoolProp(pPX, "ShowShadow", m_bShowShadow, TRUE);
  }
  if (nSchema > 8) ExchangeBoolProp(pPX, "DoubleGripper", m_bDoubleGripper, FALSE);
  // Pop-ups saved before the gripper could be switched off all had one.
  if (pPX->IsLoading() && nSchema < 20) SetShowGripper(TRUE);
  if (nSchema > 18) ExchangeBoolProp(pPX, "ContextMenu", m_bContextMenu, FALSE);
}

CTKControls* CTKCommandBar::TakeControls() {
  CTKControls* pControls = m_pControls;
  pControls->SetParent(nullptr);
  m_pControls = new CTKControls;
  m_pControls->SetParent(this);
  OnControlsChanged();
  return pControls;
}

// The layout records of controls and their collections, and the pop-up bars
// they open, which a layout carries as bars of their own.
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKImageManager.h"
#include "common/TKPropExchange.h"

namespace {
/// The command bars of a control being loaded come from the exchange.
CTKCommandBars* ExchangeCommandBars(CTKPropExchange* pPX, const CTKControl* pControl) {
  TK_BARS_EXCHANGE_PARAM* pParam = TKGetBarsExchangeParam(pPX);
  if (pParam != nullptr && pParam->pCommandBars != nullptr) return pParam->pCommandBars;
  return pControl->GetCommandBars();
}

void ExchangeDwordProp(CTKPropExchange* pPX, LPCTSTR pszName, DWORD& dwValue) {
  int nValue = static_cast<int>(dwValue);
  ExchangeIntProp(pPX, pszName, nValue, 0);
  dwValue = static_cast<DWORD>(nValue);
}

/// Registry and INI stores leave an empty map out; an archive is read by
/// position and always gets it.
void ExchangeTemplateMap(CTKPropExchange* pPX, LPCTSTR pszName, CTKControl::CDocTemplateMap& map) {
  if (pPX->IsStoring() && pPX->CanSkipValues() && map.IsEmpty()) return;
  ExchangeSerializableProp(pPX, pszName, &map);
}
/// Reads a section into a new collection, which goes when the read fails.
void ReadSection(CTKPropExchange* pPX, LPCTSTR pszName, CTKControls* pControls) {
  try {
    CTKPropExchangeSection section(pPX->GetSection(pszName));
    pControls->DoPropExchange(section);
  } catch (...) {
    pControls->InternalRelease();
    throw;
  }
}
}  // namespace

// CTKControl --------------------------------------------------------------------------------

void CTKControl::DoPropExchange(CTKPropExchange* pPX) {
  const int nSchema = pPX->GetSchema();
  ExchangeIntProp(pPX, "Type", m_controlType, tkControlButton);
  ExchangeIntProp(pPX, "Id", m_nId, -1);
  if (pPX->IsLoading()) {
    CTKCommandBars* pCommandBars = ExchangeCommandBars(pPX, this);
    if (pCommandBars != nullptr && pCommandBars->IsActionsEnabled())
      if (CTKControlAction* pAction = pCommandBars->GetAction(m_nId)) SetAction(pAction);
  }
  ExchangeIntProp(pPX, "IconId", m_nIconId, 0);
  ExchangeBoolProp(pPX, "BeginGroup", m_bBeginGroup, FALSE);
  int nTag = static_cast<int>(m_nTag);
  ExchangeIntProp(pPX, "Tag", nTag, 0);
  m_nTag = static_cast<DWORD_PTR>(static_cast<UINT>(nTag));
  ExchangeDwordProp(pPX, "Flags", m_dwFlags);
  ExchangeDwordProp(pPX, "HideFlags", m_dwHideFlags);
  ExchangeStringProp(pPX, "Caption", m_strCaption, "");
  ExchangeStringProp(pPX, "ShortcutText", m_strShortcutText, "");
  ExchangeStringProp(pPX, "TooltipText", m_strTooltipText, "");
  ExchangeStringProp(pPX, "DescriptionText", m_strDescriptionText, "");
  ExchangeStringProp(pPX, "Parameter", m_strParameter, "");
  ExchangeIntProp(pPX, "CustomIconId", m_nCustomIconId, 0);
  ExchangeStringProp(pPX, "CustomCaption", m_strCustomCaption, "");
  if (nSchema > 1) ExchangeStringProp(pPX, "Category", m_strCategory, "");
  if (m_nCustomIconId > 0) {
    CTKCommandBars* pCommandBars = ExchangeCommandBars(pPX, this);
    CTKImageManager* pImageManager =
        pCommandBars != nullptr ? pCommandBars->GetImageManager() : GetImageManager();
    CTKPropExchangeSection icon(pPX->GetSection("CustomIcon"));
    if (pImageManager != nullptr)
      pImageManager->ExchangeIconSet(static_cast<UINT>(m_nCustomIconId), icon);
  }
  if (nSchema > 3) {
    ExchangeTemplateMap(pPX, "DocTemplatesExcluded", m_mapDocTemplatesExcluded);
    ExchangeTemplateMap(pPX, "DocTemplatesAssigned", m_mapDocTemplatesAssigned);
    ExchangeBoolProp(pPX, "DefaultItem", m_bDefaultItem, FALSE);
  }
  if (nSchema > 6) ExchangeBoolProp(pPX, "CloseSubMenuOnClick", m_bCloseSubMenuOnClick, TRUE);
  if (nSchema > 7) {
    ExchangeIntProp(pPX, "CustomStyle", m_buttonCustomStyle, -1);
    // Before schema 18, 0 meant "no style of its own".
    if (pPX->IsLoading() && nSchema < 18 && m_buttonCustomStyle == 0) m_buttonCustomStyle = -1;
  }
  if (nSchema > 16) ExchangeIntProp(pPX, "HelpId", m_nHelpId, 0);
  if (nSchema > 17) ExchangeIntProp(pPX, "Style", m_buttonStyle, 0);
  if (nSchema > 18) {
    ExchangeDpiXProp(pPX, "Width", m_nWidth, 0);
    ExchangeDpiYProp(pPX, "Height", m_nHeight, 0);
    ExchangeIntProp(pPX, "ExecuteOnPressInterval", m_nExecuteOnPressInterval, 0);
  }
  if (nSchema > 22) ExchangeStringProp(pPX, "ShortcutTextAuto", m_strShortcutTextAuto, "");
  if (nSchema > 23) ExchangeStringProp(pPX, "KeyboardTip", m_strKeyboardTip, "");
  if (nSchema > 25) ExchangeSizeProp(pPX, "IconSize", m_szIcon, CSize(0, 0));
  if (nSchema > 40)
    ExchangeStringProp(pPX, "CustomShortcutText", m_strCustomShortcutText, "");
  else if (pPX->IsLoading())
    m_strCustomShortcutText.Empty();
  if (pPX->IsLoading()) OnCaptionChanged();
}

void CTKControl::GenerateCommandBarList(int* pnNextId, CTKLayoutBars& bars,
                                        TK_BARS_EXCHANGE_PARAM* pParam) {
  if (CTKCommandBar* pBar = GetCommandBar()) pBar->GenerateCommandBarList(pnNextId, bars, pParam);
}

// Control classes ---------------------------------------------------------------------------

void CTKControlButton::DoPropExchange(CTKPropExchange* pPX) {
  CTKControl::DoPropExchange(pPX);
  if (pPX->GetSchema() < 18) ExchangeIntProp(pPX, "Style", m_buttonStyle, 0);
}

void CTKControlPopup::DoPropExchange(CTKPropExchange* pPX) {
  CTKControl::DoPropExchange(pPX);
  int nBarId = pPX->IsStoring() && m_pCommandBar != nullptr
                   ? static_cast<int>(m_pCommandBar->GetBarID())
                   : 0;
  ExchangeIntProp(pPX, "CommandBarId", nBarId, 0);
  if (pPX->IsLoading()) m_nPopupBarId = nBarId;
  const int nSchema = pPX->GetSchema();
  if (nSchema > 4 && nSchema < 18) ExchangeIntProp(pPX, "Style", m_buttonStyle, 0);
}

void CTKControlPopup::RestoreCommandBarList(CTKLayoutBars& bars) {
  if (m_nPopupBarId == 0) return;
  CTKCommandBar* pBar = TKFindLayoutBar(bars, static_cast<UINT>(m_nPopupBarId));
  // Cleared first: a layout whose pop-ups open each other ends here.
  m_nPopupBarId = 0;
  // Only a pop-up bar drops down from a control, and never its own bar.
  if (pBar == nullptr || !pBar->IsKindOf(RUNTIME_CLASS(CTKPopupBar)) || pBar == m_pParent) return;
  pBar->InternalAddRef();
  SetCommandBar(pBar);
  pBar->RestoreCommandBarList(bars);
}

// CTKControls -------------------------------------------------------------------------------

void CTKControls::DoPropExchange(CTKPropExchange* pPX) {
  TK_BARS_EXCHANGE_PARAM* pParam = TKGetBarsExchangeParam(pPX);
  if (pPX->IsStoring()) {
    DWORD nCount = 0;
    for (int i = 0; i < GetCount(); ++i)
      if (IsPersistentControl(GetAt(i))) ++nCount;
    CTKPropExchangeEnumeratorPtr enumerator(pPX->GetEnumerator("Control"));
    POSITION pos = enumerator->GetPosition(nCount);
    for (int i = 0; pos != nullptr && i < GetCount(); ++i) {
      CTKControl* pControl = GetAt(i);
      if (!IsPersistentControl(pControl)) continue;
      CTKPropExchangeSection section(enumerator->GetNext(pos));
      CObject* pObject = pControl;
      section->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CTKControl));
      pControl->DoPropExchange(section);
    }
    BOOL bOriginal = pParam != nullptr && pParam->bSaveOriginalControls &&
                     m_pOriginalControls != nullptr;
    ExchangeBoolProp(pPX, "OriginalControls", bOriginal, FALSE);
    if (bOriginal) {
      CTKPropExchangeSection section(pPX->GetSection("OriginalControls"));
      m_pOriginalControls->DoPropExchange(section);
    }
    BOOL bCustomized = FALSE;
    ExchangeBoolProp(pPX, "CustomizedControls", bCustomized, FALSE);
    return;
  }

  RemoveAll();
  CTKPropExchangeEnumeratorPtr enumerator(pPX->GetEnumerator("Control"));
  POSITION pos = enumerator->GetPosition();
  while (pos != nullptr) {
    CTKPropExchangeSection section(enumerator->GetNext(pos));
    CObject* pObject = nullptr;
    if (!section->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CTKControl)) || pObject == nullptr ||
        !pObject->IsKindOf(RUNTIME_CLASS(CTKControl))) {
      delete pObject;
      AfxThrowArchiveException(CArchiveException::badClass);
    }
    CTKControl* pControl = static_cast<CTKControl*>(pObject);
    try {
      pControl->DoPropExchange(section);
    } catch (...) {
      pControl->InternalRelease();
      throw;
    }
    InsertControl(pControl);
  }
  RefreshIndexes();
  if (pPX->GetSchema() > 2) {
    BOOL bOriginal = FALSE;
    ExchangeBoolProp(pPX, "OriginalControls", bOriginal, FALSE);
    // Kept controls keep none of their own: a layout nesting them is damaged.
    if (bOriginal && m_bOriginalControls) AfxThrowArchiveException(CArchiveException::badSchema);
    if (bOriginal) {
      CTKOriginalControls* pOriginal = new CTKOriginalControls;
      pOriginal->SetCommandBars(GetCommandBars());
      ReadSection(pPX, "OriginalControls", pOriginal);
      SetOriginalControls(pOriginal);
    }
    BOOL bCustomized = FALSE;
    ExchangeBoolProp(pPX, "CustomizedControls", bCustomized, FALSE);
    if (bCustomized && m_bOriginalControls) AfxThrowArchiveException(CArchiveException::badSchema);
    if (bCustomized) {
      // Read past and dropped; it nests nothing further.
      CTKControls* pCustomized = new CTKOriginalControls;
      ReadSection(pPX, "CustomizedControls", pCustomized);
      pCustomized->InternalRelease();
    }
  }
}

void CTKControls::GenerateCommandBarList(int* pnNextId, CTKLayoutBars& bars,
                                         TK_BARS_EXCHANGE_PARAM* pParam) {
  for (int i = 0; i < GetCount(); ++i)
    if (!GetAt(i)->IsTemporary()) GetAt(i)->GenerateCommandBarList(pnNextId, bars, pParam);
  if (pParam->bSaveOriginalControls && m_pOriginalControls != nullptr)
    m_pOriginalControls->GenerateCommandBarList(pnNextId, bars, pParam);
}

void CTKControls::RestoreCommandBarList(CTKLayoutBars& bars) {
  for (int i = 0; i < GetCount(); ++i) GetAt(i)->RestoreCommandBarList(bars);
  if (m_pOriginalControls != nullptr) m_pOriginalControls->RestoreCommandBarList(bars);
}

// The ribbon's saved layout: the bar's record with its system button, tabs
// and quick-access commands, and the groups of each tab with their controls.
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "common/TKPropExchange.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "TKRibbonExchangeObjects.h"

CObject* TKReadRibbonObject(CTKPropExchange* pPX, CRuntimeClass* pBase) {
  CObject* pObject = nullptr;
  if (!pPX->ExchangeObjectInstance(pObject, pBase) || pObject == nullptr ||
      !pObject->IsKindOf(pBase)) {
    delete pObject;
    AfxThrowArchiveException(CArchiveException::badClass);
  }
  return pObject;
}

// CTKRibbonBar ---------------------------------------------------------------------------------

void CTKRibbonBar::DoPropExchange(CTKPropExchange* pPX) {
  TK_BARS_EXCHANGE_PARAM* pParam = TKGetBarsExchangeParam(pPX);
  if (pPX->IsLoading() && pParam != nullptr && pParam->pCommandBars != nullptr)
    SetCommandBars(pParam->pCommandBars);

  ExchangeBoolProp(pPX, "ShowQuickAccessBelow", m_bShowQuickAccessBelow, FALSE);
  // Loading takes the state as it was, without the effects of minimising.
  if (pPX->GetSchema() > 18) ExchangeBoolProp(pPX, "Minimized", m_bMinimized, FALSE);
  if (pPX->GetSchema() > 23) ExchangeBoolProp(pPX, "Customizable", m_bCustomizable, FALSE);

  if (m_bCustomizable) {
    CTKMenuBar::DoPropExchange(pPX);
    // The bar's own record keeps "Customizable" with TRUE as its default, and
    // a store that leaves defaults out would delete the ribbon's value.
    if (pPX->IsStoring() && pPX->CanSkipValues())
      ExchangeBoolProp(pPX, "Customizable", m_bCustomizable, FALSE);
    {
      CTKPropExchangeSection section(pPX->GetSection("SystemButton"));
      BOOL bSystemButton = m_pControlSystemButton != nullptr;
      ExchangeBoolProp(section, "SystemButton", bSystemButton, TRUE);
      if (pPX->IsLoading() && bSystemButton) {
        if (m_pControlSystemButton != nullptr) m_pControls->Remove(m_pControlSystemButton);
        CObject* pObject = nullptr;
        if (section->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CTKRibbonControlSystemButton)) &&
            pObject != nullptr && pObject->IsKindOf(RUNTIME_CLASS(CTKRibbonControlSystemButton))) {
          CTKControl* pButton = static_cast<CTKControl*>(pObject);
          pButton->DoPropExchange(section);
          m_pControls->InsertControl(pButton, 0);
          m_pControlSystemButton = pButton;
        } else {
          delete pObject;
        }
      } else if (pPX->IsStoring() && bSystemButton) {
        CObject* pObject = m_pControlSystemButton;
        section->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CTKRibbonControlSystemButton));
        m_pControlSystemButton->DoPropExchange(section);
      }
    }
    CTKPropExchangeSection section(pPX->GetSection("Tabs"));
    m_pControlTab->DoPropExchange(section);
  }

  CTKPropExchangeSection section(pPX->GetSection("QuickAccessControls"));
  m_pQuickAccessControls->DoPropExchange(section);
}

void CTKRibbonBar::GenerateCommandBarList(int* pnNextId, CTKLayoutBars& bars,
                                          TK_BARS_EXCHANGE_PARAM* pParam) {
  if (m_bCustomizable) {
    CTKMenuBar::GenerateCommandBarList(pnNextId, bars, pParam);
    return;
  }
  for (const auto& pBar : bars)
    if (pBar.Get() == this) return;
  bars.push_back(CTKLayoutBars::value_type(this));
  m_pQuickAccessControls->GenerateCommandBarList(pnNextId, bars, pParam);
}

void CTKRibbonBar::RestoreCommandBarList(CTKLayoutBars& bars) {
  if (m_bCustomizable) {
    CTKMenuBar::RestoreCommandBarList(bars);
    return;
  }
  m_pQuickAccessControls->RestoreCommandBarList(bars);
}

// CTKRibbonGroups -------------------------------------------------------------------------------

void CTKRibbonGroups::DoPropExchange(CTKPropExchange* pPX) {
  CTKPropExchangeEnumeratorPtr enumerator(pPX->GetEnumerator("Group"));
  if (pPX->IsStoring()) {
    POSITION pos = enumerator->GetPosition(static_cast<DWORD>(GetCount()));
    for (int i = 0; pos != nullptr && i < GetCount(); ++i) {
      CTKPropExchangeSection section(enumerator->GetNext(pos));
      CObject* pObject = m_arrGroups[i];
      section->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CTKRibbonGroup));
      m_arrGroups[i]->DoPropExchange(section);
    }
    return;
  }
  RemoveAll();
  POSITION pos = enumerator->GetPosition();
  while (pos != nullptr) {
    CTKPropExchangeSection section(enumerator->GetNext(pos));
    CTKRibbonGroup* pGroup =
        static_cast<CTKRibbonGroup*>(TKReadRibbonObject(section, RUNTIME_CLASS(CTKRibbonGroup)));
    // The group binds to this collection before it reads itself.
    pGroup->m_pGroups = this;
    pGroup->SetBars(GetRibbonBar(), GetParentBar());
    m_arrGroups.push_back(pGroup);
    RefreshIndexes();
    pGroup->DoPropExchange(section);
  }
}

// CTKRibbonGroup ----------------------------------------------------------------------------------

void CTKRibbonGroup::DoPropExchange(CTKPropExchange* pPX) {
  int nId = m_nId;
  ExchangeIntProp(pPX, "Id", nId, 0);
  ExchangeIntProp(pPX, "IconId", m_nIconId, 0);
  ExchangeBoolProp(pPX, "ShowOptionButton", m_bShowOptionButton, FALSE);
  ExchangeStringProp(pPX, "Caption", m_strCaption, "");
  ExchangeBoolProp(pPX, "ControlsGrouping", m_bControlsGrouping, FALSE);
  ExchangeBoolProp(pPX, "ControlsCentering", m_bControlsCentering, FALSE);
  ExchangeBoolProp(pPX, "Visible", m_bVisible, TRUE);

  CTKControls* pControls = GetBarControls();
  if (pPX->IsLoading()) {
    SetID(nId);
    OnGroupAdded();
    CTKPropExchangeSection section(pPX->GetSection("Controls"));
    RemoveAllControls();
    CTKPropExchangeEnumeratorPtr enumerator(section->GetEnumerator("Control"));
    POSITION pos = enumerator->GetPosition();
    while (pos != nullptr) {
      CTKPropExchangeSection item(enumerator->GetNext(pos));
      CTKControl* pControl =
          static_cast<CTKControl*>(TKReadRibbonObject(item, RUNTIME_CLASS(CTKControl)));
      try {
        pControl->DoPropExchange(item);
      } catch (...) {
        pControl->InternalRelease();
        throw;
      }
      if (pControls == nullptr) {
        pControl->InternalRelease();
        continue;
      }
      pControls->InsertControl(pControl, m_pOptionButton->GetIndex());
      AttachControl(pControl, GetCount());
    }
  } else {
    CTKPropExchangeSection section(pPX->GetSection("Controls"));
    DWORD nCount = 0;
    for (CTKControl* pControl : m_arrControls)
      if (!pControl->IsTemporary()) ++nCount;
    CTKPropExchangeEnumeratorPtr enumerator(section->GetEnumerator("Control"));
    POSITION pos = enumerator->GetPosition(nCount);
    for (CTKControl* pControl : m_arrControls) {
      if (pControl->IsTemporary() || pos == nullptr) continue;
      CTKPropExchangeSection item(enumerator->GetNext(pos));
      CObject* pObject = pControl;
      item->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CTKControl));
      pControl->DoPropExchange(item);
    }
  }
  {
    CTKPropExchangeSection section(pPX->GetSection("ControlGroupOption"));
    m_pOptionButton->DoPropExchange(section);
  }
  CTKPropExchangeSection section(pPX->GetSection("ControlGroupPopup"));
  m_pPopupButton->DoPropExchange(section);
}

// CTKCommandBarsOptions: defaults, the exchange under its schema, keyboard cues.
#include "commandbars/TKCommandBarsOptions.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKPropExchange.h"
#include "common/TKPropExchangeArchive.h"

namespace {
// The schema before which the used commands, the floating-bar flags and the
// pop-up icon size were not stored, and before which the keyboard cues and the
// DPI scaling were not.
const int kSchemaUsedCommands = 7;
const int kSchemaKeyboardCues = 8;
const int kSchemaDpiScaling = 38;
}  // namespace

CTKCommandBarsOptions::CTKCommandBarsOptions() { EnableAutomation(); }

CTKCommandBarsOptions::~CTKCommandBarsOptions() {}

void CTKCommandBarsOptions::ExchangeIdSet(CTKPropExchange* px, LPCTSTR pszName,
                                          CTKCommandIdSet& set) {
  if (px->UseBinarySerialization()) {
    // The map's own load only adds; an empty or missing stored set must
    // leave the set empty.
    if (px->IsLoading()) set.RemoveAll();
    ExchangeSerializableProp(px, pszName, &set);
    return;
  }
  CTKPropExchangeSection sec(px->GetSection(pszName));
  if (px->IsStoring()) {
    sec->WriteCount(static_cast<DWORD>(set.GetCount()));
    int nItem = 0;
    UINT nId;
    BOOL bValue;
    for (POSITION pos = set.GetStartPosition(); pos != NULL; ++nItem) {
      set.GetNextAssoc(pos, nId, bValue);
      CString strName;
      strName.Format("Item%i", nItem);
      int nValue = static_cast<int>(nId);
      ExchangeIntProp(sec, strName, nValue, 0);
    }
    return;
  }
  set.RemoveAll();
  DWORD nCount = sec->ReadCount();
  for (DWORD i = 0; i < nCount; ++i) {
    CString strName;
    strName.Format("Item%i", static_cast<int>(i));
    int nValue = 0;
    ExchangeIntProp(sec, strName, nValue, 0);
    set.SetAt(static_cast<UINT>(nValue), TRUE);
  }
}

void CTKCommandBarsOptions::ExchangeIconsInfo(CTKPropExchange* px) {
  // The icon flags belong to the manager's theme; without a manager they are
  // still exchanged, so that an archive keeps its positions.
  TK_ICONS_INFO local = {TRUE, TRUE, FALSE};
  TK_ICONS_INFO* pInfo = &local;
  if (m_pCommandBars != nullptr && m_pCommandBars->GetPaintManager() != nullptr)
    pInfo = m_pCommandBars->GetPaintManager()->GetIconsInfo();
  ExchangeBoolProp(px, "IconsWithShadow", pInfo->bIconsWithShadow, FALSE);
  ExchangeBoolProp(px, "UseDisabledIcons", pInfo->bUseDisabledIcons, TRUE);
  ExchangeBoolProp(px, "UseFadedIcons", pInfo->bUseFadedIcons, TRUE);
}

void CTKCommandBarsOptions::ExchangeProperties(CTKPropExchange* px, BOOL bUserOptionsOnly) {
  if (px == nullptr) return;
  px->UseDefaultOnLoad(FALSE);
  px->UseDefaultOnSave(FALSE);

  int nSchema = CTKPropExchange::CurrentSchema;
  ExchangeIntProp(px, "Schema", nSchema, CTKPropExchange::CurrentSchema);

  ExchangeBoolProp(px, "AlwaysShowFullMenus", bAlwaysShowFullMenus, TRUE);
  ExchangeBoolProp(px, "ShowFullAfterDelay", bShowFullAfterDelay, TRUE);
  ExchangeBoolProp(px, "ToolBarScreenTips", bToolBarScreenTips, TRUE);
  ExchangeBoolProp(px, "ToolBarAccelTips", bToolBarAccelTips, FALSE);
  ExchangeBoolProp(px, "LargeIcons", bLargeIcons, FALSE);

  BOOL bSkipEmpty = px->IsStoring() && px->CanSkipValues();
  if (nSchema > kSchemaUsedCommands) {
    if (!(bSkipEmpty && m_mapUsedCommands.IsEmpty()))
      ExchangeIdSet(px, "UsedCommands", m_mapUsedCommands);
    ExchangeIntProp(px, "Animation", animationType, 0);
  } else if (bUserOptionsOnly) {
    ExchangeIntProp(px, "Animation", animationType, 0);
  }
  if (bUserOptionsOnly) return;

  ExchangeBoolProp(px, "SyncFloatingBars", bSyncFloatingBars, TRUE);
  ExchangeBoolProp(px, "ShowExpandButtonAlways", bShowExpandButtonAlways, TRUE);
  ExchangeSizeProp(px, "IconsSize", szIcons, CSize(0, 0));
  ExchangeSizeProp(px, "LargeIconsSize", szLargeIcons, CSize(0, 0));
  if (!(bSkipEmpty && m_mapHiddenCommands.IsEmpty()))
    ExchangeIdSet(px, "HiddenCommands", m_mapHiddenCommands);
  ExchangeIconsInfo(px);

  if (nSchema > kSchemaUsedCommands) {
    // Stored twice since the layout of these versions; an archive reads both.
    ExchangeBoolProp(px, "SyncFloatingBars", bSyncFloatingBars, TRUE);
    ExchangeBoolProp(px, "ShowExpandButtonAlways", bShowExpandButtonAlways, TRUE);
    ExchangeBoolProp(px, "DblClickFloat", bDblClickFloat, FALSE);
    ExchangeBoolProp(px, "ShowTextBelowIcons", bShowTextBelowIcons, FALSE);
    ExchangeBoolProp(px, "AltDragCustomization", bAltDragCustomization, TRUE);
    ExchangeBoolProp(px, "AutoHideUnusedPopups", bAutoHideUnusedPopups, TRUE);
    ExchangeSizeProp(px, "PopupIconsSize", szPopupIcons, CSize(0, 0));
  }
  if (nSchema > kSchemaKeyboardCues) {
    ExchangeIntProp(px, "KeyboardCuesUse", keyboardCuesUse, 1);
    int nShow = m_nShowKeyboardCues;
    ExchangeIntProp(px, "KeyboardCuesShow", nShow, 0);
    if (px->IsLoading()) ShowKeyboardCues(nShow);
  }
  if (nSchema > kSchemaDpiScaling) {
    ExchangeBoolProp(px, "AutoScaleDpiGalleryItems", bAutoScaleDpiGalleryItems, TRUE);
    ExchangeBoolProp(px, "AutoScaleDpiToolbarIcons", bAutoScaleDpiToolbarIcons, FALSE);
  }
}

void CTKCommandBarsOptions::Serialize(CArchive& ar) {
  CTKPropExchangeSection px(new CTKPropExchangeArchive(ar));
  ExchangeProperties(px, FALSE);
}

void CTKCommandBarsOptions::ShowKeyboardCues(int nMode) {
  m_nShowKeyboardCues = nMode;
  if (m_pCommandBars == nullptr) return;
  m_pCommandBars->SetKeyboardCuesState(nMode != 1, FALSE);
  BOOL bShow = TRUE;
  if (nMode == 2 && TKCommandBarsSystem()->GetKeyboardCues(&bShow) && !bShow)
    m_pCommandBars->SetKeyboardCuesState(FALSE, TRUE);
}

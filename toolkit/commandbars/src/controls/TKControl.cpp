// CTKControl: construction, effective values and state.
#include "commandbars/TKControl.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControls.h"
#include "common/TKImageManager.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControl, CCmdTarget)

BEGIN_INTERFACE_MAP(CTKControl, CCmdTarget)
INTERFACE_PART(CTKControl, IID_IAccessible, Accessible)
END_INTERFACE_MAP()

void CTKControl::CDocTemplateMap::Copy(const CDocTemplateMap& source) {
  RemoveAll();
  POSITION pos = source.GetStartPosition();
  while (pos != NULL) {
    UINT nKey;
    int nValue;
    source.GetNextAssoc(pos, nKey, nValue);
    SetAt(nKey, nValue);
  }
}

CTKControl::CTKControl()
    : m_nTag(0),
      m_nIndex(0),
      m_nId(0),
      m_nIconId(0),
      m_nHelpId(0),
      m_nCustomIconId(0),
      m_bWrap(FALSE),
      m_bBeginGroup(FALSE),
      m_bEnabled(1),
      m_bChecked(0),
      m_nSelected(0),
      m_bPressed(0),
      m_bTemporary(FALSE),
      m_rcRow(0, 0, 0, 0),
      m_rcControl(0, 0, 0, 0),
      m_dwHideFlags(0),
      m_dwFlags(0),
      m_pControls(nullptr),
      m_controlType(0),
      m_pParent(nullptr),
      m_bRarelyUsed(FALSE),
      m_bDefaultItem(FALSE),
      m_buttonStyle(tkButtonAutomatic),
      m_buttonCustomStyle(-1),
      m_buttonLayoutStyle(0),
      m_bCloseSubMenuOnClick(TRUE),
      m_pRibbonGroup(nullptr),
      m_pAction(nullptr),
      m_nWidth(0),
      m_nHeight(0),
      m_nExecuteOnPressInterval(0),
      m_szIcon(0, 0) {
  EnableAutomation();
}

CTKControl::~CTKControl() { SetAction(nullptr); }

// Effective values ---------------------------------------------------------------

CString CTKControl::GetCaption() const {
  if (!m_strCustomCaption.IsEmpty()) return m_strCustomCaption;
  if (!m_strCaption.IsEmpty()) return m_strCaption;
  return m_pAction != nullptr ? m_pAction->GetCaption() : CString();
}

CString CTKControl::GetTooltip() const {
  if (!m_strTooltipText.IsEmpty() || m_pAction == nullptr) return m_strTooltipText;
  return m_pAction->GetTooltip();
}

CString CTKControl::GetDescription() const {
  if (!m_strDescriptionText.IsEmpty() || m_pAction == nullptr) return m_strDescriptionText;
  return m_pAction->GetDescription();
}

CString CTKControl::GetKeyboardTip() const {
  if (!m_strKeyboardTip.IsEmpty() || m_pAction == nullptr) return m_strKeyboardTip;
  return m_pAction->GetKeyboardTip();
}

CString CTKControl::GetShortcutText() const {
  if (!m_strShortcutText.IsEmpty()) return m_strShortcutText;
  if (m_pAction != nullptr && !m_pAction->GetShortcutText().IsEmpty())
    return m_pAction->GetShortcutText();
  return m_strShortcutTextAuto;
}

CString CTKControl::GetCustomShortcutText() const {
  if (!m_strCustomShortcutText.IsEmpty()) return m_strCustomShortcutText;
  if (m_pAction != nullptr && !m_pAction->GetCustomShortcutText().IsEmpty())
    return m_pAction->GetCustomShortcutText();
  return m_strShortcutTextAuto;
}

int CTKControl::GetIconId() const {
  if (m_nCustomIconId != 0) return m_nCustomIconId;
  if (m_nIconId > 0) return m_nIconId;
  if (m_pAction != nullptr)
    return m_pAction->GetIconId() > 0 ? m_pAction->GetIconId() : m_pAction->GetID();
  return m_nId;
}

int CTKControl::GetHelpId() const {
  if (m_nHelpId > 0) return m_nHelpId;
  if (m_pAction != nullptr)
    return m_pAction->GetHelpId() > 0 ? m_pAction->GetHelpId() : m_pAction->GetID();
  return m_nId;
}

CTKImageManagerIcon* CTKControl::GetImage(int nWidth) const {
  const int nIconId = GetIconId();
  if (nIconId == 0) return nullptr;
  CTKImageManager* pImageManager = GetImageManager();
  return pImageManager != nullptr ? pImageManager->GetImage(nIconId, nWidth) : nullptr;
}

BOOL CTKControl::GetEnabled() const {
  if (m_pParent != nullptr) {
    const int nOverride = m_pParent->GetControlEnabledOverride(const_cast<CTKControl*>(this));
    if (nOverride != -1) return nOverride;
  }
  if (m_bEnabled == -1) return m_pAction != nullptr ? m_pAction->GetEnabled() : TRUE;
  return m_bEnabled;
}

int CTKControl::GetChecked() const {
  if (m_bChecked == -1) return m_pAction != nullptr ? m_pAction->GetChecked() : 0;
  return m_bChecked;
}

int CTKControl::GetStyle() const {
  if (m_buttonCustomStyle != -1) return m_buttonCustomStyle;
  if (m_buttonStyle != tkButtonAutomatic) return m_buttonStyle;
  if (m_buttonLayoutStyle != 0) return m_buttonLayoutStyle;
  return m_pParent != nullptr ? m_pParent->GetDefaultButtonStyle() : tkButtonAutomatic;
}

BOOL CTKControl::IsVisible(DWORD dwSkipFlags) const {
  if (m_pAction != nullptr && !m_pAction->IsVisible()) return FALSE;
  return (m_dwHideFlags & ~dwSkipFlags) == 0;
}

BOOL CTKControl::IsCaptionVisible() const {
  if (m_pParent != nullptr && m_pParent->GetType() == tkBarTypePopup) return TRUE;
  if (GetCaption().IsEmpty()) return FALSE;
  switch (GetStyle()) {
    case tkButtonCaption:
    case tkButtonIconAndCaption:
    case tkButtonIconAndCaptionBelow:
      return TRUE;
    case tkButtonIcon:
      return FALSE;
  }
  switch (m_controlType) {
    case tkControlButton:
    case tkControlButtonPopup:
    case tkControlSplitButtonPopup:
      return GetImage(0) == nullptr;
    case tkControlPopup:
    case tkControlLabel:
    case tkControlCheckBox:
    case tkControlRadioButton:
      return TRUE;
  }
  return FALSE;
}

CSize CTKControl::GetIconSize() const {
  if (m_szIcon.cx != 0 || m_szIcon.cy != 0) return m_szIcon;
  return m_pParent != nullptr ? m_pParent->GetIconSize() : CSize(0, 0);
}

CSize CTKControl::GetButtonSize() const {
  return m_pParent != nullptr ? m_pParent->GetButtonSize() : CSize(0, 0);
}

// Owners ------------------------------------------------------------------------

CTKCommandBars* CTKControl::GetCommandBars() const {
  if (m_pParent != nullptr) return m_pParent->GetCommandBars();
  return m_pControls != nullptr ? m_pControls->GetCommandBars() : nullptr;
}

CTKPaintManager* CTKControl::GetPaintManager() const {
  if (m_pParent != nullptr) return m_pParent->GetPaintManager();
  CTKCommandBars* pCommandBars = GetCommandBars();
  return pCommandBars != nullptr ? pCommandBars->GetPaintManager() : CTKPaintManager::GetGlobal();
}

CTKImageManager* CTKControl::GetImageManager() const {
  if (m_pParent != nullptr) return m_pParent->GetImageManager();
  CTKCommandBars* pCommandBars = GetCommandBars();
  return pCommandBars != nullptr ? pCommandBars->GetImageManager() : TKImageManager();
}

BOOL CTKControl::IsCustomizeMode() const {
  return m_pParent != nullptr && m_pParent->IsCustomizeMode();
}

BOOL CTKControl::IsCustomizeMovable() const {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars != nullptr && pCommandBars->IsCustomizeAllAllowed()) return TRUE;
  return m_pParent != nullptr && m_pParent->IsCustomizable() && !(m_dwFlags & TKFLAG_NOMOVABLE);
}

BOOL CTKControl::IsOnGlass() const {
  if (m_pParent == nullptr) return FALSE;
  return IntersectsRibbonGlassArea(m_pParent, m_rcControl) || m_pParent->IsDwmEnabled();
}

BOOL CTKControl::IsCursorOver() const {
  if (m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL) return FALSE;
  CPoint pt;
  ::GetCursorPos(&pt);
  m_pParent->ScreenToClient(&pt);
  return m_rcControl.PtInRect(pt);
}

// State ----------------------------------------------------------------------------

BOOL CTKControl::SetHideFlags(DWORD dwFlags) {
  if (m_dwHideFlags == dwFlags) return FALSE;
  m_dwHideFlags = dwFlags;
  return TRUE;
}

void CTKControl::SetVisible(BOOL bVisible) {
  const DWORD dwFlags = bVisible ? (m_dwHideFlags & ~TKHIDE_GENERIC) : (m_dwHideFlags | TKHIDE_GENERIC);
  if (SetHideFlags(dwFlags)) DelayLayoutParent();
}

void CTKControl::SetBeginGroup(BOOL bBeginGroup) {
  if (m_bBeginGroup == bBeginGroup) return;
  m_bBeginGroup = bBeginGroup;
  DelayLayoutParent();
}

void CTKControl::SetWidth(int nWidth) {
  if (m_nWidth == nWidth) return;
  m_nWidth = nWidth;
  DelayLayoutParent();
}

void CTKControl::SetHeight(int nHeight) {
  if (m_nHeight == nHeight) return;
  m_nHeight = nHeight;
  DelayLayoutParent();
}

void CTKControl::SetDefaultItem(BOOL bDefault) {
  if (m_bDefaultItem == bDefault) return;
  m_bDefaultItem = bDefault;
  DelayLayoutParent();
}

void CTKControl::SetHiddenUntilExpand(BOOL bRarelyUsed) {
  m_bRarelyUsed = bRarelyUsed;
  if (!bRarelyUsed) SetHideFlags(m_dwHideFlags & ~TKHIDE_EXPAND);
}

void CTKControl::SetEnabled(BOOL bEnabled) {
  if (m_bEnabled == bEnabled) return;
  m_bEnabled = bEnabled;
  OnEnabledChanged();
  RedrawParent();
}

void CTKControl::SetChecked(int nChecked) {
  if (m_bChecked == nChecked) return;
  m_bChecked = nChecked;
  RedrawParent();
}

BOOL CTKControl::SetSelected(int nSelected) {
  if (m_nSelected == nSelected) return FALSE;
  const bool bKeyboard = nSelected == 2 || nSelected == 3;
  if (bKeyboard && m_pParent != nullptr && m_pParent->GetPopuped() != -1 &&
      m_pParent->GetPopuped() != m_nIndex)
    m_pParent->SetPopuped(-1);
  m_nSelected = nSelected;
  if (m_pParent != nullptr) m_pParent->OnControlSelected(nSelected != 0, this);
  // A disabled control shows no hover; only leaving and keyboard selection show.
  if (GetEnabled() || nSelected == 0 || bKeyboard) RedrawParent(nSelected == 0);
  return TRUE;
}

void CTKControl::OnMouseHover() {
  if (m_pParent == nullptr) return;
  const int nPopuped = m_pParent->GetPopuped();
  m_pParent->SetPopuped(-1);
  if (nPopuped != -1 && !m_pParent->IsPopupBar() && m_pParent->IsTrackingMode() == 2)
    m_pParent->SetTrackingMode(FALSE, TRUE, FALSE);
}

// Drawing and layout ----------------------------------------------------------------

CSize CTKControl::GetSize(CDC* pDC) {
  CTKPaintManager* pPaintManager = GetPaintManager();
  return pPaintManager != nullptr ? pPaintManager->DrawControl(pDC, this, FALSE) : CSize(0, 0);
}

void CTKControl::Draw(CDC* pDC) {
  CTKPaintManager* pPaintManager = GetPaintManager();
  if (pPaintManager != nullptr) pPaintManager->DrawControl(pDC, this, TRUE);
}

void CTKControl::DelayLayoutParent() {
  if (m_pParent != nullptr) m_pParent->DelayLayout();
}

BOOL CTKControl::RedrawParent(BOOL bAnimate) {
  if (!IsVisible(0)) return FALSE;
  if (m_pParent != nullptr) m_pParent->Redraw(m_rcControl, bAnimate);
  return TRUE;
}

// Mouse ------------------------------------------------------------------------------

void CTKControl::OnLButtonDown(CPoint pt) {
  if (IsCustomizeMode() && !IsCustomizeMovable()) return;
  OnClick(FALSE, pt);
}

BOOL CTKControl::OnLButtonDblClk(CPoint pt) {
  OnClick(FALSE, pt);
  return TRUE;
}

void CTKControl::OnCustomizeDragOver(CTKControl*, CPoint) {
  if (m_pParent == nullptr) return;
  m_pParent->SetPopuped(-1);
  m_pParent->SetSelected(-1);
}

// Events ---------------------------------------------------------------------------

void CTKControl::OnActionChanged(int nProperty) {
  if (nProperty == tkActionCaption) OnCaptionChanged();
  if (nProperty == tkActionEnabled) OnEnabledChanged();
}

void CTKControl::OnRemoved() { SetAction(nullptr); }

void CTKControl::SetAction(CTKControlAction* pAction) {
  if (m_pAction != nullptr) {
    CTKControlAction* pOld = m_pAction;
    m_pAction = nullptr;
    pOld->RemoveControl(this);
  }
  if (pAction != nullptr) {
    m_pAction = pAction;
    pAction->AddControl(this);
  }
}

// CTKRibbonScrollableBar: the key tips of the groups' controls and the arrow
// keys between controls by their places on screen.
#include <algorithm>
#include <cstdlib>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKShortcutManager.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonResource.h"
#include "ribbon/TKRibbonScrollableBar.h"

namespace {

/// The navigation codes of a horizontal bar that the groups take.
enum { kUp = 2, kDown = 3, kEnter = 5, kLeft = 8, kRight = 9, kSpace = 10 };

/// The rectangle turned so that the move goes towards +x: every direction
/// then asks the same questions.
CRect Orient(const CRect& rc, int nCode) {
  switch (nCode) {
    case kLeft: return CRect(-rc.right, rc.top, -rc.left, rc.bottom);
    case kDown: return CRect(rc.top, rc.left, rc.bottom, rc.right);
    case kUp: return CRect(-rc.bottom, rc.left, -rc.top, rc.right);
    default: return rc;
  }
}

/// Whether two oriented rectangles share a part of the cross axis.
BOOL Overlap(const CRect& a, const CRect& b, int nSlack) {
  return (b.top + nSlack >= a.top && b.top < a.bottom) ||
         (a.top + nSlack >= b.top && a.top < b.bottom);
}

/// Controls that act on a click from the keyboard instead of their underline.
BOOL IsKeyboardClickControl(const CTKControl* pControl) {
  switch (pControl->GetType()) {
    case tkControlEdit:
    case tkControlComboBox:
    case tkControlCheckBox:
    case tkControlRadioButton:
    case tkControlGallery:
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

// Key tips ---------------------------------------------------------------------------------------

void CTKRibbonScrollableBar::CreateGroupsKeyboardTips(CTKRibbonTab* pTab) {
  if (pTab == nullptr) return;
  CTKRibbonGroups* pGroups = pTab->GetGroups();
  for (int i = 0; i < pGroups->GetCount(); ++i)
    CreateGroupKeyboardTips(pGroups->GetAt(i), pGroups->GetAt(i)->IsVisible());
}

void CTKRibbonScrollableBar::CreateGroupKeyboardTips(CTKRibbonGroup* pGroup, BOOL bVisible) {
  for (int i = 0; i < pGroup->GetCount(); ++i)
    CreateControlKeyboardTip(pGroup->GetAt(i), NULL, bVisible);
  CTKControl* pOption = pGroup->GetControlGroupOption();
  if (pOption != nullptr && !(pOption->GetHideFlags() & TKHIDE_GENERIC))
    CreateControlKeyboardTip(pOption, NULL, bVisible);
  CreateControlKeyboardTip(pGroup->GetControlGroupPopup(), "Z", bVisible);
}

void CTKRibbonScrollableBar::CreateControlKeyboardTip(CTKControl* pControl, LPCTSTR lpszPrefix,
                                                      BOOL bVisible) {
  if (pControl == nullptr || (pControl->GetFlags() & TKFLAG_SKIPFOCUS)) return;
  const CString strCaption = pControl->GetCaption();
  const CString strExplicit = pControl->GetKeyboardTip();
  CTKRibbonGroup* pGroup = pControl->GetRibbonGroup();
  CTKCommandBars* pCommandBars = m_pParent != nullptr ? m_pParent->GetCommandBars() : nullptr;
  if ((strCaption.IsEmpty() && strExplicit.IsEmpty()) || pGroup == nullptr || pCommandBars == nullptr)
    return;

  CTKDpiHelper* pDpi = TKDpiHelper();
  CTKRibbonBar* pRibbonBar = GetRibbonOfBar();
  CTKRibbonPaintManager* pPaintManager =
      pRibbonBar != nullptr ? pRibbonBar->GetRibbonPaintManager() : nullptr;
  const int nCaptionHeight = pPaintManager != nullptr ? pPaintManager->GetGroupCaptionHeight() : 0;
  const CRect rcGroup = pGroup->GetRect();
  const int nBandTop = rcGroup.bottom - nCaptionHeight + pDpi->ScaleY(2);
  const CRect rcBand(rcGroup.left, nBandTop, rcGroup.right, rcGroup.bottom);
  const CRect rcContent(rcGroup.left, rcGroup.top, rcGroup.right, nBandTop);
  const CRect rcGroups = GetGroupsRect();
  const CRect rc = pControl->GetRect();

  CPoint pt;
  DWORD dwAlign = 0;
  CRect rcMeet;
  if (rcMeet.IntersectRect(rc, rcBand)) {
    pt = CPoint(rc.CenterPoint().x, rcGroups.bottom - pDpi->ScaleY(6));
    dwAlign = CTKCommandBarKeyboardTip::kAlignCenterX;
  } else if (pControl->GetStyle() == tkButtonIconAndCaptionBelow && rc.Height() > rcContent.Height() / 2) {
    pt = CPoint(rc.CenterPoint().x, nBandTop - pDpi->ScaleY(2));
    dwAlign = CTKCommandBarKeyboardTip::kAlignCenterX | CTKCommandBarKeyboardTip::kAlignCenterY;
  } else if (pControl->GetType() == tkControlGallery) {
    pt = CPoint(rc.right, nBandTop - pDpi->ScaleY(2));
    dwAlign = CTKCommandBarKeyboardTip::kAlignCenterX | CTKCommandBarKeyboardTip::kAlignCenterY;
  } else {
    const int nCentre = rc.CenterPoint().y;
    const int nThird = rcContent.Height() / 3;
    pt.x = rc.left + pDpi->ScaleX(11);
    if (nCentre < rcContent.top + nThird)
      pt.y = rcContent.top + pDpi->ScaleY(2);
    else if (nCentre >= rcContent.bottom - nThird)
      pt.y = nBandTop - pDpi->ScaleY(2);
    else
      pt.y = rcContent.CenterPoint().y - pDpi->ScaleY(1);
    dwAlign = CTKCommandBarKeyboardTip::kAlignCenterY;
  }
  const int nType = pControl->GetType();
  if (nType == tkControlCheckBox || nType == tkControlRadioButton) {
    pt.x = rc.left + pDpi->ScaleX(6);
  } else if ((nType == tkControlEdit || nType == tkControlComboBox) &&
             pControl->GetStyle() == tkButtonAutomatic) {
    pt.x = rc.CenterPoint().x;
    dwAlign |= CTKCommandBarKeyboardTip::kAlignCenterX;
  }

  CTKCommandBarKeyboardTip* pTip = new CTKCommandBarKeyboardTip(
      pCommandBars, pControl, strCaption, pt.x, pt.y, dwAlign, pControl->GetEnabled());
  const CString strPrefix = lpszPrefix != nullptr ? lpszPrefix : "";
  if (!strExplicit.IsEmpty()) {
    pTip->m_strTip = strPrefix + strExplicit;
    pTip->m_bPreset = TRUE;
  } else if (!strPrefix.IsEmpty()) {
    // The prefix goes before the caption's own letter.
    const int nPos = FindMnemonicPos(strCaption) + 1;
    CString strLetter = strCaption.Mid(nPos < strCaption.GetLength() ? nPos : 0, 1);
    strLetter.MakeUpper();
    pTip->m_strDefaultTip = strPrefix + strLetter;
  }
  CRect rcInside;
  rcInside.IntersectRect(rc, rcGroups);
  pTip->m_bVisible = bVisible && rcInside == rc && pControl->IsVisible();
  pCommandBars->GetKeyboardTips()->Add(pTip);
}

// Arrow keys --------------------------------------------------------------------------------------

CRect CTKRibbonScrollableBar::GetNavigationRect(CTKControl* pControl, BOOL bCurrent,
                                                int nCode) const {
  CRect rc = pControl->GetRect();
  CTKRibbonGroup* pGroup = pControl->GetRibbonGroup();
  if (pGroup != nullptr && pControl == pGroup->GetControlGroupOption()) {
    rc = pGroup->GetCaptionRect();
    rc.DeflateRect(TKDpiHelper()->ScaleX(4), 0);
    return rc;
  }
  CTKRibbonControlTab* pTabs = DYNAMIC_DOWNCAST(CTKRibbonControlTab, pControl);
  if (bCurrent && pTabs != nullptr && nCode == kUp && pTabs->GetSelectedItem() != NULL)
    return pTabs->GetSelectedItem()->GetRect();
  if (!bCurrent && pGroup == nullptr && (nCode == kUp || nCode == kDown) &&
      pControl->GetID() == TK_ID_RIBBONCUSTOMIZE_QUICKACCESS && m_pParent->GetSafeHwnd() != NULL) {
    CRect rcClient;
    m_pParent->GetClientRect(&rcClient);
    rc.right = rcClient.right;
  }
  return rc;
}

BOOL CTKRibbonScrollableBar::NavigateGroupControls(int nCode) {
  CTKControl* pSelected = m_pParent != nullptr ? m_pParent->GetControl(m_pParent->GetSelected())
                                               : nullptr;
  if (pSelected == nullptr) return FALSE;
  if (nCode == kEnter || nCode == kSpace) {
    if (IsKeyboardClickControl(pSelected))
      pSelected->OnClick(TRUE);
    else
      pSelected->OnUnderlineActivate();
    return TRUE;
  }
  if (nCode != kUp && nCode != kDown && nCode != kLeft && nCode != kRight) return FALSE;

  const BOOL bAlongRow = nCode == kLeft || nCode == kRight;
  const int nSlack = bAlongRow ? TKDpiHelper()->ScaleY(1) : TKDpiHelper()->ScaleX(1);
  const CRect a = Orient(GetNavigationRect(pSelected, TRUE, nCode), nCode);
  const int nCentreA = a.CenterPoint().y;
  int nBest = -1, nFallback = -1;
  CRect rcBest, rcFallback;
  // Nearer along the move first, then nearer across it.
  auto better = [nCentreA](const CRect& b, int nIndex, const CRect& rcOld) {
    if (nIndex == -1 || b.left != rcOld.left) return nIndex == -1 || b.left < rcOld.left;
    return std::abs(b.CenterPoint().y - nCentreA) < std::abs(rcOld.CenterPoint().y - nCentreA);
  };
  for (int i = 0; i < m_pParent->GetControlCount(); ++i) {
    CTKControl* pControl = m_pParent->GetControl(i);
    if (pControl == pSelected || !pControl->IsVisible(TKHIDE_UNNEEDED) ||
        (pControl->GetFlags() & TKFLAG_SKIPFOCUS))
      continue;
    const CRect b = Orient(GetNavigationRect(pControl, FALSE, nCode), nCode);
    if (!Overlap(a, b, nSlack)) continue;
    if (b.left >= a.right && better(b, nBest, rcBest)) {
      nBest = i;
      rcBest = b;
    }
    if (bAlongRow && better(b, nFallback, rcFallback)) {
      nFallback = i;
      rcFallback = b;
    }
  }
  const int nFound = nBest != -1 ? nBest : nFallback;
  if (nFound != -1) m_pParent->SetSelected(nFound, nCode == kRight || nCode == kDown ? 2 : 3);
  return TRUE;
}

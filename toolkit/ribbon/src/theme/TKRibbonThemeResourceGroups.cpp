// CTKRibbonThemeResource: groups, their areas and pop-ups, the buttons of
// reduced groups, option buttons, runs of grouped controls and the groups'
// scroll buttons.
#include <algorithm>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControl.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImage.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonScrollableBar.h"
#include "ribbon/TKRibbonTab.h"
#include "ribbon/TKRibbonThemeResource.h"
#include "themes/TKPaintManagerBase.h"
#include "themes/TKRibbonServices.h"

namespace {

int ContextColorOf(CTKRibbonGroup* pGroup) {
  CTKRibbonTab* pTab = pGroup != nullptr ? pGroup->GetTab() : nullptr;
  return pTab != nullptr ? pTab->GetContextColor() : 0;
}

/// Left and right margins of a background image: `nWide`, or `nNarrow` for
/// an image narrower than `cxLimit`.
CRect SideMargins(CTKResourceImage* pImage, int nWide, int nNarrow, int cxLimit) {
  const int nSide = pImage->GetWidth() < cxLimit ? nNarrow : nWide;
  return CRect(nSide, 8, nSide, 8);
}

/// 2 while the pop-up is open, 1 hot, else 0: the three-state buttons.
int PopupButtonSlice(CTKControl* pControl) {
  if (pControl->IsPopupOpen()) return 2;
  return pControl->GetSelected() ? 1 : 0;
}

}  // namespace

void CTKRibbonThemeResource::DrawGroup(CDC* pDC, CTKRibbonGroup* pGroup) {
  if (!IsLoaded() || pGroup->IsReduced()) return;
  const int nColor = ContextColorOf(pGroup);
  CTKResourceImage* pClient = LoadContextImage(nColor, "GROUPCLIENT");
  CTKResourceImage* pCaption = nullptr;
  if (pClient == nullptr) {
    const BOOL bContext = GetContextColorName(nColor) != nullptr;
    pClient = LoadImage(bContext ? "CONTEXTTABGROUPCLIENT" : "RIBBONGROUPCLIENT");
    pCaption = LoadImage(bContext ? "CONTEXTTABGROUPCAPTION" : "RIBBONGROUPCAPTION");
  }
  CTKRibbonBar* pRibbonBar = pGroup->GetRibbonBar();
  const int nSlice = pRibbonBar != nullptr && pRibbonBar->GetHighlightedGroup() == pGroup ? 1 : 0;
  const CRect rcMargins(5, 5, 5, 5);
  const CRect rcGroup = pGroup->GetRect();
  CRect rcBand = rcGroup;
  rcBand.top = rcBand.bottom - m_nGroupCaptionHeight;
  if (pCaption != nullptr) {
    DrawSlice(pDC, pClient, CRect(rcGroup.left, rcGroup.top, rcGroup.right, rcBand.top), nSlice, 2,
              rcMargins);
    DrawSlice(pDC, pCaption, rcBand, nSlice, 2, rcMargins);
  } else {
    DrawSlice(pDC, pClient, rcGroup, nSlice, 2, rcMargins);
  }

  CTKDpiHelper* pDpi = TKDpiHelper();
  if (CTKResourceImage* pSeparator = LoadImage("RIBBONGROUPSEPARATOR")) {
    const CRect rcSeparator(rcGroup.right - pDpi->ScaleX(1), rcGroup.top + pDpi->ScaleY(2),
                            rcGroup.right + pDpi->ScaleX(2), rcGroup.bottom - pDpi->ScaleY(5));
    pSeparator->DrawImage(pDC, rcSeparator, pSeparator->GetSourceRect(0, 1));
  }

  CString strCaption = pGroup->GetCaption();
  strCaption.Remove('&');
  CRect rcText = rcBand;
  rcText.OffsetRect(0, -pDpi->ScaleY(1));
  rcText.DeflateRect(pDpi->ScaleX(2), 0);
  if (pGroup->IsOptionButtonVisible()) rcText.right -= pDpi->ScaleX(1) + m_nGroupCaptionHeight;
  CFont* pOldFont = pDC->SelectObject(&m_fontRibbon);
  pDC->SetTextColor(m_clrGroupCaptionText);
  pDC->SetBkMode(TRANSPARENT);
  pDC->DrawText(strCaption, rcText,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  pDC->SelectObject(pOldFont);
}

void CTKRibbonThemeResource::FillGroupsArea(CDC* pDC, CTKRibbonTab* pSelected, CRect rcGroups) {
  const int nColor = pSelected != nullptr ? pSelected->GetContextColor() : 0;
  if (CTKResourceImage* pContext = LoadContextImage(nColor, "CLIENT")) {
    DrawSlice(pDC, pContext, rcGroups, 0, 1, SideMargins(pContext, 8, 1, 5));
    return;
  }
  if (GetContextColorName(nColor) != nullptr) return;
  DrawSlice(pDC, LoadImage("RIBBONGROUPS"), rcGroups, 0, 1, CRect(8, 8, 8, 8));
}

void CTKRibbonThemeResource::FillGroupPopupToolBar(CDC* pDC, CTKRibbonGroup* pGroup,
                                                   CTKCommandBar*) {
  if (!IsLoaded()) return;
  CRect rc = pGroup->GetRect();
  pDC->FillSolidRect(rc, m_clrRibbonFace);
  const int nColor = ContextColorOf(pGroup);
  const BOOL bContext = GetContextColorName(nColor) != nullptr;
  CTKResourceImage* pImage = bContext ? LoadContextImage(nColor, "GROUPPOPUPBACKGROUND")
                                      : LoadImage("RIBBONGROUPPOPUPBACKGROUND");
  if (pImage != nullptr) {
    DrawSlice(pDC, pImage, rc, 0, 1, SideMargins(pImage, 8, 2, 8));
    return;
  }
  pImage = bContext ? LoadContextImage(nColor, "CLIENT") : LoadImage("RIBBONGROUPS");
  if (pImage == nullptr) return;
  rc.InflateRect(TKDpiHelper()->ScaleX(3), TKDpiHelper()->ScaleY(3));
  DrawSlice(pDC, pImage, rc, 0, 1, bContext ? SideMargins(pImage, 8, 2, 8) : CRect(8, 8, 8, 8));
}

void CTKRibbonThemeResource::DrawGroupOptionButton(CDC* pDC, CTKControl* pButton, BOOL bDraw) {
  if (!bDraw || pDC == nullptr) return;
  const int nSlice = pButton->GetPressed() ? 2 : pButton->GetSelected() ? 1 : 0;
  DrawSliceCentered(pDC, LoadImage("RIBBONOPTIONBUTTON"), pButton->GetRect(), nSlice, 4);
}

CSize CTKRibbonThemeResource::GetOptionButtonSize() {
  CTKResourceImage* pImage = LoadImage("RIBBONOPTIONBUTTON");
  if (pImage == nullptr) return CSize(0, 0);
  return pImage->GetSourceRect(0, 4).Size();
}

CSize CTKRibbonThemeResource::DrawGroupPopupButton(CDC* pDC, CTKControl* pButton, BOOL bDraw) {
  if (!IsLoaded() || m_pOwner == nullptr) return CSize(0, 0);
  CTKDpiHelper* pDpi = TKDpiHelper();
  CTKRibbonGroup* pGroup = pButton->GetRibbonGroup();
  const CRect rc = pButton->GetRect();
  if (pGroup == nullptr) {
    // A group put on the quick-access bar is a tool-bar button there.
    if (bDraw && pDC != nullptr)
      DrawSliceTransparent(pDC, LoadImage("RIBBONGROUPQUICKACCESS"), rc,
                           PopupButtonSlice(pButton), 3, CRect(2, 2, 2, 2), pButton->IsOnGlass());
    return m_pOwner->DrawControlToolBarParent(pDC, pButton, bDraw);
  }

  CSize sz(std::max(2 * m_pOwner->GetTextHeight() - pDpi->ScaleX(3), pDpi->ScaleX(42)),
           3 * GetControlHeight());
  if (!bDraw || pDC == nullptr) {
    CClientDC dcScreen(nullptr);
    CFont* pOldFont = dcScreen.SelectObject(&m_pOwner->m_fontRegular);
    const CSize szText = m_pOwner->DrawControlTextTwoLines(&dcScreen, pButton, CRect(0, 0, 0, 0),
                                                           FALSE, FALSE, TRUE);
    dcScreen.SelectObject(pOldFont);
    if (szText.cx + pDpi->ScaleX(5) >= sz.cx) sz.cx = szText.cx + pDpi->ScaleX(5);
    return sz;
  }

  const int nColor = ContextColorOf(pGroup);
  CTKResourceImage* pFace = LoadContextImage(nColor, "GROUPBUTTON");
  if (pFace == nullptr) pFace = LoadImage("RIBBONGROUPBUTTON");
  DrawSlice(pDC, pFace, rc, PopupButtonSlice(pButton), 3, CRect(5, 5, 5, 5));

  if (CTKImageManagerIcon* pIcon = pButton->GetImage(0)) {
    CSize szIcon = CTKPaintManagerBase::FitIconSize(pIcon, pButton->GetIconSize());
    int y = rc.top + 4;
    if (szIcon.cx < pDpi->ScaleX(20)) {
      if (CTKResourceImage* pFrame = LoadImage("RIBBONGROUPBUTTONICON")) {
        const CSize szFrame(pDpi->ScaleX(pFrame->GetWidth()), pDpi->ScaleY(pFrame->GetHeight()));
        const CPoint ptFrame(rc.CenterPoint().x - szFrame.cx / 2, rc.top + pDpi->ScaleY(2));
        DrawSliceTransparent(pDC, pFrame, CRect(ptFrame, szFrame), 0, 1, CRect(0, 0, 0, 0));
      }
      y = rc.top + pDpi->ScaleY(9);
    }
    m_pOwner->DrawImage(pDC, CPoint(rc.CenterPoint().x - szIcon.cx / 2, y), szIcon, pIcon,
                        pButton->GetSelected(), pButton->GetPressed(), pButton->GetEnabled(),
                        FALSE, pButton->IsPopupOpen(), TRUE);
  }
  const int yText = rc.bottom - m_nGroupCaptionHeight - pDpi->ScaleY(2) -
                    m_pOwner->GetSplitDropDownHeight();
  CFont* pOldFont = pDC->SelectObject(&m_pOwner->m_fontRegular);
  pDC->SetTextColor(m_pOwner->GetControlTextColor(pButton));
  pDC->SetBkMode(TRANSPARENT);
  m_pOwner->DrawControlTextTwoLines(pDC, pButton,
                                    CRect(rc.left, yText, rc.right, rc.bottom - m_nGroupCaptionHeight),
                                    TRUE, FALSE, TRUE);
  pDC->SelectObject(pOldFont);
  return sz;
}

void CTKRibbonThemeResource::DrawControlGroupBackground(CDC*, CRect) {}

BOOL CTKRibbonThemeResource::DrawControlGroupBackground(CDC* pDC, CTKControl* pControl) {
  if (!TKRibbonServices()->pfnIsGroupedControl(pControl) ||
      pControl->GetType() == tkControlSplitButtonPopup)
    return FALSE;
  BOOL bStart = FALSE, bEnd = FALSE;
  TKGetGroupedRunEdges(pControl, &bStart, &bEnd);
  LPCSTR lpszImage = bStart && bEnd ? "TOOLBARBUTTONSSPECIALSINGLE"
                     : bStart       ? "TOOLBARBUTTONSSPECIALLEFT"
                     : bEnd         ? "TOOLBARBUTTONSSPECIALRIGHT"
                                    : "TOOLBARBUTTONSSPECIALCENTER";
  const int S = pControl->GetSelected();
  const int P = pControl->GetPressed();
  const BOOL K = pControl->GetChecked() != 0;
  int nSlice = 0;
  if (!pControl->GetEnabled())
    nSlice = S == 2 || S == 3 ? 1 : 0;
  else if (pControl->IsPopupOpen())
    nSlice = 3;
  else if (!K || P)
    nSlice = P == 2 || P == 3 || (S && P) ? 2 : (S || P) ? 1 : 0;
  else
    nSlice = S ? 4 : 3;
  return DrawSliceTransparent(pDC, LoadImage(lpszImage), pControl->GetRect(), nSlice, 5,
                              CRect(2, 2, 2, 2));
}

void CTKRibbonThemeResource::DrawGroupsScrollButton(CDC* pDC, CTKControl* pButton) {
  CTKRibbonControlGroupsScroll* pScroll = DYNAMIC_DOWNCAST(CTKRibbonControlGroupsScroll, pButton);
  const BOOL bLeft = pScroll == nullptr || pScroll->IsScrollLeft();
  const int nSlice = pButton->GetPressed() ? 2 : pButton->GetSelected() ? 1 : 0;
  const CRect rc = pButton->GetRect();
  CTKResourceImage* pFace = LoadImage(bLeft ? "RIBBONGROUPSSCROLLLEFT" : "RIBBONGROUPSSCROLLRIGHT");
  if (pFace != nullptr)
    pFace->DrawImageTransparentEx(pDC, rc, pFace->GetSourceRect(nSlice, 3), CRect(4, 6, 3, 6),
                                  RGB(255, 0, 255), 1);
  DrawSliceCentered(pDC, LoadImage(bLeft ? "RIBBONGROUPSSCROLLLEFTGLYPH" : "RIBBONGROUPSSCROLLRIGHTGLYPH"),
                    rc, nSlice, 3);
}

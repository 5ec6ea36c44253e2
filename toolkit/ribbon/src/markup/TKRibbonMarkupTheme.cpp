// CTKRibbonMarkupTheme: its drawings, metrics, groups and grouped controls.
#include "ribbon/TKRibbonMarkupTheme.h"

#include <algorithm>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControl.h"
#include "common/TKDpiHelper.h"
#include "common/TKGlyphFont.h"
#include "markup/TKMarkupFlat.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonScrollableBar.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "themes/TKPaintManagerBase.h"
#include "themes/TKRibbonServices.h"

namespace {

const char* const kItems[CTKRibbonMarkupTheme::partCount] = {
    "RibbonFrameCaptionActive.xaml",
    "RibbonFrameCaptionInactive.xaml",
    "RibbonFrameSystemButtonNormal.xaml",
    "RibbonFrameSystemButtonPopuped.xaml",
    "RibbonFrameSystemButtonSelected.xaml",
    "RibbonGroupControlEntry.xaml",
    "RibbonGroupControlEntryLeft.xaml",
    "RibbonGroupControlEntryLeftRight.xaml",
    "RibbonGroupControlEntryRight.xaml",
    "RibbonGroupRect.xaml",
    "RibbonScrollButtonLeft.xaml",
    "RibbonScrollButtonRight.xaml",
    "RibbonTabHighlighted.xaml",
    "RibbonTabSelected.xaml",
    "RibbonTabSelectedFocused.xaml",
    "RibbonTabSelectedHighlighted.xaml",
    "RibbonContextTabBlue.xaml",
    "RibbonContextTabCyan.xaml",
    "RibbonContextTabGreen.xaml",
    "RibbonContextTabOrange.xaml",
    "RibbonContextTabPurple.xaml",
    "RibbonContextTabRed.xaml",
    "RibbonContextTabYellow.xaml",
    "RibbonTabSelectedBlue.xaml",
    "RibbonTabSelectedFocusedBlue.xaml",
    "RibbonTabSelectedHighlightedBlue.xaml",
    "RibbonTabSelectedCyan.xaml",
    "RibbonTabSelectedFocusedCyan.xaml",
    "RibbonTabSelectedHighlightedCyan.xaml",
    "RibbonTabSelectedGreen.xaml",
    "RibbonTabSelectedFocusedGreen.xaml",
    "RibbonTabSelectedHighlightedGreen.xaml",
    "RibbonTabSelectedOrange.xaml",
    "RibbonTabSelectedFocusedOrange.xaml",
    "RibbonTabSelectedHighlightedOrange.xaml",
    "RibbonTabSelectedPurple.xaml",
    "RibbonTabSelectedFocusedPurple.xaml",
    "RibbonTabSelectedHighlightedPurple.xaml",
    "RibbonTabSelectedRed.xaml",
    "RibbonTabSelectedFocusedRed.xaml",
    "RibbonTabSelectedHighlightedRed.xaml",
    "RibbonTabSelectedYellow.xaml",
    "RibbonTabSelectedFocusedYellow.xaml",
    "RibbonTabSelectedHighlightedYellow.xaml",
    "SystemPopupBarEntry.xaml",
    "SystemPopupBarButtonNormal.xaml",
    "SystemPopupBarButtonSelected.xaml",
};
const char* const kSystemMenuItems[CTKRibbonMarkupTheme::systemMenuCount] = {
    "RibbonFrameSystemMenuNormal.xaml", "RibbonFrameSystemMenuSelected.xaml",
    "RibbonFrameSystemMenuPopuped.xaml"};
const char* const kGroupItems[CTKRibbonMarkupTheme::groupCount] = {
    "RibbonGroupNormal.xaml",         "RibbonGroupHighlighted.xaml",
    "RibbonGroupPopupNormal.xaml",    "RibbonGroupPopupPopuped.xaml",
    "RibbonGroupPopupSelected.xaml",  "RibbonGroupPopupToolBar.xaml"};

// By context colour 0 none, 1 blue, 2 yellow, 3 green, 4 red, 5 purple, 6
// cyan, 7 orange: the header drawing and the first of the selected-tab triple.
const int kContextHeaderParts[8] = {-1, 16, 22, 18, 21, 20, 17, 19};
const int kColoredTabParts[8] = {-1, 23, 41, 29, 38, 35, 26, 32};

int ScaleX(int n) { return TKDpiHelper()->ScaleX(n); }
int ScaleY(int n) { return TKDpiHelper()->ScaleY(n); }

}  // namespace

CTKRibbonMarkupTheme::CTKRibbonMarkupTheme(CTKPaintManagerBase* pOwner)
    : CTKRibbonPaintManager(pOwner),
      m_clrOption(0),
      m_clrGroupCaption(0),
      m_bPartsLoaded(FALSE),
      m_pMarkupContext(CreateMarkupContext(nullptr, TRUE)) {}

CTKRibbonMarkupTheme::~CTKRibbonMarkupTheme() {
  for (auto& pPart : m_pSystemMenuParts) pPart.reset();
  for (auto& pPart : m_pGroupParts) pPart.reset();
  // The embedded drawings keep the context alive until they go.
  ReleaseMarkupContext(m_pMarkupContext);
}

LPCSTR CTKRibbonMarkupTheme::GetPartItemName(int nPart) {
  return nPart >= 0 && nPart < partCount ? kItems[nPart] : nullptr;
}

void CTKRibbonMarkupTheme::LoadParts(HTKZIP hZip, CTKMarkupContext* pContext) {
  if (m_bPartsLoaded) return;
  if (pContext == nullptr) pContext = m_pMarkupContext;
  for (int i = 0; i < partCount; ++i) m_parts[i].LoadFromZip(hZip, kItems[i], pContext);
  for (int i = 0; i < systemMenuCount; ++i) {
    m_pSystemMenuParts[i].reset(new CTKRibbonMarkupThemePartSystemMenu);
    m_pSystemMenuParts[i]->LoadFromZip(hZip, kSystemMenuItems[i], pContext);
  }
  for (int i = 0; i < groupCount; ++i) {
    m_pGroupParts[i].reset(new CTKRibbonMarkupThemePartGroup);
    m_pGroupParts[i]->LoadFromZip(hZip, kGroupItems[i], pContext);
  }
  m_bPartsLoaded = TRUE;
}

int CTKRibbonMarkupTheme::GetContextTabPartIndex(int nColor) {
  return nColor >= 0 && nColor < 8 ? kContextHeaderParts[nColor] : -1;
}

int CTKRibbonMarkupTheme::GetColoredTabPartIndex(int nPart, int nColor) {
  if (nColor <= 0 || nColor >= 8 || nPart < partTabSelected || nPart > partTabSelectedHighlighted)
    return nPart;
  return kColoredTabParts[nColor] + (nPart - partTabSelected);
}

void CTKRibbonMarkupTheme::RenderMarkupText(CDC* pDC, LPCSTR lpszMarkup, CRect rc) {
  CTKMarkupUIElement* pElement = ParseMarkupText(m_pMarkupContext, lpszMarkup);
  if (pElement == nullptr) return;
  RenderMarkupElement(pElement, pDC->GetSafeHdc(), &rc);
  ReleaseMarkupElement(pElement);
}

// Metrics ----------------------------------------------------------------------------

void CTKRibbonMarkupTheme::RefreshMetrics() {
  CTKRibbonPaintManager::RefreshMetrics();
  m_clrRibbonFace = ::GetSysColor(COLOR_BTNFACE);
  m_clrMinimizedFrameEdgeShadow = ::GetSysColor(COLOR_BTNSHADOW);
  m_clrMinimizedFrameEdgeHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  m_clrGroupCaptionText = ::GetSysColor(COLOR_BTNTEXT);
  if (m_pTabPaintManager != nullptr) {
    CTKTabPaintManagerColorSet* pColors = m_pTabPaintManager->GetColorSet();
    pColors->m_clrText.SetStandardValue(::GetSysColor(COLOR_BTNTEXT));
    pColors->m_clrTextHighlighted.SetStandardValue(::GetSysColor(COLOR_BTNTEXT));
    pColors->m_clrTextSelected.SetStandardValue(::GetSysColor(COLOR_BTNTEXT));
  }
  m_clrRecentFileListEdgeShadow = ::GetSysColor(COLOR_BTNSHADOW);
  m_clrRecentFileListEdgeHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  m_nGroupSpacing = ScaleX(2);
  m_bFlatFrame = FALSE;
}

CSize CTKRibbonMarkupTheme::GetOptionButtonSize() { return CSize(ScaleX(8), ScaleY(8)); }

// Groups -------------------------------------------------------------------------------

void CTKRibbonMarkupTheme::DrawGroup(CDC* pDC, CTKRibbonGroup* pGroup) {
  if (pGroup->IsReduced()) return;
  CTKRibbonBar* pRibbonBar = pGroup->GetRibbonBar();
  const BOOL bHot = pRibbonBar != nullptr && pRibbonBar->GetHighlightedGroup() == pGroup;
  CTKRibbonMarkupThemePartGroup* pPart = GetGroupPart(bHot ? groupHighlighted : groupNormal);
  if (pPart == nullptr) return;
  CString strCaption = pGroup->GetCaption();
  strCaption.Remove('&');
  pPart->SetCaption(strCaption);
  pPart->SetCaptionColor(m_clrGroupCaption);
  pPart->Render(pDC, pGroup->GetRect());
}

void CTKRibbonMarkupTheme::FillGroupsArea(CDC* pDC, CTKRibbonTab*, CRect rcGroups) {
  m_parts[partGroupsArea].Render(pDC, rcGroups);
}

void CTKRibbonMarkupTheme::FillGroupPopupToolBar(CDC* pDC, CTKRibbonGroup* pGroup,
                                                 CTKCommandBar*) {
  pDC->SetBkMode(TRANSPARENT);
  pDC->FillSolidRect(pGroup->GetRect(), m_clrRibbonFace);
}

void CTKRibbonMarkupTheme::DrawGroupPopup(CDC* pDC, CTKRibbonGroup* pGroup) {
  const CRect rc = pGroup->GetRect();
  FillGroupPopupToolBar(pDC, pGroup, pGroup->GetParent());
  if (CTKMarkupThemePart* pPart = GetGroupPart(groupPopupToolBar)) pPart->Render(pDC, rc);
  const int nSaved = pDC->SaveDC();
  pDC->IntersectClipRect(rc);
  pGroup->Draw(pDC, rc);
  pDC->RestoreDC(nSaved);
}

CSize CTKRibbonMarkupTheme::DrawGroupPopupButton(CDC* pDC, CTKControl* pButton, BOOL bDraw) {
  if (m_pOwner == nullptr) return CSize(0, 0);
  const BOOL bDrawing = bDraw && pDC != nullptr;
  if (pButton->GetRibbonGroup() == nullptr) {
    if (bDrawing) m_pOwner->DrawControlEntry(pDC, pButton);
    return m_pOwner->DrawControlToolBarParent(pDC, pButton, bDraw);
  }
  CSize sz(std::max(2 * m_pOwner->GetTextHeight() - ScaleX(3), ScaleX(42)),
           3 * GetControlHeight());
  if (!bDrawing) {
    CClientDC dcScreen(nullptr);
    CFont* pOldFont = dcScreen.SelectObject(&m_pOwner->m_fontRegular);
    const CSize szText = m_pOwner->DrawControlTextTwoLines(&dcScreen, pButton, CRect(0, 0, 0, 0),
                                                           FALSE, FALSE, TRUE);
    dcScreen.SelectObject(pOldFont);
    if (szText.cx + ScaleX(5) >= sz.cx) sz.cx = szText.cx + ScaleX(5);
    return sz;
  }

  const CRect rc = pButton->GetRect();
  const int nFace = pButton->IsPopupOpen()   ? groupPopupPopuped
                    : pButton->GetSelected() ? groupPopupSelected
                                             : groupPopupNormal;
  if (CTKMarkupThemePart* pFace = GetGroupPart(nFace)) pFace->Render(pDC, rc);
  if (CTKImageManagerIcon* pIcon = pButton->GetImage(0)) {
    const CSize szIcon = CTKPaintManagerBase::FitIconSize(pIcon, pButton->GetIconSize());
    const int y = rc.top + (szIcon.cx < ScaleX(20) ? ScaleY(9) : ScaleY(4));
    m_pOwner->DrawImage(pDC, CPoint(rc.CenterPoint().x - szIcon.cx / 2, y), szIcon, pIcon,
                        pButton->GetSelected(), pButton->GetPressed(), pButton->GetEnabled(),
                        FALSE, pButton->IsPopupOpen(), TRUE);
  }
  const int yText = rc.bottom - m_nGroupCaptionHeight - ScaleY(2) -
                    m_pOwner->GetSplitDropDownHeight();
  CFont* pOldFont = pDC->SelectObject(&m_pOwner->m_fontRegular);
  pDC->SetTextColor(m_pOwner->GetControlTextColor(pButton));
  pDC->SetBkMode(TRANSPARENT);
  m_pOwner->DrawControlTextTwoLines(
      pDC, pButton, CRect(rc.left, yText, rc.right, rc.bottom - m_nGroupCaptionHeight - ScaleY(2)),
      TRUE, FALSE, TRUE);
  pDC->SelectObject(pOldFont);
  return sz;
}

void CTKRibbonMarkupTheme::DrawGroupOptionButton(CDC* pDC, CTKControl* pButton, BOOL bDraw) {
  if (!bDraw || pDC == nullptr) return;
  const CRect rc = pButton->GetRect();
  if (m_pOwner != nullptr)
    m_pOwner->DrawRectangle(pDC, rc, pButton->GetSelected(), pButton->GetPressed(), TRUE, FALSE,
                            FALSE, tkBarTypeNormal, tkBarTop);
  const int x0 = (rc.left + rc.right - ScaleX(6)) / 2;
  const int y0 = (rc.top + rc.bottom - ScaleY(8)) / 2;
  auto P = [x0, y0](int x, int y) { return CPoint(x0 + ScaleX(x), y0 + ScaleY(y)); };
  CTKScopedPen penOption(::CreatePen(PS_SOLID, 1, m_clrOption));
  CTKScopedPen penWhite(::CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
  CTKSelectGuard pen(pDC->GetSafeHdc(), penOption.Get());
  const CPoint launcher[] = {P(0, 5), P(0, 0), P(6, 0)};
  pDC->Polyline(launcher, 3);
  pDC->MoveTo(P(3, 3));
  pDC->LineTo(P(6, 6));
  if (m_pOwner != nullptr) m_pOwner->DrawTriangle(pDC, pButton, P(3, 6), P(6, 3), P(6, 6), m_clrOption);
  ::SelectObject(pDC->GetSafeHdc(), penWhite.Get());
  const CPoint light1[] = {P(1, 5), P(1, 1), P(6, 1)};
  const CPoint light2[] = {P(4, 7), P(7, 7), P(7, 2)};
  pDC->Polyline(light1, 3);
  pDC->Polyline(light2, 3);
  pDC->SetPixel(P(4, 3), RGB(255, 255, 255));
  ::SelectObject(pDC->GetSafeHdc(), penOption.Get());
}

int CTKRibbonMarkupTheme::GetControlGroupPartIndex(CTKControl* pControl) {
  if (!TKRibbonServices()->pfnIsGroupedControl(pControl) || pControl->GetSelected()) return -1;
  BOOL bFirst = FALSE, bLast = FALSE;
  TKGetGroupedRunEdges(pControl, &bFirst, &bLast);
  if (bFirst && bLast) return partControlEntryLeftRight;
  if (bFirst) return partControlEntryLeft;
  return bLast ? partControlEntryRight : partControlEntry;
}

BOOL CTKRibbonMarkupTheme::DrawControlGroupBackground(CDC* pDC, CTKControl* pControl) {
  const int nPart = GetControlGroupPartIndex(pControl);
  if (nPart >= 0) m_parts[nPart].Render(pDC, pControl->GetRect());
  return FALSE;
}

void CTKRibbonMarkupTheme::DrawGroupsScrollButton(CDC* pDC, CTKControl* pButton) {
  CTKRibbonControlGroupsScroll* pScroll = DYNAMIC_DOWNCAST(CTKRibbonControlGroupsScroll, pButton);
  const BOOL bLeft = pScroll == nullptr || pScroll->IsScrollLeft();
  const CRect rc = pButton->GetRect();
  m_parts[bLeft ? partScrollLeft : partScrollRight].Render(pDC, rc);
  TKGlyphFont()->DrawGlyph(pDC, bLeft ? 0x30 : 0x31, rc, ::GetSysColor(COLOR_BTNTEXT));
}

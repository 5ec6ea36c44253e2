// The base of the backstage looks and the two flat looks.
#include "ribbon/TKRibbonBackstagePaintManager.h"

#include "commandbars/TKControl.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImages.h"
#include "common/TKScopedHandle.h"
#include "ribbon/TKRibbonBackstageView.h"

// CTKRibbonBackstagePaintManager -------------------------------------------------------------

CTKRibbonBackstagePaintManager::CTKRibbonBackstagePaintManager() {
  CTKDpiHelper* pDpi = TKDpiHelper();
  m_nCommandInset = pDpi->ScaleX(6);
  m_nTextIndent = pDpi->ScaleX(15);
  m_nIconGap = pDpi->ScaleX(7);
  m_nSeparatorHeight = pDpi->ScaleY(0);
}

CTKRibbonBackstagePaintManager::~CTKRibbonBackstagePaintManager() {}

void CTKRibbonBackstagePaintManager::FillBackstage(CDC*, CTKRibbonBackstageView*) {}

void CTKRibbonBackstagePaintManager::DrawControl(CDC*, CTKRibbonBackstageView*, CTKControl*) {}

CRect CTKRibbonBackstagePaintManager::GetCaptionRect(CRect rc) const {
  CTKDpiHelper* pDpi = TKDpiHelper();
  rc.DeflateRect(m_nCommandInset + m_nTextIndent, pDpi->ScaleY(2), pDpi->ScaleX(2),
                 pDpi->ScaleY(2));
  return rc;
}

void CTKRibbonBackstagePaintManager::DrawCaption(CDC* pDC, CFont* pFont, const CString& strCaption,
                                                 CRect rc) {
  CTKSelectGuard font(pDC->GetSafeHdc(), pFont->GetSafeHandle());
  pDC->DrawText(strCaption, rc, DT_SINGLELINE | DT_VCENTER | DT_HIDEPREFIX);
}

// CTKRibbonBackstageViewThemeOffice2013 ------------------------------------------------------

namespace {

const char kSection[] = "CommandBars.Ribbon.Backstage";
const char* const kColorKeys[6] = {"ButtonBackNormal", "ButtonBackSelected",
                                   "ButtonBackHighlighted", "ButtonTextNormal",
                                   "ButtonTextSelected", "ButtonTextHighlighted"};

const CTKRibbonBackstageViewThemeOffice2013::CDefaults kOffice2013Defaults = {
    {0x9A572B, 0xB56D3E, 0x8A4719, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}};

}  // namespace

CTKRibbonBackstageViewThemeOffice2013::CTKRibbonBackstageViewThemeOffice2013()
    : CTKRibbonBackstageViewThemeOffice2013(kOffice2013Defaults) {}

CTKRibbonBackstageViewThemeOffice2013::CTKRibbonBackstageViewThemeOffice2013(
    const CDefaults& defaults) {
  m_nCommandInset = 0;
  m_nSeparatorHeight = TKDpiHelper()->ScaleY(21);
  ReadColors(defaults);
}

void CTKRibbonBackstageViewThemeOffice2013::ReadColors(const CDefaults& defaults) {
  COLORREF* const pColors[6] = {&m_clrBackNormal, &m_clrBackSelected, &m_clrBackHighlighted,
                                &m_clrTextNormal, &m_clrTextSelected, &m_clrTextHighlighted};
  for (int i = 0; i < 6; ++i)
    *pColors[i] = GetThemeIniColor(kSection, kColorKeys[i], defaults.clr[i]);
}

void CTKRibbonBackstageViewThemeOffice2013::FillBackstage(CDC* pDC,
                                                          CTKRibbonBackstageView* pView) {
  CRect rc;
  pView->GetClientRect(&rc);
  pDC->FillSolidRect(rc, m_clrBackNormal);
}

void CTKRibbonBackstageViewThemeOffice2013::DrawControl(CDC* pDC, CTKRibbonBackstageView* pView,
                                                        CTKControl* pControl) {
  if (!pControl->IsVisible()) return;
  CRect rc = pControl->GetRect();
  CTKDpiHelper* pDpi = TKDpiHelper();
  if (pView->IsMenuSeparator(pControl)) {
    pDC->FillSolidRect(CRect(rc.left + pDpi->ScaleX(26), rc.top + pDpi->ScaleY(10),
                             rc.right - pDpi->ScaleX(26), rc.bottom - pDpi->ScaleY(10)),
                       m_clrBackSelected);
    return;
  }
  // Hot wins over active: the tab under the mouse shows it is under the mouse.
  COLORREF clrBack = m_clrBackNormal, clrText = m_clrTextNormal;
  if (pView->IsHotControl(pControl)) {
    clrBack = m_clrBackHighlighted;
    clrText = m_clrTextHighlighted;
  } else if (pView->IsActiveTab(pControl)) {
    clrBack = m_clrBackSelected;
    clrText = m_clrTextSelected;
  }
  pDC->FillSolidRect(rc, clrBack);
  pDC->SetTextColor(clrText);
  DrawCaption(pDC, pView->GetCommandFont(), pControl->GetCaption(), GetCaptionRect(rc));
}

// CTKRibbonBackstageViewThemeVisualStudio2015 ------------------------------------------------

namespace {

const CTKRibbonBackstageViewThemeOffice2013::CDefaults kVisualStudio2015Defaults = {
    {0x9CF3FF, 0xBFF4FD, 0xBFF4FD, 0x396173, 0x396173, 0x396173}};

}  // namespace

CTKRibbonBackstageViewThemeVisualStudio2015::CTKRibbonBackstageViewThemeVisualStudio2015()
    : CTKRibbonBackstageViewThemeOffice2013(kVisualStudio2015Defaults) {}

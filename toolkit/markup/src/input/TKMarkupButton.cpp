// CTKMarkupButton: push-button layout and drawing.
#include "TKMarkupButton.h"

#include <uxtheme.h>
#include <vsstyle.h>

#include <algorithm>
#include <memory>

#include "common/TKDrawHelpers.h"
#include "common/TKWinThemeWrapper.h"
#include "TKMarkupBrush.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupDedicatedDC.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupThickness.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupButton, TKMarkupRow_Button)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupButton)

namespace {

int UnitsX(CTKMarkupObject* pElement, int n) {
  return pElement->GetContext() != nullptr ? pElement->GetContext()->ScaleX(n) : n;
}

int UnitsY(CTKMarkupObject* pElement, int n) {
  return pElement->GetContext() != nullptr ? pElement->GetContext()->ScaleY(n) : n;
}

/// A frame of tx by ty around the inside of rc.
void FrameInside(CTKMarkupDrawingContext* pDC, const RECT& rc, int tx, int ty, COLORREF clr) {
  pDC->FillSolidRect(CRect(rc.left, rc.top, rc.right, rc.top + ty), clr);
  pDC->FillSolidRect(CRect(rc.left, rc.bottom - ty, rc.right, rc.bottom), clr);
  pDC->FillSolidRect(CRect(rc.left, rc.top, rc.left + tx, rc.bottom), clr);
  pDC->FillSolidRect(CRect(rc.right - tx, rc.top, rc.right, rc.bottom), clr);
}

}  // namespace

void CTKMarkupButton::GetFrameColors(COLORREF clrFace, COLORREF* pLight, COLORREF* pShadow,
                                     COLORREF* pDark) {
  DWORD dwHLS = RGBToHLS(clrFace);
  DWORD dwHS = dwHLS & 0xFFFF;
  int nLum = (dwHLS >> 16) & 0xFF;
  *pLight = HLSToRGB(dwHS | (static_cast<DWORD>((nLum + 240) / 2) << 16));
  *pShadow = HLSToRGB(dwHS | (static_cast<DWORD>(MulDiv(nLum, 2, 3)) << 16));
  *pDark = RGB(GetRValue(*pShadow) / 2, GetGValue(*pShadow) / 2, GetBValue(*pShadow) / 2);
}

CSize CTKMarkupButton::MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                       int nAvailableHeight) {
  GetTheme();
  CTKMarkupThickness* P = GetPadding();
  int cw = P->GetLeft() + P->GetRight() + UnitsX(this, 8);
  int ch = P->GetTop() + P->GetBottom() + UnitsY(this, 8);
  CTKMarkupUIElement* pContent = GetContent();
  if (pContent == nullptr) return CSize(cw, ch);
  pContent->Measure(pDC, std::max(0, nAvailableWidth - cw), std::max(0, nAvailableHeight - ch));
  CSize sz = pContent->GetDesiredSize();
  return CSize(cw + sz.cx, ch + sz.cy);
}

CSize CTKMarkupButton::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  CTKMarkupUIElement* pContent = GetContent();
  if (pContent == nullptr) return CSize(nFinalWidth, nFinalHeight);
  CRect rc(0, 0, nFinalWidth, nFinalHeight);
  if (GetIsPressed() && (!IsThemed() || GetBackground() != nullptr))
    rc.OffsetRect(UnitsX(this, 1), UnitsY(this, 1));
  rc = CTKMarkupThickness::DeflateRect(rc, GetPadding());
  rc.DeflateRect(UnitsX(this, 4), UnitsY(this, 4));
  rc.right = std::max(rc.right, rc.left);
  rc.bottom = std::max(rc.bottom, rc.top);
  pContent->Arrange(rc);
  return CSize(nFinalWidth, nFinalHeight);
}

void CTKMarkupButton::OnRender(CTKMarkupDrawingContext* pDC) {
  CRect R(0, 0, GetActualWidth(), GetActualHeight());
  COLORREF clrLight, clrShadow, clrDark;
  if (CTKMarkupBrush* pBackground = GetBackground()) {
    GetFrameColors(pBackground->GetColorRef(), &clrLight, &clrShadow, &clrDark);
    pDC->FillRectangle(R, pBackground);
  } else {
    if (IsThemed()) {
      int nState = !GetIsEnabled()  ? PBS_DISABLED
                   : GetIsPressed() ? PBS_PRESSED
                   : IsMouseOver()  ? PBS_HOT
                                    : PBS_NORMAL;
      std::unique_ptr<CTKMarkupDedicatedDC> dc(pDC->GetDeviceContext()->CreateDedicatedDC(R));
      if (HDC hDC = dc->GetDC()) {
        CRect rcPart(R);
        rcPart.OffsetRect(dc->GetOriginOffset());
        GetTheme()->DrawThemeBackground(hDC, BP_PUSHBUTTON, nState, &rcPart, nullptr);
        dc->Commit();
      }
      return;
    }
    clrLight = ::GetSysColor(COLOR_WINDOW);
    clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    clrDark = ::GetSysColor(COLOR_3DDKSHADOW);
    pDC->FillSolidRect(R, ::GetSysColor(COLOR_BTNFACE));
  }
  int tx = UnitsX(this, 1), ty = UnitsY(this, 1);
  if (GetIsPressed()) {
    FrameInside(pDC, R, tx, ty, ::GetSysColor(COLOR_WINDOWFRAME));
    R.DeflateRect(tx, ty);
    FrameInside(pDC, R, tx, ty, clrShadow);
    return;
  }
  pDC->FillSolidRect(CRect(R.left, R.top, R.right, ty), clrLight);
  pDC->FillSolidRect(CRect(R.left, R.top, R.left + tx, R.bottom), clrLight);
  pDC->FillSolidRect(CRect(R.left + tx, R.bottom - 2 * ty, R.right - tx, R.bottom - ty), clrShadow);
  pDC->FillSolidRect(CRect(R.right - 2 * tx, R.top + ty, R.right - tx, R.bottom - ty), clrShadow);
  pDC->FillSolidRect(CRect(R.left, R.bottom - ty, R.right - tx, R.bottom), clrDark);
  pDC->FillSolidRect(CRect(R.right - tx, R.top, R.right, R.bottom), clrDark);
}

void CTKMarkupButton::OnRenderFocusVisual(CTKMarkupDrawingContext* pDC) {
  CRect R(0, 0, GetActualWidth(), GetActualHeight());
  R.DeflateRect(UnitsX(this, 3), UnitsY(this, 3));
  HDC hDC = pDC->GetDC();
  ::DrawFocusRect(hDC, &R);
  pDC->ReleaseDC(hDC);
}

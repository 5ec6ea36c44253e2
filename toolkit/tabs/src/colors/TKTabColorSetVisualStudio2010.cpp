// The Visual Studio 2010 set: a dark fixed palette, a patterned header, a
// selected tab with a light gradient half from Windows Vista on, and nothing
// under the selected tab of an inactive strip unless the mouse is over it.
#include <memory>

#include "common/TKOSVersionHelper.h"
#include "common/TKScopedHandle.h"
#include "tabs/TKTabColorSetVisualStudio.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabManagerNavigateButton.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerTheme.h"

namespace {

/// The header pattern, 0x00RRGGBB pixels in bitmap memory order (bottom row first).
const DWORD kHeaderPattern[16] = {0x293956, 0x2D3F5C, 0x2D3F5C, 0x2D3F5C,
                                  0x35496A, 0x2D3F5C, 0x2D3F5C, 0x2D3F5C,
                                  0x2D3F5C, 0x2D3F5C, 0x293956, 0x2D3F5C,
                                  0x2D3F5C, 0x2D3F5C, 0x35496A, 0x2D3F5C};

CBrush* CreateHeaderBrush() {
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = 4;
  bmi.bmiHeader.biHeight = 4;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  void* pBits = NULL;
  CTKScopedBitmap bitmap(::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0));
  if (!bitmap || pBits == NULL) return NULL;
  memcpy(pBits, kHeaderPattern, sizeof(kHeaderPattern));
  // The brush keeps its own copy of the pattern.
  std::unique_ptr<CBrush> pBrush(new CBrush());
  if (!pBrush->Attach(::CreatePatternBrush(bitmap.Get()))) return NULL;
  return pBrush.release();
}

BOOL IsActiveStrip(const CTKTabManagerItem* pItem) {
  const CTKTabManager* pStrip = pItem->GetManager();
  return pStrip == NULL || pStrip->IsActive();
}

}  // namespace

CTKTabColorSetVisualStudio2010::CTKTabColorSetVisualStudio2010(BOOL bDocumentMode)
    : m_bDocumentMode(bDocumentMode), m_pHeaderBrush(CreateHeaderBrush()) {}

CTKTabColorSetVisualStudio2010::~CTKTabColorSetVisualStudio2010() { delete m_pHeaderBrush; }

BOOL CTKTabColorSetVisualStudio2010::IsVistaOrGreater() const {
  return TKOSVersionHelper()->IsWinVistaOrGreater();
}

void CTKTabColorSetVisualStudio2010::RefreshMetrics() {
  CTKTabPaintManagerColorSet::RefreshMetrics();
  m_bVistaLook = IsVistaOrGreater();
  m_clrTextSelectedHighlighted = 0xDDD4CE;
  m_clrTextDisabled = 0xDDD4CE;
  m_clrButtonNormal = 0x805D4A;
  m_clrTextSelected = 0x000000;
  m_clrTextHighlighted = 0xFFFFFF;
  m_clrText = 0xFFFFFF;
  m_clrButtonSelected = 0xA6E8FF;
  m_clrButtonPressed = 0xA6E8FF;
  m_clrButtonHighlighted = 0x756B5F;
  m_clrHeaderFace.SetStandardSolid(0x5C3F2D);
  m_clrFrameBorder = 0x5F412F;
  m_clrSlantedSelectedBorder = 0x5F412F;
  m_clrHotBorder = 0xB7A79B;
  m_clrSlantedBorder = 0xB7A79B;
  m_clrSlantedInnerLight = 0x563A29;
  m_clrSlantedInnerShadow = 0x563A29;
  m_clrButtonSelectedHighlighted.SetCustomValue(0x805D4A);
  m_clrButtonFrame.SetCustomValue(0x65C3E5);
  if (!m_bVistaLook) {
    m_clrButtonHighlighted = 0x735D4A;
    m_clrButtonNormal = 0x735139;
    m_clrButtonSelected = 0xCEF3FF;
  }
  if (m_bDocumentMode) m_clrButtonSelected = 0xFFFFFF;
}

void CTKTabColorSetVisualStudio2010::SetTextColor(CDC* pDC, const CTKTabManagerItem* pItem) {
  COLORREF clr = m_clrText;
  if (!pItem->IsEnabled())
    clr = m_clrTextDisabled;
  else if (pItem->IsSelected())
    clr = IsActiveStrip(pItem) ? m_clrTextSelected : m_clrTextSelectedHighlighted;
  else if (pItem->IsHighlighted())
    clr = m_clrTextHighlighted;
  pDC->SetTextColor(clr);
}

void CTKTabColorSetVisualStudio2010::FillHeader(CDC* pDC, CRect rc, CTKTabManager*) {
  if (m_pHeaderBrush != NULL)
    pDC->FillRect(rc, m_pHeaderBrush);
  else
    pDC->FillSolidRect(rc, m_clrHeaderFace.m_clrDark);
}

COLORREF CTKTabColorSetVisualStudio2010::FillItem(CDC* pDC, CRect rc,
                                                  const CTKTabManagerItem* pItem) {
  const int nPosition = GetStripPosition();
  if (pItem->IsSelected() && IsActiveStrip(pItem)) {
    pDC->FillSolidRect(rc, m_clrButtonSelected);
    if (m_bVistaLook && !m_bDocumentMode) {
      const BOOL bVertical = nPosition == tkTabPositionLeft || nPosition == tkTabPositionRight;
      CRect rcOuter = rc;
      DeflateRectByPosition(rcOuter, 0, 0, 0, (bVertical ? rc.Width() : rc.Height()) / 2, nPosition);
      FillGradientByPosition(pDC, rcOuter, 0xF2FCFF, 0xCFF3FF, nPosition);
    }
    return m_clrButtonHighlighted;
  }
  if (pItem->IsSelected()) {
    const COLORREF clr = GetItemColor(pItem);
    if (pItem->IsHighlighted()) pDC->FillSolidRect(rc, clr);
    return clr;
  }
  if (pItem->IsHighlighted()) {
    FillGradientByPosition(pDC, rc, 0x76756D, m_clrButtonHighlighted, nPosition);
    return m_clrButtonHighlighted;
  }
  const COLORREF clr = GetItemColor(pItem);
  pDC->FillSolidRect(rc, clr);
  return clr;
}

void CTKTabColorSetVisualStudio2010::DrawNavigateButton(CDC* pDC,
                                                        CTKTabManagerNavigateButton* pButton,
                                                        CRect rc) {
  COLORREF clrGlyph = 0xDDD4CE;
  if (!pButton->IsStripButton()) {
    if (pButton->IsItemSelected())
      clrGlyph = 0x3D6375;
    else if (!pButton->IsItemHighlighted())
      clrGlyph = 0x523829;
  }
  if (pButton->IsEnabled() && (pButton->IsHighlighted() || pButton->IsPressed())) {
    const BOOL bPressedHot = pButton->IsHighlighted() && pButton->IsPressed();
    pDC->FillSolidRect(rc, bPressedHot ? 0xA6E8FF : 0xF4FCFF);
    const COLORREF clrFrame = m_clrButtonFrame;
    if (clrFrame != CLR_NONE) pDC->Draw3dRect(rc, clrFrame, clrFrame);
    clrGlyph = 0;
  }
  pDC->SetTextColor(clrGlyph);
  pButton->Draw(pDC, rc, m_clrGlyph, pButton->IsEnabled());
}

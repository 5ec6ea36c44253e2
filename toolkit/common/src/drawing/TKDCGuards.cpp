// Font, pen, brush and whole-state guards of a DC owned by someone else.
#include "common/TKDCHelpers.h"

namespace {
const COLORREF kNoColor = static_cast<COLORREF>(-1);
}

CTKFontDC::CTKFontDC(CDC* pDC, CFont* pFont)
    : m_pDC(pDC), m_hOldFont(NULL), m_clrOldTextColor(kNoColor) {
  if (pFont != nullptr) SetFont(pFont);
}

CTKFontDC::CTKFontDC(CDC* pDC, HFONT hFont)
    : m_pDC(pDC), m_hOldFont(NULL), m_clrOldTextColor(kNoColor) {
  if (hFont != NULL) SetFont(hFont);
}

CTKFontDC::CTKFontDC(CDC* pDC, CFont* pFont, COLORREF clrTextColor) : CTKFontDC(pDC, pFont) {
  SetColor(clrTextColor);
}

CTKFontDC::~CTKFontDC() {
  ReleaseFont();
  ReleaseColor();
}

void CTKFontDC::SetFont(CFont* pFont) {
  SetFont(pFont ? static_cast<HFONT>(pFont->m_hObject) : static_cast<HFONT>(NULL));
}

void CTKFontDC::SetFont(HFONT hFont) {
  if (m_pDC == nullptr || m_pDC->m_hDC == NULL || hFont == NULL) return;
  HGDIOBJ hReplaced = ::SelectObject(m_pDC->m_hDC, hFont);
  if (m_hOldFont == NULL) m_hOldFont = hReplaced;
}

void CTKFontDC::SetColor(COLORREF clrTextColor) {
  if (m_pDC == nullptr || m_pDC->m_hDC == NULL || clrTextColor == kNoColor) return;
  COLORREF clrReplaced = ::SetTextColor(m_pDC->m_hDC, clrTextColor);
  if (m_clrOldTextColor == kNoColor) m_clrOldTextColor = clrReplaced;
}

void CTKFontDC::ReleaseFont() {
  if (m_hOldFont == NULL) return;
  ::SelectObject(m_pDC->m_hDC, m_hOldFont);
  m_hOldFont = NULL;
}

void CTKFontDC::ReleaseColor() {
  if (m_clrOldTextColor == kNoColor) return;
  ::SetTextColor(m_pDC->m_hDC, m_clrOldTextColor);
  m_clrOldTextColor = kNoColor;
}

// ---------------------------------------------------------------------------

CTKPenDC::CTKPenDC(HDC hDC, COLORREF clrColor)
    : m_hDC(NULL), m_hOldPen(NULL), m_nStyle(PS_SOLID), m_nWidth(1), m_clrColor(clrColor) {
  Create(hDC, PS_SOLID, 1, clrColor);
}

CTKPenDC::~CTKPenDC() {
  if (m_hOldPen != NULL) ::SelectObject(m_hDC, m_hOldPen);
  m_pen.DeleteObject();
}

void CTKPenDC::Create(HDC hDC, int nStyle, int nWidth, COLORREF clrColor) {
  if (m_hOldPen != NULL) {
    ::SelectObject(m_hDC, m_hOldPen);
    m_hOldPen = NULL;
  }
  m_pen.DeleteObject();
  m_hDC = hDC;
  m_nStyle = nStyle;
  m_nWidth = nWidth;
  m_clrColor = clrColor;
  if (m_hDC != NULL && m_pen.CreatePen(nStyle, nWidth, clrColor))
    m_hOldPen = ::SelectObject(m_hDC, m_pen.m_hObject);
}

// ---------------------------------------------------------------------------

CTKBrushDC::CTKBrushDC(HDC hDC, COLORREF clrColor) : m_hDC(hDC), m_hOldBrush(NULL) {
  if (m_hDC != NULL && m_brush.CreateSolidBrush(clrColor))
    m_hOldBrush = ::SelectObject(m_hDC, m_brush.m_hObject);
}

CTKBrushDC::~CTKBrushDC() {
  if (m_hOldBrush != NULL) ::SelectObject(m_hDC, m_hOldBrush);
  m_brush.DeleteObject();
}

// ---------------------------------------------------------------------------

CTKDCSaveState::CTKDCSaveState(CDC* pDC) : m_pDC(pDC), m_nSavedState(0) {
  if (m_pDC != nullptr) m_nSavedState = m_pDC->SaveDC();
}

CTKDCSaveState::~CTKDCSaveState() {
  if (m_pDC != nullptr) m_pDC->RestoreDC(m_nSavedState);
}

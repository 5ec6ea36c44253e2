// CTKStatusBarPane: the pane's fields, its width and its drawing.
#include "commandbars/TKStatusBarPane.h"

#include "commandbars/TKStatusBar.h"
#include "common/TKDCHelpers.h"
#include "TKStatusBarFont.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "markup/TKMarkupFlat.h"

IMPLEMENT_DYNAMIC(CTKStatusBarPane, CCmdTarget)

CTKStatusBarPane::CTKStatusBarPane()
    : m_nID(0),
      m_nFixedWidth(0),
      m_nStyle(0),
      m_dwHideFlags(0),
      m_clrText(static_cast<COLORREF>(-1)),
      m_clrTextGray(static_cast<COLORREF>(-1)),
      m_clrBackground(static_cast<COLORREF>(-1)),
      m_hWndChild(NULL),
      m_pChild(nullptr),
      m_bAutoDeleteChild(FALSE),
      m_pStatusBar(nullptr),
      m_nIndex(-1),
      m_nIconId(-1),
      m_bButton(FALSE),
      m_bPressed(FALSE),
      m_pMarkupElement(nullptr),
      m_bBeginGroup(TRUE),
      m_nComputedWidth(0),
      m_bCustomizable(TRUE),
      m_nAlignment(alignLeft),
      m_bDarkBackground(FALSE) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  m_rcPadding.SetRect(pDpi->ScaleX(3), pDpi->ScaleY(1), pDpi->ScaleX(3), pDpi->ScaleY(1));
}

CTKStatusBarPane::~CTKStatusBarPane() {
  if (m_hWndChild != NULL && ::IsWindow(m_hWndChild)) ::DestroyWindow(m_hWndChild);
  if (m_bAutoDeleteChild) delete m_pChild;
  ReleaseMarkupElement(m_pMarkupElement);
}

// Texts ---------------------------------------------------------------------------------

CString CTKStatusBarPane::GetText() const {
  CString strText = m_strText;
  if (m_pStatusBar != nullptr && m_pStatusBar->IsAllCaps()) strText.MakeUpper();
  return strText;
}

void CTKStatusBarPane::SetText(LPCTSTR lpszText) {
  const CString strText = lpszText != nullptr ? lpszText : _T("");
  if (m_strText == strText) return;
  m_strText = strText;
  UpdateMarkupElement();
  if (!IsVisible()) return;
  if (m_nFixedWidth > 0 || GetWidth() == m_nComputedWidth)
    Redraw();
  else if (m_pStatusBar != nullptr)
    m_pStatusBar->UpdateAllPanes();
}

void CTKStatusBarPane::UpdateMarkupElement() {
  ReleaseMarkupElement(m_pMarkupElement);
  CTKMarkupContext* pContext = m_pStatusBar != nullptr ? m_pStatusBar->GetMarkupContext() : nullptr;
  if (pContext != nullptr) m_pMarkupElement = ParseMarkupText(pContext, m_strText);
}

// Style and visibility --------------------------------------------------------------------

void CTKStatusBarPane::SetStyle(UINT nStyle) {
  if (m_nStyle == nStyle) return;
  const BOOL bStretchChanged = ((m_nStyle ^ nStyle) & SBPS_STRETCH) != 0;
  m_nStyle = nStyle;
  if (bStretchChanged && m_pStatusBar != nullptr) m_pStatusBar->UpdateAllPanes();
  Redraw();
}

void CTKStatusBarPane::SetEnabled(BOOL bEnabled) {
  SetStyle(bEnabled ? (m_nStyle & ~SBPS_DISABLED) : (m_nStyle | SBPS_DISABLED));
}

void CTKStatusBarPane::SetVisible(BOOL bVisible, BOOL bRecalcLayout) {
  const DWORD dwFlags = bVisible ? (m_dwHideFlags & ~hideProgram) : (m_dwHideFlags | hideProgram);
  if (dwFlags == m_dwHideFlags) return;
  m_dwHideFlags = dwFlags;
  if (bRecalcLayout) RecalcBarLayout();
}

void CTKStatusBarPane::SetCustomizeVisible(BOOL bVisible) {
  const DWORD dwFlags = bVisible ? (m_dwHideFlags & ~hideUser) : (m_dwHideFlags | hideUser);
  if (dwFlags == m_dwHideFlags) return;
  m_dwHideFlags = dwFlags;
  RecalcBarLayout();
}

void CTKStatusBarPane::RecalcBarLayout() const {
  if (m_pStatusBar != nullptr) m_pStatusBar->UpdateAllPanes();
}

void CTKStatusBarPane::SetBeginGroup(BOOL bBeginGroup) {
  if (m_bBeginGroup == bBeginGroup) return;
  m_bBeginGroup = bBeginGroup;
  RecalcBarLayout();
}

// Appearance ------------------------------------------------------------------------------

void CTKStatusBarPane::SetWidth(int nWidth) {
  if (m_nFixedWidth == nWidth) return;
  m_nFixedWidth = nWidth;
  RecalcBarLayout();
}

void CTKStatusBarPane::SetTextColor(COLORREF clr) {
  m_clrText = clr;
  Redraw();
}

void CTKStatusBarPane::SetTextGrayColor(COLORREF clr) {
  m_clrTextGray = clr;
  Redraw();
}

void CTKStatusBarPane::SetBackgroundColor(COLORREF clr) {
  m_clrBackground = clr;
  Redraw();
}

void CTKStatusBarPane::SetTextAlignment(int nAlignment) {
  m_nAlignment = nAlignment;
  Redraw();
}

void CTKStatusBarPane::SetPadding(int cxLeft, int cyTop, int cxRight, int cyBottom) {
  m_rcPadding.SetRect(cxLeft, cyTop, cxRight, cyBottom);
  RecalcBarLayout();
}

void CTKStatusBarPane::SetMargins(int cxLeft, int cyTop, int cxRight, int cyBottom) {
  m_rcMargins.SetRect(cxLeft, cyTop, cxRight, cyBottom);
  RecalcBarLayout();
}

void CTKStatusBarPane::SetFont(CFont* pFont) {
  CopyStatusBarFont(m_font, pFont);
  RecalcBarLayout();
}

void CTKStatusBarPane::SetIconId(int nIconId) {
  if (m_nIconId == nIconId) return;
  m_nIconId = nIconId;
  RecalcBarLayout();
}

void CTKStatusBarPane::SetChild(CWnd* pChild, BOOL bAutoDelete) {
  m_pChild = pChild;
  m_hWndChild = pChild != nullptr ? pChild->GetSafeHwnd() : NULL;
  m_bAutoDeleteChild = bAutoDelete;
  RecalcBarLayout();
}

CFont* CTKStatusBarPane::GetFont() {
  if (m_font.GetSafeHandle() != NULL || m_pStatusBar == nullptr) return &m_font;
  return m_pStatusBar->GetFont();
}

CTKImageManagerIcon* CTKStatusBarPane::GetImage() {
  if (m_nIconId == -1) return nullptr;
  CTKImageManager* pImages =
      m_pStatusBar != nullptr ? m_pStatusBar->GetImageManager() : TKImageManager();
  return pImages->GetImage(static_cast<UINT>(m_nIconId));
}

void CTKStatusBarPane::Redraw() const {
  if (!IsVisible() || m_pStatusBar == nullptr || m_pStatusBar->GetSafeHwnd() == NULL) return;
  m_pStatusBar->InvalidateRect(m_rcPane, TRUE);
}

// Width and drawing -------------------------------------------------------------------------

int CTKStatusBarPane::GetWidth() {
  if (m_nFixedWidth > 0) return m_nFixedWidth;
  CTKDpiHelper* pDpi = TKDpiHelper();
  CFont* pFont = GetFont();
  int cxText = 0;
  if (m_pMarkupElement != nullptr) {
    SetMarkupContextFont(GetMarkupElementContext(m_pMarkupElement),
                         static_cast<HFONT>(pFont->GetSafeHandle()), static_cast<COLORREF>(-1));
    cxText = MeasureMarkupElement(m_pMarkupElement, 32767, 32767).cx;
  } else {
    CClientDC dc(m_pStatusBar);
    CTKFontDC font(&dc, pFont);
    cxText = dc.GetTextExtent(GetText()).cx;
  }
  int nWidth = cxText + m_rcPadding.left + m_rcPadding.right;
  CTKImageManagerIcon* pIcon = GetImage();
  if (pIcon != nullptr) {
    nWidth += pDpi->ScaleX(pIcon->GetExtent().cx);
    if (!m_strText.IsEmpty()) nWidth += pDpi->ScaleX(2);
  }
  return nWidth;
}

void CTKStatusBarPane::Draw(CDC* pDC, CRect rc) {
  CTKStatusBarPaintManager* pPaintManager =
      m_pStatusBar != nullptr ? m_pStatusBar->GetStatusBarPaintManager() : nullptr;
  if (pPaintManager != nullptr) pPaintManager->DrawPaneEntry(pDC, rc, this);
}

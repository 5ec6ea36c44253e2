// CTKRibbonOffice2007FrameTheme: the image themes' window frame.
#include "themes/TKRibbonOffice2007FrameTheme.h"

#include <afxpriv.h>

#include <algorithm>
#include <vector>

#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKStatusBar.h"
#include "commandbars/TKStatusBarPane.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "common/TKResourceManager.h"
#include "themes/TKPaintManagerBase.h"

namespace {
const char kWindow[] = "Window";
const COLORREF kMagenta = 0x00FF00FF;
// The caption images stretch between these rows and keep the rest.
const CRect kCaptionMargins(0, 5, 0, 3);

void Fill(CDC* pDC, int x, int y, int cx, int cy, COLORREF clr) {
  if (clr == CTKPaintManagerColor::COLORREF_NONE || cx <= 0 || cy <= 0) return;
  pDC->FillSolidRect(x, y, cx, cy, clr);
}

int ScaleX(int n) { return TKDpiHelper()->ScaleX(n); }
int ScaleY(int n) { return TKDpiHelper()->ScaleY(n); }

// Slice `nState` of `nCount` of an image, `cxSource` pixels wide from the left
// (the whole width when negative).
CRect Slice(CTKResourceImage* pImage, int nState, int nCount, int cxSource = -1) {
  CRect rc = pImage->GetSourceRect(nState, nCount);
  if (cxSource >= 0) rc.right = rc.left + std::min(cxSource, static_cast<int>(rc.Width()));
  return rc;
}
}  // namespace

CTKRibbonOffice2007FrameTheme::CTKRibbonOffice2007FrameTheme(CTKPaintManagerBase* pOwner)
    : CTKFramePaintManagerBase(pOwner) {
  std::fill(m_clrBorderActive, m_clrBorderActive + 4, CTKPaintManagerColor::COLORREF_NONE);
  std::fill(m_clrBorderInactive, m_clrBorderInactive + 4, CTKPaintManagerColor::COLORREF_NONE);
  m_bCaptionCenterAligned = TRUE;
}

CTKRibbonOffice2007FrameTheme::~CTKRibbonOffice2007FrameTheme() = default;

// Metrics ------------------------------------------------------------------------

void CTKRibbonOffice2007FrameTheme::RefreshMetrics() {
  CTKFramePaintManagerBase::RefreshMetrics();
  if (!TKResourceImages()->IsLoaded()) return;
  m_nCaptionHeight = std::max(::GetSystemMetrics(SM_CYCAPTION), ScaleY(17));
  char szKey[32];
  for (int i = 0; i < 4; ++i) {
    wsprintfA(szKey, "BorderActive%d", i);
    m_clrBorderActive[i] = GetThemeIniColor(kWindow, szKey, CTKPaintManagerColor::COLORREF_NONE);
    wsprintfA(szKey, "BorderInactive%d", i);
    m_clrBorderInactive[i] = GetThemeIniColor(kWindow, szKey, CTKPaintManagerColor::COLORREF_NONE);
  }
  m_clrCaptionTextActive.SetCustomValue(GetThemeIniColor(kWindow, "CaptionTextActive", CTKPaintManagerColor::COLORREF_NONE));
  m_clrCaptionTextInactive.SetCustomValue(
      GetThemeIniColor(kWindow, "CaptionTextInActive", CTKPaintManagerColor::COLORREF_NONE));
  m_clrCaptionTextTitle.SetCustomValue(
      GetThemeIniColor(kWindow, "CaptionTextActiveTitle", CTKPaintManagerColor::COLORREF_NONE));
  m_bFlatFrame = GetThemeIniInt(kWindow, "FlatFrame", 0);
  RefreshCaptionFont();
}

void CTKRibbonOffice2007FrameTheme::RefreshCaptionFont() {
  NONCLIENTMETRICS ncm;
  if (!CTKPaintManagerBase::ReadNonClientMetrics(&ncm)) return;
  LOGFONT lf = ncm.lfCaptionFont;
  lf.lfWeight = FW_NORMAL;
  if (m_pOwner != nullptr) {
    if (m_pOwner->ClearTypeApplies()) lf.lfQuality = 5;
    if (!m_pOwner->m_strFontFace.IsEmpty() && FontExists(m_pOwner->m_strFontFace))
      lstrcpyn(lf.lfFaceName, m_pOwner->m_strFontFace, LF_FACESIZE);
  }
  const int nMinHeight = ScaleY(11);
  if (lf.lfHeight < 0 && -lf.lfHeight < nMinHeight) lf.lfHeight = -nMinHeight;
  lf.lfCharSet = TKResourceManager()->GetFontCharSet();
  m_fontFrameCaption.SetStandardFont(&lf);
}

CRect CTKRibbonOffice2007FrameTheme::GetFrameBorders(CTKCommandBarsFrameHook* pHook) {
  if ((pHook->GetSiteStyle() & WS_MAXIMIZE) != 0 || pHook->IsDwmEnabled())
    return CTKFramePaintManagerBase::GetFrameBorders(pHook);
  return CRect(ScaleX(4), ScaleY(4), ScaleX(4), ScaleY(4));
}

// Region -------------------------------------------------------------------------

HRGN CTKRibbonOffice2007FrameTheme::CreateFrameRegion(CTKCommandBarsFrameHook* pHook, int cx, int cy) {
  if ((pHook->GetSiteStyle() & WS_MAXIMIZE) != 0) return NULL;
  return CreateCutCornerRegion(cx, cy, m_bRoundedBottom || pHook->IsFrameHasStatusBar(), TRUE);
}

// Frame --------------------------------------------------------------------------

void CTKRibbonOffice2007FrameTheme::DrawFrame(CDC* pDC, CTKCommandBarsFrameHook* pHook) {
  CRect rcWindow, rcClient;
  GetFrameRects(pHook->GetSite(), &rcWindow, &rcClient);
  FrameGeometry g = {};
  g.cxWindow = rcWindow.right;
  g.cyWindow = rcWindow.bottom;
  g.cxBorder = rcClient.left;
  g.cyBottom = rcWindow.bottom - rcClient.bottom;
  g.cyTopBorder = GetFrameBorders(pHook).top;
  g.cyCaption = pHook->GetCaptionHeight();
  g.bStatusBar = pHook->IsFrameHasStatusBar(&g.cyStatus);
  if (!g.bStatusBar) g.cyStatus = 0;
  g.bActive = pHook->IsActive();
  g.bMaximized = (pHook->GetSiteStyle() & WS_MAXIMIZE) != 0;
  g.pBorder = g.bActive ? m_clrBorderActive : m_clrBorderInactive;

  DrawBorders(pDC, g);
  if (pHook->IsFrameCaptionVisible())
    DrawCaption(pDC, pHook, g);
  else
    DrawRibbonCaptionEdges(pDC, pHook, g);
  if (g.bStatusBar) DrawStatusBarStrips(pDC, pHook, g);
  DrawBottomCorners(pDC, g);
}

void CTKRibbonOffice2007FrameTheme::DrawBorders(CDC* pDC, const FrameGeometry& g) {
  const COLORREF* B = g.pBorder;
  const int L = g.cxBorder, K = g.cyBottom, D = g.cyCaption, X = g.SideHeight();
  const int Wr = g.cxWindow, Wb = g.cyWindow;
  if (L > 0) {
    Fill(pDC, 0, D, 1, Wb - D, B[0]);
    Fill(pDC, Wr - 1, D, 1, Wb - D, B[0]);
  }
  if (L > 1) {
    Fill(pDC, 1, D, 1, X, B[1]);
    Fill(pDC, Wr - 2, D, 1, X, B[1]);
  }
  if (m_bFlatFrame) {
    if (L > 2) {
      Fill(pDC, 2, D, L - 3, X, B[2]);
      Fill(pDC, L - 1, D, 1, X, B[3]);
      Fill(pDC, Wr - L + 1, D, L - 3, X, B[2]);
      Fill(pDC, Wr - L, D, 1, X, B[3]);
    }
  } else {
    if (L > 2) {
      Fill(pDC, 2, D, 1, X, B[2]);
      Fill(pDC, Wr - 3, D, 1, X, B[2]);
    }
    if (L > 3) {
      Fill(pDC, 3, D, L - 3, X, B[3]);
      Fill(pDC, Wr - L, D, L - 3, X, B[3]);
    }
  }
  Fill(pDC, 0, Wb - 1, Wr, 1, g.bMaximized && g.bActive ? B[3] : B[0]);
  if (K > 1) {
    if (m_bFlatFrame) {
      Fill(pDC, L, Wb - K, Wr - 2 * L, 1, B[3]);
      Fill(pDC, 1, Wb - K + 1, Wr - 2, K - 2, B[2]);
    } else {
      Fill(pDC, 1, Wb - K, Wr - 2, K - 1, B[3]);
    }
  }
}

void CTKRibbonOffice2007FrameTheme::DrawCaption(CDC* pDC, CTKCommandBarsFrameHook* pHook,
                                                const FrameGeometry& g) {
  const int Wr = g.cxWindow, D = g.cyCaption;
  if (Wr <= 0 || D <= 0) return;
  CTKBufferDC dc(pDC->GetSafeHdc(), CRect(0, 0, Wr, D));
  const int nState = g.bActive ? 0 : 1;
  CTKResourceImage* pLeft = LoadThemeImage("FRAMETOPLEFT");
  CTKResourceImage* pRight = LoadThemeImage("FRAMETOPRIGHT");
  CTKResourceImage* pCenter = LoadThemeImage("FRAMETOPCENTER");
  const int cxLeft = pLeft != nullptr ? pLeft->GetWidth() : 0;
  const int cxRight = pRight != nullptr ? pRight->GetWidth() : 0;
  if (pLeft != nullptr)
    pLeft->DrawImage(&dc, CRect(0, 0, cxLeft, D), Slice(pLeft, nState, 2), kCaptionMargins);
  if (pRight != nullptr)
    pRight->DrawImage(&dc, CRect(Wr - cxRight, 0, Wr, D), Slice(pRight, nState, 2), kCaptionMargins);
  if (pCenter != nullptr && Wr - cxRight > cxLeft)
    pCenter->DrawImage(&dc, CRect(cxLeft, 0, Wr - cxRight, D), Slice(pCenter, nState, 2),
                       kCaptionMargins);

  CRect rcContent(ScaleX(7), g.cyTopBorder, Wr, D - ScaleY(3));
  DrawFrameIcon(&dc, pHook, rcContent);
  DrawCaptionButtons(&dc, pHook, rcContent);
  CRect rcText = rcContent;
  rcText.DeflateRect(g.cxBorder, 0);
  DrawCaptionText(&dc, rcText, pHook->GetSite(), g.bActive);
  if (m_bFlatFrame) Fill(&dc, g.cxBorder, D - 1, Wr - 2 * g.cxBorder, 1, g.pBorder[3]);
}

void CTKRibbonOffice2007FrameTheme::DrawRibbonCaptionEdges(CDC* pDC, CTKCommandBarsFrameHook* pHook,
                                                           const FrameGeometry& g) {
  const int L = g.cxBorder, Wr = g.cxWindow, D = g.cyCaption, T = g.cyTopBorder;
  const int nState = g.bActive ? 0 : 1;
  const int cxSource = TKDpiHelper()->UnscaleX(L);
  if (CTKResourceImage* pLeft = LoadThemeImage("FRAMETOPLEFT"))
    pLeft->DrawImage(pDC, CRect(0, T, L, D), Slice(pLeft, nState, 2, cxSource), kCaptionMargins);
  if (CTKResourceImage* pRight = LoadThemeImage("FRAMETOPRIGHT")) {
    CRect rcSource = Slice(pRight, nState, 2);
    rcSource.left = std::max(rcSource.left, rcSource.right - cxSource);
    pRight->DrawImage(pDC, CRect(Wr - L, T, Wr, D), rcSource, kCaptionMargins);
  }
  if (CTKResourceImage* pCenter = LoadThemeImage("FRAMETOPCENTER")) {
    CRect rcSource = Slice(pCenter, nState, 2);
    rcSource.bottom = rcSource.top + std::min(static_cast<int>(rcSource.Height()),
                                              TKDpiHelper()->UnscaleY(T));
    pCenter->DrawImage(pDC, CRect(L, 0, Wr - L, T), rcSource);
  }
  pHook->DrawRibbonFramePart(pDC);
}

BOOL CTKRibbonOffice2007FrameTheme::IsStatusBarEndDark(CTKCommandBarsFrameHook* pHook,
                                                       BOOL bLast) const {
  if (!m_bStatusBarPanes) return FALSE;
  CTKStatusBar* pBar = DYNAMIC_DOWNCAST(
      CTKStatusBar, CWnd::FromHandlePermanent(::GetDlgItem(pHook->GetSite(), AFX_IDW_STATUS_BAR)));
  if (pBar == nullptr) return FALSE;
  const int nCount = pBar->GetPaneCount();
  for (int n = 0; n < nCount; ++n) {
    CTKStatusBarPane* pPane = pBar->GetPane(bLast ? nCount - 1 - n : n);
    if (pPane->IsVisible()) return pPane->IsDarkBackground();
  }
  return FALSE;
}

void CTKRibbonOffice2007FrameTheme::DrawStatusBarStrips(CDC* pDC, CTKCommandBarsFrameHook* pHook,
                                                        const FrameGeometry& g) {
  const int L = g.cxBorder, K = g.cyBottom, S = g.cyStatus;
  const int Wr = g.cxWindow, Wb = g.cyWindow;
  const int yTop = Wb - S - K;
  if (m_bFlatFrame) {
    Fill(pDC, ScaleX(1), yTop, L - ScaleX(1), S + ScaleY(1), g.pBorder[2]);
    Fill(pDC, Wr - L, yTop, L - ScaleX(1), S + ScaleY(1), g.pBorder[2]);
    if (K > ScaleY(1)) {
      Fill(pDC, L - ScaleX(1), yTop, ScaleX(1), S, g.pBorder[3]);
      Fill(pDC, Wr - L, yTop, ScaleX(1), S, g.pBorder[3]);
    }
    return;
  }
  const int cxSource = TKDpiHelper()->UnscaleX(L) - 1;
  for (BOOL bRight : {FALSE, TRUE}) {
    CTKResourceImage* pImage =
        LoadThemeImage(IsStatusBarEndDark(pHook, bRight) ? "STATUSBARDARK" : "STATUSBARLIGHT");
    if (pImage == nullptr || cxSource <= 0) continue;
    const CRect rcDest = bRight ? CRect(Wr - L, yTop, Wr - ScaleX(1), Wb - K)
                                : CRect(ScaleX(1), yTop, L, Wb - K);
    pImage->DrawImage(pDC, rcDest, Slice(pImage, 0, 1, cxSource));
  }
}

void CTKRibbonOffice2007FrameTheme::DrawBottomCorners(CDC* pDC, const FrameGeometry& g) {
  if (!(g.bStatusBar || m_bRoundedBottom) || g.cxBorder <= ScaleX(3)) return;
  const int nState = g.bActive ? 0 : 1;
  for (BOOL bRight : {FALSE, TRUE}) {
    CTKResourceImage* pImage = LoadThemeImage(bRight ? "FRAMEBOTTOMRIGHT" : "FRAMEBOTTOMLEFT");
    if (pImage == nullptr) continue;
    const CRect rcSource = Slice(pImage, nState, 2);
    const CSize sz(ScaleX(rcSource.Width()), ScaleY(rcSource.Height()));
    const int x = bRight ? g.cxWindow - sz.cx : 0;
    pImage->DrawImageTransparent(pDC, CRect(CPoint(x, g.cyWindow - sz.cy), sz), rcSource,
                                 CRect(0, 0, 0, 0), kMagenta);
  }
}

// Caption buttons ------------------------------------------------------------------

int AFX_CDECL CTKRibbonOffice2007FrameTheme::GetCaptionGlyphSize(int cxButton) {
  if (cxButton < ScaleX(15)) return 13;
  return cxButton >= ScaleX(27) ? 23 : 17;
}

void CTKRibbonOffice2007FrameTheme::DrawCaptionButton(CDC* pDC, CRect rc, UINT nId, BOOL bHot,
                                                      BOOL bPressed, BOOL bActive) {
  const int nState = !bActive ? 3 : bPressed ? (bHot ? 2 : 1) : (bHot ? 1 : 0);
  const int nGlyph = GetCaptionGlyphSize(rc.Width());
  LPCSTR lpszName = nId == SC_MINIMIZE   ? "MINIMIZE"
                    : nId == SC_MAXIMIZE ? "MAXIMIZE"
                    : nId == SC_CLOSE    ? "CLOSE"
                    : nId == SC_RESTORE  ? "RESTORE"
                                         : nullptr;
  if (bHot || bPressed) {
    CString strFace;
    if (lpszName != nullptr) strFace.Format("FRAMECAPTION%sBUTTON", lpszName);
    CTKResourceImage* pFace = lpszName != nullptr ? LoadThemeImage(strFace) : nullptr;
    if (pFace == nullptr) pFace = LoadThemeImage("FRAMECAPTIONBUTTON");
    if (pFace != nullptr)
      pFace->DrawImageTransparent(pDC, rc, Slice(pFace, bHot && bPressed ? 1 : 0, 2),
                                  CRect(3, 3, 3, 3), kMagenta);
  }
  if (lpszName == nullptr) return;
  CString strGlyph;
  strGlyph.Format("FRAMECAPTION%s%d", lpszName, nGlyph);
  CTKResourceImage* pGlyph = LoadThemeImage(strGlyph);
  if (pGlyph == nullptr) return;
  const CRect rcSource = Slice(pGlyph, nState, 5);
  const CSize sz(ScaleX(rcSource.Width()), ScaleY(rcSource.Height()));
  const CRect rcGlyph(CPoint(rc.left + (rc.Width() - sz.cx) / 2, rc.top + (rc.Height() - sz.cy) / 2),
                      sz);
  pGlyph->DrawImageTransparent(pDC, rcGlyph, rcSource, CRect(0, 0, 0, 0), kMagenta);
}

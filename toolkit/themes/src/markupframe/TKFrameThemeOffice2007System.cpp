// CTKFrameThemeOffice2007System: the markup-drawn frame of the system colours.
#include "themes/TKFrameThemeOffice2007System.h"

#include "commandbars/TKCommandBarsFrameHook.h"
#include "markup/TKMarkupFlat.h"
#include "themes/TKPaintManagerBase.h"

namespace {
const char kStyleResource[] = "TK_IDR_OFFICE2007SYSTEM_STYLE";
const char* const kItems[CTKFrameThemeOffice2007System::partCount] = {
    "RibbonFrameCaptionActive.xaml",        "RibbonFrameCaptionInactive.xaml",
    "Frame/BorderLeftActive.xaml",          "Frame/BorderLeftInactive.xaml",
    "Frame/BorderLeftCaptionActive.xaml",   "Frame/BorderLeftCaptionInactive.xaml",
    "Frame/BorderTopActive.xaml",           "Frame/BorderTopInactive.xaml",
    "Frame/BorderRightActive.xaml",         "Frame/BorderRightInactive.xaml",
    "Frame/BorderRightCaptionActive.xaml",  "Frame/BorderRightCaptionInactive.xaml",
    "Frame/BorderBottomActive.xaml",        "Frame/BorderBottomInactive.xaml",
    "Frame/CaptionButtonSelected.xaml",     "Frame/CaptionButtonPressed.xaml",
    "Frame/GlyphMinimize9.xaml",            "Frame/GlyphMinimize11.xaml",
    "Frame/GlyphMaximize9.xaml",            "Frame/GlyphMaximize11.xaml",
    "Frame/GlyphRestore9.xaml",             "Frame/GlyphRestore11.xaml",
    "Frame/GlyphClose9.xaml",               "Frame/GlyphClose11.xaml",
};
// Buttons narrower than this take the small glyphs.
const int kLargeGlyphWidth = 21;
// The frame's borders, in pixels on every side.
const int kBorder = 4;
}  // namespace

CTKFrameThemeOffice2007System::CTKFrameThemeOffice2007System(CTKPaintManagerBase* pOwner)
    : CTKRibbonMarkupFrameTheme(pOwner), m_pMarkupContext(CreateMarkupContext(nullptr, TRUE)) {
  CTKMarkupStyleArchive archive(kStyleResource);
  if (archive.GetHandle() != nullptr) LoadFrameParts(archive.GetHandle(), m_pMarkupContext);
}

CTKFrameThemeOffice2007System::~CTKFrameThemeOffice2007System() {
  // The parts' drawings keep the context alive until they go with the parts.
  ReleaseMarkupContext(m_pMarkupContext);
}

LPCSTR CTKFrameThemeOffice2007System::GetPartItemName(int nPart) {
  return nPart >= 0 && nPart < partCount ? kItems[nPart] : nullptr;
}

void CTKFrameThemeOffice2007System::LoadFrameParts(HTKZIP hZip, CTKMarkupContext* pContext) {
  for (int i = 0; i < partCount; ++i) m_parts[i].LoadFromZip(hZip, kItems[i], pContext);
}

void CTKFrameThemeOffice2007System::RefreshMetrics() {
  CTKFramePaintManagerBase::RefreshMetrics();
  m_bFlatFrame = FALSE;
  m_nCaptionHeight = ::GetSystemMetrics(SM_CYCAPTION) - ::GetSystemMetrics(SM_CYBORDER);
  LOGFONT lf;
  HFONT hFont = m_pOwner != nullptr ? static_cast<HFONT>(m_pOwner->m_fontRegular.GetSafeHandle())
                                    : nullptr;
  if (hFont == nullptr) hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  if (::GetObject(hFont, sizeof(lf), &lf) != 0) m_fontFrameCaption.SetStandardFont(&lf);
  // The drawings follow the system caption colours; so does the text on them.
  m_clrCaptionTextActive.SetStandardValue(::GetSysColor(COLOR_CAPTIONTEXT));
  m_clrCaptionTextTitle.SetStandardValue(::GetSysColor(COLOR_CAPTIONTEXT));
  m_clrCaptionTextInactive.SetStandardValue(::GetSysColor(COLOR_INACTIVECAPTIONTEXT));
}

CRect CTKFrameThemeOffice2007System::GetFrameBorders(CTKCommandBarsFrameHook* pHook) {
  if ((pHook->GetSiteStyle() & WS_MAXIMIZE) != 0 || pHook->IsDwmEnabled())
    return CTKFramePaintManagerBase::GetFrameBorders(pHook);
  return CRect(kBorder, kBorder, kBorder, kBorder);
}

HRGN CTKFrameThemeOffice2007System::CreateFrameRegion(CTKCommandBarsFrameHook* pHook, int cx,
                                                      int cy) {
  if ((pHook->GetSiteStyle() & WS_MAXIMIZE) != 0) return NULL;
  return CreateCutCornerRegion(cx, cy, m_bRoundedBottom || pHook->IsFrameHasStatusBar(), FALSE);
}

CTKMarkupThemePart* CTKFrameThemeOffice2007System::GetFramePart(int nKind, BOOL bActive) {
  static const int kFirstPart[] = {partTopActive,   partLeftActive,         partLeftCaptionActive,
                                   partRightActive, partRightCaptionActive, partBottomActive};
  if (nKind < 0 || nKind >= static_cast<int>(sizeof(kFirstPart) / sizeof(kFirstPart[0])))
    return nullptr;
  return &m_parts[kFirstPart[nKind] + (bActive ? 0 : 1)];
}

void CTKFrameThemeOffice2007System::FillCaptionBackground(CDC* pDC, CRect rc, HWND,
                                                          BOOL bActive) {
  m_parts[bActive ? partCaptionActive : partCaptionInactive].Render(pDC, rc);
}

CTKMarkupThemePart* CTKFrameThemeOffice2007System::GetCaptionGlyph(UINT nId, int cxButton) {
  int nSmall;
  switch (nId) {
    case SC_MINIMIZE: nSmall = partMinimize9; break;
    case SC_MAXIMIZE: nSmall = partMaximize9; break;
    case SC_RESTORE: nSmall = partRestore9; break;
    case SC_CLOSE: nSmall = partClose9; break;
    default: return nullptr;
  }
  return &m_parts[nSmall + (cxButton < kLargeGlyphWidth ? 0 : 1)];
}

void CTKFrameThemeOffice2007System::DrawCaptionButton(CDC* pDC, CRect rc, UINT nId, BOOL bHot,
                                                      BOOL bPressed, BOOL) {
  if (bPressed)
    m_parts[partButtonPressed].Render(pDC, rc);
  else if (bHot)
    m_parts[partButtonHot].Render(pDC, rc);
  CTKMarkupThemePart* pGlyph = GetCaptionGlyph(nId, rc.Width());
  if (pGlyph == nullptr) return;
  const CSize sz = pGlyph->GetDesiredSize(rc.Width(), rc.Height());
  const CPoint pt(rc.left + (rc.Width() - sz.cx) / 2, rc.top + (rc.Height() - sz.cy) / 2);
  pGlyph->Render(pDC, CRect(pt, sz));
}

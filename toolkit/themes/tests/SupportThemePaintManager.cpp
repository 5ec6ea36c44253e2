#include "SupportThemePaintManager.h"

#include "common/TKImageManager.h"

namespace {

NONCLIENTMETRICS g_metrics;

BOOL AFX_CDECL ScriptedMetrics(NONCLIENTMETRICS* pMetrics) {
  const UINT cbSize = pMetrics->cbSize;
  *pMetrics = g_metrics;
  pMetrics->cbSize = cbSize;
  return TRUE;
}

void SetFont(LOGFONT& lf, int nHeight) {
  memset(&lf, 0, sizeof(lf));
  lf.lfHeight = nHeight;
  lf.lfWeight = FW_NORMAL;
  lstrcpyA(lf.lfFaceName, "Tahoma");
}

}  // namespace

CScriptedSystemFonts::CScriptedSystemFonts(int nMenuHeight) {
  memset(&g_metrics, 0, sizeof(g_metrics));
  SetFont(g_metrics.lfMenuFont, nMenuHeight);
  SetFont(g_metrics.lfSmCaptionFont, -11);
  SetFont(g_metrics.lfStatusFont, -12);
  SetFont(g_metrics.lfCaptionFont, -12);
  SetFont(g_metrics.lfMessageFont, -12);
  CTKPaintManagerBase::SetNonClientMetricsSource(ScriptedMetrics);
}

CScriptedSystemFonts::~CScriptedSystemFonts() {
  CTKPaintManagerBase::SetNonClientMetricsSource(nullptr);
}

void CScriptedSystemFonts::SetMenuHeight(int nMenuHeight) {
  g_metrics.lfMenuFont.lfHeight = nMenuHeight;
}

void CScriptedSystemFonts::SetStatusHeight(int nStatusHeight) {
  g_metrics.lfStatusFont.lfHeight = nStatusHeight;
}

bool AddSolidTestIcon(CTKImageManager* pImages, UINT nId, int cx, int cy, DWORD dwColor) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = cx;
  info.bmiHeader.biHeight = -cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* pBits = nullptr;
  HBITMAP hBitmap = ::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
  if (hBitmap == NULL) return false;
  DWORD* pPixels = static_cast<DWORD*>(pBits);
  for (int i = 0; i < cx * cy; ++i) pPixels[i] = dwColor;
  const bool bAdded = pImages->SetIconsFromBitmap(hBitmap, &nId, 1, cx, cy, 0, TRUE) != FALSE;
  ::DeleteObject(hBitmap);
  return bAdded;
}

#include "SupportThemePaintManager.h"

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

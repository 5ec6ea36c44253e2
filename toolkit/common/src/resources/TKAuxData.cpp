// The shared fonts, colours, cursors and metrics.
#include "TKAuxData.h"

#include <string.h>

#include "common/TKColorManager.h"
#include "common/TKDrawHelpers.h"
#include "common/TKOSVersionHelper.h"
#include "common/TKResourceIds.h"
#include "common/TKResourceManager.h"
#include "common/TKSingletonPointer.h"

TK_IMPLEMENT_SINGLETON(CTKAuxData, TKAuxData)

namespace {

// The system colours of the first 20 slots, in slot order.
const int kSystemColors[] = {COLOR_BTNFACE,
                             COLOR_BTNSHADOW,
                             COLOR_3DDKSHADOW,
                             COLOR_BTNHIGHLIGHT,
                             COLOR_3DLIGHT,
                             COLOR_BTNTEXT,
                             COLOR_GRAYTEXT,
                             COLOR_HIGHLIGHT,
                             COLOR_HIGHLIGHTTEXT,
                             COLOR_MENU,
                             COLOR_MENUTEXT,
                             COLOR_WINDOW,
                             COLOR_WINDOWFRAME,
                             COLOR_WINDOWTEXT,
                             COLOR_ACTIVECAPTION,
                             COLOR_INACTIVECAPTION,
                             COLOR_GRADIENTACTIVECAPTION,
                             COLOR_GRADIENTINACTIVECAPTION,
                             COLOR_CAPTIONTEXT,
                             COLOR_INACTIVECAPTIONTEXT};
static_assert(sizeof kSystemColors / sizeof kSystemColors[0] == CTKAuxData::clrToolkitFirst,
              "one system colour per slot");

const NONCLIENTMETRICS* g_pMetricsOverride = nullptr;

BOOL ReadNonClientMetrics(NONCLIENTMETRICS& ncm) {
  if (g_pMetricsOverride != nullptr) {
    ncm = *g_pMetricsOverride;
    return TRUE;
  }
  memset(&ncm, 0, sizeof ncm);
  ncm.cbSize = sizeof ncm;
  return ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
}

void SetFace(LOGFONT& lf, LPCTSTR lpszFaceName) {
  strncpy(lf.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
  lf.lfFaceName[LF_FACESIZE - 1] = '\0';
}

}  // namespace

CTKAuxData::CTKAuxData() {
  memset(m_arrColors, 0, sizeof m_arrColors);
  CTKOSVersionHelper* pVersion = TKOSVersionHelper();
  m_bWin95 = pVersion->IsWin95();
  m_bWin98 = pVersion->IsWin98();
  m_bWinNT4 = pVersion->IsWinNT4();
  m_bWin2K = pVersion->IsWin2K();
  m_bWinXP = pVersion->IsWinXP();
  m_nComCtlVersion = pVersion->GetComCtlVersion();
  ReadColors();
  ReadMetrics();
  LoadCursors();
  CreateFonts();
}

CTKAuxData::~CTKAuxData() { DeleteFonts(); }

void PASCAL CTKAuxData::OverrideNonClientMetrics(const NONCLIENTMETRICS* pMetrics) {
  g_pMetricsOverride = pMetrics;
}

void CTKAuxData::ReadColors() {
  RefreshToolkitColors(FALSE);
  CTKColorManager* pManager = TKColorManager();
  for (int i = 0; i < clrToolkitFirst; ++i) m_arrColors[i] = pManager->GetColor(kSystemColors[i]);
  for (int i = clrToolkitFirst; i < ColorSlotCount; ++i)
    m_arrColors[i] = pManager->GetColor(30 + i - clrToolkitFirst);
}

void CTKAuxData::ReadMetrics() {
  m_cxSmIcon = ::GetSystemMetrics(SM_CXSMICON);
  m_cySmIcon = ::GetSystemMetrics(SM_CYSMICON);
  m_cxFixed = 18;
  m_cyFixed = 18;
  m_cxHThumb = ::GetSystemMetrics(SM_CXHTHUMB);
  m_cyVThumb = ::GetSystemMetrics(SM_CYVTHUMB);
  m_cyMenu = ::GetSystemMetrics(SM_CYMENU);
}

BOOL CTKAuxData::LoadCursors() {
  CTKResourceManager* pResources = TKResourceManager();
  if ((m_hcurNoDrop = pResources->LoadCursor(TK_IDC_NODROP)) == nullptr) return FALSE;
  if ((m_hcurDragMove = pResources->LoadCursor(TK_IDC_DRAGMOVE)) == nullptr) return FALSE;
  if ((m_hcurDragCopy = pResources->LoadCursor(TK_IDC_DRAGCOPY)) == nullptr) return FALSE;
  m_hcurHand = ::LoadCursorA(nullptr, IDC_HAND);
  if (m_hcurHand == nullptr) m_hcurHand = pResources->LoadCursor(TK_IDC_HAND);
  if (m_hcurHand == nullptr) return FALSE;
  if ((m_hcurSplitH = pResources->LoadCursor(TK_IDC_SPLITHORIZONTAL)) == nullptr) return FALSE;
  if ((m_hcurSplitV = pResources->LoadCursor(TK_IDC_SPLITVERTICAL)) == nullptr) return FALSE;
  return (m_hcurSizeAll = ::LoadCursorA(nullptr, IDC_SIZEALL)) != nullptr;
}

BOOL PASCAL CTKAuxData::FaceNameExists(LPCTSTR lpszFaceName) { return FontExists(lpszFaceName); }

BOOL PASCAL CTKAuxData::CreateFontVariant(const LOGFONT& lf, CFont& font, int nWeight,
                                          BYTE bUnderline, int nOrientation, int nEscapement) {
  font.DeleteObject();
  LOGFONT lfVariant = lf;
  if (nWeight != -1) lfVariant.lfWeight = nWeight;
  if (bUnderline != 0xFF) lfVariant.lfUnderline = bUnderline;
  if (nOrientation != -1) lfVariant.lfOrientation = nOrientation;
  if (nEscapement != -1) lfVariant.lfEscapement = nEscapement;
  return font.CreateFontIndirect(&lfVariant);
}

void CTKAuxData::DeleteFonts() {
  for (CFont* pFont :
       {&m_font, &m_fontBold, &m_fontUnderline, &m_fontVert, &m_fontVertBold, &m_fontIconTitle,
        &m_fontIconTitleBold, &m_fontMarlett, &m_fontStatus, &m_fontSmCaption})
    pFont->DeleteObject();
}

BOOL CTKAuxData::CreateFonts(LPCTSTR lpszFaceName, LPCTSTR lpszVertFaceName) {
  DeleteFonts();
  NONCLIENTMETRICS ncm;
  if (!ReadNonClientMetrics(ncm)) return FALSE;
  LOGFONT lf = ncm.lfMenuFont;
  lf.lfCharSet = TKResourceManager()->GetFontCharSet();
  LOGFONT lfStatus = ncm.lfStatusFont;
  LOGFONT lfSmCaption = ncm.lfSmCaptionFont;
  if (lpszFaceName != nullptr && FaceNameExists(lpszFaceName)) {
    SetFace(lf, lpszFaceName);
    SetFace(lfStatus, lpszFaceName);
    SetFace(lfSmCaption, lpszFaceName);
  } else if (lpszFaceName == nullptr && m_bUseTahoma &&
             ncm.lfMenuFont.lfCharSet <= SYMBOL_CHARSET && FaceNameExists("Tahoma")) {
    SetFace(lf, "Tahoma");
  }

  if (!CreateFontVariant(lf, m_font, -1, 0xFF, -1, -1)) return FALSE;
  if (!CreateFontVariant(lf, m_fontBold, FW_BOLD, 0xFF, -1, -1)) return FALSE;
  if (!CreateFontVariant(lf, m_fontUnderline, -1, 1, -1, -1)) return FALSE;

  // Vertical text reads best in a face with upright glyphs when turned.
  if (lpszVertFaceName != nullptr && FaceNameExists(lpszVertFaceName))
    SetFace(lf, lpszVertFaceName);
  else if (_stricmp(ncm.lfMenuFont.lfFaceName, "Arial") != 0 && FaceNameExists("Arial"))
    SetFace(lf, "Arial");
  if (!CreateFontVariant(lf, m_fontVert, -1, 0xFF, 900, 2700)) return FALSE;
  if (!CreateFontVariant(lf, m_fontVertBold, FW_BOLD, 0xFF, 900, 2700)) return FALSE;

  LOGFONT lfIconTitle = {};
  GetIconTitleFont(&lfIconTitle);
  if (!CreateFontVariant(lfIconTitle, m_fontIconTitle, -1, 0xFF, -1, -1)) return FALSE;
  if (!CreateFontVariant(lfIconTitle, m_fontIconTitleBold, FW_BOLD, 0xFF, -1, -1)) return FALSE;
  if (!CreateFontVariant(lfStatus, m_fontStatus, -1, 0xFF, -1, -1)) return FALSE;
  if (!CreateFontVariant(lfSmCaption, m_fontSmCaption, -1, 0xFF, -1, -1)) return FALSE;

  LOGFONT lfMarlett = {};
  lfMarlett.lfHeight = lfIconTitle.lfHeight;
  lfMarlett.lfCharSet = DEFAULT_CHARSET;
  SetFace(lfMarlett, "Marlett");
  return CreateFontVariant(lfMarlett, m_fontMarlett, -1, 0xFF, -1, -1);
}

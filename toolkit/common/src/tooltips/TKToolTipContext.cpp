// The tooltip context: settings, fonts and colours. The message filter is in
// TKToolTipContextFilter.cpp, the tip windows in TKToolTipContextToolTip*.cpp.
#include "common/TKToolTipContext.h"

#include "common/TKColorManager.h"
#include "common/TKOSVersionHelper.h"
#include "common/TKResourceManager.h"
#include "common/TKToolTipContextHTML.h"
#include "common/TKToolTipContextToolTip.h"

const UINT CTKToolTipContext::kToolInfoSize = TTTOOLINFOA_V2_SIZE;
const UINT CTKToolTipContext::kToolInfoSizeEx = TTTOOLINFOA_V3_SIZE;

namespace {

// The balloon needs the common controls of version 5.80 or later.
const DWORD kBalloonMinVersion = 0x5004F;

LPSTR HeapCopy(LPCSTR lpszText) {
  size_t nLength = strlen(lpszText);
  LPSTR lpszCopy = static_cast<LPSTR>(calloc(nLength + 1, 1));
  if (lpszCopy != nullptr) memcpy(lpszCopy, lpszText, nLength);
  return lpszCopy;
}

}  // namespace

CTKToolTipContext::CTKToolTipContext() {
  m_dwComCtlVersion = TKOSVersionHelper()->GetComCtlVersion();
  m_nMaxTipWidth = ::GetSystemMetrics(SM_CXSCREEN) / 2;
  memset(&m_lastTool, 0, sizeof m_lastTool);
  memset(&m_extHit, 0, sizeof m_extHit);
  NONCLIENTMETRICSA ncm;
  memset(&ncm, 0, sizeof ncm);
  ncm.cbSize = sizeof ncm;
  ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  ncm.lfStatusFont.lfCharSet = TKResourceManager()->GetFontCharSet();
  ncm.lfStatusFont.lfWeight = FW_NORMAL;
  m_font.CreateFontIndirect(&ncm.lfStatusFont);
  ncm.lfStatusFont.lfWeight = FW_BOLD;
  m_fontBold.CreateFontIndirect(&ncm.lfStatusFont);
}

CTKToolTipContext::~CTKToolTipContext() { DeleteToolTip(); }

CWnd* CTKToolTipContext::CreateToolTip(CWnd* pOwner) {
  if (m_nStyle == styleStandard || m_nStyle == styleBalloon) {
    CStandardToolTip* pStandard = new CStandardToolTip();
    DWORD dwStyle = m_dwTipStyle & 0xFFF;
    if (m_nStyle == styleBalloon) dwStyle |= TTS_BALLOON;
    if (!pStandard->Create(pOwner, dwStyle)) {
      delete pStandard;
      return nullptr;
    }
    return pStandard;
  }
  CTKToolTipContextToolTip* pTip = nullptr;
  switch (m_nStyle) {
    case styleRichText:
      pTip = new CRichEditToolTip(this);
      break;
    case styleLuna:
      pTip = new CLunaToolTip(this);
      break;
    case styleOffice:
      pTip = new COfficeToolTip(this);
      break;
    case styleHTML:
      pTip = new CHTMLToolTip(this);
      break;
    case styleMarkup:
      pTip = new CMarkupToolTip(this);
      break;
    case styleOffice2013:
      pTip = new COffice2013ToolTip(this);
      break;
    default:
      pTip = new CTKToolTipContextToolTip(this);
      break;
  }
  if (!pTip->Create(pOwner)) {
    delete pTip;
    return nullptr;
  }
  return pTip;
}

INT_PTR CTKToolTipContext::OnToolHitTest(CWnd* pWnd, CPoint point, TOOLINFO* pTI) {
  return pWnd->OnToolHitTest(point, pTI);
}

void CTKToolTipContext::DestroyToolTipWindow() {
  if (m_pToolTip != nullptr && ::IsWindow(m_pToolTip->GetSafeHwnd())) m_pToolTip->DestroyWindow();
}

void CTKToolTipContext::DeleteToolTip() {
  if (m_pToolTip == nullptr) return;
  DestroyToolTipWindow();
  delete m_pToolTip;
  m_pToolTip = nullptr;
  memset(&m_lastTool, 0, sizeof m_lastTool);
}

void CTKToolTipContext::SetStyle(int nStyle) {
  if (nStyle == m_nStyle) return;
  if (nStyle == styleBalloon && m_dwComCtlVersion <= kBalloonMinVersion) return;
  m_nStyle = nStyle;
  DeleteToolTip();
  DWORD dwAdd = 0;
  if (nStyle == stylePlain) dwAdd = tipPlainFrame | tipNoShadow;
  if (nStyle == styleOffice) dwAdd = tipOfficeLook;
  if (nStyle == styleOffice2013) dwAdd = tipOffice2013Look;
  ModifyToolTipStyle(tipPlainFrame | tipNoShadow | tipOfficeLook | tipOffice2013Look, dwAdd);
}

void CTKToolTipContext::ModifyToolTipStyle(DWORD dwRemove, DWORD dwAdd) {
  DWORD dwNew = dwAdd | (m_dwTipStyle & ~dwRemove);
  if (dwNew == m_dwTipStyle) return;
  m_dwTipStyle = dwNew;
  DeleteToolTip();
}

void CTKToolTipContext::SetMaxTipWidth(int nWidth) {
  m_nMaxTipWidth = nWidth;
  DestroyToolTipWindow();
}

int CTKToolTipContext::GetMaxTipWidth() const {
  return m_nMaxTipWidth == -1 ? ::GetSystemMetrics(SM_CXSCREEN) : m_nMaxTipWidth;
}

void CTKToolTipContext::SetMargin(const RECT& rcMargin) {
  m_rcMargin = rcMargin;
  DestroyToolTipWindow();
}

void CTKToolTipContext::SetDelayTime(int nKind, int nDelay) {
  if (nKind == TTDT_RESHOW) m_nDelayReshow = nDelay;
  if (nKind == TTDT_AUTOPOP) m_nDelayAutoPop = nDelay;
  if (nKind == TTDT_INITIAL) m_nDelayInitial = nDelay;
  DestroyToolTipWindow();
}

void CTKToolTipContext::SetFont(CFont* pFont) {
  LOGFONT lf;
  if (pFont != nullptr && pFont->GetLogFont(&lf)) SetFontIndirect(&lf);
}

void CTKToolTipContext::SetFontIndirect(const LOGFONT* pLogFont) {
  LOGFONT lf = *pLogFont;
  m_font.DeleteObject();
  m_fontBold.DeleteObject();
  lf.lfWeight = FW_NORMAL;
  m_font.CreateFontIndirect(&lf);
  lf.lfWeight = FW_BOLD;
  m_fontBold.CreateFontIndirect(&lf);
  DestroyToolTipWindow();
}

void CTKToolTipContext::ShowTitleAndDescription(BOOL bShow, int nTitleIcon) {
  m_bShowTitleAndDescription = bShow;
  m_nTitleIcon = nTitleIcon;
}

void CTKToolTipContext::ShowImage(BOOL bShow, int nImageBase, int nImageWidth) {
  m_bShowImage = bShow;
  m_nImageBase = nImageBase;
  m_nImageWidth = nImageWidth;
  DeleteToolTip();
}

void CTKToolTipContext::SetTipBkColor(COLORREF clr) {
  m_clrBack = clr;
  DestroyToolTipWindow();
}

void CTKToolTipContext::SetTipTextColor(COLORREF clr) {
  m_clrText = clr;
  DestroyToolTipWindow();
}

COLORREF CTKToolTipContext::GetBackColor() const {
  return m_clrBack != static_cast<COLORREF>(-1) ? m_clrBack
                                                : TKColorManager()->GetColor(COLOR_INFOBK);
}

COLORREF CTKToolTipContext::GetTextColor() const {
  if (m_clrText != static_cast<COLORREF>(-1)) return m_clrText;
  if (m_dwTipStyle & tipOfficeLook) return RGB(0x4C, 0x4C, 0x4C);
  return TKColorManager()->GetColor(COLOR_INFOTEXT);
}

void CTKToolTipContext::DrawBackground(CDC* pDC, const CRect& rc) {
  pDC->FillSolidRect(rc, GetBackColor());
  COLORREF clrTopLeft = (m_dwTipStyle & tipPlainFrame) ? ::GetSysColor(COLOR_BTNFACE) : 0;
  pDC->Draw3dRect(rc, clrTopLeft, 0);
  pDC->SetTextColor(GetTextColor());
}

void CTKToolTipContext::CancelToolTips() {
  if (m_pToolTip != nullptr && ::IsWindow(m_pToolTip->GetSafeHwnd()))
    m_pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
}

void PASCAL CTKToolTipContext::FillInToolInfo(TOOLINFO* pTI, HWND hWnd, const RECT& rc,
                                              UINT_PTR nID, LPCSTR lpszText) {
  if (pTI == nullptr || pTI->cbSize < kToolInfoSize) return;
  pTI->hwnd = hWnd;
  pTI->uId = nID;
  pTI->rect = rc;
  pTI->lpszText = HeapCopy(lpszText != nullptr ? lpszText : "");
}

void PASCAL CTKToolTipContext::FillInToolInfoEx(TOOLINFO* pTI, HWND hWnd, const RECT& rc,
                                                UINT_PTR nID, LPCSTR lpszText, LPCSTR lpszTitle,
                                                LPCSTR lpszDescription,
                                                CTKImageManager* pImageManager) {
  FillInToolInfo(pTI, hWnd, rc, nID, lpszText);
  if (pTI == nullptr || pTI->cbSize < kToolInfoSizeEx || pTI->lParam == 0) return;
  TK_TOOLINFO_EXTENSION* pExt = reinterpret_cast<TK_TOOLINFO_EXTENSION*>(pTI->lParam);
  if (lpszTitle != nullptr && *lpszTitle != '\0' && lpszDescription != nullptr &&
      *lpszDescription != '\0') {
    pExt->lpszTitle = HeapCopy(lpszTitle);
    pExt->lpszDescription = HeapCopy(lpszDescription);
  }
  pExt->pImageManager = pImageManager;
}

void CTKToolTipContext::FreeToolTexts(TOOLINFO& ti) {
  if (ti.lpszText != LPSTR_TEXTCALLBACK) free(ti.lpszText);
  ti.lpszText = nullptr;
  if (ti.cbSize >= kToolInfoSizeEx && ti.lParam != 0) {
    TK_TOOLINFO_EXTENSION* pExt = reinterpret_cast<TK_TOOLINFO_EXTENSION*>(ti.lParam);
    free(pExt->lpszTitle);
    free(pExt->lpszDescription);
    pExt->lpszTitle = nullptr;
    pExt->lpszDescription = nullptr;
  }
}

// The tips whose content another engine lays out: markup (through the
// installed markup captions) and rich text.
#include "common/TKToolTipContextToolTip.h"

#include "common/TKDpiHelper.h"
#include "common/TKMarkupCaptionApi.h"
#include "common/TKRichRender.h"

namespace {

int Sx(int n) { return TKDpiHelper()->ScaleX(n); }
int Sy(int n) { return TKDpiHelper()->ScaleY(n); }

CSize FrameOf(const CRect& rcMargin) {
  return CSize(rcMargin.left + rcMargin.right + 2 * Sx(3),
               rcMargin.top + rcMargin.bottom + 2 * Sy(3));
}

}  // namespace

CTKToolTipContext::CMarkupToolTip::CMarkupToolTip(CTKToolTipContext* pContext)
    : CTKToolTipContextToolTip(pContext) {}

CTKToolTipContext::CMarkupToolTip::~CMarkupToolTip() { ReleaseMarkup(); }

BOOL CTKToolTipContext::CMarkupToolTip::Create(CWnd* pOwner) {
  if (!CTKToolTipContextToolTip::Create(pOwner)) return FALSE;
  ITKMarkupCaptionApi* pApi = TKMarkupCaptionApi();
  if (pApi != nullptr && m_pMarkupContext == nullptr)
    m_pMarkupContext = pApi->CreateMarkupContext(NULL, TRUE);
  return TRUE;
}

void CTKToolTipContext::CMarkupToolTip::ReleaseMarkup() {
  m_bParsed = FALSE;
  ITKMarkupCaptionApi* pApi = TKMarkupCaptionApi();
  if (pApi == nullptr) return;
  if (m_pElement != nullptr) pApi->ReleaseMarkupElement(m_pElement);
  if (m_pMarkupContext != nullptr) pApi->ReleaseMarkupContext(m_pMarkupContext);
}

LRESULT CTKToolTipContext::CMarkupToolTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT lResult = CTKToolTipContextToolTip::WindowProc(message, wParam, lParam);
  if (message == WM_DESTROY) ReleaseMarkup();
  return lResult;
}

namespace {

// The markup reader takes 8-bit text as UTF-8 unless it declares otherwise,
// while a tool's text is in the ANSI code page: a caption such as "Caf\xE9"
// would not parse. A text that names its own encoding is left as it is.
CStringA MarkupTextOf(const CString& strText) {
  if (strText.Left(5) == "<?xml" && strText.Find("encoding") >= 0) return strText;
  const CStringW wide(strText);
  const int nBytes =
      WideCharToMultiByte(CP_UTF8, 0, wide, wide.GetLength(), nullptr, 0, nullptr, nullptr);
  CStringA utf8;
  if (nBytes > 0) {
    WideCharToMultiByte(CP_UTF8, 0, wide, wide.GetLength(), utf8.GetBuffer(nBytes), nBytes, nullptr,
                        nullptr);
    utf8.ReleaseBuffer(nBytes);
  }
  return utf8;
}

}  // namespace

// A tip is measured whenever it shows; the tree of the text it showed last
// is kept while the text, font and colour stay the same.
BOOL CTKToolTipContext::CMarkupToolTip::ParseText(ITKMarkupCaptionApi* pApi,
                                                  const CString& strText) {
  const HFONT hFont = static_cast<HFONT>(m_pContext->GetFont()->GetSafeHandle());
  const COLORREF clrText = m_pContext->GetTextColor();
  if (m_bParsed && strText == m_strParsed && hFont == m_hParsedFont && clrText == m_clrParsed)
    return m_pElement != nullptr;
  if (m_pElement != nullptr) pApi->ReleaseMarkupElement(m_pElement);
  m_pElement = nullptr;
  pApi->SetMarkupContextFont(m_pMarkupContext, hFont, clrText);
  m_pElement = pApi->ParseMarkupText(m_pMarkupContext, MarkupTextOf(strText));
  m_bParsed = TRUE;
  m_strParsed = strText;
  m_hParsedFont = hFont;
  m_clrParsed = clrText;
  return m_pElement != nullptr;
}

CSize CTKToolTipContext::CMarkupToolTip::CalcSize(TOOLITEM* pTool) {
  ITKMarkupCaptionApi* pApi = TKMarkupCaptionApi();
  if (pApi == nullptr || m_pMarkupContext == nullptr || !ParseText(pApi, GetToolText(pTool)))
    return CalcBaseSize(pTool);
  CSize sizeFrame = FrameOf(m_pContext->GetMargin());
  SIZE size = pApi->MeasureMarkupElement(m_pElement, m_pContext->GetMaxTipWidth() - sizeFrame.cx,
                                         0x7FFFFFFF);
  return CSize(size.cx + sizeFrame.cx + 1, size.cy + sizeFrame.cy + 1);
}

void CTKToolTipContext::CMarkupToolTip::DrawEntry(CDC* pDC, TOOLITEM* pTool, CRect rc) {
  ITKMarkupCaptionApi* pApi = TKMarkupCaptionApi();
  if (pApi == nullptr || m_pElement == nullptr) {
    DrawBaseEntry(pDC, pTool, rc);
    return;
  }
  CRect rcContent = GetContentRect(rc);
  pApi->RenderMarkupElement(m_pElement, pDC->GetSafeHdc(), &rcContent);
}

void CTKToolTipContext::CMarkupToolTip::DrawBackground(CDC* pDC, TOOLITEM*, CRect rc) {
  COfficeToolTip::DrawOfficeBackground(pDC, rc);
}

CTKToolTipContext::CRichEditToolTip::CRichEditToolTip(CTKToolTipContext* pContext)
    : CTKToolTipContextToolTip(pContext), m_pRender(new CTKRichRender()) {}

CTKToolTipContext::CRichEditToolTip::~CRichEditToolTip() { delete m_pRender; }

CSize CTKToolTipContext::CRichEditToolTip::CalcSize(TOOLITEM* pTool) {
  if (!m_pRender->HasTextServices()) return CSize(0, 0);
  // The text services give an empty text the height of a line.
  CString strText = GetToolText(pTool);
  if (strText.IsEmpty()) return CSize(0, 0);
  CClientDC dc(this);
  CHARFORMATW cf;
  memset(&cf, 0, sizeof cf);
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_COLOR;
  cf.crTextColor = m_pContext->GetTextColor();
  LOGFONT lf;
  if (m_pContext->GetFont()->GetLogFont(&lf)) {
    cf.dwMask |= CFM_FACE | CFM_SIZE;
    ::MultiByteToWideChar(CP_ACP, 0, lf.lfFaceName, -1, cf.szFaceName, LF_FACESIZE);
    cf.szFaceName[LF_FACESIZE - 1] = L'\0';
    cf.yHeight = -::MulDiv(lf.lfHeight, 1440, dc.GetDeviceCaps(LOGPIXELSY));
  }
  m_pRender->SetText(nullptr);
  m_pRender->SetDefaultCharFormat(cf);
  m_pRender->SetText(strText);
  CSize sizeFrame = FrameOf(m_pContext->GetMargin());
  CSize size = m_pRender->GetTextExtent(&dc, m_pContext->GetMaxTipWidth() - sizeFrame.cx);
  if (size.cx == 0 || size.cy == 0) return CSize(0, 0);
  return size + sizeFrame;
}

void CTKToolTipContext::CRichEditToolTip::DrawEntry(CDC* pDC, TOOLITEM*, CRect rc) {
  m_pRender->Draw(pDC, GetContentRect(rc));
}

// The windowless rich-text renderer and the search for the newest rich-edit
// library.
#include "common/TKRichRender.h"

#include <initguid.h>

#include "common/TKScopedHandle.h"

namespace {

// Named here rather than taken from a system library: not every import
// library carries them.
const IID kIID_ITextServices = {
    0x8D33F740, 0xCF58, 0x11CE, {0xA8, 0x9D, 0x00, 0xAA, 0x00, 0x6C, 0xAD, 0xC5}};
const IID kIID_ITextHost = {
    0xC5BDD8D0, 0xD26E, 0x11CE, {0xA8, 0x9E, 0x00, 0xAA, 0x00, 0x6C, 0xAD, 0xC5}};

struct RichEditClass {
  LPCSTR lpszClass;
  int nLibrary;
};

const RichEditClass kClasses[] = {
    {"RichEdit10A", 0}, {"RichEdit20A", 1}, {"RichEdit30A", 1},
    {"RichEdit31A", 1}, {"RichEdit40A", 1}, {"RichEdit41A", 2},
    {"RichEdit50A", 2}, {"RichEdit60A", 2}, {"RichEdit70A", 2},
};
const int kClassCount = sizeof kClasses / sizeof kClasses[0];
const LPCSTR kLibraries[] = {"riched32.dll", "riched20.dll", "msftedit.dll"};

// Loaded once and never freed: rich-edit windows of the program may use them
// until the end.
HMODULE LibraryOf(int nIndex) {
  static HMODULE s_modules[3] = {NULL, NULL, NULL};
  int nLibrary = kClasses[nIndex].nLibrary;
  if (s_modules[nLibrary] == NULL) s_modules[nLibrary] = ::LoadLibraryA(kLibraries[nLibrary]);
  return s_modules[nLibrary];
}

BOOL TestClass(int nIndex, WNDCLASSA& wndClass) {
  HMODULE hModule = LibraryOf(nIndex);
  if (hModule == NULL) return FALSE;
  WNDCLASSA wc;
  if (!::GetClassInfoA(NULL, kClasses[nIndex].lpszClass, &wc)) return FALSE;
  wc.hInstance = hModule;
  wndClass = wc;
  return TRUE;
}

struct StreamSource {
  const char* pText;
  size_t nLength;
  size_t nPos;
};

}  // namespace

BOOL AFXAPI FindRichEditClass(BOOL bSkip, int nMode, int& nIndex, WNDCLASSA& wndClass) {
  if (bSkip) return FALSE;
  if (nMode == 0) return nIndex >= 0 && nIndex < kClassCount && TestClass(nIndex, wndClass);
  if (nMode == 2) nIndex = 0;
  for (int i = kClassCount - 1; i >= nIndex && i >= 0; i--) {
    if (TestClass(i, wndClass)) {
      nIndex = i;
      return TRUE;
    }
  }
  return FALSE;
}

BEGIN_INTERFACE_MAP(CTKRichRender, CCmdTarget)
INTERFACE_PART(CTKRichRender, kIID_ITextHost, TextHost)
END_INTERFACE_MAP()

CTKRichRender::CTKRichRender() {
  NONCLIENTMETRICSA ncm;
  memset(&ncm, 0, sizeof ncm);
  ncm.cbSize = sizeof ncm;
  ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);

  memset(&m_cfDefault, 0, sizeof m_cfDefault);
  m_cfDefault.cbSize = sizeof m_cfDefault;
  m_cfDefault.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC |
                       CFM_UNDERLINE | CFM_STRIKEOUT;
  CTKScopedWindowDC screen(NULL);
  m_cfDefault.yHeight =
      -::MulDiv(ncm.lfMessageFont.lfHeight, 1440, ::GetDeviceCaps(screen.Get(), LOGPIXELSY));
  m_cfDefault.crTextColor = ::GetSysColor(COLOR_BTNTEXT);
  m_cfDefault.bCharSet = 0;
  ::MultiByteToWideChar(CP_ACP, 0, ncm.lfMessageFont.lfFaceName, -1, m_cfDefault.szFaceName,
                        LF_FACESIZE);
  m_cfDefault.szFaceName[LF_FACESIZE - 1] = L'\0';

  memset(&m_pfDefault, 0, sizeof m_pfDefault);
  m_pfDefault.cbSize = sizeof m_pfDefault;
  m_pfDefault.dwMask = PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_ALIGNMENT |
                       PFM_TABSTOPS | PFM_NUMBERING | PFM_RTLPARA | PFM_OFFSETINDENT;
  m_pfDefault.wAlignment = PFA_LEFT;

  WNDCLASSA wc;
  int nIndex = 1;
  if (!FindRichEditClass(FALSE, 1, nIndex, wc)) return;
  m_hModule = wc.hInstance;
  PCreateTextServices pfnCreate =
      reinterpret_cast<PCreateTextServices>(::GetProcAddress(m_hModule, "CreateTextServices"));
  if (pfnCreate == nullptr) return;
  IUnknown* pUnknown = nullptr;
  if (FAILED(pfnCreate(NULL, &m_xTextHost, &pUnknown)) || pUnknown == nullptr) return;
  pUnknown->QueryInterface(kIID_ITextServices, reinterpret_cast<void**>(&m_pTextServices));
  pUnknown->Release();
}

// The text services hold the host, which lives inside this object; releasing
// them here ends that before the host goes.
CTKRichRender::~CTKRichRender() {
  if (m_pTextServices != nullptr) m_pTextServices->Release();
  m_pTextServices = nullptr;
}

void CTKRichRender::SetDefaultCharFormat(const CHARFORMATW& cf) {
  m_cfDefault = cf;
  if (m_pTextServices == nullptr) return;
  LRESULT lResult = 0;
  m_pTextServices->TxSendMessage(EM_SETCHARFORMAT, SCF_DEFAULT,
                                 reinterpret_cast<LPARAM>(&m_cfDefault), &lResult);
}

long CTKRichRender::SetText(LPCSTR lpszText) {
  if (m_pTextServices == nullptr) return 0;
  if (lpszText == nullptr || *lpszText == '\0') {
    m_pTextServices->TxSetText(L"");
    return 0;
  }
  if (*lpszText == '{') {
    long nRead = StreamIn(lpszText, SF_RTF);
    if (nRead > 0) return nRead;
  }
  return StreamIn(lpszText, SF_TEXT);
}

long CTKRichRender::StreamIn(LPCSTR lpszText, UINT nFormat) {
  StreamSource source = {lpszText, strlen(lpszText), 0};
  EDITSTREAM es;
  es.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  es.dwError = 0;
  es.pfnCallback = &CTKRichRender::StreamInCallback;
  LRESULT lResult = 0;
  m_pTextServices->TxSendMessage(EM_STREAMIN, nFormat, reinterpret_cast<LPARAM>(&es), &lResult);
  return static_cast<long>(lResult);
}

DWORD CALLBACK CTKRichRender::StreamInCallback(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb,
                                               LONG* pcb) {
  StreamSource* pSource = reinterpret_cast<StreamSource*>(dwCookie);
  size_t nLeft = pSource->nLength - pSource->nPos;
  size_t nRead = cb < 0 ? 0 : (static_cast<size_t>(cb) < nLeft ? static_cast<size_t>(cb) : nLeft);
  memcpy(pbBuff, pSource->pText + pSource->nPos, nRead);
  pSource->nPos += nRead;
  *pcb = static_cast<LONG>(nRead);
  return 0;
}

void CTKRichRender::RequestSizeAt(HDC hDC, int nWidth) {
  RECTL rcBounds = {0, 0, nWidth, 1};
  m_rcDraw.SetRect(0, 0, nWidth, 1);
  m_pTextServices->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, hDC, nullptr, &rcBounds, nullptr,
                          nullptr, nullptr, 0, TXTVIEW_INACTIVE);
}

// A binary search for the narrowest width that keeps the height the text has
// at the given width: the text services only tell their wanted size while
// they draw.
CSize CTKRichRender::GetTextExtent(CDC* pDC, int nWidth) {
  if (m_pTextServices == nullptr) return CSize(0, 0);
  LRESULT lResult = 0;
  m_pTextServices->TxSendMessage(EM_SETEVENTMASK, 0, ENM_REQUESTRESIZE, &lResult);
  HDC hDC = pDC->GetSafeHdc();
  int nLow = 0;
  int nHigh = 2 * nWidth;
  int nReference = -1;
  BOOL bTooNarrow = FALSE;
  while (nLow <= nHigh) {
    int nMiddle = (nLow + nHigh) / 2;
    RequestSizeAt(hDC, nMiddle);
    if (nReference < 0) nReference = m_sizeRequest.cy;
    bTooNarrow = m_sizeRequest.cy > nReference;
    if (bTooNarrow)
      nLow = nMiddle + 1;
    else
      nHigh = nMiddle - 1;
  }
  if (bTooNarrow) RequestSizeAt(hDC, nHigh + 1);
  return m_sizeRequest;
}

void CTKRichRender::Draw(CDC* pDC, const CRect& rc) {
  if (m_pTextServices == nullptr) return;
  RECTL rcBounds = {rc.left, rc.top, rc.right, rc.bottom};
  m_rcDraw = rc;
  m_pTextServices->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, pDC->GetSafeHdc(), nullptr,
                          &rcBounds, nullptr, nullptr, nullptr, 0, TXTVIEW_INACTIVE);
}

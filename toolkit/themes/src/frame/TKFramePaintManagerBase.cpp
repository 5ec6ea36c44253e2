// CTKFramePaintManagerBase: geometry, icon, caption buttons and caption text.
#include "themes/TKFramePaintManagerBase.h"

#include <afxpriv.h>

#include <algorithm>

#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImages.h"
#include "common/TKScopedHandle.h"
#include "themes/TKPaintManagerBase.h"

namespace {
const char kSection[] = "CommandBars.Frame";
// DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS
const UINT kCaptionTextFormat = 0x8824;
// How long a window may take to hand out its drag icon before the caption
// shows the system's.
const UINT kDragIconTimeout = 100;

COLORREF ColorOrNone(const CTKPaintManagerColor& clr) { return static_cast<COLORREF>(clr); }
}  // namespace

const CTKFramePaintManagerBase::FrameMetrics& AFX_CDECL CTKFramePaintManagerBase::GetFrameMetrics() {
  static const FrameMetrics metrics = {::GetSystemMetrics(SM_CYBORDER), ::GetSystemMetrics(SM_CYCAPTION),
                                       ::GetSystemMetrics(SM_CYFRAME), ::GetSystemMetrics(SM_CXSMICON),
                                       ::GetSystemMetrics(SM_CYSMICON)};
  return metrics;
}

CTKFramePaintManagerBase::CTKFramePaintManagerBase(CTKPaintManagerBase* pOwner)
    : m_bStatusBarPanes(FALSE),
      m_bRoundedBottom(FALSE),
      m_nCaptionHeight(::GetSystemMetrics(SM_CYCAPTION)),
      m_bFlatFrame(FALSE),
      m_bCaptionCenterAligned(FALSE),
      m_hIcon(NULL),
      m_szIcon(0, 0),
      m_rcIconMargin(0, 0, 0, 0),
      m_rcCaptionButtonMargin(0, 0, 0, 0),
      m_szCaptionButton(::GetSystemMetrics(SM_CYSIZE), ::GetSystemMetrics(SM_CYSIZE)),
      m_pOwner(pOwner) {}

CTKFramePaintManagerBase::~CTKFramePaintManagerBase() { m_fontFrameCaption.DeleteObject(); }

// Geometry ---------------------------------------------------------------------

void CTKFramePaintManagerBase::GetFrameRects(HWND hWnd, CRect* pWindow, CRect* pClient) {
  CRect rcWindow(0, 0, 0, 0), rcClient(0, 0, 0, 0);
  if (::IsWindow(hWnd)) {
    ::GetWindowRect(hWnd, &rcWindow);
    ::GetClientRect(hWnd, &rcClient);
    ::MapWindowPoints(hWnd, NULL, reinterpret_cast<POINT*>(&rcClient), 2);
    rcClient.OffsetRect(-rcWindow.TopLeft());
    rcWindow.OffsetRect(-rcWindow.TopLeft());
  }
  if (pWindow != nullptr) *pWindow = rcWindow;
  if (pClient != nullptr) *pClient = rcClient;
}

CRect CTKFramePaintManagerBase::GetFrameBorders(CTKCommandBarsFrameHook* pHook) {
  CRect rc(0, 0, 0, 0);
  ::AdjustWindowRectEx(&rc, pHook->GetSiteStyle(), FALSE, pHook->GetSiteExStyle());
  const int nBorder = -rc.left;
  return CRect(nBorder, nBorder, nBorder, nBorder);
}

CRect CTKFramePaintManagerBase::CalcCaptionRect(CTKCommandBarsFrameHook* pHook) {
  CRect rcWindow, rcClient;
  GetFrameRects(pHook->GetSite(), &rcWindow, &rcClient);
  const CRect rcBorders = GetFrameBorders(pHook);
  return CRect(rcWindow.left + rcBorders.left, rcWindow.top + rcBorders.top,
               rcWindow.right - rcBorders.right, rcClient.top);
}

CSize CTKFramePaintManagerBase::GetCaptionButtonSize(UINT, CTKCommandBarsFrameHook*) {
  return m_szCaptionButton;
}

void CTKFramePaintManagerBase::RefreshMetrics() {
  CTKDpiHelper* pDpi = TKDpiHelper();
  m_rcIconMargin = pDpi->ScaleRect(
      GetThemeIniRect(kSection, "IconMargin", pDpi->UnscaleRect(m_rcIconMargin)));
  m_rcCaptionButtonMargin = pDpi->ScaleRect(
      GetThemeIniRect(kSection, "CaptionButtonMargin", pDpi->UnscaleRect(m_rcCaptionButtonMargin)));
  const CSize szButton = GetThemeIniSize(
      kSection, "CaptionButtonSize",
      CSize(pDpi->UnscaleX(m_szCaptionButton.cx), pDpi->UnscaleY(m_szCaptionButton.cy)));
  m_szCaptionButton = CSize(pDpi->ScaleX(szButton.cx), pDpi->ScaleY(szButton.cy));
  m_nCaptionHeight =
      pDpi->ScaleY(GetThemeIniInt(kSection, "CaptionHeight", pDpi->UnscaleY(m_nCaptionHeight)));
  m_bCaptionCenterAligned = GetThemeIniInt(kSection, "CaptionCenterAligned", m_bCaptionCenterAligned);
}

// Icons --------------------------------------------------------------------------

HICON AFX_CDECL CTKFramePaintManagerBase::GetFrameSmallIcon(HWND hWnd) {
  if (hWnd == NULL) return NULL;
  const DWORD dwStyle = static_cast<DWORD>(::GetWindowLong(hWnd, GWL_STYLE));
  const DWORD dwExStyle = static_cast<DWORD>(::GetWindowLong(hWnd, GWL_EXSTYLE));
  if ((dwExStyle & WS_EX_TOOLWINDOW) != 0 || (dwStyle & WS_SYSMENU) == 0) return NULL;
  HICON hIcon = reinterpret_cast<HICON>(::SendMessage(hWnd, WM_GETICON, ICON_SMALL, 0));
  if (hIcon == NULL) hIcon = reinterpret_cast<HICON>(::GetClassLongPtr(hWnd, GCLP_HICONSM));
  if (hIcon != NULL) return hIcon;
  const BOOL bDialogFrame = (dwStyle & WS_DLGFRAME) != 0 && (dwStyle & WS_BORDER) == 0;
  if (bDialogFrame || (dwExStyle & WS_EX_DLGMODALFRAME) != 0) return NULL;
  DWORD_PTR dwResult = 0;
  if (::SendMessageTimeout(hWnd, WM_QUERYDRAGICON, 0, 0, SMTO_NORMAL, kDragIconTimeout,
                           &dwResult) != 0 &&
      dwResult != 0)
    return reinterpret_cast<HICON>(dwResult);
  return ::LoadIcon(NULL, IDI_WINLOGO);
}

HICON AFX_CDECL CTKFramePaintManagerBase::GetFrameIcon(HWND hWnd) {
  if (hWnd == NULL) return NULL;
  HICON hIcon = reinterpret_cast<HICON>(::SendMessage(hWnd, WM_GETICON, ICON_BIG, 0));
  if (hIcon == NULL) hIcon = reinterpret_cast<HICON>(::GetClassLongPtr(hWnd, GCLP_HICON));
  return hIcon;
}

CTKResourceImages* AFX_CDECL CTKFramePaintManagerBase::GetThemeResourceImages() {
  return TKResourceImages();
}

CTKResourceImage* AFX_CDECL CTKFramePaintManagerBase::LoadThemeImage(LPCSTR lpszName) {
  return TKResourceImages()->LoadImage(lpszName);
}

// Drawing --------------------------------------------------------------------------

void CTKFramePaintManagerBase::DrawFrameIcon(CDC* pDC, CTKCommandBarsFrameHook* pHook,
                                             CRect& rcCaption) {
  HICON hIcon = m_hIcon;
  CSize szIcon = m_szIcon;
  if (hIcon != NULL && szIcon == CSize(0, 0)) {
    CTKScopedIconInfo info(hIcon);
    BITMAP bitmap = {};
    HBITMAP hBitmap = info.GetColor() != NULL ? info.GetColor() : info.GetMask();
    if (info && ::GetObject(hBitmap, sizeof(bitmap), &bitmap) != 0)
      szIcon = CSize(bitmap.bmWidth, bitmap.bmHeight);
  }
  if (hIcon == NULL) {
    hIcon = GetFrameSmallIcon(pHook->GetSite());
    szIcon = CSize(GetFrameMetrics().cxSmallIcon, GetFrameMetrics().cySmallIcon);
  }
  if (hIcon == NULL) return;
  const int x = rcCaption.left + m_rcIconMargin.left;
  const int y = rcCaption.top + (rcCaption.Height() - szIcon.cy) / 2;
  // Mirrored DCs would draw the icon mirrored too.
  const DWORD dwLayout = ::GetLayout(pDC->GetSafeHdc());
  const BOOL bRtl = dwLayout != GDI_ERROR && (dwLayout & LAYOUT_RTL) != 0;
  if (bRtl) ::SetLayout(pDC->GetSafeHdc(), dwLayout | LAYOUT_BITMAPORIENTATIONPRESERVED);
  ::DrawIconEx(pDC->GetSafeHdc(), x, y, hIcon, szIcon.cx, szIcon.cy, 0, NULL, DI_NORMAL);
  if (bRtl) ::SetLayout(pDC->GetSafeHdc(), dwLayout);
  rcCaption.left += m_rcIconMargin.left + szIcon.cx + m_rcIconMargin.right;
}

void CTKFramePaintManagerBase::DrawCaptionButtons(CDC* pDC, CTKCommandBarsFrameHook* pHook,
                                                  CRect& rcCaption) {
  CTKControls* pButtons = pHook->GetCaptionButtons();
  if (pButtons == nullptr) return;
  const BOOL bActive = pHook->IsActive();
  for (int i = 0; i < pButtons->GetCount(); ++i) {
    CTKControl* pButton = pButtons->GetAt(i);
    if (!pButton->IsVisible()) continue;
    const BOOL bHot = pButton == pHook->GetHotButton();
    const CRect rcButton = pButton->GetRect();
    DrawCaptionButton(pDC, rcButton, pButton->GetID(), bHot, bHot && pHook->IsButtonPressed(),
                      pButton->GetEnabled() && bActive);
    rcCaption.right = std::min(rcCaption.right, rcButton.left);
  }
}

void CTKFramePaintManagerBase::FillCaptionBackground(CDC* pDC, CRect rc, HWND, BOOL bActive) {
  const COLORREF clr = ColorOrNone(bActive ? m_clrCaptionBackActive : m_clrCaptionBackInactive);
  if (clr != CTKPaintManagerColor::COLORREF_NONE) pDC->FillSolidRect(rc, clr);
}

CString CTKFramePaintManagerBase::GetTitleSuffix(HWND hWnd, const CString& strText) {
  if ((::GetWindowLong(hWnd, GWL_STYLE) & FWS_PREFIXTITLE) == 0 ||
      (::GetWindowLong(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0)
    return CString();
  CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(hWnd));
  if (pFrame == nullptr) return CString();
  const CString strTitle = pFrame->GetTitle();
  if (strTitle.IsEmpty() || strText.GetLength() < strTitle.GetLength() ||
      strText.Right(strTitle.GetLength()) != strTitle)
    return CString();
  return strTitle;
}

void CTKFramePaintManagerBase::DrawCaptionText(CDC* pDC, CRect rc, HWND hWnd, BOOL bActive) {
  CString strText;
  const int nLength = ::GetWindowTextLength(hWnd);
  if (nLength > 0) {
    ::GetWindowText(hWnd, strText.GetBuffer(nLength + 1), nLength + 1);
    strText.ReleaseBuffer();
  }
  pDC->SetBkMode(TRANSPARENT);
  CFont* pOldFont =
      m_fontFrameCaption.GetSafeHandle() != NULL ? pDC->SelectObject(&m_fontFrameCaption) : nullptr;
  pDC->SetTextColor(ColorOrNone(bActive ? m_clrCaptionTextActive : m_clrCaptionTextInactive));

  const CString strTitle = GetTitleSuffix(hWnd, strText);
  if (strTitle.IsEmpty()) {
    pDC->DrawText(strText, rc, kCaptionTextFormat | (m_bCaptionCenterAligned ? DT_CENTER : 0));
  } else {
    const CString strDocument = strText.Left(strText.GetLength() - strTitle.GetLength());
    pDC->DrawText(strDocument, rc, kCaptionTextFormat);
    CTKDpiHelper* pDpi = TKDpiHelper();
    rc.left += pDC->GetTextExtent(strDocument).cx + pDpi->ScaleX(2);
    if (rc.left < rc.right - pDpi->ScaleX(5)) {
      pDC->SetTextColor(ColorOrNone(bActive ? m_clrCaptionTextTitle : m_clrCaptionTextInactive));
      pDC->DrawText(strTitle, rc, kCaptionTextFormat);
    }
  }
  if (pOldFont != nullptr) pDC->SelectObject(pOldFont);
}

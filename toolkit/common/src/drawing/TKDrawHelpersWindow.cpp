// Layout direction, window rectangles and texts, paint messages and window classes.
#include "common/TKDrawHelpers.h"

namespace {

typedef DWORD(WINAPI* PFNGETLAYOUT)(HDC);
typedef DWORD(WINAPI* PFNSETLAYOUT)(HDC, DWORD);

// GDI32's layout functions, looked up once.
FARPROC LayoutEntry(const char* lpszName) {
  HMODULE hGdi = ::GetModuleHandleA("GDI32.DLL");
  return hGdi != nullptr ? ::GetProcAddress(hGdi, lpszName) : nullptr;
}

PFNGETLAYOUT GetLayoutEntry() {
  static PFNGETLAYOUT pfn = reinterpret_cast<PFNGETLAYOUT>(LayoutEntry("GetLayout"));
  return pfn;
}

PFNSETLAYOUT SetLayoutEntry() {
  static PFNSETLAYOUT pfn = reinterpret_cast<PFNSETLAYOUT>(LayoutEntry("SetLayout"));
  return pfn;
}

BOOL IsLayoutRtl(HWND hWnd) { return (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0; }

}  // namespace

CTKWindowRect::CTKWindowRect(HWND hWnd) : CRect(0, 0, 0, 0) {
  if (::IsWindow(hWnd)) ::GetWindowRect(hWnd, this);
}

CTKWindowRect::CTKWindowRect(const CWnd* pWnd)
    : CTKWindowRect(pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr) {}

CTKClientRect::CTKClientRect(HWND hWnd) : CRect(0, 0, 0, 0) {
  if (::IsWindow(hWnd)) ::GetClientRect(hWnd, this);
}

CTKClientRect::CTKClientRect(const CWnd* pWnd)
    : CTKClientRect(pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr) {}

BOOL AFXAPI IsHdcRightToLeft(HDC hDC) {
  PFNGETLAYOUT pfn = GetLayoutEntry();
  return pfn != nullptr && (pfn(hDC) & LAYOUT_RTL) != 0;
}

BOOL AFXAPI IsRightToLeftDC(HDC hDC) { return IsHdcRightToLeft(hDC); }

BOOL AFXAPI IsDCRightToLeft(CDC* pDC) {
  return pDC != nullptr && IsHdcRightToLeft(pDC->GetSafeHdc());
}

BOOL AFXAPI IsDCRightToLeftDirect(CDC* pDC) { return IsDCRightToLeft(pDC); }

void AFXAPI SetHdcLayout(HDC hDC, DWORD dwLayout) {
  if (PFNSETLAYOUT pfn = SetLayoutEntry()) pfn(hDC, dwLayout);
}

void AFXAPI SetDCLayout(CDC* pDC, DWORD dwLayout) {
  if (pDC != nullptr) SetHdcLayout(pDC->GetSafeHdc(), dwLayout);
}

void AFXAPI SwapArrowKeysForRtl(CWnd* pWnd, UINT& nChar) {
  if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr || !IsLayoutRtl(pWnd->GetSafeHwnd()))
    return;
  if (nChar == VK_LEFT)
    nChar = VK_RIGHT;
  else if (nChar == VK_RIGHT)
    nChar = VK_LEFT;
}

void AFXAPI ScreenToWindowPoint(CWnd* pWnd, CPoint& point) {
  const CTKWindowRect rc(pWnd);
  point.y -= rc.top;
  if (pWnd != nullptr && IsLayoutRtl(pWnd->GetSafeHwnd()))
    point.x = rc.right - point.x;
  else
    point.x -= rc.left;
}

BOOL AFXAPI IsTopParentActive(HWND hWnd) {
  HWND hTop = hWnd;
  for (HWND hParent; (hParent = AfxGetParentOwner(hTop)) != nullptr;) hTop = hParent;
  return hTop != nullptr && ::GetLastActivePopup(hTop) == ::GetForegroundWindow();
}

void AFXAPI GetWindowTextString(HWND hWnd, CString& strText) {
  const int nLength = ::GetWindowTextLengthA(hWnd);
  ::GetWindowTextA(hWnd, strText.GetBufferSetLength(nLength), nLength + 1);
  strText.ReleaseBuffer();
}

BOOL AFXAPI PumpPaintMessages(HWND hWnd) {
  static const UINT kPaintMessages[] = {WM_PAINT, WM_ERASEBKGND, WM_SYNCPAINT, WM_NCPAINT};
  for (;;) {
    MSG msg;
    if (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) return FALSE;
    bool bFound = false;
    for (UINT nMessage : kPaintMessages) {
      if (!::PeekMessageA(&msg, hWnd, nMessage, nMessage, PM_REMOVE)) continue;
      if (msg.message == WM_QUIT) {
        // Taken by the filter: put the request back for the message loop.
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return FALSE;
      }
      ::DispatchMessageA(&msg);
      ::ValidateRect(msg.hwnd, nullptr);
      bFound = true;
      break;
    }
    if (!bFound) return TRUE;
  }
}

BOOL AFXAPI RegisterWindowClass(HINSTANCE hInstance, LPCTSTR lpszClassName, UINT nStyle,
                                HICON hIcon, HBRUSH hbrBackground) {
  if (hInstance == nullptr) hInstance = AfxGetInstanceHandle();
  if (hInstance == nullptr) hInstance = ::GetModuleHandleA(nullptr);
  WNDCLASSA wc = {};
  wc.style = nStyle;
  wc.lpfnWndProc = ::DefWindowProcA;
  wc.hInstance = hInstance;
  wc.hIcon = hIcon;
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = hbrBackground;
  wc.lpszClassName = lpszClassName;
  return AfxRegisterClass(&wc);
}

CRect AFXAPI AlignRectParity(int nLeft, int nTop, int nRight, int nBottom) {
  CRect rc(nLeft, nTop, nRight, nBottom);
  const int cx = rc.Width(), cy = rc.Height();
  const bool bOddWidth = (cx & 1) != 0, bOddHeight = (cy & 1) != 0;
  if (bOddWidth == bOddHeight) return rc;
  if (bOddWidth) {
    rc.right -= 1;
    if (cy > cx) {
      rc.left += 1;
      rc.bottom -= 1;
    }
  } else {
    rc.bottom -= 1;
    if (cx > cy) {
      rc.top += 1;
      rc.right -= 1;
    }
  }
  return rc;
}

// COffScreenDeviceContext: a window's client area in memory.
#include "uilib/OffScreenDeviceContext.h"

#include <algorithm>

#include "common/TKScopedHandle.h"

COffScreenDeviceContext::COffScreenDeviceContext()
    : m_hWnd(NULL),
      m_crBackground(RGB(255, 255, 255)),
      m_hMemoryDC(NULL),
      m_hBitmap(NULL),
      m_hPreviousBitmap(NULL),
      m_rcClient() {}

COffScreenDeviceContext::~COffScreenDeviceContext() { Release(); }

bool COffScreenDeviceContext::Create() {
  Release();
  if (m_hWnd == NULL) return false;
  ::GetClientRect(m_hWnd, &m_rcClient);
  CTKScopedWindowDC windowDC(m_hWnd);
  if (!windowDC) return false;
  m_hMemoryDC = ::CreateCompatibleDC(windowDC.Get());
  if (m_hMemoryDC == NULL) return false;
  m_hBitmap = ::CreateCompatibleBitmap(windowDC.Get(), m_rcClient.right - m_rcClient.left,
                                       m_rcClient.bottom - m_rcClient.top);
  if (m_hBitmap == NULL) {
    ::DeleteDC(m_hMemoryDC);
    m_hMemoryDC = NULL;
    return false;
  }
  m_hPreviousBitmap = ::SelectObject(m_hMemoryDC, m_hBitmap);
  return true;
}

bool COffScreenDeviceContext::Release() {
  if (m_hMemoryDC == NULL) return false;
  ::SelectObject(m_hMemoryDC, m_hPreviousBitmap);
  ::DeleteObject(m_hBitmap);
  ::DeleteDC(m_hMemoryDC);
  m_hMemoryDC = NULL;
  m_hBitmap = NULL;
  m_hPreviousBitmap = NULL;
  return true;
}

HDC COffScreenDeviceContext::GetMemoryDC() {
  if (m_hMemoryDC == NULL) Create();
  return m_hMemoryDC;
}

bool COffScreenDeviceContext::FillBackground(bool gradient) {
  if (m_hMemoryDC == NULL) return false;
  if (gradient) return FillGradient();
  CTKScopedPen pen(::CreatePen(PS_SOLID, 1, m_crBackground));
  CTKScopedBrush brush(::CreateSolidBrush(m_crBackground));
  CTKSelectGuard selectPen(m_hMemoryDC, pen.Get());
  CTKSelectGuard selectBrush(m_hMemoryDC, brush.Get());
  return ::Rectangle(m_hMemoryDC, 0, 0, m_rcClient.right - m_rcClient.left,
                     m_rcClient.bottom - m_rcClient.top) != FALSE;
}

bool COffScreenDeviceContext::FillGradient() {
  const int nWidth = m_rcClient.right - m_rcClient.left;
  const int nHeight = m_rcClient.bottom - m_rcClient.top;
  if (nHeight < 1) return false;
  const int r = GetRValue(m_crBackground), g = GetGValue(m_crBackground),
            b = GetBValue(m_crBackground);
  const double step = (255 - std::min(r, std::min(g, b))) / static_cast<double>(nHeight);
  for (int i = 0; i < nHeight; ++i) {
    const int d = static_cast<int>(i * step);
    CTKScopedPen pen(::CreatePen(
        PS_SOLID, 1, RGB(std::min(r + d, 255), std::min(g + d, 255), std::min(b + d, 255))));
    CTKSelectGuard selectPen(m_hMemoryDC, pen.Get());
    ::MoveToEx(m_hMemoryDC, 0, i, NULL);
    ::LineTo(m_hMemoryDC, nWidth, i);
  }
  return true;
}

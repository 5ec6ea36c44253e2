// Design-value scaling with precomputed tables for the small values that most
// paint and layout code passes.
#include "common/TKDpiHelper.h"

#include "common/TKSingletonPointer.h"

TK_IMPLEMENT_SINGLETON(CTKDpiHelper, TKDpiHelper)

CTKDpiHelper::CTKDpiHelper() {
  Init(NULL);
  m_bScreen = TRUE;
}

CTKDpiHelper::CTKDpiHelper(HWND hWnd) { Init(hWnd); }

CTKDpiHelper::~CTKDpiHelper() {
  if (m_bRelease) ::ReleaseDC(m_hWnd, m_hDC);
}

void CTKDpiHelper::Init(HWND hWnd) {
  m_bFixed = FALSE;
  m_bScreen = FALSE;
  m_hWnd = hWnd;
  // A window that is gone gives no DC rather than the screen's.
  m_hDC = hWnd == NULL || ::IsWindow(hWnd) ? ::GetDC(hWnd) : NULL;
  m_bRelease = m_hDC != NULL;
  m_nDpiX = 96;
  m_nDpiY = 96;
}

void CTKDpiHelper::SetDpi() {
  if (m_bFixed) return;
  m_nDpiX = m_hDC ? ::GetDeviceCaps(m_hDC, LOGPIXELSX) : 0;
  m_nDpiY = m_hDC ? ::GetDeviceCaps(m_hDC, LOGPIXELSY) : 0;
  BuildTables();
  m_bFixed = TRUE;
}

void CTKDpiHelper::OverrideDpi(int nDpiX, int nDpiY) {
  m_nDpiX = nDpiX;
  m_nDpiY = nDpiY;
  BuildTables();
  m_bFixed = TRUE;
}

void CTKDpiHelper::BuildTables() {
  BOOL bIdentity = m_nDpiX == 0 || m_nDpiY == 0;
  for (int n = 0; n < kTableSize; ++n) {
    m_arrPositive[n][0] = bIdentity ? n : ::MulDiv(n, m_nDpiX, 96);
    m_arrPositive[n][1] = bIdentity ? n : ::MulDiv(n, m_nDpiY, 96);
    m_arrNegative[n][0] = bIdentity ? -n : ::MulDiv(-n, m_nDpiX, 96);
    m_arrNegative[n][1] = bIdentity ? -n : ::MulDiv(-n, m_nDpiY, 96);
  }
}

int CTKDpiHelper::GetDpiX() {
  SetDpi();
  return m_nDpiX;
}

int CTKDpiHelper::GetDpiY() {
  SetDpi();
  return m_nDpiY;
}

BOOL CTKDpiHelper::IsDefaultDpiX() { return ScaleX(96, 96) == 96; }
BOOL CTKDpiHelper::IsDefaultDpiY() { return ScaleY(96, 96) == 96; }
BOOL CTKDpiHelper::IsDefaultDpi() { return IsDefaultDpiX() && IsDefaultDpiY(); }

int CTKDpiHelper::Scale(int nValue, int nDesignDpi, int nDpi, int nColumn) {
  if (nDesignDpi >= nDpi) return nValue;
  if (nValue >= 0 && nValue < kTableSize) return m_arrPositive[nValue][nColumn];
  if (nValue < 0 && nValue > -kTableSize) return m_arrNegative[-nValue][nColumn];
  return ::MulDiv(nValue, nDpi, 96);
}

int CTKDpiHelper::Unscale(int nValue, int nDesignDpi, int nDpi) {
  if (nDesignDpi >= nDpi) return nValue;
  return static_cast<int>(static_cast<LONGLONG>(nValue) * 96 / nDpi);
}

int CTKDpiHelper::ScaleX(int nValue, int nDesignDpi) {
  SetDpi();
  return Scale(nValue, nDesignDpi, m_nDpiX, 0);
}

int CTKDpiHelper::ScaleY(int nValue, int nDesignDpi) {
  SetDpi();
  return Scale(nValue, nDesignDpi, m_nDpiY, 1);
}

float CTKDpiHelper::ScaleXFloat(float fValue, int nDesignDpi) {
  SetDpi();
  return nDesignDpi >= m_nDpiX ? fValue : static_cast<float>(m_nDpiX * fValue / 96.0);
}

float CTKDpiHelper::ScaleYFloat(float fValue, int nDesignDpi) {
  SetDpi();
  return nDesignDpi >= m_nDpiY ? fValue : static_cast<float>(m_nDpiY * fValue / 96.0);
}

double CTKDpiHelper::ScaleXDouble(double dValue, int nDesignDpi) {
  SetDpi();
  return nDesignDpi >= m_nDpiX ? dValue : m_nDpiX * dValue / 96.0;
}

double CTKDpiHelper::ScaleYDouble(double dValue, int nDesignDpi) {
  SetDpi();
  return nDesignDpi >= m_nDpiY ? dValue : m_nDpiY * dValue / 96.0;
}

int CTKDpiHelper::UnscaleX(int nValue, int nDesignDpi) {
  SetDpi();
  return Unscale(nValue, nDesignDpi, m_nDpiX);
}

int CTKDpiHelper::UnscaleY(int nValue, int nDesignDpi) {
  SetDpi();
  return Unscale(nValue, nDesignDpi, m_nDpiY);
}

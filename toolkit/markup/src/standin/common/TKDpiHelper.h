// Stand-in until the toolkit's DPI helper is on main.
#pragma once
#include <afx.h>
class CTKDpiHelper {
 public:
  CTKDpiHelper() : m_nDpiX(96), m_nDpiY(96) {}
  explicit CTKDpiHelper(HWND) : m_nDpiX(96), m_nDpiY(96) {}
  void OverrideDpi(int x, int y) {
    m_nDpiX = x;
    m_nDpiY = y;
  }
  int ScaleX(int v, int d = 96) { return d >= m_nDpiX ? v : MulDiv(v, m_nDpiX, 96); }
  int ScaleY(int v, int d = 96) { return d >= m_nDpiY ? v : MulDiv(v, m_nDpiY, 96); }
  float ScaleXFloat(float v, int d = 96) { return d >= m_nDpiX ? v : (float)(m_nDpiX * v / 96.0); }
  float ScaleYFloat(float v, int d = 96) { return d >= m_nDpiY ? v : (float)(m_nDpiY * v / 96.0); }
  double ScaleXDouble(double v, int d = 96) { return d >= m_nDpiX ? v : m_nDpiX * v / 96.0; }
  double ScaleYDouble(double v, int d = 96) { return d >= m_nDpiY ? v : m_nDpiY * v / 96.0; }

 private:
  int m_nDpiX, m_nDpiY;
};
CTKDpiHelper* TKDpiHelper();

// The memory device context into which a custom-drawn display paints before
// its picture goes to the screen in one BitBlt, so that it does not flicker.
#pragma once

#include <windows.h>

/// Mirrors the client area of one window. The display points `m_hWnd` at its
/// window and sets `m_crBackground`, creates the context at the start of a
/// paint and releases it at the end, so between paints it holds no GDI
/// objects. UI thread only.
class COffScreenDeviceContext {
 public:
  COffScreenDeviceContext();
  virtual ~COffScreenDeviceContext();

  /// Releases an old memory DC, then makes a memory DC and a compatible
  /// bitmap of the window's client size; false without window or window DC.
  bool Create();
  /// Puts the previous bitmap back and deletes bitmap and memory DC; false
  /// when there is none.
  bool Release();
  bool IsCreated() const { return m_hMemoryDC != NULL; }
  /// The memory DC, created first when there is none; null when that fails.
  HDC GetMemoryDC();
  /// Paints the client rectangle in the background colour; with `gradient`
  /// it fades from that colour at the top towards white at the bottom.
  /// False without memory DC.
  bool FillBackground(bool gradient);
  /// The window's client rectangle at the last Create.
  const RECT& GetClientRect() const { return m_rcClient; }

  /// The window whose client area the context mirrors; set by the owner.
  HWND m_hWnd;
  COLORREF m_crBackground;

 private:
  COffScreenDeviceContext(const COffScreenDeviceContext&) = delete;
  COffScreenDeviceContext& operator=(const COffScreenDeviceContext&) = delete;

  bool FillGradient();

  HDC m_hMemoryDC;
  HBITMAP m_hBitmap;
  HGDIOBJ m_hPreviousBitmap;
  RECT m_rcClient;
};

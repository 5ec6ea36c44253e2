// Owners of Win32 handles: each closes its handle with the one function that
// fits it, once, when it goes. Move-only. CTKSelectGuard puts back what
// SelectObject replaced.
#pragma once

#include <windows.h>

#include <utility>

/// Traits: the handle type, its "none" value and how it is closed.
template <class H, BOOL(WINAPI* pfnClose)(H), LONG_PTR nInvalid = 0>
struct CTKHandleTraits {
  using Handle = H;
  static Handle Invalid() { return reinterpret_cast<Handle>(nInvalid); }
  static void Close(Handle h) { pfnClose(h); }
};

template <class Traits>
class CTKScopedHandle {
 public:
  using Handle = typename Traits::Handle;

  CTKScopedHandle() noexcept : m_h(Traits::Invalid()) {}
  /// Owns `h` (which may be "none").
  explicit CTKScopedHandle(Handle h) noexcept : m_h(h) {}
  CTKScopedHandle(CTKScopedHandle&& other) noexcept : m_h(other.Detach()) {}
  CTKScopedHandle& operator=(CTKScopedHandle&& other) noexcept {
    if (this != &other) Reset(other.Detach());
    return *this;
  }
  CTKScopedHandle(const CTKScopedHandle&) = delete;
  CTKScopedHandle& operator=(const CTKScopedHandle&) = delete;
  ~CTKScopedHandle() { Reset(); }

  /// Closes the handle held, then owns `h`.
  void Reset(Handle h = Traits::Invalid()) noexcept {
    Handle old = m_h;
    m_h = h;
    if (old != Traits::Invalid()) Traits::Close(old);
  }
  /// Hands the handle to the caller, who closes it.
  Handle Detach() noexcept {
    Handle h = m_h;
    m_h = Traits::Invalid();
    return h;
  }

  Handle Get() const noexcept { return m_h; }
  bool IsValid() const noexcept { return m_h != Traits::Invalid(); }
  explicit operator bool() const noexcept { return IsValid(); }

 private:
  Handle m_h;
};

namespace tk_handle_detail {
// DeleteObject takes any GDI object; the typed wrappers keep the holders typed.
template <class H>
BOOL WINAPI DeleteGdiObject(H h) { return ::DeleteObject(reinterpret_cast<HGDIOBJ>(h)); }
}  // namespace tk_handle_detail

template <class H>
using CTKScopedGdiObject =
    CTKScopedHandle<CTKHandleTraits<H, &tk_handle_detail::DeleteGdiObject<H>>>;
using CTKScopedBitmap = CTKScopedGdiObject<HBITMAP>;
using CTKScopedFont = CTKScopedGdiObject<HFONT>;
using CTKScopedBrush = CTKScopedGdiObject<HBRUSH>;
using CTKScopedPen = CTKScopedGdiObject<HPEN>;
using CTKScopedRgn = CTKScopedGdiObject<HRGN>;
/// A DC made by CreateCompatibleDC or CreateDC (deleted, not released).
using CTKScopedCreatedDC = CTKScopedHandle<CTKHandleTraits<HDC, &::DeleteDC>>;
/// A kernel handle whose "none" is NULL (threads, events, processes).
using CTKScopedKernelHandle = CTKScopedHandle<CTKHandleTraits<HANDLE, &::CloseHandle>>;
/// A file or pipe handle, whose "none" is INVALID_HANDLE_VALUE.
using CTKScopedFileHandle =
    CTKScopedHandle<CTKHandleTraits<HANDLE, &::CloseHandle, static_cast<LONG_PTR>(-1)>>;
/// A module this code loaded (never one only looked up by name).
using CTKScopedModule = CTKScopedHandle<CTKHandleTraits<HMODULE, &::FreeLibrary>>;

/// A window's DC from GetDC (null window: the screen), released with it.
class CTKScopedWindowDC {
 public:
  explicit CTKScopedWindowDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
  ~CTKScopedWindowDC() {
    if (m_hDC != NULL) ::ReleaseDC(m_hWnd, m_hDC);
  }
  CTKScopedWindowDC(const CTKScopedWindowDC&) = delete;
  CTKScopedWindowDC& operator=(const CTKScopedWindowDC&) = delete;

  HDC Get() const { return m_hDC; }
  explicit operator bool() const { return m_hDC != NULL; }

 private:
  HWND m_hWnd;
  HDC m_hDC;
};

/// What GetIconInfo tells of an icon or cursor; the two bitmaps it made for
/// the caller are deleted with the holder.
class CTKScopedIconInfo {
 public:
  explicit CTKScopedIconInfo(HICON hIcon) : m_info() {
    if (hIcon == NULL || !::GetIconInfo(hIcon, &m_info)) return;
    m_bValid = true;
    m_color.Reset(m_info.hbmColor);
    m_mask.Reset(m_info.hbmMask);
  }

  /// False when there was no icon or GetIconInfo failed.
  explicit operator bool() const { return m_bValid; }
  const ICONINFO& Get() const { return m_info; }
  /// Null for a monochrome icon, whose mask holds both halves.
  HBITMAP GetColor() const { return m_color.Get(); }
  HBITMAP GetMask() const { return m_mask.Get(); }

 private:
  ICONINFO m_info;
  bool m_bValid = false;
  CTKScopedBitmap m_color;
  CTKScopedBitmap m_mask;
};

/// Selects an object into a DC and selects back what it replaced when it goes
/// (before the object's own holder deletes it, when declared after that).
class CTKSelectGuard {
 public:
  CTKSelectGuard(HDC hDC, HGDIOBJ hObject)
      : m_hDC(hDC), m_hOld(hObject != NULL ? ::SelectObject(hDC, hObject) : NULL) {}
  ~CTKSelectGuard() { Restore(); }
  CTKSelectGuard(const CTKSelectGuard&) = delete;
  CTKSelectGuard& operator=(const CTKSelectGuard&) = delete;

  /// Puts the old object back now; later calls do nothing.
  void Restore() {
    if (m_hOld != NULL && m_hOld != HGDI_ERROR) ::SelectObject(m_hDC, m_hOld);
    m_hOld = NULL;
  }
  /// What SelectObject returned (null when nothing was selected).
  HGDIOBJ GetOld() const { return m_hOld; }

 private:
  HDC m_hDC;
  HGDIOBJ m_hOld;
};

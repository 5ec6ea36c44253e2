// The toolkit's one door to visual styles (UxTheme) and to the desktop window
// manager (dwmapi): every call bound at run time by name, with a fixed answer
// wherever the library or the entry point is missing.
#pragma once

#include <afx.h>
#include <uxtheme.h>

/// The module handle under which the skin framework's stand-in for visual
/// styles is registered; it counts as a visual-styles module.
#define TK_SKIN_UXTHEME_MODULE (reinterpret_cast<HMODULE>(static_cast<ULONG_PTR>(0x21FFFF1)))

/// One theme handle and the calls made with it. Nothing raises: a missing
/// UxTheme or entry point gives the answer documented at each call (E_FAIL,
/// FALSE, -1 or null), and callers draw their own fallback. Calls that need a
/// handle, a DC, a rectangle or an out pointer answer the same without calling
/// the system when one is missing, since a fault inside UxTheme cannot be
/// caught here.
class CTKWinThemeWrapper {
 public:
  enum FunctionSlot {
    slotDrawThemeBackground,
    slotCloseThemeData,
    slotOpenThemeData,
    slotIsThemeActive,
    slotIsAppThemed,
    slotGetThemeSysColor,
    slotGetThemeSysBool,
    slotGetThemeColor,
    slotGetCurrentThemeName,
    slotBeginBufferedPaint,
    slotEndBufferedPaint,
    slotDrawThemeTextEx,
    slotCount
  };

  /// Entry points (null until looked up; a missing one is looked up again on
  /// the next call), the module they come from and the COMCTL32 version.
  struct CFunctionTable {
    FARPROC pfn[slotCount];
    HMODULE hModule;
    DWORD dwComCtlVersion;
  };

  /// bRecheck: before opening a theme (and the like) look whether another
  /// "UXTHEME.DLL" has been loaded meanwhile, and use that one from then on.
  explicit CTKWinThemeWrapper(BOOL bRecheck = FALSE);
  /// Closes the theme; frees a private table.
  virtual ~CTKWinThemeWrapper();
  CTKWinThemeWrapper(const CTKWinThemeWrapper&) = delete;
  CTKWinThemeWrapper& operator=(const CTKWinThemeWrapper&) = delete;

  /// The private table, else the shared table of this wrapper's kind.
  CFunctionTable* GetFunctionTable();
  /// Gives the wrapper a table of its own over `lpszModule` (which need not
  /// exist): for modules that stand in for UxTheme, and for tests.
  void UsePrivateFunctionTable(LPCSTR lpszModule);
  /// With the recheck flag: rebinds every entry point when the loaded
  /// "UXTHEME.DLL" is no longer the table's module.
  void RefreshFunctionTable();

  /// Closes the current theme and opens the class list for the window; the
  /// handle stays 0 on failure or without UxTheme.
  void OpenThemeData(HWND hWnd, LPCWSTR pszClassList);
  void CloseThemeData();
  BOOL IsThemeOpen() const { return m_hTheme != NULL; }
  HTHEME GetThemeHandle() const { return m_hTheme; }

  /// E_FAIL when unavailable.
  HRESULT DrawThemeBackground(HDC hDC, int iPartId, int iStateId, const RECT* pRect,
                              const RECT* pClipRect);
  /// E_FAIL when unavailable; *pColor unchanged on failure.
  HRESULT GetThemeColor(int iPartId, int iStateId, int iPropId, COLORREF* pColor);
  /// -1 when unavailable.
  COLORREF GetThemeSysColor(int iColorId);
  /// FALSE when unavailable.
  BOOL GetThemeSysBool(int iBoolId);
  /// E_FAIL when unavailable.
  HRESULT DrawThemeTextEx(HDC hDC, int iPartId, int iStateId, LPCWSTR pszText, int cchText,
                          DWORD dwTextFlags, LPRECT pRect, const DTTOPTS* pOptions);
  /// E_FAIL when unavailable.
  HRESULT GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                              int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars);
  /// FALSE when unavailable.
  BOOL IsAppThemed();
  BOOL IsThemeActive();
  /// Null when unavailable.
  HPAINTBUFFER BeginBufferedPaint(HDC hdcTarget, const RECT* prcTarget, BP_BUFFERFORMAT dwFormat,
                                  BP_PAINTPARAMS* pPaintParams, HDC* phdc);
  void EndBufferedPaint(HPAINTBUFFER hBufferedPaint, BOOL fUpdateTarget);

  /// Themes are active for the application and a visual-styles module able
  /// to draw them is there (the skin's stand-in, or COMCTL32 above 5).
  BOOL IsThemingAvailable();
  /// Themed and a theme open: the test before every themed drawing.
  BOOL IsAppThemedAndOpen();

 private:
  FARPROC Entry(FunctionSlot slot);
  /// The entry point when the theme handle is usable with it.
  FARPROC ThemedEntry(FunctionSlot slot);

  HTHEME m_hTheme;
  BOOL m_bRecheck;
  CFunctionTable* m_pPrivateTable;
  /// The module that opened m_hTheme; its handles mean nothing to another.
  HMODULE m_hThemeModule;
};

/// The run-time bound desktop-window-manager functions (one table per process).
struct CTKDwmApi {
  typedef BOOL(WINAPI* PFNDWMDEFWINDOWPROC)(HWND, UINT, WPARAM, LPARAM, LRESULT*);
  typedef HRESULT(WINAPI* PFNDWMISCOMPOSITIONENABLED)(BOOL*);
  typedef HRESULT(WINAPI* PFNDWMEXTENDFRAMEINTOCLIENTAREA)(HWND, const MARGINS*);

  PFNDWMDEFWINDOWPROC m_pfnDwmDefWindowProc;
  PFNDWMISCOMPOSITIONENABLED m_pfnDwmIsCompositionEnabled;
  PFNDWMEXTENDFRAMEINTOCLIENTAREA m_pfnDwmExtendFrameIntoClientArea;
  HMODULE m_hModule;
};

/// The table, built on first use ("dwmapi.dll" loaded then, never freed).
CTKDwmApi* TKDwmApi();
/// FALSE when unavailable or when the call fails.
BOOL TKDwmIsCompositionEnabled();
/// The call's result, or E_FAIL (and *plResult untouched) when unavailable.
HRESULT TKDwmDefWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam,
                           LRESULT* plResult);
/// The call's result, or E_FAIL when unavailable.
HRESULT TKDwmExtendFrameIntoClientArea(HWND hWnd, int cxLeft, int cxRight, int cyTop, int cyBottom);

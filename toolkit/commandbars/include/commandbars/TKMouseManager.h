// Per-thread mouse handling while command bars track: the bars being tracked,
// windows whose clicks leave them open, the outside click that closes them,
// and WM_MOUSELEAVE for any window without TrackMouseEvent.
#pragma once

#include <afxtempl.h>
#include <afxtls.h>
#include <afxwin.h>

class CTKCommandBar;

/// One per UI thread (GetThreadManager), living until the thread ends. UI
/// thread only: every member is called on the thread that owns it.
class CTKMouseManager : public CNoTrackObject {
 public:
  CTKMouseManager();
  ~CTKMouseManager() override;

  /// The calling thread's manager, made on first use.
  static CTKMouseManager* AFX_CDECL GetThreadManager();

  /// The window followed for mouse-leave gets its timer with this id.
  static constexpr UINT_PTR kTimerMouseLeave = 113341;
  static constexpr UINT kMouseLeaveElapse = 50;

  // Tracked bars ---------------------------------------------------------------

  /// Called by the bars as they enter and leave tracking mode.
  void AddTrackedBar(CTKCommandBar* pBar);
  void RemoveTrackedBar(CTKCommandBar* pBar);
  int GetTrackedCount() const { return static_cast<int>(m_arrTracked.GetSize()); }
  /// Oldest first; null out of range.
  CTKCommandBar* GetTrackedBar(int nIndex) const;
  BOOL IsTracked(const CTKCommandBar* pBar) const { return FindTracked(pBar) != -1; }
  /// Every tracked bar cancels its tracking, oldest first, until none is left.
  void SendTrackLost();
  /// Raises (TRUE) or lowers the lock count of every tracked bar.
  void LockTrackedBars(BOOL bLock);
  /// When the oldest tracked bar is locked, every unlocked one cancels tracking.
  void CloseUnlockedBars();
  /// FALSE when nothing is tracked; else TRUE for a null, locked or untracked bar.
  BOOL IsTrackedLock(const CTKCommandBar* pBar) const;
  /// While above 0 a button release does not close the tracked bars and Alt
  /// goes to them as a key (drags, list handling).
  void LockTrack() { ++m_nTrackLock; }
  void UnlockTrack() { --m_nTrackLock; }
  int GetTrackLockCount() const { return m_nTrackLock; }

  // Trusted windows ------------------------------------------------------------

  /// Clicks inside a visible trusted window leave the tracked bars open.
  void AddTrustedWindow(HWND hWnd);
  void RemoveTrustedWindow(HWND hWnd);

  /// Whether a button-down at the cursor lies outside every tracked bar and
  /// trusted window; FALSE for messages that are no button-downs.
  BOOL IsOutsideClick(const CTKCommandBar* pBar, UINT nMessage) const;

  // Per-thread menu state ------------------------------------------------------

  CTKCommandBar* GetHotBar() const { return m_pHotBar; }
  void SetHotBar(CTKCommandBar* pBar) { m_pHotBar = pBar; }
  /// Set once a short menu was expanded: later pop-ups open expanded.
  BOOL IsMenusExpanded() const { return m_bMenusExpanded; }
  void SetMenusExpanded(BOOL bExpanded) { m_bMenusExpanded = bExpanded; }
  /// The next left-button release is swallowed (a pop-up expanded on the press).
  void SetSwallowButtonUp(BOOL bSwallow) { m_bSwallowButtonUp = bSwallow; }
  BOOL IsSwallowButtonUp() const { return m_bSwallowButtonUp; }

  // Mouse-leave emulation --------------------------------------------------------

  /// WM_MOUSELEAVE for hWnd once the cursor leaves it; a window followed
  /// before gets its WM_MOUSELEAVE at once.
  void TrackMouseLeave(HWND hWnd);
  HWND GetFollowedWindow() const { return m_hWndFollowed; }
  /// Whether the foreground window is the last active pop-up of the window's
  /// top-level owner.
  static BOOL AFX_CDECL IsTopParentActive(HWND hWnd);

  /// What the mouse hook decides for one message at a screen point: TRUE
  /// swallows it. The hook procedure calls it; tests may too.
  BOOL OnMouseHookMessage(UINT nMessage, POINT pt);
  /// Forgets the last mouse position seen (both -1).
  static void AFX_CDECL ResetLastMousePosition();

 private:
  struct TRACKED {
    CTKCommandBar* pBar;
    int nLock;
  };
  int FindTracked(const CTKCommandBar* pBar) const;
  BOOL IsLocked(int nIndex) const { return m_arrTracked[nIndex].nLock > 0; }
  /// The newest tracked bar that holds the point, -1 none.
  int FindBarAtPoint(POINT pt, HWND hWndUnder) const;
  BOOL IsInTrustedWindow(POINT pt) const;
  void OnMouseLeaveTimer(HWND hWnd);

  static LRESULT CALLBACK MouseProc(int nCode, WPARAM wParam, LPARAM lParam);
  static void CALLBACK MouseLeaveTimerProc(HWND hWnd, UINT, UINT_PTR, DWORD);

  int m_nTrackLock;
  CArray<TRACKED, const TRACKED&> m_arrTracked;
  HHOOK m_hHook;
  CTKCommandBar* m_pHotBar;
  HWND m_hWndFollowed;
  BOOL m_bMenusExpanded;
  CArray<HWND, HWND> m_arrTrusted;
  BOOL m_bSwallowButtonUp;
};

// Drop shadows of open pop-ups: a strip below, a strip to the right and, for
// a pop-up with a window region, its inner bottom-right pixel, each a
// top-level window of its own. Where layered windows work the strips are
// per-pixel alpha ramps; elsewhere solid strips in the button-shadow colour.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include "common/TKHookManager.h"
#include "common/TKRefPtr.h"

/// One per paint manager, which sets its options and colour per theme.
/// Reference counted: every shadow window holds a reference, so the manager
/// lives until its last shadow is gone. UI thread only.
class CTKShadowManager : public CCmdTarget {
 public:
  /// The kinds of shadow window.
  enum { kShadowRight = 0, kShadowBelow = 1, kShadowCorner = 2 };
  /// Option bits. Both together also shadow the control that opened a pop-up.
  enum {
    /// Shadows whatever the system setting and the screen, at half darkness.
    kOptionAlways = 0x1,
    /// Cuts the shadow where it covers the opening control.
    kOptionExcludeControl = 0x2,
  };

  /// One shadow window; it follows its owner's showing, hiding and
  /// destruction through the hook manager. Made and deleted by the manager.
  class CShadowWnd : public CWnd, public CTKHookManagerHookAble {
   public:
    CShadowWnd(CTKShadowManager* pManager, HWND hWndOwner, int nKind, BOOL bControlShadow,
               BOOL bGroup);
    ~CShadowWnd() override;

    /// Creates the window once, places it beside `rcOwner` (screen
    /// coordinates) for its kind and drops any old region.
    void CreateShadow(const CRect& rcOwner);
    /// Grows a new strip over the corner of an existing one of the other kind.
    void AdjustForAdjacentShadows();
    /// Cuts `rcExclude` (screen coordinates) out of the window's region.
    void ExcludeRect(const CRect& rcExclude);
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                      LRESULT& lResult) override;

    HWND GetOwnerHwnd() const { return m_hWndOwner; }
    int GetKind() const { return m_nKind; }
    BOOL HasRegion() const { return m_bHasRegion; }
    BOOL GetGroup() const { return m_bGroup; }
    BOOL IsControlShadow() const { return m_bControlShadow; }

   protected:
    friend class CTKShadowManager;
    /// Pushes the alpha ramp of the window's size to the layered window.
    void UpdateAlphaShadow(int cx, int cy);

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    DECLARE_MESSAGE_MAP()

    HWND m_hWndOwner;
    int m_nKind;
    BOOL m_bHasRegion;
    BOOL m_bGroup;
    BOOL m_bControlShadow;
    /// Keeps the manager alive while the shadow lives.
    CTKRefPtr<CTKShadowManager, CTKInternalRefTraits> m_pManager;
  };
  typedef CList<CShadowWnd*, CShadowWnd*> CShadowList;

  /// Looks up UpdateLayeredWindow and whether the screen can show alpha.
  CTKShadowManager();
  ~CTKShadowManager() override;

  /// Shadows the pop-up below and to its right (and its corner pixel when it
  /// has a window region). Without kOptionAlways nothing happens when the
  /// system's drop shadows are off or the screen cannot show alpha.
  /// `rcExclude` (screen coordinates, may be empty) is the opening control;
  /// `bGroup` tells recursively tracked pop-ups from the first ones: a
  /// shadow never covers a pop-up of its own group.
  void SetShadow(CWnd* pPopup, const CRect& rcExclude, BOOL bGroup = FALSE);
  /// With both option bits: a strip below and one to the right of `rc`
  /// (screen coordinates), owned by `pBar`.
  void SetShadowRect(const CRect& rc, CWnd* pBar);
  /// Destroys every shadow `pOwner` owns.
  void RemoveShadow(CWnd* pOwner);
  /// After the owner grew by dx, dy: its pop-up shadows move and grow along.
  void OffsetShadows(CWnd* pOwner, int dx, int dy);

  BOOL CanUseAlphaShadow() const { return m_bAlphaShadow; }
  DWORD GetOptions() const { return m_dwOptions; }
  void SetOptions(DWORD dwOptions) { m_dwOptions = dwOptions; }
  COLORREF GetShadowColor() const { return m_clrShadow; }
  void SetShadowColor(COLORREF clr) { m_clrShadow = clr; }
  /// Shadow windows registered with CS_SAVEBITS | CS_OWNDC (set at first).
  BOOL m_bUseSaveBits;
  const CShadowList& GetShadows() const { return m_shadows; }

  /// Where a shadow of `nKind` lies beside an owner at `rcOwner`, for strips
  /// `nThickness` deep.
  static CRect CalcShadowRect(int nKind, const CRect& rcOwner, int nThickness);
  /// The premultiplied pixels of a shadow of `nKind`, cx x cy, rows bottom up
  /// (row 0 is the bottom scan line), for the options and the colour.
  static void FillAlphaShadow(DWORD* pBits, int cx, int cy, int nKind, DWORD dwOptions,
                              COLORREF clrShadow);

 protected:
  /// The thickness of a strip: 4 with alpha, 2 solid.
  int GetShadowThickness() const { return m_bAlphaShadow ? 4 : 2; }
  CShadowWnd* CreateShadow(int nKind, const CRect& rcOwner, const CRect& rcExclude, HWND hWndOwner,
                           BOOL bControlShadow, BOOL bGroup);
  /// Hides it, forgets the owner, takes it out of the list, destroys and deletes it.
  void DestroyShadow(CShadowWnd* pShadow);

  typedef BOOL(WINAPI* PFNUPDATELAYEREDWINDOW)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                               BLENDFUNCTION*, DWORD);
  PFNUPDATELAYEREDWINDOW m_pfnUpdateLayeredWindow;
  CShadowList m_shadows;
  BOOL m_bAlphaShadow;
  DWORD m_dwOptions;
  COLORREF m_clrShadow;
};

// The soft drop shadow of one frame window: a layered, non-activating tool
// window right behind the frame, larger than it on every side, painted with
// per-pixel alpha. Over a sizable frame the shadow band also resizes it.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

#include "common/TKFrameShadowManager.h"

/// Made, positioned and dropped by the frame-shadow manager, which holds one
/// reference; the object deletes itself when its count reaches zero. Used on
/// the thread that owns the frame.
class CTKFrameShadow : public CWnd, public ITKFrameShadowManagerEvents {
 public:
  class CShadowGeometry;

  /// Starts GDI+ (shared by all shadows) and observes the manager.
  explicit CTKFrameShadow(HWND hWndFrame);
  ~CTKFrameShadow() override;

  /// Whether user32 offers UpdateLayeredWindow (looked up once).
  static BOOL IsLayeredWindowSupported();

  /// Makes the shadow window; shows it when the frame is visible. FALSE
  /// without layered windows or when the window cannot be made.
  BOOL Create(COLORREF clr, int nSize, int nInnerSize, int nOffsetX, int nOffsetY,
              BYTE nTransparency);

  /// Follows the frame: with bMove places and sizes the window, with
  /// bRebuild (or a size change) rebuilds the gradients and repaints.
  void Update(BOOL bMove, BOOL bRebuild);
  void Show();
  void Hide();
  void Reposition() { Update(TRUE, FALSE); }
  /// The frame was restored from minimised: the shadow returns 250 ms later.
  void StartRestoreTimer();

  void SetSize(int nSize);
  void SetInnerSize(int nInnerSize);
  void SetOffset(int x, int y);
  void SetColor(COLORREF clr);
  void SetTransparency(BYTE nTransparency);
  /// The gradients' blend: factors at positions (count 0: the plain ramp).
  void SetBlend(int nCount, const float* pFactors, const float* pPositions);
  /// Whether the frame has a sizing border and the options allow resizing.
  BOOL CanResize() const;

  void OnFrameStyleChanged(DWORD dwOldStyle, DWORD dwNewStyle);
  void OnFrameShadowOptionsChanged(CTKFrameShadowManager* pManager, DWORD dwOldOptions,
                                   DWORD dwNewOptions) override;

  /// The resize zone under a screen point: 0 none, 1 top, 2 top-right, 3
  /// right, 4 bottom-right, 5 bottom, 6 bottom-left, 7 left, 8 top-left.
  int HitTestEdge(int x, int y) const;
  /// Draws the shadow into a top-down 32-bit premultiplied buffer of the
  /// window's client size (what the layered window is given); FALSE when
  /// GDI+ could not draw. Nothing is drawn when hidden and not resizable.
  BOOL DrawShadow(DWORD* pBits, int cx, int cy);

  HWND GetFrameHwnd() const { return m_hWndFrame; }
  BOOL IsCreated() const { return m_bCreated; }
  BOOL IsShown() const { return m_bShown; }
  BOOL IsMinimized() const { return m_bMinimized; }
  int GetSize() const { return m_nSize; }
  int GetInnerSize() const { return m_nInnerSize; }
  COLORREF GetColor() const { return m_clr; }
  BYTE GetTransparency() const { return m_nTransparency; }
  CPoint GetOffset() const { return CPoint(m_nOffsetX, m_nOffsetY); }
  const CArray<float, float>& GetEdgeFactors() const { return m_arrEdgeFactors; }
  const CArray<float, float>& GetCornerFactors() const { return m_arrCornerFactors; }
  const CArray<float, float>& GetCornerPositions() const { return m_arrCornerPositions; }
  const CArray<float, float>& GetCenterFactors() const { return m_arrCenterFactors; }
  /// The geometry, built when there is none.
  const CShadowGeometry* GetGeometry();
  /// The constant alpha the last paint gave the layered window, and whether
  /// the window took the picture.
  BYTE GetPaintedAlpha() const { return m_nPaintedAlpha; }
  BOOL IsPainted() const { return m_bPainted; }

  /// One gradient part of the geometry.
  struct PART {
    int x, y, cx, cy;
    void* pBrush;  ///< GDI+ linear or path gradient brush
  };
  /// The gradients of one window size and look.
  class CShadowGeometry {
   public:
    CShadowGeometry();
    ~CShadowGeometry();
    int m_cxCorner, m_cyCorner;
    CRect m_rcClient;
    DWORD m_clrOpaque, m_clrTransparent;
    PART m_edges[5];    ///< left, top, right, bottom, centre
    PART m_corners[4];  ///< top-left, top-right, bottom-right, bottom-left
    void* m_pPaths[4];
    int m_nPathStatus[4];
  };

 protected:
  void OnFinalRelease() override;
  void PostNcDestroy() override;

  afx_msg void OnPaint();
  afx_msg void OnDestroy();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  DECLARE_MESSAGE_MAP()

 private:
  void RebuildGeometry();
  void SetDefaultCenterBlend();
  void TrackResize(int nZone, CPoint ptStart);
  void ResizeStep(int nZone, CPoint pt, CPoint ptGrab, CSize szMin);

  CTKFrameShadowManager* m_pManager;
  HWND m_hWndFrame;
  BOOL m_bCreated;
  BOOL m_bShown;
  int m_nSize;
  int m_nInnerSize;
  int m_nOffsetX;
  int m_nOffsetY;
  COLORREF m_clr;
  BYTE m_nTransparency;
  BOOL m_bMinimized;
  int m_nResizeState;
  CArray<float, float> m_arrEdgeFactors, m_arrEdgePositions;
  CArray<float, float> m_arrCornerFactors, m_arrCornerPositions;
  CArray<float, float> m_arrCenterFactors, m_arrCenterPositions;
  CShadowGeometry* m_pGeometry;
  // Deletion waits for WM_NCDESTROY when the last reference goes while the
  // window is being destroyed, so no handler runs on a freed object.
  BOOL m_bGdiPlus;  // this shadow counts in GDI+'s start-up
  BOOL m_bInDestroy;
  BOOL m_bDeleting;
  BOOL m_bDeleteAfterNcDestroy;
  BYTE m_nPaintedAlpha;
  BOOL m_bPainted;
};

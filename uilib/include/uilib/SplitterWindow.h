// The 8-pixel bar between two panes that the user drags to share the space
// between them.
#pragma once

#include <afxwin.h>

/// Posted to the parent on every accepted move of a drag: wParam the new
/// position, lParam the control id.
#define WM_SPLITTER_MOVED (WM_USER + 123)

/// A "STATIC" child of its parent, centred on `GetPosition` across its
/// direction and spanning the bounds along it. The bar lets mouse messages
/// through to the parent until a drag captures the mouse, so the owner hands
/// its own WM_MOUSEMOVE, WM_LBUTTONDOWN and WM_LBUTTONUP to the three
/// handlers while IsCursorOverSplitter holds; during a drag they arrive at
/// the bar itself. UI thread only.
class CSplitterWindow : public CWnd {
 public:
  /// Orientations: a horizontal bar moves up and down (its position is a y
  /// coordinate of the parent), a vertical one left and right.
  enum { orientationHorizontal = 0, orientationVertical = 1 };
  /// The bar's thickness; the position is its centre line.
  static const int kThickness = 8;

  CSplitterWindow();
  ~CSplitterWindow() override;

  /// Creates the bar, visible, under `pParent`; false for no parent or when
  /// the window cannot be made.
  virtual bool Create(CWnd* pParent, int nControlId);
  /// Posts WM_SPLITTER_MOVED (position, control id) to the parent.
  virtual void NotifyParent();

  /// The rectangle, in the parent's client coordinates, the bar lies in.
  void SetBounds(int left, int top, int right, int bottom);
  void SetPosition(int nPosition);
  int GetPosition() const { return m_nPosition; }
  const RECT& GetBounds() const { return m_rcBounds; }
  int GetControlId() const { return m_nControlId; }
  bool IsDragging() const { return m_bDragging; }
  /// Brings the position into the range (swapping a reversed range first);
  /// true when it had to move.
  bool ClampPosition();
  /// Moves the bar window to the bounds and position; false without window
  /// or parent.
  bool Reposition();
  void Redraw();
  /// The bar's window rectangle in the parent's client coordinates; false
  /// without parent (the rectangle is then left in screen coordinates).
  bool GetRectInParent(RECT* pRect);
  bool IsCursorOverSplitter();
  /// The arrow away from the bar, the cursor resource over it; false when
  /// that cannot be loaded.
  bool UpdateCursor();

  virtual void OnLButtonDown(UINT nFlags, CPoint point);
  virtual void OnLButtonUp(UINT nFlags, CPoint point);
  /// While dragging, `point` is in the bar's client coordinates.
  virtual void OnMouseMove(UINT nFlags, CPoint point);
  virtual void OnPaint();
  /// The bar's eight lines along its length, into any DC (the gallery's).
  void DrawBar(CDC* pDC);

  /// Set by the owner before use.
  int m_nOrientation;
  /// The range the position stays strictly inside while dragging.
  int m_nRangeMinimum;
  int m_nRangeMaximum;
  /// The bar's cursor resource; 0 keeps the cursor as it is.
  int m_nCursorId;

 protected:
  DECLARE_MESSAGE_MAP()

  CWnd* m_pParent;
  RECT m_rcBounds;
  CDC* m_pPaintDC;
  int m_nControlId;
  bool m_bDragging;
  int m_nPosition;
};

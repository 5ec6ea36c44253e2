// CTKMarkupVisual: an input element with visual children, a place in its
// visual parent, a bounding rectangle, clipping, render transforms, hit
// testing and the recursive render walk.
#pragma once

#include "markup/TKMarkupInputElement.h"

class CTKMarkupDrawingContext;
class CTKMarkupTransformationMatrix;

/// What PushRenderTransform changed in the drawing context and PopRenderTransform
/// puts back. Empty (nothing pushed) for an element without a render transform.
struct TK_MARKUP_RENDER_TRANSFORM {
  /// The drawing context's matrix before the push (owned by the record), or null.
  CTKMarkupTransformationMatrix* pOldMatrix;
  /// Whether a matrix was installed; the render walk then anti-aliases.
  BOOL bPushed;
};

/// Coordinates are device pixels: the visual offset is in the visual parent's
/// coordinates, everything else in the element's own.
class CTKMarkupVisual : public CTKMarkupInputElement {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupVisual();
  ~CTKMarkupVisual() override;

  /// The logical children are the visual children.
  int GetLogicalChildrenCount() override { return GetVisualChildrenCount(); }
  CTKMarkupObject* GetLogicalChild(int nIndex) override { return GetVisualChild(nIndex); }

  /// The topmost element under the point (parent coordinates): children from
  /// the last down, then the element itself (InputHitTestOverride); the right
  /// and bottom edges are outside. Null when nothing is hit.
  CTKMarkupInputElement* InputHitTest(int x, int y) override;

  // Slots

  virtual int GetVisualChildrenCount();
  virtual CTKMarkupVisual* GetVisualChild(int nIndex);
  /// FALSE: no clip. TRUE with the clip in `prcClip` (may be empty: draw
  /// nothing).
  virtual BOOL GetLayoutClip(RECT* prcClip);
  /// Installs the element's render transform in the drawing context; the
  /// plain visual has none and returns an empty record.
  virtual TK_MARKUP_RENDER_TRANSFORM PushRenderTransform(CTKMarkupDrawingContext* pDC);
  /// Undoes a push; nothing for an empty record.
  virtual void PopRenderTransform(CTKMarkupDrawingContext* pDC,
                                  const TK_MARKUP_RENDER_TRANSFORM& record);
  /// Draws the element itself (before its children), origin at its top-left.
  virtual void OnRender(CTKMarkupDrawingContext* pDC);
  /// Draws the focus cue (after the children) of a keyboard-focused element.
  virtual void OnRenderFocusVisual(CTKMarkupDrawingContext* pDC);
  /// The element a hit inside its render area stands for: itself here.
  virtual CTKMarkupInputElement* InputHitTestOverride(int x, int y);
  /// A render walk skipped this element; passed on to every visual child.
  virtual void OnNotRendered(CTKMarkupDrawingContext* pDC);

  // Operations

  /// Draws the element and its children, culled by the clip box and the
  /// layout clip.
  void Render(CTKMarkupDrawingContext* pDC);
  /// The nearest ancestor through logical parents that is a visual, or null.
  CTKMarkupVisual* GetVisualParent() const;
  /// The visual offset plus the offsets of every visual ancestor.
  CPoint GetAbsoluteOffset() const;
  /// A copy of the effective matrix (the caller deletes it), or null.
  CTKMarkupTransformationMatrix* GetTransformationMatrix();
  /// The rectangle to repaint (own coordinates); united with the last one
  /// reported when that differs, so a moved element repaints both places.
  CRect GetUpdateRect();

  CPoint GetVisualOffset() const { return m_ptOffset; }
  void SetVisualOffset(int x, int y) { m_ptOffset = CPoint(x, y); }
  CSize GetRenderSize() const { return m_szRender; }
  void SetRenderSize(int cx, int cy) { m_szRender = CSize(cx, cy); }
  int GetActualWidth() const { return m_szRender.cx; }
  int GetActualHeight() const { return m_szRender.cy; }
  /// The render area united with the children's bound rectangles (shifted by
  /// their offsets), as of the last UpdateBoundRect.
  const CRect& GetBoundRect() const { return m_rcBound; }
  /// Recomputes the bound rectangles of the subtree, children first.
  void UpdateBoundRect();
  const CRect& GetRenderedRect() const { return m_rcRendered; }
  void SetRenderedRect(const RECT& rc) { m_rcRendered = rc; }

 protected:
  /// The matrix of the last render transform push (owned), or null.
  CTKMarkupTransformationMatrix* m_pTransformationMatrix;

 private:
  CPoint m_ptOffset;
  CSize m_szRender;
  CRect m_rcBound;
  CRect m_rcRendered;
  CRect m_rcLastUpdate;

  /// Half-open test of a point against a rectangle of the element.
  BOOL HitRect(const RECT& rc, int x, int y);

  // Automation for scripts (TKMarkupVisualDispatch.cpp)
 protected:
  LPDISPATCH DispGetVisualParent();
  void DispGetBoundingRect(long* pnLeft, long* pnTop, long* pnRight, long* pnBottom);
  long DispGetActualWidth();
  long DispGetActualHeight();
  DECLARE_DISPATCH_MAP()
};

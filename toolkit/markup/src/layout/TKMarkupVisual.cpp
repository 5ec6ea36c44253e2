// Visuals: the render walk, hit testing, bound and update rectangles.
#include "markup/TKMarkupVisual.h"

#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupTransformationMatrix.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupVisual, TKMarkupRow_Visual)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupVisual)

namespace {

const int kAntiAlias = 4;

bool Intersects(const RECT& a, const RECT& b) {
  RECT rc;
  return ::IntersectRect(&rc, &a, &b) != FALSE;
}

}  // namespace

CTKMarkupVisual::CTKMarkupVisual()
    : m_pTransformationMatrix(nullptr),
      m_ptOffset(0, 0),
      m_szRender(0, 0),
      m_rcBound(0, 0, 0, 0),
      m_rcRendered(0, 0, 0, 0),
      m_rcLastUpdate(0, 0, 0, 0) {}

CTKMarkupVisual::~CTKMarkupVisual() {
  // The matrix of the last render transform stays for hit tests until here.
  delete m_pTransformationMatrix;
}

int CTKMarkupVisual::GetVisualChildrenCount() { return 0; }

CTKMarkupVisual* CTKMarkupVisual::GetVisualChild(int) { return nullptr; }

BOOL CTKMarkupVisual::GetLayoutClip(RECT*) { return FALSE; }

TK_MARKUP_RENDER_TRANSFORM CTKMarkupVisual::PushRenderTransform(CTKMarkupDrawingContext*) {
  return TK_MARKUP_RENDER_TRANSFORM{nullptr, FALSE};
}

void CTKMarkupVisual::PopRenderTransform(CTKMarkupDrawingContext*,
                                         const TK_MARKUP_RENDER_TRANSFORM&) {}

void CTKMarkupVisual::OnRender(CTKMarkupDrawingContext*) {}

void CTKMarkupVisual::OnRenderFocusVisual(CTKMarkupDrawingContext*) {}

CTKMarkupInputElement* CTKMarkupVisual::InputHitTestOverride(int, int) { return this; }

void CTKMarkupVisual::OnNotRendered(CTKMarkupDrawingContext* pDC) {
  const int nCount = GetVisualChildrenCount();
  for (int i = 0; i < nCount; ++i) {
    if (CTKMarkupVisual* pChild = GetVisualChild(i)) pChild->OnNotRendered(pDC);
  }
}

void CTKMarkupVisual::Render(CTKMarkupDrawingContext* pDC) {
  m_rcRendered.SetRectEmpty();
  CRect rcClipBox(pDC->GetClipBox());
  rcClipBox.OffsetRect(-m_ptOffset.x, -m_ptOffset.y);
  if (!Intersects(rcClipBox, m_rcBound)) {
    OnNotRendered(pDC);
    return;
  }
  RECT rcLayoutClip;
  const BOOL bLayoutClip = GetLayoutClip(&rcLayoutClip);
  if (bLayoutClip) {
    if (::IsRectEmpty(&rcLayoutClip) || !rcClipBox.IntersectRect(rcClipBox, &rcLayoutClip) ||
        !Intersects(rcClipBox, m_rcBound)) {
      OnNotRendered(pDC);
      return;
    }
  }

  pDC->OffsetOrigin(m_ptOffset);
  HRGN hSavedClip = nullptr;
  if (bLayoutClip) {
    hSavedClip = pDC->SaveClipRegion();
    pDC->IntersectClipRect(rcLayoutClip);
  }
  const TK_MARKUP_RENDER_TRANSFORM record = PushRenderTransform(pDC);
  int nOldSmoothing = 0;
  if (record.bPushed) nOldSmoothing = pDC->SetSmoothingMode(kAntiAlias);

  OnRender(pDC);
  const int nCount = GetVisualChildrenCount();
  for (int i = 0; i < nCount; ++i) {
    if (CTKMarkupVisual* pChild = GetVisualChild(i)) pChild->Render(pDC);
  }
  if (IsKeyboardFocused()) OnRenderFocusVisual(pDC);

  if (record.bPushed) pDC->SetSmoothingMode(nOldSmoothing);
  PopRenderTransform(pDC, record);
  if (bLayoutClip) pDC->RestoreClipRegion(hSavedClip);
  pDC->OffsetOrigin(CPoint(-m_ptOffset.x, -m_ptOffset.y));
}

// Under a render transform the rectangle is tested as drawn; otherwise it is
// a half-open axis-aligned rectangle.
BOOL CTKMarkupVisual::HitRect(const RECT& rc, int x, int y) {
  if (CTKMarkupTransformationMatrix* pMatrix = GetTransformationMatrix()) {
    const BOOL bHit = pMatrix->HitTest(rc, GetAbsoluteOffset(), CPoint(x, y));
    delete pMatrix;
    return bHit;
  }
  return x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom;
}

CTKMarkupInputElement* CTKMarkupVisual::InputHitTest(int x, int y) {
  x -= m_ptOffset.x;
  y -= m_ptOffset.y;
  if (!HitRect(m_rcBound, x, y)) return nullptr;
  RECT rcClip;
  if (GetLayoutClip(&rcClip) && !HitRect(rcClip, x, y)) return nullptr;
  for (int i = GetVisualChildrenCount() - 1; i >= 0; --i) {
    CTKMarkupVisual* pChild = GetVisualChild(i);
    if (pChild == nullptr) continue;
    if (CTKMarkupInputElement* pHit = pChild->InputHitTest(x, y)) return pHit;
  }
  if (HitRect(CRect(0, 0, m_szRender.cx, m_szRender.cy), x, y)) return InputHitTestOverride(x, y);
  return nullptr;
}

CTKMarkupVisual* CTKMarkupVisual::GetVisualParent() const {
  for (CTKMarkupObject* pObject = GetParent(); pObject != nullptr; pObject = pObject->GetParent()) {
    if (CTKMarkupVisual* pVisual = MarkupCast<CTKMarkupVisual>(pObject)) return pVisual;
  }
  return nullptr;
}

CPoint CTKMarkupVisual::GetAbsoluteOffset() const {
  CPoint pt = m_ptOffset;
  for (CTKMarkupVisual* pParent = GetVisualParent(); pParent != nullptr;
       pParent = pParent->GetVisualParent())
    pt += pParent->m_ptOffset;
  return pt;
}

CTKMarkupTransformationMatrix* CTKMarkupVisual::GetTransformationMatrix() {
  if (m_pTransformationMatrix != nullptr) return m_pTransformationMatrix->Clone();
  CTKMarkupVisual* pParent = GetVisualParent();
  CTKMarkupTransformationMatrix* pMatrix =
      pParent != nullptr ? pParent->GetTransformationMatrix() : nullptr;
  if (pMatrix != nullptr) pMatrix->Translate(m_ptOffset.x, m_ptOffset.y);
  return pMatrix;
}

CRect CTKMarkupVisual::GetUpdateRect() {
  CRect rcNew = m_rcRendered;
  if (rcNew.IsRectEmpty()) {
    rcNew = m_rcBound;
    if (CTKMarkupTransformationMatrix* pMatrix = GetTransformationMatrix()) {
      rcNew = pMatrix->TransformRect(m_rcBound, GetAbsoluteOffset());
      delete pMatrix;
    }
  }
  if (rcNew == m_rcLastUpdate) return rcNew;
  if (m_rcLastUpdate.IsRectEmpty()) {
    m_rcLastUpdate = rcNew;
    return rcNew;
  }
  CRect rcUnion;
  rcUnion.UnionRect(m_rcLastUpdate, rcNew);
  m_rcLastUpdate = rcNew;
  return rcUnion;
}

void CTKMarkupVisual::UpdateBoundRect() {
  m_rcBound.SetRect(0, 0, m_szRender.cx, m_szRender.cy);
  const int nCount = GetVisualChildrenCount();
  for (int i = 0; i < nCount; ++i) {
    CTKMarkupVisual* pChild = GetVisualChild(i);
    if (pChild == nullptr) continue;
    pChild->UpdateBoundRect();
    CRect rcChild = pChild->m_rcBound;
    rcChild.OffsetRect(pChild->m_ptOffset);
    m_rcBound.UnionRect(m_rcBound, rcChild);
  }
}

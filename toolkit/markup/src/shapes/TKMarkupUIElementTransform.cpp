// CTKMarkupUIElement: its render transform installed in the drawing context
// for one render, and the matrix it leaves behind for hit tests.
#include "markup/TKMarkupUIElement.h"

#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupRenderTransform.h"
#include "TKMarkupTransformationMatrix.h"

CTKMarkupUIElement::~CTKMarkupUIElement() {
  // Whoever still holds the holder (a script) must not reach a freed element
  // when the transform changes.
  auto* pHolder = MarkupCast<CTKMarkupRenderTransform>(GetLocalValue(RenderTransformProperty));
  if (pHolder != nullptr && pHolder->GetOwner() == this) pHolder->SetOwner(nullptr, nullptr);
}

TK_MARKUP_RENDER_TRANSFORM CTKMarkupUIElement::PushRenderTransform(CTKMarkupDrawingContext* pDC) {
  const TK_MARKUP_RENDER_TRANSFORM none = {nullptr, FALSE};
  auto* pHolder = MarkupCast<CTKMarkupRenderTransform>(GetRenderTransform());
  CTKMarkupTransform* pTransform = pHolder != nullptr ? pHolder->GetTransform() : nullptr;
  // A matrix of an earlier render must not steer hit tests of this one.
  delete m_pTransformationMatrix;
  m_pTransformationMatrix = nullptr;
  if (pTransform == nullptr) return none;
  CTKMarkupTransformationMatrix* pCurrent = pDC->GetTransformationMatrix();
  if (pCurrent == nullptr) return none;  // the GDI back end draws untransformed
  CTKMarkupTransformationMatrix* pMatrix = pTransform->TransformMatrix(pCurrent);
  if (pMatrix == nullptr) {
    delete pCurrent;
    return none;
  }
  pDC->SetTransformationMatrix(pMatrix);
  m_pTransformationMatrix = pMatrix;
  return TK_MARKUP_RENDER_TRANSFORM{pCurrent, TRUE};
}

void CTKMarkupUIElement::PopRenderTransform(CTKMarkupDrawingContext* pDC,
                                            const TK_MARKUP_RENDER_TRANSFORM& record) {
  if (!record.bPushed) return;
  pDC->SetTransformationMatrix(record.pOldMatrix);
  delete record.pOldMatrix;
}

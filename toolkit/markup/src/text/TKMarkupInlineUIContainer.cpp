// Inline UI containers: a UI element carried in the text as one position.
#include "TKMarkupInlineUIContainer.h"

#include "markup/TKMarkupBuilder.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "markup/TKMarkupUIElement.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupInlineUIContainer, TKMarkupRow_InlineUIContainer)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupInlineUIContainer)

BEGIN_DISPATCH_MAP(CTKMarkupInlineUIContainer, CTKMarkupInline)
DISP_PROPERTY_EX_ID(CTKMarkupInlineUIContainer, "Child", 700, DispGetChild, SetNotSupported,
                    VT_DISPATCH)
END_DISPATCH_MAP()

namespace {

// An embedded element may ask for any size.
const int kUnboundedSize = 32000;

}  // namespace

CTKMarkupInlineUIContainer::CTKMarkupInlineUIContainer() : m_pChild(nullptr) {}

CTKMarkupInlineUIContainer::~CTKMarkupInlineUIContainer() { SetChild(nullptr); }

void CTKMarkupInlineUIContainer::SetChild(CTKMarkupUIElement* pChild) {
  if (pChild == m_pChild) return;
  if (pChild != nullptr) pChild->AddRef();
  CTKMarkupUIElement* pOld = m_pChild;
  m_pChild = pChild;
  if (pOld != nullptr) {
    if (pOld->GetParent() == this) pOld->SetParent(nullptr);
    pOld->Release();
  }
  if (m_pChild != nullptr) m_pChild->SetParent(this);
}

int CTKMarkupInlineUIContainer::GetNextPosition(int nPosition) {
  return nPosition == 0 ? 1 : TK_MARKUP_TEXT_END;
}

SIZE CTKMarkupInlineUIContainer::MeasureRange(CTKMarkupDrawingContext* pDC, int nStart, int) {
  if (nStart != 0 || m_pChild == nullptr) return SIZE{0, 0};
  m_pChild->Measure(pDC, kUnboundedSize, kUnboundedSize);
  CSize size = m_pChild->GetDesiredSize();
  return SIZE{size.cx, size.cy};
}

void CTKMarkupInlineUIContainer::ArrangeRange(const RECT& rc, int nStart, int) {
  if (nStart == 0 && m_pChild != nullptr) m_pChild->Arrange(rc);
}

void CTKMarkupInlineUIContainer::RenderRange(CTKMarkupDrawingContext* pDC, const RECT&, int nStart,
                                             int) {
  if (nStart == 0 && m_pChild != nullptr) m_pChild->Render(pDC);
}

CTKMarkupInputElement* CTKMarkupInlineUIContainer::InputHitTest(int x, int y) {
  CTKMarkupInputElement* pHit = m_pChild != nullptr ? m_pChild->InputHitTest(x, y) : nullptr;
  return pHit != nullptr ? pHit : this;
}

CTKMarkupObject* CTKMarkupInlineUIContainer::GetLogicalChild(int nIndex) {
  return nIndex == 0 ? m_pChild : nullptr;
}

void CTKMarkupInlineUIContainer::SetContentObject(CTKMarkupBuilder*, CTKMarkupObject* pContent) {
  if (pContent == nullptr || !pContent->IsKindOf(CTKMarkupUIElement::StaticType())) {
    CTKMarkupBuilder::ThrowBuilderError(
        "'%ls' object cannot be added to '%ls'. Object cannot be converted to type "
        "'CTKMarkupUIElement'",
        pContent != nullptr ? pContent->GetType()->GetClassName() : L"null",
        GetType()->GetClassName());
  }
  SetChild(static_cast<CTKMarkupUIElement*>(pContent));
}

LPDISPATCH CTKMarkupInlineUIContainer::DispGetChild() {
  return m_pChild != nullptr ? m_pChild->GetIDispatch(TRUE) : nullptr;
}

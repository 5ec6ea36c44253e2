// The single-child holders: decorator and page.
#include "TKMarkupDecorator.h"

#include "markup/TKMarkupBuilder.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupPage, TKMarkupRow_Page)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupPage)

BEGIN_DISPATCH_MAP(CTKMarkupPage, CTKMarkupFrameworkElement)
DISP_PROPERTY_EX_ID(CTKMarkupPage, "Content", 500, DispGetContent, DispSetContent, VT_DISPATCH)
END_DISPATCH_MAP()

CTKMarkupDecorator::~CTKMarkupDecorator() { SetChild(nullptr); }

void CTKMarkupDecorator::SetChild(CTKMarkupUIElement* pChild) {
  if (pChild == m_pChild) return;
  if (pChild != nullptr) pChild->AddRef();
  if (m_pChild != nullptr) {
    if (m_pChild->GetParent() == this) m_pChild->SetParent(nullptr);
    m_pChild->Release();
  }
  m_pChild = pChild;
  if (m_pChild != nullptr) m_pChild->SetParent(this);
}

void CTKMarkupDecorator::SetContentObject(CTKMarkupBuilder*, CTKMarkupObject* pContent) {
  if (pContent == nullptr) return;
  CTKMarkupUIElement* pElement = MarkupCast<CTKMarkupUIElement>(pContent);
  LPCWSTR lpszHolder = GetType()->GetClassName();
  LPCWSTR lpszContent = pContent->GetType()->GetClassName();
  if (pElement == nullptr) {
    CTKMarkupBuilder::ThrowBuilderError(
        "'%ls' object cannot be added to '%ls'. Object cannot be converted to type "
        "'CTKMarkupUIElement'",
        lpszContent, lpszHolder);
  }
  if (m_pChild != nullptr) {
    CTKMarkupBuilder::ThrowBuilderError(
        "'%ls' already has a child and cannot add '%ls'. '%ls' can accept only one child.",
        lpszHolder, lpszContent, lpszHolder);
  }
  SetChild(pElement);
}

CTKMarkupVisual* CTKMarkupDecorator::GetVisualChild(int nIndex) {
  return nIndex == 0 ? m_pChild : nullptr;
}

// Page ------------------------------------------------------------------------------

CSize CTKMarkupPage::MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                     int nAvailableHeight) {
  if (GetChild() == nullptr) return CSize(0, 0);
  GetChild()->Measure(pDC, nAvailableWidth, nAvailableHeight);
  return GetChild()->GetDesiredSize();
}

CSize CTKMarkupPage::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  if (GetChild() != nullptr) GetChild()->Arrange(CRect(0, 0, nFinalWidth, nFinalHeight));
  return CSize(nFinalWidth, nFinalHeight);
}

CTKMarkupInputElement* CTKMarkupPage::InputHitTestOverride(int, int) { return nullptr; }

LPDISPATCH CTKMarkupPage::DispGetContent() {
  return GetChild() != nullptr ? GetChild()->GetIDispatch(TRUE) : nullptr;
}

void CTKMarkupPage::DispSetContent(LPDISPATCH pContent) {
  CTKMarkupObject* pObject = MarkupObjectFromDispatch(pContent, FALSE);
  if (pObject != nullptr && MarkupCast<CTKMarkupUIElement>(pObject) == nullptr)
    AfxThrowOleException(E_INVALIDARG);
  SetChild(static_cast<CTKMarkupUIElement*>(pObject));
  InvalidateMeasure();
}

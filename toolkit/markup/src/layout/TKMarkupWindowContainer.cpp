// The window container: a host window placed by the markup layout.
#include "TKMarkupWindowContainer.h"

#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupWindowContainer, TKMarkupRow_WindowContainer)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupWindowContainer)

BEGIN_DISPATCH_MAP(CTKMarkupWindowContainer, CTKMarkupFrameworkElement)
DISP_PROPERTY_EX_ID(CTKMarkupWindowContainer, "Child", 500, DispGetChild, DispSetChild, VT_I4)
END_DISPATCH_MAP()

namespace {

const UINT kShowFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER;
const UINT kHideFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW | SWP_NOOWNERZORDER;

}  // namespace

CTKMarkupWindowContainer::CTKMarkupWindowContainer() : m_hWnd(nullptr), m_nWidth(0), m_nHeight(0) {}

void CTKMarkupWindowContainer::SetChild(HWND hWnd) {
  m_hWnd = hWnd;
  CRect rect(0, 0, 0, 0);
  if (m_hWnd != nullptr) ::GetWindowRect(m_hWnd, &rect);
  m_nWidth = rect.Width();
  m_nHeight = rect.Height();
  InvalidateMeasure();
  InvalidateVisual();
}

CSize CTKMarkupWindowContainer::MeasureOverride(CTKMarkupDrawingContext*, int, int) {
  return CSize(m_nWidth, m_nHeight);
}

void CTKMarkupWindowContainer::OnRender(CTKMarkupDrawingContext* pDC) {
  if (m_hWnd == nullptr) return;
  CRect rect = GetBoundRect();
  rect.OffsetRect(GetAbsoluteOffset());
  if (HDWP hDefer = pDC->GetDeferWindowPos()) {
    pDC->SetDeferWindowPos(::DeferWindowPos(hDefer, m_hWnd, nullptr, rect.left, rect.top,
                                            rect.Width(), rect.Height(), kShowFlags));
  } else {
    ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(), kShowFlags);
  }
}

void CTKMarkupWindowContainer::OnNotRendered(CTKMarkupDrawingContext* pDC) {
  if (m_hWnd != nullptr) ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, kHideFlags);
  CTKMarkupFrameworkElement::OnNotRendered(pDC);
}

long CTKMarkupWindowContainer::DispGetChild() {
  return static_cast<long>(reinterpret_cast<LONG_PTR>(m_hWnd));
}

void CTKMarkupWindowContainer::DispSetChild(long nWindow) {
  SetChild(reinterpret_cast<HWND>(static_cast<LONG_PTR>(nWindow)));
}

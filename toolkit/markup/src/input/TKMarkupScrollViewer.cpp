// CTKMarkupScrollViewer: bars, offsets and the viewport layout.
#include "markup/TKMarkupScrollViewer.h"

#include <limits.h>

#include <algorithm>

#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupScrollBar.h"
#include "TKMarkupString.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupScrollBarGripper, TKMarkupRow_ScrollBarGripper)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupScrollBarGripper)
IMPLEMENT_MARKUP_TYPE(CTKMarkupScrollViewer, TKMarkupRow_ScrollViewer)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupScrollViewer)

CTKMarkupDependencyProperty* CTKMarkupScrollViewer::VerticalScrollBarVisibilityProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupScrollViewer::HorizontalScrollBarVisibilityProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupScrollViewer, CTKMarkupContentControl)
DISP_PROPERTY_EX_ID(CTKMarkupScrollViewer, "VerticalOffset", 700, DispGetVerticalOffset,
                    DispSetVerticalOffset, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupScrollViewer, "HorizontalOffset", 701, DispGetHorizontalOffset,
                    DispSetHorizontalOffset, VT_I4)
END_DISPATCH_MAP()

namespace {

const int kLineStep = 16;
const int kWheelStep = 48;

CTKMarkupObject* ConvertVisibility(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                   CTKMarkupDependencyProperty*) {
  static const LPCWSTR kNames[] = {L"Disabled", L"Auto", L"Visible"};
  LPCWSTR lpszText = MarkupStringText(pValue);
  if (lpszText == nullptr) return nullptr;
  for (int i = 0; i < 3; ++i)
    if (_wcsicmp(lpszText, kNames[i]) == 0) return CTKMarkupEnum::CreateValue(i);
  return nullptr;
}

}  // namespace

// Gripper --------------------------------------------------------------------------------

CSize CTKMarkupScrollBarGripper::MeasureOverride(CTKMarkupDrawingContext*, int, int) {
  return CSize(0, 0);
}

CSize CTKMarkupScrollBarGripper::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  return CSize(nFinalWidth, nFinalHeight);
}

void CTKMarkupScrollBarGripper::OnRender(CTKMarkupDrawingContext* pDC) {
  pDC->FillSolidRect(GetFinalRect(), ::GetSysColor(COLOR_BTNFACE));
}

// Viewer -------------------------------------------------------------------------------

CTKMarkupScrollViewer::CTKMarkupScrollViewer()
    : m_pVerticalBar(nullptr),
      m_pHorizontalBar(nullptr),
      m_pGripper(nullptr),
      m_nHorizontalOffset(0),
      m_nVerticalOffset(0),
      m_bMeasuredSinceArrange(FALSE) {
  SetClipToBounds(TRUE);
}

CTKMarkupScrollViewer::~CTKMarkupScrollViewer() {
  ReleaseScrollBar(1);
  ReleaseScrollBar(0);
  if (m_pGripper != nullptr) {
    m_pGripper->SetParent(nullptr);
    m_pGripper->Release();
  }
}

void CTKMarkupScrollViewer::RegisterMarkupProperties() {
  VerticalScrollBarVisibilityProperty = CTKMarkupDependencyProperty::Register(
      L"VerticalScrollBarVisibility", CTKMarkupEnum::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, &ConvertVisibility, TK_MARKUP_AFFECTS_MEASURE));
  HorizontalScrollBarVisibilityProperty = CTKMarkupDependencyProperty::Register(
      L"HorizontalScrollBarVisibility", CTKMarkupEnum::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, &ConvertVisibility, TK_MARKUP_AFFECTS_MEASURE));
}

TKMarkupScrollBarVisibility CTKMarkupScrollViewer::GetVerticalScrollBarVisibility() {
  CTKMarkupEnum* pValue = MarkupCast<CTKMarkupEnum>(GetValue(VerticalScrollBarVisibilityProperty));
  return static_cast<TKMarkupScrollBarVisibility>(pValue != nullptr ? pValue->GetValue()
                                                                    : TKMarkupScrollBar_Visible);
}

TKMarkupScrollBarVisibility CTKMarkupScrollViewer::GetHorizontalScrollBarVisibility() {
  CTKMarkupEnum* pValue =
      MarkupCast<CTKMarkupEnum>(GetValue(HorizontalScrollBarVisibilityProperty));
  return static_cast<TKMarkupScrollBarVisibility>(pValue != nullptr ? pValue->GetValue()
                                                                    : TKMarkupScrollBar_Disabled);
}

int CTKMarkupScrollViewer::GetOffset(int nOrientation) const {
  return nOrientation ? m_nVerticalOffset : m_nHorizontalOffset;
}

int CTKMarkupScrollViewer::GetMaxOffset(int nOrientation) const {
  CTKMarkupScrollBar* pBar = GetScrollBar(nOrientation);
  if (pBar == nullptr) return 0;
  SCROLLINFO si;
  pBar->GetScrollInfo(&si);
  int nMax = si.nPage >= 2 ? si.nMax - (static_cast<int>(si.nPage) - 1) : si.nMax;
  return std::max(0, nMax);
}

void CTKMarkupScrollViewer::SetOffset(int nOrientation, int nValue) {
  // While an arrange is pending the bar's range is stale: the arrange
  // limits the offset instead.
  BOOL bArrangePending = m_bMeasuredSinceArrange || !IsArrangeValid();
  if (!bArrangePending) nValue = std::min(nValue, GetMaxOffset(nOrientation));
  nValue = std::max(0, nValue);
  int& nOffset = nOrientation ? m_nVerticalOffset : m_nHorizontalOffset;
  if (nValue == nOffset) return;
  nOffset = nValue;
  UpdateArrange();
}

BOOL CTKMarkupScrollViewer::Scroll(int nOrientation, int nCode, int nPos) {
  CTKMarkupScrollBar* pBar = GetScrollBar(nOrientation);
  if (pBar == nullptr) return FALSE;
  SCROLLINFO si;
  pBar->GetScrollInfo(&si);
  int p = si.nPos;
  int nPage = static_cast<int>(si.nPage);
  int m = GetMaxOffset(nOrientation);
  int nNew = p;
  switch (nCode) {
    case SB_LINEUP:
      nNew = std::max(0, p - kLineStep);
      break;
    case SB_LINEDOWN:
      nNew = std::min(p + kLineStep, m);
      break;
    case SB_PAGEUP:
      nNew = std::max(0, p - nPage);
      break;
    case SB_PAGEDOWN:
      nNew = std::min(p + nPage, m);
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      nNew = nPos;
      break;
    case SB_TOP:
      nNew = 0;
      break;
    case SB_BOTTOM:
      nNew = m;
      break;
  }
  SetOffset(nOrientation, nNew);
  return TRUE;
}

void CTKMarkupScrollViewer::EnsureScrollBar(int nOrientation) {
  CTKMarkupScrollBar*& pBar = nOrientation ? m_pVerticalBar : m_pHorizontalBar;
  if (pBar != nullptr || GetContext() == nullptr) return;
  pBar = MarkupCast<CTKMarkupScrollBar>(
      GetContext()->CreateMarkupObject(CTKMarkupScrollBar::StaticType()));
  if (pBar == nullptr) return;
  pBar->SetOrientation(nOrientation);
  pBar->SetParent(this);
}

void CTKMarkupScrollViewer::ReleaseScrollBar(int nOrientation) {
  CTKMarkupScrollBar*& pBar = nOrientation ? m_pVerticalBar : m_pHorizontalBar;
  (nOrientation ? m_nVerticalOffset : m_nHorizontalOffset) = 0;
  if (pBar == nullptr) return;
  pBar->SetParent(nullptr);
  pBar->Release();
  pBar = nullptr;
}

void CTKMarkupScrollViewer::OnMouseWheel(CTKMarkupMouseWheelEventArgs* pArgs) {
  // Toward the user (a negative delta) scrolls down.
  int nStep = pArgs->GetDelta() < 0 ? kWheelStep : -kWheelStep;
  SetOffset(1, m_nVerticalOffset + nStep);
  pArgs->SetHandled(TRUE);
}

CSize CTKMarkupScrollViewer::MeasureOverride(CTKMarkupDrawingContext* pDC, int a, int b) {
  m_bMeasuredSinceArrange = TRUE;
  CTKMarkupUIElement* pContent = GetContent();
  if (pContent == nullptr) return CSize(0, 0);
  TKMarkupScrollBarVisibility V = GetVerticalScrollBarVisibility();
  TKMarkupScrollBarVisibility H = GetHorizontalScrollBarVisibility();
  int cw = H != TKMarkupScrollBar_Disabled ? INT_MAX : a;
  int ch = INT_MAX;
  int vw = 0, hh = 0;

  if (V == TKMarkupScrollBar_Disabled) {
    ch = b;
  } else if (V == TKMarkupScrollBar_Auto) {
    pContent->Measure(pDC, cw, INT_MAX);
    if (pContent->GetDesiredSize().cy > b) V = TKMarkupScrollBar_Visible;
  }
  if (V == TKMarkupScrollBar_Visible) {
    EnsureScrollBar(1);
    if (m_pVerticalBar != nullptr) {
      m_pVerticalBar->Measure(pDC, a, b);
      vw = m_pVerticalBar->GetDesiredSize().cx;
    }
    if (cw != INT_MAX) cw = std::max(0, cw - vw);
  } else {
    ReleaseScrollBar(1);
  }

  if (H == TKMarkupScrollBar_Auto) {
    pContent->Measure(pDC, cw, ch);
    if (pContent->GetDesiredSize().cx > a - vw) H = TKMarkupScrollBar_Visible;
  }
  if (H == TKMarkupScrollBar_Visible) {
    EnsureScrollBar(0);
    if (m_pHorizontalBar != nullptr) {
      m_pHorizontalBar->Measure(pDC, a, b);
      hh = m_pHorizontalBar->GetDesiredSize().cy;
    }
    if (ch != INT_MAX) ch = std::max(0, ch - hh);
  } else {
    ReleaseScrollBar(0);
  }

  if (m_pVerticalBar != nullptr && m_pHorizontalBar != nullptr) {
    if (m_pGripper == nullptr && GetContext() != nullptr) {
      m_pGripper = MarkupCast<CTKMarkupScrollBarGripper>(
          GetContext()->CreateMarkupObject(CTKMarkupScrollBarGripper::StaticType()));
      if (m_pGripper != nullptr) m_pGripper->SetParent(this);
    }
  } else if (m_pGripper != nullptr) {
    m_pGripper->SetParent(nullptr);
    m_pGripper->Release();
    m_pGripper = nullptr;
  }

  pContent->Measure(pDC, cw, ch);
  CSize sz = pContent->GetDesiredSize();
  // Unbounded limits stay unbounded instead of overflowing.
  auto Add = [](int n, int m) { return n > INT_MAX - m ? INT_MAX : n + m; };
  return CSize(std::min(a, Add(sz.cx, vw)), std::min(b, Add(sz.cy, hh)));
}

void CTKMarkupScrollViewer::ArrangeBar(int nOrientation, int nContentExtent, int nViewport,
                                       const RECT& rc) {
  CTKMarkupScrollBar* pBar = GetScrollBar(nOrientation);
  int& nOffset = nOrientation ? m_nVerticalOffset : m_nHorizontalOffset;
  if (nOffset > 0 && nContentExtent < nViewport + nOffset)
    nOffset = std::max(0, nContentExtent - nViewport);
  SCROLLINFO si = {sizeof(si), SIF_ALL, 0, nContentExtent - 1, static_cast<UINT>(nViewport),
                   nOffset,    0};
  pBar->SetScrollInfo(si);
  pBar->Arrange(rc);
}

CSize CTKMarkupScrollViewer::ArrangeOverride(int a, int b) {
  m_bMeasuredSinceArrange = FALSE;
  CTKMarkupUIElement* pContent = GetContent();
  if (pContent == nullptr) return CSize(a, b);
  int vbw = m_pVerticalBar != nullptr ? m_pVerticalBar->GetDesiredSize().cx : 0;
  int hbh = m_pHorizontalBar != nullptr ? m_pHorizontalBar->GetDesiredSize().cy : 0;
  int vpw = a - vbw;
  int vph = b - hbh;
  CSize szContent = pContent->GetDesiredSize();
  if (m_pVerticalBar != nullptr) ArrangeBar(1, szContent.cy, vph, CRect(a - vbw, 0, a, vph));
  if (m_pHorizontalBar != nullptr) ArrangeBar(0, szContent.cx, vpw, CRect(0, b - hbh, vpw, b));
  if (m_pGripper != nullptr && m_pVerticalBar != nullptr && m_pHorizontalBar != nullptr)
    m_pGripper->Arrange(CRect(a - vbw, b - hbh, a, b));
  CRect rc(0, 0, std::max<int>(szContent.cx, vpw), std::max<int>(szContent.cy, vph));
  rc.OffsetRect(-m_nHorizontalOffset, -m_nVerticalOffset);
  pContent->Arrange(rc);
  return CSize(a, b);
}

int CTKMarkupScrollViewer::GetVisualChildrenCount() {
  return CTKMarkupContentControl::GetVisualChildrenCount() + (m_pVerticalBar != nullptr) +
         (m_pHorizontalBar != nullptr) + (m_pGripper != nullptr);
}

CTKMarkupVisual* CTKMarkupScrollViewer::GetVisualChild(int nIndex) {
  CTKMarkupVisual* children[4] = {GetContent(), m_pVerticalBar, m_pHorizontalBar, m_pGripper};
  for (CTKMarkupVisual* pChild : children) {
    if (pChild == nullptr) continue;
    if (nIndex-- == 0) return pChild;
  }
  return nullptr;
}

long CTKMarkupScrollViewer::DispGetVerticalOffset() { return m_nVerticalOffset; }

void CTKMarkupScrollViewer::DispSetVerticalOffset(long nValue) { SetOffset(1, nValue); }

long CTKMarkupScrollViewer::DispGetHorizontalOffset() { return m_nHorizontalOffset; }

void CTKMarkupScrollViewer::DispSetHorizontalOffset(long nValue) { SetOffset(0, nValue); }

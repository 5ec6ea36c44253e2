// The element skeleton: the measure/arrange protocol with its caches, the
// framework element's margins, limits, alignment and clip, the render walk,
// hit testing, routed events and the panel base.
#include <gtest/gtest.h>

#include <limits.h>

#include <algorithm>

#include <string>
#include <vector>

#include "SupportMarkup.h"
#include "TKMarkupBrush.h"
#include "TKMarkupDelegate.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupFrameworkContentElement.h"
#include "TKMarkupPanel.h"
#include "TKMarkupString.h"
#include "TKMarkupThickness.h"
#include "TKMarkupValues.h"
#include "testsupport/DibSurface.h"

namespace {

/// Records the layout and repaint requests that reach the context.
class CRecordingContext : public CTKMarkupContext {
 public:
  void InvalidateVisual(CTKMarkupObject* pElement) override { m_repainted.push_back(pElement); }
  void UpdateLayout(CTKMarkupObject* pElement) override { m_laidOut.push_back(pElement); }

  std::vector<CTKMarkupObject*> m_repainted;
  std::vector<CTKMarkupObject*> m_laidOut;
};

/// Content of a fixed size that takes whatever it is given; counts the calls.
class CFixedElement : public CTKMarkupFrameworkElement {
 public:
  explicit CFixedElement(int cx = 100, int cy = 50) : m_szContent(cx, cy) {}

  CSize MeasureOverride(CTKMarkupDrawingContext*, int nWidth, int nHeight) override {
    ++m_nMeasures;
    m_szOffered = CSize(nWidth, nHeight);
    return m_szContent;
  }
  CSize ArrangeOverride(int nWidth, int nHeight) override {
    ++m_nArranges;
    return CSize(nWidth, nHeight);
  }
  void OnRender(CTKMarkupDrawingContext*) override { ++m_nRenders; }
  void OnNotRendered(CTKMarkupDrawingContext* pDC) override {
    ++m_nNotRendered;
    CTKMarkupFrameworkElement::OnNotRendered(pDC);
  }

  CSize m_szContent;
  CSize m_szOffered{0, 0};
  int m_nMeasures = 0;
  int m_nArranges = 0;
  int m_nRenders = 0;
  int m_nNotRendered = 0;
};

/// A panel that stacks nothing: every child at (0, 0) with its desired size,
/// and the panel as large as its largest child.
class COverlayPanel : public CTKMarkupPanel {
 public:
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nWidth, int nHeight) override {
    CSize szMax(0, 0);
    for (int i = 0; i < GetChildren()->GetCount(); ++i) {
      CTKMarkupUIElement* pChild = GetChild(i);
      pChild->Measure(pDC, nWidth, nHeight);
      szMax.cx = std::max(szMax.cx, pChild->GetDesiredSize().cx);
      szMax.cy = std::max(szMax.cy, pChild->GetDesiredSize().cy);
    }
    return szMax;
  }
  CSize ArrangeOverride(int nWidth, int nHeight) override {
    for (int i = 0; i < GetChildren()->GetCount(); ++i) {
      CTKMarkupUIElement* pChild = GetChild(i);
      pChild->Arrange(CRect(CPoint(0, 0), pChild->GetDesiredSize()));
    }
    return CSize(nWidth, nHeight);
  }
};

class ElementTest : public ::testing::Test {
 protected:
  void SetUp() override { m_pContext = new CRecordingContext; }
  void TearDown() override {
    for (CTKMarkupObject* pObject : m_objects) pObject->Release();
    m_pContext->Release();
  }

  template <class T>
  T* Make(T* pObject) {
    pObject->SetContext(m_pContext);
    m_objects.push_back(pObject);
    return pObject;
  }
  CFixedElement* Fixed(int cx = 100, int cy = 50) { return Make(new CFixedElement(cx, cy)); }
  /// Adds the child to the panel (the panel takes its own reference).
  static void AddChild(CTKMarkupPanel* pPanel, CTKMarkupUIElement* pChild) {
    pChild->AddRef();
    ASSERT_TRUE(pPanel->GetChildren()->Add(pChild));
  }
  void Layout(CTKMarkupUIElement* pElement, const RECT& rc) {
    CTKMarkupDrawingContext dc(m_pContext);
    pElement->Measure(&dc, rc.right - rc.left, rc.bottom - rc.top);
    pElement->Arrange(rc);
  }

  CRecordingContext* m_pContext = nullptr;
  std::vector<CTKMarkupObject*> m_objects;
};

// ---------------------------------------------------------------------------
// Framework element layout

struct ArrangeCase {
  const char* name;
  int nMargin;
  TKMarkupAlignment nHorizontal;
  int nWidth, nMinWidth, nMaxWidth;  // INT_MAX/0/INT_MAX: unset
  int cxContent;
  int nSlotWidth;
  int cxDesired;
  int xOffset;
  int cxRender;
  bool bNeedsClip;
};

TEST_F(ElementTest, ArrangeTableOfMarginsLimitsAndAlignment) {
  const ArrangeCase kCases[] = {
      // 100x50 content, margin 10, 300 wide: 120 desired, stretched to 280 at 10.
      {"stretch", 10, TKMarkupAlignment_Stretch, INT_MAX, 0, INT_MAX, 100, 300, 120, 10, 280,
       false},
      {"center", 10, TKMarkupAlignment_Center, INT_MAX, 0, INT_MAX, 100, 300, 120, 100, 100, false},
      {"right", 10, TKMarkupAlignment_Far, INT_MAX, 0, INT_MAX, 100, 300, 120, 190, 100, false},
      {"left", 10, TKMarkupAlignment_Near, INT_MAX, 0, INT_MAX, 100, 300, 120, 10, 100, false},
      // MinWidth wins over Width; the 80-wide element is centred in the stretch slot.
      {"width below min", 0, TKMarkupAlignment_Stretch, 50, 80, INT_MAX, 30, 300, 80, 110, 80,
       true},
      // MaxWidth caps Width; content asking for more is clipped.
      {"width above max", 0, TKMarkupAlignment_Stretch, 200, 0, 120, 150, 300, 120, 90, 150, true},
      // The odd pixel of the leftover (261 - 100) goes to the right.
      {"odd leftover", 10, TKMarkupAlignment_Center, INT_MAX, 0, INT_MAX, 100, 281, 120, 90, 100,
       false},
      // Content wider than the slot: capped desired size, kept to the left.
      {"too wide", 0, TKMarkupAlignment_Stretch, INT_MAX, 0, INT_MAX, 400, 300, 300, 0, 400, true},
      // ... or centred, shifting left by half of the overflow, truncated.
      {"too wide centred", 0, TKMarkupAlignment_Center, INT_MAX, 0, INT_MAX, 401, 300, 300, -50,
       401, true},
  };
  for (const ArrangeCase& c : kCases) {
    SCOPED_TRACE(c.name);
    CFixedElement* pElement = Fixed(c.cxContent, 50);
    pElement->SetMargin(Make(new CTKMarkupThickness(c.nMargin)));
    pElement->SetHorizontalAlignment(c.nHorizontal);
    if (c.nWidth != INT_MAX) pElement->SetWidth(c.nWidth);
    if (c.nMinWidth != 0) pElement->SetMinWidth(c.nMinWidth);
    if (c.nMaxWidth != INT_MAX) pElement->SetMaxWidth(c.nMaxWidth);
    Layout(pElement, CRect(0, 0, c.nSlotWidth, 300));
    EXPECT_EQ(pElement->GetDesiredSize().cx, c.cxDesired);
    EXPECT_EQ(pElement->GetDesiredSize().cy, 50 + 2 * c.nMargin);
    EXPECT_EQ(pElement->GetVisualOffset().x, c.xOffset);
    EXPECT_EQ(pElement->GetVisualOffset().y, c.nMargin);
    EXPECT_EQ(pElement->GetRenderSize().cx, c.cxRender);
    EXPECT_EQ(pElement->GetRenderSize().cy, 300 - 2 * c.nMargin);
    EXPECT_EQ(pElement->NeedsClip() != FALSE, c.bNeedsClip);
  }
}

TEST_F(ElementTest, LayoutClipFollowsOverflowMaximaAndClipToBounds) {
  RECT rc;
  CFixedElement* pFits = Fixed();
  pFits->SetMargin(Make(new CTKMarkupThickness(10)));
  Layout(pFits, CRect(0, 0, 300, 300));
  EXPECT_FALSE(pFits->GetLayoutClip(&rc));

  // Overflow centred: the client area, shifted into the element's coordinates.
  CFixedElement* pWide = Fixed(401, 50);
  pWide->SetHorizontalAlignment(TKMarkupAlignment_Center);
  Layout(pWide, CRect(0, 0, 300, 300));
  ASSERT_TRUE(pWide->GetLayoutClip(&rc));
  EXPECT_EQ(CRect(rc), CRect(50, 0, 350, 300));

  // A finite maximum clips to it.
  CFixedElement* pCapped = Fixed(150, 50);
  pCapped->SetWidth(200);
  pCapped->SetMaxWidth(120);
  Layout(pCapped, CRect(0, 0, 300, 300));
  ASSERT_TRUE(pCapped->GetLayoutClip(&rc));
  EXPECT_EQ(CRect(rc), CRect(0, 0, 120, 300));

  // ClipToBounds: the slot less the margins, in the element's coordinates.
  CFixedElement* pBounded = Fixed();
  pBounded->SetMargin(Make(new CTKMarkupThickness(10)));
  pBounded->SetHorizontalAlignment(TKMarkupAlignment_Center);
  pBounded->SetClipToBounds(TRUE);
  Layout(pBounded, CRect(0, 0, 300, 300));
  ASSERT_TRUE(pBounded->GetLayoutClip(&rc));
  EXPECT_EQ(CRect(rc), CRect(0, 0, 100, 280));
}

TEST_F(ElementTest, UnboundedAvailableSizesStayUnboundedAfterMargins) {
  struct {
    int nAvailable;
    int nLeft, nRight;
    int nOffered;
  } const kCases[] = {
      {INT_MAX, 10, 10, INT_MAX},
      {0x40000000, 10, 10, INT_MAX},
      {0x3FFFFFFF, 10, 10, 0x3FFFFFFF - 20},
      {500, -0x1FFFFFFF, -0x20000000, 500 + 0x3FFFFFFF},
      {500, -0x20000000, -0x20000001, INT_MAX},
      {15, 10, 10, 0},
  };
  for (const auto& c : kCases) {
    CFixedElement* pElement = Fixed();
    pElement->SetMargin(Make(new CTKMarkupThickness(c.nLeft, 0, c.nRight, 0)));
    CTKMarkupDrawingContext dc(m_pContext);
    pElement->Measure(&dc, c.nAvailable, 300);
    EXPECT_EQ(pElement->m_szOffered.cx, c.nOffered) << c.nAvailable << " " << c.nRight;
  }
}

// ---------------------------------------------------------------------------
// The measure/arrange protocol

TEST_F(ElementTest, MeasureIsCachedPerAvailableSize) {
  CFixedElement* pElement = Fixed();
  CTKMarkupDrawingContext dc(m_pContext);
  pElement->Measure(&dc, 300, 200);
  pElement->Measure(&dc, 300, 200);
  EXPECT_EQ(pElement->m_nMeasures, 1);
  pElement->Measure(&dc, 300, 201);
  EXPECT_EQ(pElement->m_nMeasures, 2);

  // Arrange skips the work when neither the rectangle nor the measure changed.
  pElement->Arrange(CRect(0, 0, 300, 201));
  pElement->Arrange(CRect(0, 0, 300, 201));
  EXPECT_EQ(pElement->m_nArranges, 1);
  pElement->Arrange(CRect(5, 0, 300, 201));
  EXPECT_EQ(pElement->m_nArranges, 2);
}

TEST_F(ElementTest, FirstArrangeMeasuresWhenNobodyDid) {
  CFixedElement* pElement = Fixed();
  pElement->Arrange(CRect(0, 0, 300, 200));
  EXPECT_EQ(pElement->m_nMeasures, 1);
  EXPECT_EQ(pElement->m_szOffered, CSize(300, 200));
  EXPECT_EQ(pElement->GetDesiredSize(), CSize(100, 50));
}

TEST_F(ElementTest, CollapsedTakesNoSpaceAndHiddenKeepsItButDrawsNothing) {
  CDibSurface surface(300, 300);
  CFixedElement* pCollapsed = Fixed();
  pCollapsed->SetVisibility(TKMarkupVisibility_Collapsed);
  Layout(pCollapsed, CRect(0, 0, 300, 300));
  EXPECT_EQ(pCollapsed->GetDesiredSize(), CSize(0, 0));
  EXPECT_EQ(pCollapsed->m_nMeasures, 0);
  EXPECT_EQ(pCollapsed->m_nArranges, 0);
  EXPECT_EQ(pCollapsed->GetFinalRect(), CRect(0, 0, 300, 300));

  CFixedElement* pHidden = Fixed();
  pHidden->SetVisibility(TKMarkupVisibility_Hidden);
  Layout(pHidden, CRect(0, 0, 300, 300));
  EXPECT_EQ(pHidden->GetDesiredSize(), CSize(100, 50));
  EXPECT_EQ(pHidden->m_nArranges, 1);
  EXPECT_EQ(pHidden->InputHitTest(10, 10), nullptr);

  CTKMarkupDrawingContext dc(m_pContext, surface.GetSafeHdc());
  pCollapsed->Render(&dc);
  pHidden->Render(&dc);
  EXPECT_EQ(pCollapsed->m_nRenders, 0);
  EXPECT_EQ(pCollapsed->m_nNotRendered, 1);
  EXPECT_EQ(pHidden->m_nRenders, 0);
  EXPECT_EQ(pHidden->m_nNotRendered, 1);

  pHidden->SetVisibility(TKMarkupVisibility_Visible);
  pHidden->Render(&dc);
  EXPECT_EQ(pHidden->m_nRenders, 1);
}

TEST_F(ElementTest, RenderCullsWhatMissesTheClipBox) {
  CDibSurface surface(50, 50);
  COverlayPanel* pPanel = Make(new COverlayPanel);
  CFixedElement* pChild = Fixed(20, 20);
  pChild->SetMargin(Make(new CTKMarkupThickness(100, 0, 0, 0)));  // lies right of the surface
  AddChild(pPanel, pChild);
  Layout(pPanel, CRect(0, 0, 200, 50));
  CTKMarkupDrawingContext dc(m_pContext, surface.GetSafeHdc());
  dc.IntersectClipRect(CRect(0, 0, 50, 50));  // GDI+ reports no clip as a huge box
  pPanel->Render(&dc);
  EXPECT_EQ(pChild->m_nRenders, 0);
  EXPECT_EQ(pChild->m_nNotRendered, 1);
}

TEST_F(ElementTest, UpdateMeasureWithUnchangedSizeRearrangesAndRepaintsOnlyTheChild) {
  COverlayPanel* pRoot = Make(new COverlayPanel);
  CFixedElement* pChild = Fixed(100, 50);
  pChild->SetWidth(60);
  AddChild(pRoot, pChild);
  Layout(pRoot, CRect(0, 0, 300, 300));
  m_pContext->m_repainted.clear();
  m_pContext->m_laidOut.clear();

  pChild->m_szContent = CSize(120, 50);  // Width still pins it to 60
  pChild->InvalidateMeasure();
  EXPECT_EQ(pChild->m_nMeasures, 2);
  EXPECT_TRUE(m_pContext->m_laidOut.empty());
  ASSERT_EQ(m_pContext->m_repainted.size(), 1u);
  EXPECT_EQ(m_pContext->m_repainted[0], pChild);
}

TEST_F(ElementTest, UpdateMeasureWithNewSizeClimbsToTheContextLayout) {
  COverlayPanel* pRoot = Make(new COverlayPanel);
  COverlayPanel* pMiddle = Make(new COverlayPanel);
  CFixedElement* pChild = Fixed(100, 50);
  AddChild(pRoot, pMiddle);
  AddChild(pMiddle, pChild);
  Layout(pRoot, CRect(0, 0, 300, 300));
  EXPECT_EQ(pMiddle->GetDesiredSize(), CSize(100, 50));
  m_pContext->m_laidOut.clear();

  pChild->m_szContent = CSize(140, 50);
  pChild->InvalidateMeasure();
  EXPECT_EQ(pMiddle->GetDesiredSize(), CSize(140, 50));
  ASSERT_EQ(m_pContext->m_laidOut.size(), 1u);
  EXPECT_EQ(m_pContext->m_laidOut[0], pRoot);
}

/// Changes its own MinWidth from inside its layout, as content that sizes
/// itself from what it is given would.
class CSelfSizingElement : public CFixedElement {
 public:
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nWidth, int nHeight) override {
    if (m_nMinWidthInMeasure != 0) SetMinWidth(m_nMinWidthInMeasure);
    return CFixedElement::MeasureOverride(pDC, nWidth, nHeight);
  }
  CSize ArrangeOverride(int nWidth, int nHeight) override {
    if (m_nMinWidthInArrange != 0) SetMinWidth(m_nMinWidthInArrange);
    return CFixedElement::ArrangeOverride(nWidth, nHeight);
  }
  int m_nMinWidthInMeasure = 0;
  int m_nMinWidthInArrange = 0;
};

TEST_F(ElementTest, ChangeDuringMeasureIsMeasuredAtTheNextPass) {
  COverlayPanel* pRoot = Make(new COverlayPanel);
  CSelfSizingElement* pChild = Make(new CSelfSizingElement);
  AddChild(pRoot, pChild);
  pChild->m_nMinWidthInMeasure = 150;
  Layout(pRoot, CRect(0, 0, 300, 300));
  // The pass read the limits before the change.
  EXPECT_EQ(pChild->GetDesiredSize(), CSize(100, 50));
  ASSERT_EQ(m_pContext->m_laidOut.size(), 1u);
  EXPECT_EQ(m_pContext->m_laidOut[0], pRoot);

  // Same available size: the caches must not hide the change.
  Layout(pRoot, CRect(0, 0, 300, 300));
  EXPECT_EQ(pChild->GetDesiredSize(), CSize(150, 50));
  EXPECT_EQ(pRoot->GetDesiredSize(), CSize(150, 50));
}

TEST_F(ElementTest, ChangeDuringArrangeNeitherRecursesNorIsLost) {
  COverlayPanel* pRoot = Make(new COverlayPanel);
  CSelfSizingElement* pChild = Make(new CSelfSizingElement);
  AddChild(pRoot, pChild);
  Layout(pRoot, CRect(0, 0, 300, 300));
  m_pContext->m_laidOut.clear();

  // Every arrange sets the value again (and so notifies again): arranging
  // again from inside would never end.
  pChild->m_nMinWidthInArrange = 150;
  const int nArranges = pChild->m_nArranges;
  pChild->UpdateArrange();
  EXPECT_EQ(pChild->m_nArranges, nArranges + 1);
  ASSERT_EQ(m_pContext->m_laidOut.size(), 1u);
  EXPECT_EQ(m_pContext->m_laidOut[0], pChild);

  Layout(pRoot, CRect(0, 0, 300, 300));
  EXPECT_EQ(pChild->GetDesiredSize(), CSize(150, 50));
  EXPECT_EQ(pChild->GetRenderSize(), CSize(150, 50));
}

TEST_F(ElementTest, PropertyChangesThatAffectLayoutMeasureAgain) {
  CFixedElement* pElement = Fixed();
  Layout(pElement, CRect(0, 0, 300, 300));
  pElement->SetValue(CTKMarkupFrameworkElement::TagProperty, CTKMarkupString::CreateValue(L"t"));
  EXPECT_EQ(pElement->m_nMeasures, 1);
  pElement->SetHorizontalAlignment(TKMarkupAlignment_Center);  // affects arrange
  EXPECT_EQ(pElement->m_nMeasures, 2);
  EXPECT_EQ(pElement->GetVisualOffset().x, 100);
}

// ---------------------------------------------------------------------------
// Hit testing

TEST_F(ElementTest, HitTestFindsTheTopmostChildWithEdgesExclusive) {
  COverlayPanel* pPanel = Make(new COverlayPanel);
  CFixedElement* pLower = Fixed(40, 40);
  CFixedElement* pUpper = Fixed(20, 20);
  pUpper->SetMargin(Make(new CTKMarkupThickness(10, 10, 0, 0)));
  AddChild(pPanel, pLower);
  AddChild(pPanel, pUpper);
  Layout(pPanel, CRect(0, 0, 100, 100));

  EXPECT_EQ(pPanel->InputHitTest(15, 15), pUpper);
  EXPECT_EQ(pPanel->InputHitTest(29, 29), pUpper);
  EXPECT_EQ(pPanel->InputHitTest(30, 29), pLower);  // right edge of the upper child
  EXPECT_EQ(pPanel->InputHitTest(5, 5), pLower);
  EXPECT_EQ(pPanel->InputHitTest(40, 5), nullptr);  // no background: falls through
  EXPECT_EQ(pPanel->InputHitTest(100, 5), nullptr);

  pPanel->SetBackground(Make(new CTKMarkupSolidColorBrush(0, RGB(0, 0, 0))));
  EXPECT_EQ(pPanel->InputHitTest(40, 5), pPanel);  // a transparent background is hit
  EXPECT_EQ(pPanel->InputHitTest(99, 99), pPanel);
  EXPECT_EQ(pPanel->InputHitTest(100, 99), nullptr);
}

// ---------------------------------------------------------------------------
// Routed events

/// Records its name; sets Handled when asked.
class CRecordingDelegate : public CTKMarkupDelegate {
 public:
  CRecordingDelegate(std::string* pLog, const char* pszName, bool bHandle)
      : m_pLog(pLog), m_name(pszName), m_bHandle(bHandle) {}
  void Execute(CTKMarkupObject*, CTKMarkupObject* pArgs) override {
    *m_pLog += m_name + ";";
    if (m_bHandle) static_cast<CTKMarkupRoutedEventArgs*>(pArgs)->SetHandled(TRUE);
  }

 private:
  std::string* m_pLog;
  std::string m_name;
  bool m_bHandle;
};

TEST_F(ElementTest, DirectEventsStayAndBubblingEventsStopWhereHandled) {
  static CTKMarkupRoutedEvent* s_pBubble = CTKMarkupRoutedEvent::RegisterRoutedEvent(
      L"TestBubble", TK_MARKUP_ROUTE_BUBBLE, CTKMarkupInputElement::StaticType());
  COverlayPanel* pTop = Make(new COverlayPanel);
  COverlayPanel* pMiddle = Make(new COverlayPanel);
  CFixedElement* pLeaf = Fixed();
  AddChild(pTop, pMiddle);
  AddChild(pMiddle, pLeaf);

  std::string log;
  struct {
    CTKMarkupInputElement* pElement;
    const char* pszName;
    bool bHandle;
  } const kHandlers[] = {{pLeaf, "leaf", false}, {pMiddle, "middle", true}, {pTop, "top", false}};
  for (const auto& h : kHandlers) {
    for (CTKMarkupRoutedEvent* pEvent : {s_pBubble, CTKMarkupInputElement::MouseMoveEvent}) {
      CRecordingDelegate* pDelegate = new CRecordingDelegate(&log, h.pszName, h.bHandle);
      h.pElement->AddHandler(pEvent, pDelegate);
      pDelegate->Release();
    }
  }

  CTKMarkupAutoPtr<CTKMarkupRoutedEventArgs> bubble(new CTKMarkupRoutedEventArgs(s_pBubble));
  pLeaf->RaiseEvent(bubble);
  EXPECT_EQ(log, "leaf;middle;");
  EXPECT_TRUE(bubble->GetHandled());

  log.clear();
  CTKMarkupAutoPtr<CTKMarkupMouseEventArgs> move(
      new CTKMarkupMouseEventArgs(CTKMarkupInputElement::MouseMoveEvent));
  pMiddle->RaiseEvent(move);
  EXPECT_EQ(log, "middle;");

  log.clear();
  CFixedElement* pLonely = Fixed();
  pLonely->RaiseEvent(move);  // no handlers: nothing happens
  EXPECT_EQ(log, "");
}

TEST_F(ElementTest, MouseEnterAndLeaveToggleIsMouseOverAndCursorAnswersTheQuery) {
  CFixedElement* pElement = Fixed();
  pElement->OnMouseEnter(nullptr);
  EXPECT_TRUE(pElement->IsMouseOver());
  pElement->OnMouseLeave(nullptr);
  EXPECT_FALSE(pElement->IsMouseOver());

  CTKMarkupAutoPtr<CTKMarkupQueryCursorEventArgs> query(new CTKMarkupQueryCursorEventArgs);
  pElement->OnQueryCursor(query);
  EXPECT_FALSE(query->GetHandled());
  pElement->SetValue(CTKMarkupInputElement::CursorProperty, new CTKMarkupInt(0));  // "None"
  pElement->OnQueryCursor(query);
  EXPECT_TRUE(query->GetHandled());
  EXPECT_EQ(query->GetCursor(), nullptr);
  pElement->SetValue(CTKMarkupInputElement::CursorProperty, new CTKMarkupInt(32649));
  pElement->OnQueryCursor(query);
  EXPECT_EQ(query->GetCursor(), ::LoadCursor(nullptr, IDC_HAND));
}

// ---------------------------------------------------------------------------
// Panels

TEST_F(ElementTest, PanelParsesChildrenAsVisualChildrenAndDrawsItsBackground) {
  std::string error;
  CTKMarkupAutoPtr<> root(ParseForTest(m_pContext,
                                       L"<Panel Background='#FF0000'>"
                                       L"<FrameworkElement Width='5'/>"
                                       L"<Panel Background='#0000FF' Margin='10' Width='10'/>"
                                       L"<Panel Background='#00FF00' Visibility='Hidden'/>"
                                       L"</Panel>",
                                       &error));
  ASSERT_NE(root.Get(), nullptr) << error;
  CTKMarkupPanel* pPanel = MarkupCast<CTKMarkupPanel>(root);
  ASSERT_NE(pPanel, nullptr);
  ASSERT_EQ(pPanel->GetVisualChildrenCount(), 3);
  EXPECT_EQ(pPanel->GetLogicalChild(1), pPanel->GetVisualChild(1));
  EXPECT_EQ(pPanel->GetVisualChild(1)->GetParent(), pPanel->GetChildren());
  EXPECT_EQ(pPanel->GetVisualChild(1)->GetVisualParent(), pPanel);
  EXPECT_EQ(pPanel->GetVisualChild(3), nullptr);

  // A plain panel arranges nobody: place the children by hand.
  Layout(pPanel, CRect(0, 0, 40, 30));
  EXPECT_EQ(pPanel->GetDesiredSize(), CSize(0, 0));
  for (int i = 0; i < 3; ++i) pPanel->GetChild(i)->Arrange(CRect(0, 0, 40, 30));
  pPanel->UpdateBoundRect();

  CDibSurface surface(60, 40);
  {
    CTKMarkupDrawingContext dc(m_pContext, surface.GetSafeHdc());
    pPanel->Render(&dc);
  }
  EXPECT_EQ(surface.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(surface.GetPixel(39, 29), RGB(255, 0, 0));
  EXPECT_EQ(surface.GetPixel(40, 29), RGB(255, 255, 255));
  EXPECT_EQ(surface.GetPixel(39, 30), RGB(255, 255, 255));
  // The blue child: 10 wide, centred in the 20-wide client area at (10, 10).
  EXPECT_EQ(surface.CountPixels(CRect(15, 10, 25, 20), RGB(0, 0, 255)), 100);
  EXPECT_EQ(surface.GetPixel(14, 10), RGB(255, 0, 0));
  EXPECT_EQ(surface.CountPixels(RGB(0, 255, 0)), 0);  // hidden
}

TEST_F(ElementTest, ChangingTheChildrenMeasuresThePanelAgain) {
  COverlayPanel* pPanel = Make(new COverlayPanel);
  Layout(pPanel, CRect(0, 0, 300, 300));
  AddChild(pPanel, Fixed(70, 30));
  EXPECT_EQ(pPanel->GetDesiredSize(), CSize(70, 30));
  pPanel->GetChildren()->RemoveAll();
  EXPECT_EQ(pPanel->GetDesiredSize(), CSize(0, 0));
}

TEST_F(ElementTest, ContentElementForwardsChangesToItsHost) {
  CFixedElement* pHost = Fixed();
  Layout(pHost, CRect(0, 0, 300, 300));
  CTKMarkupFrameworkContentElement* pInline = Make(new CTKMarkupFrameworkContentElement);
  pInline->SetParent(pHost);
  EXPECT_EQ(pInline->GetParentFrameworkElement(), pHost);
  EXPECT_EQ(pInline->InputHitTest(1000, 1000), pInline);
  m_pContext->m_repainted.clear();
  pInline->SetValue(CTKMarkupInputElement::IsKeyboardFocusedProperty,
                    CTKMarkupBool::CreateTrueValue());  // affects render only
  EXPECT_EQ(pHost->m_nMeasures, 1);
  ASSERT_EQ(m_pContext->m_repainted.size(), 1u);
  EXPECT_EQ(m_pContext->m_repainted[0], pHost);
  pInline->SetParent(nullptr);
}

}  // namespace

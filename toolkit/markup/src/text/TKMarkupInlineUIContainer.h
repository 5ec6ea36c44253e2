// CTKMarkupInlineUIContainer: a UI element placed in the flow of a text
// block's text.
#pragma once

#include "TKMarkupInline.h"

class CTKMarkupUIElement;

/// Occupies one position (0): the piece that starts there measures, places
/// and draws the child. Both of its positions are break opportunities.
class CTKMarkupInlineUIContainer : public CTKMarkupInline {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupInlineUIContainer();
  ~CTKMarkupInlineUIContainer() override;

  CTKMarkupUIElement* GetChild() const { return m_pChild; }
  /// Detaches and releases the old child; keeps the new one (adding a
  /// reference) as its parent.
  void SetChild(CTKMarkupUIElement* pChild);

  int GetFirstPosition() override { return m_pChild != nullptr ? 0 : TK_MARKUP_TEXT_END; }
  int GetNextPosition(int nPosition) override;
  BOOL IsWordBreakPosition(int nPosition) override { return nPosition == 0 || nPosition == 1; }
  SIZE MeasureRange(CTKMarkupDrawingContext* pDC, int nStart, int nEnd) override;
  void ArrangeRange(const RECT& rc, int nStart, int nEnd) override;
  void RenderRange(CTKMarkupDrawingContext* pDC, const RECT& rc, int nStart, int nEnd) override;
  /// The child's own hit, or the container when the child has none.
  CTKMarkupInputElement* InputHitTest(int x, int y) override;

  int GetLogicalChildrenCount() override { return m_pChild != nullptr ? 1 : 0; }
  CTKMarkupObject* GetLogicalChild(int nIndex) override;
  /// Content must be a UI element.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  BOOL HasContentObject() override { return m_pChild != nullptr; }

 protected:
  LPDISPATCH DispGetChild();
  DECLARE_DISPATCH_MAP()

 private:
  CTKMarkupUIElement* m_pChild;
};

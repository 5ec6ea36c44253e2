// CTKMarkupToolTipContext: the toolkit's tooltip context in markup style for
// one markup context: it takes the host window's mouse messages and asks the
// markup context which element's text tip is under the mouse.
#pragma once

#include "common/TKToolTipContext.h"
#include "TKMarkupToolTipRelay.h"

class CTKMarkupContext;

/// Install with CTKMarkupContext::SetToolTipRelay; it must outlive that
/// installation. The markup context is not counted.
class CTKMarkupToolTipContext : public CTKToolTipContext, public ITKMarkupToolTipRelay {
 public:
  explicit CTKMarkupToolTipContext(CTKMarkupContext* pContext);

  /// The markup context's FindToolTip.
  INT_PTR OnToolHitTest(CWnd* pWnd, CPoint point, TOOLINFO* pTI) override;
  using CTKToolTipContext::RelayToolTipMessage;
  void RelayToolTipMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CTKMarkupContext* m_pContext;
};

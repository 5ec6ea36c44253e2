// A scroll bar or slider that a gallery page puts into each state by hand.
#pragma once

#include "common/TKScrollBarPaintManager.h"
#include "common/TKScrollBase.h"

class CGalleryScrollBar : public CTKScrollBase {
 public:
  /// Over 0 .. nMax with a page and a position; `bEnabled` is the bar's own
  /// enabled state (a bar without room beyond its page looks disabled anyway).
  CGalleryScrollBar(CTKScrollBarPaintManager* pPaintManager, const CRect& rc, BOOL bVertical,
                    int nMax, int nPage, int nPos, int nStyle, BOOL bEnabled = TRUE);
  ~CGalleryScrollBar() override;

  /// Part `nPart` under the mouse, or held down when `bPressed`.
  void SetPart(int nPart, BOOL bPressed);

  CWnd* GetParentWindow() const override { return NULL; }
  BOOL IsScrollBarEnabled() const override { return m_bEnabled; }
  CTKScrollBarPaintManager* GetScrollBarPaintManager() const override { return m_pPaintManager; }
  void GetScrollBarRect(CRect& rc) override { rc = m_rc; }
  void GetScrollInfo(SCROLLINFO* pInfo) override { *pInfo = m_si; }
  void RedrawScrollBar() override {}
  void DoScroll(int, int) override {}

 private:
  CTKScrollBarPaintManager* m_pPaintManager;
  CRect m_rc;
  BOOL m_bEnabled;
  SCROLLINFO m_si = {};
  TK_SCROLLBAR_TRACKINFO m_track = {};
};

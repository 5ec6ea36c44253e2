// Window-less stand-ins that the themes pages hand to the paint managers: a
// message bar's client and message rectangles and a progress bar at a position.
#pragma once

#include "commandbars/TKProgressBase.h"
#include "themes/TKMessageBarPaintManager.h"

/// A message bar over `rc` with room for its close button at the right.
class CGalleryBar : public ITKMessageBarView {
 public:
  explicit CGalleryBar(CRect rc) : m_rc(rc) {}
  CRect GetClientRect() const override { return m_rc; }
  CRect GetMessageRect() const override {
    CRect rc(m_rc);
    rc.DeflateRect(3, 3, 3 + 18, 3);
    return rc;
  }
  CRect m_rc;
};

/// A progress bar over `rc` at `nPos` of 0 .. 100.
class CGalleryProgress : public CTKProgressBase {
 public:
  CGalleryProgress(const CRect& rc, int nPos) : m_rc(rc) { SetPos(nPos); }
  CRect GetProgressRect() override { return m_rc; }
  void RedrawProgress() override {}
  CTKProgressPaintManager* GetProgressPaintManager() override { return nullptr; }

 private:
  CRect m_rc;
};

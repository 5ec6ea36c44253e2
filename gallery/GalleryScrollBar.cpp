// CGalleryScrollBar: a bar in a state set by hand.
#include "GalleryScrollBar.h"

CGalleryScrollBar::CGalleryScrollBar(CTKScrollBarPaintManager* pPaintManager, const CRect& rc,
                                     BOOL bVertical, int nMax, int nPage, int nPos, int nStyle,
                                     BOOL bEnabled)
    : m_pPaintManager(pPaintManager), m_rc(rc), m_bEnabled(bEnabled) {
  m_layout.bVertical = bVertical;
  m_si.cbSize = sizeof(m_si);
  m_si.nMax = nMax;
  m_si.nPage = nPage;
  m_si.nPos = nPos;
  m_nStyle = nStyle;
  UpdateScrollBarInfo();
}

// The tracking data is the bar's own member, not the engine's allocation.
CGalleryScrollBar::~CGalleryScrollBar() { m_pTrack = NULL; }

void CGalleryScrollBar::SetPart(int nPart, BOOL bPressed) {
  m_layout.nHitPart = nPart;
  m_track = TK_SCROLLBAR_TRACKINFO();
  m_track.bOverPart = TRUE;
  m_track.bDraggingThumb = nPart == TKSB_HT_THUMB;
  m_track.pLayout = &m_layout;
  m_pTrack = bPressed ? &m_track : NULL;
}

// The bar states of one save or load, and the scaling of positions saved on
// a screen of another size.
#include "commandbars/TKCommandBarsDockState.h"

#include <algorithm>

#include "commandbars/TKCommandBarsSystem.h"
#include "TKProfile.h"

using namespace tkprofile;

namespace {
const char kSummarySection[] = "-Summary";
}  // namespace

CTKCommandBarsDockState::CTKCommandBarsDockState()
    : m_nVersion(42),
      m_bScaling(FALSE),
      m_szScreen(TKCommandBarsSystem()->GetScreenSize()),
      m_szSavedScreen(0, 0) {}

CTKCommandBarsDockState::~CTKCommandBarsDockState() { RemoveAll(); }

void CTKCommandBarsDockState::RemoveAll() {
  for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i) delete m_arrBarInfo[i];
  m_arrBarInfo.RemoveAll();
}

void CTKCommandBarsDockState::SaveState(LPCTSTR lpszProfileName) {
  const int nCount = static_cast<int>(m_arrBarInfo.GetSize());
  for (int i = 0; i < nCount; ++i) m_arrBarInfo[i]->SaveState(lpszProfileName, i);
  const CString strSection = SectionName(lpszProfileName, kSummarySection);
  WriteInt(strSection, "Bars", nCount);
  WriteInt(strSection, "ScreenCX", m_szScreen.cx);
  WriteInt(strSection, "ScreenCY", m_szScreen.cy);
}

void CTKCommandBarsDockState::LoadState(LPCTSTR lpszProfileName) {
  RemoveAll();
  const CString strSection = SectionName(lpszProfileName, kSummarySection);
  const int nBars = GetInt(strSection, "Bars", 0);
  SetSavedScreenSize(CSize(GetInt(strSection, "ScreenCX", 0), GetInt(strSection, "ScreenCY", 0)));
  // The records are numbered without gaps, so the first missing one ends a
  // count that claims more than the profile holds.
  for (int i = 0; i < nBars; ++i) {
    CTKToolBar::CToolBarInfo* pInfo = new CTKToolBar::CToolBarInfo;
    if (!pInfo->LoadState(lpszProfileName, i, this)) {
      delete pInfo;
      break;
    }
    m_arrBarInfo.Add(pInfo);
  }
}

void CTKCommandBarsDockState::SetSavedScreenSize(CSize szSaved) {
  m_szSavedScreen = szSaved;
  m_bScaling = szSaved.cx != 0 && szSaved.cy != 0 &&
               (szSaved.cx != m_szScreen.cx || szSaved.cy != m_szScreen.cy);
}

void CTKCommandBarsDockState::ScalePoint(CPoint& pt) const {
  if (m_bScaling) {
    pt.x = ::MulDiv(pt.x, m_szScreen.cx, m_szSavedScreen.cx);
    pt.y = ::MulDiv(pt.y, m_szScreen.cy, m_szSavedScreen.cy);
  }
  const CRect rcWork = TKCommandBarsSystem()->GetWorkAreaFromPoint(pt);
  pt.x = std::min<LONG>(pt.x, rcWork.right - ::GetSystemMetrics(SM_CXICON));
  pt.y = std::min<LONG>(pt.y, rcWork.bottom - ::GetSystemMetrics(SM_CYICON));
}

void CTKCommandBarsDockState::ScaleRect(CRect& rc) const {
  if (m_bScaling) {
    CPoint pt = rc.TopLeft();
    pt.x = ::MulDiv(pt.x, m_szScreen.cx, m_szSavedScreen.cx);
    pt.y = ::MulDiv(pt.y, m_szScreen.cy, m_szSavedScreen.cy);
    rc.OffsetRect(pt - rc.TopLeft());
  }
  const CRect rcWork = TKCommandBarsSystem()->GetWorkAreaFromRect(rc);
  if (rc.left > rcWork.right) rc.OffsetRect(rcWork.right - rc.left, 0);
  if (rc.top > rcWork.bottom) rc.OffsetRect(0, rcWork.bottom - rc.top);
}

// Navigate buttons: placement, visibility, glyphs and the capture loop that
// repeats a held arrow every 20 ms.
#include "tabs/TKTabManagerNavigateButton.h"

#include "TKTabCaptureLoop.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKGlyphFont.h"
#include "common/TKResourceManager.h"
#include "TKTabClock.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerTheme.h"

namespace {

const DWORD kRepeatMs = 20;

/// The strings of the toolkit's string table, with the English text when the
/// program carries no table.
CString LoadButtonText(UINT nId, LPCTSTR lpszFallback) {
  BOOL bError = FALSE;
  CString str = TKResourceManager()->LoadString(nId, &bError);
  return bError || str.IsEmpty() ? CString(lpszFallback) : str;
}

}  // namespace

CTKTabManagerNavigateButton::CTKTabManagerNavigateButton(CTKTabManager* pManager, int nId,
                                                         int nDisplayMode)
    : m_nId(nId), m_nDisplayMode(nDisplayMode), m_pManager(pManager) {}

CTKTabManagerNavigateButton::~CTKTabManagerNavigateButton() {
  if (m_pManager != NULL) m_pManager->ClearHighlightedNavigateButton(this);
}

void CTKTabManagerNavigateButton::ReserveSpace(int& nLength) {
  if (!m_pManager->IsNavigateButtonVisible(this)) return;
  const CSize sz = GetSize();
  nLength -= m_pManager->IsHorizontal() ? sz.cx : sz.cy;
}

CSize CTKTabManagerNavigateButton::GetSize() const {
  return m_pManager->GetPaintManager()->m_szNavigateButton;
}

void CTKTabManagerNavigateButton::Reposition(CRect& rcRemaining) {
  if (!m_pManager->IsNavigateButtonVisible(this)) {
    m_rc.SetRectEmpty();
    return;
  }
  PlaceAtEnd(rcRemaining);
}

void CTKTabManagerNavigateButton::PlaceAtEnd(CRect& rcRemaining) {
  const CSize sz = GetSize();
  if (m_pManager->IsHorizontal()) {
    const int nBottom = rcRemaining.CenterPoint().y + sz.cy / 2;
    m_rc.SetRect(rcRemaining.right - sz.cx, nBottom - sz.cy, rcRemaining.right, nBottom);
    rcRemaining.right -= sz.cx;
  } else {
    const int nRight = rcRemaining.CenterPoint().x + sz.cx / 2;
    m_rc.SetRect(nRight - sz.cx, rcRemaining.bottom - sz.cy, nRight, rcRemaining.bottom);
    rcRemaining.bottom -= sz.cy;
  }
}

void CTKTabManagerNavigateButton::OnExecute(BOOL bRepeat) {
  if (!bRepeat) m_pManager->OnNavigateButtonClick(this);
}

BOOL CTKTabManagerNavigateButton::IsHighlighted() const {
  return m_pManager->GetHighlightedNavigateButton() == this;
}

BOOL CTKTabManagerNavigateButton::IsItemHighlighted() const {
  return m_pItem != NULL && m_pManager->GetHighlightedItem() == m_pItem;
}

BOOL CTKTabManagerNavigateButton::IsItemSelected() const {
  return m_pItem != NULL && m_pManager->GetSelectedItem() == m_pItem;
}

BOOL CTKTabManagerNavigateButton::IsManagerActive() const { return m_pManager->IsActive(); }

void CTKTabManagerNavigateButton::Paint(CDC* pDC) {
  if (!m_rc.IsRectEmpty()) m_pManager->GetPaintManager()->PaintNavigateButton(pDC, this, m_rc);
}

void CTKTabManagerNavigateButton::PerformClick(HWND hWnd, CPoint point) {
  if (::GetCapture() != NULL || !m_bEnabled) return;
  ::SetCapture(hWnd);
  CTKTabClock* pClock = CTKTabClock::Get();
  DWORD dwLastRepeat = pClock->GetTickCount();
  CPoint ptLast = point;
  BOOL bAccept = FALSE;
  for (;;) {
    const DWORD dwElapsed = pClock->GetTickCount() - dwLastRepeat;
    if (dwElapsed > kRepeatMs && m_bEnabled) {
      dwLastRepeat += dwElapsed;
      OnExecute(TRUE);
    }
    const BOOL bPressed = m_rc.PtInRect(ptLast);
    if (bPressed != m_bPressed) {
      m_bPressed = bPressed;
      m_pManager->RedrawControl(m_rc, TRUE);
    }
    // Wait for input or the next repeat, whichever comes first.
    const DWORD dwWait = dwElapsed > kRepeatMs ? kRepeatMs + 1 : kRepeatMs + 1 - dwElapsed;
    MSG msg;
    BOOL bQuit = FALSE;
    if (!TakeCaptureMessageOrWait(msg, dwWait, bQuit)) {
      if (bQuit) break;
      continue;
    }
    if (msg.message == WM_CANCELMODE || msg.message == WM_RBUTTONDOWN) break;
    if (msg.message == WM_KEYDOWN) {
      if (msg.wParam == VK_ESCAPE) break;
      continue;
    }
    if (msg.message == WM_MOUSEMOVE) {
      ptLast = CPoint(static_cast<short>(LOWORD(msg.lParam)),
                      static_cast<short>(HIWORD(msg.lParam)));
      continue;
    }
    if (msg.message == WM_LBUTTONUP) {
      bAccept = m_bPressed;
      break;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
    if (::GetCapture() != hWnd) break;
  }
  if (::GetCapture() == hWnd) ::ReleaseCapture();
  m_bPressed = FALSE;
  m_pManager->PerformMouseMove(hWnd, ptLast);
  m_pManager->RedrawControl(NULL, FALSE);
  if (bAccept) OnExecute(FALSE);
}

void CTKTabManagerNavigateButtons::RemoveAll() {
  for (CTKTabManagerNavigateButton* pButton : m_buttons) delete pButton;
  m_buttons.clear();
}

void CTKTabManager::CNavigateButtonArrow::ReserveSpace(int& nLength) {
  if (m_nDisplayMode == tkTabButtonAlways) CTKTabManagerNavigateButton::ReserveSpace(nLength);
}

void CTKTabManager::CNavigateButtonArrow::OnExecute(BOOL bRepeat) {
  if (bRepeat) m_pManager->ScrollTabs(IsRight());
}

void CTKTabManager::CNavigateButtonArrow::Reposition(CRect& rcRemaining) {
  const BOOL bHorizontal = m_pManager->IsHorizontal();
  if (IsRight())
    m_strToolTip = bHorizontal ? LoadButtonText(9801, "Scroll Right")
                               : LoadButtonText(9804, "Scroll Down");
  else
    m_strToolTip = bHorizontal ? LoadButtonText(9800, "Scroll Left")
                               : LoadButtonText(9803, "Scroll Up");
  const CRect rcMargin = m_pManager->GetAppearanceSet()->GetHeaderMargin();
  const int nOffset = m_pManager->GetHeaderOffset();
  if (IsRight()) {
    // The room left once both arrows stand in the header, the room layout
    // scrolls the last tab into; a fixed allowance wider than the arrows
    // would keep the arrow enabled, and a held arrow repeating, for ever.
    const CSize sz = GetSize();
    const int nArrows = 2 * (m_pManager->IsHorizontal() ? sz.cx : sz.cy);
    const int nRoom =
        m_pManager->GetRectLength(rcRemaining) - rcMargin.left - rcMargin.right - nArrows;
    m_bEnabled = nRoom < m_pManager->GetItemsLength() + nOffset;
  } else {
    m_bEnabled = nOffset < 0;
  }
  RepositionArrow(rcRemaining);
}

void CTKTabManager::CNavigateButtonArrow::RepositionArrow(CRect& rcRemaining) {
  const int nLayout = m_pManager->GetLayout();
  if (nLayout == tkTabLayoutMultiRow) {
    m_rc.SetRectEmpty();
    return;
  }
  if (m_nDisplayMode != tkTabButtonAuto) {
    CTKTabManagerNavigateButton::Reposition(rcRemaining);
    return;
  }
  const CRect rcMargin = m_pManager->GetAppearanceSet()->GetHeaderMargin();
  const int nOffset = m_pManager->GetHeaderOffset();
  const int nRoom = m_pManager->GetRectLength(rcRemaining) - rcMargin.left - rcMargin.right;
  const BOOL bOverflow =
      m_pManager->GetItemsLength() + nOffset - rcMargin.left - 1 > nRoom || nOffset < 0;
  if (nLayout != tkTabLayoutShrink && bOverflow)
    PlaceAtEnd(rcRemaining);
  else
    m_rc.SetRectEmpty();
}

namespace {

void DrawButtonGlyph(CDC* pDC, TCHAR chGlyph, CRect rc, COLORREF clr, BOOL bEnabled) {
  TKGlyphFont()->DrawGlyph(pDC, chGlyph, rc, clr, CLR_NONE, !bEnabled);
}

}  // namespace

void CTKTabManager::CNavigateButtonArrowLeft::Draw(CDC* pDC, CRect rc, COLORREF clr,
                                                   BOOL bEnabled) {
  const TCHAR ch = !m_pManager->IsHorizontal() ? 0x32 : IsDCRightToLeft(pDC) ? 0x31 : 0x30;
  DrawButtonGlyph(pDC, ch, rc, clr, bEnabled);
}

void CTKTabManager::CNavigateButtonArrowRight::Draw(CDC* pDC, CRect rc, COLORREF clr,
                                                    BOOL bEnabled) {
  const TCHAR ch = !m_pManager->IsHorizontal() ? 0x33 : IsDCRightToLeft(pDC) ? 0x30 : 0x31;
  DrawButtonGlyph(pDC, ch, rc, clr, bEnabled);
}

CTKTabManager::CNavigateButtonClose::CNavigateButtonClose(CTKTabManager* pManager,
                                                          int nDisplayMode)
    : CTKTabManagerNavigateButton(pManager, tkTabButtonClose, nDisplayMode) {
  m_strToolTip = LoadButtonText(9802, "Close");
}

void CTKTabManager::CNavigateButtonClose::Draw(CDC* pDC, CRect rc, COLORREF clr, BOOL bEnabled) {
  rc.DeflateRect(TKDpiHelper()->ScaleX(1), TKDpiHelper()->ScaleY(1));
  DrawButtonGlyph(pDC, 0x2B, rc, clr, bEnabled);
}

// Labels, hyperlinks, check boxes and radio buttons.
#include "commandbars/TKControlLabels.h"

#include <shellapi.h>

#include "commandbars/TKPaintManager.h"
#include "common/TKColorManager.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlLabel, CTKControl)
TK_IMPLEMENT_LAYOUT_CLASS(CTKControlHyperlink, CTKControl)
TK_IMPLEMENT_LAYOUT_CLASS(CTKControlCheckBox, CTKControlButton)
TK_IMPLEMENT_LAYOUT_CLASS(CTKControlRadioButton, CTKControlButton)

namespace {

/// The toolkit colour of disabled text.
const int kGrayText = 17;

/// Space clicks a selected box as from the keyboard; the bar keeps the rest.
int ClickOnSpace(CTKControl* pControl, UINT nChar) {
  if (nChar != VK_SPACE) return 0;
  pControl->OnClick(TRUE);
  return 1;
}

}  // namespace

// Label ------------------------------------------------------------------------

CTKControlLabel::CTKControlLabel() {
  m_controlType = tkControlLabel;
  m_dwFlags = TKFLAG_SKIPFOCUS | TKFLAG_MANUALUPDATE | TKFLAG_NOMOVABLE;
}

BOOL CTKControlLabel::SetSelected(int) { return FALSE; }

void CTKControlLabel::OnClick(BOOL, CPoint pt) {
  // A label runs nothing; in customise mode it is dragged like any control.
  OnCustomizeClick(pt);
}

// Hyperlink --------------------------------------------------------------------

CTKControlHyperlink::CTKControlHyperlink() : m_hCursorHand(::LoadCursor(NULL, IDC_HAND)) {}

COLORREF CTKControlHyperlink::GetLinkColor() const {
  if (!GetEnabled()) return TKColorManager()->GetColor(kGrayText);
  return GetSelected() ? RGB(255, 0, 0) : RGB(0, 0, 255);
}

CFont* CTKControlHyperlink::GetLinkFont() const {
  CTKPaintManager* pPaintManager = GetPaintManager();
  if (pPaintManager != nullptr && pPaintManager->m_fontRegular.GetSafeHandle() != NULL)
    return &pPaintManager->m_fontRegular;
  return CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
}

CSize CTKControlHyperlink::GetSize(CDC* pDC) {
  CFont* pOldFont = pDC->SelectObject(GetLinkFont());
  const CSize sz = pDC->GetTextExtent(GetCaption());
  pDC->SelectObject(pOldFont);
  return sz;
}

void CTKControlHyperlink::Draw(CDC* pDC) {
  CFont* pOldFont = pDC->SelectObject(GetLinkFont());
  const COLORREF clrOld = pDC->SetTextColor(GetLinkColor());
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);
  const UINT nFormat = DT_SINGLELINE | DT_NOPREFIX;
  CTKPaintManager* pPaintManager = GetPaintManager();
  if (pPaintManager != nullptr) {
    pPaintManager->DrawTextComposited(pDC, GetCaption(), GetRect(), nFormat, IsOnGlass());
  } else {
    CRect rc = GetRect();
    pDC->DrawText(GetCaption(), rc, nFormat);
  }
  pDC->SetBkMode(nOldMode);
  pDC->SetTextColor(clrOld);
  pDC->SelectObject(pOldFont);
}

void CTKControlHyperlink::OnClick(BOOL, CPoint pt) {
  if (OnCustomizeClick(pt)) return;
  OnExecute();
}

void CTKControlHyperlink::OnExecute() {
  const CString strTarget = GetTooltip();
  if (strTarget.IsEmpty()) return;
  ::ShellExecute(NULL, "open", strTarget, NULL, NULL, SW_SHOW);
}

void CTKControlHyperlink::OnMouseMove(CPoint) {
  if (m_hCursorHand != NULL) ::SetCursor(m_hCursorHand);
}

// Check box and radio button ---------------------------------------------------

int CTKControlCheckBox::OnHookKeyDown(UINT nChar, LPARAM) { return ClickOnSpace(this, nChar); }

int CTKControlRadioButton::OnHookKeyDown(UINT nChar, LPARAM) { return ClickOnSpace(this, nChar); }

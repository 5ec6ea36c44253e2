// CTKDialogBar: the caption's close button, its caption control and the
// menu that control opens.
#include "commandbars/TKDialogBar.h"

#include "TKNestedDynCreate.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKGlyphFont.h"

namespace {
const TCHAR kGlyphClose = '+';
const TCHAR kGlyphDropDown = '3';
}  // namespace

// Spelled out: the base is itself nested, which the macro cannot name.
CObject* PASCAL CTKDialogBar::CControlButtonHide::CreateObject() { return new CControlButtonHide; }
CRuntimeClass CTKDialogBar::CControlButtonHide::classCControlButtonHide = {
    "CTKDialogBar::CControlButtonHide", sizeof(CTKDialogBar::CControlButtonHide), 0xFFFF,
    &CTKDialogBar::CControlButtonHide::CreateObject,
    &CTKToolBar::CControlButtonHide::classCControlButtonHide, nullptr};
CRuntimeClass* CTKDialogBar::CControlButtonHide::GetRuntimeClass() const {
  return &classCControlButtonHide;
}
TK_IMPLEMENT_NESTED_DYNCREATE(CTKDialogBar, CControlCaptionPopup, CTKControlPopup)

// The close button ------------------------------------------------------------------------------

CTKDialogBar::CControlButtonHide::CControlButtonHide() {
  m_dwFlags = TKFLAG_SKIPFOCUS | TKFLAG_MANUALUPDATE | TKFLAG_NOMOVABLE;
}

void CTKDialogBar::CControlButtonHide::Draw(CDC* pDC) {
  CTKPaintManager* pPaintManager = GetPaintManager();
  pPaintManager->DrawControlEntry(pDC, this);
  TKGlyphFont()->DrawGlyph(pDC, kGlyphClose, GetRect(), pPaintManager->GetControlTextColor(this));
}

// The caption control ---------------------------------------------------------------------------

CTKDialogBar::CControlCaptionPopup::CControlCaptionPopup() {
  m_dwFlags = TKFLAG_SKIPFOCUS | 0x4 | TKFLAG_MANUALUPDATE | TKFLAG_NOMOVABLE;
}

BOOL CTKDialogBar::CControlCaptionPopup::OnSetPopup(BOOL bPopup) {
  // An empty caption menu opens nothing; the control still takes the click.
  if (!m_bCaptionPopup) return TRUE;
  return CTKControlPopup::OnSetPopup(bPopup);
}

void CTKDialogBar::CControlCaptionPopup::AdjustExcludeRect(CRect& rc, BOOL) {
  GetPaintManager()->AdjustExcludeRect(rc, this, FALSE);
}

void CTKDialogBar::CControlCaptionPopup::Draw(CDC* pDC) {
  CTKPaintManager* pPaintManager = GetPaintManager();
  if (m_bCaptionPopup) pPaintManager->DrawControlEntry(pDC, this);
  const COLORREF clrText = pPaintManager->GetControlTextColor(this);
  CTKFontDC font(pDC, &pPaintManager->m_fontCaption, clrText);
  CTKDpiHelper* pDpi = TKDpiHelper();
  CRect rcText = GetRect();
  rcText.left += pDpi->ScaleX(2);
  rcText.right -= pDpi->ScaleX(m_bCaptionPopup ? 15 : 2);
  const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
  CString strCaption = GetCaption();
  pDC->DrawText(strCaption, rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  pDC->SetBkMode(nOldBkMode);
  if (!m_bCaptionPopup) return;
  const CRect rc = GetRect();
  CRect rcGlyph(rc.right - rc.Height(), rc.top, rc.right, rc.bottom);
  rcGlyph.DeflateRect(pDpi->ScaleX(2), pDpi->ScaleY(2));
  TKGlyphFont()->DrawGlyph(pDC, kGlyphDropDown, rcGlyph, clrText);
}

// The caption menu ------------------------------------------------------------------------------

void CTKDialogBar::CCaptionPopupBar::UpdatePopupFlags() {
  CTKPopupBar::UpdatePopupFlags();
  m_ptPopup = CPoint(m_rcExclude.left, m_rcExclude.bottom);
  m_popupFlags = kPopupLeft | kPopupDown;
}

// The markup label and the bitmap control: labels that show a parsed caption
// or an icon instead of text.
#include "commandbars/TKCommandBarsLayoutBars.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlLabels.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "markup/TKMarkupFlat.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlMarkupLabel, CTKControlLabel)
TK_IMPLEMENT_LAYOUT_CLASS(CTKControlBitmap, CTKControlLabel)

// Markup label -----------------------------------------------------------------

CTKControlMarkupLabel::CTKControlMarkupLabel() : m_pMarkupElement(nullptr) {}

CTKControlMarkupLabel::~CTKControlMarkupLabel() { ReleaseMarkupElement(m_pMarkupElement); }

void CTKControlMarkupLabel::UpdateMarkup() {
  ReleaseMarkupElement(m_pMarkupElement);
  CTKMarkupContext* pContext = CreateMarkupContext(NULL, TRUE);
  // The element keeps its context alive.
  m_pMarkupElement = ParseMarkupText(pContext, GetCaption());
  ReleaseMarkupContext(pContext);
}

HFONT CTKControlMarkupLabel::GetMarkupFont() const {
  CTKPaintManager* pPaintManager = GetPaintManager();
  if (pPaintManager != nullptr && pPaintManager->m_fontRegular.GetSafeHandle() != NULL)
    return static_cast<HFONT>(pPaintManager->m_fontRegular.GetSafeHandle());
  return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

CSize CTKControlMarkupLabel::GetSize(CDC* pDC) {
  if (m_pMarkupElement == nullptr) return CTKControlLabel::GetSize(pDC);
  SetMarkupContextFont(GetMarkupElementContext(m_pMarkupElement), GetMarkupFont(),
                       static_cast<COLORREF>(-1));
  return MeasureMarkupElement(m_pMarkupElement, 0x7FFFFFFF, 0x7FFFFFFF);
}

void CTKControlMarkupLabel::Draw(CDC* pDC) {
  if (m_pMarkupElement == nullptr) {
    CTKControlLabel::Draw(pDC);
    return;
  }
  CTKPaintManager* pPaintManager = GetPaintManager();
  COLORREF clrText = static_cast<COLORREF>(-1);
  if (pPaintManager != nullptr && m_pParent != nullptr)
    clrText = pPaintManager->GetRectangleTextColor(FALSE, FALSE, GetEnabled(), FALSE, FALSE,
                                                   m_pParent->GetType(),
                                                   m_pParent->GetPosition());
  SetMarkupContextFont(GetMarkupElementContext(m_pMarkupElement), GetMarkupFont(), clrText);
  const CRect rc = GetRect();
  RenderMarkupElement(m_pMarkupElement, pDC->GetSafeHdc(), rc);
}

// Bitmap -----------------------------------------------------------------------

namespace {
/// The largest icon of the control's id.
CTKImageManagerIcon* LargestIcon(const CTKControl* pControl) {
  CTKImageManager* pImageManager = pControl->GetImageManager();
  return pImageManager != nullptr ? pImageManager->GetImage(pControl->GetID(), 1) : nullptr;
}
}  // namespace

CSize CTKControlBitmap::GetSize(CDC*) {
  CTKImageManagerIcon* pIcon = LargestIcon(this);
  if (pIcon == nullptr) return CSize(0, 0);
  const CSize szIcon = pIcon->GetExtent();
  return CSize(TKDpiHelper()->ScaleX(szIcon.cx), TKDpiHelper()->ScaleY(szIcon.cy));
}

void CTKControlBitmap::Draw(CDC* pDC) {
  CTKImageManagerIcon* pIcon = LargestIcon(this);
  if (pIcon == nullptr) return;
  pIcon->DrawAtSize(pDC, GetRect().TopLeft(), GetSize(pDC));
}

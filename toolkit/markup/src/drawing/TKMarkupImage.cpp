// CTKMarkupImage: loading the picture, its size by the stretch rule, and
// drawing it.
#include "markup/TKMarkupImage.h"

#include "common/TKResourceManager.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupConverters.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupImage, TKMarkupRow_Image)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupImage)

CTKMarkupDependencyProperty* CTKMarkupImage::SourceProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupImage::StretchProperty = nullptr;

namespace {
const int kUnbounded = 32000;
}  // namespace

BEGIN_DISPATCH_MAP(CTKMarkupImage, CTKMarkupFrameworkElement)
DISP_PROPERTY_EX(CTKMarkupImage, "Source", DispGetSource, DispSetSource, VT_BSTR)
DISP_PROPERTY_EX(CTKMarkupImage, "Stretch", DispGetStretch, DispSetStretch, VT_I4)
END_DISPATCH_MAP()

CTKMarkupImage::CTKMarkupImage() : m_pImage(nullptr), m_nAvailableWidth(0), m_nAvailableHeight(0) {}

CTKMarkupImage::~CTKMarkupImage() { DeleteImage(); }

void CTKMarkupImage::RegisterMarkupProperties() {
  SourceProperty = CTKMarkupDependencyProperty::Register(
      L"Source", CTKMarkupString::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_AFFECTS_MEASURE));
  StretchProperty = CTKMarkupDependencyProperty::Register(
      L"Stretch", CTKMarkupEnum::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, &ConvertStretch, TK_MARKUP_AFFECTS_MEASURE));
}

void CTKMarkupImage::DeleteImage() {
  delete m_pImage;
  m_pImage = nullptr;
}

CSize CTKMarkupImage::MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                      int nAvailableHeight) {
  if (m_pImage == nullptr || nAvailableWidth != m_nAvailableWidth ||
      nAvailableHeight != m_nAvailableHeight) {
    m_nAvailableWidth = nAvailableWidth;
    m_nAvailableHeight = nAvailableHeight;
    LoadImage(pDC);
  }
  return ComputeSize(nAvailableWidth, nAvailableHeight);
}

CSize CTKMarkupImage::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  return ComputeSize(nFinalWidth, nFinalHeight);
}

void CTKMarkupImage::OnRender(CTKMarkupDrawingContext* pDC) {
  if (m_pImage == nullptr) LoadImage(pDC);
  if (m_pImage == nullptr) return;
  const CSize size = GetRenderSize();
  pDC->DrawImage(m_pImage, CRect(0, 0, size.cx, size.cy));
}

void CTKMarkupImage::OnPropertyChanged(CTKMarkupDependencyProperty* pProperty,
                                       CTKMarkupObject* pOldValue, CTKMarkupObject* pNewValue) {
  if (pProperty == SourceProperty) DeleteImage();
  CTKMarkupFrameworkElement::OnPropertyChanged(pProperty, pOldValue, pNewValue);
}

void CTKMarkupImage::LoadImage(CTKMarkupDrawingContext* pDC) {
  DeleteImage();
  const CString source = GetSourceText();
  if (source.IsEmpty() || pDC == nullptr) return;
  m_pImage = pDC->CreateDeviceDependentImage(this);
  if (m_pImage == nullptr) return;
  // The text went through the resource code page; what it lacks is lost.
  CTKCodePageString wide;
  m_pImage->Load(wide.FromNarrow(source), m_nAvailableWidth);
}

CSize CTKMarkupImage::ComputeSize(int nAvailableWidth, int nAvailableHeight) {
  int nWidth = m_pImage != nullptr ? m_pImage->GetWidth() : 0;
  int nHeight = m_pImage != nullptr ? m_pImage->GetHeight() : 0;
  if (CTKMarkupContext* pContext = GetContext()) {
    nWidth = pContext->ScaleX(nWidth);
    nHeight = pContext->ScaleY(nHeight);
  }
  return StretchSize(nWidth, nHeight, nAvailableWidth, nAvailableHeight, GetStretch());
}

CSize CTKMarkupImage::StretchSize(int nWidth, int nHeight, int nAvailableWidth,
                                  int nAvailableHeight, TKMarkupStretch nStretch) {
  const bool bWidthUnbounded = nAvailableWidth > kUnbounded;
  const bool bHeightUnbounded = nAvailableHeight > kUnbounded;
  if (nWidth == 0 || nHeight == 0 || nStretch == TKMarkupStretch_None ||
      (bWidthUnbounded && bHeightUnbounded))
    return CSize(nWidth, nHeight);
  double sy = static_cast<double>(nAvailableHeight) / nHeight;
  double sx = sy;
  if (!bWidthUnbounded) {
    sx = static_cast<double>(nAvailableWidth) / nWidth;
    if (bHeightUnbounded) {
      sy = sx;
    } else if (nStretch == TKMarkupStretch_Uniform) {
      sx = sy = sx < sy ? sx : sy;
    } else if (nStretch == TKMarkupStretch_UniformToFill) {
      sx = sy = sx > sy ? sx : sy;
    }
  }
  return CSize(static_cast<int>(nWidth * sx), static_cast<int>(nHeight * sy));
}

CString CTKMarkupImage::GetSourceText() {
  LPCWSTR lpszSource = MarkupStringText(GetValue(SourceProperty));
  if (lpszSource == nullptr) return CString();
  CTKCodePageString narrow;
  return CString(narrow.FromWide(lpszSource));
}

TKMarkupStretch CTKMarkupImage::GetStretch() {
  CTKMarkupEnum* pValue = static_cast<CTKMarkupEnum*>(GetValue(StretchProperty));
  return pValue != nullptr ? static_cast<TKMarkupStretch>(pValue->GetValue())
                           : TKMarkupStretch_None;
}

// Automation ------------------------------------------------------------------------------

BSTR CTKMarkupImage::DispGetSource() { return GetSourceText().AllocSysString(); }

void CTKMarkupImage::DispSetSource(LPCWSTR lpszSource) {
  SetValue(SourceProperty, CTKMarkupString::CreateValue(lpszSource));
}

long CTKMarkupImage::DispGetStretch() { return GetStretch(); }

void CTKMarkupImage::DispSetStretch(long nStretch) {
  SetValue(StretchProperty, CTKMarkupEnum::CreateValue(static_cast<int>(nStretch)));
}

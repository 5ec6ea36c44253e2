// Serialisation of the colour values themes keep.
#include "common/TKPaintManagerColor.h"

void CTKPaintManagerColor::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << static_cast<DWORD>(m_clrStandardValue) << static_cast<DWORD>(m_clrCustomValue);
  } else {
    DWORD dwStandard, dwCustom;
    ar >> dwStandard >> dwCustom;
    m_clrStandardValue = dwStandard;
    m_clrCustomValue = dwCustom;
  }
}

void CTKPaintManagerColorGradient::SetStandardValue(COLORREF clrLight, COLORREF clrDark,
                                                    float fFactor) {
  m_clrLight.SetStandardValue(clrLight);
  m_clrDark.SetStandardValue(clrDark);
  m_fGradientFactor = fFactor;
}

void CTKPaintManagerColorGradient::SetStandardFrom(const CTKPaintManagerColorGradient& other) {
  SetStandardValue(other.m_clrLight, other.m_clrDark, other.m_fGradientFactor);
}

void CTKPaintManagerColorGradient::Serialize(CArchive& ar) {
  m_clrLight.Serialize(ar);
  m_clrDark.Serialize(ar);
  if (ar.IsStoring())
    ar << m_fGradientFactor;
  else
    ar >> m_fGradientFactor;
}

// CTKMarkupThickness: the four-sided measure of margins, paddings, border
// thicknesses and corner radii, in whole device units.
#pragma once

#include "markup/TKMarkupObject.h"

/// Left, top, right, bottom. Scripts see "Left", "Top", "Right" and "Bottom"
/// (written in place; nothing is measured again).
class CTKMarkupThickness : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupThickness() : m_nLeft(0), m_nTop(0), m_nRight(0), m_nBottom(0) {}
  explicit CTKMarkupThickness(int nAll)
      : m_nLeft(nAll), m_nTop(nAll), m_nRight(nAll), m_nBottom(nAll) {}
  CTKMarkupThickness(int nHorizontal, int nVertical)
      : m_nLeft(nHorizontal), m_nTop(nVertical), m_nRight(nHorizontal), m_nBottom(nVertical) {}
  CTKMarkupThickness(int nLeft, int nTop, int nRight, int nBottom)
      : m_nLeft(nLeft), m_nTop(nTop), m_nRight(nRight), m_nBottom(nBottom) {}

  int GetLeft() const { return m_nLeft; }
  int GetTop() const { return m_nTop; }
  int GetRight() const { return m_nRight; }
  int GetBottom() const { return m_nBottom; }

  /// The shared zero thickness, one reference for the caller.
  static CTKMarkupThickness* GetZero();
  /// The rectangle shrunk by the thickness, never inverted; unchanged for null.
  static RECT DeflateRect(const RECT& rc, const CTKMarkupThickness* pThickness);

  /// Only another thickness with the same four sides.
  BOOL IsEqual(const CTKMarkupObject* pOther) const override;
  /// "5", "5pt", "1, 2, 3, 4", "1cm, 2cm, 3cm, 4cm"; units pt, in, cm, mm;
  /// DPI-scaled by the flags of the receiving property. Null when it does
  /// not fit.
  CTKMarkupObject* ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) override;

 protected:
  DECLARE_DISPATCH_MAP()

 private:
  long m_nLeft;
  long m_nTop;
  long m_nRight;
  long m_nBottom;
};

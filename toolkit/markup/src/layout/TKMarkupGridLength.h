// CTKMarkupGridLength: the Width of a column and the Height of a row: pixels,
// "Auto" (sized to the content) or a star weight ("*", "2*").
#pragma once

#include "TKMarkupGridLayout.h"
#include "markup/TKMarkupObject.h"

/// A value object; two lengths are equal only when they are the same object.
class CTKMarkupGridLength : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// The factory makes (0, Pixel).
  explicit CTKMarkupGridLength(double dValue = 0.0, int nUnitType = TKGridUnit_Pixel)
      : m_dValue(dValue), m_nUnitType(nUnitType) {}

  double GetValue() const { return m_dValue; }
  /// TKMarkupGridUnitType.
  int GetUnitType() const { return m_nUnitType; }

  /// "Auto" in any letter case, "*", a number followed by "*" (a weight), or
  /// a number of pixels at 96 DPI (scaled along x for rows and columns
  /// alike); blanks around the number and before the star are allowed.
  /// Null for anything else.
  CTKMarkupObject* ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) override;

 private:
  double m_dValue;
  int m_nUnitType;
};

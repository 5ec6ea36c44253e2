// The colour values that themes keep: a standard value the theme computes and
// a custom value the application may set, which wins.
#pragma once

#include "afx.h"

/// A colour whose effective value is the custom value when set, else the
/// standard value; -1 means unset in both.
class CTKPaintManagerColor {
 public:
  CTKPaintManagerColor() = default;
  /// The standard value only.
  CTKPaintManagerColor(COLORREF clrStandard) : m_clrStandardValue(clrStandard) {}

  /// The effective colour (may be -1 when neither value is set).
  operator COLORREF() const {
    return m_clrCustomValue != COLORREF_NONE ? m_clrCustomValue : m_clrStandardValue;
  }
  /// Sets the standard value, as themes do.
  CTKPaintManagerColor& operator=(COLORREF clrStandard) {
    m_clrStandardValue = clrStandard;
    return *this;
  }

  void SetStandardValue(COLORREF clr) { m_clrStandardValue = clr; }
  COLORREF GetStandardColor() const { return m_clrStandardValue; }
  void SetCustomValue(COLORREF clr) { m_clrCustomValue = clr; }
  COLORREF GetCustomValue() const { return m_clrCustomValue; }
  /// Forgets the custom value.
  void SetDefaultValue() { m_clrCustomValue = COLORREF_NONE; }
  BOOL IsDefaultValue() const { return m_clrCustomValue == COLORREF_NONE; }
  BOOL IsCustomValue() const { return m_clrCustomValue != COLORREF_NONE; }

  /// The standard value, then the custom value, 32 bits each.
  virtual void Serialize(CArchive& ar);

  static const COLORREF COLORREF_NONE = static_cast<COLORREF>(-1);

 private:
  COLORREF m_clrStandardValue = COLORREF_NONE;
  COLORREF m_clrCustomValue = COLORREF_NONE;
};

/// A two-colour gradient: light colour, dark colour and the factor at which
/// two-part fills put their middle colour.
class CTKPaintManagerColorGradient {
 public:
  CTKPaintManagerColorGradient() = default;
  /// A solid gradient of one colour.
  CTKPaintManagerColorGradient(COLORREF clr) : m_clrLight(clr), m_clrDark(clr) {}
  CTKPaintManagerColorGradient(COLORREF clrLight, COLORREF clrDark)
      : m_clrLight(clrLight), m_clrDark(clrDark) {}

  void SetStandardValue(COLORREF clrLight, COLORREF clrDark, float fFactor = 0.5f);
  /// Both standard values the colour, factor 0.5.
  void SetStandardSolid(COLORREF clr) { SetStandardValue(clr, clr, 0.5f); }
  /// The other's effective colours as standard values, and its factor.
  void SetStandardFrom(const CTKPaintManagerColorGradient& other);
  /// The light colour, the dark colour, then the factor as a 32-bit float.
  virtual void Serialize(CArchive& ar);

  CTKPaintManagerColor m_clrLight;
  CTKPaintManagerColor m_clrDark;
  float m_fGradientFactor = 0.5f;
};

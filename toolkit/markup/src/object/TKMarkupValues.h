// The simple value classes of markup properties: integers, doubles,
// enumeration values, booleans, colours and system-colour keys.
#pragma once

#include "markup/TKMarkupObject.h"

/// A 32-bit signed integer. From text: `_wtoi`, then DPI scaling by the flags
/// of the property it is converted for.
class CTKMarkupInt : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  explicit CTKMarkupInt(int nValue = 0) : m_nValue(nValue) {}
  int GetValue() const { return m_nValue; }

  BOOL IsEqual(const CTKMarkupObject* pOther) const override;
  CTKMarkupObject* ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) override;

 private:
  int m_nValue;
};

/// A 64-bit floating-point number. From text: ParseMarkupNumber, then DPI
/// scaling as for integers.
class CTKMarkupDouble : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  explicit CTKMarkupDouble(double dValue = 0.0) : m_dValue(dValue) {}
  double GetValue() const { return m_dValue; }

  BOOL IsEqual(const CTKMarkupObject* pOther) const override;
  CTKMarkupObject* ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) override;

 private:
  double m_dValue;
};

/// An enumeration value; the metadata converters make them.
class CTKMarkupEnum : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  explicit CTKMarkupEnum(int nValue = 0) : m_nValue(nValue) {}
  int GetValue() const { return m_nValue; }

  /// The values 0 to 7 are shared instances (made on first use, held until
  /// exit); others are new. One reference for the caller.
  static CTKMarkupEnum* CreateValue(int nValue);

  BOOL IsEqual(const CTKMarkupObject* pOther) const override;

 private:
  int m_nValue;
};

/// A boolean, 0 or 1; True and False are shared instances.
class CTKMarkupBool : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  explicit CTKMarkupBool(BOOL bValue = FALSE) : m_bValue(bValue ? 1 : 0) {}
  BOOL GetValue() const { return m_bValue; }

  /// The shared instance, one reference for the caller.
  static CTKMarkupBool* CreateValue(BOOL bValue);
  static CTKMarkupBool* CreateTrueValue() { return CreateValue(TRUE); }
  static CTKMarkupBool* CreateFalseValue() { return CreateValue(FALSE); }

  UINT GetHashKey() const override { return static_cast<UINT>(m_bValue); }
  BOOL IsEqual(const CTKMarkupObject* pOther) const override;
  /// "True" or "False", in any letter case.
  CTKMarkupObject* ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) override;

 private:
  BOOL m_bValue;
};

/// A colour: alpha in bits 24 to 31, then blue, green and red (a COLORREF
/// with alpha on top).
class CTKMarkupColor : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// Opaque (alpha 0xFF).
  explicit CTKMarkupColor(COLORREF clr = 0) : m_clrValue(0xFF000000 | (clr & 0xFFFFFF)) {}
  CTKMarkupColor(BYTE nAlpha, COLORREF clr)
      : m_clrValue((static_cast<DWORD>(nAlpha) << 24) | (clr & 0xFFFFFF)) {}
  /// The whole value, alpha included.
  DWORD GetValue() const { return m_clrValue; }
  COLORREF GetColorRef() const { return m_clrValue & 0xFFFFFF; }
  BYTE GetAlpha() const { return static_cast<BYTE>(m_clrValue >> 24); }

  BOOL IsEqual(const CTKMarkupObject* pOther) const override;
  CTKMarkupObject* ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) override;
  /// <Color>text</Color>: takes its value from string content.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;

 private:
  DWORD m_clrValue;
};

/// A system colour index (for GetSysColor), used as a resource key; equal
/// only to itself.
class CTKMarkupColorKey : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  explicit CTKMarkupColorKey(int nIndex = 0) : m_nIndex(nIndex) {}
  int GetIndex() const { return m_nIndex; }

 private:
  int m_nIndex;
};

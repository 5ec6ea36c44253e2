// Brushes, the paint values of Background, Foreground, BorderBrush, Fill and
// Stroke: a solid colour or a linear gradient of colour stops, and the brush
// key that names a system colour as a resource key. Brushes do not draw: the
// device contexts read them.
#pragma once

#include "TKMarkupCollection.h"
#include "markup/TKMarkupDependencyProperty.h"
#include "TKMarkupValues.h"

class CTKMarkupPoint;

/// The abstract brush.
class CTKMarkupBrush : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()

 public:
  /// The brush reduced to one opaque colour (no alpha) for GDI; 0 here.
  virtual COLORREF GetColorRef() const { return 0; }
  /// Every brush converts from a colour text into a solid brush.
  CTKMarkupObject* ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) override;
  /// The converter for brush-valued properties: colour text ("Red",
  /// "#80FF0000") becomes a solid brush; other text gives null.
  static CTKMarkupObject* ConvertText(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue,
                                      CTKMarkupDependencyProperty* pProperty);
};

/// One colour. Scripts see "Color" (the whole 32-bit value).
class CTKMarkupSolidColorBrush : public CTKMarkupBrush {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupSolidColorBrush() = default;
  /// Opaque (alpha 0xFF).
  explicit CTKMarkupSolidColorBrush(COLORREF clr);
  CTKMarkupSolidColorBrush(BYTE nAlpha, COLORREF clr);

  /// The Color value, or null.
  CTKMarkupColor* GetColor() const;
  /// The low 24 bits of the colour; 0 without one.
  COLORREF GetColorRef() const override;
  /// Equal to another solid brush of the same RGB (alpha ignored); other
  /// brushes compare by identity.
  BOOL IsEqual(const CTKMarkupObject* pOther) const override;

  static CTKMarkupDependencyProperty* ColorProperty;
  static void RegisterMarkupProperties();

 protected:
  long DispGetColor();
  void DispSetColor(long nColor);
  DECLARE_DISPATCH_MAP()
};

/// One stop of a gradient: Color and Offset.
class CTKMarkupGradientStop : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// The 32-bit colour, 0 when unset.
  DWORD GetColor() const;
  /// 0.0 when unset.
  double GetOffset() const;

  static CTKMarkupDependencyProperty* ColorProperty;
  static CTKMarkupDependencyProperty* OffsetProperty;
  static void RegisterMarkupProperties();
};

/// The stops of a gradient, in collection order.
class CTKMarkupGradientStops : public CTKMarkupCollection {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupGradientStops();
  CTKMarkupGradientStop* GetStop(int nIndex) const {
    return static_cast<CTKMarkupGradientStop*>(GetItem(nIndex));
  }
};

/// A linear gradient: StartPoint and EndPoint relative to the filled
/// rectangle (missing: (0, 0) and (1, 1)), and GradientStops, an empty
/// collection from construction on.
class CTKMarkupLinearGradientBrush : public CTKMarkupBrush {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupLinearGradientBrush();

  CTKMarkupPoint* GetStartPoint() const;
  CTKMarkupPoint* GetEndPoint() const;
  /// Null only when a script or markup cleared it.
  CTKMarkupGradientStops* GetGradientStops() const;
  /// The first stop's colour without alpha; 0 without stops.
  COLORREF GetColorRef() const override;
  /// Stops written inside the brush go to its stops collection.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;

  static CTKMarkupDependencyProperty* StartPointProperty;
  static CTKMarkupDependencyProperty* EndPointProperty;
  static CTKMarkupDependencyProperty* GradientStopsProperty;
  static void RegisterMarkupProperties();
};

/// A system colour index used as a resource key; equal only to itself.
class CTKMarkupBrushKey : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  explicit CTKMarkupBrushKey(int nIndex = 0) : m_nIndex(nIndex) {}
  int GetIndex() const { return m_nIndex; }

 private:
  int m_nIndex;
};

/// One gradient stop as the device contexts use it: colour, offset and its
/// place in the collection (ties of equal offset keep that order).
struct TK_MARKUP_GRADIENT_STOP {
  DWORD clrColor;
  double dOffset;
  int nIndex;
};

/// The brush's stops sorted by offset (stable); empty for no stops.
std::vector<TK_MARKUP_GRADIENT_STOP> SortedGradientStops(
    const CTKMarkupLinearGradientBrush* pBrush);

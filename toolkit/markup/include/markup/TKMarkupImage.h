// CTKMarkupImage: the "Image" element: a picture named by its Source text,
// scaled by its Stretch mode.
#pragma once

#include "markup/TKMarkupDeviceDependentImage.h"
#include "markup/TKMarkupFrameworkElement.h"

/// Values of Stretch.
enum TKMarkupStretch {
  TKMarkupStretch_None = 0,
  TKMarkupStretch_Fill = 1,
  TKMarkupStretch_Uniform = 2,
  TKMarkupStretch_UniformToFill = 3
};

/// Holds at most one picture, made by the drawing back end in use at the
/// measure (or render) that needs it, and made again when the available size
/// or the Source changes. A Source that loads nothing measures (0, 0) and
/// draws nothing.
class CTKMarkupImage : public CTKMarkupFrameworkElement, public ITKMarkupDeviceDependentImageSite {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupImage();
  ~CTKMarkupImage() override;

  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;
  /// A new Source drops the picture at once (an animation stops).
  void OnPropertyChanged(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pOldValue,
                         CTKMarkupObject* pNewValue) override;

  // ITKMarkupDeviceDependentImageSite
  CTKMarkupContext* GetMarkupContext() override { return GetContext(); }
  void OnImageChanged() override { InvalidateVisual(); }

  /// Replaces the picture with a new one of the drawing context's back end,
  /// loaded from the Source at the remembered available width.
  void LoadImage(CTKMarkupDrawingContext* pDC);
  /// The picture, or null.
  CTKMarkupDeviceDependentImage* GetImage() const { return m_pImage; }
  /// The size of the picture (DPI-scaled by the context) stretched into the
  /// available size.
  CSize ComputeSize(int nAvailableWidth, int nAvailableHeight);
  /// The stretch rule: a natural size in an available size (above 32000
  /// counts as unbounded).
  static CSize StretchSize(int nWidth, int nHeight, int nAvailableWidth, int nAvailableHeight,
                           TKMarkupStretch nStretch);

  /// The Source in the resource language's code page; empty when unset.
  CString GetSourceText();
  TKMarkupStretch GetStretch();

  static CTKMarkupDependencyProperty* SourceProperty;
  static CTKMarkupDependencyProperty* StretchProperty;
  static void RegisterMarkupProperties();

 protected:
  BSTR DispGetSource();
  void DispSetSource(LPCWSTR lpszSource);
  long DispGetStretch();
  void DispSetStretch(long nStretch);
  DECLARE_DISPATCH_MAP()

 private:
  CTKMarkupDeviceDependentImage* m_pImage;
  int m_nAvailableWidth;
  int m_nAvailableHeight;

  void DeleteImage();
};

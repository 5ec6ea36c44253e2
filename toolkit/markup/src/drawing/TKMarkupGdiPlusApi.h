// CTKMarkupGdiPlusApi: GDI+ loaded by name at run time, started while at
// least one markup context exists, and called through a table of flat-API
// functions looked up by name once per start.
#pragma once

#include <windows.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

// The bound functions, in table order.
#define TK_GDIPLUS_FLAT_FUNCTIONS(X)                                                               \
  X(GdipSetPixelOffsetMode)                                                                        \
  X(GdipSetPageUnit)                                                                               \
  X(GdipSetSmoothingMode) X(GdipSetLinePresetBlend) X(GdipSetInterpolationMode) X(                 \
      GdipCreateFromHDC2) X(GdipCreateFromHDC) X(GdipCreatePath2) X(GdipCreateSolidFill)           \
      X(GdipCreateLineBrush) X(GdipCreatePen1) X(GdipCreatePen2) X(GdipDeleteGraphics) X(          \
          GdipDeleteBrush) X(GdipDeletePen) X(GdipDeletePath) X(GdipDrawEllipse) X(GdipDrawLinesI) \
          X(GdipDrawPolygonI) X(GdipDrawPath) X(GdipDrawLineI) X(GdipFillEllipse) X(               \
              GdipFillPolygonI) X(GdipFillRectangleI) X(GdipFillPath) X(GdipGetClipBoundsI)        \
              X(GdipCreateFontFromLogfontA) X(GdipDeleteFont) X(GdipMeasureString) X(              \
                  GdipTranslateWorldTransform) X(GdipGetWorldTransform) X(GdipSetWorldTransform)   \
                  X(GdipDeleteStringFormat) X(GdipGetDC) X(GdipReleaseDC) X(GdipDrawString) X(     \
                      GdipSetTextRenderingHint) X(GdipStringFormatGetGenericTypographic)           \
                      X(GdipCloneStringFormat) X(GdipSetStringFormatFlags) X(                      \
                          GdipSetPenDashArray) X(GdipSetPenLineJoin) X(GdipSetPenStartCap)         \
                          X(GdipSetPenEndCap) X(GdipCreateRegion) X(GdipGetClip) X(                \
                              GdipSetClipRegion) X(GdipDeleteRegion) X(GdipSetClipRectI)           \
                              X(GdipCreateImageAttributes) X(GdipDisposeImageAttributes) X(        \
                                  GdipSetImageAttributesColorKeys) X(GdipDrawImageRect)            \
                                  X(GdipDrawImageRectRect) X(GdipCreateBitmapFromHBITMAP) X(       \
                                      GdipCreateBitmapFromScan0) X(GdipLoadImageFromStream)        \
                                      X(GdipGetImageWidth) X(GdipGetImageHeight) X(                \
                                          GdipImageRotateFlip) X(GdipGetImageGraphicsContext)      \
                                          X(GdipImageGetFrameDimensionsCount) X(                   \
                                              GdipImageGetFrameDimensionsList)                     \
                                              X(GdipImageGetFrameCount) X(                         \
                                                  GdipGetPropertyItemSize) X(GdipGetPropertyItem)  \
                                                  X(GdipImageSelectActiveFrame) X(                 \
                                                      GdipDisposeImage) X(GdipBitmapLockBits)      \
                                                      X(GdipBitmapUnlockBits) X(GdipGetImageFlags) \
                                                          X(GdipCreateMatrix) X(GdipCloneMatrix)   \
                                                              X(GdipDeleteMatrix)                  \
                                                                  X(GdipTransformMatrixPoints)     \
                                                                      X(GdipTranslateMatrix)       \
                                                                          X(GdipRotateMatrix) X(   \
                                                                              GdipScaleMatrix)     \
                                                                              X(GdipShearMatrix)

/// Finds a function of a loaded module (GetProcAddress by default).
typedef FARPROC (*TK_GDIPLUS_PROC_RESOLVER)(HMODULE hModule, LPCSTR lpszName);

/// The process-wide binding (TKMarkupGdiPlusApi). Not running: count 0, no
/// module, token 0. The first start request loads and starts GDI+, the stop
/// request that brings the count back to 0 shuts it down and unloads it.
/// Used on the UI thread only.
class CTKMarkupGdiPlusApi {
 public:
  enum FunctionId {
    kGdiplusStartup,
    kGdiplusShutdown,
#define TK_GDIPLUS_ID(name) kFn_##name,
    TK_GDIPLUS_FLAT_FUNCTIONS(TK_GDIPLUS_ID)
#undef TK_GDIPLUS_ID
        kBoundFunctionCount,
    kFunctionCount = 87
  };

  CTKMarkupGdiPlusApi();
  static_assert(kBoundFunctionCount <= kFunctionCount, "the table holds every bound function");

  /// A start (TRUE) or stop (FALSE) request. A start that fails (library
  /// missing, start-up function missing or failing) leaves GDI+ not running;
  /// an unbalanced stop does nothing.
  void Initialize(BOOL bStart);
  /// Whether GDI+ started (a token is held).
  BOOL IsRunning() const { return m_nToken != 0; }
  HMODULE GetModule() const { return m_hModule; }
  int GetReferenceCount() const { return m_nRefCount; }
  int GetGeneration() const { return m_nGeneration; }
  /// How many name look-ups have been made (a test of the cache).
  int GetLookupCount() const { return m_nLookups; }

  /// A graphics object on the DC (on the attribute DC as device when it
  /// differs), or null while GDI+ is not running or when creation fails.
  Gdiplus::GpGraphics* CreateGraphicsForDC(HDC hDC, HDC hAttributeDC);

  // One wrapper per bound function; a function missing from the library
  // answers GenericError and is never called.
#define TK_GDIPLUS_WRAPPER(name)                                                                   \
  template <class... Args>                                                                         \
  Gdiplus::GpStatus name(Args... args) {                                                           \
    auto pfn = reinterpret_cast<decltype(&Gdiplus::DllExports::name)>(Resolve(kFn_##name, #name)); \
    return pfn != nullptr ? pfn(args...) : Gdiplus::GenericError;                                  \
  }
  TK_GDIPLUS_FLAT_FUNCTIONS(TK_GDIPLUS_WRAPPER)
#undef TK_GDIPLUS_WRAPPER

  // Test seams: the library's name (default "GdiPlus.dll") and the way
  // functions are found. Only while GDI+ is not running; null restores.
  static void SetLibraryName(LPCSTR lpszName);
  static void SetProcResolver(TK_GDIPLUS_PROC_RESOLVER pfnResolver);

 private:
  struct Entry {
    FARPROC pfn;
    int nGeneration;
  };
  Entry m_functions[kFunctionCount];
  HMODULE m_hModule;
  ULONG_PTR m_nToken;
  ULONG_PTR m_nHookToken;
  int m_nRefCount;
  int m_nGeneration;
  BOOL m_bHooked;
  int m_nLookups;

  FARPROC Resolve(int nId, LPCSTR lpszName);
  void Start();
  void Stop();
};

/// The binding, made on first use.
CTKMarkupGdiPlusApi* TKMarkupGdiPlusApi();
/// CTKMarkupGdiPlusApi::CreateGraphicsForDC of the binding.
Gdiplus::GpGraphics* CreateGdiPlusGraphicsForDC(HDC hDC, HDC hAttributeDC);

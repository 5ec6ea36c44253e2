// CTKMarkupGdiPlusImage: the GDI+ back end's picture: any format GDI+
// decodes, animated GIFs advancing frame by frame on thread timers, or a
// toolkit icon.
#pragma once

#include "markup/TKMarkupDeviceDependentImage.h"
#include "TKMarkupGdiPlusApi.h"

/// Sources: decimal digits are an icon id of the context's image manager;
/// anything else is a resource URL ("file://" or a plain path, relative to
/// the program's folder, or "res://"), decoded by GDI+; a resource GDI+
/// cannot decode is tried as the toolkit's bitmap, PNG or icon resource. An
/// animated picture keeps exactly one timer (TKMarkupTimerSource) armed on
/// the thread that loaded it: the delay of the frame on show (100 ms for a
/// delay of 0). Used on that thread only.
class CTKMarkupGdiPlusImage : public CTKMarkupDeviceDependentImage {
 public:
  CTKMarkupGdiPlusImage(ITKMarkupDeviceDependentImageSite* pSite, CTKMarkupGdiPlusApi* pApi);
  ~CTKMarkupGdiPlusImage() override;

  BOOL Load(LPCWSTR lpszSource, int nWidth) override;
  CTKImageManagerIcon* GetIcon() const override { return m_pIcon; }
  /// The decoded picture (its active frame selected), or null.
  Gdiplus::GpImage* GetImage() const { return m_pImage; }
  UINT GetFrameCount() const { return m_nFrameCount; }
  /// The frame that the next timer shows.
  UINT GetNextFrame() const { return m_nCurrentFrame; }
  /// The armed animation timer, 0 when none.
  UINT_PTR GetTimerId() const { return m_nTimerId; }

  /// Shows the next frame: selects it, tells the site, and arms the timer of
  /// its delay (nothing more for a single frame).
  void NextFrame();
  /// Back to no picture: timer, frames, image and icon go.
  void Unload();

 private:
  CTKMarkupGdiPlusApi* m_pApi;
  Gdiplus::GpImage* m_pImage;
  UINT m_nFrameCount;
  UINT m_nCurrentFrame;
  Gdiplus::PropertyItem* m_pFrameDelays;  // malloc'd
  UINT_PTR m_nTimerId;
  CTKImageManager* m_pImageManager;
  CTKImageManagerIcon* m_pIcon;

  BOOL LoadFromStream(IStream* pStream);
  void StartAnimation();
  void StopAnimationTimer();
  static void CALLBACK AnimationTimerProc(HWND hWnd, UINT nMessage, UINT_PTR nId, DWORD dwTime);
};

// CTKMarkupGdiPlusImage: loading through GDI+ and the frame animation.
#include "TKMarkupGdiPlusImage.h"

#include "common/TKImageManager.h"
#include "common/TKResourceManager.h"
#include "common/TKResourceStream.h"
#include "TKMarkupTimers.h"

#include <stdlib.h>
#include <map>

using namespace Gdiplus;

namespace {

// {6AEDBD6D-3FB5-418A-83A6-7F45229DC872}
const GUID kFrameDimensionTime = {
    0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};
const PROPID kPropertyTagFrameDelay = 0x5100;

// A timer's callback gets only its id; each thread finds its animated images
// in a map of its own, so the maps are never shared between threads.
std::map<UINT_PTR, CTKMarkupGdiPlusImage*>& ThreadTimerMap() {
  static thread_local std::map<UINT_PTR, CTKMarkupGdiPlusImage*> map;
  return map;
}

bool IsDecimalNumber(LPCWSTR lpszText) {
  if (*lpszText == 0) return false;
  for (; *lpszText != 0; ++lpszText) {
    if (*lpszText < L'0' || *lpszText > L'9') return false;
  }
  return true;
}

}  // namespace

CTKMarkupGdiPlusImage::CTKMarkupGdiPlusImage(ITKMarkupDeviceDependentImageSite* pSite,
                                             CTKMarkupGdiPlusApi* pApi)
    : CTKMarkupDeviceDependentImage(pSite),
      m_pApi(pApi),
      m_pImage(nullptr),
      m_nFrameCount(0),
      m_nCurrentFrame(0),
      m_pFrameDelays(nullptr),
      m_nTimerId(0),
      m_pImageManager(nullptr),
      m_pIcon(nullptr) {}

CTKMarkupGdiPlusImage::~CTKMarkupGdiPlusImage() { Unload(); }

BOOL CTKMarkupGdiPlusImage::Load(LPCWSTR lpszSource, int nWidth) {
  Unload();
  if (lpszSource == nullptr) return FALSE;
  if (IsDecimalNumber(lpszSource)) {
    m_bIcon = TakeIcon(GetContextImageManager(), static_cast<UINT>(_wtoi(lpszSource)), nWidth,
                       &m_pImageManager, &m_pIcon);
    return m_bIcon;
  }

  CTKCodePageString source;
  TK_RESOURCE_URL url = {};
  if (FAILED(ParseResourceUrl(source.FromWide(lpszSource), &url))) return FALSE;
  IStream* pStream = nullptr;
  if (SUCCEEDED(OpenResourceUrlStream(&url, &pStream))) {
    const BOOL bLoaded = LoadFromStream(pStream);
    pStream->Release();
    if (bLoaded) return TRUE;
  }
  if (url.nKind != 1 || wcsncmp(lpszSource, L"res://", 6) != 0) return FALSE;

  // A resource GDI+ cannot read may still be one of the toolkit's images.
  CString strName;
  CTKImageManager* pManager = LoadResourceIcons(MarkupResourceName(lpszSource + 6, strName));
  m_bIcon = TakeIcon(pManager, 0, nWidth, &m_pImageManager, &m_pIcon);
  pManager->InternalRelease();
  return m_bIcon;
}

BOOL CTKMarkupGdiPlusImage::LoadFromStream(IStream* pStream) {
  if (m_pApi == nullptr) return FALSE;
  GpImage* pImage = nullptr;
  if (m_pApi->GdipLoadImageFromStream(pStream, &pImage) != Ok || pImage == nullptr) return FALSE;
  UINT nWidth = 0;
  UINT nHeight = 0;
  if (m_pApi->GdipGetImageWidth(pImage, &nWidth) != Ok ||
      m_pApi->GdipGetImageHeight(pImage, &nHeight) != Ok) {
    m_pApi->GdipDisposeImage(pImage);
    return FALSE;
  }
  m_pImage = pImage;
  m_nWidth = static_cast<int>(nWidth);
  m_nHeight = static_cast<int>(nHeight);
  StartAnimation();
  return TRUE;
}

void CTKMarkupGdiPlusImage::StartAnimation() {
  UINT nDimensions = 0;
  if (m_pApi->GdipImageGetFrameDimensionsCount(m_pImage, &nDimensions) != Ok || nDimensions == 0)
    return;
  GUID* pDimensions = new GUID[nDimensions];
  const bool bListed =
      m_pApi->GdipImageGetFrameDimensionsList(m_pImage, pDimensions, nDimensions) == Ok;
  UINT nFrames = 0;
  if (bListed) m_pApi->GdipImageGetFrameCount(m_pImage, &pDimensions[0], &nFrames);
  delete[] pDimensions;
  if (!bListed) return;
  m_nFrameCount = nFrames;

  UINT nSize = 0;
  if (m_pApi->GdipGetPropertyItemSize(m_pImage, kPropertyTagFrameDelay, &nSize) != Ok ||
      nSize < sizeof(PropertyItem))
    return;
  PropertyItem* pDelays = static_cast<PropertyItem*>(malloc(nSize));
  if (pDelays == nullptr) return;
  if (m_pApi->GdipGetPropertyItem(m_pImage, kPropertyTagFrameDelay, nSize, pDelays) != Ok) {
    free(pDelays);
    return;
  }
  m_pFrameDelays = pDelays;
  m_nCurrentFrame = 0;
  NextFrame();
}

void CTKMarkupGdiPlusImage::NextFrame() {
  StopAnimationTimer();
  if (m_pImage == nullptr) return;
  const UINT nShown = m_nCurrentFrame;
  m_pApi->GdipImageSelectActiveFrame(m_pImage, &kFrameDimensionTime, nShown);
  if (m_pSite != nullptr) m_pSite->OnImageChanged();
  if (m_nFrameCount < 2 || m_pFrameDelays == nullptr) return;

  // The delays are hundredths of a second, one 32-bit value per frame.
  UINT nDelay = 0;
  const UINT nDelays = m_pFrameDelays->length / sizeof(UINT);
  if (nShown < nDelays) nDelay = static_cast<const UINT*>(m_pFrameDelays->value)[nShown];
  m_nCurrentFrame = (nShown + 1) % m_nFrameCount;
  m_nTimerId =
      TKMarkupTimerSource()->SetTimer(nDelay != 0 ? nDelay * 10 : 100, &AnimationTimerProc);
  if (m_nTimerId != 0) ThreadTimerMap()[m_nTimerId] = this;
}

void CTKMarkupGdiPlusImage::StopAnimationTimer() {
  if (m_nTimerId == 0) return;
  TKMarkupTimerSource()->KillTimer(m_nTimerId);
  ThreadTimerMap().erase(m_nTimerId);
  m_nTimerId = 0;
}

void CALLBACK CTKMarkupGdiPlusImage::AnimationTimerProc(HWND, UINT, UINT_PTR nId, DWORD) {
  auto& map = ThreadTimerMap();
  auto it = map.find(nId);
  if (it != map.end()) it->second->NextFrame();
}

void CTKMarkupGdiPlusImage::Unload() {
  StopAnimationTimer();
  m_nWidth = m_nHeight = 0;
  m_nFrameCount = m_nCurrentFrame = 0;
  m_bIcon = FALSE;
  free(m_pFrameDelays);
  m_pFrameDelays = nullptr;
  if (m_pImage != nullptr && m_pApi != nullptr) m_pApi->GdipDisposeImage(m_pImage);
  m_pImage = nullptr;
  ReleaseIcon(&m_pImageManager, &m_pIcon);
}

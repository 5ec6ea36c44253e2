// Device-dependent images: the shared icon loading and the GDI image.
#include "markup/TKMarkupDeviceDependentImage.h"

#include "common/TKBitmapFunctions.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "markup/TKMarkupContext.h"

#include <wctype.h>

LPCSTR MarkupResourceName(LPCWSTR lpszResource, CString& strName) {
  if (lpszResource[0] == L'#' && iswdigit(lpszResource[1]))
    return MAKEINTRESOURCEA(static_cast<WORD>(_wtoi(lpszResource + 1)));
  strName = CString(lpszResource);
  return strName;
}

BOOL CTKMarkupDeviceDependentImage::TakeIcon(CTKImageManager* pManager, UINT nCommand, int nWidth,
                                             CTKImageManager** ppManager,
                                             CTKImageManagerIcon** ppIcon) {
  CTKImageManagerIcon* pIcon = pManager != nullptr ? pManager->GetImage(nCommand, nWidth) : nullptr;
  if (pIcon == nullptr) return FALSE;
  pManager->InternalAddRef();
  pIcon->InternalAddRef();
  *ppManager = pManager;
  *ppIcon = pIcon;
  const CSize size = pIcon->GetExtent();
  m_nWidth = size.cx;
  m_nHeight = size.cy;
  return TRUE;
}

CTKImageManager* CTKMarkupDeviceDependentImage::LoadResourceIcons(LPCSTR lpszName) {
  CTKImageManager* pManager = new CTKImageManager;
  pManager->SetMaskColor(GetMaskColor());
  BOOL bAlpha = FALSE;
  CTKScopedBitmap bitmap(LoadBitmapOrPngFromModule(AfxGetResourceHandle(), lpszName, &bAlpha));
  if (!bitmap) bitmap.Reset(LoadBitmapOrPngResource(lpszName, &bAlpha));
  const UINT nCommand = 0;
  if (bitmap) {
    BITMAP info = {};
    GetObject(bitmap.Get(), sizeof(info), &info);
    pManager->SetIconsFromBitmap(bitmap.Get(), &nCommand, 1, info.bmWidth, info.bmHeight, 0,
                                 bAlpha);
  } else {
    pManager->SetIconFromResource(lpszName, nCommand, 0, 0);
  }
  return pManager;
}

COLORREF CTKMarkupDeviceDependentImage::GetMaskColor() const {
  CTKMarkupContext* pContext = m_pSite != nullptr ? m_pSite->GetMarkupContext() : nullptr;
  return pContext != nullptr ? pContext->GetImageMaskColor() : RGB(0, 255, 0);
}

CTKImageManager* CTKMarkupDeviceDependentImage::GetContextImageManager() const {
  CTKMarkupContext* pContext = m_pSite != nullptr ? m_pSite->GetMarkupContext() : nullptr;
  return pContext != nullptr ? pContext->GetImageManager() : TKImageManager();
}

void CTKMarkupDeviceDependentImage::ReleaseIcon(CTKImageManager** ppManager,
                                                CTKImageManagerIcon** ppIcon) {
  if (*ppIcon != nullptr) (*ppIcon)->InternalRelease();
  if (*ppManager != nullptr) (*ppManager)->InternalRelease();
  *ppIcon = nullptr;
  *ppManager = nullptr;
}

// The GDI image ---------------------------------------------------------------------------

CTKMarkupGdiImage::CTKMarkupGdiImage(ITKMarkupDeviceDependentImageSite* pSite)
    : CTKMarkupDeviceDependentImage(pSite), m_pImageManager(nullptr), m_pIcon(nullptr) {}

CTKMarkupGdiImage::~CTKMarkupGdiImage() { ReleaseIcon(&m_pImageManager, &m_pIcon); }

BOOL CTKMarkupGdiImage::Load(LPCWSTR lpszSource, int nWidth) {
  ReleaseIcon(&m_pImageManager, &m_pIcon);
  m_nWidth = m_nHeight = 0;
  m_bIcon = FALSE;
  if (lpszSource == nullptr) return FALSE;

  CTKImageManager* pManager = nullptr;
  BOOL bIcon = FALSE;
  if (wcsncmp(lpszSource, L"file://", 7) == 0) {
    const CString path(lpszSource + 7);
    pManager = new CTKImageManager;
    pManager->SetMaskColor(GetMaskColor());
    const UINT nCommand = 0;
    if (path.GetLength() >= 3 && path.Right(3).CompareNoCase("ico") == 0) {
      pManager->SetIconsFromIconFile(path, nCommand);
      bIcon = TRUE;
    } else {
      BOOL bAlpha = FALSE;
      CTKScopedBitmap bitmap(LoadBitmapFromFile(path, &bAlpha));
      if (bitmap) {
        BITMAP info = {};
        GetObject(bitmap.Get(), sizeof(info), &info);
        pManager->SetIconsFromBitmap(bitmap.Get(), &nCommand, 1, info.bmWidth, info.bmHeight, 0,
                                     bAlpha);
      }
    }
  } else if (wcsncmp(lpszSource, L"res://", 6) == 0) {
    CString strName;
    pManager = LoadResourceIcons(MarkupResourceName(lpszSource + 6, strName));
  } else {
    // An icon id of the context's image manager; text that is no number asks for id 0.
    const BOOL bFound = TakeIcon(GetContextImageManager(), static_cast<UINT>(_wtoi(lpszSource)),
                                 nWidth, &m_pImageManager, &m_pIcon);
    m_bIcon = bFound;
    return bFound;
  }
  const BOOL bFound = TakeIcon(pManager, 0, nWidth, &m_pImageManager, &m_pIcon);
  pManager->InternalRelease();
  m_bIcon = bFound && bIcon;
  return bFound;
}

// Filling the image manager: icon resources and .ico files, image lists,
// bitmap strips and tool-bar resources.
#include "common/TKImageManager.h"

#include <string.h>

#include <commctrl.h>

#include <vector>

#include "common/TKBitmapFunctions.h"
#include "common/TKScopedHandle.h"

namespace {

const LPCSTR kToolBarType = MAKEINTRESOURCE(241);

const BYTE* ResourceBytes(HMODULE hModule, LPCSTR lpszName, LPCSTR lpszType, DWORD* pdwSize) {
  *pdwSize = 0;
  HRSRC hResource = ::FindResourceA(hModule, lpszName, lpszType);
  HGLOBAL hGlobal = hResource != NULL ? ::LoadResource(hModule, hResource) : NULL;
  if (hGlobal == NULL) return NULL;
  *pdwSize = ::SizeofResource(hModule, hResource);
  return static_cast<const BYTE*>(::LockResource(hGlobal));
}

// Pairs command ids with images: 0 and the placeholder id take no image unless
// the ids and images are as many. Without ids, the ids are 0, 1, 2 ...
class CImageAssignment {
 public:
  CImageAssignment(const UINT* pCommands, int nCount, int nImages)
      : m_pCommands(pCommands), m_nCount(nCount), m_nImages(nImages) {}

  /// Calls assign(command, image) for each pairing, in order; stops at the
  /// first FALSE and returns it.
  template <typename Assign>
  BOOL ForEach(Assign assign) const {
    int nImage = 0;
    for (int i = 0; i < m_nCount && nImage < m_nImages; ++i) {
      const UINT nCommand = m_pCommands != NULL ? m_pCommands[i] : (UINT)i;
      const bool bPlaceholder = nCommand == 0 || nCommand == TK_IMAGEMANAGER_PLACEHOLDER_ID;
      if (bPlaceholder && m_nCount != m_nImages) continue;
      if (!assign(nCommand, nImage++)) return FALSE;
    }
    return TRUE;
  }

 private:
  const UINT* m_pCommands;
  int m_nCount;
  int m_nImages;
};

int EntrySize(BYTE value) { return value != 0 ? value : 256; }

}  // namespace

BOOL CTKImageManager::SetIconFromIconResource(HMODULE hModule, LPCSTR lpszName, UINT nCommand,
                                              int cx, int cy, int nState) {
  DWORD dwSize = 0;
  const BYTE* pGroup = ResourceBytes(hModule, lpszName, RT_GROUP_ICON, &dwSize);
  if (pGroup == NULL || dwSize < 6) {
    CTKImageManagerIconHandle image;
    image.LoadFromResource(hModule, lpszName, cx, cy, FALSE);
    return SetIcon(image, nCommand, cx, cy, nState);
  }
  // Only the entries the directory really holds.
  const int nStored = pGroup[4] | pGroup[5] << 8;
  const int nCount = (int)((dwSize - 6) / 14) < nStored ? (int)((dwSize - 6) / 14) : nStored;
  for (int i = 0; i < nCount; ++i) {
    const BYTE* pEntry = pGroup + 6 + 14 * i;
    const int cxEntry = EntrySize(pEntry[0]), cyEntry = EntrySize(pEntry[1]);
    if (!(cx == 0 && cy == 0) && (cxEntry != cx || cyEntry != cy)) continue;
    const WORD nId = (WORD)(pEntry[12] | pEntry[13] << 8);
    CTKImageManagerIconHandle image;
    if (!image.LoadFromResource(hModule, MAKEINTRESOURCE(nId), cxEntry, cyEntry, FALSE) ||
        !SetIcon(image, nCommand, cxEntry, cyEntry, nState))
      return FALSE;
  }
  return TRUE;
}

BOOL CTKImageManager::SetIconFromResource(LPCSTR lpszName, UINT nCommand, int cx, int cy,
                                          int nState) {
  HMODULE hModule = AfxFindResourceHandle(lpszName, RT_GROUP_ICON);
  if (::FindResourceA(hModule, lpszName, RT_GROUP_ICON) != NULL) {
    SetIconFromIconResource(hModule, lpszName, nCommand, cx, cy, nState);
    return TRUE;
  }
  CTKImageManagerIconHandle image;
  image.LoadByName(lpszName, cx, cy, FALSE);
  return SetIcon(image, nCommand, cx, cy, nState);
}

BOOL CTKImageManager::SetIconsFromIconFile(LPCSTR lpszPath, UINT nCommand, int cx, int cy,
                                           int nState) {
  CFile file;
  if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite)) return FALSE;
  return SetIconsFromIconStream(&file, nCommand, cx, cy, nState);
}

BOOL CTKImageManager::SetIconsFromIconStream(CFile* pFile, UINT nCommand, int cx, int cy,
                                             int nState) {
  if (pFile == NULL) return FALSE;
  int nStoredImages = 0;
  try {
    const ULONGLONG nLength = pFile->GetLength();
    BYTE header[6];
    if (pFile->Read(header, sizeof header) != sizeof header) return FALSE;
    const int nType = header[2] | header[3] << 8, nCount = header[4] | header[5] << 8;
    if (nType != 1 || nCount == 0) return FALSE;
    std::vector<BYTE> entries(16 * (size_t)nCount);
    if (pFile->Read(entries.data(), (UINT)entries.size()) != entries.size()) return FALSE;

    for (int i = 0; i < nCount; ++i) {
      const BYTE* pEntry = &entries[16 * i];
      const int cxEntry = EntrySize(pEntry[0]), cyEntry = EntrySize(pEntry[1]);
      if (!(cx == 0 && cy == 0) && (cxEntry != cx || cyEntry != cy)) continue;
      DWORD dwBytes, dwOffset;
      memcpy(&dwBytes, pEntry + 8, 4);
      memcpy(&dwOffset, pEntry + 12, 4);
      // An entry that claims more than the file holds is not read at all.
      if (dwOffset == 0 || dwBytes == 0 || (ULONGLONG)dwOffset + dwBytes > nLength) continue;
      pFile->Seek(dwOffset, CFile::begin);
      std::vector<BYTE> data(dwBytes);
      if (pFile->Read(data.data(), dwBytes) != dwBytes) continue;
      CTKImageManagerIconHandle image;
      if (image.LoadFromIconImage(data.data(), dwBytes, cxEntry, cyEntry) &&
          SetIcon(image, nCommand, cxEntry, cyEntry, nState))
        ++nStoredImages;
    }
  } catch (CException* e) {
    e->Delete();
  }
  return nStoredImages > 0;
}

BOOL CTKImageManager::AddImageListIcons(HIMAGELIST hImageList, const UINT* pCommands, int nCount,
                                        int cx, int cy, int nState) {
  if (hImageList == NULL) return FALSE;
  const int nImages = ImageList_GetImageCount(hImageList);
  if (pCommands == NULL && nCount == 0) nCount = nImages;
  if (cx == 0 && cy == 0 && nCount > 0) {
    IMAGEINFO info;
    if (ImageList_GetImageInfo(hImageList, 0, &info)) {
      cx = info.rcImage.right - info.rcImage.left;
      cy = info.rcImage.bottom - info.rcImage.top;
    }
  }
  CImageAssignment assignment(pCommands, nCount, nImages);
  return assignment.ForEach([&](UINT nCommand, int nImage) {
    HICON hIcon = ImageList_GetIcon(hImageList, nImage, ILD_NORMAL);
    if (hIcon == NULL) return FALSE;
    CTKImageManagerIconHandle image;
    image.SetIcon(hIcon, TRUE, TRUE);
    SetIcon(image, nCommand, cx, cy, nState);
    ::DestroyIcon(hIcon);
    return TRUE;
  });
}

BOOL CTKImageManager::SetIconsFromBitmap(HBITMAP hBitmap, const UINT* pCommands, int nCount, int cx,
                                         int cy, int nState, BOOL bAlpha) {
  BITMAP bitmap;
  if (hBitmap == NULL || !::GetObject(hBitmap, sizeof bitmap, &bitmap)) return FALSE;
  if (cx == 0 && cy == 0 && nCount > 0) {
    cx = bitmap.bmWidth / nCount;
    cy = bitmap.bmHeight;
  } else if (nCount == 0 && cx > 0) {
    nCount = bitmap.bmWidth / cx;
  }
  if (cx <= 0) return FALSE;

  if (bAlpha) {
    // Alpha strips must divide into whole images.
    if (bitmap.bmWidth % cx != 0) return FALSE;
    const int nImages = bitmap.bmWidth / cx;
    std::vector<HBITMAP> parts(nImages, (HBITMAP)NULL);
    if (!SplitBitmapStrip(hBitmap, nImages, parts.data())) return FALSE;
    std::vector<CTKScopedBitmap> owned;
    for (HBITMAP hPart : parts) owned.emplace_back(hPart);
    CImageAssignment(pCommands, nCount, nImages).ForEach([&](UINT nCommand, int nImage) {
      CTKImageManagerIconHandle image;
      image.SetBitmap(parts[nImage], TRUE);
      SetIcon(image, nCommand, cx, cy, nState);
      return TRUE;
    });
    return TRUE;
  }

  HIMAGELIST hImageList = ImageList_Create(cx, cy, ILC_COLOR24 | ILC_MASK, 0, 1);
  if (hImageList == NULL) return FALSE;
  const COLORREF clrMask = m_clrMask != (COLORREF)-1 ? m_clrMask : GetBitmapPixel(hBitmap, 0, 0);
  ImageList_AddMasked(hImageList, hBitmap, clrMask);
  const BOOL bResult = AddImageListIcons(hImageList, pCommands, nCount, cx, cy, nState);
  ImageList_Destroy(hImageList);
  return bResult;
}

BOOL CTKImageManager::SetIconsFromBitmapName(LPCSTR lpszName, const UINT* pCommands, int nCount,
                                             int cx, int cy, int nState) {
  BOOL bAlpha = FALSE;
  CTKScopedBitmap bitmap(LoadBitmapOrPngResource(lpszName, &bAlpha));
  if (!bitmap) return FALSE;
  return SetIconsFromBitmap(bitmap.Get(), pCommands, nCount, cx, cy, nState, bAlpha);
}

BOOL CTKImageManager::SetIconsFromBitmapResource(UINT nIDBitmap, const UINT* pCommands, int nCount,
                                                 int cx, int cy, int nState) {
  return SetIconsFromBitmapName(MAKEINTRESOURCE(nIDBitmap), pCommands, nCount, cx, cy, nState);
}

BOOL CTKImageManager::LoadToolBarResourceIds(UINT nIDToolBar, UINT** ppCommands, int* pnCount,
                                             CSize* pszButton) {
  *ppCommands = NULL;
  *pnCount = 0;
  if (LOWORD(nIDToolBar) == 0) return FALSE;
  LPCSTR lpszName = MAKEINTRESOURCE(nIDToolBar);
  DWORD dwSize = 0;
  const BYTE* pData =
      ResourceBytes(AfxFindResourceHandle(lpszName, kToolBarType), lpszName, kToolBarType, &dwSize);
  if (pData == NULL || dwSize < sizeof(TK_TOOLBARDATA)) return FALSE;
  TK_TOOLBARDATA data;
  memcpy(&data, pData, sizeof data);
  // The ids the resource really holds.
  const int nItems = (int)((dwSize - sizeof data) / sizeof(WORD)) < data.wItemCount
                         ? (int)((dwSize - sizeof data) / sizeof(WORD))
                         : data.wItemCount;
  UINT* pCommands = new UINT[nItems > 0 ? nItems : 1];
  int nCount = 0;
  for (int i = 0; i < nItems; ++i) {
    const WORD nId = (WORD)(pData[sizeof data + 2 * i] | pData[sizeof data + 2 * i + 1] << 8);
    if (nId != 0) pCommands[nCount++] = nId;
  }
  *ppCommands = pCommands;
  *pnCount = nCount;
  if (pszButton != NULL) *pszButton = CSize(data.wWidth, data.wHeight);
  return TRUE;
}

BOOL CTKImageManager::SetIconsFromImageList(UINT nIDToolBar, HIMAGELIST hImageList, int nState) {
  UINT* pCommands = NULL;
  int nCount = 0;
  CSize szButton;
  if (!LoadToolBarResourceIds(nIDToolBar, &pCommands, &nCount, &szButton)) return FALSE;
  const BOOL bResult =
      AddImageListIcons(hImageList, pCommands, nCount, szButton.cx, szButton.cy, nState);
  delete[] pCommands;
  return bResult;
}

BOOL CTKImageManager::SetIconsFromToolBarResource(UINT nIDToolBar, UINT nIDBitmap, int nState) {
  UINT* pCommands = NULL;
  int nCount = 0;
  CSize szButton;
  if (!LoadToolBarResourceIds(nIDToolBar, &pCommands, &nCount, &szButton)) return FALSE;
  const BOOL bResult = SetIconsFromBitmapResource(nIDBitmap, pCommands, nCount, 0, 0, nState);
  delete[] pCommands;
  return bResult;
}

BOOL CTKImageManager::SetIconsFromToolBar(UINT nIDToolBar, int nState) {
  return SetIconsFromToolBarResource(nIDToolBar, nIDToolBar, nState);
}

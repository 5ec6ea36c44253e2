// Loading icon images into a handle: from an icon group by its size rules, from
// an RT_ICON resource, or from the bytes of one icon image.
#include "common/TKImageManagerIconHandle.h"

#include <string.h>

#include "common/TKBitmapFunctions.h"
#include "common/TKScopedHandle.h"

#include "DibValidation.h"

namespace {

const BYTE kPngMagic[4] = {0x89, 'P', 'N', 'G'};

const BYTE* ResourceBytes(HMODULE hModule, LPCSTR lpszName, LPCSTR lpszType, DWORD* pdwSize) {
  *pdwSize = 0;
  HRSRC hResource = ::FindResourceA(hModule, lpszName, lpszType);
  HGLOBAL hGlobal = hResource != NULL ? ::LoadResource(hModule, hResource) : NULL;
  if (hGlobal == NULL) return NULL;
  *pdwSize = ::SizeofResource(hModule, hResource);
  return static_cast<const BYTE*>(::LockResource(hGlobal));
}

// One entry of an RT_GROUP_ICON directory (14 bytes, packed).
struct GroupEntry {
  int cx, cy;
  WORD nId;
};

GroupEntry ReadGroupEntry(const BYTE* p) {
  GroupEntry entry;
  entry.cx = p[0] ? p[0] : 256;
  entry.cy = p[1] ? p[1] : 256;
  entry.nId = (WORD)(p[12] | p[13] << 8);
  return entry;
}

}  // namespace

BOOL CTKImageManagerIconHandle::LoadFromIconImage(const BYTE* pData, DWORD dwSize, int cx, int cy) {
  Clear();
  if (pData == NULL || dwSize < sizeof(BITMAPINFOHEADER)) return FALSE;
  if (memcmp(pData, kPngMagic, sizeof kPngMagic) != 0) {
    BITMAPINFOHEADER header;
    memcpy(&header, pData, sizeof header);
    const BOOL bAlpha = header.biBitCount == 32;
    if (!DibValidation::IsCompleteIconImage(pData, dwSize, bAlpha)) return FALSE;
    if (bAlpha) {
      // The colour rows keep their alpha in a DIB section; the mask is not needed.
      BITMAPINFO info;
      memset(&info, 0, sizeof info);
      info.bmiHeader = header;
      info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
      info.bmiHeader.biHeight = header.biHeight / 2;
      info.bmiHeader.biSizeImage = (DWORD)header.biWidth * (header.biHeight / 2) * 4;
      info.bmiHeader.biCompression = BI_RGB;
      info.bmiHeader.biClrUsed = 0;
      void* pvBits = NULL;
      CTKScopedBitmap bitmap(::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pvBits, NULL, 0));
      if (!bitmap || pvBits == NULL) return FALSE;
      const size_t offset = header.biSize + (size_t)DibValidation::ColorTableBytes(header);
      memcpy(pvBits, pData + offset, info.bmiHeader.biSizeImage);
      TakeBitmap(bitmap.Detach(), TRUE);
      return !IsEmpty();
    }
  }
  HICON hIcon =
      ::CreateIconFromResourceEx(const_cast<BYTE*>(pData), dwSize, TRUE, 0x30000, cx, cy, 0);
  if (hIcon == NULL) return FALSE;
  TakeIcon(hIcon, TRUE);
  return !IsEmpty();
}

BOOL CTKImageManagerIconHandle::LoadIconId(HMODULE hModule, WORD nId, int cx, int cy) {
  DWORD dwSize = 0;
  const BYTE* pData = ResourceBytes(hModule, MAKEINTRESOURCE(nId), RT_ICON, &dwSize);
  return pData != NULL && LoadFromIconImage(pData, dwSize, cx, cy);
}

BOOL CTKImageManagerIconHandle::LoadFromGroup(HMODULE hModule, const BYTE* pGroup, DWORD dwSize,
                                              int cx, int cy, int nMatch) {
  const int nStored = pGroup[4] | pGroup[5] << 8;
  const int nCount = (int)((dwSize - 6) / 14) < nStored ? (int)((dwSize - 6) / 14) : nStored;
  int nChosen = -1;
  GroupEntry chosen = {0, 0, 0};
  for (int i = nCount - 1; i >= 0; --i) {
    const GroupEntry entry = ReadGroupEntry(pGroup + 6 + 14 * i);
    if (nMatch == matchExact) {
      if (entry.cx == cx && entry.cy == cy && LoadIconId(hModule, entry.nId, cx, cy)) return TRUE;
      continue;
    }
    const bool bFits = nMatch == matchSmallestLarger ? (entry.cx >= cx && entry.cy >= cy)
                                                     : (entry.cx <= cx && entry.cy <= cy);
    if (!bFits) continue;
    // Ordered by width, then height; ties keep the entry met first.
    const bool bSmaller = entry.cx < chosen.cx || (entry.cx == chosen.cx && entry.cy < chosen.cy);
    const bool bLarger = entry.cx > chosen.cx || (entry.cx == chosen.cx && entry.cy > chosen.cy);
    const bool bBetter = nChosen < 0 || (nMatch == matchSmallestLarger ? bSmaller : bLarger);
    if (bBetter) {
      nChosen = i;
      chosen = entry;
    }
  }
  return nChosen >= 0 && LoadIconId(hModule, chosen.nId, chosen.cx, chosen.cy);
}

BOOL CTKImageManagerIconHandle::LoadFromResource(HMODULE hModule, LPCSTR lpszName, int cx, int cy,
                                                 BOOL bFromGroup, int nMatch) {
  Clear();
  DWORD dwSize = 0;
  const BYTE* pGroup = bFromGroup ? ResourceBytes(hModule, lpszName, RT_GROUP_ICON, &dwSize) : NULL;
  if (pGroup != NULL && dwSize >= 6) return LoadFromGroup(hModule, pGroup, dwSize, cx, cy, nMatch);
  const BYTE* pData = ResourceBytes(hModule, lpszName, RT_ICON, &dwSize);
  return pData != NULL && LoadFromIconImage(pData, dwSize, cx, cy);
}

BOOL CTKImageManagerIconHandle::LoadByName(LPCSTR lpszName, int cx, int cy, BOOL bFromGroup,
                                           int nMatch) {
  HMODULE hModule = AfxFindResourceHandle(lpszName, bFromGroup ? RT_GROUP_ICON : RT_ICON);
  return LoadFromResource(hModule, lpszName, cx, cy, bFromGroup, nMatch);
}

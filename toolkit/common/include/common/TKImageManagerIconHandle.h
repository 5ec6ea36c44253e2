// CTKImageManagerIconHandle: one image value: an icon, a 32-bit alpha bitmap
// or a slot of an image atlas.
#pragma once

#include "afxwin.h"

class CTKImageManager;
struct TK_IMAGERESOURCE_INFO;

/// An image held by value. Clearing frees what the handle owns (the icon, the
/// bitmap, the atlas slot). Copies are deep, or go into the manager's atlas.
class CTKImageManagerIconHandle {
 public:
  /// Match rules of LoadFromResource for icon groups.
  enum { matchExact = 0, matchSmallestLarger = 1, matchLargestSmaller = 2 };

  CTKImageManagerIconHandle();
  ~CTKImageManagerIconHandle();
  CTKImageManagerIconHandle(const CTKImageManagerIconHandle&) = delete;
  CTKImageManagerIconHandle& operator=(const CTKImageManagerIconHandle&) = delete;

  /// Every field 0 but shareable (1); nothing is freed.
  void Init();
  /// Frees what the handle owns and forgets the image; size and shareable stay.
  void Clear();

  /// No icon, bitmap or slot, or a size of 0 x 0.
  BOOL IsEmpty() const;
  /// A bitmap, or a slot that holds premultiplied pixels.
  BOOL IsAlpha() const;
  HICON GetIcon() const { return m_hIcon; }
  /// The bitmap, else the slot's atlas colour bitmap, else null.
  HBITMAP GetBitmap() const;
  TK_IMAGERESOURCE_INFO* GetSlot() const { return m_pSlot; }
  CSize GetExtent() const { return CSize(m_cx, m_cy); }
  /// The size of what the handle holds: the slot, the icon or the bitmap.
  CSize QueryExtent() const;
  BOOL IsShareable() const { return m_bShareable; }
  void SetShareable(BOOL bShareable) { m_bShareable = bShareable; }
  CTKImageManager* GetImageManager() const { return m_pImageManager; }
  void SetImageManager(CTKImageManager* pImageManager) { m_pImageManager = pImageManager; }

  /// Takes the icon (Init first); the handle owns it unless the caller keeps it.
  void SetIcon(HICON hIcon, BOOL bShareable = TRUE, BOOL bCallerKeepsOwnership = FALSE);
  /// Takes the 32-bit bitmap (Init first).
  void SetBitmap(HBITMAP hBitmap, BOOL bCallerKeepsOwnership = FALSE);
  /// The same after Clear; shareable and the manager are kept.
  void ReplaceIcon(HICON hIcon, BOOL bCallerKeepsOwnership = FALSE);
  void ReplaceBitmap(HBITMAP hBitmap, BOOL bCallerKeepsOwnership = FALSE);
  /// Makes this handle own a copy of `source`: into the manager's atlas when
  /// the manager uses atlases and the source is shareable, else a deep copy.
  /// The source's bitmap may be replaced by its premultiplied copy.
  void CopyFrom(const CTKImageManagerIconHandle& source);
  /// The bitmap's premultiplied pixels; the first call replaces the bitmap by
  /// its premultiplied copy. Null without a bitmap.
  LPBYTE GetPremultipliedBits();
  /// Takes a bitmap whose pixels are known to be premultiplied.
  void SetPremultipliedBitmap(HBITMAP hBitmap, LPBYTE pBits);

  /// An icon of a module: from its RT_GROUP_ICON (when bFromGroup) by the
  /// match rule, else the RT_ICON of that name. TRUE when not empty.
  BOOL LoadFromResource(HMODULE hModule, LPCSTR lpszName, int cx, int cy, BOOL bFromGroup = TRUE,
                        int nMatch = matchExact);
  /// The same with the module found through the resource chain.
  BOOL LoadByName(LPCSTR lpszName, int cx, int cy, BOOL bFromGroup = TRUE, int nMatch = matchExact);
  /// Takes the image of one icon image's bytes (an RT_ICON resource or an
  /// .ico entry): a 32-bit image becomes an alpha bitmap, any other an icon.
  /// Data whose header does not describe it is refused. TRUE when not empty.
  BOOL LoadFromIconImage(const BYTE* pData, DWORD dwSize, int cx, int cy);

  /// Draws into (x, y, cx, cy); a bitmap is alpha-blended, an icon drawn
  /// normally or, with bDrawWithAlpha, through an alpha blend.
  void Draw(CDC* pDC, int x, int y, int cx, int cy, BOOL bDrawWithAlpha = FALSE);

 private:
  void TakeIcon(HICON hIcon, BOOL bOwns);
  void TakeBitmap(HBITMAP hBitmap, BOOL bOwns);
  BOOL LoadFromGroup(HMODULE hModule, const BYTE* pGroup, DWORD dwSize, int cx, int cy, int nMatch);
  BOOL LoadIconId(HMODULE hModule, WORD nId, int cx, int cy);

  HICON m_hIcon;
  HBITMAP m_hBitmap;
  LPBYTE m_pBits;
  BOOL m_bOwns;
  CTKImageManager* m_pImageManager;
  TK_IMAGERESOURCE_INFO* m_pSlot;
  int m_cx, m_cy;
  BOOL m_bShareable;
};

// CTKImageManagerResource: an image atlas, one colour bitmap and one mask
// bitmap shared by all command images of one size.
#pragma once

#include "afxwin.h"
#include "afxtempl.h"

#include "common/TKDCHelpers.h"
#include "common/TKScopedHandle.h"

class CTKImageManager;
class CTKImageManagerIconHandle;
class CTKImageManagerResource;

/// One slot of an atlas, owned by the atlas.
struct TK_IMAGERESOURCE_INFO {
  /// Premultiplied 32-bit pixels (drawn by alpha blending); otherwise icon
  /// colours in the colour bitmap and the icon's mask in the mask bitmap.
  BOOL bAlpha;
  RECT rc;  ///< the slot within the atlas: left = slot x width, top 0
  CTKImageManagerResource* pResource;
};

/// A 32-bit colour bitmap and a monochrome mask, one image high, growing to
/// the right by one image per slot. Freed slots are reused before the atlas
/// grows; when every slot is free the atlas lets its bitmaps go. Every public
/// operation holds the atlas's critical section.
class CTKImageManagerResource {
 public:
  CTKImageManagerResource(CTKImageManager* pImageManager, int cx, int cy);
  ~CTKImageManagerResource();
  CTKImageManagerResource(const CTKImageManagerResource&) = delete;
  CTKImageManagerResource& operator=(const CTKImageManagerResource&) = delete;

  CSize GetExtent() const { return CSize(m_cx, m_cy); }
  /// Copies the image of `image` into a new slot; null for an empty image, one
  /// of another size, or one that holds neither an icon nor a bitmap. A
  /// bitmap's handle is left holding its premultiplied copy.
  TK_IMAGERESOURCE_INFO* AddImage(CTKImageManagerIconHandle& image);
  /// Returns the slot to the free list (nothing for a slot not in use).
  void FreeSlot(TK_IMAGERESOURCE_INFO* pSlot);
  /// Forgets every slot and deletes both bitmaps.
  void Reset();
  /// Makes `image` own a copy of the slot: a premultiplied bitmap for an alpha
  /// slot, else an icon of the slot's colours and mask.
  void CopyToHandle(CTKImageManagerIconHandle& image, const TK_IMAGERESOURCE_INFO* pSlot);
  /// Draws the slot into (x, y, x + cx, y + cy).
  void DrawSlot(CDC* pDC, const TK_IMAGERESOURCE_INFO* pSlot, int x, int y, int cx, int cy,
                BOOL bDrawWithAlpha);
  /// Draws a non-alpha slot through an alpha blend of its colours and mask.
  void DrawSlotWithAlpha(CDC* pDC, const TK_IMAGERESOURCE_INFO* pSlot, int x, int y, int cx,
                         int cy);

  HBITMAP GetColorBitmap() const { return m_color.Get(); }
  HBITMAP GetMaskBitmap() const { return m_mask.Get(); }
  int GetUsedWidth() const { return m_nUsedWidth; }
  INT_PTR GetUsedSlotCount() const { return m_arrUsed.GetSize(); }
  INT_PTR GetFreeSlotCount() const { return m_arrFree.GetSize(); }

 private:
  TK_IMAGERESOURCE_INFO* AllocSlot();
  /// Replaces both bitmaps by ones `cxNew` wide, keeping the old contents.
  BOOL Resize(int cxNew);
  TK_IMAGERESOURCE_INFO* NewSlot(int nLeft);
  BOOL CopyIconIntoSlot(HICON hIcon, TK_IMAGERESOURCE_INFO* pSlot);
  void CopyRowsIntoSlot(const BYTE* pBits, TK_IMAGERESOURCE_INFO* pSlot);
  void CopyRowsFromSlot(const TK_IMAGERESOURCE_INFO* pSlot, BYTE* pBits) const;

  CTKScopedBitmap m_color;
  CTKScopedBitmap m_mask;
  CTKBitmapDC m_dc;  // a memory DC for selecting either bitmap
  LPBYTE m_pBits;
  CTKImageManager* m_pImageManager;
  int m_cx, m_cy;
  int m_nUsedWidth;
  CArray<TK_IMAGERESOURCE_INFO*, TK_IMAGERESOURCE_INFO*> m_arrUsed;
  CArray<TK_IMAGERESOURCE_INFO*, TK_IMAGERESOURCE_INFO*> m_arrFree;
  CRITICAL_SECTION m_cs;
};

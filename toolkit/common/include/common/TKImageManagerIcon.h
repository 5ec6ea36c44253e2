// The image manager's icons: CTKImageManagerIcon (the images of one command at
// one width), CTKImageManagerIconSet (the icons of one command by width) and
// CTKImageManagerImageList (an image list attached to the manager).
#pragma once

#include "afxwin.h"
#include "afxtempl.h"

#include "common/TKImageManagerIconHandle.h"

class CTKImageManager;
class CTKImageManagerIconSet;
class CTKImageManagerImageList;

/// Image states: the index into an icon's images.
enum {
  TK_IMAGESTATE_NORMAL = 0,
  TK_IMAGESTATE_DISABLED = 1,
  TK_IMAGESTATE_HOT = 2,
  TK_IMAGESTATE_CHECKED = 3,
  TK_IMAGESTATE_PRESSED = 4
};

/// Moves each of red, green and blue towards white: trunc(factor x 255 +
/// (1 - factor) x channel).
COLORREF LightenColor(COLORREF clr, double dFactor);

/// Reads any bitmap for an archive: *ppHeader (BITMAPINFOHEADER and colour
/// table: 16 entries for 4 bits, 256 for 8, else 3 masks) and *ppPixels are
/// malloc'ed for the caller. FALSE, with nothing allocated, on failure.
BOOL ReadBitmapForArchive(HBITMAP hBitmap, LPBYTE* ppHeader, DWORD* pdwHeaderSize, LPBYTE* ppPixels,
                          DWORD* pdwPixelSize);

/// One command image of one width: the normal image, the hot, checked, pressed
/// and disabled images the application supplies, and a faded, a shadow and a
/// disabled image made on first request. Reference-counted.
class CTKImageManagerIcon : public CCmdTarget {
 public:
  CTKImageManagerIcon(UINT nID, int nWidth, int nHeight, CTKImageManagerIconSet* pIconSet);
  CTKImageManagerIcon(UINT nID, int nWidth, int nHeight, CTKImageManagerImageList* pImageList);
  ~CTKImageManagerIcon() override;

  /// Clears the seven other images, and the normal one when asked.
  void ClearImages(BOOL bIncludeNormal);
  /// Drops the faded, shadow and generated disabled images.
  void ClearGeneratedImages();

  /// Copies the image as the normal image; the icon takes its size, and every
  /// icon of the set drops its generated images. TRUE.
  BOOL SetNormalImage(const CTKImageManagerIconHandle& image);
  void SetHotImage(const CTKImageManagerIconHandle& image);
  void SetCheckedImage(const CTKImageManagerIconHandle& image);
  void SetPressedImage(const CTKImageManagerIconHandle& image);
  void SetDisabledImage(const CTKImageManagerIconHandle& image);

  CTKImageManagerIconHandle& GetNormalImage() { return m_imageNormal; }
  /// The hot image, else the normal one.
  CTKImageManagerIconHandle& GetHotImage();
  /// The checked (pressed) image, else GetHotImage.
  CTKImageManagerIconHandle& GetCheckedImage();
  CTKImageManagerIconHandle& GetPressedImage();
  /// The faded image (made on first request), else the normal one.
  CTKImageManagerIconHandle& GetFadedImage();
  /// The shadow image, made on first request; may be empty.
  CTKImageManagerIconHandle& GetShadowImage();
  /// The supplied disabled image, else the generated one (made when asked).
  CTKImageManagerIconHandle& GetDisabledImage(BOOL bCreate = TRUE);
  /// By TK_IMAGESTATE_; other values give the normal image.
  CTKImageManagerIconHandle& GetImageForState(int nState);
  BOOL HasDisabledImage() const;
  BOOL IsAlpha() const { return m_imageNormal.IsAlpha(); }
  CSize GetExtent() const { return m_imageNormal.GetExtent(); }
  UINT GetID() const { return m_nID; }
  int GetWidth() const { return m_nWidth; }
  int GetHeight() const { return m_nHeight; }
  CTKImageManagerIconSet* GetIconSet() const { return m_pIconSet; }

  /// Draws `image` at (x, y); width 0 is the icon's width, height 0 keeps the
  /// icon's proportions. Icons of an image list draw from the list.
  void Draw(CDC* pDC, CPoint pt, CTKImageManagerIconHandle& image, int cx = 0, int cy = 0,
            COLORREF clrBack = CLR_NONE, COLORREF clrFore = CLR_NONE, UINT nStyle = 0);
  void DrawAtSize(CDC* pDC, CPoint pt, CSize sz);
  void DrawAtPoint(CDC* pDC, CPoint pt);
  /// Draws every non-white pixel of a non-alpha image in one colour.
  void DrawMonochrome(CDC* pDC, CPoint pt, CTKImageManagerIconHandle& image, int cx, int cy,
                      COLORREF clr);

  /// The generated images (see GetFadedImage and friends).
  void CreateFadedImage();
  void CreateShadowImage();
  /// A luminance ramp between the two colours, or grey when either is -1.
  void CreateDisabledImage(COLORREF clrLight = (COLORREF)-1, COLORREF clrDark = (COLORREF)-1);

  /// The archive form: height, schema, then the images (see SerializeImage).
  void Serialize(CArchive& ar) override;
  void SerializeImage(CTKImageManagerIconHandle& image, CArchive& ar, UINT nSchema);
  /// The schema an icon is stored with.
  enum { kArchiveSchema = 42 };
  /// One bitmap block: a count and the header (BITMAPINFOHEADER and colour
  /// table), a count and the pixels. Null for a block of count 0 and for one
  /// whose header does not describe its pixels (the block is read all the same);
  /// throws CArchiveException (badIndex) for counts no bitmap can have.
  static HBITMAP ReadBitmapBlock(CArchive& ar, LPBYTE* ppBits);
  /// The bitmap's block, or a single count 0 when it cannot be read.
  static void WriteBitmapBlock(CArchive& ar, HBITMAP hBitmap);
  /// The DIB section of one block; null when the header is not a usable
  /// bitmap header, the header block lacks its colour table, the pixels are
  /// fewer than the header describes, or its image size is neither 0 nor
  /// between the two.
  static HBITMAP CreateBitmapFromBlock(const BYTE* pHeader, DWORD dwHeaderSize, const BYTE* pPixels,
                                       DWORD dwPixelSize, LPBYTE* ppBits);

  /// When set, icons held as HICON draw through an alpha blend.
  BOOL m_bDrawWithAlpha;

 private:
  void InitImages(CTKImageManager* pImageManager);
  void SerializeImages(CArchive& ar, UINT nSchema);

  UINT m_nID;
  int m_nWidth;
  int m_nHeight;
  CTKImageManagerIconHandle m_imageNormal;
  CTKImageManagerIconHandle m_imageFaded;
  CTKImageManagerIconHandle m_imageShadow;
  CTKImageManagerIconHandle m_imageHot;
  CTKImageManagerIconHandle m_imageChecked;
  CTKImageManagerIconHandle m_imagePressed;
  CTKImageManagerIconHandle m_imageDisabled;
  CTKImageManagerIconHandle m_imageDisabledAuto;
  CTKImageManagerIconSet* m_pIconSet;
  CTKImageManagerImageList* m_pImageList;
};

/// The icons of one command id, by width.
class CTKImageManagerIconSet : public CCmdTarget {
 public:
  CTKImageManagerIconSet(UINT nID, CTKImageManager* pImageManager);
  ~CTKImageManagerIconSet() override;

  /// Width 0: the smallest icon; 1: the largest; else that width exactly or,
  /// with bAllowNearest, the nearest (ties: the first in the map's order).
  CTKImageManagerIcon* GetIcon(int nWidth, BOOL bAllowNearest = TRUE) const;
  /// The icon of that width, made (height 15 until it has an image) when missing.
  CTKImageManagerIcon* GetOrCreateIcon(int nWidth);
  void SetIcon(const CTKImageManagerIconHandle& image, int nWidth);
  void SetDisabledIcon(const CTKImageManagerIconHandle& image, int nWidth);
  void SetHotIcon(const CTKImageManagerIconHandle& image, int nWidth);
  void SetCheckedIcon(const CTKImageManagerIconHandle& image, int nWidth);
  void SetPressedIcon(const CTKImageManagerIconHandle& image, int nWidth);
  /// Clears and releases every icon.
  void ClearIcons();
  /// Every icon drops its generated images.
  void RefreshIcons();

  UINT GetID() const { return m_nID; }
  CTKImageManager* GetImageManager() const { return m_pImageManager; }
  /// Stores an icon made elsewhere (the exchange) under its width; the set
  /// takes the caller's reference.
  void AddIcon(CTKImageManagerIcon* pIcon);

  CMap<int, int, CTKImageManagerIcon*, CTKImageManagerIcon*> m_mapIcons;

 private:
  UINT m_nID;
  CTKImageManager* m_pImageManager;
};

/// An image list whose image i belongs to command id base + i.
class CTKImageManagerImageList {
 public:
  CTKImageManagerImageList(HIMAGELIST hImageList, UINT nBaseID, BOOL bOwns);
  ~CTKImageManagerImageList();
  CTKImageManagerImageList(const CTKImageManagerImageList&) = delete;
  CTKImageManagerImageList& operator=(const CTKImageManagerImageList&) = delete;

  BOOL ContainsId(UINT nID) const;
  CSize GetIconSize() const;
  /// The icon made for the id (on first request).
  CTKImageManagerIcon* GetIcon(UINT nID);
  /// ImageList_DrawEx of the id's image with the style plus ILD_TRANSPARENT.
  void DrawIcon(CDC* pDC, UINT nID, CPoint pt, CSize sz, COLORREF clrBack, COLORREF clrFore,
                UINT nStyle);
  /// Releases the icons made.
  void ClearIcons();

  HIMAGELIST m_hImageList;
  BOOL m_bOwns;
  UINT m_nBaseID;
  CMap<UINT, UINT, CTKImageManagerIcon*, CTKImageManagerIcon*> m_mapIcons;
};

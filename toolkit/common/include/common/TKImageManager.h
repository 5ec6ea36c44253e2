// CTKImageManager: the store of command images by command id. Each id has an
// icon set with one icon per width; images come from icon resources and files,
// bitmap strips, image lists and tool-bar resources. Images of one size may
// share an atlas. The store travels through the toolkit's property exchange.
#pragma once

#include "afxwin.h"
#include "afxtempl.h"

#include "common/TKImageManagerIcon.h"
#include "common/TKImageManagerIconHandle.h"
#include "common/TKImageManagerResource.h"

class CTKPropExchange;

/// The placeholder id of command lists: like 0 (a separator) it takes no image,
/// unless ids and images are as many.
#define TK_IMAGEMANAGER_PLACEHOLDER_ID 0xDEADBEAF

/// A tool-bar resource (RT_TOOLBAR, 241).
struct TK_TOOLBARDATA {
  WORD wVersion;
  WORD wWidth;
  WORD wHeight;
  WORD wItemCount;
  // WORD aItems[wItemCount]
};

/// The process-wide manager is TKImageManager(); a command-bars collection may
/// own one of its own. UI thread only; the atlases lock themselves.
class CTKImageManager : public CCmdTarget {
  DECLARE_DYNAMIC(CTKImageManager)

 public:
  CTKImageManager();
  ~CTKImageManager() override;

  /// The transparent colour of non-alpha strips; -1: the strip's top-left pixel.
  COLORREF SetMaskColor(COLORREF clrMask);
  /// Whether icons are drawn mirrored on this DC, by the mirror mode.
  BOOL IsMirrorDraw(CDC* pDC) const;

  /// Stores a copy of the image under the id at its width by state. Without an
  /// icon set only the normal state (0) is accepted. Width and height 0 mean
  /// the image's size.
  BOOL SetIcon(const CTKImageManagerIconHandle& image, UINT nCommand, int cx = 0, int cy = 0,
               int nState = TK_IMAGESTATE_NORMAL);
  /// Every entry of the module's icon group of that size (every one for 0 x 0),
  /// each at its own size; without a group the RT_ICON of that name.
  BOOL SetIconFromIconResource(HMODULE hModule, LPCSTR lpszName, UINT nCommand, int cx, int cy,
                               int nState = TK_IMAGESTATE_NORMAL);
  /// The same with the module found through the resource chain.
  BOOL SetIconFromResource(LPCSTR lpszName, UINT nCommand, int cx, int cy,
                           int nState = TK_IMAGESTATE_NORMAL);
  /// The images of an .ico file of that size (every one for 0 x 0); TRUE when
  /// one was stored. Entries whose headers do not describe their data are skipped.
  BOOL SetIconsFromIconFile(LPCSTR lpszPath, UINT nCommand, int cx = 0, int cy = 0,
                            int nState = TK_IMAGESTATE_NORMAL);
  /// The same for .ico data read from any file object.
  BOOL SetIconsFromIconStream(CFile* pFile, UINT nCommand, int cx = 0, int cy = 0,
                              int nState = TK_IMAGESTATE_NORMAL);
  /// The images of an image list for the ids (by the placeholder rule).
  BOOL AddImageListIcons(HIMAGELIST hImageList, const UINT* pCommands, int nCount, int cx, int cy,
                         int nState = TK_IMAGESTATE_NORMAL);
  /// A strip cut into images of cx (or width / nCount) for the ids.
  BOOL SetIconsFromBitmap(HBITMAP hBitmap, const UINT* pCommands, int nCount, int cx, int cy,
                          int nState = TK_IMAGESTATE_NORMAL, BOOL bAlpha = FALSE);
  BOOL SetIconsFromBitmapName(LPCSTR lpszName, const UINT* pCommands, int nCount, int cx, int cy,
                              int nState = TK_IMAGESTATE_NORMAL);
  BOOL SetIconsFromBitmapResource(UINT nIDBitmap, const UINT* pCommands, int nCount, int cx, int cy,
                                  int nState = TK_IMAGESTATE_NORMAL);
  /// The non-separator ids and the button size of a tool-bar resource; *ppCommands
  /// is allocated with new[] for the caller.
  static BOOL LoadToolBarResourceIds(UINT nIDToolBar, UINT** ppCommands, int* pnCount,
                                     CSize* pszButton);
  BOOL SetIconsFromImageList(UINT nIDToolBar, HIMAGELIST hImageList,
                             int nState = TK_IMAGESTATE_NORMAL);
  BOOL SetIconsFromToolBarResource(UINT nIDToolBar, UINT nIDBitmap,
                                   int nState = TK_IMAGESTATE_NORMAL);
  BOOL SetIconsFromToolBar(UINT nIDToolBar, int nState = TK_IMAGESTATE_NORMAL);

  CTKImageManagerIconSet* LookupIconSet(UINT nCommand) const;
  CTKImageManagerImageList* LookupImageList(UINT nCommand) const;
  /// The id's icon of that width (0: smallest, 1: largest, else the nearest),
  /// or the icon of an attached image list; null when there is none.
  CTKImageManagerIcon* GetImage(UINT nCommand, int nWidth = 0) const;
  BOOL HasIcon(UINT nCommand, int nWidth = 0) const;
  /// The atlas for images of that size, made on first request.
  CTKImageManagerResource* GetImageResource(int cx, int cy);
  /// Attaches an image list whose image i belongs to nBaseID + i.
  void AddImageList(HIMAGELIST hImageList, UINT nBaseID, BOOL bOwns);

  /// Empties the store: icon sets, atlases and image lists.
  void RemoveAll();
  /// Every icon drops its generated images (after colour or theme changes).
  void RefreshAll();

  static BOOL TransparentBlt(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc,
                             COLORREF crKey);
  /// Blends premultiplied 32-bit source pixels: msimg32's AlphaBlend, or
  /// AlphaBlendFallback where that is missing or unreliable.
  static BOOL AlphaBlend(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc);

  /// The icon sets through the exchange: sections "IconSet0", "IconSet1"...
  /// each with "Id" and the set's icons; loading empties the store first.
  void DoPropExchange(CTKPropExchange* pPX);
  /// One icon set; a "CheckSum" other than "CTKImageManagerIcons" raises a
  /// CArchiveException (badClass).
  void ExchangeIconSet(UINT nCommand, CTKPropExchange* pPX);
  void Serialize(CArchive& ar) override;

  /// Images are copied into atlases (when the images allow it).
  BOOL m_bUseResources;
  COLORREF m_clrMask;
  CMap<UINT, UINT, CTKImageManagerIconSet*, CTKImageManagerIconSet*> m_mapImages;
  CArray<CTKImageManagerImageList*, CTKImageManagerImageList*> m_arrImageList;
  CMap<DWORD, DWORD, CTKImageManagerResource*, CTKImageManagerResource*> m_mapResources;
  /// The largest command id that passed through the exchange.
  UINT m_nCustomID;
  /// 1: always mirrored; 2: mirrored on right-to-left DCs; else never.
  int m_nMirrorMode;

 private:
  CTKImageManagerIconSet* GetOrCreateIconSet(UINT nCommand);
};

/// The process-wide image manager, made on first use.
CTKImageManager* TKImageManager();
/// The manager behind an automation IDispatch; E_INVALIDARG for anything else.
CTKImageManager* ImageManagerFromDispatch(LPDISPATCH lpDispatch);

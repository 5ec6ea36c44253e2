// CImageList: ownership of an image-list handle, the map that finds the
// owner, and the members that take wrapper objects.
#include "afxcmn.h"

#include "WndState.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace {

// Owners and temporaries live with the thread's other handle maps, which idle
// time empties of temporaries.
CHandleMap<CImageList, HIMAGELIST>& ImageListMap() {
  return AfxGetWndThreadState()->m_mapHIMAGELIST;
}

HBITMAP BitmapOf(CBitmap* pBitmap) { return static_cast<HBITMAP>(CGdiObject::SafeHandle(pBitmap)); }

}  // namespace

CImageList::CImageList() : m_hImageList(NULL) {}

CImageList::~CImageList() { DeleteImageList(); }

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList) {
  return ImageListMap().FromHandle(hImageList);
}

void PASCAL CImageList::DeleteTempMap() { ImageListMap().DeleteTemp(); }

BOOL CImageList::Attach(HIMAGELIST hImageList) {
  if (hImageList == NULL) return FALSE;
  if (m_hImageList != NULL) ImageListMap().RemoveHandle(m_hImageList);
  m_hImageList = hImageList;
  ImageListMap().SetPermanent(hImageList, this);
  return TRUE;
}

HIMAGELIST CImageList::Detach() {
  HIMAGELIST hImageList = m_hImageList;
  if (hImageList != NULL && ImageListMap().LookupPermanent(hImageList) == this) {
    ImageListMap().RemoveHandle(hImageList);
  }
  m_hImageList = NULL;
  return hImageList;
}

BOOL CImageList::DeleteImageList() {
  if (m_hImageList == NULL) return FALSE;
  return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
  return Attach(ImageList_LoadImage(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP,
                                    LR_CREATEDIBSECTION));
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
  return ImageList_Add(m_hImageList, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
  return ImageList_AddMasked(m_hImageList, BitmapOf(pbmImage), crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask) {
  return ImageList_Replace(m_hImageList, nImage, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

BOOL CImageList::DrawIndirect(CDC* pDC, int nImage, POINT pt, SIZE sz, POINT ptOrigin, UINT fStyle,
                              DWORD dwRop, COLORREF rgbBack, COLORREF rgbFore) {
  IMAGELISTDRAWPARAMS params = {};
  // The version-5 size: every comctl32 accepts it, and the later fields stay unused.
  params.cbSize = IMAGELISTDRAWPARAMS_V3_SIZE;
  params.himl = m_hImageList;
  params.i = nImage;
  params.hdcDst = CDC::SafeHdc(pDC);
  params.x = pt.x;
  params.y = pt.y;
  params.cx = sz.cx;
  params.cy = sz.cy;
  params.xBitmap = ptOrigin.x;
  params.yBitmap = ptOrigin.y;
  params.rgbBk = rgbBack;
  params.rgbFg = rgbFore;
  params.fStyle = fStyle;
  params.dwRop = dwRop;
  return ImageList_DrawIndirect(&params);
}

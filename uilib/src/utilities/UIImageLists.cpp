// Image lists from bitmap resources, and button captions from the string table.
#include <afxwin.h>

#include "commandbars/TKCommandBarsDefines.h"
#include "common/TKScopedHandle.h"
#include "commandbars/TKControl.h"
#include "uilib/UIUtilities.h"

namespace {

HBITMAP LoadBitmapResource(UINT nBitmapId) {
  HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nBitmapId), RT_BITMAP);
  return static_cast<HBITMAP>(::LoadImageA(hInst, MAKEINTRESOURCE(nBitmapId), IMAGE_BITMAP, 0, 0,
                                           LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
}

}  // namespace

void CreateImageListFromBitmap(UINT nBitmapId, HIMAGELIST* phImageList, int nCellWidth) {
  CTKScopedBitmap bitmap(LoadBitmapResource(nBitmapId));
  BITMAP info;
  if (!bitmap || nCellWidth <= 0 || !::GetObject(bitmap.Get(), sizeof(info), &info)) return;
  *phImageList = ::ImageList_Create(nCellWidth, info.bmHeight, ILC_COLOR32,
                                    info.bmWidth / nCellWidth, 0);
  if (*phImageList != NULL) ::ImageList_AddMasked(*phImageList, bitmap.Get(), RGB(0, 0, 0));
}

void AddBitmapToImageList(UINT nBitmapId, HIMAGELIST hImageList) {
  CTKScopedBitmap bitmap(LoadBitmapResource(nBitmapId));
  if (bitmap && hImageList != NULL) ::ImageList_AddMasked(hImageList, bitmap.Get(), RGB(0, 0, 0));
}

bool SetButtonCaptionFromString(UINT nStringId, CTKControl* pControl) {
  if (pControl == nullptr) return false;
  if (pControl->GetStyle() != tkButtonIconAndCaption) {
    pControl->SetStyle(tkButtonIconAndCaption);
    pControl->DelayLayoutParent();
  }
  CTesselString text;
  text.LoadString(static_cast<int>(nStringId),
                  AfxFindResourceHandle(MAKEINTRESOURCE(nStringId / 16 + 1), RT_STRING));
  CTesselString caption = text;
  CTesselString description;
  const int nBreak = text.FindChar('\n', 0);
  if (nBreak >= 0) {
    caption = nBreak > 0 ? text.Mid(0, nBreak - 1) : CTesselString();
    description = text.Mid(nBreak + 1, -1);
  }
  if (!description.IsEmpty()) pControl->SetDescription(description.GetText());
  if (caption.IsEmpty()) return false;
  pControl->SetCaption(caption.GetText());
  return true;
}

// CTKFramePaintManagerBase::CreateCutCornerRegion: the window shape of the
// frames with cut top corners.
#include <vector>

#include "common/TKDpiHelper.h"
#include "themes/TKFramePaintManagerBase.h"

HRGN CTKFramePaintManagerBase::CreateCutCornerRegion(int cx, int cy, BOOL bRoundBottom,
                                                     BOOL bDpiScaled) {
  auto X = [bDpiScaled](int n) { return bDpiScaled ? TKDpiHelper()->ScaleX(n) : n; };
  auto Y = [bDpiScaled](int n) { return bDpiScaled ? TKDpiHelper()->ScaleY(n) : n; };
  std::vector<RECT> rects = {
      {X(4), 0, cx - X(4), Y(1)},
      {X(2), Y(1), cx - X(2), Y(2)},
      {X(1), Y(2), cx - X(1), Y(3)},
      {X(1), Y(3), cx - X(1), Y(4)},
      {0, Y(4), cx, cy - Y(4)},
  };
  if (bRoundBottom) {
    rects.push_back({X(1), cy - Y(4), cx - X(1), cy - Y(2)});
    rects.push_back({X(2), cy - Y(2), cx - X(2), cy - Y(1)});
    rects.push_back({X(4), cy - Y(1), cx - X(4), cy});
  } else {
    rects.push_back({0, cy - Y(4), cx, cy});
  }
  std::vector<BYTE> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  RGNDATA* pData = reinterpret_cast<RGNDATA*>(data.data());
  pData->rdh.dwSize = sizeof(RGNDATAHEADER);
  pData->rdh.iType = RDH_RECTANGLES;
  pData->rdh.nCount = static_cast<DWORD>(rects.size());
  pData->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  pData->rdh.rcBound = CRect(0, 0, cx, cy);
  memcpy(pData->Buffer, rects.data(), rects.size() * sizeof(RECT));
  CRgn region;
  if (!region.CreateFromData(nullptr, static_cast<int>(data.size()), pData)) return NULL;
  return static_cast<HRGN>(region.Detach());
}

// The bounds of a top-level window as its frame shows them.
#include "uilib/UILibSystem.h"
#include "uilib/UIUtilities.h"

bool GetFrameBoundsOfWindow(HWND hWnd, RECT* pRect) {
  if (pRect == nullptr || !::IsWindow(hWnd) || !::GetWindowRect(hWnd, pRect)) return false;
  struct Correction {
    int right, bottom;
  } correction = {-2, -2};
  switch (UILibSystem()->QueryDwmFrameBounds(hWnd)) {
    case CUILibSystem::kDwmLibraryMissing:
      break;
    case CUILibSystem::kDwmAnswered:
      correction = {6, 3};
      break;
    case CUILibSystem::kDwmQueryFailed:
      correction = {-2, -9};
      break;
  }
  pRect->right += correction.right;
  pRect->bottom += correction.bottom;
  return true;
}

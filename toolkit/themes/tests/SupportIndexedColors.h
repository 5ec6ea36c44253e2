// Themes from the factory with a colour of its own in every indexed slot, so
// that a pixel tells which indexed colour was drawn.
#pragma once

#include <memory>

#include "themes/TKPaintManagerBase.h"

struct ThemeReleaser {
  void operator()(CTKPaintManagerBase* p) const { p->InternalRelease(); }
};
using ThemeHolder = std::unique_ptr<CTKPaintManagerBase, ThemeReleaser>;

/// The test's colour of indexed slot `nIndex`: distinct for every slot, none
/// of them black, white or magenta.
inline COLORREF SlotColor(int nIndex) {
  return RGB(20 + nIndex * 3, 230 - nIndex * 3, 40 + (nIndex * 7) % 150);
}

/// Gives every indexed slot its test colour.
inline void FillSlots(CTKPaintManagerBase* pTheme) {
  for (int i = 0; i < CTKPaintManagerBase::kIndexedColorCount; ++i) {
    const COLORREF clr = SlotColor(i);
    pTheme->SetIndexedColors(1, &i, &clr);
  }
}

/// A theme of the id, not refreshed, with the test colours in its slots.
template <class TTheme>
TTheme* MakeSlottedTheme(int nTheme, ThemeHolder& holder) {
  holder.reset(CTKPaintManagerBase::CreateThemeById(nTheme));
  FillSlots(holder.get());
  return dynamic_cast<TTheme*>(holder.get());
}

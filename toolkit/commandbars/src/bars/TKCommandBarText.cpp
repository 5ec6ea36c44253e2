// CTKCommandBar: the caption settings the paint manager lays controls out by.
#include "commandbars/TKCommandBar.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"

BOOL CTKCommandBar::IsTextBelowIcons() const {
  if (m_nTextBelowIcons != 2) return m_nTextBelowIcons;
  CTKCommandBars* pCommandBars = GetCommandBars();
  return pCommandBars != nullptr && pCommandBars->GetCommandBarsOptions()->bShowTextBelowIcons;
}

// The steps every expanding placeholder takes when its pop-up is laid out.
#pragma once

#include <functional>

#include "commandbars/TKControl.h"

class CTKCommandBar;

/// Removes the controls right after the placeholder while they are its own.
void TKRemoveGeneratedControls(CTKControl* pPlaceholder,
                               const std::function<bool(CTKControl*)>& isGenerated);
/// In customise mode the placeholder shows with its own caption and makes
/// nothing: TRUE then.
BOOL TKShowPlaceholderInCustomizeMode(CTKControl* pPlaceholder);
/// A temporary button at nIndex of the placeholder's collection, left out of
/// the idle update.
CTKControl* TKAddGeneratedButton(CTKControl* pPlaceholder, int nIndex, int nId,
                                 const CString& strCaption, LPCSTR lpszParameter);
/// Placeholders make sense in menus only.
BOOL TKCanDropOnPopupBarOnly(CTKCommandBar* pBar, DWORD& dwEffect);

// Changing named elements of a parsed markup tree from outside the markup
// layer: the theme drawings carry a caption text block or a border whose text
// and brushes their owner sets before each rendering. Every function does
// nothing and answers FALSE (or 0) for a null root, a missing name or an
// element of another kind. UI thread only, like the tree itself.
#pragma once

#include "afxwin.h"

class CTKMarkupUIElement;

/// The "Text" of the text block named `lpszName` (ANSI text, copied).
BOOL SetMarkupNamedText(CTKMarkupUIElement* pRoot, LPCSTR lpszName, LPCSTR lpszText);
/// The "Foreground" of the text block named `lpszName`: an opaque solid brush.
BOOL SetMarkupNamedForeground(CTKMarkupUIElement* pRoot, LPCSTR lpszName, COLORREF clr);
/// The "Background" of the border named `lpszName`: an opaque solid brush,
/// or no brush for -1.
BOOL SetMarkupNamedBackground(CTKMarkupUIElement* pRoot, LPCSTR lpszName, COLORREF clr);
/// The "BorderBrush" of the border named `lpszName`, as above.
BOOL SetMarkupNamedBorderBrush(CTKMarkupUIElement* pRoot, LPCSTR lpszName, COLORREF clr);
/// For each shape directly inside the panel named `lpszPanel` whose name
/// equals `lpszShape` without regard to case: its "Stroke" and, with
/// `bFill`, its "Fill" become an opaque solid brush. The number of shapes set.
int SetMarkupPanelShapeBrushes(CTKMarkupUIElement* pRoot, LPCSTR lpszPanel, LPCSTR lpszShape,
                               COLORREF clr, BOOL bFill);

// The flat markup interface: what the rest of the toolkit calls to make a
// markup context, parse a caption into an element tree, measure and draw it,
// and pass it window messages; and the captions seam that lets the common
// layer's tooltips reach these functions.
#pragma once

#include "afxwin.h"

class CTKMarkupContext;
class CTKMarkupUIElement;

// Every function accepts null arguments and then does nothing (answering 0,
// null or an empty size). Handles returned carry one reference for the
// caller, who gives it back with the matching release function. Used on the
// thread of the window that shows the markup.

/// A new context bound to the window (may be null); with `bDpiAware` it
/// scales 96-DPI lengths by the window's DC (the screen's for no window).
CTKMarkupContext* CreateMarkupContext(HWND hWnd, BOOL bDpiAware);
/// Whether trees parsed for the context run their script blocks. A new
/// context runs none; captions and tooltips never ask for them, and an owner
/// turns them on only for markup it trusts.
void EnableMarkupContextScripts(CTKMarkupContext* pContext, BOOL bEnable);
/// Releases one reference, nulls the variable and returns the count left; 0
/// for a null variable.
int ReleaseMarkupContext(CTKMarkupContext*& pContext);
int ReleaseMarkupElement(CTKMarkupUIElement*& pElement);
/// The root of the parsed text (the bytes as they stand, encoding decided by
/// the XML reader), or null on any error, or when the root is no UI element.
/// Script blocks run only when the context's scripts are enabled.
CTKMarkupUIElement* ParseMarkupText(CTKMarkupContext* pContext, LPCSTR lpszText);
/// The element's context (no reference added).
CTKMarkupContext* GetMarkupElementContext(CTKMarkupUIElement* pElement);
/// A non-null font becomes the default font; a colour other than -1 the
/// default text colour.
void SetMarkupContextFont(CTKMarkupContext* pContext, HFONT hFont, COLORREF clrText);
/// Nonzero when the element's tree handled the message.
BOOL HandleMarkupElementMessage(CTKMarkupUIElement* pElement, UINT message, WPARAM wParam,
                                LPARAM lParam, LRESULT* pResult);
/// Ends a hover state; always 0.
BOOL HandleMarkupContextMessage(CTKMarkupContext* pContext, UINT message, WPARAM wParam,
                                LPARAM lParam, LRESULT* pResult);
/// The element's desired size for the available size.
SIZE MeasureMarkupElement(CTKMarkupUIElement* pElement, int nWidth, int nHeight);
/// Measures the element for the rectangle, arranges it there and draws it.
int RenderMarkupElement(CTKMarkupUIElement* pElement, HDC hDC, LPCRECT lpRect);

/// Makes the tooltips of the common layer show markup through the functions
/// above. Programs that show markup tips call it once at start-up.
void TKInstallMarkupCaptionApi();

// Putting plain text (a step name, a path) into markup text as text.
#pragma once

#include "afx.h"

/// `lpszText` with the characters markup reads as syntax replaced by
/// character references ("&amp;", "&lt;", "&gt;", "&quot;", "&apos;"), so
/// that it reads back as exactly that text and can never open an element or
/// a script block. For a quoted attribute value (`bAttribute`) a leading "{"
/// also gets the "{}" that keeps it from being read as a markup extension.
/// Empty for null.
CStringW TKMarkupEscapeText(LPCWSTR lpszText, BOOL bAttribute = FALSE);

// Text forms of markup values: colours, numbers, lengths with units, and the
// metadata converters of enumerations and cursors. Every converter accepts
// only a CTKMarkupString and returns a new value (one reference for the
// caller) or null when the text does not fit; the builder reports the null.
#pragma once

#include "markup/TKMarkupDependencyProperty.h"

/// "#RRGGBB" (opaque), "#AARRGGBB" or a colour name (any letter case; the
/// gray spellings, and "Transparent" for 0x00FFFFFF). The result holds alpha
/// in bits 24 to 31, then blue, green, red.
BOOL ParseMarkupColor(LPCWSTR lpszText, DWORD* pColor);

/// Reads one number at `*ppszCursor`: blanks, an optional sign, digits with
/// at most one point, no exponent; the number ends at a blank or at
/// `chSeparator` (one separator after it is skipped, and blanks around).
/// With `bWhole` the text must end after it; otherwise the cursor is left on
/// the next number. FALSE when no number stands there.
BOOL ParseMarkupNumber(LPCWSTR* ppszCursor, double* pValue, WCHAR chSeparator, BOOL bWhole);

/// An integer read like `_wtoi` (blanks, sign, digits), limited to the int
/// range rather than wrapping.
int ReadMarkupInteger(LPCWSTR lpszText);

/// A length computed wide, kept inside the int range.
int ClampMarkupLength(long long nValue);

/// Scales a length given at 96 DPI by the property's DPI flags (x first).
int ScaleMarkupLength(CTKMarkupBuilder* pBuilder, const CTKMarkupDependencyProperty* pProperty,
                      int nValue);
double ScaleMarkupLength(CTKMarkupBuilder* pBuilder, const CTKMarkupDependencyProperty* pProperty,
                         double dValue);

/// Widths, heights and font sizes: "Auto" (0x7FFFFFFF), or an integer with an
/// optional unit "pt", "in", "cm" or "mm", DPI-scaled; a CTKMarkupInt.
CTKMarkupObject* ConvertMarkupLength(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue,
                                     CTKMarkupDependencyProperty* pProperty);
/// A system cursor name ("Arrow", "Hand" ...): a CTKMarkupInt with the cursor
/// id, 0 for "None".
CTKMarkupObject* ConvertMarkupCursor(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue,
                                     CTKMarkupDependencyProperty* pProperty);

// Enumeration converters: the exact names of each enumeration, in any letter
// case, give the shared CTKMarkupEnum values.
CTKMarkupObject* ConvertTextDecorations(CTKMarkupBuilder*, CTKMarkupObject*,
                                        CTKMarkupDependencyProperty*);
CTKMarkupObject* ConvertFontWeight(CTKMarkupBuilder*, CTKMarkupObject*,
                                   CTKMarkupDependencyProperty*);
CTKMarkupObject* ConvertFontStyle(CTKMarkupBuilder*, CTKMarkupObject*,
                                  CTKMarkupDependencyProperty*);
CTKMarkupObject* ConvertFontQuality(CTKMarkupBuilder*, CTKMarkupObject*,
                                    CTKMarkupDependencyProperty*);
CTKMarkupObject* ConvertHorizontalAlignment(CTKMarkupBuilder*, CTKMarkupObject*,
                                            CTKMarkupDependencyProperty*);
CTKMarkupObject* ConvertVerticalAlignment(CTKMarkupBuilder*, CTKMarkupObject*,
                                          CTKMarkupDependencyProperty*);
CTKMarkupObject* ConvertTextWrapping(CTKMarkupBuilder*, CTKMarkupObject*,
                                     CTKMarkupDependencyProperty*);
CTKMarkupObject* ConvertTextTrimming(CTKMarkupBuilder*, CTKMarkupObject*,
                                     CTKMarkupDependencyProperty*);
CTKMarkupObject* ConvertTextAlignment(CTKMarkupBuilder*, CTKMarkupObject*,
                                      CTKMarkupDependencyProperty*);
CTKMarkupObject* ConvertOrientation(CTKMarkupBuilder*, CTKMarkupObject*,
                                    CTKMarkupDependencyProperty*);
CTKMarkupObject* ConvertBaselineAlignment(CTKMarkupBuilder*, CTKMarkupObject*,
                                          CTKMarkupDependencyProperty*);
CTKMarkupObject* ConvertVisibility(CTKMarkupBuilder*, CTKMarkupObject*,
                                   CTKMarkupDependencyProperty*);
CTKMarkupObject* ConvertScrollBarVisibility(CTKMarkupBuilder*, CTKMarkupObject*,
                                            CTKMarkupDependencyProperty*);
CTKMarkupObject* ConvertStretch(CTKMarkupBuilder*, CTKMarkupObject*, CTKMarkupDependencyProperty*);
/// Stroke ends: "Flat" 0, "Square" 1, "Round" 2, "Triangle" 3.
CTKMarkupObject* ConvertLineCap(CTKMarkupBuilder*, CTKMarkupObject*, CTKMarkupDependencyProperty*);
/// Stroke corners: "Miter" 0, "Bevel" 1, "Round" 2.
CTKMarkupObject* ConvertLineJoin(CTKMarkupBuilder*, CTKMarkupObject*, CTKMarkupDependencyProperty*);
/// "Default" 0, "None" 1, "HighSpeed" 2, "HighQuality" 3, "AntiAlias" 4.
CTKMarkupObject* ConvertSmoothingMode(CTKMarkupBuilder*, CTKMarkupObject*,
                                      CTKMarkupDependencyProperty*);

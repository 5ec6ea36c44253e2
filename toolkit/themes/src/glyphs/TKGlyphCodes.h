// The characters of the toolkit's glyph font that command bars draw.
#pragma once

#include <windows.h>

const TCHAR kTKGlyphClose = 43;
const TCHAR kTKGlyphCheck = 45;
const TCHAR kTKGlyphCheckMirrored = 46;
const TCHAR kTKGlyphRadio = 47;
const TCHAR kTKGlyphDropDownVertical = 48;
const TCHAR kTKGlyphArrowRight = 49;
const TCHAR kTKGlyphArrowDown = 51;
const TCHAR kTKGlyphSpinUp = 54;
const TCHAR kTKGlyphSpinDown = 55;
const TCHAR kTKGlyphChevronVertical = 61;
const TCHAR kTKGlyphChevronHorizontal = 62;

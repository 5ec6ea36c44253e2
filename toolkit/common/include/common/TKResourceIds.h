// Resource ids of the toolkit's own resources (res/TKCommon.rc), usable from
// C++ and from resource scripts.
#pragma once

// Cursors.
#define TK_IDC_DRAGMOVE 9308
#define TK_IDC_DRAGCOPY 9309
#define TK_IDC_NODROP 9310
#define TK_IDC_SPLITHORIZONTAL 9970
#define TK_IDC_SPLITVERTICAL 9971
#define TK_IDC_HAND 9973

// The glyph font (RT_FONT) of caption buttons, menu marks and arrows.
#define TK_IDR_GLYPHFONT 9979

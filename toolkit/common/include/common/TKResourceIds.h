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

// The toolkit's right-click menus (its third sub-menu, "RClickHeader", is the
// header control's) and the tool bar whose icons the header menu shows.
#define TK_IDR_RCLICKMENUS 9317
#define TK_IDR_HEADERMENUICONS 9307
#define TK_ID_HEADER_SORTASCENDING 9325
#define TK_ID_HEADER_SORTDESCENDING 9326
#define TK_ID_HEADER_ALIGNLEFT 9327
#define TK_ID_HEADER_ALIGNCENTER 9328
#define TK_ID_HEADER_ALIGNRIGHT 9329

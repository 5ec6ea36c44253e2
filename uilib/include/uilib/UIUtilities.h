// Free functions of the UI library with no state of their own: image lists
// from bitmap resources, starting a program, an HTTPS download, clipboard
// text, mail, the help window, gradients and the row-band colour tables,
// text measuring and window frames. Each reports failure by its result
// (false, 0 or an empty string) and throws nothing; each runs on the calling
// thread, and the download and the mail block it.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <wininet.h>

#include "foundation/TesselList.h"
#include "foundation/TesselString.h"

class CTKControl;

// Image lists ---------------------------------------------------------------------

/// Creates `hImageList` with 32-bit cells `nCellWidth` wide and the bitmap's
/// height, and adds the bitmap resource, black as the mask colour.
void CreateImageListFromBitmap(UINT nBitmapId, HIMAGELIST* phImageList, int nCellWidth);
/// Adds the bitmap resource to an existing list, black as the mask colour.
void AddBitmapToImageList(UINT nBitmapId, HIMAGELIST hImageList);

// The shell and the network ---------------------------------------------------------

/// Opens `pszPath` with its default action; a null owner is the desktop.
bool LaunchProgram(const char* pszPath, HWND hOwner);
/// Adds (or replaces) one header line, CR LF appended when it has no line
/// break; false for no request or an empty line.
bool AddHttpRequestHeader(HINTERNET hRequest, const char* pszHeader);
/// GET https://server/object into `pszLocalPath` (missing folders made, an
/// old file replaced). Only a 200 answer with a body is saved; a read that
/// fails or ends short of the announced length deletes the partial file.
/// True when the whole body was saved. Blocks for the whole transfer.
bool DownloadFileFromServer(const char* pszServer, const char* pszObject,
                            const char* pszLocalPath);

// Frames ---------------------------------------------------------------------------------

/// The window rectangle corrected for the frame the system draws around it:
/// right and bottom 2 smaller without the desktop window manager, 6 and 3
/// larger when it answers for the window, else 2 and 9 smaller. False (and
/// nothing changed) without window or rectangle.
bool GetFrameBoundsOfWindow(HWND hWnd, RECT* pRect);

// Command-bar buttons ----------------------------------------------------------------

/// Caption (and, after a line feed, description) from the string resource;
/// the button shows icon and caption. False when the caption is empty.
bool SetButtonCaptionFromString(UINT nStringId, CTKControl* pControl);

// The clipboard -----------------------------------------------------------------------

/// Places the text as CF_UNICODETEXT (wide) or CF_TEXT (narrow); false for
/// an empty text or when the clipboard cannot be had.
bool SetClipboardText(HWND hOwner, CTesselString& text);
bool IsClipboardTextAvailable();
/// The clipboard's text, CF_UNICODETEXT preferred; empty when it has none.
CTesselString GetClipboardText();

// Window texts ---------------------------------------------------------------
/// The window's whole text, read wide so that nothing outside the code page
/// is lost; empty for no window.
CTesselString GetWindowTextString(HWND hWnd);
/// Sets the window's text wide; false for no window.
bool SetWindowTextString(HWND hWnd, CTesselString text);

// Mail and help ------------------------------------------------------------------------

/// The user's mail program with a message to `pszAddress` for editing and
/// sending; false for no address, without Simple MAPI or when it fails.
bool SendMailThroughMapi(const char* pszAddress, const char* pszSubject, const char* pszBody);
/// Opens the help file at a topic (0: its default page), centred on the
/// desktop at a size derived from it; the window goes to `phWnd`.
bool OpenHtmlHelpWindow(const char* pszHelpFile, DWORD nTopicId, HWND* phWnd);

// Gradients and the row bands -------------------------------------------------------------

/// Per channel (red, green, blue): (A - B) / n.
void ComputeGradientSteps(int nSteps, COLORREF crA, COLORREF crB, double* pdRed,
                          double* pdGreen, double* pdBlue);
/// start + (position - origin) x step per channel, held at the limit's
/// channel in the step's direction.
COLORREF GetGradientColor(int nPosition, COLORREF crLimit, COLORREF crStart, int nOrigin,
                          double dRed, double dGreen, double dBlue);

/// One colour of a band table; a skippable one may be left out when the band
/// has fewer rows than the table.
struct GradientColorRecord {
  COLORREF color;
  BYTE skippable;
};
/// Appends a record (freed when the list refuses it).
bool AddGradientColor(CTesselList* pList, COLORREF color, bool bSkippable);
/// Frees every record; false when the list was already empty.
bool ClearGradientColors(CTesselList* pList);
/// Appends the column view's three standard row bands (selected, hot,
/// inactive), one to each list; true when all three are non-empty.
bool BuildStandardRowGradients(CTesselList* pFirst, CTesselList* pSecond, CTesselList* pThird);
/// Spreads the table over `nRows` colours of `pColors`: skippable records are
/// left out when there are fewer rows, the middle record repeated when there
/// are more. When the table has too few skippable records more than `nRows`
/// values are written, so `pColors` holds at least the table's size.
bool ExpandGradient(COLORREF* pColors, CTesselList* pList, int nRows);
/// A band of the table's colours, one row each, with rounded corners.
/// False without DC, with an empty table or more than kMaxGradientRows rows.
bool DrawGradientBand(HDC hDC, int left, int top, int right, int bottom, CTesselList* pList);
const int kMaxGradientRows = 1000;

// Text and frames -------------------------------------------------------------------------

int GetTextWidth(HDC hDC, const char* pszText);
int GetCharWidth(HDC hDC, const char* pszChar);
/// True for an empty string or no DC; false when the text is wider than
/// right - left - margin.
bool TextFitsWidth(HDC hDC, CTesselString& text, int left, int top, int right, int bottom,
                   int nMargin);
/// A rectangle around the whole window (non-client area included).
BOOL DrawWindowFrame(HWND hWnd, COLORREF color, int nPenWidth);
/// White left and right columns, top and bottom rows in the colour.
bool DrawControlFrame(HWND hWnd, COLORREF color);
/// White left and right columns and top row, the bottom row in the colour.
bool DrawControlFrameBottomLine(HWND hWnd, COLORREF color);

// What every window that carries command bars (a frame or a dialog) does the
// same way: creating the command bars, keeping their state in the profile,
// and the first steps of its key filter. The frame and dialog templates
// (TKFrameWnd.h, TKDialog.h) are built on these.
#pragma once

#include <afxwin.h>

class CTKCommandBars;

/// Releases `rpCommandBars`, then creates an object of the class for the
/// site; FALSE (and null) when the class makes no command bars.
BOOL AFX_CDECL TKCreateSiteCommandBars(CWnd* pSite, CRuntimeClass* pCommandBarsClass,
                                        CTKCommandBars*& rpCommandBars);
/// The options ("<profile>-Options"), then the accelerators (section
/// <profile>); nothing without command bars.
void AFX_CDECL TKSaveSiteCommandBarsState(CTKCommandBars* pCommandBars, LPCTSTR pszProfileName);
void AFX_CDECL TKLoadSiteCommandBarsState(CTKCommandBars* pCommandBars, LPCTSTR pszProfileName,
                                          BOOL bSilent);
/// A key message for a focused command-bar field: it goes to the field as
/// typed (no accelerator, no menu access). Tab, Enter and Esc are not: the
/// site still handles them.
BOOL AFX_CDECL TKIsKeyForCommandBarField(const MSG* pMsg);
/// The command bars' part of a site's key filter: the accelerators of the
/// shortcut manager. TRUE when they took the message.
BOOL AFX_CDECL TKPreTranslateSiteMessage(CTKCommandBars* pCommandBars, MSG* pMsg);

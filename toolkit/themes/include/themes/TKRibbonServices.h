// What the themes ask of the ribbon, which stands above them: the ribbon's
// library installs a maker for each class of ribbon paint manager and the few
// questions the command-bar themes put to ribbon controls. A program without
// the ribbon gets the plain answers: no ribbon paint manager, no ribbon
// controls.
#pragma once

#include <afxwin.h>

class CTKControl;
class CTKPaintManagerBase;
class CTKRibbonPaintManager;

/// The ribbon paint-manager classes a command-bar theme may ask for.
enum TKRibbonPaintManagerClass {
  tkRibbonPaintManagerBase = 0,      ///< the look of every theme without one of its own
  tkRibbonPaintManagerResource = 1,  ///< drawn from the loaded theme text and images
  tkRibbonPaintManagerClassCount
};

/// Makes a ribbon paint manager for `pOwner`, not yet refreshed.
typedef CTKRibbonPaintManager*(AFX_CDECL* PFNTKCREATERIBBONPAINTMANAGER)(CTKPaintManagerBase* pOwner);

/// The ribbon's side of the link; every member is set by the ribbon.
struct TK_RIBBON_SERVICES {
  void(AFX_CDECL* pfnRefresh)(CTKRibbonPaintManager* pPaintManager);
  /// Drops the owner's reference.
  void(AFX_CDECL* pfnRelease)(CTKRibbonPaintManager* pPaintManager);
  /// The face of a control of a group whose controls are grouped; FALSE when
  /// the ribbon look did not paint it.
  BOOL(AFX_CDECL* pfnDrawControlFace)(CTKRibbonPaintManager* pPaintManager, CDC* pDC,
                                      CTKControl* pControl);
  /// The button a reduced group collapses into.
  BOOL(AFX_CDECL* pfnIsGroupPopupButton)(const CTKControl* pControl);
  /// The control stands on the ribbon's quick-access bar.
  BOOL(AFX_CDECL* pfnIsQuickAccessControl)(CTKControl* pControl);
  /// The control belongs to a group whose controls are drawn as runs.
  BOOL(AFX_CDECL* pfnIsGroupedControl)(const CTKControl* pControl);
  /// The nearest visible control of the control's group before it
  /// (`nDirection` -1) or after it (+1); null for none.
  CTKControl*(AFX_CDECL* pfnGetGroupNeighbour)(const CTKControl* pControl, int nDirection);
};

/// Installs the maker of one class (null removes it).
void AFX_CDECL TKRegisterRibbonPaintManagerCreator(int nClass, PFNTKCREATERIBBONPAINTMANAGER pfn);
/// A new ribbon paint manager of the class, null when no maker is installed.
CTKRibbonPaintManager* AFX_CDECL TKCreateRibbonPaintManager(int nClass, CTKPaintManagerBase* pOwner);
/// Installs the ribbon's services (copied).
void AFX_CDECL TKSetRibbonServices(const TK_RIBBON_SERVICES* pServices);
/// The installed services; never null (the plain answers without the ribbon).
const TK_RIBBON_SERVICES* AFX_CDECL TKRibbonServices();

/// Where a control stands in its run of a grouped ribbon group: a run starts
/// at a control that begins a group, wraps or has no visible control of its
/// group before it, and ends where the next visible control of the group does
/// the same or none follows.
void AFX_CDECL TKGetGroupedRunEdges(CTKControl* pControl, BOOL* pbStart, BOOL* pbEnd);

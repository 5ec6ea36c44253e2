// What a saved layout carries besides its values: the bars it holds and the
// word hung on its exchange.
#pragma once

#include <afxwin.h>

#include <vector>

#include "common/TKRefPtr.h"

class CTKCommandBar;
class CTKCommandBars;

/// The bars of one layout in exchange order; each entry holds a reference.
typedef std::vector<CTKRefPtr<CTKCommandBar, CTKInternalRefTraits>> CTKLayoutBars;

/// Hung on the exchange of a layout save or load (CTKPropExchange::SetData);
/// the bars and controls being loaded take their command bars from it.
struct TK_BARS_EXCHANGE_PARAM {
  DWORD dwReserved1 = 0;
  /// Saving: only bars that differ from their built-in state; loading: 1.
  BOOL bSerializeOnlyChanged = TRUE;
  /// Loading: no question when a customised bar's definition changed.
  BOOL bSilent = FALSE;
  BOOL bSaveOriginalControls = TRUE;
  DWORD dwReserved2 = 0;
  DWORD dwReserved3 = 0;
  DWORD dwReserved4 = 1;
  DWORD dwReserved5 = 0;
  DWORD dwReserved6 = 0;
  /// A whole pointer, so that an address above 4 GB survives.
  CTKCommandBars* pCommandBars = nullptr;
};

/// The parameter a layout exchange carries, or null.
TK_BARS_EXCHANGE_PARAM* AFXAPI TKGetBarsExchangeParam(class CTKPropExchange* pPX);
/// The bar of `nBarID` among the layout's bars, or null.
CTKCommandBar* AFXAPI TKFindLayoutBar(const CTKLayoutBars& bars, UINT nBarID);

/// The layout schema the bar and control classes are written with.
#define TK_LAYOUT_SCHEMA 42

/// Implements a bar or control class that a layout names: an archive keeps
/// the class with the layout schema, reads it back at any schema, and the
/// schema it was written with becomes the schema of its exchange.
#define TK_IMPLEMENT_LAYOUT_CLASS(class_name, base_class_name)                                  \
  CObject* PASCAL class_name::CreateObject() { return new class_name; }                      \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, VERSIONABLE_SCHEMA | TK_LAYOUT_SCHEMA,  \
                         class_name::CreateObject)                                            \
  static AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));
